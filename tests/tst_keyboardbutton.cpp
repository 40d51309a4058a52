#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/sidelightbuttoncustom.h"
#include "support/testmain.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QImage>
#include <QSignalSpy>

namespace {

// What a key button paints, rendered on a transparent image.
QImage paintOf(QWidget &w)
{
    QImage image(w.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    w.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool near(const QColor &a, const QColor &b, int tolerance = 3)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance && qAbs(a.alpha() - b.alpha()) <= tolerance;
}

QString text(const QColor &c)
{
    return QString("(%1,%2,%3,%4)").arg(c.red()).arg(c.green()).arg(c.blue()).arg(c.alpha());
}

enum Flag
{
    Hovered = 1,
    Chosen = 2,
    Assigned = 4,
    Unselectable = 8,
    DragSelected = 16,
    LightPreview = 32,
    SelectionHidden = 64,
    TriggerView = 128,
};

const QColor kSelected(10, 200, 10);
const QColor kTheme(20, 20, 230);
const QColor kAssigned(200, 200, 0);
const QColor kKeyColor(255, 255, 0);
const QColor kNone(0, 0, 0, 0);

QColor fill(QColor c)
{
    c.setAlpha(50);
    return c;
}

}  // namespace

class TestKeyboardButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paintPrecedence_data();
    void paintPrecedence();
    void twoMarkingsStack();
    void keyColourNeedsShowKeyColor();
    void enterOffsetAndMask();
    void hoverEventsAndAccessibility();
    void sideLightGradient();
    void previewKeyTintedLikeDrawn_data();
    void previewKeyTintedLikeDrawn();
};

void TestKeyboardButton::paintPrecedence_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("code");
    QTest::addColumn<QColor>("keyColor");
    QTest::addColumn<QColor>("centre");
    QTest::addColumn<QColor>("edge");
    const QColor black(0, 0, 0, 255);
    QTest::newRow("idle draws nothing") << 0 << 4 << kNone << kNone << kNone;
    QTest::newRow("hover") << int(Hovered) << 4 << kNone << fill(kTheme) << kTheme;
    QTest::newRow("hover with selection display off") << int(Hovered | SelectionHidden) << 4 << kNone << kNone << kNone;
    QTest::newRow("chosen") << int(Chosen) << 4 << kNone << fill(kSelected) << kSelected;
    QTest::newRow("chosen and hovered") << int(Chosen | Hovered) << 4 << kNone << fill(kTheme) << kTheme;
    QTest::newRow("chosen key shows no red")
        << int(Chosen | Unselectable) << 4 << kNone << fill(kSelected) << kSelected;
    QTest::newRow("cannot be chosen") << int(Unselectable) << 4 << kNone << QColor(200, 0, 0, 50) << QColor(200, 0, 0);
    QTest::newRow("assigned, fill always alpha 50") << int(Assigned) << 4 << kNone << fill(kAssigned) << kAssigned;
    QTest::newRow("rubber band not drawn in normal state") << int(DragSelected) << 4 << kNone << kNone << kNone;
    QTest::newRow("preview lit") << int(LightPreview) << 4 << kKeyColor << kKeyColor << kKeyColor;
    QTest::newRow("preview lit, rubber band marks")
        << int(LightPreview | DragSelected) << 4 << kKeyColor << kKeyColor << kTheme;
    QTest::newRow("preview lit, chosen is no mark")
        << int(LightPreview | Chosen) << 4 << kKeyColor << kKeyColor << kKeyColor;
    QTest::newRow("preview black is unlit") << int(LightPreview) << 4 << black << kNone << kNone;
    QTest::newRow("preview black, hovered") << int(LightPreview | Hovered) << 4 << black << kNone << kTheme;
    QTest::newRow("preview without marks")
        << int(LightPreview | SelectionHidden | Hovered) << 4 << kKeyColor << kKeyColor << kKeyColor;
    QTest::newRow("knob has no light") << int(LightPreview | SelectionHidden) << 800 << kKeyColor << kNone << kNone;
    QTest::newRow("roller has no light") << int(LightPreview | SelectionHidden) << 951 << kKeyColor << kNone << kNone;
    QTest::newRow("trigger view") << int(TriggerView) << 4 << kKeyColor << kKeyColor << kNone;
    QTest::newRow("trigger view wins over preview")
        << int(TriggerView | LightPreview | Chosen) << 4 << kKeyColor << kKeyColor << kTheme;
}

