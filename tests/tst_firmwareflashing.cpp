// Bootloader flashing: the protocol against the emulated bootloader, and the
// engine's whole road from the Update button to the result, with its retries.
#include "app/dmainwidget.h"
#include "devicelink/deviceoperations.h"
#include "devicepage/ddevicepage.h"
#include "emubootloader.h"
#include "emudevice.h"
#include "emufirmware.h"
#include "emumodel.h"
#include "firmware/dupdatefirmwaredia.h"
#include "firmware/updatefirmwareinfoitem.h"
#include "sdk/tavrixfirmware.h"
#include "sdk/tavrixhid.h"
#include "support/clickwhereshown.h"
#include "support/testmain.h"
#include "widgets/cbnotice.h"

#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <atomic>
#include <memory>

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

QPushButton *updateButton(UpdateFirmwareInfoItem *row)
{
    return row->findChild<QPushButton *>("pushButton_Update");
}

// One emulated QR108 that leaves for its bootloader on the update-mode report,
// its test image in the emulator's firmware folder, and a main window that has
// offered it an update. Beside it a QM68, whose bootloader has the same VID/PID
// and, by its tag, is found first; it takes part only where a test starts it.
struct UpdateFixture
{
    QTemporaryDir emu;
    EmuDevice keyboard {emu.path(), EmuModels::find(QStringLiteral("QR108")), QStringLiteral("a"), false};
    EmuFirmwareCycle cycle {&keyboard};
    EmuDevice other {emu.path(), EmuModels::find(QStringLiteral("QM68")), QStringLiteral("0"), false};
    EmuFirmwareCycle otherCycle {&other};
    std::unique_ptr<DMainWidget> window;

    UpdateFixture() { qputenv("TAVRIX_EMU_DIR", emu.path().toLocal8Bit()); }
    ~UpdateFixture()
    {
        if (window) {
            // The device page leaves its links' I/O threads to the caller.
            window->devicePage()->closeAllLinks();
            window.reset();
        }
        qunsetenv("TAVRIX_EMU_DIR");
    }

    bool offer(const DMainWidget::FirmwareUpgradeBounds &bounds = DMainWidget::FirmwareUpgradeBounds(),
               bool otherKeyboard = false)
    {
        if (!EmuFirmwareImages::write(emu.path(), keyboard) || !EmuFirmwareImages::write(emu.path(), other)
            || !keyboard.start() || (otherKeyboard && !other.start()))
            return false;
        const int keyboards = otherKeyboard ? 2 : 1;
        window = std::make_unique<DMainWidget>();
        window->setFirmwareUpgradeBounds(bounds);
        window->show();
        if (!QTest::qWaitFor([&] { return window->devicePage()->getHidDeviceList().size() == keyboards; }, 10000))
            return false;
        if (!window->checkUpgradeableDevices(true) || !dialog() || dialog()->rows().size() != keyboards)
            return false;
        return QTest::qWaitFor(
            [this] {
                for (UpdateFirmwareInfoItem *each : dialog()->rows()) {
                    if (!each->getHidInterface())
                        return false;
                }
                return true;
            },
            5000);
    }
    DUpdateFirmwareDia *dialog() const { return window->updateFirmwareDialog(); }
    // The QR108's row (its path sorts first); the QM68's when it has one.
    UpdateFirmwareInfoItem *row() const { return dialog()->rows().first(); }
    UpdateFirmwareInfoItem *otherRow() const { return dialog()->rows().last(); }
    QString notice() const { return dialog()->findChild<CbNotice *>()->text(); }
    // Presses Update and serves the emulators until the dialog shows a result.
    bool updateAndWait(int timeoutMs) { return updateAndWait(row(), timeoutMs); }
    bool updateAndWait(UpdateFirmwareInfoItem *item, int timeoutMs)
    {
        // A refusal may come at once, before anything was sent.
        updateButton(item)->click();
        return serveUntil([item] { return !item->isBusy(); }, timeoutMs);
    }
};

}  // namespace

