// Starts the real executable, as a user or the desktop would, on private X servers:
// single instance, start after a hard kill, the log-on start, first-run files,
// crash dumps, minimum window sizes and a screenshot of the main window.
#include "support/testmain.h"
#include "support/waituntil.h"
#include "support/xvfbserver.h"
#include "x11probe.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <memory>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kTitle = QStringLiteral("Quorin");

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One user's world: HOME, XDG folders, the runtime folder (which holds the
// instance lock and the local socket) and the temporary folder, all private to one test.
class UserHome
{
public:
    UserHome()
    {
        QDir().mkpath(m_dir.path() + "/run");
        QFile::setPermissions(m_dir.path() + "/run",
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QString path() const { return m_dir.path(); }
    QString dataDir() const { return path() + "/.local/share/quorin-driver"; }
    QString settingsFile() const { return dataDir() + "/UserConfig/TavrixConfig.ini"; }
    QString autostartFile() const { return path() + "/.config/autostart/quorin-driver.desktop"; }

    QProcessEnvironment environment(const QString &display) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", path());
        env.insert("XDG_CONFIG_HOME", path() + "/.config");
        env.insert("XDG_DATA_HOME", path() + "/.local/share");
        env.insert("XDG_CACHE_HOME", path() + "/.cache");
        env.insert("XDG_RUNTIME_DIR", path() + "/run");
        env.insert("TMPDIR", path());
        env.insert("DISPLAY", display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("TAVRIX_EMU_DIR");
        env.remove("TAVRIX_TEST_CRASH");
        return env;
    }

    QString runDir() const { return path() + "/run"; }
    bool instanceLockHeld() const { return QFile::exists(runDir() + "/quorin-driver.lock"); }

private:
    QTemporaryDir m_dir;
};

// The tiny tray of the real-desktop tests, so the program sees a system tray.
class FakeTray
{
public:
    explicit FakeTray(const QString &display)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display);
        m_process.setProcessEnvironment(env);
        m_process.start(QString::fromLocal8Bit(qgetenv("TAVRIX_BIN_DIR")) + "/faketray", QStringList());
        m_ready = m_process.waitForStarted(kChildProcessWaitMs) && m_process.waitForReadyRead(kChildProcessWaitMs)
            && m_process.readLine().startsWith("ready");
    }
    ~FakeTray()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
    }
    bool isReady() const { return m_ready; }

private:
    QProcess m_process;
    bool m_ready = false;
};

class App
{
public:
    App(const UserHome &home, const QString &display, const QStringList &args = {},
        const QMap<QString, QString> &extraEnv = {})
        : m_display(display)
    {
        QProcessEnvironment env = home.environment(display);
        for (auto it = extraEnv.begin(); it != extraEnv.end(); ++it)
            env.insert(it.key(), it.value());
        m_process.setProcessEnvironment(env);
        m_process.setWorkingDirectory(home.path());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QString::fromLocal8Bit(qgetenv("TAVRIX_BIN_DIR")) + "/quorin-driver", args);
        m_process.waitForStarted(5000);
    }
    ~App()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

    qint64 pid() const { return m_process.processId(); }
    QProcess &process() { return m_process; }
    QList<X11Window> windows() const { return X11Probe::windows(m_display, pid(), kTitle); }
    bool hasWindow() const { return !windows().isEmpty(); }
    bool windowShown() const
    {
        const QList<X11Window> list = windows();
        return !list.isEmpty() && list.first().viewable;
    }
    bool waitForWindow(int ms = 30000) const
    {
        return waitUntil([this] { return hasWindow(); }, ms);
    }
    void killHard()
    {
        ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL);
        m_process.waitForFinished(3000);
    }

private:
    QString m_display;
    QProcess m_process;
};

}  // namespace

class TestAppProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void secondStartEndsAndRaisesFirst();
    void instanceLockInUsersOwnFolder_data();
    void instanceLockInUsersOwnFolder();
    void logOnStartStaysHiddenOnlyWithAutoStart_data();
    void logOnStartStaysHiddenOnlyWithAutoStart();
    void startAfterHardKillComesUp();
    void firstStartWritesSettingsSecondRewritesNothing();
    void terminationEndsNormallyAndFreesKey_data();
    void terminationEndsNormallyAndFreesKey();
    void languageIndexAtStart_data();
    void languageIndexAtStart();
    void crashLeavesDumpAndEndsBySignal_data();
    void crashLeavesDumpAndEndsBySignal();
    void minimumSizeFollowsScreen_data();
    void minimumSizeFollowsScreen();
    void screenshotOfMainWindow();

private:
    XvfbServer m_x;
};

void TestAppProcess::initTestCase()
{
    // Crashing on purpose must not leave core files around.
    struct rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    if (!m_x.start(QSize(1920, 1080)))
        QSKIP("Xvfb is not available");
}

