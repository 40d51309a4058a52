// The light computation as the keyboard sees it: every mode and setting is run on a
// simulated clock through the engine, and the key colours it would stream (its preview
// colours) are compared over time.
#include "lighting/audiopacketsource.h"
#include "lighting/dsoundcardaudiocapture.h"
#include "lighting/lightdealmain.h"
#include "sdk/tavrixinteractive.h"
#include "sdk/tavrixlight.h"
#include "support/testmain.h"

#include <QSet>
#include <QVector>

namespace {

int64_t g_nowMs = 0;
int64_t simulatedClock()
{
    return g_nowMs;
}

class NoSound : public AudioPacketSource
{
public:
    bool open(int *) override { return false; }
    bool readPacket(QByteArray *) override { return false; }
    void close() override { }
};

LightTypeListInfo capability(int speeds, int brightness)
{
    LightTypeListInfo info;
    info.lightTypeList = {0, 1, 2};
    info.speedMax = speeds;
    info.brightnessMax = brightness;
    return info;
}

// What a mode lets the user change (the lighting page's mode table).
struct ModeSettings
{
    int mode;
    const char *name;
    bool speed;
    QList<int> directions;
    bool colours;         // full colour and the second colour
    bool keyReactive;     // dark until a key is pressed
    bool answersPresses;  // the key capture runs for it and a press shows
};

const ModeSettings kModes[] = {
    {0, "Static", false, {}, false, false, false},
    {1, "Breath", true, {}, true, false, false},
    {2, "Wave", true, {0, 1, 2, 3, 4, 5}, true, false, false},
    {3, "Neon", true, {}, true, false, false},
    {4, "Radar", true, {6, 7}, true, false, false},
    {5, "Snake", true, {6, 7}, true, false, false},
    {6, "Reactive", true, {}, true, true, true},
    {7, "Aurora", true, {4, 5}, true, false, true},
    {8, "Ripple", true, {}, true, true, true},
    {9, "Twinkle", true, {}, true, false, false},
    {11, "Cross", true, {}, true, true, true},
    {12, "Speed Respond", false, {2, 3}, true, true, true},
    {14, "Auto Ripple", true, {}, true, false, false},
    {15, "Striation", true, {6, 7}, true, false, false},
    {16, "Fireworks", true, {}, true, false, true},
};

colorInfoData baseRecord(const ModeSettings &m)
{
    colorInfoData d {};
    d.lightTarget = 0;
    d.lightMode = m.mode;
    d.brightness = 5;
    d.speed = 3;
    d.topColorR = 255;
    d.direction = m.directions.isEmpty() ? 0 : m.directions.first();
    d.fullColor = 0;
    return d;
}

using Frame = QVector<QRgb>;

const QPoint kPressed(2, 7);

class Rig
{
public:
    Rig()
    {
        engine.audioCapture()->setSourceFactory([] { return std::unique_ptr<AudioPacketSource>(new NoSound); });
        hidStructInfoAll info {};
        tavrixCopyText(info.hidName, "QR108");
        info.keyCount = 104;
        engine.setHidStructInfo(info);
        engine.setLightCapability(capability(5, 4), capability(5, 4));
        CTavrixLight_SetClock(simulatedClock);
        CTavrixHid_takeClickedKeyPoints();
    }
    ~Rig() { CTavrixLight_SetClock(nullptr); }

    // The key colours streamed at effect time ms.
    Frame frameAt(int64_t ms)
    {
        g_nowMs = ms;
        engine.onDeviceUpdateAllKeyColor();
        Frame frame(lightDealMain::kKeyCells);
        for (int i = 0; i < frame.size(); ++i)
            frame[i] = engine.previewColor(i).rgb() & 0xFFFFFF;
        return frame;
    }

