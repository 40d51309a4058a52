#include "support/screenwalk.h"

#include "advancedkeys/dseniorkeyspage.h"
#include "advancedkeys/dstrokeconfigview.h"
#include "app/ddatamanager.h"
#include "app/dmainwidget.h"
#include "app/dsettingsdia.h"
#include "devicepage/ddevicelistitem.h"
#include "devicepage/ddevicepage.h"
#include "devicepage/dperformancepage.h"
#include "firmware/dupdatefirmwaredia.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "keys/dkeypickerpage.h"
#include "keys/keyfunctionpagetable.h"
#include "lighting/dlightsconfigpage.h"
#include "macros/dmacrolistview.h"
#include "macros/dmacropage.h"
#include "macros/macroeventtext.h"
#include "magnetic/dtriggersettingpage.h"
#include "sdk/tavrixxml.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

// Long enough for a pop-up to be mapped and painted on a real X server.
constexpr int kOpenTimeoutMs = 3000;

QString fileSafe(QString name)
{
    name = name.toLower();
    for (QChar &c : name)
        if (!c.isLetterOrNumber() && c != QLatin1Char('-'))
            c = QLatin1Char('-');
    return name;
}

template <typename T> T *shownChild(QWidget *root, const QString &name = QString())
{
    for (T *w : root->findChildren<T *>(name))
        if (w->isVisible())
            return w;
    return nullptr;
}

template <typename T> T *shownWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *t = qobject_cast<T *>(w); t && t->isVisible())
            return t;
    return nullptr;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

ScreenWalk::ScreenWalk(DMainWidget *window, Visit visit) : m_window(window), m_visit(std::move(visit))
{ }

QList<QWidget *> ScreenWalk::shownWindows()
{
    QList<QWidget *> shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->width() > 0 && w->height() > 0)
            shown << w;
    return shown;
}

bool ScreenWalk::selectModel(DDevicePage *page, const QString &model)
{
    for (DDeviceListItem *card : page->deviceCardsInOrder()) {
        if (!card->accessibleName().contains(model))
            continue;
        card->press();
        return QTest::qWaitFor([page, card] { return page->currentDeviceCard() == card && !page->isBusy(); }, 5000);
    }
    return false;
}

void ScreenWalk::run()
{
    m_window->activateWindow();
    visit(QStringLiteral("main"));
    keyPages();
    lightPages();
    performancePage();
    magneticPages();
    settingsDialog();
    macroDialog();
    advancedKeysDialog();
    firmwareDialog();
    if (!selectModel(m_window->devicePage(), QStringLiteral("QR108")))
        miss(QStringLiteral("QR108 back as the current keyboard"));
}

void ScreenWalk::visit(const QString &name)
{
    settle();
    // A keyboard with newer firmware at hand is offered an update unasked; that
    // dialog has a screen of its own and would hide the others.
    if (!m_firmwareStep)
        if (QWidget *offer = m_window->updateFirmwareDialog(); offer && offer->isVisible()) {
            offer->close();
            settle();
        }
    m_visit(fileSafe(name));
}

bool ScreenWalk::tab(const char *button)
{
    auto *b = m_window->devicePage()->findChild<QAbstractButton *>(QLatin1String(button));
    if (!b || !b->isVisible()) {
        miss(QStringLiteral("tab %1").arg(QLatin1String(button)));
        return false;
    }
    b->click();
    settle();
    return true;
}

void ScreenWalk::hover(QWidget *w)
{
    const QPoint local = w->rect().center();
    const QPoint global = w->mapToGlobal(local);
    QCursor::setPos(global);
    settle();
    // Sent as well: the offscreen platform has no pointer to cross the widget.
    QEnterEvent enter(local, w->mapTo(w->window(), local), global);
    QCoreApplication::sendEvent(w, &enter);
}

