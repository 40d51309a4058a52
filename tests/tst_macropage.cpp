// The macro editor dialog on a temporary macro store: listing, recording through
// the data manager's hook relays, editing, export and import, closing. Leaves a
// screenshot of the editor in the build folder (screenshots/macro_editor.png).

#include "app/ddatamanager.h"
#include "app/windowshookinterface.h"
#include "macros/dmacroeventview.h"
#include "macros/dmacrolistview.h"
#include "macros/dmacropage.h"
#include "macros/macroeventmodel.h"
#include "macros/macroeventtext.h"
#include "platform/injecthookbackend.h"
#include "sdk/tavrixxml.h"
#include "sdk/xmlstore/storefiles.h"
#include "support/storefixture.h"
#include "support/testmain.h"
#include "ui_dmacropage.h"
#include "widgets/arrowwidget.h"
#include "widgets/cbnotice.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct Ev
{
    const char *mark;
    int delay;
    const char *type;
    int keyCode;
    const char *caption;
    const char *state;
};

MacroEventItem item(const Ev &e)
{
    return MacroEventText::make(
        {e.mark, QString::number(e.delay), e.type, QString::number(e.keyCode), QString::fromUtf8(e.caption), e.state});
}

// "mark:state:keyCode" of each event, in stored order.
QStringList summary(const QList<MacroEventItem> &events)
{
    QStringList out;
    for (const MacroEventItem &e : events) {
        const MacroEventText::Fields f = MacroEventText::read(e);
        out << QString("%1:%2:%3").arg(f.mark, f.operateExplain, f.keyCode);
    }
    return out;
}

QStringList rowSummary(const DMacroPage &page)
{
    QStringList out;
    for (const MacroEventModel::Event &e : page.eventList()->eventModel()->events())
        out << QString("%1:%2:%3").arg(e.mark, e.operateExplain, e.keyCode);
    return out;
}

// A click on the delete button of an event row, the pointer first over the row as the user's is.
void clickDelete(DMacroPage *page, int row)
{
    DMacroEventView *list = page->eventList();
    list->scrollTo(list->model()->index(row, 0));
    const QPoint button = list->deleteButtonRect(row).center() - list->viewport()->pos();
    QTest::mouseMove(list->viewport(), button);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, button);
}

// A left press on the name of a macro list row, as the user makes it.
void pressMacroRow(DMacroPage *page, int row)
{
    DMacroListView *list = page->macroList();
    list->scrollTo(list->model()->index(row, 0));
    const QPoint point = list->rowRect(row).topLeft() - list->viewport()->pos() + QPoint(10, 10);
    QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, point);
}

}  // namespace

class TestMacroPage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
    int m_hookRequests = 0;
    bool m_hookOn = false;
    bool m_grantHook = true;
    quint32 m_now = 1000;
    WindowsHookInterface *m_hook = nullptr;  // when set, the hook requests drive it

    void addMacro(const QByteArray &index, const QByteArray &name, const QList<Ev> &events = {})
    {
        QVERIFY(CTavrixXML_CreateMacroXmlParentNode(m_path, index, name));
        QList<MacroEventItem> items;
        for (const Ev &e : events)
            items.append(item(e));
        CTavrixXML_AddKeyOrMouseEventItem(m_path, items, index);
    }
    QList<MacroEventItem> stored(const QByteArray &index)
    {
        QList<MacroEventItem> events;
        CTavrixXML_SelectAllKeyOrMouseEvent(m_path, index, events);
        return events;
    }
    DMacroPage *openPage()
    {
        auto *page = new DMacroPage;
        page->setMacroXmlPath(m_path);
        page->setTickSource([this] { return m_now; });
        page->show();
        // The list loads from a 200 ms single-shot timer started in the constructor. A
        // precise one started now and due later than that timer's latest (coarse timers
        // move by up to 5%) fires after it, whatever the machine's speed: the event loop
        // fires due timers in the order of their deadlines.
        bool loaded = false;
        QTimer::singleShot(260, Qt::PreciseTimer, page, [&loaded] { loaded = true; });
        if (!QTest::qWaitFor([&loaded] { return loaded; }, 60000))
            QTest::qFail("the macro list did not load", __FILE__, __LINE__);
        return page;
    }
    void key(int vk, bool press)
    {
        DDataManager::getInstance()->relayMacroKeyboardStream(vk, 0, press ? 1 : 0, press ? 0 : 0x80);
    }
    void mouse(int message)
    {
        DDataManager::getInstance()->relayMacroMouseStream(0, static_cast<quintptr>(message), 0);
    }
    static void releaseOnRecord(DMacroPage *page) { QTest::mouseRelease(page->form()->frame_Record, Qt::LeftButton); }
    // False when the page shows no such row.
    [[nodiscard]] static bool pressRow(DMacroPage *page, int position)
    {
        DMacroEventView *list = page->eventList();
        if (position < 0 || position >= page->eventCount())
            return false;
        list->scrollTo(list->model()->index(position, 0));
        const QPoint point = list->rowRect(position).topLeft() - list->viewport()->pos() + QPoint(5, 5);
        QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, point);
        return true;
    }

private Q_SLOTS:
    void initTestCase();
    void init();
    void listsMacrosAndShowsEvents();
    void recordsKeysAndMouseWithMarksAndDelays();
    void recordingLimits();
    void recordsThroughTheHook();
    void delayModes_data();
    void delayModes();
    void keyEntryFillsKeyField();
    void insertPair_data();
    void insertPair();
    void modifyEvent();
    void moveNeverPassesPartner();
    void deletePairAndClear();
    void deleteRemovesEveryRowOfTheMark();
    void sharedMarkShowsWhatTheStoreDid();
    void addAndDeleteMacros();
    void exportAndImport();
    void exportFileNames_data();
    void exportFileNames();
    void importLimits_data();
    void importLimits();
    void damagedMacroFile();
    void unreadableMacroFile();
    void storeFailuresAreShown();
    void escapeClosesLikeCloseButton();
    void returnAndEscapeEndTheFieldOnly_data();
    void returnAndEscapeEndTheFieldOnly();
    void longMacroIsOnePaintedList();
    void screenshot();
};

