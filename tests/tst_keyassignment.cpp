// The key-assignment page with its Default and Disable pages: the item each page
// stores, what the page shows for a stored item, the marks and notices after a
// save, the Download button and the key capture.

#include "app/ddatamanager.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/keyselectframe.h"
#include "keys/dchangekeypage.h"
#include "keys/dcustomkeyspage.h"
#include "keys/dkeycombinationpage.h"
#include "keys/dkeyfunctionpage.h"
#include "keys/keyfunctionpagetable.h"
#include "keys/keyoperateinfo.h"
#include "sdk/tavrixxml.h"
#include "support/layoutfixture.h"
#include "support/markingtranslator.h"
#include "support/storefixture.h"
#include "support/testmain.h"
#include "widgets/arrowwidget.h"
#include "widgets/dtooltipexplain.h"

#include <QDir>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace {

using namespace KeyFunctionPages;

struct StoredItem
{
    int type;
    QByteArray value;
};

// A layer with A (4) at (0,0), B (5) at (0,1) and Fn at (0,2).
QByteArray smallLayout()
{
    LayoutFixture f;
    f.setKey(0, 0, 4, 3, 3, 30, 30, "\"A\"");
    f.setKey(0, 1, 5, 35, 3, 30, 30, "\"B\"");
    f.setKey(0, 2, -10, 67, 3, 30, 30, "\"Fn\"");
    return f.text();
}

KeyOperateInfo readItem(const QByteArray &path, const QByteArray &index, int key)
{
    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(path, index, QByteArray::number(key), &item);
    return item;
}

void storeItem(const QByteArray &path, const QByteArray &index, int key, int type, const QByteArray &value)
{
    QVERIFY(CTavrixXML_AddProFileMacroWithKeyInfoItem(path, index, QByteArray::number(key), "K",
                                                      QByteArray::number(type), "1", "1", value));
}

template <typename T> T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no child %s", name);
    return found;
}

}  // namespace

class TestKeyAssignment : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void disableStoresItem_data();
    void disableStoresItem();
    void resetRemovesItemAndLastMacroCopy();
    void pageShownForStoredItem_data();
    void pageShownForStoredItem();
    void heavyPressItemOpensItsPage();
    void pageSignalsReachHost_data();
    void pageSignalsReachHost();
    void noKeySelected();
    void failureNotices_data();
    void failureNotices();
    void storeWriteFailureIsTold();
    void resetMarks_data();
    void resetMarks();
    void cancelReturnsToDefault();
    void downloadRunsOnce();
    void resetPageClearsKey();
    void deviceButtons();
    void retranslateKeepsCaptionAndMovie();
    void everyFunctionPageFollowsTheLanguage();
    void functionTips();
    void screenshot();

private:
    void selectKey(int code, const QString &caption);
    QString lastNotice() const;
    // The host's caption of the selected key (the pages have labels of that name too).
    QLabel *hostKeyChar() const
    {
        // Through the key column: the function pages have frames of the same names.
        QFrame *column
            = child<QFrame>(m_page.get(), "frame_Bottom")->findChild<QFrame *>("frame_5", Qt::FindDirectChildrenOnly);
        return child<QLabel>(column, "label_KeyChar");
    }
    keyboardButCustom *key(int code) const { return DDataManager::getInstance()->getKeyButtonMap().value(code); }

    std::unique_ptr<StoreFixture> m_store;
    QByteArray m_layer;
    QByteArray m_magnetic;
    std::unique_ptr<keySelectFrame> m_picture;
    std::unique_ptr<DCustomKeysPage> m_page;
    std::unique_ptr<QSignalSpy> m_notices;
};

