#include "app/ddatamanager.h"
#include "devicepage/ddevicepage.h"
#include "keys/dcustomkeyspage.h"
#include "keys/dmacrocmdpage.h"
#include "keys/keyfunctionpagetable.h"
#include "keys/keyoperateinfo.h"
#include "keys/macrocopies.h"
#include "sdk/tavrixxml.h"
#include "support/storefixture.h"
#include "support/testmain.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>

#include <cstring>

namespace {

const int kKeyA = 4;

MacroEventItem event(const char *mark, const char *state, const char *keyCode)
{
    MacroEventItem item;
    std::strcpy(item.mark, mark);
    std::strcpy(item.delay, "10");
    std::strcpy(item.type, "key");
    std::strcpy(item.keyCode, keyCode);
    std::strcpy(item.codeName, "K");
    std::strcpy(item.operateExplain, state);
    return item;
}

// A macro of one key press and release.
void addMacro(const QByteArray &file, const QByteArray &index, const QByteArray &name, const char *keyCode)
{
    CTavrixXML_CreateMacroXmlParentNode(file, index, name);
    CTavrixXML_AddKeyOrMouseEventItem(file, {event("1", "down", keyCode), event("1", "up", keyCode)}, index);
}

void replaceMacroEvents(const QByteArray &file, const QByteArray &index, const char *keyCode)
{
    CTavrixXML_DeleteEventItem(file, index, "1");
    CTavrixXML_AddKeyOrMouseEventItem(file, {event("1", "down", keyCode), event("1", "up", keyCode)}, index);
}

// The key codes of a profile's copy of a macro, or "none" when it has no copy.
QByteArray copyCodes(const QByteArray &layer, const QByteArray &profile, const QByteArray &macro)
{
    QList<MacroEventItem> events;
    if (!CTavrixXML_ProFileMacroWithKeyInfoSelectAll(layer, profile, macro, "Macro" + macro, events))
        return "none";
    QList<QByteArray> codes;
    for (const MacroEventItem &e : qAsConst(events))
        codes << QByteArray(e.keyCode) + e.operateExplain;
    return codes.join(' ');
}

// A key's item as "type,param1,param2,value", or "none".
QByteArray itemText(const QByteArray &layer, int key, const QByteArray &profile = "1")
{
    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(layer, profile, QByteArray::number(key), &item);
    if (keyOperateNumber(item.keyDec) == -1)
        return "none";
    return keyOperateField(item.operateType) + ',' + keyOperateField(item.param1) + ',' + keyOperateField(item.param2)
        + ',' + keyOperateField(item.value);
}

void storeItem(const QByteArray &layer, int key, const QList<QByteArray> &fields, const QByteArray &profile = "1")
{
    const QByteArray code = QByteArray::number(key);
    CTavrixXML_DeleteProFileMacroWithKeyInfoItem(layer, profile, code, "A");
    CTavrixXML_AddProFileMacroWithKeyInfoItem(layer, profile, code, "A", fields.at(0), fields.at(1), fields.at(2),
                                              fields.at(3));
}

QByteArray layerFile(const StoreFixture &fx, const QString &relative, int profiles = 1)
{
    const QByteArray path = fx.path(relative);
    QDir().mkpath(QFileInfo(QFile::decodeName(path)).path());
    CTavrixXML_CreateXMLFile(path);
    for (int i = 1; i <= profiles; ++i)
        CTavrixXML_CreateProFileXmlParentNode(path, QByteArray::number(i), "Profile" + QByteArray::number(i), 0);
    return path;
}

// The page's controls, found as the user sees them.
struct MacroPageView
{
    explicit MacroPageView(DMacroCmdPage &page)
        : once(page.findChild<QRadioButton *>("radioButton_playOne"))
        , many(page.findChild<QRadioButton *>("radioButton_playMany"))
        , toggle(page.findChild<QRadioButton *>("radioButton_playKeyPressRelStop"))
        , held(page.findChild<QRadioButton *>("radioButton_playWhileKeyPress"))
        , count(page.findChild<QLineEdit *>("lineEdit_playMany"))
        , macros(page.findChild<QComboBox *>("comboBox_Macro"))
    { }

