#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicelink/devicefoldername.h"
#include "devicelink/inputreportlength.h"
#include "devicelink/mainhidinterface.h"
#include "emuscript.h"
#include "keys/keyoperatetype.h"
#include "support/kbemuexpect.h"
#include "support/linkfixture.h"
#include "support/storefixture.h"
#include "support/testmain.h"

#include <QMetaMethod>
#include <QSignalSpy>

#include <algorithm>
#include <memory>

namespace {

// A heap copy of the report as the I/O thread hands one over (exactly 64 bytes, so a read
// past the end shows under the address sanitizer).
unsigned char *heapReport(const HidReport &r)
{
    auto *data = new unsigned char[HidReport::Size];
    std::copy(r.bytes.begin(), r.bytes.end(), data);
    return data;
}

HidReport hex(const QString &text)
{
    HidReport r;
    if (!HidReport::fromHex(text, &r))
        qFatal("bad hex in test: %s", qPrintable(text));
    return r;
}

void deliver(DDeviceKeyboardLink &link, const HidReport &r, int length = HidReport::Size)
{
    link.onHidDataArrived(heapReport(r), length, 1);
}

// One spy for every signal the link declares itself.
struct AllSignals
{
    std::vector<std::unique_ptr<QSignalSpy>> spies;

    explicit AllSignals(DDeviceKeyboardLink *link)
    {
        const QMetaObject *mo = link->metaObject();
        for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
            if (mo->method(i).methodType() == QMetaMethod::Signal)
                spies.push_back(std::make_unique<QSignalSpy>(link, mo->method(i)));
        }
    }

    int total() const
    {
        int n = 0;
        for (const auto &s : spies)
            n += s->count();
        return n;
    }
};

hidStructInfoAll recordFor(const char *model, const char *path)
{
    hidStructInfoAll info {};
    tavrixCopyText(info.hidName, model);
    tavrixCopyText(info.hidPath, path);
    return info;
}

// A link that was never opened but knows its device: what the dispatcher does without a
// builder (no echoes, no follow-up queries).
std::unique_ptr<DDeviceKeyboardLink> closedLink(const char *model = "QR108")
{
    auto link = std::make_unique<DDeviceKeyboardLink>();
    // The open fails on a path no device answers at; the record is kept all the same.
    QTest::ignoreMessage(QtDebugMsg, "Unable to open device\n");
    QTest::ignoreMessage(QtDebugMsg, "Open the device-failed");
    link->openHid(1, recordFor(model, "/nonexistent/vid_1209&pid_0001.sock"));
    return link;
}

}  // namespace

class TestDeviceKeyboardLink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void queryChainInOrder_data();
    void queryChainInOrder();
    void followUpQueriesAfterListReplies();
    void requeryIsSavedAndAnnounced();
    void serialIsKeptOrReplaced_data();
    void serialIsKeptOrReplaced();
    void newSerialNotQueuedStaysInvalid();
    void folderNames_data();
    void folderNames();
    void dispatcherSignals_data();
    void dispatcherSignals();
    void shortReportsAreReadWhenTheirFieldsArrived_data();
    void shortReportsAreReadWhenTheirFieldsArrived();
    void ignoredReports_data();
    void ignoredReports();
    void dongleSignalOnlyOnChange();
    void keyboardModeOnlyForItsModel();
    void customKeyBitmapReplacesList();
    void lightConfigSavedOnceKnown();
    void reportedLightFitsTheRanges_data();
    void reportedLightFitsTheRanges();
    void sleepReportGoesToProfile();
    void emptyProfilePathTouchesNoStore();
    void unaskedReportsArePacedLastValueWins_data();
    void unaskedReportsArePacedLastValueWins();
    void unaskedFloodFromTheKeyboard_data();
    void unaskedFloodFromTheKeyboard();
};

void TestDeviceKeyboardLink::queryChainInOrder_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("expected");
    const QStringList lights {"00 14", "01 06 01", "01 07 01", "01 09"};
    const QStringList tail {"01 01", "01 0d"};
    QTest::newRow("side-light model") << "QR108" << lights + tail;
    QTest::newRow("wireless model") << "QB84" << lights + tail;
    QTest::newRow("magnetic model") << "QM68"
                                    << lights
            + QStringList {"01 29 00 00 00 18 04", "01 29 00 00 00 18 0a 00", "01 29 00 00 00 18 09 00"} + tail;
}

