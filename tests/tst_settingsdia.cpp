#include "app/appversion.h"
#include "app/ddatamanager.h"
#include "app/dsettingsdia.h"
#include "app/trayavailability.h"
#include "firmware/dfirmwareinfoshow.h"
#include "platform/xdgautostart.h"
#include "support/markingtranslator.h"
#include "support/testmain.h"
#include "ui_dsettingsdia.h"
#include "widgets/cbnotice.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>

namespace {

// Receives what the desktop would open.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;
    Q_INVOKABLE void open(const QUrl &url) { opened.append(url); }
};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestSettingsDia : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void openingShowsTheFileAndWritesNothing_data();
    void openingShowsTheFileAndWritesNothing();
    void languageChoiceIsStoredAndRetranslates_data();
    void languageChoiceIsStoredAndRetranslates();
    void autoStartWritesAndRemovesTheEntry();
    void autoStartFailureIsReportedAndStaysOff();
    void closeToTrayNeedsATray();
    void closeToTrayIsStored();
    void escAndCloseButtonLiftTheDimming_data();
    void escAndCloseButtonLiftTheDimming();
    void firmwareCheckAndNoUpgradeableDevices();
    void aboutPageAndLink();
    void logoDoubleClickOpensFirmwareInfo();
    void screenshots();

private:
    DSettingsDia *openDialog();
    QVariant stored(const QString &key) const;
    static Ui::DSettingsDia *ui(DSettingsDia *dialog);

    QString m_settingsPath;
    QList<QVariant> m_loaderCalls;
    bool m_loaderResult = true;
    MarkingTranslator m_translator {QStringLiteral("[t]%1"), QByteArray()};
};

void TestSettingsDia::init()
{
    DDataManager *data = DDataManager::getInstance();
    QDir().mkpath(data->getUserConfigDir());
    m_settingsPath = data->getUserConfigDir() + QStringLiteral("/TavrixConfig.ini");
    QFile::remove(m_settingsPath);
    QFile::remove(XdgAutoStart::entryPath(QCoreApplication::applicationName()));
    m_loaderCalls.clear();
    m_loaderResult = true;
    DSettingsDia::setLanguageLoader([this](int language) {
        m_loaderCalls.append(language);
        if (m_loaderResult)
            QCoreApplication::installTranslator(&m_translator);
        return m_loaderResult;
    });
}

void TestSettingsDia::cleanup()
{
    QCoreApplication::removeTranslator(&m_translator);
    const QString autostartDir = QFileInfo(XdgAutoStart::entryPath(QCoreApplication::applicationName())).path();
    if (QFileInfo(autostartDir).isFile())
        QFile::remove(autostartDir);
}

DSettingsDia *TestSettingsDia::openDialog()
{
    auto *dialog = new DSettingsDia();
    dialog->show();
    return dialog;
}

QVariant TestSettingsDia::stored(const QString &key) const
{
    return QSettings(m_settingsPath, QSettings::IniFormat).value(key);
}

Ui::DSettingsDia *TestSettingsDia::ui(DSettingsDia *dialog)
{
    // The form's widgets are found by their object names, as the form gives them.
    static Ui::DSettingsDia form;
    form.comboBox_Language = dialog->findChild<QComboBox *>("comboBox_Language");
    form.comboBox_Theme = dialog->findChild<QComboBox *>("comboBox_Theme");
    form.checkBox_AutoStart = dialog->findChild<QCheckBox *>("checkBox_AutoStart");
    form.checkBox_Close = dialog->findChild<QCheckBox *>("checkBox_Close");
    form.label_Title = dialog->findChild<QLabel *>("label_Title");
    form.label_3 = dialog->findChild<QLabel *>("label_3");
    form.label_Link = dialog->findChild<QLabel *>("label_Link");
    form.label_AppName = dialog->findChild<QLabel *>("label_AppName");
    form.label_AppVersion = dialog->findChild<QLabel *>("label_AppVersion");
    form.label_Copyright = dialog->findChild<QLabel *>("label_Copyright");
    form.pushButton_Close = dialog->findChild<QPushButton *>("pushButton_Close");
    form.pushButton_About = dialog->findChild<QPushButton *>("pushButton_About");
    form.pushButton_UpgradeCheck = dialog->findChild<QPushButton *>("pushButton_UpgradeCheck");
    form.frame_LogoSet = dialog->findChild<QFrame *>("frame_LogoSet");
    form.frame_6 = dialog->findChild<QFrame *>("frame_6");
    form.stackedWidget = dialog->findChild<QStackedWidget *>("stackedWidget");
    return &form;
}

