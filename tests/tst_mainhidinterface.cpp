#include "devicelink/lightframemodels.h"
#include "devicelink/mainhidinterface.h"
#include "devicelink/reportinbox.h"
#include "support/emuiofixture.h"
#include "support/kbemuexpect.h"
#include "support/testmain.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace {

// Debug lines written by any thread while a test runs.
std::mutex g_linesMutex;
QStringList g_lines;
QtMessageHandler g_previousHandler = nullptr;

void collectLines(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        std::lock_guard<std::mutex> lock(g_linesMutex);
        g_lines.append(message);
    }
    if (type != QtDebugMsg)
        g_previousHandler(type, context, message);
}

int linesContaining(const QString &text)
{
    std::lock_guard<std::mutex> lock(g_linesMutex);
    return int(std::count_if(g_lines.begin(), g_lines.end(), [&text](const QString &l) { return l.contains(text); }));
}

// One report of a light frame: kind 0 (keys), index i.
HidReport lightFrame(int index)
{
    HidReport r = HidReport::command(HidCmd::WriteKeyColor, 0, 54);
    r[4] = static_cast<uint8_t>(index);
    r[6] = 0xAB;
    return r;
}

QList<int> lightIndexes(const QList<HidReport> &reports)
{
    QList<int> indexes;
    for (const HidReport &r : reports) {
        if (r.code() == static_cast<uint8_t>(HidCmd::WriteKeyColor))
            indexes.append(r[4]);
    }
    return indexes;
}

QList<int> range(int from, int to)
{
    QList<int> list;
    for (int i = from; i < to; ++i)
        list.append(i);
    return list;
}

}  // namespace

class TestMainHidInterface : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void firstReportIsSerialQueryAndRepliesAreHandedOver();
    void shakeHandsEverySecondWhileOpen();
    void commandsGoBeforeALightBatch();
    void lightBatchIsSentWholeAndExtraFramesDropped_data();
    void lightBatchIsSentWholeAndExtraFramesDropped();
    void lightSendingOffDropsFramesNotCommands();
    void failedWriteIsLoggedOnceWithItsCommandByte();
    void pauseAfterACommandHoldsTheNextOneBack();
    void openAndCloseResults();
    void closeDuringTraffic();
    void commandsQueuedBeforeCloseReachTheKeyboard();
    void commandTakenWhileClosingIsStillWritten();
    void inboxMergesStatesAndKeepsTheRest();
    void floodBehindABusyReceiverKeepsAnswersInOrder();
};

void TestMainHidInterface::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(collectLines);
    QCOMPARE(MainHidInterFace::lightBatchSize("QR108"), 11);
    QCOMPARE(MainHidInterFace::lightBatchSize("QB84"), 10);
    QCOMPARE(MainHidInterFace::lightBatchSize("QM68"), 10);
}

void TestMainHidInterface::init()
{
    std::lock_guard<std::mutex> lock(g_linesMutex);
    g_lines.clear();
}

void TestMainHidInterface::firstReportIsSerialQueryAndRepliesAreHandedOver()
{
    EmuIoFixture emu("QM68");
    QVERIFY(emu.open());
    QTRY_VERIFY(!emu.device()->receivedReports().isEmpty());
    QCOMPARE(emu.device()->receivedReports().first(), HidReport::command(HidCmd::QuerySerialNumber));
    QCOMPARE(emu.device()->receivedReports().first().reportId(), 0x00);

    // The serial-number reply goes out with the model name, everything else as data.
    QTRY_COMPARE(emu.serialReports().size(), 1);
    QCOMPARE(emu.serialReports().first().first.code(), 0x15);
    QCOMPARE(emu.serialReports().first().second, QStringLiteral("QM68"));
    const HidReport query = HidReport::command(HidCmd::Magnetic, 0, 0x18);
    HidReport travel = query;
    travel[6] = static_cast<uint8_t>(MagneticSub::TravelLevel);
    QCOMPARE(emu.hid()->appendCmdData(travel.data()), 0);
    QTRY_COMPARE(emu.dataReports().size(), 1);
    QCOMPARE(emu.dataReports().first().code(), static_cast<uint8_t>(HidReply::MagneticReply));
}

