// The action grid of a dynamic-keystroke key: tap toggles, bar removal by click, and
// stretching a tap into a held bar by dragging its edge.
#include "advancedkeys/ddksshowwidget.h"
#include "advancedkeys/seniorkeys.h"
#include "support/testmain.h"

#include <QMouseEvent>
#include <QSignalSpy>

using Row = DDksShowWidget::Row;
Q_DECLARE_METATYPE(Row)

namespace {

void send(QWidget *w, QEvent::Type type, const QPoint &pos)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, type == QEvent::MouseMove ? Qt::NoButton : buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

// A 400 x 160 grid: cells 100 x 40, points at x 20, 120, 220, 320 and rows at y 15, 55, 95, 135.
struct Grid
{
    DDksShowWidget widget;
    QSignalSpy edits {&widget, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS};

    explicit Grid(const Row &row0 = {})
    {
        widget.resize(400, 160);
        widget.initGrid(400, 160);
        SeniorKeyInfo info = SeniorKeys::newRecord(1, SeniorKeyType_DKS);
        for (int p = 0; p < 4; ++p)
            info.dksActions[p] = row0[p];
        widget.setStuInfo(info);
        widget.show();
        exposed = QTest::qWaitForWindowExposed(&widget);
    }
    bool exposed = false;
    Row row(int key = 0) const
    {
        const SeniorKeyInfo info = widget.getStuInfo();
        return {info.dksActions[key * 4], info.dksActions[key * 4 + 1], info.dksActions[key * 4 + 2],
                info.dksActions[key * 4 + 3]};
    }
    void move(int x, int y)
    {
        send(&widget, QEvent::MouseMove, {x, y});
        widget.repaint();  // the drag is followed while painting
    }
    void click(int x, int y)
    {
        move(x, y);
        send(&widget, QEvent::MouseButtonPress, {x, y});
        send(&widget, QEvent::MouseButtonRelease, {x, y});
    }
    // Drags the edge of the tap at point p of row 0 through the given x positions.
    void dragEdge(int p, const QList<int> &xs)
    {
        const QPoint handle(widget.pointX(p) + 6, widget.rowY(0));
        move(handle.x(), handle.y());
        QVERIFY(widget.isOnDragHandle());
        send(&widget, QEvent::MouseButtonPress, handle);
        for (int x : xs)
            move(x, handle.y());
        send(&widget, QEvent::MouseButtonRelease, {xs.isEmpty() ? handle.x() : xs.last(), handle.y()});
    }
};

}  // namespace

class TestDksGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clickTogglesATap()
    {
        Grid g;
        g.click(120, 55);
        QCOMPARE(g.row(1), (Row {0, 1, 0, 0}));
        QCOMPARE(g.edits.count(), 1);
        QVERIFY(!g.widget.isHovering());  // nothing highlighted after a release
        g.click(120, 55);
        QCOMPARE(g.row(1), (Row {0, 0, 0, 0}));
        QCOMPARE(g.edits.count(), 2);
    }

    void clickOnTheEndOfABarTogglesItsTap()
    {
        Grid g({2, 0, 0, 0});
        g.click(120, 15);
        QCOMPARE(g.row(), (Row {2, 1, 0, 0}));
    }

    void clickOnABar_data()
    {
        QTest::addColumn<Row>("before");
        QTest::addColumn<int>("x");
        QTest::addColumn<Row>("after");
        QTest::newRow("three cells, removed whole") << Row {2, 2, 2, 1} << 170 << Row {0, 0, 0, 1};
        QTest::newRow("first of 2,3,2") << Row {2, 3, 2, 0} << 60 << Row {0, 2, 2, 0};
        QTest::newRow("second of 2,3,2") << Row {2, 3, 2, 0} << 150 << Row {2, 0, 0, 0};
        QTest::newRow("middle of 2,3,3") << Row {2, 3, 3, 0} << 150 << Row {2, 0, 2, 0};
        QTest::newRow("last of 2,2,3") << Row {2, 2, 3, 0} << 250 << Row {2, 2, 0, 0};
        QTest::newRow("single bar at point 1") << Row {1, 2, 0, 1} << 150 << Row {1, 0, 0, 1};
        QTest::newRow("left 3 becomes a hold") << Row {2, 3, 0, 0} << 60 << Row {0, 2, 0, 0};
    }
    void clickOnABar()
    {
        QFETCH(Row, before);
        QFETCH(int, x);
        QFETCH(Row, after);
        Grid g(before);
        g.move(x, 15);
        send(&g.widget, QEvent::MouseButtonPress, {x, 15});
        QCOMPARE(g.edits.count(), 0);  // a bar edit is stored on release
        send(&g.widget, QEvent::MouseButtonRelease, {x, 15});
        QCOMPARE(g.row(), after);
        QCOMPARE(g.edits.count(), 1);
    }

    void dragHandleOnlyOnTaps_data()
    {
        QTest::addColumn<Row>("row");
        QTest::addColumn<int>("point");
        QTest::addColumn<bool>("handle");
        QTest::newRow("tap") << Row {1, 0, 0, 0} << 0 << true;
        QTest::newRow("tap in the last column") << Row {0, 0, 0, 1} << 3 << false;
        QTest::newRow("empty point") << Row {0, 0, 0, 0} << 1 << false;
        QTest::newRow("bar start") << Row {2, 0, 0, 0} << 0 << false;
    }
    void dragHandleOnlyOnTaps()
    {
        QFETCH(Row, row);
        QFETCH(int, point);
        QFETCH(bool, handle);
        Grid g(row);
        g.move(g.widget.pointX(point) + 6, 15);
        QCOMPARE(g.widget.isOnDragHandle(), handle);
        QCOMPARE(g.widget.cursor().shape(), handle ? Qt::SizeHorCursor : Qt::ArrowCursor);
    }

    void dragStretchesATap_data()
    {
        QTest::addColumn<Row>("before");
        QTest::addColumn<int>("point");
        QTest::addColumn<QList<int>>("xs");
        QTest::addColumn<Row>("after");
        QTest::addColumn<int>("edits");
        QTest::newRow("free points: up to point 3")
            << Row {1, 0, 0, 0} << 0 << QList<int> {60, 96, 150, 186, 260, 400} << Row {2, 2, 2, 0} << 1;
        QTest::newRow("neighbour taken: one cell")
            << Row {1, 1, 0, 0} << 0 << QList<int> {60, 96, 300} << Row {2, 1, 0, 0} << 1;
        QTest::newRow("no move") << Row {1, 0, 0, 0} << 0 << QList<int> {} << Row {1, 0, 0, 0} << 0;
        QTest::newRow("released short, still reported")
            << Row {1, 0, 0, 0} << 0 << QList<int> {40} << Row {1, 0, 0, 0} << 1;
        QTest::newRow("after a bar 0-1") << Row {2, 1, 0, 0} << 1 << QList<int> {160, 196} << Row {2, 3, 0, 0} << 1;
        QTest::newRow("stretched and shrunk back")
            << Row {1, 0, 0, 0} << 0 << QList<int> {96, 186, 96, 30} << Row {1, 0, 0, 0} << 1;
    }
    void dragStretchesATap()
    {
        QFETCH(Row, before);
        QFETCH(int, point);
        QFETCH(QList<int>, xs);
        QFETCH(Row, after);
        QFETCH(int, edits);
        Grid g(before);
        QVERIFY(g.exposed);
        g.dragEdge(point, xs);
        QCOMPARE(g.row(), after);
        QCOMPARE(g.edits.count(), edits);
    }

    void pressesBeforeARecordAreIgnored()
    {
        DDksShowWidget widget;
        widget.initGrid(400, 160);
        QSignalSpy edits(&widget, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
        send(&widget, QEvent::MouseMove, {20, 15});
        send(&widget, QEvent::MouseButtonPress, {20, 15});
        send(&widget, QEvent::MouseButtonRelease, {20, 15});
        QCOMPARE(edits.count(), 0);
        QCOMPARE(widget.getStuInfo().dksActions[0], 0);
    }
};

TAVRIX_TEST_MAIN(TestDksGrid)
#include "tst_dksgrid.moc"
