// The device page's model of the connected keyboards: enumeration, cards, one link
// per device, opening a device and switching between devices.
#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicelink/mainhidinterface.h"
#include "devicepage/ddevicelistitem.h"
#include "devicepage/ddevicepage.h"
#include "devicepage/linkreadywait.h"
#include "keyboardview/dragshowarea.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/keyselectframe.h"
#include "keys/dcustomkeyspage.h"
#include "lighting/lightdealmain.h"
#include "platform/logcategories.h"
#include "sdk/emulateddevicedir.h"
#include "sdk/tavrixhid.h"
#include "ui_ddevicepage.h"
#include "widgets/cbnotice.h"

#include <QStackedLayout>
#include <QTimer>

#include <algorithm>

namespace {

// Layout device types that change the tool row.
constexpr int kMagneticDeviceType = 4;
constexpr int kNoBatteryDeviceType = 5;

// Copies a text field of one record into another, reading no further than either
// array, so a source text without its NUL cannot be overread.
template <std::size_t N, std::size_t M> void copyField(char (&destination)[N], const char (&source)[M])
{
    std::memset(destination, 0, N);
    const std::size_t length = strnlen(source, std::min(N - 1, M));
    std::memcpy(destination, source, length);
}

QString latin1Field(const char *text, std::size_t size)
{
    return QString::fromLatin1(text, int(strnlen(text, size)));
}

QString utf8Field(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, int(strnlen(text, size)));
}

}  // namespace

hidStructInfoAll DDevicePage::deviceRecord(const HidDeviceInfoStu &device, const FirmwareInfoStu &firmware,
                                           const HidInfoStu &model)
{
    hidStructInfoAll info {};
    copyField(info.deviceKind, model.deviceKind);
    copyField(info.hidPath, device.hidPath);
    copyField(info.hidName, device.modelName);
    copyField(info.productName, model.productName);
    copyField(info.likeName, model.secondName);
    copyField(info.firmwareVersion, firmware.text[FirmwareInfoStu::CurrentVersion]);
    copyField(info.firmwareIdPart0, firmware.text[FirmwareInfoStu::IdentityPart0]);
    copyField(info.firmwareIdPart1, firmware.text[FirmwareInfoStu::IdentityPart1]);
    copyField(info.firmwareIdPart3, firmware.text[FirmwareInfoStu::IdentityPart3]);
    info.connectType = device.connectType == 0 ? 0 : 1;
    info.onlineStatus = info.connectType == 0 ? 1 : 0;
    info.modelValue1 = model.modelValue1;
    info.modelValue2 = model.modelValue2;
    info.modelValue3 = model.modelValue3;
    info.modelValue4 = model.modelValue4;
    info.keyCount = model.keyCount;
    return info;
}

hidStructInfoAll DDevicePage::offlineRecord(const HidInfoStu &model)
{
    hidStructInfoAll info {};
    copyField(info.deviceKind, model.deviceKind);
    copyField(info.hidName, model.modelName);
    copyField(info.productName, model.productName);
    copyField(info.likeName, model.secondName);
    info.modelValue1 = model.modelValue1;
    info.modelValue2 = model.modelValue2;
    info.modelValue3 = model.modelValue3;
    info.modelValue4 = model.modelValue4;
    info.keyCount = model.keyCount;
    return info;
}

QMap<QString, hidStructInfoAll> DDevicePage::enumerateDevices(QList<hidStructInfoAll> *ordered,
                                                              QList<hidStructInfoAll> *offline) const
{
    std::vector<std::string> paths;
    CTavrixHid_GetHidInfoList(paths);
    std::map<std::string, HidInfoStu> models;
    CTavrixHid_GetHidInfoStuMapList(models);

    QMap<QString, hidStructInfoAll> found;
    std::map<std::string, HidInfoStu> remaining = models;
    for (const std::string &libraryPath : paths) {
        const QByteArray path = QString::fromUtf8(libraryPath.c_str()).toLatin1();
        HidDeviceInfoStu device {};
        FirmwareInfoStu firmware {};
        if (!CTavrixHid_GetHidAndFirmwareInfoStu(path.constData(), &device, &firmware))
            continue;
        const std::string modelName(device.modelName, strnlen(device.modelName, sizeof device.modelName));
        const auto model = models.find(modelName);
        if (model == models.end())
            continue;
        const hidStructInfoAll info = deviceRecord(device, firmware, model->second);
        const QString key = latin1Field(info.hidPath, sizeof info.hidPath);
        if (key.isEmpty() || found.contains(key))
            continue;
        found.insert(key, info);
        if (ordered)
            ordered->append(info);
        remaining.erase(modelName);
    }
    if (offline) {
        for (const auto &model : remaining)
            offline->append(offlineRecord(model.second));
    }
    return found;
}