void TestMacroPage::initTestCase()
{
    DDataManager *data = DDataManager::getInstance();
    QMap<int, int> vkMap {{999, 40}, {998, 88}, {103, 95}};
    QMap<int, QString> captions {{40, "Enter"}, {88, "Num Enter"}, {95, "Num 7"}};
    for (int vk = 'A'; vk <= 'Z'; ++vk) {
        vkMap.insert(vk, vk - 'A' + 4);
        captions.insert(vk - 'A' + 4, QString(QChar(vk)));
    }
    data->setVkToHidMap(vkMap);
    data->setKeyCharMap(captions);
    // The key-assignment page's part: grant or refuse the recording hook.
    connect(data, &DDataManager::sigHookRunningStatusCtrl_MacroRecord, this, [this, data](bool start) {
        ++m_hookRequests;
        if (m_hook) {
            m_hook->stopHook();
            const bool running = !start || m_hook->startHook(WindowsHookInterface::MacroRecord) == 1;
            m_hookOn = start && running;
            data->setMacroHookRunning(running);
            return;
        }
        m_hookOn = start && m_grantHook;
        data->setMacroHookRunning(start ? m_grantHook : true);
    });
}

void TestMacroPage::init()
{
    m_path = QFile::encodeName(m_dir.filePath(QString("appMacro_%1.xml").arg(QTest::currentTestFunction())));
    QFile::remove(QFile::decodeName(m_path));
    QVERIFY(CTavrixXML_CreateXMLFile(m_path));
    m_hookRequests = 0;
    m_hookOn = false;
    m_grantHook = true;
    m_now = 1000;
}

void TestMacroPage::listsMacrosAndShowsEvents()
{
    addMacro("1", "Macro1", {{"0", 100, "key", 4, "A", "down"}, {"0", 50, "key", 4, "A", "up"}});
    addMacro("2", "Empty");
    addMacro("3", "Third", {{"1", 40000, "key", 5, "B", "down"}, {"1", 40000, "key", 5, "B", "up"}});
    QScopedPointer<DMacroPage> page(openPage());
    Ui::DMacroPage *ui = page->form();

    QCOMPARE(page->macroList()->macroCount(), 3);
    QCOMPARE(page->currentMacroIndex(), QString("1"));
    QCOMPARE(ui->label_TotalTime->text(), QString("150 MS"));
    QCOMPARE(page->eventCount(), 2);
    QCOMPARE(page->pressCountValue(), 1);
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_catchList);
    QCOMPARE(page->macroList()->selectedRow(), 0);
    QCOMPARE(ui->verticalLayout_17->count(), 1);  // the list, which scrolls itself
    QCOMPARE(ui->verticalLayout_17->itemAt(0)->widget(), page->macroList());

    pressMacroRow(page.data(), 1);
    QCOMPARE(page->currentMacroName(), QString("Empty"));
    QCOMPARE(page->macroList()->selectedRow(), 1);
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_isEmpty);
    QCOMPARE(ui->label_TotalTime->text(), QString("0 MS"));

    // Totals are plain sums, not held to the delay range.
    pressMacroRow(page.data(), 2);
    QCOMPARE(ui->label_TotalTime->text(), QString("80000 MS"));
    QCOMPARE(page->eventCount(), 2);
    QCOMPARE(ui->verticalLayout_20->count(), 1);  // the list, which scrolls itself
    QCOMPARE(ui->verticalLayout_20->itemAt(0)->widget(), page->eventList());

    QCOMPARE(ui->frame_Left->maximumWidth(), 315);
    QCOMPARE(ui->frame_Right->maximumWidth(), 315);
    QCOMPARE(ui->frame_Center->maximumWidth(), 420);
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Key);
    QVERIFY(ui->radioButton_Delay->isHidden());
}

void TestMacroPage::recordsKeysAndMouseWithMarksAndDelays()
{
    addMacro("1", "Macro1", {{"5", 10, "key", 4, "A", "down"}, {"5", 10, "key", 4, "A", "up"}});
    QScopedPointer<DMacroPage> page(openPage());
    QSignalSpy changed(page.data(), &DMacroPage::sigMacroListHaveChanged);

    key('C', false);  // no recording, no key field: only key entry, nothing stored
    releaseOnRecord(page.data());
    QVERIFY(page->isRecording());
    QVERIFY(m_hookOn);
    QVERIFY(!page->form()->frame_Right->isEnabled());
    QCOMPARE(page->form()->label->text(), QObject::tr("Stop record"));

    key('Z', false);  // released but pressed before the recording: dropped
    m_now = 2000;
    key('A', true);
    m_now = 2100;
    key('B', true);
    m_now = 2300;
    key('A', false);
    m_now = 2300 + 90000;
    key('B', false);
    m_now += 5;
    mouse(0x201);
    m_now += 7;
    mouse(0x202);
    mouse(0x205);  // a release without its press
    mouse(0x200);  // not a button message
    QCOMPARE(page->eventCount(), 8);

    releaseOnRecord(page.data());
    QVERIFY(!page->isRecording());
    QVERIFY(!m_hookOn);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first(), (QList<QVariant> {"1", "Macro1"}));
    QVERIFY(page->form()->frame_Right->isEnabled());

    const QList<MacroEventItem> events = stored("1");
    QCOMPARE(
        summary(events),
        (QStringList {"5:down:4", "5:up:4", "7:down:4", "8:down:5", "7:up:4", "8:up:5", "9:down:513", "9:up:514"}));
    QStringList delays;
    for (const MacroEventItem &e : events)
        delays << MacroEventText::read(e).delay;
    QCOMPARE(delays, (QStringList {"10", "10", "0", "100", "200", "65535", "5", "7"}));
    QCOMPARE(MacroEventText::read(events.at(6)).codeName, QString("Left Click"));
    QCOMPARE(page->totalDelayValue(), 20 + 100 + 200 + 65535 + 5 + 7);
    QCOMPARE(page->pressCountValue(), 4);

    // Stopping with nothing recorded still reports; a refused hook starts nothing.
    releaseOnRecord(page.data());
    releaseOnRecord(page.data());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(stored("1").size(), 8);
    m_grantHook = false;
    releaseOnRecord(page.data());
    QVERIFY(!page->isRecording());
    QVERIFY(page->form()->frame_Right->isEnabled());
}