void TestDeviceKeyboardLink::queryChainInOrder()
{
    QFETCH(QString, model);
    QFETCH(QStringList, expected);
    LinkFixture f(model);
    QVERIFY(f.open());
    QVERIFY(f.waitForChain());
    QVERIFY(f.flushCommands());  // nothing more may follow
    const QString diff = EmuExpect::compare(f.received(), expected);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));

    DDeviceKeyboardLink *link = f.link();
    const EmuKeyboardState &s = f.keyboard()->state();
    QCOMPARE(link->getCurrentSN(), QString::fromLatin1(s.serial));
    QCOMPARE(link->getKeyboardLightTypeList().lightTypeList, s.keyboardModes.modes);
    QCOMPARE(link->getKeyboardLightTypeList().speedMax, s.keyboardModes.speedLevels);
    QCOMPARE(link->getSideLightTypeList().lightTypeList, s.sideModes.modes);
    QVERIFY(link->isLightListReady());
    QCOMPARE(link->hasSideLight(), !s.sideModes.modes.isEmpty());
    QCOMPARE(link->getCustomKeyList().size(), 22 * 5);  // rows 0..4 of every column
    QCOMPARE(link->getKeyboardColorInfo().lightMode, int(s.keyboardLight.mode));
    QCOMPARE(link->getKeyboardColorInfo().brightness, s.keyboardLight.brightness + 1);
    if (f.device()->model().isMagnetic()) {
        QCOMPARE(link->getMagneticPrecision(), int(s.magnetic.travelLevel));
        QCOMPARE(link->getKeyAntiShakeNum(), int(s.magnetic.debounce));
        QCOMPARE(link->getKeyRateOfReturnNum(), int(s.magnetic.reportRate));
    }
}

void TestDeviceKeyboardLink::followUpQueriesAfterListReplies()
{
    LinkFixture f("QR108");
    QVERIFY(f.open());
    QVERIFY(f.waitForChain());
    f.device()->clearReceived();
    // A second keyboard list replaces the first and asks for the side list again, whose
    // answer asks for the custom keys again.
    HidReport list = HidReport::reply(HidReply::LightTypeList);
    list.setBytes(6, QByteArray::fromHex("0102a50405"));
    f.keyboard()->sendReport(list);
    QVERIFY(f.waitForReceived(HidCmd::CheckCustomKeys, 2));
    QVERIFY(f.flushCommands());
    KBEMU_COMPARE_REPORTS(*f.device(), "01 01", "01 0d");
    QCOMPARE(f.link()->getKeyboardLightTypeList().lightTypeList, (QList<int> {1, 2}));
    QCOMPARE(f.link()->getKeyboardLightTypeList().speedMax, 4);
    QCOMPARE(f.link()->getKeyboardLightTypeList().brightnessMax, 5);
}

