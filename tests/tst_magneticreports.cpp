#include "app/ddatamanager.h"
#include "devicelink/magneticreport.h"
#include "devicelink/mainhidinterface.h"
#include "support/kbemuexpect.h"
#include "support/linkfixture.h"
#include "support/testmain.h"

#include <QRegularExpression>
#include <QSignalSpy>

namespace {

using Keys = QList<QPair<int, int>>;

HidReport hex(const QString &text)
{
    HidReport r;
    if (!HidReport::fromHex(text, &r))
        qFatal("bad hex in test: %s", qPrintable(text));
    return r;
}

void deliver(DDeviceKeyboardLink &link, const HidReport &r)
{
    auto *data = new unsigned char[HidReport::Size];
    std::copy(r.bytes.begin(), r.bytes.end(), data);
    link.onHidDataArrived(data, HidReport::Size, 1);
}

// The 22 bitmap bytes of a magnetic command as hex, after the sub-code.
QString bitmapHex(const QByteArray &bitmap)
{
    return QString(bitmap.toHex(' '));
}

}  // namespace

class TestMagneticReports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyBitmap_data();
    void keyBitmap();
    void reports_data();
    void reports();
    void commandThatCannotBeQueuedIsAFailure();
    void replies_data();
    void replies();
    void keyboardTakesSettingsAndCalibrates();
};

void TestMagneticReports::keyBitmap_data()
{
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QString>("expected");  // the 22 bytes
    const QString zeros = QString(" 00").repeated(20).mid(1);
    QTest::newRow("corners") << Keys {{0, 0}, {5, 0}, {2, 21}} << "21 " + zeros + " 04";
    QTest::newRow("none") << Keys {} << "00 " + zeros + " 00";
    QTest::newRow("outside the matrix sets nothing")
        << Keys {{6, 0}, {-1, 3}, {0, 22}, {0, -1}} << "00 " + zeros + " 00";
    QTest::newRow("same key twice") << Keys {{3, 1}, {3, 1}} << "00 08 " + zeros;
}

void TestMagneticReports::keyBitmap()
{
    QFETCH(Keys, keys);
    QFETCH(QString, expected);
    const QByteArray bitmap = MagneticReport::keyBitmap(keys);
    QCOMPARE(bitmap.size(), 22);
    QCOMPARE(bitmapHex(bitmap), expected);
    QCOMPARE(MagneticReport::isEmptyBitmap(bitmap), !expected.contains(QRegularExpression("[1-9a-f]")));
}

void TestMagneticReports::reports_data()
{
    QTest::addColumn<HidReport>("report");
    QTest::addColumn<QString>("expected");  // leading bytes, the rest 0
    const QByteArray corners = MagneticReport::keyBitmap({{0, 0}, {5, 0}, {2, 21}});
    const QString cornersHex = bitmapHex(corners);
    const QString head = "01 29 00 00 00 18 ";
    const auto apply = [&corners](int mode, int l, int r, int ql, int qr) {
        return MagneticReport::apply(MagnetKeyTriggerConfig {mode, l, r, ql, qr}, corners);
    };
    QTest::newRow("apply, quick trigger with separate points")
        << apply(TriggerSelMode_QuickTriggerSeparate, 20, 15, 5, 3) << head + "0d " + cornersHex + " 14 0f 05 03";
    QTest::newRow("apply, single point") << apply(TriggerSelMode_Single, 12, 12, 3, 3)
                                         << head + "00 " + cornersHex + " 0c 0c 03 03";
    QTest::newRow("apply, separate points")
        << apply(TriggerSelMode_Separate, 30, 10, 1, 1) << head + "01 " + cornersHex + " 1e 0a 01 01";
    QTest::newRow("apply, quick trigger")
        << apply(TriggerSelMode_QuickTrigger, 25, 25, 20, 20) << head + "0c " + cornersHex + " 19 19 14 14";
    QTest::newRow("apply, values cut to a byte")
        << apply(TriggerSelMode_Single, 300, 256, -1, 2) << head + "00 " + cornersHex + " 2c 00 ff 02";
    QTest::newRow("selection") << MagneticReport::selectKeys(corners) << head + "02 " + cornersHex;
    QTest::newRow("empty selection") << MagneticReport::selectKeys(MagneticReport::keyBitmap({})) << head + "02";
    QTest::newRow("trigger tab left") << MagneticReport::leaveTriggerTab() << head + "03";
    QTest::newRow("travel level query") << MagneticReport::queryTravelLevel() << head + "04";
    QTest::newRow("key query") << MagneticReport::queryKey(2, 17) << head + "05 02 11";
    QTest::newRow("reset") << MagneticReport::resetTrigger() << head + "06";
    QTest::newRow("calibration") << MagneticReport::calibrate(4, 9) << head + "07 04 09";
    QTest::newRow("report rate 8 kHz") << MagneticReport::reportRate(true, 8) << head + "09 01 08";
    QTest::newRow("report rate query") << MagneticReport::reportRate(false) << head + "09 00";
    QTest::newRow("debounce 5") << MagneticReport::debounce(true, 5) << head + "0a 01 05";
    QTest::newRow("debounce query") << MagneticReport::debounce(false) << head + "0a 00";
}

