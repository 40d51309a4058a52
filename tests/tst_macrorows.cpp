// The event row and the macro list entry of the macro editor.

#include "macros/dcatchkeyandmouseitem.h"
#include "macros/dmacrolistview.h"
#include "macros/macromenutoolwidget.h"
#include "sdk/tavrixxml.h"
#include "support/testmain.h"
#include "widgets/arrowwidget.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QLineEdit>
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
    DCatchKeyAndMouseItem row("4");
    row.setEventData(250, type, 4, codeName, operateExplain);
    QVERIFY2(row.kindPictureSheet().contains(kindPicture + ".png"), qPrintable(row.kindPictureSheet()));
    QVERIFY2(row.statePictureSheet().contains(statePicture + ".png"), qPrintable(row.statePictureSheet()));
    QTEST(row.captionText(), "caption");
    QCOMPARE(row.delayText(), QString("250 MS"));
    QCOMPARE(row.getType(), type);
    QCOMPARE(row.getCodeName(), codeName);
    QCOMPARE(row.getOperateExplain(), operateExplain);
    QCOMPARE(row.getMark(), QString("4"));
}

void TestMacroRows::eventRowSignalsAndDelay()
{
    QWidget host;
    auto *row = new DCatchKeyAndMouseItem("2", &host);
    row->setEventData(0, "mouse", 516, "Right Click", "down");
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    row->setDelay(65535);
    QCOMPARE(row->delayText(), QString("65535 MS"));
    QCOMPARE(row->getDelay(), QString("65535"));
    QCOMPARE(row->getKeyCode(), QString("516"));
    QVERIFY(row->kindPictureSheet().contains("mouseSel"));

    QSignalSpy clicks(row, &DCatchKeyAndMouseItem::sigKeyOrMouseEventClick);
    QSignalSpy deletes(row, &DCatchKeyAndMouseItem::sigDeleteKeyAndMouseEvent);
    // A real double click: press, release, then the double-click press.
    QTest::mouseClick(row, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseDClick(row, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(clicks.count(), 2);  // both presses of a double click
    QCOMPARE(clicks.first(), (QList<QVariant> {"65535", "mouse", "516", "Right Click", "down"}));

    QVERIFY(!row->isDeleteButtonShown());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(row, &enter);
    QVERIFY(row->isDeleteButtonShown());
    QTest::mouseClick(row->findChild<QPushButton *>("pushButton_Delete"), Qt::LeftButton);
    QCOMPARE(deletes.count(), 1);
    QCOMPARE(clicks.count(), 2);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(row, &leave);
    QVERIFY(!row->isDeleteButtonShown());
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