DDeviceListItem *DDevicePage::newCard(const hidStructInfoAll &info)
{
    auto *card = new DDeviceListItem(ui->scrollAreaWidgetContents_2);
    connect(card, &DDeviceListItem::sigHidItemMouseClicked, this, &DDevicePage::onHidItemMouseClicked);
    deviceListLayout->insertWidget(deviceListLayout->count() - 1, card);
    card->setDeviceInfo(info);
    return card;
}

void DDevicePage::onLoadDeviceList()
{
    enumerating = true;
    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);

    QList<hidStructInfoAll> ordered;
    QList<hidStructInfoAll> offline;
    enumerateDevices(&ordered, &offline);
    deviceInfos.clear();
    QList<hidStructInfoAll> cable;
    QList<hidStructInfoAll> receiver;
    for (const hidStructInfoAll &info : ordered) {
        const QString path = latin1Field(info.hidPath, sizeof info.hidPath);
        if (info.connectType == 0) {
            cable.append(info);
        } else {
            receiver.append(info);
            dongleStates[path] = 1;
        }
        deviceInfos.insert(path, info);
        deviceInstances.insert(path, EmulatedDeviceDir::instanceOf(path));
    }
    const QList<hidStructInfoAll> cards = cable + receiver + offline;

    clearDeviceListLayout();
    deviceListLayout->setContentsMargins(12, 0, 0, 0);
    deviceListLayout->setSpacing(10);
    deviceCards.clear();
    for (const hidStructInfoAll &info : cards) {
        DDeviceListItem *card = newCard(info);
        const QString path = latin1Field(info.hidPath, sizeof info.hidPath);
        deviceCards.insert(path.isEmpty() ? latin1Field(info.hidName, sizeof info.hidName) : path, card);
    }

    if (deviceInfos.isEmpty()) {
        finishStartUp(false);
        return;
    }
    // Every link is opened at once; the first keyboard is opened once all of them told
    // what they are (or their waits are over).
    const QList<hidStructInfoAll> records = deviceInfos.values();
    for (const hidStructInfoAll &info : records)
        createDeviceLink(info);
    const hidStructInfoAll first = cards.first();
    whenLinksSettled([this, first] {
        const QString path = latin1Field(first.hidPath, sizeof first.hidPath);
        if (first.connectType != 0 || !deviceLinks.contains(path)) {
            finishStartUp(false);
            return;
        }
        ui->stackedWidget_3->setCurrentWidget(ui->page_HaveDevice);
        openDevice(first, [this] { finishStartUp(currentLink != nullptr); });
    });
}

void DDevicePage::finishStartUp(bool opened)
{
    enumerating = false;
    if (!opened)
        showNoDevice();
    Q_EMIT sigHaveCheckUpgradeFirmwareNUC();
    scheduleDeferredWork();
}

void DDevicePage::whenLinksSettled(std::function<void()> next)
{
    if (settlingLinks.isEmpty()) {
        next();
        return;
    }
    // Only the start-up and the hot-plug notice under way wait so, one at a time.
    Q_ASSERT(!afterLinksSettled);
    afterLinksSettled = std::move(next);
}

