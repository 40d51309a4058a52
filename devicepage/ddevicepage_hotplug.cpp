// Hot-plug of devices: after the main window's notice the page enumerates again,
// adds or removes the devices that came or went, picks another device when the
// current one left, and reorders the device list.
#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicelink/mainhidinterface.h"
#include "devicepage/ddevicelistitem.h"
#include "devicepage/ddevicepage.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "lighting/lightdealmain.h"
#include "platform/logcategories.h"
#include "ui_ddevicepage.h"

#include "sdk/emulateddevicedir.h"
#include <QTimer>

#include <cstring>

namespace {

// Changes handled per notice before the page gives up on a device list that keeps
// changing under it; the next notice carries on.
constexpr int kMaxChangesPerNotice = 32;

QString modelOf(const hidStructInfoAll &info)
{
    return QString::fromLatin1(info.hidName, int(strnlen(info.hidName, sizeof info.hidName)));
}

}  // namespace

void DDevicePage::hidDeviceConnectChanging(int changeType, QString)
{
    if (isDownloading())
        endDownloadIfTargetGone(enumerateDevices(nullptr, nullptr));
    // A change that comes while another change, a switch, a download or the start-up
    // is under way is not lost: it is handled as soon as the page is free again.
    if (isBusy()) {
        hotPlugPending = true;
        return;
    }
    hotPlugBusy = true;

    // The notice names no device and may stand for several: one listing of the devices,
    // then the changes it shows one after the other until the page's devices match it. A
    // change that comes while they are handled brings its own notice, which waits.
    hotPlug = HotPlugRun();
    hotPlug.fresh = enumerateDevices(nullptr, nullptr);
    hotPlug.changeType = changeType;
    hotPlug.preferred = changeType;
    continueHotPlug();
}

void DDevicePage::continueHotPlug()
{
    QString path;
    const HotPlugStep step = nextHotPlugStep(&path);
    if (step == HotPlugStep::None || hotPlug.round >= kMaxChangesPerNotice) {
        // The notice is over once every link it made knows its keyboard.
        whenLinksSettled([this] { finishHotPlug(); });
        return;
    }
    ++hotPlug.round;
    hotPlug.changed = true;
    hotPlug.preferred = 0;
    // Each further change is an event of its own, so a burst of keyboards never holds
    // the GUI thread for all of them at once; the last one ends the notice at once.
    auto done = [this] {
        QString next;
        if (nextHotPlugStep(&next) != HotPlugStep::None && hotPlug.round < kMaxChangesPerNotice)
            QTimer::singleShot(0, this, &DDevicePage::continueHotPlug);
        else
            continueHotPlug();
    };
    if (step == HotPlugStep::Removal) {
        hotPlug.removed = true;
        handleRemoval(path, hotPlug.fresh, done);
    } else {
        handleArrival(hotPlug.fresh, path, done);
    }
}

DDevicePage::HotPlugStep DDevicePage::nextHotPlugStep(QString *path) const
{
    const QMap<QString, hidStructInfoAll> &fresh = hotPlug.fresh;
    QString newPath;
    for (auto it = fresh.cbegin(); it != fresh.cend() && newPath.isEmpty(); ++it) {
        if (!deviceInfos.contains(it.key()))
            newPath = it.key();
    }
    QString oldPath;
    for (auto it = deviceInfos.cbegin(); it != deviceInfos.cend() && oldPath.isEmpty(); ++it) {
        if (!fresh.contains(it.key()) || isNewPlugAtSamePath(it.key()))
            oldPath = it.key();
    }
    if (!oldPath.isEmpty() && (hotPlug.preferred == kChangeRemoval || newPath.isEmpty())) {
        *path = oldPath;
        return HotPlugStep::Removal;
    }
    *path = newPath;
    return newPath.isEmpty() ? HotPlugStep::None : HotPlugStep::Arrival;
}

void DDevicePage::finishHotPlug()
{
    const int changeType = hotPlug.changeType;
    if (hotPlug.changed || (changeType != kChangeArrival && changeType != kChangeRemoval && changeType != 0))
        reorderDeviceList();
    const bool changed = hotPlug.changed;
    if (hotPlug.removed)
        Q_EMIT sigIntoOrRemoveHidOver();
    hotPlug = HotPlugRun();
    hotPlugBusy = false;
    scheduleDeferredWork();
    if (changed)
        Q_EMIT sigKeyboardsChanged();
}

bool DDevicePage::isNewPlugAtSamePath(const QString &path) const
{
    const auto known = deviceInstances.constFind(path);
    return known != deviceInstances.cend() && !known.value().isEmpty()
        && EmulatedDeviceDir::instanceOf(path) != known.value();
}

