#include "keys/dkeycombinationpage.h"

#include "keyboardview/dvirtualkeyboardtool.h"
#include "keys/keyoperateinfo.h"
#include "keys/keyoperatetype.h"
#include "ui_dkeycombinationpage.h"

namespace {

constexpr int kHighlightingKeyboard = 1;

}  // namespace

DKeyCombinationPage::DKeyCombinationPage(QWidget *parent) : DKeyPickerPage(parent), ui(new Ui::DKeyCombinationPage)
{
    ui->setupUi(this);
    setupPicker({kHighlightingKeyboard, ui->label_5, ui->lineEdit_keyCombination, ui->frame_Top2,
                 ui->radioButton_LightPress, ui->radioButton_HeavyPress});
    retranslateTexts();
}

DKeyCombinationPage::~DKeyCombinationPage()
{
    delete ui;
}

void DKeyCombinationPage::retranslateTexts()
{
    ui->retranslateUi(this);
    retranslatePicker(QT_TRANSLATE_NOOP("QObject", "Key Combination"), QT_TRANSLATE_NOOP("QObject", "Enter key?"));
}

void DKeyCombinationPage::loadKeyInfo()
{
    loadPicker();
}

void DKeyCombinationPage::resetPick()
{
    m_picker.reset();
    virtualKeyboard()->clearKeyHighlights();
}

void DKeyCombinationPage::showStoredItem(const KeyOperateInfo &item)
{
    // Only shown: a stored combination does not enter the pick sequence.
    if (keyOperateNumber(item.keyDec) == -1 || keyOperateNumber(item.operateType) != KeyOperateType_KeyCombination)
        return;
    ui->lineEdit_keyCombination->setText(KeyCombinationPicker::describe(keyOperateField(item.value), m_captions));
}

void DKeyCombinationPage::popupOpened()
{
    virtualKeyboard()->setKeyHighlightEnabled(true);
}

void DKeyCombinationPage::popupClosed()
{
    // The pick sequence goes on when the pop-up opens again.
    virtualKeyboard()->setKeyHighlightEnabled(false);
}

void DKeyCombinationPage::addCapturedKey(int keyDec)
{
    onSoftKeyboardClicked_VirtualKB(keyDec);
}

void DKeyCombinationPage::onSoftKeyboardClicked_VirtualKB(int keyDec)
{
    switch (m_picker.pick(keyDec, m_captions)) {
    case KeyCombinationPicker::Outcome_Listed: ui->lineEdit_keyCombination->setText(m_picker.text()); break;
    case KeyCombinationPicker::Outcome_ClearHighlights: virtualKeyboard()->clearKeyHighlights(); break;
    case KeyCombinationPicker::Outcome_Highlight: virtualKeyboard()->highlightKey(keyDec); break;
    case KeyCombinationPicker::Outcome_Complete:
        ui->lineEdit_keyCombination->setText(m_picker.text());
        virtualKeyboard()->clearKeyHighlights();
        saveKeyInfo();
        break;
    case KeyCombinationPicker::Outcome_NotTaken: break;
    }
}

void DKeyCombinationPage::saveKeyInfo()
{
    if (m_picker.modifierMask() == 0 || m_picker.mainKey() == 0)
        return;
    saveKeyItem(KeyOperateType_KeyCombination, "1", "1",
                KeyCombinationPicker::value(m_picker.modifierMask(), m_picker.mainKey()));
    m_picker.clearStored();
}