void TestAppProcess::secondStartEndsAndRaisesFirst()
{
    UserHome home;
    FakeTray tray(m_x.display());
    QVERIFY(tray.isReady());
    // Started at log-on: the first instance sits hidden in the tray. Silent peers are
    // dropped only after ten minutes here, far longer than any wait below.
    App first(home, m_x.display(), {"--AutoUp"}, {{"TAVRIX_TEST_PEER_TIMEOUT_MS", "600000"}});
    QVERIFY(first.waitForWindow());
    QTest::qWait(300);
    QVERIFY(!first.windowShown());

    // Peers that connect and say nothing must not hold up the running instance.
    QList<QLocalSocket *> silent;
    auto closeSilent = qScopeGuard([&] { qDeleteAll(silent); });
    for (int i = 0; i < 3; ++i) {
        silent << new QLocalSocket;
        silent.last()->connectToServer(home.runDir() + "/quorin-driver");
        QVERIFY(silent.last()->waitForConnected(10000));
    }

    App second(home, m_x.display(), {"--some", "last-argument"});
    QVERIFY(second.process().waitForFinished(30000));
    QCOMPARE(second.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.process().exitCode(), 1);
    QVERIFY(!second.hasWindow());

    // Waiting out the silent peers first, as a blocking read would, takes half an hour.
    QVERIFY(waitUntil([&] { return first.windowShown(); }, 30000));
    QCOMPARE(first.process().state(), QProcess::Running);
    QTest::qWait(50);
    for (QLocalSocket *peer : silent)
        QCOMPARE(peer->state(), QLocalSocket::ConnectedState);
}

void TestAppProcess::instanceLockInUsersOwnFolder_data()
{
    QTest::addColumn<bool>("runtimeDirSet");
    QTest::addColumn<bool>("foreignRuntimeFolder");
    QTest::addColumn<QString>("expectedFolder");
    const QString user = QString::fromLocal8Bit(getpwuid(geteuid())->pw_name);
    QTest::newRow("XDG_RUNTIME_DIR set") << true << false << "run";
    QTest::newRow("XDG_RUNTIME_DIR unset") << false << false << "tmp/runtime-" + user;
    // Someone else made the runtime folder in the shared temporary folder first.
    QTest::newRow("unset, temp runtime folder of another user") << false << true << ".cache/quorin-driver-run";
}

