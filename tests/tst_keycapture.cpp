// Key capture of the key-assignment page through the global hook, driven by the
// hook's injection backend: which key code reaches the remap and combination
// pages, the key-reactive light effect, macro recording and the hook's modes.

#include "app/ddatamanager.h"
#include "app/windowshookinterface.h"
#include "keyboardview/dvirtualkeyboardtool.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/keyselectframe.h"
#include "keyboardview/keytippopup.h"
#include "keys/dchangekeypage.h"
#include "keys/dcustomkeyspage.h"
#include "keys/dkeycombinationpage.h"
#include "keys/dkeypickerpage.h"
#include "keys/keyfunctionpagetable.h"
#include "keys/keyoperateinfo.h"
#include "platform/injecthookbackend.h"
#include "sdk/tavrixinteractive.h"
#include "sdk/tavrixxml.h"
#include "support/layoutfixture.h"
#include "support/storefixture.h"
#include "support/testmain.h"
#include "widgets/arrowwidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

#include <memory>

namespace {

using namespace KeyFunctionPages;

constexpr quint32 kExtended = 1;
constexpr quint32 kAlt = 32;
constexpr quint32 kUp = 128;

// A at (0,0), B at (0,1), Enter at (1,0), keypad 7 at (2,0), Home at (2,1), Fn at (0,2), Esc at (3,0).
QByteArray smallLayout()
{
    LayoutFixture f;
    f.setKey(0, 0, 4, 3, 3, 30, 30, "\"A\"");
    f.setKey(0, 1, 5, 35, 3, 30, 30, "\"B\"");
    f.setKey(0, 2, -10, 67, 3, 30, 30, "\"Fn\"");
    f.setKey(1, 0, 40, 3, 35, 30, 30, "\"Enter\"");
    f.setKey(2, 0, 95, 3, 67, 30, 30, "\"7\"");
    f.setKey(2, 1, 74, 35, 67, 30, 30, "\"Home\"");
    f.setKey(3, 0, 41, 3, 99, 30, 30, "\"Esc\"");
    return f.text();
}

// Virtual-key code to key code, as the soft-keyboard layout gives it; C (67) is
// mapped but not on the picture, nor is left Shift (160).
const QMap<int, int> kVkToHid
    = {{65, 4}, {66, 5}, {67, 6}, {999, 40}, {998, 88}, {103, 95}, {36, 74}, {160, 225}, {27, 41}};

constexpr int kSelectedKey = 5;  // B, whose function the capture pages store

// The item the capture pages stored for the selected key: "type:value", empty when none.
QByteArray storedItem()
{
    DDataManager *dm = DDataManager::getInstance();
    KeyOperateInfo info = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(dm->getCurProfilePath(), QByteArray::number(dm->getCurProfileIndex()),
                                           QByteArray::number(kSelectedKey), &info);
    if (keyOperateNumber(info.keyDec) == -1)
        return QByteArray();
    return keyOperateField(info.operateType) + ':' + keyOperateField(info.value);
}

}  // namespace

class TestKeyCapture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void capturedKeyCode_data();
    void capturedKeyCode();
    void pressesOnlyAndSwallowed();
    void combinationCollectsKeys();
    void captureOnlyForCapturePages();
    void interactiveLight();
    void macroRecordResult();
    void modesExcludeEachOther();
    void reservedKeyNotTaken();
    void escapeCancelsThePick_data();
    void escapeCancelsThePick();

private:
    void openPicker(int buttonId);
    // Opens the page's pop-up as a click into its line edit does.
    DKeyPickerPage *openPopup(int buttonId);

    InjectHookBackend *m_backend = nullptr;
    std::unique_ptr<StoreFixture> m_store;
    std::unique_ptr<keySelectFrame> m_picture;
    std::unique_ptr<DCustomKeysPage> m_page;
};