void TestDeviceKeyboardLink::requeryIsSavedAndAnnounced()
{
    // A keyboard behind a receiver that comes back is asked again; its answers now go
    // straight into the profile and are announced.
    StoreFixture store;
    const QByteArray layer = store.newLayerFile("appProfile_Default.xml");
    LinkFixture f("QR108");
    QVERIFY(f.open());
    QVERIFY(f.waitForChain());
    f.link()->setProfilePath(layer);
    f.keyboard()->state().keyboardLight.mode = 7;
    f.device()->clearReceived();
    QSignalSpy changed(f.link(), &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
    f.link()->requeryLightConfig();
    QTRY_COMPARE(changed.count(), 2);
    QVERIFY(f.waitForReceived(HidCmd::CheckCustomKeys, 2));
    KBEMU_COMPARE_REPORTS(*f.device(), "01 06 01", "01 07 01", "01 0d");
    QCOMPARE(changed.at(0), (QVariantList {0, 7}));
    QCOMPARE(changed.at(1), (QVariantList {1, int(f.keyboard()->state().sideLight.mode)}));
    QCOMPARE(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(layer, "1", 0), 7);
}

void TestDeviceKeyboardLink::serialIsKeptOrReplaced_data()
{
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<bool>("locked");      // the keyboard ignores serial writes
    QTest::addColumn<QString>("outcome");  // "kept", "replaced" or a derived serial
    QTest::newRow("hex digits") << QByteArray("0123456789abcdef0123456789ABCDEF") << false << "kept";
    QTest::newRow("dash and blank") << QByteArray("SN-2024 0001-ABCDEFGHIJKLMNOPQRS") << false << "kept";
    QTest::newRow("punctuation") << QByteArray("a.b:c*d?e<f>g|h\"i'j~k(l)m[n]o{p}") << false << "kept";
    QTest::newRow("Latin-1 letter") << QByteArray("0123456789abcdef0123456789abcd\xe9"
                                                  "f")
                                    << false << "kept";
    QTest::newRow("empty") << QByteArray() << false << "replaced";
    QTest::newRow("31 characters") << QByteArray("0123456789abcdef0123456789abcde") << false << "replaced";
    QTest::newRow("slashes and dots") << QByteArray("../../../../../../../../../../x/") << false << "replaced";
    QTest::newRow("backslash") << QByteArray("0123456789abcdef\\123456789abcdef") << false << "replaced";
    QTest::newRow("control character") << QByteArray("0123456789abcdef\t123456789abcdef") << false << "replaced";
    QTest::newRow("Latin-1 control") << QByteArray("0123456789abcdef\x85"
                                                   "123456789abcdef")
                                     << false << "replaced";
    // A keyboard that will not keep a written serial is named from what it reports, the
    // same at every start (these values name existing folders: they never change).
    QTest::newRow("write ignored") << QByteArray("short") << true << "40c682728c6946836c157ce9d8e32830";
    QTest::newRow("write ignored, unsafe serial")
        << QByteArray("../x") << true << DeviceFolderName::serialFromReport("QR108", "../x");
}

void TestDeviceKeyboardLink::serialIsKeptOrReplaced()
{
    QFETCH(QByteArray, serial);
    QFETCH(bool, locked);
    QFETCH(QString, outcome);
    LinkFixture f("QR108");
    f.keyboard()->state().serial = serial;
    f.keyboard()->setSerialLocked(locked);
    QVERIFY(f.open());
    QVERIFY(f.waitForChain());

    const QList<HidReport> got = f.received();
    QVERIFY(got.size() >= 3);
    QCOMPARE(got[0].code(), uint8_t(HidCmd::QuerySerialNumber));
    if (outcome == "kept") {
        QCOMPARE(f.link()->getCurrentSN(), QString::fromLatin1(serial));
        QCOMPARE(f.keyboard()->receivedCount(uint8_t(HidCmd::WriteSerialNumber)), 0);
        QCOMPARE(got[1].code(), uint8_t(HidCmd::KeyboardLightConfig));
        return;
    }
    // The new serial goes out at once and is asked back, before the rest of the chain.
    QCOMPARE(got[1].code(), uint8_t(HidCmd::WriteSerialNumber));
    QCOMPARE(got[1].length(), uint8_t(0x20));
    QCOMPARE(got[2].code(), uint8_t(HidCmd::QuerySerialNumber));
    QCOMPARE(got[3].code(), uint8_t(HidCmd::KeyboardLightConfig));
    const QString written = QString::fromLatin1(got[1].mid(6, 32));
    QVERIFY2(DeviceFolderName::isValidSerial(written), qPrintable(written));
    if (outcome == "replaced") {
        QCOMPARE(f.link()->getCurrentSN(), written);
        QCOMPARE(f.keyboard()->state().serial, written.toLatin1());
    } else {
        // The keyboard did not take it: the serial comes from what it reports instead.
        QCOMPARE(f.link()->getCurrentSN(), outcome);
        QVERIFY(DeviceFolderName::isValidSerial(outcome));
        QCOMPARE(f.keyboard()->state().serial, serial);
    }
}

void TestDeviceKeyboardLink::newSerialNotQueuedStaysInvalid()
{
    LinkFixture f("QR108");
    f.keyboard()->state().serial = "short";
    f.keyboard()->setSilent(true);
    QVERIFY(f.open());
    // The keyboard goes away before its serial reply is handled: the new serial cannot be
    // sent, so the link keeps none and no profile folder may be made.
    f.link()->getHidInterface()->closeHid();
    HidReport reply = HidReport::reply(HidReply::SerialNumber, 0, 0x20);
    reply.setBytes(6, QByteArray("short"));
    f.link()->onHidSNDataArrived(heapReport(reply), "QR108");
    QVERIFY(f.link()->getCurrentSN().isEmpty());
    const QList<HidReport> received = f.received();
    QVERIFY(std::none_of(received.begin(), received.end(),
                         [](const HidReport &r) { return r.code() == uint8_t(HidCmd::WriteSerialNumber); }));
    QCOMPARE(f.keyboard()->state().serial, QByteArray("short"));
}

void TestDeviceKeyboardLink::folderNames_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("safe");
    QTest::newRow("plain") << "QM68"
                           << "QM68";
    QTest::newRow("separators and dots") << "../QR/108"
                                         << "QR108";
    QTest::newRow("blanks and quotes") << "Q \"B\" 84"
                                       << "QB84";
    QTest::newRow("nothing left") << "../.."
                                  << "";
    QTest::newRow("non-ASCII letters") << QString::fromUtf8("Qé84") << "Q84";
    QTest::newRow("too long") << QString(80, 'a') << QString(64, 'a');
}

void TestDeviceKeyboardLink::folderNames()
{
    QFETCH(QString, model);
    QFETCH(QString, safe);
    QCOMPARE(DeviceFolderName::safeModelName(model), safe);
}