// Another user's files of the program's names in the shared temporary folder
// never stop a start, the lock and socket sit in a folder only this user can
// enter, and a second start of the same user is still turned away.
void TestAppProcess::instanceLockInUsersOwnFolder()
{
    QFETCH(bool, runtimeDirSet);
    QFETCH(bool, foreignRuntimeFolder);
    QFETCH(QString, expectedFolder);
    if (foreignRuntimeFolder && geteuid() != 0)
        QSKIP("making another user's folder needs root");
    const uid_t nobody = 65534;
    UserHome home;
    const QString tmp = home.path() + "/tmp";
    QVERIFY(QDir().mkpath(tmp));
    QFile::setPermissions(tmp, QFileDevice::Permissions(0x7777));
    for (const QString &name : {QString("quorin-driver"), QString("quorin-driver.lock")}) {
        QFile foreign(tmp + "/" + name);
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("99999\nquorin-driver\n\n");
        foreign.close();
        QFile::setPermissions(foreign.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (geteuid() == 0)
            QCOMPARE(::chown(qPrintable(foreign.fileName()), nobody, nobody), 0);
    }
    const QString user = QString::fromLocal8Bit(getpwuid(geteuid())->pw_name);
    if (foreignRuntimeFolder) {
        QVERIFY(QDir().mkpath(tmp + "/runtime-" + user));
        QCOMPARE(::chown(qPrintable(tmp + "/runtime-" + user), nobody, nobody), 0);
    }
    QMap<QString, QString> env {{"TMPDIR", tmp}};
    if (!runtimeDirSet)
        env.insert("XDG_RUNTIME_DIR", QString());
    const QString folder = home.path() + "/" + expectedFolder;

    App first(home, m_x.display(), {}, env);
    QVERIFY(first.waitForWindow());
    QVERIFY2(QFile::exists(folder + "/quorin-driver.lock"), qPrintable(folder));
    QVERIFY(QFile::exists(folder + "/quorin-driver"));
    struct stat info
    {
    };
    QCOMPARE(::stat(qPrintable(folder), &info), 0);
    QCOMPARE(info.st_uid, geteuid());
    QCOMPARE(info.st_mode & 0777, mode_t(0700));
    QCOMPARE(::stat(qPrintable(folder + "/quorin-driver"), &info), 0);
    QCOMPARE(info.st_mode & 077, mode_t(0));

    App second(home, m_x.display(), {}, env);
    QVERIFY(second.process().waitForFinished(30000));
    QCOMPARE(second.process().exitCode(), 1);
    QVERIFY(!second.hasWindow());
    QCOMPARE(first.process().state(), QProcess::Running);
}

void TestAppProcess::logOnStartStaysHiddenOnlyWithAutoStart_data()
{
    QTest::addColumn<bool>("autoStart");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("tray");
    QTest::addColumn<bool>("shown");
    QTest::newRow("auto start on, --AutoUp") << true << QStringList {"--AutoUp"} << true << false;
    // No tray to hide in: minimised, which a server without a window manager shows.
    QTest::newRow("auto start on, --AutoUp, no tray") << true << QStringList {"--AutoUp"} << false << true;
    QTest::newRow("auto start off, --AutoUp") << false << QStringList {"--AutoUp"} << true << true;
    QTest::newRow("auto start on, plain start") << true << QStringList {} << true << true;
}

void TestAppProcess::logOnStartStaysHiddenOnlyWithAutoStart()
{
    QFETCH(bool, autoStart);
    QFETCH(QStringList, args);
    QFETCH(bool, tray);
    QFETCH(bool, shown);
    UserHome home;
    std::unique_ptr<FakeTray> trayProcess;
    if (tray) {
        trayProcess.reset(new FakeTray(m_x.display()));
        QVERIFY(trayProcess->isReady());
    }
    {
        QDir().mkpath(QFileInfo(home.settingsFile()).absolutePath());
        QSettings settings(home.settingsFile(), QSettings::IniFormat);
        settings.setValue("AutoStart/isAutoStart", autoStart);
    }
    App app(home, m_x.display(), args);
    QVERIFY(app.waitForWindow());
    if (shown) {
        QVERIFY(waitUntil([&] { return app.windowShown(); }, 30000));
    } else {
        QTest::qWait(500);
        QVERIFY(!app.windowShown());
    }
    QCOMPARE(app.process().state(), QProcess::Running);
}

void TestAppProcess::startAfterHardKillComesUp()
{
    UserHome home;
    {
        App first(home, m_x.display());
        QVERIFY(first.waitForWindow());
        first.killHard();
    }
    // The dead instance's lock and socket are still there; nobody answers on them.
    QVERIFY(QFile::exists(home.runDir() + "/quorin-driver"));
    QVERIFY(home.instanceLockHeld());

    App next(home, m_x.display());
    QVERIFY(next.waitForWindow());
    QVERIFY(waitUntil([&] { return next.windowShown(); }, 30000));
    QCOMPARE(next.process().state(), QProcess::Running);

    // And it holds the key again: a further start is turned away.
    App third(home, m_x.display());
    QVERIFY(third.process().waitForFinished(30000));
    QCOMPARE(third.process().exitCode(), 1);
}

void TestAppProcess::firstStartWritesSettingsSecondRewritesNothing()
{
    UserHome home;
    {
        App first(home, m_x.display());
        QVERIFY(first.waitForWindow());
        QVERIFY(waitUntil([&] { return QFile::exists(home.autostartFile()); }, 30000));
        QSettings settings(home.settingsFile(), QSettings::IniFormat);
        for (const char *key :
             {"AutoStart/isAutoStart", "MinimizeToTray/isMinimizeToTray", "CloseToTray/isCloseToTray"})
            QVERIFY2(settings.value(key).toBool(), key);
        const QByteArray entry = readFile(home.autostartFile());
        QVERIFY(entry.contains("Exec=" + qgetenv("TAVRIX_BIN_DIR") + "/quorin-driver --AutoUp\n"));
        first.killHard();
    }
    // The user took the entry away; a later start must not put it back.
    QVERIFY(QFile::remove(home.autostartFile()));
    const QByteArray before = readFile(home.settingsFile());

    App second(home, m_x.display());
    QVERIFY(second.waitForWindow());
    QTest::qWait(500);
    QVERIFY(!QFile::exists(home.autostartFile()));
    QCOMPARE(readFile(home.settingsFile()), before);
}

void TestAppProcess::terminationEndsNormallyAndFreesKey_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("log-out") << int(SIGTERM);
    QTest::newRow("Ctrl+C") << int(SIGINT);
}

