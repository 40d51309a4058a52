#include "devicelink/ddevicekeyboardlink.h"
#include "keys/keyoperatetype.h"
#include "platform/applauncher.h"
#include "platform/pastebackend.h"
#include "support/linkfixture.h"
#include "support/storefixture.h"
#include "support/testmain.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>

namespace {

// "MM:k1,k2" (hex): a key report with modifier byte MM and these key usages.
QByteArray keyReport(const QString &text)
{
    QByteArray report(8, '\0');
    const QStringList parts = text.split(':');
    report[0] = char(parts[0].toInt(nullptr, 16));
    if (parts.size() > 1) {
        const QStringList keys = parts[1].split(',', Qt::SkipEmptyParts);
        for (int i = 0; i < keys.size() && i < 6; ++i)
            report[2 + i] = char(keys[i].toInt(nullptr, 16));
    }
    return report;
}

struct Choices
{
    bool altTab, altF4, shiftTab, winKey;
};

class FakePaste : public PasteBackend
{
public:
    QStringList texts;
    int shortcuts = 0;
    bool canType = true;
    void setClipboardText(const QString &text) override { texts.append(text); }
    bool typePasteShortcut() override
    {
        ++shortcuts;
        return canType;
    }
};

class FakeLaunch : public AppLaunchBackend
{
public:
    QStringList programs;
    QList<QUrl> urls;
    bool startDetached(const QString &program) override
    {
        programs.append(program);
        return true;
    }
    bool openUrl(const QUrl &url) override
    {
        urls.append(url);
        return true;
    }
};

HidReport hostKey(int code, int run)
{
    HidReport r = HidReport::reply(HidReply::HostKeyFunction, 0, 5);
    r[9] = uint8_t(code);
    r[10] = uint8_t(run);
    return r;
}

void deliver(DDeviceKeyboardLink &link, const HidReport &r)
{
    auto *data = new unsigned char[HidReport::Size];
    std::copy(r.bytes.begin(), r.bytes.end(), data);
    link.onHidDataArrived(data, HidReport::Size, 1);
}

void addKeyItem(const QByteArray &layer, int keyCode, int type, const QByteArray &value)
{
    QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "1", QByteArray::number(keyCode), "K",
                                                      QByteArray::number(type), "1", "1", value));
}

}  // namespace

Q_DECLARE_METATYPE(Choices)

class TestKeyboardRequests : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void winLockFilter_data();
    void winLockFilter();
    void modifierBitToUsage_data();
    void modifierBitToUsage();
    void fullKeyReportEchoedUnchanged();
    void hostKeyFunctions_data();
    void hostKeyFunctions();
    void keyboardWideSettingsIgnoreTheLayerShown();
    void pasteWithoutKeystrokesLeavesTextAndNotice();
    void pasteTypesIntoOwnFocusedWidget();
};

