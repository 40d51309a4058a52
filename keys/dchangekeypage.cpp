#include "keys/dchangekeypage.h"

#include "app/ddatamanager.h"
#include "keys/keyoperateinfo.h"
#include "keys/keyoperatetype.h"
#include "ui_dchangekeypage.h"

DChangeKeyPage::DChangeKeyPage(QWidget *parent) : DKeyPickerPage(parent), ui(new Ui::DChangeKeyPage)
{
    ui->setupUi(this);
    setupPicker({0, ui->label_44, ui->lineEdit_changeForKey, ui->frame_Top2, ui->radioButton_LightPress,
                 ui->radioButton_HeavyPress});
    retranslateTexts();
}

DChangeKeyPage::~DChangeKeyPage()
{
    delete ui;
}

void DChangeKeyPage::retranslateTexts()
{
    ui->retranslateUi(this);
    retranslatePicker(QT_TRANSLATE_NOOP("QObject", "Remap Key"), QT_TRANSLATE_NOOP("QObject", "Remap with key?"));
}

void DChangeKeyPage::loadKeyInfo()
{
    loadPicker();
}

void DChangeKeyPage::resetPick()
{
    m_targetKey = -1;
}

void DChangeKeyPage::showStoredItem(const KeyOperateInfo &item)
{
    // Showing a stored target does not make it pending.
    if (keyOperateNumber(item.keyDec) == -1 || keyOperateNumber(item.operateType) != KeyOperateType_RemapKey)
        return;
    ui->lineEdit_changeForKey->setText(m_captions.value(keyOperateNumber(item.value)));
}

void DChangeKeyPage::onSoftKeyboardClicked_VirtualKB(int keyDec)
{
    ui->lineEdit_changeForKey->setText(DDataManager::getInstance()->getKeyCharMap().value(keyDec));
    setTargetKey(keyDec);
}

void DChangeKeyPage::setTargetKey(int keyDec)
{
    if (keyDec == m_targetKey || !m_captions.contains(keyDec))
        return;
    ui->lineEdit_changeForKey->setText(m_captions.value(keyDec));
    m_targetKey = keyDec;
    saveKeyInfo();
}

void DChangeKeyPage::saveKeyInfo()
{
    if (m_targetKey == -1)
        return;
    saveKeyItem(KeyOperateType_RemapKey, "1", "1", QByteArray::number(m_targetKey));
    m_targetKey = -1;
}
