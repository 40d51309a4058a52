// The settings file, the default settings and the user's own theme file, all
// from the input, as a user or another program might leave them: the data
// manager must start from any of them with a theme of complete colour texts and
// a theme index it can use.
//
// Input: the three files, separated by NUL bytes (settings, defaults, theme).

#include "app/ddatamanager.h"
#include "fuzzsupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>

namespace {

QTemporaryDir *workDir = nullptr;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::silenceMessages();
    workDir = fuzzsupport::privateHome();
    new QGuiApplication(*argc, *argv);
    // The user's theme is read beside the executable (here the fuzz build's bin folder).
    QDir().mkpath(DDataManager::getAppDirPath() + "/configDir");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char *>(data), int(size)).split('\0');
    const QString appData = workDir->filePath("appdata");
    QDir(appData).removeRecursively();
    QDir().mkpath(appData + "/UserConfig");
    writeFile(appData + "/UserConfig/TavrixConfig.ini", parts.value(0));
    const QString defaults = workDir->filePath("defaults.ini");
    writeFile(defaults, parts.value(1));
    writeFile(DDataManager::getAppDirPath() + "/configDir/OtherThemeConfig.ini", parts.value(2));

    DDataManager manager(appData, defaults);
    const ThemeColorInfo theme = manager.getThemeColorInfo();
    // Whatever the files held, a built-in theme stands in for an unusable one.
    for (int i = 0; i < ThemeColorInfo::kColorCount; ++i) {
        if (!manager.isUserConfig() && theme.at(i).isEmpty())
            __builtin_trap();
    }
    for (int index = -1; index <= 5; ++index)
        manager.setTheme(index);
    return 0;
}
