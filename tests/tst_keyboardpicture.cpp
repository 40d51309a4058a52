#include "app/ddatamanager.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/keyboardimageframeitem.h"
#include "keyboardview/keyselectframe.h"
#include "keyboardview/sidelightbuttoncustom.h"
#include "support/layoutfixture.h"
#include "support/testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QSignalSpy>

namespace {

// A picture of the full-size model whose key layer is rebuilt from a fixture.
struct FixturePicture
{
    hidDeviceJoinFrame picture;
    explicit FixturePicture(const QByteArray &text)
    {
        picture.resize(1100, 420);
        picture.loadDevice("QR108");
        picture.keyLayer()->parseKeyboardInfo(text);
        picture.show();
        picture.layout()->activate();
    }
    QPoint frame() const { return picture.pictureFrame()->mapTo(&picture, QPoint(0, 0)); }
};

// Keys: A at (101, 20) 21 x 30 in row 0; B at (40, 60) 30 x 30 in row 1; a tall
// key C at (200, 60) 30 x 62 in row 1; D at (200, 100) in row 2 under C's lower half.
QByteArray hitLayout()
{
    LayoutFixture f;
    f.setKey(0, 0, 4, 101, 20, 21, 30, "\"A\"");
    f.setKey(1, 0, 5, 40, 60, 30, 30, "\"B\"");
    f.setKey(1, 1, 6, 200, 60, 30, 62, "\"C\"");
    f.setKey(2, 0, 7, 10, 100, 30, 30, "\"D\"");
    f.setKey(2, 1, 8, 240, 100, 30, 30, "\"E\"");
    return f.text();
}

}  // namespace

class TestKeyboardPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void layoutPixelRounding_data();
    void layoutPixelRounding();
    void framesAndPlacement_data();
    void framesAndPlacement();
    void sideLightsMoveToTheirEdges();
    void recordGridAndBands();
    void rubberBand_data();
    void rubberBand();
    void hoverIsStrictlyInside_data();
    void hoverIsStrictlyInside();
    void pressedFlagSkipsHover();
    void toggleAndClear();
    void specialEnterScaling();
    void failedLayoutGivesNotice();
    void rebuiltLayerDropsOldButtons();
    void pictureVariants();
    void screenshots_data();
    void screenshots();
};

void TestKeyboardPicture::initTestCase()
{
    // The pictures lie beside the executable; tests run from their own folder.
    const QString pictures = QString::fromLocal8Bit(qgetenv("TAVRIX_BIN_DIR")) + "/images";
    const QString here = DDataManager::getAppDirPath() + "/images";
    if (!QFileInfo::exists(here) && QFileInfo::exists(pictures))
        QVERIFY(QFile::link(pictures, here));
}

void TestKeyboardPicture::layoutPixelRounding_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("pixels");
    QTest::newRow("2.35 down") << 2.35f << 2;
    QTest::newRow("2.45 up") << 2.45f << 3;
    QTest::newRow("a first decimal of 4 goes up") << 7.4f << 8;
    QTest::newRow("151.5 up") << 151.5f << 152;
    QTest::newRow("13.2 down") << 13.2f << 13;
    QTest::newRow("whole") << 30.0f << 30;
    QTest::newRow("zero") << 0.0f << 0;
    QTest::newRow("8 x 1.3 in single precision") << 8 * 1.3f << 10;
}

void TestKeyboardPicture::layoutPixelRounding()
{
    QFETCH(float, value);
    QFETCH(int, pixels);
    QCOMPARE(hidDeviceJoinFrame::toLayoutPixel(value), pixels);
}

void TestKeyboardPicture::framesAndPlacement_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<float>("scale");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("keyA");  // fixture key at (101, 20) 21 x 30
    QTest::newRow("1.0") << "QR108" << 1.0f << QSize(764, 244) << QRect(111, 30, 21, 30);
    QTest::newRow("1.1, 818.4 goes up") << "QR108" << 1.1f << QSize(839, 267) << QRect(121, 32, 23, 33);
    QTest::newRow("1.5 rounds .5 up") << "QR108" << 1.5f << QSize(1136, 356) << QRect(162, 40, 32, 45);
    QTest::newRow("2.0") << "QR108" << 2.0f << QSize(1508, 468) << QRect(212, 50, 42, 60);
    QTest::newRow("unknown model keeps 20 x 20") << "QX999" << 2.0f << QSize(20, 20) << QRect(212, 50, 42, 60);
}

