// The device page in the real executable, with two emulated keyboards beside it on a
// private X server: the cards, the keyboard picture and the tabs as the user sees
// them, and what reaches the keyboards and the disk.
#include "emudevice.h"
#include "emumodel.h"
#include "support/testmain.h"
#include "support/waituntil.h"
#include "support/xvfbserver.h"
#include "x11probe.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>

namespace {

const QString kTitle = QStringLiteral("Quorin");

bool receivedCommand(EmuDevice &device, const QString &hex)
{
    HidReport wanted;
    HidReport::fromHex(hex, &wanted);
    const QByteArray head = wanted.toByteArray().left(hex.split(' ').size());
    for (const HidReport &r : device.receivedReports()) {
        if (r.toByteArray().startsWith(head))
            return true;
    }
    return false;
}

// Starts the executable in its own HOME and XDG folders with the emulated keyboards of emuDir.
void startApp(QProcess &app, const QString &home, const QString &emuDir, const QString &display)
{
    QDir().mkpath(home + "/run");
    QFile::setPermissions(home + "/run", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_DATA_HOME", home + "/.local/share");
    env.insert("XDG_CACHE_HOME", home + "/.cache");
    env.insert("XDG_RUNTIME_DIR", home + "/run");
    env.insert("TMPDIR", home);
    env.insert("DISPLAY", display);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("TAVRIX_EMU_DIR", emuDir);
    app.setProcessEnvironment(env);
    app.setWorkingDirectory(home);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.start(QString::fromLocal8Bit(qgetenv("TAVRIX_BIN_DIR")) + "/quorin-driver", QStringList());
}

// The executable started under a file-size limit, as a shell's "ulimit -f" would
// start it, with the limit's signal at its default (ending the process).
class SizeLimitedProcess : public QProcess
{
public:
    explicit SizeLimitedProcess(rlim_t limit) : m_limit(limit) { }

protected:
    void setupChildProcess() override
    {
        struct rlimit limit;
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = m_limit;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_DFL);
    }

private:
    rlim_t m_limit;
};

// How many colours the picture holds, counting up to limit.
int distinctColours(const QImage &image, int limit)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height() && seen.size() < limit; y += 4) {
        for (int x = 0; x < image.width() && seen.size() < limit; x += 4)
            seen.insert(image.pixel(x, y));
    }
    return seen.size();
}

}  // namespace

class TestDevicePageProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void twoKeyboardsOpenTheFirstAndShowTheirCards();
    void quitEndsLightSynchronisationOnTheKeyboard();
    void fileSizeLimitFailsTheSavesNotTheProgram();

private:
    XvfbServer m_x;
};

void TestDevicePageProcess::initTestCase()
{
    if (!m_x.start(QSize(1920, 1080)))
        QSKIP("Xvfb is not available");
}

void TestDevicePageProcess::twoKeyboardsOpenTheFirstAndShowTheirCards()
{
    QTemporaryDir home;
    QTemporaryDir emuDir;
    QDir().mkpath(home.path() + "/run");
    QFile::setPermissions(home.path() + "/run",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    EmuDevice full(emuDir.path(), EmuModels::find("QR108"), "a");
    EmuDevice magnetic(emuDir.path(), EmuModels::find("QM68"), "b");
    QVERIFY(full.start());
    QVERIFY(magnetic.start());

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.path() + "/.config");
    env.insert("XDG_DATA_HOME", home.path() + "/.local/share");
    env.insert("XDG_CACHE_HOME", home.path() + "/.cache");
    env.insert("XDG_RUNTIME_DIR", home.path() + "/run");
    env.insert("TMPDIR", home.path());
    env.insert("DISPLAY", m_x.display());
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("TAVRIX_EMU_DIR", emuDir.path());
    QProcess app;
    app.setProcessEnvironment(env);
    app.setWorkingDirectory(home.path());
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.start(QString::fromLocal8Bit(qgetenv("TAVRIX_BIN_DIR")) + "/quorin-driver", QStringList());
    QVERIFY(app.waitForStarted(30000));
    auto stopApp = qScopeGuard([&] {
        app.kill();
        app.waitForFinished(3000);
    });

    // The first keyboard in the library's order (the QR108's socket sorts first) is
    // opened: its profile files appear under its serial number.
    const QString serial = QString::fromLatin1(EmuKeyboard::defaultSerial(full.model(), false, "a"));
    const QString folder = home.path() + "/.local/share/quorin-driver/UserConfig/QR108/" + serial;
    QVERIFY2(waitUntil([&] { return QFile::exists(folder + "/appProfile_FN.xml"); }, 60000), qPrintable(folder));
    QVERIFY(QFile::exists(folder + "/appProfile_Default.xml"));
    // The chain ran on both keyboards; the opened one was asked for its sleep times.
    QVERIFY(waitUntil([&] { return receivedCommand(full, "01 13 02"); }, 60000));
    QVERIFY(receivedCommand(magnetic, "01 09"));
    QVERIFY(!receivedCommand(magnetic, "01 13 02"));
    QVERIFY(!QDir(home.path() + "/.local/share/quorin-driver/UserConfig/QM68").exists());

    const QList<X11Window> windows = X11Probe::windows(m_x.display(), app.processId(), kTitle);
    QVERIFY(!windows.isEmpty());
    // The picture is taken once the page is painted: a blank window has a colour or two.
    QImage shot;
    QVERIFY(waitUntil(
        [&] {
            shot = X11Probe::grabScreen(m_x.display()).copy(windows.first().geometry);
            return distinctColours(shot, 50) >= 50;
        },
        60000));
    const QString shots = QString::fromLocal8Bit(qgetenv("TAVRIX_BIN_DIR")) + "/../screenshots";
    QDir().mkpath(shots);
    QVERIFY(shot.save(shots + "/devicepage_two_keyboards.png"));

    // Shake-hands keep reaching both keyboards while the first one is current.
    full.clearReceived();
    magnetic.clearReceived();
    QVERIFY(waitUntil([&] { return receivedCommand(full, "00 00 00 00 00 01"); }, 60000));
    QVERIFY(waitUntil([&] { return receivedCommand(magnetic, "00 00 00 00 00 01"); }, 60000));

    // The current keyboard is unplugged: the application notices it by itself and opens
    // the other one, whose profile files then appear.
    const QString magneticSerial = QString::fromLatin1(EmuKeyboard::defaultSerial(magnetic.model(), false, "b"));
    const QString magneticFolder = home.path() + "/.local/share/quorin-driver/UserConfig/QM68/" + magneticSerial;
    full.vanish();
    QVERIFY(waitUntil([&] { return QFile::exists(magneticFolder + "/appProfile_Magnetic.xml"); }, 60000));
    QVERIFY(waitUntil([&] { return receivedCommand(magnetic, "01 13 02"); }, 60000));
    // Plugged in again, it gets a new link that runs the query chain again.
    full.clearReceived();
    QVERIFY(full.comeBack());
    QVERIFY(waitUntil([&] { return receivedCommand(full, "01 01"); }, 60000));
    QVERIFY(app.state() == QProcess::Running);
}