class TestFirmwareFlashing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void protocolWritesTheWholeImage();
    void engineFlashesWithRetries_data();
    void engineFlashesWithRetries();
    void everyWaitEnds_data();
    void everyWaitEnds();
    void bootloaderAlreadyPresentIsFlashed();
    void imageGoesOnlyIntoItsKeyboard_data();
    void imageGoesOnlyIntoItsKeyboard();
    void openIsRetriedWithAPause();
    void rowFollowsItsKeyboard();
    void updateOutlivesItsDialog_data();
    void updateOutlivesItsDialog();
    void newCheckShowsTheRunningUpdate();
    void quitWaitsForTheUpdate_data();
    void quitWaitsForTheUpdate();
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

    // An image larger than the flash is refused before anything is sent, never cut;
    // one that just fits is written whole. A refused finish is a failure, not success.
    const int sessions = bootloader.sessionsStarted();
    QCOMPARE(flashOnWorker(handle, QFile::encodeName(imagePath), 116, 0), int(TavrixFirmwareTooLarge));
    QCOMPARE(bootloader.sessionsStarted(), sessions);
    QCOMPARE(flashOnWorker(handle, QFile::encodeName(imagePath), 117, 0), int(TavrixFirmwareOk));
    QCOMPARE(bootloader.flashedImage(), image);
    bootloader.failNextSessions(1);
    QCOMPARE(flashOnWorker(handle, QFile::encodeName(imagePath), 0x80000, 0), int(TavrixFirmwareRefused));
    QCOMPARE(bootloader.flashedImage(), image);
    QCOMPARE(flashOnWorker(handle, QFile::encodeName(dir.filePath("missing.bin")), 0x80000, 0),
             int(TavrixFirmwareNoImage));
    CTavrixHid_Close(handle);

    // A bootloader that never answers fails after a second instead of hanging.
    handle = CTavrixHid_OpenPath(paths.front().c_str());
    bootloader.setSilent(true);
    QElapsedTimer silentClock;
    silentClock.start();
    QCOMPARE(flashOnWorker(handle, QFile::encodeName(imagePath), 0x80000, 0), int(TavrixFirmwareNoAnswer));
    QVERIFY(silentClock.elapsed() < 3000);
    bootloader.setSilent(false);
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

    UpdateFixture f;
    EmuBootloader &bootloader = *f.cycle.bootloader();
    bootloader.failNextSessions(failures);
    QVERIFY(f.offer());
    QCOMPARE(f.row()->currentVersion(), QStringLiteral("V1.00"));
    QVERIFY(f.updateAndWait(30000));
    QCOMPARE(f.notice(), notice);
    QCOMPARE(bootloader.sessionsStarted(), failures < 4 ? failures + 1 : 4);
    QCOMPARE(bootloader.sessionsFlashed(), flashed);
    QVERIFY(!f.window->isUpgradeRunning());
    if (flashed) {
        QCOMPARE(bootloader.flashedImage(), EmuFirmwareImages::bootloaderImage(f.keyboard));
        QCOMPARE(bootloader.flashedIsDongle(), 0);
        QCOMPARE(f.row()->findChild<QProgressBar *>()->value(), 100);
        // The keyboard comes back with the flashed version, and the row says so.
        QVERIFY(serveUntil([&] { return f.row()->currentVersion() == QLatin1String("V1.01"); }, 10000));
        QVERIFY(f.row()->stateText().isEmpty());
    } else {
        // A failure says so on the row, claims no progress, and leaves the rows usable.
        QCOMPARE(f.row()->stateText(), QStringLiteral("Update failed"));
        QCOMPARE(f.row()->findChild<QProgressBar *>()->value(), 0);
        QVERIFY(updateButton(f.row())->isEnabled());
        QVERIFY(f.cycle.isInBootloader());
    }
    // After the result, a bootloader that arrives again is left alone.
    const int sessions = bootloader.sessionsStarted();
    const bool wasInBootloader = f.cycle.isInBootloader();
    bootloader.stop();
    QTest::qWait(300);
    bootloader.start();
    QTest::qWait(1200);
    QCOMPARE(bootloader.sessionsStarted(), sessions);
    if (!wasInBootloader)
        bootloader.stop();
}

