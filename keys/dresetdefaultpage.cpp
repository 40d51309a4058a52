#include "keys/dresetdefaultpage.h"
#include "platform/logcategories.h"

#include "app/ddatamanager.h"
#include "keys/keyoperateinfo.h"
#include "keys/keyoperatetype.h"
#include "sdk/tavrixxml.h"
#include "ui_dresetdefaultpage.h"

#include <QButtonGroup>

DResetDefaultPage::DResetDefaultPage(QWidget *parent) : DKeyFunctionPage(parent), ui(new Ui::DResetDefaultPage)
{
    ui->setupUi(this);
    retranslateTexts();
    ui->pushButton_Cancel->hide();
    m_pressModeGroup = new QButtonGroup(this);
    m_pressModeGroup->addButton(ui->radioButton_LightPress, 0);
    m_pressModeGroup->addButton(ui->radioButton_HeavyPress, 1);
    ui->radioButton_LightPress->setChecked(true);
    connect(m_pressModeGroup, &QButtonGroup::idClicked, this, &DResetDefaultPage::onCurIndexChanged_ModeSel);
}

DResetDefaultPage::~DResetDefaultPage()
{
    delete ui;
}

void DResetDefaultPage::retranslateTexts()
{
    const QString keyName = ui->label_KeyChar->text();
    ui->retranslateUi(this);
    ui->label_KeyChar->setText(keyName);
    ui->label_3->setText(QObject::tr("Default"));
    ui->pushButton_OK->setText(QObject::tr("OK"));
    ui->pushButton_Cancel->setText(QObject::tr("Cancel"));
    ui->radioButton_LightPress->setText(QObject::tr("Light Press"));
    ui->radioButton_HeavyPress->setText(QObject::tr("Heavy Press"));
}

void DResetDefaultPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    const QFont font = themeFont(12);
    ui->label_3->setStyleSheet(titleSheet());
    ui->label_3->setFont(font);
    ui->label_KeyChar->setStyleSheet(keyCaptionSheet());
    ui->label_KeyChar->setFont(font);
    ui->pushButton_OK->setStyleSheet(buttonSheet());
    ui->pushButton_OK->setFont(font);
    ui->frame_Top2->setStyleSheet(
        QStringLiteral("QRadioButton{ color: rgb(%1); font: 75 10pt \"%3\"; }"
                       "QRadioButton:checked{ color: rgb(%2); }"
                       "QRadioButton::indicator{ width: 10px; height: 10px; border-radius: 6px; "
                       "border: 2px solid white; }"
                       "QRadioButton::indicator:checked{ background-color: rgb(%2); }")
            .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont));
}

void DResetDefaultPage::loadKeyInfo()
{
    DKeyFunctionPage::loadKeyInfo();
    if (m_keyCode == -1)
        m_keyName = QStringLiteral("NULL");
    ui->label_KeyChar->setText(m_keyName);
    ui->frame_Top2->setVisible(DDataManager::getInstance()->isMagneticKeyboard() && m_pressModeSelectable);
    ui->radioButton_LightPress->setChecked(true);
    onCurIndexChanged_ModeSel(0);
}

void DResetDefaultPage::setPressModeSelectable(bool)
{
    // The heavy-press items are never written from here, whatever the caller asks.
    ui->frame_Top2->hide();
    m_pressModeSelectable = false;
}

void DResetDefaultPage::clearSelectedKey()
{
    m_keyCode = -1;
    m_keyName = QStringLiteral("NULL");
    ui->label_KeyChar->setText(m_keyName);
}

void DResetDefaultPage::onCurIndexChanged_ModeSel(int selIndex)
{
    const DDataManager *dm = DDataManager::getInstance();
    if (selIndex == 0) {
        m_profileIndex = dm->getCurProfileIndex();
        m_profilePath = dm->getCurProfilePath();
    } else {
        m_profileIndex = 1;
        m_profilePath = dm->getMagneticProfilePath();
    }
}

void DResetDefaultPage::on_pushButton_OK_clicked()
{
    if (m_keyCode == -1) {
        emit sigCustomKeyInfoSaveFailed(KeyOperateType_Unknown, SaveFailure_Refused);
        return;
    }
    const QByteArray index = QByteArray::number(m_profileIndex);
    const QByteArray code = QByteArray::number(m_keyCode);
    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(m_profilePath, index, code, &item);
    bool stored = true;
    if (keyOperateNumber(item.keyDec) != -1) {
        if (keyOperateNumber(item.operateType) == KeyOperateType_Macro) {
            // The profile's copy of a macro goes with the last key that binds it.
            const QByteArray macroValue = keyOperateField(item.value);
            if (CTavrixXML_GetProFileValueNum(m_profilePath, index, "1", macroValue) == 1) {
                const QByteArray macro = QByteArray::number(keyOperateNumber(macroValue));
                stored = CTavrixXML_DeleteProFileBindMacroNode(m_profilePath, index, macro, "Macro" + macro);
            }
        }
        stored
            = CTavrixXML_DeleteProFileMacroWithKeyInfoItem(m_profilePath, index, code, m_keyName.toLatin1()) && stored;
    }
    if (!stored)
        noteStoreFailure();
    // The key is recoloured from what the store now holds, whichever way it went.
    emit sigShouldUpdateKeyboard(m_keyCode);
    if (!stored) {
        qCDebug(lcKeys) << "Key item not removed:" << m_profilePath << index << code;
        emit sigCustomKeyInfoSaveFailed(KeyOperateType_Unknown, SaveFailure_StoreWrite);
        return;
    }
    emit sigCustomKeyInfoSaveSuccessful();
}

void DResetDefaultPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