void TestDeviceKeyboardLink::dispatcherSignals_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QVariantList>("args");
    const QString path = "/nonexistent/vid_1209&pid_0001.sock";
    QTest::newRow("status") << "01 01 00 00 00 09 00 00 00 01 55 00 01 00"
                            << QByteArray("sigSendChargingStatusAndElectricity")
                            << QVariantList {1, 0x55, 0, 1, QString()};
    QTest::newRow("status with download result") << "01 01 00 00 00 09 00 00 00 00 64 00 00 03"
                                                 << QByteArray("sigRunningOnboardDownloadStatus") << QVariantList {3};
    QTest::newRow("sleep times set") << "01 14 00" << QByteArray("sigSleepTimeSetSuccessful") << QVariantList {};
    QTest::newRow("onboard acknowledgement")
        << "01 19 03 00 02" << QByteArray("sigRunningOnboard0x19Cmd") << QVariantList {};
    QTest::newRow("onboard macro reply") << "01 18" << QByteArray("sigRunningOnboard0x18Cmd") << QVariantList {};
    QTest::newRow("receiver number") << "01 0b c8" << QByteArray("sigQN9080Recv0x0bCmd") << QVariantList {200};
    QTest::newRow("text, six fields") << "01 0d 00 00 00 00 " + QString(QByteArray("a,b,c,d,e5,f").toHex(' '))
                                      << QByteArray("sigWaitForDataReturn_0x0d") << QVariantList {path, "e5"};
    QTest::newRow("text, four fields") << "01 0d 00 00 00 00 " + QString(QByteArray("a,b,c,d").toHex(' '))
                                       << QByteArray("sigWaitForDataReturn_0x0d") << QVariantList {path, ""};
    // No 0 byte: the text ends with the report.
    QTest::newRow("text without end") << "01 0d 00 00 00 00 " + QString(QByteArray("1,2,3,4,").toHex(' '))
            + QString(" 7a").repeated(50)
                                      << QByteArray("sigWaitForDataReturn_0x0d")
                                      << QVariantList {path, QString(50, 'z')};
    QTest::newRow("custom light slot") << "01 09 01" << QByteArray("sigCustomLight_ConfigHaveChanged_HidSend0x09")
                                       << QVariantList {0, 10, 1};
}

void TestDeviceKeyboardLink::dispatcherSignals()
{
    QFETCH(QString, report);
    QFETCH(QByteArray, signal);
    QFETCH(QVariantList, args);
    auto link = closedLink();
    const QMetaObject *mo = link->metaObject();
    QMetaMethod method;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        if (mo->method(i).name() == signal)
            method = mo->method(i);
    }
    QVERIFY(method.isValid());
    QSignalSpy spy(link.get(), method);
    deliver(*link, hex(report));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first(), args);
}

void TestDeviceKeyboardLink::shortReportsAreReadWhenTheirFieldsArrived_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("read");
    const QString text = "01 0d 00 00 00 00 " + QString(QByteArray("a,b,c,d,e5").toHex(' ')) + " 00";
    QTest::newRow("status, all fields") << "01 01 00 00 00 09 00 00 00 01 55 00 01 00 00" << 15 << true;
    QTest::newRow("status, mode byte missing") << "01 01 00 00 00 09 00 00 00 01 55 00 01 00" << 14 << false;
    QTest::newRow("sleep acknowledgement") << "01 14 00" << 3 << true;
    QTest::newRow("sleep report cut short") << "01 14 02 00 00 08 00 00 00 02 58 07 08" << 13 << false;
    QTest::newRow("side light list") << "01 02 00 00 00 05 00 01 02 a5 05 04" << 12 << true;
    QTest::newRow("side light list without its level counts") << "01 02 00 00 00 05 00 01 02 a5 05" << 11 << false;
    QTest::newRow("side light list without its marker") << "01 02 00 00 00 05 00 01 02" << 9 << false;
    QTest::newRow("receiver number") << "01 0b c8" << 3 << true;
    QTest::newRow("receiver number missing") << "01 0b" << 2 << false;
    QTest::newRow("text with its end") << text << 17 << true;
    QTest::newRow("text cut short") << text << 16 << false;
    QTest::newRow("live travel") << "01 21 00 00 00 18 01 02 11 c8" << 10 << true;
    QTest::newRow("live travel cut short") << "01 21 00 00 00 18 01 02 11" << 9 << false;
    QTest::newRow("key trigger") << "01 21 00 00 00 18 05 0d 14 0f 05 03" << 12 << true;
    QTest::newRow("key trigger cut short") << "01 21 00 00 00 18 05 0d 14 0f 05" << 11 << false;
    QTest::newRow("report rate") << "01 21 00 00 00 18 09 04" << 8 << true;
    // The I/O thread holds back a serial-number reply whose text may have been cut.
    const QString serial = "01 15 00 00 00 20 " + QString(QByteArray(32, 'a').toHex(' '));
    QTest::newRow("serial number, 32 characters") << serial << 38 << true;
    QTest::newRow("serial number cut short") << serial << 37 << false;
    QTest::newRow("short serial number with its end")
        << "01 15 00 00 00 20 " + QString(QByteArray("short").toHex(' ')) + " 00" << 12 << true;
}

