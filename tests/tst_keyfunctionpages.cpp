#include "app/ddatamanager.h"
#include "keyboardview/dvirtualkeyboardtool.h"
#include "keys/dchangekeypage.h"
#include "keys/dhotkeypage.h"
#include "keys/dkeycombinationpage.h"
#include "keys/dkeywithapppage.h"
#include "keys/dkeywithtextpage.h"
#include "keys/dmousekeypage.h"
#include "keys/dmultimediapage.h"
#include "keys/keycombinationpicker.h"
#include "keys/keyoperateinfo.h"
#include "keys/keytextlimit.h"
#include "sdk/tavrixxml.h"
#include "support/markingtranslator.h"
#include "support/storefixture.h"
#include "support/testmain.h"
#include "widgets/arrowwidget.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTextEdit>
#include <QTranslator>
#include <QVBoxLayout>
#include <memory>

namespace {

const int kKeyA = 4, kKeyS = 22, kKeyEnter = 40, kLeftCtrl = 224, kLeftShift = 225, kLeftAlt = 226, kRightAlt = 230;
const int kFn = -10;
const int kAssignedKey = 41;  // the key whose function the pages set (Escape)
const int kOtherKey = 43;     // a second key (Tab)

struct Item
{
    bool present = false;
    QByteArray type, param1, param2, value;
};

// Everything the saves of one page emit, in order.
class SignalLog : public QObject
{
public:
    explicit SignalLog(DKeyFunctionPage *page)
    {
        connect(page, &DKeyFunctionPage::sigShouldUpdateKeyboard, this,
                [this](int key) { events << QStringLiteral("update %1").arg(key); });
        connect(page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful, this,
                [this] { events << QStringLiteral("success"); });
        connect(page, &DKeyFunctionPage::sigCustomKeyInfoSaveFailed, this,
                [this](int type, int reason) { events << QStringLiteral("failed %1,%2").arg(type).arg(reason); });
        connect(page, &DKeyFunctionPage::sigClickedCancel, this, [this] { events << QStringLiteral("cancel"); });
        connect(page, &DKeyFunctionPage::sigMessageStartOrStopHook, this,
                [this](bool on) { events << QStringLiteral("hook %1").arg(on); });
    }
    QStringList events;
};

QStringList savedOnce(int key)
{
    return {QStringLiteral("update %1").arg(key), QStringLiteral("success")};
}

}  // namespace

class TestKeyFunctionPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void choicePageStoresClickedCode_data();
    void choicePageStoresClickedCode();
    void choicePageShowsStoredCode_data();
    void choicePageShowsStoredCode();

    void remapStoresPickedKey_data();
    void remapStoresPickedKey();
    void remapShowsStoredTarget();
    void pickerPopupRequestsCapture();

    void combinationSequence_data();
    void combinationSequence();
    void combinationStoredValueShown_data();
    void combinationStoredValueShown();
    void combinationPageStoresCapturedKeys();

    void textLimit_data();
    void textLimit();
    void textPageRoundTrips_data();
    void textPageRoundTrips();
    void textPageCutsTypingAtTheLimit();
    void textPageRefusesEmptyText();

    void appPageStoresPickedFile();

    void languageChangeReachesThePages();
    void screenshots();

private:
    void selectKey(int key);
    Item item(int key, const QByteArray &layer = QByteArray()) const;
    void store(int key, const char *type, const char *value);

    std::unique_ptr<StoreFixture> m_store;
    QByteArray m_layer;
    QByteArray m_magnetic;
};

void TestKeyFunctionPages::initTestCase()
{
    // Fills the data manager's caption map, as the device page's soft keyboard does.
    DVirtualKeyboardTool tool(0);
    QCOMPARE(DDataManager::getInstance()->getKeyCharMap().value(kKeyA), QStringLiteral("A"));
}

