#include "app/ddatamanager.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/keyselectframe.h"
#include "keyboardview/sidelightbuttoncustom.h"
#include "keys/keyoperateinfo.h"
#include "sdk/tavrixxml.h"
#include "support/layoutfixture.h"
#include "support/testmain.h"
#include "widgets/arrowwidget.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

namespace {

void hover(QWidget *w, bool enter)
{
    QEvent event(enter ? QEvent::Enter : QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

// A small layout: A at (0,0), Fn at (0,1), code 52 at (0,2), code 504 at (1,0), B at (1,1).
QByteArray smallLayout()
{
    LayoutFixture f;
    f.setKey(0, 0, 4, 3, 3, 30, 30, "\"A\"");
    f.setKey(0, 1, -10, 35, 3, 30, 30, "\"Fn\"");
    f.setKey(0, 2, 52, 67, 3, 30, 30, "\"'\\\"\"");
    f.setKey(1, 0, 504, 3, 35, 30, 30, "\"x\"");
    f.setKey(1, 1, 5, 35, 35, 30, 30, "\"B\"");
    return f.text();
}

}  // namespace

class TestKeySelectFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void buildsShippedLayout();
    void sideLightsShowOnlyValidSegments();
    void failedLoadRegistersEmptyLayer_data();
    void failedLoadRegistersEmptyLayer();
    void destroyedLayerLeavesNoStaleButtons();
    void headerlessFileKeepsDeviceFacts();
    void equalCodesLastOneMapped();
    void specialEnterKey();
    void hoverMarkLeavesWithThePointer();
    void clicks_data();
    void clicks();
    void hoverTips_data();
    void hoverTips();
    void hoverTipReadsTheProfile();
    void travelTip();
    void travelTipWaitsForRest();
    void displaySettersClearTheChosenKey();

private:
    DDataManager *dm = nullptr;
};

void TestKeySelectFrame::init()
{
    dm = DDataManager::getInstance();
    dm->setCalibrationMode(false);
    keySelectFrame::setKeyItemLookup({});
}

void TestKeySelectFrame::buildsShippedLayout()
{
    keySelectFrame layer;
    QSignalSpy loaded(&layer, &keySelectFrame::sigKeyboardAlreadyLoad);
    layer.loadKeyboard("QR108");
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(layer.keyButtons().size(), 132);
    QCOMPARE(layer.keyLayoutRecords().size(), 132);
    QCOMPARE(layer.keyButtonMap().size(), 109);  // 108 keys and the shared placeholder entry
    QCOMPARE(layer.sideLightButtons().size(), 36);
    QVERIFY(layer.hasSideLights());

    QCOMPARE(dm->getKeySelectFrame(), &layer);
    QCOMPARE(dm->getKeyButtonList().size(), 132);
    QCOMPARE(dm->getKeyButtonMap(), layer.keyButtonMap());
    QCOMPARE(dm->getHidDeviceType(), 3);
    QVERIFY(!dm->getSpecialEnterKey());

    // Esc: file position plus the 10-pixel margin, grid place (0, 0).
    keyboardButCustom *esc = layer.keyButtonMap().value(41);
    QCOMPARE(esc->geometry(), QRect(23, 23, 30, 30));
    QCOMPARE(esc->keyPosition(), QPoint(23, 23));
    QCOMPARE(esc->keyRow(), 0);
    QCOMPARE(esc->keyColumn(), 0);
    QCOMPARE(esc->keyCharacter(), QString("Esc"));
    QCOMPARE(layer.keyAt(0, 0), esc);
    // Placeholders are 0 x 0 buttons at (9, 9).
    keyboardButCustom *placeholder = layer.keyAt(0, 1);
    QCOMPARE(placeholder->keyDec(), 0);
    QCOMPARE(placeholder->geometry(), QRect(9, 9, 0, 0));
    // Every key got the layer's theme colours and keeps light colours.
    QVERIFY(esc->showKeyColor());
    QCOMPARE(esc->selectedFill(), QColor(220, 40, 45, 50));
}

void TestKeySelectFrame::sideLightsShowOnlyValidSegments()
{
    keySelectFrame layer;
    layer.loadKeyboard("QR108");
    const QList<sideLightButtonCustom *> segments = layer.sideLightButtons();
    for (sideLightButtonCustom *s : segments) {
        QVERIFY(s->isHidden());
        QCOMPARE(s->color(), QColor(255, 0, 0));
    }
    layer.setSideLightsVisible(true);
    int shown = 0;
    for (sideLightButtonCustom *s : segments) {
        QCOMPARE(!s->isHidden(), s->validStatus() == 1);
        shown += !s->isHidden();
    }
    QCOMPARE(shown, 34);
    layer.setSideLightsVisible(false);
    for (sideLightButtonCustom *s : segments)
        QVERIFY(s->isHidden());

    keySelectFrame plain;
    plain.loadKeyboard("QM68");
    QVERIFY(!plain.hasSideLights());
    QVERIFY(plain.sideLightButtons().isEmpty());
    QCOMPARE(dm->getHidDeviceType(), 4);
}

void TestKeySelectFrame::failedLoadRegistersEmptyLayer_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("no layout for the model") << "NoSuchModel" << QByteArray();
    QTest::newRow("malformed JSON") << "QR108" << QByteArray("{\"Keyboard\": [");
    LayoutFixture shortRow;
    shortRow.shortenRow(2);
    QTest::newRow("short row") << "QR108" << shortRow.text();
}

