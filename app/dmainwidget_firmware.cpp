// The firmware engine on the main window: the image check, the update dialog and
// the start of an update. Everything here runs on the GUI thread.
#include "app/ddatamanager.h"
#include "app/dmainwidget.h"
#include "app/dsettingsdia.h"
#include "devicelink/deviceoperations.h"
#include "devicepage/ddevicepage.h"
#include "firmware/dupdatefirmwaredia.h"
#include "firmware/firmwareimagecheck.h"
#include "firmware/updatefirmwareinfoitem.h"
#include "platform/logcategories.h"
#include "sdk/chipupgradelibrary.h"
#include "sdk/tavrixfirmware.h"
#include "sdk/tavrixhid.h"
#include "widgets/cbnotice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kAutomaticCheckDelayMs = 2000;
constexpr int kAutomaticDialogDelayMs = 1000;
constexpr int kMaxBootloaderRetries = 3;
constexpr int kBootloaderImageBytes = 0x80000;
constexpr int kKeyboardReturnPollMs = 200;

// The maker's library reports progress without a context; the main window is
// the one process-wide engine.
void hidUpgradeProgressCallback(int total, int done)
{
    if (DMainWidget *window = DMainWidget::mainWindow())
        window->onHidUpgradeProgress(total, done);
}

void jlUpgradeProgressCallback(int percent)
{
    if (DMainWidget *window = DMainWidget::mainWindow())
        window->onJlUpgradeProgress(percent);
}

QStringList bootloaderPaths()
{
    std::vector<std::string> found;
    CTavrixHid_GetBootloaderPathList(found);
    QStringList paths;
    for (const std::string &path : found)
        paths << QString::fromStdString(path);
    return paths;
}

// Whether the keyboard at this path is there as a keyboard (not gone, nor in its
// bootloader).
bool isKeyboardPresent(const QString &path)
{
    std::vector<std::string> found;
    CTavrixHid_GetHidInfoList(found);
    return std::find(found.begin(), found.end(), path.toStdString()) != found.end();
}

QString devicePathOf(const hidStructInfoAll &device)
{
    return QString::fromUtf8(device.hidPath, int(strnlen(device.hidPath, sizeof device.hidPath)));
}

bool containsDevice(const QList<hidStructInfoAll> &devices, const QString &path)
{
    return std::any_of(devices.begin(), devices.end(),
                       [&path](const hidStructInfoAll &device) { return devicePathOf(device) == path; });
}

QString otherKeyboardInUpdateModeText()
{
    return QObject::tr("Another keyboard is in update mode: finish or unplug it, then try again");
}

}  // namespace

DUpdateFirmwareDia *DMainWidget::updateFirmwareDialog() const
{
    return m_pUpdateFirmwareDia.data();
}

void DMainWidget::onHaveCheckUpgradeFirmwareNUC()
{
    // Newer images come with a new application version, so the automatic check
    // runs only on the first start after an update.
    if (DDataManager::getInstance()->isVersionChanged())
        QTimer::singleShot(kAutomaticCheckDelayMs, this, &DMainWidget::ontheHidIntoFirmwareUpgradeWait);
}

void DMainWidget::ontheHidIntoFirmwareUpgradeWait()
{
    checkUpgradeableDevices(false);
}

void DMainWidget::onFirmwareUpgradeCheck()
{
    if (checkUpgradeableDevices(true)) {
        // A keyboard whose image was refused is not in the list; say why.
        if (m_imageRefused && m_pUpdateFirmwareDia)
            m_pUpdateFirmwareDia->showImageRefused();
        return;
    }
    auto *dialog = qobject_cast<DSettingsDia *>(sender());
    if (!dialog)
        return;
    if (m_imageRefused)
        dialog->notice()->showMessageAt(FirmwareImageCheck::imageRefusedText(), dialog->rect().center());
    else
        dialog->showNoUpgradeableDevices();
}

