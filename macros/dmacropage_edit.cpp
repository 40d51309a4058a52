// Editing in the macro editor: adding and deleting macros, selecting, inserting,
// changing, moving, deleting and clearing the events of the current macro.

#include "macros/dcatchkeyandmouseitem.h"
#include "macros/dmacrolistview.h"
#include "macros/dmacropage.h"
#include "macros/macroeventtext.h"
#include "sdk/tavrixxml.h"
#include "ui_dmacropage.h"

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
    eventRows.clear();
    eventSelected = false;
    selectedRow = nullptr;
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

void DMacroPage::onKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                        QString operateExplain)
{
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row)
        return;
    ui->lineEdit_PressKey->clear();
    selectedRow = row;
    const bool isDown = operateExplain.contains("down");
    selectedOperateExplain = isDown ? "down" : "up";
    selectedIsUp = isDown ? 0 : 1;
    selectedMark = row->getMark();
    selectedRowPos = eventListLayout->indexOf(row);
    ui->lineEdit_DelayNum->setText(delay);

    if (type == "key") {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_1);
        ui->radioButton_KeyboardEvent->setChecked(true);
    } else if (type == "mouse") {
        ui->stackedWidget_Property->setCurrentWidget(ui->page_2);
        ui->radioButton_MouseEvent->setChecked(true);
    }

    if (type.contains("mouse")) {
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
        ui->lineEdit_PressKey->setMaxLength(qMax(1, codeName.length()));
        ui->lineEdit_PressKey->setText(codeName);
    }
    eventSelected = true;

    for (DCatchKeyAndMouseItem *r : qAsConst(eventRows))
        r->setHighlighted(r->getMark() == selectedMark && r->getOperateExplain() != operateExplain);
    row->setHighlighted(true);
    for (DCatchKeyAndMouseItem *r : qAsConst(eventRows))
        if (r->getMark() == selectedMark && r->getOperateExplain() == operateExplain)
            r->setSelected(true);
}

void DMacroPage::onMouseEnter(QString selectMark, QString selectOperateExplain)
{
    for (DCatchKeyAndMouseItem *r : qAsConst(eventRows))
        if (r->getMark() == selectMark && r->getOperateExplain() != selectOperateExplain) {
            r->setHighlighted(true);
            return;
        }
}

void DMacroPage::onMouseLeave(QString selectMark, QString selectOperateExplain)
{
    for (DCatchKeyAndMouseItem *r : qAsConst(eventRows))
        if (r->getMark() == selectMark && r->getOperateExplain() != selectOperateExplain) {
            r->setHighlighted(false);
            return;
        }
}

void DMacroPage::removeEventRow(DCatchKeyAndMouseItem *row)
{
    eventRows.removeAll(row);
    eventListLayout->removeWidget(row);
    row->hide();
    row->deleteLater();
    totalDelay -= MacroEventText::toInt(row->getDelay());
    showTotalDelay();
    if (row == selectedRow)
        selectedRow = nullptr;
}

void DMacroPage::onDeleteKeyAndMouseEvent()
{
    auto *row = qobject_cast<DCatchKeyAndMouseItem *>(sender());
    if (!row || !eventRows.contains(row))
        return;
    const QString mark = row->getMark();
    if (!stored(CTavrixXML_DeleteEventItem(m_macroXmlPath, curMacroIndex.toLatin1(), mark.toLatin1())))
        return;
    // The store drops every event of the mark; a file edited by hand may hold more than one
    // pair under it, and the list must show what the store keeps.
    const QList<DCatchKeyAndMouseItem *> rows = eventRows;
    for (DCatchKeyAndMouseItem *r : rows) {
        if (r->getMark() != mark)
            continue;
        if (r->getOperateExplain() == QLatin1String("down"))
            --pressCount;
        removeEventRow(r);
    }
    notifyMacroListChanged();
    eventSelected = false;
    if (eventRows.isEmpty())
        ui->stackedWidget_2->setCurrentWidget(ui->page_isEmpty);
}

bool DMacroPage::rewriteCurrentMacro()
{
    const QByteArray index = curMacroIndex.toLatin1();
    recordedEvents.clear();
    for (DCatchKeyAndMouseItem *row : eventRowsInOrder())
        recordedEvents.append(MacroEventText::make({row->getMark(), row->getDelay(), row->getType(), row->getKeyCode(),
                                                    row->getCodeName(), row->getOperateExplain()}));
    return stored(CTavrixXML_DeleteMacroNode(m_macroXmlPath, index)
                  && CTavrixXML_CreateMacroXmlParentNode(m_macroXmlPath, index, curMacroName.toUtf8())
                  && CTavrixXML_AddKeyOrMouseEventItem(m_macroXmlPath, recordedEvents, index));
}

