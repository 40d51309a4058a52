// Editing in the macro editor: adding and deleting macros, selecting, inserting,
// changing, moving, deleting and clearing the events of the current macro.

#include "macros/dmacroeventview.h"
#include "macros/dmacrolistview.h"
#include "macros/dmacropage.h"
#include "macros/macroeventtext.h"
#include "sdk/tavrixxml.h"
#include "ui_dmacropage.h"

#include <QScrollBar>

namespace {

constexpr int kMaxRows = 40;

struct MouseButtonCodes
{
    int press;
    int release;
    const char *caption;
};
constexpr MouseButtonCodes kLeft {513, 514, "Left Click"};
constexpr MouseButtonCodes kCenter {519, 520, "Center Click"};
constexpr MouseButtonCodes kRight {516, 517, "Right Click"};

}  // namespace

void DMacroPage::on_pushButton_Add_clicked()
{
    QList<MacroNode> nodes;
    CTavrixXML_SelectMacroAllNodes(m_macroXmlPath, nodes);
    const int index = MacroEventText::indexForAdd(nodes);
    if (!stored(CTavrixXML_CreateMacroXmlParentNode(m_macroXmlPath, QByteArray::number(index),
                                                    QString("Macro%1").arg(index).toUtf8())))
        return;
    loadMacroList();
    showNotice(QObject::tr("Add macro successful"));
}

void DMacroPage::onDeleteMacro(QString strMacroIndex, QString strMacroName)
{
    Q_UNUSED(strMacroName)
    if (m_isRecording)
        return;
    if (!stored(CTavrixXML_DeleteMacroNode(m_macroXmlPath, strMacroIndex.toLatin1())))
        return;
    if (sender() == m_macroList)
        m_macroList->removeMacro(strMacroIndex);
    showNotice(QObject::tr("Delete macro successful"));

    if (strMacroIndex != curMacroIndex)
        return;
    m_macroList->setSelectedRow(-1);
    QList<MacroNode> nodes;
    CTavrixXML_SelectMacroAllNodes(m_macroXmlPath, nodes);
    if (!nodes.isEmpty() && m_macroList->macroCount() > 0) {
        selectFirstOnReload = true;
        onMacroItemMouseClicked(m_macroList->macroIndexAt(0), m_macroList->macroNameAt(0));
        return;
    }
    curMacroIndex.clear();
    curMacroName.clear();
    emptyEventList();
}

bool DMacroPage::stored(bool ok)
{
    if (!ok) {
        // Read at once: the next store call starts a new record.
        const QString reason = CTavrixXML_FailureText(CTavrixXML_LastFailure());
        showNotice(reason.isEmpty() ? QObject::tr("Saving the macro failed") : reason);
    }
    return ok;
}

void DMacroPage::reloadCurrentMacro()
{
    if (!curMacroIndex.isEmpty())
        onMacroItemMouseClicked(curMacroIndex, curMacroName);
}

void DMacroPage::emptyEventList()
{
    clearEventRows();
    m_eventList->clearSelectionLook();
    totalDelay = 0;
    showTotalDelay();
    ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
}

void DMacroPage::onModifyMacroItemNameIsEmpty()
{
    showNotice(QObject::tr("Macro name can't be empty"));
}

void DMacroPage::onModifyMacroItemNameSuccess()
{
    showNotice(QObject::tr("Modify macro name successful"));
    const int current = m_macroList->selectedRow();
    if (current >= 0 && m_macroList->macroIndexAt(current) == curMacroIndex)
        curMacroName = m_macroList->macroNameAt(current);
}