void TestKeyCapture::init()
{
    auto backend = std::make_unique<InjectHookBackend>();
    m_backend = backend.get();
    WindowsHookInterface::setBackend(std::move(backend));
    m_store.reset(new StoreFixture);
    DDataManager *dm = DDataManager::getInstance();
    dm->setCurProfilePath(m_store->newLayerFile("appProfile_Default.xml"));
    dm->setCurProfileIndex(1);
    dm->clearClickedKey();
    m_picture.reset(new keySelectFrame);
    QVERIFY(m_picture->parseKeyboardInfo(smallLayout()));
    m_page.reset(new DCustomKeysPage);
    // After the page: the virtual keyboards of its pages load the soft keyboard's own map.
    dm->setVkToHidMap(kVkToHid);
    m_page->setProfilePath(dm->getCurProfilePath());
    m_page->setProfileIndex(1);
    m_page->refreshForDevice();
}

void TestKeyCapture::cleanup()
{
    m_page.reset();
    m_picture.reset();
    m_store.reset();
    WindowsHookInterface::setBackend(nullptr);
    m_backend = nullptr;
}

// Selects B, shows the page and opens its key picker.
void TestKeyCapture::openPicker(int buttonId)
{
    DDataManager::getInstance()->setClickedKey(kSelectedKey, "B");
    m_page->onCurIndexChanged_Key(buttonId);
    emit m_page->functionPage(buttonId)->sigMessageStartOrStopHook(true);
}

DKeyPickerPage *TestKeyCapture::openPopup(int buttonId)
{
    DDataManager::getInstance()->setClickedKey(kSelectedKey, "B");
    m_page->onCurIndexChanged_Key(buttonId);
    auto *picker = qobject_cast<DKeyPickerPage *>(m_page->functionPage(buttonId));
    if (picker)
        QTest::mouseRelease(picker->pickEdit(), Qt::LeftButton);
    return picker;
}

void TestKeyCapture::capturedKeyCode_data()
{
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("keyCode");  // -1: nothing captured
    QTest::newRow("A") << 65 << 0 << 4;
    QTest::newRow("injected A") << 65 << 16 << -1;  // flags 16 is not a first press the hook reports
    QTest::newRow("main Enter") << 13 << 0 << 40;
    QTest::newRow("keypad Enter") << 13 << int(kExtended) << 88;
    QTest::newRow("Alt+Enter as plain 13") << 13 << int(kAlt) << -1;
    QTest::newRow("keypad 7, NumLock off") << 36 << 0 << 95;
    QTest::newRow("keypad 7 with Alt") << 36 << int(kAlt) << 95;
    QTest::newRow("Home of the navigation block") << 36 << int(kExtended) << 74;
    QTest::newRow("key not in the layout") << 200 << 0 << -1;
}

void TestKeyCapture::capturedKeyCode()
{
    QFETCH(int, vk);
    QFETCH(int, flags);
    QFETCH(int, keyCode);
    openPicker(RemapKey);
    QCOMPARE(m_page->hookMode(), int(DCustomKeysPage::HookMode_RemapCapture));
    m_backend->injectKey(vk, 0, flags);
    m_backend->injectKey(vk, 0, flags | kUp);
    QCOMPARE(storedItem(), keyCode == -1 ? QByteArray() : "0:" + QByteArray::number(keyCode));
}

void TestKeyCapture::pressesOnlyAndSwallowed()
{
    openPicker(KeyCombination);
    auto *combination = qobject_cast<DKeyCombinationPage *>(m_page->functionPage(KeyCombination));
    QSignalSpy saves(combination, &DKeyFunctionPage::sigShouldUpdateKeyboard);
    m_backend->injectKey(160, 0, 0);
    m_backend->injectKey(160, 0, kUp);
    // Held: the repeats are neither reported nor captured; the release is ignored.
    QCOMPARE(m_backend->injectKey(65, 0, 0), 1);
    QCOMPARE(m_backend->injectKey(65, 0, 0), 0);
    QCOMPARE(m_backend->injectKey(65, 0, 0), 0);
    m_backend->injectKey(65, 0, kUp);
    QCOMPARE(storedItem(), QByteArray("2:2,4"));
    QCOMPARE(saves.count(), 1);
    // B alone starts a new combination and completes none.
    m_backend->injectKey(66, 0, 0);
    m_backend->injectKey(66, 0, kUp);
    QCOMPARE(saves.count(), 1);
    QCOMPARE(storedItem(), QByteArray("2:2,4"));
}