void DMacroPage::on_pushButton_InsertMacro_clicked()
{
    if (!eventSelected || !selectedRow) {
        showNotice(QObject::tr("Please select a specific location first"));
        return;
    }
    if (ui->radioButton_Key->isChecked() && enteredKeyCaption.isEmpty()) {
        showNotice(QObject::tr("Please enter a key"));
        return;
    }
    if (eventListLayout->count() > kMaxRows) {
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
    // Place the pair against the selected row where it stands now.
    selectedRowPos = eventListLayout->indexOf(selectedRow);
    const bool after = ui->radioButton_InsertAfter->isChecked();
    const int position = after ? selectedRowPos + 1 : selectedRowPos;
    insertEventRow(mark, 0, type, pressCode, caption, "down", position);
    insertEventRow(mark, 0, type, releaseCode, caption, "up", position + 1);
    // The selection stays on the same row, which moved down by two when the pair went before it.
    selectedRowPos = eventListLayout->indexOf(selectedRow);

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
    if (!eventSelected) {
        showNotice(QObject::tr("Please select a specific location first"));
        return;
    }
    if (!selectedRow)
        return;
    QString keyText = ui->lineEdit_PressKey->text();
    if (keyText.isEmpty() && ui->radioButton_KeyboardEvent->isChecked()) {
        showNotice(QObject::tr("Please enter a key"));
        return;
    }

    QString keyCode = selectedRow->getKeyCode();
    QString caption = selectedRow->getCodeName();
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
    totalDelay += MacroEventText::toInt(delay) - MacroEventText::toInt(selectedRow->getDelay());
    showTotalDelay();
    selectedRow->setDelay(MacroEventText::toInt(delay));

    const QByteArray index = curMacroIndex.toLatin1();
    const QByteArray mark = selectedMark.toLatin1();
    const QString ownState = selectedRow->getOperateExplain();
    if (!stored(CTavrixXML_UpdateEventItem(
            m_macroXmlPath, index, mark, selectedIsUp,
            MacroEventText::make({selectedMark, delay, type, keyCode, caption, ownState})))) {
        reloadCurrentMacro();
        return;
    }
    selectedRow->setEventData(MacroEventText::toInt(delay), type, MacroEventText::toInt(keyCode), caption, ownState);

    DCatchKeyAndMouseItem *partner = nullptr;
    for (DCatchKeyAndMouseItem *r : qAsConst(eventRows))
        if (r != selectedRow && r->getMark() == selectedMark && r->getOperateExplain() != ownState) {
            partner = r;
            break;
        }
    // An event without a partner (a press whose release was never recorded) changes alone.
    if (partner) {
        const int partnerState = selectedIsUp == 0 ? 1 : 0;
        QString partnerCode = keyCode;
        if (type == "mouse" && button)
            partnerCode = QString::number(partnerState == 1 ? button->release : button->press);
        const QString partnerDelay = partner->getDelay();
        if (!stored(CTavrixXML_UpdateEventItem(m_macroXmlPath, index, mark, partnerState,
                                               MacroEventText::make({selectedMark, partnerDelay, type, partnerCode,
                                                                     caption, partner->getOperateExplain()})))) {
            reloadCurrentMacro();
            return;
        }
        partner->setEventData(MacroEventText::toInt(partnerDelay), type, MacroEventText::toInt(partnerCode), caption,
                              partner->getOperateExplain());
    }
    showNotice(QObject::tr("Modify successful"));
    notifyMacroListChanged();
}

void DMacroPage::on_pushButton_MoveUp_clicked()
{
    if (!eventSelected || !selectedRow) {
        showNotice(QObject::tr("Please select a specific location first"));
        return;
    }
    selectedRowPos = eventListLayout->indexOf(selectedRow);
    if (selectedRowPos <= 0)
        return;
    DCatchKeyAndMouseItem *before = rowAt(selectedRowPos - 1);
    if (!before
        || (before->getMark() == selectedRow->getMark()
            && before->getOperateExplain() != selectedRow->getOperateExplain()))
        return;
    if (!stored(CTavrixXML_MacroEventItemUpOrDownOperate(m_macroXmlPath, curMacroIndex.toLatin1(),
                                                         selectedRow->getMark().toLatin1(), 1,
                                                         selectedRow->getOperateExplain() == "down" ? 0 : 1)))
        return;
    eventListLayout->removeWidget(selectedRow);
    eventListLayout->insertWidget(selectedRowPos - 1, selectedRow);
    keepTreeInScreenOrder(selectedRow);
    --selectedRowPos;
    notifyMacroListChanged();
}

void DMacroPage::on_pushButton_MoveDown_clicked()
{
    if (!eventSelected || !selectedRow) {
        showNotice(QObject::tr("Please select a specific location first"));
        return;
    }
    selectedRowPos = eventListLayout->indexOf(selectedRow);
    if (selectedRowPos < 0 || selectedRowPos >= eventRowCount() - 1)
        return;
    DCatchKeyAndMouseItem *next = rowAt(selectedRowPos + 1);
    if (!next
        || (next->getMark() == selectedRow->getMark() && next->getOperateExplain() != selectedRow->getOperateExplain()))
        return;
    if (!stored(CTavrixXML_MacroEventItemUpOrDownOperate(m_macroXmlPath, curMacroIndex.toLatin1(),
                                                         selectedRow->getMark().toLatin1(), 0,
                                                         selectedRow->getOperateExplain() == "down" ? 0 : 1)))
        return;
    eventListLayout->removeWidget(selectedRow);
    eventListLayout->insertWidget(selectedRowPos + 1, selectedRow);
    keepTreeInScreenOrder(selectedRow);
    ++selectedRowPos;
    notifyMacroListChanged();
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
    eventRows.clear();
    recordedEvents.clear();
    eventSelected = false;
    selectedRow = nullptr;
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