void TestMainHidInterface::shakeHandsEverySecondWhileOpen()
{
    EmuIoFixture emu("QR108");
    // When each shake-hands was queued, from just before the open; the loop's own delays
    // on a busy machine do not count.
    std::mutex timesMutex;
    QList<qint64> times;
    QElapsedTimer sinceOpen;
    emu.hid()->setCommandObserver([&](MainHidInterFace::CommandStage stage, const HidReport &r) {
        if (stage == MainHidInterFace::CommandStage::Queued && r.code() == 0x00) {
            std::lock_guard<std::mutex> lock(timesMutex);
            times.append(sinceOpen.elapsed());
        }
    });
    const auto queued = [&] {
        std::lock_guard<std::mutex> lock(timesMutex);
        return times;
    };
    sinceOpen.start();
    QVERIFY(emu.open());
    QTRY_VERIFY_WITH_TIMEOUT(emu.device()->keyboard()->receivedCount(0x00) >= 3, 20000);
    // Never before its second is due (a timer that fires early or too often); a late one
    // does not move the ones after it.
    const QList<qint64> sent = queued();
    for (int i = 0; i < 3; ++i)
        QVERIFY2(sent.at(i) >= 1000 * (i + 1), qPrintable(QString::number(sent.at(i))));
    QCOMPARE(emu.device()->receivedReports().at(1), HidReport::fromByteArray(QByteArray::fromHex("000000000001")));

    QSignalSpy disconnected(emu.device(), &EmuDevice::sigDisconnected);
    QCOMPARE(emu.hid()->closeHid(), 0);
    const int queuedCount = queued().size();
    // Once the keyboard has seen the link go, nothing more can reach it.
    QVERIFY(disconnected.count() > 0 || disconnected.wait(kChildProcessWaitMs));
    const int count = emu.device()->receivedReports().size();
    // The next shake-hands is never queued: its timer has stopped with the close.
    const QList<QTimer *> timers = emu.hid()->findChildren<QTimer *>();
    QVERIFY(std::none_of(timers.begin(), timers.end(), [](const QTimer *t) { return t->isActive(); }));
    QCOMPARE(queued().size(), queuedCount);
    QCOMPARE(emu.device()->receivedReports().size(), count);
}

void TestMainHidInterface::commandsGoBeforeALightBatch()
{
    EmuIoFixture emu("QB84");
    QVERIFY(emu.open(false));
    emu.hid()->setLightSendEnabled(true);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(emu.hid()->appendLightData(lightFrame(i).data()), 0);
    for (const char *cmd : {"01 09", "01 01", "01 0d"}) {
        HidReport r;
        HidReport::fromHex(cmd, &r);
        QCOMPARE(emu.hid()->appendCmdData(r.data()), 0);
    }
    emu.hid()->start();
    QTRY_COMPARE(emu.device()->receivedReports().size(), 14);
    const QList<HidReport> got = emu.device()->receivedReports();
    QCOMPARE(got.mid(0, 4),
             (QList<HidReport> {
                 HidReport::command(HidCmd::QuerySerialNumber), HidReport::command(HidCmd::LightTypeList),
                 HidReport::command(HidCmd::SideLightTypeList), HidReport::command(HidCmd::CheckCustomKeys)}));
    QCOMPARE(lightIndexes(got), range(0, 10));
    // Each write turn is followed by a read turn: the three answers and the serial came back.
    QTRY_COMPARE(emu.dataReports().size(), 3);
}

void TestMainHidInterface::lightBatchIsSentWholeAndExtraFramesDropped_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("batch");
    QTest::newRow("ordinary model") << "QB84" << 10;
    QTest::newRow("listed model") << "QR108" << 11;
}