DDeviceKeyboardLink *DDevicePage::createDeviceLink(const hidStructInfoAll &info,
                                                   std::function<void(DDeviceKeyboardLink *)> settled)
{
    auto *link = new DDeviceKeyboardLink(this);
    connect(link, &DDeviceKeyboardLink::sigCustomEventChangeProfile, this, &DDevicePage::onCustomEventChangeProfile);
    connect(link, &DDeviceKeyboardLink::sigRunningOnboard0x19Cmd, this, &DDevicePage::onRunningOnboard0x19Cmd);
    connect(link, &DDeviceKeyboardLink::sigRunningOnboard0x18Cmd, this, &DDevicePage::onRunningOnboard0x18Cmd);
    connect(link, &DDeviceKeyboardLink::sigQN9080Recv0x0bCmd, this, &DDevicePage::onQN9080Recv0x0bCmd);
    connect(link, &DDeviceKeyboardLink::sigRunningOnboardDownloadStatus, this,
            &DDevicePage::onRunningOnboardDownloadStatus);
    connect(link, &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity, this,
            &DDevicePage::onSendChargingStatusAndElectricity);
    connect(link, &DDeviceKeyboardLink::sigDongleStatus, this, &DDevicePage::onDongleStatus);
    connect(link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d, this, &DDevicePage::onWaitForDataReturn_0x0d);
    connect(link, &DDeviceKeyboardLink::sigSleepTimeSetSuccessful, this, &DDevicePage::onSleepTimeSetSuccessful);
    connect(link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend, this,
            &DDevicePage::onLightConfigHaveChanged_HidSend);
    connect(link, &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09, this,
            &DDevicePage::onCustomLight_ConfigHaveChanged_HidSend0x09);
    connect(link, &DDeviceKeyboardLink::sigTheKeyboardModeChanged, this, &DDevicePage::onTheKeyboardModeChanged);
    connect(link, &DDeviceKeyboardLink::sigStoreWriteFailed, this,
            [this](const QString &text) { notice->showMessageAt(text, tipPosition()); });
    connect(link, &DDeviceKeyboardLink::sigFactsChanged, this, &DDevicePage::onLinkFactsChanged);
    connect(link, &DDeviceKeyboardLink::sigMagneticLiveTravel, this, &DDevicePage::onLinkLiveTravel);
    connect(link, &DDeviceKeyboardLink::sigMagneticKeyTrigger, this, &DDevicePage::onLinkKeyTrigger);
    connect(link, &DDeviceKeyboardLink::sigMagneticCalibrationStatus, this, &DDevicePage::onLinkCalibrationStatus);
    // A host function's notice concerns a key the user just pressed, on any keyboard.
    connect(link, &DDeviceKeyboardLink::sigHostKeyFunctionNotice, this, &DDevicePage::onEveryPageBackTip);

    const QString path = latin1Field(info.hidPath, sizeof info.hidPath);
    deviceLinks.insert(path, link);
    ++linkCount;
    linkThreadIndexes.insert(path, linkCount);
    link->openHid(linkCount, info);

    // Receiver reports count only once the keyboard told what it is, or its wait is over.
    settlingLinks.insert(link);
    const QPointer<DDeviceKeyboardLink> guard(link);
    const DDeviceKeyboardLink *key = link;
    LinkReadyWait::start(link, kLinkReadyWaitMs, this, [this, guard, key, settled] {
        settlingLinks.remove(key);
        if (guard)
            guard->setWirelessFlag(true);
        if (settled)
            settled(guard.data());
        if (settlingLinks.isEmpty() && afterLinksSettled) {
            const std::function<void()> next = std::move(afterLinksSettled);
            afterLinksSettled = nullptr;
            next();
        }
    });
    return link;
}

void DDevicePage::selectCard(DDeviceListItem *card)
{
    for (DDeviceListItem *each : deviceCards)
        each->setSelected(each == card);
    currentCard = card;
}

void DDevicePage::showNoDevice()
{
    waitingForSerial = false;
    serialPollTimer->stop();
    deniedPath.clear();
    openRetryTimer->stop();
    ui->label_Tip->setText(tr("Device not connected"));
    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);
    Q_EMIT sigReturnHidLikeName(QStringLiteral("HID"), QStringLiteral("RGB"));
}

