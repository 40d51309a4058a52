// The download against the emulated keyboard through the real I/O thread: what goes on
// the wire and in which order, the waits, and what the keyboard's memory holds afterwards.

#include "emuonboardview.h"
#include "support/downloadrig.h"
#include "support/testmain.h"

#include <QElapsedTimer>
#include <QSet>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

namespace {

constexpr int kDownload = 0x17;
constexpr int kMacro = 0x18;
constexpr int kSenior = 0x2A;

// The wire name of a download report: "K<layer>.<packet>", "M<slot>.<step>", "A<slot>";
// empty for any other report.
QString wireName(const HidReport &r)
{
    if (r.code() == kDownload)
        return QStringLiteral("K%1.%2").arg(r.sub()).arg(r[4]);
    if (r.code() == kMacro)
        return QStringLiteral("M%1.%2").arg(r.sub()).arg(r[4]);
    if (r.code() == kSenior)
        return QStringLiteral("A%1").arg(r.sub());
    return QString();
}

// The download rig with the profile's items and what went on the wire.
class Rig : public DownloadRig
{
public:
    // Acknowledgements and status reports the keyboard sends are never waited out: a
    // busy machine cannot make a packet look unacknowledged. Tests of the time-outs
    // set the real waits back.
    explicit Rig(const QString &model) : DownloadRig(model)
    {
        download.setWaits({60000, OnboardDownload::PauseMs, 600000});
        sinceStart.start();
        hid->setCommandObserver([this](MainHidInterFace::CommandStage stage, const HidReport &r) {
            const QString name = wireName(r);
            if (stage == MainHidInterFace::CommandStage::Queued && !name.isEmpty())
                queued.append({name, sinceStart.nsecsElapsed()});
        });
    }
    ~Rig() override
    {
        if (hid)
            hid->setCommandObserver(nullptr);
    }
    void useRealWaits() { download.setWaits(OnboardDownload::Waits()); }

    // Sets (replaces) the key's item in profile 1 of the layer.
    void setItem(const QByteArray &layer, int k, const QByteArray &type, const QByteArray &value,
                 const QByteArray &param1 = "1", const QByteArray &param2 = "1")
    {
        const QByteArray code = QByteArray::number(codes.at(k));
        CTavrixXML_DeleteProFileMacroWithKeyInfoItem(layer, "1", code, "");
        QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "1", code, "key", type, param1, param2, value));
    }

    // The download reports on the wire: "K<layer>.<packet>", "M<slot>.<step>", "A<slot>".
    QStringList wire() const
    {
        QStringList out;
        for (const EmuLogEntry &e : device->received()) {
            const QString entry = wireName(e.report);
            if (!entry.isEmpty())
                out << entry;
        }
        return out;
    }
    // When each download report was queued (the download runs on this thread), in
    // milliseconds with fractions; the I/O thread's and the keyboard's delays do not count.
    QList<double> queuedTimes() const
    {
        QList<double> out;
        for (const auto &q : queued)
            out << q.second / 1e6;
        return out;
    }
    QStringList queuedNames() const
    {
        QStringList out;
        for (const auto &q : queued)
            out << q.first;
        return out;
    }

private:
    QElapsedTimer sinceStart;
    QList<QPair<QString, qint64>> queued;
};

QStringList keyPackets(int layer, int from = 0, int to = 9)
{
    QStringList out;
    for (int p = from; p <= to; ++p)
        out << QStringLiteral("K%1.%2").arg(layer).arg(p);
    return out;
}

QStringList macroSlots(int from, int to = 9)
{
    QStringList out;
    for (int slot = from; slot <= to; ++slot) {
        for (int step = 0; step < 5; ++step)
            out << QStringLiteral("M%1.%2").arg(slot).arg(step);
    }
    return out;
}

QStringList seniorSlots(int from, int to = 39)
{
    QStringList out;
    for (int slot = from; slot <= to; ++slot)
        out << QStringLiteral("A%1").arg(slot);
    return out;
}

