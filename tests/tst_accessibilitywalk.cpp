// Walks what assistive tools see of the main window, each tab, each function page
// and each dialog, and fails on a control that has no name or cannot be operated;
// then checks that the accessible actions of controls built from labels, frames
// and check boxes do what a click does.

#include "advancedkeys/ddksshowwidget.h"
#include "advancedkeys/dseniorkeyspage.h"
#include "advancedkeys/dstrokeconfigview.h"
#include "app/ddatamanager.h"
#include "app/dmainwidget.h"
#include "app/dsettingsdia.h"
#include "app/trayavailability.h"
#include "devicepage/ddevicelistitem.h"
#include "devicepage/ddevicepage.h"
#include "devicepage/dprofilemenutoolwidget.h"
#include "emudevice.h"
#include "emufirmware.h"
#include "emumodel.h"
#include "firmware/dupdatefirmwaredia.h"
#include "keyboardview/softkeyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "keys/dkeypickerpage.h"
#include "keys/keyfunctionpagetable.h"
#include "keys/keyoperateinfo.h"
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
#include "support/markingtranslator.h"
#include "support/testmain.h"
#include "ui_dmacropage.h"
#include "widgets/accessiblecontrols.h"
#include "widgets/arrowwidget.h"
#include "widgets/cbnotice.h"
#include "widgets/slidercustomwidget.h"
#include "widgets/textfit.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStackedWidget>
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
        // Sliders of one value move from the keyboard as well.
        if ((qobject_cast<QAbstractSlider *>(object) || qobject_cast<sliderCustomWidget *>(object)) && !state.disabled
            && !state.focusable)
            problems->append(line + " takes no keyboard focus");
    }
    // A description is read out: words for a person, never an object name.
    const QString description = iface->text(QAccessible::Description);
    if (!description.isEmpty() && description == objectName)
        problems->append(where + ": " + describe(iface) + " reads out its object name as description");
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

// The interface of the application's top-level window that holds `window`, found
// the way an assistive tool finds it: among the application's children.
QAccessibleInterface *windowInApplicationTree(QWidget *window)
{
    QAccessibleInterface *app = QAccessible::queryAccessibleInterface(qApp);
    for (int i = 0; app && i < app->childCount(); ++i) {
        QAccessibleInterface *child = app->child(i);
        if (child && child->object() == window)
            return child;
    }
    return nullptr;
}

// The soft key with the given code under iface, reached through the tree.
QAccessibleInterface *softKeyIn(QAccessibleInterface *iface, int keyDec, int depth = 0)
{
    if (!iface || depth > 60)
        return nullptr;
    if (auto *key = qobject_cast<SoftKeyboardButCustom *>(iface->object()))
        if (key->keyDec() == keyDec)
            return iface;
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface *found = softKeyIn(iface->child(i), keyDec, depth + 1))
            return found;
    return nullptr;
}

// "type:value" of what the current profile holds for the clicked key; empty when none.
QByteArray storedForClickedKey()
{
    const DDataManager *dm = DDataManager::getInstance();
    KeyOperateInfo info = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(dm->getCurProfilePath(), QByteArray::number(dm->getCurProfileIndex()),
                                           QByteArray::number(dm->getClickedKeyCode()), &info);
    if (keyOperateNumber(info.keyDec) == -1)
        return QByteArray();
    return keyOperateField(info.operateType) + ':' + keyOperateField(info.value);
}

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
    void keyPickerPopupInTheTree_data();
    void keyPickerPopupInTheTree();
    void profileMenuInTheTree();
    void advancedKeyEditorsNamed();
    void slidersMoveFromTheKeyboard_data();
    void slidersMoveFromTheKeyboard();
    void namesFollowTheLanguage();

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

void TestAccessibilityWalk::keyPickerPopupInTheTree_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("keys");  // soft keys pressed in turn
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("remap key") << int(KeyFunctionPages::RemapKey) << QList<int> {5} << QByteArray("0:5");
    QTest::newRow("key combination") << int(KeyFunctionPages::KeyCombination) << QList<int> {224, 4}
                                     << QByteArray("2:1,4");
}

