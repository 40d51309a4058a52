// The event row and the macro list entry of the macro editor.

#include "macros/dcatchkeyandmouseitem.h"
#include "macros/dmacrolistitem.h"
#include "macros/macromenutoolwidget.h"
#include "sdk/tavrixxml.h"
#include "support/testmain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

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

void TestMacroRows::listEntryClickAndRename()
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath("appMacro.xml"));
    QVERIFY(CTavrixXML_CreateXMLFile(path));
    QVERIFY(CTavrixXML_CreateMacroXmlParentNode(path, "3", "Macro3"));

    QWidget host;
    auto *entry = new DMacroListItem(&host);
    QCOMPARE(entry->macroIndex(), QString("-1"));
    QVERIFY(entry->macroName().isEmpty());
    entry->setMacroXmlPath(path);
    entry->setMacroInfo("3", "Macro3");
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QSignalSpy clicked(entry, &DMacroListItem::sigMacroItemMouseClicked);
    QSignalSpy renamed(entry, &DMacroListItem::sigModifyMacroItemNameSuccess);
    QTest::mouseClick(entry, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QTest::mouseDClick(entry, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first(), (QList<QVariant> {"3", "Macro3"}));
    QVERIFY(entry->isRenaming());

    auto *field = entry->findChild<QLineEdit *>("lineEdit_MacroName");
    QCOMPARE(field->text(), QString("Macro3"));
    // Cancel drops the typed text; the next rename starts from the stored name.
    field->setText("typed");
    QTest::mouseClick(entry->findChild<QPushButton *>("pushButton_Cancel"), Qt::LeftButton);
    QVERIFY(!entry->isRenaming());
    entry->onMacroModifyNanme();
    QCOMPARE(field->text(), QString("Macro3"));

    field->setText("  Läufer ");
    QTest::mouseClick(entry->findChild<QPushButton *>("pushButton_Save"), Qt::LeftButton);
    QCOMPARE(renamed.count(), 1);
    QVERIFY(!entry->isRenaming());
    QCOMPARE(entry->macroName(), QString("  Läufer "));
    QList<MacroNode> nodes;
    CTavrixXML_SelectMacroAllNodes(path, nodes);
    QCOMPARE(QString::fromUtf8(nodes.value(0).name), QString("  Läufer "));
    QCOMPARE(entry->findChild<QLabel *>("label_MacroName")->text(), QString("  Läufer "));
}

void TestMacroRows::listEntryRenameRefusals()
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath("appMacro.xml"));
    QVERIFY(CTavrixXML_CreateXMLFile(path));

    DMacroListItem entry;
    entry.setMacroXmlPath(path);
    entry.setMacroInfo("9", "Gone");  // not in the store: the library refuses
    QSignalSpy empty(&entry, &DMacroListItem::sigModifyMacroItemNameIsEmpty);
    QSignalSpy renamed(&entry, &DMacroListItem::sigModifyMacroItemNameSuccess);
    entry.onMacroModifyNanme();
    auto *field = entry.findChild<QLineEdit *>("lineEdit_MacroName");
    auto *save = entry.findChild<QPushButton *>("pushButton_Save");

    field->clear();
    save->click();
    QCOMPARE(empty.count(), 1);
    QVERIFY(entry.isRenaming());

    field->setText("New");
    save->click();
    QCOMPARE(renamed.count(), 0);
    QVERIFY(entry.isRenaming());
    QCOMPARE(entry.macroName(), QString("Gone"));
    QCOMPARE(field->text(), QString("New"));
}

void TestMacroRows::menuEntriesTriggerOnRelease()
{
    DMacroListItem entry;
    entry.setMacroInfo("5", "Five");
    QSignalSpy exported(&entry, &DMacroListItem::sigExportMacroChildList);
    QSignalSpy deleted(&entry, &DMacroListItem::sigDeleteMacro);

    entry.findChild<QPushButton *>("pushButton_MacroOperate")->click();
    QVERIFY(entry.popupFrame());
    auto *menu = entry.findChild<macroMenuToolWidget *>();
    QVERIFY(menu);
    QSignalSpy closed(menu, &macroMenuToolWidget::sigCloseMenuWidow);
    QTest::mouseRelease(menu->findChild<QLabel *>("label_Export"), Qt::RightButton);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(exported.count(), 1);
    QCOMPARE(exported.first(), (QList<QVariant> {"5", "Five"}));
    QVERIFY(!entry.popupFrame()->isVisible());

    QTest::mouseRelease(menu->findChild<QLabel *>("label_Delete"), Qt::LeftButton);
    QCOMPARE(deleted.count(), 1);
    QTest::mouseRelease(menu->findChild<QLabel *>("label_ModifyNanme"), Qt::LeftButton);
    QVERIFY(entry.isRenaming());
    QCOMPARE(menu->findChild<QLabel *>("label_Delete")->text(), QObject::tr("Delete"));
}

TAVRIX_TEST_MAIN(TestMacroRows)
#include "tst_macrorows.moc"