bool ScreenWalk::visitOpened(const QString &name, const std::function<void()> &open)
{
    const QList<QWidget *> before = shownWindows();
    auto opened = [&before] {
        QList<QWidget *> added;
        for (QWidget *w : shownWindows())
            if (!before.contains(w))
                added << w;
        return added;
    };
    // Tried twice: a control may still be taking in what its page just loaded.
    bool shown = false;
    for (int attempt = 0; attempt < 2 && !shown; ++attempt) {
        open();
        shown = QTest::qWaitFor([&] { return !opened().isEmpty(); }, kOpenTimeoutMs / 2);
    }
    if (!shown) {
        miss(name);
        return false;
    }
    visit(name);
    // Pop-ups first, as a click elsewhere would close them; what stays open of them
    // would take the next clicks.
    while (QWidget *popup = QApplication::activePopupWidget()) {
        popup->close();
        if (QApplication::activePopupWidget() == popup)
            popup->hide();
    }
    for (QWidget *w : opened()) {
        QPointer<QWidget> guard(w);
        w->close();
        if (guard)
            guard->hide();
    }
    // The pointer a hover left on a control would show that control's tip again
    // once a page moves another control under it; that tip would take the next click.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        QCursor::setPos(screen->geometry().topLeft());
    settle();
    return true;
}

void ScreenWalk::visitModal(const QString &name, const std::function<void()> &open)
{
    bool handled = false;
    QTimer answer;
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        handled = true;
        if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, kOpenTimeoutMs)) {
            miss(name);
            return;
        }
        QPointer<QWidget> box = QApplication::activeModalWidget();
        (void)QTest::qWaitForWindowExposed(box);
        visit(name);
        // The visit runs the event loop: the box may have gone meanwhile.
        if (!box)
            return;
        if (auto *message = qobject_cast<QMessageBox *>(box.data()); message && !message->buttons().isEmpty()) {
            message->buttons().last()->click();
        } else {
            box->close();
            // A question that cannot be closed without a choice gets its last answer ("No").
            const QList<QPushButton *> answers = box->findChildren<QPushButton *>();
            if (box->isVisible() && !answers.isEmpty())
                answers.last()->click();
        }
    });
    answer.start(0);
    open();
    if (!handled) {
        answer.stop();
        miss(name);
    }
    settle();
}

void ScreenWalk::visitDropDowns(QWidget *root, const QString &name)
{
    int n = 0;
    for (QComboBox *box : root->findChildren<QComboBox *>()) {
        if (!box->isVisible() || !box->isEnabled() || box->count() == 0)
            continue;
        ++n;
        const QString where = QStringLiteral("%1-list-%2")
                                  .arg(name, box->objectName().isEmpty() ? QString::number(n) : box->objectName());
        visitOpened(where, [box] { box->showPopup(); });
        box->hidePopup();
        settle();
    }
}

keyboardButCustom *ScreenWalk::keyA() const
{
    keyboardButCustom *key = nullptr;
    for (keyboardButCustom *k : m_window->devicePage()->findChildren<keyboardButCustom *>())
        if (k->isVisible() && k->keyDec() == 4)
            key = k;
    return key;
}

void ScreenWalk::chooseKeyA(const QString &name)
{
    // The A key: chosen, so the function pages show what they offer for it.
    keyboardButCustom *key = keyA();
    if (!key)
        return miss(name + QStringLiteral(": key A on the keyboard picture"));
    visitOpened(name + QStringLiteral("-key-tip"), [&] { hover(key); });
    key->click();
    visit(name + QStringLiteral("-key-chosen"));
}

void ScreenWalk::keyPages()
{
    DDevicePage *page = m_window->devicePage();
    if (!selectModel(page, QStringLiteral("QR108")) || !tab("toolButton_CustomKey"))
        return miss(QStringLiteral("key page"));
    visit(QStringLiteral("keys"));
    if (auto *tabButton = page->findChild<QWidget *>(QStringLiteral("toolButton_CustomKey")))
        visitOpened(QStringLiteral("keys-tab-tip"), [&] { hover(tabButton); });
    chooseKeyA(QStringLiteral("keys"));
    if (auto *menu = page->findChild<QAbstractButton *>(QStringLiteral("pushButton_ProfileOperate")))
        visitOpened(QStringLiteral("keys-profile-menu"), [menu] { menu->click(); });
    visitDropDowns(page, QStringLiteral("keys"));

    DCustomKeysPage *keys = page->customKeysTab();
    bool tipShown = false;
    auto functionPages = [&](const QString &prefix, bool magneticOnly) {
        for (int i = 0; i < KeyFunctionPages::kCount; ++i) {
            const KeyFunctionPageEntry &entry = KeyFunctionPages::entries()[i];
            if (magneticOnly != (entry.buttonId == KeyFunctionPages::SeniorKeys))
                continue;
            QToolButton *button = keys->functionButton(entry.buttonId);
            if (!button || !button->isVisible())
                continue;
            button->click();
            const QString name = prefix + QLatin1String(entry.tipName);
            visit(name);
            if (!tipShown)
                tipShown = visitOpened(name + QStringLiteral("-tip"), [&] { hover(button); });
            if (entry.buttonId == KeyFunctionPages::RemapKey || entry.buttonId == KeyFunctionPages::KeyCombination) {
                QLineEdit *edit = nullptr;
                for (DKeyPickerPage *picker : page->findChildren<DKeyPickerPage *>())
                    if (picker->pickEdit() && picker->pickEdit()->isVisible())
                        edit = picker->pickEdit();
                if (edit)
                    visitOpened(name + QStringLiteral("-virtual-keyboard"),
                                [edit] { QTest::mouseClick(edit, Qt::LeftButton); });
                else
                    miss(name + QStringLiteral(" key field"));
            }
            visitDropDowns(keys, name);
        }
    };
    functionPages(QStringLiteral("keys-"), false);
    if (selectModel(page, QStringLiteral("QM68")) && tab("toolButton_CustomKey")) {
        chooseKeyA(QStringLiteral("qm68-keys"));
        functionPages(QStringLiteral("qm68-keys-"), true);
    } else
        miss(QStringLiteral("QM68 key page"));
}

