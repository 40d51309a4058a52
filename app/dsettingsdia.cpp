#include "app/dsettingsdia.h"
#include "app/appversion.h"
#include "platform/logcategories.h"

#include "app/dapplication.h"
#include "app/ddatamanager.h"
#include "app/trayavailability.h"
#include "firmware/dfirmwareinfoshow.h"
#include "platform/xdgautostart.h"
#include "ui_dsettingsdia.h"
#include "widgets/arrowwidget.h"
#include "widgets/cbnotice.h"
#include "widgets/readablecolour.h"
#include "widgets/textfit.h"
#include "widgets/themedcombobox.h"
#include "widgets/windowshape.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QListView>
#include <QMouseEvent>
#include <QSettings>
#include <QUrl>

namespace {

// The language box, in its order: the name each language has in itself (never
// translated) and the language number that is stored.
struct LanguageRow
{
    const char *text;  // UTF-8
    int index;
};

const LanguageRow kLanguages[] = {
    {"简体中文", 1}, {"English", 3},   {"繁體中文", 2},  {"한국어", 5},      {"Русский", 6},
    {"日本語", 4},   {"Español", 8},   {"Português", 9}, {"Deutsch", 10},    {"Italiano", 11},
    {"Polski", 12},  {"Français", 13}, {"العربية", 7},   {"Українська", 14}, {"Čeština", 15},
};

// Theme numbers in the order of the theme box.
constexpr int kThemeCount = 5;
constexpr int kOtherTheme = 4;
const char *const kThemeNames[kThemeCount]
    = {QT_TRANSLATE_NOOP("DSettingsDia", "Dark"), QT_TRANSLATE_NOOP("DSettingsDia", "Light"),
       QT_TRANSLATE_NOOP("DSettingsDia", "Blue"), QT_TRANSLATE_NOOP("DSettingsDia", "Pink"),
       QT_TRANSLATE_NOOP("DSettingsDia", "Other")};

const QString kAutoStartKey = QStringLiteral("AutoStart/isAutoStart");
const QString kCloseToTrayKey = QStringLiteral("CloseToTray/isCloseToTray");
const QString kLanguageKey = QStringLiteral("Language/selectLanguageIndex");
const QString kThemeKey = QStringLiteral("Theme/selectThemeIndex");
const QString kBgImageKey = QStringLiteral("ThemeBgImage/BgImageIsUsing");

// Used when the default settings name no web page of their own.
const QString kMakerWebPage = QStringLiteral("https://www.quorin.example");

DSettingsDia::LanguageLoader &languageLoader()
{
    static DSettingsDia::LanguageLoader loader = [](int language) {
        DApplication *app = DApplication::instance();
        return app && app->setLanguage(language);
    };
    return loader;
}

QString themeName(int index)
{
    return DSettingsDia::tr(kThemeNames[(index >= 0 && index < kThemeCount) ? index : 0]);
}

// The red, green and blue fields of a theme colour text.
QString rgbFields(const QString &color)
{
    return color.section(QLatin1Char(','), 0, 2);
}

}  // namespace

