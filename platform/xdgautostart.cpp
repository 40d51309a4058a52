#include "platform/xdgautostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace XdgAutoStart {

namespace {

// Characters that force quoting of an Exec argument (desktop-entry format).
const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");

// Escapes for a value of type string in a desktop entry.
QString escapeStringValue(QString text)
{
    text.replace('\\', QLatin1String("\\\\"));
    text.replace('\n', QLatin1String("\\n"));
    text.replace('\t', QLatin1String("\\t"));
    text.replace('\r', QLatin1String("\\r"));
    return text;
}

QString quoteArgument(const QString &arg)
{
    bool needsQuotes = arg.isEmpty();
    for (const QChar c : arg)
        needsQuotes = needsQuotes || kReserved.contains(c);
    if (!needsQuotes)
        return arg;
    QString quoted;
    quoted.reserve(arg.size() + 8);
    quoted += '"';
    for (const QChar c : arg) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

}  // namespace

QString entryPath(const QString &appName)
{
    return QStandardPaths::writableLocation(QStandardPaths::ConfigLocation) + QStringLiteral("/autostart/") + appName
        + QStringLiteral(".desktop");
}

QString execLine(const QString &programPath)
{
    // A literal '%' would start a field code.
    QString arg = quoteArgument(programPath);
    arg.replace('%', QLatin1String("%%"));
    return arg + QStringLiteral(" --AutoUp");
}

bool write(const QString &appName, const QString &displayName, const QString &programPath)
{
    const QString path = entryPath(appName);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QString text;
    text += QStringLiteral("[Desktop Entry]\n");
    text += QStringLiteral("Type=Application\n");
    text += QStringLiteral("Name=") + escapeStringValue(displayName) + '\n';
    text += QStringLiteral("Exec=") + escapeStringValue(execLine(programPath)) + '\n';
    // Once the program is removed the desktop skips the entry instead of failing
    // to start it at every log-in.
    text += QStringLiteral("TryExec=") + escapeStringValue(programPath) + '\n';
    // The installed icon carries the program's name.
    text += QStringLiteral("Icon=") + escapeStringValue(appName) + '\n';
    text += QStringLiteral("Terminal=false\n");
    text += QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    file.write(text.toUtf8());
    return file.commit();
}

bool remove(const QString &appName)
{
    const QString path = entryPath(appName);
    if (!QFileInfo::exists(path))
        return true;
    return QFile::remove(path);
}

bool exists(const QString &appName)
{
    return QFileInfo(entryPath(appName)).isFile();
}

bool startsProgram(const QString &appName, const QString &programPath)
{
    QFile file(entryPath(appName));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString exec = QStringLiteral("Exec=") + escapeStringValue(execLine(programPath));
    const QString tryExec = QStringLiteral("TryExec=") + escapeStringValue(programPath);
    bool execFound = false;
    bool tryExecFound = false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        execFound = execFound || line == exec;
        tryExecFound = tryExecFound || line == tryExec;
    }
    return execFound && tryExecFound;
}

}  // namespace XdgAutoStart
