// The recorder of the macro editor: key and mouse events from the global hooks
// become event rows with their delays and are appended to the current macro
// when the recording stops. The same key stream fills the two key fields.

#include "app/ddatamanager.h"
#include "macros/dmacroeventview.h"
#include "macros/dmacrolistview.h"
#include "macros/dmacropage.h"
#include "macros/macroeventtext.h"
#include "macros/macrokeytranslate.h"
#include "macros/macrosheet.h"
#include "sdk/tavrixxml.h"
#include "ui_dmacropage.h"

#include <QButtonGroup>
#include <QEvent>

namespace {

constexpr int kMaxPresses = 20;
constexpr int kMaxRows = 40;
constexpr int kMaxDelay = 65535;

struct MouseMessage
{
    int message;
    bool press;
    const char *caption;
};
constexpr MouseMessage kMouseMessages[] = {
    {0x201, true, "Left Click"},   {0x202, false, "Left Click"},  {0x204, true, "Right Click"},
    {0x205, false, "Right Click"}, {0x207, true, "Center Click"}, {0x208, false, "Center Click"},
};

}  // namespace

bool DMacroPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_Record) {
        if (event->type() == QEvent::Enter)
            mouseCaptureSuppressed = true;
        else if (event->type() == QEvent::Leave)
            mouseCaptureSuppressed = false;
        else if (event->type() == QEvent::MouseButtonRelease)
            toggleRecording();
    } else if (watched == ui->lineEdit_EnterKey || watched == ui->lineEdit_PressKey) {
        if (event->type() == QEvent::FocusIn) {
            mouseCaptureSuppressed = true;
            DDataManager::getInstance()->setHookRunningMacroRecord(true);
        } else if (event->type() == QEvent::FocusOut && !m_isRecording) {
            // A key field loses the focus when a recording disables its panel;
            // the recording owns the hook then and keeps it running.
            DDataManager::getInstance()->setHookRunningMacroRecord(false);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DMacroPage::setPanelsEnabled(bool enabled)
{
    for (QWidget *w : {ui->frame_Right, ui->frame_Center, ui->frame_29, ui->frame_34})
        w->setEnabled(enabled);
}

void DMacroPage::toggleRecording()
{
    DDataManager *data = DDataManager::getInstance();
    if (!m_isRecording) {
        if (m_macroList->selectedRow() < 0) {
            // Recording needs a macro to add the events to.
            showNotice(QObject::tr("Please create or select a macro first"));
            return;
        }
        // Recording flag first: the disabled key field's focus loss must not stop the hook.
        m_isRecording = true;
        if (!data->setHookRunningMacroRecord(true)) {
            m_isRecording = false;
            return;
        }
        ui->stackedWidget_2->setCurrentWidget(ui->page_catchList);
        markCounter = nextMarkBase();
        pressedMarks.clear();
        setRecordLook(true);
        showNotice(QObject::tr("Start record macro"));
        lastEventTick = 0;
        lastDelay = 0;
        showTotalDelay();
        setPanelsEnabled(false);
        return;
    }

    if (!data->setHookRunningMacroRecord(false))
        return;
    m_isRecording = false;
    setRecordLook(false);
    showNotice(QObject::tr("Stop record macro"));
    saveRecording();
    recordedEvents.clear();
    setPanelsEnabled(true);
    notifyMacroListChanged();
}

void DMacroPage::saveRecording()
{
    stored(CTavrixXML_AddKeyOrMouseEventItem(m_macroXmlPath, recordedEvents, curMacroIndex.toLatin1()));
    onMacroItemMouseClicked(curMacroIndex, curMacroName);
}

void DMacroPage::onKeyboardReceiveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    const MacroHookKey key = translateMacroHookKey(keyCode, scCode, flag == 1, hookFlag);
    if (key.press && pressCount >= kMaxPresses) {
        showNotice(QObject::tr("The record of events has reached the limit"));
        return;
    }
    const int code = vkToKeyCodeMap.value(key.virtualKey, -1);
    const QString caption = keyCaptionMap.value(code);

    if (m_isRecording) {
        if (key.press) {
            ++pressCount;
            addKeyDownEvent(caption, code);
            return;
        }
        releaseCaption = caption;
        releaseKeyCode = code;
        if (!pressedMarks.contains(code))
            return;
        releaseMark = pressedMarks.take(code);
        addKeyUpEvent();
        return;
    }

    enteredKeyCaption = caption;
    enteredKeyCode = code;
    QLineEdit *field = ui->lineEdit_EnterKey->hasFocus() ? ui->lineEdit_EnterKey : ui->lineEdit_PressKey;
    field->setMaxLength(qMax(1, caption.length()));
    field->setText(caption);
}

void DMacroPage::onMouseReceiveStream(int nCode, quintptr wParam, qintptr lParam)
{
    Q_UNUSED(nCode)
    Q_UNUSED(lParam)
    if (!m_isRecording || mouseCaptureSuppressed)
        return;
    for (const MouseMessage &m : kMouseMessages) {
        if (static_cast<quintptr>(m.message) != wParam)
            continue;
        if (m.press)
            addMouseDownEvent(QString::fromLatin1(m.caption), m.message);
        else
            addMouseUpEvent(QString::fromLatin1(m.caption), m.message);
        return;
    }
}

void DMacroPage::stampDelay(bool firstMayBeZero)
{
    const quint32 now = m_tick();
    if (!firstMayBeZero || lastEventTick != 0)
        lastDelay = static_cast<int>(qMin<quint32>(now - lastEventTick, kMaxDelay));
    lastEventTick = now;
}

void DMacroPage::addKeyDownEvent(QString caption, int keyCode)
{
    const int mark = ++markCounter;
    pressedMarks.insert(keyCode, mark);
    stampDelay(true);
    addEventRow(QString::number(mark), lastDelay, "key", keyCode, caption, "down");
}

void DMacroPage::addKeyUpEvent()
{
    stampDelay(false);
    addEventRow(QString::number(releaseMark), lastDelay, "key", releaseKeyCode, releaseCaption, "up");
}

void DMacroPage::addMouseDownEvent(QString caption, int message)
{
    const int mark = ++markCounter;
    pressedMarks.insert(message, mark);
    stampDelay(true);
    addEventRow(QString::number(mark), lastDelay, "mouse", message, caption, "down");
}

void DMacroPage::addMouseUpEvent(QString caption, int message)
{
    if (!pressedMarks.contains(message - 1))
        return;
    releaseMark = pressedMarks.take(message - 1);
    stampDelay(false);
    addEventRow(QString::number(releaseMark), lastDelay, "mouse", message, caption, "up");
}

void DMacroPage::addEventRow(QString mark, int delay, QString type, int keyCode, QString codeName,
                             QString operateExplain)
{
    if (m_events->count() >= kMaxRows) {
        showNotice(QObject::tr("The record of events has reached the limit"));
        return;
    }
    switch (m_delayModeGroup->checkedId()) {
    case 1: delay = 0; break;
    case 2: delay = MacroEventText::toInt(ui->lineEdit_DefaultDelayNum->text()); break;
    default: break;
    }
    delay = qBound(0, delay, kMaxDelay);

    recordedEvents.append(
        MacroEventText::make({mark, QString::number(delay), type, QString::number(keyCode), codeName, operateExplain}));
    totalDelay += delay;
    showTotalDelay();
    m_events->append(eventRow(mark, delay, type, keyCode, codeName, operateExplain));
    m_eventList->scrollToBottom();
}