void ScreenWalk::lightPages()
{
    DDevicePage *page = m_window->devicePage();
    if (!selectModel(page, QStringLiteral("QR108")) || !tab("toolButton_LightConfig"))
        return miss(QStringLiteral("light page"));
    DLightsConfigPage *lights = page->lightsConfigTab();
    bool tipShown = false;
    // By name: pop-ups come and go between the visits.
    QStringList names;
    for (QAbstractButton *b : lights->findChildren<QAbstractButton *>())
        names << b->objectName();
    auto modes = [&](bool side) {
        for (const QString &name : qAsConst(names)) {
            auto *b = lights->findChild<QAbstractButton *>(name);
            if (!b || !name.startsWith(QLatin1String("toolButton_"))
                || name == QLatin1String("toolButton_LightSelectTypeChanged")
                || name.startsWith(QLatin1String("toolButton_Side")) != side || !b->isVisible())
                continue;
            b->click();
            const QString where = QStringLiteral("light-") + name.mid(int(qstrlen("toolButton_")));
            visit(where);
            if (!tipShown)
                tipShown = visitOpened(where + QStringLiteral("-tip"), [&] { hover(b); });
            visitDropDowns(lights, where);
        }
    };
    modes(false);
    if (auto *sideSwitch = lights->findChild<QAbstractButton *>(QStringLiteral("toolButton_LightSelectTypeChanged"));
        sideSwitch && sideSwitch->isVisible()) {
        sideSwitch->click();
        settle();
        modes(true);
        sideSwitch->click();
        settle();
    }
}

void ScreenWalk::performancePage()
{
    DDevicePage *page = m_window->devicePage();
    if (!selectModel(page, QStringLiteral("QR108")) || !tab("toolButton_Performance"))
        return miss(QStringLiteral("performance page"));
    visit(QStringLiteral("performance"));
    visitDropDowns(page->performanceTab(), QStringLiteral("performance"));
    visitModal(QStringLiteral("performance-reset-question"), [page] {
        if (auto *restore = page->performanceTab()->findChild<QAbstractButton *>(QStringLiteral("pushButton_Restore")))
            restore->click();
    });
}

void ScreenWalk::magneticPages()
{
    DDevicePage *page = m_window->devicePage();
    if (!selectModel(page, QStringLiteral("QM68")) || !tab("toolButton_TriggerSetting"))
        return miss(QStringLiteral("trigger page"));
    DTriggerSettingPage *trigger = page->triggerSettingTab();
    visit(QStringLiteral("qm68-trigger"));
    // Pressing and releasing sensitivity is offered while quick trigger is on.
    QList<QAbstractButton *> turnedOn;
    for (const char *option : {"checkBox_QuickTrigger", "checkBox_SecondarySensitivity", "checkBox_CalibrationMode"}) {
        auto *box = trigger->findChild<QAbstractButton *>(QLatin1String(option));
        if (!box || !box->isVisible() || !box->isEnabled()) {
            miss(QLatin1String(option));
            continue;
        }
        box->click();
        turnedOn.prepend(box);
        visit(QStringLiteral("qm68-trigger-") + QLatin1String(option).mid(int(qstrlen("checkBox_"))));
        if (qstrcmp(option, "checkBox_SecondarySensitivity") == 0) {
            for (QAbstractButton *b : qAsConst(turnedOn))
                b->click();
            turnedOn.clear();
            settle();
        }
    }
    for (QAbstractButton *b : qAsConst(turnedOn))
        b->click();
    settle();
    for (const char *help : {"toolButton_Explain", "toolButton_MagneticKeyExplain", "toolButton_QuickTriggerExplain"}) {
        auto *button = trigger->findChild<QWidget *>(QLatin1String(help));
        if (button && button->isVisible())
            visitOpened(QStringLiteral("qm68-trigger-help-") + QLatin1String(help).mid(int(qstrlen("toolButton_"))),
                        [&] { hover(button); });
    }
    visitDropDowns(trigger, QStringLiteral("qm68-trigger"));
    visitModal(QStringLiteral("qm68-trigger-reset-question"), [trigger] {
        if (auto *reset = trigger->findChild<QAbstractButton *>(QStringLiteral("pushButton_ResetSensitivity")))
            reset->click();
    });
}

