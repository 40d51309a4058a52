// The all-keys picker: its three groups from the shipped key list, the key map, captions of
// the keys whose names hold quotes, clicks, and damaged lists.
#include "advancedkeys/dallkeysitemkey.h"
#include "advancedkeys/dallkeysshowpage.h"
#include "support/testmain.h"

#include <QSignalSpy>

namespace {

QList<DAllKeysItemKey *> buttonsIn(DAllKeysShowPage &page, const char *area)
{
    return page.findChild<QWidget *>(area)->findChildren<DAllKeysItemKey *>(QString(), Qt::FindDirectChildrenOnly);
}

DAllKeysItemKey *button(DAllKeysShowPage &page, int code)
{
    for (DAllKeysItemKey *b : page.findChildren<DAllKeysItemKey *>()) {
        if (b->keyDec() == code)
            return b;
    }
    return nullptr;
}

}  // namespace

class TestAllKeysPicker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void groupsAndMap()
    {
        DAllKeysShowPage page;
        QCOMPARE(buttonsIn(page, "widget_KeyCombination").size(), 7);
        QCOMPARE(buttonsIn(page, "widget_NormalKeys").size(), 46);
        QCOMPARE(buttonsIn(page, "widget_SpecialKeys").size(), 58);
        const QMap<int, QString> map = page.getAllKeysMap();
        QCOMPARE(map.size(), 111);
        QCOMPARE(map.first(), QString("A"));
        QCOMPARE(map.last(), QString("R_Alt"));
        QCOMPARE(map.value(89), QString("1"));   // numpad
        QCOMPARE(map.value(30), QString("1!"));  // digit row
        QCOMPARE(buttonsIn(page, "widget_KeyCombination").first()->text(), QString("L_Shift"));
    }

    void clicksAndQuotedCaptions_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Enter") << 40 << "Enter";
        QTest::newRow("L_Win") << 227 << "L_Win";
        QTest::newRow("backslash") << 49 << "\\|";
        QTest::newRow("apostrophe") << 52 << "' \"";
        QTest::newRow("grave") << 53 << "`~";
    }
    void clicksAndQuotedCaptions()
    {
        QFETCH(int, code);
        QFETCH(QString, caption);
        DAllKeysShowPage page;
        QSignalSpy clicked(&page, &DAllKeysShowPage::sigKeyListClicked);
        DAllKeysItemKey *key = button(page, code);
        QVERIFY(key);
        QCOMPARE(key->text(), caption);
        key->click();
        key->click();  // every click reports again
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked[1][0].toInt(), code);
        QCOMPARE(clicked[1][1].toString(), caption);
    }

    void damagedLists()
    {
        DAllKeysShowPage page;
        const int before = page.findChildren<DAllKeysItemKey *>().size();
        QSignalSpy loaded(&page, &DAllKeysShowPage::sigAllKeysInfoAlreadyLoadedA);
        page.parseKeyboardInfo("not json");
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(page.findChildren<DAllKeysItemKey *>().size(), before);
        // One array missing, one entry without a code: the rest is still read.
        page.parseKeyboardInfo(R"({"EveryKeyInfo_Row03":[{"Dec":58,"Character":"F1"},{"Character":"x"},)"
                               R"({"Dec":250,"Character":"New"}]})");
        QCOMPARE(loaded.count(), 2);
        QCOMPARE(page.getAllKeysMap().value(250), QString("New"));
        QCOMPARE(page.getAllKeysMap().size(), 112);
    }
};

TAVRIX_TEST_MAIN(TestAllKeysPicker)
#include "tst_allkeyspicker.moc"