void TestSettingsDia::openingShowsTheFileAndWritesNothing_data()
{
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("theme");
    QTest::addColumn<bool>("autoStart");
    QTest::addColumn<bool>("closeToTray");

    const QString chinese = QStringLiteral("简体中文");
    QTest::newRow("empty file") << QString() << chinese << "Dark" << false << false;
    QTest::newRow("Japanese, Blue")
        << "[Language]\nselectLanguageIndex=4\n[Theme]\nselectThemeIndex=2\n[AutoStart]\nisAutoStart=true\n"
        << QStringLiteral("日本語") << "Blue" << true << false;
    QTest::newRow("Arabic, close to tray") << "[Language]\nselectLanguageIndex=7\n[CloseToTray]\nisCloseToTray=true\n"
                                           << QStringLiteral("العربية") << "Dark" << false << true;
    QTest::newRow("Ukrainian, named as the language") << "[Language]\nselectLanguageIndex=14\n"
                                                      << QStringLiteral("Українська") << "Dark" << false << false;
    QTest::newRow("language out of range") << "[Language]\nselectLanguageIndex=16\n"
                                           << chinese << "Dark" << false << false;
    QTest::newRow("language 0") << "[Language]\nselectLanguageIndex=0\n" << chinese << "Dark" << false << false;
    QTest::newRow("Other theme not offered") << "[Theme]\nselectThemeIndex=4\n" << chinese << "Dark" << false << false;
}

void TestSettingsDia::openingShowsTheFileAndWritesNothing()
{
    QFETCH(QString, ini);
    QFETCH(QString, language);
    QFETCH(QString, theme);
    QFETCH(bool, autoStart);
    QFETCH(bool, closeToTray);

    if (!ini.isEmpty()) {
        QFile file(m_settingsPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ini.toUtf8());
    }
    const QByteArray before = readFile(m_settingsPath);

    QPointer<DSettingsDia> dialog = openDialog();
    Ui::DSettingsDia *form = ui(dialog);
    QCOMPARE(form->comboBox_Language->count(), 15);
    QCOMPARE(form->comboBox_Language->currentText(), language);
    QCOMPARE(form->comboBox_Theme->count(), 4);
    QCOMPARE(form->comboBox_Theme->currentText(), theme);
    QCOMPARE(form->checkBox_AutoStart->isChecked(), autoStart);
    QCOMPARE(form->checkBox_Close->isChecked(), closeToTray);
    QVERIFY(form->frame_6->isHidden());
    delete dialog;

    QCOMPARE(readFile(m_settingsPath), before);
    QCOMPARE(QFileInfo::exists(m_settingsPath), !ini.isEmpty());
    QVERIFY(!XdgAutoStart::exists(QCoreApplication::applicationName()));
    QVERIFY(m_loaderCalls.isEmpty());
}

void TestSettingsDia::languageChoiceIsStoredAndRetranslates_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("loads");

    QTest::newRow("Japanese") << 5 << 4 << true;
    QTest::newRow("Arabic") << 12 << 7 << true;
    QTest::newRow("Czech") << 14 << 15 << true;
    QTest::newRow("English, translation missing") << 1 << 3 << false;
}

void TestSettingsDia::languageChoiceIsStoredAndRetranslates()
{
    QFETCH(int, item);
    QFETCH(int, index);
    QFETCH(bool, loads);

    QFile file(m_settingsPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Theme]\nselectThemeIndex=3\n");
    file.close();

    m_loaderResult = loads;
    std::unique_ptr<DSettingsDia> dialog(openDialog());
    Ui::DSettingsDia *form = ui(dialog.get());
    QSignalSpy updated(dialog.get(), &DSettingsDia::sigUpdateAllUI);
    QSignalSpy themed(dialog.get(), &DSettingsDia::sigChangeAppTheme);
    const QString languageText = form->comboBox_Language->itemText(item);

    form->comboBox_Language->setCurrentIndex(item);
    QCOMPARE(stored("Language/selectLanguageIndex").toInt(), index);
    QCOMPARE(m_loaderCalls, (QList<QVariant> {index}));
    QCOMPARE(updated.count(), loads ? 1 : 0);
    const QString prefix = loads ? QStringLiteral("[t]") : QString();
    QCOMPARE(form->label_Title->text(), prefix + "Settings");
    QCOMPARE(form->label_3->text(), prefix + "Auto start");
    // The theme box holds the new names, keeps its theme and its handler stays quiet.
    QCOMPARE(form->comboBox_Theme->currentText(), prefix + "Pink");
    QCOMPARE(form->comboBox_Theme->itemText(0), prefix + "Dark");
    QCOMPARE(themed.count(), 0);
    QCOMPARE(stored("Theme/selectThemeIndex").toInt(), 3);
    // The language names are never translated.
    QCOMPARE(form->comboBox_Language->currentText(), languageText);
    QCOMPARE(DSettingsDia::languageIndexForText(languageText), index);
}

