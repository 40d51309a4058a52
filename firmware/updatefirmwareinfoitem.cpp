#include "firmware/updatefirmwareinfoitem.h"

#include "app/ddatamanager.h"
#include "devicelink/hidreport.h"
#include "devicelink/mainhidinterface.h"
#include "ui_updatefirmwareinfoitem.h"

#include <QDebug>

namespace {

QString recordText(const char *text, std::size_t capacity)
{
    return QString::fromUtf8(text, int(strnlen(text, capacity)));
}

template <std::size_t N> QString recordText(const char (&text)[N])
{
    return recordText(text, N);
}

}  // namespace

UpdateFirmwareInfoItem::UpdateFirmwareInfoItem(QWidget *parent) : QWidget(parent), ui(new Ui::UpdateFirmwareInfoItem)
{
    ui->setupUi(this);
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    ui->progressBar->setValue(0);
    ui->label_ProgressNum->setText(QStringLiteral("0%"));
    ui->label->setText(QObject::tr("Product name:"));
    ui->label_3->setText(QObject::tr("Update progress:"));
    ui->label_2->setText(QObject::tr("Current version:"));
    ui->label_5->setText(QObject::tr("New version:"));
    ui->pushButton_Update->setText(QObject::tr("Update"));
    ui->label_SuccessfulTip->setText(QObject::tr("Complete"));
    applyTheme();
}

UpdateFirmwareInfoItem::~UpdateFirmwareInfoItem()
{
    delete ui;
}

void UpdateFirmwareInfoItem::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    ui->frame_Bg110->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg110 { border: none; border-bottom: 2px solid rgb(%1); }"
                       "QFrame#frame_Bg110 QLabel { color: rgb(%2); font-weight: 75; font-size: 12pt;"
                       " font-family: \"%3\"; }")
            .arg(theme.UpgradeItemBorderColor, theme.TextCheckedColor, theme.TextFont));
    ui->progressBar->setStyleSheet(
        QStringLiteral("QProgressBar { background-color: rgb(%1); border-radius: 6px; }"
                       "QProgressBar::chunk { background-color: rgb(%2); border-radius: 6px; }")
            .arg(theme.UpgradeProgressBarTopColor, theme.UpgradeProgressBarBottomColor));
    ui->pushButton_Update->setStyleSheet(
        QStringLiteral("QPushButton { border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2);"
                       " color: rgb(%3); font-weight: 75; font-size: 10pt; font-family: \"%4\"; }"
                       "QPushButton:hover { background-color: rgb(%2); border: 2px solid rgb(%5); }"
                       "QPushButton:pressed { color: rgb(%5); background-color: rgb(%2); border: 2px solid rgb(%5); }")
            .arg(theme.DeviceBorderColor, theme.UpgradeBgColor, theme.TextDefaultColor, theme.TextFont,
                 theme.TextCheckedColor));
}

void UpdateFirmwareInfoItem::setDeviceInfo(hidStructInfoAll info, MainHidInterFace *hid, QString serialNumber)
{
    m_hid = hid;
    m_hidPath = recordText(info.hidPath);
    m_serialNumber = serialNumber;
    m_hidName = recordText(info.hidName);
    m_usbOrDongle = info.connectType;
    m_newVersion = recordText(info.newFirmwareVersion);
    ui->label_HidLikeName->setText(recordText(info.productName) + QLatin1Char(' ') + recordText(info.likeName));
    ui->label_OldVer->setText(recordText(info.firmwareVersion));
    ui->label_NewVer->setText(m_newVersion);
}

void UpdateFirmwareInfoItem::setUpdateButtonEnabled(bool enabled)
{
    ui->pushButton_Update->setEnabled(enabled);
}

void UpdateFirmwareInfoItem::setProgress(int percent)
{
    ui->progressBar->setValue(percent);
    ui->progressBar->update();
    ui->label_ProgressNum->setText(QString::number(percent) + QLatin1Char('%'));
}

void UpdateFirmwareInfoItem::showUpdateSucceeded()
{
    ui->stackedWidget->setCurrentWidget(ui->page_2);
    m_busy = false;
}

void UpdateFirmwareInfoItem::showUpdateFailed()
{
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    m_busy = false;
}

void UpdateFirmwareInfoItem::on_pushButton_Update_clicked()
{
    if (m_busy)
        return;
    m_busy = true;
    const HidReport report = HidReport::command(HidCmd::IntoFirmware);
    // A row whose device has no link (or a closed one) still starts the flashing
    // path: the keyboard may already be waiting in its update mode.
    if (!m_hid || m_hid->appendCmdData(report.bytes.data()) < 0)
        qDebug() << "USB serial port [Into firmware] Failed ...";
    Q_EMIT sigStartUpgradeing();
}