void TestKeyFunctionPages::init()
{
    m_store.reset(new StoreFixture);
    m_layer = m_store->newLayerFile("appProfile_Default.xml");
    CTavrixXML_CreateProFileXmlParentNode(m_layer, "2", "Profile2", 0);
    m_magnetic = m_store->newLayerFile("appProfile_Magnetic.xml");
    DDataManager *dm = DDataManager::getInstance();
    dm->setCurProfilePath(m_layer);
    dm->setCurProfileIndex(2);
    dm->setMagneticProfilePath(m_magnetic);
    selectKey(kAssignedKey);
}

void TestKeyFunctionPages::selectKey(int key)
{
    DDataManager::getInstance()->setClickedKey(key, QStringLiteral("Key%1").arg(key));
}

Item TestKeyFunctionPages::item(int key, const QByteArray &layer) const
{
    KeyOperateInfo info = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(layer.isEmpty() ? m_layer : layer, "2", QByteArray::number(key), &info);
    Item out;
    out.present = keyOperateNumber(info.keyDec) != -1;
    out.type = keyOperateField(info.operateType);
    out.param1 = keyOperateField(info.param1);
    out.param2 = keyOperateField(info.param2);
    out.value = keyOperateField(info.value);
    return out;
}

void TestKeyFunctionPages::store(int key, const char *type, const char *value)
{
    const QByteArray code = QByteArray::number(key);
    CTavrixXML_DeleteProFileMacroWithKeyInfoItem(m_layer, "2", code, "k");
    QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(m_layer, "2", code, "k", type, "1", "1", value));
}

// ---- Shortcut, mouse and multimedia pages ----

namespace {

DKeyCodeChoicePage *makeChoicePage(const QString &name)
{
    if (name == "shortcut")
        return new DHotKeyPage;
    if (name == "mouse")
        return new DMouseKeyPage;
    return new DMultimediaPage;
}

}  // namespace

void TestKeyFunctionPages::choicePageStoresClickedCode_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("Copy") << "shortcut"
                          << "radioButton_Copy" << QByteArray("9") << QByteArray("5");
    QTest::newRow("Close window") << "shortcut"
                                  << "radioButton_CloseWindow" << QByteArray("9") << QByteArray("0");
    QTest::newRow("Save") << "shortcut"
                          << "radioButton_Save" << QByteArray("9") << QByteArray("11");
    QTest::newRow("Scroll Up") << "mouse"
                               << "radioButton_mouseScrollUp" << QByteArray("4") << QByteArray("3");
    QTest::newRow("Forward") << "mouse"
                             << "radioButton_Forward" << QByteArray("4") << QByteArray("5");
    QTest::newRow("Backward") << "mouse"
                              << "radioButton_Backward" << QByteArray("4") << QByteArray("6");
    QTest::newRow("Mouse Left") << "mouse"
                                << "radioButton_mouseLeft" << QByteArray("4") << QByteArray("0");
    QTest::newRow("Search") << "multimedia"
                            << "radioButton_wwwSearch" << QByteArray("3") << QByteArray("15");
    QTest::newRow("Play/Pause") << "multimedia"
                                << "radioButton_playOrPause" << QByteArray("3") << QByteArray("3");
    QTest::newRow("Player") << "multimedia"
                            << "radioButton_Player" << QByteArray("3") << QByteArray("8");
}

