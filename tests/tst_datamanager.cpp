#include "app/appversion.h"
#include "app/ddatamanager.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

// Writes a default-settings file with the given extra lines.
QString writeDefaults(const QTemporaryDir &dir, const QString &content)
{
    const QString path = dir.filePath("defaults.ini");
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(content.toUtf8());
    return path;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestDataManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstAndSecondStart_data();
    void firstAndSecondStart();
    void updateIsSeenOnce();
    void dataFolderIsForItsOwner_data();
    void dataFolderIsForItsOwner();
    void versionDisplayText_data();
    void versionDisplayText();
    void storedThemeIndex_data();
    void storedThemeIndex();
    void alphaRule_data();
    void alphaRule();
    void everyThemeFileIsComplete();
    void fontsFollowLocalFontSwitch();
    void clickedKeyAndHookRelays();
    void sensitivityAnswersFollowQueryKind();
    void usLayoutForEveryProduct();
    void dataDirFollowsTheExecutable_data();
    void dataDirFollowsTheExecutable();
};

void TestDataManager::firstAndSecondStart_data()
{
    QTest::addColumn<QString>("defaults");
    QTest::addColumn<QString>("expectedVersion");
    // The version is the build's own, whatever a settings resource says.
    QTest::newRow("shipped resource") << QString() << AppVersion::displayText();
    QTest::newRow("resource with a version of its own") << "[AppVersion]\nVersion=V_1.00.00\n"
                                                        << AppVersion::displayText();
}

void TestDataManager::firstAndSecondStart()
{
    QFETCH(QString, defaults);
    QFETCH(QString, expectedVersion);
    QTemporaryDir dir;
    const QString appData = dir.filePath("data/app");
    const QString defaultsPath = defaults.isNull() ? QString() : writeDefaults(dir, defaults);

    DDataManager first(appData, defaultsPath);
    QVERIFY(QFileInfo(appData + "/UserConfig").isDir());
    QVERIFY(first.isVersionChanged());
    QCOMPARE(first.getAppVersion(), expectedVersion);
    const QString iniPath = first.getSettingsFilePath();
    {
        QSettings ini(iniPath, QSettings::IniFormat);
        QCOMPARE(ini.value("Theme/selectThemeIndex").toString(), QString("0"));
        QCOMPARE(ini.value("ThemeBgImage/BgImageIsUsing").toString(), QString("false"));
        QCOMPARE(ini.value("oldVersion/VersionInfo").toString(), expectedVersion);
    }
    const QByteArray afterFirst = readAll(iniPath);
    const QDateTime modified = QFileInfo(iniPath).lastModified();

    DDataManager second(appData, defaultsPath);
    QVERIFY(!second.isVersionChanged());
    QCOMPARE(readAll(iniPath), afterFirst);
    QCOMPARE(QFileInfo(iniPath).lastModified(), modified);
}

void TestDataManager::dataFolderIsForItsOwner_data()
{
    QTest::addColumn<bool>("earlierVersion");
    QTest::newRow("first start") << false;
    QTest::newRow("folder of an earlier version") << true;
}

