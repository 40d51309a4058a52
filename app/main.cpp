#include "app/appversion.h"
#include "app/commandline.h"
#include "app/dapplication.h"
#include "platform/crashdump.h"

#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

// A write through a null pointer: the real fault the crash dump is there for. The
// undefined-behaviour checker would stop the program before the fault happens.
__attribute__((no_sanitize("undefined"))) void faultOnPurpose()
{
    static int *volatile nowhere = nullptr;
    *nowhere = 1;
}

// Test switch: makes the running program fault, so tests can check the crash dump.
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

}  // namespace

// Answers --help and --version, and refuses an unknown option, without a window
// or the instance lock. Returns the exit code when the program ends here, else -1.
int answerInformationOptions(int &argc, char **argv)
{
    QString answer;
    QString unknown;
    {
        const QCoreApplication plain(argc, argv);
        const QStringList arguments = QCoreApplication::arguments();
        if (!CommandLine::informationAnswer(arguments, &answer)) {
            const QString option = CommandLine::unknownOption(arguments);
            if (option.isEmpty())
                return -1;
            unknown = CommandLine::unknownOptionText(option);
        }
    }
    if (!unknown.isEmpty()) {
        std::fputs(unknown.toLocal8Bit().constData(), stderr);
        return 2;
    }
    std::fputs(answer.toLocal8Bit().constData(), stdout);
    return 0;
}

int main(int argc, char *argv[])
{
    CrashDump::install();
    // A write past the process's file-size limit must fail with EFBIG, which the
    // store tells like a full disk, instead of ending the program unannounced.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication::setApplicationVersion(AppVersion::number());
    const int answered = answerInformationOptions(argc, argv);
    if (answered >= 0)
        return answered;

    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);

    DApplication app(argc, argv);
    if (app.isRunning())
        return 1;
    scheduleTestCrash();
    return app.exec();
}