void DMacroPage::onKeyOrMouseEventClick(int row)
{
    if (row < 0 || row >= m_events->count())
        return;
    const MacroEventModel::Event event = m_events->at(row);
    ui->lineEdit_PressKey->clear();
    const bool isDown = event.operateExplain.contains("down");
    selectedOperateExplain = isDown ? "down" : "up";
    selectedIsUp = isDown ? 0 : 1;
    selectedMark = event.mark;
    ui->lineEdit_DelayNum->setText(event.delay);

    if (event.type == "key") {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
        ui->radioButton_KeyboardEvent->setChecked(true);
    } else if (event.type == "mouse") {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
        ui->radioButton_MouseEvent->setChecked(true);
    }

    if (event.type.contains("mouse")) {
        const QString &keyCode = event.keyCode;
        QRadioButton *button = nullptr;
        if (keyCode == "513" || keyCode == "514")
            button = ui->radioButton_1left;
        else if (keyCode == "519" || keyCode == "520")
            button = ui->radioButton_2center;
        else if (keyCode == "516" || keyCode == "517")
            button = ui->radioButton_3right;
        // The three buttons are exclusive; none checked needs the group switched off a moment.
        ui->radioButton_1left->setAutoExclusive(false);
        ui->radioButton_2center->setAutoExclusive(false);
        ui->radioButton_3right->setAutoExclusive(false);
        for (QRadioButton *b : {ui->radioButton_1left, ui->radioButton_2center, ui->radioButton_3right})
            b->setChecked(b == button);
        ui->radioButton_1left->setAutoExclusive(true);
        ui->radioButton_2center->setAutoExclusive(true);
        ui->radioButton_3right->setAutoExclusive(true);
    } else {
        ui->lineEdit_PressKey->setMaxLength(qMax(1, event.codeName.length()));
        ui->lineEdit_PressKey->setText(event.codeName);
    }
    // The rows of the mark in the clicked state show selected, its partner highlighted.
    m_eventList->setCurrentEventRow(row);
    m_eventList->setSelectionLook(selectedMark, event.operateExplain);
}

void DMacroPage::onDeleteKeyAndMouseEvent(int row)
{
    if (row < 0 || row >= m_events->count())
        return;
    const QString mark = m_events->at(row).mark;
    if (!stored(CTavrixXML_DeleteEventItem(m_macroXmlPath, curMacroIndex.toLatin1(), mark.toLatin1())))
        return;
    // The store drops every event of the mark; a file edited by hand may hold more than one
    // pair under it, and the list must show what the store keeps, where it showed it.
    const int scrolled = m_eventList->verticalScrollBar()->value();
    const QVector<MacroEventModel::Event> removed = m_events->removeMark(mark);
    m_eventList->verticalScrollBar()->setValue(scrolled);
    for (const MacroEventModel::Event &gone : removed) {
        if (gone.operateExplain == QLatin1String("down"))
            --pressCount;
        totalDelay -= MacroEventText::toInt(gone.delay);
    }
    showTotalDelay();
    notifyMacroListChanged();
    m_eventList->setCurrentEventRow(-1);
    if (m_events->count() == 0)
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
}

bool DMacroPage::rewriteCurrentMacro()
{
    const QByteArray index = curMacroIndex.toLatin1();
    recordedEvents.clear();
    recordedEvents.reserve(m_events->count());
    for (const MacroEventModel::Event &e : m_events->events())
        recordedEvents.append(MacroEventText::make({e.mark, e.delay, e.type, e.keyCode, e.codeName, e.operateExplain}));
    return stored(CTavrixXML_DeleteMacroNode(m_macroXmlPath, index)
                  && CTavrixXML_CreateMacroXmlParentNode(m_macroXmlPath, index, curMacroName.toUtf8())
                  && CTavrixXML_AddKeyOrMouseEventItem(m_macroXmlPath, recordedEvents, index));
}