void TestKeyCapture::combinationCollectsKeys()
{
    openPicker(KeyCombination);
    QCOMPARE(m_page->hookMode(), int(DCustomKeysPage::HookMode_CombinationCapture));
    m_backend->injectKey(160, 0, 0);
    m_backend->injectKey(13, 0, 0);
    // The combination page took the keys, the remap page none.
    QCOMPARE(storedItem(), QByteArray("2:2,40"));
    // Closing the picker stops the hook.
    auto *combination = qobject_cast<DKeyCombinationPage *>(m_page->functionPage(KeyCombination));
    emit combination->sigMessageStartOrStopHook(false);
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
    QCOMPARE(m_backend->injectKey(160, 0, 0), -1);
    QCOMPARE(m_backend->injectKey(66, 0, 0), -1);
    QCOMPARE(storedItem(), QByteArray("2:2,40"));
}

void TestKeyCapture::captureOnlyForCapturePages()
{
    DDataManager::getInstance()->setClickedKey(5, "B");
    m_page->onCurIndexChanged_Key(Disable);
    m_page->onMessageStartOrStopHook(true);
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
}

void TestKeyCapture::interactiveLight()
{
    CTavrixHid_takeClickedKeyPoints();
    QSignalSpy points(m_page.get(), &DCustomKeysPage::sigInteractLightsPointXY);
    DDataManager::getInstance()->setClickedKey(5, "B");
    m_page->onCurIndexChanged_Key(RemapKey);  // whichever page is shown, mode 5 only reports
    m_page->setInteractiveLightCapture(true);
    QCOMPARE(m_page->hookMode(), int(DCustomKeysPage::HookMode_InteractiveLight));
    QVERIFY(m_page->isInteractiveCapture());
    QCOMPARE(m_backend->injectKey(66, 0, 0), 0);  // passed on
    m_backend->injectKey(66, 0, kUp);
    m_backend->injectKey(67, 0, 0);  // C: not on the picture
    m_backend->injectKey(36, 0, kExtended);
    QCOMPARE(points.count(), 2);
    QCOMPARE(points.at(0), (QVariantList {0, 1}));
    QCOMPARE(points.at(1), (QVariantList {2, 1}));
    QCOMPARE(CTavrixHid_takeClickedKeyPoints(), (QList<QPoint> {QPoint(0, 1), QPoint(2, 1)}));
    QCOMPARE(storedItem(), QByteArray());  // the remap page took nothing
    m_page->setInteractiveLightCapture(false);
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
    QVERIFY(!m_page->isInteractiveCapture());
}

void TestKeyCapture::macroRecordResult()
{
    DDataManager *dm = DDataManager::getInstance();
    QVERIFY(dm->setHookRunningMacroRecord(true));
    QCOMPARE(m_page->hookMode(), int(DCustomKeysPage::HookMode_MacroRecord));
    QVERIFY(WindowsHookInterface::isMouseHookInstalled());
    QSignalSpy points(m_page.get(), &DCustomKeysPage::sigInteractLightsPointXY);
    m_backend->injectKey(65, 0, 0);
    QVERIFY(points.isEmpty());
    QVERIFY(dm->setHookRunningMacroRecord(false));
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
    // A refused installation reaches the macro editor as a failure.
    m_backend->setKeyboardFailure(5);
    QVERIFY(!dm->setHookRunningMacroRecord(true));
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
}

void TestKeyCapture::modesExcludeEachOther()
{
    m_page->setInteractiveLightCapture(true);
    // A picker opened during a light effect ends the light capture...
    openPicker(RemapKey);
    QCOMPARE(m_page->hookMode(), int(DCustomKeysPage::HookMode_RemapCapture));
    QCOMPARE(m_backend->injectKey(65, 0, 0), 1);
    // ...and closing it leaves the hook stopped until the next light change.
    emit m_page->functionPage(RemapKey)->sigMessageStartOrStopHook(false);
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
    QCOMPARE(m_page->hookMode(), int(DCustomKeysPage::HookMode_RemapCapture));
}