// Every wait of an update ends: each stage that gets no answer counts as a failed
// attempt, the retries run, and the update ends in "Update failed" with the row
// usable again. A keyboard that is gone, with no bootloader there, is not waited
// for at all.
void TestFirmwareFlashing::everyWaitEnds_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("sessions");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("keyboard ignores the update-mode report") << QString("ignore") << 0 << "Update failed";
    QTest::newRow("keyboard gone (no link)") << QString("no link") << 0 << "Reconnect the keyboard";
    QTest::newRow("bootloader never answers") << QString("silent") << 4 << "Update failed";
}

void TestFirmwareFlashing::everyWaitEnds()
{
    QFETCH(QString, fault);
    QFETCH(int, sessions);
    QFETCH(QString, outcome);

    UpdateFixture f;
    f.cycle.setIgnoreUpdateRequest(fault == QLatin1String("ignore"));
    f.cycle.bootloader()->setSilent(fault == QLatin1String("silent"));
    DMainWidget::FirmwareUpgradeBounds bounds;
    // Short where nothing arrives; a bootloader that does arrive is handed over 600 ms later.
    bounds.bootloaderArrivalMs = sessions ? 3000 : 400;
    bounds.openPauseMs = 50;
    QVERIFY(f.offer(bounds));
    if (fault == QLatin1String("no link"))
        f.keyboard.stop();  // the report cannot be sent; the keyboard never leaves

    QElapsedTimer clock;
    clock.start();
    QVERIFY(f.updateAndWait(15000));
    QCOMPARE(f.notice(), outcome);
    QCOMPARE(f.cycle.bootloader()->sessionsStarted(), sessions);
    QCOMPARE(f.row()->stateText(), outcome);
    QVERIFY(updateButton(f.row())->isEnabled());
    QVERIFY(!f.row()->isBusy());
    QVERIFY(!f.window->isUpgradeRunning());
    // Arrival 0.4 s, then three retries of four opens 50 ms apart; a silent
    // bootloader costs a second per attempt.
    QVERIFY2(clock.elapsed() < (sessions ? 10000 : 5000), qPrintable(QString::number(clock.elapsed())));
}

// A keyboard already in its bootloader (here: left there by a failed update) is
// flashed when Update is pressed again; no arrival is waited for. Until then only
// its row can be used: another row's update must not meet that bootloader.
void TestFirmwareFlashing::bootloaderAlreadyPresentIsFlashed()
{
    UpdateFixture f;
    f.cycle.bootloader()->failNextSessions(4);
    QVERIFY(f.offer(DMainWidget::FirmwareUpgradeBounds(), true));
    QVERIFY(f.updateAndWait(30000));
    QCOMPARE(f.notice(), QStringLiteral("Update failed"));
    QVERIFY(f.cycle.isInBootloader());
    QVERIFY(updateButton(f.row())->isEnabled());
    QVERIFY(!updateButton(f.otherRow())->isEnabled());

    QElapsedTimer clock;
    clock.start();
    QVERIFY(f.updateAndWait(10000));
    QCOMPARE(f.notice(), QStringLiteral("Update successful"));
    QCOMPARE(f.cycle.bootloader()->sessionsFlashed(), 1);
    QCOMPARE(f.cycle.bootloader()->flashedImage(), EmuFirmwareImages::bootloaderImage(f.keyboard));
    QCOMPARE(f.otherCycle.bootloader()->sessionsStarted(), 0);
    // Well under the 6 s an update would wait for a bootloader to arrive.
    QVERIFY2(clock.elapsed() < 5500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(updateButton(f.otherRow())->isEnabled());
    QVERIFY(serveUntil([&] { return f.row()->currentVersion() == QLatin1String("V1.01"); }, 10000));
}

// The QR108 and the QM68 share their bootloader's VID/PID. An image goes only into
// the bootloader that came after the QR108's own update-mode report, once the
// QR108 had gone; any other bootloader is never written, and where the two cannot
// be told apart the row says why and what to do.
void TestFirmwareFlashing::imageGoesOnlyIntoItsKeyboard_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("notice");
    const QString other = QStringLiteral("Another keyboard is in update mode: finish or unplug it, then try again");
    QTest::newRow("the other keyboard waits in its bootloader") << "waiting"
                                                                << "Update successful";
    QTest::newRow("the other keyboard leaves with this one") << "together" << other;
    QTest::newRow("a bootloader comes, this keyboard stays") << "stays"
                                                             << "Update failed";
    QTest::newRow("this keyboard unplugged, the other waits") << "unplugged" << other;
}

