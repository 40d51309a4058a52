#include "firmware/updatefirmwareinfoitem.h"
#include "platform/logcategories.h"

#include "app/ddatamanager.h"
#include "devicelink/hidreport.h"
#include "devicelink/mainhidinterface.h"
#include "ui_updatefirmwareinfoitem.h"
#include "widgets/arrowwidget.h"
#include "widgets/readablecolour.h"
#include "widgets/textfit.h"

#include <QLabel>

namespace {

constexpr int kStateTextWidth = 200;

QString recordText(const char *text, std::size_t capacity)
{
    return QString::fromUtf8(text, int(strnlen(text, capacity)));
}

template <std::size_t N> QString recordText(const char (&text)[N])
{
    return recordText(text, N);
}

QString failedText()
{
    return QObject::tr("Update failed");
}

QString reconnectText()
{
    return QObject::tr("Reconnect the keyboard");
}

}  // namespace

UpdateFirmwareInfoItem::UpdateFirmwareInfoItem(QWidget *parent) : QWidget(parent), ui(new Ui::UpdateFirmwareInfoItem)
{
    ui->setupUi(this);
    // Room between each caption and its value,
    ui->horizontalLayout_3->setSpacing(8);
    ui->horizontalLayout_7->setSpacing(8);
    ui->horizontalLayout_2->setSpacing(16);  // and between the columns
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    ui->progressBar->setValue(0);
    ui->label_ProgressNum->setText(QStringLiteral("0%"));
    ui->label->setText(QObject::tr("Product name:"));
    TextFit::setText(ui->label_3, QObject::tr("Update progress:"));
    ui->label_2->setText(QObject::tr("Current version:"));
    TextFit::setText(ui->label_5, QObject::tr("New version:"));
    ui->pushButton_Update->setText(QObject::tr("Update"));
    ui->label_SuccessfulTip->setText(QObject::tr("Complete"));
    // Under the button or the result: what went wrong, or what is left to do.
    m_stateLabel = new QLabel(ui->frame_Right);
    m_stateLabel->setObjectName(QStringLiteral("label_State"));
    m_stateLabel->setAlignment(Qt::AlignCenter);
    // A reason says what to do: it takes lines under the button, and the row grows
    // for them, instead of pushing the row's other columns aside.
    m_stateLabel->setWordWrap(true);
    m_stateLabel->setMaximumWidth(kStateTextWidth);
    ui->frame_Bg110->setMaximumHeight(QWIDGETSIZE_MAX);
    ui->verticalLayout->addWidget(m_stateLabel);
    m_stateLabel->hide();
    applyTheme();
    fitColumns();
}

UpdateFirmwareInfoItem::~UpdateFirmwareInfoItem()
{
    delete ui;
}

void UpdateFirmwareInfoItem::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    ui->frame_Bg110->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg110 QFrame { border: none; }"
                       "QFrame#frame_Bg110 { border: none; border-bottom: 2px solid rgb(%1); }"
                       "QFrame#frame_Bg110 QLabel { color: rgb(%2); font-weight: 75; font-size: 12pt;"
                       " font-family: \"%3\"; }")
            .arg(theme.UpgradeItemBorderColor, theme.TextCheckedColor, theme.TextFont));
    // The filled part in the theme's accent, moved from the groove's colour as far
    // as it takes to stand out from it: a full bar must never look emptier than an
    // empty one.
    const QColor groove = ArrowWidget::colorFromThemeText(theme.UpgradeProgressBarTopColor);
    const QColor filled = ReadableColour::on(groove, ArrowWidget::colorFromThemeText(theme.AllThemeColor),
                                             ReadableColour::kMarkContrast);
    ui->progressBar->setStyleSheet(
        QStringLiteral("QProgressBar { background-color: rgb(%1); border-radius: 6px; }"
                       "QProgressBar::chunk { background-color: rgb(%2); border-radius: 6px; }")
            .arg(theme.UpgradeProgressBarTopColor, ReadableColour::sheetText(filled)));
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
    TextFit::setText(ui->label_HidLikeName,
                     recordText(info.productName) + QLatin1Char(' ') + recordText(info.likeName));
    ui->label_OldVer->setText(recordText(info.firmwareVersion));
    ui->label_NewVer->setText(m_newVersion);
    fitColumns();
}

