// The main window's start of the device library, its loading of the chip vendor's
// upgrade library and its registration for device-change notices.
#include "app/ddatamanager.h"
#include "app/dmainwidget.h"
#include "ui_dmainwidget.h"

#include <QDebug>
#include <QFileInfo>
#include <QLibrary>

namespace {

// The chip vendor's upgrade library, looked for beside the executable.
constexpr const char *kChipUpgradeLibrary = "quorin_chipupgrade";

}  // namespace

void DMainWidget::registerDeviceNotify()
{
    // SEAM: the hot-plug source of the device library feeds onDeviceArrived and
    // onDeviceRemoved once it exists.
}

void DMainWidget::startMakerLibrary()
{
    // SEAM: the device library's start (version text, XML store, HID, light) fills
    // the version label, the store paths and the supported-device list once it
    // exists. Until then the start counts as failed: no list, empty store paths.
    ui->label_SdkVer->hide();
    m_libraryStarted = false;
}

void DMainWidget::loadChipUpgradeLibrary()
{
    QLibrary library(DDataManager::getAppDirPath() + '/' + kChipUpgradeLibrary);
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
        qDebug() << "-------------------- *** [ Load JL dll Failed ] *** -----------------------";
    }
}
