// Bootloader flashing: the protocol against the emulated bootloader, and the
// engine's whole road from the Update button to the result, with its retries.
#include "app/dmainwidget.h"
#include "devicepage/ddevicepage.h"
#include "emubootloader.h"
#include "emudevice.h"
#include "emumodel.h"
#include "firmware/dupdatefirmwaredia.h"
#include "firmware/updatefirmwareinfoitem.h"
#include "sdk/tavrixfirmware.h"
#include "sdk/tavrixhid.h"
#include "support/testmain.h"
#include "widgets/cbnotice.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <atomic>

namespace {

std::atomic<int> g_total {0};
std::atomic<int> g_done {0};
std::atomic<int> g_calls {0};

void recordProgress(int total, int done)
{
    g_total = total;
    g_done = done;
    ++g_calls;
}

// Runs the blocking flashing on a worker while this thread serves the emulator.
int flashOnWorker(int handle, const QByteArray &path, int maxSize, int isDongle)
{
    int result = 1;
    QThread *worker = QThread::create(
        [&] { result = CTavrixHid_FirmwareUpgrade(handle, path.constData(), maxSize, 0, isDongle, recordProgress); });
    worker->start();
    while (!worker->wait(5))
        QCoreApplication::processEvents();
    delete worker;
    return result;
}

// Serves the emulators in this thread without the pauses of QTest::qWait, so
// an image of a thousand packets passes in well under a second.
template <typename Predicate> bool serveUntil(Predicate done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QTimer tick;
    tick.start(5);
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

QByteArray resourceImage()
{
    QFile file(QStringLiteral(":/images/UpdateFirmwareFile/QR108.bin"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestFirmwareFlashing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void protocolWritesTheWholeImage();
    void engineFlashesWithRetries_data();
    void engineFlashesWithRetries();
};

void TestFirmwareFlashing::protocolWritesTheWholeImage()
{
    QTemporaryDir dir;
    qputenv("TAVRIX_EMU_DIR", dir.path().toLocal8Bit());
    EmuBootloader bootloader(dir.path());
    QVERIFY(bootloader.start());
    std::vector<std::string> paths;
    QCOMPARE(CTavrixHid_GetBootloaderPathList(paths), 1);
    QCOMPARE(QString::fromStdString(paths.front()), bootloader.socketPath());

    // 117 bytes: two full packets and a short last one.
    QByteArray image;
    for (int i = 0; i < 117; ++i)
        image.append(char(i * 7));
    const QString imagePath = dir.filePath("image.bin");
    QFile file(imagePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image);
    file.close();

    int handle = CTavrixHid_OpenPath(paths.front().c_str());
    QVERIFY(handle > 0);
    QCOMPARE(flashOnWorker(handle, QFile::encodeName(imagePath), 0x80000, 1), int(TavrixFirmwareOk));
    QCOMPARE(bootloader.flashedImage(), image);
    QCOMPARE(bootloader.flashedIsDongle(), 1);
    QCOMPARE(g_total.load(), 3);
    QCOMPARE(g_done.load(), 3);

    // The size limit cuts the image; a refused finish is a failure, not success.
    QCOMPARE(flashOnWorker(handle, QFile::encodeName(imagePath), 60, 0), int(TavrixFirmwareOk));
    QCOMPARE(bootloader.flashedImage(), image.left(60));
    bootloader.failNextSessions(1);
    QCOMPARE(flashOnWorker(handle, QFile::encodeName(imagePath), 0x80000, 0), int(TavrixFirmwareRefused));
    QCOMPARE(bootloader.flashedImage(), image.left(60));
    QCOMPARE(flashOnWorker(handle, QFile::encodeName(dir.filePath("missing.bin")), 0x80000, 0),
             int(TavrixFirmwareNoImage));
    CTavrixHid_Close(handle);

    // A bootloader that went away fails at once instead of hanging.
    handle = CTavrixHid_OpenPath(paths.front().c_str());
    bootloader.stop();
    QVERIFY(flashOnWorker(handle, QFile::encodeName(imagePath), 0x80000, 0) != TavrixFirmwareOk);
    CTavrixHid_Close(handle);
    qunsetenv("TAVRIX_EMU_DIR");
}

void TestFirmwareFlashing::engineFlashesWithRetries_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<int>("flashed");
    QTest::newRow("first attempt") << 0 << QString("Update successful") << 1;
    QTest::newRow("three retries then success") << 3 << QString("Update successful") << 1;
    QTest::newRow("four failures") << 4 << QString("Update failed") << 0;
}

void TestFirmwareFlashing::engineFlashesWithRetries()
{
    QFETCH(int, failures);
    QFETCH(QString, notice);
    QFETCH(int, flashed);

    QTemporaryDir emu;
    qputenv("TAVRIX_EMU_DIR", emu.path().toLocal8Bit());
    EmuDevice keyboard(emu.path(), EmuModels::find(QStringLiteral("QR108")), QStringLiteral("a"), false);
    QVERIFY(keyboard.start());
    // The keyboard leaves for its bootloader when asked to.
    EmuBootloader bootloader(emu.path());
    bootloader.failNextSessions(failures);
    connect(&keyboard, &EmuDevice::sigReportReceived, &bootloader, [&](const HidReport &report) {
        if (report.bytes[1] == uint8_t(HidCmd::IntoFirmware))
            QTimer::singleShot(0, &bootloader, [&] {
                keyboard.stop();
                bootloader.start();
            });
    });

    {
        DMainWidget w;
        w.show();
        QVERIFY(QTest::qWaitFor([&w] { return w.devicePage()->getHidDeviceList().size() == 1; }, 10000));
        QVERIFY(w.checkUpgradeableDevices(true));
        DUpdateFirmwareDia *dialog = w.updateFirmwareDialog();
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->rows().first()->getHidInterface());
        dialog->rows().first()->findChild<QPushButton *>("pushButton_Update")->click();

        QVERIFY(serveUntil([&] { return !dialog->findChild<CbNotice *>()->text().isEmpty(); }, 30000));
        QCOMPARE(dialog->findChild<CbNotice *>()->text(), notice);
        QCOMPARE(bootloader.sessionsStarted(), failures < 4 ? failures + 1 : 4);
        QCOMPARE(bootloader.sessionsFlashed(), flashed);
        if (flashed) {
            QCOMPARE(bootloader.flashedImage(), resourceImage());
            QCOMPARE(bootloader.flashedIsDongle(), 0);
            QCOMPARE(dialog->rows().first()->findChild<QProgressBar *>()->value(), 100);
        }
        QTRY_VERIFY(!w.isBootloaderAttemptRunning());
        // After the result, a bootloader that arrives again is left alone.
        const int sessions = bootloader.sessionsStarted();
        bootloader.stop();
        QTest::qWait(300);
        bootloader.start();
        QTest::qWait(1200);
        QCOMPARE(bootloader.sessionsStarted(), sessions);
        // The device page leaves its links' I/O threads to the caller.
        w.devicePage()->closeAllLinks();
    }
    qunsetenv("TAVRIX_EMU_DIR");
}

TAVRIX_TEST_MAIN(TestFirmwareFlashing)
#include "tst_firmwareflashing.moc"