void UpdateFirmwareInfoItem::fitColumns()
{
    // Each column as wide as its texts, so the dialog can make room for them; only
    // a product name longer than any catalogue's is cut (with its whole text as tip).
    constexpr int kLongestProductText = 360;
    ensurePolished();
    for (QLabel *label : {ui->label, ui->label_2, ui->label_3, ui->label_5, ui->label_HidLikeName, ui->label_OldVer,
                          ui->label_NewVer}) {
        label->ensurePolished();
        const int needed = label->fontMetrics().horizontalAdvance(TextFit::fullText(label)) + 4;
        label->setMinimumWidth(label == ui->label_HidLikeName ? qMin(needed, kLongestProductText) : needed);
    }
    ui->progressBar->setMinimumWidth(kMinProgressWidth);
    // The middle column's least width is set (for the look of short texts), so a
    // layout gives it no more than that: it has to hold its captions, the bar with
    // its percentage and the new version side by side, or they are drawn over each
    // other.
    const int captions = qMax(ui->label_3->minimumWidth(), ui->label_5->minimumWidth());
    const int bar = kMinProgressWidth + ui->horizontalLayout_4->spacing() + ui->label_ProgressNum->minimumWidth();
    const int values = qMax(bar, ui->label_NewVer->minimumWidth());
    ui->frame_Center->setMinimumWidth(qMax(kMinCenterWidth, captions + ui->horizontalLayout_7->spacing() + values));
    // The right column holds the button, or the result and what went wrong under it.
    m_stateLabel->ensurePolished();
    int right = ui->pushButton_Update->minimumWidth();
    for (const QString &text : {failedText(), reconnectText(), ui->label_SuccessfulTip->text()})
        right = qMax(right, m_stateLabel->fontMetrics().horizontalAdvance(text) + 4);
    const QMargins margins = ui->verticalLayout->contentsMargins();
    ui->frame_Right->setMinimumWidth(right + margins.left() + margins.right());
}

MainHidInterFace *UpdateFirmwareInfoItem::getHidInterface() const
{
    return m_hid;
}

void UpdateFirmwareInfoItem::setUpdateButtonEnabled(bool enabled)
{
    ui->pushButton_Update->setEnabled(enabled && m_present && m_offered);
}

void UpdateFirmwareInfoItem::setProgress(int percent)
{
    ui->progressBar->setValue(percent);
    ui->progressBar->update();
    ui->label_ProgressNum->setText(QString::number(percent) + QLatin1Char('%'));
}

void UpdateFirmwareInfoItem::showUpdateRunning(int percent)
{
    m_busy = true;
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    setProgress(percent);
    m_stateLabel->clear();
    m_stateLabel->hide();
}

void UpdateFirmwareInfoItem::showUpdateSucceeded()
{
    ui->stackedWidget->setCurrentWidget(ui->page_2);
    m_stateLabel->clear();
    m_stateLabel->hide();
    m_busy = false;
    m_failed = false;
}

void UpdateFirmwareInfoItem::showUpdateFailed()
{
    showUpdateFailed(failedText());
}

void UpdateFirmwareInfoItem::showUpdateFailed(const QString &reason)
{
    ui->stackedWidget->setCurrentWidget(ui->page_1);
    // The bar no longer claims progress that did not end in a flashed keyboard.
    setProgress(0);
    m_stateLabel->setText(reason);
    m_stateLabel->show();
    m_busy = false;
    m_failed = true;
}

void UpdateFirmwareInfoItem::showKeyboardReturned(const QString &version)
{
    ui->label_OldVer->setText(version);
    m_stateLabel->clear();
    m_stateLabel->hide();
}

void UpdateFirmwareInfoItem::showKeyboardNotReturned()
{
    m_stateLabel->setText(reconnectText());
    m_stateLabel->show();
}

void UpdateFirmwareInfoItem::showKeyboardGone()
{
    m_present = false;
    ui->pushButton_Update->setEnabled(false);
    showKeyboardNotReturned();
}

void UpdateFirmwareInfoItem::showKeyboardBack(const hidStructInfoAll &info, MainHidInterFace *hid,
                                              const QString &serialNumber, bool offerKnown)
{
    const QString newVersion = offerKnown ? recordText(info.newFirmwareVersion) : m_newVersion;
    m_present = true;
    m_failed = false;
    if (offerKnown)
        m_offered = !newVersion.isEmpty();
    m_hid = hid;
    m_hidPath = recordText(info.hidPath);
    m_serialNumber = serialNumber;
    ui->label_OldVer->setText(recordText(info.firmwareVersion));
    m_stateLabel->clear();
    m_stateLabel->hide();
    if (offerKnown && m_offered) {
        // What the row showed of an earlier update is over: this keyboard can be
        // updated (again) from the start.
        m_newVersion = newVersion;
        ui->label_NewVer->setText(newVersion);
        ui->stackedWidget->setCurrentWidget(ui->page_1);
        setProgress(0);
    }
    fitColumns();
}

QString UpdateFirmwareInfoItem::currentVersion() const
{
    return ui->label_OldVer->text();
}

QString UpdateFirmwareInfoItem::stateText() const
{
    return m_stateLabel->isHidden() ? QString() : m_stateLabel->text();
}

void UpdateFirmwareInfoItem::on_pushButton_Update_clicked()
{
    if (m_busy)
        return;
    m_busy = true;
    m_failed = false;
    setProgress(0);
    m_stateLabel->clear();
    m_stateLabel->hide();
    Q_EMIT sigAboutToRequestUpdateMode();
    const HidReport report = HidReport::command(HidCmd::IntoFirmware);
    // A row whose device has no link (or a closed one) still starts the flashing
    // path: the keyboard may already be waiting in its update mode.
    if (!m_hid || m_hid->appendCmdData(report.bytes.data()) < 0)
        qCDebug(lcFirmware) << "Sending the keyboard into its update mode failed: the keyboard is not open";
    Q_EMIT sigStartUpgrading();
}