void TestKeyboardButton::paintPrecedence()
{
    QFETCH(int, flags);
    QFETCH(int, code);
    QFETCH(QColor, keyColor);
    QFETCH(QColor, centre);
    QFETCH(QColor, edge);

    keyboardButCustom key;
    key.setKeySize(40, 40);
    key.setKeyInfo(code, "K");
    key.setThemeColors(kSelected, kTheme);
    key.setAssignedFillColor(QColor(kAssigned.red(), kAssigned.green(), kAssigned.blue(), 200));
    key.setAssignedBorderColor(kAssigned);
    key.setShowKeyColor(true);
    key.setKeyColor(keyColor);
    key.setHovered(flags & Hovered);
    key.setSelected(bool(flags & Chosen), true);
    key.setAssigned(flags & Assigned);
    key.setSelectable(!(flags & Unselectable));
    key.setDragSelected(flags & DragSelected);
    key.setLightPreview(flags & LightPreview);
    key.setShowSelected(!(flags & SelectionHidden));
    key.setTriggerView(flags & TriggerView);

    const QImage image = paintOf(key);
    const QColor gotCentre = image.pixelColor(20, 20);
    const QColor gotEdge = image.pixelColor(0, 20);
    QVERIFY2(near(gotCentre, centre), qPrintable("centre " + text(gotCentre) + " expected " + text(centre)));
    QVERIFY2(near(gotEdge, edge), qPrintable("edge " + text(gotEdge) + " expected " + text(edge)));
}

void TestKeyboardButton::twoMarkingsStack()
{
    // A chosen key with an assignment shows the chosen marking over the assigned one.
    keyboardButCustom key;
    key.setKeySize(40, 40);
    key.setThemeColors(kSelected, kTheme);
    key.setAssigned(true);
    key.setSelected(true, true);
    const QImage image = paintOf(key);
    QVERIFY(near(image.pixelColor(0, 20), kSelected));
    QVERIFY2(image.pixelColor(20, 20).alpha() > 80, "both 50-alpha fills are drawn");
}

void TestKeyboardButton::keyColourNeedsShowKeyColor()
{
    keyboardButCustom key;
    key.setKeyColor(QColor(1, 2, 3));
    QCOMPARE(key.keyColor(), QColor(0, 0, 0, 0));
    key.setShowKeyColor(true);
    key.setKeyColor(QColor(1, 2, 3));
    QCOMPARE(key.keyColor(), QColor(1, 2, 3));
    // The custom-light colour is only stored.
    QVERIFY(!key.customLightColor().isValid());
    key.setCustomLightColor(QColor(9, 9, 9));
    QCOMPARE(key.customLightColor(), QColor(9, 9, 9));
}

void TestKeyboardButton::enterOffsetAndMask()
{
    keyboardButCustom key;
    key.setSpecialEnter(true);
    key.setSpecialEnterShape(1);
    key.setSpecialEnterOffset(10, 30);  // before the size: uses the default 34 x 38
    QCOMPARE(key.lowerEnterSize(), QSize(24, 8));

    key.setKeySize(60, 70);
    key.setSpecialEnterOffset(10, 35);
    QCOMPARE(key.lowerEnterSize(), QSize(50, 35));
    // The cut-out corner below the upper part lets the pointer through.
    QVERIFY(!key.mask().contains(QPoint(3, 60)));
    QVERIFY(key.mask().contains(QPoint(30, 20)));
    QVERIFY(key.mask().contains(QPoint(40, 60)));

    // The L outline is painted: its right edge carries the border colour.
    key.setThemeColors(kSelected, kTheme);
    key.setSelected(true, true);
    QVERIFY(near(paintOf(key).pixelColor(59, 50), kSelected, 40));

    key.setSpecialEnter(false);
    QVERIFY(key.mask().isEmpty());
}