void DDevicePage::showOpenDenied(const QString &path)
{
    deniedPath = path;
    ui->label_Tip->setText(openDeniedText());
    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);
    openRetryTimer->start();
}

QString DDevicePage::openDeniedText() const
{
    return tr("The keyboard was found but cannot be opened.\nUnplug it and plug it in again, or reload the "
              "device rules:")
        + QStringLiteral("\nsudo udevadm control --reload-rules && sudo udevadm trigger");
}

// Once the rule reaches the node (after the rules are reloaded) the open succeeds
// and the keyboard is opened as usual; a replug comes through hot-plug instead.
void DDevicePage::onOpenRetryTick()
{
    DDeviceKeyboardLink *link = deviceLinks.value(deniedPath);
    if (!link || link != currentLink) {
        deniedPath.clear();
        openRetryTimer->stop();
        return;
    }
    if (isBusy() || !link->retryOpen())
        return;
    const QString path = deniedPath;
    deniedPath.clear();
    openRetryTimer->stop();
    openDevice(deviceInfos.value(path));
}

void DDevicePage::buildKeyboardView(const hidStructInfoAll &info)
{
    delete keyboardView;
    delete dragArea;
    delete keyboardViewHost;

    keyboardViewHost = new QWidget(ui->hidDeviceShowFrame);
    keyboardView = new hidDeviceJoinFrame(keyboardViewHost);
    connect(keyboardView, &hidDeviceJoinFrame::sigDragAreaMoveOneKey, this, &DDevicePage::onDragAreaMoveOneKey);
    connect(keyboardView, &hidDeviceJoinFrame::sigTheDragAreaHaveChanged, this, &DDevicePage::onTheDragAreaHaveChanged);
    connect(keyboardView, &hidDeviceJoinFrame::sigKeyboardLoadFailed, this, &DDevicePage::onEveryPageBackTip);
    dragArea = new dragShowArea(keyboardViewHost);
    connect(dragArea, &dragShowArea::sigDragArea, this, &DDevicePage::onDragArea_SelectKeys);
    connect(dragArea, &dragShowArea::sigDragShowAreaMouseMovePoint, this, &DDevicePage::onDragShowAreaMouseMovePoint);
    connect(dragArea, &dragShowArea::sigDragAreaMousePressOrRelease, this, &DDevicePage::onDragAreaMousePressOrRelease);

    const QStringList rgb = DDataManager::getInstance()->getThemeColorInfo().TextCheckedColor.split(QLatin1Char(','));
    if (rgb.size() >= 3)
        dragArea->setColor(rgb[0].trimmed().toInt(), rgb[1].trimmed().toInt(), rgb[2].trimmed().toInt());

    // A child widget all the same: the hint only keeps the picture above its siblings.
    keyboardView->setWindowFlags(Qt::WindowStaysOnTopHint);
    keyboardView->loadDevice(info);

    auto *stack = new QStackedLayout;
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(keyboardView);
    stack->addWidget(dragArea);
    keyboardViewHost->setLayout(stack);
    ui->horizontalLayout_17->addWidget(keyboardViewHost);

    for (auto &row : keyButtons)
        std::fill(std::begin(row), std::end(row), nullptr);
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->getKeyButtonList();
    for (int k = 0; k < keys.size() && k < kRows * kColumns; ++k)
        keyButtons[k / kColumns][k % kColumns] = keys[k];

    dragArea->lower();
    keyboardView->raise();
    keyboardView->show();
}

void DDevicePage::adaptToDeviceType()
{
    DDataManager *dm = DDataManager::getInstance();
    const int type = dm->getHidDeviceType();
    const bool magnetic = type == kMagneticDeviceType;
    ui->frame_7->setMinimumWidth(magnetic ? 295 : 200);
    ui->toolButton_TriggerSetting->setVisible(magnetic);
    ui->toolButton_SeniorKey->setVisible(magnetic);
    const bool statusFrames = !magnetic && type != kNoBatteryDeviceType;
    ui->frame_6->setVisible(statusFrames);
    ui->frame_8->setVisible(statusFrames);
    ui->frame_Battery->setVisible(statusFrames);
    dm->setMagneticKeyboard(magnetic);
    dm->setDefaultLayer(true);
    customKeysPage->setPressModeSelectable(magnetic ? 0 : 999);
    customKeysPage->refreshForDevice();
    ui->frame_FillSpace->setMinimumWidth(magnetic ? 60 : 20);
}

