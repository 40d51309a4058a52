#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class DDevicePage;
class DMainWidget;
class keyboardButCustom;
class QWidget;

// Takes the main window, with a QR108 and a QM68 connected, through every screen a
// user reaches: each tab and function page, the settings, macro, advanced-key and
// firmware dialogs, the question boxes, and the pop-ups (tips, menus, the virtual
// keyboard, help, drop-down lists) while they are open. The text-fit test checks
// each screen's texts; the screen gallery photographs each one.
class ScreenWalk
{
public:
    // Called once per screen, once it is shown; name is short and file-safe.
    using Visit = std::function<void(const QString &name)>;

    ScreenWalk(DMainWidget *window, Visit visit);
    void run();

    // What could not be shown (a control not found, a pop-up that did not open).
    QStringList missed() const { return m_missed; }

    // Every window shown right now: the main window, dialogs, pop-ups.
    static QList<QWidget *> shownWindows();
    // Makes the keyboard whose card names model the current one.
    static bool selectModel(DDevicePage *page, const QString &model);

private:
    void keyPages();
    void chooseKeyA(const QString &name);
    keyboardButCustom *keyA() const;
    void lightPages();
    void performancePage();
    void magneticPages();
    void settingsDialog();
    void macroDialog();
    void advancedKeysDialog();
    void firmwareDialog();

    void visit(const QString &name);
    bool tab(const char *button);
    // Does what opens a pop-up or a window and visits it while it is open, then
    // closes what it opened. False (and noted) when nothing new was shown.
    bool visitOpened(const QString &name, const std::function<void()> &open);
    // Shows a question box's screen: open runs a modal box, which is visited and
    // then answered with its last button (the "No" of the program's questions).
    void visitModal(const QString &name, const std::function<void()> &open);
    // Opens each shown drop-down list under root in turn.
    void visitDropDowns(QWidget *root, const QString &name);
    void hover(QWidget *w);
    void miss(const QString &what) { m_missed << what; }

    DMainWidget *m_window;
    Visit m_visit;
    QStringList m_missed;
    bool m_firmwareStep = false;
};
