#include "keyboardview/keyboardpicturetable.h"
#include "keyboardview/keylayoutfile.h"
#include "sdk/devicecatalogue.h"
#include "support/layoutfixture.h"
#include "support/testmain.h"

#include <QRect>
#include <QSet>

class TestKeyLayoutFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void completeGridInReadingOrder();
    void sideLightRow_data();
    void sideLightRow();
    void leadingZerosAndTrailingText();
    void captions_data();
    void captions();
    void headerVariants();
    void rejectedFiles_data();
    void rejectedFiles();
    void shippedLayouts_data();
    void shippedLayouts();
};

void TestKeyLayoutFile::completeGridInReadingOrder()
{
    LayoutFixture f;
    f.setKey(0, 0, 41, 3, 3, 30, 30);
    f.setKey(2, 5, 9, 101, 70, 21, 30);  // file row 3, array index 5
    f.setKey(5, 21, 88, 600, 160, 30, 62);
    f.setRow7("[{\"PosX\": 1, \"PosY\": 1, \"Width\": 30, \"Height\": 30, \"Dec\": 137, \"Character\": \"K\"}]");
    KeyLayout layout;
    QVERIFY(KeyLayoutFile::parse(f.text(), "fixture", &layout));

    const QVector<KeyLayoutRecord> records = layout.keyRecords();
    QCOMPARE(records.size(), 132);
    const KeyLayoutRecord r = records.at(49);
    QCOMPARE(r.code, 9);
    QCOMPARE(r.posX, 101);
    QCOMPARE(r.posY, 70);
    QCOMPARE(r.width, 21);
    QCOMPARE(r.height, 30);
    QCOMPARE(r.kind, KeyLayoutRecord::kKindKey);
    QCOMPARE(r.sidePosition, 0);
    QCOMPARE(layout.keys.at(49).row, 2);
    QCOMPARE(layout.keys.at(49).column, 5);
    QCOMPARE(records.first().code, 41);
    QCOMPARE(records.last().code, 88);
    // Placeholders stay in the list with code 0; row 7 yields nothing.
    QCOMPARE(records.at(1).code, 0);
    QCOMPARE(records.at(1).posX, -1);
    for (const KeyLayoutRecord &rec : records)
        QVERIFY(rec.code != 137);
}

void TestKeyLayoutFile::sideLightRow_data()
{
    QTest::addColumn<int>("sideLightHave");
    QTest::addColumn<int>("expectedSegments");
    QTest::newRow("flag 1 reads row 0, placeholders included") << 1 << 3;
    QTest::newRow("flag 0 ignores row 0") << 0 << 0;
    QTest::newRow("flag 2 ignores row 0") << 2 << 0;
}

void TestKeyLayoutFile::sideLightRow()
{
    QFETCH(int, sideLightHave);
    QFETCH(int, expectedSegments);
    LayoutFixture f;
    f.setHeader("sideLightHave", QString::number(sideLightHave));
    f.addSegment(1, 1, 1, 0, 16, 8, 32);
    f.addSegment(2, 1, 4, 20, 216, 32, 8);
    f.addSegment(3, 0, 0, -1, -1, 0, 0);
    KeyLayout layout;
    QVERIFY(KeyLayoutFile::parse(f.text(), "fixture", &layout));
    QCOMPARE(layout.sideLightHave, sideLightHave == 1);
    const QVector<KeyLayoutRecord> segments = layout.segmentRecords();
    QCOMPARE(segments.size(), expectedSegments);
    if (expectedSegments == 0)
        return;
    QCOMPARE(segments[1].code, 2);
    QCOMPARE(segments[1].posX, 20);
    QCOMPARE(segments[1].posY, 216);
    QCOMPARE(segments[1].kind, KeyLayoutRecord::kKindSideLight);
    QCOMPARE(segments[1].sidePosition, 4);
    QCOMPARE(layout.segments[2].validStatus, 0);
}

void TestKeyLayoutFile::leadingZerosAndTrailingText()
{
    LayoutFixture f;
    f.setRawEntry(0, 0, "{\"PosX\": 007, \"PosY\": 3, \"Width\": 00, \"Height\": 030, \"Dec\": 41}");
    KeyLayout layout;
    // Whatever follows the first complete value is ignored.
    QVERIFY(KeyLayoutFile::parse(f.text() + "\r\ntrailing bytes }", "fixture", &layout));
    QCOMPARE(layout.keys[0].posX, 7);
    QCOMPARE(layout.keys[0].width, 0);
    QCOMPARE(layout.keys[0].height, 30);
    QCOMPARE(layout.keys[0].caption, QString());
}

