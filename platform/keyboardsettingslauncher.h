#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Opens the desktop's own keyboard settings. The programs of the common desktops
// are tried in a fixed order, the running desktop's first; the first one found
// on the search path is started detached, never through a shell.
class KeyboardSettingsLauncher
{
public:
    struct Candidate
    {
        const char *program;
        QStringList arguments;
        const char *desktop;  // as XDG_CURRENT_DESKTOP names it
    };

    static const QVector<Candidate> &candidates();

    // The candidates in the order they are tried for the desktops named by
    // currentDesktops (XDG_CURRENT_DESKTOP's colon-separated list).
    static QVector<Candidate> orderedCandidates(const QString &currentDesktops);

    // Starts the first candidate found; startedProgram receives its full path.
    // searchPaths empty: the PATH of the environment. False when none was found
    // or it could not be started.
    static bool launch(QString *startedProgram = nullptr, const QStringList &searchPaths = QStringList());
};