void TestKeyCapture::reservedKeyNotTaken()
{
    // On the FN layer the keyboard's reserved keys cannot be chosen: clicking one
    // leaves the tab as it was.
    m_page->resetPage(1);
    keyboardButCustom *b = DDataManager::getInstance()->getKeyButtonMap().value(5);
    b->setSelectable(false);
    QSignalSpy intoTab(m_page.get(), &DCustomKeysPage::sigAutoIntoCustomKeysPage);
    // Its tip says why.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(b, &enter);
    QCOMPARE(m_picture->tipPopup()->content().functionDetail, QString("Cannot remapped"));
    QVERIFY(!m_picture->tipPopup()->content().canRemap);
    b->click();
    QVERIFY(intoTab.isEmpty());
    QCOMPARE(DDataManager::getInstance()->getClickedKeyCode(), -1);
    QCOMPARE(m_page->currentPageCode(), int(KeyFunctionPages::kDefaultPageCode));
    DDataManager::getInstance()->getKeyButtonMap().value(4)->click();
    QCOMPARE(intoTab.count(), 1);
    QCOMPARE(DDataManager::getInstance()->getClickedKeyCode(), 4);
}

void TestKeyCapture::escapeCancelsThePick_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("stored");  // the key's item before: "" none, else "type:value"
    QTest::addColumn<QList<int>>("before");  // virtual keys pressed before Escape
    QTest::addColumn<bool>("throughPopup");  // Escape reaches the pop-up, not the capture
    QTest::addColumn<QString>("shown");      // the line edit after the cancel

    const QList<int> none;
    QTest::newRow("remap, captured Escape") << int(RemapKey) << QByteArray() << none << false << "";
    QTest::newRow("remap, Escape in the pop-up") << int(RemapKey) << QByteArray() << none << true << "";
    QTest::newRow("remap kept") << int(RemapKey) << QByteArray("0:4") << none << false << "A";
    QTest::newRow("combination, half picked") << int(KeyCombination) << QByteArray() << QList<int> {160} << false << "";
    QTest::newRow("combination, Escape in the pop-up")
        << int(KeyCombination) << QByteArray("2:2,4") << QList<int> {160} << true << "L_SHIFT+A";
}

// Escape that closes a key pop-up stores nothing and drops a half-made pick; Esc is
// still a target through the pop-up's own Esc key.
void TestKeyCapture::escapeCancelsThePick()
{
    QFETCH(int, page);
    QFETCH(QByteArray, stored);
    QFETCH(QList<int>, before);
    QFETCH(bool, throughPopup);
    QFETCH(QString, shown);
    DDataManager *dm = DDataManager::getInstance();
    if (!stored.isEmpty()) {
        const QList<QByteArray> parts = stored.split(':');
        CTavrixXML_AddProFileMacroWithKeyInfoItem(dm->getCurProfilePath(), "1", QByteArray::number(kSelectedKey), "B",
                                                  parts[0], "1", "1", parts[1]);
    }
    DKeyPickerPage *picker = openPopup(page);
    QVERIFY(picker);
    QVERIFY(picker->popup()->isPopupShown());
    QVERIFY(WindowsHookInterface::isKeyboardHookInstalled());
    QSignalSpy saves(picker, &DKeyFunctionPage::sigShouldUpdateKeyboard);
    for (int vk : before)
        m_backend->injectKey(vk, 0, 0);
    if (throughPopup) {
        QTest::keyClick(picker->popup(), Qt::Key_Escape);
    } else {
        QCOMPARE(m_backend->injectKey(27, 0, 0), 1);  // swallowed: it reaches no other program
        m_backend->injectKey(27, 0, kUp);
    }
    QCOMPARE(storedItem(), stored);
    QCOMPARE(saves.count(), 0);
    QVERIFY(!picker->popup()->isPopupShown());
    QVERIFY(!picker->popup()->isVisible());
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
    QCOMPARE(picker->pickEdit()->text(), shown);

    // Opened again, the pick starts afresh: a lone key completes no combination.
    openPopup(page);
    m_backend->injectKey(65, 0, 0);
    QCOMPARE(storedItem(), page == RemapKey ? QByteArray("0:4") : stored);
    // The pop-up's own Esc key is a pick like any other.
    if (page == RemapKey) {
        emit picker->virtualKeyboard()->sigSoftKeyboardClicked_VirtualKB(41);
        QCOMPARE(storedItem(), QByteArray("0:41"));
    }
    picker->cancelPick();
}

TAVRIX_TEST_MAIN(TestKeyCapture)
#include "tst_keycapture.moc"
