#include "keyboardview/dragshowarea.h"
#include "support/testmain.h"

#include <QMouseEvent>
#include <QSignalSpy>

namespace {

void mouse(QWidget &w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton,
           Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(type, pos, w.mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

void press(QWidget &w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
{
    mouse(w, QEvent::MouseButtonPress, p, b, b);
}
void move(QWidget &w, QPoint p, Qt::MouseButtons held = Qt::LeftButton)
{
    mouse(w, QEvent::MouseMove, p, Qt::NoButton, held);
}
void release(QWidget &w, QPoint p, Qt::MouseButton b = Qt::LeftButton)
{
    mouse(w, QEvent::MouseButtonRelease, p, b, Qt::NoButton);
}

QImage paintOf(QWidget &w)
{
    QImage image(w.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    w.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

}  // namespace

class TestDragShowArea : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void disabledReportsNothing();
    void drags_data();
    void drags();
    void rightPressWhileDragging();
    void singleKeyMode();
    void movesWithoutButton();
    void bandRectangle_data();
    void bandRectangle();
    void disableWhileDraggingKeepsTheBand();

private:
    QScopedPointer<dragShowArea> area;
    QScopedPointer<QSignalSpy> rects;
    QScopedPointer<QSignalSpy> moves;
    QScopedPointer<QSignalSpy> presses;
};

void TestDragShowArea::init()
{
    area.reset(new dragShowArea);
    area->resize(200, 100);
    area->setDragEnabled(true);
    rects.reset(new QSignalSpy(area.data(), &dragShowArea::sigDragArea));
    moves.reset(new QSignalSpy(area.data(), &dragShowArea::sigDragShowAreaMouseMovePoint));
    presses.reset(new QSignalSpy(area.data(), &dragShowArea::sigDragAreaMousePressOrRelease));
}

void TestDragShowArea::disabledReportsNothing()
{
    area->setDragEnabled(false);
    for (bool singleKey : {false, true}) {
        area->setSingleKeyMode(singleKey);
        press(*area, QPoint(10, 10));
        move(*area, QPoint(40, 40));
        release(*area, QPoint(40, 40));
        press(*area, QPoint(10, 10), Qt::RightButton);
        move(*area, QPoint(41, 41), Qt::NoButton);
    }
    QCOMPARE(rects->count() + moves->count() + presses->count(), 0);
    QVERIFY(!area->isDragging());
    const QImage image = paintOf(*area);
    QCOMPARE(image.pixelColor(20, 20).alpha(), 0);
}

void TestDragShowArea::drags_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("reported");  // start x, start y, end x, end y packed as a rect's corners
    QTest::newRow("up and left, not normalised")
        << QPoint(50, 40) << QPoint(20, 10) << QRect(QPoint(50, 40), QPoint(20, 10));
    QTest::newRow("released right of the area")
        << QPoint(50, 40) << QPoint(500, 30) << QRect(QPoint(50, 40), QPoint(200, 30));
    QTest::newRow("released below the area")
        << QPoint(50, 40) << QPoint(60, 900) << QRect(QPoint(50, 40), QPoint(60, 100));
    QTest::newRow("released above and left")
        << QPoint(50, 40) << QPoint(-30, -8) << QRect(QPoint(50, 40), QPoint(0, 0));
    QTest::newRow("a click without moving")
        << QPoint(70, 70) << QPoint(70, 70) << QRect(QPoint(70, 70), QPoint(70, 70));
}

void TestDragShowArea::drags()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QRect, reported);
    press(*area, from);
    QVERIFY(area->isDragging());
    move(*area, to);
    release(*area, to);
    QVERIFY(!area->isDragging());
    QCOMPARE(rects->count(), 1);
    const QList<QVariant> expected {reported.left(), reported.top(), reported.right(), reported.bottom()};
    QCOMPARE(rects->first(), expected);
    QCOMPARE(moves->count(), 0);  // no move points while drawing
}

void TestDragShowArea::rightPressWhileDragging()
{
    press(*area, QPoint(10, 10));
    press(*area, QPoint(20, 20), Qt::RightButton);
    QCOMPARE(rects->count(), 1);
    QCOMPARE(rects->first(), (QList<QVariant> {0, 0, 0, 0}));
    QVERIFY(area->isDragging());
    release(*area, QPoint(30, 30));
    QCOMPARE(rects->last(), (QList<QVariant> {10, 10, 30, 30}));
}

void TestDragShowArea::singleKeyMode()
{
    area->setSingleKeyMode(true);
    press(*area, QPoint(15, 25));
    release(*area, QPoint(16, 26));
    QCOMPARE(presses->count(), 2);
    QCOMPARE(presses->at(0).first().toBool(), true);
    QCOMPARE(presses->at(1).first().toBool(), false);
    QCOMPARE(moves->count(), 1);
    QCOMPARE(moves->first(), (QList<QVariant> {16, 26}));
    QCOMPARE(rects->count(), 0);
    QVERIFY(!area->isDragging());
}

void TestDragShowArea::movesWithoutButton()
{
    for (int x = 1; x <= 5; ++x)
        move(*area, QPoint(x, 2 * x), Qt::NoButton);
    QCOMPARE(moves->count(), 5);
    QCOMPARE(moves->last(), (QList<QVariant> {5, 10}));
}

void TestDragShowArea::bandRectangle_data()
{
    QTest::addColumn<QPoint>("to");  // from (50, 50)
    QTest::addColumn<QSize>("size");
    QTest::newRow("10 right, 10 down") << QPoint(60, 60) << QSize(8, 8);
    QTest::newRow("10 left, 10 up") << QPoint(40, 40) << QSize(-8, -8);
    QTest::newRow("1 right") << QPoint(51, 50) << QSize(-1, 0);
    QTest::newRow("1 left") << QPoint(49, 50) << QSize(-1, 0);
    QTest::newRow("clamped at the right edge") << QPoint(400, 60) << QSize(148, 8);
}

void TestDragShowArea::bandRectangle()
{
    QFETCH(QPoint, to);
    QFETCH(QSize, size);
    area->setColor(0, 0, 255);
    press(*area, QPoint(50, 50));
    move(*area, to);
    QCOMPARE(area->bandRect(), QRect(QPoint(50, 50), size));
    if (size.width() > 2 && size.height() > 2) {
        const QColor inside = paintOf(*area).pixelColor(50 + size.width() / 2, 50 + size.height() / 2);
        QCOMPARE(inside.blue(), 255);
        QVERIFY(qAbs(inside.alpha() - 100) <= 2);
    }
}

void TestDragShowArea::disableWhileDraggingKeepsTheBand()
{
    press(*area, QPoint(10, 10));
    area->setDragEnabled(false);
    move(*area, QPoint(90, 90));
    release(*area, QPoint(90, 90));
    QVERIFY(area->isDragging());
    QCOMPARE(rects->count(), 0);
    area->setDragEnabled(true);
    move(*area, QPoint(30, 40));
    release(*area, QPoint(30, 40));
    QCOMPARE(rects->first(), (QList<QVariant> {10, 10, 30, 40}));
}

TAVRIX_TEST_MAIN(TestDragShowArea)
#include "tst_dragshowarea.moc"