void TestMainHidInterface::lightBatchIsSentWholeAndExtraFramesDropped()
{
    QFETCH(QString, model);
    QFETCH(int, batch);
    EmuIoFixture emu(model);
    QVERIFY(emu.open());
    emu.hid()->setLightSendEnabled(true);
    QTRY_COMPARE(emu.device()->receivedReports().size(), 1);

    for (int i = 0; i < batch - 1; ++i) {
        QCOMPARE(emu.hid()->appendLightData(lightFrame(i).data()), 0);
        QTest::qWait(3);
    }
    QTest::qWait(30);
    QVERIFY(lightIndexes(emu.device()->receivedReports()).isEmpty());  // nothing before the batch is whole
    QCOMPARE(emu.hid()->appendLightData(lightFrame(batch - 1).data()), 0);
    QCOMPARE(emu.hid()->appendLightData(lightFrame(99).data()), 0);  // the batch is still being sent: dropped
    QTRY_COMPARE(lightIndexes(emu.device()->receivedReports()), range(0, batch));

    // The queue drained: the next frame starts a new batch, which waits until it is whole.
    QCOMPARE(emu.hid()->appendLightData(lightFrame(50).data()), 0);
    QTest::qWait(30);
    QCOMPARE(lightIndexes(emu.device()->receivedReports()).size(), batch);
}

void TestMainHidInterface::lightSendingOffDropsFramesNotCommands()
{
    EmuIoFixture emu("QB84");
    QVERIFY(emu.open());
    for (int i = 0; i < 10; ++i)
        QCOMPARE(emu.hid()->appendLightData(lightFrame(i).data()), 0);
    HidReport r = HidReport::command(HidCmd::LightTypeList);
    QCOMPARE(emu.hid()->appendCmdData(r.data()), 0);
    QTRY_COMPARE(emu.device()->receivedReports().size(), 2);
    QTest::qWait(30);
    KBEMU_COMPARE_REPORTS(*emu.device(), "00 14", "01 09");
    // Turned on, the next whole frame goes out.
    emu.hid()->setLightSendEnabled(true);
    for (int i = 0; i < 10; ++i)
        emu.hid()->appendLightData(lightFrame(i).data());
    QTRY_COMPARE(lightIndexes(emu.device()->receivedReports()), range(0, 10));
}

void TestMainHidInterface::failedWriteIsLoggedOnceWithItsCommandByte()
{
    EmuIoFixture emu("QM68");
    QVERIFY(emu.open());
    QTRY_COMPARE(emu.device()->receivedReports().size(), 1);
    emu.device()->vanish();
    HidReport r = HidReport::command(HidCmd::Magnetic, 0, 0x18);
    r[6] = 0x04;
    QCOMPARE(emu.hid()->appendCmdData(r.data()), 0);  // still open: the unplug is noticed elsewhere
    emu.hid()->setLightSendEnabled(true);
    for (int i = 0; i < 10; ++i)
        emu.hid()->appendLightData(lightFrame(i).data());
    // The line names the command's byte, so a log tells which command was lost.
    QTRY_COMPARE(linesContaining("0x29"), 1);
    // Every frame has been taken, and its write has failed, once the queue is empty.
    QTRY_VERIFY(emu.hid()->isLightQueueEmpty());
    QCOMPARE(linesContaining("0x29"), 1);
    QCOMPARE(linesContaining("0x0e"), 0);  // light frames fail silently
}

