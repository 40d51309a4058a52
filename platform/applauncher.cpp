#include "platform/applauncher.h"
#include "platform/logcategories.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

class SystemLaunchBackend : public AppLaunchBackend
{
public:
    bool startDetached(const QString &program) override { return QProcess::startDetached(program, QStringList()); }
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }
};

// A path as a user may have typed or pasted it: surrounding blanks and one pair of
// double quotes dropped, "~/" meaning the home folder.
QString cleanedPath(const QString &value)
{
    QString text = value.trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2).trimmed();
    if (text == QLatin1String("~") || text.startsWith(QLatin1String("~/")))
        text = QDir::homePath() + text.mid(1);
    return text;
}

// "https://…", "mailto:…": an address for the desktop's handler. One-letter schemes are
// drive letters of paths written the Windows way, not addresses.
bool isAddress(const QString &text, QUrl *url)
{
    const QUrl candidate(text, QUrl::TolerantMode);
    if (!candidate.isValid() || candidate.scheme().size() < 2)
        return false;
    *url = candidate;
    return true;
}

}  // namespace

AppLaunchBackend *AppLaunchBackend::system()
{
    static SystemLaunchBackend backend;
    return &backend;
}

AppLauncher::Plan AppLauncher::plan(const QString &value)
{
    Plan result;
    QString path = cleanedPath(value);
    if (path.isEmpty())
        return result;

    QUrl url;
    if (isAddress(path, &url)) {
        if (!url.isLocalFile()) {
            result.action = Action::OpenUrl;
            result.url = url;
            return result;
        }
        path = url.toLocalFile();
    }

    const QFileInfo info(path);
    if (info.isFile() && info.isExecutable()) {
        result.action = Action::StartProgram;
        result.program = info.absoluteFilePath();
    } else if (info.exists()) {
        result.action = Action::OpenUrl;
        result.url = QUrl::fromLocalFile(info.absoluteFilePath());
    } else if (!path.contains(QLatin1Char('/'))) {
        // A bare program name ("firefox") is looked up on the search path.
        const QString program = QStandardPaths::findExecutable(path);
        if (!program.isEmpty()) {
            result.action = Action::StartProgram;
            result.program = program;
        }
    }
    return result;
}

bool AppLauncher::launch(const QString &value, AppLaunchBackend *backend)
{
    const Plan p = plan(value);
    bool ok = false;
    switch (p.action) {
    case Action::StartProgram: ok = backend && backend->startDetached(p.program); break;
    case Action::OpenUrl: ok = backend && backend->openUrl(p.url); break;
    case Action::None: break;
    }
    if (!ok)
        qCWarning(lcPlatform).noquote() << "Launch Application failed:" << value;
    return ok;
}
