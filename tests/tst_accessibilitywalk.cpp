// Walks what assistive tools see of the main window, each tab, each function page
// and each dialog, and fails on a control that has no name or cannot be operated;
// then checks that the accessible actions of controls built from labels, frames
// and check boxes do what a click does.

#include "advancedkeys/ddksshowwidget.h"
#include "advancedkeys/dseniorkeyspage.h"
#include "advancedkeys/dstrokeconfigview.h"
#include "app/dmainwidget.h"
#include "app/dsettingsdia.h"
#include "devicepage/ddevicelistitem.h"
#include "devicepage/ddevicepage.h"
#include "devicepage/dprofilemenutoolwidget.h"
#include "emudevice.h"
#include "emufirmware.h"
#include "emumodel.h"
#include "firmware/dupdatefirmwaredia.h"
#include "keys/dcustomkeyspage.h"
#include "keys/keyfunctionpagetable.h"
#include "lighting/dlightsconfigpage.h"
#include "lighting/svcolorarea.h"
#include "macros/dmacroeventview.h"
#include "macros/dmacropage.h"
#include "macros/macroeventtext.h"
#include "macros/macromenutoolwidget.h"
#include "magnetic/dsensitivityshowwidget.h"
#include "magnetic/dtriggersettingpage.h"
#include "sdk/tavrixxml.h"
#include "support/mainwindowrig.h"
#include "support/testmain.h"
#include "ui_dmacropage.h"
#include "widgets/accessiblecontrols.h"
#include "widgets/cbnotice.h"
#include "widgets/slidercustomwidget.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>
#include <tuple>

namespace {

// Controls the walk lets pass, each with the reason.
const QHash<QString, QString> &knownExceptions()
{
    static const QHash<QString, QString> table {
        // Filled as the walk finds controls that are right as they are.
    };
    return table;
}

bool isInteractive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::Dial:
    case QAccessible::ButtonDropDown:
    case QAccessible::ButtonMenu:
    case QAccessible::PageTab:
    case QAccessible::Link: return true;
    default: return false;
    }
}

bool needsAction(QAccessible::Role role)
{
    return role == QAccessible::Button || role == QAccessible::CheckBox || role == QAccessible::RadioButton
        || role == QAccessible::ButtonDropDown || role == QAccessible::ButtonMenu || role == QAccessible::PageTab
        || role == QAccessible::Link;
}

QString describe(QAccessibleInterface *iface)
{
    QObject *o = iface->object();
    return QStringLiteral("%1 '%2' (%3)")
        .arg(o ? QString::fromLatin1(o->metaObject()->className()) : QStringLiteral("?"),
             o ? o->objectName() : QString(), iface->text(QAccessible::Name));
}

// Every problem found under root, one line each.
void walk(QAccessibleInterface *iface, const QString &where, QStringList *problems, int depth = 0)
{
    if (!iface || depth > 60)
        return;
    const QAccessible::State state = iface->state();
    if (state.invisible)
        return;
    const QAccessible::Role role = iface->role();
    QObject *object = iface->object();
    const QString objectName = object ? object->objectName() : QString();
    if (isInteractive(role) && !knownExceptions().contains(objectName)) {
        const QString line = where + ": " + describe(iface);
        if (iface->text(QAccessible::Name).trimmed().isEmpty())
            problems->append(line + " has no name");
        if (!iface->rect().isValid() || iface->rect().isEmpty())
            problems->append(line + " has no size");
        if (needsAction(role) && !state.disabled) {
            QAccessibleActionInterface *actions = iface->actionInterface();
            const QStringList names = actions ? actions->actionNames() : QStringList();
            if (!names.contains(QAccessibleActionInterface::pressAction())
                && !names.contains(QAccessibleActionInterface::toggleAction())
                && !names.contains(QAccessibleActionInterface::showMenuAction()))
                problems->append(line + " has no press action");
        }
        if ((role == QAccessible::Slider || role == QAccessible::SpinBox || role == QAccessible::Dial)
            && (!iface->valueInterface() || !iface->valueInterface()->currentValue().isValid()))
            problems->append(line + " has no value");
    }
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), where, problems, depth + 1);
}

QStringList walkWidget(QWidget *root, const QString &where)
{
    QStringList problems;
    walk(QAccessible::queryAccessibleInterface(root), where, &problems);
    return problems;
}

QAccessibleInterface *ifaceOf(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o);
}

