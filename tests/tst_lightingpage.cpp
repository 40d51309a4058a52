// The lighting tab: the mode and custom-LED reports, the colour picker, and the page
// with an emulated keyboard and a real profile store behind it.
#include "app/ddatamanager.h"
#include "devicelink/ddevicehidcmdsend.h"
#include "devicepage/ddevicepage.h"
#include "emudevice.h"
#include "emumodel.h"
#include "keyboardview/keyboardbutcustom.h"
#include "lighting/dcustomlightlistitem.h"
#include "lighting/dlightsconfigpage.h"
#include "lighting/lightdealmain.h"
#include "lighting/lightmodes.h"
#include "lighting/svcolorarea.h"
#include "sdk/tavrixxml.h"
#include "support/emuiofixture.h"
#include "support/storefixture.h"
#include "support/testmain.h"
#include "widgets/arrowwidget.h"
#include "widgets/dtooltipexplain.h"
#include "widgets/slidercustomwidget.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>

#include <memory>

using namespace LightModes;

namespace {

// The light engine works on the mode and has a frame of it in its preview, which the key
// buttons show.
bool previewShows(const lightDealMain *engine, int mode)
{
    if (!engine || engine->keyboardWork().lightMode != mode)
        return false;
    for (int i = 0; i < lightDealMain::kKeyCells; ++i) {
        if (engine->previewColor(i) != QColor(0, 0, 0) && engine->previewColor(i).isValid())
            return true;
    }
    return false;
}

colorInfoData record(int target, int mode)
{
    colorInfoData d = defaultRecord(target, mode);
    d.topColorG = 20;
    d.topColorB = 30;
    d.bottomColorR = 40;
    d.bottomColorG = 50;
    d.bottomColorB = 60;
    d.extParam1 = 0x1AB;
    return d;
}

// The lighting reports among those the keyboard received (the link also sends shake-hands).
QList<HidReport> lightReports(const QList<HidReport> &reports)
{
    QList<HidReport> out;
    for (const HidReport &r : reports) {
        if (r[0] == 0x01 && (r[1] == 0x06 || r[1] == 0x07 || r[1] == 0x08))
            out.append(r);
    }
    return out;
}

QList<HidReport> reportsWithCode(const QList<HidReport> &reports, uint8_t code)
{
    QList<HidReport> out;
    for (const HidReport &r : reports) {
        if (r[0] == 0x01 && r[1] == code)
            out.append(r);
    }
    return out;
}

// A move with the left button held, as a drag delivers it.
void drag(QWidget *w, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

}  // namespace

class TestLightingPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // ---- reports and records ----