void TestKeyFunctionPages::choicePageStoresClickedCode()
{
    QFETCH(QString, page);
    QFETCH(QString, button);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);

    std::unique_ptr<DKeyCodeChoicePage> p(makeChoicePage(page));
    store(kAssignedKey, "1", "0");  // a macro, replaced by the click
    p->loadKeyInfo();
    QCOMPARE(p->checkedCode(), -1);
    SignalLog log(p.get());

    auto *radio = p->findChild<QAbstractButton *>(button);
    QVERIFY(radio && radio->isVisibleTo(p.get()));
    radio->click();
    radio->click();  // the checked button again stores again
    const Item stored = item(kAssignedKey);
    QVERIFY(stored.present);
    QCOMPARE(stored.type, type);
    QCOMPARE(stored.param1, QByteArray("1"));
    QCOMPARE(stored.param2, QByteArray("1"));
    QCOMPARE(stored.value, value);
    QCOMPARE(log.events, savedOnce(kAssignedKey) + savedOnce(kAssignedKey));
    QVERIFY(!item(kAssignedKey, m_magnetic).present);

    // Shown again for its key, and not for a key without an item.
    selectKey(kOtherKey);
    p->loadKeyInfo();
    QCOMPARE(p->checkedCode(), -1);
    selectKey(kAssignedKey);
    p->loadKeyInfo();
    QCOMPARE(p->checkedCode(), value.toInt());
    QVERIFY(radio->isChecked());
}

void TestKeyFunctionPages::choicePageShowsStoredCode_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("checked");
    QTest::newRow("shortcut Copy") << "shortcut" << QByteArray("9") << QByteArray("5") << 5;
    QTest::newRow("shortcut 1 has no button") << "shortcut" << QByteArray("9") << QByteArray("1") << -1;
    QTest::newRow("shortcut out of table") << "shortcut" << QByteArray("9") << QByteArray("40") << -1;
    QTest::newRow("macro on the shortcut page") << "shortcut" << QByteArray("1") << QByteArray("5") << -1;
    QTest::newRow("multimedia 7 has no button") << "multimedia" << QByteArray("3") << QByteArray("7") << -1;
    QTest::newRow("mouse code on the multimedia page") << "multimedia" << QByteArray("4") << QByteArray("3") << -1;
    QTest::newRow("mouse sniper stays hidden") << "mouse" << QByteArray("4") << QByteArray("7") << 7;
}

void TestKeyFunctionPages::choicePageShowsStoredCode()
{
    QFETCH(QString, page);
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(int, checked);

    std::unique_ptr<DKeyCodeChoicePage> p(makeChoicePage(page));
    // A button checked for an earlier key must not stay checked.
    store(kOtherKey, p->operateType() == 9 ? "9" : p->operateType() == 4 ? "4" : "3", "2");
    selectKey(kOtherKey);
    p->loadKeyInfo();
    QCOMPARE(p->checkedCode(), 2);

    store(kAssignedKey, type, value);
    selectKey(kAssignedKey);
    SignalLog log(p.get());
    p->loadKeyInfo();
    QCOMPARE(p->checkedCode(), checked);
    for (QAbstractButton *button : p->findChildren<QAbstractButton *>())
        QVERIFY(!(button->isChecked() && button->isVisibleTo(p.get())) || checked == p->checkedCode());
    if (page == "mouse")
        QVERIFY(!p->choiceButton(7)->isVisibleTo(p.get()));
    // A load stores nothing.
    QVERIFY(log.events.isEmpty());
    QCOMPARE(item(kAssignedKey).value, value);
    QCOMPARE(item(kAssignedKey).type, type);
}

// ---- Remap page ----

void TestKeyFunctionPages::remapStoresPickedKey_data()
{
    QTest::addColumn<bool>("clicked");  // on the virtual keyboard, else captured
    QTest::addColumn<int>("target");
    QTest::addColumn<QByteArray>("value");  // empty: nothing stored
    QTest::newRow("A captured") << false << kKeyA << QByteArray("4");
    QTest::newRow("A clicked") << true << kKeyA << QByteArray("4");
    QTest::newRow("Enter captured") << false << kKeyEnter << QByteArray("40");
    QTest::newRow("Fn clicked") << true << kFn << QByteArray("-10");
    QTest::newRow("no caption") << false << 9999 << QByteArray();
    QTest::newRow("nothing picked") << false << -1 << QByteArray();
}

