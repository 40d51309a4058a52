#include "devicelink/onboardkeycode.h"
#include "devicelink/onboardpackets.h"
#include "support/testmain.h"

#include <cstring>

namespace {

KeyOperateInfo item(const QByteArray &type, const QByteArray &value, const QByteArray &param2 = "1",
                    const QByteArray &param1 = "1")
{
    KeyOperateInfo info = KeyOperateInfo::empty();
    setKeyOperateField(info.operateType, type);
    setKeyOperateField(info.param1, param1);
    setKeyOperateField(info.param2, param2);
    setKeyOperateField(info.value, value);
    return info;
}

MacroEventItem recorded(const char *type, const char *keyCode, const char *explain, const char *delay)
{
    MacroEventItem e;
    qstrncpy(e.type, type, sizeof e.type);
    qstrncpy(e.keyCode, keyCode, sizeof e.keyCode);
    qstrncpy(e.operateExplain, explain, sizeof e.operateExplain);
    qstrncpy(e.delay, delay, sizeof e.delay);
    return e;
}

QByteArray hexBytes(const QString &hex)
{
    return QByteArray::fromHex(hex.toLatin1());
}

QByteArray bytesOf(const std::array<uint8_t, 4> &b)
{
    return QByteArray(reinterpret_cast<const char *>(b.data()), 4);
}

SeniorKeyInfo seniorKey(int type, const QStringList &keys, int holdMs = 0)
{
    SeniorKeyInfo info;
    info.keyType = type;
    for (int k = 0; k < keys.size(); ++k)
        qstrncpy(info.keys[k], keys.at(k).toUtf8().constData(), sizeof info.keys[k]);
    info.ValueTime = holdMs;
    return info;
}

}  // namespace

Q_DECLARE_METATYPE(SeniorKeyInfo)

class TestOnboardEncoding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyCode_data();
    void keyCode();
    void macroEvent_data();
    void macroEvent();
    void macroRecordHeaderAndCap();
    void macroPacketsSplitTheRecord();
    void keyPacketLengths();
    void seniorKeyPacket_data();
    void seniorKeyPacket();
};

