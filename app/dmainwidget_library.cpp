// The main window's start of the device library, its loading of the chip vendor's
// upgrade library and its registration for device-change notices.
#include "app/ddatamanager.h"
#include "app/dmainwidget.h"
#include "platform/hotplugsource.h"
#include "platform/logcategories.h"
#include "sdk/chipupgradelibrary.h"
#include "sdk/devicecatalogue.h"
#include "sdk/tavrixhid.h"
#include "sdk/tavrixsdk.h"
#include "sdk/tavrixxml.h"
#include "sdk/tavrixxmlkeynamestore.h"
#include "ui_dmainwidget.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QTimer>

#include <vector>

namespace {

// The catalogue's name for the USB bootloader that firmware updates talk to.
constexpr const char *kUsbBootloader = "usbBootloader";

}  // namespace

void DMainWidget::registerDeviceNotify()
{
    for (const CatalogueUsbId &id : DeviceCatalogue::instance().bootloaders()) {
        if (id.name == QLatin1String(kUsbBootloader))
            m_bootloaders.append({DeviceCatalogue::hexId(id.vid), DeviceCatalogue::hexId(id.pid)});
    }
    auto *source = new HotPlugSource(this);
    connect(source, &HotPlugSource::sigDeviceArrived, this, &DMainWidget::onDeviceArrived);
    connect(source, &HotPlugSource::sigDeviceRemoved, this, &DMainWidget::onDeviceRemoved);
    source->start();
    m_hotPlugSource = source;
}

void DMainWidget::startMakerLibrary()
{
    char version[1024] = {};
    CTavrixSDK_VersionStr(version, sizeof(version));
    ui->label_SdkVer->setText(QString::fromLatin1(version));
    ui->label_SdkVer->hide();

    // All three always run, in this order; only a start in which all succeed
    // goes on.
    const int xmlResult = CTavrixXML_Init();
    const int hidResult = CTavrixHid_Init();
    const int lightResult = CTavrixLight_Init();
    if (xmlResult != 0 || hidResult != 0 || lightResult != 0) {
        // An empty device list with no word why would look like no keyboard at all.
        qCWarning(lcFirmware) << "Device library did not start:" << xmlResult << hidResult << lightResult;
        auto *box = new QMessageBox(QMessageBox::Warning, m_title,
                                    tr("The device library could not be started: no keyboard can be found."),
                                    QMessageBox::Ok, this);
        box->setObjectName(QStringLiteral("libraryNotice"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        QTimer::singleShot(0, box, &QWidget::show);
        return;
    }
    m_libraryStarted = true;

    const QString userConfig = DDataManager::getInstance()->getUserConfigDir();
    m_macroXmlPath = (userConfig + QStringLiteral("/appMacro.xml")).toLocal8Bit();
    m_seniorKeyXmlPath = (userConfig + QStringLiteral("/SeniorKeyConfig.xml")).toLocal8Bit();
    // A save cut short by a kill leaves its temporary file beside the store.
    CTavrixXML_RemoveLeftoverTempFiles(userConfig.toLocal8Bit());
    createStoreFiles();
    // Hover tips name the macro, profile or advanced key a key's function refers to.
    static TavrixXmlKeyNameStore keyNameStore;
    DDataManager::getInstance()->setKeyNameStore(&keyNameStore);

    std::vector<SupportInfoStu> supported;
    CTavrixHid_GetSupportInfoList(supported);
    m_supportedDevices.clear();
    for (const SupportInfoStu &entry : supported) {
        m_supportedDevices.append({QString::fromLatin1(entry.vid, int(qstrnlen(entry.vid, sizeof(entry.vid)))),
                                   QString::fromLatin1(entry.pid, int(qstrnlen(entry.pid, sizeof(entry.pid))))});
    }

    loadChipUpgradeLibrary(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                           + QLatin1String(ChipUpgradeLibrary::kFileName));
}

void DMainWidget::createStoreFiles()
{
    // Only files that are not there yet (or hold 0 bytes, so nothing) are made;
    // an existing one, even one that does not read, is left for the user, who is
    // asked about it when a page first needs it.
    const auto missing = [](const QByteArray &path) {
        const QFileInfo info(QString::fromLocal8Bit(path));
        return !info.isFile() || info.size() == 0;
    };
    if (missing(m_macroXmlPath))
        CTavrixXML_CreateXMLFile(m_macroXmlPath);
    if (missing(m_seniorKeyXmlPath)) {
        CTavrixXML_SeniorKey_CreateXMLFile(m_seniorKeyXmlPath);
        CTavrixXML_SeniorKey_CreateProFileXmlParentNode(m_seniorKeyXmlPath);
    }
}

bool DMainWidget::loadChipUpgradeLibrary(const QString &path)
{
    JL_loadUfwData = JL_getUfwCrc = JL_getUfwPidVid = JL_upgradeDevice = JL_queryDevicePidVid = nullptr;
    QLibrary library(path);
    if (library.load()) {
        JL_loadUfwData = library.resolve("JL_loadUfwData");
        JL_getUfwCrc = library.resolve("JL_getUfwCrc");
        JL_getUfwPidVid = library.resolve("JL_getUfwPidVid");
        JL_upgradeDevice = library.resolve("JL_upgradeDevice");
        JL_queryDevicePidVid = library.resolve("JL_queryDevicePidVid");
    }
    if (!JL_loadUfwData || !JL_getUfwCrc || !JL_getUfwPidVid || !JL_upgradeDevice || !JL_queryDevicePidVid) {
        // All five or none: a partly loaded library is treated as not loaded.
        JL_loadUfwData = JL_getUfwCrc = JL_getUfwPidVid = JL_upgradeDevice = JL_queryDevicePidVid = nullptr;
        qCDebug(lcFirmware)
            << "The chip vendor's upgrade library could not be loaded: chip keyboards cannot be updated";
        return false;
    }
    return true;
}
