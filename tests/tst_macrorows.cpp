// The event row and the macro list entry of the macro editor.

#include "macros/dmacroeventview.h"
#include "macros/dmacrolistview.h"
#include "macros/macroeventmodel.h"
#include "macros/macromenutoolwidget.h"
#include "sdk/tavrixxml.h"
#include "support/testmain.h"
#include "widgets/arrowwidget.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolTip>

class TestMacroRows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eventRowShowsEvent_data();
    void eventRowShowsEvent();
    void eventRowSignalsAndDelay();
    void eventRowLooks();
    void listEntryClickAndRename();
    void listEntryRenameRefusals();
    void menuEntriesTriggerOnRelease();
    void listRowsForAssistiveTools();
    void longNameShownWholeAsTip();
};

void TestMacroRows::eventRowShowsEvent_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("codeName");
    QTest::addColumn<QString>("operateExplain");
    QTest::addColumn<QString>("kindPicture");
    QTest::addColumn<QString>("statePicture");
    QTest::addColumn<QString>("caption");
    QTest::newRow("key press") << "key"
                               << "A"
                               << "down"
                               << "keyboardSel"
                               << "keyDownSel"
                               << "A";
    QTest::newRow("key release") << "key"
                                 << "A"
                                 << "up"
                                 << "keyboardSel"
                                 << "keyUpDef"
                                 << "A";
    QTest::newRow("mouse right press") << "mouse"
                                       << "Right Click"
                                       << "down"
                                       << "mouseSel"
                                       << "keyDownSel"
                                       << "Right Click";
    QTest::newRow("mouse caption in lower case") << "mouse"
                                                 << "left click"
                                                 << "up"
                                                 << "mouseSel"
                                                 << "keyUpDef"
                                                 << "";
    // Contains "mouse" without being it: time picture, mouse caption, form's state picture.
    QTest::newRow("odd mouse type") << "mouses"
                                    << "Center"
                                    << "down"
                                    << "timeSel"
                                    << "keyUpDef"
                                    << "Center Click";
    QTest::newRow("unknown state") << "key"
                                   << "B"
                                   << "hold"
                                   << "keyboardSel"
                                   << "keyUpDef"
                                   << "B";
}

void TestMacroRows::eventRowShowsEvent()
{
    QFETCH(QString, type);
    QFETCH(QString, codeName);
    QFETCH(QString, operateExplain);
    QFETCH(QString, kindPicture);
    QFETCH(QString, statePicture);
    MacroEventModel model;
    model.setEvents({{"4", "250", type, "4", codeName, operateExplain}});
    const QModelIndex row = model.index(0);
    const QString kind = row.data(MacroEventModel::KindPictureRole).toString();
    const QString state = row.data(MacroEventModel::StatePictureRole).toString();
    QVERIFY2(kind.endsWith("/" + kindPicture + ".png"), qPrintable(kind));
    QVERIFY2(state.endsWith("/" + statePicture + ".png"), qPrintable(state));
    QVERIFY(!QPixmap(kind).isNull() && !QPixmap(state).isNull());
    QTEST(row.data().toString(), "caption");
    QCOMPARE(row.data(MacroEventModel::DelayTextRole).toString(), QString("250 MS"));
    QCOMPARE(model.at(0).type, type);
    QCOMPARE(model.at(0).codeName, codeName);
    QCOMPARE(model.at(0).operateExplain, operateExplain);
    QCOMPARE(model.at(0).mark, QString("4"));
}