void TestMagneticReports::reports()
{
    QFETCH(HidReport, report);
    QFETCH(QString, expected);
    QCOMPARE(report.toHex(), hex(expected).toHex());
}

void TestMagneticReports::commandThatCannotBeQueuedIsAFailure()
{
    MainHidInterFace closed(1, "QM68");
    for (MainHidInterFace *hid : {static_cast<MainHidInterFace *>(nullptr), &closed}) {
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(" failed: the keyboard is not open$"));
        QVERIFY(!MagneticReport::send(hid, MagneticReport::resetTrigger()));
    }
    QCOMPARE(MagneticReport::resultNotice(true), QString("Operate successful"));
    QVERIFY(MagneticReport::resultNotice(false) != MagneticReport::resultNotice(true));
}

void TestMagneticReports::replies_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("effect");
    QTest::addColumn<QVariantList>("values");
    QTest::newRow("live travel") << "01 21 00 00 00 18 01 02 11 c8"
                                 << "live" << QVariantList {2, 17, 200};
    QTest::newRow("travel level") << "01 21 00 00 00 18 04 fa"
                                  << "precision" << QVariantList {250};
    QTest::newRow("key settings after a click") << "01 21 00 00 00 18 05 0d 14 0f 05 03"
                                                << "click" << QVariantList {13, 20, 15, 5, 3};
    QTest::newRow("key settings after hovering") << "01 21 00 00 00 18 05 01 14 0f 05 03"
                                                 << "hover" << QVariantList {1, 20, 15};
    QTest::newRow("calibration status") << "01 21 00 00 00 18 07 03"
                                        << "calibration" << QVariantList {3};
    QTest::newRow("report rate") << "01 21 00 00 00 18 09 04"
                                 << "rate" << QVariantList {4};
    QTest::newRow("debounce") << "01 21 00 00 00 18 0a 07"
                              << "debounce" << QVariantList {7};
    QTest::newRow("selection echo ignored") << "01 21 00 00 00 18 02 ff ff"
                                            << "none" << QVariantList {};
    QTest::newRow("unknown sub-code ignored") << "01 21 00 00 00 18 08 01"
                                              << "none" << QVariantList {};
}