// Macros and Text-key texts hold what users type, passwords among them: no other
// account may read the data folder, and the settings are the owner's as well.
void TestDataManager::dataFolderIsForItsOwner()
{
    QFETCH(bool, earlierVersion);
    const mode_t previousMask = ::umask(022);
    QTemporaryDir dir;
    const QString appData = dir.filePath("data/app");
    if (earlierVersion) {
        QVERIFY(QDir().mkpath(appData + "/UserConfig"));
        QFile ini(appData + "/UserConfig/TavrixConfig.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Theme]\nselectThemeIndex=1\n");
        ini.close();
        QCOMPARE(::chmod(QFile::encodeName(ini.fileName()).constData(), 0644), 0);
    }
    auto modeOf = [](const QString &path) {
        struct stat st;
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? QString::number(st.st_mode & 07777, 8)
                                                                     : QString("missing");
    };
    {
        DDataManager data(appData);
        QSettings ini(data.getSettingsFilePath(), QSettings::IniFormat);
        ini.setValue("Language/selectLanguageIndex", 2);
        ini.sync();
        QCOMPARE(ini.status(), QSettings::NoError);
        QCOMPARE(modeOf(appData), QString("700"));
        QCOMPARE(modeOf(appData + "/UserConfig"), QString("700"));
        QCOMPARE(modeOf(data.getSettingsFilePath()), QString("600"));
        QCOMPARE(ini.value("Theme/selectThemeIndex").toInt(), earlierVersion ? 1 : 0);  // never emptied
    }
    ::umask(previousMask);
    QCOMPARE(modeOf(dir.filePath("data")), QString("755"));  // not the program's
}

// A start after an update of the program records the new version and says it
// changed, once: the automatic firmware check after an update depends on it.
void TestDataManager::updateIsSeenOnce()
{
    QTemporaryDir dir;
    const QString appData = dir.filePath("data/app");
    {
        DDataManager first(appData);
        QSettings ini(first.getSettingsFilePath(), QSettings::IniFormat);
        ini.setValue("oldVersion/VersionInfo", "V_2.02.09");
    }
    DDataManager updated(appData);
    QVERIFY(updated.isVersionChanged());
    QCOMPARE(QSettings(updated.getSettingsFilePath(), QSettings::IniFormat).value("oldVersion/VersionInfo").toString(),
             AppVersion::displayText());
    DDataManager next(appData);
    QVERIFY(!next.isVersionChanged());
}

void TestDataManager::versionDisplayText_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("padded") << "2.3.1"
                            << "V_2.03.01";
    QTest::newRow("two digits") << "10.12.20"
                                << "V_10.12.20";
    QTest::newRow("no patch") << "3.0"
                              << "V_3.00.00";
}

void TestDataManager::versionDisplayText()
{
    QFETCH(QString, number);
    QFETCH(QString, text);
    QCOMPARE(AppVersion::displayTextFor(number), text);
}

void TestDataManager::storedThemeIndex_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("userConfig");
    QTest::addColumn<int>("expectedStored");
    QTest::addColumn<QString>("expectedText");  // TextDefaultColor of the loaded theme

    QTest::newRow("Blue") << 2 << false << 2 << "0,0,15";
    QTest::newRow("Pink") << 3 << false << 3 << "20,0,20";
    QTest::newRow("Other without user theme is reset to Black") << 4 << false << 0 << "205,205,205";
    // The user theme file beside the executable is absent here: Black instead of an unstyled window.
    QTest::newRow("Other from a missing user file") << 4 << true << 4 << "205,205,205";
    QTest::newRow("out of range index loads Black") << 7 << false << 7 << "205,205,205";
}

void TestDataManager::storedThemeIndex()
{
    QFETCH(int, stored);
    QFETCH(bool, userConfig);
    QFETCH(int, expectedStored);
    QFETCH(QString, expectedText);
    QTemporaryDir dir;
    const QString appData = dir.filePath("app");
    {
        QDir().mkpath(appData + "/UserConfig");
        QSettings ini(appData + "/UserConfig/TavrixConfig.ini", QSettings::IniFormat);
        ini.setValue("Theme/selectThemeIndex", stored);
    }
    const QString defaults
        = writeDefaults(dir, QString("[MyselfConfig]\nuserConfig=%1\n").arg(userConfig ? "true" : "false"));

    DDataManager data(appData, defaults);
    QCOMPARE(data.getThemeColorInfo().TextDefaultColor, expectedText);
    QCOMPARE(data.getThemeColorInfo().TextFont, QString("Microsoft YaHei"));
    QSettings ini(data.getSettingsFilePath(), QSettings::IniFormat);
    QCOMPARE(ini.value("Theme/selectThemeIndex").toInt(), expectedStored);
}