void TestKeyboardPicture::framesAndPlacement()
{
    QFETCH(QString, model);
    QFETCH(float, scale);
    QFETCH(QSize, frame);
    QFETCH(QRect, keyA);
    hidDeviceJoinFrame picture;
    picture.loadDevice(model);
    picture.keyLayer()->parseKeyboardInfo(hitLayout());
    picture.setScale(scale);
    QCOMPARE(picture.pictureFrame()->size(), frame);
    // The stored frame size stays unscaled.
    QCOMPARE(picture.pictureFrameSize(), model == "QR108" ? QSize(764, 244) : QSize(20, 20));
    keyboardButCustom *a = picture.keyLayer()->keyButtonMap().value(4);
    QCOMPARE(a->geometry(), keyA);
    QCOMPARE(a->keyPosition(), keyA.topLeft());
    QCOMPARE(QSize(a->keyWidth(), a->keyHeight()), keyA.size());
    // Placeholders are never moved.
    QCOMPARE(picture.keyLayer()->keyAt(0, 1)->geometry(), QRect(9, 9, 0, 0));
}

void TestKeyboardPicture::sideLightsMoveToTheirEdges()
{
    hidDeviceJoinFrame picture;
    picture.loadDevice("QR108");
    const QMap<int, sideLightButtonCustom *> segments = picture.keyLayer()->sideLightButtonMap();
    // Before any scaling they stand where the layer read them: layout + margin.
    QCOMPARE(segments.value(1)->geometry(), QRect(10, 26, 8, 32));
    keyboardButCustom *esc = picture.keyLayer()->keyButtonMap().value(41);
    const QRect escBefore = esc->geometry();

    picture.setScale(1.0f);
    QCOMPARE(segments.value(1)->geometry(), QRect(0, 26, 8, 32));     // left, posX 0: the frame's edge
    QCOMPARE(segments.value(7)->geometry(), QRect(30, 234, 32, 8));   // bottom: frame height - 10
    QCOMPARE(segments.value(34)->geometry(), QRect(754, 26, 8, 32));  // right: frame width - 10
    QCOMPARE(segments.value(35)->geometry(), QRect(9, 9, 0, 0));      // placeholders stay
    QCOMPARE(esc->geometry(), escBefore);

    picture.setScale(2.0f);
    QCOMPARE(segments.value(1)->geometry(), QRect(0, 42, 8, 64));  // edge width unscaled
    QCOMPARE(segments.value(7)->geometry(), QRect(50, 458, 64, 8));
    QCOMPARE(segments.value(34)->geometry(), QRect(1498, 42, 8, 64));
    QCOMPARE(segments.value(34)->segmentSize(), QSize(8, 64));
}

void TestKeyboardPicture::recordGridAndBands()
{
    hidDeviceJoinFrame picture;
    picture.loadDevice("QM68");
    const QVector<KeyLayoutRecord> bands = picture.rowBands();
    QCOMPARE(bands.size(), 6);
    QCOMPARE(bands[0].code, 0);                    // the compact model's empty function row
    QCOMPARE(bands[1].code, 41);                   // Esc begins the number row
    QCOMPARE(picture.gridRecord(4, 14).code, 82);  // Up
    QCOMPARE(picture.gridRecord(5, 15).code, 79);  // Right
}

void TestKeyboardPicture::rubberBand_data()
{
    QTest::addColumn<QPoint>("from");  // relative to A's top-left corner as the hit test sees it
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("selected");
    QTest::newRow("corner on the band's top left") << QPoint(0, 0) << QPoint(40, 40) << true;
    QTest::newRow("dragged up and left") << QPoint(40, 40) << QPoint(0, 0) << true;
    QTest::newRow("dragged down and left") << QPoint(40, 0) << QPoint(0, 40) << true;
    QTest::newRow("dragged up and right") << QPoint(0, 40) << QPoint(40, 0) << true;
    QTest::newRow("corner on the band's bottom right") << QPoint(-40, -40) << QPoint(0, 0) << true;
    QTest::newRow("all but the corner") << QPoint(1, 1) << QPoint(60, 60) << false;
    QTest::newRow("empty band") << QPoint(-5, -5) << QPoint(-5, -5) << false;
}