void TestOnboardEncoding::keyCode_data()
{
    QTest::addColumn<QByteArray>("type");  // "-1": no item
    QTest::addColumn<QByteArray>("param2");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("own");
    QTest::addColumn<int>("storeIndex");
    QTest::addColumn<QString>("expected");

    // No item: the key's own function, its code clamped to 255.
    QTest::newRow("own key") << QByteArray("-1") << QByteArray("1") << QByteArray("-1") << 4 << 0 << "00040000";
    QTest::newRow("own Fn") << QByteArray("-1") << QByteArray("1") << QByteArray("-1") << -10 << 0 << "01000000";
    QTest::newRow("own calculator") << QByteArray("-1") << QByteArray() << QByteArray() << 215 << 0 << "07320000";
    QTest::newRow("own mute") << QByteArray("-1") << QByteArray() << QByteArray() << 127 << 0 << "07120000";
    QTest::newRow("own volume down") << QByteArray("-1") << QByteArray() << QByteArray() << 129 << 0 << "07110000";
    QTest::newRow("own volume up") << QByteArray("-1") << QByteArray() << QByteArray() << 128 << 0 << "07100000";
    QTest::newRow("own 401 clamped") << QByteArray("-1") << QByteArray() << QByteArray() << 401 << 0 << "00ff0000";
    QTest::newRow("own main Enter clamped")
        << QByteArray("-1") << QByteArray() << QByteArray() << 999 << 0 << "00ff0000";
    // Remap: the target keeps its low byte, unclamped.
    QTest::newRow("remap") << QByteArray("0") << QByteArray("1") << QByteArray("5") << 4 << 0 << "00050000";
    QTest::newRow("remap 401") << QByteArray("0") << QByteArray("1") << QByteArray("401") << 4 << 0 << "00910000";
    QTest::newRow("remap -20") << QByteArray("0") << QByteArray("1") << QByteArray("-20") << 4 << 0 << "14000000";
    QTest::newRow("remap Fn") << QByteArray("0") << QByteArray("1") << QByteArray("-10") << 4 << 0 << "01000000";
    QTest::newRow("remap trailing text") << QByteArray("0") << QByteArray("1") << QByteArray("7x") << 4 << 0
                                         << "00070000";
    // Macro and advanced key carry the slot the download gives them.
    QTest::newRow("macro") << QByteArray("1") << QByteArray("2") << QByteArray("3") << 4 << 3 << "10040300";
    QTest::newRow("macro own clamped") << QByteArray("1") << QByteArray("2") << QByteArray("3") << 999 << 9
                                       << "10ff0900";
    QTest::newRow("advanced key") << QByteArray("40") << QByteArray("1") << QByteArray("7") << 4 << 5 << "17050000";
    // Modifier combinations: lowest and highest modifier, those between dropped.
    QTest::newRow("ctrl+alt+A") << QByteArray("2") << QByteArray("1") << QByteArray("5,4") << 9 << 0 << "13e0e204";
    QTest::newRow("no modifier") << QByteArray("2") << QByteArray("1") << QByteArray("0,4") << 9 << 0 << "13000400";
    QTest::newRow("three modifiers") << QByteArray("2") << QByteArray("1") << QByteArray("7,4") << 9 << 0 << "13e0e204";
    QTest::newRow("right Win only") << QByteArray("2") << QByteArray("1") << QByteArray("128,4") << 9 << 0
                                    << "13e70400";
    QTest::newRow("bit 8 ignored") << QByteArray("2") << QByteArray("1") << QByteArray("257,4") << 9 << 0 << "13e00400";
    QTest::newRow("key missing") << QByteArray("2") << QByteArray("1") << QByteArray("5") << 9 << 0 << "13e0e200";
    // Multimedia and mouse tables.
    QTest::newRow("volume up") << QByteArray("3") << QByteArray("1") << QByteArray("0") << 9 << 0 << "07100000";
    QTest::newRow("media 7") << QByteArray("3") << QByteArray("1") << QByteArray("7") << 9 << 0 << "07170000";
    QTest::newRow("player") << QByteArray("3") << QByteArray("1") << QByteArray("8") << 9 << 0 << "07300000";
    QTest::newRow("browser") << QByteArray("3") << QByteArray("1") << QByteArray("11") << 9 << 0 << "07230000";
    QTest::newRow("web search") << QByteArray("3") << QByteArray("1") << QByteArray("15") << 9 << 0 << "07210000";
    QTest::newRow("media unknown") << QByteArray("3") << QByteArray("1") << QByteArray("16") << 9 << 0 << "07000000";
    QTest::newRow("left button") << QByteArray("4") << QByteArray("1") << QByteArray("0") << 9 << 0 << "12000100";
    QTest::newRow("middle button") << QByteArray("4") << QByteArray("1") << QByteArray("1") << 9 << 0 << "12000400";
    QTest::newRow("right button") << QByteArray("4") << QByteArray("1") << QByteArray("2") << 9 << 0 << "12000200";
    QTest::newRow("scroll up") << QByteArray("4") << QByteArray("1") << QByteArray("3") << 9 << 0 << "12010100";
    QTest::newRow("scroll down") << QByteArray("4") << QByteArray("1") << QByteArray("4") << 9 << 0 << "1201ff00";
    QTest::newRow("forward") << QByteArray("4") << QByteArray("1") << QByteArray("5") << 9 << 0 << "12000800";
    QTest::newRow("backward") << QByteArray("4") << QByteArray("1") << QByteArray("6") << 9 << 0 << "12001000";
    QTest::newRow("sniper") << QByteArray("4") << QByteArray("1") << QByteArray("7") << 9 << 0 << "12000000";
    QTest::newRow("mouse unknown") << QByteArray("4") << QByteArray("1") << QByteArray("-3") << 9 << 0 << "12000000";
    QTest::newRow("disabled") << QByteArray("5") << QByteArray("1") << QByteArray("-1") << 9 << 0 << "00000000";
    // Functions the application runs name the key by its own code.
    QTest::newRow("text") << QByteArray("6") << QByteArray("1") << QByteArray("hi") << 30 << 0 << "1600001e";
    QTest::newRow("profile switch") << QByteArray("7") << QByteArray("1") << QByteArray("2") << 30 << 0 << "1600001e";
    QTest::newRow("launch clamped") << QByteArray("8") << QByteArray("1") << QByteArray("/bin/x") << 999 << 0
                                    << "160000ff";
    // System shortcuts.
    QTest::newRow("Alt+F4") << QByteArray("9") << QByteArray("1") << QByteArray("0") << 9 << 0 << "13e23d00";
    QTest::newRow("Alt+Tab") << QByteArray("9") << QByteArray("1") << QByteArray("1") << 9 << 0 << "13e22b00";
    QTest::newRow("Win+D") << QByteArray("9") << QByteArray("1") << QByteArray("2") << 9 << 0 << "13e30700";
    QTest::newRow("Win+L") << QByteArray("9") << QByteArray("1") << QByteArray("4") << 9 << 0 << "13e30f00";
    QTest::newRow("Ctrl+C") << QByteArray("9") << QByteArray("1") << QByteArray("5") << 9 << 0 << "13e00600";
    QTest::newRow("Ctrl+S") << QByteArray("9") << QByteArray("1") << QByteArray("11") << 9 << 0 << "13e01600";
    QTest::newRow("shortcut unknown") << QByteArray("9") << QByteArray("1") << QByteArray("12") << 9 << 0 << "13000000";
    // Light functions.
    QTest::newRow("light 20") << QByteArray("20") << QByteArray("1") << QByteArray("3") << 9 << 0 << "02030000";
    QTest::newRow("light 24") << QByteArray("24") << QByteArray("1") << QByteArray("3") << 9 << 0 << "06030000";
    QTest::newRow("light 25 skips 07") << QByteArray("25") << QByteArray("1") << QByteArray("3") << 9 << 0
                                       << "08030000";
    QTest::newRow("light 27 drops value")
        << QByteArray("27") << QByteArray("1") << QByteArray("3") << 9 << 0 << "09000000";
    QTest::newRow("light value low byte")
        << QByteArray("21") << QByteArray("1") << QByteArray("300") << 9 << 0 << "032c0000";
    QTest::newRow("side light 30") << QByteArray("30") << QByteArray("1") << QByteArray("2") << 9 << 0 << "0a020000";
    QTest::newRow("side light 33") << QByteArray("33") << QByteArray("1") << QByteArray("2") << 9 << 0 << "0d020000";
    QTest::newRow("light off") << QByteArray("26") << QByteArray("0") << QByteArray("7") << 9 << 0 << "11040700";
    QTest::newRow("light stop") << QByteArray("26") << QByteArray("1") << QByteArray("7") << 9 << 0 << "11050700";
    QTest::newRow("light 26 other") << QByteArray("26") << QByteArray("2") << QByteArray("7") << 9 << 0 << "00090000";
    QTest::newRow("side off") << QByteArray("34") << QByteArray("0") << QByteArray("7") << 9 << 0 << "11040700";
    QTest::newRow("side stop") << QByteArray("34") << QByteArray("1") << QByteArray("7") << 9 << 0 << "11060700";
    // Keyboard functions (type 19, function in param2).
    QTest::newRow("lock keyboard") << QByteArray("19") << QByteArray("0") << QByteArray("5") << 9 << 0 << "11000000";
    QTest::newRow("lock Win") << QByteArray("19") << QByteArray("2") << QByteArray("1") << 9 << 0 << "11020100";
    QTest::newRow("FN layer") << QByteArray("19") << QByteArray("8") << QByteArray("1") << 9 << 0 << "11080100";
    QTest::newRow("power query") << QByteArray("19") << QByteArray("10") << QByteArray("0") << 9 << 0 << "110a0000";
    QTest::newRow("function 3 small") << QByteArray("19") << QByteArray("3") << QByteArray("200") << 9 << 0
                                      << "110300c8";
    QTest::newRow("function 3 three digits")
        << QByteArray("19") << QByteArray("3") << QByteArray("300") << 9 << 0 << "1103012c";
    QTest::newRow("function 3 16 bits") << QByteArray("19") << QByteArray("3") << QByteArray("65535") << 9 << 0
                                        << "1103ffff";
    QTest::newRow("function 3 five digits")
        << QByteArray("19") << QByteArray("3") << QByteArray("74565") << 9 << 0 << "11031245";
    QTest::newRow("connection USB") << QByteArray("19") << QByteArray("11") << QByteArray("2,0") << 9 << 0
                                    << "110b0200";
    QTest::newRow("connection BT 2") << QByteArray("19") << QByteArray("11") << QByteArray("0,2") << 9 << 0
                                     << "110b0002";
    QTest::newRow("connection no channel")
        << QByteArray("19") << QByteArray("11") << QByteArray("1") << 9 << 0 << "110b0100";
    QTest::newRow("function unknown") << QByteArray("19") << QByteArray("12") << QByteArray("1") << 9 << 0
                                      << "00090000";
    // Types without an encoding keep the key's own code.
    for (const char *t : {"10", "18", "28", "35", "41", "-5"})
        QTest::newRow(qPrintable(QStringLiteral("type %1").arg(t)))
            << QByteArray(t) << QByteArray("1") << QByteArray("3") << 300 << 0 << "00ff0000";
}