void TestKeyFunctionPages::remapStoresPickedKey()
{
    QFETCH(bool, clicked);
    QFETCH(int, target);
    QFETCH(QByteArray, value);

    DChangeKeyPage page;
    page.setPressModeSelectable(true);
    store(kAssignedKey, "1", "0");
    page.loadKeyInfo();
    QVERIFY(page.pickEdit()->text().isEmpty());
    SignalLog log(&page);
    for (int i = 0; i < 2; ++i) {
        if (clicked)
            page.onSoftKeyboardClicked_VirtualKB(target);
        else
            page.setTargetKey(target);
    }

    const Item stored = item(kAssignedKey);
    if (value.isEmpty()) {
        QCOMPARE(stored.type, QByteArray("1"));  // the other item stays
        QVERIFY(log.events.isEmpty());
        return;
    }
    QCOMPARE(stored.type, QByteArray("0"));
    QCOMPARE(stored.param1, QByteArray("1"));
    QCOMPARE(stored.param2, QByteArray("1"));
    QCOMPARE(stored.value, value);
    // Each pick is stored, the same one again too.
    QCOMPARE(log.events, savedOnce(kAssignedKey) + savedOnce(kAssignedKey));
    QCOMPARE(page.pickEdit()->text(), DDataManager::getInstance()->getKeyCharMap().value(target));
    // Only the layer file shown is written, whatever the press-mode selector.
    QVERIFY(!item(kAssignedKey, m_magnetic).present);
    QVERIFY(page.findChild<QWidget *>("frame_Top2")->isHidden());
}

void TestKeyFunctionPages::remapShowsStoredTarget()
{
    DChangeKeyPage page;
    store(kAssignedKey, "0", "22");
    store(kOtherKey, "2", "1,4");
    page.loadKeyInfo();
    QCOMPARE(page.pickEdit()->text(), QStringLiteral("S"));
    selectKey(kOtherKey);
    page.loadKeyInfo();
    QVERIFY(page.pickEdit()->text().isEmpty());
    // A stored target without a caption shows nothing and stays stored.
    store(kOtherKey, "0", "9999");
    page.loadKeyInfo();
    QVERIFY(page.pickEdit()->text().isEmpty());
    QCOMPARE(item(kOtherKey).value, QByteArray("9999"));
}

void TestKeyFunctionPages::pickerPopupRequestsCapture()
{
    DKeyCombinationPage page;
    page.show();
    page.loadKeyInfo();
    SignalLog log(&page);
    // Focus handed on by a page switch or by the program opens nothing; the
    // keyboard's Tab into the field does.
    QFocusEvent handedOn(QEvent::FocusIn, Qt::OtherFocusReason);
    QApplication::sendEvent(page.pickEdit(), &handedOn);
    QVERIFY(!page.popup()->isPopupShown());
    QVERIFY(log.events.isEmpty());
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(page.pickEdit(), &focusIn);
    QVERIFY(page.popup()->isPopupShown());
    QApplication::sendEvent(page.pickEdit(), &focusIn);  // already open: nothing more
    QCOMPARE(log.events, QStringList {"hook 1"});

    // A modifier picked before the pop-up closes still counts afterwards.
    page.addCapturedKey(kLeftCtrl);
    page.onArrowWidgetHide();
    QVERIFY(!page.popup()->isPopupShown());
    QApplication::sendEvent(page.pickEdit(), &focusIn);
    page.addCapturedKey(kKeyA);
    QCOMPARE(log.events, QStringList({"hook 1", "hook 0", "hook 1"}) + savedOnce(kAssignedKey));
    QCOMPARE(item(kAssignedKey).value, QByteArray("1,4"));
}

// ---- Key combination page ----