void press(QObject *o, const QString &action = QAccessibleActionInterface::pressAction())
{
    QAccessibleInterface *iface = ifaceOf(o);
    QVERIFY2(iface && iface->actionInterface(), qPrintable(o->objectName()));
    QVERIFY2(iface->actionInterface()->actionNames().contains(action), qPrintable(o->objectName()));
    iface->actionInterface()->doAction(action);
}

// Notes the mouse events a widget receives.
struct ClickRecorder : QObject
{
    QList<QEvent::Type> events;
    QPoint position;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
            events << event->type();
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton)
                position = mouse->pos();
        }
        return false;
    }
};

using Rig = MainWindowRig;

}  // namespace

class TestAccessibilityWalk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void everyControlNamedAndOperable();
    void dialogsNamedAfterTitles();
    void tabsAndModeButtonsActLikeClicks();
    void labelControlsActLikeClicks();
    void noticesAreAlerts();
    void scalesPublishTheirValues();
    void macroRowsSelectableInScreenOrder();
    void dksGridCellsReadTheirActions();

private:
    Rig *m_rig = nullptr;
};

void TestAccessibilityWalk::initTestCase()
{
    m_rig = new Rig;
    QVERIFY(m_rig->open());
}

void TestAccessibilityWalk::cleanupTestCase()
{
    delete m_rig;
}

void TestAccessibilityWalk::everyControlNamedAndOperable()
{
    DDevicePage *page = m_rig->page();
    QStringList problems = walkWidget(m_rig->window.get(), "main window");

    for (const MainWindowRig::Tab &tab : MainWindowRig::kTabs) {
        QVERIFY(m_rig->selectModel(tab.model));
        auto *button = page->findChild<QAbstractButton *>(tab.button);
        QVERIFY(button);
        press(button, QAccessibleActionInterface::toggleAction());
        problems += walkWidget(page, QString::fromLatin1(tab.button));
    }

    QVERIFY(m_rig->selectModel("QR108"));
    press(page->findChild<QAbstractButton *>("toolButton_CustomKey"));
    DCustomKeysPage *keys = page->customKeysTab();
    for (int i = 0; i < KeyFunctionPages::kCount; ++i) {
        const KeyFunctionPageEntry &entry = KeyFunctionPages::entries()[i];
        QToolButton *button = keys->functionButton(entry.buttonId);
        if (!button || !button->isVisible())
            continue;
        press(button);
        problems += walkWidget(keys, QString::fromLatin1(entry.tipName));
    }
    if (!problems.isEmpty())
        QFAIL(qPrintable("\n" + problems.join('\n')));
}

void TestAccessibilityWalk::dialogsNamedAfterTitles()
{
    DMainWidget *w = m_rig->window.get();
    QStringList problems;
    auto check = [&problems](QWidget *dialog, const QString &where) {
        QVERIFY2(dialog, qPrintable(where));
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QString name = ifaceOf(dialog)->text(QAccessible::Name);
        if (name.isEmpty() || name == QString::fromLatin1(dialog->metaObject()->className()))
            problems << where + ": dialog named '" + name + "'";
        problems += walkWidget(dialog, where);
    };

    w->on_pushButton_Setting_clicked();
    auto *settings = w->findChild<DSettingsDia *>();
    check(settings, "settings");
    delete settings;

    w->onShowMacroPage();
    auto *macros = w->findChild<DMacroPage *>();
    check(macros, "macros");
    delete macros;

    QVERIFY(m_rig->selectModel("QM68"));
    w->onShowSeniorKeysPage();
    auto *senior = w->findChild<DSeniorKeysPage *>();
    check(senior, "advanced keys");
    delete senior;

    auto *strokes = new DStrokeConfigView(w);
    strokes->show();
    check(strokes, "trigger points");
    delete strokes;

    QVERIFY(w->checkUpgradeableDevices(true));
    check(w->updateFirmwareDialog(), "firmware update");
    delete w->updateFirmwareDialog();

    if (!problems.isEmpty())
        QFAIL(qPrintable("\n" + problems.join('\n')));
}