// What the keyboard should hold for a stored item, in the terms the emulator reads back.
EmuKeyItem expectedItem(const KeyOperateInfo &item)
{
    EmuKeyItem e;
    e.type = keyOperateNumber(item.operateType);
    if (e.type == -1)
        return EmuKeyItem();
    e.param1 = keyOperateNumber(item.param1);
    e.param2 = keyOperateNumber(item.param2);
    e.value = keyOperateField(item.value);
    const int value = keyOperateNumber(item.value);
    if (e.type == 0 && value > 255)
        e.value = QByteArray::number(value & 0xFF);  // a byte keeps the low 8 bits
    if (e.type >= 6 && e.type <= 8)
        return EmuKeyItem {6, 1, 1, QByteArray()};  // the keyboard only knows "the application runs it"
    return e;
}

MacroEventItem recorded(const char *type, int keyCode, const char *explain, int delay)
{
    MacroEventItem e;
    qstrncpy(e.type, type, sizeof e.type);
    qstrncpy(e.keyCode, QByteArray::number(keyCode).constData(), sizeof e.keyCode);
    qstrncpy(e.operateExplain, explain, sizeof e.operateExplain);
    qstrncpy(e.delay, QByteArray::number(delay).constData(), sizeof e.delay);
    return e;
}

}  // namespace

class TestOnboardDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void profileWithoutMacros();
    void macroKeysSendTheirMacrosFirst();
    void droppedAcknowledgementsAreResentThenRetried();
    void magneticKeyboardClearsAdvancedKeySlots();
    void firstDownloadNeedsNoRetry_data();
    void firstDownloadNeedsNoRetry();
    void tooManySlotsAreRefused_data();
    void tooManySlotsAreRefused();
    void repliesOfAnotherKeyboardDoNotCount();
    void unreadableLayerAndBadStatusFailTwice_data();
    void unreadableLayerAndBadStatusFailTwice();
    void keyboardGoingAwayEndsTheDownload_data();
    void keyboardGoingAwayEndsTheDownload();
    void nothingToWriteFailsAtOnce_data();
    void nothingToWriteFailsAtOnce();
};

void TestOnboardDownload::profileWithoutMacros()
{
    Rig rig("QR108");
    const int a = rig.keyAt(40);
    rig.setItem(rig.defaultLayer, a, "0", "5");
    rig.setItem(rig.defaultLayer, a + 1, "2", "5,4");
    rig.setItem(rig.defaultLayer, a + 2, "3", "3");
    rig.setItem(rig.defaultLayer, a + 3, "4", "4");
    rig.setItem(rig.defaultLayer, a + 4, "5", "-1");
    rig.setItem(rig.defaultLayer, a + 5, "20", "2");
    rig.setItem(rig.defaultLayer, a + 6, "19", "0,2", "1", "11");
    rig.setItem(rig.defaultLayer, a + 7, "6", "hello");
    rig.setItem(rig.defaultLayer, rig.keyAt(126), "0", "401");  // the last, shorter packet
    rig.setItem(rig.fnLayer, a, "0", "6");
    rig.setItem(rig.fnLayer, a + 1, "19", "300", "1", "3");
    rig.setItem(rig.fnLayer, a + 2, "8", "/usr/bin/true");
    rig.setItem(rig.fnLayer, a + 3, "31", "4");

    QSignalSpy finished(&rig.download, &OnboardDownload::sigDownloadFinished);
    QVERIFY(rig.download.start(rig.target()));
    QVERIFY(rig.download.isRunning());
    QVERIFY(!rig.download.start(rig.target()));  // a second one waits for the first to end
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toBool(), true);
    QCOMPARE(finished.first().at(1).toString(), QStringLiteral("Download config successful"));

    QCOMPARE(rig.wire(), keyPackets(0) + keyPackets(2) + macroSlots(0));
    QCOMPARE(rig.queuedNames(), rig.wire());
    const QList<double> times = rig.queuedTimes();
    QVERIFY2(times.at(20) - times.at(19) >= OnboardDownload::PauseMs,
             "the keyboard gets its pause after the key layers");

    // The keyboard's memory holds the profile, key by key, on both layers.
    const EmuOnboardView view(rig.device->keyboard()->state().memory);
    for (const auto &layer : {qMakePair(0, rig.defaultLayer), qMakePair(2, rig.fnLayer)}) {
        for (int k = 0; k < rig.codes.size(); ++k) {
            const int code = rig.codes.at(k);
            if (code == 0) {
                QCOMPARE(rig.device->keyboard()->state().memory.keyCode(layer.first, k), QByteArray(4, '\0'));
                continue;
            }
            KeyOperateInfo item = KeyOperateInfo::empty();
            CTavrixXML_SelectProFileKeyOperateInfo(layer.second, "1", QByteArray::number(code), &item);
            const EmuKeyItem got = view.keyItem(layer.first, k, code);
            const EmuKeyItem want = expectedItem(item);
            QVERIFY2(got == want,
                     qPrintable(QStringLiteral("layer %1 key %2 (code %3): %4, expected %5")
                                    .arg(layer.first)
                                    .arg(k)
                                    .arg(code)
                                    .arg(got.toString(), want.toString())));
        }
    }
    // The target code above 255 keeps its low byte.
    QCOMPARE(view.keyItem(0, rig.keyAt(126), rig.codes.at(rig.keyAt(126))).value, QByteArray("145"));
    for (int slot = 0; slot < 10; ++slot)
        QVERIFY(view.isEmptyMacroSlot(slot));
}