void TestKeyFunctionPages::combinationSequence_data()
{
    QTest::addColumn<QList<int>>("picks");
    QTest::addColumn<QByteArray>("value");  // empty: nothing complete
    QTest::addColumn<QString>("shown");
    QTest::newRow("Ctrl+A") << QList<int> {kLeftCtrl, kKeyA} << QByteArray("1,4") << "L_CTRL+A";
    QTest::newRow("Shift, Ctrl, S") << QList<int> {kLeftShift, kLeftCtrl, kKeyS} << QByteArray("3,22")
                                    << "L_SHIFT+L_CTRL+S";
    QTest::newRow("Ctrl twice") << QList<int> {kLeftCtrl, kLeftCtrl, kKeyA} << QByteArray("1,4") << "L_CTRL+A";
    QTest::newRow("third modifier ignored")
        << QList<int> {kLeftCtrl, kLeftShift, kLeftAlt, kKeyA} << QByteArray("3,4") << "L_CTRL+L_SHIFT+A";
    QTest::newRow("right Alt is bit 6") << QList<int> {kRightAlt, kKeyA} << QByteArray("64,4") << "R_ALT+A";
    QTest::newRow("main key alone") << QList<int> {kKeyA} << QByteArray() << "";
    QTest::newRow("modifiers alone") << QList<int> {kLeftCtrl, kLeftShift} << QByteArray() << "L_CTRL+L_SHIFT";
    QTest::newRow("main key without caption") << QList<int> {kLeftCtrl, 9999} << QByteArray() << "L_CTRL";
    QTest::newRow("a new sequence after a stored one")
        << QList<int> {kLeftCtrl, kKeyA, kLeftAlt, kKeyS} << QByteArray("4,22") << "L_ALT+S";
    QTest::newRow("main key first, then a combination")
        << QList<int> {kKeyA, kLeftCtrl, kKeyS} << QByteArray("1,22") << "L_CTRL+S";
}

void TestKeyFunctionPages::combinationSequence()
{
    QFETCH(QList<int>, picks);
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);

    const QMap<int, QString> captions = DDataManager::getInstance()->getKeyCharMap();
    KeyCombinationPicker picker;
    QByteArray complete;
    for (int key : picks) {
        if (picker.pick(key, captions) == KeyCombinationPicker::Outcome_Complete) {
            complete = KeyCombinationPicker::value(picker.modifierMask(), picker.mainKey());
            picker.clearStored();
        }
    }
    QCOMPARE(complete, value);
    QCOMPARE(picker.text(), shown);
}

void TestKeyFunctionPages::combinationStoredValueShown_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("3,22") << QByteArray("3,22") << "L_CTRL+L_SHIFT+S";
    QTest::newRow("all modifiers") << QByteArray("255,4") << "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+R_WIN+A";
    QTest::newRow("higher bits ignored") << QByteArray("257,4") << "L_CTRL+A";
    QTest::newRow("mask only") << QByteArray("1") << "L_CTRL";
    QTest::newRow("unknown key") << QByteArray("2,9999") << "L_SHIFT";
    QTest::newRow("not a number") << QByteArray("x") << "";
}

void TestKeyFunctionPages::combinationStoredValueShown()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);
    DKeyCombinationPage page;
    store(kAssignedKey, "2", value);
    page.loadKeyInfo();
    QCOMPARE(page.pickEdit()->text(), shown);
    // Only shown: a main key alone afterwards completes nothing.
    page.addCapturedKey(kKeyA);
    QCOMPARE(item(kAssignedKey).value, value);
}

void TestKeyFunctionPages::combinationPageStoresCapturedKeys()
{
    DKeyCombinationPage page;
    store(kAssignedKey, "0", "4");
    page.loadKeyInfo();
    QVERIFY(page.pickEdit()->text().isEmpty());
    SignalLog log(&page);
    page.addCapturedKey(kLeftShift);
    page.onSoftKeyboardClicked_VirtualKB(kLeftCtrl);
    QCOMPARE(page.pickEdit()->text(), QStringLiteral("L_SHIFT+L_CTRL"));
    QCOMPARE(item(kAssignedKey).type, QByteArray("0"));  // nothing stored before the main key
    page.addCapturedKey(kKeyS);
    QCOMPARE(page.pickEdit()->text(), QStringLiteral("L_SHIFT+L_CTRL+S"));
    QCOMPARE(log.events, savedOnce(kAssignedKey));
    const Item stored = item(kAssignedKey);
    QCOMPARE(stored.type, QByteArray("2"));
    QCOMPARE(stored.param1, QByteArray("1"));
    QCOMPARE(stored.param2, QByteArray("1"));
    QCOMPARE(stored.value, QByteArray("3,22"));
    page.loadKeyInfo();
    QCOMPARE(page.pickEdit()->text(), QStringLiteral("L_CTRL+L_SHIFT+S"));
}