void TestKeyLayoutFile::captions_data()
{
    QTest::addColumn<QString>("jsonCharacter");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::newRow("plain") << "\"Esc\"" << 41 << "Esc";
    QTest::newRow("quote and bar keeps the escaping backslash") << "\"\\\"|\"" << 49 << "\\|";
    QTest::newRow("a backslash doubles") << "\"\\\\\"" << 49 << "\\\\";
    QTest::newRow("control character stays escaped") << "\"a\\tb\"" << 4 << "a\\tb";
    QTest::newRow("code 52 whatever the file says") << "\"x\"" << 52 << "' \"";
    QTest::newRow("code 504 too") << "\"y\"" << 504 << "' \"";
    QTest::newRow("not a string") << "12" << 5 << "";
}

void TestKeyLayoutFile::captions()
{
    QFETCH(QString, jsonCharacter);
    QFETCH(int, code);
    QFETCH(QString, caption);
    LayoutFixture f;
    f.setKey(1, 3, code, 10, 40, 30, 30, jsonCharacter);
    KeyLayout layout;
    QVERIFY(KeyLayoutFile::parse(f.text(), "fixture", &layout));
    QCOMPARE(layout.keys[22 + 3].caption, caption);
}

void TestKeyLayoutFile::headerVariants()
{
    KeyLayout layout;
    LayoutFixture noShape;  // specialEnterKey 0 needs no shape
    noShape.dropHeaderMember("specialEnterKeyShape");
    QVERIFY(KeyLayoutFile::parse(noShape.text(), "fixture", &layout));
    QVERIFY(layout.hasHeader);
    QVERIFY(!layout.specialEnterKey);
    QCOMPARE(layout.hidDeviceType, 3);

    LayoutFixture special;
    special.setHeader("specialEnterKey", "1");
    special.setHeader("specialEnterKeyShape", "7");
    QVERIFY(KeyLayoutFile::parse(special.text(), "fixture", &layout));
    QVERIFY(layout.specialEnterKey);

    LayoutFixture headless;
    headless.dropHeader();
    headless.setKey(0, 0, 41, 3, 3, 30, 30);
    QVERIFY(KeyLayoutFile::parse(headless.text(), "fixture", &layout));
    QVERIFY(!layout.hasHeader);
    QCOMPARE(layout.keys.size(), 132);
}

void TestKeyLayoutFile::rejectedFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    auto broken = [](auto change) {
        LayoutFixture f;
        change(f);
        return f.text();
    };
    QTest::newRow("not JSON") << QByteArray("{\"Keyboard\": {");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("top level array") << QByteArray("[1, 2, 3]");
    QTest::newRow("row of 23") << broken([](LayoutFixture &f) { f.appendExtraEntry(2, LayoutFixture::placeholder()); });
    QTest::newRow("row of 21") << broken([](LayoutFixture &f) { f.shortenRow(4); });
    QTest::newRow("entry not an object") << broken([](LayoutFixture &f) { f.setRawEntry(3, 21, "\"-\""); });
    QTest::newRow("missing key row") << broken([](LayoutFixture &f) { f.dropRow(4); });
    QTest::newRow("entry without Dec") << broken(
        [](LayoutFixture &f) { f.setRawEntry(1, 2, "{\"PosX\": 1, \"PosY\": 1, \"Width\": 3, \"Height\": 3}"); });
    QTest::newRow("width as text") << broken([](LayoutFixture &f) {
        f.setRawEntry(1, 2, "{\"PosX\": 1, \"PosY\": 1, \"Width\": \"3\", \"Height\": 3, \"Dec\": 4}");
    });
    QTest::newRow("negative size") << broken([](LayoutFixture &f) { f.setKey(0, 0, 41, 1, 1, -30, 30); });
    QTest::newRow("huge position") << broken([](LayoutFixture &f) { f.setKey(0, 0, 41, 99999999, 1, 30, 30); });
    QTest::newRow("header without device type")
        << broken([](LayoutFixture &f) { f.dropHeaderMember("hidDeviceType"); });
    QTest::newRow("special Enter without shape")
        << broken([](LayoutFixture &f) { f.setHeader("specialEnterKey", "1"); });
    QTest::newRow("side light entry without validStatus") << broken([](LayoutFixture &f) {
        f.setHeader("sideLightHave", "1");
        f.addRawSegment("{\"PosX\": 0, \"PosY\": 16, \"Width\": 8, \"Height\": 32, \"Index\": 1, \"SidePosition\": 1}");
    });
}

void TestKeyLayoutFile::rejectedFiles()
{
    QFETCH(QByteArray, text);
    KeyLayout layout;
    layout.keys.resize(3);  // must come back empty
    QVERIFY(!KeyLayoutFile::parse(text, "broken.config", &layout));
    QVERIFY(layout.keys.isEmpty());
    QVERIFY(layout.segments.isEmpty());
}