bool DMainWidget::isFirmwareUpgradeable(hidStructInfoAll device)
{
    const QString path = QString::fromUtf8(device.hidPath, int(strnlen(device.hidPath, sizeof device.hidPath)));
    const QString folder
        = m_firmwareImageFolder.isEmpty() ? FirmwareImageCheck::imageFolderFor(path) : m_firmwareImageFolder;
    FirmwareImageCheck::ChipCalls chip;
    chip.loadUfwData = reinterpret_cast<JlLoadUfwDataFn>(JL_loadUfwData);
    chip.getUfwCrc = reinterpret_cast<JlGetUfwCrcFn>(JL_getUfwCrc);
    chip.getUfwPidVid = reinterpret_cast<JlGetUfwPidVidFn>(JL_getUfwPidVid);
    const FirmwareImageCheck::Examination result = FirmwareImageCheck::examine(device, folder, chip);
    if (result.refused)
        m_imageRefused = true;
    if (!result.upgradeable)
        return false;
    m_strUpgradeVersion = QString::fromLatin1(result.version);
    m_upgradeImages.insert(path, result.image);
    return true;
}

void DMainWidget::followUpgradeRows()
{
    if (!m_pUpdateFirmwareDia || !m_devicePage)
        return;
    // The images of an update under way stay as they are (its flashing reads them):
    // meanwhile the rows keep what they offered.
    const bool examine = !isUpgradeRunning();
    QList<hidStructInfoAll> present = m_devicePage->getHidDeviceList();
    for (hidStructInfoAll &device : present) {
        const bool newer = examine && isFirmwareUpgradeable(device);
        tavrixCopyText(device.newFirmwareVersion, newer ? m_strUpgradeVersion.toLatin1().constData() : "");
    }
    m_pUpdateFirmwareDia->followKeyboards(present, m_devicePage->getKeyboardLinkMap(), examine);
}

bool DMainWidget::checkUpgradeableDevices(bool manual)
{
    m_upgradeHidList.clear();
    m_imageRefused = false;
    // Images of an update under way stay: its flashing reads them.
    if (!isUpgradeRunning())
        m_upgradeImages.clear();
    if (!m_devicePage)
        return false;
    QList<hidStructInfoAll> devices = m_devicePage->getHidDeviceList();
    std::stable_sort(devices.begin(), devices.end(), [](const hidStructInfoAll &a, const hidStructInfoAll &b) {
        return QString::fromUtf8(a.hidPath, int(strnlen(a.hidPath, sizeof a.hidPath)))
            < QString::fromUtf8(b.hidPath, int(strnlen(b.hidPath, sizeof b.hidPath)));
    });
    for (const hidStructInfoAll &device : qAsConst(devices)) {
        if (!isFirmwareUpgradeable(device))
            continue;
        hidStructInfoAll copy = device;
        tavrixCopyText(copy.newFirmwareVersion, m_strUpgradeVersion.toLatin1().constData());
        m_upgradeHidList.append(copy);
    }
    // The keyboard of an update under way is in its bootloader, not in the list; its
    // row is shown all the same, so a new check shows where the update stands.
    if (isUpgradeRunning() && m_upgradeRecord.hidPath[0] != '\0'
        && !containsDevice(m_upgradeHidList, m_strUpgradeHidPath)) {
        const auto before
            = std::find_if(m_upgradeHidList.begin(), m_upgradeHidList.end(), [this](const hidStructInfoAll &device) {
                  return devicePathOf(device) > m_strUpgradeHidPath;
              });
        m_upgradeHidList.insert(before, m_upgradeRecord);
    }
    if (m_upgradeHidList.isEmpty())
        return false;
    m_bManualUpgradeCheck = manual;
    if (manual)
        onUpdateFirmwareWindowOpen();
    else
        QTimer::singleShot(kAutomaticDialogDelayMs, this, &DMainWidget::onUpdateFirmwareWindowOpen);
    return true;
}