void TestOnboardDownload::macroKeysSendTheirMacrosFirst()
{
    Rig rig("QR108");
    const QList<MacroEventItem> events = {recorded("key", 4, "down", 0), recorded("key", 4, "up", 300),
                                          recorded("mouse", 513, "down", 20), recorded("mouse", 514, "up", 200)};
    QVERIFY(CTavrixXML_AddProFileBindMacroItem(rig.defaultLayer, "1", events, "7", "Seven"));
    QVERIFY(CTavrixXML_AddProFileBindMacroItem(rig.fnLayer, "1", events, "7", "Seven"));
    const int first = rig.keyAt(14);   // in key packet 1
    const int second = rig.keyAt(30);  // in key packet 2
    rig.setItem(rig.defaultLayer, first, "1", "7", "3", "2");
    rig.setItem(rig.fnLayer, second, "1", "7", "1", "4");
    QVERIFY(rig.run());
    QVERIFY(rig.success);

    // Each key's macro goes just before the packet that holds the key, in a slot of its own.
    QCOMPARE(rig.wire(),
             keyPackets(0, 0, 0) + macroSlots(0, 0) + keyPackets(0, 1) + keyPackets(2, 0, 1) + macroSlots(1, 1)
                 + keyPackets(2, 2) + macroSlots(2));

    const EmuOnboardView view(rig.device->keyboard()->state().memory);
    QCOMPARE(view.keyItem(0, first, rig.codes.at(first)), (EmuKeyItem {1, 3, 2, "0"}));
    QCOMPARE(view.keyItem(2, second, rig.codes.at(second)), (EmuKeyItem {1, 1, 4, "1"}));
    const QList<EmuMacroEvent> want
        = {{"key", 4, true, 0}, {"key", 4, false, 300}, {"mouse", 513, true, 20}, {"mouse", 514, false, 200}};
    QCOMPARE(view.macro(0).events, want);
    QCOMPARE(view.macro(1).events, want);
    for (int slot = 2; slot < 10; ++slot)
        QVERIFY(view.isEmptyMacroSlot(slot));
}

void TestOnboardDownload::droppedAcknowledgementsAreResentThenRetried()
{
    Rig rig("QR108");
    QVERIFY(CTavrixXML_AddProFileBindMacroItem(rig.defaultLayer, "1", {recorded("key", 4, "down", 0)}, "1", "One"));
    rig.setItem(rig.defaultLayer, rig.keyAt(14), "1", "1");
    rig.device->keyboard()->dropReplies(0x19, -1);
    rig.useRealWaits();
    QVERIFY(rig.run(60000));
    QVERIFY(!rig.success);
    QCOMPARE(rig.notice, QStringLiteral("Download config failed, Please try again"));

    // Per attempt: the packets up to the macro, then its first packet sent once and resent
    // three times while the second waits; the rest of the attempt is dropped.
    const QStringList attempt = keyPackets(0, 0, 0) + QStringList {"M0.0", "M0.0", "M0.0", "M0.0"};
    QCOMPARE(rig.wire(), attempt + attempt);
    QCOMPARE(rig.queuedNames(), rig.wire());
    // Each resend only after a whole acknowledgement wait, never at once.
    const QList<double> t = rig.queuedTimes();
    for (int i : {2, 3, 4, 7, 8, 9}) {
        const double gap = t.at(i) - t.at(i - 1);
        QVERIFY2(gap >= OnboardDownload::AckWaitMs,
                 qPrintable(QStringLiteral("resend %1 after %2 ms").arg(i).arg(gap)));
    }
}