void TestKeyboardButton::hoverEventsAndAccessibility()
{
    keyboardButCustom key;
    key.setKeySize(40, 40);
    key.setKeyInfo(4, "A");
    QSignalSpy enter(&key, &keyboardButCustom::sigCustomButMouseEnter);
    QSignalSpy leave(&key, &keyboardButCustom::sigCustomButMouseLeave);
    QEvent enterEvent(QEvent::Enter);
    QApplication::sendEvent(&key, &enterEvent);
    QVERIFY(key.isHovered());
    QEvent leaveEvent(QEvent::Leave);
    QApplication::sendEvent(&key, &leaveEvent);
    QVERIFY(!key.isHovered());
    QCOMPARE(enter.count(), 1);
    QCOMPARE(leave.count(), 1);

    // Screen readers find the key by its caption and can press it.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&key);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), QString("A"));
    QSignalSpy clicked(&key, &QAbstractButton::clicked);
    QVERIFY(iface->actionInterface());
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);

    sideLightButtonCustom segment;
    segment.setSegmentInfo(7, 1);
    QCOMPARE(QAccessible::queryAccessibleInterface(&segment)->text(QAccessible::Name), QString("Side light 7"));
}

void TestKeyboardButton::sideLightGradient()
{
    sideLightButtonCustom segment;
    QCOMPARE(segment.color(), QColor(0, 0, 0, 128));
    segment.setSegmentSize(40, 8);
    segment.setColor(QColor(0, 200, 0));
    QImage image = paintOf(segment);
    QVERIFY(near(image.pixelColor(20, 4), QColor(0, 200, 0), 12));  // full at the middle of the long side
    QVERIFY(image.pixelColor(0, 4).alpha() < 20);                   // fading out at its ends

    segment.setSegmentSize(8, 40);
    image = paintOf(segment);
    QVERIFY(near(image.pixelColor(4, 20), QColor(0, 200, 0), 12));

    segment.setSegmentSize(10, 10);  // square: nothing drawn
    image = paintOf(segment);
    QCOMPARE(image.pixelColor(5, 5).alpha(), 0);
}

void TestKeyboardButton::previewKeyTintedLikeDrawn_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("square, preview alpha") << QSize(40, 40) << QColor(250, 30, 0, 180);
    QTest::newRow("wide, opaque") << QSize(86, 40) << QColor(10, 120, 255);
    QTest::newRow("faint") << QSize(52, 38) << QColor(200, 200, 40, 40);
    QTest::newRow("colour changed after a paint") << QSize(40, 40) << QColor(0, 255, 90, 180);
}

// The live preview paints keys from a shape worked out once per size; it must look like the
// key drawn outright (face, then the rounded outline over it) in every colour.
void TestKeyboardButton::previewKeyTintedLikeDrawn()
{
    QFETCH(QSize, size);
    QFETCH(QColor, colour);
    keyboardButCustom drawn;
    keyboardButCustom tinted;
    for (keyboardButCustom *key : {&drawn, &tinted}) {
        key->setKeySize(size.width(), size.height());
        key->setKeyInfo(4, "K");
        key->setShowKeyColor(true);
        key->setLightPreview(true);
        key->setKeyColor(QColor(255, 255, 255, 90));
    }
    tinted.setShowSelected(false);
    paintOf(tinted);  // the shape is kept; a new colour is only a new tint
    drawn.setKeyColor(colour);
    tinted.setKeyColor(colour);
    const QImage want = paintOf(drawn);
    const QImage got = paintOf(tinted);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            QVERIFY2(near(got.pixelColor(x, y), want.pixelColor(x, y), 2),
                     qPrintable(QString("(%1,%2) ").arg(x).arg(y) + text(got.pixelColor(x, y)) + " expected "
                                + text(want.pixelColor(x, y))));
}

TAVRIX_TEST_MAIN(TestKeyboardButton)
#include "tst_keyboardbutton.moc"