// Presses on a row select it, with any button and both presses of a double click; the
// delete button shows under the pointer only, and its click deletes without selecting.
void TestMacroRows::eventRowSignalsAndDelay()
{
    QWidget host;
    MacroEventModel model;
    auto *list = new DMacroEventView(&model, &host);
    model.setEvents({{"1", "5", "key", "4", "A", "down"}, {"2", "0", "mouse", "516", "Right Click", "down"}});
    list->resize(400, 300);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    model.setAt(1, {"2", "65535", "mouse", "516", "Right Click", "down"});
    QCOMPARE(model.index(1).data(MacroEventModel::DelayTextRole).toString(), QString("65535 MS"));
    QCOMPARE(model.at(1).delay, QString("65535"));
    QCOMPARE(model.at(1).keyCode, QString("516"));

    QSignalSpy clicks(list, &DMacroEventView::sigEventClicked);
    QSignalSpy deletes(list, &DMacroEventView::sigDeleteEvent);
    QWidget *viewport = list->viewport();
    const QPoint onRow = list->rowRect(1).topLeft() - viewport->pos() + QPoint(5, 5);
    // A real double click: press, release, then the double-click press.
    QTest::mouseClick(viewport, Qt::RightButton, Qt::NoModifier, onRow);
    QTest::mouseDClick(viewport, Qt::RightButton, Qt::NoModifier, onRow);
    QCOMPARE(clicks.count(), 2);  // both presses of a double click
    QCOMPARE(clicks.first().first().toInt(), 1);
    // A press below the last row is no click on an event.
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(5, 3 * DMacroEventView::kRowHeight));
    QCOMPARE(clicks.count(), 2);

    QCOMPARE(list->deleteButtonRow(), -1);
    // The pointer's moves, as the window system reports them.
    auto moveTo = [viewport](const QPoint &pos) {
        QMouseEvent move(QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    };
    moveTo(onRow);
    QCOMPARE(list->deleteButtonRow(), 1);
    const QPoint button = list->deleteButtonRect(1).center() - viewport->pos();
    moveTo(button);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, button);
    QCOMPARE(deletes.count(), 1);
    QCOMPARE(deletes.first().first().toInt(), 1);
    QCOMPARE(clicks.count(), 2);
    // A press on the button that is released elsewhere deletes nothing.
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, button);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, onRow);
    QCOMPARE(deletes.count(), 1);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(list, &leave);
    QCOMPARE(list->deleteButtonRow(), -1);

    // A right-to-left layout turns the row over: the delete button stands at the left.
    list->setLayoutDirection(Qt::RightToLeft);
    const QRect row = list->rowRect(1);
    QVERIFY(list->deleteButtonRect(1).right() < row.center().x());
    const QPoint turned = list->deleteButtonRect(1).center() - viewport->pos();
    moveTo(turned);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, turned);
    QCOMPARE(deletes.count(), 2);
}

// The selected event shows selected wherever it moves; its partner, the other event of
// its mark, shows highlighted; the rest plain.
void TestMacroRows::eventRowLooks()
{
    MacroEventModel model;
    DMacroEventView list(&model);
    model.setEvents({{"0", "1", "key", "4", "A", "down"},
                     {"1", "1", "key", "5", "B", "down"},
                     {"0", "1", "key", "4", "A", "up"},
                     {"1", "1", "key", "5", "B", "up"}});
    auto looks = [&] {
        QString out;
        for (int row = 0; row < model.count(); ++row)
            out += list.isShownSelected(row) ? 'S' : list.isShownHighlighted(row) ? 'h' : '.';
        return out;
    };
    QCOMPARE(looks(), QString("...."));
    list.setCurrentEventRow(2);
    list.setSelectionLook("0", "up");
    QCOMPARE(looks(), QString("h.S."));
    QVERIFY(model.moveBy(2, -1));
    QCOMPARE(list.currentEventRow(), 1);
    QCOMPARE(looks(), QString("hS.."));
    model.insertAt(0, {"2", "0", "key", "6", "C", "down"});
    QCOMPARE(list.currentEventRow(), 2);
    QCOMPARE(model.removeMark("0").size(), 2);
    QCOMPARE(list.currentEventRow(), -1);
    QCOMPARE(looks(), QString("..."));
    QVERIFY(!model.moveBy(0, -1));
    QVERIFY(!model.moveBy(2, 1));
}

namespace {

// A list of macros written to a store in a temporary folder.
struct MacroListFixture
{
    QTemporaryDir dir;
    QByteArray path = QFile::encodeName(dir.filePath("appMacro.xml"));
    QWidget host;
    DMacroListView *list = new DMacroListView(&host);

    explicit MacroListFixture(const QList<MacroNode> &stored, const QList<MacroNode> &shown)
    {
        CTavrixXML_CreateXMLFile(path);
        for (const MacroNode &node : stored)
            CTavrixXML_CreateMacroXmlParentNode(path, node.index, node.name);
        list->setMacroXmlPath(path);
        list->setMacros(shown);
        list->resize(300, 400);
    }
    explicit MacroListFixture(const QList<MacroNode> &nodes) : MacroListFixture(nodes, nodes) { }
    QPoint nameAt(int row) const { return list->rowRect(row).topLeft() - list->viewport()->pos() + QPoint(20, 20); }
    QPoint buttonAt(int row) const { return list->menuButtonRect(row).center() - list->viewport()->pos(); }
};

}  // namespace