    // Runs one user step: "once", "many", "toggle", "held", "type:<text>"
    // (typed at the end of the count field), "clear" (empties the field) or
    // "pick:<macro index>" (chooses that macro in the list).
    void run(const QString &step)
    {
        if (step == "once")
            QTest::mouseClick(once, Qt::LeftButton);
        else if (step == "many")
            QTest::mouseClick(many, Qt::LeftButton);
        else if (step == "toggle")
            QTest::mouseClick(toggle, Qt::LeftButton);
        else if (step == "held")
            QTest::mouseClick(held, Qt::LeftButton);
        else if (step.startsWith("type:")) {
            count->end(false);
            QTest::keyClicks(count, step.mid(5));
        } else if (step == "clear") {
            count->selectAll();
            QTest::keyClick(count, Qt::Key_Backspace);
        } else if (step.startsWith("pick:")) {
            const int entry = macros->findData(step.mid(5));
            macros->setCurrentIndex(entry);
            emit macros->activated(entry);
        }
    }

    QRadioButton *checked() const
    {
        for (QRadioButton *b : {once, many, toggle, held})
            if (b->isChecked())
                return b;
        return nullptr;
    }

    QRadioButton *once, *many, *toggle, *held;
    QLineEdit *count;
    QComboBox *macros;
};

}  // namespace

class TestMacroCmdPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void loadShowsStoredBinding_data();
    void loadShowsStoredBinding();
    void userStepsStore_data();
    void userStepsStore();
    void emptyMacroListRefuses();
    void firstBindingCopiesMacro();
    void editedMacroRenewedInEveryProfile();
    void devicePageRenewsEveryCopyAfterAnEdit();
    void hostTellsWhyMacroBindingFailed();

private:
    void pointAt(const QByteArray &layer, int profile = 1);

    QScopedPointer<StoreFixture> m_fx;
    QByteArray m_layer;
    QByteArray m_macros;
};

void TestMacroCmdPage::init()
{
    m_fx.reset(new StoreFixture);
    m_layer = layerFile(*m_fx, "dev/appProfile_Default.xml");
    m_macros = m_fx->path("appMacro.xml");
    CTavrixXML_CreateXMLFile(m_macros);
    // No macro 1, and two macros of the same name: the page must bind what it shows.
    addMacro(m_macros, "2", "Alpha", "4");
    addMacro(m_macros, "3", "Beta", "5");
    addMacro(m_macros, "5", "Beta", "6");
    DDataManager::getInstance()->setMacroXmlPath(m_macros);
    pointAt(m_layer);
}

void TestMacroCmdPage::pointAt(const QByteArray &layer, int profile)
{
    DDataManager *dm = DDataManager::getInstance();
    dm->setCurProfilePath(layer);
    dm->setCurProfileIndex(profile);
    dm->setClickedKey(kKeyA, "A");
}

void TestMacroCmdPage::loadShowsStoredBinding_data()
{
    QTest::addColumn<QList<QByteArray>>("stored");  // empty: no item
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("countEnabled");
    QTest::addColumn<QString>("shownMacro");

    // A key bound to no listed macro shows no macro: the list waits for a pick.
    QTest::newRow("no item") << QList<QByteArray>() << "radioButton_playOne"
                             << "1" << false << "";
    QTest::newRow("times") << QList<QByteArray> {"1", "12", "2", "3"} << "radioButton_playMany"
                           << "12" << true << "3";
    QTest::newRow("toggle ignores count") << QList<QByteArray> {"1", "9", "3", "2"} << "radioButton_playKeyPressRelStop"
                                          << "1" << false << "2";
    QTest::newRow("while held") << QList<QByteArray> {"1", "1", "4", "3"} << "radioButton_playWhileKeyPress"
                                << "1" << false << "3";
    QTest::newRow("unknown mode") << QList<QByteArray> {"1", "1", "7", "3"} << "radioButton_playOne"
                                  << "1" << false << "3";
    QTest::newRow("same name, second macro") << QList<QByteArray> {"1", "1", "1", "5"} << "radioButton_playOne"
                                             << "1" << false << "5";
    QTest::newRow("macro gone") << QList<QByteArray> {"1", "1", "1", "9"} << "radioButton_playOne"
                                << "1" << false << "";
    QTest::newRow("stored count 0") << QList<QByteArray> {"1", "0", "2", "3"} << "radioButton_playMany"
                                    << "1" << true << "3";
    QTest::newRow("other function") << QList<QByteArray> {"0", "1", "1", "5"} << "radioButton_playOne"
                                    << "1" << false << "";
}