void TestKeySelectFrame::failedLoadRegistersEmptyLayer()
{
    QFETCH(QString, model);
    QFETCH(QByteArray, text);
    keySelectFrame previous;
    previous.loadKeyboard("QB84");
    QVERIFY(!dm->getKeyButtonList().isEmpty());

    keySelectFrame layer;
    QSignalSpy failed(&layer, &keySelectFrame::sigKeyboardLoadFailed);
    QSignalSpy loaded(&layer, &keySelectFrame::sigKeyboardAlreadyLoad);
    if (text.isEmpty()) {
        layer.loadKeyboard(model);
    } else {
        layer.loadKeyboard(model);
        QVERIFY(!layer.parseKeyboardInfo(text));
    }
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first().first().toString(), model);
    QCOMPARE(loaded.count(), text.isEmpty() ? 0 : 1);  // the good load before the bad text
    QVERIFY(layer.keyButtons().isEmpty());
    QVERIFY(layer.keyLayoutRecords().isEmpty());
    // The data manager holds the empty layer, not the previous layer's buttons.
    QCOMPARE(dm->getKeySelectFrame(), &layer);
    QVERIFY(dm->getKeyButtonList().isEmpty());
    QVERIFY(dm->getKeyButtonMap().isEmpty());
}

void TestKeySelectFrame::destroyedLayerLeavesNoStaleButtons()
{
    auto *layer = new keySelectFrame;
    layer->loadKeyboard("QM68");
    keySelectFrame other;  // another layer registered later is left alone
    delete layer;
    QVERIFY(dm->getKeySelectFrame() == nullptr);
    QVERIFY(dm->getKeyButtonList().isEmpty());
    QVERIFY(dm->getKeyButtonMap().isEmpty());

    other.loadKeyboard("QM68");
    {
        keySelectFrame unregistered;
    }
    QCOMPARE(dm->getKeySelectFrame(), &other);
    QCOMPARE(dm->getKeyButtonList().size(), 132);
}

void TestKeySelectFrame::headerlessFileKeepsDeviceFacts()
{
    dm->setHidDeviceType(7);
    dm->setSpecialEnterKey(true);
    LayoutFixture f;
    f.dropHeader();
    f.setKey(0, 0, 4, 3, 3, 30, 30);
    keySelectFrame layer;
    QVERIFY(layer.parseKeyboardInfo(f.text()));
    QCOMPARE(dm->getHidDeviceType(), 7);
    QVERIFY(dm->getSpecialEnterKey());
    QCOMPARE(layer.keyButtons().size(), 132);
    dm->setSpecialEnterKey(false);
}

void TestKeySelectFrame::equalCodesLastOneMapped()
{
    LayoutFixture f;
    f.setKey(0, 0, 4, 3, 3, 30, 30);
    f.setKey(2, 0, 4, 3, 70, 30, 30);
    keySelectFrame layer;
    QVERIFY(layer.parseKeyboardInfo(f.text()));
    QCOMPARE(layer.keyButtonMap().value(4), layer.keyAt(2, 0));
    QVERIFY(layer.keyButtons().contains(layer.keyAt(0, 0)));
    QCOMPARE(dm->getKeyButtonMap().value(4), layer.keyAt(2, 0));
}

