#include "emudevice.h"
#include "emuexpect.h"
#include "emuscript.h"
#include "platform/emudirwatcher.h"
#include "sdk/tavrixfirmware.h"
#include "sdk/tavrixhid.h"
#include "support/emuhost.h"
#include "support/kbemuexpect.h"
#include "support/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

const QString kSerial = QStringLiteral("0123456789abcdef0123456789abcdef");

QString kbemuPath()
{
    return qEnvironmentVariable("TAVRIX_BIN_DIR") + QStringLiteral("/kbemu");
}

QString socketPath(const QTemporaryDir &dir, const QString &name)
{
    return dir.filePath(name);
}

bool waitForFile(const QString &path, bool present, int timeoutMs = 60000)
{
    QElapsedTimer clock;
    clock.start();
    while (QFile::exists(path) != present) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(10);
    }
    return true;
}

HidReport hex(const QString &text)
{
    HidReport r;
    HidReport::fromHex(text, &r);
    return r;
}

// A macro packet (step 0..4 of a slot) and a key packet (one of a layer's ten).
QString macroPacket(int slot, int step)
{
    return QStringLiteral("01 18 %1 00 %2 %3 %4")
        .arg(slot, 2, 16, QLatin1Char('0'))
        .arg(step, 2, 16, QLatin1Char('0'))
        .arg(step < 4 ? "3a" : "18")
        .arg(slot * 16 + step + 1, 2, 16, QLatin1Char('0'));
}

QString keyPacket(int layer, int packet)
{
    const int keys = packet < 9 ? 14 : 6;
    return QStringLiteral("01 17 %1 00 %2 %3 00 %4 00 00")
        .arg(layer, 2, 16, QLatin1Char('0'))
        .arg(packet, 2, 16, QLatin1Char('0'))
        .arg(4 * keys, 2, 16, QLatin1Char('0'))
        .arg(4 + packet, 2, 16, QLatin1Char('0'));
}

}  // namespace

// An in-process emulated keyboard in a temporary folder, opened through the transport.
struct EmuFixture
{
    QTemporaryDir dir;
    std::unique_ptr<EmuDevice> device;
    EmuHost host;

    bool start(const QString &model, const QString &tag = QString())
    {
        device = std::make_unique<EmuDevice>(dir.path(), EmuModels::find(model), tag);
        return device->start() && host.open(device->socketPath());
    }
    bool run(const QString &line)
    {
        QString error;
        const bool ok = EmuScript(device.get()).run(line, &error);
        if (!ok)
            qWarning() << line << error;
        return ok;
    }
};

class TestKbEmu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void commandAnswersEveryQuery_data();
    void commandAnswersEveryQuery();
    void commandLogsReportsAndStopsCleanly();
    void commandHelpAndBootloaderStart();
    void commandLogKeptUnderItsLimit();
    void downloadIsStoredAndReported_data();
    void downloadIsStoredAndReported();
    void replyRules_data();
    void replyRules();
    void oddSerials_data();
    void oddSerials();
    void oddAndInjectedReports();
    void lightFramesAreKept();
    void vanishAndReturnAreRemovalAndArrival();
    void sidecarFactsReachTheLibrary();
    void timedLinesRunInOrderAndNeverEarly();
    void repeatHoldsItsRateAndEnds();
    void scriptRejectsBadLines_data();
    void scriptRejectsBadLines();
    void compareShowsFirstDifference_data();
    void compareShowsFirstDifference();

private:
    QTemporaryDir m_commandDir;
    QProcess m_command;
    QMap<QString, std::shared_ptr<EmuHost>> m_hosts;  // model to an open host
};