void TestKeyAssignment::init()
{
    m_store.reset(new StoreFixture);
    m_layer = m_store->newLayerFile("appProfile_Default.xml");
    m_magnetic = m_store->newLayerFile("appProfile_Magnetic.xml");
    DDataManager *dm = DDataManager::getInstance();
    dm->setCurProfilePath(m_layer);
    dm->setCurProfileIndex(1);
    dm->setMagneticProfilePath(m_magnetic);
    dm->setMagneticKeyboard(false);
    dm->setDefaultLayer(true);
    dm->clearClickedKey();
    m_picture.reset(new keySelectFrame);
    QVERIFY(m_picture->parseKeyboardInfo(smallLayout()));
    m_page.reset(new DCustomKeysPage);
    m_page->setProfilePath(m_layer);
    m_page->setProfileIndex(1);
    m_page->applyTheme();
    m_page->refreshForDevice();
    m_notices.reset(new QSignalSpy(m_page.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage));
}

void TestKeyAssignment::cleanup()
{
    m_notices.reset();
    m_page.reset();
    m_picture.reset();
    m_store.reset();
}

void TestKeyAssignment::selectKey(int code, const QString &caption)
{
    DDataManager::getInstance()->setClickedKey(code, caption);
}

QString TestKeyAssignment::lastNotice() const
{
    return m_notices->isEmpty() ? QString() : m_notices->last().at(0).toString();
}

void TestKeyAssignment::disableStoresItem_data()
{
    QTest::addColumn<int>("priorType");  // -1: no item
    QTest::addColumn<QByteArray>("priorValue");
    QTest::newRow("key without item") << -1 << QByteArray();
    QTest::newRow("already disabled") << 5 << QByteArray("-1");
    QTest::newRow("macro binding replaced") << 1 << QByteArray("3");
    QTest::newRow("remap replaced") << 0 << QByteArray("5");
}

void TestKeyAssignment::disableStoresItem()
{
    QFETCH(int, priorType);
    QFETCH(QByteArray, priorValue);
    if (priorType >= 0)
        storeItem(m_layer, "1", 4, priorType, priorValue);
    if (priorType == 1)
        QVERIFY(CTavrixXML_AddProFileBindMacroItem(m_layer, "1", {MacroEventItem()}, "3", "Macro3"));
    selectKey(4, "A");
    m_page->onCurIndexChanged_Key(Disable);
    QCOMPARE(m_page->currentPageCode(), 5);
    // The key is recoloured before the notice is shown.
    bool markedAtNotice = false;
    QObject listener;
    connect(m_page.get(), &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage, &listener,
            [&] { markedAtNotice = key(4)->isAssigned(); });
    child<QPushButton>(m_page->functionPage(Disable), "pushButton_OK")->click();
    QVERIFY(markedAtNotice);

    const KeyOperateInfo item = readItem(m_layer, "1", 4);
    QCOMPARE(keyOperateField(item.keyDec), QByteArray("4"));
    QCOMPARE(keyOperateField(item.operateType), QByteArray("5"));
    QCOMPARE(keyOperateField(item.param1), QByteArray("1"));
    QCOMPARE(keyOperateField(item.param2), QByteArray("1"));
    QCOMPARE(keyOperateField(item.value), QByteArray("-1"));
    QList<QByteArray> keys;
    QVERIFY(CTavrixXML_ProFileKeyInfoSelectAll(m_layer, "1", keys));
    QCOMPARE(keys, QList<QByteArray> {"4"});
    // The profile's copy of a macro stays: only the reset page removes it.
    QList<MacroEventItem> events;
    QCOMPARE(CTavrixXML_ProFileMacroWithKeyInfoSelectAll(m_layer, "1", "3", "", events), priorType == 1);

    QCOMPARE(m_notices->count(), 1);
    QCOMPARE(lastNotice(), QString("Operate successful"));
    QVERIFY(key(4)->isAssigned());
    QVERIFY(!key(5)->isAssigned());
}