void TestKeyLayoutFile::shippedLayouts_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<bool>("sideLights");
    // Every model of the device catalogue has a layout that agrees with it.
    const QVector<CatalogueModel> &models = DeviceCatalogue::instance().models();
    QVERIFY(models.size() >= 3);
    for (const CatalogueModel &m : models)
        QTest::newRow(qPrintable(m.modelName)) << m.modelName << m.keyCount << m.hidDeviceType << m.sideLights;
}

// Every layout we ship follows the rules the key layer and the picture rely on.
void TestKeyLayoutFile::shippedLayouts()
{
    QFETCH(QString, model);
    QFETCH(int, keyCount);
    QFETCH(int, deviceType);
    QFETCH(bool, sideLights);
    QVERIFY(KeyboardPictureTable::models().contains(model));
    KeyLayout layout;
    QVERIFY(KeyLayoutFile::load(model, &layout));
    QVERIFY(layout.hasHeader);
    QCOMPARE(layout.hidDeviceType, deviceType);
    QCOMPARE(layout.sideLightHave, sideLights);
    QCOMPARE(layout.keys.size(), KeyLayoutFile::kKeyCount);

    const QSize picture = KeyboardPictureTable::pictureSize(model);
    const QRect pictureRect(QPoint(0, 0), picture);
    QSet<int> codes;
    QList<QRect> caps;
    bool hasFn = false;
    for (int row = 0; row < KeyLayoutFile::kRows; ++row) {
        const KeyLayoutKey &band = layout.keys[row * KeyLayoutFile::kColumns];
        for (int column = 0; column < KeyLayoutFile::kColumns; ++column) {
            const KeyLayoutKey &k = layout.keys[row * KeyLayoutFile::kColumns + column];
            if (k.code == 0) {
                QCOMPARE(QRect(k.posX, k.posY, k.width, k.height), QRect(-1, -1, 0, 0));
                QCOMPARE(k.caption, QString("-"));
                continue;
            }
            // Hover finds a row by its column-0 key: a row with keys starts with one,
            // and all its keys start on that key's line.
            QVERIFY2(band.code != 0, qPrintable(QString("row %1 has keys but no column-0 key").arg(row)));
            QCOMPARE(k.posY, band.posY);
            QVERIFY2(!codes.contains(k.code), qPrintable(QString("code %1 twice").arg(k.code)));
            codes.insert(k.code);
            const QRect cap(k.posX, k.posY, k.width, k.height);
            QVERIFY2(pictureRect.contains(cap), qPrintable(k.caption + " lies outside the picture"));
            for (const QRect &other : qAsConst(caps))
                QVERIFY2(!other.intersects(cap), qPrintable(k.caption + " overlaps another key"));
            caps << cap;
            QVERIFY(!k.caption.isEmpty());
            if (k.code == -10) {
                QCOMPARE(k.caption, QString("Fn"));
                hasFn = true;
            }
        }
        // Row bands never overlap, or the later row's keys could not be hovered.
        if (row > 0 && band.code != 0 && layout.keys[(row - 1) * KeyLayoutFile::kColumns].code != 0) {
            const KeyLayoutKey &above = layout.keys[(row - 1) * KeyLayoutFile::kColumns];
            QVERIFY(above.posY + above.height <= band.posY);
        }
    }
    QCOMPARE(codes.size(), keyCount);
    QVERIFY(hasFn);

    // Side-light segments: numbered in order, at most the 60 cells of a light
    // frame, each real one in the rim of its edge.
    QVERIFY(layout.segments.size() <= 60);
    QCOMPARE(!layout.segments.isEmpty(), sideLights);
    const int rim = KeyLayoutFile::kMargin;
    for (int i = 0; i < layout.segments.size(); ++i) {
        const KeyLayoutSegment &s = layout.segments[i];
        QCOMPARE(s.index, i + 1);
        const QRect r(s.posX, s.posY, s.width, s.height);
        switch (s.sidePosition) {
        case 0: QCOMPARE(s.validStatus, 0); continue;
        case 1: QVERIFY(s.posX == 0 && s.width <= rim); break;
        case 2: QVERIFY(s.posX >= picture.width() - rim && r.right() < picture.width()); break;
        case 3: QVERIFY(s.posY == 0 && s.height <= rim); break;
        case 4: QVERIFY(s.posY >= picture.height() - rim && r.bottom() < picture.height()); break;
        default: QFAIL("unknown side");
        }
        QCOMPARE(s.validStatus, 1);
        QVERIFY(s.width != s.height);  // a square segment would draw nothing
        QVERIFY(pictureRect.contains(r));
    }
}

TAVRIX_TEST_MAIN(TestKeyLayoutFile)
#include "tst_keylayoutfile.moc"