void TestKbEmu::initTestCase()
{
    QVERIFY(EmuModels::find(QStringLiteral("QR108")).isValid());
    QVERIFY(EmuModels::find(QStringLiteral("QM68")).isMagnetic());

    // One command serves two models; the table test queries both.
    m_command.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_command.start(kbemuPath(),
                    {"--dir", m_commandDir.path(), "--model", "QR108", "--tag", "A", "--serial", kSerial, "--model",
                     "QM68", "--tag", "B", "--serial", kSerial});
    QVERIFY2(m_command.waitForStarted(kChildProcessWaitMs), qPrintable(m_command.errorString()));
    const QStringList names = {"vid_1209&pid_0001&A.sock", "vid_1209&pid_0003&B.sock"};
    const QStringList models = {"QR108", "QM68"};
    for (int i = 0; i < names.size(); ++i) {
        const QString path = socketPath(m_commandDir, names[i]);
        QVERIFY2(waitForFile(path, true), qPrintable(path));
        auto host = std::make_shared<EmuHost>();
        QVERIFY(host->open(path));
        m_hosts.insert(models[i], host);
    }
}

void TestKbEmu::cleanupTestCase()
{
    m_hosts.clear();
    m_command.terminate();
    m_command.waitForFinished(kChildProcessWaitMs);
}

void TestKbEmu::commandAnswersEveryQuery_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("reply");

    const QString serialHex = QString::fromLatin1(kSerial.toLatin1().toHex(' '));
    QTest::newRow("serial") << "QR108"
                            << "00 14"
                            << "01 15 00 00 00 20 " + serialHex;
    QTest::newRow("shake-hands: status") << "QR108"
                                         << "00 00 00 00 00 01 00"
                                         << "01 01 00 00 00 09 00 00 00 00 64 00 00 00 00";
    QTest::newRow("keyboard light config") << "QR108"
                                           << "01 06 01"
                                           << "01 07 00 00 00 0c 02 04 02 ff 00 00 00 00 ff 00 01 00";
    QTest::newRow("side light config") << "QR108"
                                       << "01 07 01"
                                       << "01 08 00 00 00 0c 01 04 02 00 ff 00 00 00 00 00 00 00";
    QTest::newRow("keyboard light types")
        << "QR108"
        << "01 09"
        << "01 0a 00 00 00 13 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0e 0f 10 a5 05 05";
    QTest::newRow("side light types") << "QR108"
                                      << "01 01"
                                      << "01 02 00 00 00 09 00 01 02 03 04 05 a5 05 05";
    QTest::newRow("no side lights: empty list") << "QM68"
                                                << "01 01"
                                                << "01 02 00 00 00 03 a5 00 00";
    QTest::newRow("custom-key bitmap") << "QR108"
                                       << "01 0d"
                                       << "01 0e 00 00 00 16" + QString(" 1f").repeated(22);
    QTest::newRow("ask sleep") << "QR108"
                               << "01 13 02 00 00 01"
                               << "01 14 02 00 00 08 00 00 00 01 2c 07 08 00";
    QTest::newRow("set sleep: acknowledged") << "QR108"
                                             << "01 13 01 00 00 01 00 00 00 02 58 07 08 01"
                                             << "01 14 00 00 00 01";
    QTest::newRow("ask sleep after set") << "QR108"
                                         << "01 13 02 00 00 01"
                                         << "01 14 02 00 00 08 00 00 00 02 58 07 08 01";
    QTest::newRow("travel level") << "QM68"
                                  << "01 29 00 00 00 18 04"
                                  << "01 21 00 00 00 18 04 28";
    QTest::newRow("debounce") << "QM68"
                              << "01 29 00 00 00 18 0a 00"
                              << "01 21 00 00 00 18 0a 02";
    QTest::newRow("report rate") << "QM68"
                                 << "01 29 00 00 00 18 09 00"
                                 << "01 21 00 00 00 18 09 08";
    QTest::newRow("key trigger") << "QM68"
                                 << "01 29 00 00 00 18 05 02 03"
                                 << "01 21 00 00 00 18 05 00 0f 0f 03 03";
    QTest::newRow("calibration starts") << "QM68"
                                        << "01 29 00 00 00 18 07 02 03"
                                        << "01 21 00 00 00 18 07 01";
    QTest::newRow("macro packet: acknowledged") << "QR108" << macroPacket(3, 2) << "01 19 03 00 02";
}