void DDevicePage::handleArrival(const QMap<QString, hidStructInfoAll> &fresh, const QString &newPath,
                                std::function<void()> done)
{
    qCDebug(lcDevice) << "A keyboard arrived: reading the device list again";
    hidStructInfoAll record = fresh.value(newPath);
    record.onlineStatus = record.connectType == 0 ? 1 : 0;
    deviceInfos.insert(newPath, record);
    deviceInstances.insert(newPath, EmulatedDeviceDir::instanceOf(newPath));
    ui->stackedWidget_3->setCurrentWidget(ui->page_HaveDevice);

    const QString model = modelOf(record);
    DDeviceListItem *card = deviceCards.take(model);
    if (!card)
        card = newCard(record);
    deviceCards.insert(newPath, card);
    card->setDeviceInfo(record);

    // A cable keyboard is opened when it is the only device or none is current, once its
    // link knows it; a keyboard that is not opened needs no wait here.
    const bool onlyDevice = fresh.size() == 1;
    const auto opensNow = [this, onlyDevice, record] {
        return record.connectType == 0 && (onlyDevice || !currentCard || !currentLink);
    };
    const auto end = [this, done] {
        if (!currentCard || !currentLink)
            showNoDevice();
        qCDebug(lcDevice) << "The arrival is handled";
        done();
    };
    if (!opensNow()) {
        createDeviceLink(record);
        end();
        return;
    }
    createDeviceLink(record, [this, newPath, record, opensNow, end](DDeviceKeyboardLink *link) {
        // The device may have gone, or come again with a link of its own, meanwhile.
        if (link && deviceLinks.value(newPath) == link && deviceInfos.contains(newPath) && opensNow())
            switchToDevice(record, nullptr, end);
        else
            end();
    });
}

void DDevicePage::handleRemoval(const QString &oldPath, const QMap<QString, hidStructInfoAll> &present,
                                std::function<void()> done)
{
    qCDebug(lcDevice) << "A keyboard left: reading the device list again";
    hidStructInfoAll record = deviceInfos.value(oldPath);
    const QString model = modelOf(record);
    // The card now stands for its model: its key becomes the model name.
    std::memset(record.hidPath, 0, sizeof record.hidPath);
    std::memcpy(record.hidPath, record.hidName, strnlen(record.hidName, sizeof record.hidName - 1));
    record.onlineStatus = 0;
    DDeviceListItem *card = deviceCards.take(oldPath);
    if (card) {
        card->setDeviceInfo(record);
        deviceCards.insert(model, card);
    }
    deviceInfos.remove(oldPath);
    deviceInstances.remove(oldPath);

    DDeviceKeyboardLink *link = deviceLinks.value(oldPath);
    const bool wasCurrent = card && card == currentCard;
    if (wasCurrent) {
        if (keyboardView)
            keyboardView->clearSelection(false);
        if (lightEngine->isKeyTickRunning() || lightEngine->isSideTickRunning())
            stopLightEngine();
        customKeysPage->setInteractiveLightCapture(false, 0);
        if (currentHid) {
            currentHid->closeHid();
            currentHid->quit();
        }
        currentCard = nullptr;
        currentLink = nullptr;
        currentHid = nullptr;
        waitingForSerial = false;
        serialPollTimer->stop();
    } else {
        closeLinkThread(link);
        // A receiver whose keyboard went absent keeps its I/O thread as the current one.
        if (link && currentHid == link->getHidInterface())
            currentHid = nullptr;
    }
    deviceLinks.remove(oldPath);
    // Its I/O thread was told to end above; the link (and with it the thread
    // object, which waits for the thread) goes once the current event is done.
    if (link)
        link->deleteLater();
    linkThreadIndexes.remove(oldPath);
    dongleStates.remove(oldPath);
    qCDebug(lcDevice) << "The removal is handled";
    // Another device takes the current one's place.
    if (!wasCurrent || deviceInfos.isEmpty() || !selectFallbackDevice(&present, done)) {
        if (wasCurrent)
            showNoDevice();
        done();
    }
}

bool DDevicePage::selectFallbackDevice(const QMap<QString, hidStructInfoAll> *present, std::function<void()> done)
{
    for (auto it = deviceInfos.cbegin(); it != deviceInfos.cend(); ++it) {
        // A device that went in the same change is no fallback, though it is not handled yet.
        if (present && !present->contains(it.key()))
            continue;
        const hidStructInfoAll &info = it.value();
        if (info.connectType == 0 || dongleStates.value(it.key(), 1) == 0) {
            hidStructInfoAll record = info;
            record.onlineStatus = 1;
            switchToDevice(record, nullptr, [this, done] {
                if (!currentCard)
                    showNoDevice();
                if (done)
                    done();
            });
            return true;
        }
    }
    return false;
}

void DDevicePage::reorderDeviceList()
{
    QList<DDeviceListItem *> first;
    QList<DDeviceListItem *> second;
    QList<DDeviceListItem *> third;
    if (currentCard)
        first.append(currentCard);
    for (DDeviceListItem *card : deviceCards) {
        if (card == currentCard)
            continue;
        if (card->onlineStatus() == 1)
            (card->hidInfo().connectType == 0 ? first : second).append(card);
        else
            third.append(card);
    }

    const QList<DDeviceListItem *> keep = deviceCards.values();
    while (deviceListLayout->count() > 1) {
        QLayoutItem *item = deviceListLayout->takeAt(0);
        QWidget *w = item->widget();
        delete item;
        auto *card = qobject_cast<DDeviceListItem *>(w);
        if (card && !keep.contains(card)) {
            card->setParent(nullptr);
            card->deleteLater();
        }
    }
    deviceListLayout->setContentsMargins(12, 0, 0, 0);
    deviceListLayout->setSpacing(10);
    for (DDeviceListItem *card : first + second + third)
        deviceListLayout->insertWidget(deviceListLayout->count() - 1, card);
    qCDebug(lcDevice) << "The device list is read again";
}