void TestOnboardDownload::magneticKeyboardClearsAdvancedKeySlots()
{
    Rig rig("QM68");
    SeniorKeyInfo mt;
    mt.bindingIndex = 3;
    qstrncpy(mt.name, "MT3", sizeof mt.name);
    mt.keyType = SeniorKeyType_MT;
    qstrncpy(mt.keys[0], "225", sizeof mt.keys[0]);
    qstrncpy(mt.keys[1], "1,6", sizeof mt.keys[1]);
    mt.ValueTime = 250;
    QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(rig.seniorPath, SeniorKeyType_MT, mt));
    const int bound = rig.keyAt(14);
    rig.setItem(rig.defaultLayer, bound, "40", "3");
    QVERIFY(rig.run());
    QVERIFY(rig.success);

    QCOMPARE(rig.wire(),
             keyPackets(0, 0, 0) + seniorSlots(0, 0) + keyPackets(0, 1) + keyPackets(2) + macroSlots(0)
                 + seniorSlots(1));
    QCOMPARE(rig.queuedNames(), rig.wire());
    const QList<double> t = rig.queuedTimes();
    const int firstEmptySenior = rig.wire().indexOf("A1");
    const int firstMacro = rig.wire().indexOf("M0.0");
    QVERIFY2(t.at(firstEmptySenior) - t.at(firstEmptySenior - 1) >= OnboardDownload::PauseMs,
             "a second pause before the advanced keys");
    QVERIFY2(t.at(firstMacro) - t.at(firstMacro - 1) >= OnboardDownload::PauseMs,
             "the first pause after the key layers");

    const EmuOnboardView view(rig.device->keyboard()->state().memory);
    QCOMPARE(view.keyItem(0, bound, rig.codes.at(bound)), (EmuKeyItem {40, 1, 1, "0"}));
    const EmuSeniorKey stored = view.seniorKey(0);
    QCOMPARE(stored.type, int(SeniorKeyType_MT));
    QCOMPARE(stored.keys[0], QByteArray("225"));
    QCOMPARE(stored.keys[1], QByteArray("1,6"));
    QCOMPARE(stored.holdTimeMs, 250);
    for (int slot = 1; slot < 40; ++slot)
        QVERIFY(view.isEmptySeniorKeySlot(slot));
}

void TestOnboardDownload::firstDownloadNeedsNoRetry_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("opensWith");  // the first report of the download
    // The first key's macro goes out before key packet 0 and so opens the download.
    QTest::newRow("macro on the first key") << "QR108"
                                            << "M0.0";
    // The compact layout's first packet holds no key: macro and advanced key follow it.
    QTest::newRow("macro and advanced key on the first keys") << "QM68"
                                                              << "K0.0";
}