void TestKeyboardPicture::rubberBand()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(bool, selected);
    FixturePicture f(hitLayout());
    f.picture.setScale(1.5f);
    // A at posX 101, posY 20: corner at trunc(101 * 1.5) + frame + 10.
    const QPoint corner = f.frame() + QPoint(151 + 10, 30 + 10);
    keyboardButCustom *b = f.picture.keyLayer()->keyButtonMap().value(5);
    f.picture.selectKeysInRect(b->x(), b->y(), b->x(), b->y());  // an earlier selection is replaced
    QSignalSpy changed(&f.picture, &hidDeviceJoinFrame::sigTheDragAreaHaveChanged);
    const QPoint p1 = corner + from, p2 = corner + to;
    f.picture.selectKeysInRect(p1.x(), p1.y(), p2.x(), p2.y());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first(), (QList<QVariant> {0, -1, -1, -1}));
    keyboardButCustom *a = f.picture.keyLayer()->keyButtonMap().value(4);
    QCOMPARE(f.picture.selectedKeys().contains(a), selected);
    QCOMPARE(a->isDragSelected(), selected);
    QVERIFY(!b->isDragSelected());
    QCOMPARE(f.picture.selectedKeys().size(), selected ? 1 : 0);
}

void TestKeyboardPicture::hoverIsStrictlyInside_data()
{
    QTest::addColumn<QPoint>("point");  // picture coordinates less the frame position, scale 1
    QTest::addColumn<int>("code");      // 0: nothing found
    QTest::newRow("inside A") << QPoint(115, 40) << 4;
    QTest::newRow("A's left edge") << QPoint(111, 40) << 0;
    QTest::newRow("A's right edge") << QPoint(132, 40) << 0;
    QTest::newRow("A's top edge") << QPoint(115, 30) << 0;
    QTest::newRow("between keys of a row") << QPoint(150, 40) << 0;
    QTest::newRow("tall key in its own band") << QPoint(215, 80) << 6;
    QTest::newRow("tall key below its band is not found") << QPoint(215, 120) << 0;
    QTest::newRow("row below") << QPoint(255, 120) << 8;
}

void TestKeyboardPicture::hoverIsStrictlyInside()
{
    QFETCH(QPoint, point);
    QFETCH(int, code);
    FixturePicture f(hitLayout());
    f.picture.setScale(1.0f);
    QSignalSpy oneKey(&f.picture, &hidDeviceJoinFrame::sigDragAreaMoveOneKey);
    const QPoint p = f.frame() + point;
    f.picture.hoverKeyAt(p.x(), p.y(), 1);
    QCOMPARE(oneKey.count(), 1);
    QCOMPARE(oneKey.first().first().toBool(), code != 0);
    keyboardButCustom *hovered = f.picture.hoveredKey();
    QCOMPARE(hovered ? hovered->keyDec() : 0, code);
    if (hovered) {
        QVERIFY(hovered->isHovered());
        // Moving off every key removes the mark.
        f.picture.hoverKeyAt(f.frame().x() + 5, f.frame().y() + 5, 1);
        QVERIFY(!hovered->isHovered());
        QVERIFY(!f.picture.hoveredKey());
        QCOMPARE(oneKey.last().first().toBool(), false);
    }
}

void TestKeyboardPicture::pressedFlagSkipsHover()
{
    FixturePicture f(hitLayout());
    QSignalSpy oneKey(&f.picture, &hidDeviceJoinFrame::sigDragAreaMoveOneKey);
    f.picture.toggleKeyAt(true);  // a press with no hovered key only sets the flag
    const QPoint insideA = f.frame() + QPoint(115, 40);
    f.picture.hoverKeyAt(insideA.x(), insideA.y(), 1);
    QCOMPARE(oneKey.count(), 0);
    QVERIFY(!f.picture.hoveredKey());
    f.picture.toggleKeyAt(false);
    f.picture.hoverKeyAt(insideA.x(), insideA.y(), 1);
    QCOMPARE(oneKey.count(), 1);
}