void ScreenWalk::settingsDialog()
{
    m_window->on_pushButton_Setting_clicked();
    auto *settings = shownWindow<DSettingsDia>();
    if (!settings || !QTest::qWaitForWindowExposed(settings))
        return miss(QStringLiteral("settings dialog"));
    visit(QStringLiteral("settings"));
    visitDropDowns(settings, QStringLiteral("settings"));
    if (auto *about = settings->findChild<QAbstractButton *>(QStringLiteral("pushButton_About"))) {
        about->click();
        visit(QStringLiteral("settings-about"));
    }
    if (auto *close = settings->findChild<QAbstractButton *>(QStringLiteral("pushButton_Close")))
        close->click();
    settle();
}

void ScreenWalk::macroDialog()
{
    DDevicePage *page = m_window->devicePage();
    if (!selectModel(page, QStringLiteral("QR108")) || !tab("toolButton_MacroDialog"))
        return miss(QStringLiteral("macro dialog"));
    auto *macros = shownWindow<DMacroPage>();
    if (!macros || !QTest::qWaitForWindowExposed(macros))
        return miss(QStringLiteral("macro dialog"));
    visit(QStringLiteral("macro-empty"));
    if (auto *add = macros->findChild<QAbstractButton *>(QStringLiteral("pushButton_Add")))
        add->click();
    settle();
    if (auto *close = macros->findChild<QAbstractButton *>(QStringLiteral("pushButton_Close")))
        close->click();
    settle();
    // Events stored as the editor stores recorded ones; the editor opens on them.
    QList<MacroEventItem> events;
    const struct
    {
        const char *mark, *code, *name, *action;
    } stored[] = {{"0", "4", "A", "down"},
                  {"0", "4", "A", "up"},
                  {"1", "225", "Left Shift", "down"},
                  {"1", "225", "Left Shift", "up"}};
    for (const auto &e : stored)
        events << MacroEventText::make({e.mark, "50", "key", e.code, e.name, e.action});
    if (!CTavrixXML_AddKeyOrMouseEventItem(DDataManager::getInstance()->getMacroXmlPath(), events, "1"))
        miss(QStringLiteral("macro events stored"));
    macros = nullptr;
    if (tab("toolButton_MacroDialog"))
        macros = shownWindow<DMacroPage>();
    if (!macros || !QTest::qWaitForWindowExposed(macros))
        return miss(QStringLiteral("macro dialog again"));
    // The editor fills its macro list once it is shown; each row paints its own "…"
    // button, which a click at its place opens.
    DMacroListView *list = macros->macroList();
    const bool listed = list && QTest::qWaitFor([list] { return list->macroCount() > 0; }, kOpenTimeoutMs);
    visit(QStringLiteral("macro"));
    if (listed)
        visitOpened(QStringLiteral("macro-menu"), [list] {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                              list->menuButtonRect(0).center() - list->viewport()->pos());
        });
    else
        miss(QStringLiteral("macro menu"));
    for (const char *choice : {"radioButton_DefaultDelay", "radioButton_Mouse", "radioButton_Delay",
                               "radioButton_MouseEvent", "radioButton_Key", "radioButton_KeyboardEvent"}) {
        auto *radio = macros->findChild<QAbstractButton *>(QLatin1String(choice));
        if (!radio || !radio->isVisible() || !radio->isEnabled())
            continue;
        radio->click();
        visit(QStringLiteral("macro-") + QLatin1String(choice).mid(int(qstrlen("radioButton_"))));
    }
    visitDropDowns(macros, QStringLiteral("macro"));
    macros->toggleRecording();
    visit(QStringLiteral("macro-recording"));
    macros->toggleRecording();
    visit(QStringLiteral("macro-recorded"));
    if (auto *close = macros->findChild<QAbstractButton *>(QStringLiteral("pushButton_Close")))
        close->click();
    settle();

    // The key page's macro choice, now that there is a macro to choose, for the A key.
    if (tab("toolButton_CustomKey")) {
        if (keyboardButCustom *key = keyA())
            key->click();
        DCustomKeysPage *keys = page->customKeysTab();
        if (QToolButton *button = keys->functionButton(KeyFunctionPages::Macro)) {
            button->click();
            visit(QStringLiteral("keys-macro-chosen"));
            visitDropDowns(keys, QStringLiteral("keys-macro-chosen"));
        }
    }
}