void TestKbEmu::commandAnswersEveryQuery()
{
    QFETCH(QString, model);
    QFETCH(QString, request);
    QFETCH(QString, reply);
    EmuHost &host = *m_hosts.value(model);
    host.readAll(20);  // nothing left over from an earlier row

    HidReport got;
    QVERIFY(host.exchange(request, &got));
    QCOMPARE(EmuExpect::shortHex(got), EmuExpect::shortHex(hex(reply)));
}

// --help lists the options; --bootloader starts a keyboard in its firmware-update
// mode, flashed from the test image the command writes, after which the keyboard
// comes back with the image's version.
void TestKbEmu::commandHelpAndBootloaderStart()
{
    QProcess help;
    help.start(kbemuPath(), {"--help"});
    QVERIFY(help.waitForFinished(kChildProcessWaitMs));
    QCOMPARE(help.exitCode(), 0);
    const QString text = QString::fromLatin1(help.readAllStandardOutput());
    for (const char *option : {"--dir", "--model", "--tag", "--serial", "--script", "--receiver", "--bootloader",
                               "--log", "--log-limit", "--help"})
        QVERIFY2(text.contains(QLatin1String(option)), option);

    QTemporaryDir dir;
    qputenv("TAVRIX_EMU_DIR", dir.path().toLocal8Bit());
    QProcess command;
    command.start(kbemuPath(), {"--dir", dir.path(), "--model", "QR108", "--tag", "u", "--bootloader"});
    QVERIFY(command.waitForStarted(kChildProcessWaitMs));
    const QString bootloader = dir.filePath("vid_1209&pid_000e&u.sock");
    const QString keyboard = dir.filePath("vid_1209&pid_0001&u.sock");
    QVERIFY(waitForFile(bootloader, true));
    QVERIFY(!QFile::exists(keyboard));
    QFile image(dir.filePath("firmware/QR108.bin"));
    QVERIFY(image.open(QIODevice::ReadOnly));
    QVERIFY(image.readAll().contains("Quorin-QR108,_0001,,,QR108,V1.01"));

    const int handle = CTavrixHid_OpenPath(bootloader.toLatin1().constData());
    QVERIFY(handle > 0);
    QCOMPARE(
        CTavrixHid_FirmwareUpgrade(handle, QFile::encodeName(image.fileName()).constData(), 0x80000, 0, 0, nullptr), 0);
    CTavrixHid_Close(handle);
    QVERIFY(waitForFile(keyboard, true));
    QVERIFY(waitForFile(bootloader, false));
    QFile sidecar(keyboard + ".json");
    QVERIFY(sidecar.open(QIODevice::ReadOnly));
    QVERIFY(sidecar.readAll().contains("\"V1.01\""));

    command.terminate();
    QVERIFY(command.waitForFinished(kChildProcessWaitMs));
    qunsetenv("TAVRIX_EMU_DIR");
}

// With live lighting the log is a stream: under --log-limit the file stays below
// the limit, the older reports move to FILE.1, and the newest report is last.
void TestKbEmu::commandLogKeptUnderItsLimit()
{
    QTemporaryDir dir;
    const QString log = dir.filePath("run.log");
    constexpr qint64 kLimit = 1000;  // about five report lines
    QProcess command;
    command.start(kbemuPath(),
                  {"--dir", dir.path(), "--model", "QR108", "--log", log, "--log-limit", QString::number(kLimit)});
    QVERIFY(command.waitForStarted(kChildProcessWaitMs));
    const QString path = dir.filePath("vid_1209&pid_0001.sock");
    QVERIFY(waitForFile(path, true));
    EmuHost host;
    QVERIFY(host.open(path));
    HidReport reply;
    for (int i = 0; i < 30; ++i)
        QVERIFY(host.exchange("00 14", &reply));
    QVERIFY(host.exchange("00 14 00 00 00 00 00 00 5a", &reply));  // the last report, marked
    host.close();
    command.terminate();
    QVERIFY(command.waitForFinished(kChildProcessWaitMs));

    QFile current(log), older(log + ".1");
    QVERIFY(current.open(QIODevice::ReadOnly));
    QVERIFY(older.open(QIODevice::ReadOnly));
    QVERIFY2(current.size() <= kLimit && older.size() <= kLimit,
             qPrintable(QString("%1 and %2 bytes").arg(current.size()).arg(older.size())));
    const QList<QByteArray> lines = current.readAll().split('\n');
    QVERIFY(lines.size() >= 2);
    QVERIFY2(lines.at(lines.size() - 2).contains(" 00 14 00 00 00 00 00 00 5a "),
             lines.at(lines.size() - 2).constData());
    QVERIFY(!older.readAll().isEmpty());

    // A limit without a file, or no number, is refused.
    for (const QStringList &args :
         {QStringList {"--dir", dir.path(), "--model", "QR108", "--log-limit", "100"},
          QStringList {"--dir", dir.path(), "--model", "QR108", "--log", log, "--log-limit", "lots"}}) {
        QProcess refused;
        refused.start(kbemuPath(), args);
        QVERIFY(refused.waitForFinished(kChildProcessWaitMs));
        QCOMPARE(refused.exitCode(), 2);
    }
}

