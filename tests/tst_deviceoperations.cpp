// The registry of long device operations that the quit paths wait for: a quit goes on
// exactly when the last operation ended (or went away without ending), with the debug
// lines off as in a normal start as well as on.
#include "devicelink/deviceoperations.h"
#include "support/testmain.h"

#include <QLoggingCategory>
#include <QTimer>

#include <memory>

class TestDeviceOperations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void quitGoesOnAfterTheLastOperation_data();
    void quitGoesOnAfterTheLastOperation();
    void waitUntilIdleRunsTheEventLoop();
};

void TestDeviceOperations::quitGoesOnAfterTheLastOperation_data()
{
    QTest::addColumn<bool>("debugLines");
    QTest::addColumn<bool>("secondGoesAway");
    QTest::newRow("debug lines off, both end") << false << false;
    QTest::newRow("debug lines off, one goes away unended") << false << true;
    QTest::newRow("debug lines on") << true << false;
}

void TestDeviceOperations::quitGoesOnAfterTheLastOperation()
{
    QFETCH(bool, debugLines);
    QFETCH(bool, secondGoesAway);
    QLoggingCategory::setFilterRules(debugLines ? QStringLiteral("quorin.*.debug=true")
                                                : QStringLiteral("quorin.*.debug=false"));
    DeviceOperations *operations = DeviceOperations::instance();
    QObject update;
    auto download = std::make_unique<QObject>();
    QObject quitter;
    int quits = 0;

    // Nothing runs: the quit goes on at once.
    operations->whenIdle(&quitter, [&] { ++quits; });
    QCOMPARE(quits, 1);

    operations->begin(&update, "firmware update");
    operations->begin(download.get(), "Download");
    operations->begin(download.get(), "Download");  // no second entry
    QCOMPARE(operations->running().size(), 2);
    operations->whenIdle(&quitter, [&] { ++quits; });
    operations->end(&update);
    QVERIFY(operations->isBusy());
    QCOMPARE(quits, 1);
    if (secondGoesAway)
        download.reset();
    else
        operations->end(download.get());
    QVERIFY(!operations->isBusy());
    QCOMPARE(quits, 2);
    // Once only: a later operation's end is no second quit.
    operations->begin(&update, "firmware update");
    operations->end(&update);
    QCOMPARE(quits, 2);
    QLoggingCategory::setFilterRules(QStringLiteral("quorin.*.debug=true"));
}

// The way out after the event loop ended waits in a loop of its own, in which the
// operation's timers still fire.
void TestDeviceOperations::waitUntilIdleRunsTheEventLoop()
{
    DeviceOperations *operations = DeviceOperations::instance();
    QObject download;
    operations->begin(&download, "Download");
    QTimer::singleShot(50, &download, [&] { operations->end(&download); });
    operations->waitUntilIdle();
    QVERIFY(!operations->isBusy());
}

TAVRIX_TEST_MAIN(TestDeviceOperations)
#include "tst_deviceoperations.moc"
