#include "app/appversion.h"
#include "app/commandline.h"
#include "app/dapplication.h"
#include "platform/crashdump.h"

#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

#ifdef TAVRIX_TEST_SWITCHES
// A write through a null pointer: the real fault the crash dump is there for. The
// undefined-behaviour checker would stop the program before the fault happens.
__attribute__((no_sanitize("undefined"))) void faultOnPurpose()
{
    static int *volatile nowhere = nullptr;
    *nowhere = 1;
}

// Test switch (test builds only): makes the running program fault, so tests can
// check the crash dump.
void scheduleTestCrash()
{
    const QByteArray kind = qgetenv("TAVRIX_TEST_CRASH");
    if (kind.isEmpty())
        return;
    QTimer::singleShot(200, [kind] {
        if (kind == "abort")
            std::abort();
        faultOnPurpose();
    });
}
#else
void scheduleTestCrash()
{ }
#endif

}  // namespace

// Names an unknown option on standard error (the program still starts, as a later
// start still hands its argument to the running instance), then answers --help and
// --version without a window or the instance lock. True when it answered and the
// program ends.
bool answerInformationOptions(int &argc, char **argv)
{
    QString answer;
    bool answered = false;
    {
        const QCoreApplication plain(argc, argv);
        const QStringList arguments = QCoreApplication::arguments();
        const QString unknown = CommandLine::unknownOption(arguments);
        if (!unknown.isEmpty())
            std::fputs(CommandLine::unknownOptionText(unknown).toLocal8Bit().constData(), stderr);
        answered = CommandLine::informationAnswer(arguments, &answer);
    }
    if (answered)
        std::fputs(answer.toLocal8Bit().constData(), stdout);
    return answered;
}

int main(int argc, char *argv[])
{
    CrashDump::install();
    // A write past the process's file-size limit must fail with EFBIG, which the
    // store tells like a full disk, instead of ending the program unannounced.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication::setApplicationVersion(AppVersion::number());
    if (answerInformationOptions(argc, argv))
        return 0;

    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);

    DApplication app(argc, argv);
    if (app.isRunning())
        return 1;
    scheduleTestCrash();
    return app.exec();
}
