#include "app/dappllication.h"
#include "platform/crashdump.h"

#include <QDebug>
#include <QTimer>

#include <cstdlib>

namespace {

// Test switch: makes the running program fault, so tests can check the crash dump.
void scheduleTestCrash()
{
    const QByteArray kind = qgetenv("TAVRIX_TEST_CRASH");
    if (kind.isEmpty())
        return;
    QTimer::singleShot(200, [kind] {
        if (kind == "abort")
            std::abort();
        static int *volatile nowhere = nullptr;
        *nowhere = 1;
    });
}

}  // namespace

int main(int argc, char *argv[])
{
    CrashDump::install();

    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);

    DAppllication app(argc, argv);
    if (app.isRunning())
        return 1;
    scheduleTestCrash();
    return app.exec();
}