void TestKbEmu::commandLogsReportsAndStopsCleanly()
{
    QTemporaryDir dir;
    const QString script = dir.filePath("script.txt");
    QFile f(script);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("# a 31-character serial\nserial 0123456789abcdef0123456789abcde\nafter 0x13 1 status battery=57\n");
    f.close();

    QProcess command;
    command.start(kbemuPath(), {"--dir", dir.path(), "--model", "QB84", "--receiver", "--script", script});
    QVERIFY(command.waitForStarted(kChildProcessWaitMs));
    const QString path = dir.filePath("vid_1209&pid_0005.sock");
    QVERIFY(waitForFile(path, true));
    QVERIFY(QFile::exists(path + ".json"));

    EmuHost host;
    QVERIFY(host.open(path));
    HidReport reply;
    QVERIFY(host.exchange("00 14", &reply));
    QCOMPARE(reply.mid(6, 32), QByteArray("0123456789abcdef0123456789abcde") + '\0');
    QVERIFY(host.exchange("01 13 02 00 00 01", &reply));
    QVERIFY(host.read(&reply));
    QCOMPARE(EmuExpect::shortHex(reply), EmuExpect::shortHex(hex("01 01 00 00 00 09 00 00 00 00 39 01")));
    host.close();

    command.terminate();
    QVERIFY(command.waitForFinished(kChildProcessWaitMs));
    QCOMPARE(command.exitStatus(), QProcess::NormalExit);
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QFile::exists(path + ".json"));

    // Every received report is one "<ms> <hex bytes>" line.
    const QStringList lines = QString::fromLatin1(command.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    const QRegularExpression pattern("^\\d+( [0-9a-f]{2}){64}$");
    QVERIFY2(pattern.match(lines[0]).hasMatch(), qPrintable(lines[0]));
    QVERIFY(lines[0].endsWith(" 00 14" + QString(" 00").repeated(62)));
    QVERIFY(lines[1].section(' ', 1).startsWith("01 13 02 00 00 01"));
}

void TestKbEmu::downloadIsStoredAndReported_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("status");
    QTest::newRow("plain model, success") << "QR108" << QString() << "01 01 00 00 00 09 00 00 00 00 64 00 00 01";
    QTest::newRow("magnetic model, success") << "QM68" << QString() << "01 01 00 00 00 09 00 00 00 00 64 00 00 01";
    QTest::newRow("scripted failure status") << "QR108"
                                             << "download-result 2"
                                             << "01 01 00 00 00 09 00 00 00 00 64 00 00 02";
    QTest::newRow("no status") << "QR108"
                               << "download-result none" << QString();
}

