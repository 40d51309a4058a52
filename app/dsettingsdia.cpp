#include "app/dsettingsdia.h"

DSettingsDia::DSettingsDia(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(700, 500);
}

void DSettingsDia::showNoUpgradeableDevices()
{ }

void DSettingsDia::reject()
{
    Q_EMIT sigSettingsWindowClose();
    QDialog::reject();
}