void TestKeyboardRequests::winLockFilter_data()
{
    QTest::addColumn<bool>("winLock");
    QTest::addColumn<Choices>("choices");
    // Each step: "report sent > report expected back".
    QTest::addColumn<QStringList>("steps");

    const Choices none {false, false, false, false};
    const Choices all {true, true, true, true};
    QTest::newRow("Alt+Tab blocked, held and pressed again")
        << true << Choices {true, false, false, false}
        << QStringList {"04 > 04", "04:2b > 04", "04 > 04", "04:2b > 04", "00 > 00"};
    QTest::newRow("right Alt+Tab blocked")
        << true << Choices {true, false, false, false} << QStringList {"40:2b > 40", "40:2b,04 > 40:04"};
    QTest::newRow("Alt+F4 blocked, Alt+Tab not")
        << true << Choices {false, true, false, false} << QStringList {"04:2b > 04:2b", "04 > 04", "04:3d > 04"};
    QTest::newRow("Windows key blocked") << true << Choices {false, false, false, true}
                                         << QStringList {"08:07 > 00:07", "80:07 > 00:07", "00 > 00"};
    QTest::newRow("Windows key held, not blocked")
        << true << Choices {true, true, true, false} << QStringList {"0c:2b > 0c:2b"};
    QTest::newRow("right Shift+Tab blocked")
        << true << Choices {false, false, true, false} << QStringList {"20:2b > 20", "02:2b > 02"};
    QTest::newRow("Shift+Tab not blocked")
        << true << Choices {true, true, false, true} << QStringList {"02:2b > 02:2b"};
    QTest::newRow("Alt and right Shift: each modifier's rule")
        << true << Choices {false, false, true, false} << QStringList {"24:2b > 24"};
    QTest::newRow("Ctrl has no rule") << true << all << QStringList {"01:2b,3d > 01:2b,3d"};
    QTest::newRow("Win lock off") << false << all << QStringList {"04:2b > 04:2b", "08:07 > 08:07"};
    QTest::newRow("second of three keys released")
        << false << none
        << QStringList {"00:04 > 00:04", "00:04,05 > 00:04,05", "00:04,05,06 > 00:04,05,06", "00:04,06 > 00:04,06",
                        "00 > 00"};
    QTest::newRow("released key in the last slot")
        << false << none
        << QStringList {"00:04,05,06,07,08,09 > 00:04,05,06,07,08,09", "00:04,05,06,07,08 > 00:04,05,06,07,08"};
    QTest::newRow("repeated usage is held once")
        << false << none << QStringList {"00:05,05 > 00:05", "00:04,05,05 > 00:05,04", "00 > 00"};
    QTest::newRow("rollover keeps the keys, takes the modifiers")
        << true << Choices {true, false, false, false}
        << QStringList {"00:2b > 00:2b", "04:01,01,01,01,01,01 > 04", "04:2b > 04", "00 > 00"};
    QTest::newRow("rollover, then released")
        << false << none << QStringList {"00:04 > 00:04", "00:01,01,01,01,01,01 > 00:04", "00 > 00"};
}

void TestKeyboardRequests::winLockFilter()
{
    QFETCH(bool, winLock);
    QFETCH(Choices, choices);
    QFETCH(QStringList, steps);

    StoreFixture store;
    const QByteArray layer = store.newLayerFile("appProfile_Default.xml");
    const auto flag = [](bool on) { return QByteArray(on ? "1" : "0"); };
    QVERIFY(CTavrixXML_AddProFileFunctionInfo(layer, "1", flag(choices.altTab), flag(choices.altF4),
                                              flag(choices.shiftTab), flag(choices.winKey)));
    LinkFixture f("QR108");
    QVERIFY(f.open());
    QVERIFY(f.waitForChain());
    f.link()->setProfilePath(layer);
    f.keyboard()->state().status.winLock = winLock ? 1 : 0;
    f.keyboard()->sendStatus();
    QTRY_COMPARE(f.link()->isWinLockOn(), winLock);

    int echoes = 0;
    for (const QString &step : steps) {
        const QStringList io = step.split(" > ");
        const QByteArray sent = keyReport(io[0]);
        QList<uint8_t> keys;
        for (int i = 2; i < 8; ++i)
            keys.append(uint8_t(sent[i]));
        f.keyboard()->sendSixKey(uint8_t(sent[0]), keys);
        // Every key report goes back, filtered or not.
        QVERIFY2(f.waitForReceived(HidCmd::SixKeyReport, ++echoes), qPrintable(step));
        QCOMPARE(f.keyboard()->state().lastSixKeyEcho.toHex(' '), keyReport(io[1]).toHex(' '));
    }
}

void TestKeyboardRequests::modifierBitToUsage_data()
{
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("usage");
    QTest::newRow("none") << 0x00 << -1;
    QTest::newRow("left Ctrl") << 0x01 << 224;
    QTest::newRow("left Alt") << 0x04 << 226;
    QTest::newRow("right GUI") << 0x80 << 231;
    QTest::newRow("two bits") << 0x24 << -1;
}

void TestKeyboardRequests::modifierBitToUsage()
{
    QFETCH(int, modifiers);
    QFETCH(int, usage);
    QCOMPARE(DDeviceKeyboardLink::modifierBitToUsage(modifiers), usage);
}

