#include "firmware/dfirmwareinfoitem.h"

#include "ui_dfirmwareinfoitem.h"

DFirmwareInfoItem::DFirmwareInfoItem(QWidget *parent) : QWidget(parent), ui(new Ui::DFirmwareInfoItem)
{
    ui->setupUi(this);
    const QString labelSheet = QStringLiteral(
        "color: rgb(180,180,180); font-weight: 75; font-size: 12pt; font-family: \"Microsoft YaHei\";");
    ui->label_HidInfo->setStyleSheet(labelSheet);
    ui->label_DataTimeInfo->setStyleSheet(labelSheet);
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame { border: none; border-bottom: 1px solid rgb(50,50,50); }"));
}

DFirmwareInfoItem::~DFirmwareInfoItem()
{
    delete ui;
}

void DFirmwareInfoItem::setFirmwareInfo(const QString &identity, const QString &versionLine)
{
    const int dash = identity.indexOf(QLatin1Char('-'));
    ui->label_HidInfo->setText(dash < 0 ? identity : identity.mid(dash + 1));
    ui->label_DataTimeInfo->setText(versionLine);
}

QString DFirmwareInfoItem::identityText() const
{
    return ui->label_HidInfo->text();
}

QString DFirmwareInfoItem::versionText() const
{
    return ui->label_DataTimeInfo->text();
}
