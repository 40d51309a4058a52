// The firmware update dialog and its rows: starting one update at a time, the
// report that puts the keyboard into update mode, progress that never goes back,
// the results, and the main window's opening of the dialog after a check.
#include "app/dmainwidget.h"
#include "app/dsettingsdia.h"
#include "devicepage/ddevicepage.h"
#include "emudevice.h"
#include "emufirmware.h"
#include "emumodel.h"
#include "firmware/dupdatefirmwaredia.h"
#include "firmware/updatefirmwareinfoitem.h"
#include "support/clickwhereshown.h"
#include "support/linkfixture.h"
#include "support/testmain.h"
#include "widgets/cbnotice.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QThread>

namespace {

QPushButton *updateButton(UpdateFirmwareInfoItem *row)
{
    return row->findChild<QPushButton *>("pushButton_Update");
}

QString labelText(QWidget *row, const char *name)
{
    return row->findChild<QLabel *>(name)->text();
}

QString shownPage(UpdateFirmwareInfoItem *row)
{
    return row->findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName();
}

hidStructInfoAll offered(hidStructInfoAll info, const char *version, const char *newVersion)
{
    tavrixCopyText(info.productName, "Quorin");
    tavrixCopyText(info.likeName, "QR108");
    tavrixCopyText(info.firmwareVersion, version);
    tavrixCopyText(info.newFirmwareVersion, newVersion);
    return info;
}

}  // namespace

class TestFirmwareUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsStartOneUpdateAndShowResults();
    void progressNeverGoesBack();
    void reportsFromAWorkerReachTheRow();
    void mainWindowOpensDialogAfterCheck();
    void everyCloseUndims_data();
    void everyCloseUndims();
    void everyKeyboardGetsAUsableRow_data();
    void everyKeyboardGetsAUsableRow();
    void rowStateFollowsItsKeyboard_data();
    void rowStateFollowsItsKeyboard();
};

