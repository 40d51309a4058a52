#include "app/ddatamanager.h"
#include "keyboardview/dsoftkeyboardpage.h"
#include "keyboardview/dvirtualkeyboardtool.h"
#include "keyboardview/softkeyboardbutcustom.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSet>
#include <QSignalSpy>
#include <QTranslator>

#include <cjson/cJSON.h>

namespace {

void hover(QWidget *w, bool enter)
{
    QEvent event(enter ? QEvent::Enter : QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

QByteArray resource(const QString &name)
{
    QFile f(":/images/configDir/" + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Translates the panel's title, to see a language change reach it.
class TitleTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QString(source) == "Virtual Keyboard" ? QStringLiteral("Virtuelle Tastatur") : QString();
    }
    bool isEmpty() const override { return false; }
};

const int kLeftCtrl = 224, kLeftShift = 225, kLeftAlt = 226, kKeyA = 4;

}  // namespace

class TestSoftKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void usLayoutFile();
    void buttonText_data();
    void buttonText();
    void buttonLooks();
    void loadsUsLayoutForAnyProduct();
    void virtualKeyMap_data();
    void virtualKeyMap();
    void captions_data();
    void captions();
    void layout91();
    void brokenLayoutsLeaveTablesAlone();
    void highlightRules();
    void highlightOffOrModeZero();
    void themeChangeKeepsHighlight();
    void panelReportsKeyCodes();
    void panelTitleFollowsLanguage();
    void panelScreenshot();
};

// The US file: the key counts per row, every key on the page, codes unique.
void TestSoftKeyboard::usLayoutFile()
{
    const QByteArray text = resource("softKeyInfoNormalUS.config");
    cJSON *root = cJSON_Parse(text.constData());
    QVERIFY(root);
    const int expected[] = {16, 22, 21, 16, 19, 18};
    QSet<int> codes, virtualKeys;
    for (int row = 1; row <= 6; ++row) {
        const cJSON *array = cJSON_GetObjectItem(root, qPrintable(QString("EveryKeyInfo_Row0%1").arg(row)));
        QCOMPARE(cJSON_GetArraySize(array), expected[row - 1]);
        const cJSON *e = nullptr;
        cJSON_ArrayForEach(e, array)
        {
            const QRect r(cJSON_GetObjectItem(e, "PosX")->valueint, cJSON_GetObjectItem(e, "PosY")->valueint,
                          cJSON_GetObjectItem(e, "Width")->valueint, cJSON_GetObjectItem(e, "Height")->valueint);
            QVERIFY(QRect(0, 0, 981, 242).contains(r));
            const int dec = cJSON_GetObjectItem(e, "Dec")->valueint;
            const int vk = cJSON_GetObjectItem(e, "qtDec")->valueint;
            QVERIFY2(!codes.contains(dec), qPrintable(QString::number(dec)));
            QVERIFY2(!virtualKeys.contains(vk), qPrintable(QString::number(vk)));
            codes << dec;
            virtualKeys << vk;
        }
    }
    QCOMPARE(codes.size(), 112);
    cJSON_Delete(root);
}

void TestSoftKeyboard::buttonText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << 4 << "A"
                           << "A";
    QTest::newRow("7& shows one ampersand") << 36 << "7&"
                                            << "7&&";
    QTest::newRow("right Alt") << 230 << "RAlt"
                               << "Alt";
    QTest::newRow("left Alt") << 226 << "x"
                              << "Alt";
    QTest::newRow("Chinese") << 145 << "\xba\xba"
                             << "Chinese";
    QTest::newRow("Korean/English") << 144 << "?"
                                    << "Korean/English";
    QTest::newRow("K45") << 100 << "?"
                         << "K45";
    QTest::newRow("left GUI keeps its caption") << 227 << "Win"
                                                << "Win";
    QTest::newRow("menu keeps its caption") << 101 << "Menu"
                                            << "Menu";
}

void TestSoftKeyboard::buttonText()
{
    QFETCH(int, code);
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    SoftKeyboardButCustom key(0, nullptr);
    key.setKeyInfo(code, caption);
    QCOMPARE(key.text(), shown);
    QCOMPARE(key.keyCharacter(), caption);
    QCOMPARE(key.keyDec(), code);
}

