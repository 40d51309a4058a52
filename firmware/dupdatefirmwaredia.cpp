#include "firmware/dupdatefirmwaredia.h"

#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "firmware/firmwareimagecheck.h"
#include "firmware/updatefirmwareinfoitem.h"
#include "ui_dupdatefirmwaredia.h"
#include "widgets/cbnotice.h"
#include "widgets/readablecolour.h"
#include "widgets/windowshape.h"

#include <QEvent>
#include <QLayoutItem>
#include <QScreen>
#include <QScrollBar>
#include <QSet>

namespace {

// The dialog is never narrower than this, so its warning line reads comfortably.
constexpr int kMinWidth = 740;
// Rows shown without scrolling; more rows scroll.
constexpr int kVisibleRows = 4;
// Room around the rows, so they do not touch the title bar or the warning line.
constexpr int kListMargin = 12;
// The height of a row with nothing under its button.
constexpr int kRowHeight = 70;

// A theme colour text "r,g,b[,a]" as a colour with the given alpha.
QColor themeColor(const QString &text, int alpha)
{
    const QStringList parts = text.split(QLatin1Char(','));
    const auto part = [&parts](int i) { return i < parts.size() ? parts.at(i).trimmed().toInt() : 0; };
    return QColor(part(0), part(1), part(2), alpha);
}

QString recordPath(const hidStructInfoAll &device)
{
    return QString::fromUtf8(device.hidPath, int(strnlen(device.hidPath, sizeof device.hidPath)));
}

}  // namespace

DUpdateFirmwareDia::DUpdateFirmwareDia(QWidget *parent) : QDialog(parent), ui(new Ui::DUpdateFirmwareDia)
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    WindowShape::followRoundedRect(this, 12);  // no black corners without a compositor
    ui->verticalLayout_17->setContentsMargins(kListMargin, kListMargin / 2, kListMargin, kListMargin / 2);
    // The spacer under the rows only takes what is left: the height the form gave it
    // would count when a wrapping row makes the list measure by its width, and the
    // list would scroll over empty space.
    ui->verticalSpacer->changeSize(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
    ui->label_Title->setText(QObject::tr("Update Firmware"));
    setWindowTitle(ui->label_Title->text());
    ui->pushButton_Close->setAccessibleName(QObject::tr("Close"));

    ui->widget_Tip->setTextFont(QStringLiteral("Microsoft Yahei"), 14);
    ui->widget_Tip->setBackground(QColor(0, 0, 0, 1));
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    // The warning's red, lightened or darkened as far as the dialog's background needs.
    ui->widget_Tip->setForeground(ReadableColour::on(themeColor(theme.UpgradeBgColor, 255), QColor(255, 50, 0),
                                                     ReadableColour::kDrawnTextContrast));
    ui->widget_Tip->setText(QObject::tr("If the firmware is being updated, do not unplug the device!"));

    m_notice = new CbNotice(this);
    m_notice->setTextPixelSize(16);
    m_notice->setBackgroundColor(themeColor(theme.AllBgColor, 200));
    m_notice->setTextColor(themeColor(theme.TextCheckedColor, 255));
    QFont font(theme.TextFont);
    font.setPixelSize(14);
    m_notice->setTextFont(font);
    applyTheme();
    ui->scrollAreaWidgetContents_2->installEventFilter(this);
    fitToRows();
    if (parent)
        move((parent->width() - width()) / 2, (parent->height() - height()) / 2);

    connect(this, &DUpdateFirmwareDia::sigUpgradeProgress, this, &DUpdateFirmwareDia::onUpgradeProgress);
    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareSuc, this, &DUpdateFirmwareDia::onUpgradeFirmwareSuc);
    connect(this, &DUpdateFirmwareDia::sigUpgradeFirmwareFailed, this, &DUpdateFirmwareDia::onUpgradeFirmwareFailed);
    // Close, Escape and the window manager's close all finish the dialog; the
    // main window hears of each the same way and undims.
    connect(this, &QDialog::finished, this, &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose);
}

DUpdateFirmwareDia::~DUpdateFirmwareDia()
{
    delete ui;
}