void TestMacroPage::recordingLimits()
{
    QList<Ev> events;
    for (int i = 0; i < 39; ++i)
        events.append({"100", 0, "key", 4, "A", "up"});
    addMacro("1", "Full", events);
    addMacro("2", "Keys");
    QScopedPointer<DMacroPage> page(openPage());
    const QString limit = QObject::tr("The record of events has reached the limit");

    // 39 rows: one more event goes in, the next is refused.
    releaseOnRecord(page.data());
    key('A', true);
    QCOMPARE(page->eventCount(), 40);
    page->notice()->showMessage("");
    key('B', true);
    QCOMPARE(page->eventCount(), 40);
    QCOMPARE(page->notice()->text(), limit);
    releaseOnRecord(page.data());
    QCOMPARE(stored("1").size(), 40);

    // 20 key presses, then the 21st and its release are refused.
    pressMacroRow(page.data(), 1);
    releaseOnRecord(page.data());
    for (int i = 0; i < 21; ++i) {
        key('A' + i, true);
        key('A' + i, false);
    }
    releaseOnRecord(page.data());
    QCOMPARE(stored("2").size(), 40);
    QCOMPARE(page->pressCountValue(), 20);
    QCOMPARE(MacroEventText::read(stored("2").last()).keyCode, QString::number('T' - 'A' + 4));
}

void TestMacroPage::recordsThroughTheHook()
{
    auto backend = std::make_unique<InjectHookBackend>();
    InjectHookBackend *inject = backend.get();
    WindowsHookInterface::setBackend(std::move(backend));
    WindowsHookInterface hook;
    m_hook = &hook;
    // A failure below returns early: the next test must not reach the gone hook.
    const auto forgetHook = qScopeGuard([this] { m_hook = nullptr; });
    addMacro("1", "Macro1");
    QScopedPointer<DMacroPage> page(openPage());

    releaseOnRecord(page.data());
    QVERIFY(inject->keyboardInstalled() && inject->mouseInstalled());
    inject->injectKey(13, 0x1C, 0);  // main Enter
    inject->injectKey(13, 0x1C, 0x80);
    inject->injectMouse(0x204);
    inject->injectMouse(0x205);
    // Clicks on the record button itself are not recorded.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(page->form()->frame_Record, &enter);
    inject->injectMouse(0x201);
    inject->injectMouse(0x202);
    releaseOnRecord(page.data());
    m_hook = nullptr;
    QVERIFY(!inject->keyboardInstalled() && !inject->mouseInstalled());
    QCOMPARE(summary(stored("1")), (QStringList {"1:down:40", "1:up:40", "2:down:516", "2:up:517"}));
    QCOMPARE(MacroEventText::read(stored("1").at(2)).codeName, QString("Right Click"));
}

void TestMacroPage::delayModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("defaultDelay");
    QTest::addColumn<QStringList>("delays");
    QTest::newRow("recorded") << 0 << "100" << QStringList {"0", "300"};
    QTest::newRow("none") << 1 << "100" << QStringList {"0", "0"};
    QTest::newRow("default") << 2 << "100" << QStringList {"100", "100"};
    QTest::newRow("default, empty field") << 2 << "" << QStringList {"0", "0"};
}

void TestMacroPage::delayModes()
{
    QFETCH(int, mode);
    QFETCH(QString, defaultDelay);
    addMacro("1", "Macro1");
    QScopedPointer<DMacroPage> page(openPage());
    Ui::DMacroPage *ui = page->form();
    QRadioButton *buttons[] = {ui->radioButton_RecordDelay, ui->radioButton_NoDelay, ui->radioButton_DefaultDelay};
    buttons[mode]->click();
    for (QRadioButton *b : buttons)
        QCOMPARE(b->isChecked(), b == buttons[mode]);
    ui->lineEdit_DefaultDelayNum->setText(defaultDelay);

    releaseOnRecord(page.data());
    key('A', true);
    m_now += 300;
    key('A', false);
    releaseOnRecord(page.data());
    QStringList delays;
    for (const MacroEventItem &e : stored("1"))
        delays << MacroEventText::read(e).delay;
    QTEST(delays, "delays");
}

void TestMacroPage::keyEntryFillsKeyField()
{
    addMacro("1", "Macro1");
    QScopedPointer<DMacroPage> page(openPage());
    Ui::DMacroPage *ui = page->form();
    page->activateWindow();
    ui->lineEdit_EnterKey->setFocus();
    QTRY_VERIFY(ui->lineEdit_EnterKey->hasFocus());
    QVERIFY(m_hookOn);

    DDataManager::getInstance()->relayMacroKeyboardStream(13, 0x1C, 1, 0);  // main Enter
    QCOMPARE(ui->lineEdit_EnterKey->text(), QString("Enter"));
    QCOMPARE(ui->lineEdit_EnterKey->maxLength(), 5);
    DDataManager::getInstance()->relayMacroKeyboardStream(36, 0x47, 0, 0x80);  // keypad Home, released
    QCOMPARE(ui->lineEdit_EnterKey->text(), QString("Num 7"));
    QVERIFY(ui->lineEdit_PressKey->text().isEmpty());
    QVERIFY(page->eventCount() == 0);

    ui->lineEdit_PressKey->setFocus();
    QTRY_VERIFY(ui->lineEdit_PressKey->hasFocus());
    key('Q', true);
    QCOMPARE(ui->lineEdit_PressKey->text(), QString("Q"));
    QCOMPARE(ui->lineEdit_EnterKey->text(), QString("Num 7"));
}

void TestMacroPage::insertPair_data()
{
    QTest::addColumn<bool>("before");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("after") << false << QStringList {"0:down:4", "1:down:5", "1:up:5", "0:up:4"};
    QTest::newRow("before") << true << QStringList {"1:down:5", "1:up:5", "0:down:4", "0:up:4"};
}

void TestMacroPage::insertPair()
{
    QFETCH(bool, before);
    addMacro("1", "Macro1", {{"0", 30, "key", 4, "A", "down"}, {"0", 20, "key", 4, "A", "up"}});
    QScopedPointer<DMacroPage> page(openPage());
    Ui::DMacroPage *ui = page->form();
    QSignalSpy changed(page.data(), &DMacroPage::sigMacroListHaveChanged);

    ui->pushButton_InsertMacro->click();
    QCOMPARE(page->notice()->text(), QObject::tr("Please select a specific location first"));
    QVERIFY(pressRow(page.data(), 0));
    ui->pushButton_InsertMacro->click();
    QCOMPARE(page->notice()->text(), QObject::tr("Please enter a key"));

    key('B', true);  // key entry
    (before ? ui->radioButton_InsertBefore : ui->radioButton_InsertAfter)->setChecked(true);
    ui->pushButton_InsertMacro->click();
    QCOMPARE(page->notice()->text(), QObject::tr("Insert successful"));
    QTEST(rowSummary(*page), "expected");
    QTEST(summary(stored("1")), "expected");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(ui->label_TotalTime->text(), QString("50 MS"));
    QCOMPARE(page->pressCountValue(), 2);

    // The selection stays on A's press wherever the pair went: a move acts on it.
    ui->radioButton_Mouse->click();
    QCOMPARE(ui->stackedWidget->currentWidget(), ui->page_Mouse);
    ui->radioButton_MouseRight->setChecked(true);
    ui->radioButton_InsertAfter->setChecked(true);
    ui->pushButton_InsertMacro->click();
    const QStringList rows = rowSummary(*page);
    const int press = rows.indexOf("0:down:4");
    QCOMPARE(rows.mid(press, 3), (QStringList {"0:down:4", "2:down:516", "2:up:517"}));
    QCOMPARE(summary(stored("1")), rows);
}

