#include "macros/dmacropage.h"
#include "platform/logcategories.h"

#include "app/ddatamanager.h"
#include "macros/dmacroeventview.h"
#include "macros/dmacrolistview.h"
#include "macros/macroeventmodel.h"
#include "macros/macroeventtext.h"
#include "macros/macrosheet.h"
#include "sdk/tavrixxml.h"
#include "ui_dmacropage.h"
#include "widgets/accessiblecontrols.h"
#include "widgets/arrowwidget.h"
#include "widgets/cbnotice.h"
#include "widgets/dialogstartfolder.h"
#include "widgets/fieldkeys.h"
#include "widgets/storefilequestion.h"
#include "widgets/textfit.h"
#include "widgets/windowshape.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QIntValidator>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace {

constexpr int kDialogWidth = 1050;
constexpr int kDialogHeight = 690;

quint32 systemTick()
{
    // Milliseconds of a monotonic clock; never 0, since 0 means "no event yet".
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return static_cast<quint32>(clock.elapsed()) + 1;
}

QString fontRule(const QString &family, int pt, int weight = 75)
{
    return QString("font: %1 %2pt \"%3\";").arg(weight).arg(pt).arg(family);
}

}  // namespace

DMacroPage::DMacroPage(QWidget *parent) : QDialog(parent), ui(new Ui::DMacroPage), m_tick(systemTick)
{
    ui->setupUi(this);
    showTotalDelay();  // the form's "0 MS" is a placeholder, in no language

    ui->pushButton_Import->setToolTip(QObject::tr("Import"));
    ui->pushButton_Add->setToolTip(QObject::tr("Create"));
    ui->pushButton_ClearMacroLst->setToolTip(QObject::tr("Clear"));
    ui->pushButton_MoveUp->setToolTip(QObject::tr("Up"));
    ui->pushButton_MoveDown->setToolTip(QObject::tr("Down"));
    for (QPushButton *button : {ui->pushButton_Close, ui->pushButton_Import, ui->pushButton_Add,
                                ui->pushButton_ClearMacroLst, ui->pushButton_MoveUp, ui->pushButton_MoveDown})
        button->setAccessibleName(button->toolTip().isEmpty() ? QObject::tr("Close") : button->toolTip());

    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    WindowShape::followRoundedRect(this, 12);  // no black corners without a compositor
    setFixedSize(kDialogWidth, kDialogHeight);
    ui->radioButton_Delay->hide();

    dialogStartDir = dialogStartFolder();

    m_notice = new CbNotice(this);
    m_notice->setTextPixelSize(14);

    macroListLayout = ui->verticalLayout_17;
    // The event list too is one painted view in place of its list's spacer.
    QLayout *eventListLayout = ui->verticalLayout_20;
    delete eventListLayout->takeAt(eventListLayout->count() - 1);
    m_events = new MacroEventModel(this);
    m_eventList = new DMacroEventView(m_events, ui->scrollAreaWidgetContents_3);
    eventListLayout->addWidget(m_eventList);
    connect(m_eventList, &DMacroEventView::sigEventClicked, this, &DMacroPage::onKeyOrMouseEventClick);
    connect(m_eventList, &DMacroEventView::sigDeleteEvent, this, &DMacroPage::onDeleteKeyAndMouseEvent);
    // The macro list is one painted view in place of the list's spacer; it scrolls itself.
    delete macroListLayout->takeAt(macroListLayout->count() - 1);
    m_macroList = new DMacroListView(ui->scrollAreaWidgetContents_2);
    macroListLayout->addWidget(m_macroList);
    connect(m_macroList, &DMacroListView::sigMacroItemMouseClicked, this, &DMacroPage::onMacroItemMouseClicked);
    connect(m_macroList, &DMacroListView::sigModifyMacroItemNameIsEmpty, this,
            &DMacroPage::onModifyMacroItemNameIsEmpty);
    connect(m_macroList, &DMacroListView::sigModifyMacroItemNameSuccess, this,
            &DMacroPage::onModifyMacroItemNameSuccess);
    connect(m_macroList, &DMacroListView::sigModifyMacroItemNameFailed, this, &DMacroPage::showNotice);
    connect(m_macroList, &DMacroListView::sigExportMacroChildList, this, &DMacroPage::onExportMacroChildList);
    connect(m_macroList, &DMacroListView::sigDeleteMacro, this, &DMacroPage::onDeleteMacro);
    m_delayModeGroup = new QButtonGroup(this);
    m_delayModeGroup->addButton(ui->radioButton_RecordDelay, 0);
    m_delayModeGroup->addButton(ui->radioButton_NoDelay, 1);
    m_delayModeGroup->addButton(ui->radioButton_DefaultDelay, 2);
    ui->radioButton_InsertAfter->setChecked(true);
    ui->radioButton_Key->setChecked(true);
    ui->radioButton_MouseLeft->setChecked(true);

    auto *validator = new QIntValidator(0, 65535, this);
    ui->lineEdit_EnterDelayNum->setValidator(validator);
    ui->lineEdit_DelayNum->setValidator(validator);
    ui->lineEdit_DefaultDelayNum->setValidator(validator);

    ui->radioButton_RecordDelay->setChecked(true);
    ui->stackedWidget->setCurrentWidget(ui->page_Key);

    ui->frame_Record->installEventFilter(this);
    ui->frame_Record->setCursor(Qt::PointingHandCursor);
    AccessibleControls::makePressable(ui->frame_Record, QObject::tr("Start record"));
    // Fields take the names of the texts beside them (already translated by the form).
    ui->lineEdit_DefaultDelayNum->setAccessibleName(ui->radioButton_DefaultDelay->text());
    ui->lineEdit_EnterKey->setAccessibleName(ui->lineEdit_EnterKey->placeholderText());
    ui->lineEdit_EnterDelayNum->setAccessibleName(ui->lineEdit_EnterDelayNum->placeholderText());
    ui->lineEdit_DelayNum->setAccessibleName(ui->label_2->text());
    ui->lineEdit_PressKey->setAccessibleName(ui->label_3->text());
    // The clock beside the event list is a picture that does nothing when pressed.
    ui->pushButton_2->setFocusPolicy(Qt::NoFocus);
    AccessibleControls::hideFromTree(ui->pushButton_2);
    setWindowTitle(ui->label_Title->text());
    ui->lineEdit_EnterKey->installEventFilter(this);
    ui->lineEdit_PressKey->installEventFilter(this);
    // Return and Escape in a field (a delay, a key, a macro's new name) end that field's
    // edit, not the editor.
    FieldKeys::keepInFields(this);

    DDataManager *data = DDataManager::getInstance();
    connect(data, &DDataManager::sigReceiveStreamEX_MacroKeyboard, this, &DMacroPage::onKeyboardReceiveStream);
    connect(data, &DDataManager::sigReceiveStreamEX_MacroMouse, this, &DMacroPage::onMouseReceiveStream);
    keyCaptionMap = data->getKeyCharMap();
    vkToKeyCodeMap = data->getVkToHidMap();

    applyTheme();
    setRecordLook(false);
    // Wider than the design's width where the texts of a language need it (fonts come
    // with the style sheets, hence the polish), never wider than the screen.
    ensurePolished();
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int widest = screen ? screen->availableGeometry().width() : kDialogWidth;
    setFixedSize(qBound(kDialogWidth, minimumSizeHint().width(), qMax(kDialogWidth, widest)), kDialogHeight);

    QTimer::singleShot(200, this, &DMacroPage::onLoadMacroList);
}