DSettingsDia::DSettingsDia(QWidget *parent) : QDialog(parent), m_ui(new Ui::DSettingsDia)
{
    m_ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    WindowShape::followRoundedRect(this, 12);  // no black corners without a compositor
    setFixedSize(700, 500);

    setTexts();
    // The theme section stays hidden: theme and background pictures keep what the
    // settings file holds.
    for (QWidget *hidden : {static_cast<QWidget *>(m_ui->frame_15), static_cast<QWidget *>(m_ui->frame_18),
                            static_cast<QWidget *>(m_ui->frame_19), static_cast<QWidget *>(m_ui->checkBox_UsingBgImage),
                            static_cast<QWidget *>(m_ui->frame_6)})
        hidden->hide();

    auto *pages = new QButtonGroup(this);
    pages->addButton(m_ui->pushButton_General, 0);
    pages->addButton(m_ui->pushButton_About, 1);
    connect(pages, &QButtonGroup::idClicked, this, &DSettingsDia::onCurIndexChanged);

    m_notice = new CbNotice(this);
    m_notice->setTextPixelSize(16);

    m_settingsPath = DDataManager::getInstance()->getUserConfigDir() + QLatin1String("/TavrixConfig.ini");
    m_settings = new QSettings(m_settingsPath, QSettings::IniFormat);

    m_ui->checkBox_AutoStart->setChecked(m_settings->value(kAutoStartKey, false).toBool());
    m_ui->checkBox_Close->setChecked(m_settings->value(kCloseToTrayKey, false).toBool());

    m_ui->stackedWidget->setCurrentWidget(m_ui->page_Settings);
    m_ui->pushButton_General->setChecked(true);

    // List views, so that the style sheet's item height applies.
    m_ui->comboBox_Language->setView(new QListView(m_ui->comboBox_Language));
    m_ui->comboBox_Theme->setView(new QListView(m_ui->comboBox_Theme));

    // Filling and selecting must not count as the user's choice.
    m_ui->comboBox_Language->blockSignals(true);
    m_ui->comboBox_Theme->blockSignals(true);
    for (const LanguageRow &row : kLanguages)
        m_ui->comboBox_Language->addItem(QString::fromUtf8(row.text));
    fillThemeBox();
    const QString language = languageText(m_settings->value(kLanguageKey, 1).toInt());
    m_ui->comboBox_Language->setCurrentText(language.isEmpty() ? languageText(1) : language);
    m_themeIndex = m_settings->value(kThemeKey, 0).toInt();
    selectTheme(m_themeIndex);
    m_ui->comboBox_Language->blockSignals(false);
    m_ui->comboBox_Theme->blockSignals(false);

    m_ui->checkBox_UsingBgImage->setChecked(DDataManager::getInstance()->isBgImageUsing());

    fillAboutPage();
    connect(m_ui->label_Link, &QLabel::linkActivated, this, &DSettingsDia::onLinkActivated);
    m_ui->frame_LogoSet->installEventFilter(this);
    applyTheme();
}

DSettingsDia::~DSettingsDia()
{
    delete m_settings;
    delete m_ui;
}

void DSettingsDia::setLanguageLoader(LanguageLoader loader)
{
    languageLoader() = std::move(loader);
}

int DSettingsDia::languageIndexForText(const QString &text)
{
    // Checked in the order of the language numbers, the first contained name wins.
    for (int index = 1; index <= 15; ++index) {
        const QString name = languageText(index);
        if (!name.isEmpty() && text.contains(name))
            return index;
    }
    return 1;
}

QString DSettingsDia::languageText(int index)
{
    for (const LanguageRow &row : kLanguages) {
        if (row.index == index)
            return QString::fromUtf8(row.text);
    }
    return QString();
}

void DSettingsDia::showNoUpgradeableDevices()
{
    showNotice(QObject::tr("No upgradeable devices found"));
}

void DSettingsDia::setTexts()
{
    m_ui->label_Title->setText(QObject::tr("Settings"));
    m_ui->pushButton_General->setText(QObject::tr("General"));
    m_ui->pushButton_About->setText(QObject::tr("About"));
    m_ui->label->setText(QObject::tr("Language"));
    m_ui->label_2->setText(QObject::tr("Theme"));
    m_ui->checkBox_UsingBgImage->setText(QObject::tr("Background image"));
    m_ui->label_3->setText(QObject::tr("Auto start"));
    m_ui->checkBox_AutoStart->setText(QObject::tr("Launch applications when the system starts (Minimized)"));
    // Closing to a tray that the desktop does not show would hide the program for
    // good: the option is kept but cannot be used, and says why.
    const bool tray = TrayAvailability::isAvailable();
    m_ui->checkBox_Close->setEnabled(tray);
    TextFit::setText(m_ui->checkBox_Close,
                     tray ? QObject::tr("Close startup to tray")
                          : QObject::tr("Close startup to tray (no system tray found)"));
    m_ui->label_4->setText(QObject::tr("Upgrade"));
    m_ui->pushButton_UpgradeCheck->setText(QObject::tr("Firmware upgrade check"));
}

void DSettingsDia::fillThemeBox()
{
    m_ui->comboBox_Theme->clear();
    const int count = DDataManager::getInstance()->isUserConfig() ? kThemeCount : kOtherTheme;
    for (int i = 0; i < count; ++i)
        m_ui->comboBox_Theme->addItem(themeName(i));
}