// A report shorter than 64 bytes counts as padded with zeros when its fields all arrived.
void TestDeviceKeyboardLink::shortReportsAreReadWhenTheirFieldsArrived()
{
    QFETCH(QString, report);
    QFETCH(int, length);
    QFETCH(bool, read);
    const HidReport r = hex(report);
    if (r.code() == uint8_t(HidReply::SerialNumber)) {
        QCOMPARE(InputReportLength::holdsItsFields(r.data(), length), read);
        return;
    }
    auto link = closedLink();
    AllSignals spies(link.get());
    deliver(*link, r, length);
    QCOMPARE(spies.total() > 0, read);
}

void TestDeviceKeyboardLink::ignoredReports_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("length");
    QTest::newRow("unknown reply byte") << "01 7f 01 01 01 01 01 01" << 64;
    QTest::newRow("reply byte ff") << "01 ff ff ff ff ff ff ff" << 64;
    QTest::newRow("0x06") << "01 06 01 00 00 0c 01" << 64;
    QTest::newRow("status of length 0") << "01 01 00 00 00 00 01 00 00 01 50 01 01 05 01" << 64;
    QTest::newRow("short status report") << "01 01 00 00 00 09 01 00 00 01 50" << 11;
    QTest::newRow("status report without its last byte") << "01 01 00 00 00 09 01 00 00 01 50 00 00 00 01" << 14;
    QTest::newRow("short acknowledgement") << "01 19" << 2;
    QTest::newRow("empty read") << "" << 0;
    QTest::newRow("sleep ack of another kind") << "01 14 05" << 64;
    QTest::newRow("magnetic sub-code 2") << "01 21 00 00 00 18 02 ff" << 64;
    QTest::newRow("magnetic sub-code 3") << "01 21 00 00 00 18 03" << 64;
}

void TestDeviceKeyboardLink::ignoredReports()
{
    QFETCH(QString, report);
    QFETCH(int, length);
    auto link = closedLink();
    link->setWirelessFlag(1);
    AllSignals spies(link.get());
    const int precision = link->getMagneticPrecision();
    deliver(*link, hex(report), length);
    link->onHidDataArrived(nullptr, 64, 1);
    QCOMPARE(spies.total(), 0);
    QVERIFY(!link->isWinLockOn());
    QCOMPARE(link->getMagneticPrecision(), precision);
}

void TestDeviceKeyboardLink::dongleSignalOnlyOnChange()
{
    auto link = closedLink();
    QSignalSpy dongle(link.get(), &DDeviceKeyboardLink::sigDongleStatus);
    QSignalSpy status(link.get(), &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity);
    const auto sendStatus = [&link](int connection, int linkByte) {
        HidReport r = HidReport::reply(HidReply::DeviceStatus, 0, 9);
        r[11] = uint8_t(connection);
        r[12] = uint8_t(linkByte);
        deliver(*link, r);
    };
    // A change is announced once the event loop runs.
    link->setUnaskedApplyIntervalMs(0);
    sendStatus(1, 1);  // wireless flag not set yet
    QCOMPARE(dongle.count(), 0);
    link->setWirelessFlag(1);
    sendStatus(1, 1);
    sendStatus(1, 1);
    QTRY_COMPARE(dongle.count(), 1);
    sendStatus(0, 0);  // over the cable: remembered, not announced
    sendStatus(1, 0);
    QCoreApplication::processEvents();
    QCOMPARE(dongle.count(), 1);
    sendStatus(1, 1);
    QTRY_COMPARE(dongle.count(), 2);
    QCOMPARE(dongle.last(), (QVariantList {1, link->devicePath(), QString("QR108")}));
    QCOMPARE(status.count(), 6);
}

void TestDeviceKeyboardLink::keyboardModeOnlyForItsModel()
{
    for (const char *model : {"QB84", "QR108"}) {
        auto link = closedLink(model);
        QSignalSpy mode(link.get(), &DDeviceKeyboardLink::sigTheKeyboardModeChanged);
        for (const int m : {0, 0, 2, 2, 0}) {
            HidReport r = HidReport::reply(HidReply::DeviceStatus, 0, 9);
            r[14] = uint8_t(m);
            deliver(*link, r);
        }
        const QList<QVariantList> expected
            = qstrcmp(model, "QB84") == 0 ? QList<QVariantList> {{0}, {2}, {0}} : QList<QVariantList> {};
        QCOMPARE(QList<QVariantList>(mode), expected);
    }
}

void TestDeviceKeyboardLink::customKeyBitmapReplacesList()
{
    auto link = closedLink();
    deliver(*link, hex("01 0e 00 00 00 16 05 40"));
    QCOMPARE(link->getCustomKeyList(), (QList<QPair<int, int>> {{0, 0}, {2, 0}}));
    HidReport all = HidReport::reply(HidReply::CustomKeyBitmap, 0, 0x16);
    all[6 + 21] = 0xFF;  // bits 6 and 7 are no rows
    deliver(*link, all);
    QCOMPARE(link->getCustomKeyList(), (QList<QPair<int, int>> {{0, 21}, {1, 21}, {2, 21}, {3, 21}, {4, 21}, {5, 21}}));
}