void TestKeyAssignment::resetRemovesItemAndLastMacroCopy()
{
    // A and B bind macro 4; the Fn key remaps to A (value 4, not a macro).
    storeItem(m_layer, "1", 4, 1, "4");
    storeItem(m_layer, "1", 5, 1, "4");
    storeItem(m_layer, "1", 7, 0, "4");
    QVERIFY(CTavrixXML_AddProFileBindMacroItem(m_layer, "1", {MacroEventItem()}, "4", "Macro4"));
    QList<MacroEventItem> events;
    auto copyExists = [&] { return CTavrixXML_ProFileMacroWithKeyInfoSelectAll(m_layer, "1", "4", "", events); };
    auto resetKey = [&](int code, const QString &caption) {
        selectKey(code, caption);
        m_page->onCurIndexChanged_Key(Default);
        child<QPushButton>(m_page->functionPage(Default), "pushButton_OK")->click();
    };

    resetKey(7, "D");
    QVERIFY(copyExists());
    QCOMPARE(keyOperateNumber(readItem(m_layer, "1", 7).keyDec), -1);
    resetKey(4, "A");
    QVERIFY(copyExists());
    QCOMPARE(keyOperateNumber(readItem(m_layer, "1", 4).keyDec), -1);
    QCOMPARE(keyOperateNumber(readItem(m_layer, "1", 5).keyDec), 5);
    resetKey(5, "B");
    QVERIFY(!copyExists());
    // Once more on a key that has nothing left: still reported as done.
    resetKey(5, "B");
    QCOMPARE(m_notices->count(), 4);
    QCOMPARE(lastNotice(), QString("Operate successful"));
    QVERIFY(!key(5)->isAssigned());
}

void TestKeyAssignment::pageShownForStoredItem_data()
{
    QTest::addColumn<int>("type");  // -1: no item
    QTest::addColumn<int>("pageCode");
    QTest::addColumn<int>("buttonId");
    QTest::newRow("no item: Default") << -1 << 10 << int(Default);
    QTest::newRow("remap") << 0 << 1 << int(RemapKey);
    QTest::newRow("macro") << 1 << 0 << int(Macro);
    QTest::newRow("combination") << 2 << 2 << int(KeyCombination);
    QTest::newRow("disable") << 5 << 5 << int(Disable);
    QTest::newRow("switch profile") << 7 << 7 << int(SwitchProfile);
    QTest::newRow("key config") << 19 << 19 << int(KeyConfig);
    QTest::newRow("keyboard light 23") << 23 << 20 << int(KeyboardLight);
    QTest::newRow("side light 34") << 34 << 30 << int(SideLight);
    QTest::newRow("senior key") << 40 << 40 << int(SeniorKeys);
    // No page for these: the page shown before (Disable, for B) stays.
    QTest::newRow("type 12 keeps page") << 12 << 5 << int(Disable);
    QTest::newRow("type 10 keeps page") << 10 << 5 << int(Disable);
    QTest::newRow("type 28 keeps page") << 28 << 5 << int(Disable);
}

void TestKeyAssignment::pageShownForStoredItem()
{
    QFETCH(int, type);
    QFETCH(int, pageCode);
    QFETCH(int, buttonId);
    storeItem(m_layer, "1", 5, 5, "-1");
    if (type >= 0)
        storeItem(m_layer, "1", 4, type, "1");
    QSignalSpy intoTab(m_page.get(), &DCustomKeysPage::sigAutoIntoCustomKeysPage);
    selectKey(5, "B");
    QCOMPARE(m_page->currentPageCode(), 5);
    selectKey(4, "A");
    QCOMPARE(intoTab.count(), 2);
    QCOMPARE(hostKeyChar()->text(), QString("A"));
    QCOMPARE(m_page->currentPageCode(), pageCode);
    QVERIFY(m_page->functionButton(buttonId)->isChecked());
    auto *stack = child<QStackedWidget>(m_page.get(), "stackedWidget_Customize");
    QCOMPARE(stack->currentWidget(), m_page->functionPage(buttonId)->parentWidget());
    QVERIFY(m_notices->isEmpty());
}

