#include "support/testmain.h"
#include "widgets/batteryitem.h"
#include "widgets/flowlayout.h"
#include "widgets/myslider.h"
#include "widgets/slidercustomwidget.h"
#include "widgets/textmovewidget.h"

#include <QLabel>
#include <QSignalSpy>
#include <QSpacerItem>

namespace {

// Parent of a slider; counts the handle-pressed events it is sent.
class SliderOwner : public QWidget
{
public:
    int handlePresses = 0;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == MySlider::kHandlePressedEvent)
            ++handlePresses;
        return QWidget::event(e);
    }
};

// A widget with a fixed preferred size, to lay out.
class Block : public QWidget
{
public:
    Block(int w, int h) : m_size(w, h) { }
    QSize sizeHint() const override { return m_size; }
    QSize minimumSizeHint() const override { return m_size; }

private:
    QSize m_size;
};

void sendWheel(QWidget *widget)
{
    QWheelEvent wheel(QPointF(10, 10), widget->mapToGlobal(QPoint(10, 10)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(widget, &wheel);
}

}  // namespace

class TestSmallWidgets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sliderPressOnlyNearHandle_data();
    void sliderPressOnlyNearHandle();
    void sliderIgnoresWheelAndZeroMaximum();
    void stepSliderTicks_data();
    void stepSliderTicks();
    void stepSliderPress_data();
    void stepSliderPress();
    void stepSliderDragSnapsOnly();
    void stepSliderWithoutTicksOrBadInput();
    void batteryBands_data();
    void batteryBands();
    void flowLayoutWraps_data();
    void flowLayoutWraps();
    void flowLayoutItemsAndSpacers();
    void marqueeBouncesNarrowText();
    void marqueeTurnsWideTextWithAnyStep_data();
    void marqueeTurnsWideTextWithAnyStep();
    void marqueeWraps_data();
    void marqueeWraps();
    void marqueeStopsOnHover();
};

void TestSmallWidgets::sliderPressOnlyNearHandle_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("accepted");
    // Range 0..100 over 200 pixels, value 50: the handle is at x 100.
    QTest::newRow("x 92 within left margin") << 10 << 5 << 92 << true;
    QTest::newRow("x 90 on left edge") << 10 << 5 << 90 << true;
    QTest::newRow("x 89 left of margin") << 10 << 5 << 89 << false;
    QTest::newRow("x 105 on right edge") << 10 << 5 << 105 << true;
    QTest::newRow("x 106 right of margin") << 10 << 5 << 106 << false;
    QTest::newRow("x 10 on the groove") << 10 << 5 << 10 << false;
    QTest::newRow("margins 0,15: x 115") << 0 << 15 << 115 << true;
    QTest::newRow("margins 0,15: x 99") << 0 << 15 << 99 << false;
}

void TestSmallWidgets::sliderPressOnlyNearHandle()
{
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, x);
    QFETCH(bool, accepted);
    SliderOwner owner;
    auto *slider = new MySlider(&owner);
    slider->setOrientation(Qt::Horizontal);
    slider->setRange(0, 100);
    slider->setGeometry(0, 0, 200, 20);
    slider->setValue(50);
    slider->setHandleMargins(left, right);
    QCOMPARE(slider->handlePosition(), 100);

    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 10));
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 10));
    QCOMPARE(slider->value(), 50);  // a press never makes the value jump
    QCOMPARE(owner.handlePresses, accepted ? 1 : 0);
}

void TestSmallWidgets::sliderIgnoresWheelAndZeroMaximum()
{
    SliderOwner owner;
    auto *slider = new MySlider(&owner);
    slider->setOrientation(Qt::Horizontal);
    slider->setRange(0, 100);
    slider->setGeometry(0, 0, 200, 20);
    slider->setValue(50);
    sendWheel(slider);
    QCOMPARE(slider->value(), 50);

    slider->setRange(0, 0);
    QCOMPARE(slider->handlePosition(), 0);
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(3, 10));
    QCOMPARE(owner.handlePresses, 1);
    QCOMPARE(slider->value(), 0);
}

void TestSmallWidgets::stepSliderTicks_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<int>("lineEnd");
    QTest::newRow("130 wide, 4 steps") << 130 << 4 << QList<int> {10, 37, 64, 91, 118} << 118;
    QTest::newRow("130 wide, 5 steps") << 130 << 5 << QList<int> {10, 32, 54, 76, 98, 120} << 120;
    QTest::newRow("200 wide, 3 steps") << 200 << 3 << QList<int> {10, 70, 130, 190} << 190;
    QTest::newRow("200 wide, 7 steps") << 200 << 7 << QList<int> {10, 35, 60, 85, 110, 135, 160, 185} << 185;
}

