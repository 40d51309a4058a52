#include "app/ddatamanager.h"
#include "keys/dchangeprofilepage.h"
#include "keys/dkeyboardlightcustomeventpage.h"
#include "keys/dkeyconfigfunctionpage.h"
#include "keys/dseniorkeysbindingpage.h"
#include "keys/dsidelightcustomeventpage.h"
#include "keys/keyoperateinfo.h"
#include "sdk/tavrixxml.h"
#include "support/storefixture.h"
#include "support/testmain.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSignalSpy>

#include <cstring>
#include <memory>

namespace {

const int kKey = 30;

// A key's item as "type,param1,param2,value", or "none".
QByteArray itemText(const QByteArray &layer, int key)
{
    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(layer, "1", QByteArray::number(key), &item);
    if (keyOperateNumber(item.keyDec) == -1)
        return "none";
    return keyOperateField(item.operateType) + ',' + keyOperateField(item.param1) + ',' + keyOperateField(item.param2)
        + ',' + keyOperateField(item.value);
}

// Stores "type,param1,param2,value" (a value may itself hold a comma).
void storeItem(const QByteArray &layer, int key, const QByteArray &text)
{
    const QList<QByteArray> f = text.split(',');
    const QByteArray code = QByteArray::number(key);
    CTavrixXML_DeleteProFileMacroWithKeyInfoItem(layer, "1", code, "1");
    CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, "1", code, "1", f.at(0), f.at(1), f.at(2), f.mid(3).join(','));
}

SeniorKeyInfo seniorKey(int id, const char *name)
{
    SeniorKeyInfo info;
    info.bindingIndex = id;
    std::strcpy(info.name, name);
    info.keyType = SeniorKeyType_TGL;
    return info;
}

enum PageKind
{
    KeyboardLight,
    SideLight,
    KeyConfig,
};

std::unique_ptr<DRadioFunctionPage> makePage(int kind)
{
    switch (kind) {
    case KeyboardLight: return std::make_unique<DKeyboardLightCustomEventPage>();
    case SideLight: return std::make_unique<DSideLightCustomEventPage>();
    default: return std::make_unique<DKeyConfigFunctionPage>();
    }
}

QString checkedButton(QWidget &page)
{
    QString name;
    for (QRadioButton *b : page.findChildren<QRadioButton *>())
        if (b->isChecked())
            name += (name.isEmpty() ? "" : "+") + b->objectName();
    return name;
}

}  // namespace

class TestFunctionChoicePages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void buttonStoresItem_data();
    void buttonStoresItem();
    void storedItemSelectsButton_data();
    void storedItemSelectsButton();
    void keyConfigOffersByDeviceType_data();
    void keyConfigOffersByDeviceType();
    void hiddenButtons();
    void profilePageListsAndStores();
    void seniorKeysPageListsAndStores();

private:
    QScopedPointer<StoreFixture> m_fx;
    QByteArray m_layer;
};

void TestFunctionChoicePages::init()
{
    m_fx.reset(new StoreFixture);
    m_layer = m_fx->path("appProfile_Default.xml");
    CTavrixXML_CreateXMLFile(m_layer);
    CTavrixXML_CreateProFileXmlParentNode(m_layer, "1", "Profile1", 0);
    DDataManager *dm = DDataManager::getInstance();
    dm->setCurProfilePath(m_layer);
    dm->setCurProfileIndex(1);
    dm->setClickedKey(kKey, "3");
    dm->setHidDeviceType(3);
}

