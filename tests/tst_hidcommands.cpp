#include "devicelink/ddevicehidcmdsend.h"
#include "devicelink/lighttypelistinfo.h"
#include "support/emuiofixture.h"
#include "support/kbemuexpect.h"
#include "support/testmain.h"

#include <QRegularExpression>

#include <functional>

using BuilderOp = std::function<void(DDeviceHidCmdSend &)>;
Q_DECLARE_METATYPE(BuilderOp)

namespace {

HidReport hex(const QString &text)
{
    HidReport r;
    HidReport::fromHex(text, &r);
    return r;
}

}  // namespace

class TestHidCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lightTypeList_data();
    void lightTypeList();
    void builderSendsReport_data();
    void builderSendsReport();
    void builderWithoutDeviceLogsFailure_data();
    void builderWithoutDeviceLogsFailure();
    void writeSnGeneratesOrKeepsSerial();
};

void TestHidCommands::lightTypeList_data()
{
    QTest::addColumn<QString>("payload");  // from byte 6
    QTest::addColumn<QList<int>>("modes");
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("brightness");

    QList<int> ones;
    for (int i = 6; i < 64; ++i)
        ones.append(1);
    QTest::newRow("with marker") << "01 02 03 a5 04 05" << QList<int> {1, 2, 3} << 4 << 5;
    QTest::newRow("other marker, mode 0 kept") << "00 07 5a 03 02" << QList<int> {0, 7} << 3 << 2;
    QTest::newRow("markers skipped, no modes") << "a5 5a 06 07" << QList<int> {} << 6 << 7;
    QTest::newRow("empty list") << "a5 00 00" << QList<int> {} << 0 << 0;
    QTest::newRow("without marker") << QString("01 ").repeated(58) << ones << 0 << 0;
    QTest::newRow("marker at 62: brightness beyond the report")
        << QString("01 ").repeated(56) + "a5 09" << ones.mid(0, 56) << 9 << 0;
    QTest::newRow("marker at 63: both counts beyond")
        << QString("01 ").repeated(57) + "5a" << ones.mid(0, 57) << 0 << 0;
}

void TestHidCommands::lightTypeList()
{
    QFETCH(QString, payload);
    QFETCH(QList<int>, modes);
    QFETCH(int, speed);
    QFETCH(int, brightness);
    const LightTypeListInfo info = LightTypeListInfo::parse(hex("01 0a 00 00 00 00 " + payload));
    QCOMPARE(info.lightTypeList, modes);
    QCOMPARE(info.speedMax, speed);
    QCOMPARE(info.brightnessMax, brightness);
}