void TestKeySelectFrame::specialEnterKey()
{
    LayoutFixture f;
    f.setHeader("specialEnterKey", "1");
    f.setHeader("specialEnterKeyShape", "5");  // the value makes no difference
    f.setKey(2, 13, 40, 400, 40, 46, 62);
    keySelectFrame layer;
    QVERIFY(layer.parseKeyboardInfo(f.text()));
    QVERIFY(dm->getSpecialEnterKey());
    keyboardButCustom *enter = layer.keyButtonMap().value(40);
    QVERIFY(enter->isSpecialEnter());
    // No model of ours is on the taller-Enter list.
    QCOMPARE(enter->specialEnterOffset(), QPoint(10, 30));

    LayoutFixture plain;
    plain.setKey(2, 13, 40, 400, 40, 46, 30);
    QVERIFY(layer.parseKeyboardInfo(plain.text()));
    QVERIFY(!layer.keyButtonMap().value(40)->isSpecialEnter());
    QVERIFY(!dm->getSpecialEnterKey());
}

void TestKeySelectFrame::clicks_data()
{
    QTest::addColumn<bool>("calibrating");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("selectable");
    QTest::addColumn<int>("reportedCode");  // -2: nothing reported; -3: calibration point
    QTest::addColumn<QString>("reportedCaption");
    QTest::newRow("plain key") << false << 0 << 0 << true << 4 << "A";
    QTest::newRow("Fn key is not taken") << false << 0 << 1 << true << -2 << "";
    QTest::newRow("reserved key is not taken") << false << 1 << 1 << false << -2 << "";
    QTest::newRow("apostrophe key") << false << 0 << 2 << true << 52 << "' \"";
    QTest::newRow("code 504 loses the quote") << false << 1 << 0 << true << 504 << "' ";
    QTest::newRow("calibration takes Fn") << true << 0 << 1 << true << -3 << "";
    QTest::newRow("calibration takes reserved keys") << true << 1 << 1 << false << -3 << "";
}

void TestKeySelectFrame::clicks()
{
    QFETCH(bool, calibrating);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, selectable);
    QFETCH(int, reportedCode);
    QFETCH(QString, reportedCaption);
    keySelectFrame layer;
    QVERIFY(layer.parseKeyboardInfo(smallLayout()));
    keyboardButCustom *key = layer.keyAt(row, column);
    key->setSelectable(selectable);
    dm->setCalibrationMode(calibrating);
    QSignalSpy clicked(dm, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar);
    QSignalSpy calibration(dm, &DDataManager::sigTheMagneticKeyboardCalibrationPoint);

    key->click();
    key->click();  // the current key again reports nothing

    if (reportedCode == -2) {
        QCOMPARE(clicked.count() + calibration.count(), 0);
        QVERIFY(!key->isChosen());
    } else if (reportedCode == -3) {
        QCOMPARE(calibration.count(), 1);
        QCOMPARE(calibration.first(), (QList<QVariant> {row, column}));
        QVERIFY(key->isChosen());
    } else {
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first(), (QList<QVariant> {reportedCode, reportedCaption}));
        QCOMPARE(dm->getClickedKeyCode(), reportedCode);
        QVERIFY(key->isChosen());
        // Choosing another key un-chooses this one.
        layer.keyAt(1, 1)->click();
        QVERIFY(!key->isChosen());
        QCOMPARE(layer.currentKey(), layer.keyAt(1, 1));
    }
}

void TestKeySelectFrame::hoverTips_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("selectable");
    QTest::addColumn<bool>("withItem");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<bool>("canRemap");
    QTest::newRow("unassigned key names itself") << 0 << 0 << true << false << "A"
                                                 << "Default"
                                                 << "A" << true;
    QTest::newRow("Fn cannot be remapped") << 0 << 1 << true << false << "Fn"
                                           << "Default"
                                           << "Cannot remapped" << false;
    QTest::newRow("reserved key") << 1 << 1 << false << false << "B"
                                  << "Default"
                                  << "Cannot remapped" << false;
    QTest::newRow("assigned key shows its function") << 1 << 1 << true << true << "B"
                                                     << "Text"
                                                     << "hello" << true;
}

