#include "devicepage/dperformancepage.h"

#include "app/ddatamanager.h"
#include "devicelink/keyboardwideprofile.h"
#include "platform/keyboardsettingslauncher.h"
#include "sdk/tavrixxml.h"
#include "ui_dperformancepage.h"
#include "widgets/textfit.h"

#include <QIntValidator>

namespace {

// Device type of the layout files whose keyboards have no sleep times.
constexpr int kNoSleepDeviceType = 5;

QByteArray flagText(bool on)
{
    return on ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
}

// A stored choice counts as on when its decimal value is not 0.
bool isOn(const char *text)
{
    return QByteArray(text).toInt() != 0;
}

const char *const kFrameStyle = "QFrame#frame_Left,QFrame#frame_Center{border:3px solid rgb(%1);border-radius:8px;}";
const char *const kCheckBoxStyle = "QCheckBox{color:rgb(%1);font:bold 10pt \"%3\";}"
                                   "QCheckBox:checked{color:rgb(%2);}"
                                   "QCheckBox::indicator{width:13px;height:13px;}"
                                   "QCheckBox::indicator:unchecked{image:url(:/images/publicIco/checkBoxDef.png);}"
                                   "QCheckBox::indicator:checked{image:url(:/images/publicIco/checkBoxSel.png);}";
const char *const kLabelStyle = "QLabel{color:rgb(%1);}";
const char *const kLineEditStyle = "QLineEdit{color:rgb(%2);font:bold 8pt \"%4\";background-color:rgb(%1);"
                                   "border:1px solid rgb(%5);border-radius:4px;}"
                                   "QLineEdit:hover{border:1px solid rgb(%3);}"
                                   "QLineEdit:focus{border:1px solid rgb(%3);}";
const char *const kButtonStyle = "QPushButton{border-radius:8px;border:2px solid rgb(%1);background-color:rgb(%2);"
                                 "color:rgb(%3);}"
                                 "QPushButton:hover{background-color:rgb(%4);border:2px solid rgb(%6);}"
                                 "QPushButton:pressed{color:rgb(%6);background-color:rgb(%5);"
                                 "border:2px solid rgb(%6);}";

QFont sized(QFont font, int pointSize)
{
    font.setPointSize(pointSize);
    return font;
}

}  // namespace

DPerformancePage::DPerformancePage(QWidget *parent) : QWidget(parent), ui(new Ui::DPerformancePage)
{
    ui->setupUi(this);
    setTexts();
    ui->lineEdit_LightSleep->setValidator(new QIntValidator(0, kLightSleepMax, this));
    ui->lineEdit_KeyboardSleep->setValidator(new QIntValidator(kKeyboardSleepMin, kKeyboardSleepMax, this));
}

DPerformancePage::~DPerformancePage()
{
    delete ui;
}

void DPerformancePage::setTexts()
{
    ui->label->setText(QObject::tr("If Win Lock is on:"));
    ui->checkBox_disableWindowsKey->setText(QObject::tr("Disable Windows key"));
    ui->checkBox_disableSHIFT_TAB->setText(QObject::tr("Disable SHIFT+TAB"));
    ui->checkBox_disableALT_TAB->setText(QObject::tr("Disable ALT+TAB"));
    ui->checkBox_disableALT_F4->setText(QObject::tr("Disable ALT+F4"));
    TextFit::setText(ui->label_2, QObject::tr("Light into sleep:"));
    ui->label_3->setText(QObject::tr("Second"));
    TextFit::setText(ui->label_5, QObject::tr("Keyboard into sleep:"));
    ui->label_4->setText(QObject::tr("Minute"));
    ui->pushButton_SubmitSleepTime->setText(QObject::tr("Submit"));
    ui->lineEdit_LightSleep->setAccessibleName(QObject::tr("Light into sleep:").remove(QLatin1Char(':')).trimmed());
    ui->lineEdit_KeyboardSleep->setAccessibleName(
        QObject::tr("Keyboard into sleep:").remove(QLatin1Char(':')).trimmed());
    ui->pushButton_Restore->setText(QObject::tr("Reset current profile"));
    ui->pushButton_keyboardProperties->setText(QObject::tr("Keyboard properties"));
    ui->checkBox_ProhibitSleep->setText(QObject::tr("Prohibit Sleep"));
}

void DPerformancePage::retranslateTexts()
{
    ui->retranslateUi(this);
    setTexts();
    // retranslateUi put the design-time numbers back into the edits.
    reloadSettings();
}

void DPerformancePage::reloadSettings()
{
    // These settings are the keyboard's, not a layer's: the FN layer shows the same.
    const KeyboardWideProfile::Ref profile = KeyboardWideProfile::defaultLayer(m_profilePath, m_profileIndex);
    ProfileFunctionInfo winLock;
    for (char *field : {winLock.altTab, winLock.altF4, winLock.shiftTab, winLock.winKey})
        qstrcpy(field, "0");
    CTavrixXML_GetProFileFunctionInfo(profile.path, profile.index, &winLock);
    // setChecked emits no clicked(), so showing the choices stores nothing.
    ui->checkBox_disableALT_TAB->setChecked(isOn(winLock.altTab));
    ui->checkBox_disableALT_F4->setChecked(isOn(winLock.altF4));
    ui->checkBox_disableSHIFT_TAB->setChecked(isOn(winLock.shiftTab));
    ui->checkBox_disableWindowsKey->setChecked(isOn(winLock.winKey));

    ProfileSleepTimeInfo sleep;
    CTavrixXML_GetProFileIntoSleepTimeInfo(profile.path, profile.index, &sleep);
    ui->lineEdit_LightSleep->setText(QString::number(sleep.lightSleepTime));
    ui->lineEdit_KeyboardSleep->setText(QString::number(sleep.keyboardSleepTime));

    DDataManager *data = DDataManager::getInstance();
    const bool prohibit = data->getProhibitSleep() != 0;
    ui->lineEdit_KeyboardSleep->setReadOnly(prohibit);
    ui->checkBox_ProhibitSleep->setChecked(prohibit);

    const bool offersProhibit = data->getCurProductName() == QLatin1String(kProhibitSleepModel);
    ui->frame_ProhibitSleep->setVisible(offersProhibit);
    if (!offersProhibit)
        ui->lineEdit_KeyboardSleep->setReadOnly(false);

    ui->frame_Center->setVisible(!data->isMagneticKeyboard() && data->getHidDeviceType() != kNoSleepDeviceType);
}