DMacroPage::~DMacroPage()
{
    delete ui;
}

void DMacroPage::applyTheme()
{
    const ThemeColorInfo t = DDataManager::getInstance()->getThemeColorInfo();
    const QString f = t.TextFont;
    const QString radio = QString("QRadioButton{color: rgb(%1); %3}"
                                  "QRadioButton:checked{color: rgb(%2);}"
                                  "QRadioButton::indicator:checked{background-color: rgb(%2); border-radius: 6px;"
                                  " border: 2px solid white;}")
                              .arg(t.TextDefaultColor, t.TextCheckedColor, fontRule(f, 10));
    auto lineEdit = [&](const QString &selector, const QString &bg, int pt) {
        return QString("%1{color: rgb(%2); %3 background-color: rgb(%4); border: 1px solid rgb(%5);"
                       " border-radius: 4px;}%1:hover{border: 1px solid rgb(%6);}%1:focus{border: 1px solid rgb(%6);}")
            .arg(selector, t.TextDefaultColor, fontRule(f, pt), bg, t.MacroBorderColor, t.TextCheckedColor);
    };
    const QString boxed = "QFrame#%1{background-color: rgb(%2); border: 2px solid rgb(%3); border-radius: 12px;}";

    ui->frame_Bg->setStyleSheet(macroSheet(QString("QFrame{border: none;}QFrame#frame_Bg{border: 1px solid rgb(%1); "
                                                   "background-color: rgb(%2); border-radius: 12px;}")
                                               .arg(t.TextCheckedColor, t.SettingsTitleColorStart)));
    ui->frame_Title->setStyleSheet(
        macroSheet(QString("QFrame#frame_Title{background-color: rgb(%1); border: none;"
                           " border-bottom: 3px solid rgb(%2); border-top-left-radius: 12px;"
                           " border-top-right-radius: 12px;}"
                           "QLabel#label_Title{color: rgb(%3);}")
                       .arg(t.SettingsTitleColorStart, t.MacroBorderColor, t.TextCheckedColor)));
    ui->frame_29->setStyleSheet(
        macroSheet(QString("QFrame#frame_29{background-color: rgb(%1);}").arg(t.MacroLeftBgColor)));
    ui->frame_Center->setStyleSheet(
        macroSheet(QString("QFrame#frame_Center{background-color: rgb(%1);}").arg(t.MacroCenterBgColor)));
    ui->frame_Right->setStyleSheet(
        macroSheet(QString("QFrame#frame_Right{background-color: rgb(%1);}").arg(t.MacroCenterBgColor)));
    ui->frame_3->setStyleSheet(
        macroSheet(QString("QFrame#frame_3{border: 2px solid rgb(%1); border-radius: 12px;}").arg(t.MacroBorderColor)));
    for (QFrame *frame : {ui->frame_34, ui->frame_5, ui->frame_8, ui->frame_13})
        frame->setStyleSheet(macroSheet(boxed.arg(frame->objectName(), t.MacroLeftBgColor, t.MacroBorderColor)));
    ui->frame_24->setStyleSheet(
        macroSheet(QString("QFrame#frame_24{background-color: rgb(%1);}"
                           "QLabel#label_10{color: rgb(%2);}"
                           "QLabel#label_11{color: rgb(%3); %4}")
                       .arg(t.MacroLeftBgColor, t.TextCheckedColor, t.TextDefaultColor, fontRule(f, 11))
                   + radio + lineEdit("QLineEdit", t.MacroLeftBgColor, 8)));
    const QString panel = QString("QLabel{color: rgb(%1);}").arg(t.TextDefaultColor) + radio
        + lineEdit("QLineEdit", t.MacroRightBgColor, 10);
    ui->frame_6->setStyleSheet(
        macroSheet(QString("QFrame#frame_6{background-color: rgb(%1);}").arg(t.MacroRightBgColor) + panel));
    ui->frame_9->setStyleSheet(
        macroSheet(QString("QFrame#frame_9{background-color: rgb(%1);}").arg(t.MacroRightBgColor) + panel));
    ui->frame_23->setStyleSheet(
        QString("QFrame#frame_23{border: none;}QLabel{color: rgb(%1);}").arg(t.TextDefaultColor));
    ui->lineEdit_EnterKey->setStyleSheet(macroSheet(lineEdit("QLineEdit", t.MacroRightBgColor, 10)));
    ui->lineEdit_PressKey->setStyleSheet(macroSheet(lineEdit("QLineEdit", t.MacroRightBgColor, 10)));
    const QString button
        = QString("QPushButton{border-radius: 8px; border: 2px solid rgb(%1); background-color: rgb(%2);"
                  " color: rgb(%3);}QPushButton:hover{border: 2px solid rgb(%4);}"
                  "QPushButton:pressed{color: rgb(%4); border: 2px solid rgb(%4);}")
              .arg(t.MacroBorderColor, t.MacroRightBgColor, t.TextDefaultColor, t.TextCheckedColor);
    ui->pushButton_InsertMacro->setStyleSheet(macroSheet(button));
    ui->pushButton_ModifyMacro->setStyleSheet(macroSheet(button));
    for (QLabel *label : {ui->label_MacroGroup, ui->label_12, ui->label_14, ui->label_InsertMacro, ui->label_Property})
        label->setStyleSheet(macroSheet(QString("QLabel{color: rgb(%1);}").arg(t.TextCheckedColor)));
    ui->label_TotalTime->setStyleSheet(
        macroSheet(QString("QLabel{color: rgb(%1); %2}").arg(t.TextDefaultColor, fontRule(f, 11))));
    for (QWidget *w : std::initializer_list<QWidget *> {ui->scrollArea_2, ui->scrollAreaWidgetContents_2,
                                                        ui->scrollArea_3, ui->scrollAreaWidgetContents_3})
        w->setStyleSheet(QString("#%1{background-color: transparent;}").arg(w->objectName()));

    // The lists show the panel behind them.
    ui->scrollArea_2->viewport()->setAutoFillBackground(false);
    ui->scrollArea_3->viewport()->setAutoFillBackground(false);
    scrollBarSheet = QString("QScrollBar:vertical{background: transparent; width: 4px; margin: 3px 0px 3px 0px;}"
                             "QScrollBar::handle:vertical{background: rgb(%1); min-height: 20px; border-radius: 2px;}"
                             "QScrollBar::handle:vertical:hover{background: rgb(%2);}"
                             "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{background: rgb(%3);"
                             " border-radius: 3px;}"
                             "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{height: 0px;}")
                         .arg(t.AllScrollBarColorDef, t.AllScrollBarColorHover, t.AllScrollBgColor);
    ui->widget_5->setStyleSheet(macroSheet(scrollBarSheet));
    QTimer::singleShot(200, this, &DMacroPage::onScrollSheetSet);

    DDataManager *data = DDataManager::getInstance();
    auto setFont = [&](QWidget *w, int style, int pt) {
        QFont font = data->getFont(style);
        font.setPointSize(pt);
        w->setFont(font);
    };
    for (QWidget *w : std::initializer_list<QWidget *> {ui->label_Title, ui->label_MacroGroup, ui->label_10,
                                                        ui->label_12, ui->label_InsertMacro, ui->label_Property})
        setFont(w, 0, 12);
    setFont(ui->pushButton_InsertMacro, 0, 11);
    setFont(ui->pushButton_ModifyMacro, 0, 11);
    setFont(ui->label_14, 0, 18);
    for (QWidget *w : std::initializer_list<QWidget *> {ui->label_5, ui->label_6, ui->label_7, ui->label_2, ui->label_4,
                                                        ui->label_3, ui->label_13})
        setFont(w, 1, 10);

    QColor noticeBg = ArrowWidget::colorFromThemeText(t.AllBgColor);
    noticeBg.setAlpha(200);
    m_notice->setBackgroundColor(noticeBg);
    m_notice->setTextColor(ArrowWidget::colorFromThemeText(t.TextCheckedColor));
    QFont noticeFont(f);
    noticeFont.setPixelSize(14);
    m_notice->setTextFont(noticeFont);
}

void DMacroPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(macroSheet(scrollBarSheet));
}

void DMacroPage::setRecordLook(bool recording)
{
    const ThemeColorInfo t = DDataManager::getInstance()->getThemeColorInfo();
    QFont font = DDataManager::getInstance()->getFont(0);
    font.setPointSize(13);
    ui->label->setFont(font);
    ui->label->setStyleSheet(
        macroSheet(QString("QLabel{color: rgb(%1);}").arg(recording ? t.TextCheckedColor : t.TextDefaultColor)));
    ui->frame_Record->setStyleSheet(
        macroSheet(QString("QFrame#frame_Record{border: 2px solid rgb(%1); border-radius: 8px;}"
                           "QFrame#frame_Record:hover{border: 2px solid rgb(%2);}")
                       .arg(recording ? t.TextCheckedColor : t.MacroBorderColor, t.TextCheckedColor)));
    ui->frame_RecordIco->setStyleSheet(macroSheet(recording ? "border-image:url(:/images/macro/recordSel.png);"
                                                            : "border-image:url(:/images/macro/recordDef.png);"));
    // Room for either text, so switching between them never cuts the longer one.
    const QString start = QObject::tr("Start record"), stop = QObject::tr("Stop record");
    const QFontMetrics metrics(font);
    ui->label->setMinimumWidth(qMax(metrics.horizontalAdvance(start), metrics.horizontalAdvance(stop)) + 2);
    ui->label->setText(recording ? stop : start);
    ui->frame_Record->setAccessibleName(ui->label->text());
}