void TestFunctionChoicePages::buttonStoresItem_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("item");

    const struct
    {
        int kind;
        const char *button;
        const char *item;
    } rows[] = {
        {KeyboardLight, "radioButton_OverallLightList", "20,1,1,0"},
        {KeyboardLight, "radioButton_StaticMode", "20,1,1,3"},
        {KeyboardLight, "radioButton_BrightnessDown", "21,1,1,1"},
        {KeyboardLight, "radioButton_SpeedLessen", "22,1,1,1"},
        {KeyboardLight, "radioButton_DirectionLoop", "23,1,1,2"},
        {KeyboardLight, "radioButton_BottomColor", "24,1,1,2"},
        {KeyboardLight, "radioButton_CloseAll", "26,1,0,0"},
        {KeyboardLight, "radioButton_CloseBackLight", "26,1,0,1"},
        {KeyboardLight, "radioButton_StopBackLight", "26,1,1,0"},
        {KeyboardLight, "radioButton_LightRecording", "27,1,1,0"},
        {KeyboardLight, "radioButton_IntoCustomLight02", "25,1,1,1"},
        {SideLight, "radioButton_AllLightList", "30,1,1,2"},
        {SideLight, "radioButton_BrightnessUp", "31,1,1,0"},
        {SideLight, "radioButton_SpeedAdd", "32,1,1,0"},
        {SideLight, "radioButton_TopColor", "33,1,1,1"},
        {SideLight, "radioButton_CloseSideLight", "34,1,0,2"},
        {SideLight, "radioButton_StopSideLight", "34,1,1,0"},
        {KeyConfig, "radioButton_SwitchLoopWin", "19,1,2,0"},
        {KeyConfig, "radioButton_LockKeyboard", "19,1,0,0"},
        {KeyConfig, "radioButton_PowerQuery", "19,1,10,0"},
        {KeyConfig, "radioButton_USB", "19,1,11,2,0"},
        {KeyConfig, "radioButton_24G", "19,1,11,1,0"},
        {KeyConfig, "radioButton_Pattern1", "19,1,11,0,0"},
        {KeyConfig, "radioButton_Pattern3", "19,1,11,0,2"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.button) << row.kind << row.button << QByteArray(row.item);
}

void TestFunctionChoicePages::buttonStoresItem()
{
    QFETCH(int, kind);
    QFETCH(QString, button);
    QFETCH(QByteArray, item);
    storeItem(m_layer, kKey, "1,1,1,2");  // a macro binding the click replaces

    auto page = makePage(kind);
    page->loadKeyInfo();
    QCOMPARE(checkedButton(*page), QString());
    QStringList order;
    connect(page.get(), &DKeyFunctionPage::sigShouldUpdateKeyboard, [&](int key) { order << QString::number(key); });
    connect(page.get(), &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful, [&] { order << "success"; });
    auto *radio = page->findChild<QRadioButton *>(button);
    QVERIFY(radio);
    radio->click();
    QCOMPARE(itemText(m_layer, kKey), item);
    // The selected button clicked again stores the same item again.
    radio->click();
    QCOMPARE(itemText(m_layer, kKey), item);
    QCOMPARE(order, QStringList({"30", "success", "30", "success"}));

    page->loadKeyInfo();
    QCOMPARE(checkedButton(*page), button);
}

void TestFunctionChoicePages::storedItemSelectsButton_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("stored");  // empty: no item
    QTest::addColumn<QString>("selected");   // empty: none

    QTest::newRow("light: no item") << int(KeyboardLight) << QByteArray() << "";
    QTest::newRow("light: macro item") << int(KeyboardLight) << QByteArray("1,1,1,2") << "";
    QTest::newRow("light: close all") << int(KeyboardLight) << QByteArray("26,1,0,0") << "radioButton_CloseAll";
    QTest::newRow("light: stop, any value")
        << int(KeyboardLight) << QByteArray("26,1,1,5") << "radioButton_StopBackLight";
    QTest::newRow("light: 26 odd param2") << int(KeyboardLight) << QByteArray("26,1,2,0") << "";
    QTest::newRow("light: recording, any value")
        << int(KeyboardLight) << QByteArray("27,1,1,5") << "radioButton_LightRecording";
    QTest::newRow("light: value not offered") << int(KeyboardLight) << QByteArray("20,1,1,4") << "";
    QTest::newRow("light: side code") << int(KeyboardLight) << QByteArray("31,1,1,0") << "";
    QTest::newRow("side: hidden button") << int(SideLight) << QByteArray("30,1,1,0") << "radioButton_OverallLightList";
    QTest::newRow("side: close, any value") << int(SideLight) << QByteArray("34,1,0,7") << "radioButton_CloseSideLight";
    QTest::newRow("side: stop") << int(SideLight) << QByteArray("34,1,1,0") << "radioButton_StopSideLight";
    QTest::newRow("config: lock keyboard, any value")
        << int(KeyConfig) << QByteArray("19,1,0,7") << "radioButton_LockKeyboard";
    QTest::newRow("config: win lock 3") << int(KeyConfig) << QByteArray("19,1,2,3") << "";
    QTest::newRow("config: hidden unlock win") << int(KeyConfig) << QByteArray("19,1,2,2") << "radioButton_UnlockWin";
    QTest::newRow("config: FN layer") << int(KeyConfig) << QByteArray("19,1,8,1") << "radioButton_FNLayer";
    QTest::newRow("config: bluetooth 2") << int(KeyConfig) << QByteArray("19,1,11,0,1") << "radioButton_Pattern2";
    QTest::newRow("config: channel 5") << int(KeyConfig) << QByteArray("19,1,11,0,5") << "";
    QTest::newRow("config: USB, any channel") << int(KeyConfig) << QByteArray("19,1,11,2,9") << "radioButton_USB";
    QTest::newRow("config: one part") << int(KeyConfig) << QByteArray("19,1,11,0") << "radioButton_Pattern1";
    QTest::newRow("config: no number") << int(KeyConfig) << QByteArray("19,1,11,x,y") << "radioButton_Pattern1";
    QTest::newRow("config: other type") << int(KeyConfig) << QByteArray("20,1,0,0") << "";
}