void TestMacroPage::modifyEvent()
{
    addMacro("1", "Macro1",
             {{"1", 10, "mouse", 513, "Left Click", "down"},
              {"1", 20, "mouse", 514, "Left Click", "up"},
              {"2", 0, "key", 4, "A", "down"},
              {"2", 5, "key", 4, "A", "up"},
              {"3", 7, "key", 5, "B", "down"}});
    QScopedPointer<DMacroPage> page(openPage());
    Ui::DMacroPage *ui = page->form();
    QSignalSpy changed(page.data(), &DMacroPage::sigMacroListHaveChanged);

    // A mouse release from left to right: both events follow, each with its own code.
    QVERIFY(pressRow(page.data(), 1));
    QVERIFY(ui->radioButton_MouseEvent->isChecked());
    QVERIFY(ui->radioButton_1left->isChecked());
    ui->radioButton_3right->setChecked(true);
    ui->pushButton_ModifyMacro->click();
    QList<MacroEventItem> events = stored("1");
    QCOMPARE(summary(events).mid(0, 2), (QStringList {"1:down:516", "1:up:517"}));
    QCOMPARE(MacroEventText::read(events.at(0)).codeName, QString("Right Click"));
    QCOMPARE(MacroEventText::read(events.at(0)).delay, QString("10"));
    QCOMPARE(page->eventList()->model()->index(0, 0).data().toString(), QObject::tr("Right Click"));

    // Only the delay of a key press: the total grows, the release keeps its delay.
    QVERIFY(pressRow(page.data(), 2));
    QCOMPARE(ui->lineEdit_PressKey->text(), QString("A"));
    ui->lineEdit_DelayNum->setText("250");
    ui->pushButton_ModifyMacro->click();
    QCOMPARE(ui->label_TotalTime->text(), QString("292 MS"));
    events = stored("1");
    QCOMPARE(MacroEventText::read(events.at(2)).delay, QString("250"));
    QCOMPARE(MacroEventText::read(events.at(3)).delay, QString("5"));
    QCOMPARE(changed.count(), 2);

    // A press without a release changes alone.
    QVERIFY(pressRow(page.data(), 4));
    ui->lineEdit_DelayNum->setText("1");
    ui->pushButton_ModifyMacro->click();
    QCOMPARE(MacroEventText::read(stored("1").at(4)).delay, QString("1"));

    ui->lineEdit_PressKey->clear();
    ui->pushButton_ModifyMacro->click();
    QCOMPARE(page->notice()->text(), QObject::tr("Please enter a key"));
}

void TestMacroPage::moveNeverPassesPartner()
{
    addMacro("1", "Macro1",
             {{"0", 0, "key", 4, "A", "down"},
              {"0", 0, "key", 4, "A", "up"},
              {"1", 0, "key", 5, "B", "down"},
              {"1", 0, "key", 5, "B", "up"}});
    QScopedPointer<DMacroPage> page(openPage());
    Ui::DMacroPage *ui = page->form();
    QSignalSpy changed(page.data(), &DMacroPage::sigMacroListHaveChanged);

    ui->pushButton_MoveUp->click();
    QCOMPARE(page->notice()->text(), QObject::tr("Please select a specific location first"));

    QVERIFY(pressRow(page.data(), 2));  // B down
    ui->pushButton_MoveUp->click();
    ui->pushButton_MoveUp->click();
    ui->pushButton_MoveUp->click();  // already first: nothing
    const QStringList moved {"1:down:5", "0:down:4", "0:up:4", "1:up:5"};
    QCOMPARE(rowSummary(*page), moved);
    QCOMPARE(summary(stored("1")), moved);
    QCOMPARE(changed.count(), 2);

    QVERIFY(pressRow(page.data(), 2));  // A up: its press is right above
    ui->pushButton_MoveUp->click();
    QVERIFY(pressRow(page.data(), 1));  // A down: its release is right below
    ui->pushButton_MoveDown->click();
    QVERIFY(pressRow(page.data(), 3));  // last row
    ui->pushButton_MoveDown->click();
    QCOMPARE(rowSummary(*page), moved);
    QCOMPARE(changed.count(), 2);
}

void TestMacroPage::deletePairAndClear()
{
    addMacro("1", "Macro1",
             {{"0", 1, "key", 4, "A", "down"},
              {"1", 100, "key", 5, "B", "down"},
              {"0", 2, "key", 4, "A", "up"},
              {"1", 50, "key", 5, "B", "up"},
              {"2", 0, "key", 6, "C", "down"},
              {"2", 0, "key", 6, "C", "up"}});
    QScopedPointer<DMacroPage> page(openPage());
    Ui::DMacroPage *ui = page->form();
    QSignalSpy changed(page.data(), &DMacroPage::sigMacroListHaveChanged);
    QCOMPARE(ui->label_TotalTime->text(), QString("153 MS"));

    // A double click on the button deletes one pair, not the next one moved under it.
    clickDelete(page.data(), 3);
    QWidget *viewport = page->eventList()->viewport();
    const QPoint button = page->eventList()->deleteButtonRect(3).center() - viewport->pos();
    QMouseEvent second(QEvent::MouseButtonDblClick, button, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &second);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, button);
    QCOMPARE(ui->label_TotalTime->text(), QString("3 MS"));
    QCOMPARE(rowSummary(*page), (QStringList {"0:down:4", "0:up:4", "2:down:6", "2:up:6"}));
    QCOMPARE(summary(stored("1")), rowSummary(*page));
    QCOMPARE(page->pressCountValue(), 2);
    QCOMPARE(changed.count(), 1);

    // Marks are never renumbered: the pair with the highest mark goes, its mark comes back.
    clickDelete(page.data(), 2);
    QCOMPARE(page->nextMarkBase(), 1);

    ui->pushButton_ClearMacroLst->click();
    QCOMPARE(page->notice()->text(), QObject::tr("Clear record macro successful"));
    QVERIFY(page->eventCount() == 0);
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_isEmpty);
    QCOMPARE(ui->label_TotalTime->text(), QString("0 MS"));
    QVERIFY(stored("1").isEmpty());
    QList<MacroNode> nodes;
    CTavrixXML_SelectMacroAllNodes(m_path, nodes);
    QCOMPARE(nodes.size(), 1);
    QCOMPARE(nodes.first().name, QByteArray("Macro1"));
    QCOMPARE(changed.count(), 3);

    // A recording next starts with the marks of an empty macro.
    releaseOnRecord(page.data());
    key('A', true);
    key('A', false);
    releaseOnRecord(page.data());
    QCOMPARE(summary(stored("1")), (QStringList {"1:down:4", "1:up:4"}));
}