void TestSettingsDia::autoStartWritesAndRemovesTheEntry()
{
    const QString appName = QCoreApplication::applicationName();
    const QString entry = XdgAutoStart::entryPath(appName);
    // A stale entry is rewritten.
    QDir().mkpath(QFileInfo(entry).path());
    QFile stale(entry);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("[Desktop Entry]\nExec=/old/path\n");
    stale.close();

    std::unique_ptr<DSettingsDia> dialog(openDialog());
    Ui::DSettingsDia *form = ui(dialog.get());
    CbNotice *notice = dialog->notice();
    QVERIFY(notice);

    form->checkBox_AutoStart->click();
    QVERIFY(form->checkBox_AutoStart->isChecked());
    QCOMPARE(stored("AutoStart/isAutoStart").toBool(), true);
    QSettings desktop(entry, QSettings::IniFormat);
    const QString exec = desktop.value("Desktop Entry/Exec").toString();
    QVERIFY2(exec.startsWith(QCoreApplication::applicationFilePath()), qPrintable(exec));
    QVERIFY2(exec.endsWith(" --AutoUp"), qPrintable(exec));
    QCOMPARE(notice->text(), QStringLiteral("Set config success"));

    form->checkBox_AutoStart->click();
    QVERIFY(!QFileInfo::exists(entry));
    QCOMPARE(stored("AutoStart/isAutoStart").toBool(), false);
    QCOMPARE(notice->text(), QStringLiteral("Set config success"));
}

void TestSettingsDia::autoStartFailureIsReportedAndStaysOff()
{
    // A file where the autostart folder belongs: the entry cannot be written,
    // whoever runs the test.
    const QString entry = XdgAutoStart::entryPath(QCoreApplication::applicationName());
    QDir(QFileInfo(entry).path()).removeRecursively();
    QFile blocker(QFileInfo(entry).path());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    std::unique_ptr<DSettingsDia> dialog(openDialog());
    Ui::DSettingsDia *form = ui(dialog.get());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Auto-start entry could not be changed"));
    form->checkBox_AutoStart->click();
    QVERIFY(!form->checkBox_AutoStart->isChecked());
    QCOMPARE(stored("AutoStart/isAutoStart").toBool(), false);
    QVERIFY(stored("AutoStart/isAutoStart").isValid());
    QCOMPARE(dialog->notice()->text(), QStringLiteral("Set config failed"));
}

namespace {
bool trayShown()
{
    return true;
}
bool noTray()
{
    return false;
}
}  // namespace

// Without a tray the option cannot be used and says why; its stored value stays.
void TestSettingsDia::closeToTrayNeedsATray()
{
    TrayAvailability::setProbe(&noTray);
    QSettings(m_settingsPath, QSettings::IniFormat).setValue("CloseToTray/isCloseToTray", true);
    std::unique_ptr<DSettingsDia> dialog(openDialog());
    Ui::DSettingsDia *form = ui(dialog.get());
    TrayAvailability::setProbe(nullptr);
    QVERIFY(!form->checkBox_Close->isEnabled());
    QCOMPARE(form->checkBox_Close->text(), QStringLiteral("Close startup to tray (no system tray found)"));
    QVERIFY(form->checkBox_Close->isChecked());
    form->checkBox_Close->click();
    QCOMPARE(stored("CloseToTray/isCloseToTray").toBool(), true);
}

void TestSettingsDia::closeToTrayIsStored()
{
    TrayAvailability::setProbe(&trayShown);
    std::unique_ptr<DSettingsDia> dialog(openDialog());
    TrayAvailability::setProbe(nullptr);
    QVERIFY(ui(dialog.get())->checkBox_Close->isEnabled());
    QCOMPARE(ui(dialog.get())->checkBox_Close->text(), QStringLiteral("Close startup to tray"));
    Ui::DSettingsDia *form = ui(dialog.get());
    form->checkBox_Close->click();
    QCOMPARE(stored("CloseToTray/isCloseToTray").toBool(), true);
    form->checkBox_Close->click();
    QCOMPARE(stored("CloseToTray/isCloseToTray").toBool(), false);
    QCOMPARE(dialog->notice()->text(), QStringLiteral("Set config success"));
    QVERIFY(!stored("AutoStart/isAutoStart").isValid());
}

void TestSettingsDia::escAndCloseButtonLiftTheDimming_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Esc") << true;
    QTest::newRow("close button") << false;
}

