// The profile menu and the profile operations behind it, the layer switch and the
// reset of the current profile: filled in with the profile menu.
#include "devicepage/ddevicepage.h"
#include "widgets/arrowwidget.h"

void DDevicePage::onCloseMenuWidow()
{
    if (arrowPopup)
        arrowPopup->hide();
}

void DDevicePage::onProfileCreate()
{ }

void DDevicePage::onProfileDelete()
{ }

void DDevicePage::onProfileExport()
{ }

void DDevicePage::onProfileImport()
{ }

void DDevicePage::onProfileModifyName()
{ }

void DDevicePage::onDefaultLayerAndFnLayerSwitch(int)
{ }

void DDevicePage::onResetoreCurrentProfile()
{ }

void DDevicePage::on_pushButton_ProfileOperate_clicked()
{ }

void DDevicePage::on_pushButton_Save_clicked()
{ }

void DDevicePage::on_pushButton_Cancel_clicked()
{ }
