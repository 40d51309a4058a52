#include "fuzzsupport.h"

#include <QTemporaryDir>

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{ }

}  // namespace

// The font library keeps a cache for the life of the process; the data manager's fonts fill it.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig";
}

namespace fuzzsupport {

void silenceMessages()
{
    qInstallMessageHandler(quiet);
}

QTemporaryDir *privateHome()
{
    auto *home = new QTemporaryDir;
    qputenv("HOME", home->path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home->filePath("config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", home->filePath("data").toLocal8Bit());
    return home;
}

}  // namespace fuzzsupport