void TestMacroRows::listEntryClickAndRename()
{
    MacroListFixture f(QList<MacroNode> {{"3", "Macro3"}, {"7", "Macro7"}});
    f.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    QCOMPARE(f.list->macroCount(), 2);
    QCOMPARE(f.list->selectedRow(), -1);

    QSignalSpy clicked(f.list, &DMacroListView::sigMacroItemMouseClicked);
    QSignalSpy renamed(f.list, &DMacroListView::sigModifyMacroItemNameSuccess);
    QWidget *viewport = f.list->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, f.nameAt(1));
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, f.nameAt(1));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first(), (QList<QVariant> {"7", "Macro7"}));
    QCOMPARE(f.list->renamingRow(), 1);
    // Which row shows selected is the editor's choice, not the click's.
    QCOMPARE(f.list->selectedRow(), -1);
    // A press below the last row is no click on a macro.
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(20, 3 * DMacroListView::kRowHeight));
    QCOMPARE(clicked.count(), 1);

    QLineEdit *field = f.list->nameField();
    QVERIFY(field && field->isVisible());
    QCOMPARE(field->text(), QString("Macro7"));
    // Cancel drops the typed text; the next rename starts from the stored name.
    field->setText("typed");
    QTest::mouseClick(f.list->findChild<QPushButton *>("pushButton_Cancel"), Qt::LeftButton);
    QCOMPARE(f.list->renamingRow(), -1);
    f.list->startRename(1);
    field = f.list->nameField();
    QCOMPARE(field->text(), QString("Macro7"));

    field->setText("  Läufer ");
    QTest::mouseClick(f.list->findChild<QPushButton *>("pushButton_Save"), Qt::LeftButton);
    QCOMPARE(renamed.count(), 1);
    QCOMPARE(f.list->renamingRow(), -1);
    QCOMPARE(f.list->macroNameAt(1), QString("  Läufer "));
    QList<MacroNode> nodes;
    CTavrixXML_SelectMacroAllNodes(f.path, nodes);
    QCOMPARE(QString::fromUtf8(nodes.value(1).name), QString("  Läufer "));
    QCOMPARE(QString::fromUtf8(nodes.value(0).name), QString("Macro3"));
}

void TestMacroRows::listEntryRenameRefusals()
{
    MacroListFixture f({}, {{"9", "Gone"}});  // not in the store: the library refuses
    QSignalSpy empty(f.list, &DMacroListView::sigModifyMacroItemNameIsEmpty);
    QSignalSpy renamed(f.list, &DMacroListView::sigModifyMacroItemNameSuccess);
    QSignalSpy failed(f.list, &DMacroListView::sigModifyMacroItemNameFailed);
    f.list->startRename(0);
    QLineEdit *field = f.list->nameField();
    auto *save = f.list->findChild<QPushButton *>("pushButton_Save");

    field->clear();
    save->click();
    QCOMPARE(empty.count(), 1);
    QCOMPARE(f.list->renamingRow(), 0);

    field->setText("New");
    save->click();
    QCOMPARE(renamed.count(), 0);
    QCOMPARE(failed.count(), 1);
    QVERIFY(!failed.first().first().toString().isEmpty());
    QCOMPARE(f.list->renamingRow(), 0);
    QCOMPARE(f.list->macroNameAt(0), QString("Gone"));
    QCOMPARE(field->text(), QString("New"));
}