void TestKbEmu::downloadIsStoredAndReported()
{
    QFETCH(QString, model);
    QFETCH(QString, result);
    QFETCH(QString, status);
    EmuFixture emu;
    QVERIFY(emu.start(model));
    QVERIFY(emu.run(result));
    const bool magnetic = emu.device->model().isMagnetic();

    // A retried download starts again at the first key packet; only the complete
    // second run ends with the status.
    emu.host.write(keyPacket(0, 0));
    for (int layer : {0, 2}) {
        for (int p = 0; p < 10; ++p)
            QCOMPARE(emu.host.write(keyPacket(layer, p)), 64);
    }
    for (int slot = 0; slot < 10; ++slot) {
        for (int step = 0; step < 5; ++step)
            emu.host.write(macroPacket(slot, step));
    }
    // Waits for every reply that is due, then a short while for one that is not.
    const int expected = 50 + (magnetic || status.isEmpty() ? 0 : 1);
    QList<HidReport> replies = emu.host.readCount(expected);
    replies += emu.host.readAll(50);
    QCOMPARE(replies.size(), expected);
    if (magnetic) {
        for (int slot = 0; slot < 40; ++slot)
            emu.host.write(QStringLiteral("01 2a %1 00 00 32 01 %2").arg(slot, 2, 16, QLatin1Char('0')).arg(slot));
        replies += emu.host.readCount(status.isEmpty() ? 0 : 1);
        replies += emu.host.readAll(50);
    }
    QCOMPARE(replies.first(), hex("01 19 00 00 00"));
    QCOMPARE(replies[49], hex("01 19 09 00 04"));
    if (!status.isEmpty())
        QCOMPARE(EmuExpect::shortHex(replies.last()), EmuExpect::shortHex(hex(status)));
    else
        QCOMPARE(replies.size(), 50);

    const EmuOnboardMemory &memory = emu.device->keyboard()->state().memory;
    QCOMPARE(memory.keys.value(2).size(), 132 * 4);
    QCOMPARE(memory.keyCode(2, 14 * 9), QByteArray::fromHex("000d0000"));  // packet 9's first key
    QCOMPARE(memory.keyCode(0, 131), QByteArray(4, '\0'));
    QCOMPARE(memory.macros.value(9).at(0), char(0x91));
    QCOMPARE(memory.macros.value(9).at(232), char(0x95));  // step 4 starts at record byte 232
    QCOMPARE(memory.seniorKeys.size(), magnetic ? 40 : 0);
}

void TestKbEmu::replyRules_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QList<int>>("acked");  // which of five macro packets are acknowledged
    QTest::addColumn<int>("minDelayMs");
    QTest::newRow("silent acknowledgements") << QStringList {"drop 0x19 all"} << QList<int> {} << 0;
    QTest::newRow("first two dropped") << QStringList {"drop 0x19 2"} << QList<int> {2, 3, 4} << 0;
    QTest::newRow("all replies silent") << QStringList {"silent on"} << QList<int> {} << 0;
    QTest::newRow("delayed") << QStringList {"delay 0x19 150"} << QList<int> {0, 1, 2, 3, 4} << 150;
    QTest::newRow("first only delayed") << QStringList {"delay any 150 1"} << QList<int> {1, 2, 3, 4, 0} << 150;
}

void TestKbEmu::replyRules()
{
    QFETCH(QStringList, script);
    QFETCH(QList<int>, acked);
    QFETCH(int, minDelayMs);
    EmuFixture emu;
    QVERIFY(emu.start("QR108"));
    for (const QString &line : script)
        QVERIFY(emu.run(line));

    QElapsedTimer clock;
    clock.start();
    for (int step = 0; step < 5; ++step)
        emu.host.write(macroPacket(1, step));
    const QList<HidReport> replies = emu.host.readAll(minDelayMs + 100);
    QList<int> got;
    for (const HidReport &r : replies)
        got.append(r[4]);
    QCOMPARE(got, acked);
    if (minDelayMs > 0)
        QVERIFY(clock.elapsed() >= minDelayMs);
    // The rules leave the state alone: every packet was stored.
    QCOMPARE(emu.device->keyboard()->state().memory.macros.value(1).at(232), char(0x15));
}

void TestKbEmu::oddSerials_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("bytes");  // bytes 6..37 of the reply
    const QByteArray s31 = "0123456789abcdef0123456789abcde";
    QTest::newRow("31 characters") << "serial " + QString::fromLatin1(s31) << s31 + QByteArray(1, '\0');
    QTest::newRow("empty") << QString("serial") << QByteArray(32, '\0');
    QTest::newRow("unsafe") << QString("serial ../../etc") << QByteArray("../../etc") + QByteArray(23, '\0');
    QTest::newRow("slash, no end byte") << "serial-hex " + QString::fromLatin1(QByteArray("/").repeated(32).toHex())
                                        << QByteArray("/").repeated(32);
}