// The keyboard counts every packet of a first download, whichever kind comes first, so
// the download ends at its first attempt with nothing resent.
void TestOnboardDownload::firstDownloadNeedsNoRetry()
{
    QFETCH(QString, model);
    QFETCH(QString, opensWith);
    Rig rig(model);
    QVERIFY(CTavrixXML_AddProFileBindMacroItem(rig.defaultLayer, "1", {recorded("key", 4, "down", 0)}, "1", "One"));
    const int macroKey = rig.keyAt(0);
    rig.setItem(rig.defaultLayer, macroKey, "1", "1");
    const int seniorKey = rig.keyAt(macroKey + 1);
    if (rig.magnetic) {
        SeniorKeyInfo mt;
        mt.bindingIndex = 2;
        qstrncpy(mt.name, "MT2", sizeof mt.name);
        mt.keyType = SeniorKeyType_MT;
        qstrncpy(mt.keys[0], "225", sizeof mt.keys[0]);
        qstrncpy(mt.keys[1], "1,6", sizeof mt.keys[1]);
        mt.ValueTime = 200;
        QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(rig.seniorPath, SeniorKeyType_MT, mt));
        rig.setItem(rig.defaultLayer, seniorKey, "40", "2");
    }

    // The keyboard's status report ends the download; its ten-minute wait is never waited out.
    QVERIFY(rig.run());
    QVERIFY(rig.success);
    const QStringList wire = rig.wire();
    QCOMPARE(wire.first(), opensWith);
    // One attempt: every packet once.
    QCOMPARE(wire.size(), 20 + 50 + (rig.magnetic ? 40 : 0));
    QCOMPARE(QSet<QString>(wire.cbegin(), wire.cend()).size(), wire.size());

    const EmuOnboardView view(rig.device->keyboard()->state().memory);
    QCOMPARE(view.keyItem(0, macroKey, rig.codes.at(macroKey)), (EmuKeyItem {1, 1, 1, "0"}));
    QCOMPARE(view.macro(0).events, (QList<EmuMacroEvent> {{"key", 4, true, 0}}));
    if (rig.magnetic) {
        QCOMPARE(view.keyItem(0, seniorKey, rig.codes.at(seniorKey)), (EmuKeyItem {40, 1, 1, "0"}));
        QCOMPARE(view.seniorKey(0).holdTimeMs, 200);
    }
}

void TestOnboardDownload::tooManySlotsAreRefused_data()
{
    QTest::addColumn<int>("macroKeys");
    QTest::addColumn<int>("seniorKeys");
    QTest::addColumn<QString>("notice");  // empty: the download goes ahead

    QTest::newRow("eleven macro keys") << 11 << 0
                                       << "Download refused: 11 keys play macros, the keyboard holds 10 macros";
    QTest::newRow("41 advanced keys") << 0 << 41
                                      << "Download refused: 41 keys are bound to advanced keys, the keyboard holds 40 "
                                         "advanced keys";
    QTest::newRow("every slot used") << 10 << 40 << QString();
}

void TestOnboardDownload::tooManySlotsAreRefused()
{
    QFETCH(int, macroKeys);
    QFETCH(int, seniorKeys);
    QFETCH(QString, notice);

    Rig rig("QM68");
    QVERIFY(CTavrixXML_AddProFileBindMacroItem(rig.defaultLayer, "1", {recorded("key", 4, "down", 0)}, "1", "One"));
    // Every key of both layers, FN first, for as many bindings as the row asks.
    QList<QPair<QByteArray, int>> keys;
    for (const QByteArray &layer : {rig.fnLayer, rig.defaultLayer}) {
        for (int k = 0; k < rig.codes.size(); ++k) {
            if (rig.codes.at(k) != 0)
                keys.append({layer, k});
        }
    }
    QVERIFY(keys.size() >= macroKeys + seniorKeys);
    for (int i = 0; i < macroKeys + seniorKeys; ++i)
        rig.setItem(keys.at(i).first, keys.at(i).second, i < macroKeys ? "1" : "40", "1");
    rig.device->clearReceived();
    QSignalSpy finished(&rig.download, &OnboardDownload::sigDownloadFinished);
    QVERIFY(rig.download.start(rig.target()));
    if (notice.isEmpty()) {
        QVERIFY(finished.wait(30000));
        QVERIFY(finished.first().at(0).toBool());
        return;
    }
    QCOMPARE(finished.count(), 1);  // at once
    QCOMPARE(finished.first().at(0).toBool(), false);
    QCOMPARE(finished.first().at(1).toString(), notice);
    QVERIFY(!rig.download.isRunning());
    // Nothing was even queued, so nothing can be on its way to the keyboard.
    QCOMPARE(rig.queuedNames(), QStringList());
    QCOMPARE(rig.wire(), QStringList());
}