void DMacroPage::on_pushButton_InsertMacro_clicked()
{
    const int selected = m_eventList->currentEventRow();
    if (selected < 0) {
        showNotice(QObject::tr("Please select a specific location first"));
        return;
    }
    if (ui->radioButton_Key->isChecked() && enteredKeyCaption.isEmpty()) {
        showNotice(QObject::tr("Please enter a key"));
        return;
    }
    if (m_events->count() >= kMaxRows) {
        showNotice(QObject::tr("The record of events has reached the limit"));
        return;
    }

    QString type = "key";
    int pressCode = enteredKeyCode;
    int releaseCode = enteredKeyCode;
    QString caption = enteredKeyCaption;
    if (ui->radioButton_Mouse->isChecked()) {
        const MouseButtonCodes &b = ui->radioButton_MouseCenter->isChecked() ? kCenter
            : ui->radioButton_MouseRight->isChecked()                        ? kRight
                                                                             : kLeft;
        type = "mouse";
        pressCode = b.press;
        releaseCode = b.release;
        caption = QString::fromLatin1(b.caption);
    }
    const QString mark = QString::number(nextMarkBase());
    // The pair goes against the selected row; the selection stays on that row, which
    // moves down by two when the pair goes before it.
    const bool after = ui->radioButton_InsertAfter->isChecked();
    const int position = after ? selected + 1 : selected;
    insertEventRow(mark, 0, type, pressCode, caption, "down", position);
    insertEventRow(mark, 0, type, releaseCode, caption, "up", position + 1);

    if (!rewriteCurrentMacro()) {
        reloadCurrentMacro();
        return;
    }
    showNotice(QObject::tr("Insert successful"));
    notifyMacroListChanged();
    ++pressCount;
}

void DMacroPage::on_pushButton_ModifyMacro_clicked()
{
    const int row = m_eventList->currentEventRow();
    if (row < 0) {
        showNotice(QObject::tr("Please select a specific location first"));
        return;
    }
    MacroEventModel::Event selected = m_events->at(row);
    QString keyText = ui->lineEdit_PressKey->text();
    if (keyText.isEmpty() && ui->radioButton_KeyboardEvent->isChecked()) {
        showNotice(QObject::tr("Please enter a key"));
        return;
    }

    QString keyCode = selected.keyCode;
    QString caption = selected.codeName;
    if (keyText != caption) {
        keyCode = QString::number(enteredKeyCode);
        caption = keyText;
    }
    const QString type = ui->radioButton_KeyboardEvent->isChecked() ? "key" : "mouse";
    const MouseButtonCodes *button = nullptr;
    if (type == "mouse") {
        if (ui->radioButton_1left->isChecked())
            button = &kLeft;
        else if (ui->radioButton_2center->isChecked())
            button = &kCenter;
        else if (ui->radioButton_3right->isChecked())
            button = &kRight;
        if (button) {
            keyCode = QString::number(selectedIsUp == 1 ? button->release : button->press);
            caption = QString::fromLatin1(button->caption);
            keyText = caption;
        }
    }

    const QString delay = ui->lineEdit_DelayNum->text();
    const int delayMs = MacroEventText::toInt(delay);
    totalDelay += delayMs - MacroEventText::toInt(selected.delay);
    showTotalDelay();
    selected.delay = QString::number(delayMs);
    m_events->setAt(row, selected);

    const QByteArray index = curMacroIndex.toLatin1();
    const QByteArray mark = selectedMark.toLatin1();
    const QString ownState = selected.operateExplain;
    if (!stored(CTavrixXML_UpdateEventItem(
            m_macroXmlPath, index, mark, selectedIsUp,
            MacroEventText::make({selectedMark, delay, type, keyCode, caption, ownState})))) {
        reloadCurrentMacro();
        return;
    }
    m_events->setAt(row, eventRow(selected.mark, delayMs, type, MacroEventText::toInt(keyCode), caption, ownState));

    int partner = -1;
    for (int r = 0; r < m_events->count() && partner < 0; ++r)
        if (r != row && m_events->at(r).mark == selectedMark && m_events->at(r).operateExplain != ownState)
            partner = r;
    // An event without a partner (a press whose release was never recorded) changes alone.
    if (partner >= 0) {
        const MacroEventModel::Event other = m_events->at(partner);
        const int partnerState = selectedIsUp == 0 ? 1 : 0;
        QString partnerCode = keyCode;
        if (type == "mouse" && button)
            partnerCode = QString::number(partnerState == 1 ? button->release : button->press);
        if (!stored(CTavrixXML_UpdateEventItem(
                m_macroXmlPath, index, mark, partnerState,
                MacroEventText::make({selectedMark, other.delay, type, partnerCode, caption, other.operateExplain})))) {
            reloadCurrentMacro();
            return;
        }
        m_events->setAt(partner,
                        eventRow(other.mark, MacroEventText::toInt(other.delay), type,
                                 MacroEventText::toInt(partnerCode), caption, other.operateExplain));
    }
    showNotice(QObject::tr("Modify successful"));
    if (storeActsOnAnother(row))
        reloadCurrentMacro();
    notifyMacroListChanged();
}