void TestKeyAssignment::heavyPressItemOpensItsPage()
{
    DDataManager *dm = DDataManager::getInstance();
    dm->setMagneticKeyboard(true);
    // Profile 2 is current; the heavy-press item is found under profile 1 only.
    QVERIFY(CTavrixXML_CreateProFileXmlParentNode(m_layer, "2", "Profile2", 0));
    m_page->setProfileIndex(2);
    storeItem(m_magnetic, "1", 4, 5, "-1");
    selectKey(4, "A");
    QCOMPARE(m_page->currentPageCode(), 5);
    // Not magnetic: the same file is not looked at.
    dm->setMagneticKeyboard(false);
    selectKey(5, "B");
    selectKey(4, "A");
    QCOMPARE(m_page->currentPageCode(), 10);
}

void TestKeyAssignment::pageSignalsReachHost_data()
{
    QTest::addColumn<int>("buttonId");
    QTest::addColumn<bool>("successNotice");
    QTest::addColumn<bool>("cancelHandled");
    for (int i = 0; i < kCount; ++i) {
        const int id = entries()[i].buttonId;
        // Remap and combination picks are stored without a notice; only the text
        // and disable pages have a Cancel the host follows.
        QTest::newRow(entries()[i].tipName)
            << id << (id != RemapKey && id != KeyCombination) << (id == Text || id == Disable);
    }
}

void TestKeyAssignment::pageSignalsReachHost()
{
    QFETCH(int, buttonId);
    QFETCH(bool, successNotice);
    QFETCH(bool, cancelHandled);
    DKeyFunctionPage *page = m_page->functionPage(buttonId);
    QVERIFY(page);
    QCOMPARE(page->parentWidget()->objectName(), QString(entryForButton(buttonId)->containerObject));
    storeItem(m_layer, "1", 4, 0, "5");
    key(4)->setAssigned(false);
    emit page->sigShouldUpdateKeyboard(4);
    QVERIFY(key(4)->isAssigned());
    emit page->sigCustomKeyInfoSaveSuccessful();
    QCOMPARE(m_notices->count(), successNotice ? 1 : 0);
    emit page->sigCustomKeyInfoSaveFailed(buttonId, DKeyFunctionPage::SaveFailure_StoreWrite);
    QCOMPARE(lastNotice(), QString("Operate failed, the profile could not be saved"));

    selectKey(4, "A");
    m_page->onCurIndexChanged_Key(Disable);
    emit page->sigClickedCancel();
    QCOMPARE(m_page->currentPageCode(), cancelHandled ? 10 : 5);
}

void TestKeyAssignment::noKeySelected()
{
    m_page->onCurIndexChanged_Key(Disable);
    QCOMPARE(lastNotice(), QString("Please select one Key first"));
    QCOMPARE(m_page->currentPageCode(), 10);
    QVERIFY(m_page->functionButton(Default)->isChecked());
    auto *defaultPage = m_page->functionPage(Default);
    QCOMPARE(child<QLabel>(defaultPage, "label_KeyChar")->text(), QString("NULL"));
    child<QPushButton>(defaultPage, "pushButton_OK")->click();
    QCOMPARE(m_notices->count(), 2);
    QCOMPARE(lastNotice(), QString("Please select one Key first"));
}

void TestKeyAssignment::failureNotices_data()
{
    QTest::addColumn<int>("operateType");
    QTest::addColumn<int>("errorIndex");
    QTest::addColumn<QString>("notice");
    QTest::newRow("empty text") << 6 << 0 << "Setting failed because the text is empty";
    QTest::newRow("no key") << 10 << 0 << "Please select one Key first";
    QTest::newRow("other type") << 3 << 0 << "Unknow";
    QTest::newRow("text, other reason") << 6 << 2 << "Unknow";
    QTest::newRow("store refused") << 5 << 1 << "Operate failed, the profile could not be saved";
}

void TestKeyAssignment::failureNotices()
{
    QFETCH(int, operateType);
    QFETCH(int, errorIndex);
    QFETCH(QString, notice);
    m_page->onCustomKeyInfoSaveFailed(operateType, errorIndex);
    QCOMPARE(lastNotice(), notice);
}