void TestKeyboardPicture::toggleAndClear()
{
    FixturePicture f(hitLayout());
    QSignalSpy changed(&f.picture, &hidDeviceJoinFrame::sigTheDragAreaHaveChanged);
    const QPoint insideB = f.frame() + QPoint(55, 75);
    f.picture.hoverKeyAt(insideB.x(), insideB.y(), 1);
    keyboardButCustom *b = f.picture.hoveredKey();
    QVERIFY(b);
    f.picture.toggleKeyAt(true);
    f.picture.toggleKeyAt(false);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last(), (QList<QVariant> {1, 1, 1, 0}));
    QVERIFY(b->isDragSelected());
    f.picture.toggleKeyAt(true);
    QCOMPARE(changed.last(), (QList<QVariant> {1, -1, 1, 0}));
    QVERIFY(!b->isDragSelected());
    QVERIFY(f.picture.selectedKeys().isEmpty());
    f.picture.toggleKeyAt(false);

    // Clearing the light preview leaves the selection list, though not the marks.
    f.picture.toggleKeyAt(true);
    f.picture.toggleKeyAt(false);
    f.picture.clearLightPreview();
    QVERIFY(!b->isDragSelected());
    QCOMPARE(f.picture.selectedKeys(), QList<keyboardButCustom *> {b});
    f.picture.clearSelection(false);
    QCOMPARE(f.picture.selectedKeys().size(), 1);
    f.picture.clearSelection(true);
    QVERIFY(f.picture.selectedKeys().isEmpty());
    QVERIFY(b->isLightPreview());
}

void TestKeyboardPicture::specialEnterScaling()
{
    DDataManager *dm = DDataManager::getInstance();
    // The flag stands from an earlier layout; this picture has no keys at all.
    dm->setSpecialEnterKey(true);
    hidDeviceJoinFrame empty;
    empty.loadDevice("QX999");
    dm->setSpecialEnterKey(true);
    empty.setScale(1.5f);  // nothing to move, and no crash
    QCOMPARE(empty.pictureFrame()->size(), QSize(20, 20));

    LayoutFixture f;
    f.setHeader("specialEnterKey", "1");
    f.setHeader("specialEnterKeyShape", "1");
    f.setKey(2, 13, 40, 400, 40, 46, 62, "\"Enter\"");
    hidDeviceJoinFrame picture;
    picture.loadDevice("QR108");
    picture.keyLayer()->parseKeyboardInfo(f.text());
    picture.setScale(2.0f);
    keyboardButCustom *enter = picture.keyLayer()->keyButtonMap().value(40);
    QCOMPARE(enter->specialEnterOffset(), QPoint(20, 60));
    QCOMPARE(enter->lowerEnterSize(), QSize(92 - 20, 124 - 60));
    dm->setSpecialEnterKey(false);
}

void TestKeyboardPicture::failedLayoutGivesNotice()
{
    hidDeviceJoinFrame picture;
    QSignalSpy failed(&picture, &hidDeviceJoinFrame::sigKeyboardLoadFailed);
    QSignalSpy moved(&picture, &hidDeviceJoinFrame::sigDragAreaMoveOneKey);
    picture.loadDevice("QX999");
    QCOMPARE(failed.count(), 1);
    QVERIFY(failed.first().first().toString().contains("QX999"));
    QVERIFY(picture.rowBands().isEmpty());
    picture.hoverKeyAt(50, 50, 4);
    QCOMPARE(moved.first().first().toBool(), false);
    picture.selectKeysInRect(0, 0, 5000, 5000);
    QVERIFY(picture.selectedKeys().isEmpty());
}

void TestKeyboardPicture::rebuiltLayerDropsOldButtons()
{
    FixturePicture f(hitLayout());
    const QPoint insideB = f.frame() + QPoint(55, 75);
    f.picture.hoverKeyAt(insideB.x(), insideB.y(), 1);
    f.picture.toggleKeyAt(true);
    f.picture.toggleKeyAt(false);
    QCOMPARE(f.picture.selectedKeys().size(), 1);
    // A failed reading drops the buttons; nothing may still point at them.
    QVERIFY(!f.picture.keyLayer()->parseKeyboardInfo("not json"));
    QVERIFY(f.picture.selectedKeys().isEmpty());
    QVERIFY(!f.picture.hoveredKey());
    QSignalSpy oneKey(&f.picture, &hidDeviceJoinFrame::sigDragAreaMoveOneKey);
    f.picture.hoverKeyAt(insideB.x(), insideB.y(), 1);
    QCOMPARE(oneKey.first().first().toBool(), false);
    f.picture.clearSelection(true);
    f.picture.setScale(1.5f);
}