void DMainWidget::onUpdateFirmwareWindowOpen()
{
    if (m_pUpdateFirmwareDia)
        return;
    // An update under way (from an earlier dialog) still waits for its bootloader.
    if (!isUpgradeRunning())
        m_bUpgradeRequested = false;

    // One dimming layer at a time: the one of an earlier opening goes.
    if (m_pUpgradeMask)
        m_pUpgradeMask->deleteLater();
    auto *mask = new QWidget(this, Qt::FramelessWindowHint);
    mask->resize(size());
    mask->setObjectName(QStringLiteral("widget"));
    mask->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));
    m_pUpgradeMask = mask;
    if (!m_bManualUpgradeCheck)
        mask->show();
    else
        mask->hide();

    auto *dialog = new DUpdateFirmwareDia(this);
    m_pUpdateFirmwareDia = dialog;
    dialog->setDeviceList(m_upgradeHidList,
                          m_devicePage ? m_devicePage->getKeyboardLinkMap() : QMap<QString, DDeviceKeyboardLink *>());
    connect(dialog, &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose, this, &DMainWidget::onUpdateFirmwareWindowClose);
    connect(dialog, &DUpdateFirmwareDia::sigStartHidUpgrade, this, &DMainWidget::onStartHidUpgrade);
    connect(dialog, &DUpdateFirmwareDia::sigAboutToRequestUpdateMode, this, &DMainWidget::onAboutToRequestUpdateMode);
    if (m_devicePage)
        connect(m_devicePage, &DDevicePage::sigKeyboardsChanged, dialog, [this] { followUpgradeRows(); });
    if (isUpgradeRunning())
        dialog->showRunningUpgrade(m_strUpgradeHidPath, m_upgradePercent);
    dialog->move(x() + (width() - dialog->width()) / 2, y() + (height() - dialog->height()) / 2);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

void DMainWidget::onUpdateFirmwareWindowClose()
{
    if (m_pUpgradeMask)
        m_pUpgradeMask->hide();
    m_pUpdateFirmwareDia = nullptr;
    // An update under way runs to its end without the dialog: a keyboard left in its
    // bootloader could not be finished from anywhere else. The main window tells its
    // outcome.
    if (!isUpgradeRunning())
        m_bUpgradeRequested = false;
    if (m_keyboardReturnTimer)
        m_keyboardReturnTimer->stop();
}

void DMainWidget::onAboutToRequestUpdateMode(QString strHidPath)
{
    // Taken before the report leaves: a bootloader missing here came after it.
    if (m_upgradeStage != UpgradeStage::Idle)
        return;
    m_bootloadersBeforeRequest = bootloaderPaths();
    m_requestedKeyboardPath = strHidPath;
}