void DMacroPage::showNotice(const QString &text)
{
    m_notice->showMessageAt(text, rect().center());
}

void DMacroPage::showTotalDelay()
{
    ui->label_TotalTime->setText(QString::number(totalDelay) + QLatin1Char(' ') + tr("MS"));
}

void DMacroPage::onLoadMacroList()
{
    loadMacroList();
}

void DMacroPage::loadMacroList()
{
    clearMacroList();

    QList<MacroNode> nodes;
    if (!CTavrixXML_SelectMacroAllNodes(m_macroXmlPath, nodes)
        && CTavrixXML_LastFailure().kind != CTavrixXMLFailureKind::Missing) {
        // A damaged file is named to the user, who may move it aside for a new one.
        QString text;
        if (StoreFileQuestion::handle(this, CTavrixXML_LastFailure(), &text)) {
            CTavrixXML_CreateXMLFile(m_macroXmlPath);
            CTavrixXML_SelectMacroAllNodes(m_macroXmlPath, nodes);
        } else if (!text.isEmpty()) {
            showNotice(text);
        }
    }
    if (nodes.isEmpty())
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);

    m_macroList->setMacroXmlPath(m_macroXmlPath);
    m_macroList->setMacros(nodes);
    if (m_macroList->macroCount() > 0) {
        m_macroList->setSelectedRow(0);
        onMacroItemMouseClicked(m_macroList->macroIndexAt(0), m_macroList->macroNameAt(0));
    }
}