void TestOnboardEncoding::keyCode()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, param2);
    QFETCH(QByteArray, value);
    QFETCH(int, own);
    QFETCH(int, storeIndex);
    QFETCH(QString, expected);
    const OnboardKeyCode code = OnboardEncoder::encodeKey(item(type, value, param2), own, storeIndex);
    QCOMPARE(code.toByteArray().toHex(), expected.toLatin1());
}

void TestOnboardEncoding::macroEvent_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("keyCode");
    QTest::addColumn<QByteArray>("explain");
    QTest::addColumn<QByteArray>("delay");
    QTest::addColumn<QString>("expected");

    QTest::newRow("key down, no delay") << QByteArray("key") << QByteArray("4") << QByteArray("down") << QByteArray("0")
                                        << "04100000";
    QTest::newRow("key up 300 ms") << QByteArray("key") << QByteArray("4") << QByteArray("up") << QByteArray("300")
                                   << "0400012c";
    QTest::newRow("200 ms") << QByteArray("key") << QByteArray("4") << QByteArray("up") << QByteArray("200")
                            << "040000c8";
    QTest::newRow("255 ms") << QByteArray("key") << QByteArray("4") << QByteArray("up") << QByteArray("255")
                            << "040000ff";
    QTest::newRow("256 ms") << QByteArray("key") << QByteArray("4") << QByteArray("up") << QByteArray("256")
                            << "04000100";
    QTest::newRow("65535 ms") << QByteArray("key") << QByteArray("4") << QByteArray("up") << QByteArray("65535")
                              << "0400ffff";
    QTest::newRow("delay clamped high") << QByteArray("key") << QByteArray("4") << QByteArray("up")
                                        << QByteArray("70000") << "0400ffff";
    QTest::newRow("delay clamped low") << QByteArray("key") << QByteArray("4") << QByteArray("up") << QByteArray("-5")
                                       << "04000000";
    QTest::newRow("only exact down") << QByteArray("key") << QByteArray("4") << QByteArray("Down") << QByteArray("0")
                                     << "04000000";
    QTest::newRow("key code low byte") << QByteArray("key") << QByteArray("300") << QByteArray("down")
                                       << QByteArray("0") << "2c100000";
    QTest::newRow("left down") << QByteArray("mouse") << QByteArray("513") << QByteArray("down") << QByteArray("10")
                               << "0111000a";
    QTest::newRow("left up") << QByteArray("mouse") << QByteArray("514") << QByteArray("up") << QByteArray("10")
                             << "0101000a";
    QTest::newRow("right down") << QByteArray("mouse") << QByteArray("516") << QByteArray("down") << QByteArray("0")
                                << "02110000";
    QTest::newRow("right up") << QByteArray("mouse") << QByteArray("517") << QByteArray("up") << QByteArray("0")
                              << "02010000";
    QTest::newRow("middle down") << QByteArray("mouse") << QByteArray("519") << QByteArray("down") << QByteArray("0")
                                 << "04110000";
    QTest::newRow("middle up") << QByteArray("mouse") << QByteArray("520") << QByteArray("up") << QByteArray("0")
                               << "04010000";
    // Unknown mouse messages and types keep four bytes, with code 0.
    QTest::newRow("unknown mouse message")
        << QByteArray("mouse") << QByteArray("522") << QByteArray("down") << QByteArray("5") << "00110005";
    QTest::newRow("unknown type") << QByteArray("pen") << QByteArray("4") << QByteArray("down") << QByteArray("5")
                                  << "00100005";
    QTest::newRow("key wins over mouse") << QByteArray("mousekey") << QByteArray("4") << QByteArray("up")
                                         << QByteArray("0") << "04000000";
}