// The remap and combination pop-ups are windows an assistive tool finds from the
// application: every key in them is a named button whose press picks it, as a
// click does.
void TestAccessibilityWalk::keyPickerPopupInTheTree()
{
    QFETCH(int, page);
    QFETCH(QList<int>, keys);
    QFETCH(QByteArray, stored);
    QVERIFY(m_rig->selectModel("QR108"));
    press(m_rig->page()->findChild<QAbstractButton *>("toolButton_CustomKey"));
    DCustomKeysPage *keyPage = m_rig->page()->customKeysTab();
    DDataManager::getInstance()->setClickedKey(41, QStringLiteral("Esc"));
    press(keyPage->functionButton(page));
    auto *picker = qobject_cast<DKeyPickerPage *>(keyPage->functionPage(page));
    QVERIFY(picker);
    QTest::mouseClick(picker->pickEdit(), Qt::LeftButton);
    ArrowWidget *popup = picker->popup();
    QTRY_VERIFY(popup->isVisible());

    QAccessibleInterface *window = windowInApplicationTree(popup);
    QVERIFY2(window, "the pop-up is not among the application's windows");
    const QStringList problems = walkWidget(popup, QString::fromLatin1(QTest::currentDataTag()));
    if (!problems.isEmpty())
        QFAIL(qPrintable("\n" + problems.join('\n')));

    for (int code : keys) {
        QAccessibleInterface *key = softKeyIn(window, code);
        QVERIFY2(key, qPrintable(QString::number(code)));
        QCOMPARE(key->role(), QAccessible::Button);
        QVERIFY(!key->text(QAccessible::Name).isEmpty());
        QVERIFY(key->actionInterface());
        key->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        // The press lands as an animated click: the button is down until it clicks.
        QTRY_VERIFY(!qobject_cast<QAbstractButton *>(key->object())->isDown());
    }
    QTRY_COMPARE(storedForClickedKey(), stored);
    if (popup->isVisible())
        QTest::keyClick(popup, Qt::Key_Escape);
    QTRY_VERIFY(!popup->isVisible());
}

// The profile menu opens as a window an assistive tool finds, its entries named.
void TestAccessibilityWalk::profileMenuInTheTree()
{
    DDevicePage *page = m_rig->page();
    QVERIFY(m_rig->selectModel("QR108"));
    press(page->findChild<QAbstractButton *>("pushButton_ProfileOperate"));
    // The press lands as an animated click.
    QTRY_VERIFY(page->lastArrowPopup() && page->lastArrowPopup()->isVisible());
    ArrowWidget *popup = page->lastArrowPopup();
    QVERIFY2(windowInApplicationTree(popup), "the menu is not among the application's windows");
    const QStringList problems = walkWidget(popup, "profile menu");
    QTest::keyClick(popup, Qt::Key_Escape);
    QTRY_VERIFY(!popup->isVisible());
    if (!problems.isEmpty())
        QFAIL(qPrintable("\n" + problems.join('\n')));
}

// Each kind of advanced key opens its own editor; the walk sees every one of them.
void TestAccessibilityWalk::advancedKeyEditorsNamed()
{
    QVERIFY(m_rig->selectModel("QM68"));
    DMainWidget *w = m_rig->window.get();
    w->onShowSeniorKeysPage();
    auto *senior = w->findChild<DSeniorKeysPage *>();
    QVERIFY(senior);
    QTRY_VERIFY(senior->picker());  // the deferred load
    auto *editors = senior->findChild<QStackedWidget *>("stackedWidget_2");
    QVERIFY(editors);
    const struct
    {
        const char *type;
        const char *editor;
        QStringList names;  // of the editor's key slots and slider
    } kinds[] = {
        {"radioButton_DKS", "page_DKS", {"Key 1", "Key 2", "Key 3", "Key 4"}},
        {"radioButton_MT", "page_MT", {"Hold", "Click", "Hold Duration"}},
        {"radioButton_TGL", "page_TGL", {"Key 1"}},
    };
    QStringList problems;
    for (const auto &kind : kinds) {
        press(senior->findChild<QRadioButton *>(kind.type), QAccessibleActionInterface::toggleAction());
        press(senior->findChild<QAbstractButton *>("pushButton_NewCreate"));
        QTRY_COMPARE(editors->currentWidget()->objectName(), QString::fromLatin1(kind.editor));
        problems += walkWidget(senior, QString::fromLatin1(kind.editor));
        // A slot reads out its role, then the key it holds: "Hold: A".
        QStringList names;
        for (QWidget *control : editors->currentWidget()->findChildren<QWidget *>()) {
            QAccessibleInterface *iface = ifaceOf(control);
            if (iface && (iface->role() == QAccessible::Button || iface->role() == QAccessible::Slider))
                names << iface->text(QAccessible::Name).section(": ", 0, 0);
        }
        for (const QString &name : kind.names)
            QVERIFY2(names.contains(name), qPrintable(kind.editor + (": no " + name)));
    }
    delete senior;
    if (!problems.isEmpty())
        QFAIL(qPrintable("\n" + problems.join('\n')));
}