void TestFunctionChoicePages::storedItemSelectsButton()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, stored);
    QFETCH(QString, selected);
    auto page = makePage(kind);
    // A selection from an earlier key must not linger.
    page->findChildren<QRadioButton *>().first()->setChecked(true);
    if (!stored.isEmpty())
        storeItem(m_layer, kKey, stored);
    const QByteArray before = StoreFixture::bytes(m_layer);
    QSignalSpy saved(page.get(), &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    page->loadKeyInfo();
    QCOMPARE(checkedButton(*page), selected);
    QCOMPARE(saved.count(), 0);
    QCOMPARE(StoreFixture::bytes(m_layer), before);
}

void TestFunctionChoicePages::keyConfigOffersByDeviceType_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<QStringList>("shown");

    const QStringList wiredOnly {"radioButton_LockKeyboard", "radioButton_SwitchLoopWin"};
    const QStringList all {"radioButton_24G",           "radioButton_LockKeyboard", "radioButton_Pattern1",
                           "radioButton_Pattern2",      "radioButton_Pattern3",     "radioButton_PowerQuery",
                           "radioButton_SwitchLoopWin", "radioButton_USB"};
    QTest::newRow("wired") << 2 << all;
    QTest::newRow("wireless") << 3 << all;
    QTest::newRow("magnetic") << 4 << wiredOnly;
    QTest::newRow("type 5") << 5 << wiredOnly;
}

void TestFunctionChoicePages::keyConfigOffersByDeviceType()
{
    QFETCH(int, deviceType);
    QFETCH(QStringList, shown);
    DKeyConfigFunctionPage page;
    page.show();
    // A USB item stays selected even where its button is not offered.
    storeItem(m_layer, kKey, "19,1,11,2,0");
    DDataManager::getInstance()->setHidDeviceType(deviceType);
    page.loadKeyInfo();
    QStringList visible;
    for (QRadioButton *b : page.findChildren<QRadioButton *>())
        if (b->isVisible())
            visible << b->objectName();
    visible.sort();
    QCOMPARE(visible, shown);
    QCOMPARE(checkedButton(page), QString("radioButton_USB"));
}

void TestFunctionChoicePages::hiddenButtons()
{
    DKeyboardLightCustomEventPage keyboard;
    DSideLightCustomEventPage side;
    keyboard.show();
    side.show();
    keyboard.loadKeyInfo();
    side.loadKeyInfo();
    int visibleKeyboard = 0;
    for (QRadioButton *b : keyboard.findChildren<QRadioButton *>())
        visibleKeyboard += b->isVisible();
    QCOMPARE(visibleKeyboard, 20);
    QStringList hiddenSide;
    for (QRadioButton *b : side.findChildren<QRadioButton *>())
        if (!b->isVisible())
            hiddenSide << b->objectName();
    hiddenSide.sort();
    QCOMPARE(hiddenSide, QStringList({"radioButton_InteractionLightList", "radioButton_OverallLightList"}));

    // After a theme change the scroll bars take their colours a moment later.
    auto *bars = keyboard.findChild<QWidget *>("widget_4");
    keyboard.applyTheme();
    QVERIFY(bars->styleSheet().isEmpty());
    QTRY_VERIFY(bars->styleSheet().contains("QScrollBar"));
}