void DSettingsDia::selectTheme(int index)
{
    // A theme the box does not offer leaves the selection as it is.
    const int item = m_ui->comboBox_Theme->findText(themeName(index));
    if (item >= 0)
        m_ui->comboBox_Theme->setCurrentIndex(item);
}

void DSettingsDia::onCurIndexChanged(int selIndex)
{
    if (selIndex == 0) {
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_Settings);
        return;
    }
    fillAboutPage();
    m_ui->stackedWidget->setCurrentWidget(m_ui->page_TipInfo);
}

void DSettingsDia::writeSetting(const QString &key, const QVariant &value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

void DSettingsDia::showNotice(const QString &text)
{
    m_notice->showMessageAt(text, rect().center());
}

void DSettingsDia::on_checkBox_AutoStart_clicked()
{
    const bool on = m_ui->checkBox_AutoStart->isChecked();
    const QString appName = QCoreApplication::applicationName();
    const bool done = on ? XdgAutoStart::write(appName, m_companyName, QCoreApplication::applicationFilePath())
                         : XdgAutoStart::remove(appName);
    if (done) {
        writeSetting(kAutoStartKey, on);
        showNotice(QObject::tr("Set config success"));
        return;
    }
    // The box and the setting say what the desktop will really do at the next log-in.
    const bool present = XdgAutoStart::exists(appName);
    qCWarning(lcApp) << "Auto-start entry could not be changed:" << XdgAutoStart::entryPath(appName);
    m_ui->checkBox_AutoStart->setChecked(present);
    writeSetting(kAutoStartKey, present);
    showNotice(QObject::tr("Set config failed"));
}

void DSettingsDia::on_checkBox_Close_clicked()
{
    writeSetting(kCloseToTrayKey, m_ui->checkBox_Close->isChecked());
    showNotice(QObject::tr("Set config success"));
}

void DSettingsDia::on_comboBox_Language_currentIndexChanged(const QString &text)
{
    const int index = languageIndexForText(text);
    writeSetting(kLanguageKey, index);
    if (!languageLoader() || !languageLoader()(index))
        return;

    m_ui->comboBox_Theme->blockSignals(true);
    m_ui->retranslateUi(this);
    fillThemeBox();
    selectTheme(m_themeIndex);
    setTexts();
    Q_EMIT sigUpdateAllUI();
    m_ui->comboBox_Theme->blockSignals(false);
}

void DSettingsDia::on_comboBox_Theme_currentIndexChanged(const QString &text)
{
    int index = 0;
    for (int i = 0; i < kThemeCount; ++i) {
        if (text.contains(themeName(i))) {
            index = i;
            break;
        }
    }
    writeSetting(kThemeKey, index);
    m_themeIndex = index;
    DDataManager::getInstance()->setTheme(index);
    applyTheme();
    Q_EMIT sigChangeAppTheme(m_themeIndex);
}

void DSettingsDia::on_checkBox_UsingBgImage_clicked()
{
    const bool on = m_ui->checkBox_UsingBgImage->isChecked();
    writeSetting(kBgImageKey, on);
    DDataManager *data = DDataManager::getInstance();
    data->setBgImageUsing(on);
    data->setTheme(m_themeIndex);
    applyTheme();
    Q_EMIT sigChangeAppTheme(m_themeIndex);
}

void DSettingsDia::on_pushButton_UpgradeCheck_clicked()
{
    Q_EMIT sigFirmwareUpgradeCheck();
}

void DSettingsDia::on_pushButton_CheckAppUpdate_clicked()
{
    Q_EMIT sigUpdateApp();
}

void DSettingsDia::fillAboutPage()
{
    QSettings defaults(QString::fromLatin1(DDataManager::kDefaultSettingsResource), QSettings::IniFormat);
    defaults.setIniCodec("UTF-8");
    m_companyName = defaults.value(QStringLiteral("CompanyName/ComName"), QStringLiteral("CompanyName")).toString();
    m_companyLink = defaults.value(QStringLiteral("CompanyLink/ComLink"), kMakerWebPage).toString();
    m_ui->label_AppName->setText(m_companyName);
    // The line is language text, so it comes from the translations, not from the
    // settings resource (which holds one text for every language).
    m_ui->label_Copyright->setText(QObject::tr("Copyright © %1. All rights reserved.").arg(m_companyName));
    m_ui->label_AppVersion->setText(AppVersion::displayText());
    m_ui->label_Link->setVisible(defaults.value(QStringLiteral("CompanyLinkFrame/showStatus"), false).toBool());
    m_ui->label_Link->setAlignment(Qt::AlignCenter);
    updateLinkText();
}

void DSettingsDia::updateLinkText()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    const QString link = tr("<span style=\" font-family:'%3'; font-size:12pt; color:#ff6666;\"></span>"
                            "<a href=\"Company|%1|\"><span style=\" font-size:12pt; text-decoration: underline; "
                            "color:rgb(%2);\">%1</span></a>")
                             .arg(m_companyName.toHtmlEscaped(), theme.TextCheckedColor, theme.TextFont);
    m_ui->label_Link->setText(link);
}