void DDevicePage::openDevice(hidStructInfoAll info, std::function<void()> done)
{
    const QString path = latin1Field(info.hidPath, sizeof info.hidPath);
    DDeviceKeyboardLink *link = deviceLinks.value(path);
    if (!link) {
        if (done)
            done();
        return;
    }
    switchBusy = true;
    if (firstOpen) {
        firstOpen = false;
        Q_EMIT sigReturnHidLikeName(utf8Field(info.productName, sizeof info.productName),
                                    utf8Field(info.likeName, sizeof info.likeName));
        selectCard(deviceCards.value(path));
    }
    currentLink = link;
    currentHid = link->getHidInterface();
    if (link->isOpenDenied()) {
        showOpenDenied(path);
        switchBusy = false;
        if (done)
            done();
        return;
    }
    deniedPath.clear();
    openRetryTimer->stop();

    zoomFactor = 1.0f;
    ui->label_Multiple->setText(QString::number(double(zoomFactor), 'f', 1));
    buildKeyboardView(info);
    adaptToDeviceType();
    DDataManager *dm = DDataManager::getInstance();
    publishLinkFacts(link);
    dm->setCurProductName(latin1Field(info.hidName, sizeof info.hidName));

    // The profile files need the keyboard's serial number and light lists.
    const QPointer<DDeviceKeyboardLink> guard(link);
    LinkReadyWait::start(link, kProfileReadyWaitMs, this, [this, guard, info, done] {
        // Nothing should have changed the current device meanwhile (the page was busy),
        // but the link may have gone with its device.
        if (guard && currentLink == guard) {
            initProfileFiles(info, 0);
            if (currentLink == guard) {
                if (waitingForSerial) {
                    ui->label_Tip->setText(tr("The device is not ready"));
                    ui->stackedWidget_3->setCurrentWidget(ui->page_TipShow);
                } else {
                    ui->label_Tip->setText(tr("Device not connected"));
                    ui->stackedWidget_3->setCurrentWidget(ui->page_HaveDevice);
                    startLightEngine();
                }
            }
        }
        switchBusy = false;
        scheduleDeferredWork();
        if (done)
            done();
    });
}

void DDevicePage::onHidItemMouseClicked(hidStructInfoAll info)
{
    if (info.onlineStatus != 1) {
        notice->showMessageAt(tr("The device is offline"), tipPosition());
        return;
    }
    // A download keeps its keyboard current until it ends; the start-up, a switch or a
    // hot-plug change under way drop the click.
    if (isBusy())
        return;
    const QString path = latin1Field(info.hidPath, sizeof info.hidPath);
    // A device whose link is not made yet cannot be opened.
    if (!deviceLinks.contains(path)) {
        notice->showMessageAt(tr("The device is not ready"), tipPosition());
        return;
    }
    auto *fromCard = qobject_cast<DDeviceListItem *>(sender());
    if (!fromCard || !deviceCards.values().contains(fromCard)) {
        fromCard = nullptr;
    } else if (fromCard == currentCard) {
        notice->showMessageAt(tr("The device has been turned on"), tipPosition());
        return;
    }
    switchToDevice(info, fromCard, {});
}

void DDevicePage::switchToDevice(const hidStructInfoAll &info, DDeviceListItem *card, std::function<void()> done)
{
    const QString path = latin1Field(info.hidPath, sizeof info.hidPath);
    if (switchBusy || enumerating || isDownloading() || !deviceLinks.contains(path)) {
        if (done)
            done();
        return;
    }
    switchBusy = true;
    if (!card)
        card = deviceCards.value(path);
    if (keyboardView)
        keyboardView->clearSelection(false);
    if (lightEngine->isKeyTickRunning() || lightEngine->isSideTickRunning())
        stopLightEngine();
    currentCard = nullptr;
    currentLink = nullptr;
    currentHid = nullptr;
    waitingForSerial = false;
    serialPollTimer->stop();
    Q_EMIT sigReturnHidLikeName(utf8Field(info.productName, sizeof info.productName),
                                utf8Field(info.likeName, sizeof info.likeName));
    selectCard(card);
    openDevice(info, std::move(done));
}