void TestSoftKeyboard::buttonLooks()
{
    SoftKeyboardButCustom key(0, nullptr);
    QVERIFY(key.styleSheet().startsWith("color:#c3c3c3;"));
    QVERIFY(key.styleSheet().endsWith("background-color:#4b4b4b;"));
    key.setThemeColors("1,2,3", "4,5,6", "7,8,9");
    const QString normal = "color:rgb(1,2,3); font: 75 7pt \"Microsoft YaHei\"; border-bottom: 0px solid #7F8386; "
                           "border-radius:3px;background-color:rgb(7,8,9);";
    const QString highlighted = "color:rgb(4,5,6); font: 75 7pt \"Microsoft YaHei\"; border-bottom: 1px solid "
                                "rgb(4,5,6); border-radius:3px;background-color:rgb(7,8,9);";
    QCOMPARE(key.styleSheet(), normal);
    hover(&key, true);
    QCOMPARE(key.styleSheet(), highlighted);
    hover(&key, false);
    QCOMPARE(key.styleSheet(), normal);
    // Without restore-on-leave the look stays.
    key.setRestoreOnLeave(false);
    key.setKeyState(1);
    hover(&key, true);
    hover(&key, false);
    QCOMPARE(key.styleSheet(), highlighted);
    key.setKeyState(3);
    QVERIFY(key.styleSheet().endsWith("background-color:#22ba20;"));
    QVERIFY(key.styleSheet().startsWith("color:rgb(1,2,3);"));

    // Kind 1 reports a right press.
    SoftKeyboardButCustom picker(1, nullptr);
    picker.setKeyInfo(5, "B");
    QSignalSpy right(&picker, &SoftKeyboardButCustom::sigButtonMouseRightKeyClicked);
    QTest::mousePress(&picker, Qt::RightButton);
    QCOMPARE(right.count(), 1);
    QCOMPARE(right.first(), (QList<QVariant> {5, "B"}));
}

void TestSoftKeyboard::loadsUsLayoutForAnyProduct()
{
    DSoftKeyboardPage page;
    QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
    page.loadKeyboardInfo("Any product at all");
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(page.layoutCode(), 31);
    QCOMPARE(page.keyButtons().size(), 112);
    QCOMPARE(page.size(), QSize(1000, 245));
    // Rows 0 and 7 are never read: the media keys are not on the page.
    QVERIFY(!page.keyButtons().contains(127));
    QVERIFY(!page.keyButtons().contains(104));
    // Each key stands where the file puts it.
    SoftKeyboardButCustom *esc = page.keyButtons().value(41);
    QCOMPARE(esc->geometry(), QRect(0, 0, 41, 36));
    QCOMPARE(esc->parentWidget(), &page);
}

void TestSoftKeyboard::virtualKeyMap_data()
{
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<int>("keyCode");
    QTest::newRow("main Enter") << 999 << 40;
    QTest::newRow("keypad Enter") << 998 << 88;
    QTest::newRow("981") << 981 << 137;
    QTest::newRow("984") << 984 << 135;
    QTest::newRow("986") << 986 << 139;
    QTest::newRow("987") << 987 << 138;
    QTest::newRow("988") << 988 << 136;
    QTest::newRow("A") << 65 << 4;
    QTest::newRow("keypad 0") << 96 << 98;
    QTest::newRow("keypad 7") << 103 << 95;
    QTest::newRow("keypad decimal point") << 110 << 99;
    QTest::newRow("Home") << 36 << 74;
    QTest::newRow("left Ctrl") << 162 << 224;
    QTest::newRow("right Alt") << 165 << 230;
    QTest::newRow("Fn") << -1 << -10;
    QTest::newRow("Enter's own code is not mapped") << 13 << -1;
}

void TestSoftKeyboard::virtualKeyMap()
{
    QFETCH(int, virtualKey);
    QFETCH(int, keyCode);
    DSoftKeyboardPage page;
    page.loadKeyboardInfo("QR108");
    const QMap<int, int> map = DDataManager::getInstance()->getVkToHidMap();
    QCOMPARE(map.value(virtualKey, -1), keyCode);
}

void TestSoftKeyboard::captions_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("caption");
    QTest::newRow("backslash shows backslash-bar") << 49 << "\\|";
    QTest::newRow("apostrophe") << 52 << "' \"";
    QTest::newRow("K45") << 100 << "K45";
    QTest::newRow("Chinese") << 145 << "Chinese";
    QTest::newRow("7&") << 36 << "7&";
    QTest::newRow("Fn") << -10 << "Fn";
    QTest::newRow("keypad Enter") << 88 << "N.Enter";
}