void TestOnboardEncoding::macroEvent()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, keyCode);
    QFETCH(QByteArray, explain);
    QFETCH(QByteArray, delay);
    QFETCH(QString, expected);
    const MacroEventItem e = recorded(type.constData(), keyCode.constData(), explain.constData(), delay.constData());
    QCOMPARE(bytesOf(OnboardPackets::macroEvent(e)).toHex(), expected.toLatin1());
}

void TestOnboardEncoding::macroRecordHeaderAndCap()
{
    const QList<MacroEventItem> two = {recorded("key", "4", "down", "0"), recorded("key", "4", "up", "300")};
    const QByteArray record = OnboardPackets::macroRecord(3, 5, two);
    QCOMPARE(record.size(), 256);
    QCOMPARE(record.left(16).toHex(),
             QByteArray("0002000800050000"
                        "041000000400012c"));
    QCOMPARE(record.mid(16).count('\0'), 240);

    // Only 62 events fit; the header counts those, never more than the record holds.
    QList<MacroEventItem> many;
    for (int i = 0; i < 70; ++i)
        many.append(recorded("key", QByteArray::number(i + 1).constData(), "down", "1"));
    const QByteArray full = OnboardPackets::macroRecord(1, 1, many);
    QCOMPARE(full.size(), 256);
    QCOMPARE(uint8_t(full.at(3)), uint8_t(0xF8));
    QCOMPARE(full.mid(8 + 4 * 61, 4).toHex(), QByteArray("3e100001"));

    const QByteArray none = OnboardPackets::macroRecord(4, 2, {});
    QCOMPARE(none.left(8).toHex(), QByteArray("0003000000020000"));
}

