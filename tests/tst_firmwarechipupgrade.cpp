// The chip-vendor flashing against a stand-in of the vendor's library and an
// emulated QB84 that plays its chip-upgrade mode: the offer, the drive scan, the
// flashing with its progress, every outcome's debug text, and no offer at all
// without the library.
#include "app/dmainwidget.h"
#include "devicepage/ddevicepage.h"
#include "emubootloader.h"
#include "emudevice.h"
#include "emufirmware.h"
#include "emumodel.h"
#include "firmware/dupdatefirmwaredia.h"
#include "firmware/updatefirmwareinfoitem.h"
#include "sdk/chipupgradelibrary.h"
#include "support/testmain.h"
#include "widgets/cbnotice.h"

#include <QFile>
#include <QLibrary>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

QStringList g_debugLines;
QtMessageHandler g_previousHandler = nullptr;

void collectMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    g_debugLines.append(text);
    if (g_previousHandler)
        g_previousHandler(type, context, text);
}

// The stand-in library, loaded by path as the main window loads it.
struct Stub
{
    QLibrary library {qEnvironmentVariable("TAVRIX_CHIPSTUB")};
    void (*reset)() = nullptr;
    void (*set)(const char *, int) = nullptr;
    int (*get)(const char *) = nullptr;
    const char *(*queried)() = nullptr;

    bool load()
    {
        if (!library.load())
            return false;
        reset = reinterpret_cast<void (*)()>(library.resolve("chipstub_reset"));
        set = reinterpret_cast<void (*)(const char *, int)>(library.resolve("chipstub_set"));
        get = reinterpret_cast<int (*)(const char *)>(library.resolve("chipstub_get"));
        queried = reinterpret_cast<const char *(*)()>(library.resolve("chipstub_queried"));
        return reset && set && get && queried;
    }
};

struct ChipFixture
{
    QTemporaryDir emu;
    EmuDevice keyboard {emu.path(), EmuModels::find(QStringLiteral("QB84")), QStringLiteral("c"), false};
    EmuFirmwareCycle cycle {&keyboard};
    std::unique_ptr<DMainWidget> window;

    ChipFixture() { qputenv("TAVRIX_EMU_DIR", emu.path().toLocal8Bit()); }
    ~ChipFixture()
    {
        if (window) {
            window->devicePage()->closeAllLinks();
            window.reset();
        }
        qunsetenv("TAVRIX_EMU_DIR");
    }

    // Starts the keyboard and a main window; true when the keyboard is listed.
    bool start(bool withLibrary)
    {
        if (!EmuFirmwareImages::write(emu.path(), keyboard) || !keyboard.start())
            return false;
        window = std::make_unique<DMainWidget>();
        if (withLibrary && !window->loadChipUpgradeLibrary(qEnvironmentVariable("TAVRIX_CHIPSTUB")))
            return false;
        // The drive scan waits until the test lets it go (scanNow), once the keyboard has
        // had its chance to switch: the switch and the scan never race.
        DMainWidget::FirmwareUpgradeBounds bounds;
        bounds.chipScanDelayMs = 600000;
        window->setFirmwareUpgradeBounds(bounds);
        window->show();
        return QTest::qWaitFor([this] { return window->devicePage()->getHidDeviceList().size() == 1; }, 10000);
    }
    DUpdateFirmwareDia *dialog() const { return window->updateFirmwareDialog(); }
    UpdateFirmwareInfoItem *row() const { return dialog()->rows().first(); }
    QString notice() const { return dialog()->findChild<CbNotice *>()->text(); }
    // Ends the wait before the drive scan.
    bool scanNow() const
    {
        auto *wait = window->findChild<QTimer *>(QStringLiteral("firmwareUpgradeWait"));
        if (!wait || !wait->isActive())
            return false;
        wait->start(0);
        return true;
    }
};

}  // namespace