void TestAccessibilityWalk::tabsAndModeButtonsActLikeClicks()
{
    DDevicePage *page = m_rig->page();
    QVERIFY(m_rig->selectModel("QR108"));
    // The toggle action of a tab switches the page, as a click does.
    press(page->findChild<QAbstractButton *>("toolButton_LightConfig"), QAccessibleActionInterface::toggleAction());
    QCOMPARE(page->currentMainTabId(), 1);
    press(page->findChild<QAbstractButton *>("toolButton_Performance"), QAccessibleActionInterface::toggleAction());
    QCOMPARE(page->currentMainTabId(), 2);
    press(page->findChild<QAbstractButton *>("toolButton_LightConfig"), QAccessibleActionInterface::pressAction());
    QCOMPARE(page->currentMainTabId(), 1);

    // A light-mode button's toggle selects the mode and tells the rest of the page.
    DLightsConfigPage *lights = page->lightsConfigTab();
    auto *breath = lights->findChild<QAbstractButton *>("toolButton_Breath");
    QVERIFY(breath && breath->isVisible() && !breath->isChecked());
    const int before = lights->currentKeyboardMode();
    press(breath, QAccessibleActionInterface::toggleAction());
    QVERIFY(breath->isChecked());
    QVERIFY(lights->currentKeyboardMode() != before);
    // Toggling the checked mode again keeps it checked, as a second click does.
    press(breath, QAccessibleActionInterface::toggleAction());
    QVERIFY(breath->isChecked());
}

void TestAccessibilityWalk::labelControlsActLikeClicks()
{
    DDevicePage *page = m_rig->page();
    QVERIFY(m_rig->selectModel("QR108"));
    press(page->findChild<QAbstractButton *>("toolButton_LightConfig"));
    DLightsConfigPage *lights = page->lightsConfigTab();

    // A swatch's press picks its colour into the R/G/B fields.
    QWidget *blue = lights->findChild<QWidget *>("label_Color13");
    QVERIFY(blue);
    QCOMPARE(ifaceOf(blue)->role(), QAccessible::Button);
    QVERIFY(!ifaceOf(blue)->text(QAccessible::Name).isEmpty());
    press(blue);
    // A colour the page loads after it opens may still replace an early pick, so
    // the swatch is pressed again until its colour is the one the fields show.
    const auto visibleFields = [lights] {
        QStringList fields;
        for (QLineEdit *edit : lights->findChildren<QLineEdit *>())
            if (edit->isVisible())
                fields << edit->text();
        return fields.join(',');
    };
    const auto picked = [&] {
        if (visibleFields().contains("0,0,255"))
            return true;
        ifaceOf(blue)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        return false;
    };
    QTRY_VERIFY2(picked(), qPrintable(visibleFields()));

    // Profile menu entries.
    DProfileMenuToolWidget profileMenu;
    const struct
    {
        const char *entry;
        void (DProfileMenuToolWidget::*signal)();
    } profileEntries[] = {
        {"label_CreateNew", &DProfileMenuToolWidget::sigProfileCreate},
        {"label_Delete", &DProfileMenuToolWidget::sigProfileDelete},
        {"label_Export", &DProfileMenuToolWidget::sigProfileExport},
        {"label_Import", &DProfileMenuToolWidget::sigProfileImport},
        {"label_ModifyName", &DProfileMenuToolWidget::sigProfileModifyName},
    };
    for (const auto &e : profileEntries) {
        QSignalSpy spy(&profileMenu, e.signal);
        QWidget *entry = profileMenu.findChild<QWidget *>(e.entry);
        QVERIFY(entry);
        QVERIFY(!ifaceOf(entry)->text(QAccessible::Name).isEmpty());
        press(entry);
        QCOMPARE(spy.count(), 1);
    }

    macroMenuToolWidget macroMenu;
    const struct
    {
        const char *entry;
        void (macroMenuToolWidget::*signal)();
    } macroEntries[] = {
        {"label_Export", &macroMenuToolWidget::sigMacroExport},
        {"label_Delete", &macroMenuToolWidget::sigMacroDelete},
        {"label_ModifyName", &macroMenuToolWidget::sigMacroModifyName},
    };
    for (const auto &e : macroEntries) {
        QSignalSpy spy(&macroMenu, e.signal);
        press(macroMenu.findChild<QWidget *>(e.entry));
        QCOMPARE(spy.count(), 1);
    }

    // Start and Stop record: the press reaches the frame as the press and release
    // of a left click at its centre, which is what the record toggle listens to.
    DMacroPage macros;
    macros.show();
    QWidget *record = macros.findChild<QWidget *>("frame_Record");
    QVERIFY(record);
    QCOMPARE(ifaceOf(record)->role(), QAccessible::Button);
    QVERIFY(!ifaceOf(record)->text(QAccessible::Name).isEmpty());
    ClickRecorder clicks;
    record->installEventFilter(&clicks);
    press(record);
    QCOMPARE(clicks.events, (QList<QEvent::Type> {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}));
    QCOMPARE(clicks.position, record->rect().center());
}