void TestKeyboardPicture::pictureVariants()
{
    hidDeviceJoinFrame picture;
    picture.loadDevice("QB84");
    const QString plain = picture.pictureLayer()->picturePath();
    QVERIFY2(plain.endsWith("/images/hidImages/Keyboard_QB84.png"), qPrintable(plain));
    picture.setPictureVariant(1);
    QVERIFY(picture.pictureLayer()->picturePath().endsWith("Keyboard_QB84_1.png"));
    picture.setKeyboardModeImage(7);  // any other mode: the plain picture
    QCOMPARE(picture.pictureLayer()->picturePath(), plain);

    hidDeviceJoinFrame unknown;
    unknown.loadDevice("QX999");
    QVERIFY(unknown.pictureLayer()->picturePath().isEmpty());
}

void TestKeyboardPicture::screenshots_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("lightPreview");
    QTest::addColumn<float>("scale");
    QTest::newRow("QR108") << "QR108" << false << 1.0f;
    QTest::newRow("QR108 light preview") << "QR108" << true << 1.0f;
    QTest::newRow("QM68") << "QM68" << false << 1.0f;
    QTest::newRow("QB84") << "QB84" << false << 1.0f;
    QTest::newRow("QB84 zoomed") << "QB84" << false << 2.0f;
}

// Shows each model's picture with its key buttons in their looks and saves it
// under the build folder, for a person to look at.
void TestKeyboardPicture::screenshots()
{
    QFETCH(QString, model);
    QFETCH(bool, lightPreview);
    QFETCH(float, scale);
    hidDeviceJoinFrame picture;
    picture.loadDevice(model);
    picture.setScale(scale);
    picture.resize(picture.pictureFrame()->size() + QSize(40, 40));
    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));
    QVERIFY2(!picture.pictureLayer()->picturePath().isEmpty(), "picture file missing");

    keySelectFrame *layer = picture.keyLayer();
    const QMap<int, keyboardButCustom *> keys = layer->keyButtonMap();
    if (lightPreview) {
        layer->setKeysLightPreview(true);
        for (keyboardButCustom *key : keys) {
            const int hue = (key->keyColumn() * 360 / 22) % 360;
            key->setKeyColor(QColor::fromHsv(hue, 255, 255));
        }
        keys.value(7)->setDragSelected(true);  // D in the selection
        layer->setSideLightsVisible(true);
        int n = 0;
        for (sideLightButtonCustom *s : layer->sideLightButtons())
            s->setColor(QColor::fromHsv((n++ * 10) % 360, 255, 255));
    } else {
        keys.value(4)->setHovered(true);          // A hovered
        keys.value(40)->setSelected(true, true);  // Enter chosen
        keys.value(44)->setAssigned(true);        // Space assigned
        keys.value(-10)->setSelectable(false);    // Fn reserved
        layer->setSideLightsVisible(true);        // segments in their default red
    }
    QCoreApplication::processEvents();  // what the changes above set going is drawn
    const QImage shot = picture.grab().toImage();
    const QString dir = DDataManager::getAppDirPath() + "/screenshots";
    QDir().mkpath(dir);
    const QString name = model + (lightPreview ? "_preview" : "") + (scale > 1.0f ? "_zoomed" : "");
    QVERIFY(shot.save(dir + "/keyboardpicture_" + name + ".png"));

    // The picture lies under the keys: a cap's middle is not the view's background.
    keyboardButCustom *esc = keys.value(41);
    const QPoint centre = esc->mapTo(&picture, esc->rect().center());
    QVERIFY(shot.pixelColor(centre) != QColor(26, 27, 49));
}

TAVRIX_TEST_MAIN(TestKeyboardPicture)
#include "tst_keyboardpicture.moc"