void TestKeySelectFrame::hoverTips()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, selectable);
    QFETCH(bool, withItem);
    QFETCH(QString, name);
    QFETCH(QString, function);
    QFETCH(QString, detail);
    QFETCH(bool, canRemap);
    if (withItem) {
        // B holds a text item in the current profile.
        keySelectFrame::setKeyItemLookup(
            [](const QByteArray &, const QByteArray &index, const QByteArray &keyCode, KeyOperateInfo *item) {
                if (keyCode != "5" || index != "1")
                    return false;
                setKeyOperateField(item->keyDec, "5");
                setKeyOperateField(item->operateType, "6");
                setKeyOperateField(item->value, "hello");
                return true;
            });
    }
    keySelectFrame layer;
    layer.move(300, 300);  // room above the keys for the tip on the screen
    QVERIFY(layer.parseKeyboardInfo(smallLayout()));
    keyboardButCustom *key = layer.keyAt(row, column);
    key->setSelectable(selectable);
    hover(key, true);
    QVERIFY(layer.tipPopup()->isShown());
    QVERIFY(layer.tipPopup()->popup()->isVisible());
    QCOMPARE(layer.tipPopup()->anchor(), key);
    QCOMPARE(layer.tipPopup()->popup()->size(), QSize(260, 120));
    QCOMPARE(layer.tipPopup()->popup()->pos(), key->mapToGlobal(QPoint(15, 30)) - QPoint(130, 150));
    const CustomEventTipInfo tip = layer.tipPopup()->content();
    QCOMPARE(tip.keyName, name);
    QCOMPARE(tip.functionName, function);
    QCOMPARE(tip.functionDetail, detail);
    QCOMPARE(tip.canRemap, canRemap);
    hover(key, false);
    QVERIFY(!layer.tipPopup()->isShown());
    QVERIFY(!layer.tipPopup()->popup()->isVisible());
}

// The pointer may leave a key without the key hearing of it (straight into the
// tip above it, or into another window): no key keeps a stale hover mark.
void TestKeySelectFrame::hoverMarkLeavesWithThePointer()
{
    keySelectFrame layer;
    layer.move(300, 300);
    QVERIFY(layer.parseKeyboardInfo(smallLayout()));
    keyboardButCustom *a = layer.keyAt(0, 0);
    keyboardButCustom *b = layer.keyAt(1, 1);
    hover(a, true);
    QVERIFY(a->isHovered());
    // Into the tip: the tip reports the pointer's arrival, the key hears nothing.
    hover(layer.tipPopup()->popup(), true);
    QVERIFY(!a->isHovered());
    // From a key to another with the first one's leave lost.
    hover(a, true);
    hover(b, true);
    QVERIFY(!a->isHovered());
    QVERIFY(b->isHovered());
    int marked = 0;
    for (keyboardButCustom *key : layer.keyButtons())
        marked += key->isHovered() ? 1 : 0;
    QCOMPARE(marked, 1);
}

// The tip reads the key's item from the current profile of the layer file.
void TestKeySelectFrame::hoverTipReadsTheProfile()
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath("appProfile_Default.xml"));
    QVERIFY(CTavrixXML_CreateXMLFile(path));
    QVERIFY(CTavrixXML_CreateProFileXmlParentNode(path, "2", "Profile2", 0));
    QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(path, "2", "4", "A", "8", "1", "1", "/usr/bin/true"));
    dm->setCurProfilePath(path);
    dm->setCurProfileIndex(2);
    keySelectFrame layer;
    QVERIFY(layer.parseKeyboardInfo(smallLayout()));
    hover(layer.keyAt(0, 0), true);
    CustomEventTipInfo tip = layer.tipPopup()->content();
    QCOMPARE(tip.functionName, QString("Launch Application"));
    QCOMPARE(tip.functionDetail, QString("/usr/bin/true"));
    // Kept for a person to look at: the tip as the user sees it.
    QDir().mkpath(DDataManager::getAppDirPath() + "/screenshots");
    QVERIFY(layer.tipPopup()->popup()->grab().save(DDataManager::getAppDirPath() + "/screenshots/keytip.png"));
    hover(layer.keyAt(0, 0), false);
    // Another profile of the file holds nothing for the key.
    dm->setCurProfileIndex(1);
    hover(layer.keyAt(0, 0), true);
    tip = layer.tipPopup()->content();
    QCOMPARE(tip.functionName, QString("Default"));
    QCOMPARE(tip.functionDetail, QString("A"));
    dm->setCurProfilePath(QByteArray());
}