void TestMacroRows::menuEntriesTriggerOnRelease()
{
    MacroListFixture f({}, {{"4", "Four"}, {"5", "Five"}});
    f.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    QSignalSpy exported(f.list, &DMacroListView::sigExportMacroChildList);
    QSignalSpy deleted(f.list, &DMacroListView::sigDeleteMacro);
    QSignalSpy clicked(f.list, &DMacroListView::sigMacroItemMouseClicked);

    // The menu button opens the menu on its click and does not choose the macro.
    QTest::mouseClick(f.list->viewport(), Qt::LeftButton, Qt::NoModifier, f.buttonAt(1));
    QCOMPARE(clicked.count(), 0);
    QVERIFY(f.list->popupFrame());
    auto *menu = f.list->popupFrame()->findChild<macroMenuToolWidget *>();
    QVERIFY(menu);
    QSignalSpy closed(menu, &macroMenuToolWidget::sigCloseMenuWidow);
    QTest::mouseRelease(menu->findChild<QLabel *>("label_Export"), Qt::RightButton);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(exported.count(), 1);
    QCOMPARE(exported.first(), (QList<QVariant> {"5", "Five"}));
    QVERIFY(!f.list->popupFrame()->isVisible());

    QTest::mouseRelease(menu->findChild<QLabel *>("label_Delete"), Qt::LeftButton);
    QCOMPARE(deleted.count(), 1);
    QCOMPARE(deleted.first(), (QList<QVariant> {"5", "Five"}));
    QTest::mouseRelease(menu->findChild<QLabel *>("label_ModifyName"), Qt::LeftButton);
    QCOMPARE(f.list->renamingRow(), 1);
    QCOMPARE(menu->findChild<QLabel *>("label_Delete")->text(), QObject::tr("Delete"));

    // A press that leaves the button before its release opens nothing.
    QPointer<ArrowWidget> first = f.list->popupFrame();
    QTest::mousePress(f.list->viewport(), Qt::LeftButton, Qt::NoModifier, f.buttonAt(0));
    QTest::mouseRelease(f.list->viewport(), Qt::LeftButton, Qt::NoModifier, f.nameAt(0));
    QCOMPARE(f.list->popupFrame(), first.data());
}

// What assistive tools see: one list item per macro, named after it, whose press action
// chooses the macro as a click does and whose menu action opens its menu; the name field
// of a rename joins the tree.
void TestMacroRows::listRowsForAssistiveTools()
{
    MacroListFixture f(QList<MacroNode> {{"1", "Alpha"}, {"2", "Beta"}});
    f.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(f.list);
    QVERIFY(list);
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->childCount(), 2);
    QAccessibleInterface *beta = list->child(1);
    QCOMPARE(beta->role(), QAccessible::ListItem);
    QCOMPARE(beta->text(QAccessible::Name), QString("Beta"));
    QVERIFY(beta->rect().isValid());
    QVERIFY(beta->state().selectable && !beta->state().selected);

    QSignalSpy clicked(f.list, &DMacroListView::sigMacroItemMouseClicked);
    beta->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first(), (QList<QVariant> {"2", "Beta"}));
    f.list->setSelectedRow(1);
    QVERIFY(beta->state().selected);

    QVERIFY(beta->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    beta->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QVERIFY(f.list->popupFrame() && f.list->popupFrame()->isVisible());
    f.list->popupFrame()->hide();

    f.list->startRename(0);
    QCOMPARE(list->childCount(), 3);
    QCOMPARE(list->child(2)->object(), f.list->nameField()->parent());
    f.list->cancelRename();
    QCOMPARE(list->childCount(), 2);

    // A new list of macros is a new set of rows.
    f.list->setMacros({{"8", "Gamma"}});
    QCOMPARE(list->childCount(), 1);
    QCOMPARE(list->child(0)->text(QAccessible::Name), QString("Gamma"));
}

// A name too long for its row is cut with "…" and shown whole as the row's tip;
// a name that fits has no tip.
void TestMacroRows::longNameShownWholeAsTip()
{
    const QString longName = QStringLiteral("Gaming macro with a name far too long for its row");
    MacroListFixture f(QList<MacroNode> {{"1", longName.toUtf8()}, {"2", "Short"}});
    f.host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.host));
    QWidget *viewport = f.list->viewport();
    auto tipAt = [viewport](const QPoint &pos) {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return QStringLiteral("(a tip stays)");
        QHelpEvent help(QEvent::ToolTip, pos, viewport->mapToGlobal(pos));
        QCoreApplication::sendEvent(viewport, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tipAt(f.nameAt(0)), longName);
    QCOMPARE(tipAt(f.nameAt(1)), QString());
}

TAVRIX_TEST_MAIN(TestMacroRows)
#include "tst_macrorows.moc"