void TestKbEmu::oddSerials()
{
    QFETCH(QString, line);
    QFETCH(QByteArray, bytes);
    EmuFixture emu;
    QVERIFY(emu.start("QR108"));
    QVERIFY(emu.run(line));
    HidReport reply;
    QVERIFY(emu.host.exchange("00 14", &reply));
    QCOMPARE(reply.mid(6, 32), bytes);
}

void TestKbEmu::oddAndInjectedReports()
{
    EmuFixture emu;
    QVERIFY(emu.start("QM68"));
    // A reply replaced by a short message is not a report: the host reads nothing.
    QVERIFY(emu.run("answer-raw 0x09 01 0a 01"));
    emu.host.write("01 09");
    HidReport reply;
    QVERIFY(!emu.host.read(&reply, 100));
    // A replaced reply without marker, an unknown reply byte and out-of-range status fields.
    QVERIFY(emu.run("answer 0x09 01 0a 00 00 00 00 01 02"));
    QVERIFY(emu.host.exchange("01 09", &reply));
    QCOMPARE(reply, hex("01 0a 00 00 00 00 01 02"));
    QVERIFY(emu.run("send 01 7f 01"));
    QVERIFY(emu.run("status battery=250 charging=9 link=1"));
    QVERIFY(emu.run("sixkey 02 04 05"));
    QVERIFY(emu.run("fullkey 00 00 10 20"));
    QVERIFY(emu.run("hostkey 30"));
    QVERIFY(emu.run("travel 2 3 17"));
    const QList<HidReport> got = emu.host.readAll();
    QStringList want = {"01 7f 01",
                        "01 01 00 00 00 09 00 00 00 09 fa 00 01",
                        "01 04 00 00 00 08 02 00 04 05",
                        "01 05 00 00 00 0d 00 00 10 20",
                        "01 20 00 00 00 05 00 00 00 1e 01",
                        "01 21 00 00 00 18 01 02 03 11"};
    const QString diff = EmuExpect::compare(got, want);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
    // The host's echoes are kept.
    emu.host.write("01 03 00 00 00 09 02 00 04");
    emu.host.readAll(20);
    QCOMPARE(emu.device->keyboard()->state().lastSixKeyEcho, QByteArray::fromHex("0200040000000000"));
}

void TestKbEmu::lightFramesAreKept()
{
    EmuFixture emu;
    QVERIFY(emu.start("QR108"));
    emu.host.write("01 16 00 00 00 01 01");
    emu.host.write("01 0e 01 00 02 06 0a 0b 0c 0d 0e 0f");
    // A length byte beyond the report is cut at the report's end.
    emu.host.write("01 0e 00 00 07 ff 01");
    emu.host.write("01 28 98 39 06 02 07");
    QVERIFY(emu.host.readAll(50).isEmpty());  // light frames are never answered
    const EmuKeyboardState &state = emu.device->keyboard()->state();
    QVERIFY(state.lightSync);
    QCOMPARE(state.lightFrame.value(qMakePair(1, 2)), QByteArray::fromHex("0a0b0c0d0e0f"));
    QCOMPARE(state.lightFrame.value(qMakePair(0, 7)).size(), HidReport::PayloadSize);
    QCOMPARE(state.lastCompactLight.mid(0, 7), QByteArray::fromHex("01289839060207"));
    emu.host.write("01 16 00 00 00 01 00");
    emu.host.readAll(20);
    QVERIFY(!emu.device->keyboard()->state().lightSync);
}