void DMainWidget::onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName, int hidUsbOrDongle)
{
    Q_UNUSED(strSN)
    if (m_upgradeStage != UpgradeStage::Idle) {
        // One update at a time (one may still flash for a dialog closed earlier).
        if (m_pUpdateFirmwareDia)
            m_pUpdateFirmwareDia->upgradeFailed();
        return;
    }
    m_bUpgradeRequested = true;
    m_upgradeRetryNum = 0;
    m_upgradePercent = 0;
    m_upgradeRecord = hidStructInfoAll();
    for (const hidStructInfoAll &offered : qAsConst(m_upgradeHidList)) {
        if (devicePathOf(offered) == strHidPath)
            m_upgradeRecord = offered;
    }
    if (m_keyboardReturnTimer)
        m_keyboardReturnTimer->stop();
    switch (FirmwareImageCheck::imageKindOf(strHidName)) {
    case FirmwareImageCheck::ImageKind::Bootloader: {
        m_strUpgradeHidName = strHidName;
        m_upgradeUsbOrDongle = hidUsbOrDongle;
        m_strUpgradeHidPath = strHidPath;
        if (!m_upgradeImages.contains(strHidPath)) {
            // Nothing checked to flash: refuse before the bootloader is touched.
            m_bUpgradeRequested = false;
            if (m_pUpdateFirmwareDia)
                m_pUpdateFirmwareDia->showImageRefused();
            return;
        }
        if (m_requestedKeyboardPath != strHidPath)
            onAboutToRequestUpdateMode(strHidPath);
        m_requestedKeyboardPath.clear();
        m_upgradeBootloaderPath.clear();
        if (!isKeyboardPresent(strHidPath)) {
            // Not there as a keyboard: only the bootloader it went into after its own
            // request (an update that failed, say) is certainly this keyboard's.
            const QString own = m_keyboardBootloaders.value(strHidPath);
            if (own.isEmpty() || !m_bootloadersBeforeRequest.contains(own)) {
                m_bUpgradeRequested = false;
                if (m_pUpdateFirmwareDia)
                    m_pUpdateFirmwareDia->upgradeRefused(m_bootloadersBeforeRequest.isEmpty()
                                                             ? QObject::tr("Reconnect the keyboard")
                                                             : otherKeyboardInUpdateModeText());
                return;
            }
            m_upgradeBootloaderPath = own;
            m_bootloaderAttemptRunning.storeRelease(1);
            startBootloaderAttempt();
            return;
        }
        m_bootloaderAttemptRunning.storeRelease(1);
        // The keyboard leaves for its bootloader; if none arrives in time the
        // attempt has failed and the retries look for it again.
        m_upgradeStage = UpgradeStage::WaitingForBootloader;
        holdQuitsForUpgrade();
        upgradeWaitTimer()->start(m_upgradeBounds.bootloaderArrivalMs);
        break;
    }
    case FirmwareImageCheck::ImageKind::ChipVendor:
        m_strUpgradeHidName = strHidName;
        m_upgradeUsbOrDongle = hidUsbOrDongle;
        m_strUpgradeHidPath = strHidPath;
        if (!JL_upgradeDevice || !JL_queryDevicePidVid || !m_upgradeImages.contains(strHidPath)) {
            m_bUpgradeRequested = false;
            if (m_pUpdateFirmwareDia)
                m_pUpdateFirmwareDia->showImageRefused();
            return;
        }
        // The keyboard needs a moment to show up in its update mode; the event
        // loop keeps running meanwhile.
        m_upgradeStage = UpgradeStage::WaitingForChipDrive;
        holdQuitsForUpgrade();
        upgradeWaitTimer()->start(m_upgradeBounds.chipScanDelayMs);
        break;
    case FirmwareImageCheck::ImageKind::None: m_bUpgradeRequested = false; break;
    }
}

QTimer *DMainWidget::upgradeWaitTimer()
{
    if (!m_upgradeWaitTimer) {
        m_upgradeWaitTimer = new QTimer(this);
        m_upgradeWaitTimer->setObjectName(QStringLiteral("firmwareUpgradeWait"));
        m_upgradeWaitTimer->setSingleShot(true);
        connect(m_upgradeWaitTimer, &QTimer::timeout, this, [this] {
            if (m_upgradeStage == UpgradeStage::WaitingForBootloader) {
                qCDebug(lcFirmware) << "Firmware update: no bootloader arrived";
                retryHidFirmwareUpgrade();
            } else if (m_upgradeStage == UpgradeStage::OpeningBootloader) {
                openHidBootloader();
            } else if (m_upgradeStage == UpgradeStage::WaitingForChipDrive) {
                scanJlUpgradeDrive();
            }
        });
    }
    return m_upgradeWaitTimer;
}

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    // A bootloader that arrives outside a started update, or while an attempt is
    // opening or flashing, is left alone. The dialog may be gone: the update is not.
    if (!m_bUpgradeRequested || m_strUpgradeHidName.isEmpty())
        return;
    if (m_upgradeStage != UpgradeStage::WaitingForBootloader)
        return;
    // Another keyboard's bootloader is no reason to stop waiting for this one's.
    if (!takeRequestedBootloader())
        return;
    upgradeWaitTimer()->stop();
    if (m_upgradeStage == UpgradeStage::WaitingForBootloader)
        startBootloaderAttempt();
}