    void modeReportBytes_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("fullColor");
        QTest::addColumn<QString>("head");  // bytes 0..17
        QTest::newRow("static drops full colour")
            << 0 << 0 << 1 << 1 << 1 << "01 06 00 00 00 0E 00 00 00 FF 14 1E 28 32 3C 00 00 AB";
        QTest::newRow("breath keeps full colour")
            << 0 << 1 << 5 << 4 << 1 << "01 06 00 00 00 0E 01 04 03 FF 14 1E 28 32 3C 00 01 AB";
        QTest::newRow("radar direction") << 0 << 4 << 3 << 3 << 0
                                         << "01 06 00 00 00 0E 04 02 02 FF 14 1E 28 32 3C 06 00 AB";
        QTest::newRow("musical low byte")
            << 0 << 100 << 3 << 3 << 1 << "01 06 00 00 00 0E 64 02 02 FF 14 1E 28 32 3C 02 01 AB";
        QTest::newRow("side report") << 1 << 2 << 2 << 1 << 1
                                     << "01 07 00 00 00 0D 02 01 00 FF 14 1E 28 32 3C 00 01 AB";
    }

    void modeReportBytes()
    {
        QFETCH(int, target);
        QFETCH(int, mode);
        QFETCH(int, brightness);
        QFETCH(int, speed);
        QFETCH(int, fullColor);
        QFETCH(QString, head);
        colorInfoData d = record(target, mode);
        d.brightness = brightness;
        d.speed = speed;
        d.fullColor = fullColor;
        const HidReport r = modeReport(d, target, 0x1234);
        HidReport expected;
        QVERIFY(HidReport::fromHex(head, &expected));
        expected[62] = 0x12;
        expected[63] = 0x34;
        QCOMPARE(r.toByteArray().toHex(' '), expected.toByteArray().toHex(' '));
    }

    void modeReportClockWraps()
    {
        const colorInfoData d = record(0, 2);
        QCOMPARE(modeReport(d, 0, 1700000000123).toByteArray(), modeReport(d, 0, 1700000000123).toByteArray());
        QCOMPARE(modeReport(d, 0, 1700000000123).toByteArray(), modeReport(d, 0, 1700000000123 + 65536).toByteArray());
        // After a custom upload the clock bytes stay 0 and full colour is sent as stored.
        colorInfoData custom = record(0, 0);
        const HidReport upload = customUploadModeReport(custom);
        QCOMPARE(upload[16], uint8_t(1));
        QCOMPARE(upload[62], uint8_t(0));
        QCOMPARE(upload[63], uint8_t(0));
    }

    void defaultRecords_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("keyboardMode");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("topRed");
        QTest::newRow("radar") << 0 << 4 << -1 << 6 << 255;
        QTest::newRow("aurora") << 0 << 7 << -1 << 4 << 255;
        QTest::newRow("speed respond") << 0 << 12 << -1 << 2 << 255;
        QTest::newRow("musical") << 0 << 100 << -1 << 2 << 255;
        QTest::newRow("wave") << 0 << 2 << -1 << 0 << 255;
        QTest::newRow("unknown code") << 0 << 42 << -1 << 0 << 255;
        QTest::newRow("side") << 1 << 4 << 2 << 0 << 255;
        QTest::newRow("side while snake") << 1 << 1 << 5 << 0 << 0;
    }

    void defaultRecords()
    {
        QFETCH(int, target);
        QFETCH(int, mode);
        QFETCH(int, keyboardMode);
        QFETCH(int, direction);
        QFETCH(int, topRed);
        const colorInfoData d = defaultRecord(target, mode, keyboardMode);
        QCOMPARE(d.lightTarget, target);
        QCOMPARE(d.lightMode, mode);
        QCOMPARE(d.direction, direction);
        QCOMPARE(d.topColorR, topRed);
        QCOMPARE(d.brightness, 3);
        QCOMPARE(d.speed, 3);
        QCOMPARE(d.fullColor, 1);
        QCOMPARE(d.extParam2, 0);
    }

    void customLedPackets()
    {
        QList<QColor> colours;
        for (int i = 0; i < 130; ++i)  // two cells short: they go out black
            colours.append(QColor(i, 255 - i, i / 2));
        const QList<HidReport> packets = DDeviceHidCmdSend::buildCustomLedReports(1, colours);
        QCOMPARE(packets.size(), 8);
        for (int p = 0; p < 8; ++p) {
            QCOMPARE(packets[p][1], uint8_t(0x08));
            QCOMPARE(packets[p][2], uint8_t(1));
            QCOMPARE(packets[p][4], uint8_t(p));
            QCOMPARE(int(packets[p][5]), p < 7 ? 54 : 18);
        }
        // Cell 127 is the second of the last packet; cells 130 and 131 are black.
        QCOMPARE(packets[7][6 + 3], uint8_t(127));
        QCOMPARE(packets[7][6 + 4], uint8_t(128));
        for (int i = 6 * 3; i < 18; ++i)
            QCOMPARE(packets[7][6 + i], uint8_t(0));
        QCOMPARE(packets[7][6 + 18], uint8_t(0));
    }

    void missingRecordIsAddedOnce()
    {
        StoreFixture store;
        const QByteArray layer = store.newLayerFile("layer.xml");
        QVERIFY(!CTavrixXML_IsProFileAlreadyHaveLightInfo(layer, "1", 0, 7));
        const colorInfoData first = loadOrCreateRecord(layer, "1", 0, 7);
        QCOMPARE(first.direction, 4);
        QVERIFY(CTavrixXML_IsProFileAlreadyHaveLightInfo(layer, "1", 0, 7));
        colorInfoData changed = first;
        changed.speed = 5;
        QVERIFY(CTavrixXML_ModifyProFileLightInfoItem(layer, "1", 0, 7, changed));
        QCOMPARE(loadOrCreateRecord(layer, "1", 0, 7).speed, 5);
    }

    // A new record's levels fit the keyboard's level counts; unknown counts keep level 3.
    void newRecordLevelsFitTheKeyboard_data()
    {
        QTest::addColumn<int>("brightnessLevels");
        QTest::addColumn<int>("speedLevels");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("speed");
        QTest::newRow("five levels each") << 5 << 5 << 3 << 3;
        QTest::newRow("two brightness levels") << 2 << 5 << 2 << 3;
        QTest::newRow("one speed level") << 4 << 1 << 3 << 1;
        QTest::newRow("not reported") << 0 << 0 << 3 << 3;
    }
    void newRecordLevelsFitTheKeyboard()
    {
        QFETCH(int, brightnessLevels);
        QFETCH(int, speedLevels);
        QFETCH(int, brightness);
        QFETCH(int, speed);
        StoreFixture store;
        const QByteArray layer = store.newLayerFile("layer.xml");
        const colorInfoData made = loadOrCreateRecord(layer, "1", 1, 5, -1, {brightnessLevels, speedLevels});
        QCOMPARE(made.brightness, brightness);
        QCOMPARE(made.speed, speed);
        colorInfoData stored;
        QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, "1", 1, 5, &stored));
        QCOMPARE(stored.brightness, brightness);
        QCOMPARE(stored.speed, speed);
    }

    // ---- colour picker ----

    void pickerPressInsidePicksScreenColour()
    {
        SVColorArea area;
        QStringList order;
        connect(&area, &SVColorArea::sigMouseIsPress, [&](bool p) { order << QString("press %1").arg(p); });
        connect(&area, &SVColorArea::svChangedSignal,
                [&](int, int s, int v) { order << QString("sv %1 %2").arg(s).arg(v); });
        connect(&area, &SVColorArea::sigGetRGB,
                [&](int r, int g, int b) { order << QString("rgb %1 %2 %3").arg(r).arg(g).arg(b); });
        connect(&area, &SVColorArea::sigGetHexRGB, [&](QString hex) { order << hex; });
        QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(70, 50));
        // The offscreen platform cannot read the screen: the pixel reads white.
        QCOMPARE(order, QStringList({"press 1", "sv 70 205", "rgb 255 255 255", "#FFFFFF"}));
        QCOMPARE(area.valueRotate(), 0.0);
        QSignalSpy moving(&area, &SVColorArea::sigMovingStatus);
        drag(&area, QPoint(60, 112));  // onto the ring, button held
        QCOMPARE(area.valueRotate(), 0.0);
        QTest::mouseRelease(&area, Qt::LeftButton, {}, QPoint(60, 112));
        QCOMPARE(order.last(), QString("press 0"));
    }

    void pickerKnob_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<double>("value");
        QTest::newRow("bottom") << QPoint(59, 110) << 50.0;
        QTest::newRow("left") << QPoint(5, 59) << 25.0;
        QTest::newRow("right") << QPoint(113, 59) << 75.0;
        QTest::newRow("straight above") << QPoint(59, 3) << 100.0;
        QTest::newRow("exactly 40 from the centre") << QPoint(100, 60) << 74.6;
    }

    void pickerKnob()
    {
        QFETCH(QPoint, press);
        QFETCH(double, value);
        SVColorArea area;
        QSignalSpy rgb(&area, &SVColorArea::sigGetRGB);
        QTest::mousePress(&area, Qt::LeftButton, {}, press);
        QCOMPARE(rgb.count(), 0);
        QVERIFY(qAbs(area.valueRotate() - value) < 1.0);
        // A drag that started on the ring goes on turning the knob across the wheel.
        drag(&area, QPoint(59, 110));
        QVERIFY(qAbs(area.valueRotate() - 50.0) < 1.0);
        QSignalSpy moving(&area, &SVColorArea::sigMovingStatus);
        area.grab();
        QCOMPARE(moving.count(), 1);
        QCOMPARE(moving[0][0].toInt(), int(area.valueRotate()));
    }

    // ---- the page ----

    void init()
    {
        store = std::make_unique<StoreFixture>();
        layer = store->newLayerFile("layer.xml");
        emu = std::make_unique<EmuIoFixture>("QR108");
        QVERIFY(emu->open(true));
        keys.clear();
        for (int i = 0; i < 132; ++i) {
            auto *key = new keyboardButCustom;
            key->setShowKeyColor(true);
            keys.append(key);
        }
        DDataManager::getInstance()->setKeyButtonList(keys);
        DDataManager::getInstance()->setCurProfilePath(layer);
        page = new DLightsConfigPage;
        page->setProfileIndex(1);
        page->setProfilePath(layer);
        page->setHidInterface(emu->hid());
        LightTypeListInfo kb;
        kb.lightTypeList = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16};
        kb.speedMax = 5;
        kb.brightnessMax = 4;
        LightTypeListInfo side;
        side.lightTypeList = {0, 1, 2, 3, 4, 5};
        side.speedMax = 3;
        side.brightnessMax = 5;
        page->setLightCapability(kb, side);
        page->resize(1098, 272);
        page->show();
    }

    void cleanup()
    {
        delete page;
        page = nullptr;
        DDataManager::getInstance()->setKeyButtonList({});
        qDeleteAll(keys);
        keys.clear();
        emu.reset();
        store.reset();
    }

    void offeredModes()
    {
        QVERIFY(page->findChild<QToolButton *>("toolButton_Radar")->isVisible());
        QVERIFY(!page->findChild<QToolButton *>("toolButton_MouseDPI")->isVisible());
        QVERIFY(page->findChild<QToolButton *>("toolButton_CustomLed")->isVisible());
        QVERIFY(page->findChild<QFrame *>("frame_B")->isVisible());

        LightTypeListInfo kb;
        kb.lightTypeList = {0, 2};
        page->setLightCapability(kb, LightTypeListInfo());
        QVERIFY(!page->findChild<QToolButton *>("toolButton_Radar")->isVisible());
        QVERIFY(page->findChild<QToolButton *>("toolButton_MusicalRhythm")->isVisible());
        QVERIFY(!page->findChild<QFrame *>("frame_B")->isVisible());
        QSignalSpy tips(page, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
        page->findChild<QToolButton *>("toolButton_LightSelectTypeChanged")->click();
        QCOMPARE(tips.count(), 1);
        QCOMPARE(tips[0][0].toString(), QString("The device has no atmosphere lamp"));
        QVERIFY(page->isKeyboardShown());
    }

    void openingTabFollowsStoredMode()
    {
        QVERIFY(CTavrixXML_ModifyProFileMouseLightUsingIndex(layer, "1", 0, 4));
        QSignalSpy chosen(page, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB);
        page->reloadKeyboardLight();
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen[0][0].toInt(), 4);
        QVERIFY(page->findChild<QToolButton *>("toolButton_Radar")->isChecked());
        QCOMPARE(page->findChild<QLabel *>("label_LightMode")->text(), QString("Radar"));
        QCOMPARE(page->brightnessSlider()->stepCount(), 4);
        // Radar turns clockwise or anticlockwise only.
        QVERIFY(page->findChild<QPushButton *>("pushButton_CW")->isVisible());
        QVERIFY(!page->findChild<QPushButton *>("pushButton_Left")->isVisible());
        QVERIFY(page->findChild<QPushButton *>("pushButton_CW")->isChecked());
        QTRY_COMPARE(reportsWithCode(emu->device()->receivedReports(), 0x06).size(), 1);
        QCOMPARE(reportsWithCode(emu->device()->receivedReports(), 0x06)[0][6], uint8_t(4));
    }

    void openingTabWithModeWithoutButton_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("DPI") << 13;
        QTest::newRow("unknown") << 77;
    }

    void openingTabWithModeWithoutButton()
    {
        QFETCH(int, mode);
        QVERIFY(CTavrixXML_ModifyProFileMouseLightUsingIndex(layer, "1", 0, mode));
        const QByteArray before = storeBytes();
        QSignalSpy chosen(page, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB);
        page->reloadKeyboardLight();
        QCOMPARE(chosen.count(), 0);
        for (QToolButton *b : page->findChild<QWidget *>("page_KeyboardLightMode")->findChildren<QToolButton *>())
            QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
        QCOMPARE(storeBytes(), before);
        QVERIFY(emu->waitForQueuedCommands());
        QCOMPARE(reportsWithCode(emu->device()->receivedReports(), 0x06).size(), 0);
    }

    void changesAreStoredSignalledAndSent()
    {
        page->reloadKeyboardLight();
        page->findChild<QToolButton *>("toolButton_Wave")->click();
        QSignalSpy changed(page, &DLightsConfigPage::sigLightConfigHaveChanged);
        page->brightnessSlider()->sigBackCurrentPositionNum(0);
        page->speedSlider()->sigBackCurrentPositionNum(4);
        page->findChild<QPushButton *>("pushButton_Up")->click();
        page->findChild<QCheckBox *>("checkBox_FullColorMode")->click();
        QCOMPARE(changed.count(), 4);
        QList<int> sources;
        for (const QList<QVariant> &c : changed)
            sources << c[0].toInt();
        QCOMPARE(sources, QList<int>({2, 3, 4, 1}));
        colorInfoData stored;
        QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, "1", 0, 2, &stored));
        QCOMPARE(stored.brightness, 1);
        QCOMPARE(stored.speed, 5);
        QCOMPARE(stored.direction, 2);
        QCOMPARE(stored.fullColor, 0);
        QCOMPARE(CTavrixXML_SelectProFileMouseLightTypeUsingIndex(layer, "1", 0), 2);
        // One report for the mode choice, one per change; the last carries all four.
        QTRY_COMPARE(reportsWithCode(emu->device()->receivedReports(), 0x06).size(), 6);
        const HidReport last = reportsWithCode(emu->device()->receivedReports(), 0x06).last();
        QCOMPARE(last[7], uint8_t(0));
        QCOMPARE(last[8], uint8_t(4));
        QCOMPARE(last[15], uint8_t(2));
        QCOMPARE(last[16], uint8_t(0));
    }

    void heldPickerStoresOnceOnRelease()
    {
        page->reloadKeyboardLight();
        page->findChild<QToolButton *>("toolButton_Breath")->click();
        QSignalSpy changed(page, &DLightsConfigPage::sigLightConfigHaveChanged);
        page->onSVColorAreaMouseIsPress(true);
        page->onGetRGB(0, 0, 255);
        page->onMovingStatus(0, 0);  // the knob's reset paint changes nothing
        QCOMPARE(page->findChild<QLineEdit *>("lineEdit_B")->text(), QString("255"));
        page->onMovingStatus(50, -180);                  // half dark
        page->onColorItemSelectSignal(QColor(1, 2, 3));  // a swatch while held changes the pending colour
        page->onMovingStatus(100, -360);                 // fully dark: black
        QCOMPARE(page->findChild<QLineEdit *>("lineEdit_B")->text(), QString("0"));
        QCOMPARE(changed.count(), 0);
        page->onSVColorAreaMouseIsPress(false);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].toInt(), 0);
        const colorInfoData sent = changed[0][1].value<colorInfoData>();
        QCOMPARE(QColor(sent.topColorR, sent.topColorG, sent.topColorB), QColor(0, 0, 0));
        // The knob darkens the colour picked last, not the one that passed through the fields.
        page->onSVColorAreaMouseIsPress(true);
        page->onMovingStatus(50, -180);
        page->onSVColorAreaMouseIsPress(false);
        const colorInfoData half = changed.last()[1].value<colorInfoData>();
        QCOMPARE(QColor(half.topColorR, half.topColorG, half.topColorB).rgb(), QColor::fromHsv(240, 255, 127).rgb());
    }

    void swatchAndFieldsEditTheCheckedColour()
    {
        page->reloadKeyboardLight();
        page->findChild<QToolButton *>("toolButton_Breath")->click();
        page->findChild<QPushButton *>("pushButton_BottomColor")->click();
        page->onInstallEventFilterOpen();
        QTest::mousePress(page->findChild<QLabel *>("label_Color13"), Qt::LeftButton);  // blue
        colorInfoData stored;
        QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, "1", 0, 1, &stored));
        QCOMPARE(QColor(stored.bottomColorR, stored.bottomColorG, stored.bottomColorB), QColor(0, 0, 255));
        QCOMPARE(QColor(stored.topColorR, stored.topColorG, stored.topColorB), QColor(255, 0, 0));
        QVERIFY(page->findChild<QPushButton *>("pushButton_BottomColor")->styleSheet().contains("rgb(0, 0, 255)"));

        // Typed values count only while the field has the focus; above 255 the last
        // accepted value comes back.
        page->activateWindow();
        QLineEdit *red = page->findChild<QLineEdit *>("lineEdit_R");
        QLineEdit *green = page->findChild<QLineEdit *>("lineEdit_G");
        red->setFocus();
        QTRY_VERIFY(red->hasFocus());
        red->setText("120");
        green->setFocus();
        QTRY_VERIFY(green->hasFocus());
        green->setText("300");
        QCOMPARE(green->text(), QString("120"));
        QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, "1", 0, 1, &stored));
        QCOMPARE(QColor(stored.bottomColorR, stored.bottomColorG, stored.bottomColorB), QColor(120, 120, 255));
        QTest::keyClick(green, Qt::Key_Backspace);
        QCOMPARE(green->text(), QString("12"));
        QTest::keyClicks(green, "9");
        QCOMPARE(green->text(), QString("129"));
        QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, "1", 0, 1, &stored));
        QCOMPARE(QColor(stored.bottomColorR, stored.bottomColorG, stored.bottomColorB), QColor(120, 129, 255));
    }

    // A pick on the wheel once coloured the keyboard but left the colour button as it
    // was, and the wheel showed no sign of where the pick was.
    void wheelPickShowsOnTheColourButtonAndTheWheel()
    {
        page->reloadKeyboardLight();
        page->findChild<QToolButton *>("toolButton_Breath")->click();
        auto *top = page->findChild<QPushButton *>("pushButton_TopColor");
        auto *wheel = page->findChild<SVColorArea *>();
        QVERIFY(top && wheel);
        auto buttonColour = [top] {
            const QImage shot = top->grab().toImage();
            return QColor(shot.pixel(shot.width() / 2, shot.height() / 2));
        };
        QCOMPARE(buttonColour(), QColor(255, 0, 0));
        const QPoint spot(48, 72);
        auto darkAroundSpot = [wheel, spot] {
            const QImage shot = wheel->grab().toImage();
            int dark = 0;
            for (int y = spot.y() - 6; y <= spot.y() + 6; ++y)
                for (int x = spot.x() - 6; x <= spot.x() + 6; ++x)
                    dark += QColor(shot.pixel(x, y)).lightness() < 80 ? 1 : 0;
            return dark;
        };
        QCOMPARE(darkAroundSpot(), 0);

        // The offscreen platform reads every screen pixel as white.
        QTest::mousePress(wheel, Qt::LeftButton, {}, spot);
        QCOMPARE(buttonColour(), QColor(255, 255, 255));
        QCOMPARE(wheel->pickMark(), spot);
        QVERIFY(darkAroundSpot() > 10);
        QTest::mouseRelease(wheel, Qt::LeftButton, {}, spot);
        colorInfoData stored;
        QVERIFY(CTavrixXML_SelectProfileColorDataInfo(layer, "1", 0, 1, &stored));
        QCOMPARE(QColor(stored.topColorR, stored.topColorG, stored.topColorB), QColor(255, 255, 255));

        // The knob darkens the picked colour on the button as well.
        page->onSVColorAreaMouseIsPress(true);
        page->onMovingStatus(50, -180);
        page->onSVColorAreaMouseIsPress(false);
        QCOMPARE(buttonColour().rgb(), QColor::fromHsv(0, 0, 127).rgb());

        // A swatch takes over: its colour on the button, no pick mark on the wheel.
        page->onInstallEventFilterOpen();
        QTest::mousePress(page->findChild<QLabel *>("label_Color13"), Qt::LeftButton);  // blue
        QCOMPARE(buttonColour(), QColor(0, 0, 255));
        QCOMPARE(wheel->pickMark(), QPoint(-1, -1));
        QCOMPARE(darkAroundSpot(), 0);
    }

    void modeTipNamesTheButton()
    {
        page->onInstallEventFilterOpen();
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(page->findChild<QToolButton *>("toolButton_Snack"), &enter);
        QVERIFY(page->modeTip());
        QCOMPARE(page->modeTip()->findChild<DToolTipExplain *>()->text(), QString("Snake"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(page->findChild<QToolButton *>("toolButton_Snack"), &leave);
        QVERIFY(!page->modeTip());
        QApplication::sendEvent(page->findChild<QToolButton *>("toolButton_LightSelectTypeChanged"), &enter);
        QCOMPARE(page->modeTip()->findChild<DToolTipExplain *>()->text(), QString("Keyboard/Ambient"));
        QApplication::sendEvent(page->findChild<QToolButton *>("toolButton_LightSelectTypeChanged"), &leave);
    }

    void switchAndFollowKeyboard()
    {
        page->reloadKeyboardLight();
        QTRY_COMPARE(reportsWithCode(emu->device()->receivedReports(), 0x06).size(), 1);
        page->findChild<QToolButton *>("toolButton_LightSelectTypeChanged")->click();
        QVERIFY(!page->isKeyboardShown());
        QCOMPARE(page->findChild<QStackedWidget *>("stackedWidget")->currentIndex(), 1);
        QCOMPARE(page->speedSlider()->stepCount(), 3);
        QCOMPARE(page->currentRecord().lightTarget, 1);

        // The keyboard reports a keyboard light change while the side page is shown.
        colorInfoData reported = defaultRecord(0, 9);
        reported.speed = 2;
        QVERIFY(CTavrixXML_AddProFileLightInfoItem(layer, "1", reported));
        QVERIFY(CTavrixXML_ModifyProFileMouseLightUsingIndex(layer, "1", 0, 9));
        QSignalSpy changed(page, &DLightsConfigPage::sigLightConfigHaveChanged);
        QVERIFY(emu->waitForQueuedCommands());
        const int sentBefore = reportsWithCode(emu->device()->receivedReports(), 0x06).size();
        page->followDeviceLightChange(0, 9);
        QVERIFY(page->isKeyboardShown());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].toInt(), -1);
        QCOMPARE(changed[0][1].value<colorInfoData>().lightMode, 9);
        QCOMPARE(changed[0][1].value<colorInfoData>().speed, 2);
        QVERIFY(page->findChild<QToolButton *>("toolButton_Twinkle")->isChecked());
        QVERIFY(emu->waitForQueuedCommands());
        QCOMPARE(reportsWithCode(emu->device()->receivedReports(), 0x06).size(), sentBefore);
    }

    void customModeByHandChoosesSlotZero()
    {
        page->reloadKeyboardLight();
        QStringList order;
        connect(page, &DLightsConfigPage::sigCustomLightItemHaveChanged,
                [&](int slot, QString index, QString) { order << QString("set %1 %2").arg(slot).arg(index); });
        connect(page, &DLightsConfigPage::sigSelectCurrentLightTypeIndex_KB,
                [&](int mode, colorInfoData) { order << QString("mode %1").arg(mode); });
        page->findChild<QToolButton *>("toolButton_CustomLed")->click();
        QCOMPARE(order, QStringList({"set 0 0", "set 0 0", "mode 10"}));
        QCOMPARE(page->customLightRows().size(), 5);
        QCOMPARE(page->usingCustomLightIndex(), 0);
        QVERIFY(page->findChild<QFrame *>("frame_D")->isVisible());

        // Brightness in Custom gives no custom signal; a colour gives both, in order.
        QStringList changes;
        connect(page, &DLightsConfigPage::sigLightConfigHaveChanged,
                [&](int from, colorInfoData) { changes << QString("changed %1").arg(from); });
        connect(page, &DLightsConfigPage::sigLightConfigHaveChanged_Custom,
                [&](int from, colorInfoData) { changes << QString("custom %1").arg(from); });
        page->onBackCurrentPositionNum_Brightness(1);
        page->onColorItemSelectSignal(QColor(9, 9, 9));
        QCOMPARE(changes, QStringList({"changed 2", "changed 0", "custom 0"}));
    }

    void puttingASetIntoUseUploadsIt()
    {
        page->reloadKeyboardLight();
        page->findChild<QToolButton *>("toolButton_CustomLed")->click();
        for (int i = 0; i < keys.size(); ++i)
            keys[i]->setKeyColor(QColor(i, 1, 2));
        QVERIFY(emu->waitForQueuedCommands());
        const int before = lightReports(emu->device()->receivedReports()).size();
        DCustomLightListItem *set1 = page->customLightRows().at(1);
        DCustomLightListItem *set4 = page->customLightRows().at(4);
        QCOMPARE(set4->lightIndex(), QString("4"));
        QTest::mouseClick(set1, Qt::LeftButton, {}, QPoint(150, 10));
        QCOMPARE(page->customSlot(), 1);
        QSignalSpy changed(page, &DLightsConfigPage::sigCustomLightItemHaveChanged);
        set4->findChild<QCheckBox *>("checkBox")->click();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].toInt(), 1);
        QCOMPARE(changed[0][1].toString(), QString("4"));
        QCOMPARE(changed[0][2].toString(), QString("CustomLight"));
        QList<CustomLightNodeInfo> nodes;
        CTavrixXML_SelectProFileCustomLightAllNodes(layer, "1", nodes);
        QCOMPARE(nodes.size(), 5);
        QCOMPARE(QByteArray(nodes[1].isUsing), QByteArray("UnUsing"));
        QCOMPARE(nodes[1].usingFlagIndex, -1);
        QCOMPARE(QByteArray(nodes[4].isUsing), QByteArray("Using"));
        QCOMPARE(nodes[4].usingFlagIndex, 1);
        QVERIFY(!set1->findChild<QCheckBox *>("checkBox")->isChecked());

        QTRY_COMPARE(lightReports(emu->device()->receivedReports()).size(), before + 9);
        const QList<HidReport> sent = lightReports(emu->device()->receivedReports()).mid(before);
        for (int p = 0; p < 8; ++p) {
            QCOMPARE(sent[p][1], uint8_t(0x08));
            QCOMPARE(sent[p][2], uint8_t(1));
            QCOMPARE(sent[p][4], uint8_t(p));
        }
        QCOMPARE(sent[0][6 + 3], uint8_t(1));  // red of the second key
        QCOMPARE(sent[8][1], uint8_t(0x06));
        QCOMPARE(sent[8][6], uint8_t(10));

        // Clicking a checked box changes nothing.
        set4->findChild<QCheckBox *>("checkBox")->click();
        QVERIFY(set4->findChild<QCheckBox *>("checkBox")->isChecked());
        QCOMPARE(changed.count(), 1);
    }

    void keyboardReportsTheCustomSlot()
    {
        page->reloadKeyboardLight();
        page->findChild<QToolButton *>("toolButton_Wave")->click();
        page->followDeviceCustomLight(0, 10, 1);
        QCOMPARE(page->currentKeyboardMode(), 10);
        QCOMPARE(page->customSlot(), 1);
        QCOMPARE(page->usingCustomLightIndex(), 1);
        // Pressing a set in no slot leaves nothing to upload.
        QTest::mouseClick(page->customLightRows().at(3), Qt::LeftButton, {}, QPoint(150, 10));
        QCOMPARE(page->customSlot(), -1);
        QCOMPARE(page->usingCustomLightIndex(), 3);
        QVERIFY(emu->waitForQueuedCommands());
        const int before = lightReports(emu->device()->receivedReports()).size();
        page->uploadCustomLightColors();
        QVERIFY(emu->waitForQueuedCommands());
        QCOMPARE(lightReports(emu->device()->receivedReports()).size(), before);
    }

    void oddReportedSlotStillKeepsTwoSetsInUse()
    {
        page->reloadKeyboardLight();
        page->followDeviceCustomLight(0, 10, 7);
        QCOMPARE(page->usingCustomLightIndex(), -1);
        page->customLightRows().at(2)->findChild<QCheckBox *>("checkBox")->click();
        QList<CustomLightNodeInfo> nodes;
        CTavrixXML_SelectProFileCustomLightAllNodes(layer, "1", nodes);
        QList<int> usedSlots;
        for (const CustomLightNodeInfo &n : nodes)
            usedSlots << n.usingFlagIndex;
        QCOMPARE(usedSlots, QList<int>({-1, 1, 0, -1, -1}));
    }

    void retranslatedLabels()
    {
        page->retranslateTexts();
        QCOMPARE(page->findChild<QLabel *>("label_LightMode")->text(), QString("Wave"));
        QCOMPARE(page->findChild<QLineEdit *>("lineEdit_G")->text(), QString("255"));
        page->reloadKeyboardLight();
        page->findChild<QToolButton *>("toolButton_Fireworks")->click();
        page->retranslateTexts();
        QCOMPARE(page->findChild<QLabel *>("label_LightMode")->text(), QString("Fireworks"));
        QVERIFY(page->findChild<QToolButton *>("toolButton_Fireworks")->text().isEmpty());
    }

    void renamingARow()
    {
        page->reloadKeyboardLight();
        page->findChild<QToolButton *>("toolButton_CustomLed")->click();
        DCustomLightListItem *row = page->customLightRows().at(2);
        QSignalSpy tips(page, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage);
        QTest::mouseDClick(row, Qt::LeftButton, {}, QPoint(150, 10));
        auto *names = row->findChild<QStackedWidget *>("stackedWidget");
        QCOMPARE(names->currentWidget()->objectName(), QString("page_ModifyName"));
        row->findChild<QLineEdit *>("lineEdit_CustomItemName")->setText(QString());
        row->findChild<QPushButton *>("pushButton_Save")->click();
        QCOMPARE(names->currentWidget()->objectName(), QString("page_ModifyName"));
        row->findChild<QLineEdit *>("lineEdit_CustomItemName")->setText(QString::fromUtf8("Nacht ✓"));
        row->findChild<QPushButton *>("pushButton_Save")->click();
        QCOMPARE(names->currentWidget()->objectName(), QString("page_Default"));
        QCOMPARE(tips.count(), 2);
        QCOMPARE(tips[0][0].toString(), QString("Custom light name can't be empty"));
        QCOMPARE(tips[1][0].toString(), QString("Modify custom light name successful"));
        QList<CustomLightNodeInfo> nodes;
        CTavrixXML_SelectProFileCustomLightAllNodes(layer, "1", nodes);
        QCOMPARE(QString::fromUtf8(nodes[2].name), QString::fromUtf8("Nacht ✓"));
    }

    // Kept for a person to look at: the device page's lighting tab with an emulated keyboard.
    void screenshot()
    {
        cleanup();
        QTemporaryDir dir;
        qputenv("TAVRIX_EMU_DIR", dir.path().toLocal8Bit());
        EmuDevice device(dir.path(), EmuModels::find("QR108"), "a");
        QVERIFY(device.start());
        auto *devicePage = new DDevicePage;
        devicePage->resize(1280, 700);
        devicePage->show();
        QTRY_VERIFY_WITH_TIMEOUT(devicePage->currentDeviceLink() && !devicePage->isBusy()
                                     && !devicePage->currentProfilePath().isEmpty(),
                                 20000);
        DDataManager::getInstance()->setTheme(0);
        devicePage->applyTheme();
        devicePage->findChild<QToolButton *>("toolButton_LightConfig")->click();
        devicePage->lightsConfigTab()->findChild<QToolButton *>("toolButton_Wave")->click();
        QTRY_VERIFY(previewShows(devicePage->lightEngineObject(), LightModes::KbWave));
        QDir().mkpath(QCoreApplication::applicationDirPath() + "/screenshots");
        QVERIFY(devicePage->grab().save(QCoreApplication::applicationDirPath() + "/screenshots/lightingpage.png"));
        devicePage->findChild<QToolButton *>("toolButton_CustomLed")->click();
        QTRY_VERIFY(previewShows(devicePage->lightEngineObject(), LightModes::KbCustom));
        QVERIFY(
            devicePage->grab().save(QCoreApplication::applicationDirPath() + "/screenshots/lightingpage_custom.png"));
        devicePage->closeAllLinks();
        delete devicePage;
        qunsetenv("TAVRIX_EMU_DIR");
        init();
    }

private:
    QByteArray storeBytes() const
    {
        QFile file(QFile::decodeName(layer));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<StoreFixture> store;
    std::unique_ptr<EmuIoFixture> emu;
    QList<keyboardButCustom *> keys;
    QByteArray layer;
    DLightsConfigPage *page = nullptr;
};

TAVRIX_TEST_MAIN(TestLightingPage)
#include "tst_lightingpage.moc"
