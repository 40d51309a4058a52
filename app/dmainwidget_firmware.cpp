// The firmware engine's entry points on the main window. Only their interface
// exists yet: no firmware images are offered and no flashing runs, so every check
// finds nothing to update.
#include "app/dmainwidget.h"
#include "app/dsettingsdia.h"

void DMainWidget::onHaveCheckUpgradeFirmwareNUC()
{
    // SEAM: the automatic check after an application update starts here.
}

void DMainWidget::onFirmwareUpgradeCheck()
{
    if (auto *dialog = qobject_cast<DSettingsDia *>(sender()))
        dialog->showNoUpgradeableDevices();
}

void DMainWidget::ontheHidIntoFirmwareUpgrade()
{
    // SEAM: the bootloader flashing starts here; with no engine it returns without effect.
}