// Moves the selected event by one row, never past its own partner.
bool DMacroPage::moveSelectedEvent(int step)
{
    const int row = m_eventList->currentEventRow();
    if (row < 0) {
        showNotice(QObject::tr("Please select a specific location first"));
        return false;
    }
    const int neighbour = row + step;
    if (neighbour < 0 || neighbour >= m_events->count())
        return false;
    const MacroEventModel::Event &selected = m_events->at(row);
    const MacroEventModel::Event &next = m_events->at(neighbour);
    if (next.mark == selected.mark && next.operateExplain != selected.operateExplain)
        return false;
    if (!stored(CTavrixXML_MacroEventItemUpOrDownOperate(m_macroXmlPath, curMacroIndex.toLatin1(),
                                                         selected.mark.toLatin1(), step < 0 ? 1 : 0,
                                                         selected.operateExplain == "down" ? 0 : 1)))
        return false;
    if (storeActsOnAnother(row)) {
        reloadCurrentMacro();
    } else {
        m_events->moveBy(row, step);
        m_eventList->scrollTo(m_events->index(neighbour));
    }
    notifyMacroListChanged();
    return true;
}

// The store finds an event by its mark and state and takes the first it holds: in a file
// edited by hand with a mark used twice, that may be another event than the row's, and
// the list then shows again what the store holds.
bool DMacroPage::storeActsOnAnother(int row) const
{
    const MacroEventModel::Event &e = m_events->at(row);
    for (int r = 0; r < row; ++r)
        if (m_events->at(r).mark == e.mark && m_events->at(r).operateExplain == e.operateExplain)
            return true;
    return false;
}

void DMacroPage::on_pushButton_MoveUp_clicked()
{
    moveSelectedEvent(-1);
}

void DMacroPage::on_pushButton_MoveDown_clicked()
{
    moveSelectedEvent(1);
}

void DMacroPage::on_pushButton_ClearMacroLst_clicked()
{
    if (curMacroName.isEmpty()) {
        showNotice(QObject::tr("Please select a macro first"));
        return;
    }
    const QByteArray index = curMacroIndex.toLatin1();
    if (!stored(CTavrixXML_DeleteMacroNode(m_macroXmlPath, index)
                && CTavrixXML_CreateMacroXmlParentNode(m_macroXmlPath, index, curMacroName.toUtf8()))) {
        reloadCurrentMacro();
        return;
    }
    clearEventRows();
    recordedEvents.clear();
    m_eventList->clearSelectionLook();
    totalDelay = 0;
    showTotalDelay();
    ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
    showNotice(QObject::tr("Clear record macro successful"));
    notifyMacroListChanged();
    pressCount = 0;
}

void DMacroPage::on_radioButton_Key_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Key);
}

void DMacroPage::on_radioButton_Mouse_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Mouse);
}

void DMacroPage::on_radioButton_KeyboardEvent_clicked()
{
    ui->lineEdit_PressKey->clear();
    ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
}

void DMacroPage::on_radioButton_MouseEvent_clicked()
{
    ui->radioButton_1left->setChecked(true);
    ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
}