void TestFirmwareFlashing::imageGoesOnlyIntoItsKeyboard()
{
    QFETCH(QString, situation);
    QFETCH(QString, notice);

    UpdateFixture f;
    if (situation == QLatin1String("waiting"))
        QVERIFY(f.otherCycle.startInBootloader());
    DMainWidget::FirmwareUpgradeBounds bounds;
    bounds.bootloaderArrivalMs = 1500;
    bounds.openPauseMs = 50;
    QVERIFY(f.offer(bounds, situation == QLatin1String("together")));
    if (situation == QLatin1String("together")) {
        connect(&f.cycle, &EmuFirmwareCycle::sigEnteredBootloader, &f.otherCycle,
                [&] { f.otherCycle.startInBootloader(); });
    } else if (situation == QLatin1String("stays")) {
        f.cycle.setIgnoreUpdateRequest(true);
        // Comes just after this keyboard's update-mode report.
        connect(&f.keyboard, &EmuDevice::sigReportReceived, &f.otherCycle,
                [&] { f.otherCycle.isInBootloader() || f.otherCycle.startInBootloader(); });
    } else if (situation == QLatin1String("unplugged")) {
        f.keyboard.stop();
        QVERIFY(f.otherCycle.startInBootloader());
    }

    QVERIFY(f.updateAndWait(20000));
    QCOMPARE(f.notice(), notice);
    QCOMPARE(f.otherCycle.bootloader()->sessionsStarted(), 0);
    QVERIFY(!f.window->isUpgradeRunning());
    if (situation == QLatin1String("waiting")) {
        QCOMPARE(f.cycle.bootloader()->flashedImage(), EmuFirmwareImages::bootloaderImage(f.keyboard));
        QVERIFY(serveUntil([&] { return f.row()->currentVersion() == QLatin1String("V1.01"); }, 10000));
        QVERIFY(f.otherCycle.isInBootloader());
        return;
    }
    QCOMPARE(f.cycle.bootloader()->sessionsStarted(), 0);
    QCOMPARE(f.row()->stateText(), notice);
    QVERIFY(updateButton(f.row())->isEnabled());
    if (situation == QLatin1String("unplugged")) {
        const QString shots = QCoreApplication::applicationDirPath() + "/screenshots";
        QDir().mkpath(shots);
        QVERIFY(f.dialog()->grab().save(shots + "/firmware_other_in_update_mode.png"));
    }
}

// A bootloader whose node is there but cannot be opened yet (udev still applying
// its rule) is opened after a pause, within the first attempt.
void TestFirmwareFlashing::openIsRetriedWithAPause()
{
    UpdateFixture f;
    f.cycle.bootloader()->setListenDelay(1200);
    QVERIFY(f.offer());
    QVERIFY(f.updateAndWait(15000));
    QCOMPARE(f.notice(), QStringLiteral("Update successful"));
    QCOMPARE(f.cycle.bootloader()->sessionsStarted(), 1);
}

