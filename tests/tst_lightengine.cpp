#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/sidelightbuttoncustom.h"
#include "lighting/audiopacketsource.h"
#include "lighting/dsoundcardaudiocapture.h"
#include "lighting/lightdealmain.h"
#include "lighting/lighttickthreads.h"
#include "support/emuiofixture.h"
#include "support/testmain.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QtEndian>

#include <QFile>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The context switches a thread made by blocking (sleeping, waiting), from the kernel's
// count; -1 when it cannot be read.
qint64 voluntarySwitches(pid_t tid)
{
    QFile status(QStringLiteral("/proc/self/task/%1/status").arg(tid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("voluntary_ctxt_switches:"))
            return line.mid(int(qstrlen("voluntary_ctxt_switches:"))).trimmed().toLongLong();
    }
    return -1;
}

LightTypeListInfo capability(int speeds, int brightness, QList<int> modes = {0, 1, 2})
{
    LightTypeListInfo info;
    info.lightTypeList = modes;
    info.speedMax = speeds;
    info.brightnessMax = brightness;
    return info;
}

colorInfoData record(int target, int mode, int speed = 1)
{
    colorInfoData d;
    d.lightTarget = target;
    d.lightMode = mode;
    d.brightness = 5;  // brightness count 4 below: level 5 shows colours undarkened
    d.speed = speed;
    d.fullColor = 0;
    return d;
}

struct Frame
{
    LightFrameCell cells[lightDealMain::kKeyCells] {};
};

class NoSound : public AudioPacketSource
{
public:
    bool open(int *) override { return false; }
    bool readPacket(QByteArray *) override { return false; }
    void close() override { }
};

// An engine whose sound capture never reaches a sound server.
struct Engine
{
    lightDealMain engine;
    explicit Engine(int keyCount = 104, const char *model = "QR108", int connectType = 0)
    {
        engine.audioCapture()->setSourceFactory([] { return std::unique_ptr<AudioPacketSource>(new NoSound); });
        hidStructInfoAll info {};
        tavrixCopyText(info.hidName, model);
        info.connectType = connectType;
        info.keyCount = keyCount;
        engine.setHidStructInfo(info);
        engine.setLightCapability(capability(5, 4), capability(4, 4));
        engine.initMusicalRhythm(keyCount, 11, 30.0, 930.0);
    }
};

FrequencySpectrum bandSpectrum(const QList<double> &bandValues)
{
    FrequencySpectrum spectrum(4096);
    const double width = 900.0 / 11;
    for (int b = 0; b < bandValues.size(); ++b) {
        spectrum[2 + b].frequency = 30.0 + width * b + width / 2;
        spectrum[2 + b].amplitude = bandValues[b];
    }
    return spectrum;
}

}  // namespace

class TestLightEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void darkeningFollowsBrightnessCount()
    {
        lightDealMain engine;
        engine.setLightCapability(capability(4, 0), capability(4, 4));
        // A keyboard reporting no brightness levels has one: 2 is undarkened, 1 darkened by 160.
        QCOMPARE(engine.darkeningFactor(0, 2), 100);
        QCOMPARE(engine.darkeningFactor(0, 1), 260);
        QCOMPARE(engine.darkeningFactor(1, 5), 100);
        QCOMPARE(engine.darkeningFactor(1, 1), 260);
        QCOMPARE(engine.darkeningFactor(1, 3), 180);
    }

    void tickPeriodsBySpeed_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("speedCount");
        QTest::addColumn<QList<int>>("periods");
        QTest::newRow("keyboard 4 levels") << 0 << 4 << QList<int> {28, 24, 16, 12};
        QTest::newRow("keyboard 5 levels") << 0 << 5 << QList<int> {28, 26, 24, 22, 20};
        QTest::newRow("side 5 levels") << 1 << 5 << QList<int> {28, 26, 24, 22, 20};
        QTest::newRow("side 4 levels") << 1 << 4 << QList<int> {28, 24, 16, 12};
        QTest::newRow("side 3 levels") << 1 << 3 << QList<int> {28, 26, 24};
    }
    void tickPeriodsBySpeed()
    {
        QFETCH(int, target);
        QFETCH(int, speedCount);
        QFETCH(QList<int>, periods);
        Engine e;
        e.engine.setLightCapability(capability(speedCount, 4), capability(speedCount, 4));
        for (int speed = 1; speed <= periods.size(); ++speed) {
            if (target == 0)
                e.engine.setKeyboardColorInfoData(record(0, 2, speed));
            else
                e.engine.setSideColorInfoData(record(1, 2, speed));
            QCOMPARE(target == 0 ? e.engine.keyboardTickPeriod() : e.engine.sideTickPeriod(), periods[speed - 1]);
        }
        // A speed beyond the table stays within the tick's clamp.
        e.engine.setKeyboardColorInfoData(record(0, 2, 40));
        QVERIFY(e.engine.keyboardTickPeriod() >= 8 && e.engine.keyboardTickPeriod() <= 28);
    }

    void workingCopyAndSideWithoutLights()
    {
        Engine e;
        colorInfoData radar = record(0, 4);
        radar.direction = 7;
        radar.fullColor = 1;
        e.engine.setKeyboardColorInfoData(radar);
        QCOMPARE(e.engine.keyboardWork().direction, 1);
        QCOMPARE(e.engine.keyboardColorInfo().direction, 7);
        QVERIFY(e.engine.keyboardWork().fullColorOn);
        QCOMPARE(e.engine.keyboardWork().speedIndex, 0);

        lightDealMain bare;
        bare.setLightCapability(capability(5, 4), capability(0, 0, {}));
        bare.setSideColorInfoData(record(1, 2, 5));
        QCOMPARE(bare.sideTickPeriod(), 15);
        QCOMPARE(bare.sideWork().lightMode, 0);
    }

    void keyboardRenderers_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("fullColor");
        QTest::addColumn<QColor>("top");
        QTest::addColumn<QColor>("bottom");
        QTest::addColumn<QColor>("cell");
        QTest::addColumn<int>("intensity");
        QTest::addColumn<int>("stepIndex");
        QTest::addColumn<QColor>("expected");
        const QColor black(0, 0, 0);
        const QColor white(255, 255, 255);
        QTest::newRow("breath white at full is 254")
            << 1 << false << white << black << white << 255 << 0 << QColor(254, 254, 254, 200);
        QTest::newRow("static black top is transparent")
            << 0 << false << black << black << white << 255 << 0 << QColor(255, 255, 255, 0);
        QTest::newRow("breath black top, black cell")
            << 1 << false << black << black << black << 255 << 0 << QColor(0, 0, 0, 0);
        QTest::newRow("wave blends top over bottom") << 2 << false << QColor(200, 0, 0) << QColor(0, 0, 100)
                                                     << QColor(9, 9, 9) << 128 << 0 << QColor(100, 0, 49, 180);
        QTest::newRow("radar black bottom caps alpha")
            << 4 << false << QColor(200, 0, 0) << black << white << 250 << 0 << QColor(195, 0, 0, 200);
        QTest::newRow("twinkle black bottom caps both")
            << 9 << false << white << black << white << 250 << 0 << QColor(199, 199, 199, 200);
        QTest::newRow("neon full colour shows the cell")
            << 3 << true << white << black << QColor(1, 2, 3) << 10 << 0 << QColor(1, 2, 3, 180);
    }
    void keyboardRenderers()
    {
        QFETCH(int, mode);
        QFETCH(bool, fullColor);
        QFETCH(QColor, top);
        QFETCH(QColor, bottom);
        QFETCH(QColor, cell);
        QFETCH(int, intensity);
        QFETCH(int, stepIndex);
        QFETCH(QColor, expected);
        Engine e;
        colorInfoData d = record(0, mode);
        d.fullColor = fullColor ? 1 : 0;
        d.topColorR = top.red(), d.topColorG = top.green(), d.topColorB = top.blue();
        d.bottomColorR = bottom.red(), d.bottomColorG = bottom.green(), d.bottomColorB = bottom.blue();
        e.engine.setKeyboardColorInfoData(d);
        Frame frame;
        for (LightFrameCell &c : frame.cells) {
            c.red = cell.red(), c.green = cell.green(), c.blue = cell.blue();
            c.intensity = intensity;
            c.stepIndex = stepIndex;
        }
        e.engine.onKeyboardFrame(frame.cells);
        QCOMPARE(e.engine.previewColor(0), expected);
        QCOMPARE(e.engine.previewColor(131), expected);
    }

    void steppedTrailsAndUnrenderedModes()
    {
        Engine e;
        colorInfoData d = record(0, 6);
        d.fullColor = 1;
        e.engine.setKeyboardColorInfoData(d);
        Frame frame;
        for (int i = 0; i < lightDealMain::kKeyCells; ++i) {
            frame.cells[i].intensity = 50;
            frame.cells[i].stepIndex = i % 11;  // 0..10
        }
        e.engine.onKeyboardFrame(frame.cells);
        for (int i = 0; i < 11; ++i)
            QCOMPARE(e.engine.previewColor(i).alpha(), (i >= 1 && i <= 9) ? 180 : 50);

        // DPI and unknown modes leave the previews as they were.
        const QColor before = e.engine.previewColor(5);
        for (int mode : {13, 17}) {
            e.engine.setKeyboardColorInfoData(record(0, mode));
            e.engine.onKeyboardFrame(frame.cells);
            QCOMPARE(e.engine.previewColor(5), before);
        }
    }

    void speedRespondMapAndSideClose()
    {
        Engine e;
        e.engine.setKeyboardColorInfoData(record(0, 12));
        Frame frame;
        frame.cells[0].level = 3, frame.cells[0].intensity = 250;    // row 0
        frame.cells[22].level = 3, frame.cells[22].intensity = 120;  // row 1, same level: replaces
        frame.cells[44].level = 7, frame.cells[44].intensity = 0;    // no value: not kept
        frame.cells[66].level = 1, frame.cells[66].intensity = 255;  // capped to 200, black bottom
        e.engine.onKeyboardFrame(frame.cells);
        QCOMPARE(e.engine.speedRespondMap(), (QMap<int, int> {{3, 120}, {1, 200}}));
        const HidReport compact = e.engine.compactReport(0);
        QCOMPARE(compact[5], uint8_t(3));
        QCOMPARE(compact[6], uint8_t(120));

        // Side Close renders transparent black whatever the frame holds.
        e.engine.setSideColorInfoData(record(1, 5));
        LightFrameCell side[lightDealMain::kSideCells] {};
        for (LightFrameCell &c : side)
            c.red = 255, c.intensity = 255;
        e.engine.onSideFrame(side);  // no side buttons yet: nothing rendered
        QCOMPARE(e.engine.previewColor(132), QColor());
    }

    void bandLayout_data()
    {
        QTest::addColumn<int>("keyCount");
        QTest::addColumn<QList<int>>("columns");
        QTest::newRow("87 keys, 18 columns") << 87 << QList<int> {1, 1, 2, 2, 2, 2, 2, 2, 2, 1, 1};
        QTest::newRow("68 keys, 16 columns") << 68 << QList<int> {1, 1, 1, 2, 2, 2, 2, 2, 1, 1, 1};
        QTest::newRow("34 keys, 7 columns") << 34 << QList<int> {0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0};
        QTest::newRow("104 keys, 22 columns") << 104 << QList<int> {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    }
    void bandLayout()
    {
        QFETCH(int, keyCount);
        QFETCH(QList<int>, columns);
        Engine e(keyCount);
        QCOMPARE(e.engine.columnsPerBand().mid(0, 11), columns);
        QCOMPARE(e.engine.columnsPerBand().size(), 22);
        QCOMPARE(e.engine.columnsPerBand().mid(11), QList<int>(QVector<int>(11, 0).toList()));
        int used = 0;
        for (int n : columns)
            used += n;
        QCOMPARE(e.engine.columnToBand().size(), 22);
        for (int c = used; c < 22; ++c)
            QCOMPARE(e.engine.columnToBand().value(c), 0);
    }

    void levelThresholds()
    {
        const QList<QPair<double, int>> cases = {{0.0999, 0}, {0.1, 1}, {0.25, 2}, {0.4, 3},         {0.55, 4},
                                                 {0.6999, 4}, {0.7, 5}, {-1.0, 0}, {std::nan(""), 0}};
        for (const auto &c : cases)
            QCOMPARE(lightDealMain::levelOfValue(c.first), c.second);
    }

    void musicBarsRiseAndFall()
    {
        Engine e(68);  // 16 columns: bands 3..7 two columns wide
        colorInfoData d = record(0, 100);
        d.fullColor = 1;
        e.engine.setKeyboardColorInfoData(d);
        QVERIFY(e.engine.isMusicEnabled());
        // Band colours fill the frame; switching on then dims the previews until the first tick.
        QCOMPARE(e.engine.keyboardCell(0, 0).red, 255);
        QCOMPARE(e.engine.keyboardCell(0, 15).blue, 255);  // band 10: 255, 0, 255
        QCOMPARE(e.engine.previewColor(0), QColor(0, 0, 0, 128));
        const QList<double> values = {0.1, 0.25, 0.4, 0.55, 0.7, 0.1, 0.25, 0.4, 0.55, 0.7, 0.0};
        e.engine.onSpectrumChanged(bandSpectrum(values));
        e.engine.onDeviceUpdateAllKeyColor();

        const QList<int> levels = e.engine.columnLevels();
        QCOMPARE(levels.size(), 22);
        // Column 0 (band 0, level 1): the top of the bar is row 4, faded once.
        QCOMPARE(levels.at(0), 1);
        QCOMPARE(e.engine.columnIntensities().at(0), 230);
        QCOMPARE(e.engine.keyboardCell(5, 0).intensity, 255);
        QCOMPARE(e.engine.keyboardCell(3, 0).intensity, 0);
        // Band 10 at level 0: only the bottom cell, at intensity 255 with weight 0 (black bottom).
        QCOMPARE(levels.at(15), 0);
        QCOMPARE(e.engine.previewColor(5 * 22 + 15).alpha(), 0);

        // The compact report carries the last column of each band: 0, 1, 2, 4, 6, 8, 10, 12, 13, 14, 15.
        const HidReport compact = e.engine.compactReport(0);
        const QList<int> lastColumns = {0, 1, 2, 4, 6, 8, 10, 12, 13, 14, 15};
        for (int b = 0; b < 11; ++b) {
            QCOMPARE(int(compact[5 + b]), levels.at(lastColumns[b]));
            QCOMPARE(int(compact[16 + b]), e.engine.columnIntensities().at(lastColumns[b]));
        }
        QCOMPARE(int(compact[4]), 100);

        // A falling top cell below 50 goes out and hands the fall to the cell below on the same tick.
        for (int tick = 0; tick < 8; ++tick)
            e.engine.onDeviceUpdateAllKeyColor();
        QCOMPARE(e.engine.keyboardCell(4, 0).intensity, 30);  // 255 - 9 * 25
        e.engine.onDeviceUpdateAllKeyColor();
        QCOMPARE(e.engine.keyboardCell(4, 0).intensity, 0);
        QCOMPARE(e.engine.keyboardCell(5, 0).intensity, 230);

        // Any other keyboard mode switches the music off; later spectra are ignored.
        e.engine.keyboardColorInfoDataChanged(record(0, 2));
        QVERIFY(!e.engine.isMusicEnabled());
        e.engine.onSpectrumChanged(bandSpectrum({1.0}));
    }

    void capturedSoundDrivesTheBars()
    {
        Engine e;
        e.engine.setKeyboardColorInfoData(record(0, 100));
        // Five 4096-byte chunks of a loud 100 Hz tone: the fifth passes 16384 bytes.
        for (int chunk = 0; chunk < 5; ++chunk) {
            auto *data = new BYTE[4096];
            for (int i = 0; i < 1024; ++i) {
                const int frame = chunk * 1024 + i;
                const qint16 v = qint16(32000 * std::sin(2 * M_PI * 100.0 * frame / 44100.0));
                qToLittleEndian<qint16>(v, data + i * 4);
                qToLittleEndian<qint16>(v, data + i * 4 + 2);
            }
            e.engine.onSendCaptureAudioData(data, 4096);
        }
        e.engine.onDeviceUpdateAllKeyColor();
        QCOMPARE(e.engine.columnLevels().at(0), 5);  // band 0 holds 30..111 Hz
    }

    void compactReportBytes()
    {
        Engine e(104, "QR108", 1);
        e.engine.setKeyboardColorInfoData(record(0, 6));
        HidReport report = e.engine.compactReport(1700000012345LL);
        QCOMPARE(report[1], uint8_t(0x28));
        QCOMPARE(report[2], uint8_t(0x98));
        QCOMPARE(report[3], uint8_t(0x39));
        for (int b = 5; b <= 9; ++b)
            QCOMPARE(report[b], uint8_t(0));  // no key pressed since the last report

        e.engine.setInteractLightPoint(2, 7);
        report = e.engine.compactReport(0);
        QCOMPARE(report[5], uint8_t(2));
        QCOMPARE(report[6], uint8_t(7));
        QCOMPARE(e.engine.compactReport(0)[5], uint8_t(0));  // carried once

        // The side payload follows the side mode: Collision carries the library's runners.
        colorInfoData collision = record(1, 3);
        collision.topColorR = 77;
        e.engine.setSideColorInfoData(collision);
        e.engine.onDeviceUpdateAllSideLightColor();
        const SideCollisionLightConfig runners = CTavrixHid_GetSideCollisionLightRunningConfig();
        report = e.engine.compactReport(0);
        QCOMPARE(report[34], uint8_t(3));
        QCOMPARE(report.mid(35, 5), QByteArray(reinterpret_cast<const char *>(&runners), 5));
        QCOMPARE(report[37], uint8_t(77));

        // A keyboard without side lights leaves the side bytes 0.
        e.engine.setLightCapability(capability(5, 4), capability(0, 0, {}));
        QCOMPARE(e.engine.compactReport(0).mid(34, 6), QByteArray(6, '\0'));
    }

    void usbPassReports_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QList<int>>("sideLengths");
        QTest::newRow("45 side lights") << QStringLiteral("QR108") << QList<int> {54, 54, 27};
        QTest::newRow("default 33") << QStringLiteral("QM68") << QList<int> {54, 45};
    }
    void usbPassReports()
    {
        QFETCH(QString, model);
        QFETCH(QList<int>, sideLengths);
        Engine e(104, model.toLatin1().constData());
        const QList<HidReport> reports = e.engine.usbFrameReports();
        QCOMPARE(reports.size(), 8 + sideLengths.size());
        for (int k = 0; k < 8; ++k) {
            QCOMPARE(reports[k][1], uint8_t(0x0E));
            QCOMPARE(reports[k][2], uint8_t(0));
            QCOMPARE(reports[k][4], uint8_t(k));
            QCOMPARE(int(reports[k][5]), k < 7 ? 54 : 18);
        }
        for (int k = 0; k < sideLengths.size(); ++k) {
            QCOMPARE(reports[8 + k][2], uint8_t(1));
            QCOMPARE(reports[8 + k][4], uint8_t(k));
            QCOMPARE(int(reports[8 + k][5]), sideLengths[k]);
        }
        const QList<HidReport> custom = e.engine.customLedReports();
        QCOMPARE(custom.size(), 8);
        QCOMPARE(custom[7][1], uint8_t(0x08));
        QCOMPARE(custom[7][2], uint8_t(2));
        QCOMPARE(int(custom[7][5]), 18);
    }

    void synchronisationTogglesOnce()
    {
        Engine e;
        QCOMPARE(e.engine.synchronizeReport()[6], uint8_t(0));
        e.engine.setLightSynchronize(false);  // while off: nothing
        QVERIFY(!e.engine.isLightSynchronize());
        e.engine.setLightSynchronize(true);
        e.engine.setLightSynchronize(true);
        QVERIFY(e.engine.isLightSynchronize());
        const HidReport on = e.engine.synchronizeReport();
        QCOMPARE(on[1], uint8_t(0x16));
        QCOMPARE(on[5], uint8_t(0x01));
        QCOMPARE(on[6], uint8_t(1));
        e.engine.setLightSynchronize(false);
        QVERIFY(!e.engine.isLightSynchronize());
    }

    void synchronisationReachesTheKeyboard()
    {
        EmuIoFixture emu(QStringLiteral("QR108"));
        QVERIFY(emu.open());
        Engine e;
        e.engine.setHidInterface(emu.hid());
        e.engine.setLightSynchronize(true);
        e.engine.setLightSynchronize(true);
        EmuKeyboard *keyboard = emu.device()->keyboard();
        QTRY_VERIFY(keyboard->state().lightSync);
        // One whole frame: 8 key reports and, for 45 side lights, 3 side reports.
        QTRY_VERIFY(keyboard->state().lightFrame.contains(qMakePair(1, 2)));
        QCOMPARE(keyboard->state().lightFrame.value(qMakePair(0, 7)).size(), 18);
        QCOMPARE(keyboard->state().lightFrame.value(qMakePair(1, 2)).size(), 27);
        e.engine.setLightSynchronize(false);
        e.engine.setLightSynchronize(false);
        QTRY_VERIFY(!keyboard->state().lightSync);
        // Commands reach the keyboard in their order: once a later one is there, every
        // synchronisation switch queued before it is too.
        const int asked = keyboard->receivedCount(uint8_t(HidCmd::LightTypeList));
        QVERIFY(emu.hid()->appendCmdData(HidReport::command(HidCmd::LightTypeList).data()) == 0);
        QTRY_VERIFY(keyboard->receivedCount(uint8_t(HidCmd::LightTypeList)) > asked);
        QCOMPARE(keyboard->receivedCount(0x16), 2);  // one on, one off
        // Restarting right after a stop, while the send tick still finishes, is not lost.
        e.engine.setLightSynchronize(true);
        e.engine.setLightSynchronize(false);
        e.engine.setLightSynchronize(true);
        QVERIFY(e.engine.isLightSynchronize());
        QTRY_COMPARE(keyboard->receivedCount(0x16), 5);
        QTRY_VERIFY(keyboard->state().lightSync);
        e.engine.setLightSynchronize(false);
    }

    // The link deletes the keyboard's I/O object when the keyboard goes, while the engine
    // still streams; frames and commands queued before that must not reach the freed object.
    void keyboardGoneWhileSynchronising()
    {
        Engine e;
        auto *hid = new MainHidInterFace(0, QStringLiteral("QR108"));
        e.engine.setHidInterface(hid);
        e.engine.setLightTickRunning(true);
        e.engine.setLightSynchronize(true);
        delete hid;
        QCOMPARE(e.engine.hidInterface(), nullptr);
        e.engine.onDeviceUpdateAllKeyColorSendKeyboardHid();
        e.engine.onSendLightSynchronize0x17Cmd();
        e.engine.setLightSynchronize(false);
        e.engine.setLightTickRunning(false);
    }

    // Brightness and colour changes while streaming: the keyboard never gets a black frame
    // (the previews keep the last frame until the next tick renders the new parameters).
    void settingChangesStreamNoBlackFrame()
    {
        EmuIoFixture emu(QStringLiteral("QR108"));
        QVERIFY(emu.open());
        Engine e;
        e.engine.setHidInterface(emu.hid());
        colorInfoData stat = record(0, 0);
        stat.topColorR = 255;
        e.engine.loadProfileColorInfo();  // previews become a black placeholder
        e.engine.setKeyboardColorInfoData(stat);
        e.engine.setLightTickRunning(true);
        e.engine.setLightSynchronize(true);
        EmuKeyboard *keyboard = emu.device()->keyboard();
        QTRY_VERIFY(keyboard->receivedCount(0x0E) > 0);
        for (int i = 0; i < 30; ++i) {
            stat.brightness = 1 + i % 5;
            stat.topColorG = (i * 40) % 256;
            e.engine.keyboardColorInfoDataChanged(stat);
            QVERIFY(e.engine.previewColor(0) != QColor(0, 0, 0, 255));
            QTest::qWait(7);
        }
        e.engine.setLightSynchronize(false);
        e.engine.setLightTickRunning(false);
        int keyReports = 0;
        for (const HidReport &r : emu.device()->receivedReports()) {
            if (r[1] != 0x0E || r[2] != 0)
                continue;
            ++keyReports;
            bool anyLit = false;
            for (int b = 0; b < r[5]; ++b)
                anyLit = anyLit || r[6 + b] != 0;
            QVERIFY2(anyLit, qPrintable(r.toHex()));
        }
        QVERIFY(keyReports >= 8);
    }

    // Without a sound server the music mode tells the user once, when it is chosen.
    void musicWithoutSoundServerTellsTheUser()
    {
        Engine e;
        QSignalSpy tips(&e.engine, &lightDealMain::sigSomeMessageTip);
        colorInfoData music = record(0, 100);
        e.engine.setKeyboardColorInfoData(music);
        QCOMPARE(tips.count(), 1);
        QCOMPARE(tips.first().first().toString(),
                 QStringLiteral("Musical Rhythm cannot hear the sound output: no sound server answers"));
        music.topColorG = 90;
        e.engine.keyboardColorInfoDataChanged(music);
        QCOMPARE(tips.count(), 1);
        e.engine.setKeyboardColorInfoData(record(0, 2));
        e.engine.setKeyboardColorInfoData(music);
        QCOMPARE(tips.count(), 2);
    }

    // A frame tick keeps its period but sleeps between emissions instead of looking at the
    // clock every millisecond, and a stop ends it without waiting out the period.
    void frameTickSleepsUntilDue()
    {
        updateLightMainThread tick;
        tick.setPeriod(20);
        std::atomic<int> emissions {0};
        std::atomic<pid_t> tid {0};
        std::atomic<qint64> firstNs {0}, lastNs {0};
        connect(
            &tick, &updateLightMainThread::sigDeviceUpdateAllKeyColor, &tick,
            [&] {
                const qint64 ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                      std::chrono::steady_clock::now().time_since_epoch())
                                      .count();
                if (emissions.load() == 0) {
                    tid = pid_t(syscall(SYS_gettid));
                    firstNs = ns;
                }
                lastNs = ns;
                ++emissions;
            },
            Qt::DirectConnection);
        tick.setRunFlag(true);
        tick.start();
        auto stop = qScopeGuard([&tick] {
            tick.setRunFlag(false);
            tick.waitEnded();
        });
        QTRY_VERIFY(emissions.load() >= 1);
        // The thread blocks once per emission while it sleeps until the next is due;
        // polling the clock every millisecond would block some twenty times per emission.
        const qint64 switchesBefore = voluntarySwitches(tid);
        const int emittedBefore = emissions.load();
        QVERIFY(switchesBefore >= 0);
        QTRY_VERIFY_WITH_TIMEOUT(emissions.load() >= emittedBefore + 20, 20000);
        const qint64 switches = voluntarySwitches(tid) - switchesBefore;
        const int emitted = emissions.load() - emittedBefore;
        QVERIFY2(switches <= 2 * emitted + 5,
                 qPrintable(QStringLiteral("%1 wake-ups for %2 emissions").arg(switches).arg(emitted)));
        // Never more often than its period (a late tick fires once, it does not catch up).
        tick.setRunFlag(false);
        tick.waitEnded();
        const qint64 spanMs = (lastNs.load() - firstNs.load()) / 1000000;
        QVERIFY2(emissions.load() <= spanMs / 20 + 2,
                 qPrintable(QStringLiteral("%1 emissions in %2 ms").arg(emissions.load()).arg(spanMs)));
    }

    // Stopping wakes a sleeping tick at once instead of letting its period run out.
    void stoppingWakesASleepingTick()
    {
        struct SlowTick : LightFrameTickThread
        {
            SlowTick() : LightFrameTickThread(600000, 8, nullptr) { }
            std::atomic<int> emissions {0};
            void emitTick() override { ++emissions; }
        } tick;
        tick.setRunFlag(true);
        tick.start();
        QTRY_COMPARE(tick.emissions.load(), 1);  // now asleep for ten minutes
        tick.setRunFlag(false);
        QVERIFY(tick.wait(60000));
        QCOMPARE(tick.emissions.load(), 1);
    }

    // The preview repaints a key only when its colour changed: a still effect repaints nothing.
    void previewRepaintsOnlyChangedKeys()
    {
        Engine e;
        QWidget host;
        host.resize(900, 300);
        int paints = 0;
        struct PaintCounter : QObject
        {
            int *count;
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint)
                    ++*count;
                return false;
            }
        } counter;
        counter.count = &paints;
        for (int r = 0; r < lightDealMain::kRows; ++r) {
            for (int c = 0; c < lightDealMain::kColumns; ++c) {
                auto *key = new keyboardButCustom(&host);
                key->setKeySize(38, 38);
                key->move(c * 40, r * 40);
                key->setShowKeyColor(true);
                key->setShowSelected(false);
                key->setLightPreview(true);
                key->installEventFilter(&counter);
                e.engine.keyButtons[r][c] = key;
            }
        }
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        colorInfoData stat = record(0, 0);
        stat.topColorR = 200;
        e.engine.setKeyboardColorInfoData(stat);
        e.engine.setPreviewEnabled(true);
        e.engine.setLightTickRunning(true);
        QTRY_COMPARE(e.engine.keyButtons[2][3]->keyColor(), e.engine.previewColor(2 * 22 + 3));
        QTest::qWait(100);
        paints = 0;
        QTest::qWait(300);
        QCOMPARE(paints, 0);
        stat.topColorG = 150;
        e.engine.keyboardColorInfoDataChanged(stat);
        QTRY_VERIFY(paints >= lightDealMain::kKeyCells);
        e.engine.setLightTickRunning(false);
    }

    void customAndSideFramesReachTheButtons()
    {
        Engine e;
        QWidget host;
        for (int r = 0; r < lightDealMain::kRows; ++r) {
            for (int c = 0; c < lightDealMain::kColumns; ++c) {
                auto *key = new keyboardButCustom(&host);
                key->setShowKeyColor(true);
                key->setCustomLightColor(c == 0 ? QColor(0, 0, 0) : QColor(10, 20, 30));
                e.engine.keyButtons[r][c] = key;
            }
        }
        QList<sideLightButtonCustom *> sides;
        for (int n = 0; n < 3; ++n)
            sides.append(new sideLightButtonCustom(&host));
        e.engine.sideLightButtons = sides;
        e.engine.loadProfileColorInfo();  // no profile: the records stay, the side LEDs are counted
        e.engine.setKeyboardColorInfoData(record(0, 10));
        colorInfoData side = record(1, 0);
        side.topColorR = 200;
        e.engine.setSideColorInfoData(side);
        e.engine.setCustomLightColors(1, 0);

        Frame frame;
        e.engine.onKeyboardFrame(frame.cells);  // Custom mode ignores the library's frame
        QCOMPARE(e.engine.previewColor(1), QColor(10, 20, 30, 180));
        QCOMPARE(e.engine.previewColor(0).alpha(), 0);  // a black Custom colour is transparent
        LightFrameCell cells[lightDealMain::kSideCells] {};
        for (LightFrameCell &c : cells)
            c.red = 200, c.intensity = 255;
        e.engine.onSideFrame(cells);
        QCOMPARE(e.engine.previewColor(132), QColor(200, 0, 0, 250));
        QCOMPARE(e.engine.previewColor(135), QColor(0, 0, 0, 255));  // beyond the 3 side lights

        e.engine.setPreviewEnabled(true);
        e.engine.setLightTickRunning(true);
        QTRY_COMPARE(e.engine.keyButtons[0][1]->keyColor(), e.engine.previewColor(1));
        QTRY_COMPARE(sides.at(0)->color(), e.engine.previewColor(132));
        e.engine.setLightTickRunning(false);

        // A rebuilt keyboard picture deletes its buttons; the engine then passes them over.
        delete sides.takeFirst();
        delete e.engine.keyButtons[0][1].data();
        e.engine.onDeviceUpdateAllKeyColorUI();
        e.engine.onDeviceUpdateAllSideLightColorUI();
    }

    // Static keys and side lights: once the frame is shown and sent the ticks rest; the
    // keep-alive resends the frame without waking them; a moving mode wakes them, and
    // Static again lets them rest again.
    void stillLightRestsItsTicks()
    {
        EmuIoFixture emu(QStringLiteral("QR108"));
        QVERIFY(emu.open());
        Engine e;
        e.engine.setHidInterface(emu.hid());
        colorInfoData stat = record(0, 0);
        stat.topColorB = 200;
        e.engine.setKeyboardColorInfoData(stat);
        e.engine.setSideColorInfoData(record(1, 0));
        e.engine.setPreviewEnabled(true);
        e.engine.setLightTickRunning(true);
        e.engine.setLightSynchronize(true);
        QTRY_VERIFY(e.engine.areTicksResting());
        auto *keyTick = e.engine.findChild<updateLightMainThread *>();
        auto *sideTick = e.engine.findChild<updateLightMainThreadSide *>();
        QVERIFY(keyTick && sideTick);
        QSignalSpy keyTicks(keyTick, &updateLightMainThread::sigDeviceUpdateAllKeyColor);
        QSignalSpy sideTicks(sideTick, &updateLightMainThreadSide::sigDeviceUpdateAllKeyColorSide);

        EmuKeyboard *keyboard = emu.device()->keyboard();
        const int colourReports = keyboard->receivedCount(0x0E);
        e.engine.onSendLightSynchronize0x17Cmd();
        // 8 key reports and 3 for the 45 side lights.
        QTRY_VERIFY(keyboard->receivedCount(0x0E) >= colourReports + 11);
        QTest::qWait(150);
        QCOMPARE(keyTicks.count(), 0);
        QCOMPARE(sideTicks.count(), 0);
        QVERIFY(e.engine.areTicksResting());

        e.engine.keyboardColorInfoDataChanged(record(0, 2));
        QVERIFY(!e.engine.areTicksResting());
        QTRY_VERIFY(keyTicks.count() > 20);
        QVERIFY(!e.engine.areTicksResting());
        e.engine.keyboardColorInfoDataChanged(stat);
        QTRY_VERIFY(e.engine.areTicksResting());

        // Stopping and starting again while resting runs the ticks again.
        e.engine.setLightSynchronize(false);
        e.engine.setLightTickRunning(false);
        keyTicks.clear();
        e.engine.setLightTickRunning(true);
        QTRY_VERIFY(keyTicks.count() > 0);
        e.engine.setLightTickRunning(false);
    }

    void ticksRunAndStop()
    {
        Engine e;
        e.engine.setKeyboardColorInfoData(record(0, 2));
        e.engine.setLightTickRunning(true);
        e.engine.setLightTickRunning(true);
        QVERIFY(e.engine.isKeyTickRunning() && e.engine.isSideTickRunning());
        // The library's frames reach the previews through the keyboard tick.
        QTRY_VERIFY(e.engine.previewColor(0).isValid() && e.engine.previewColor(0).alpha() > 0);
        e.engine.setLightTickRunning(false);
        QVERIFY(!e.engine.isKeyTickRunning() && !e.engine.isSideTickRunning());
        e.engine.setLightTickRunning(false);
        // A start right after a stop runs the ticks again.
        e.engine.setLightTickRunning(true);
        e.engine.keyboardColorInfoDataChanged(record(0, 2));
        QTRY_VERIFY(e.engine.previewColor(0) != QColor(0, 0, 0, 255));
        e.engine.setLightTickRunning(false);
    }
};

TAVRIX_TEST_MAIN(TestLightEngine)
#include "tst_lightengine.moc"