void TestSmallWidgets::stepSliderTicks()
{
    QFETCH(int, width);
    QFETCH(int, steps);
    QFETCH(QList<int>, ticks);
    QFETCH(int, lineEnd);
    sliderCustomWidget slider;
    QCOMPARE(slider.size(), QSize(130, 30));
    slider.setFixedSize(width, 40);
    QCOMPARE(slider.lineY(), 20);
    QCOMPARE(slider.handleY(), 19);
    slider.setStepCount(steps);
    QCOMPARE(slider.tickPositions(), ticks);
    QCOMPARE(slider.lineEndX(), lineEnd);
    slider.setPosition(1);
    QCOMPARE(slider.handleX(), ticks.at(1));
}

void TestSmallWidgets::stepSliderPress_data()
{
    QTest::addColumn<int>("startIndex");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("emitted");  // -1: nothing
    QTest::addColumn<int>("handleX");
    // 130 wide, 5 steps: ticks 10, 32, 54, 76, 98, 120.
    QTest::newRow("4 px from a tick snaps") << 0 << 58 << 2 << 54;
    QTest::newRow("4 px left of a tick snaps") << 0 << 50 << 2 << 54;
    QTest::newRow("5 px away steps one tick right") << 0 << 59 << 1 << 32;
    QTest::newRow("far left steps one tick left") << 4 << 20 << 3 << 76;
    QTest::newRow("pressing the handle's tick re-emits") << 2 << 55 << 2 << 54;
    QTest::newRow("at the handle, off ticks") << 0 << 10 << 0 << 10;
    QTest::newRow("right of the last tick") << 5 << 127 << -1 << 120;
    QTest::newRow("left of the first tick") << 0 << 2 << -1 << 10;
}

void TestSmallWidgets::stepSliderPress()
{
    QFETCH(int, startIndex);
    QFETCH(int, x);
    QFETCH(int, emitted);
    QFETCH(int, handleX);
    sliderCustomWidget slider;
    slider.setStepCount(5);
    slider.setPosition(startIndex);
    QSignalSpy spy(&slider, &sliderCustomWidget::sigBackCurrentPositionNum);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(x, 15));
    QCOMPARE(spy.count(), emitted < 0 ? 0 : 1);
    if (emitted >= 0)
        QCOMPARE(spy.at(0).at(0).toInt(), emitted);
    QCOMPARE(slider.handleX(), handleX);
}

void TestSmallWidgets::stepSliderDragSnapsOnly()
{
    sliderCustomWidget slider;
    slider.setStepCount(5);
    QSignalSpy spy(&slider, &sliderCustomWidget::sigBackCurrentPositionNum);
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(10, 15));
    QMouseEvent farMove(QEvent::MouseMove, QPointF(65, 15), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&slider, &farMove);
    QCOMPARE(slider.handleX(), 10);  // no stepping while dragging
    QMouseEvent nearMove(QEvent::MouseMove, QPointF(74, 15), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&slider, &nearMove);
    QCOMPARE(slider.handleX(), 76);
    QMouseEvent hover(QEvent::MouseMove, QPointF(98, 15), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&slider, &hover);
    QCOMPARE(slider.handleX(), 76);  // no button held: nothing
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.last().at(0).toInt(), 3);
}

void TestSmallWidgets::stepSliderWithoutTicksOrBadInput()
{
    sliderCustomWidget slider;
    QSignalSpy spy(&slider, &sliderCustomWidget::sigBackCurrentPositionNum);
    // Before the step count is set there are no ticks to go to.
    QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(60, 15));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(slider.handleX(), 10);
    slider.grab();

    slider.setStepCount(0);
    slider.setStepCount(-3);
    QCOMPARE(slider.stepCount(), 5);
    QVERIFY(slider.tickPositions().isEmpty());
    slider.setPosition(3);
    QCOMPARE(slider.handleX(), 76);
    slider.setPosition(99);  // never past the groove
    QCOMPARE(slider.handleX(), 120);
    slider.setPosition(-2);
    QCOMPARE(slider.handleX(), 10);
}