void TestMacroPage::deleteRemovesEveryRowOfTheMark()
{
    // Two pairs under one mark (a file edited by hand): the store drops all four events.
    addMacro("1", "Macro1",
             {{"0", 1, "key", 4, "A", "down"},
              {"0", 2, "key", 4, "A", "up"},
              {"1", 10, "key", 5, "B", "down"},
              {"0", 4, "key", 6, "C", "down"},
              {"0", 8, "key", 6, "C", "up"},
              {"1", 20, "key", 5, "B", "up"}});
    QScopedPointer<DMacroPage> page(openPage());
    QCOMPARE(page->pressCountValue(), 3);
    clickDelete(page.data(), 4);
    QCOMPARE(rowSummary(*page), (QStringList {"1:down:5", "1:up:5"}));
    QCOMPARE(summary(stored("1")), rowSummary(*page));
    QCOMPARE(page->form()->label_TotalTime->text(), QString("30 MS"));
    QCOMPARE(page->pressCountValue(), 1);
}

// A file edited by hand may use a mark for two pairs; the store then moves and changes the
// first event of the mark and state, and the list shows that, not the row clicked.
void TestMacroPage::sharedMarkShowsWhatTheStoreDid()
{
    addMacro("1", "Macro1",
             {{"0", 1, "key", 4, "A", "down"},
              {"0", 2, "key", 4, "A", "up"},
              {"1", 10, "key", 5, "B", "down"},
              {"0", 4, "key", 6, "C", "down"},
              {"0", 8, "key", 6, "C", "up"},
              {"1", 20, "key", 5, "B", "up"}});
    QScopedPointer<DMacroPage> page(openPage());
    QVERIFY(pressRow(page.data(), 4));  // C up
    page->form()->pushButton_MoveDown->click();
    QCOMPARE(rowSummary(*page), summary(stored("1")));
    QCOMPARE(rowSummary(*page), (QStringList {"0:down:4", "1:down:5", "0:up:4", "0:down:6", "0:up:6", "1:up:5"}));

    QVERIFY(pressRow(page.data(), 3));  // C down
    page->form()->lineEdit_DelayNum->setText("99");
    page->form()->pushButton_ModifyMacro->click();
    QCOMPARE(rowSummary(*page), summary(stored("1")));
    QStringList delays;
    for (const MacroEventModel::Event &e : page->eventList()->eventModel()->events())
        delays << e.delay;
    QCOMPARE(delays, (QStringList {"99", "10", "2", "4", "8", "20"}));
}

void TestMacroPage::addAndDeleteMacros()
{
    addMacro("1", "Macro1", {{"0", 0, "key", 4, "A", "down"}});
    addMacro("2", "Macro2");
    addMacro("4", "Macro4");
    QScopedPointer<DMacroPage> page(openPage());
    Ui::DMacroPage *ui = page->form();
    QSignalSpy changed(page.data(), &DMacroPage::sigMacroListHaveChanged);

    ui->pushButton_Add->click();
    QCOMPARE(page->notice()->text(), QObject::tr("Add macro successful"));
    QCOMPARE(page->macroList()->macroCount(), 4);
    QCOMPARE(page->macroList()->macroNameAt(2), QString("Macro3"));
    QCOMPARE(page->currentMacroIndex(), QString("1"));

    // Deleting a macro that is not current leaves the current one alone.
    Q_EMIT page->macroList()->sigDeleteMacro("4", "Macro4");
    QCOMPARE(page->currentMacroIndex(), QString("1"));
    QCOMPARE(page->eventCount(), 1);

    Q_EMIT page->macroList()->sigDeleteMacro("1", "Macro1");
    QCOMPARE(page->notice()->text(), QObject::tr("Delete macro successful"));
    QCOMPARE(page->currentMacroIndex(), QString("2"));
    QVERIFY(page->eventCount() == 0);
    Q_EMIT page->macroList()->sigDeleteMacro("2", "Macro2");
    Q_EMIT page->macroList()->sigDeleteMacro("3", "Macro3");
    QCOMPARE(page->macroList()->macroCount(), 0);
    QVERIFY(page->currentMacroIndex().isEmpty());
    QCOMPARE(ui->stackedWidget_2->currentWidget(), ui->page_isEmpty);
    QCOMPARE(changed.count(), 0);

    // Without a macro the record button and clearing do nothing but say why.
    releaseOnRecord(page.data());
    QVERIFY(!page->isRecording());
    QCOMPARE(page->notice()->text(), QObject::tr("Please create or select a macro first"));
    ui->pushButton_ClearMacroLst->click();
    QCOMPARE(page->notice()->text(), QObject::tr("Please select a macro first"));
    QTest::qWait(1);
    QCOMPARE(ui->verticalLayout_17->count(), 1);
}