    // Selects the record at time 0 (a key-reactive effect gets one press right away) and
    // takes a frame every 50 ms for three seconds.
    QVector<Frame> run(const colorInfoData &d, bool press)
    {
        g_nowMs = 0;
        engine.setKeyboardColorInfoData(d);
        if (press)
            CTavrixHid_keyClickedSendXY(kPressed.x(), kPressed.y());
        QVector<Frame> frames;
        for (int64_t ms = 0; ms <= 3000; ms += 50)
            frames.append(frameAt(ms));
        return frames;
    }

    lightDealMain engine;
};

bool allBlack(const Frame &f)
{
    for (QRgb c : f)
        if (c != 0)
            return false;
    return true;
}

int distinct(const QVector<Frame> &frames)
{
    QSet<QByteArray> seen;
    for (const Frame &f : frames)
        seen.insert(QByteArray(reinterpret_cast<const char *>(f.constData()), f.size() * int(sizeof(QRgb))));
    return seen.size();
}

const ModeSettings &modeOf(int code)
{
    for (const ModeSettings &m : kModes)
        if (m.mode == code)
            return m;
    return kModes[0];
}

}  // namespace

class TestLightComputation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each mode over time: animated modes keep changing, none goes all black unless it is
    // dark by definition (a key-reactive effect with no key pressed).
    void modesAnimateAndStayLit_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("fullColor");
        for (const ModeSettings &m : kModes) {
            QTest::addRow("%s", m.name) << m.mode << false;
            if (m.colours)
                QTest::addRow("%s full colour", m.name) << m.mode << true;
        }
    }
    void modesAnimateAndStayLit()
    {
        QFETCH(int, mode);
        QFETCH(bool, fullColor);
        const ModeSettings &m = modeOf(mode);
        Rig rig;
        colorInfoData d = baseRecord(m);
        d.fullColor = fullColor ? 1 : 0;
        const QVector<Frame> frames = rig.run(d, m.keyReactive);
        if (m.mode == 0) {
            QCOMPARE(distinct(frames), 1);
        } else {
            // At least one change every 150 ms on average over the three seconds.
            QVERIFY2(distinct(frames) >= 20, qPrintable(QString::number(distinct(frames))));
        }
        const int lastLit = m.keyReactive ? 10 : frames.size() - 1;  // a press fades within its lifetime
        for (int i = 0; i <= lastLit; ++i)
            QVERIFY2(!allBlack(frames[i]), qPrintable(QStringLiteral("frame %1").arg(i)));
        if (m.keyReactive) {
            // Without presses the board keeps the second colour, here black.
            const QVector<Frame> still = rig.run(d, false);
            QVERIFY(allBlack(still.last()));
        }
    }

    // Every setting a mode offers changes what reaches the keyboard.
    void everySettingReachesTheFrames_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<colorInfoData>("first");
        QTest::addColumn<colorInfoData>("second");
        for (const ModeSettings &m : kModes) {
            const colorInfoData base = baseRecord(m);
            colorInfoData other = base;
            other.topColorR = 0;
            other.topColorB = 255;
            QTest::addRow("%s top colour", m.name) << m.mode << base << other;
            other = base;
            other.brightness = 2;
            QTest::addRow("%s brightness", m.name) << m.mode << base << other;
            if (m.speed) {
                other = base;
                other.speed = 5;
                QTest::addRow("%s speed", m.name) << m.mode << base << other;
            }
            if (m.colours) {
                other = base;
                other.fullColor = 1;
                QTest::addRow("%s full colour", m.name) << m.mode << base << other;
                other = base;
                other.bottomColorG = 200;
                QTest::addRow("%s bottom colour", m.name) << m.mode << base << other;
            }
            for (int a = 0; a < m.directions.size(); ++a) {
                for (int b = a + 1; b < m.directions.size(); ++b) {
                    colorInfoData one = base, two = base;
                    one.direction = m.directions[a];
                    two.direction = m.directions[b];
                    QTest::addRow("%s direction %d vs %d", m.name, one.direction, two.direction)
                        << m.mode << one << two;
                    one.fullColor = two.fullColor = 1;
                    if (m.colours)
                        QTest::addRow("%s full colour direction %d vs %d", m.name, one.direction, two.direction)
                            << m.mode << one << two;
                }
            }
        }
    }
    void everySettingReachesTheFrames()
    {
        QFETCH(int, mode);
        QFETCH(colorInfoData, first);
        QFETCH(colorInfoData, second);
        const bool press = modeOf(mode).keyReactive;
        Rig rig;
        const QVector<Frame> a = rig.run(first, press);
        const QVector<Frame> b = rig.run(second, press);
        QVERIFY(a != b);
    }

    // A press changes the pressed key or its neighbours within 100 ms, in every mode the
    // key capture runs for; a mode dark without presses lights there.
    void keyReactiveModesAnswerAPress_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("fullColor");
        for (const ModeSettings &m : kModes) {
            if (!m.answersPresses)
                continue;
            QTest::addRow("%s", m.name) << m.mode << false;
            QTest::addRow("%s full colour", m.name) << m.mode << true;
        }
    }
    void keyReactiveModesAnswerAPress()
    {
        QFETCH(int, mode);
        QFETCH(bool, fullColor);
        Rig rig;
        colorInfoData d = baseRecord(modeOf(mode));
        d.fullColor = fullColor ? 1 : 0;
        auto near = [](const Frame &frame) {
            Frame cells;
            for (int r = kPressed.x() - 1; r <= kPressed.x() + 1; ++r)
                for (int c = kPressed.y() - 1; c <= kPressed.y() + 1; ++c)
                    cells << frame[r * lightDealMain::kColumns + c];
            return cells;
        };
        g_nowMs = 0;
        rig.engine.setKeyboardColorInfoData(d);
        const Frame quiet = rig.frameAt(580);
        g_nowMs = 0;
        rig.engine.setKeyboardColorInfoData(d);
        const Frame before = rig.frameAt(500);
        if (modeOf(mode).keyReactive)
            QVERIFY(allBlack(before));
        CTavrixHid_keyClickedSendXY(kPressed.x(), kPressed.y());
        const Frame pressed = rig.frameAt(580);
        QVERIFY(near(pressed) != near(quiet));
        if (modeOf(mode).keyReactive) {
            int litNear = 0;
            for (QRgb c : near(pressed))
                litNear += c != 0 ? 1 : 0;
            QVERIFY(litNear > 0);
        }
        // A press made in another effect does not carry over into a newly chosen one.
        CTavrixHid_keyClickedSendXY(kPressed.x(), kPressed.y());
        rig.frameAt(600);
        g_nowMs = 600;
        rig.engine.setKeyboardColorInfoData(d);
        const Frame fresh = rig.frameAt(650);
        g_nowMs = 0;
        rig.engine.setKeyboardColorInfoData(d);
        QCOMPARE(fresh, rig.frameAt(50));
    }

    // Speed Respond meters the typing speed: more presses light more rows, and the map the
    // receiver report reads holds the highest row lit.
    void speedRespondFollowsTypingSpeed()
    {
        Rig rig;
        colorInfoData d = baseRecord(modeOf(12));
        g_nowMs = 0;
        rig.engine.setKeyboardColorInfoData(d);
        CTavrixHid_keyClickedSendXY(0, 0);
        rig.frameAt(20);
        const int slow = rig.engine.speedRespondMap().isEmpty() ? 0 : rig.engine.speedRespondMap().lastKey();
        for (int i = 0; i < 4; ++i)
            CTavrixHid_keyClickedSendXY(0, i);
        rig.frameAt(40);
        const int fast = rig.engine.speedRespondMap().lastKey();
        QCOMPARE(slow, 1);
        QVERIFY2(fast >= 4, qPrintable(QString::number(fast)));
        // Without typing the meter falls back.
        rig.frameAt(8000);
        QVERIFY(rig.engine.speedRespondMap().isEmpty());
    }
};

TAVRIX_TEST_MAIN(TestLightComputation)
#include "tst_lightcomputation.moc"
