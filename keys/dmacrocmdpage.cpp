#include "keys/dmacrocmdpage.h"

#include "app/ddatamanager.h"
#include "keys/keyoperateinfo.h"
#include "keys/keyoperatetype.h"
#include "keys/macrocopies.h"
#include "sdk/tavrixxml.h"
#include "ui_dmacrocmdpage.h"
#include "widgets/elidedcombo.h"
#include "widgets/themedcombobox.h"

#include <QIntValidator>
#include <QSignalBlocker>

DMacroCmdPage::DMacroCmdPage(QWidget *parent) : DKeyFunctionPage(parent), ui(new Ui::DMacroCmdPage)
{
    ui->setupUi(this);
    ElidedCombo::follow(ui->comboBox_Macro);
    ui->lineEdit_playMany->setValidator(new QIntValidator(kMinPlayCount, kMaxPlayCount, this));
    ui->lineEdit_playMany->setText(QStringLiteral("1"));
    ui->lineEdit_playMany->setEnabled(false);
    ui->radioButton_playOne->setChecked(true);
    connect(ui->comboBox_Macro, QOverload<int>::of(&QComboBox::activated), this, &DMacroCmdPage::onComboBoxActivated);
    retranslateTexts();
}

DMacroCmdPage::~DMacroCmdPage()
{
    delete ui;
}

void DMacroCmdPage::retranslateTexts()
{
    ui->label->setText(QObject::tr("Play Type"));
    ui->radioButton_playOne->setText(QObject::tr("Play once"));
    ui->radioButton_playMany->setText(QObject::tr("Play multiple times"));
    ui->radioButton_playKeyPressRelStop->setText(QObject::tr("Continous playback on/off"));
    ui->radioButton_playWhileKeyPress->setText(QObject::tr("Play while assigned key is pressed"));
    ui->label_3->setText(QObject::tr("Play Number"));
    ui->lineEdit_playMany->setPlaceholderText(QObject::tr("Play Number 1,2,3..."));
    ui->label_2->setText(QObject::tr("Assign Macro"));
    ui->comboBox_Macro->setPlaceholderText(QObject::tr("Select a macro"));
}

void DMacroCmdPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    setStyleSheet(QStringLiteral("QLabel{ color: rgb(%1); font: 75 12pt \"%3\"; }"
                                 "QRadioButton{ color: rgb(%1); font: 75 10pt \"%3\"; }"
                                 "QRadioButton:checked{ color: rgb(%2); }"
                                 "QRadioButton::indicator{ width: 10px; height: 10px; border-radius: 6px; "
                                 "border: 2px solid white; }"
                                 "QRadioButton::indicator:checked{ background-color: rgb(%2); }"
                                 "QLineEdit{ color: rgb(%1); font: 75 10pt \"%3\"; background-color: rgb(%4); "
                                 "border: 1px solid rgb(%5); border-radius: 4px; }"
                                 "QLineEdit:hover{ border: 1px solid rgb(%2); }"
                                 "QLineEdit:focus{ border: 1px solid rgb(%2); }")
                      .arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont, theme.DeviceRightBgColor,
                           theme.DeviceBorderColor));
    ThemedComboBox::apply(ui->comboBox_Macro, ThemedComboBox::functionPageSheet(theme));
}

void DMacroCmdPage::loadKeyInfo()
{
    DKeyFunctionPage::loadKeyInfo();
    m_macroFilePath = DDataManager::getInstance()->getMacroXmlPath();
    m_macroIndex = 0;
    m_playCount = 1;
    m_playMode = PlayMode_Once;

    // Showing the stored binding must not store anything.
    const QSignalBlocker comboBlock(ui->comboBox_Macro);
    const QSignalBlocker countBlock(ui->lineEdit_playMany);
    selectPlayMode(PlayMode_Once);
    ui->lineEdit_playMany->setText(QStringLiteral("1"));

    ui->comboBox_Macro->clear();
    m_macroNames.clear();
    QList<MacroNode> macros;
    CTavrixXML_SelectMacroAllNodes(m_macroFilePath, macros);
    for (const MacroNode &macro : macros) {
        const QString name = QString::fromUtf8(macro.name);
        ui->comboBox_Macro->addItem(name, QString::fromLatin1(macro.index));
        m_macroNames.insert(keyOperateNumber(macro.index), name);
    }
    // No macro is shown as chosen until one is stored or picked.
    ui->comboBox_Macro->setCurrentIndex(-1);

    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(m_profilePath, QByteArray::number(m_profileIndex),
                                           QByteArray::number(m_keyCode), &item);
    if (keyOperateNumber(item.keyDec) == -1 || keyOperateNumber(item.operateType) != KeyOperateType_Macro)
        return;

    const int mode = keyOperateNumber(item.param2);
    const bool known = mode >= PlayMode_Once && mode <= PlayMode_WhilePressed;
    selectPlayMode(known ? mode : PlayMode_Once);
    // A count the keyboard cannot play (a file from elsewhere) shows as 1.
    const int storedCount = keyOperateNumber(item.param1);
    m_playCount = storedCount >= kMinPlayCount && storedCount <= kMaxPlayCount ? storedCount : 1;
    if (mode == PlayMode_Times)
        ui->lineEdit_playMany->setText(QString::number(m_playCount));
    m_macroIndex = keyOperateNumber(item.value);
    m_playMode = mode;
    // By index, not by name: two macros may share a name.
    const int entry = ui->comboBox_Macro->findData(QString::number(m_macroIndex));
    if (entry >= 0)
        ui->comboBox_Macro->setCurrentIndex(entry);
}