void TestKeyboardRequests::fullKeyReportEchoedUnchanged()
{
    LinkFixture f("QR108");
    QVERIFY(f.open());
    QVERIFY(f.waitForChain());
    const QByteArray bytes = QByteArray::fromHex("0102030405060708090a0b0cff");
    f.keyboard()->sendFullKey(bytes);
    QVERIFY(f.waitForReceived(HidCmd::FullKeyReport, 1));
    QCOMPARE(f.keyboard()->state().lastFullKeyEcho, bytes);
    const HidReport echo = f.received().last();
    QCOMPARE(echo.length(), uint8_t(0x15));
    QCOMPARE(echo[19], uint8_t(0));
}

void TestKeyboardRequests::hostKeyFunctions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("run");
    QTest::addColumn<QStringList>("pasted");
    QTest::addColumn<QList<int>>("profiles");
    QTest::addColumn<QStringList>("started");

    const QStringList no;
    const QList<int> none;
    QTest::newRow("text") << int(KeyOperateType_Text) << QByteArray("Grüße, 世界") << 1
                          << QStringList {QString::fromUtf8("Grüße, 世界")} << none << no;
    QTest::newRow("text, not run") << int(KeyOperateType_Text) << QByteArray("x") << 0 << no << none << no;
    QTest::newRow("switch profile") << int(KeyOperateType_SwitchProfile) << QByteArray("3") << 1 << no << QList<int> {3}
                                    << no;
    QTest::newRow("launch program") << int(KeyOperateType_LaunchApplication) << QByteArray("/bin/sh") << 1 << no << none
                                    << QStringList {"/bin/sh"};
    QTest::newRow("launch, shell text is one path")
        << int(KeyOperateType_LaunchApplication) << QByteArray("/bin/sh -c 'touch x'; true") << 1 << no << none << no;
    QTest::newRow("disabled key") << int(KeyOperateType_Disable) << QByteArray("1") << 1 << no << none << no;
    QTest::newRow("remapped key") << int(KeyOperateType_RemapKey) << QByteArray("4") << 1 << no << none << no;
}