void TestMainHidInterface::pauseAfterACommandHoldsTheNextOneBack()
{
    EmuIoFixture emu("QR108");
    QVERIFY(emu.open());
    QTRY_COMPARE(emu.device()->receivedReports().size(), 1);
    // When the I/O thread takes each command off the queue: the pause lies between the
    // two, so no load on the machine can make the gap shorter than asked.
    std::mutex mutex;
    QList<qint64> takenAt;
    QElapsedTimer clock;
    clock.start();
    emu.hid()->setCommandObserver([&](MainHidInterFace::CommandStage stage, const HidReport &r) {
        const bool ours = r.code() == uint8_t(HidCmd::LightTypeList) || r.code() == uint8_t(HidCmd::SideLightTypeList);
        if (stage == MainHidInterFace::CommandStage::Taken && ours) {
            std::lock_guard<std::mutex> lock(mutex);
            takenAt.append(clock.elapsed());
        }
    });
    constexpr int pauseMs = 200;
    QCOMPARE(emu.hid()->appendCmdData(HidReport::command(HidCmd::LightTypeList).data(), pauseMs), 0);
    QCOMPARE(emu.hid()->appendCmdData(HidReport::command(HidCmd::SideLightTypeList).data()), 0);
    const auto sideListArrived = [&emu] {
        const QList<HidReport> reports = emu.device()->receivedReports();
        return !reports.isEmpty() && reports.last().code() == uint8_t(HidCmd::SideLightTypeList);
    };
    QTRY_VERIFY(sideListArrived());
    emu.hid()->setCommandObserver({});
    std::lock_guard<std::mutex> lock(mutex);
    QCOMPARE(takenAt.size(), 2);
    QVERIFY2(takenAt[1] - takenAt[0] >= pauseMs, qPrintable(QString::number(takenAt[1] - takenAt[0])));
}

void TestMainHidInterface::openAndCloseResults()
{
    EmuIoFixture emu("QR108");
    QCOMPARE(emu.hid()->closeHid(), 0);  // never opened
    QCOMPARE(emu.hid()->appendCmdData(HidReport::command(HidCmd::LightTypeList).data()), -1);
    QCOMPARE(emu.hid()->appendLightData(lightFrame(0).data()), -1);

    MainHidInterFace missing(1, "QR108");
    QCOMPARE(missing.openHid(emu.device()->socketPath() + ".gone"), -1);
    QVERIFY(!missing.isOpen());

    QVERIFY(emu.open());
    QCOMPARE(emu.hid()->closeHid(), 0);
    QVERIFY(emu.hid()->isFinished());
    QCOMPARE(emu.hid()->closeHid(), 0);
    QCOMPARE(emu.hid()->appendCmdData(HidReport::command(HidCmd::LightTypeList).data()), -1);
}

// Producers on two threads keep both queues busy and the keyboard answers, while the
// device is closed from the GUI thread. Run under ThreadSanitizer too.
void TestMainHidInterface::closeDuringTraffic()
{
    EmuIoFixture emu("QR108");
    QVERIFY(emu.open());
    emu.hid()->setLightSendEnabled(true);
    MainHidInterFace *hid = emu.hid();
    std::atomic<bool> stop {false};
    std::atomic<int> refused {0};
    // Commands at a few hundred a second leave write turns for the light frames.
    const auto produce = [&](auto append, int pauseUs) {
        return std::thread([&stop, &refused, append, pauseUs] {
            for (int i = 0; !stop.load(); ++i) {
                if (append(i) < 0)
                    ++refused;
                QThread::usleep(pauseUs);
            }
        });
    };
    const HidReport ask = HidReport::command(HidCmd::KeyboardSettings, 2, 1);
    std::thread producers[] = {
        produce([hid, ask](int) { return hid->appendCmdData(ask.data()); }, 3000),
        produce([hid](int i) { return hid->appendLightData(lightFrame(i % 11).data()); }, 200),
    };
    const auto stopProducers = qScopeGuard([&] {
        stop = true;
        for (auto &p : producers)
            p.join();
    });
    QTRY_VERIFY(emu.dataReports().size() > 20);
    QTRY_VERIFY(lightIndexes(emu.device()->receivedReports()).size() > 20);

    QSignalSpy disconnected(emu.device(), &EmuDevice::sigDisconnected);
    QCOMPARE(hid->closeHid(), 0);
    QVERIFY(hid->isFinished());
    QTRY_VERIFY(refused.load() > 0);
    // Reports written before the close may still be on their way until the keyboard sees
    // the link go; after that, nothing can come.
    QVERIFY(disconnected.count() > 0 || disconnected.wait(kChildProcessWaitMs));
    const int count = emu.device()->receivedReports().size();
    QTRY_VERIFY(refused.load() > 1);  // the producers kept trying meanwhile
    QCOMPARE(emu.device()->receivedReports().size(), count);
}