void TestSoftKeyboard::captions()
{
    QFETCH(int, code);
    QFETCH(QString, caption);
    DSoftKeyboardPage page;
    page.loadKeyboardInfo("QR108");
    QCOMPARE(DDataManager::getInstance()->getKeyCharMap().value(code), caption);
    QCOMPARE(page.keyCaptions().value(code), caption);
}

void TestSoftKeyboard::layout91()
{
    DSoftKeyboardPage page;
    QVERIFY(page.loadLayout(91));
    QCOMPARE(page.keyButtons().size(), 104);
    for (SoftKeyboardButCustom *key : page.keyButtons())
        QVERIFY(QRect(0, 0, 688, 148).contains(key->geometry()));
    QCOMPARE(page.keyButtons().value(4)->size(), QSize(23, 21));
    // Both Enter keys carry 13; the keypad Enter, read later, wins.
    QCOMPARE(page.virtualKeyMap().value(13), 88);
    QCOMPARE(page.keyCaptions().value(47), QString("\u00b4 `"));
    QCOMPARE(page.keyCaptions().value(51), QString("\u00c7"));
    QCOMPARE(page.keyCaptions().value(52), QString("~^"));
}

void TestSoftKeyboard::brokenLayoutsLeaveTablesAlone()
{
    DDataManager *dm = DDataManager::getInstance();
    dm->setVkToHidMap({{1, 2}});
    dm->setKeyCharMap({{3, "x"}});
    DSoftKeyboardPage page;
    QSignalSpy loaded(&page, &DSoftKeyboardPage::sigSoftKeyboardAlreadyLoad);
    QVERIFY(!page.loadLayout(77));  // no file for this code
    QVERIFY(!page.parseKeyboardInfo("{\"EveryKeyInfo_Row01\": ["));
    QCOMPARE(loaded.count(), 0);
    QVERIFY(page.keyButtons().isEmpty());
    QCOMPARE(dm->getVkToHidMap(), (QMap<int, int> {{1, 2}}));
    QCOMPARE(dm->getKeyCharMap(), (QMap<int, QString> {{3, "x"}}));

    // An entry without its virtual-key code is left out; the others are built.
    QVERIFY(page.parseKeyboardInfo(
        "{\"EveryKeyInfo_Row01\": ["
        "{\"PosX\": 0, \"PosY\": 0, \"Width\": 40, \"Height\": 30, \"Dec\": 4},"
        "{\"PosX\": 50, \"PosY\": 0, \"Width\": 40, \"Height\": 30, \"Dec\": 5, \"qtDec\": 66,"
        " \"Character\": \"B\"},"
        "{\"PosX\": -5, \"PosY\": 0, \"Width\": 40, \"Height\": 30, \"Dec\": 6, \"qtDec\": 67}]}"));
    QCOMPARE(page.keyButtons().keys(), QList<int> {5});
    QCOMPARE(dm->getKeyCharMap().value(-10), QString("Fn"));
}

void TestSoftKeyboard::highlightRules()
{
    DSoftKeyboardPage page;
    page.setMode(1);
    page.loadKeyboardInfo("QR108");
    page.setKeyHighlightEnabled(true);
    const QMap<int, SoftKeyboardButCustom *> keys = page.keyButtons();
    QSignalSpy clicked(&page, &DSoftKeyboardPage::sigSoftKeyboardClicked);

    for (int code : {kLeftCtrl, kLeftShift, kLeftAlt, kKeyA})
        keys.value(code)->click();
    QCOMPARE(clicked.count(), 4);  // every click is reported
    QCOMPARE(clicked.at(2), (QList<QVariant> {kLeftAlt, "Alt"}));
    QVERIFY(keys.value(kLeftCtrl)->isHighlighted());
    QVERIFY(keys.value(kLeftShift)->isHighlighted());
    QVERIFY(!keys.value(kLeftAlt)->isHighlighted());
    QVERIFY(keys.value(kKeyA)->isHighlighted());
    QVERIFY(!keys.value(kKeyA)->restoreOnLeave());

    // A registered key shows its normal look at once.
    page.highlightKey(kLeftAlt);
    QVERIFY(!keys.value(kLeftAlt)->isHighlighted());
    QCOMPARE(page.highlightedKeys().size(), 4);
    page.highlightKey(kLeftAlt);  // once only
    QCOMPARE(page.highlightedKeys().size(), 4);

    page.clearKeyHighlights();
    QVERIFY(page.highlightedKeys().isEmpty());
    QVERIFY(!keys.value(kKeyA)->isHighlighted());
    QVERIFY(keys.value(kKeyA)->restoreOnLeave());
    // The same modifier twice uses both places.
    keys.value(kLeftCtrl)->click();
    keys.value(kLeftCtrl)->click();
    keys.value(kLeftShift)->click();
    QVERIFY(!keys.value(kLeftShift)->isHighlighted());
    QCOMPARE(page.highlightedKeys().size(), 2);

    // Clearing with highlighting off still frees the modifier places.
    page.setKeyHighlightEnabled(false);
    page.clearKeyHighlights();
    page.setKeyHighlightEnabled(true);
    keys.value(kLeftAlt)->click();
    keys.value(kLeftShift)->click();
    QVERIFY(keys.value(kLeftAlt)->isHighlighted());
    QVERIFY(keys.value(kLeftShift)->isHighlighted());
}