void TestSettingsDia::escAndCloseButtonLiftTheDimming()
{
    QFETCH(bool, escape);
    QWidget window;
    window.resize(900, 700);
    window.show();
    QWidget dimming(&window);
    dimming.show();

    QPointer<DSettingsDia> dialog = new DSettingsDia(&window);
    connect(dialog.data(), &DSettingsDia::sigSettingsWindowClose, &dimming, &QWidget::hide);
    QSignalSpy closed(dialog.data(), &DSettingsDia::sigSettingsWindowClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));

    if (escape)
        QTest::keyClick(dialog.data(), Qt::Key_Escape);
    else
        QTest::mouseClick(ui(dialog)->pushButton_Close, Qt::LeftButton);
    QCOMPARE(closed.count(), 1);
    QVERIFY(dimming.isHidden());
    QTRY_VERIFY(dialog.isNull());  // deleted on close
}

void TestSettingsDia::firmwareCheckAndNoUpgradeableDevices()
{
    std::unique_ptr<DSettingsDia> dialog(openDialog());
    // What the main window does when no device can be updated.
    connect(dialog.get(), &DSettingsDia::sigFirmwareUpgradeCheck, dialog.get(),
            &DSettingsDia::showNoUpgradeableDevices);
    QTest::mouseClick(ui(dialog.get())->pushButton_UpgradeCheck, Qt::LeftButton);
    CbNotice *notice = dialog->notice();
    QCOMPARE(notice->text(), QStringLiteral("No upgradeable devices found"));
    QVERIFY(notice->isVisible());
    QVERIFY((notice->geometry().center() - dialog->rect().center()).manhattanLength() <= 2);
}

void TestSettingsDia::aboutPageAndLink()
{
    std::unique_ptr<DSettingsDia> dialog(openDialog());
    Ui::DSettingsDia *form = ui(dialog.get());
    QTest::mouseClick(form->pushButton_About, Qt::LeftButton);
    QCOMPARE(form->stackedWidget->currentWidget()->objectName(), QStringLiteral("page_TipInfo"));

    QSettings defaults(DDataManager::kDefaultSettingsResource, QSettings::IniFormat);
    defaults.setIniCodec("UTF-8");
    const QString name = defaults.value("CompanyName/ComName").toString();
    QCOMPARE(form->label_AppName->text(), name);
    // About shows the version the settings record, which is the build's own.
    QCOMPARE(form->label_AppVersion->text(), DDataManager::getInstance()->getAppVersion());
    QCOMPARE(form->label_AppVersion->text(), AppVersion::displayTextFor(QStringLiteral(TAVRIX_APP_VERSION)));
    QCOMPARE(form->label_Copyright->text(), QStringLiteral("Copyright © %1. All rights reserved.").arg(name));
    QCOMPARE(form->label_Link->isVisible(), defaults.value("CompanyLinkFrame/showStatus").toBool());
    QVERIFY(form->label_Link->text().contains(QStringLiteral("Company|%1|").arg(name)));

    // The link opens the stored address, never the anchor.
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QMetaObject::invokeMethod(form->label_Link, "linkActivated", Q_ARG(QString, QStringLiteral("Company|x|")));
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(catcher.opened, (QList<QUrl> {QUrl(defaults.value("CompanyLink/ComLink").toString())}));
}

void TestSettingsDia::logoDoubleClickOpensFirmwareInfo()
{
    std::unique_ptr<DSettingsDia> dialog(openDialog());
    QString title;
    QTimer::singleShot(0, this, [&title]() {
        if (auto *info = qobject_cast<DFirmwareInfoShow *>(QApplication::activeModalWidget())) {
            title = info->windowTitle();
            info->reject();
        }
    });
    QTest::mouseDClick(ui(dialog.get())->frame_LogoSet, Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Firmware Info"));
    QCOMPARE(dialog->findChildren<DFirmwareInfoShow *>().size(), 1);
}

// Pictures of both pages, saved under the build folder (tests/screenshots) for a
// person to look at; a few pixels tell that the frame is drawn as themed.
void TestSettingsDia::screenshots()
{
    const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
    QDir().mkpath(dir);
    std::unique_ptr<DSettingsDia> dialog(openDialog());
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const QImage general = dialog->grab().toImage();
    QVERIFY(general.save(dir + "/settings-general.png"));
    QTest::mouseClick(ui(dialog.get())->pushButton_About, Qt::LeftButton);
    QVERIFY(dialog->grab().save(dir + "/settings-about.png"));

    // Rounded corners stay see-through; the title bar carries the theme's colour.
    QCOMPARE(general.size(), QSize(700, 500));
    QCOMPARE(qAlpha(general.pixel(0, 0)), 0);
    const QStringList title = DDataManager::getInstance()->getThemeColorInfo().SettingsTitleColorStart.split(',');
    const QColor expected(title.value(0).toInt(), title.value(1).toInt(), title.value(2).toInt());
    QCOMPARE(QColor(general.pixel(350, 10)).rgb(), expected.rgb());
}

TAVRIX_TEST_MAIN(TestSettingsDia)
#include "tst_settingsdia.moc"