// Left open after an update, the dialog kept "V1.01 / 100% / Complete" for the
// keyboard plugged in again at V1.00 and offered no Update. A row follows its
// keyboard: gone, it says so and offers nothing; back, it shows the version the
// keyboard has and, with a newer image at hand, its Update reaches that keyboard.
void TestFirmwareFlashing::rowFollowsItsKeyboard()
{
    UpdateFixture f;
    QVERIFY(f.offer(DMainWidget::FirmwareUpgradeBounds(), true));
    UpdateFirmwareInfoItem *row = f.otherRow();
    QCOMPARE(row->getHidPath(), f.other.socketPath());
    QVERIFY(f.updateAndWait(row, 30000));
    QCOMPARE(f.notice(), QStringLiteral("Update successful"));
    QVERIFY(serveUntil([&] { return row->currentVersion() == QLatin1String("V1.01"); }, 10000));
    const auto page
        = [row] { return row->findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName(); };
    QCOMPARE(page(), QStringLiteral("page_2"));

    f.other.vanish();
    QVERIFY(serveUntil([&] { return row->stateText() == QLatin1String("Reconnect the keyboard"); }, 10000));
    QVERIFY(!updateButton(row)->isEnabled());
    QVERIFY(updateButton(f.row())->isEnabled());

    // Back with the old firmware (another program's doing, or a keyboard swapped).
    f.other.setSidecarValue(QStringLiteral("firmwareVersion"), QStringLiteral("V1.00"));
    QVERIFY(f.other.start());
    QVERIFY(serveUntil([&] { return row->currentVersion() == QLatin1String("V1.00"); }, 10000));
    QCOMPARE(page(), QStringLiteral("page_1"));
    QCOMPARE(row->findChild<QProgressBar *>()->value(), 0);
    QVERIFY(row->stateText().isEmpty());
    QVERIFY(updateButton(row)->isEnabled());
    QVERIFY(updateButton(f.row())->isEnabled());

    const int before = f.other.keyboard()->receivedCount(uint8_t(HidCmd::IntoFirmware));
    const QString missed = clickWhereShown(updateButton(row));
    QVERIFY2(missed.isEmpty(), qPrintable("the click hit " + missed));
    QVERIFY(serveUntil([&] { return f.other.keyboard()->receivedCount(uint8_t(HidCmd::IntoFirmware)) == before + 1; },
                       5000));
    QCOMPARE(f.keyboard.keyboard()->receivedCount(uint8_t(HidCmd::IntoFirmware)), 0);
    QVERIFY(serveUntil([&] { return !row->isBusy(); }, 30000));
    QCOMPARE(f.notice(), QStringLiteral("Update successful"));
}

// Once the keyboard was sent into its update mode, closing the dialog does not stop
// the update: the keyboard is flashed, or the update fails after its retries, and the
// main window tells the outcome the dialog can no longer show.
void TestFirmwareFlashing::updateOutlivesItsDialog_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<QString>("notice");
    QTest::newRow("flashed") << 0 << QString("Update successful");
    QTest::newRow("every attempt fails") << 4 << QString("Update failed");
}

void TestFirmwareFlashing::updateOutlivesItsDialog()
{
    QFETCH(int, failures);
    QFETCH(QString, notice);

    UpdateFixture f;
    EmuBootloader &bootloader = *f.cycle.bootloader();
    bootloader.failNextSessions(failures);
    DMainWidget::FirmwareUpgradeBounds bounds;
    bounds.openPauseMs = 50;
    QVERIFY(f.offer(bounds));
    updateButton(f.row())->click();
    // Within a moment of the update-mode report, before the keyboard has even left.
    f.dialog()->findChild<QPushButton *>("pushButton_Close")->click();
    QVERIFY(!f.window->updateFirmwareDialog());
    QVERIFY(f.window->isUpgradeRunning());
    QVERIFY(DeviceOperations::instance()->isBusy());

    QVERIFY(serveUntil([&] { return !f.window->isUpgradeRunning(); }, 30000));
    QVERIFY(!DeviceOperations::instance()->isBusy());
    QCOMPARE(f.window->devicePage()->pageNotice()->text(), notice);
    QCOMPARE(bootloader.sessionsStarted(), failures ? 4 : 1);
    if (failures) {
        QCOMPARE(bootloader.sessionsFlashed(), 0);
        QVERIFY(f.cycle.isInBootloader());
        return;
    }
    QCOMPARE(bootloader.flashedImage(), EmuFirmwareImages::bootloaderImage(f.keyboard));
    // The keyboard is back, at its new version, in the main window's list.
    QVERIFY(serveUntil(
        [&] {
            for (const hidStructInfoAll &device : f.window->devicePage()->getHidDeviceList()) {
                if (QString::fromUtf8(device.hidPath) == f.keyboard.socketPath())
                    return QByteArray(device.firmwareVersion) == "V1.01";
            }
            return false;
        },
        10000));
}