// Light synchronisation off is queued right before the links close at quit; it must
// still be written, after the commands before it, and nothing after the close.
void TestMainHidInterface::commandsQueuedBeforeCloseReachTheKeyboard()
{
    EmuIoFixture emu("QR108");
    QVERIFY(emu.open());
    QTRY_VERIFY(!emu.device()->receivedReports().isEmpty());
    HidReport syncOff = HidReport::command(HidCmd::LightSync, 0, 0x01);
    const HidReport ask = HidReport::command(HidCmd::KeyboardSettings, 2, 1);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(emu.hid()->appendCmdData(ask.data()), 0);
    QCOMPARE(emu.hid()->appendCmdData(syncOff.data()), 0);
    QCOMPARE(emu.hid()->closeHid(), 0);
    QTRY_COMPARE(emu.device()->receivedReports().last(), syncOff);
    QCOMPARE(emu.device()->keyboard()->receivedCount(0x13), 3);

    // A keyboard that left takes nothing, and the close does not hang on it.
    EmuIoFixture gone("QR108");
    QVERIFY(gone.open());
    QTRY_VERIFY(!gone.device()->receivedReports().isEmpty());
    gone.device()->stop();
    for (int i = 0; i < 40; ++i)
        gone.hid()->appendCmdData(ask.data());
    QCOMPARE(gone.hid()->closeHid(), 0);
    QVERIFY(gone.hid()->isFinished());
}

// The loop takes a command off the queue just as the link starts to close: the command
// must still reach the keyboard, once, and before the commands queued after it.
void TestMainHidInterface::commandTakenWhileClosingIsStillWritten()
{
    EmuIoFixture emu("QR108");
    QVERIFY(emu.open());
    QTRY_VERIFY(!emu.device()->receivedReports().isEmpty());
    MainHidInterFace *hid = emu.hid();
    const HidReport syncOff = HidReport::command(HidCmd::LightSync, 0, 0x01);
    const HidReport ask = HidReport::command(HidCmd::KeyboardSettings, 2, 1);
    std::atomic<bool> held {false};
    hid->setCommandObserver([&](MainHidInterFace::CommandStage stage, const HidReport &r) {
        if (stage != MainHidInterFace::CommandStage::Taken || r != syncOff)
            return;
        // Hold the turn until the close has begun.
        held = true;
        while (hid->isOpen())
            QThread::usleep(200);
    });
    QCOMPARE(hid->appendCmdData(syncOff.data()), 0);
    QTRY_VERIFY(held.load());
    QCOMPARE(hid->appendCmdData(ask.data()), 0);
    QCOMPARE(hid->closeHid(), 0);
    QTRY_COMPARE(emu.device()->keyboard()->receivedCount(0x13), 1);
    const QList<HidReport> got = emu.device()->receivedReports();
    QCOMPARE(got.count(syncOff), 1);
    QVERIFY(got.indexOf(syncOff) < got.indexOf(ask));
}

