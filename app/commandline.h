#pragma once

#include <QString>
#include <QStringList>

// The program's command line. --help and --version are answered before the
// application object exists: no window opens and the single-instance lock is not
// touched, so they work without a display and beside a running instance. Every
// other argument is left to the start-up (--AutoUp, and the argument a second
// start hands to the running instance); options Qt itself takes (-platform, ...)
// pass unchanged.
namespace CommandLine {

// When the arguments (program path first) ask for help or the version, returns
// true with the text to print in *answer; otherwise false.
bool informationAnswer(const QStringList &arguments, QString *answer);

// The first option (program path first) that neither the program nor Qt's
// application objects take; empty when there is none. Any argument holding
// "AutoUp" is the program's, as the start-up reads it; arguments after "--" and
// those without a leading '-' are plain arguments.
QString unknownOption(const QStringList &arguments);

// What to print on standard error for an unknown option; the program starts all
// the same, as a later start hands its last argument to the running instance.
QString unknownOptionText(const QString &option);

}  // namespace CommandLine
