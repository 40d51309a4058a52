#pragma once

#include <QString>
#include <QUrl>

// The two ways of starting something for the user. Tests hand the launcher a backend of
// their own, so no process or desktop handler is started by a test.
class AppLaunchBackend
{
public:
    virtual ~AppLaunchBackend() = default;

    // Starts the program with no arguments, detached; never through a shell.
    virtual bool startDetached(const QString &program) = 0;
    // Opens a document, folder or address with the desktop's handler for it.
    virtual bool openUrl(const QUrl &url) = 0;

    // QProcess::startDetached and QDesktopServices::openUrl.
    static AppLaunchBackend *system();
};

// Launches what a key's "Launch Application" function names: a program is started
// directly, anything else (a document, a folder, a web address) is opened with the desktop's
// handler. The text is one path or address, whatever characters it holds: nothing in it is
// ever read as a command line.
namespace AppLauncher {

enum class Action
{
    None,          // nothing to launch: empty, or no such program or file
    StartProgram,  // target is an executable file
    OpenUrl,       // target is a document, folder or address
};

struct Plan
{
    Action action = Action::None;
    QString program;
    QUrl url;
};

// What launch() would do with the text.
Plan plan(const QString &value);

// Carries the plan out; a failure (nothing to launch, or the backend refusing) writes a
// warning line and returns false.
bool launch(const QString &value, AppLaunchBackend *backend = AppLaunchBackend::system());

}  // namespace AppLauncher