void TestDeviceKeyboardLink::lightConfigSavedOnceKnown()
{
    StoreFixture store;
    const QByteArray layer = store.newLayerFile("appProfile_Default.xml");
    auto link = closedLink();
    link->setProfilePath(layer);
    link->setProfileIndex(1);
    QSignalSpy changed(link.get(), &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
    const QByteArray before = StoreFixture::bytes(layer);

    // Mode 5, brightness level 3, speed level 2, colours, direction 1, full colour, extra 7.
    const QString keyboardReply = "01 07 00 00 00 0c 05 02 01 0a 0b 0c 0d 0e 0f 01 01 07";
    link->saveLightInfoToProfile(0);  // nothing received yet: nothing to save
    deliver(*link, hex(keyboardReply));
    QCOMPARE(StoreFixture::bytes(layer), before);
    QCOMPARE(changed.count(), 0);

    link->saveLightInfoToProfile(0);  // the device page's first save: silent
    QCOMPARE(changed.count(), 0);
    colorInfoData stored;
    QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, "1", 0, 5, &stored));
    const colorInfoData expected {0, 5, 3, 2, 10, 11, 12, 13, 14, 15, 1, 1, 7, 0};
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&stored), sizeof stored),
             QByteArray(reinterpret_cast<const char *>(&expected), sizeof expected));
    QCOMPARE(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(layer, "1", 0), 5);

    // From now on every reported configuration is saved and announced.
    deliver(*link, hex("01 08 00 00 00 0c 03 04 04 01 02 03"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last(), (QVariantList {1, 3}));
    QCOMPARE(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(layer, "1", 1), 3);
    QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, "1", 1, 3, &stored));
    QCOMPARE(stored.brightness, 5);

    deliver(*link, hex("01 09 01"));  // the keyboard runs a custom light
    QCOMPARE(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(layer, "1", 0), 10);
}

void TestDeviceKeyboardLink::reportedLightFitsTheRanges_data()
{
    // Bytes 6..17 of a keyboard light configuration reply; the keyboard offers modes
    // 0, 1, 2 and 5 with 4 speed and 5 brightness levels.
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QList<int>>("stored");  // mode, brightness, speed, direction, full colour; empty: none
    QTest::newRow("in range") << "05 02 01 0a 0b 0c 0d 0e 0f 01 01 07" << QList<int> {5, 3, 2, 1, 1};
    QTest::newRow("levels above the counts") << "05 f8 c8 0a 0b 0c 0d 0e 0f 01 00 07" << QList<int> {5, 5, 4, 1, 0};
    QTest::newRow("direction and flag out of range")
        << "02 00 00 0a 0b 0c 0d 0e 0f c8 09 07" << QList<int> {2, 1, 1, 7, 1};
    QTest::newRow("mode not offered") << "03 02 01 0a 0b 0c 0d 0e 0f 01 01 07" << QList<int> {};
    QTest::newRow("no such mode") << "4d 02 01 0a 0b 0c 0d 0e 0f 01 01 07" << QList<int> {};
}

// A keyboard that answers garbage must not have it taken as its light settings.
void TestDeviceKeyboardLink::reportedLightFitsTheRanges()
{
    QFETCH(QString, reply);
    QFETCH(QList<int>, stored);
    StoreFixture store;
    const QByteArray layer = store.newLayerFile("appProfile_Default.xml");
    auto link = closedLink();
    link->setProfilePath(layer);
    link->setProfileIndex(1);
    HidReport list = HidReport::reply(HidReply::LightTypeList);
    list.setBytes(6, QByteArray::fromHex("00010205a50405"));
    deliver(*link, list);
    QSignalSpy changed(link.get(), &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
    const QByteArray before = StoreFixture::bytes(layer);
    deliver(*link, hex("01 07 00 00 00 0c " + reply));
    link->saveLightInfoToProfile(0);
    deliver(*link, hex("01 07 00 00 00 0c " + reply));  // once known: saved and announced
    if (stored.isEmpty()) {
        QCOMPARE(StoreFixture::bytes(layer), before);
        QCOMPARE(changed.count(), 0);
        return;
    }
    colorInfoData record;
    QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, "1", 0, stored[0], &record));
    QCOMPARE((QList<int> {record.lightMode, record.brightness, record.speed, record.direction, record.fullColor}),
             stored);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(link->getKeyboardColorInfo().brightness, stored[1]);
}