void DUpdateFirmwareDia::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    // The frames inside only group; they draw no box of their own.
    ui->frame_Bg->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg QFrame { border: none; }"
                       "QFrame#frame_Bg { background-color: rgb(%1); border: 1px solid rgb(%2); border-radius: 12px; }")
            .arg(theme.UpgradeBgColor, theme.TextCheckedColor));
    ui->frame_Title->setStyleSheet(
        QStringLiteral("QFrame#frame_Title { background-color: rgb(%1); border: none; border-bottom: 2px solid rgb(%2);"
                       " border-top-left-radius: 12px; border-top-right-radius: 12px; }"
                       "QLabel#label_Title { color: rgb(%3); font-weight: 75; font-size: 13pt; font-family: \"%4\"; }")
            .arg(theme.UpgradeBgColor, theme.UpgradeBorderColor, theme.TextCheckedColor, theme.TextFont));
    ui->widget_4->setStyleSheet(
        QStringLiteral(
            "QScrollBar:vertical { background: transparent; width: 3px; margin-top: 3px; margin-bottom: 3px; }"
            "QScrollBar::handle:vertical { background: rgba(0, 0, 0, 20%); min-height: 20px; border-radius: 1px; }"
            "QScrollBar::handle:vertical:hover { background: rgba(0, 0, 0, 30%); }"
            "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
            "QScrollBar::add-page:vertical, QScrollBar:sub-page:vertical { background: rgb(%1);"
            " border-radius: 3px; }")
            .arg(theme.AllScrollBarColorDef));
    // The list area in the dialog's own colour: a see-through area shows black
    // where the desktop does not compose translucent windows.
    ui->scrollArea_2->setStyleSheet(
        QStringLiteral("QScrollArea#scrollArea_2 { background: rgb(%1); border: none; }").arg(theme.UpgradeBgColor));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2 { background: rgb(%1); }").arg(theme.UpgradeBgColor));
}

void DUpdateFirmwareDia::setDeviceList(const QList<hidStructInfoAll> &devices,
                                       const QMap<QString, DDeviceKeyboardLink *> &links)
{
    clearDeviceList();
    m_rows.clear();
    for (const hidStructInfoAll &device : devices) {
        DDeviceKeyboardLink *link = links.value(recordPath(device), nullptr);
        auto *row = new UpdateFirmwareInfoItem(ui->scrollAreaWidgetContents_2);
        // A device without a link keeps its row: its keyboard cannot be sent into
        // update mode, but the user still sees it and a flashing may still start.
        row->setDeviceInfo(device, link ? link->getHidInterface() : nullptr, link ? link->getCurrentSN() : QString());
        connect(row, &UpdateFirmwareInfoItem::sigAboutToRequestUpdateMode, this,
                [this, row] { Q_EMIT sigAboutToRequestUpdateMode(row->getHidPath()); });
        connect(row, &UpdateFirmwareInfoItem::sigStartUpgrading, this, &DUpdateFirmwareDia::onStartUpgrading);
        m_rowsLayout->insertWidget(m_rowsLayout->count() - 1, row);
        m_rows.append(row);
    }
    fitToRows();
}