void TestMacroPage::exportAndImport()
{
    addMacro("1", "Macro1");
    addMacro("2", "Macro2", {{"3", 40, "key", 4, "A&<\"", "down"}, {"3", 60, "key", 4, "A&<\"", "up"}});
    addMacro("4", "Macro4");
    QScopedPointer<DMacroPage> page(openPage());
    QTemporaryDir out;
    QStringList asked;
    page->setOverwriteQuestion([&asked](const QString &file) {
        asked << file;
        return true;
    });

    QFile::remove(out.filePath("Macro2.xml"));
    QFile old(out.filePath("Macro2.xml"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("older export");
    old.close();
    QVERIFY(page->exportMacroTo(out.path(), "2", "Macro2"));
    QCOMPARE(page->notice()->text(), QObject::tr("Export macro successful"));
    QCOMPARE(asked, QStringList {out.filePath("Macro2.xml")});
    QFile file(out.filePath("Macro2.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    file.close();
    QVERIFY(text.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Parameters profileIndex=\"1\">\n"
                            "    <macro index=\"2\" name=\"Macro2\">\n"));
    QVERIFY(text.contains("        <item mark=\"3\" delay=\"40\" type=\"key\" keyCode=\"4\" "
                          "codeName=\"A&amp;&lt;&quot;\" operateExplain=\"down\"/>\n"));
    QCOMPARE(text.count("<item "), 2);

    // The export imports as the same events under the next index, named after the file.
    page->importMacroFile(out.filePath("Macro2.xml"));
    QCOMPARE(page->notice()->text(), QObject::tr("Import macro successful"));
    QList<MacroNode> nodes;
    CTavrixXML_SelectMacroAllNodes(m_path, nodes);
    QCOMPARE(nodes.last().index, QByteArray("5"));
    QCOMPARE(nodes.last().name, QByteArray("Macro2"));
    QCOMPARE(summary(stored("5")), summary(stored("2")));
    QCOMPARE(MacroEventText::read(stored("5").first()).codeName, QString("A&<\""));

    // A name cut at the first dot, missing attributes empty, no limits applied.
    QFile many(out.filePath("my.macro.xml"));
    QVERIFY(many.open(QIODevice::WriteOnly));
    many.write("<x>");
    for (int i = 0; i < 50; ++i)
        many.write(QString("<ev mark=\"%1\" type=\"key\"/>").arg(i).toUtf8());
    many.write("</x>");
    many.close();
    page->importMacroFile(many.fileName());
    nodes.clear();
    CTavrixXML_SelectMacroAllNodes(m_path, nodes);
    QCOMPARE(nodes.last().name, QByteArray("my"));
    QCOMPARE(stored("6").size(), 50);
    QVERIFY(MacroEventText::read(stored("6").first()).delay.isEmpty());

    // A damaged or unreadable file adds no macro.
    QFile broken(out.filePath("broken.xml"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("<Parameters><macro><item mark=\"1\" type=\"key\"/>");
    broken.close();
    page->importMacroFile(broken.fileName());
    QCOMPARE(page->notice()->text(), QObject::tr("Import macro failed: the file is damaged"));
    page->importMacroFile(out.filePath("missing.xml"));
    nodes.clear();
    CTavrixXML_SelectMacroAllNodes(m_path, nodes);
    QCOMPARE(nodes.size(), 5);

    // A file name that starts with a dot gives an empty name.
    QFile dotted(out.filePath(".xml"));
    QVERIFY(dotted.open(QIODevice::WriteOnly));
    dotted.write("<Parameters/>");
    dotted.close();
    page->importMacroFile(dotted.fileName());
    nodes.clear();
    CTavrixXML_SelectMacroAllNodes(m_path, nodes);
    QCOMPARE(nodes.size(), 6);
    QVERIFY(nodes.last().name.isEmpty());
}

void TestMacroPage::exportFileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");  // "" when refused
    QTest::newRow("climbs out") << "../../x"
                                << ".._.._x.xml";
    QTest::newRow("xml characters") << "a<b>&\"c"
                                    << "a_b___c.xml";
    QTest::newRow("only a dot") << "."
                                << "";
}

// The macro's name becomes one file name in the chosen folder, and an export
// with characters a file name cannot carry still imports under its own name.
void TestMacroPage::exportFileNames()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    addMacro("1", name.toUtf8(), {{"3", 40, "key", 4, "A", "down"}, {"3", 60, "key", 4, "A", "up"}});
    QScopedPointer<DMacroPage> page(openPage());
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath("a/b/out"));
    const QString out = root.filePath("a/b/out");
    const bool exported = page->exportMacroTo(out, "1", name);
    QCOMPARE(QDir(root.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(QDir(root.filePath("a")).entryList(QDir::Files | QDir::Hidden), QStringList());
    if (file.isEmpty()) {
        QVERIFY(!exported);
        QCOMPARE(page->notice()->text(), QObject::tr("The macro name cannot be used as a file name"));
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList());
        return;
    }
    QVERIFY(exported);
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList {file});
    QVERIFY(page->importMacroFile(QDir(out).filePath(file)));
    QList<MacroNode> nodes;
    CTavrixXML_SelectMacroAllNodes(m_path, nodes);
    QCOMPARE(nodes.size(), 2);
    QCOMPARE(QString::fromUtf8(nodes.last().name), name.contains('.') ? file.left(file.indexOf('.')) : name);
    QCOMPARE(summary(stored(nodes.last().index)), summary(stored("1")));

    // A second export asks before replacing; "No" leaves the file as it was.
    QFile existing(QDir(out).filePath(file));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("mine");
    existing.close();
    int asked = 0;
    page->setOverwriteQuestion([&asked](const QString &) {
        ++asked;
        return false;
    });
    QVERIFY(!page->exportMacroTo(out, "1", name));
    QCOMPARE(asked, 1);
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("mine"));
}

void TestMacroPage::importLimits_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("macrosBefore");
    QTest::addColumn<QString>("notice");
    const QByteArray event = "<item mark=\"1\" delay=\"10\" type=\"key\" keyCode=\"4\" codeName=\"A\" "
                             "operateExplain=\"down\"/>\n";
    auto file = [](const QByteArray &items) {
        return "<Parameters><macro index=\"1\" name=\"M\">" + items + "</macro></Parameters>";
    };
    QTest::newRow("larger than 1 MiB") << file(QByteArray(1024 * 1024, ' ') + event) << 0
                                       << QObject::tr("Import macro failed: the file is larger than %1 KiB").arg(1024);
    QTest::newRow("too many events")
        << file(event.repeated(DMacroPage::kMaxImportEvents + 1)) << 0
        << QObject::tr("Import macro failed: the file holds more than %1 events").arg(DMacroPage::kMaxImportEvents);
    QTest::newRow("store full")
        << file(event) << DMacroPage::kMaxMacros
        << QObject::tr("Import macro failed: the store already holds %1 macros").arg(DMacroPage::kMaxMacros);
    QTest::newRow("at the limits") << file(event.repeated(DMacroPage::kMaxImportEvents)) << DMacroPage::kMaxMacros - 1
                                   << QObject::tr("Import macro successful");
}