void TestKeyboardRequests::hostKeyFunctions()
{
    QFETCH(int, type);
    QFETCH(QByteArray, value);
    QFETCH(int, run);
    QFETCH(QStringList, pasted);
    QFETCH(QList<int>, profiles);
    QFETCH(QStringList, started);

    StoreFixture store;
    const QByteArray layer = store.newLayerFile("appProfile_Default.xml");
    addKeyItem(layer, 58, type, value);
    DDeviceKeyboardLink link;
    link.setProfilePath(layer);
    FakePaste paste;
    FakeLaunch launch;
    link.setPasteBackend(&paste);
    link.setAppLaunchBackend(&launch);
    QSignalSpy profileSwitch(&link, &DDeviceKeyboardLink::sigCustomEventChangeProfile);
    QSignalSpy notice(&link, &DDeviceKeyboardLink::sigHostKeyFunctionNotice);

    if (type == KeyOperateType_LaunchApplication && started.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Launch Application failed:"));
    deliver(link, hostKey(58, run));
    deliver(link, hostKey(59, 1));  // a key without an item does nothing

    QCOMPARE(paste.texts, pasted);
    QCOMPARE(paste.shortcuts, pasted.size());
    QList<int> switched;
    for (const QVariantList &args : qAsConst(profileSwitch))
        switched.append(args.at(0).toInt());
    QCOMPARE(switched, profiles);
    QCOMPARE(launch.programs, started);
    QVERIFY(launch.urls.isEmpty());
    QCOMPARE(notice.count(), 0);
}

// The Win-lock choices are the Default layer's current profile's, and a host function is
// the Default layer's, else the FN layer's: the same whichever layer file the page shows.
void TestKeyboardRequests::keyboardWideSettingsIgnoreTheLayerShown()
{
    StoreFixture store;
    const QByteArray defaultLayer = store.newLayerFile("appProfile_Default.xml");
    const QByteArray fnLayer = store.newLayerFile("appProfile_FN.xml");
    QVERIFY(CTavrixXML_CreateProFileXmlParentNode(defaultLayer, "2", "Profile2", 0));
    QVERIFY(CTavrixXML_ModifyXMLFileProfileIndex(defaultLayer, 2));
    QVERIFY(CTavrixXML_AddProFileFunctionInfo(defaultLayer, "2", "0", "0", "0", "1"));  // block the Windows key
    const auto item
        = [](const QByteArray &layer, const QByteArray &profile, int code, int type, const QByteArray &value) {
              QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, profile, QByteArray::number(code), "K",
                                                                QByteArray::number(type), "1", "1", value));
          };
    item(defaultLayer, "2", 30, KeyOperateType_Text, "default text");
    item(defaultLayer, "2", 31, KeyOperateType_RemapKey, "4");
    item(defaultLayer, "2", 32, KeyOperateType_Text, "default wins");
    item(defaultLayer, "1", 33, KeyOperateType_Text, "not the current profile");
    item(fnLayer, "1", 31, KeyOperateType_LaunchApplication, "/bin/true");
    item(fnLayer, "1", 32, KeyOperateType_Text, "fn text");

    for (const auto &shown : {qMakePair(defaultLayer, 2), qMakePair(fnLayer, 1)}) {
        DDeviceKeyboardLink link;
        link.setProfilePath(shown.first);
        link.setProfileIndex(shown.second);
        FakePaste paste;
        FakeLaunch launch;
        link.setPasteBackend(&paste);
        link.setAppLaunchBackend(&launch);
        for (int code : {30, 31, 32, 33})
            deliver(link, hostKey(code, 1));
        QCOMPARE(paste.texts, (QStringList {"default text", "default wins"}));
        QCOMPARE(launch.programs, QStringList {"/bin/true"});

        HidReport status = HidReport::reply(HidReply::DeviceStatus, 0, 9);
        status[6] = 1;  // the Win lock is on
        deliver(link, status);
        HidReport keys = HidReport::reply(HidReply::SixKeyReport, 0, 8);
        keys[6] = 0x08;  // left GUI
        keys[8] = 0x07;  // D
        deliver(link, keys);
        QCOMPARE(int(link.keyReport().hostReport()[0]), 0);
        QCOMPARE(int(link.keyReport().hostReport()[2]), 0x07);
    }
}

void TestKeyboardRequests::pasteWithoutKeystrokesLeavesTextAndNotice()
{
    // Offscreen, nothing of ours has the focus: the text stays on the clipboard and the
    // user is told to paste it.
    StoreFixture store;
    const QByteArray layer = store.newLayerFile("appProfile_Default.xml");
    const QByteArray text = "Привет – 你好";
    addKeyItem(layer, 30, KeyOperateType_Text, text);
    DDeviceKeyboardLink link;
    link.setProfilePath(layer);
    link.setPasteBackend(PasteBackend::system());
    QSignalSpy notice(&link, &DDeviceKeyboardLink::sigHostKeyFunctionNotice);
    deliver(link, hostKey(30, 1));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(text));
    QCOMPARE(notice.count(), 1);
    QTest::qWait(20);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(text));
}

void TestKeyboardRequests::pasteTypesIntoOwnFocusedWidget()
{
    StoreFixture store;
    const QByteArray layer = store.newLayerFile("appProfile_Default.xml");
    addKeyItem(layer, 30, KeyOperateType_Text, "pasted here");
    QLineEdit edit;
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&edit));
    DDeviceKeyboardLink link;
    link.setProfilePath(layer);
    link.setPasteBackend(PasteBackend::system());
    QSignalSpy notice(&link, &DDeviceKeyboardLink::sigHostKeyFunctionNotice);
    deliver(link, hostKey(30, 1));
    QCOMPARE(edit.text(), QString("pasted here"));
    QCOMPARE(notice.count(), 0);
}

TAVRIX_TEST_MAIN(TestKeyboardRequests)
#include "tst_keyboardrequests.moc"