void TestFirmwareUpdate::rowsStartOneUpdateAndShowResults()
{
    LinkFixture fixture(QStringLiteral("QR108"));
    QVERIFY(fixture.open());
    QVERIFY(fixture.waitForChain());
    hidStructInfoAll second = offered(fixture.record(), "V0.9", "V1.01");
    tavrixCopyText(second.hidPath, "/no/link");
    tavrixCopyText(second.likeName, "");
    second.connectType = 1;

    DUpdateFirmwareDia dialog;
    dialog.setDeviceList({offered(fixture.record(), "V1.00", "V1.01"), second},
                         {{QString::fromLatin1(fixture.record().hidPath), fixture.link()}});
    QCOMPARE(dialog.rows().size(), 2);
    UpdateFirmwareInfoItem *linked = dialog.rows().at(0);
    UpdateFirmwareInfoItem *unlinked = dialog.rows().at(1);
    QCOMPARE(labelText(linked, "label_HidLikeName"), QStringLiteral("Quorin QR108"));
    QCOMPARE(labelText(unlinked, "label_HidLikeName"), QStringLiteral("Quorin "));
    QCOMPARE(labelText(linked, "label_OldVer"), QStringLiteral("V1.00"));
    QCOMPARE(labelText(linked, "label_NewVer"), QStringLiteral("V1.01"));
    QCOMPARE(labelText(linked, "label_ProgressNum"), QStringLiteral("0%"));
    QCOMPARE(updateButton(linked)->text(), QStringLiteral("Update"));

    QSignalSpy started(&dialog, &DUpdateFirmwareDia::sigStartHidUpgrade);
    // The main window hears which keyboard is about to be asked, before the start.
    QSignalSpy announced(&dialog, &DUpdateFirmwareDia::sigAboutToRequestUpdateMode);
    connect(&dialog, &DUpdateFirmwareDia::sigStartHidUpgrade, this,
            [&] { QCOMPARE(announced.count(), started.count()); });
    QTest::mouseClick(updateButton(linked), Qt::LeftButton);
    QVERIFY(fixture.waitForReceived(HidCmd::IntoFirmware, 1));
    QCOMPARE(announced.count(), 1);
    QCOMPARE(announced.first().first().toString(), QString::fromLatin1(fixture.record().hidPath));
    QCOMPARE(fixture.received().last(), HidReport::command(HidCmd::IntoFirmware));
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.first().at(0).toString(), QString::fromLatin1(fixture.record().hidPath));
    QCOMPARE(started.first().at(1).toString(), fixture.link()->getCurrentSN());
    QCOMPARE(started.first().at(2).toString(), QStringLiteral("QR108"));
    QCOMPARE(started.first().at(3).toInt(), 0);
    QVERIFY(updateButton(linked)->isEnabled());
    QVERIFY(!updateButton(unlinked)->isEnabled());

    // A second press while the update runs sends nothing.
    updateButton(linked)->click();
    QVERIFY(fixture.flushCommands());
    QCOMPARE(fixture.keyboard()->receivedCount(uint8_t(HidCmd::IntoFirmware)), 1);
    QCOMPARE(started.count(), 1);

    // Failure: the active row says so and can be tried again; the others stay
    // disabled, as its keyboard may wait in its bootloader.
    dialog.upgradeFailed();
    QTRY_COMPARE(dialog.findChild<CbNotice *>()->text(), QStringLiteral("Update failed"));
    QCOMPARE(shownPage(linked), QStringLiteral("page_1"));
    QCOMPARE(linked->stateText(), QStringLiteral("Update failed"));
    QVERIFY(!linked->isBusy());
    QVERIFY(updateButton(linked)->isEnabled());
    QVERIFY(!updateButton(unlinked)->isEnabled());
    updateButton(linked)->click();
    QVERIFY(fixture.waitForReceived(HidCmd::IntoFirmware, 2));
    QCOMPARE(started.count(), 2);
    QVERIFY(linked->stateText().isEmpty());

    // Success: the row shows its completed page and every button is usable again.
    dialog.upgradeSucceeded();
    QTRY_COMPARE(dialog.findChild<CbNotice *>()->text(), QStringLiteral("Update successful"));
    QCOMPARE(shownPage(linked), QStringLiteral("page_2"));
    QCOMPARE(labelText(linked, "label_SuccessfulTip"), QStringLiteral("Complete"));
    QVERIFY(updateButton(unlinked)->isEnabled());

    // A row without a link still starts the flashing path.
    updateButton(unlinked)->click();
    QCOMPARE(started.count(), 3);
    QCOMPARE(started.last().at(3).toInt(), 1);
    QVERIFY(unlinked->isBusy());
    QVERIFY(!updateButton(linked)->isEnabled());
}

void TestFirmwareUpdate::progressNeverGoesBack()
{
    hidStructInfoAll device {};
    tavrixCopyText(device.hidPath, "/a");
    DUpdateFirmwareDia dialog;
    dialog.setDeviceList({device}, {});
    UpdateFirmwareInfoItem *row = dialog.rows().first();
    QSignalSpy progress(&dialog, &DUpdateFirmwareDia::sigUpgradeProgress);
    updateButton(row)->click();

    for (int percent : {10, 10, 5, 20})
        dialog.setUpgradeProgress(100, percent);
    dialog.setUpgradeProgress(0, 5);
    QCOMPARE(progress.count(), 2);
    QCOMPARE(progress.at(0).at(0).toInt(), 10);
    QCOMPARE(progress.at(1).at(0).toInt(), 20);
    QCOMPARE(row->findChild<QProgressBar *>()->value(), 20);
    QCOMPARE(labelText(row, "label_ProgressNum"), QStringLiteral("20%"));

    // A new update starts from nothing: its first report shows, even 0.
    dialog.upgradeFailed();
    updateButton(row)->click();
    dialog.setUpgradeProgress(100, 0);
    dialog.setUpgradeProgress(3, 1);
    dialog.setUpgradeProgress(100, 100);
    QCOMPARE(progress.count(), 5);
    QCOMPARE(progress.at(2).at(0).toInt(), 0);
    QCOMPARE(progress.at(3).at(0).toInt(), 33);
    QCOMPARE(labelText(row, "label_ProgressNum"), QStringLiteral("100%"));
}