void TestMacroPage::importLimits()
{
    QFETCH(QByteArray, content);
    QFETCH(int, macrosBefore);
    QFETCH(QString, notice);
    if (macrosBefore > 0) {
        xmlstore::StoreDocument doc;
        for (int i = 1; i <= macrosBefore; ++i)
            doc.macros.append(xmlstore::Macro {i, "M" + QByteArray::number(i), {}});
        QVERIFY(xmlstore::writeStore(m_path, doc));
    }
    QScopedPointer<DMacroPage> page(openPage());
    QTemporaryDir out;
    QFile file(out.filePath("Import.xml"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    const bool imported = page->importMacroFile(file.fileName());
    QCOMPARE(page->notice()->text(), notice);
    QList<MacroNode> nodes;
    QVERIFY(CTavrixXML_SelectMacroAllNodes(m_path, nodes));
    QCOMPARE(nodes.size(), macrosBefore + (imported ? 1 : 0));
    QCOMPARE(imported, notice == QObject::tr("Import macro successful"));
}

// A macro file that does not read is named to the user once; kept, the editor
// stays empty and the file untouched; moved aside, a new store starts.
void TestMacroPage::damagedMacroFile()
{
    const QByteArray damaged = "<?xml version=\"1.0\"?>\n<tavrixStore version=\"1\">\n<macro index=\"1\"";
    QFile file(QFile::decodeName(m_path));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();

    QStringList questions;
    StoreFileQuestion::Answer answer = StoreFileQuestion::Keep;
    StoreFileQuestion::setAsker([&](QWidget *, const QString &text) {
        questions << text;
        return answer;
    });
    StoreFileQuestion::reset();
    {
        QScopedPointer<DMacroPage> page(openPage());
        QCOMPARE(questions.size(), 1);
        QVERIFY(questions.first().contains(QFile::decodeName(m_path)));
        QCOMPARE(page->macroList()->macroCount(), 0);
        page->loadMacroList();
        QCOMPARE(questions.size(), 1);  // asked once, not at every load
        // Adding names the file and why instead of failing silently.
        page->form()->pushButton_Add->click();
        QVERIFY2(page->notice()->text().contains(QFile::decodeName(m_path)), qPrintable(page->notice()->text()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), damaged);
        file.close();
    }

    StoreFileQuestion::reset();
    answer = StoreFileQuestion::MoveAside;
    QScopedPointer<DMacroPage> page(openPage());
    QCOMPARE(questions.size(), 2);
    const QStringList aside = QDir(m_dir.path()).entryList({QFileInfo(file).fileName() + ".damaged-*"}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QFile moved(m_dir.filePath(aside.first()));
    QVERIFY(moved.open(QIODevice::ReadOnly));
    QCOMPARE(moved.readAll(), damaged);
    page->form()->pushButton_Add->click();
    QCOMPARE(page->notice()->text(), QObject::tr("Add macro successful"));
    QCOMPARE(page->macroList()->macroCount(), 1);
    StoreFileQuestion::setAsker([](QWidget *, const QString &) { return StoreFileQuestion::Keep; });
}

// A macro file the program may not read is asked about at once, with the reason,
// like a damaged one: not shown as an empty editor that only a later edit explains.
void TestMacroPage::unreadableMacroFile()
{
    QVERIFY(CTavrixXML_CreateMacroXmlParentNode(m_path, "1", "Kept"));
    const QByteArray before = StoreFixture::bytes(m_path);
    QCOMPARE(::chmod(m_path.constData(), 0), 0);
    QStringList questions;
    StoreFileQuestion::setAsker([&](QWidget *, const QString &text) {
        questions << text;
        return StoreFileQuestion::Keep;
    });
    StoreFileQuestion::reset();
    StoreFixture::withPermissionsBinding([&] {
        QScopedPointer<DMacroPage> page(openPage());
        QCOMPARE(page->macroList()->macroCount(), 0);
    });
    QCOMPARE(::chmod(m_path.constData(), 0600), 0);
    QCOMPARE(questions.size(), 1);
    QVERIFY2(
        questions.first().startsWith(QString("The file %1 cannot be read: you have no permission for it or its folder")
                                         .arg(QFile::decodeName(m_path))),
        qPrintable(questions.first()));
    QCOMPARE(StoreFixture::bytes(m_path), before);
    StoreFileQuestion::setAsker([](QWidget *, const QString &) { return StoreFileQuestion::Keep; });
}

// Edits whose write fails say so, naming the file and the reason, and the
// editor shows what the store holds.
void TestMacroPage::storeFailuresAreShown()
{
    addMacro("1", "Macro1",
             {{"3", 40, "key", 4, "A", "down"},
              {"3", 60, "key", 4, "A", "up"},
              {"4", 40, "key", 5, "B", "down"},
              {"4", 60, "key", 5, "B", "up"}});
    QScopedPointer<DMacroPage> page(openPage());
    // A file-size limit below any store's size stands in for a full disk.
    struct rlimit previous;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = previous;
    tight.rlim_cur = 20;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    page->form()->pushButton_Add->click();
    const QString addNotice = page->notice()->text();
    page->notice()->showMessage("-");
    QVERIFY(pressRow(page.data(), 1));
    page->form()->pushButton_MoveDown->click();
    const QString moveNotice = page->notice()->text();
    page->notice()->showMessage("-");
    page->form()->pushButton_ClearMacroLst->click();
    const QString clearNotice = page->notice()->text();
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    const QString full = CTavrixXML_FailureText(
        {CTavrixXMLFailureKind::DiskFull, m_path, 0, QString(), CTavrixXMLDamage::Unknown, EFBIG});
    QCOMPARE(addNotice, full);
    QCOMPARE(moveNotice, full);
    QCOMPARE(clearNotice, full);
    QCOMPARE(page->macroList()->macroCount(), 1);
    const QStringList events {"3:down:4", "3:up:4", "4:down:5", "4:up:5"};
    QCOMPARE(rowSummary(*page), events);
    QCOMPARE(summary(stored("1")), events);
}

void TestMacroPage::escapeClosesLikeCloseButton()
{
    addMacro("1", "Macro1");
    QPointer<DMacroPage> page(openPage());
    QSignalSpy closed(page.data(), &DMacroPage::sigMacroPageClose);
    releaseOnRecord(page.data());
    key('A', true);
    QTest::keyClick(page.data(), Qt::Key_Escape);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!m_hookOn);
    QTRY_VERIFY(page.isNull());
    QVERIFY(stored("1").isEmpty());  // a recording in progress is not saved
}

void TestMacroPage::returnAndEscapeEndTheFieldOnly_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("shown");  // the field's text after the key; for the name, the macro's
    const int enter = Qt::Key_Return, escape = Qt::Key_Escape;
    QTest::newRow("macro name, Return") << "lineEdit_MacroName" << enter << "Renamed";
    QTest::newRow("macro name, keypad Enter") << "lineEdit_MacroName" << int(Qt::Key_Enter) << "Renamed";
    QTest::newRow("macro name, Escape") << "lineEdit_MacroName" << escape << "Macro2";
    QTest::newRow("delay, Return") << "lineEdit_DelayNum" << enter << "75";
    QTest::newRow("delay, Escape") << "lineEdit_DelayNum" << escape << "30";
    QTest::newRow("default delay, Return") << "lineEdit_DefaultDelayNum" << enter << "75";
    QTest::newRow("default delay, Escape") << "lineEdit_DefaultDelayNum" << escape << "100";
    QTest::newRow("delay to insert, Return") << "lineEdit_EnterDelayNum" << enter << "75";
    QTest::newRow("delay to insert, Escape") << "lineEdit_EnterDelayNum" << escape << "";
}

// Return in a field of the editor confirms it and Escape takes back what was typed; the
// editor stays open either way. "Modify Name" gives the name field the focus with the
// name selected, so what is typed replaces it, and Return saves it.
void TestMacroPage::returnAndEscapeEndTheFieldOnly()
{
    QFETCH(QString, field);
    QFETCH(int, key);
    addMacro("1", "Macro1", {{"0", 30, "key", 4, "A", "down"}, {"0", 20, "key", 4, "A", "up"}});
    addMacro("2", "Macro2");
    QPointer<DMacroPage> page(openPage());
    const auto closePage = qScopeGuard([&page] { delete page.data(); });
    QSignalSpy closed(page.data(), &DMacroPage::sigMacroPageClose);
    page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(page.data()));
    QVERIFY(pressRow(page.data(), 0));

    QLineEdit *edit = nullptr;
    DMacroListView *list = page->macroList();
    if (field == "lineEdit_MacroName") {
        list->openMenu(1);
        QVERIFY(list->popupFrame());
        QTest::mouseRelease(list->popupFrame()->findChild<QLabel *>("label_ModifyName"), Qt::LeftButton);
        edit = list->nameField();
        QVERIFY(edit);
        QTRY_VERIFY(edit->hasFocus());
        QCOMPARE(edit->selectedText(), QString("Macro2"));
        QTest::keyClicks(edit, "Renamed");
    } else {
        edit = page->findChild<QLineEdit *>(field);
        QVERIFY(edit);
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        edit->selectAll();
        QTest::keyClicks(edit, "75");
    }
    QTest::keyClick(edit, Qt::Key(key));
    QVERIFY(!page.isNull());
    QVERIFY(page->isVisible());
    QCOMPARE(closed.count(), 0);

    if (field == "lineEdit_MacroName") {
        QCOMPARE(list->renamingRow(), -1);
        QTEST(list->macroNameAt(1), "shown");
        QList<MacroNode> nodes;
        CTavrixXML_SelectMacroAllNodes(m_path, nodes);
        QTEST(QString::fromUtf8(nodes.value(1).name), "shown");
    } else {
        QTEST(edit->text(), "shown");
    }
    // Elsewhere Escape still closes the editor.
    page->setFocus();
    QTest::keyClick(page.data(), Qt::Key_Escape);
    QCOMPARE(closed.count(), 1);
}