void TestKbEmu::vanishAndReturnAreRemovalAndArrival()
{
    EmuFixture emu;
    QVERIFY(emu.start("QR108", "T1"));
    EmuDirWatcher watcher;
    watcher.setDirectory(emu.dir.path());
    QSignalSpy removed(&watcher, &EmuDirWatcher::sigDeviceRemoved);
    QSignalSpy arrived(&watcher, &EmuDirWatcher::sigDeviceArrived);

    // Unplugged in the middle of a download: after the third key packet.
    QVERIFY(emu.run("after 0x17 3 vanish 300"));
    for (int p = 0; p < 3; ++p)
        QCOMPARE(emu.host.write(keyPacket(0, p)), 64);
    QTRY_COMPARE_WITH_TIMEOUT(removed.size(), 1, 200);
    QCOMPARE(removed.first().first().toString(), emu.device->socketPath());
    QVERIFY(!QFile::exists(emu.device->sidecarPath()));
    QTRY_COMPARE(emu.host.write(keyPacket(0, 3)), -1);

    QTRY_COMPARE_WITH_TIMEOUT(arrived.size(), 1, 600);
    QCOMPARE(arrived.first().first().toString(), emu.device->socketPath());
    QVERIFY(emu.host.open(emu.device->socketPath()));
    HidReport reply;
    QVERIFY(emu.host.exchange("00 14", &reply));
    QCOMPARE(reply.mid(6, 32), emu.device->keyboard()->state().serial);
    // What was written before the unplug is still in memory; the fourth packet never arrived.
    QCOMPARE(emu.device->keyboard()->state().memory.keys.value(0).size(), 3 * 56);
    KBEMU_COMPARE_REPORTS(*emu.device, keyPacket(0, 0), keyPacket(0, 1), keyPacket(0, 2), "00 14");
}

// Scripted "at" lines beyond 2 s once ran on a coarse timer, up to 5 % early or
// late, so lines a few milliseconds apart could swap.
void TestKbEmu::timedLinesRunInOrderAndNeverEarly()
{
    QTemporaryDir dir;
    EmuDevice device(dir.path(), EmuModels::find("QB84"), "at", false);
    struct Fired
    {
        QString name;
        qint64 ms;
    };
    QList<Fired> fired;
    const QList<QPair<QString, qint64>> lines
        = {{"d", 2300}, {"b1", 2100}, {"c", 2110}, {"b2", 2100}, {"a", 0}, {"e", 2301}};
    for (const auto &line : lines) {
        const QString name = line.first;
        device.at(line.second, [&fired, &device, name] { fired.append({name, device.elapsedMs()}); });
    }
    QTRY_COMPARE_WITH_TIMEOUT(fired.size(), lines.size(), 5000);
    QStringList order;
    for (const Fired &f : qAsConst(fired))
        order << f.name;
    QCOMPARE(order, QStringList({"a", "b1", "b2", "c", "d", "e"}));
    for (const Fired &f : qAsConst(fired)) {
        const qint64 due
            = std::find_if(lines.cbegin(), lines.cend(), [&](const auto &l) { return l.first == f.name; })->second;
        QVERIFY2(f.ms >= due, qPrintable(QString("%1 ran at %2 ms, due at %3 ms").arg(f.name).arg(f.ms).arg(due)));
    }
}

// A repeated line runs exactly rate × duration times, the nth never before n / rate
// seconds (a late tick catches up instead), and the repetition ends.
void TestKbEmu::repeatHoldsItsRateAndEnds()
{
    QTemporaryDir dir;
    EmuDevice device(dir.path(), EmuModels::find("QR108"));
    QList<qint64> sentAt;
    QElapsedTimer clock;
    connect(device.keyboard(), &EmuKeyboard::sigSend, this, [&](const QByteArray &report) {
        QCOMPARE(report.left(3), QByteArray::fromHex("010902"));
        sentAt.append(clock.elapsed());
    });
    clock.start();
    QVERIFY(EmuScript(&device).run("repeat 500 400 send 01 09 02"));
    QTRY_VERIFY_WITH_TIMEOUT(device.findChildren<QTimer *>("repeat").isEmpty(), 20000);
    QCOMPARE(sentAt.size(), 200);
    for (int n = 1; n <= sentAt.size(); ++n)
        QVERIFY2(sentAt[n - 1] >= n * 2, qPrintable(QString("report %1 at %2 ms").arg(n).arg(sentAt[n - 1])));
}

