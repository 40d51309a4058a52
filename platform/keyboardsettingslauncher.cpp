#include "platform/keyboardsettingslauncher.h"
#include "platform/logcategories.h"

#include <QProcess>
#include <QStandardPaths>

const QVector<KeyboardSettingsLauncher::Candidate> &KeyboardSettingsLauncher::candidates()
{
    static const QVector<Candidate> list = {
        {"gnome-control-center", {QStringLiteral("keyboard")}, "GNOME"},
        {"systemsettings", {QStringLiteral("kcm_keyboard")}, "KDE"},
        {"systemsettings5", {QStringLiteral("kcm_keyboard")}, "KDE"},
        {"kcmshell5", {QStringLiteral("kcm_keyboard")}, "KDE"},
        {"xfce4-keyboard-settings", {}, "XFCE"},
        {"cinnamon-settings", {QStringLiteral("keyboard")}, "X-Cinnamon"},
        {"mate-keyboard-properties", {}, "MATE"},
        {"lxqt-config-input", {}, "LXQt"},
    };
    return list;
}

QVector<KeyboardSettingsLauncher::Candidate> KeyboardSettingsLauncher::orderedCandidates(const QString &currentDesktops)
{
    const QStringList desktops = currentDesktops.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QVector<Candidate> own;
    QVector<Candidate> others;
    for (const Candidate &c : candidates()) {
        if (desktops.contains(QLatin1String(c.desktop), Qt::CaseInsensitive))
            own.append(c);
        else
            others.append(c);
    }
    return own + others;
}

bool KeyboardSettingsLauncher::launch(QString *startedProgram, const QStringList &searchPaths)
{
    const QString desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    for (const Candidate &c : orderedCandidates(desktops)) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(c.program), searchPaths);
        if (path.isEmpty())
            continue;
        if (!QProcess::startDetached(path, c.arguments)) {
            qCWarning(lcPlatform) << "Keyboard settings" << path << "could not be started";
            return false;
        }
        if (startedProgram)
            *startedProgram = path;
        return true;
    }
    return false;
}