void DDevicePage::startLightEngine()
{
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c)
            lightEngine->keyButtons[r][c] = keyButtons[r][c];
    keySelectFrame *keyLayer = DDataManager::getInstance()->getKeySelectFrame();
    lightEngine->sideLightButtons = keyLayer ? keyLayer->sideLightButtons() : QList<sideLightButtonCustom *>();
    lightEngine->initMusicalRhythm(currentDeviceInfo.keyCount, 11, 30.0, 930.0);
    lightEngine->loadProfileColorInfo();
    lightEngine->setPreviewEnabled(true);
    lightEngine->setLightTickRunning(true);
    lightEngine->setLightSynchronize(true);
}

void DDevicePage::stopLightEngine()
{
    lightEngine->setLightSynchronize(false);
    lightEngine->setPreviewEnabled(false);
    lightEngine->setLightTickRunning(false);
}

void DDevicePage::stopLightEngineOnClose()
{
    if (lightEngine->isKeyTickRunning() || lightEngine->isSideTickRunning())
        stopLightEngine();
}

void DDevicePage::setHidListVisible(bool visible)
{
    ui->frame_left->setVisible(visible);
}

void DDevicePage::closeLinkThread(DDeviceKeyboardLink *link)
{
    MainHidInterFace *hid = link ? link->getHidInterface() : nullptr;
    if (!hid)
        return;
    hid->closeHid();
    hid->quit();
}

void DDevicePage::shutDownDevices()
{
    if (lightEngine)
        lightEngine->endThreads();
    closeAllLinks();
}

void DDevicePage::closeAllLinks()
{
    for (DDeviceKeyboardLink *link : deviceLinks)
        closeLinkThread(link);
}

bool DDevicePage::sendToCurrentDevice(const unsigned char *report, const char *failureLine)
{
    if (!currentHid)
        return false;
    if (currentHid->appendCmdData(report) < 0) {
        qCDebug(lcDevice) << failureLine;
        return false;
    }
    return true;
}

bool DDevicePage::isFromCurrentLink() const
{
    // Every link is connected to the same slots: only the current one may act on the page.
    return currentLink && sender() == currentLink;
}

void DDevicePage::publishLinkFacts(const DDeviceKeyboardLink *link)
{
    DDataManager *dm = DDataManager::getInstance();
    dm->setHaveSideLight(link->hasSideLight());
    dm->setMagneticPrecision(link->getMagneticPrecision());
    dm->setKeyAntiShakeNum(link->getKeyAntiShakeNum());
    dm->setKeyRateOfReturnNum(link->getKeyRateOfReturnNum());
    if (link->getProhibitSleep() >= 0)
        dm->setProhibitSleep(link->getProhibitSleep());
}

void DDevicePage::scheduleDeferredWork()
{
    if (deferredScheduled || (!hotPlugPending && deferredDongleReports.isEmpty()))
        return;
    deferredScheduled = true;
    QTimer::singleShot(0, this, &DDevicePage::runDeferredWork);
}

void DDevicePage::runDeferredWork()
{
    deferredScheduled = false;
    if (isBusy())
        return;  // the busy section schedules this again when it ends
    while (!deferredDongleReports.isEmpty() && !isBusy()) {
        const DongleReport report = deferredDongleReports.takeFirst();
        onDongleStatus(report.is24GValid, report.path, report.name);
    }
    if (hotPlugPending && !isBusy()) {
        hotPlugPending = false;
        // The change that came in meanwhile: enumerate until nothing differs.
        hidDeviceConnectChanging(0, QString());
    }
    scheduleDeferredWork();
}