void TestKbEmu::sidecarFactsReachTheLibrary()
{
    QTemporaryDir dir;
    qputenv("TAVRIX_EMU_DIR", dir.path().toLocal8Bit());
    EmuDevice device(dir.path(), EmuModels::find("QB84"), "fw", true);
    EmuScript script(&device);
    QVERIFY(script.run("firmware version V2.01"));
    QVERIFY(script.run("firmware id 3 rev-b"));
    QVERIFY(device.start());

    HidDeviceInfoStu info;
    FirmwareInfoStu firmware;
    QVERIFY(CTavrixHid_GetHidAndFirmwareInfoStu(device.socketPath().toLatin1().constData(), &info, &firmware));
    QCOMPARE(QByteArray(firmware.text[FirmwareInfoStu::CurrentVersion]), QByteArray("V2.01"));
    QCOMPARE(QByteArray(firmware.text[FirmwareInfoStu::SecondVersion]), QByteArray("2024-01-15 10:00:00"));
    QCOMPARE(QByteArray(firmware.text[FirmwareInfoStu::IdentityPart0]), QByteArray("Quorin-QB84"));
    QCOMPARE(QByteArray(firmware.text[FirmwareInfoStu::IdentityPart3]), QByteArray("rev-b"));
    QCOMPARE(QByteArray(firmware.text[FirmwareInfoStu::IdentityPart4]), QByteArray("Dongle"));
    qunsetenv("TAVRIX_EMU_DIR");
}

void TestKbEmu::scriptRejectsBadLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("unknown verb") << "explode";
    QTest::newRow("bad number") << "drop 0x19 many";
    QTest::newRow("byte out of range") << "status battery=300";
    QTest::newRow("unknown status field") << "status colour=1";
    QTest::newRow("not hex") << "send 01 zz";
    QTest::newRow("report too long") << "send " + QString("00 ").repeated(65);
    QTest::newRow("bad action after") << "after 0x17 1 explode";
    QTest::newRow("bitmap too short") << "bitmap 01 02";
    QTest::newRow("repeat without a line") << "repeat 1000 200";
    QTest::newRow("repeat at no rate") << "repeat 0 200 send 01 09";
}

void TestKbEmu::scriptRejectsBadLines()
{
    QFETCH(QString, line);
    QTemporaryDir dir;
    EmuDevice device(dir.path(), EmuModels::find("QR108"));
    QString error;
    QVERIFY(!EmuScript(&device).run(line, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!EmuScript(&device).runText("serial x\n\n" + line, &error));
    QVERIFY2(error.startsWith("line 3:"), qPrintable(error));
}

void TestKbEmu::compareShowsFirstDifference_data()
{
    QTest::addColumn<QStringList>("actual");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("message");
    QTest::newRow("equal") << QStringList {"00 14", "01 09"} << QStringList {"00 14", "01 09"} << QString();
    QTest::newRow("byte differs") << QStringList {"00 14", "01 13 00 00 00 01 01"}
                                  << QStringList {"00 14", "01 13 00 00 00 01 00 07"}
                                  << "report 1 differs at byte 6 (got 01, expected 00):\n"
                                     "  got:      01 13 00 00 00 01 01 (57 zero bytes)\n"
                                     "  expected: 01 13 00 00 00 01 00 07 (56 zero bytes)";
    QTest::newRow("missing") << QStringList {"00 14"} << QStringList {"00 14", "01 09"}
                             << "received 1 reports, expected 2; first missing (report 1):\n"
                                "  expected: 01 09 (62 zero bytes)";
    QTest::newRow("extra") << QStringList {"00 14", "01 01"} << QStringList {"00 14"}
                           << "received 2 reports, expected 1; first extra (report 1):\n"
                              "  got:      01 01 (62 zero bytes)";
}

void TestKbEmu::compareShowsFirstDifference()
{
    QFETCH(QStringList, actual);
    QFETCH(QStringList, expected);
    QFETCH(QString, message);
    QList<HidReport> reports;
    for (const QString &a : actual)
        reports.append(hex(a));
    QCOMPARE(EmuExpect::compare(reports, expected), message);
}

TAVRIX_TEST_MAIN(TestKbEmu)
#include "tst_kbemu.moc"