void TestDataManager::alphaRule_data()
{
    QTest::addColumn<bool>("bgImage");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("four parts, pictures off") << false << "52,52,86,128"
                                              << "52,52,86";
    QTest::newRow("four parts, pictures on") << true << "52,52,86,128"
                                             << "52,52,86,128";
    QTest::newRow("three parts, off") << false << "205,205,205"
                                      << "205,205,205";
    QTest::newRow("three parts, on") << true << "205,205,205"
                                     << "205,205,205";
    QTest::newRow("five parts") << false << "1,2,3,4,5"
                                << "1,2,3,4,5";
    QTest::newRow("empty") << false << ""
                           << "";
}

void TestDataManager::alphaRule()
{
    QFETCH(bool, bgImage);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    DDataManager data(dir.filePath("app"));
    data.setBgImageUsing(bgImage);
    QCOMPARE(data.toThemeColorString(input), expected);

    // The same rule applied through a theme load, on Black's DeviceBorderColor.
    data.setTheme(0);
    const QString border = data.getThemeColorInfo().DeviceBorderColor;
    QCOMPARE(border, bgImage ? QString("52,52,86,128") : QString("52,52,86"));
}

void TestDataManager::everyThemeFileIsComplete()
{
    for (const char *name : {"Black", "Light", "Blue", "Pink", "Other"}) {
        QSettings theme(QString(":/images/StyleQss/%1ThemeConfig.ini").arg(name), QSettings::IniFormat);
        theme.beginGroup("ThemeColor");
        for (const auto &field : ThemeColorInfo::fields())
            QVERIFY2(!theme.value(field.key).toString().isEmpty(), qPrintable(QString(name) + " " + field.key));
        QCOMPARE(theme.childKeys().size(), ThemeColorInfo::kColorCount + 1);
    }
    // Other carries Black's values.
    QCOMPARE(readAll(":/images/StyleQss/OtherThemeConfig.ini"), readAll(":/images/StyleQss/BlackThemeConfig.ini"));
}

void TestDataManager::fontsFollowLocalFontSwitch()
{
    QTemporaryDir dir;
    DDataManager data(dir.filePath("app"));
    QCOMPARE(data.getFont(0).weight(), 75);
    QCOMPARE(data.getFont(1).weight(), 50);
    QCOMPARE(data.getFont(0).pointSize(), 10);
    data.setUseLocalFont(false);
    QCOMPARE(data.getFont(0).family(), QString("Microsoft YaHei"));
    QCOMPARE(data.getFont(1).family(), QString("Microsoft YaHei"));
    QCOMPARE(data.getFont(0), data.getFont(1));
}