void TestDeviceKeyboardLink::sleepReportGoesToProfile()
{
    StoreFixture store;
    const QByteArray layer = store.newLayerFile("appProfile_Default.xml");
    auto link = closedLink();
    link->setProfilePath(layer);
    deliver(*link, hex("01 14 02 00 00 08 00 00 00 02 58 07 08 01"));
    ProfileSleepTimeInfo sleep;
    QVERIFY(CTavrixXML_GetProFileIntoSleepTimeInfo(layer, "1", &sleep));
    QCOMPARE(sleep.lightSleepTime, 600);
    QCOMPARE(sleep.keyboardSleepTime, 30);
    QCOMPARE(link->getProhibitSleep(), 1);
}

void TestDeviceKeyboardLink::emptyProfilePathTouchesNoStore()
{
    // A link whose keyboard is not the current one has no profile yet: whatever it
    // reports is kept or announced, but no file is read or written (a relative empty
    // path must not become a file in the working folder either).
    QTemporaryDir cwd;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(cwd.path());
    auto link = closedLink();
    link->requeryLightConfig();
    QSignalSpy changed(link.get(), &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
    deliver(*link, hex("01 07 00 00 00 0c 04 01 01"));
    deliver(*link, hex("01 09 01"));
    deliver(*link, hex("01 14 02 00 00 08 00 00 00 02 58 07 08 00"));
    deliver(*link, hex("01 20 00 00 00 05 00 00 00 04 01"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(link->getKeyboardColorInfo().lightMode, 4);
    QDir::setCurrent(previous);
    QVERIFY(QDir(cwd.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

namespace {

// What a paced kind of report applied so far: the values its signal carried, or for the
// sleep times (which only reach the store) the light sleep seconds stored now.
struct PacedObserver
{
    std::unique_ptr<QSignalSpy> spy;
    int argIndex = 0;
    QByteArray layer;

    PacedObserver(DDeviceKeyboardLink *link, const QByteArray &signal, int arg, const QByteArray &layerFile)
        : argIndex(arg), layer(layerFile)
    {
        const QMetaObject *mo = link->metaObject();
        for (int i = mo->methodOffset(); i < mo->methodCount() && !signal.isEmpty(); ++i) {
            if (mo->method(i).name() == signal)
                spy = std::make_unique<QSignalSpy>(link, mo->method(i));
        }
    }

    QList<int> applied() const
    {
        QList<int> values;
        if (spy) {
            for (const QVariantList &args : qAsConst(*spy))
                values.append(args.at(argIndex).toInt());
            return values;
        }
        ProfileSleepTimeInfo sleep {};
        if (CTavrixXML_GetProFileIntoSleepTimeInfo(layer, "1", &sleep))
            values.append(sleep.lightSleepTime);
        return values;
    }
};

// Keys 58, 59 and 60 switch to profiles 3, 2 and 4.
void bindProfileSwitchKeys(const QByteArray &layer)
{
    const QList<QPair<int, QByteArray>> keys = {{58, "3"}, {59, "2"}, {60, "4"}};
    for (const auto &key : keys)
        QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "1", QByteArray::number(key.first), "K",
                                                          QByteArray::number(KeyOperateType_SwitchProfile), "1", "1",
                                                          key.second));
}

// The unasked reports that cost a store write or a page update: a first report, the one
// repeated, a last one, the signal (and its argument) that shows what was applied, and
// the values applied for the first and the last. Sleep times show in the store only.
void pacedKinds(bool throughTheEmulator)
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("repeated");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<int>("arg");
    QTest::addColumn<int>("firstValue");
    QTest::addColumn<int>("lastValue");
    QTest::newRow("custom light slot") << "01 09 01"
                                       << "01 09 03"
                                       << "01 09 05" << QByteArray("sigCustomLight_ConfigHaveChanged_HidSend0x09") << 2
                                       << 1 << 5;
    QTest::newRow("keyboard light") << "01 07 00 00 00 0c 05 00 01"
                                    << "01 07 00 00 00 0c 05 02 01"
                                    << "01 07 00 00 00 0c 06 03 01" << QByteArray("sigLightConfigHaveChanged_HidSend")
                                    << 1 << 5 << 6;
    QTest::newRow("side light") << "01 08 00 00 00 0c 03 04 04"
                                << "01 08 00 00 00 0c 02 01 01"
                                << "01 08 00 00 00 0c 04 00 00" << QByteArray("sigLightConfigHaveChanged_HidSend") << 1
                                << 3 << 4;
    QTest::newRow("sleep times") << "01 14 02 00 00 08 00 00 00 00 3c 07 08 00"
                                 << "01 14 02 00 00 08 00 00 00 00 78 07 08 00"
                                 << "01 14 02 00 00 08 00 00 00 01 2c 07 08 00" << QByteArray() << 0 << 60 << 300;
    QTest::newRow("profile switch by key")
        << "01 20 00 00 00 05 00 00 00 3a 01"
        << "01 20 00 00 00 05 00 00 00 3b 01"
        << "01 20 00 00 00 05 00 00 00 3c 01" << QByteArray("sigCustomEventChangeProfile") << 0 << 3 << 4;
    if (throughTheEmulator)
        return;  // the emulator's own status reports carry its link state
    // A keyboard behind its receiver goes (1), comes (0), goes again.
    QTest::newRow("keyboard behind the receiver")
        << "01 01 00 00 00 09 00 00 00 00 64 01 01"
        << "01 01 00 00 00 09 00 00 00 00 64 01 00"
        << "01 01 00 00 00 09 00 00 00 00 64 01 01" << QByteArray("sigDongleStatus") << 0 << 1 << 1;
}

}  // namespace

void TestDeviceKeyboardLink::unaskedReportsArePacedLastValueWins_data()
{
    pacedKinds(false);
}

void TestDeviceKeyboardLink::unaskedReportsArePacedLastValueWins()
{
    QFETCH(QString, first);
    QFETCH(QString, repeated);
    QFETCH(QString, last);
    QFETCH(QByteArray, signal);
    QFETCH(int, arg);
    QFETCH(int, firstValue);
    QFETCH(int, lastValue);
    StoreFixture store;
    const QByteArray layer = store.newLayerFile("appProfile_Default.xml");
    bindProfileSwitchKeys(layer);
    auto link = closedLink();
    link->setWirelessFlag(1);
    link->setProfilePath(layer);
    link->setProfileIndex(1);
    link->requeryLightConfig();  // light info known: reported lights are saved and announced
    // An interval that does not end during the test unless the test ends it.
    link->setUnaskedApplyIntervalMs(3600 * 1000);
    PacedObserver observer(link.get(), signal, arg, layer);

    // The first report of a quiet kind is applied at once, those that follow wait.
    deliver(*link, hex(first));
    QCOMPARE(observer.applied(), QList<int> {firstValue});
    for (int i = 0; i < 998; ++i)
        deliver(*link, hex(repeated));
    deliver(*link, hex(last));
    QCoreApplication::processEvents();
    QCOMPARE(observer.applied(), QList<int> {firstValue});

    // When the interval is over, only the last one is applied.
    link->setUnaskedApplyIntervalMs(0);
    if (signal.isEmpty())
        QTRY_COMPARE(observer.applied(), QList<int> {lastValue});
    else
        QTRY_COMPARE(observer.applied(), (QList<int> {firstValue, lastValue}));
}

void TestDeviceKeyboardLink::unaskedFloodFromTheKeyboard_data()
{
    pacedKinds(true);
}

// The keyboard sends a kind 1000 times a second for a second; what reaches the store or
// the page stays a few applications, the last report wins, and an acknowledgement sent
// behind the flood still arrives.
void TestDeviceKeyboardLink::unaskedFloodFromTheKeyboard()
{
    QFETCH(QString, first);
    QFETCH(QString, repeated);
    QFETCH(QString, last);
    QFETCH(QByteArray, signal);
    QFETCH(int, arg);
    QFETCH(int, lastValue);
    Q_UNUSED(first)
    StoreFixture store;
    const QByteArray layer = store.newLayerFile("appProfile_Default.xml");
    bindProfileSwitchKeys(layer);
    LinkFixture f("QR108");
    QVERIFY(f.open());
    QVERIFY(f.waitForChain());
    DDeviceKeyboardLink *link = f.link();
    link->setProfilePath(layer);
    link->setProfileIndex(1);
    link->saveLightInfoToProfile(0);  // as the device page's first save: from now on lights are announced
    link->setUnaskedApplyIntervalMs(3600 * 1000);
    PacedObserver observer(link, signal, arg, layer);
    QSignalSpy acks(link, &DDeviceKeyboardLink::sigRunningOnboard0x19Cmd);

    EmuScript script(f.device());
    QVERIFY(script.run("repeat 1000 1000 send " + repeated));
    QTRY_VERIFY_WITH_TIMEOUT(f.device()->findChildren<QTimer *>("repeat").isEmpty(), 20000);
    f.keyboard()->sendReport(hex(last));
    f.keyboard()->sendReport(hex("01 19 00 00 01"));
    QTRY_COMPARE(acks.count(), 1);
    // One application at most (the flood's first), whatever the number of reports; the
    // last report waits for the interval's end.
    QVERIFY2(observer.applied().size() <= 1, qPrintable(QString::number(observer.applied().size())));
    QVERIFY(!observer.applied().contains(lastValue));

    link->setUnaskedApplyIntervalMs(0);
    QTRY_COMPARE(observer.applied().value(observer.applied().size() - 1), lastValue);
    QVERIFY(observer.applied().size() <= 2);
}

TAVRIX_TEST_MAIN(TestDeviceKeyboardLink)
#include "tst_devicekeyboardlink.moc"