void TestKeyAssignment::storeWriteFailureIsTold()
{
    selectKey(4, "A");
    m_page->onCurIndexChanged_Key(Disable);
    // A layer file that no longer parses takes no write.
    StoreFixture::write(m_layer, "<not a store");
    child<QPushButton>(m_page->functionPage(Disable), "pushButton_OK")->click();
    QCOMPARE(m_notices->count(), 1);
    // The notice names the file and why it took no write.
    QCOMPARE(lastNotice(),
             CTavrixXML_FailureText({CTavrixXMLFailureKind::Damaged, m_layer, 1, QString(), CTavrixXMLDamage::NotXml}));
    QVERIFY(!key(4)->isAssigned());
    QCOMPARE(StoreFixture::bytes(m_layer), QByteArray("<not a store"));
}

void TestKeyAssignment::resetMarks_data()
{
    QTest::addColumn<bool>("magnetic");
    QTest::addColumn<bool>("defaultLayer");
    QTest::addColumn<bool>("heavyItem");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<bool>("markColour");
    QTest::newRow("plain keyboard") << false << true << false << false << false;
    QTest::newRow("plain keyboard, stray magnetic item") << false << true << true << false << false;
    QTest::newRow("magnetic, heavy item, Default layer") << true << true << true << true << true;
    QTest::newRow("magnetic, heavy item, FN layer") << true << false << true << false << false;
    QTest::newRow("magnetic, no heavy item") << true << true << false << false << false;
}

void TestKeyAssignment::resetMarks()
{
    QFETCH(bool, magnetic);
    QFETCH(bool, defaultLayer);
    QFETCH(bool, heavyItem);
    QFETCH(bool, marked);
    QFETCH(bool, markColour);
    DDataManager *dm = DDataManager::getInstance();
    dm->setMagneticKeyboard(magnetic);
    dm->setDefaultLayer(defaultLayer);
    if (heavyItem)
        storeItem(m_magnetic, "1", 4, 5, "-1");
    storeItem(m_layer, "1", 4, 0, "5");
    selectKey(5, "B");
    selectKey(4, "A");
    m_page->onCurIndexChanged_Key(Default);
    key(4)->setAssigned(true);
    child<QPushButton>(m_page->functionPage(Default), "pushButton_OK")->click();
    QCOMPARE(keyOperateNumber(readItem(m_layer, "1", 4).keyDec), -1);
    QCOMPARE(keyOperateNumber(readItem(m_magnetic, "1", 4).keyDec), heavyItem ? 4 : -1);
    QCOMPARE(key(4)->isAssigned(), marked);
    if (markColour)
        QCOMPARE(key(4)->assignedFill().rgb(), DDataManager::getKeyMarkColor().rgb());
    QCOMPARE(lastNotice(), QString("Operate successful"));
}

void TestKeyAssignment::cancelReturnsToDefault()
{
    storeItem(m_layer, "1", 4, 0, "5");
    selectKey(4, "A");
    m_page->onCurIndexChanged_Key(Disable);
    child<QPushButton>(m_page->functionPage(Disable), "pushButton_Cancel")->click();
    QCOMPARE(m_page->currentPageCode(), 10);
    QVERIFY(m_page->functionButton(Default)->isChecked());
    QCOMPARE(child<QLabel>(m_page->functionPage(Default), "label_KeyChar")->text(), QString("A"));
    QCOMPARE(keyOperateField(readItem(m_layer, "1", 4).operateType), QByteArray("0"));
    QVERIFY(m_notices->isEmpty());
}

