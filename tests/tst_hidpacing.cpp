#include "sdk/pacingtimer.h"
#include "sdk/tavrixhid.h"
#include "support/seqpacketpeer.h"
#include "support/testmain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QVector>

#include <QtTest>
#include <algorithm>

namespace {

// The I/O loop's wait after every turn.
constexpr int kLoopUnits = 100;
constexpr qint64 kLoopIntervalNs = qint64(kLoopUnits) * PacingTimers::kUnitMicroseconds * 1000;

void busyFor(qint64 ns)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.nsecsElapsed() < ns) { }
}

// Median time per call of calls waits, with work done between the waits. The
// median keeps a busy machine's scheduling hiccups out of the figure; the exact
// accuracy is measured by the pacing benchmark.
qint64 medianIntervalNs(HighPrecisionTimerStu timer, int calls, qint64 workNs)
{
    CTavrixHid_highPrecisionTimerRunning(kLoopUnits, timer);  // sets the rhythm
    QVector<qint64> intervals;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < calls; ++i) {
        busyFor(workNs);
        CTavrixHid_highPrecisionTimerRunning(kLoopUnits, timer);
        intervals.append(clock.nsecsElapsed());
        clock.restart();
    }
    std::sort(intervals.begin(), intervals.end());
    return intervals.at(calls / 2);
}

}  // namespace

class TestHidPacing : public QObject
{
    Q_OBJECT

private slots:
    void loopRunsAtItsInterval_data();
    void loopRunsAtItsInterval();
    void lateCallerIsNotMadeToCatchUp();
    void timerWithoutStartStillWaits_data();
    void timerWithoutStartStillWaits();
    void vanishedDeviceDoesNotMakeTheLoopSpin();
};

void TestHidPacing::loopRunsAtItsInterval_data()
{
    QTest::addColumn<qint64>("workNs");
    QTest::newRow("empty turns") << qint64(0);
    // Time spent in a turn is taken out of the wait, not added to it.
    QTest::newRow("turns of 200 us") << qint64(200000);
}

void TestHidPacing::loopRunsAtItsInterval()
{
    QFETCH(qint64, workNs);
    HighPrecisionTimerStu timer;
    CTavrixHid_highPrecisionTimerInit(&timer);
    CTavrixHid_highPrecisionTimerStart(timer);
    const qint64 median = medianIntervalNs(timer, 400, workNs);
    CTavrixHid_highPrecisionTimerStop(timer);
    // Never faster than the interval, and a turn's work is absorbed, not added.
    QVERIFY2(median >= kLoopIntervalNs * 9 / 10 && median <= kLoopIntervalNs * 5 / 4,
             qPrintable(QString::number(median) + " ns"));
}

void TestHidPacing::lateCallerIsNotMadeToCatchUp()
{
    HighPrecisionTimerStu timer;
    CTavrixHid_highPrecisionTimerInit(&timer);
    CTavrixHid_highPrecisionTimerStart(timer);
    CTavrixHid_highPrecisionTimerRunning(kLoopUnits, timer);
    QTest::qSleep(20);  // a turn that took 40 intervals
    CTavrixHid_highPrecisionTimerRunning(kLoopUnits, timer);
    // The missed intervals are not paid back by ten waits returning at once.
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 10; ++i)
        CTavrixHid_highPrecisionTimerRunning(kLoopUnits, timer);
    CTavrixHid_highPrecisionTimerStop(timer);
    QVERIFY2(clock.nsecsElapsed() >= 9 * kLoopIntervalNs, qPrintable(QString::number(clock.nsecsElapsed())));
}

void TestHidPacing::timerWithoutStartStillWaits_data()
{
    QTest::addColumn<QString>("state");
    QTest::newRow("zeroed record") << "zeroed";
    QTest::newRow("initialised, not started") << "init";
    QTest::newRow("stopped") << "stopped";
}

void TestHidPacing::timerWithoutStartStillWaits()
{
    QFETCH(QString, state);
    HighPrecisionTimerStu timer {0, 0};
    if (state != "zeroed")
        CTavrixHid_highPrecisionTimerInit(&timer);
    if (state == "stopped") {
        CTavrixHid_highPrecisionTimerStart(timer);
        CTavrixHid_highPrecisionTimerStop(timer);
    }
    // A loop paced by such a timer must not spin.
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 20; ++i)
        CTavrixHid_highPrecisionTimerRunning(kLoopUnits, timer);
    QVERIFY(clock.nsecsElapsed() >= 20 * kLoopIntervalNs);
    CTavrixHid_highPrecisionTimerStop(timer);
}

void TestHidPacing::vanishedDeviceDoesNotMakeTheLoopSpin()
{
    QTemporaryDir dir;
    QScopedPointer<SeqPacketPeer> peer(new SeqPacketPeer(dir.path() + "/vid_1209&pid_0003.sock"));
    const int handle = CTavrixHid_OpenPath(QFile::encodeName(peer->path()).constData());
    QVERIFY(handle > 0 && peer->accept());
    CTavrixHid_SetNonblocking(handle, 1);
    HighPrecisionTimerStu timer;
    CTavrixHid_highPrecisionTimerInit(&timer);
    CTavrixHid_highPrecisionTimerStart(timer);
    peer.reset();  // unplugged, while the handle stays open

    unsigned char buffer[kTavrixHidReportSize] = {};
    QElapsedTimer clock;
    clock.start();
    for (int turn = 0; turn < 100; ++turn) {
        QCOMPARE(CTavrixHid_HidWriteBuff(handle, buffer, "test"), -1);
        QVERIFY(CTavrixHid_HidReadBuff(handle, buffer) < 0);
        CTavrixHid_highPrecisionTimerRunning(kLoopUnits, timer);
    }
    // A spinning loop would take next to nothing; the first wait may return at once.
    QVERIFY(clock.nsecsElapsed() >= 90 * kLoopIntervalNs);
    CTavrixHid_highPrecisionTimerStop(timer);
    CTavrixHid_Close(handle);
}

TAVRIX_TEST_MAIN(TestHidPacing)
#include "tst_hidpacing.moc"
