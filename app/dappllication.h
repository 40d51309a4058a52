#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>

class DLoginWidget;
class DMainWidget;
class QLocalServer;
class QSharedMemory;
class QtLinguist;

// The application object. Its constructor runs the whole start-up on the GUI
// thread: font, data manager, translation, the single-instance channel, the login
// step and the main window. Only one instance of the program runs per user: a
// second start hands its last argument to the running one, which brings its window
// to the front, and then ends with code 1.
class DAppllication : public QApplication
{
    Q_OBJECT

public:
    static constexpr const char *kInstanceKey = "QuorinV2.0_1.2.0.1";
    // Name of the installed desktop entry (without ".desktop"), which is also the
    // program's AppStream id: lets the desktop match windows to the menu entry.
    static constexpr const char *kDesktopFileName = "example.quorin.driver";

    // instanceSegment: the one-byte segment main tried to create; alreadyRunning
    // tells that the creation failed. When nobody answers on the channel the
    // segment is a leftover of a crashed instance and is taken over.
    DAppllication(const QString &appId, int &argc, char **argv, bool alreadyRunning,
                  QSharedMemory *instanceSegment = nullptr);
    ~DAppllication() override;

    bool isRunning() const { return m_running; }
    static DAppllication *instance();

    // Loads and installs a language (a QtLinguist::Language value).
    bool setLanguage(int index);

    bool notify(QObject *receiver, QEvent *event) override;

    DMainWidget *mainWindow() const { return m_mainWidget; }

public Q_SLOTS:
    void onLoginFinished(bool ok);
    void newLocalConnection();
    // The system asked the program to end (log-out, Ctrl+C).
    void onQuitRequested();

private:
    QtLinguist *linguist();
    void settingsAndLanguageStep();
    bool sendToRunningInstance();
    bool takeOverStaleSegment();
    void listenForLaterStarts();
    void loginStep();

    DLoginWidget *m_loginWidget = nullptr;
    DMainWidget *m_mainWidget = nullptr;
    QtLinguist *m_linguist = nullptr;
    bool m_running = false;
    QLocalServer *m_localServer = nullptr;
    QString m_serverName;
    QPointer<QWidget> m_activationWindow;
    QSharedMemory *m_instanceSegment = nullptr;
};