void TestKeyAssignment::downloadRunsOnce()
{
    QSignalSpy downloads(m_page.get(), &DCustomKeysPage::sigTheKeyboardIntoDownloading);
    QSignalSpy layers(m_page.get(), &DCustomKeysPage::sigDefaultLayerAndFnLayerSwitch);
    auto *download = child<QPushButton>(m_page.get(), "pushButton_Download");
    auto *loading = child<QLabel>(m_page.get(), "label_Loading");
    auto *fnLayer = child<QPushButton>(m_page.get(), "pushButton_FnLayer");
    download->click();
    download->click();
    QCOMPARE(downloads.count(), 1);
    QVERIFY(m_page->isDownloading());
    QVERIFY(!loading->isHidden());
    QCOMPARE(loading->movie()->state(), QMovie::Running);

    // A profile load or layer switch while the download waits must not open the way to a second one.
    m_page->resetPage(0);
    download->click();
    QCOMPARE(downloads.count(), 1);
    fnLayer->click();
    QCOMPARE(layers.count(), 0);
    QVERIFY(!fnLayer->isChecked());
    QVERIFY(child<QPushButton>(m_page.get(), "pushButton_DefaultLayer")->isChecked());

    m_page->stopDownloadAnimation();
    QVERIFY(loading->isHidden());
    QCOMPARE(loading->movie()->state(), QMovie::NotRunning);
    fnLayer->click();
    QCOMPARE(layers.count(), 1);
    QCOMPARE(layers.last().at(0).toInt(), 1);
    download->click();
    QCOMPARE(downloads.count(), 2);
}

void TestKeyAssignment::resetPageClearsKey()
{
    storeItem(m_layer, "1", 4, 5, "-1");
    selectKey(4, "A");
    QCOMPARE(m_page->currentPageCode(), 5);
    m_page->resetPage(1);
    QCOMPARE(DDataManager::getInstance()->getClickedKeyCode(), -1);
    QCOMPARE(hostKeyChar()->text(), QString("NULL"));
    QCOMPARE(m_page->currentPageCode(), 10);
    QVERIFY(m_page->functionButton(Default)->isChecked());
    QVERIFY(child<QPushButton>(m_page.get(), "pushButton_FnLayer")->isChecked());
    QVERIFY(!child<QPushButton>(m_page.get(), "pushButton_DefaultLayer")->isChecked());
    QCOMPARE(child<QLabel>(m_page->functionPage(Default), "label_KeyChar")->text(), QString("NULL"));
    m_page->resetPage(0);
    QVERIFY(child<QPushButton>(m_page.get(), "pushButton_DefaultLayer")->isChecked());
}

void TestKeyAssignment::deviceButtons()
{
    DDataManager *dm = DDataManager::getInstance();
    for (bool magnetic : {false, true}) {
        dm->setMagneticKeyboard(magnetic);
        dm->setHaveSideLight(magnetic);
        m_page->refreshForDevice();
        m_page->setPressModeSelectable(magnetic ? 0 : 999);
        m_page->resetPage(0);
        QCOMPARE(!m_page->functionButton(SeniorKeys)->isHidden(), magnetic);
        QCOMPARE(!m_page->functionButton(SideLight)->isHidden(), magnetic);
        QVERIFY(m_page->functionButton(SwitchProfile)->isHidden());
        QVERIFY(m_page->functionButton(Disable)->isVisibleTo(m_page.get()));
        const QString line = child<QFrame>(m_page.get(), "frame_Line")->styleSheet();
        const ThemeColorInfo theme = dm->getThemeColorInfo();
        QVERIFY(line.contains(magnetic ? theme.DeviceBorderColor : theme.DeviceRightBgColor));
        // The press-mode selector stays hidden on every keyboard.
        selectKey(4, "A");
        m_page->onCurIndexChanged_Key(Default);
        QVERIFY(child<QFrame>(m_page->functionPage(Default), "frame_Top2")->isHidden());
    }
}

