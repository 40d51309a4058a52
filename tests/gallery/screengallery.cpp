// The screen gallery (tools/screens.sh): starts the program as a user does, with
// its own start-up and the language of its settings file, takes it through every
// screen and saves what the X server shows of each as a PNG.
//
//   screengallery OUT_DIR
//
// Exits 2 when a screen could not be shown (listed on stderr).
#include "app/dapplication.h"
#include "app/dmainwidget.h"
#include "devicepage/ddevicepage.h"
#include "support/screenwalk.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    // The program's name, so its settings and data folders are the program's own.
    QCoreApplication::setApplicationName(QStringLiteral("quorin-driver"));
    DApplication app(argc, argv);
    if (app.isRunning() || argc < 2) {
        std::fprintf(stderr, "screengallery: usage: screengallery OUT_DIR (and no other instance running)\n");
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[argc - 1]);
    QDir().mkpath(out);
    int result = 0;
    QTimer::singleShot(0, [&] {
        const bool ready = QTest::qWaitFor(
            [&] {
                DMainWidget *w = app.mainWindow();
                return w && w->isVisible() && w->devicePage()->getHidDeviceList().size() == 2
                    && w->devicePage()->currentDeviceLink() && !w->devicePage()->isBusy();
            },
            30000);
        if (!ready) {
            std::fprintf(stderr, "screengallery: the window with two keyboards did not come\n");
            result = 1;
            QCoreApplication::exit(1);
            return;
        }
        int count = 0;
        ScreenWalk walk(app.mainWindow(), [&](const QString &name) {
            // Time for the window manager and a compositor to map and draw.
            QTest::qWait(300);
            const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
            const QString file
                = QStringLiteral("%1/%2-%3.png").arg(out).arg(++count, 3, 10, QLatin1Char('0')).arg(name);
            if (!shot.save(file))
                std::fprintf(stderr, "screengallery: cannot write %s\n", qPrintable(file));
        });
        walk.run();
        for (const QString &line : walk.missed())
            std::fprintf(stderr, "screengallery: not shown: %s\n", qPrintable(line));
        std::printf("screengallery: %d screens in %s\n", count, qPrintable(out));
        result = walk.missed().isEmpty() ? 0 : 2;
        app.mainWindow()->onQuitApp();
        QCoreApplication::exit(result);
    });
    app.exec();
    return result;
}