class TestFirmwareChipUpgrade : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_stub.load(), qPrintable(m_stub.library.errorString()));
        g_previousHandler = qInstallMessageHandler(collectMessages);
    }
    void cleanupTestCase() { qInstallMessageHandler(g_previousHandler); }
    void init()
    {
        m_stub.reset();
        g_debugLines.clear();
    }

    void offeredOnlyWithTheLibrary();
    void outcomes_data();
    void outcomes();
    void errorTexts_data();
    void errorTexts();

private:
    Stub m_stub;
};

void TestFirmwareChipUpgrade::offeredOnlyWithTheLibrary()
{
    {
        // Without the vendor's library a chip keyboard is never offered an update.
        ChipFixture f;
        QVERIFY(f.start(false));
        QVERIFY(!f.window->checkUpgradeableDevices(true));
        QVERIFY(!f.window->loadChipUpgradeLibrary(f.emu.path() + QStringLiteral("/missing")));
        QVERIFY(!f.window->checkUpgradeableDevices(true));
        QCOMPARE(m_stub.get("loads"), 0);
    }
    ChipFixture f;
    QVERIFY(f.start(true));
    QVERIFY(f.window->checkUpgradeableDevices(true));
    QCOMPARE(QByteArray(f.window->upgradeHidList().first().newFirmwareVersion), QByteArray("V1.1"));
    QCOMPARE(f.row()->getHidName(), QStringLiteral("QB84"));
    f.dialog()->close();

    // An image under the model's name that is made for another model is refused.
    QFile image(EmuFirmwareImages::folder(f.emu.path()) + QStringLiteral("/QB84.ufw"));
    QVERIFY(image.open(QIODevice::WriteOnly));
    image.write(EmuFirmwareImages::chipImage(QStringLiteral("QB85")));
    image.close();
    QVERIFY(!f.window->checkUpgradeableDevices(true));
    // The library refusing the image (a failed load) makes it no offer either.
    QVERIFY(image.open(QIODevice::WriteOnly));
    image.write(EmuFirmwareImages::chipImage(QStringLiteral("QB84")));
    image.close();
    m_stub.set("load", -3);
    QVERIFY(!f.window->checkUpgradeableDevices(true));
    QVERIFY(g_debugLines.contains(QStringLiteral("The chip firmware image is empty or cannot be read")));
}

void TestFirmwareChipUpgrade::outcomes_data()
{
    QTest::addColumn<bool>("entersUpdateMode");
    QTest::addColumn<char>("drive");
    QTest::addColumn<int>("query");
    QTest::addColumn<int>("upgrade");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QString>("queried");
    QTest::addColumn<QString>("debugLine");
    QTest::addColumn<int>("lastProgress");

    const QString query = QStringLiteral("JL m_queryDevicePidVid()  csErrorText:");
    const QString upgrade = QStringLiteral("JL m_upgradeDevice()  csErrorText:");
    QTest::newRow("found on E: and flashed") << true << 'E' << 0 << 0 << "Update successful"
                                             << "ABCDE" << QString() << 100;
    QTest::newRow("no drive answers") << false << 'E' << 0 << 0 << "Update failed"
                                      << "ABCDEFGHIJKLMNOPQRSTUVWXYZ" << query + "Error -5" << -1;
    QTest::newRow("error on C: ends the scan") << true << 'C' << -9 << 0 << "Update failed"
                                               << "ABC" << query + "Error -9" << -1;
    QTest::newRow("query -10 reads Error -1") << true << 'E' << -10 << 0 << "Update failed"
                                              << "ABCDE" << query + "Error -1" << -1;
    QTest::newRow("flashing fails with -10") << true << 'E' << 0 << -10 << "Update failed"
                                             << "ABCDE" << upgrade + "Error -10" << 40;
    QTest::newRow("flashing fails with -22") << true << 'E' << 0 << -22 << "Update failed"
                                             << "ABCDE" << upgrade + "Error -22" << 40;
}