void TestFirmwareUpdate::reportsFromAWorkerReachTheRow()
{
    hidStructInfoAll device {};
    tavrixCopyText(device.hidPath, "/a");
    DUpdateFirmwareDia dialog;
    dialog.setDeviceList({device}, {});
    UpdateFirmwareInfoItem *row = dialog.rows().first();
    updateButton(row)->click();

    QThread *worker = QThread::create([&dialog] {
        for (int done = 1; done <= 4; ++done)
            dialog.setUpgradeProgress(4, done);
        dialog.upgradeSucceeded();
    });
    worker->start();
    QVERIFY(worker->wait(5000));
    delete worker;
    QTRY_COMPARE(shownPage(row), QStringLiteral("page_2"));
    QCOMPARE(row->findChild<QProgressBar *>()->value(), 100);
}

void TestFirmwareUpdate::mainWindowOpensDialogAfterCheck()
{
    QTemporaryDir emu;
    qputenv("TAVRIX_EMU_DIR", emu.path().toLocal8Bit());
    EmuDevice keyboard(emu.path(), EmuModels::find(QStringLiteral("QR108")), QStringLiteral("a"), false);
    keyboard.start();
    EmuDevice other(emu.path(), EmuModels::find(QStringLiteral("QM68")), QStringLiteral("b"), false);
    other.start();
    // The emulator's test image for the QR108 only.
    QVERIFY(EmuFirmwareImages::write(emu.path(), keyboard));
    DMainWidget w;
    w.resize(1200, 760);
    w.show();
    QVERIFY(QTest::qWaitFor([&w] { return w.devicePage()->getHidDeviceList().size() == 2; }, 10000));

    // Manual check: the emulator's image is newer than the keyboard's V1.00; no dimming.
    QVERIFY(w.checkUpgradeableDevices(true));
    QCOMPARE(w.upgradeHidList().size(), 1);
    QCOMPARE(QByteArray(w.upgradeHidList().first().newFirmwareVersion), QByteArray("V1.01"));
    DUpdateFirmwareDia *dialog = w.updateFirmwareDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowModality(), Qt::WindowModal);
    QCOMPARE(dialog->rows().size(), 1);
    QCOMPARE(dialog->rows().first()->getHidPath(), keyboard.socketPath());
    QVERIFY(w.upgradeMask() && !w.upgradeMask()->isVisible());

    // A second check while it is open opens no second dialog.
    QVERIFY(w.checkUpgradeableDevices(true));
    QCOMPARE(w.findChildren<DUpdateFirmwareDia *>().size(), 1);

    dialog->findChild<QPushButton *>("pushButton_Close")->click();
    QVERIFY(!w.updateFirmwareDialog());
    QTRY_COMPARE(w.findChildren<DUpdateFirmwareDia *>().size(), 0);

    // The automatic check opens the dialog a second later, over a dimmed window.
    QVERIFY(w.checkUpgradeableDevices(false));
    QVERIFY(!w.updateFirmwareDialog());
    QTRY_VERIFY_WITH_TIMEOUT(w.updateFirmwareDialog(), 3000);
    QVERIFY(w.upgradeMask()->isVisible());
    QCOMPARE(w.upgradeMask()->size(), w.size());
    w.updateFirmwareDialog()->findChild<QPushButton *>("pushButton_Close")->click();
    QVERIFY(!w.upgradeMask()->isVisible());

    // Nothing newer: the settings dialog says so.
    w.setFirmwareImageFolder(emu.path() + QStringLiteral("/none/"));
    DSettingsDia settings(&w);
    connect(&settings, &DSettingsDia::sigFirmwareUpgradeCheck, &w, &DMainWidget::onFirmwareUpgradeCheck);
    Q_EMIT settings.sigFirmwareUpgradeCheck();
    QCOMPARE(settings.notice()->text(), QStringLiteral("No upgradeable devices found"));
    QVERIFY(w.upgradeHidList().isEmpty());

    // An image that would not fit the flash is refused, and the user is told why.
    QDir().mkpath(emu.path() + QStringLiteral("/big"));
    QFile big(emu.path() + QStringLiteral("/big/QR108.bin"));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QByteArray oversize = EmuFirmwareImages::bootloaderImage(keyboard);
    oversize.append(QByteArray(0x80000 + 1 - oversize.size(), '\xff'));
    big.write(oversize);
    big.close();
    w.setFirmwareImageFolder(emu.path() + QStringLiteral("/big/"));
    Q_EMIT settings.sigFirmwareUpgradeCheck();
    QCOMPARE(settings.notice()->text(), QStringLiteral("The firmware image is not valid for this keyboard"));
    QVERIFY(w.upgradeHidList().isEmpty());
    QVERIFY(!w.updateFirmwareDialog());
    // The device page leaves its links' I/O threads to the caller.
    w.devicePage()->closeAllLinks();
    qunsetenv("TAVRIX_EMU_DIR");
}