void DMacroPage::onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName)
{
    if (m_isRecording)
        return;

    int clicked = -1;
    if (selectFirstOnReload && m_macroList->macroCount() > 0) {
        clicked = 0;
        selectFirstOnReload = false;
    } else if (sender() == m_macroList) {
        clicked = m_macroList->rowOfMacro(strMacroIndex);
    }
    if (clicked >= 0 && clicked != m_macroList->selectedRow()) {
        lastDelay = 0;
        totalDelay = 0;
        m_macroList->setSelectedRow(clicked);
        recordedEvents.clear();
    }

    m_eventList->clearSelectionLook();
    curMacroIndex = strMacroIndex;
    curMacroName = strMacroName;
    pressCount = 0;
    lastEventTick = 0;
    lastDelay = 0;
    totalDelay = 0;
    clearEventRows();
    showTotalDelay();

    QList<MacroEventItem> events;
    const bool ok = CTavrixXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, strMacroIndex.toLatin1(), events);
    if (!ok || events.isEmpty()) {
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
        return;
    }
    ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
    QVector<MacroEventModel::Event> rows;
    rows.reserve(events.size());
    for (const MacroEventItem &event : qAsConst(events)) {
        const MacroEventText::Fields f = MacroEventText::read(event);
        if (f.operateExplain == "down")
            ++pressCount;
        const int delay = MacroEventText::toInt(f.delay);
        rows.append(eventRow(f.mark, delay, f.type, MacroEventText::toInt(f.keyCode), f.codeName, f.operateExplain));
        lastDelay = delay;
        totalDelay += delay;
    }
    m_events->setEvents(std::move(rows));
    showTotalDelay();
    m_eventList->scrollToTop();
}

MacroEventModel::Event DMacroPage::eventRow(const QString &mark, int delay, const QString &type, int keyCode,
                                            const QString &codeName, const QString &operateExplain)
{
    // Numbers as the store will get them back: a delay or code that was no number is 0.
    return {mark, QString::number(delay), type, QString::number(keyCode), codeName, operateExplain};
}

void DMacroPage::insertEventRow(QString mark, int delay, QString type, int keyCode, QString codeName,
                                QString operateExplain, int position)
{
    m_events->insertAt(qBound(0, position, m_events->count()),
                       eventRow(mark, delay, type, keyCode, codeName, operateExplain));
}

void DMacroPage::clearMacroList()
{
    m_macroList->clearMacros();
}

void DMacroPage::clearEventRows()
{
    m_events->clear();
}

int DMacroPage::eventCount() const
{
    return m_events->count();
}

int DMacroPage::nextMarkBase()
{
    QList<MacroEventItem> events;
    CTavrixXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, curMacroIndex.toLatin1(), events);
    return MacroEventText::nextMark(events);
}

void DMacroPage::notifyMacroListChanged()
{
    Q_EMIT sigMacroListHaveChanged(curMacroIndex, curMacroName);
}

void DMacroPage::resizeEvent(QResizeEvent *event)
{
    // The columns share the width 3:4:3, each at least as wide as its texts need.
    const int w = contentsRect().width();
    ui->frame_Left->setMaximumWidth(qMax((w / 10) * 3, ui->frame_Left->minimumSizeHint().width()));
    ui->frame_Right->setMaximumWidth(qMax((w / 10) * 3, ui->frame_Right->minimumSizeHint().width()));
    ui->frame_Center->setMaximumWidth(qMax((w / 10) * 4, ui->frame_Center->minimumSizeHint().width()));
    QDialog::resizeEvent(event);
}

void DMacroPage::on_pushButton_Close_clicked()
{
    DDataManager::getInstance()->setHookRunningMacroRecord(false);
    m_closeAnnounced = true;
    Q_EMIT sigMacroPageClose();
    close();
}

void DMacroPage::reject()
{
    on_pushButton_Close_clicked();
}

void DMacroPage::closeEvent(QCloseEvent *event)
{
    qCDebug(lcMacro) << "The macro editor closes";
    // Closed by other means than the close button (the owner, the window system):
    // the hook and the dimming layer must still be released.
    if (!m_closeAnnounced) {
        m_closeAnnounced = true;
        DDataManager::getInstance()->setHookRunningMacroRecord(false);
        Q_EMIT sigMacroPageClose();
    }
    event->accept();
}