void TestDevicePageProcess::quitEndsLightSynchronisationOnTheKeyboard()
{
    QTemporaryDir home;
    QTemporaryDir emuDir;
    EmuDevice keyboard(emuDir.path(), EmuModels::find("QR108"), "a");
    QVERIFY(keyboard.start());
    QProcess app;
    startApp(app, home.path(), emuDir.path(), m_x.display());
    QVERIFY(app.waitForStarted(30000));
    auto stopApp = qScopeGuard([&] {
        app.kill();
        app.waitForFinished(3000);
    });
    // The application streams its frames to the keyboard...
    QVERIFY(waitUntil([&] { return keyboard.keyboard()->state().lightSync; }, 60000));
    QVERIFY(waitUntil([&] { return keyboard.keyboard()->receivedCount(0x0E) > 20; }, 60000));
    // ...and a quit asked by the system ends that before the link closes: the keyboard
    // goes back to its own effects instead of freezing on the last frame.
    ::kill(pid_t(app.processId()), SIGTERM);
    QVERIFY(waitUntil([&] { return app.state() == QProcess::NotRunning; }, 60000));
    QVERIFY(waitUntil([&] { return !keyboard.keyboard()->state().lightSync; }, 60000));
    const QList<HidReport> received = keyboard.receivedReports();
    QVERIFY(!received.isEmpty());
    QCOMPARE(received.last().toByteArray().left(7).toHex(' '), QByteArray("01 16 00 00 00 01 00"));
}

// A file-size limit below a new keyboard's profile files: their saves fail (and are
// told), and the program goes on instead of being ended by the kernel at the first one.
void TestDevicePageProcess::fileSizeLimitFailsTheSavesNotTheProgram()
{
    QTemporaryDir home;
    QTemporaryDir emuDir;
    EmuDevice keyboard(emuDir.path(), EmuModels::find("QR108"), "a");
    QVERIFY(keyboard.start());
    // Below the size of a new keyboard's smallest layer file (about 1.6 KB).
    SizeLimitedProcess app(1024);
    startApp(app, home.path(), emuDir.path(), m_x.display());
    QVERIFY(app.waitForStarted(5000));
    auto stopApp = qScopeGuard([&] {
        app.kill();
        app.waitForFinished(3000);
    });
    // The sleep-time query follows the preparation of the profile files.
    QVERIFY(
        waitUntil([&] { return receivedCommand(keyboard, "01 13 02") || app.state() != QProcess::Running; }, 20000));
    QCOMPARE(app.state(), QProcess::Running);
    const QString serial = QString::fromLatin1(EmuKeyboard::defaultSerial(keyboard.model(), false, "a"));
    const QString folder = home.path() + "/.local/share/quorin-driver/UserConfig/QR108/" + serial;
    QVERIFY(QDir(folder).exists());
    QVERIFY2(!QFile::exists(folder + "/appProfile_Default.xml"),
             qPrintable(QString::number(QFileInfo(folder + "/appProfile_Default.xml").size()) + " "
                        + QDir(folder).entryList(QDir::AllEntries | QDir::Hidden).join(",")));
    ::kill(pid_t(app.processId()), SIGTERM);
    QVERIFY(waitUntil([&] { return app.state() == QProcess::NotRunning; }, 10000));
    QCOMPARE(app.exitStatus(), QProcess::NormalExit);
}

TAVRIX_TEST_MAIN(TestDevicePageProcess)
#include "tst_devicepageprocess.moc"