TAVRIX_TEST_MAIN(TestMainHidInterface)
void TestMainHidInterface::inboxMergesStatesAndKeepsTheRest()
{
    const auto entry = [](const QString &hex) {
        ReportInbox::Entry e;
        HidReport::fromHex(hex, &e.report);
        return e;
    };
    const auto codes = [](const std::vector<ReportInbox::Entry> &taken) {
        QList<int> list;
        for (const ReportInbox::Entry &e : taken)
            list.append(e.report.code());
        return list;
    };
    ReportInbox inbox;
    QVERIFY(inbox.put(entry("01 09 01")));  // the taker is told once, when the inbox was empty
    QVERIFY(!inbox.put(entry("01 19 00 00 01")));
    inbox.put(entry("01 09 02"));  // replaces the waiting slot report in its place
    inbox.put(entry("01 19 00 00 02"));
    inbox.put(entry("01 21 00 00 00 18 01 02 03 20"));  // live travel, key (2, 3)
    inbox.put(entry("01 21 00 00 00 18 01 02 04 20"));  // another key: kept
    inbox.put(entry("01 21 00 00 00 18 01 02 03 30"));  // the first key again: replaced
    inbox.put(entry("01 01 00 00 00 09 00 00 00 00 50"));
    inbox.put(entry("01 01 00 00 00 09 00 00 00 00 51 00 00 01"));  // a download result: never merged
    inbox.put(entry("01 01 00 00 00 09 00 00 00 00 52"));
    inbox.put(entry("01 04 00 00 00 08 00 00 04"));  // key reports all count
    inbox.put(entry("01 04 00 00 00 08 00 00 00"));
    inbox.put(entry("01 14 02 00 00 08 00 00 00 00 3c"));
    inbox.put(entry("01 14 02 00 00 08 00 00 00 00 78"));
    inbox.put(entry("01 14 00 00 00 01"));
    inbox.put(entry("01 14 00 00 00 01"));
    QCOMPARE(inbox.size(), 12);
    const std::vector<ReportInbox::Entry> taken = inbox.take(100);
    QCOMPARE(taken[0].report[2], uint8_t(2));
    QCOMPARE(taken[3].report[9], uint8_t(0x30));
    QCOMPARE(taken[5].report[10], uint8_t(0x52));
    QCOMPARE(taken[6].report[13], uint8_t(1));
    QCOMPARE(taken[9].report[10], uint8_t(0x78));
    QCOMPARE(codes(taken), QList<int>({0x09, 0x19, 0x19, 0x21, 0x21, 0x01, 0x01, 0x04, 0x04, 0x14, 0x14, 0x14}));
    QCOMPARE(taken[1].report[4], uint8_t(1));
    QCOMPARE(taken[2].report[4], uint8_t(2));
    QVERIFY(inbox.isEmpty());

    // Full once Capacity reports wait that do not merge; merging ones never fill it.
    for (int i = 0; i < ReportInbox::Capacity - 1; ++i)
        inbox.put(entry("01 19"));
    for (int i = 0; i < 10; ++i)
        inbox.put(entry("01 09 03"));
    QVERIFY(!inbox.isFull());
    inbox.put(entry("01 18"));
    QVERIFY(inbox.isFull());
    QCOMPARE(int(inbox.take(10).size()), 10);
    QVERIFY(!inbox.isFull());
}

// The receiver takes nothing for a while (the GUI thread busy) while the keyboard sends
// slot reports with acknowledgements among them: the acknowledgements all arrive, in
// order, and the last slot report is handed over after every earlier one.
void TestMainHidInterface::floodBehindABusyReceiverKeepsAnswersInOrder()
{
    EmuIoFixture emu("QR108");
    QVERIFY(emu.open());
    QTRY_COMPARE(emu.serialReports().size(), 1);
    constexpr int kAcks = 20;  // with the slot reports, well within the socket's buffer
    for (int i = 0; i < kAcks; ++i) {
        for (int j = 0; j < 4; ++j)
            emu.device()->keyboard()->sendReport(HidReport::reply(HidReply::MouseLightIndex, uint8_t(j)));
        HidReport ack = HidReport::reply(HidReply::OnboardAck);
        ack[4] = uint8_t(i);
        emu.device()->keyboard()->sendReport(ack);
    }
    emu.device()->keyboard()->sendReport(HidReport::reply(HidReply::MouseLightIndex, 7));
    // Busy: the I/O thread reads on, the GUI thread hands nothing over meanwhile.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto acksSeen = [&emu] {
        QList<int> steps;
        for (const HidReport &r : emu.dataReports()) {
            if (r.code() == static_cast<uint8_t>(HidReply::OnboardAck))
                steps.append(r[4]);
        }
        return steps;
    };
    QTRY_COMPARE(acksSeen(), range(0, kAcks));
    // The keyboard's own status reports may come between; of the slot reports, the last wins.
    const auto lastSlot = [&emu] {
        int slot = -1;
        for (const HidReport &r : emu.dataReports()) {
            if (r.code() == static_cast<uint8_t>(HidReply::MouseLightIndex))
                slot = r[2];
        }
        return slot;
    };
    QTRY_COMPARE(lastSlot(), 7);
}

#include "tst_mainhidinterface.moc"