namespace {

// The list items under an accessible object, depth first.
QList<QAccessibleInterface *> listItemsUnder(QAccessibleInterface *iface)
{
    QList<QAccessibleInterface *> items;
    for (int i = 0; iface && i < iface->childCount(); ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (!child)
            continue;
        if (child->role() == QAccessible::ListItem)
            items << child;
        else
            items << listItemsUnder(child);
    }
    return items;
}

}  // namespace

// A macro of thousands of events (more than an import brings; a store grown by edits or
// written by another program holds them) shows as one painted list, not a widget tree
// per event: assistive tools still find one item per event, in order, and choosing the
// last one selects it as a click does.
void TestMacroPage::longMacroIsOnePaintedList()
{
    const int count = 3000;
    QList<MacroEventItem> events;
    for (int i = 0; i < count; ++i)
        events.append(MacroEventText::make(
            {QString::number(i / 2), "40", "key", "4", i % 4 < 2 ? "A" : "B", i % 2 ? "up" : "down"}));
    QVERIFY(CTavrixXML_CreateMacroXmlParentNode(m_path, "1", "Long"));
    QVERIFY(CTavrixXML_AddKeyOrMouseEventItem(m_path, events, "1"));
    QScopedPointer<DMacroPage> page(openPage());
    Ui::DMacroPage *ui = page->form();
    QCOMPARE(ui->label_TotalTime->text(), QString("120000 MS"));

    const int widgets = ui->scrollArea_3->findChildren<QWidget *>().size();
    QVERIFY2(widgets < 20, qPrintable(QString("%1 widgets in the event list").arg(widgets)));

    const QList<QAccessibleInterface *> items = listItemsUnder(QAccessible::queryAccessibleInterface(ui->scrollArea_3));
    QCOMPARE(items.size(), count);
    QCOMPARE(items.at(0)->text(QAccessible::Name), QString("A"));
    QCOMPARE(items.at(2)->text(QAccessible::Name), QString("B"));
    QCOMPARE(items.last()->text(QAccessible::Description), QString("Release, 40 MS"));
    QVERIFY(!items.last()->state().selected);
    items.last()->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(items.last()->state().selected);
    QCOMPARE(ui->lineEdit_DelayNum->text(), QString("40"));
    QCOMPARE(ui->lineEdit_PressKey->text(), QString("B"));
}

void TestMacroPage::screenshot()
{
    addMacro("1", "Copy and paste",
             {{"1", 0, "key", 224, "Ctrl", "down"},
              {"2", 35, "key", 6, "C", "down"},
              {"2", 80, "key", 6, "C", "up"},
              {"1", 20, "key", 224, "Ctrl", "up"},
              {"3", 500, "mouse", 513, "Left Click", "down"},
              {"3", 90, "mouse", 514, "Left Click", "up"}});
    addMacro("2", "Macro2");
    addMacro("3", "Greeting");
    const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
    QDir().mkpath(dir);
    // English, then German where the translations are built (its texts are longer).
    const QString german = qEnvironmentVariable("TAVRIX_BIN_DIR", QCoreApplication::applicationDirPath() + "/../bin")
        + "/translation/German.qm";
    for (const QString &language : {QString(), german}) {
        QTranslator translator;
        if (!language.isEmpty() && !translator.load(language))
            continue;
        QCoreApplication::installTranslator(&translator);
        QScopedPointer<DMacroPage> page(openPage());
        QVERIFY(pressRow(page.data(), 1));
        QTest::qWait(50);
        const bool saved = page->grab().save(dir + (language.isEmpty() ? "/macro_editor.png" : "/macro_editor_de.png"));
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(saved);
    }
}

TAVRIX_TEST_MAIN(TestMacroPage)
#include "tst_macropage.moc"