void TestHidCommands::builderSendsReport_data()
{
    QTest::addColumn<BuilderOp>("op");
    QTest::addColumn<QString>("report");

    const auto row = [](const char *name, BuilderOp op, const QString &report) { QTest::newRow(name) << op << report; };

    row(
        "keyboard light types", [](DDeviceHidCmdSend &b) { b.inquireLightMode(); }, "01 09");
    row(
        "side light types", [](DDeviceHidCmdSend &b) { b.inquireSideLightMode(); }, "01 01");
    row(
        "keyboard light config", [](DDeviceHidCmdSend &b) { b.inquireKeyboardLightConfig(); }, "01 06 01");
    row(
        "side light config", [](DDeviceHidCmdSend &b) { b.inquireSideLightConfig(); }, "01 07 01");
    row(
        "custom-key bitmap", [](DDeviceHidCmdSend &b) { b.checkLayoutSupportCustom(); }, "01 0d");
    row(
        "reset", [](DDeviceHidCmdSend &b) { b.resetKeyboard(); }, "01 13 00 00 00 01 01");
    // Alt+F4 (feature4) goes to byte 15, Alt+Tab (feature3) to byte 16.
    row(
        "Win lock 1 0 1 0", [](DDeviceHidCmdSend &b) { b.lockWin(1, 0, 1, 0); },
        "01 13 00 00 00 01 00 00 00 00 00 00 00 01 00 00 01");
    row(
        "Win lock 0 0 0 1", [](DDeviceHidCmdSend &b) { b.lockWin(0, 0, 0, 1); },
        "01 13 00 00 00 01 00 00 00 00 00 00 00 00 00 01 00");
    row(
        "Win lock all", [](DDeviceHidCmdSend &b) { b.lockWin(1, 1, 1, 1); },
        "01 13 00 00 00 01 00 00 00 00 00 00 00 01 01 01 01");
    row(
        "sleep 600 1800 prohibit", [](DDeviceHidCmdSend &b) { b.setSleepTime(600, 1800, 1); },
        "01 13 01 00 00 01 00 00 00 02 58 07 08 01");
    row(
        "sleep up to 255", [](DDeviceHidCmdSend &b) { b.setSleepTime(200, 255, 0); },
        "01 13 01 00 00 01 00 00 00 00 c8 00 ff 00");
    row(
        "sleep beyond 16 bits", [](DDeviceHidCmdSend &b) { b.setSleepTime(70000, -5, 0); },
        "01 13 01 00 00 01 00 00 00 ff ff 00 00 00");
    row(
        "ask sleep", [](DDeviceHidCmdSend &b) { b.checkSleepTime(); }, "01 13 02 00 00 01");
    row(
        "six-key echo",
        [](DDeviceHidCmdSend &b) {
            const unsigned char keys[8] = {0x02, 0x00, 0x04, 0x05, 0x00, 0x00, 0x00, 0x2b};
            b.writeSixKey(keys);
        },
        "01 03 00 00 00 09 02 00 04 05 00 00 00 2b");
    row(
        "full-key echo",
        [](DDeviceHidCmdSend &b) {
            // Bytes 6..18 go back; the reply's own header and byte 19 do not.
            HidReport in = hex("01 05 07 07 07 0d 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d ee");
            b.writeFullKey(in.data());
        },
        "01 04 00 00 00 15 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d");
    row(
        "travel level", [](DDeviceHidCmdSend &b) { b.queryTravelLevel(); }, "01 29 00 00 00 18 04");
    row(
        "debounce", [](DDeviceHidCmdSend &b) { b.queryAntiShake(); }, "01 29 00 00 00 18 0a 00");
    row(
        "report rate", [](DDeviceHidCmdSend &b) { b.queryRateOfReturn(); }, "01 29 00 00 00 18 09 00");
    row(
        "serial given", [](DDeviceHidCmdSend &b) { b.writeSN(QStringLiteral("0123456789abcdef0123456789abcdefXYZ")); },
        "01 15 00 00 00 20 " + QString::fromLatin1(QByteArray("0123456789abcdef0123456789abcdef").toHex(' ')));
}

void TestHidCommands::builderSendsReport()
{
    QFETCH(BuilderOp, op);
    QFETCH(QString, report);
    EmuIoFixture emu(QStringLiteral("QR108"));
    QVERIFY(emu.open());
    DDeviceHidCmdSend builder;
    builder.setHidInterface(emu.hid());
    op(builder);
    // The serial-number query of the open, then exactly the built report.
    QTRY_COMPARE(EmuExpect::without(emu.device()->receivedReports(), {0x00}).size(), 2);
    KBEMU_COMPARE_REPORTS(*emu.device(), "00 14", report);
}

void TestHidCommands::builderWithoutDeviceLogsFailure_data()
{
    builderSendsReport_data();
}

void TestHidCommands::builderWithoutDeviceLogsFailure()
{
    QFETCH(BuilderOp, op);
    EmuIoFixture emu(QStringLiteral("QR108"));  // created, never opened
    DDeviceHidCmdSend builder;
    builder.setHidInterface(emu.hid());
    // The line says what could not be done, and why.
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(" failed: the keyboard is not open$"));
    op(builder);
    // Never opened, the device has no connection on which anything could arrive.
    QVERIFY(!emu.hid()->isOpen());
    QCOMPARE(emu.device()->receivedReports().size(), 0);
}

void TestHidCommands::writeSnGeneratesOrKeepsSerial()
{
    EmuIoFixture emu(QStringLiteral("QM68"));
    QVERIFY(emu.open());
    DDeviceHidCmdSend builder;
    builder.setHidInterface(emu.hid());

    const QString generated = builder.writeSN(QString());
    QVERIFY2(QRegularExpression("^[0-9a-f]{32}$").match(generated).hasMatch(), qPrintable(generated));
    QVERIFY(builder.writeSN(QString()) != generated);
    QCOMPARE(builder.writeSN(QStringLiteral("short")), QStringLiteral("short"));
    QTRY_COMPARE(EmuExpect::without(emu.device()->receivedReports(), {0x00}).size(), 4);
    const HidReport first = EmuExpect::without(emu.device()->receivedReports(), {0x00}).at(1);
    QCOMPARE(first.mid(0, 6), QByteArray::fromHex("011500000020"));
    QCOMPARE(first.mid(6, 32), generated.toLatin1());
    // The keyboard stored the last one; a shorter text is followed by zero bytes.
    QCOMPARE(emu.device()->keyboard()->state().serial, QByteArray("short"));
}

TAVRIX_TEST_MAIN(TestHidCommands)
#include "tst_hidcommands.moc"