// Close, Escape and the window manager's close end the dialog the same way: the
// main window is undimmed and clickable again.
void TestFirmwareUpdate::everyCloseUndims_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Close button") << QString("button");
    QTest::newRow("Escape") << QString("escape");
    QTest::newRow("window manager") << QString("wm");
}

void TestFirmwareUpdate::everyCloseUndims()
{
    QFETCH(QString, how);
    QTemporaryDir emu;
    qputenv("TAVRIX_EMU_DIR", emu.path().toLocal8Bit());
    EmuDevice keyboard(emu.path(), EmuModels::find(QStringLiteral("QR108")), QStringLiteral("a"), false);
    QVERIFY(EmuFirmwareImages::write(emu.path(), keyboard));
    QVERIFY(keyboard.start());
    DMainWidget w;
    w.resize(1200, 760);
    w.show();
    QVERIFY(QTest::qWaitFor([&w] { return w.devicePage()->getHidDeviceList().size() == 1; }, 10000));

    // The automatic check dims the window behind the dialog.
    QVERIFY(w.checkUpgradeableDevices(false));
    QTRY_VERIFY_WITH_TIMEOUT(w.updateFirmwareDialog(), 3000);
    QPointer<DUpdateFirmwareDia> dialog = w.updateFirmwareDialog();
    QVERIFY(w.upgradeMask()->isVisible());
    QSignalSpy closed(dialog.data(), &DUpdateFirmwareDia::sigUpdateFirmwareWindowClose);
    if (how == QLatin1String("button"))
        dialog->findChild<QPushButton *>("pushButton_Close")->click();
    else if (how == QLatin1String("escape"))
        QTest::keyClick(dialog.data(), Qt::Key_Escape);
    else
        dialog->close();  // what a window manager's close comes to
    QCOMPARE(closed.count(), 1);
    QVERIFY(!w.upgradeMask()->isVisible());
    QVERIFY(!w.updateFirmwareDialog());
    QTRY_VERIFY(!dialog);

    // A later check opens a fresh dialog.
    QVERIFY(w.checkUpgradeableDevices(true));
    QVERIFY(w.updateFirmwareDialog());
    w.updateFirmwareDialog()->close();
    w.devicePage()->closeAllLinks();
    qunsetenv("TAVRIX_EMU_DIR");
}

void TestFirmwareUpdate::everyKeyboardGetsAUsableRow_data()
{
    QTest::addColumn<bool>("fromSettings");
    QTest::newRow("automatic check") << false;
    QTest::newRow("check from the settings") << true;
}