void TestSmallWidgets::batteryBands_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("showText");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("width");
    QTest::addColumn<QColor>("colour");
    const QColor red(255, 60, 0), amber(200, 140, 0), green(100, 150, 100);
    QTest::newRow("0") << 0 << true << 0 << 0 << red;
    QTest::newRow("25") << 25 << true << 25 << 6 << red;
    QTest::newRow("26") << 26 << true << 26 << 6 << amber;
    QTest::newRow("50") << 50 << true << 50 << 12 << amber;
    QTest::newRow("51") << 51 << true << 51 << 12 << green;
    QTest::newRow("100") << 100 << true << 100 << 25 << green;
    QTest::newRow("255 from the keyboard") << 255 << true << 100 << 25 << green;
    QTest::newRow("negative") << -7 << true << 0 << 0 << red;
    QTest::newRow("charging, no text") << 10 << false << 10 << 2 << green;
}

void TestSmallWidgets::batteryBands()
{
    QFETCH(int, percent);
    QFETCH(bool, showText);
    QFETCH(int, shown);
    QFETCH(int, width);
    QFETCH(QColor, colour);
    BatteryItem battery;
    QCOMPARE(battery.fillColor(), QColor(100, 100, 100));
    battery.setShowText(showText);
    battery.setValue(percent);
    QCOMPARE(battery.value(), shown);
    QCOMPARE(battery.fillWidth(), width);
    QCOMPARE(battery.fillColor(), colour);
    QCOMPARE(battery.accessibleName(), QString("%1%").arg(shown));

    // The charge bar stays inside the gauge: nothing right of the frame is filled.
    battery.setFixedSize(40, 16);
    QImage image(battery.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    battery.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    for (int x = 32; x < image.width(); ++x)
        QCOMPARE(image.pixelColor(x, 7).alpha(), 0);
}

void TestSmallWidgets::flowLayoutWraps_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("itemWidths");
    QTest::addColumn<QList<QPoint>>("positions");
    QTest::addColumn<int>("height");
    // Margin 3, spacing 5 across and 4 down, items 20 high.
    QTest::newRow("one row") << 200 << QList<int> {40, 40, 40} << QList<QPoint> {{3, 3}, {48, 3}, {93, 3}} << 26;
    QTest::newRow("exact fit stays") << 136 << QList<int> {40, 40, 40} << QList<QPoint> {{3, 3}, {48, 3}, {93, 3}}
                                     << 26;
    QTest::newRow("one pixel short wraps")
        << 135 << QList<int> {40, 40, 40} << QList<QPoint> {{3, 3}, {48, 3}, {3, 27}} << 50;
    QTest::newRow("three rows") << 60 << QList<int> {40, 40, 40} << QList<QPoint> {{3, 3}, {3, 27}, {3, 51}} << 74;
    QTest::newRow("first item wider than the row")
        << 50 << QList<int> {90, 20} << QList<QPoint> {{3, 3}, {3, 27}} << 50;
}

void TestSmallWidgets::flowLayoutWraps()
{
    QFETCH(int, width);
    QFETCH(QList<int>, itemWidths);
    QFETCH(QList<QPoint>, positions);
    QFETCH(int, height);
    QWidget host;
    auto *flow = new FlowLayout(&host, 3, 5, 4);
    QList<Block *> blocks;
    for (int w : itemWidths) {
        blocks << new Block(w, 20);
        flow->addWidget(blocks.last());
    }
    QVERIFY(flow->hasHeightForWidth());
    QCOMPARE(flow->heightForWidth(width), height);
    flow->setGeometry(QRect(0, 0, width, height));
    for (int i = 0; i < blocks.size(); ++i)
        QCOMPARE(blocks.at(i)->pos(), positions.at(i));
    const int widest = *std::max_element(itemWidths.begin(), itemWidths.end());
    QCOMPARE(flow->minimumSize(), QSize(widest + 6, 26));
    QCOMPARE(flow->sizeHint(), flow->minimumSize());
}

void TestSmallWidgets::flowLayoutItemsAndSpacers()
{
    QWidget host;
    auto *flow = new FlowLayout(&host);  // style spacing and margins
    QVERIFY(flow->horizontalSpacing() >= 0);
    flow->addWidget(new Block(30, 10));
    flow->addItem(new QSpacerItem(10, 10));
    flow->addWidget(new Block(30, 10));
    QCOMPARE(flow->count(), 3);
    QVERIFY(flow->heightForWidth(50) > 10);
    QVERIFY(!flow->itemAt(-1));
    QVERIFY(!flow->itemAt(3));
    QVERIFY(!flow->takeAt(3));
    QLayoutItem *spacer = flow->takeAt(1);
    QVERIFY(spacer && spacer->spacerItem());
    delete spacer;
    QCOMPARE(flow->count(), 2);
    QCOMPARE(flow->expandingDirections(), Qt::Orientations());

    FlowLayout loose;  // no parent: no smart spacing
    QCOMPARE(loose.horizontalSpacing(), -1);
    QCOMPARE(loose.verticalSpacing(), -1);
}