void TestMacroCmdPage::loadShowsStoredBinding()
{
    QFETCH(QList<QByteArray>, stored);
    QFETCH(QString, checked);
    QFETCH(QString, count);
    QFETCH(bool, countEnabled);
    QFETCH(QString, shownMacro);
    if (!stored.isEmpty())
        storeItem(m_layer, kKeyA, stored);
    const QByteArray before = StoreFixture::bytes(m_layer);

    DMacroCmdPage page;
    QSignalSpy saved(&page, &DMacroCmdPage::sigCustomKeyInfoSaveSuccessful);
    page.loadKeyInfo();
    MacroPageView view(page);
    QVERIFY(view.checked());
    QCOMPARE(view.checked()->objectName(), checked);
    QCOMPARE(view.count->text(), count);
    QCOMPARE(view.count->isEnabled(), countEnabled);
    QCOMPARE(view.macros->count(), 3);
    QCOMPARE(view.macros->currentData().toString(), shownMacro);
    QCOMPARE(view.macros->currentIndex() == -1, shownMacro.isEmpty());
    // Showing, and re-translating, store nothing.
    page.retranslateTexts();
    QCOMPARE(saved.count(), 0);
    QCOMPARE(StoreFixture::bytes(m_layer), before);
}

void TestMacroCmdPage::userStepsStore_data()
{
    QTest::addColumn<QList<QByteArray>>("stored");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<int>("saves");

    const QList<QByteArray> none;
    // Until a macro is picked a play mode is only kept for the pick.
    QTest::newRow("mode before a pick stores nothing")
        << none << QStringList {"once", "held"} << QByteArray("none") << 0;
    QTest::newRow("mode kept for the pick")
        << none << QStringList {"many", "type:2", "pick:3"} << QByteArray("1,12,2,3") << 1;
    QTest::newRow("count typed") << none << QStringList {"pick:2", "many", "type:2"} << QByteArray("1,12,2,2") << 3;
    QTest::newRow("pick while many") << none << QStringList {"pick:2", "many", "type:2", "pick:3"}
                                     << QByteArray("1,12,2,3") << 4;
    QTest::newRow("pick same entry again") << none << QStringList {"pick:2", "pick:2"} << QByteArray("1,1,1,2") << 2;
    QTest::newRow("cleared count is not stored")
        << none << QStringList {"pick:2", "many", "type:2", "clear"} << QByteArray("1,12,2,2") << 3;
    QTest::newRow("zero is not stored") << none << QStringList {"pick:2", "many", "clear", "type:0"}
                                        << QByteArray("1,1,2,2") << 2;
    QTest::newRow("many with an empty field keeps the count")
        << none << QStringList {"pick:2", "many", "type:5", "clear", "once", "many"} << QByteArray("1,15,2,2") << 5;
    QTest::newRow("toggle stores count 1")
        << none << QStringList {"pick:2", "many", "type:2", "toggle"} << QByteArray("1,1,3,2") << 4;
    QTest::newRow("while held") << none << QStringList {"pick:2", "held"} << QByteArray("1,1,4,2") << 2;
    QTest::newRow("stored binding kept") << QList<QByteArray> {"1", "7", "2", "5"} << QStringList {"type:0"}
                                         << QByteArray("1,70,2,5") << 1;
    QTest::newRow("gone macro: kept until a pick")
        << QList<QByteArray> {"1", "1", "1", "9"} << QStringList {"toggle"} << QByteArray("1,1,1,9") << 0;
    QTest::newRow("gone macro: replaced by the pick")
        << QList<QByteArray> {"1", "1", "1", "9"} << QStringList {"toggle", "pick:2"} << QByteArray("1,1,3,2") << 1;
    QTest::newRow("other function replaced")
        << QList<QByteArray> {"5", "1", "1", "-1"} << QStringList {"pick:5"} << QByteArray("1,1,1,5") << 1;
}