// A check while an update runs (its keyboard in the bootloader, gone from the list)
// shows that keyboard's row busy instead of finding nothing; the result reaches it.
void TestFirmwareFlashing::newCheckShowsTheRunningUpdate()
{
    UpdateFixture f;
    EmuBootloader &bootloader = *f.cycle.bootloader();
    // The bootloader takes no connection until the test lets it: the update waits,
    // opening it again and again, for as long as the test looks.
    bootloader.setListenDelay(3600000);
    DMainWidget::FirmwareUpgradeBounds bounds;
    bounds.openTries = 1000000;
    bounds.openPauseMs = 50;
    QVERIFY(f.offer(bounds, true));
    const QString path = f.row()->getHidPath();
    updateButton(f.row())->click();
    f.dialog()->close();
    QVERIFY(!f.window->updateFirmwareDialog());
    QVERIFY(serveUntil(
        [&] {
            for (const hidStructInfoAll &device : f.window->devicePage()->getHidDeviceList()) {
                if (QString::fromUtf8(device.hidPath) == path)
                    return false;
            }
            return f.cycle.isInBootloader();
        },
        20000));
    QVERIFY(f.window->isUpgradeRunning());

    QVERIFY(f.window->checkUpgradeableDevices(true));
    QCOMPARE(f.dialog()->rows().size(), 2);
    UpdateFirmwareInfoItem *running = f.dialog()->activeRow();
    QVERIFY(running);
    QCOMPARE(running->getHidPath(), path);
    QVERIFY(running->isBusy());
    QCOMPARE(running->currentVersion(), QStringLiteral("V1.00"));
    // The other keyboard waits for its turn; pressing the running row again does nothing.
    QVERIFY(!updateButton(f.otherRow())->isEnabled());
    updateButton(running)->click();
    QCOMPARE(f.cycle.bootloader()->sessionsStarted(), 0);

    // The bootloader now takes connections (it comes again, at the same place).
    bootloader.stop();
    bootloader.setListenDelay(0);
    QVERIFY(bootloader.start());
    QVERIFY(serveUntil([&] { return !running->isBusy(); }, 30000));
    QCOMPARE(f.notice(), QStringLiteral("Update successful"));
    QCOMPARE(bootloader.sessionsFlashed(), 1);
    QCOMPARE(f.otherCycle.bootloader()->sessionsStarted(), 0);
    QVERIFY(updateButton(f.otherRow())->isEnabled());
}

// A quit of any kind while an update runs hides the window at once and ends the
// program only after the update ended (here: flashed), with the devices still open
// until then.
void TestFirmwareFlashing::quitWaitsForTheUpdate_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("tray Quit, log-out signal") << QString("quit");
    QTest::newRow("window manager close") << QString("window manager");
    QTest::newRow("end of the event loop") << QString("event loop");
}

void TestFirmwareFlashing::quitWaitsForTheUpdate()
{
    QFETCH(QString, way);

    UpdateFixture f;
    f.cycle.setLeaveDelayMs(300);
    QVERIFY(f.offer());
    updateButton(f.row())->click();
    QVERIFY(f.window->isUpgradeRunning());
    bool hiddenAtOnce = false;
    QTimer::singleShot(0, f.window.get(), [&] {
        if (way == QLatin1String("quit")) {
            f.window->onQuitApp();
        } else if (way == QLatin1String("window manager")) {
            QCloseEvent close;
            QSpontaneKeyEvent::setSpontaneous(&close);
            static_cast<QObject &>(*f.window).event(&close);
            // The close itself is refused; the quit it asks for runs next.
            QCoreApplication::processEvents();
        } else {
            QCoreApplication::exit(0);
            return;
        }
        hiddenAtOnce = !f.window->isVisible() && !f.window->updateFirmwareDialog();
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    if (way != QLatin1String("event loop"))
        QVERIFY(hiddenAtOnce);
    QVERIFY(!f.window->isUpgradeRunning());
    QVERIFY(!f.window->isVisible());
    QCOMPARE(f.cycle.bootloader()->sessionsFlashed(), 1);
    QCOMPARE(f.cycle.bootloader()->flashedImage(), EmuFirmwareImages::bootloaderImage(f.keyboard));
}

TAVRIX_TEST_MAIN(TestFirmwareFlashing)
#include "tst_firmwareflashing.moc"