void TestSoftKeyboard::highlightOffOrModeZero()
{
    for (int mode : {0, 1}) {
        DSoftKeyboardPage page;
        page.setMode(mode);
        page.loadKeyboardInfo("QR108");
        page.setKeyHighlightEnabled(mode == 0);  // mode 0 with it on, mode 1 with it off
        QSignalSpy clicked(&page, &DSoftKeyboardPage::sigSoftKeyboardClicked);
        SoftKeyboardButCustom *a = page.keyButtons().value(kKeyA);
        a->click();
        page.highlightKey(kLeftCtrl);
        QCOMPARE(clicked.count(), 1);
        QVERIFY(!a->isHighlighted());
        QVERIFY(page.highlightedKeys().isEmpty());
    }
}

void TestSoftKeyboard::themeChangeKeepsHighlight()
{
    DDataManager *dm = DDataManager::getInstance();
    DSoftKeyboardPage page;
    page.setMode(1);
    page.loadKeyboardInfo("QR108");
    page.setKeyHighlightEnabled(true);
    SoftKeyboardButCustom *a = page.keyButtons().value(kKeyA);
    a->click();
    dm->setTheme(1);
    page.applyTheme();
    const ThemeColorInfo theme = dm->getThemeColorInfo();
    QVERIFY(a->isHighlighted());
    QVERIFY(a->styleSheet().startsWith(QString("color:rgb(%1);").arg(theme.TextCheckedColor)));
    QVERIFY(a->styleSheet().endsWith(QString("background-color:rgb(%1);").arg(theme.DeviceSoftkeyboardButColor)));
    dm->setTheme(0);
}

void TestSoftKeyboard::panelReportsKeyCodes()
{
    for (int mode : {0, 1}) {
        DVirtualKeyboardTool panel(mode);
        panel.setKeyHighlightEnabled(true);
        QSignalSpy clicked(&panel, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB);
        const QMap<int, SoftKeyboardButCustom *> keys = panel.softKeyboard()->keyButtons();
        keys.value(-10)->click();
        keys.value(88)->click();
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.at(0).first().toInt(), -10);
        QCOMPARE(clicked.at(1).first().toInt(), 88);
        // Only the combination panel keeps keys highlighted.
        QCOMPARE(keys.value(88)->isHighlighted(), mode == 1);
        panel.clearKeyHighlights();
        QVERIFY(!keys.value(88)->isHighlighted());
    }
}

void TestSoftKeyboard::panelTitleFollowsLanguage()
{
    DVirtualKeyboardTool panel(0);
    QLabel *title = panel.findChild<QLabel *>("label");
    QCOMPARE(title->text(), QString("Virtual Keyboard"));
    TitleTranslator translator;
    QCoreApplication::installTranslator(&translator);
    panel.retranslateTexts();
    QCOMPARE(title->text(), QString("Virtuelle Tastatur"));
    QCoreApplication::removeTranslator(&translator);
}

void TestSoftKeyboard::panelScreenshot()
{
    DVirtualKeyboardTool panel(1);
    panel.applyTheme();
    panel.setKeyHighlightEnabled(true);
    panel.softKeyboard()->keyButtons().value(kLeftCtrl)->click();
    panel.softKeyboard()->keyButtons().value(kKeyA)->click();
    panel.setStyleSheet("DVirtualKeyboardTool{background-color: rgb(34, 34, 58);}");
    panel.setAttribute(Qt::WA_StyledBackground);
    panel.resize(1010, 300);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QCoreApplication::processEvents();
    const QString dir = DDataManager::getAppDirPath() + "/screenshots";
    QDir().mkpath(dir);
    QVERIFY(panel.grab().save(dir + "/virtualkeyboard.png"));
}

TAVRIX_TEST_MAIN(TestSoftKeyboard)
#include "tst_softkeyboard.moc"