void TestMacroCmdPage::userStepsStore()
{
    QFETCH(QList<QByteArray>, stored);
    QFETCH(QStringList, steps);
    QFETCH(QByteArray, item);
    QFETCH(int, saves);
    if (!stored.isEmpty())
        storeItem(m_layer, kKeyA, stored);

    DMacroCmdPage page;
    page.loadKeyInfo();
    QStringList order;
    connect(&page, &DMacroCmdPage::sigShouldUpdateKeyboard, [&](int key) { order << QString("update %1").arg(key); });
    connect(&page, &DMacroCmdPage::sigCustomKeyInfoSaveSuccessful, [&] { order << "success"; });
    QSignalSpy failed(&page, &DMacroCmdPage::sigCustomKeyInfoSaveFailed);
    MacroPageView view(page);
    for (const QString &step : steps)
        view.run(step);

    QCOMPARE(itemText(m_layer, kKeyA), item);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(order.count(), 2 * saves);
    for (int i = 0; i < saves; ++i)
        QCOMPARE(order.mid(2 * i, 2), QStringList({QString("update %1").arg(kKeyA), "success"}));
}

void TestMacroCmdPage::emptyMacroListRefuses()
{
    const QByteArray empty = m_fx->path("empty.xml");
    CTavrixXML_CreateXMLFile(empty);
    DDataManager::getInstance()->setMacroXmlPath(empty);
    storeItem(m_layer, kKeyA, {"5", "1", "1", "-1"});

    DMacroCmdPage page;
    page.loadKeyInfo();
    QSignalSpy failed(&page, &DMacroCmdPage::sigCustomKeyInfoSaveFailed);
    QSignalSpy updated(&page, &DMacroCmdPage::sigShouldUpdateKeyboard);
    QSignalSpy saved(&page, &DMacroCmdPage::sigCustomKeyInfoSaveSuccessful);
    MacroPageView view(page);
    QCOMPARE(view.macros->count(), 0);
    for (const char *step : {"once", "many", "type:3", "held"})
        view.run(step);

    QCOMPARE(failed.count(), 4);
    QCOMPARE(failed.first(), QVariantList({1, int(DKeyFunctionPage::SaveFailure_Refused)}));
    QCOMPARE(updated.count(), 0);
    QCOMPARE(saved.count(), 0);
    QCOMPARE(itemText(m_layer, kKeyA), QByteArray("5,1,1,-1"));
    QCOMPARE(copyCodes(m_layer, "1", "1"), QByteArray("none"));
}

void TestMacroCmdPage::firstBindingCopiesMacro()
{
    const QByteArray fn = layerFile(*m_fx, "dev/appProfile_FN.xml");
    DMacroCmdPage page;
    page.loadKeyInfo();
    MacroPageView view(page);
    view.run("pick:3");
    QCOMPARE(copyCodes(m_layer, "1", "3"), QByteArray("5down 5up"));

    // Later bindings of the same macro, by this key or another, leave the copy.
    replaceMacroEvents(m_macros, "3", "7");
    view.run("held");
    DDataManager::getInstance()->setClickedKey(5, "B");
    page.loadKeyInfo();
    view.run("pick:3");
    QCOMPARE(itemText(m_layer, 5), QByteArray("1,1,1,3"));
    QCOMPARE(copyCodes(m_layer, "1", "3"), QByteArray("5down 5up"));

    // Re-binding to another macro leaves the old copy and adds the new one.
    view.run("pick:2");
    QCOMPARE(copyCodes(m_layer, "1", "2"), QByteArray("4down 4up"));
    QCOMPARE(copyCodes(m_layer, "1", "3"), QByteArray("5down 5up"));

    // The other layer file gets a copy of its own, of the macro as it is now.
    pointAt(fn);
    page.loadKeyInfo();
    view.run("pick:3");
    QCOMPARE(copyCodes(fn, "1", "3"), QByteArray("7down 7up"));
    QCOMPARE(copyCodes(m_layer, "1", "3"), QByteArray("5down 5up"));
}