void DPerformancePage::saveWinLockSettings()
{
    const bool winKey = ui->checkBox_disableWindowsKey->isChecked();
    const bool shiftTab = ui->checkBox_disableSHIFT_TAB->isChecked();
    const bool altTab = ui->checkBox_disableALT_TAB->isChecked();
    const bool altF4 = ui->checkBox_disableALT_F4->isChecked();
    const KeyboardWideProfile::Ref profile = KeyboardWideProfile::defaultLayer(m_profilePath, m_profileIndex);
    if (!profile.isValid()
        || !CTavrixXML_AddProFileFunctionInfo(profile.path, profile.index, flagText(altTab), flagText(altF4),
                                              flagText(shiftTab), flagText(winKey))) {
        // The keyboard's Win-lock filter reads the choices back from the profile,
        // so a choice that was not stored is not sent either.
        Q_EMIT sigSomeMessageTip_PerformancePage(QObject::tr("Saving the Win lock choices failed"));
        reloadSettings();
        return;
    }
    Q_EMIT sigLockWinKeyAbout(winKey, shiftTab, altTab, altF4);
}

void DPerformancePage::on_checkBox_disableWindowsKey_clicked()
{
    saveWinLockSettings();
}

void DPerformancePage::on_checkBox_disableSHIFT_TAB_clicked()
{
    saveWinLockSettings();
}

void DPerformancePage::on_checkBox_disableALT_TAB_clicked()
{
    saveWinLockSettings();
}

void DPerformancePage::on_checkBox_disableALT_F4_clicked()
{
    saveWinLockSettings();
}

void DPerformancePage::on_pushButton_Restore_clicked()
{
    Q_EMIT sigRestoreCurrentProfile();
}

void DPerformancePage::on_pushButton_keyboardProperties_clicked()
{
    if (!KeyboardSettingsLauncher::launch())
        Q_EMIT sigSomeMessageTip_PerformancePage(QObject::tr("The desktop's keyboard settings could not be opened"));
}

void DPerformancePage::on_checkBox_ProhibitSleep_clicked()
{
    ui->lineEdit_KeyboardSleep->setReadOnly(ui->checkBox_ProhibitSleep->isChecked());
}

void DPerformancePage::on_pushButton_SubmitSleepTime_clicked()
{
    // The device page checks the values; a text that is no number counts as 0.
    const int light = ui->lineEdit_LightSleep->text().toInt();
    const int keyboard = ui->lineEdit_KeyboardSleep->text().toInt() * 60;
    const int prohibit = ui->checkBox_ProhibitSleep->isChecked() ? 1 : 0;
    Q_EMIT sigLightAndKeyboardSleepTime(light, keyboard, prohibit);
}

void DPerformancePage::applyTheme()
{
    DDataManager *data = DDataManager::getInstance();
    const ThemeColorInfo theme = data->getThemeColorInfo();
    const QFont normal = data->getFont(1);

    ui->frame_Left->setStyleSheet(QString::fromLatin1(kFrameStyle).arg(theme.DeviceBorderColor));
    ui->frame_Center->setStyleSheet(QString::fromLatin1(kFrameStyle).arg(theme.DeviceBorderColor));
    ui->frame_4->setStyleSheet(
        QString::fromLatin1(kCheckBoxStyle).arg(theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont));

    const QString labelStyle = QString::fromLatin1(kLabelStyle).arg(theme.TextDefaultColor);
    for (QLabel *heading : {ui->label, ui->label_2, ui->label_5}) {
        heading->setStyleSheet(labelStyle);
        heading->setFont(sized(normal, 11));
    }
    for (QLabel *unit : {ui->label_3, ui->label_4}) {
        unit->setStyleSheet(labelStyle);
        unit->setFont(sized(normal, 10));
    }

    const QString editStyle = QString::fromLatin1(kLineEditStyle)
                                  .arg(theme.DeviceRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor,
                                       theme.TextFont, theme.DeviceBorderColor);
    ui->lineEdit_LightSleep->setStyleSheet(editStyle);
    ui->lineEdit_KeyboardSleep->setStyleSheet(editStyle);

    const QString buttonStyle = QString::fromLatin1(kButtonStyle)
                                    .arg(theme.DeviceBorderColor, theme.DeviceRightBgColor, theme.TextDefaultColor,
                                         theme.DeviceRightBgColor, theme.DeviceRightBgColor, theme.TextCheckedColor);
    for (QPushButton *button :
         {ui->pushButton_SubmitSleepTime, ui->pushButton_Restore, ui->pushButton_keyboardProperties}) {
        button->setStyleSheet(buttonStyle);
        button->setFont(sized(normal, 11));
    }
}
