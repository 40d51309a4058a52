#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace CommandLine {

namespace {

// Options Qt's application objects take out of the command line themselves, with
// one dash or two, and whether a value follows them (as the next argument or
// after '=').
struct QtOption
{
    const char *name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"geometry", true},
    {"qwindowtitle", true},
    {"title", true},
    {"qwindowicon", true},
    {"icon", true},
    {"session", true},
    {"display", true},
    {"name", true},
    {"style", true},
    {"stylesheet", true},
    {"qmljsdebugger", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
    {"testability", false},
};

const QtOption *qtOption(const QString &name)
{
    for (const QtOption &option : kQtOptions)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

}  // namespace

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

QString unknownOption(const QStringList &arguments)
{
    static const QStringList ours = {QStringLiteral("-h"), QStringLiteral("--help"), QStringLiteral("--help-all"),
                                     QStringLiteral("-v"), QStringLiteral("--version")};
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--"))
            return QString();
        if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-") || ours.contains(arg)
            || arg.contains(QLatin1String("AutoUp")))
            continue;
        QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
        const int equals = name.indexOf(QLatin1Char('='));
        const bool valueAttached = equals >= 0;
        if (valueAttached)
            name.truncate(equals);
        const QtOption *qt = qtOption(name);
        if (!qt)
            return arg;
        if (qt->takesValue && !valueAttached)
            ++i;
    }
    return QString();
}

QString unknownOptionText(const QString &option)
{
    const QString program = QCoreApplication::applicationName();
    return QStringLiteral("%1: unknown option '%2'\nTry '%1 --help' for the options it takes.\n").arg(program, option);
}

}  // namespace CommandLine