void TestKeyAssignment::retranslateKeepsCaptionAndMovie()
{
    selectKey(4, "A");
    m_page->on_pushButton_Download_clicked();
    m_page->retranslateTexts();
    QCOMPARE(hostKeyChar()->text(), QString("A"));
    auto *loading = child<QLabel>(m_page.get(), "label_Loading");
    QVERIFY(loading->movie());
    QCOMPARE(loading->movie()->state(), QMovie::Running);
    QVERIFY(loading->movie()->isValid());
    QCOMPARE(child<QPushButton>(m_page.get(), "pushButton_Download")->text(), QString("Download"));
}

// A language chosen while the page is open reaches every function page, the
// advanced-key binding page included (its title stayed in the start's language).
void TestKeyAssignment::everyFunctionPageFollowsTheLanguage()
{
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    m_page->retranslateTexts();
    QCoreApplication::removeTranslator(&marking);
    QCOMPARE(child<QLabel>(m_page->functionPage(SeniorKeys), "label_2")->text(), QStringLiteral("~Senior Keys"));
    QCOMPARE(child<QLabel>(m_page->functionPage(KeyCombination), "label_5")->text(),
             QStringLiteral("~Key Combination"));
    m_page->retranslateTexts();
    QCOMPARE(child<QLabel>(m_page->functionPage(SeniorKeys), "label_2")->text(), QStringLiteral("Senior Keys"));
}

void TestKeyAssignment::functionTips()
{
    m_page->onInstallEventFilterOpen();
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    for (int id : {int(Default), int(KeyCombination), int(SideLight)}) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(m_page->functionButton(id), &enter);
        QVERIFY(m_page->tipPopup());
        QVERIFY(m_page->tipPopup()->isVisible());
        auto *tip = m_page->tipPopup()->findChild<DToolTipExplain *>();
        QCOMPARE(tip->text(), QString(entryForButton(id)->tipName));
        QCOMPARE(m_page->functionButton(id)->accessibleName(), tip->text());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_page->functionButton(id), &leave);
        QVERIFY(!m_page->tipPopup()->isVisible());
    }
}

// The tab as the device page shows it, with the keyboard picture above and a
// disabled key selected; saved under the build folder for a person to look at.
void TestKeyAssignment::screenshot()
{
    QWidget tab;
    tab.setStyleSheet("QWidget#tab{ background-color: rgb(26, 27, 49); }");
    tab.setObjectName("tab");
    tab.setAttribute(Qt::WA_StyledBackground);
    auto *layout = new QVBoxLayout(&tab);
    auto *picture = new hidDeviceJoinFrame(&tab);
    picture->loadDevice("QR108");
    picture->setMinimumSize(picture->pictureFrame()->size());
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(m_page.get());
    tab.resize(1300, picture->pictureFrame()->height() + 290);
    DDataManager::getInstance()->setHaveSideLight(true);
    m_page->resetPage(0);
    storeItem(m_layer, "1", 7, 5, "-1");  // D disabled
    m_page->onShouldUpdateKeyboard(7);
    tab.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tab));

    keyboardButCustom *d = key(7);
    QVERIFY(d);
    d->click();
    QCOMPARE(hostKeyChar()->text(), QString("D"));
    QCOMPARE(m_page->currentPageCode(), 5);
    QVERIFY(d->isChosen());
    QVERIFY(d->isAssigned());
    QCoreApplication::processEvents();
    const QImage shot = tab.grab().toImage();
    const QString dir = DDataManager::getAppDirPath() + "/screenshots";
    QDir().mkpath(dir);
    QVERIFY(shot.save(dir + "/keyassignment_tab.png"));
    // The Disable button shows its checked picture: orange somewhere inside it.
    QToolButton *button = m_page->functionButton(Disable);
    const QImage icon = button->grab().toImage();
    bool orange = false;
    for (int y = 0; y < icon.height() && !orange; ++y)
        for (int x = 0; x < icon.width() && !orange; ++x)
            orange = icon.pixelColor(x, y).red() > 200 && icon.pixelColor(x, y).blue() < 80;
    QVERIFY(orange);
    m_page->setParent(nullptr);
}

TAVRIX_TEST_MAIN(TestKeyAssignment)
#include "tst_keyassignment.moc"