DMainWidget::BootloaderMatch DMainWidget::findRequestedBootloader(QString *path) const
{
    // The keyboard's own bootloader comes after its request, once the keyboard
    // has gone; a bootloader that came while the keyboard was still there is
    // another one's, and so is one of two that came.
    QStringList arrived;
    for (const QString &present : bootloaderPaths()) {
        if (!m_bootloadersBeforeRequest.contains(present))
            arrived << present;
    }
    if (arrived.isEmpty() || isKeyboardPresent(m_strUpgradeHidPath))
        return BootloaderMatch::None;
    if (arrived.size() > 1)
        return BootloaderMatch::Several;
    *path = arrived.first();
    return BootloaderMatch::One;
}

bool DMainWidget::takeRequestedBootloader()
{
    // True when the bootloader to flash is known; an update that cannot tell its
    // keyboard's bootloader from another ends here, with nothing written.
    if (!m_upgradeBootloaderPath.isEmpty())
        return true;
    QString path;
    switch (findRequestedBootloader(&path)) {
    case BootloaderMatch::None: return false;
    case BootloaderMatch::Several:
        qCDebug(lcFirmware) << "Firmware update: more than one bootloader came; none is flashed";
        finishUpgrade(false, otherKeyboardInUpdateModeText());
        return false;
    case BootloaderMatch::One: break;
    }
    m_upgradeBootloaderPath = path;
    m_keyboardBootloaders.insert(m_strUpgradeHidPath, path);
    return true;
}

void DMainWidget::startBootloaderAttempt()
{
    m_upgradeStage = UpgradeStage::OpeningBootloader;
    holdQuitsForUpgrade();
    m_openTry = 0;
    openHidBootloader();
}

void DMainWidget::openHidBootloader()
{
    // Only this keyboard's bootloader is ever opened; until it is known it is
    // looked for again.
    int handle = 0;
    if (takeRequestedBootloader())
        handle = CTavrixHid_OpenPath(m_upgradeBootloaderPath.toStdString().c_str());
    else if (m_upgradeStage == UpgradeStage::Idle)
        return;  // refused: the update is over
    if (handle <= 0) {
        // A node that just appeared may not be accessible yet (udev still
        // applying its rule): try again after a pause before the attempt fails.
        if (++m_openTry < m_upgradeBounds.openTries) {
            upgradeWaitTimer()->start(m_upgradeBounds.openPauseMs);
            return;
        }
        qCDebug(lcFirmware) << "Firmware update: no bootloader could be opened";
        retryHidFirmwareUpgrade();
        return;
    }
    m_hBootloaderHid = handle;
    m_upgradeStage = UpgradeStage::Flashing;
    waitForBootloaderWorker();
    QThread *worker = QThread::create([this] { runHidUpgrade(); });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    m_bootloaderWorker = worker;
    worker->start();
}

void DMainWidget::runHidUpgrade()
{
    const QString name = m_strUpgradeHidName + (m_upgradeUsbOrDongle == 0 ? QString() : QStringLiteral("_Dongle"))
        + QStringLiteral(".bin");
    const int isDongle = m_upgradeUsbOrDongle == 0 ? 0 : 1;
    const QByteArray image = m_upgradeImages.value(m_strUpgradeHidPath);
    int result = TavrixFirmwareNoImage;
    {
        // The library reads a file: it gets exactly the bytes the check validated.
        QTemporaryDir dir;
        QFile copy(dir.path() + QLatin1Char('/') + name);
        if (dir.isValid() && !image.isEmpty() && copy.open(QIODevice::WriteOnly) && copy.write(image) == image.size()) {
            copy.close();
            result = CTavrixHid_FirmwareUpgrade(m_hBootloaderHid, QFile::encodeName(copy.fileName()).constData(),
                                                kBootloaderImageBytes, 0, isDongle, hidUpgradeProgressCallback);
        }
    }
    if (m_hBootloaderHid > 0)
        CTavrixHid_Close(m_hBootloaderHid);
    m_hBootloaderHid = 0;
    // The result and any next attempt are handled on the GUI thread.
    QMetaObject::invokeMethod(
        this, [this, result] { onBootloaderAttemptEnded(result); }, Qt::QueuedConnection);
}