// With two keyboards to update, the dialog kept the height of one row: the second
// row lay under the warning line and a click on its Update reached neither keyboard.
// Each check offers every keyboard, and each row's Update, clicked where the dialog
// shows it, reaches its own keyboard only.
void TestFirmwareUpdate::everyKeyboardGetsAUsableRow()
{
    QFETCH(bool, fromSettings);
    QTemporaryDir emu;
    qputenv("TAVRIX_EMU_DIR", emu.path().toLocal8Bit());
    EmuDevice keyboard(emu.path(), EmuModels::find(QStringLiteral("QR108")), QStringLiteral("a"), false);
    EmuDevice other(emu.path(), EmuModels::find(QStringLiteral("QM68")), QStringLiteral("b"), false);
    QVERIFY(EmuFirmwareImages::write(emu.path(), keyboard) && EmuFirmwareImages::write(emu.path(), other));
    QVERIFY(keyboard.start() && other.start());
    DMainWidget w;
    w.resize(1200, 760);
    w.show();
    QVERIFY(QTest::qWaitFor([&w] { return w.devicePage()->getHidDeviceList().size() == 2; }, 10000));

    if (fromSettings) {
        w.on_pushButton_Setting_clicked();
        auto *settings = w.findChild<DSettingsDia *>();
        QVERIFY(settings);
        settings->findChild<QPushButton *>("pushButton_UpgradeCheck")->click();
    } else {
        QVERIFY(w.checkUpgradeableDevices(false));
    }
    QTRY_VERIFY_WITH_TIMEOUT(w.updateFirmwareDialog(), 3000);
    DUpdateFirmwareDia *dialog = w.updateFirmwareDialog();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(dialog->rows().size(), 2);
    QCOMPARE(dialog->rows().at(0)->getHidPath(), keyboard.socketPath());
    QCOMPARE(dialog->rows().at(1)->getHidPath(), other.socketPath());
    QTRY_VERIFY(dialog->rows().at(1)->getHidInterface());

    const QString missed = clickWhereShown(updateButton(dialog->rows().at(1)));
    QVERIFY2(missed.isEmpty(), qPrintable("the click hit " + missed));
    QTRY_COMPARE(other.keyboard()->receivedCount(uint8_t(HidCmd::IntoFirmware)), 1);
    QCOMPARE(keyboard.keyboard()->receivedCount(uint8_t(HidCmd::IntoFirmware)), 0);
    QCOMPARE(dialog->activeRow(), dialog->rows().at(1));
    w.devicePage()->closeAllLinks();
    qunsetenv("TAVRIX_EMU_DIR");
}