void TestSmallWidgets::marqueeBouncesNarrowText()
{
    TextMoveWidget marquee;
    marquee.resize(100, 30);
    marquee.setText("ab");
    const int w = QFontMetrics(marquee.font()).horizontalAdvance("ab");
    QVERIFY(w < 50);
    QCOMPARE(marquee.step(), 2);
    QCOMPARE(marquee.interval(), 20);
    QCOMPARE(marquee.textPos().x(), 0);

    // Right until the text's end passes the right edge, then left back to 0, and again.
    QList<int> xs;
    for (int i = 0; i < 200; ++i) {
        marquee.updatePos();
        xs << marquee.textPos().x();
    }
    QCOMPARE(xs.first(), 2);
    const int peak = *std::max_element(xs.begin(), xs.end());
    QVERIFY(peak + w > 100 && peak + w <= 104);
    QCOMPARE(*std::min_element(xs.begin(), xs.end()), 0);  // turns at x <= 0
    for (int i = 1; i < xs.size(); ++i)
        QCOMPARE(qAbs(xs.at(i) - xs.at(i - 1)), 2);
    QCOMPARE(marquee.findChild<QLabel *>()->pos().x(), xs.last());
}

void TestSmallWidgets::marqueeTurnsWideTextWithAnyStep_data()
{
    QTest::addColumn<int>("step");
    QTest::newRow("step 2") << 2;
    QTest::newRow("step 3") << 3;
    QTest::newRow("step 7") << 7;
}

void TestSmallWidgets::marqueeTurnsWideTextWithAnyStep()
{
    QFETCH(int, step);
    TextMoveWidget marquee;
    marquee.resize(60, 30);
    marquee.setText("If the firmware is being updated, do not unplug the device!");
    marquee.setStep(step);
    const int w = QFontMetrics(marquee.font()).horizontalAdvance(marquee.text());
    QVERIFY(w > 60);
    int lowest = 0, highest = 0;
    for (int i = 0; i < 400; ++i) {
        marquee.updatePos();
        lowest = qMin(lowest, marquee.textPos().x());
        highest = qMax(highest, marquee.textPos().x());
    }
    // It stays within one step of its turn points instead of running off.
    QVERIFY(highest <= 10 + step);
    QVERIFY(lowest >= 60 - w - 10 - step);
    QVERIFY(lowest <= 60 - w - 10);
}

void TestSmallWidgets::marqueeWraps_data()
{
    QTest::addColumn<int>("style");
    QTest::newRow("left to right") << 1;
    QTest::newRow("right to left") << 2;
}

void TestSmallWidgets::marqueeWraps()
{
    QFETCH(int, style);
    TextMoveWidget marquee;
    marquee.resize(80, 30);
    marquee.setMoveStyle(static_cast<TextMoveWidget::MoveStyle>(style));
    marquee.setText("wrap");
    const int w = QFontMetrics(marquee.font()).horizontalAdvance("wrap");
    const int start = marquee.textPos().x();
    QCOMPARE(start, style == 1 ? -marquee.findChild<QLabel *>()->width() : 80);
    bool wrapped = false;
    int previous = start;
    for (int i = 0; i < 150; ++i) {
        marquee.updatePos();
        const int x = marquee.textPos().x();
        if (qAbs(x - previous) != 2) {
            wrapped = true;
            QCOMPARE(x, style == 1 ? -w + 2 : 80 - 2);
        }
        previous = x;
    }
    QVERIFY(wrapped);
}

void TestSmallWidgets::marqueeStopsOnHover()
{
    TextMoveWidget marquee;
    marquee.resize(100, 30);
    marquee.setText("ab");
    marquee.setMouseHoverStop(true);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&marquee, &enter);
    marquee.updatePos();
    QCOMPARE(marquee.textPos().x(), 0);
    QVERIFY(marquee.findChild<QLabel *>()->font().underline());
    QCOMPARE(marquee.cursor().shape(), Qt::PointingHandCursor);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&marquee, &leave);
    marquee.updatePos();
    QCOMPARE(marquee.textPos().x(), 2);
    QVERIFY(!marquee.findChild<QLabel *>()->font().underline());
}

TAVRIX_TEST_MAIN(TestSmallWidgets)
#include "tst_smallwidgets.moc"