void DMainWidget::onBootloaderAttemptEnded(int result)
{
    if (m_upgradeStage != UpgradeStage::Flashing)
        return;
    if (result == TavrixFirmwareOk) {
        finishUpgrade(true);
        return;
    }
    retryHidFirmwareUpgrade();
}

void DMainWidget::retryHidFirmwareUpgrade()
{
    // The retries run with or without the dialog: each one may still bring the
    // keyboard out of its bootloader.
    if (m_upgradeRetryNum < kMaxBootloaderRetries) {
        ++m_upgradeRetryNum;
        startBootloaderAttempt();
        return;
    }
    finishUpgrade(false);
}

void DMainWidget::scanJlUpgradeDrive()
{
    // The library flashes the image it loaded last, which the check may have
    // left as another keyboard's: load this keyboard's own image again.
    const QByteArray image = m_upgradeImages.value(m_strUpgradeHidPath);
    if (reinterpret_cast<JlLoadUfwDataFn>(JL_loadUfwData)(reinterpret_cast<const unsigned char *>(image.constData()),
                                                          image.size())
        != 0) {
        qCDebug(lcFirmware) << "The chip firmware image is empty or cannot be read";
        finishUpgrade(false);
        return;
    }
    const auto query = reinterpret_cast<JlQueryDevicePidVidFn>(JL_queryDevicePidVid);
    for (char drive = 'A'; drive <= 'Z'; ++drive) {
        m_strJlDrive = QString(QLatin1Char(drive)) + QLatin1Char(':');
        char pidVid[16] = {};
        char version[8] = {};
        const int result = query(drive, pidVid, sizeof pidVid, version, sizeof version);
        if (result == 0) {
            m_upgradeStage = UpgradeStage::Flashing;
            waitForBootloaderWorker();
            QThread *worker = QThread::create([this] { runJlUpgrade(); });
            connect(worker, &QThread::finished, worker, &QObject::deleteLater);
            m_bootloaderWorker = worker;
            worker->start();
            return;
        }
        if (result == ChipUpgradeLibrary::kResultNoDevice && drive < 'Z')
            continue;
        // An error on one drive ends the scan; so does no keyboard on any.
        qCDebug(lcFirmware).noquote() << QStringLiteral("JL m_queryDevicePidVid()  csErrorText:")
                + ChipUpgradeLibrary::errorText(result, false);
        finishUpgrade(false);
        return;
    }
}

void DMainWidget::runJlUpgrade()
{
    const char drive = m_strJlDrive.toLatin1().at(0);
    const int result = reinterpret_cast<JlUpgradeDeviceFn>(JL_upgradeDevice)(drive, 1, 1, jlUpgradeProgressCallback);
    QMetaObject::invokeMethod(
        this, [this, result] { onJlUpgradeEnded(result); }, Qt::QueuedConnection);
}

void DMainWidget::onJlUpgradeEnded(int result)
{
    if (m_upgradeStage != UpgradeStage::Flashing)
        return;
    // No retry on this path: the vendor's library decides what can be tried again.
    if (result != 0)
        qCDebug(lcFirmware).noquote() << QStringLiteral("JL m_upgradeDevice()  csErrorText:")
                + ChipUpgradeLibrary::errorText(result, true);
    finishUpgrade(result == 0);
}

void DMainWidget::onJlUpgradeProgress(int percent)
{
    onHidUpgradeProgress(100, percent);
}

void DMainWidget::finishUpgrade(bool succeeded, const QString &reason)
{
    upgradeWaitTimer()->stop();
    m_upgradeStage = UpgradeStage::Idle;
    m_bootloaderAttemptRunning.storeRelease(0);
    // The update is over: a bootloader that shows up later is not flashed again.
    m_bUpgradeRequested = false;
    // A flashed keyboard leaves its bootloader; a later one at that path is not its.
    if (succeeded)
        m_keyboardBootloaders.remove(m_strUpgradeHidPath);
    if (!m_pUpdateFirmwareDia) {
        tellUpgradeOutcome(succeeded ? QObject::tr("Update successful")
                                     : (reason.isEmpty() ? QObject::tr("Update failed") : reason));
    } else if (succeeded) {
        m_pUpdateFirmwareDia->upgradeSucceeded();
        watchKeyboardReturn();
    } else if (!reason.isEmpty()) {
        m_pUpdateFirmwareDia->upgradeRefused(reason);
    } else {
        m_pUpdateFirmwareDia->upgradeFailed();
    }
    // Last: a quit that waited for the update goes on from here.
    DeviceOperations::instance()->end(this);
}

