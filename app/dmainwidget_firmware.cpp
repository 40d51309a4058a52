// The firmware engine on the main window: the image check, the update dialog and
// the start of an update. Everything here runs on the GUI thread.
#include "app/ddatamanager.h"
#include "app/dmainwidget.h"
#include "app/dsettingsdia.h"
#include "devicepage/ddevicepage.h"
#include "firmware/dupdatefirmwaredia.h"
#include "firmware/firmwareimagecheck.h"
#include "sdk/tavrixfirmware.h"
#include "sdk/tavrixhid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <string>
#include <vector>

namespace {

constexpr int kAutomaticCheckDelayMs = 2000;
constexpr int kAutomaticDialogDelayMs = 1000;
constexpr int kMaxBootloaderRetries = 3;
constexpr int kBootloaderImageBytes = 0x80000;

// The maker's library reports progress without a context; the main window is
// the one process-wide engine.
void hidUpgradeProgressCallback(int total, int done)
{
    if (DMainWidget *window = DMainWidget::mainWindow())
        window->onHidUpgradeProgress(total, done);
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
    if (checkUpgradeableDevices(true))
        return;
    if (auto *dialog = qobject_cast<DSettingsDia *>(sender()))
        dialog->showNoUpgradeableDevices();
}

bool DMainWidget::isFirmwareUpgradeable(hidStructInfoAll device)
{
    const QString folder
        = m_firmwareImageFolder.isEmpty() ? FirmwareImageCheck::defaultImageFolder() : m_firmwareImageFolder;
    QByteArray version;
    const bool chipLibrary = JL_loadUfwData && JL_getUfwCrc && JL_getUfwPidVid;
    const bool upgradeable = FirmwareImageCheck::isFirmwareUpgradeable(device, folder, chipLibrary, &version);
    if (upgradeable)
        m_strUpgradeVersion = QString::fromLatin1(version);
    return upgradeable;
}

bool DMainWidget::checkUpgradeableDevices(bool manual)
{
    m_upgradeHidList.clear();
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
    dialog->move(x() + (width() - dialog->width()) / 2, y() + (height() - dialog->height()) / 2);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

void DMainWidget::onUpdateFirmwareWindowClose()
{
    if (m_pUpgradeMask)
        m_pUpgradeMask->hide();
    m_pUpdateFirmwareDia = nullptr;
}

void DMainWidget::onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName, int hidUsbOrDongle)
{
    Q_UNUSED(strHidPath)
    Q_UNUSED(strSN)
    m_bUpgradeRequested = true;
    m_upgradeRetryNum = 0;
    switch (FirmwareImageCheck::imageKindOf(strHidName)) {
    case FirmwareImageCheck::ImageKind::Bootloader:
        // The flashing starts when the keyboard comes back as its bootloader.
        m_strUpgradeHidName = strHidName;
        m_upgradeUsbOrDongle = hidUsbOrDongle;
        break;
    case FirmwareImageCheck::ImageKind::ChipVendor:
        // Chip models are offered only with the vendor's library, which this
        // build cannot drive; say so instead of leaving the row waiting.
        if (m_pUpdateFirmwareDia)
            m_pUpdateFirmwareDia->upgradeFailed();
        break;
    case FirmwareImageCheck::ImageKind::None: break;
    }
}

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    // A bootloader that arrives outside a started update, without a dialog to
    // report to, or while an attempt is flashing is left alone.
    if (!m_bUpgradeRequested || !m_pUpdateFirmwareDia || m_strUpgradeHidName.isEmpty())
        return;
    if (!m_bootloaderAttemptRunning.testAndSetOrdered(0, 1))
        return;
    openHidBootloader();
}

void DMainWidget::openHidBootloader()
{
    std::vector<std::string> paths;
    CTavrixHid_GetBootloaderPathList(paths);
    int handle = 0;
    for (const std::string &path : paths) {
        handle = CTavrixHid_OpenPath(path.c_str());
        if (handle > 0)
            break;
    }
    if (handle <= 0) {
        // No bootloader to talk to counts as a failed attempt, so the update
        // ends with a result instead of waiting for ever.
        retryHidFirmwareUpgrade();
        return;
    }
    m_hBootloaderHid = handle;
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
    const QString folder
        = m_firmwareImageFolder.isEmpty() ? FirmwareImageCheck::defaultImageFolder() : m_firmwareImageFolder;
    int result = TavrixFirmwareNoImage;
    {
        QTemporaryDir dir;
        const QString copy = dir.path() + QLatin1Char('/') + name;
        if (dir.isValid() && QFile::copy(folder + name, copy) && QFileInfo(copy).isFile())
            result = CTavrixHid_FirmwareUpgrade(m_hBootloaderHid, QFile::encodeName(copy).constData(),
                                                kBootloaderImageBytes, 0, isDongle, hidUpgradeProgressCallback);
    }
    if (m_hBootloaderHid > 0)
        CTavrixHid_Close(m_hBootloaderHid);
    m_hBootloaderHid = 0;
    if (result == TavrixFirmwareOk) {
        m_bootloaderAttemptRunning.storeRelease(0);
        reportUpgradeResult(true);
        return;
    }
    // The next attempt starts from the GUI thread, after this one closed its handle.
    QMetaObject::invokeMethod(
        this, [this] { retryHidFirmwareUpgrade(); }, Qt::QueuedConnection);
}

void DMainWidget::retryHidFirmwareUpgrade()
{
    if (m_upgradeRetryNum < kMaxBootloaderRetries) {
        ++m_upgradeRetryNum;
        openHidBootloader();
        return;
    }
    m_bootloaderAttemptRunning.storeRelease(0);
    reportUpgradeResult(false);
}

void DMainWidget::reportUpgradeResult(bool succeeded)
{
    // Workers report through the GUI thread; a dialog closed meanwhile hears nothing.
    QMetaObject::invokeMethod(
        this,
        [this, succeeded] {
            // The update is over: a bootloader that shows up later is not flashed again.
            m_bUpgradeRequested = false;
            if (!m_pUpdateFirmwareDia)
                return;
            if (succeeded)
                m_pUpdateFirmwareDia->upgradeSucceeded();
            else
                m_pUpdateFirmwareDia->upgradeFailed();
        },
        Qt::QueuedConnection);
}

void DMainWidget::onHidUpgradeProgress(int total, int done)
{
    QMetaObject::invokeMethod(
        this,
        [this, total, done] {
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