void DMacroCmdPage::selectPlayMode(int mode)
{
    QRadioButton *buttons[] = {ui->radioButton_playOne, ui->radioButton_playMany, ui->radioButton_playKeyPressRelStop,
                               ui->radioButton_playWhileKeyPress};
    buttons[mode - PlayMode_Once]->setChecked(true);
    ui->lineEdit_playMany->setEnabled(mode == PlayMode_Times);
}

void DMacroCmdPage::on_radioButton_playOne_clicked()
{
    ui->lineEdit_playMany->setEnabled(false);
    m_playMode = PlayMode_Once;
    apply();
}

void DMacroCmdPage::on_radioButton_playMany_clicked()
{
    ui->lineEdit_playMany->setEnabled(true);
    m_playMode = PlayMode_Times;
    if (fieldCount() == 0) {
        // An empty or out-of-range field shows the last count that was usable.
        const QSignalBlocker block(ui->lineEdit_playMany);
        const int count = (m_playCount >= kMinPlayCount && m_playCount <= kMaxPlayCount) ? m_playCount : 1;
        ui->lineEdit_playMany->setText(QString::number(count));
    }
    apply();
}

void DMacroCmdPage::on_radioButton_playKeyPressRelStop_clicked()
{
    ui->lineEdit_playMany->setEnabled(false);
    m_playMode = PlayMode_Toggle;
    apply();
}

void DMacroCmdPage::on_radioButton_playWhileKeyPress_clicked()
{
    ui->lineEdit_playMany->setEnabled(false);
    m_playMode = PlayMode_WhilePressed;
    apply();
}

void DMacroCmdPage::on_lineEdit_playMany_textChanged(const QString &)
{
    // While the field is being edited it may be empty or read 0: nothing the
    // keyboard can play, so the stored count stays until it holds 1 to 255.
    if (fieldCount() == 0)
        return;
    apply();
}

void DMacroCmdPage::onComboBoxActivated(int)
{
    apply();
}

int DMacroCmdPage::fieldCount() const
{
    bool ok = false;
    const int count = ui->lineEdit_playMany->text().toInt(&ok);
    return ok && count >= kMinPlayCount && count <= kMaxPlayCount ? count : 0;
}

void DMacroCmdPage::apply()
{
    if (ui->radioButton_playOne->isChecked()) {
        m_playMode = PlayMode_Once;
        saveKeyInfo(1, PlayMode_Once);
    } else if (ui->radioButton_playMany->isChecked()) {
        m_playMode = PlayMode_Times;
        if (fieldCount() != 0)
            m_playCount = fieldCount();
        saveKeyInfo(m_playCount, PlayMode_Times);
    } else if (ui->radioButton_playKeyPressRelStop->isChecked()) {
        m_playMode = PlayMode_Toggle;
        saveKeyInfo(1, PlayMode_Toggle);
    } else if (ui->radioButton_playWhileKeyPress->isChecked()) {
        m_playMode = PlayMode_WhilePressed;
        saveKeyInfo(1, PlayMode_WhilePressed);
    }
}

void DMacroCmdPage::saveKeyInfo(int count, int mode)
{
    // The key binds the macro the list shows; with no macro recorded there is
    // nothing to bind. With macros listed but none picked yet, the play mode is
    // kept for the pick and nothing is stored.
    if (ui->comboBox_Macro->count() == 0) {
        emit sigCustomKeyInfoSaveFailed(KeyOperateType_Macro, SaveFailure_Refused);
        return;
    }
    if (ui->comboBox_Macro->currentIndex() < 0)
        return;
    m_macroIndex = ui->comboBox_Macro->currentData().toString().toInt();
    if (mode != PlayMode_Times)
        count = 1;

    const QByteArray index = QByteArray::number(m_profileIndex);
    const QByteArray macro = QByteArray::number(m_macroIndex);
    // The first key of the profile that binds this macro brings its copy along.
    if (CTavrixXML_GetProFileValueNum(m_profilePath, index, QByteArray::number(KeyOperateType_Macro), macro) < 1
        && !MacroCopies::copyIntoProfile(m_profilePath, index, m_macroFilePath, macro)) {
        noteStoreFailure();
        emit sigCustomKeyInfoSaveFailed(KeyOperateType_Macro, SaveFailure_StoreWrite);
        return;
    }
    saveKeyItem(KeyOperateType_Macro, QByteArray::number(count), QByteArray::number(mode), macro);
}
