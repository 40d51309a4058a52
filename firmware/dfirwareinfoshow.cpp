#include "firmware/dfirwareinfoshow.h"

#include "app/ddatamanager.h"

#include <QTimer>

DFirwareInfoShow::DFirwareInfoShow(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(QObject::tr("Firmware Info"));
    setFixedSize(350, 370);
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    setStyleSheet(QStringLiteral("DFirwareInfoShow { background-color: rgb(%1); }").arg(theme.SettingsBgColor));
    QTimer::singleShot(200, this, &DFirwareInfoShow::onLoadingFirmwareInfo);
}

DFirwareInfoShow::~DFirwareInfoShow() = default;

void DFirwareInfoShow::onLoadingFirmwareInfo()
{
    // The list of keyboards and their firmware comes with the firmware update.
}