void ScreenWalk::advancedKeysDialog()
{
    DDevicePage *page = m_window->devicePage();
    if (!selectModel(page, QStringLiteral("QM68")) || !tab("toolButton_SeniorKey"))
        return miss(QStringLiteral("advanced keys dialog"));
    auto *senior = shownWindow<DSeniorKeysPage>();
    if (!senior || !QTest::qWaitForWindowExposed(senior))
        return miss(QStringLiteral("advanced keys dialog"));
    if (auto *help = senior->findChild<QWidget *>(QStringLiteral("toolButton_ExplainInfo")))
        visitOpened(QStringLiteral("advanced-help"), [&] { hover(help); });
    for (const char *kind : {"radioButton_DKS", "radioButton_MT", "radioButton_TGL"}) {
        auto *radio = senior->findChild<QAbstractButton *>(QLatin1String(kind));
        if (!radio || !radio->isVisible())
            continue;
        radio->click();
        const QString name = QStringLiteral("advanced-") + QLatin1String(kind).mid(int(qstrlen("radioButton_")));
        visit(name);
        if (auto *create = senior->findChild<QAbstractButton *>(QStringLiteral("pushButton_NewCreate")))
            create->click();
        visit(name + QStringLiteral("-created"));
        visitDropDowns(senior, name);
        if (qstrcmp(kind, "radioButton_DKS") == 0
            && QTest::qWaitFor([senior] { return senior->hasSelection(); }, kOpenTimeoutMs)) {
            visitOpened(QStringLiteral("advanced-DKS-trigger-points"), [senior] {
                QMetaObject::invokeMethod(senior, "onLinkActivated_Stroke01", Q_ARG(QString, QString()));
            });
            if (auto *view = senior->findChild<DStrokeConfigView *>())
                if (auto *close = view->findChild<QAbstractButton *>(QStringLiteral("pushButton_Close")))
                    close->click();
            settle();
        }
    }
    if (auto *combination = senior->findChild<QAbstractButton *>(QStringLiteral("radioButton_CombinationKeys"));
        combination && combination->isVisible()) {
        combination->click();
        visit(QStringLiteral("advanced-combination"));
    }
    QPointer<DSeniorKeysPage> guard(senior);
    if (auto *close = senior->findChild<QAbstractButton *>(QStringLiteral("pushButton_Close"))) {
        // Closing with unsaved changes asks first; the answer keeps nothing.
        bool asked = false;
        QTimer::singleShot(0, [&] {
            if (QWidget *box = QApplication::activeModalWidget(); box && box != senior) {
                asked = true;
                visit(QStringLiteral("advanced-close-question"));
                if (auto *message = qobject_cast<QMessageBox *>(box); message && !message->buttons().isEmpty())
                    message->buttons().last()->click();
            }
        });
        close->click();
        Q_UNUSED(asked)
    }
    settle();
    if (guard && guard->isVisible())
        guard->close();
    settle();
}

void ScreenWalk::firmwareDialog()
{
    m_firmwareStep = true;
    if (!m_window->updateFirmwareDialog() && !m_window->checkUpgradeableDevices(true))
        return miss(QStringLiteral("firmware dialog"));
    QWidget *dialog = m_window->updateFirmwareDialog();
    if (!dialog || !QTest::qWaitForWindowExposed(dialog))
        return miss(QStringLiteral("firmware dialog"));
    visit(QStringLiteral("firmware"));
    dialog->close();
    settle();
}