// ---- Text page ----

namespace {

QString chinese(int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(0x4E00 + i % 0x5000);
    return s;
}

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");  // two UTF-16 units, four UTF-8 bytes

}  // namespace

void TestKeyFunctionPages::textLimit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedCursor");
    const QString a5000(5000, 'a');
    QTest::newRow("within") << a5000 << 10 << a5000 << 10;
    QTest::newRow("6000 pasted") << QString(5000, 'a') + QString(1000, 'b') << 6000 << a5000 << 5000;
    QTest::newRow("one typed in the middle") << QString(2500, 'a') + "x" + QString(2500, 'a') << 2501 << a5000 << 2500;
    QTest::newRow("cursor at the start: cut from the end") << QString(5003, 'a') << 0 << a5000 << 0;
    const QString cjk = chinese(5000);
    // 1706 characters of three bytes each is the most that fits 5119 bytes.
    QTest::newRow("5000 Chinese pasted") << cjk << 5000 << cjk.left(1706) << 1706;
    // 1706 Chinese characters take 5118 bytes: a following emoji goes whole.
    const QString emojiEnd = chinese(1706) + kEmoji;
    QTest::newRow("an emoji is not split") << emojiEnd << emojiEnd.size() << chinese(1706) << 1706;
    QTest::newRow("emoji fits") << chinese(1705) + kEmoji << 1707 << chinese(1705) + kEmoji << 1707;
    QTest::newRow("NUL removed") << QString("ab") + QChar(0) + "c" << 4 << "abc" << 3;
}

void TestKeyFunctionPages::textLimit()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(QString, expected);
    QFETCH(int, expectedCursor);
    const KeyTextLimit fitted = KeyTextLimit::fit(text, cursor);
    QCOMPARE(fitted.text.size(), expected.size());
    QCOMPARE(fitted.text, expected);
    QCOMPARE(fitted.cursor, expectedCursor);
    QCOMPARE(fitted.changed, text != expected);
    QVERIFY(fitted.text.toUtf8().size() <= KeyTextLimit::kMaxBytes);
}

void TestKeyFunctionPages::textPageRoundTrips_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("looks like HTML") << "<b>bold</b> &amp; <i>x</i>"
                                     << "<b>bold</b> &amp; <i>x</i>";
    QTest::newRow("emoji and lines") << kEmoji + " smile\nsecond line" << kEmoji + " smile\nsecond line";
    QTest::newRow("a single blank") << " "
                                    << " ";
    QTest::newRow("no-break space") << QString("a") + QChar(0xA0) + "b" << QString("a") + QChar(0xA0) + "b";
    QTest::newRow("5000 Chinese characters") << chinese(5000) << chinese(1706);
}

void TestKeyFunctionPages::textPageRoundTrips()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    DKeyWithTextPage page;
    page.loadKeyInfo();
    auto *box = page.findChild<QTextEdit *>("textEdit_keyText");
    box->insertPlainText(typed);  // as a paste
    QCOMPARE(page.currentText(), kept);
    SignalLog log(&page);
    page.findChild<QPushButton *>("pushButton_OK")->click();
    QCOMPARE(log.events, savedOnce(kAssignedKey));
    const Item stored = item(kAssignedKey);
    QCOMPARE(stored.type, QByteArray("6"));
    QCOMPARE(stored.value, kept.toUtf8());

    // Loaded again, and saved again unchanged.
    selectKey(kOtherKey);
    page.loadKeyInfo();
    QVERIFY(box->toPlainText().isEmpty());
    selectKey(kAssignedKey);
    page.loadKeyInfo();
    QCOMPARE(page.currentText(), kept);
    page.findChild<QPushButton *>("pushButton_OK")->click();
    QCOMPARE(item(kAssignedKey).value, kept.toUtf8());
}