void TestDataManager::clickedKeyAndHookRelays()
{
    QTemporaryDir dir;
    DDataManager data(dir.filePath("app"));
    QCOMPARE(data.getClickedKeyCode(), -1);
    QVERIFY(data.getClickedKeyChar().isEmpty());

    QSignalSpy clicked(&data, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
    data.setClickedKey(4, "A");
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(data.getClickedKeyCode(), 4);
    data.clearClickedKey();
    QCOMPARE(data.getClickedKeyCode(), -1);
    QVERIFY(data.getClickedKeyChar().isEmpty());

    // No listener: the previous value (initially false) comes back.
    QCOMPARE(data.setHookRunningMacroRecord(true), false);

    // A listener answers through the manager before the relay returns.
    connect(&data, &DDataManager::sigHookRunningStatusCtrl_MacroRecord, &data,
            [&data](bool start) { data.setMacroHookRunning(start); });
    QCOMPARE(data.setHookRunningMacroRecord(true), true);
    QCOMPARE(data.setHookRunningMacroRecord(false), false);
}

void TestDataManager::sensitivityAnswersFollowQueryKind()
{
    QTemporaryDir dir;
    DDataManager data(dir.filePath("app"));
    QSignalSpy hover(&data, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo);
    QSignalSpy click(&data, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
    QSignalSpy query(&data, &DDataManager::sigQueryDynamicDisplaySensitivityNum);

    // Before any query an answer counts as one to a click.
    data.relaySensitivityBackInfo(1, 2, 3, 4, 5);
    QCOMPARE(click.count(), 1);
    QCOMPARE(click.takeFirst(), (QList<QVariant> {1, 2, 3, 4, 5}));

    data.queryDynamicDisplaySensitivityNum(0, 7, 8);
    QCOMPARE(query.takeFirst(), (QList<QVariant> {7, 8}));
    data.relaySensitivityBackInfo(1, 2, 3, 4, 5);
    QCOMPARE(hover.takeFirst(), (QList<QVariant> {1, 2, 3}));

    data.queryDynamicDisplaySensitivityNum(1, 0, 0);
    data.relaySensitivityBackInfo(6, 7, 8, 9, 10);
    QCOMPARE(click.count(), 1);
    QCOMPARE(hover.count(), 0);
}

void TestDataManager::usLayoutForEveryProduct()
{
    QTemporaryDir dir;
    DDataManager data(dir.filePath("app"));
    QCOMPARE(data.getKeyboardLayoutCode(QString()), 31);
    QCOMPARE(data.getKeyboardLayoutCode("anything"), 31);
}

void TestDataManager::dataDirFollowsTheExecutable_data()
{
    // Folders and plain files made under a temporary root, the executable's folder
    // and the data folder expected, all relative to that root.
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("exeDir");
    QTest::addColumn<QString>("expected");
    QTest::newRow("build folder") << QStringList {"build/bin/translation", "build/bin/images/hidImages"}
                                  << QStringList() << "build/bin"
                                  << "build/bin";
    QTest::newRow("installed") << QStringList {"usr/bin", "usr/share/quorin-driver/translation"} << QStringList()
                               << "usr/bin"
                               << "usr/share/quorin-driver";
    QTest::newRow("staged or moved, blanks in the path")
        << QStringList {"stage dir/opt/My Apps/bin", "stage dir/opt/My Apps/share/quorin-driver"} << QStringList()
        << "stage dir/opt/My Apps/bin"
        << "stage dir/opt/My Apps/share/quorin-driver";
    QTest::newRow("build folder wins over a share folder beside it")
        << QStringList {"x/bin/translation", "x/share/quorin-driver"} << QStringList() << "x/bin"
        << "x/bin";
    QTest::newRow("a file named translation is no build folder")
        << QStringList {"y/bin", "y/share/quorin-driver"} << QStringList {"y/bin/translation"} << "y/bin"
        << "y/share/quorin-driver";
    QTest::newRow("a file where the share folder belongs")
        << QStringList {"f/bin", "f/share"} << QStringList {"f/share/quorin-driver"} << "f/bin"
        << "f/bin";
    QTest::newRow("another program's share folder")
        << QStringList {"w/bin", "w/share/other"} << QStringList() << "w/bin"
        << "w/bin";
    QTest::newRow("nothing found") << QStringList {"z/bin"} << QStringList() << "z/bin"
                                   << "z/bin";
    QTest::newRow("dots and a trailing slash")
        << QStringList {"v/bin", "v/share/quorin-driver"} << QStringList() << "v/bin/../bin/"
        << "v/share/quorin-driver";
}

void TestDataManager::dataDirFollowsTheExecutable()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(QString, exeDir);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    for (const QString &folder : folders)
        QVERIFY(QDir().mkpath(root.filePath(folder)));
    for (const QString &file : files) {
        QFile f(root.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QCOMPARE(DDataManager::dataDirFor(root.filePath(exeDir)), QDir::cleanPath(root.filePath(expected)));
}

TAVRIX_TEST_MAIN(TestDataManager)
#include "tst_datamanager.moc"
