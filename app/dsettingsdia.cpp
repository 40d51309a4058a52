#include "app/dsettingsdia.h"

#include "widgets/cbnotice.h"

DSettingsDia::DSettingsDia(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(700, 500);
    m_notice = new CbNotice(this);
    m_notice->setTextPixelSize(16);
}

void DSettingsDia::showNoUpgradeableDevices()
{
    m_notice->showMessageAt(QObject::tr("No upgradeable devices found"), rect().center());
}

void DSettingsDia::reject()
{
    Q_EMIT sigSettingsWindowClose();
    QDialog::reject();
}