void TestOnboardEncoding::macroPacketsSplitTheRecord()
{
    QByteArray record(256, '\0');
    for (int i = 0; i < 256; ++i)
        record[i] = char(i);
    const QVector<HidReport> packets = OnboardPackets::macroPackets(2, record);
    QCOMPARE(packets.size(), 5);
    for (int step = 0; step < 5; ++step) {
        const HidReport &p = packets.at(step);
        const int bytes = step < 4 ? 58 : 24;
        QCOMPARE(p.mid(0, 6).toHex(), QString::asprintf("01180200%02x%02x", step, bytes).toLatin1());
        QCOMPARE(p.mid(6, bytes), record.mid(58 * step, bytes));
        QCOMPARE(p.mid(6 + bytes, 58 - bytes).count('\0'), 58 - bytes);
    }
    const QVector<HidReport> empty = OnboardPackets::emptyMacroPackets(9);
    QCOMPARE(empty.at(0).toHex().left(17), QStringLiteral("01 18 09 00 00 3a"));
    QCOMPARE(empty.at(4).toHex().left(17), QStringLiteral("01 18 09 00 04 18"));
    QCOMPARE(empty.at(4).mid(6, 58).count('\0'), 58);
}

void TestOnboardEncoding::keyPacketLengths()
{
    const HidReport full = OnboardPackets::keyPacket(0, 3, QByteArray(56, '\x07'));
    QCOMPARE(full.mid(0, 6).toHex(), QByteArray("011700000338"));
    QCOMPARE(full.mid(6, 58), QByteArray(56, '\x07') + QByteArray(2, '\0'));
    const HidReport last = OnboardPackets::keyPacket(2, 9, QByteArray(24, '\x07'));
    QCOMPARE(last.mid(0, 6).toHex(), QByteArray("011702000918"));
    QCOMPARE(last.mid(30, 34).count('\0'), 34);
}

void TestOnboardEncoding::seniorKeyPacket_data()
{
    QTest::addColumn<SeniorKeyInfo>("info");
    QTest::addColumn<QString>("expected");  // bytes 6 .. 42

    SeniorKeyInfo dks = seniorKey(SeniorKeyType_DKS, {"4", "5,4", "", "3,30"});
    const int strokes[4] = {15, 36, 36, 15};
    memcpy(dks.strokes, strokes, sizeof strokes);
    for (int i = 0; i < 16; ++i)
        dks.dksActions[i] = i % 4;
    QTest::newRow("DKS") << dks
                         << "01 0f24240f"
                            "00040000 00010203"
                            "13e0e204 00010203"
                            "00000000 00010203"
                            "13e0e11e 00010203";
    QTest::newRow("MT 250 ms") << seniorKey(SeniorKeyType_MT, {"224", "2,6"}, 250)
                               << "02 00e00000 13e10600 19" + QString("00").repeated(27);
    QTest::newRow("MT hold time clamped")
        << seniorKey(SeniorKeyType_MT, {"224", "6"}, 5000) << "02 00e00000 00060000 ff" + QString("00").repeated(27);
    QTest::newRow("TGL") << seniorKey(SeniorKeyType_TGL, {"41", "5"}) << "03 00290000" + QString("00").repeated(32);
    QTest::newRow("unknown type") << seniorKey(9, {"41"}, 250) << "09" + QString("00").repeated(36);
    QTest::newRow("empty record") << SeniorKeyInfo() << QString("00").repeated(37);
}

void TestOnboardEncoding::seniorKeyPacket()
{
    QFETCH(SeniorKeyInfo, info);
    QFETCH(QString, expected);
    const HidReport packet = OnboardPackets::seniorKeyPacket(7, info);
    QCOMPARE(packet.mid(0, 6).toHex(), QByteArray("012a07000032"));
    QCOMPARE(packet.mid(6, 37).toHex(), hexBytes(QString(expected).remove(' ')).toHex());
    QCOMPARE(packet.mid(43, 21).count('\0'), 21);
    if (info.keyType == 0)
        QCOMPARE(packet, OnboardPackets::emptySeniorKeyPacket(7));
}

TAVRIX_TEST_MAIN(TestOnboardEncoding)
#include "tst_onboardencoding.moc"