void DUpdateFirmwareDia::fitToRows()
{
    // As wide as the widest row needs for its texts and as tall as its rows (a few;
    // more scroll), instead of a large fixed size that left most of it empty; never
    // larger than the screen.
    const QMargins list = ui->verticalLayout_17->contentsMargins();
    const int listChrome = list.left() + list.right() + 2;  // 2: the dialog's border
    const int scrollBar = ui->scrollArea_2->verticalScrollBar()->sizeHint().width();
    const QScreen *shownOn = parentWidget() ? parentWidget()->screen() : screen();
    const QSize room
        = shownOn ? shownOn->availableGeometry().size() - QSize(20, 20) : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    int rowsWidth = 0;
    for (UpdateFirmwareInfoItem *row : qAsConst(m_rows))
        rowsWidth = qMax(rowsWidth, row->minimumSizeHint().width());
    // Only a list that scrolls has a scroll bar: one that comes and goes while a row
    // grows would take width from the rows and make them taller still.
    bool scrolls = m_rows.size() > kVisibleRows;
    int width = qMax(kMinWidth, rowsWidth + listChrome + (scrolls ? scrollBar : 0));
    // Rows wider than the screen scroll sideways rather than lose their Update button.
    const bool narrow = width > room.width();
    width = qMin(width, room.width());
    ui->scrollArea_2->setHorizontalScrollBarPolicy(narrow ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    const int sideBar = narrow ? ui->scrollArea_2->horizontalScrollBar()->sizeHint().height() : 0;
    const int rowWidth = qMax(rowsWidth, width - listChrome - (scrolls ? scrollBar : 0));
    int rowsHeight = 0;
    for (int i = 0; i < m_rows.size() && i < kVisibleRows; ++i)
        rowsHeight += rowHeight(m_rows.at(i), rowWidth);
    int listHeight = qMax(rowsHeight, kRowHeight) + list.top() + list.bottom() + sideBar;
    ui->scrollArea_2->setFixedHeight(listHeight);
    int height = measuredHeight();
    if (height > room.height()) {
        // On a low screen the list gives up height and scrolls; the rest stays whole.
        listHeight = qMax(kRowHeight, listHeight - (height - room.height()));
        ui->scrollArea_2->setFixedHeight(listHeight);
        height = qMin(measuredHeight(), room.height());
        if (!scrolls)
            width = qMin(width + scrollBar, room.width());
        scrolls = true;
    }
    ui->scrollArea_2->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setFixedSize(width, height);
}

int DUpdateFirmwareDia::rowHeight(UpdateFirmwareInfoItem *row, int width)
{
    // A row grows for the lines of a reason under its button.
    const int wanted = row->hasHeightForWidth() ? row->heightForWidth(width) : row->sizeHint().height();
    return qMax(kRowHeight, wanted);
}

int DUpdateFirmwareDia::measuredHeight()
{
    // Until the dialog is shown, a size change of a widget inside it reaches no
    // layout above it: each level up from the list is told, or the dialog would keep
    // the height it measured for no rows and its warning line would cover the rows.
    for (QWidget *level = ui->scrollArea_2; level != this; level = level->parentWidget()) {
        level->updateGeometry();
        if (QLayout *holder = level->parentWidget()->layout())
            holder->invalidate();
    }
    layout()->activate();
    return layout()->minimumSize().height();
}

bool DUpdateFirmwareDia::eventFilter(QObject *watched, QEvent *event)
{
    // A row that grows or shrinks (a reason shown under its button, say) is shown
    // whole: the dialog fits its rows again.
    if (watched == ui->scrollAreaWidgetContents_2 && event->type() == QEvent::LayoutRequest && isVisible())
        fitToRows();
    return QDialog::eventFilter(watched, event);
}

void DUpdateFirmwareDia::followKeyboards(const QList<hidStructInfoAll> &present,
                                         const QMap<QString, DDeviceKeyboardLink *> &links, bool offersKnown)
{
    QMap<QString, hidStructInfoAll> byPath;
    for (const hidStructInfoAll &device : present)
        byPath.insert(recordPath(device), device);
    QSet<QString> rowPaths;
    for (UpdateFirmwareInfoItem *row : qAsConst(m_rows))
        rowPaths.insert(row->getHidPath());
    for (UpdateFirmwareInfoItem *row : qAsConst(m_rows)) {
        // A row under way has its keyboard away in its update mode on purpose: it
        // stays as the update leaves it.
        if (row->isBusy())
            continue;
        auto found = byPath.constFind(row->getHidPath());
        if (found == byPath.cend()) {
            // A keyboard that enumerates anew comes back under another path: the same
            // model on the same connection, at a path no row has.
            for (auto it = byPath.cbegin(); it != byPath.cend(); ++it) {
                if (!rowPaths.contains(it.key()) && QString::fromLatin1(it->hidName) == row->getHidName()
                    && (it->connectType == 0) == (row->getHidUsbOrDongle() == 0)) {
                    found = it;
                    break;
                }
            }
        }
        if (found == byPath.cend()) {
            // After a failed update the keyboard may wait in its update mode: its row
            // stays ready to try again.
            if (!row->hasFailed())
                row->showKeyboardGone();
            continue;
        }
        rowPaths.insert(found.key());
        DDeviceKeyboardLink *link = links.value(found.key(), nullptr);
        row->showKeyboardBack(*found, link ? link->getHidInterface() : nullptr, link ? link->getCurrentSN() : QString(),
                              offersKnown);
    }
    // A failed keyboard back as a keyboard no longer waits in its update mode.
    for (UpdateFirmwareInfoItem *row : qAsConst(m_rows))
        row->setUpdateButtonEnabled(row == m_activeRow || !othersHeld());
}

bool DUpdateFirmwareDia::othersHeld() const
{
    // While an update runs, and after it failed, only its row may start one.
    return m_activeRow && (m_activeRow->isBusy() || m_activeRow->hasFailed());
}

void DUpdateFirmwareDia::clearDeviceList()
{
    m_rowsLayout = ui->verticalLayout_17;
    while (m_rowsLayout->count() > 1) {
        QLayoutItem *item = m_rowsLayout->takeAt(0);
        if (QWidget *widget = item->widget())
            widget->deleteLater();
        delete item;
    }
}

void DUpdateFirmwareDia::onStartUpgrading()
{
    m_lastPercent.storeRelaxed(-1);
    auto *row = qobject_cast<UpdateFirmwareInfoItem *>(sender());
    if (!row)
        return;
    m_activeRow = row;
    for (UpdateFirmwareInfoItem *each : qAsConst(m_rows))
        each->setUpdateButtonEnabled(each == row);
    Q_EMIT sigStartHidUpgrade(row->getHidPath(), row->getHidSn(), row->getHidName(), row->getHidUsbOrDongle());
}

void DUpdateFirmwareDia::showRunningUpgrade(const QString &hidPath, int percent)
{
    for (UpdateFirmwareInfoItem *row : qAsConst(m_rows)) {
        if (row->getHidPath() == hidPath)
            m_activeRow = row;
    }
    if (!m_activeRow)
        return;
    m_lastPercent.storeRelaxed(percent);
    for (UpdateFirmwareInfoItem *each : qAsConst(m_rows))
        each->setUpdateButtonEnabled(each == m_activeRow);
    m_activeRow->showUpdateRunning(percent);
}

void DUpdateFirmwareDia::setUpgradeProgress(int total, int done)
{
    // A total of 0 carries no progress; dividing by it would show nonsense.
    if (total <= 0)
        return;
    const int percent = static_cast<int>(static_cast<float>(done) / static_cast<float>(total) * 100.0f);
    if (percent <= m_lastPercent.loadRelaxed())
        return;
    m_lastPercent.storeRelaxed(percent);
    Q_EMIT sigUpgradeProgress(percent);
}

void DUpdateFirmwareDia::upgradeSucceeded()
{
    Q_EMIT sigUpgradeFirmwareSuc();
}

void DUpdateFirmwareDia::upgradeFailed()
{
    Q_EMIT sigUpgradeFirmwareFailed();
}

void DUpdateFirmwareDia::onUpgradeProgress(int ProgressNum)
{
    if (m_activeRow)
        m_activeRow->setProgress(ProgressNum);
}

void DUpdateFirmwareDia::onUpgradeFirmwareSuc()
{
    if (m_activeRow)
        m_activeRow->showUpdateSucceeded();
    for (UpdateFirmwareInfoItem *row : qAsConst(m_rows))
        row->setUpdateButtonEnabled(true);
    showNotice(QObject::tr("Update successful"));
}

void DUpdateFirmwareDia::onUpgradeFirmwareFailed()
{
    failActiveRow(QObject::tr("Update failed"));
    showNotice(QObject::tr("Update failed"));
}

void DUpdateFirmwareDia::failActiveRow(const QString &reason)
{
    // Only the failed row can be tried again: its keyboard may wait in its
    // bootloader, and another row's update must not meet it there. The other rows
    // stay disabled until an update succeeds or the dialog opens anew.
    if (!m_activeRow)
        return;
    m_activeRow->showUpdateFailed(reason);
    m_activeRow->setUpdateButtonEnabled(true);
}

void DUpdateFirmwareDia::showImageRefused()
{
    if (m_activeRow && m_activeRow->isBusy())
        failActiveRow(QObject::tr("Update failed"));
    showNotice(FirmwareImageCheck::imageRefusedText());
}

void DUpdateFirmwareDia::upgradeRefused(const QString &reason)
{
    if (m_activeRow && m_activeRow->isBusy())
        failActiveRow(reason);
    showNotice(reason);
}

void DUpdateFirmwareDia::showKeyboardReturned(const QString &version)
{
    if (m_activeRow)
        m_activeRow->showKeyboardReturned(version);
}

void DUpdateFirmwareDia::showKeyboardNotReturned()
{
    if (m_activeRow)
        m_activeRow->showKeyboardNotReturned();
}

void DUpdateFirmwareDia::showNotice(const QString &text)
{
    m_notice->showMessageAt(text, rect().center());
}

void DUpdateFirmwareDia::on_pushButton_Close_clicked()
{
    // Emits sigUpdateFirmwareWindowClose through finished().
    close();
}