void TestFirmwareUpdate::rowStateFollowsItsKeyboard_data()
{
    QTest::addColumn<QString>("before");       // what the row went through: "", succeeded, busy, failed
    QTest::addColumn<QString>("presentPath");  // the keyboard there now (empty: none)
    QTest::addColumn<QString>("presentVersion");
    QTest::addColumn<QString>("newerImage");  // empty: no image newer than its firmware
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("otherUsable");
    const QString reconnect = QStringLiteral("Reconnect the keyboard");
    QTest::newRow("gone") << ""
                          << ""
                          << ""
                          << ""
                          << "page_1"
                          << "V1.00" << reconnect << false << "/kb/a" << true;
    QTest::newRow("flashed, gone") << "succeeded"
                                   << ""
                                   << ""
                                   << ""
                                   << "page_2"
                                   << "V1.00" << reconnect << false << "/kb/a" << true;
    QTest::newRow("flashed, back with the old firmware") << "succeeded"
                                                         << "/kb/a"
                                                         << "V1.00"
                                                         << "V1.01"
                                                         << "page_1"
                                                         << "V1.00"
                                                         << "" << true << "/kb/a" << true;
    QTest::newRow("flashed, back with the new firmware") << "succeeded"
                                                         << "/kb/a"
                                                         << "V1.01"
                                                         << ""
                                                         << "page_2"
                                                         << "V1.01"
                                                         << "" << false << "/kb/a" << true;
    QTest::newRow("back under another path") << ""
                                             << "/kb/a2"
                                             << "V1.00"
                                             << "V1.01"
                                             << "page_1"
                                             << "V1.00"
                                             << "" << true << "/kb/a2" << true;
    QTest::newRow("updating: away on purpose") << "busy"
                                               << ""
                                               << ""
                                               << ""
                                               << "page_1"
                                               << "V1.00"
                                               << "" << true << "/kb/a" << false;
    QTest::newRow("failed: may wait in its bootloader") << "failed"
                                                        << ""
                                                        << ""
                                                        << ""
                                                        << "page_1"
                                                        << "V1.00"
                                                        << "Update failed" << true << "/kb/a" << false;
    // Back as a keyboard, it no longer waits in its bootloader: the other rows are free.
    QTest::newRow("failed, back as a keyboard") << "failed"
                                                << "/kb/a"
                                                << "V1.00"
                                                << "V1.01"
                                                << "page_1"
                                                << "V1.00"
                                                << "" << true << "/kb/a" << true;
}

// Each row follows its keyboard while the dialog is open, the other row's keyboard
// staying where it is; a row whose keyboard is away in its update mode is left alone.
void TestFirmwareUpdate::rowStateFollowsItsKeyboard()
{
    QFETCH(QString, before);
    QFETCH(QString, presentPath);
    QFETCH(QString, presentVersion);
    QFETCH(QString, newerImage);
    hidStructInfoAll device {};
    tavrixCopyText(device.hidName, "QR108");
    tavrixCopyText(device.hidPath, "/kb/a");
    hidStructInfoAll other {};
    tavrixCopyText(other.hidName, "QM68");
    tavrixCopyText(other.hidPath, "/kb/b");
    DUpdateFirmwareDia dialog;
    dialog.setDeviceList({offered(device, "V1.00", "V1.01"), offered(other, "V1.00", "V1.01")}, {});
    UpdateFirmwareInfoItem *row = dialog.rows().first();
    if (!before.isEmpty())
        updateButton(row)->click();
    if (before == QLatin1String("succeeded"))
        dialog.upgradeSucceeded();
    else if (before == QLatin1String("failed"))
        dialog.upgradeFailed();
    QTRY_COMPARE(row->isBusy(), before == QLatin1String("busy"));

    QList<hidStructInfoAll> present {offered(other, "V1.00", "V1.01")};
    if (!presentPath.isEmpty()) {
        hidStructInfoAll back = device;
        tavrixCopyText(back.hidPath, qPrintable(presentPath));
        present << offered(back, qPrintable(presentVersion), qPrintable(newerImage));
    }
    dialog.followKeyboards(present, {});
    QTEST(shownPage(row), "page");
    QTEST(row->currentVersion(), "version");
    QTEST(row->stateText(), "state");
    QTEST(updateButton(row)->isEnabled(), "enabled");
    QTEST(row->getHidPath(), "path");
    if (!presentPath.isEmpty() && newerImage == QLatin1String("V1.01"))
        QCOMPARE(row->findChild<QProgressBar *>()->value(), 0);
    // The other keyboard is where it was: its row is as it was, and usable unless
    // an update runs, or failed and its keyboard may wait in its bootloader.
    UpdateFirmwareInfoItem *second = dialog.rows().last();
    QVERIFY(second->stateText().isEmpty());
    QCOMPARE(second->currentVersion(), QStringLiteral("V1.00"));
    QTEST(updateButton(second)->isEnabled(), "otherUsable");
}

TAVRIX_TEST_MAIN(TestFirmwareUpdate)
#include "tst_firmwareupdate.moc"