void TestKeySelectFrame::travelTip()
{
    keySelectFrame layer;
    QVERIFY(layer.parseKeyboardInfo(smallLayout()));
    keyboardButCustom *key = layer.keyAt(1, 1);
    QSignalSpy query(dm, &DDataManager::sigQueryDynamicDisplaySensitivityNum);
    layer.showTravelTip(1, 1, key);
    QCOMPARE(query.count(), 1);
    QCOMPARE(query.first(), (QList<QVariant> {1, 1}));

    struct Case
    {
        int type, press, release, precision;
        const char *text;
    };
    const Case cases[] = {{0, 15, 20, 40, "Press:1.5 Release:2.0"},
                          {12, 15, 20, 40, "Press:1.5 Release:2.0"},
                          {3, 15, 20, 40, "Press:1.5 Release:2.1"}};
    for (const Case &c : cases) {
        dm->setMagneticPrecision(c.precision);
        dm->relaySensitivityBackInfo(c.type, c.press, c.release, 0, 0);
        QVERIFY(layer.tipPopup()->isShown());
        QCOMPARE(layer.tipPopup()->content().keyName, QString("B"));
        QCOMPARE(layer.tipPopup()->content().functionName, QString("Key triggered"));
        QCOMPARE(layer.tipPopup()->content().functionDetail, QString(c.text));
    }
    // The pointer moving onto the tip closes it shortly after.
    layer.onArrowWidgetMouseEnter();
    QTRY_VERIFY_WITH_TIMEOUT(!layer.tipPopup()->isShown(), 1000);
    QVERIFY(!layer.currentKey());
    // Without a current key an answer shows nothing.
    dm->relaySensitivityBackInfo(0, 15, 20, 0, 0);
    QVERIFY(!layer.tipPopup()->isShown());
}

void TestKeySelectFrame::travelTipWaitsForRest()
{
    keySelectFrame layer;
    QVERIFY(layer.parseKeyboardInfo(smallLayout()));
    QSignalSpy query(dm, &DDataManager::sigQueryDynamicDisplaySensitivityNum);

    // Leaving before the rest time sends nothing.
    QTimer::singleShot(100, &layer, [&] { layer.hideTravelTip(); });
    QElapsedTimer clock;
    clock.start();
    layer.showTravelTip(0, 0, layer.keyAt(0, 0));
    QVERIFY(clock.elapsed() < keySelectFrame::kTravelRestMs);
    QCOMPARE(query.count(), 0);

    // A newer hover during the wait takes over: one query, for the newer key.
    QTimer::singleShot(100, &layer, [&] { layer.showTravelTip(1, 1, layer.keyAt(1, 1)); });
    clock.restart();
    layer.showTravelTip(0, 0, layer.keyAt(0, 0));
    QVERIFY(clock.elapsed() >= keySelectFrame::kTravelRestMs);
    QCOMPARE(query.count(), 1);
    QCOMPARE(query.first(), (QList<QVariant> {1, 1}));
}

void TestKeySelectFrame::displaySettersClearTheChosenKey()
{
    keySelectFrame layer;
    QVERIFY(layer.parseKeyboardInfo(smallLayout()));
    keyboardButCustom *a = layer.keyAt(0, 0);
    a->click();
    a->setDragSelected(true);
    layer.setKeysLightPreview(true);
    QVERIFY(a->isLightPreview());
    QVERIFY(!a->isDragSelected());
    QVERIFY(!a->isChosen());
    QVERIFY(!layer.currentKey());

    a->click();
    layer.setKeysDisplay(false, false);
    QVERIFY(!a->isLightPreview());
    QVERIFY(!a->showSelected());
    QVERIFY(!a->isChosen());
    layer.setKeysTriggerView(true);
    QVERIFY(a->isTriggerView());
}

TAVRIX_TEST_MAIN(TestKeySelectFrame)
#include "tst_keyselectframe.moc"