void TestMagneticReports::replies()
{
    QFETCH(QString, reply);
    QFETCH(QString, effect);
    QFETCH(QVariantList, values);
    DDeviceKeyboardLink link;
    link.noteKeyAntiShakeNum(-1);
    link.noteKeyRateOfReturnNum(-1);
    QSignalSpy live(&link, &DDeviceKeyboardLink::sigMagneticLiveTravel);
    QSignalSpy trigger(&link, &DDeviceKeyboardLink::sigMagneticKeyTrigger);
    QSignalSpy calibration(&link, &DDeviceKeyboardLink::sigMagneticCalibrationStatus);
    QSignalSpy facts(&link, &DDeviceKeyboardLink::sigFactsChanged);
    const int precisionBefore = link.getMagneticPrecision();

    deliver(link, hex(reply));

    // The data manager's relay tells a click's answer from a hover's.
    DDataManager *dm = DDataManager::getInstance();
    dm->queryDynamicDisplaySensitivityNum(effect == "hover" ? 0 : 1, 0, 0);
    QSignalSpy click(dm, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
    QSignalSpy hover(dm, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo);
    if (!trigger.isEmpty()) {
        const QVariantList t = trigger.first();
        dm->relaySensitivityBackInfo(t[0].toInt(), t[1].toInt(), t[2].toInt(), t[3].toInt(), t[4].toInt());
    }

    const int precision = link.getMagneticPrecision();
    const QMap<QString, QVariantList> got {
        {"live", live.isEmpty() ? QVariantList {} : live.first()},
        {"click", click.isEmpty() ? QVariantList {} : click.first()},
        {"hover", hover.isEmpty() ? QVariantList {} : hover.first()},
        {"calibration", calibration.isEmpty() ? QVariantList {} : calibration.first()},
        {"precision", precision == precisionBefore ? QVariantList {} : QVariantList {precision}},
        {"rate", link.getKeyRateOfReturnNum() < 0 ? QVariantList {} : QVariantList {link.getKeyRateOfReturnNum()}},
        {"debounce", link.getKeyAntiShakeNum() < 0 ? QVariantList {} : QVariantList {link.getKeyAntiShakeNum()}},
    };
    for (auto it = got.cbegin(); it != got.cend(); ++it)
        QCOMPARE(it.value(), it.key() == effect ? values : QVariantList {});
    const bool isFact = effect == "precision" || effect == "rate" || effect == "debounce";
    QCOMPARE(facts.count(), isFact ? 1 : 0);
}

void TestMagneticReports::keyboardTakesSettingsAndCalibrates()
{
    LinkFixture f("QM68");
    QVERIFY(f.open());
    QVERIFY(f.waitForChain());
    f.device()->clearReceived();
    MainHidInterFace *hid = f.link()->getHidInterface();
    const Keys keys {{1, 2}, {3, 4}};
    QSignalSpy calibration(f.link(), &DDeviceKeyboardLink::sigMagneticCalibrationStatus);
    f.keyboard()->setCalibrationResult(0, 20);

    QVERIFY(MagneticReport::send(
        hid, MagneticReport::apply({TriggerSelMode_QuickTrigger, 18, 18, 4, 4}, MagneticReport::keyBitmap(keys))));
    QVERIFY(MagneticReport::send(hid, MagneticReport::debounce(true, 5)));
    QVERIFY(MagneticReport::send(hid, MagneticReport::calibrate(3, 4)));
    QTRY_COMPARE(calibration.count(), 2);
    QCOMPARE(calibration.at(0).at(0).toInt(), 1);  // running
    QCOMPARE(calibration.at(1).at(0).toInt(), 0);  // successful

    const EmuMagnetic &m = f.keyboard()->state().magnetic;
    for (const auto &key : keys)
        QCOMPARE(m.trigger(key.first, key.second), (EmuKeyTrigger {12, 18, 18, 4, 4}));
    QCOMPARE(m.trigger(0, 0), EmuKeyTrigger {});
    QCOMPARE(m.debounce, uint8_t(5));
    QCOMPARE(m.calibrations, 1);

    // The keyboard's answer to a key query comes out of its link.
    QSignalSpy click(f.link(), &DDeviceKeyboardLink::sigMagneticKeyTrigger);
    QVERIFY(MagneticReport::send(hid, MagneticReport::queryKey(3, 4)));
    QTRY_COMPARE(click.count(), 1);
    QCOMPARE(click.first(), (QVariantList {12, 18, 18, 4, 4}));
}

TAVRIX_TEST_MAIN(TestMagneticReports)
#include "tst_magneticreports.moc"
