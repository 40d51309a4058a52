#include "devicepage/pagerelayrules.h"
#include "support/testmain.h"

using namespace PageRelayRules;

class TestPageRelayRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dragRectangles_data()
    {
        QTest::addColumn<QList<int>>("drag");  // start x, y, end x, y
        QTest::addColumn<QList<int>>("rect");  // left, top, right, bottom; empty: ignored
        QTest::newRow("top left to bottom right") << QList<int> {10, 20, 110, 80} << QList<int> {10, 20, 110, 80};
        QTest::newRow("bottom right to top left") << QList<int> {110, 80, 10, 20} << QList<int> {10, 20, 110, 80};
        QTest::newRow("bottom left to top right") << QList<int> {10, 80, 110, 20} << QList<int> {10, 20, 110, 80};
        QTest::newRow("top right to bottom left") << QList<int> {110, 20, 10, 80} << QList<int> {10, 20, 110, 80};
        QTest::newRow("horizontal line") << QList<int> {10, 20, 110, 20} << QList<int> {0, 0, 0, 0};
        QTest::newRow("vertical line") << QList<int> {10, 20, 10, 80} << QList<int> {0, 0, 0, 0};
        QTest::newRow("click") << QList<int> {30, 40, 30, 40} << QList<int>();
        QTest::newRow("right press") << QList<int> {0, 0, 0, 0} << QList<int> {0, 0, 0, 0};
        QTest::newRow("click on the edge") << QList<int> {0, 40, 0, 40} << QList<int> {0, 0, 0, 0};
    }

    void dragRectangles()
    {
        QFETCH(QList<int>, drag);
        QFETCH(QList<int>, rect);
        KeyRect r {-1, -1, -1, -1};
        QCOMPARE(dragRectangle(drag[0], drag[1], drag[2], drag[3], &r), !rect.isEmpty());
        if (!rect.isEmpty())
            QCOMPARE((QList<int> {r.left, r.top, r.right, r.bottom}), rect);
    }

    void rubberBandAndReactiveModes()
    {
        QVERIFY(isRubberBandActive(4, -1));
        QVERIFY(isRubberBandActive(1, 10));
        QVERIFY(!isRubberBandActive(1, 2));
        QVERIFY(!isRubberBandActive(0, 10));
        QList<int> reactive;
        for (int mode = 0; mode < 20; ++mode) {
            if (isKeyReactiveMode(mode))
                reactive << mode;
        }
        QCOMPARE(reactive, (QList<int> {6, 7, 8, 11, 12, 16}));
    }
};

TAVRIX_TEST_MAIN(TestPageRelayRules)
#include "tst_pagerelayrules.moc"