void TestKeyFunctionPages::textPageCutsTypingAtTheLimit()
{
    DKeyWithTextPage page;
    page.loadKeyInfo();
    auto *box = page.findChild<QTextEdit *>("textEdit_keyText");
    box->insertPlainText(QString(4999, 'a'));
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(1234);
    box->setTextCursor(cursor);
    QTest::keyClick(box, Qt::Key_X);  // the 5000th character stays
    QString expected = QString(4999, 'a').insert(1234, 'x');
    QCOMPARE(page.currentText(), expected);
    QTest::keyClick(box, Qt::Key_Y);  // one too many goes again
    QCOMPARE(page.currentText(), expected);
    QCOMPARE(box->toPlainText(), expected);
    QCOMPARE(box->textCursor().position(), 1235);
}

void TestKeyFunctionPages::textPageRefusesEmptyText()
{
    DKeyWithTextPage page;
    store(kAssignedKey, "1", "3");
    page.loadKeyInfo();  // another kind: empty box
    QVERIFY(page.currentText().isEmpty());
    SignalLog log(&page);
    page.findChild<QPushButton *>("pushButton_OK")->click();
    QCOMPARE(log.events, QStringList {"failed 6,0"});
    QCOMPARE(item(kAssignedKey).type, QByteArray("1"));

    // Cancel stores nothing either.
    page.findChild<QTextEdit *>("textEdit_keyText")->insertPlainText("edited");
    page.findChild<QPushButton *>("pushButton_Cancel")->click();
    QCOMPARE(log.events.last(), QStringLiteral("cancel"));
    QCOMPARE(item(kAssignedKey).type, QByteArray("1"));
}

// ---- Launch-application page ----

void TestKeyFunctionPages::appPageStoresPickedFile()
{
    QCOMPARE(DKeyWithAppPage::startFolder(),
             QDir(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)).exists()
                 ? QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)
                 : QDir::homePath());
    QTemporaryDir dir;
    const QString program = dir.filePath(QString::fromUtf8("Mein Programm \xC3\xA4.desktop"));
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    DKeyWithAppPage page;
    page.loadKeyInfo();
    SignalLog log(&page);
    QVERIFY(!page.takeProgramPath(QString()));                // cancelled
    QVERIFY(!page.takeProgramPath(dir.filePath("missing")));  // gone
    QVERIFY(log.events.isEmpty());
    QVERIFY(!item(kAssignedKey).present);

    QVERIFY(page.takeProgramPath(program));
    QCOMPARE(log.events, savedOnce(kAssignedKey));
    QCOMPARE(page.shownPath(), program);
    Item stored = item(kAssignedKey);
    QCOMPARE(stored.type, QByteArray("8"));
    QCOMPARE(stored.param1, QByteArray("1"));
    QCOMPARE(stored.param2, QByteArray("1"));
    QCOMPARE(stored.value, program.toUtf8());

    // Another key without a program shows nothing; a cancelled pick keeps the stored one.
    selectKey(kOtherKey);
    page.loadKeyInfo();
    QVERIFY(page.shownPath().isEmpty());
    selectKey(kAssignedKey);
    page.loadKeyInfo();
    QVERIFY(!page.takeProgramPath(QString()));
    QCOMPARE(item(kAssignedKey).value, program.toUtf8());

    // A stored path whose file is gone is still shown.
    QVERIFY(QFile::remove(program));
    page.loadKeyInfo();
    QCOMPARE(page.shownPath(), program);
}