void TestFirmwareChipUpgrade::outcomes()
{
    QFETCH(bool, entersUpdateMode);
    QFETCH(char, drive);
    QFETCH(int, query);
    QFETCH(int, upgrade);
    QFETCH(QString, notice);
    QFETCH(QString, queried);
    QFETCH(QString, debugLine);
    QFETCH(int, lastProgress);

    ChipFixture f;
    f.cycle.setIgnoreUpdateRequest(!entersUpdateMode);
    QVERIFY(f.start(true));
    QVERIFY(f.window->checkUpgradeableDevices(true));
    QTRY_VERIFY(f.row()->getHidInterface());
    m_stub.set("drive", drive);
    m_stub.set("query", query);
    m_stub.set("upgrade", upgrade);
    const int loadsBefore = m_stub.get("loads");
    QSignalSpy progress(f.dialog(), &DUpdateFirmwareDia::sigUpgradeProgress);
    g_debugLines.clear();

    QSignalSpy switched(&f.cycle, &EmuFirmwareCycle::sigEnteredBootloader);
    f.row()->findChild<QPushButton *>("pushButton_Update")->click();
    if (entersUpdateMode)
        QVERIFY(switched.wait(30000));
    QVERIFY(f.scanNow());
    QTRY_VERIFY_WITH_TIMEOUT(!f.row()->isBusy(), 30000);
    QCOMPARE(f.notice(), notice);
    QCOMPARE(QString::fromLatin1(m_stub.queried()), queried);
    // The keyboard's own image is loaded again before the scan.
    QCOMPARE(m_stub.get("loads"), loadsBefore + 1);
    if (debugLine.isEmpty()) {
        QVERIFY(!g_debugLines.filter(QStringLiteral("csErrorText")).size());
    } else {
        QVERIFY2(g_debugLines.contains(debugLine), qPrintable(g_debugLines.join('\n')));
    }
    const bool flashed = query == 0 && entersUpdateMode;
    QCOMPARE(m_stub.get("upgrades"), flashed ? 1 : 0);
    if (flashed) {
        QCOMPARE(char(m_stub.get("upgradeDrive")), drive);
        QCOMPARE(m_stub.get("upgradeFlag1"), 1);
        QCOMPARE(m_stub.get("upgradeFlag2"), 1);
        QCOMPARE(char(m_stub.get("flashedIdentity")), 'Q');
        // The library's percentages reach the row in order.
        QVERIFY(progress.count() >= 3);
        QCOMPARE(progress.first().at(0).toInt(), 0);
        QCOMPARE(progress.last().at(0).toInt(), lastProgress);
    } else {
        QCOMPARE(progress.count(), 0);
    }
    if (notice == QLatin1String("Update successful")) {
        // The emulated keyboard comes back from its chip-upgrade mode with the new version.
        QTRY_COMPARE_WITH_TIMEOUT(f.row()->currentVersion(), QStringLiteral("V1.1"), 30000);
    } else {
        QCOMPARE(f.row()->stateText(), QStringLiteral("Update failed"));
        QVERIFY(f.row()->findChild<QPushButton *>("pushButton_Update")->isEnabled());
    }
    QVERIFY(!f.window->isUpgradeRunning());
}

void TestFirmwareChipUpgrade::errorTexts_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("afterQuery");
    QTest::addColumn<QString>("afterUpgrade");
    for (int code : {-26, -25, -24, -23, -22, -21, -20, -18, -9, -6, -5, -3}) {
        const QString text = QStringLiteral("Error %1").arg(code);
        QTest::newRow(qPrintable(text)) << code << text << text;
    }
    QTest::newRow("-10") << -10 << "Error -1"
                         << "Error -10";
    for (int code : {-19, -7, -4, -2, -1, 1, 7})
        QTest::newRow(qPrintable(QString::number(code))) << code << "Error -1"
                                                         << "Error -1";
}

void TestFirmwareChipUpgrade::errorTexts()
{
    QFETCH(int, result);
    QFETCH(QString, afterQuery);
    QFETCH(QString, afterUpgrade);
    QCOMPARE(ChipUpgradeLibrary::errorText(result, false), afterQuery);
    QCOMPARE(ChipUpgradeLibrary::errorText(result, true), afterUpgrade);
}

TAVRIX_TEST_MAIN(TestFirmwareChipUpgrade)
#include "tst_firmwarechipupgrade.moc"
