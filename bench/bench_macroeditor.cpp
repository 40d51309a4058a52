// Opening the macro editor with a macro file of 100 and 1 000 macros (two events each):
// the time from building the editor until its window shows the filled macro list, and the
// process's resident memory afterwards. Each case runs in a fresh process, so one case's
// memory does not count for the next.
//
//   bench_macroeditor              both cases
//   bench_macroeditor --one N      one case of N macros (what the first form runs)
//
// Targets: 1 000 macros shown within 100 ms, the process under 150 MB.

#include "macros/dmacropage.h"
#include "sdk/xmlstore/storedocument.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

double residentMegabytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

bool writeMacroFile(const QString &path, int count)
{
    xmlstore::StoreDocument doc;
    for (int i = 1; i <= count; ++i) {
        xmlstore::Macro macro {i, "Macro" + QByteArray::number(i), {}};
        macro.events.append(xmlstore::MacroEvent {"1", "25", "key", "4", "A", "down"});
        macro.events.append(xmlstore::MacroEvent {"1", "25", "key", "4", "A", "up"});
        doc.macros.append(macro);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(doc.serialize()) > 0;
}

int runOne(int count)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("appMacro.xml");
    if (!writeMacroFile(path, count)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return 1;
    }
    const double before = residentMegabytes();
    QElapsedTimer timer;
    timer.start();
    auto *page = new DMacroPage;
    page->setMacroXmlPath(QFile::encodeName(path));
    page->show();
    const double shownMs = timer.nsecsElapsed() / 1e6;
    page->loadMacroList();
    // Until the window has painted the list once.
    QCoreApplication::processEvents();
    page->grab();
    const double ms = timer.nsecsElapsed() / 1e6;
    std::printf("%6d macros  %7.1f ms to a painted list (%6.1f ms of it the editor without its list)  %6.1f MB "
                "resident (%.1f MB before the editor)\n",
                count, ms, shownMs, residentMegabytes(), before);
    std::fflush(stdout);
    delete page;
    return 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toLocal8Bit());
    QApplication app(argc, argv);
    if (argc > 2 && QByteArray(argv[1]) == "--one")
        return runOne(QByteArray(argv[2]).toInt());
    for (int count : {100, 1000}) {
        QProcess one;
        one.setProcessChannelMode(QProcess::ForwardedChannels);
        one.start(QCoreApplication::applicationFilePath(), {"--one", QString::number(count)});
        if (!one.waitForFinished(600000) || one.exitCode() != 0)
            return 1;
    }
    return 0;
}