void DSettingsDia::onLinkActivated(QString str)
{
    // The anchor only names the company; the address comes from the default settings.
    Q_UNUSED(str)
    QDesktopServices::openUrl(QUrl(m_companyLink));
}

void DSettingsDia::applyTheme()
{
    DDataManager *data = DDataManager::getInstance();
    const ThemeColorInfo t = data->getThemeColorInfo();

    QColor background = ArrowWidget::colorFromThemeText(t.AllBgColor);
    background.setAlpha(200);
    m_notice->setBackgroundColor(background);
    m_notice->setTextColor(ArrowWidget::colorFromThemeText(t.TextCheckedColor));
    QFont noticeFont(t.TextFont);
    noticeFont.setPixelSize(14);
    m_notice->setTextFont(noticeFont);

    m_ui->frame_16->setStyleSheet(
        QStringLiteral("QFrame#frame_16{border:1px solid rgb(%1); background-color:rgb(%2); border-radius:12px;}")
            .arg(t.TextCheckedColor, t.SettingsBgColor));
    m_ui->frame_Title->setStyleSheet(
        QStringLiteral("QFrame#frame_Title{background-color:rgb(%1); border:none; border-bottom:3px solid rgb(%2);"
                       " border-top-left-radius:12px; border-top-right-radius:12px;}"
                       " QLabel#label_Title{color:rgb(%3);}")
            .arg(t.SettingsTitleColorStart, t.SettingsBorderColor, t.TextCheckedColor));
    m_ui->frame_LogoSet->setStyleSheet(
        QStringLiteral("QFrame#frame_LogoSet{border-image:url(:/images/tavrixLogo.png);}"));
    m_ui->frame_Bg->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg{background-color:rgb(%1); border-bottom-left-radius:12px;"
                       " border-bottom-right-radius:12px;}")
            .arg(t.SettingsBgColor));
    m_ui->frame_3->setStyleSheet(
        QStringLiteral("QFrame#frame_3{border:none; border-right:3px solid rgb(%1);}").arg(t.SettingsBorderColor));
    m_ui->frame_4->setStyleSheet(
        QStringLiteral("QPushButton{border:none; background-color:rgb(%1); color:rgb(%2); font-weight:bold;"
                       " font-size:11pt; font-family:'%3';}"
                       " QPushButton:hover{background-color:rgb(%4);}"
                       " QPushButton:pressed, QPushButton:checked{color:rgb(%5); background-color:rgb(%6);}")
            .arg(t.SettingsControlDefaultColor, t.TextDefaultColor, t.TextFont, t.SettingsControlHoverBgColor,
                 t.TextCheckedColor, t.SettingsControlSelectedBgColor));
    const QColor boxText = ReadableColour::on(ArrowWidget::colorFromThemeText(t.SettingsControlDefaultColor),
                                              ArrowWidget::colorFromThemeText(t.TextDefaultColor));
    m_ui->page_Settings->setStyleSheet(
        QStringLiteral("QLabel{color:rgb(%1); font-weight:bold; font-size:10pt; font-family:'%2';}"
                       " QComboBox{background-color:rgb(%3); border:1px solid rgb(%4); color:rgb(%5);"
                       " font-weight:bold; font-size:10pt; font-family:'%2'; border-radius:4px; padding-left:5px;}"
                       " QComboBox:hover{border:1px solid rgb(%1);}"
                       " QComboBox::drop-down{width:20px; border:none;}"
                       " QComboBox::down-arrow{image:url(:/images/publicIco/comboBoxDef.png);}"
                       " QComboBox::down-arrow:on{image:url(:/images/publicIco/comboBoxSel.png);}")
            .arg(t.TextCheckedColor, t.TextFont, t.SettingsControlDefaultColor, t.SettingsBorderColor,
                 ReadableColour::sheetText(boxText))
        + ThemedComboBox::listSheet(t, t.SettingsControlDefaultColor));
    const QString checkBoxes
        = QStringLiteral("QCheckBox{color:rgb(%1); font-weight:bold; font-size:10pt; font-family:'%3';}"
                         " QCheckBox:checked{color:rgb(%2);}"
                         " QCheckBox::indicator{width:13px; height:13px;}"
                         " QCheckBox::indicator:unchecked{image:url(:/images/publicIco/checkBoxDef.png);}"
                         " QCheckBox::indicator:checked{image:url(:/images/publicIco/checkBoxSel.png);}")
              .arg(t.TextDefaultColor, t.TextCheckedColor, t.TextFont);
    m_ui->frame_7->setStyleSheet(checkBoxes);
    m_ui->checkBox_UsingBgImage->setStyleSheet(checkBoxes);

    const QString aboutLabel
        = QStringLiteral("QLabel{color:rgb(%1); font-weight:bold; font-size:%2pt; font-family:'%3';}");
    m_ui->label_AppName->setStyleSheet(aboutLabel.arg(t.TextCheckedColor, QStringLiteral("16"), t.TextFont));
    m_ui->label_APP->setStyleSheet(aboutLabel.arg(t.TextCheckedColor, QStringLiteral("12"), t.TextFont));
    m_ui->label_Copyright->setStyleSheet(aboutLabel.arg(t.TextCheckedColor, QStringLiteral("10"), t.TextFont));
    m_ui->label_AppVersion->setStyleSheet(QStringLiteral("QLabel{color:rgb(%1);}").arg(t.TextCheckedColor));
    QFont versionFont = data->getFont(0);
    versionFont.setPointSize(12);
    m_ui->label_AppVersion->setFont(versionFont);

    const QString buttons
        = QStringLiteral("QPushButton{border-radius:8px; border:2px solid rgb(%1); background-color:rgb(%2);"
                         " color:rgb(%3); font-weight:bold; font-size:10pt; font-family:'%4';}"
                         " QPushButton:hover, QPushButton:pressed{background-color:rgba(%5, 0);"
                         " border:2px solid rgb(%6);}"
                         " QPushButton:pressed{color:rgb(%6);}")
              .arg(t.SettingsControlBorderColor, t.SettingsControlDefaultColor, t.TextDefaultColor, t.TextFont,
                   rgbFields(t.SettingsControlHoverBgColor), t.TextCheckedColor);
    for (QPushButton *button :
         {m_ui->pushButton_CheckAppUpdate, m_ui->pushButton_UpgradeCheck, m_ui->pushButton_Feedback,
          m_ui->pushButton_FeedbackLog, m_ui->pushButton_Support, m_ui->pushButton_Manual})
        button->setStyleSheet(buttons);

    updateLinkText();
    QFont titleFont = data->getFont(0);
    titleFont.setPointSize(12);
    m_ui->label_Title->setFont(titleFont);
}

bool DSettingsDia::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->frame_LogoSet && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        // Stays a child of this dialog; its result is of no interest.
        auto *info = new DFirmwareInfoShow(this);
        info->exec();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DSettingsDia::signalClose()
{
    // Whichever way the dialog goes, the window behind it must lose its dimming once.
    if (m_closeSignalled)
        return;
    m_closeSignalled = true;
    Q_EMIT sigSettingsWindowClose();
}

void DSettingsDia::on_pushButton_Close_clicked()
{
    signalClose();
    close();
}

void DSettingsDia::reject()
{
    signalClose();
    close();
}

void DSettingsDia::closeEvent(QCloseEvent *event)
{
    qCDebug(lcApp) << "The settings dialog closes";
    signalClose();
    event->accept();
}