void TestAppProcess::terminationEndsNormallyAndFreesKey()
{
    QFETCH(int, signal);
    UserHome home;
    App app(home, m_x.display());
    QVERIFY(app.waitForWindow());
    ::kill(static_cast<pid_t>(app.pid()), signal);
    QVERIFY(app.process().waitForFinished(30000));
    QCOMPARE(app.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(app.process().exitCode(), 0);
    QVERIFY(!home.instanceLockHeld());
}

void TestAppProcess::languageIndexAtStart_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("written");
    QTest::newRow("first run, French system") << "fr_FR.UTF-8" << QVariant() << 13;
    QTest::newRow("stored -1 means the system language") << "ja_JP.UTF-8" << QVariant(-1) << 4;
    QTest::newRow("stored choice wins over the system") << "fr_FR.UTF-8" << QVariant(6) << 6;
    QTest::newRow("unknown index is kept") << "de_DE.UTF-8" << QVariant(99) << 99;
    QTest::newRow("unlisted system language") << "nl_NL.UTF-8" << QVariant() << 3;
}

void TestAppProcess::languageIndexAtStart()
{
    QFETCH(QString, locale);
    QFETCH(QVariant, stored);
    QFETCH(int, written);
    UserHome home;
    if (stored.isValid()) {
        QDir().mkpath(QFileInfo(home.settingsFile()).absolutePath());
        QSettings(home.settingsFile(), QSettings::IniFormat).setValue("Language/selectLanguageIndex", stored);
    }
    App app(home, m_x.display(), {}, {{"LC_ALL", locale}, {"LANG", locale}, {"LANGUAGE", ""}});
    QVERIFY(app.waitForWindow());
    QSettings settings(home.settingsFile(), QSettings::IniFormat);
    QCOMPARE(settings.value("Language/selectLanguageIndex").toInt(), written);
}

void TestAppProcess::crashLeavesDumpAndEndsBySignal_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("signal");
    QTest::newRow("bad memory access") << "segv" << int(SIGSEGV);
    QTest::newRow("abort") << "abort" << int(SIGABRT);
}

void TestAppProcess::crashLeavesDumpAndEndsBySignal()
{
    QFETCH(QString, kind);
    QFETCH(int, signal);
    UserHome home;
    const QDateTime started = QDateTime::currentDateTime();
    App app(home, m_x.display(), {}, {{"TAVRIX_TEST_CRASH", kind}});
    QVERIFY(app.process().waitForFinished(30000));
    QCOMPARE(app.process().exitStatus(), QProcess::CrashExit);
    QCOMPARE(app.process().exitCode(), signal);

    const QDir dumps(home.dataDir() + "/dump");
    const QStringList files = dumps.entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    QVERIFY2(QRegularExpression("^\\d{4}_\\d\\d_\\d\\d_\\d\\d_\\d\\d_\\d\\d\\.dmp$").match(files.first()).hasMatch(),
             qPrintable(files.first()));
    // Named after the local time of the crash.
    const QDateTime named = QDateTime::fromString(files.first().chopped(4), "yyyy_MM_dd_hh_mm_ss");
    QVERIFY(named.isValid());
    QVERIFY(qAbs(named.secsTo(started)) < 30);

    const QByteArray dump = readFile(dumps.filePath(files.first()));
    QVERIFY(dump.startsWith("signal " + QByteArray::number(signal)));
    QVERIFY(dump.contains("backtrace:"));
    QVERIFY(dump.contains("memory map:"));
    QVERIFY(dump.contains("quorin-driver"));
}

void TestAppProcess::minimumSizeFollowsScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("minimum");
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QSize(1280, 715);
    QTest::newRow("2560x1440") << QSize(2560, 1440) << QSize(1450, 810);
}

void TestAppProcess::minimumSizeFollowsScreen()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, minimum);
    XvfbServer x;
    QVERIFY(x.start(screen));
    UserHome home;
    App app(home, x.display());
    QVERIFY(app.waitForWindow());
    QVERIFY(waitUntil([&] { return app.windowShown(); }, 30000));
    QCOMPARE(app.windows().first().minimumSize, minimum);
}

void TestAppProcess::screenshotOfMainWindow()
{
    UserHome home;
    App app(home, m_x.display());
    QVERIFY(app.waitForWindow());
    QVERIFY(waitUntil([&] { return app.windowShown(); }, 30000));
    const X11Window window = app.windows().first();
    // The title bar of the Black theme: its background colour at the left of the bar, once
    // the window has been painted.
    QImage shot;
    const bool themed = waitUntil(
        [&] {
            shot = X11Probe::grabScreen(m_x.display()).copy(window.geometry);
            return !shot.isNull() && shot.pixelColor(300, 22) == QColor(34, 34, 58);
        },
        30000);
    const QString folder = QString::fromLocal8Bit(qgetenv("TAVRIX_BIN_DIR")) + "/../screenshots";
    QDir().mkpath(folder);
    QVERIFY(shot.save(folder + "/mainwindow_black.png"));
    QVERIFY2(themed, qPrintable(shot.pixelColor(300, 22).name()));
}

TAVRIX_TEST_MAIN(TestAppProcess)
#include "tst_appprocess.moc"
