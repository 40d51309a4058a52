#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace CommandLine {

bool informationAnswer(const QStringList &arguments, QString *answer)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Configuration tool for Quorin keyboards."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        QStringLiteral("AutoUp"),
        QStringLiteral("Start in the system tray (minimised where the desktop shows no tray) while automatic "
                       "start is switched on; the desktop's automatic start entry passes it.")));
    parser.addPositionalArgument(QStringLiteral("argument"),
                                 QStringLiteral("Handed to an instance already running, which then shows its "
                                                "window."),
                                 QStringLiteral("[argument]"));
    // Unknown options are not an error here: the application object takes Qt's own.
    parser.parse(arguments);
    // --help-all (which Qt adds) lists the same options here.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        *answer = parser.helpText();
        return true;
    }
    if (parser.isSet(version)) {
        *answer = QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()
            + QLatin1Char('\n');
        return true;
    }
    return false;
}

}  // namespace CommandLine