void TestKeyFunctionPages::languageChangeReachesThePages()
{
    DHotKeyPage shortcut;
    DMouseKeyPage mouse;
    DChangeKeyPage remap;
    DKeyCombinationPage combination;
    DKeyWithTextPage text;
    DKeyWithAppPage launch;
    store(kAssignedKey, "0", "4");
    remap.loadKeyInfo();

    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    for (DKeyFunctionPage *page :
         std::initializer_list<DKeyFunctionPage *> {&shortcut, &mouse, &remap, &combination, &text, &launch})
        page->retranslateTexts();
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(shortcut.choiceButton(5)->text(), QStringLiteral("~Copy"));
    QCOMPARE(shortcut.findChild<QLabel *>("label")->text(), QStringLiteral("~Shortcuts"));
    QCOMPARE(mouse.findChild<QLabel *>("label_7")->text(), QStringLiteral("~Mouse Key"));
    QCOMPARE(remap.pickEdit()->placeholderText(), QStringLiteral("~Remap with key?"));
    QCOMPARE(remap.pickEdit()->text(), QStringLiteral("A"));  // the shown target stays
    QCOMPARE(remap.findChild<QAbstractButton *>("radioButton_HeavyPress")->text(), QStringLiteral("~Heavy Press"));
    QCOMPARE(combination.findChild<QLabel *>("label_5")->text(), QStringLiteral("~Key Combination"));
    QCOMPARE(text.findChild<QTextEdit *>()->placeholderText(), QStringLiteral("~Enter text ..."));
    QCOMPARE(text.findChild<QPushButton *>("pushButton_Cancel")->text(), QStringLiteral("~Cancel"));
    QCOMPARE(launch.findChild<QPushButton *>("pushButton_selectAppPath")->text(),
             QStringLiteral("~Select application"));
}

// Each page themed, with a stored item shown, saved under the build folder for a
// person to look at.
void TestKeyFunctionPages::screenshots()
{
    DDataManager::getInstance()->setTheme(0);
    store(kAssignedKey, "9", "5");
    QWidget frame;
    frame.setObjectName("shotFrame");
    frame.setAttribute(Qt::WA_StyledBackground);
    frame.setStyleSheet(QStringLiteral("QWidget#shotFrame{ background-color: rgb(%1); }")
                            .arg(DDataManager::getInstance()->getThemeColorInfo().DeviceRightBgColor));
    frame.resize(600, 200);
    auto *layout = new QVBoxLayout(&frame);
    const QList<QPair<QString, DKeyFunctionPage *>> pages = {
        {"shortcut", new DHotKeyPage},
        {"mouse", new DMouseKeyPage},
        {"multimedia", new DMultimediaPage},
        {"remap", new DChangeKeyPage},
        {"combination", new DKeyCombinationPage},
        {"text", new DKeyWithTextPage},
        {"launch", new DKeyWithAppPage},
    };
    const QString dir = DDataManager::getAppDirPath() + "/screenshots";
    QDir().mkpath(dir);
    frame.show();
    for (const auto &entry : pages) {
        layout->addWidget(entry.second);
        entry.second->applyTheme();
        entry.second->loadKeyInfo();
        entry.second->show();
        QTRY_VERIFY(entry.second->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QVERIFY(frame.grab().save(dir + "/keyfunction_" + entry.first + ".png"));
        if (auto *picker = qobject_cast<DKeyPickerPage *>(entry.second)) {
            // The pop-up virtual keyboard, with a modifier picked on the combination page.
            QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(picker->pickEdit(), &focusIn);
            QVERIFY(picker->popup()->isVisible());
            picker->onSoftKeyboardClicked_VirtualKB(kLeftCtrl);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QVERIFY(picker->popup()->grab().save(dir + "/keyfunction_" + entry.first + "_popup.png"));
            picker->onArrowWidgetHide();
        }
        delete entry.second;
    }
}

TAVRIX_TEST_MAIN(TestKeyFunctionPages)
#include "tst_keyfunctionpages.moc"