void TestAccessibilityWalk::noticesAreAlerts()
{
    CbNotice *notice = m_rig->page()->pageNotice();
    notice->showMessage(QStringLiteral("Operate successful"));
    QAccessibleInterface *iface = ifaceOf(notice);
    QCOMPARE(iface->role(), QAccessible::AlertMessage);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Operate successful"));
    QVERIFY(!iface->state().invisible);
}

void TestAccessibilityWalk::scalesPublishTheirValues()
{
    DDevicePage *page = m_rig->page();
    QVERIFY(m_rig->selectModel("QR108"));
    press(page->findChild<QAbstractButton *>("toolButton_LightConfig"));
    DLightsConfigPage *lights = page->lightsConfigTab();

    // Brightness and speed: a tool that sets the value moves the handle and tells the
    // page, as a press on that tick does.
    const QList<sliderCustomWidget *> sliders = lights->findChildren<sliderCustomWidget *>();
    QVERIFY(sliders.size() >= 2);
    for (sliderCustomWidget *slider : sliders) {
        QAccessibleInterface *iface = ifaceOf(slider);
        QCOMPARE(iface->role(), QAccessible::Slider);
        QVERIFY(!iface->text(QAccessible::Name).isEmpty());
        QAccessibleValueInterface *value = iface->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->maximumValue().toInt(), slider->stepCount());
        QSignalSpy moved(slider, &sliderCustomWidget::sigBackCurrentPositionNum);
        const int target = slider->position() == 1 ? 2 : 1;
        value->setCurrentValue(target);
        QCOMPARE(slider->position(), target);
        QCOMPARE(value->currentValue().toInt(), target);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.first().first().toInt(), target);
    }

    // The colour picker reads out the colour it holds.
    auto *picker = lights->findChild<SVColorArea *>();
    QVERIFY(picker);
    QCOMPARE(ifaceOf(picker)->role(), QAccessible::Slider);
    QVERIFY(ifaceOf(picker)->text(QAccessible::Value).startsWith('#'));

    // The key-travel scale of the trigger page, in millimetres.
    QVERIFY(m_rig->selectModel("QM68"));
    press(page->findChild<QAbstractButton *>("toolButton_TriggerSetting"));
    auto *scale = page->triggerSettingTab()->findChild<DSensitivityShowWidget *>();
    QVERIFY(scale);
    QCOMPARE(ifaceOf(scale)->role(), QAccessible::Slider);
    QVERIFY(ifaceOf(scale)->valueInterface()->currentValue().isValid());
    QVERIFY2(ifaceOf(scale)->text(QAccessible::Value).endsWith(" mm"),
             qPrintable(ifaceOf(scale)->text(QAccessible::Value)));
}