void TestFunctionChoicePages::profilePageListsAndStores()
{
    CTavrixXML_CreateProFileXmlParentNode(m_layer, "3", "Game", 0);
    CTavrixXML_CreateProFileXmlParentNode(m_layer, "2", "Game", 0);
    DChangeProfilePage page;
    auto *combo = page.findChild<QComboBox *>("comboBox_Profile");
    QSignalSpy saved(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);

    // Every profile, in the order the store lists them; a stored index shows its own entry, even when
    // another profile has the same name.
    storeItem(m_layer, kKey, "7,1,1,3");
    page.loadKeyInfo();
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i) + ":" + combo->itemData(i).toString();
    QCOMPARE(entries, QStringList({"Profile1:1", "Game:2", "Game:3"}));
    QCOMPARE(combo->currentData().toString(), QString("3"));

    // A profile that is gone, or another function, shows the first entry.
    storeItem(m_layer, kKey, "7,1,1,9");
    page.loadKeyInfo();
    QCOMPARE(combo->currentIndex(), 0);
    storeItem(m_layer, kKey, "0,1,1,3");
    page.loadKeyInfo();
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(saved.count(), 0);
    QCOMPARE(itemText(m_layer, kKey), QByteArray("0,1,1,3"));

    combo->setCurrentIndex(1);
    QCOMPARE(itemText(m_layer, kKey), QByteArray("7,1,1,2"));
    QCOMPARE(saved.count(), 1);
    combo->setCurrentIndex(1);
    QCOMPARE(saved.count(), 1);

    // No profiles to list: nothing can be stored.
    const QByteArray empty = m_fx->path("empty.xml");
    CTavrixXML_CreateXMLFile(empty);
    DDataManager::getInstance()->setCurProfilePath(empty);
    page.loadKeyInfo();
    QCOMPARE(combo->count(), 0);
    QCOMPARE(saved.count(), 1);
}

void TestFunctionChoicePages::seniorKeysPageListsAndStores()
{
    const QByteArray file = m_fx->path("SeniorKeyConfig.xml");
    CTavrixXML_SeniorKey_CreateXMLFile(file);
    CTavrixXML_SeniorKey_CreateProFileXmlParentNode(file);
    for (const SeniorKeyInfo &info : {seniorKey(7, "TGL7"), seniorKey(2, "Same"), seniorKey(4, "Same")})
        QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(file, info.keyType, info));
    DDataManager::getInstance()->setSeniorKeyXmlPath(file);

    DSeniorKeysBindingPage page;
    auto *combo = page.findChild<QComboBox *>("comboBox_SeniorKeys");
    QSignalSpy saved(&page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful);
    storeItem(m_layer, kKey, "40,1,1,4");
    page.loadKeyInfo();
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i) + ":" + combo->itemData(i).toString();
    QCOMPARE(entries, QStringList({"Same:2", "Same:4", "TGL7:7"}));
    QCOMPARE(combo->currentData().toString(), QString("4"));

    // A remap to key 7 is no advanced key 7, and a gone id names none: the list
    // shows no choice, its prompt, until the user picks one.
    for (const QByteArray &stored : {QByteArray("0,1,1,7"), QByteArray("40,1,1,9")}) {
        storeItem(m_layer, kKey, stored);
        page.loadKeyInfo();
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->placeholderText(), QString("Select an advanced key"));
    }
    QCOMPARE(saved.count(), 0);

    // Choosing stores, the entry already shown too.
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    QCOMPARE(itemText(m_layer, kKey), QByteArray("40,1,1,7"));
    emit combo->activated(2);
    QCOMPARE(saved.count(), 2);
    QCOMPARE(page.chosenId(), 7);

    // A broken advanced-key file lists nothing.
    StoreFixture::write(file, "<broken");
    page.loadKeyInfo();
    QCOMPARE(combo->count(), 0);
}

TAVRIX_TEST_MAIN(TestFunctionChoicePages)
#include "tst_functionchoicepages.moc"