void DMainWidget::holdQuitsForUpgrade()
{
    // From the update-mode report on, the keyboard may be on its way into its
    // bootloader: a quit waits for the update's end (its waits are all bounded).
    DeviceOperations::instance()->begin(this, QStringLiteral("firmware update"));
}

void DMainWidget::tellUpgradeOutcome(const QString &text)
{
    // The dialog that started the update is gone; the main window says how it ended.
    if (m_devicePage && m_devicePage->pageNotice())
        m_devicePage->pageNotice()->showMessageAt(text, m_devicePage->tipPosition());
}

void DMainWidget::watchKeyboardReturn()
{
    if (!m_keyboardReturnTimer) {
        m_keyboardReturnTimer = new QTimer(this);
        m_keyboardReturnTimer->setInterval(kKeyboardReturnPollMs);
        connect(m_keyboardReturnTimer, &QTimer::timeout, this, &DMainWidget::onKeyboardReturnTick);
    }
    m_upgradeOldVersion.clear();
    if (m_pUpdateFirmwareDia && m_pUpdateFirmwareDia->activeRow())
        m_upgradeOldVersion = m_pUpdateFirmwareDia->activeRow()->currentVersion();
    m_keyboardSeenGone = false;
    m_keyboardReturnClock.start();
    m_keyboardReturnTimer->start();
    onKeyboardReturnTick();
}

void DMainWidget::onKeyboardReturnTick()
{
    if (!m_pUpdateFirmwareDia || !m_devicePage) {
        m_keyboardReturnTimer->stop();
        return;
    }
    // The keyboard comes back under its old path (or, for a real keyboard that
    // enumerates anew, as the same model on the same connection).
    const QList<hidStructInfoAll> devices = m_devicePage->getHidDeviceList();
    const hidStructInfoAll *found = nullptr;
    for (const hidStructInfoAll &device : devices) {
        const QString path = QString::fromUtf8(device.hidPath, int(strnlen(device.hidPath, sizeof device.hidPath)));
        if (path == m_strUpgradeHidPath) {
            found = &device;
            break;
        }
        if (!found && QString::fromUtf8(device.hidName) == m_strUpgradeHidName
            && (device.connectType == 0) == (m_upgradeUsbOrDongle == 0))
            found = &device;
    }
    const QString version = found ? QString::fromLatin1(found->firmwareVersion) : QString();
    if (!found)
        m_keyboardSeenGone = true;
    else if (m_keyboardSeenGone || version != m_upgradeOldVersion) {
        m_keyboardReturnTimer->stop();
        m_pUpdateFirmwareDia->showKeyboardReturned(version);
        return;
    }
    if (m_keyboardReturnClock.elapsed() >= m_upgradeBounds.keyboardReturnMs) {
        m_keyboardReturnTimer->stop();
        qCDebug(lcFirmware) << "Firmware update: the keyboard did not come back";
        m_pUpdateFirmwareDia->showKeyboardNotReturned();
    }
}

void DMainWidget::onHidUpgradeProgress(int total, int done)
{
    QMetaObject::invokeMethod(
        this,
        [this, total, done] {
            if (total > 0)
                m_upgradePercent = qMax(m_upgradePercent, int(float(done) / float(total) * 100.0f));
            if (m_pUpdateFirmwareDia)
                m_pUpdateFirmwareDia->setUpgradeProgress(total, done);
        },
        Qt::QueuedConnection);
}

void DMainWidget::waitForBootloaderWorker()
{
    if (m_bootloaderWorker && m_bootloaderWorker.data() != QThread::currentThread())
        m_bootloaderWorker->wait();
}