void TestAccessibilityWalk::slidersMoveFromTheKeyboard_data()
{
    // Positions from the left end; -1 is the right end, -2 one tick before it.
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("Right") << int(Qt::Key_Right) << 1 << 2;
    QTest::newRow("Up") << int(Qt::Key_Up) << 1 << 2;
    QTest::newRow("Left") << int(Qt::Key_Left) << 1 << 0;
    QTest::newRow("Down") << int(Qt::Key_Down) << 1 << 0;
    QTest::newRow("Home") << int(Qt::Key_Home) << 2 << 0;
    QTest::newRow("End") << int(Qt::Key_End) << 0 << -1;
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 0 << 2;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << -1 << -3;
    QTest::newRow("Left at the left end") << int(Qt::Key_Left) << 0 << 0;
    QTest::newRow("Right at the right end") << int(Qt::Key_Right) << -1 << -1;
}

// Brightness and speed move from the keyboard as any slider does, and tell the
// page as a press on the tick does.
void TestAccessibilityWalk::slidersMoveFromTheKeyboard()
{
    QFETCH(int, key);
    QFETCH(int, from);
    QFETCH(int, to);
    DDevicePage *page = m_rig->page();
    QVERIFY(m_rig->selectModel("QR108"));
    press(page->findChild<QAbstractButton *>("toolButton_LightConfig"));
    const QList<sliderCustomWidget *> sliders = page->lightsConfigTab()->findChildren<sliderCustomWidget *>();
    QVERIFY(sliders.size() >= 2);
    for (sliderCustomWidget *slider : sliders) {
        QVERIFY(slider->focusPolicy() & Qt::TabFocus);
        const int last = slider->stepCount();
        QVERIFY(last >= 4);
        const auto at = [last](int p) { return p < 0 ? last + 1 + p : p; };
        slider->setPosition(at(from));
        QSignalSpy moved(slider, &sliderCustomWidget::sigBackCurrentPositionNum);
        QTest::keyClick(slider, Qt::Key(key));
        QCOMPARE(slider->position(), at(to));
        QCOMPARE(moved.count(), at(from) == at(to) ? 0 : 1);
        if (!moved.isEmpty())
            QCOMPARE(moved.first().first().toInt(), at(to));
    }
}

// A text cut to fit is read out whole, in the language shown: a language change
// reaches the name as it reaches the text.
void TestAccessibilityWalk::namesFollowTheLanguage()
{
    MarkingTranslator translator;
    DSettingsDia::setLanguageLoader([&translator](int) { return QCoreApplication::installTranslator(&translator); });
    TrayAvailability::setProbe(+[] { return false; });
    auto restore = qScopeGuard([&translator] {
        QCoreApplication::removeTranslator(&translator);
        DSettingsDia::setLanguageLoader([](int) { return false; });
        TrayAvailability::setProbe(nullptr);
    });
    DSettingsDia dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *closeToTray = dialog.findChild<QCheckBox *>("checkBox_Close");
    QVERIFY(closeToTray);
    QCOMPARE(ifaceOf(closeToTray)->text(QAccessible::Name), QString("Close startup to tray (no system tray found)"));

    auto *language = dialog.findChild<QComboBox *>("comboBox_Language");
    QVERIFY(language && language->count() > 1);
    language->setCurrentIndex(language->currentIndex() == 0 ? 1 : 0);
    QCOMPARE(TextFit::fullText(closeToTray), QString("~Close startup to tray (no system tray found)"));
    QStringList stale;
    for (QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
        const QString full = TextFit::fullText(button);
        const QString name = ifaceOf(button)->text(QAccessible::Name);
        if (full.startsWith('~') && name != full && name != button->text())
            stale << button->objectName() + ": '" + name + "' for '" + full + "'";
    }
    QVERIFY2(stale.isEmpty(), qPrintable(stale.join('\n')));
    QCOMPARE(ifaceOf(closeToTray)->text(QAccessible::Name), QString("~Close startup to tray (no system tray found)"));
}

TAVRIX_TEST_MAIN(TestAccessibilityWalk)
#include "tst_accessibilitywalk.moc"
