// The magnetic trigger tab: the travel scale's levels, snapping and handle rules, the
// configuration "Apply" hands over in each state, the keyboard's answers, the report rate,
// calibration and the explanation pop-ups; then the tab on a device page with an emulated
// magnetic keyboard.
#include "app/ddatamanager.h"
#include "devicepage/ddevicepage.h"
#include "emudevice.h"
#include "emumodel.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "magnetic/dkeycalibrationexplaindia.h"
#include "magnetic/dsensitivityshowwidget.h"
#include "magnetic/dtriggersettingpage.h"
#include "support/testmain.h"
#include "ui_dtriggersettingpage.h"
#include "widgets/arrowwidget.h"
#include "widgets/slidercustomwidget.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(QList<int>)

namespace {

using Config = QList<int>;

// Levels reported by one repaint, by handle.
QMap<int, int> paintedLevels(DSensitivityShowWidget &scale)
{
    QSignalSpy spy(&scale, &DSensitivityShowWidget::sigCurrentStrengthNumBack);
    scale.repaint();
    QMap<int, int> levels;
    for (const QList<QVariant> &args : spy)
        levels[args[0].toInt()] = args[1].toInt();
    return levels;
}

// A drag step with the left button held, sent straight to the widget.
void dragTo(QWidget *widget, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

// A scale of 41 levels on 140 px, as the trigger tab sets it up for a precision of 40.
void setUp41(DSensitivityShowWidget &scale)
{
    scale.resize(168, 140);
    scale.setScaleSize(168, 140);
    scale.setLevelCount(41);
    scale.setBarWidth(38);
    scale.show();
    QVERIFY(QTest::qWaitForWindowExposed(&scale));
}

}  // namespace

class TestTriggerSettingPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        DDataManager::getInstance()->setMagneticPrecision(40);
        DDataManager::getInstance()->setKeyRateOfReturnNum(1);
        DDataManager::getInstance()->setCalibrationMode(false);
    }

    void scaleGeometry()
    {
        DSensitivityShowWidget scale;
        scale.setScaleSize(168, 140);
        scale.setLevelCount(41);
        QCOMPARE(scale.stride(), 3);
        QCOMPARE(scale.blockHeight(), 1);
        QCOMPARE(scale.levelPosition(1), 8);
        QCOMPARE(scale.levelPosition(40), 125);
        QCOMPARE(scale.levelPosition(41), -1);
    }

    void scaleSnapsToLevels_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("level");
        QTest::newRow("above the column") << -30 << 1;
        QTest::newRow("below the column") << 400 << 40;
        QTest::newRow("on level 10") << 35 << 10;
        QTest::newRow("nearer the upper") << 36 << 10;
        QTest::newRow("nearer the lower") << 37 << 11;
    }
    void scaleSnapsToLevels()
    {
        QFETCH(int, y);
        QFETCH(int, level);
        DSensitivityShowWidget scale;
        setUp41(scale);
        QTest::mousePress(&scale, Qt::LeftButton, {}, QPoint(84, 60));
        QVERIFY(scale.isDragging());  // one handle: a press anywhere starts a drag
        dragTo(&scale, QPoint(84, y));
        QCOMPARE(paintedLevels(scale).value(DSensitivityShowWidget::CENTER), level);
        QTest::mouseRelease(&scale, Qt::LeftButton, {}, QPoint(84, y));
        QVERIFY(!scale.isDragging());
    }

    void scaleTieGoesDeeper()
    {
        // Stride 4 (H = 164, N = 41): levels 10 and 11 at 45 and 49, 47 is halfway.
        DSensitivityShowWidget scale;
        scale.resize(168, 164);
        scale.setScaleSize(168, 164);
        scale.setLevelCount(41);
        scale.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scale));
        QTest::mousePress(&scale, Qt::LeftButton, {}, QPoint(84, 47));
        QCOMPARE(paintedLevels(scale).value(DSensitivityShowWidget::CENTER), 11);
    }

    void quickTriggerKeepsPressBelowRelease()
    {
        DSensitivityShowWidget scale;
        setUp41(scale);
        scale.setDualHandles(1);
        scale.setQuickTriggerMode(true);
        scale.setPressLevel(20);
        scale.setReleaseLevel(19);
        QCOMPARE(paintedLevels(scale), (QMap<int, int> {{0, 20}, {2, 19}}));

        // Dragging the press handle upwards past the release point leaves it at 20.
        const QPoint grab(scale.pressGrabX(), scale.levelPosition(20));
        QTest::mousePress(&scale, Qt::LeftButton, {}, grab);
        QVERIFY(scale.isDragging());
        dragTo(&scale, QPoint(grab.x(), scale.levelPosition(12)));
        QCOMPARE(paintedLevels(scale), (QMap<int, int> {{0, 20}, {2, 19}}));
        // Downwards it moves freely.
        dragTo(&scale, QPoint(grab.x(), scale.levelPosition(30)));
        QCOMPARE(paintedLevels(scale).value(0), 30);
        QTest::mouseRelease(&scale, Qt::LeftButton, {}, grab);

        // Without quick trigger the handles may pass each other.
        scale.setQuickTriggerMode(false);
        scale.setPressLevel(5);
        QCOMPARE(paintedLevels(scale), (QMap<int, int> {{0, 5}, {2, 19}}));
    }

    void pressBesideTheHandleJumpsWithoutDragging()
    {
        DSensitivityShowWidget scale;
        setUp41(scale);
        scale.setDualHandles(1);
        scale.setPressLevel(20);
        scale.setReleaseLevel(25);
        paintedLevels(scale);
        // In the press zone, 10 px below the handle.
        QTest::mousePress(&scale, Qt::LeftButton, {}, QPoint(scale.pressGrabX(), scale.levelPosition(20) + 10));
        QVERIFY(!scale.isDragging());
        QCOMPARE(paintedLevels(scale).value(0), 23);
        dragTo(&scale, QPoint(scale.pressGrabX(), scale.levelPosition(35)));
        QCOMPARE(paintedLevels(scale).value(0), 23);
    }

    void scaleWithoutLevelsDrawsNoHandle()
    {
        DSensitivityShowWidget scale;
        scale.setScaleSize(168, 140);
        scale.setLevelCount(0);  // no precision yet
        scale.setCenterLevel(3);
        QVERIFY(paintedLevels(scale).isEmpty());
        scale.setLevelCount(1);
        QVERIFY(paintedLevels(scale).isEmpty());
    }

    void applyInEachState_data()
    {
        QTest::addColumn<bool>("quick");
        QTest::addColumn<bool>("separate");
        QTest::addColumn<Config>("sent");
        // Right after start-up the stored quick-trigger values are still 0.
        QTest::newRow("plain") << false << false << Config {0, 20, 20, 0, 0};
        QTest::newRow("quick") << true << false << Config {12, 20, 20, 10, 10};
        // The sliders now show 0.1 mm, but the stored values stay until a slider is released.
        QTest::newRow("quick-separate") << true << true << Config {13, 20, 19, 10, 10};
    }
    void applyInEachState()
    {
        QFETCH(bool, quick);
        QFETCH(bool, separate);
        QFETCH(Config, sent);
        DTriggerSettingPage page;
        page.resize(1100, 260);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.reloadSettings();
        QSignalSpy apply(&page, &DTriggerSettingPage::sigMagnetsKeysApplyConfig);
        if (quick)
            page.findChild<QCheckBox *>("checkBox_QuickTrigger")->click();
        if (separate)
            page.findChild<QCheckBox *>("checkBox_SecondarySensitivity")->click();
        page.travelScale()->repaint();
        page.findChild<QPushButton *>("pushButton_TriggerApply")->click();
        QCOMPARE(apply.count(), 1);
        Config args;
        for (const QVariant &v : apply.first())
            args << v.toInt();
        QCOMPARE(args, sent);
        QCOMPARE(page.travelScale()->dualHandles(), separate);
        QCOMPARE(page.findChild<QStackedWidget *>("stackedWidget")->isVisible(), quick);
        if (quick && !separate)
            QCOMPARE(page.findChild<QLabel *>("label_Journey3")->text(), QString("1.0mm"));
    }

    void releasedSliderIsStored()
    {
        DTriggerSettingPage page;
        page.show();
        page.reloadSettings();
        page.findChild<QCheckBox *>("checkBox_QuickTrigger")->click();
        page.findChild<QCheckBox *>("checkBox_SecondarySensitivity")->click();
        auto *press = page.findChild<QSlider *>("horizontalSlider_PressJourney");
        press->setValue(7);
        QCOMPARE(page.findChild<QLabel *>("label_PressJourneySecond4")->text(), QString("0.7mm"));
        QCOMPARE(page.currentConfig().strengthNum_QuickTrigger_L, 10);
        Q_EMIT press->sliderReleased();
        QCOMPARE(page.currentConfig().strengthNum_QuickTrigger_L, 7);
        QCOMPARE(page.currentConfig().strengthNum_QuickTrigger_R, 10);
    }

    void keyAnswerShowsItsState_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("quickChecked");
        QTest::addColumn<bool>("secondaryChecked");
        QTest::addColumn<QString>("stackPage");
        QTest::addColumn<Config>("sent");
        QTest::addColumn<int>("quickPress");  // the keyboard's quick-trigger travels
        QTest::addColumn<int>("quickRelease");
        QTest::newRow("plain") << 0 << false << false << "page_SecondClose" << Config {0, 30, 30, 0, 0} << 5 << 3;
        QTest::newRow("separate") << 1 << false << true << "page_SecondOpen" << Config {1, 30, 25, 0, 0} << 5 << 3;
        // The quick-trigger travels are the ones the sliders show, within 1..20.
        QTest::newRow("quick") << 12 << true << false << "page_SecondClose" << Config {12, 30, 30, 5, 5} << 5 << 3;
        QTest::newRow("quick-separate") << 13 << true << true << "page_SecondOpen" << Config {13, 30, 25, 5, 3} << 5
                                        << 3;
        QTest::newRow("quick, travel 0") << 12 << true << false << "page_SecondClose" << Config {12, 30, 30, 1, 1} << 0
                                         << 0;
        QTest::newRow("quick-separate, out of range")
            << 13 << true << true << "page_SecondOpen" << Config {13, 30, 25, 1, 20} << 0 << 40;
        QTest::newRow("unknown type") << 7 << false << false << "page_SecondClose" << Config {0, 30, 30, 0, 0} << 5
                                      << 3;
    }
    void keyAnswerShowsItsState()
    {
        QFETCH(int, type);
        QFETCH(bool, quickChecked);
        QFETCH(bool, secondaryChecked);
        QFETCH(QString, stackPage);
        QFETCH(Config, sent);
        QFETCH(int, quickPress);
        QFETCH(int, quickRelease);
        DTriggerSettingPage page;
        page.resize(1100, 260);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.reloadSettings();
        // A click answer reaches the page through the data manager.
        DDataManager::getInstance()->queryDynamicDisplaySensitivityNum(1, 0, 0);
        DDataManager::getInstance()->relaySensitivityBackInfo(type, 30, 25, quickPress, quickRelease);
        page.travelScale()->repaint();
        QCOMPARE(page.findChild<QCheckBox *>("checkBox_QuickTrigger")->isChecked(), quickChecked);
        QCOMPARE(page.findChild<QCheckBox *>("checkBox_SecondarySensitivity")->isChecked(), secondaryChecked);
        QCOMPARE(page.findChild<QStackedWidget *>("stackedWidget")->isVisible(), quickChecked);
        QCOMPARE(page.findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName(), stackPage);
        QCOMPARE(page.travelScale()->quickTriggerMode(), quickChecked);
        const MagnetKeyTriggerConfig c = page.currentConfig();
        QCOMPARE((Config {c.selMode, c.strengthNum_L, c.strengthNum_R, c.strengthNum_QuickTrigger_L,
                          c.strengthNum_QuickTrigger_R}),
                 sent);
        if (type == 12 && quickPress == 5)
            QCOMPARE(page.findChild<QLabel *>("label_Journey3")->text(), QString("0.5mm"));
        if (type == 13 && quickRelease == 3)
            QCOMPARE(page.findChild<QLabel *>("label_ReleaseJourneySecond5")->text(), QString("0.3mm"));
    }

    void hoverAnswerDoesNotReachThePage()
    {
        DTriggerSettingPage page;
        page.reloadSettings();
        DDataManager::getInstance()->queryDynamicDisplaySensitivityNum(0, 0, 0);
        DDataManager::getInstance()->relaySensitivityBackInfo(13, 30, 25, 5, 3);
        QVERIFY(!page.findChild<QCheckBox *>("checkBox_QuickTrigger")->isChecked());
    }

    void reportRate_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("label");
        QTest::newRow("1 kHz") << 1 << 0 << "1K";
        QTest::newRow("4 kHz") << 4 << 2 << "4K";
        QTest::newRow("8 kHz") << 8 << 3 << "8K";
        QTest::newRow("not yet reported") << 0 << 0 << "0K";
        QTest::newRow("unknown rate") << 3 << 0 << "3K";
    }
    void reportRate()
    {
        QFETCH(int, stored);
        QFETCH(int, position);
        QFETCH(QString, label);
        DDataManager::getInstance()->setKeyRateOfReturnNum(stored);
        DTriggerSettingPage page;
        page.reloadSettings();
        sliderCustomWidget *selector = page.rateSelector();
        QCOMPARE(selector->handleX(), selector->tickPositions().value(position));
        QCOMPARE(page.findChild<QLabel *>("label_Rate")->text(), label);
    }

    void movingTheRateSelectorSendsKilohertz()
    {
        DTriggerSettingPage page;
        page.reloadSettings();
        QSignalSpy rate(&page, &DTriggerSettingPage::sigKeyRateOfReturnCurrentNum);
        sliderCustomWidget *selector = page.rateSelector();
        const QList<int> ticks = selector->tickPositions();
        QTest::mouseClick(selector, Qt::LeftButton, {}, QPoint(ticks.last(), selector->lineY()));
        QTest::mouseClick(selector, Qt::LeftButton, {}, QPoint(ticks.first(), selector->lineY()));
        QCOMPARE(rate.count(), 2);
        QCOMPARE(rate[0][0].toInt(), 8);
        QCOMPARE(rate[1][0].toInt(), 1);
        QCOMPARE(page.findChild<QLabel *>("label_Rate")->text(), QString("1K"));
    }

    void calibrationMode()
    {
        DTriggerSettingPage page;
        QSignalSpy mode(&page, &DTriggerSettingPage::sigCalibrationMode);
        QSignalSpy start(&page, &DTriggerSettingPage::sigKeyCalibrationStartRunning);
        auto *box = page.findChild<QCheckBox *>("checkBox_CalibrationMode");
        box->click();
        box->click();
        page.findChild<QPushButton *>("pushButton_KeyCalibration")->click();
        QCOMPARE(mode.count(), 2);
        QCOMPARE(mode[0][0].toInt(), 1);
        QCOMPARE(mode[1][0].toInt(), 0);
        QCOMPARE(start.count(), 1);

        // Leaving the tab unchecks it quietly.
        box->click();
        DDataManager::getInstance()->setCalibrationMode(true);
        page.leaveCalibrationMode();
        QVERIFY(!box->isChecked());
        QVERIFY(!DDataManager::getInstance()->getCalibrationMode());
        QCOMPARE(mode.count(), 3);
    }

    void noTriggerPointBeforeThePrecision()
    {
        // A keyboard that has not reported its travel precision yet gives no levels; the
        // trigger points would otherwise go out as 0 and -1.
        DDataManager::getInstance()->setMagneticPrecision(0);
        DTriggerSettingPage page;
        page.reloadSettings();
        QVERIFY(!page.findChild<QPushButton *>("pushButton_TriggerApply")->isEnabled());
        DDataManager::getInstance()->setMagneticPrecision(40);
        page.reloadSettings();
        QVERIFY(page.findChild<QPushButton *>("pushButton_TriggerApply")->isEnabled());
    }

    void liveTravel()
    {
        DTriggerSettingPage page;
        page.reloadSettings();
        Q_EMIT DDataManager::getInstance()->sigBackDynamicDisplaySensitivityNum(3, 2, 12);
        QCOMPARE(page.liveTravel(), 12);
        QVERIFY(!page.travelScale()->liveTravelShown());
        page.clearLiveTravel();
        QCOMPARE(page.liveTravel(), 0);
    }

    void explainPopups_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("page");
        QTest::newRow("calibration steps") << "toolButton_Explain" << QSize(310, 173) << "page_1";
        QTest::newRow("travel scale") << "toolButton_MagneticKeyExplain" << QSize(310, 130) << "page_3";
    }
    void explainPopups()
    {
        QFETCH(QString, button);
        QFETCH(QSize, size);
        QFETCH(QString, page);
        DTriggerSettingPage tab;
        tab.resize(1100, 260);
        tab.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tab));
        auto *anchor = tab.findChild<QToolButton *>(button);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(anchor, &enter);
        ArrowWidget *popup = tab.explainPopup();
        QVERIFY(popup && popup->isVisible());
        QCOMPARE(popup->size(), size);
        // Its bottom edge 2 px above the button, 38 px left of the button's centre.
        const QPoint bottomCentre = anchor->mapToGlobal(QPoint(anchor->width() / 2, anchor->height()));
        // Where the screen ends first, the pop-up is moved back onto it.
        const QPoint wanted = bottomCentre - QPoint(38, anchor->height() + (size.height() == 173 ? 175 : 132));
        const QRect screen = QGuiApplication::screenAt(popup->geometry().center())->availableGeometry();
        QCOMPARE(popup->pos(), ArrowWidget::fittedTopLeft(wanted, size, screen));
        QVERIFY(screen.contains(popup->geometry()));
        QCOMPARE(popup->findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName(), page);

        // A second entry replaces the first pop-up; leaving hides it.
        QCoreApplication::sendEvent(anchor, &enter);
        const auto shownPopups = [] {
            const QWidgetList all = QApplication::topLevelWidgets();
            return std::count_if(all.begin(), all.end(),
                                 [](QWidget *w) { return qobject_cast<ArrowWidget *>(w) && w->isVisible(); });
        };
        QTRY_COMPARE(shownPopups(), 1);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(anchor, &leave);
        QVERIFY(!tab.explainPopup()->isVisible());
    }

    void explainTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("steps") << 0 << "page_1"
                               << "label_3"
                               << "3.Clicked \"Start calibration\";";
        QTest::newRow("scale") << 2 << "page_3"
                               << "label_7"
                               << "Set the required press key duration for triggering.";
        QTest::newRow("other type") << 5 << "page_1"
                                    << "label_1"
                                    << "1.Explain";
    }
    void explainTexts()
    {
        QFETCH(int, type);
        QFETCH(QString, page);
        QFETCH(QString, label);
        QFETCH(QString, text);
        DKeyCalibrationExplainDia explain(type);
        QCOMPARE(explain.findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName(), page);
        QCOMPARE(explain.findChild<QLabel *>(label)->text(), text);
    }

    void formAlone()
    {
        QWidget named;
        named.setObjectName("kept");
        Ui::DTriggerSettingPage form;
        form.setupUi(&named);
        QCOMPARE(named.objectName(), QString("kept"));
        QCOMPARE(form.stackedWidget->currentWidget(), form.page_SecondClose);
        QCOMPARE(form.widget_SensitivityShow->layout()->count(), 0);
        QCOMPARE(form.frame_SliderRateNum->layout()->count(), 0);
        QCOMPARE(form.horizontalSlider_ReleaseJourney->value(), 20);
        QCOMPARE(form.toolButton_Explain->text(), QString());
    }

    void pageTexts()
    {
        DTriggerSettingPage page;
        page.retranslateTexts();
        QCOMPARE(page.findChild<QLabel *>("label_3")->text(), QString("Press(Trigger)/Release(Reset)"));
        QCOMPARE(page.findChild<QCheckBox *>("checkBox_CalibrationMode")->text(), QString("Key calibration mode"));
        QVERIFY(!page.findChild<QWidget *>("frame_Top")->isVisibleTo(&page));
        QVERIFY(!page.findChild<QWidget *>("checkBox_IntensityTracking")->isVisibleTo(&page));
    }

    // The tab on a device page with an emulated magnetic keyboard: the keyboard's precision
    // sets the scale, "Apply" reaches the keyboard for the selected key, and a click on that
    // key brings its stored configuration back. Also kept as a screenshot.
    void withEmulatedKeyboard()
    {
        QDir(DDataManager::getInstance()->getUserConfigDir()).removeRecursively();
        DDataManager::getInstance()->setMagneticPrecision(0);
        DDataManager::getInstance()->setKeyRateOfReturnNum(0);
        QTemporaryDir dir;
        qputenv("TAVRIX_EMU_DIR", dir.path().toLocal8Bit());
        auto device = std::make_unique<EmuDevice>(dir.path(), EmuModels::find("QM68"), "t");
        QVERIFY(device->start());
        auto page = std::make_unique<DDevicePage>();
        page->resize(1280, 700);
        page->show();
        QTRY_VERIFY_WITH_TIMEOUT(page->currentDeviceLink() && !page->isBusy(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(DDataManager::getInstance()->getMagneticPrecision(), 40, 5000);
        DDataManager::getInstance()->setTheme(0);
        page->applyTheme();
        page->findChild<QToolButton *>("toolButton_TriggerSetting")->click();
        DTriggerSettingPage *tab = page->triggerSettingTab();
        QVERIFY(tab->isVisible());
        QCOMPARE(tab->travelScale()->levelCount(), 41);
        QCOMPARE(tab->currentConfig().strengthNum_L, 20);

        keyboardButCustom *key = nullptr;
        for (int cell = 0; cell < DDevicePage::kRows * DDevicePage::kColumns && !key; ++cell) {
            keyboardButCustom *candidate
                = page->keyButtonAt(cell / DDevicePage::kColumns, cell % DDevicePage::kColumns);
            if (candidate && candidate->keyDec() != 0)
                key = candidate;
        }
        QVERIFY(key);
        const QPoint corner = key->mapTo(page->keyboardPicture(), QPoint(0, 0));
        page->keyboardPicture()->selectKeysInRect(corner.x() - 2, corner.y() - 2, corner.x() + 2, corner.y() + 2);
        tab->findChild<QCheckBox *>("checkBox_QuickTrigger")->click();
        device->clearReceived();
        tab->findChild<QPushButton *>("pushButton_TriggerApply")->click();
        QByteArray bitmap(22, '\0');
        bitmap[key->keyColumn()] = char(1 << key->keyRow());
        HidReport wanted;
        HidReport::fromHex("01 29 00 00 00 18 0c " + QString::fromLatin1(bitmap.toHex(' ')) + " 14 14 0a 0a", &wanted);
        QTRY_VERIFY_WITH_TIMEOUT(device->receivedReports().contains(wanted), 3000);

        // Back to the plain state, then a click on the key shows what the keyboard stored.
        tab->reloadSettings();
        QVERIFY(!tab->findChild<QCheckBox *>("checkBox_QuickTrigger")->isChecked());
        page->onTheDragAreaHaveChanged(1, 1, key->keyRow(), key->keyColumn());  // as the picture reports a click
        QTRY_VERIFY_WITH_TIMEOUT(tab->findChild<QCheckBox *>("checkBox_QuickTrigger")->isChecked(), 3000);
        QCOMPARE(tab->findChild<QLabel *>("label_Journey3")->text(), QString("1.0mm"));

        // The themed scroll bar comes a moment after the theme.
        QTRY_VERIFY(!tab->findChild<QFrame *>("frame_3")->styleSheet().isEmpty());
        QDir().mkpath(QCoreApplication::applicationDirPath() + "/screenshots");
        QVERIFY(page->grab().save(QCoreApplication::applicationDirPath() + "/screenshots/devicepage_trigger.png"));
        page->closeAllLinks();
        page.reset();
        device.reset();
        qunsetenv("TAVRIX_EMU_DIR");
    }
};

TAVRIX_TEST_MAIN(TestTriggerSettingPage)
#include "tst_triggersettingpage.moc"