void TestAccessibilityWalk::macroRowsSelectableInScreenOrder()
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath("macros.xml"));
    QVERIFY(CTavrixXML_CreateXMLFile(path));
    QVERIFY(CTavrixXML_CreateMacroXmlParentNode(path, "1", "Macro1"));
    QList<MacroEventItem> events;
    for (const auto &e : {std::make_tuple("0", "4", "A", "down"), std::make_tuple("0", "4", "A", "up"),
                          std::make_tuple("1", "5", "B", "down"), std::make_tuple("1", "5", "B", "up")})
        events << MacroEventText::make({std::get<0>(e), "10", "key", std::get<1>(e), std::get<2>(e), std::get<3>(e)});
    CTavrixXML_AddKeyOrMouseEventItem(path, events, "1");
    DMacroPage page;
    page.setMacroXmlPath(path);
    page.show();
    QTRY_COMPARE(page.eventCount(), 4);

    // The tree lists one item per event as the screen shows them, top to bottom.
    QAccessibleInterface *list = ifaceOf(page.eventList());
    QCOMPARE(list->role(), QAccessible::List);
    auto treeOrder = [list] {
        QStringList items;
        for (int i = 0; i < list->childCount(); ++i)
            items << list->child(i)->text(QAccessible::Name) + ' ' + list->child(i)->text(QAccessible::Description);
        return items;
    };
    auto screenOrder = [&page] {
        QStringList rows;
        const QAbstractItemModel *model = page.eventList()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            rows << model->index(row, 0).data().toString() + ' '
                    + model->index(row, 0).data(Qt::AccessibleDescriptionRole).toString();
        return rows;
    };
    QCOMPARE(treeOrder(), screenOrder());

    // The press action selects a row as a click does; the tree says which one is.
    QAccessibleInterface *bPress = list->child(2);
    QCOMPARE(bPress->role(), QAccessible::ListItem);
    QCOMPARE(bPress->text(QAccessible::Name), QString("B"));
    QCOMPARE(bPress->text(QAccessible::Description), QString("Press, 10 MS"));
    QCOMPARE(list->child(3)->text(QAccessible::Description), QString("Release, 10 MS"));
    QVERIFY(
        page.eventList()->rect().translated(page.eventList()->mapToGlobal(QPoint())).contains(bPress->rect().center()));
    QVERIFY(bPress->state().selectable);
    QVERIFY(!bPress->state().selected);
    bPress->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(bPress->state().selected);
    QVERIFY(!list->child(0)->state().selected);
    QCOMPARE(page.form()->lineEdit_DelayNum->text(), QString("10"));

    // After a move and after inserts in the middle, the order still matches and the
    // selection follows its event.
    page.form()->pushButton_MoveUp->click();
    QCOMPARE(list->child(1)->text(QAccessible::Name), QString("B"));
    QVERIFY(list->child(1)->state().selected);
    QCOMPARE(treeOrder(), screenOrder());
    page.insertEventRow("2", 0, "key", 6, "C", "down", 1);
    page.insertEventRow("2", 0, "key", 6, "C", "up", 2);
    QCOMPARE(list->childCount(), 6);
    QCOMPARE(list->child(1)->text(QAccessible::Name), QString("C"));
    QVERIFY(list->child(3)->state().selected);
    QCOMPARE(treeOrder(), screenOrder());

    // Each row's delete button is its action: the pair goes, as with a click on the button.
    QCOMPARE(list->child(0)->text(QAccessible::Name), QString("A"));
    QAccessibleActionInterface *actions = list->child(0)->actionInterface();
    QVERIFY(actions->actionNames().contains(QObject::tr("Delete")));
    actions->doAction(QObject::tr("Delete"));
    QCOMPARE(list->childCount(), 4);
    QCOMPARE(treeOrder(), screenOrder());
    QCOMPARE(treeOrder().filter(QRegularExpression("^A ")), QStringList());
}

void TestAccessibilityWalk::dksGridCellsReadTheirActions()
{
    DDksShowWidget grid;
    grid.resize(400, 200);
    grid.initGrid(400, 200);
    SeniorKeyInfo info;
    info.dksActions[0 * 4 + 1] = DksAction_Tap;
    info.dksActions[2 * 4 + 0] = DksAction_Hold;
    info.dksActions[3 * 4 + 2] = DksAction_NewHold;
    grid.setStuInfo(info);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    QAccessibleInterface *iface = ifaceOf(&grid);
    QCOMPARE(iface->childCount(), 16);
    const struct
    {
        int key, point;
        QString value;
    } cells[] = {{0, 0, "No action"}, {0, 1, "Click"}, {2, 0, "Hold"}, {3, 2, "Hold, as a new press"}};
    for (const auto &c : cells) {
        QAccessibleInterface *cell = iface->child(c.key * 4 + c.point);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), QString("Key %1, point %2").arg(c.key + 1).arg(c.point + 1));
        QCOMPARE(cell->text(QAccessible::Value), c.value);
        QCOMPARE(cell->parent(), iface);
        QCOMPARE(iface->indexOfChild(cell), c.key * 4 + c.point);
        QVERIFY(cell->rect().contains(grid.mapToGlobal(QPoint(grid.pointX(c.point), grid.rowY(c.key)))));
    }

    // Pressing an empty point adds a tap, pressing it again takes it away, as clicks do.
    QSignalSpy edited(&grid, &DDksShowWidget::sigTheSeniorKeyInfoStuNeedUpdate_DKS);
    QAccessibleInterface *first = iface->child(0);
    first->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(first->text(QAccessible::Value), QString("Click"));
    QCOMPARE(grid.getStuInfo().dksActions[0], int(DksAction_Tap));
    first->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(grid.getStuInfo().dksActions[0], int(DksAction_None));
    QCOMPARE(edited.count(), 2);
}

TAVRIX_TEST_MAIN(TestAccessibilityWalk)
#include "tst_accessibilitywalk.moc"