void TestMacroCmdPage::editedMacroRenewedInEveryProfile()
{
    // Two devices; macro 3 bound in both profiles of one Default layer, in its FN
    // layer and on the other device; one profile binds only macro 2.
    const QByteArray a = layerFile(*m_fx, "UserConfig/QR108/SN1/appProfile_Default.xml", 3);
    const QByteArray aFn = layerFile(*m_fx, "UserConfig/QR108/SN1/appProfile_FN.xml");
    const QByteArray b = layerFile(*m_fx, "UserConfig/QM68/SN9/appProfile_Default.xml");
    DMacroCmdPage page;
    MacroPageView view(page);
    const QList<QPair<QByteArray, int>> bindings3 = {{a, 1}, {a, 2}, {aFn, 1}, {b, 1}};
    for (const auto &where : bindings3) {
        pointAt(where.first, where.second);
        page.loadKeyInfo();
        view.run("pick:3");
    }
    pointAt(a, 3);
    page.loadKeyInfo();
    view.run("pick:2");

    replaceMacroEvents(m_macros, "3", "9");
    const QList<QByteArray> files = MacroCopies::layerFilesUnder(QFile::decodeName(m_fx->path("UserConfig")));
    QCOMPARE(files.size(), 3);
    QCOMPARE(MacroCopies::renewEverywhere(files, m_macros, "3"), 4);
    for (const auto &where : bindings3)
        QCOMPARE(copyCodes(where.first, QByteArray::number(where.second), "3"), QByteArray("9down 9up"));
    QCOMPARE(copyCodes(a, "3", "3"), QByteArray("none"));
    QCOMPARE(copyCodes(a, "3", "2"), QByteArray("4down 4up"));

    // A macro deleted in the editor leaves empty copies; an unreadable layer
    // file is reported while the others are still renewed.
    CTavrixXML_DeleteMacroNode(m_macros, "3");
    StoreFixture::write(b, "<broken");
    QCOMPARE(MacroCopies::renewEverywhere(files, m_macros, "3"), -1);
    QCOMPARE(copyCodes(a, "1", "3"), QByteArray(""));
    QCOMPARE(copyCodes(aFn, "1", "3"), QByteArray(""));
}

void TestMacroCmdPage::devicePageRenewsEveryCopyAfterAnEdit()
{
    // Profiles of a device that is not the one shown, under the user's folder.
    const QString root = DDataManager::getInstance()->getUserConfigDir();
    QDir(root).removeRecursively();
    const QByteArray layer = QFile::encodeName(root + "/QB84/SN5/appProfile_FN.xml");
    QDir().mkpath(root + "/QB84/SN5");
    CTavrixXML_CreateXMLFile(layer);
    CTavrixXML_CreateProFileXmlParentNode(layer, "1", "Profile1", 0);
    CTavrixXML_CreateProFileXmlParentNode(layer, "2", "Profile2", 0);
    DMacroCmdPage page;
    MacroPageView view(page);
    for (int profile : {1, 2}) {
        pointAt(layer, profile);
        page.loadKeyInfo();
        view.run("pick:5");
    }
    pointAt(m_layer);

    replaceMacroEvents(m_macros, "5", "8");
    DDevicePage devicePage;
    emit devicePage.sigMacroListHaveChangedSendToDevice("5", "Beta");
    QCOMPARE(copyCodes(layer, "1", "5"), QByteArray("8down 8up"));
    QCOMPARE(copyCodes(layer, "2", "5"), QByteArray("8down 8up"));
    QDir(root).removeRecursively();
}

void TestMacroCmdPage::hostTellsWhyMacroBindingFailed()
{
    const QByteArray empty = m_fx->path("empty.xml");
    CTavrixXML_CreateXMLFile(empty);
    DDataManager::getInstance()->setMacroXmlPath(empty);
    DCustomKeysPage host;
    host.setProfilePath(m_layer);
    QSignalSpy tips(&host, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage);
    host.onCurIndexChanged_Key(KeyFunctionPages::Macro);
    auto *page = qobject_cast<DMacroCmdPage *>(host.functionPage(KeyFunctionPages::Macro));
    QVERIFY(page);
    MacroPageView(*page).run("once");
    QCOMPARE(tips.count(), 1);
    QCOMPARE(tips.first().first().toString(), QString("There is no macro to assign, please record a macro first"));
}

TAVRIX_TEST_MAIN(TestMacroCmdPage)
#include "tst_macrocmdpage.moc"
