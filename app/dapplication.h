#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>

#include <memory>

class DLoginWidget;
class DMainWidget;
class QLocalServer;
class QLockFile;
class QtLinguist;

// The application object. Its constructor runs the whole start-up on the GUI
// thread: font, data manager, translation, the single-instance channel, the login
// step and the main window. Only one instance of the program runs per user: a
// second start hands its last argument to the running one, which brings its window
// to the front, and then ends with code 1.
class DApplication : public QApplication
{
    Q_OBJECT

public:
    // Name of the installed desktop entry (without ".desktop"), which is also the
    // program's AppStream id: lets the desktop match windows to the menu entry.
    static constexpr const char *kDesktopFileName = "example.quorin.driver";

    // The instance lock is a lock file next to the local socket in the user's own
    // runtime folder; a lock left by a process that died is taken over.
    DApplication(int &argc, char **argv);
    ~DApplication() override;

    bool isRunning() const { return m_running; }
    // The font every window is laid out in (tests that measure texts use it too).
    static void setInterfaceFont();
    static DApplication *instance();

    // Loads and installs a language (a QtLinguist::Language value).
    bool setLanguage(int index);

    bool notify(QObject *receiver, QEvent *event) override;

    DMainWidget *mainWindow() const { return m_mainWidget; }

    // The folder of the instance lock and socket: XDG_RUNTIME_DIR when it is the
    // user's own, otherwise a 0700 folder of the user's. Never a folder that
    // another user can write to, so nobody else's file can stand in the way.
    static QString instanceFolder();

public Q_SLOTS:
    void onLoginFinished(bool ok);
    void newLocalConnection();
    // The system asked the program to end (log-out, Ctrl+C).
    void onQuitRequested();

private:
    QtLinguist *linguist();
    void settingsAndLanguageStep();
    bool sendToRunningInstance();
    void listenForLaterStarts();
    void loginStep();

    DLoginWidget *m_loginWidget = nullptr;
    DMainWidget *m_mainWidget = nullptr;
    QtLinguist *m_linguist = nullptr;
    bool m_running = false;
    QLocalServer *m_localServer = nullptr;
    QString m_serverName;
    QPointer<QWidget> m_activationWindow;
    std::unique_ptr<QLockFile> m_instanceLock;
};