void TestOnboardDownload::repliesOfAnotherKeyboardDoNotCount()
{
    Rig rig("QR108");
    // The target acknowledges nothing; another keyboard acknowledges every macro packet.
    rig.device->keyboard()->dropReplies(0x19, -1);
    rig.useRealWaits();
    QObject::connect(rig.device.get(), &EmuDevice::sigReportReceived, &rig.download, [&rig](const HidReport &r) {
        if (r.code() == kMacro)
            rig.download.onAcknowledgement(QStringLiteral("/elsewhere/vid_1209&pid_0003.sock"));
    });
    QSignalSpy finished(&rig.download, &OnboardDownload::sigDownloadFinished);
    QVERIFY(rig.download.start(rig.target()));
    QTRY_COMPARE_WITH_TIMEOUT(rig.wire().count("M0.0"), 4, 20000);
    rig.download.onDeviceRemoved(rig.path);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toBool(), false);

    // A good status from another keyboard does not make a bad one from the target good.
    Rig second("QR108");
    second.device->keyboard()->setDownloadResult(2);
    second.onReport = [&second](const HidReport &r) {
        if (r.code() == 0x01 && r[13] != 0)
            QTimer::singleShot(0, &second.download, [&second] { second.download.onDownloadStatus("/elsewhere", 1); });
    };
    QVERIFY(second.run(30000));
    QVERIFY(!second.success);
}

void TestOnboardDownload::unreadableLayerAndBadStatusFailTwice_data()
{
    QTest::addColumn<bool>("removeFnLayer");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("attempt");

    QTest::newRow("FN layer file missing") << true << 1 << keyPackets(0);
    QTest::newRow("status 2") << false << 2 << keyPackets(0) + keyPackets(2) + macroSlots(0);
}

void TestOnboardDownload::unreadableLayerAndBadStatusFailTwice()
{
    QFETCH(bool, removeFnLayer);
    QFETCH(int, status);
    QFETCH(QStringList, attempt);

    Rig rig("QR108");
    if (removeFnLayer)
        QVERIFY(QFile::remove(QFile::decodeName(rig.fnLayer)));
    rig.device->keyboard()->setDownloadResult(status);
    QVERIFY(rig.run(30000));
    QVERIFY(!rig.success);
    QCOMPARE(rig.notice, QStringLiteral("Download config failed, Please try again"));
    QTRY_COMPARE(rig.wire(), attempt + attempt);
}

void TestOnboardDownload::keyboardGoingAwayEndsTheDownload_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("link closed after unplugging") << "close";
    QTest::newRow("I/O object deleted") << "delete";
    QTest::newRow("removal reported") << "removed";
}

void TestOnboardDownload::keyboardGoingAwayEndsTheDownload()
{
    QFETCH(QString, how);

    Rig rig("QR108");
    rig.device->keyboard()->onReceived(kDownload, 5, [&rig, how] {
        rig.device->vanish();
        QTimer::singleShot(0, [&rig, how] {
            if (how == "close")
                rig.hid->closeHid();
            else if (how == "delete")
                delete std::exchange(rig.hid, nullptr);
            else
                rig.download.onDeviceRemoved(rig.path);
        });
    });
    // No waiting for a keyboard that is gone: every wait here lasts minutes.
    QVERIFY(rig.run(30000));
    QVERIFY(!rig.success);
    QCOMPARE(rig.notice, QStringLiteral("Download config failed, Please try again"));
    QVERIFY(!rig.download.isRunning());
}

void TestOnboardDownload::nothingToWriteFailsAtOnce_data()
{
    QTest::addColumn<QString>("missing");
    QTest::newRow("no current keyboard") << "hid";
    QTest::newRow("keyboard closed") << "open";
    QTest::newRow("profile files not made yet") << "folder";
}

void TestOnboardDownload::nothingToWriteFailsAtOnce()
{
    QFETCH(QString, missing);

    Rig rig("QR108");
    OnboardDownloadTarget target = rig.target();
    if (missing == "hid")
        target.hid = nullptr;
    else if (missing == "open")
        rig.hid->closeHid();
    else
        target.profileFolder.clear();
    QSignalSpy finished(&rig.download, &OnboardDownload::sigDownloadFinished);
    QVERIFY(rig.download.start(target));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toBool(), false);
    QCOMPARE(finished.first().at(1).toString(), QStringLiteral("Download config failed, Please try again"));
    QCOMPARE(rig.queuedNames(), QStringList());  // nothing queued, nothing on its way
    QCOMPARE(rig.wire(), QStringList());
}

TAVRIX_TEST_MAIN(TestOnboardDownload)
#include "tst_onboarddownload.moc"
