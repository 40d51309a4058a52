#include "platform/crashdump.h"
#include "support/testmain.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace {

QString nameOf(qint64 when, long offset)
{
    char out[64];
    CrashDump::formatDumpName(static_cast<time_t>(when), offset, out, sizeof(out));
    return QString::fromLatin1(out);
}

QString expectedName(qint64 when, long offset)
{
    return QDateTime::fromSecsSinceEpoch(when, Qt::OffsetFromUTC, static_cast<int>(offset))
               .toString("yyyy_MM_dd_hh_mm_ss")
        + ".dmp";
}

}  // namespace

// The dump's file name is formatted by hand inside the signal handler.
class TestCrashDump : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dumpName_data();
    void dumpName();
    void dumpNameAgreesWithCalendarOverCenturies();
    void dumpNameIsCutToTheBuffer();
};

void TestCrashDump::dumpName_data()
{
    QTest::addColumn<qint64>("when");
    QTest::addColumn<long>("offset");
    QTest::addColumn<QString>("name");
    QTest::newRow("end of January") << qint64(1706745547) << 0L << "2024_01_31_23_59_07.dmp";
    QTest::newRow("east of UTC crosses into February") << qint64(1706745547) << 3600L << "2024_02_01_00_59_07.dmp";
    QTest::newRow("west of UTC falls on a leap day") << qint64(1709258400) << -18000L << "2024_02_29_21_00_00.dmp";
    QTest::newRow("epoch") << qint64(0) << 0L << "1970_01_01_00_00_00.dmp";
    QTest::newRow("before the epoch locally") << qint64(0) << -3600L << "1969_12_31_23_00_00.dmp";
}

void TestCrashDump::dumpName()
{
    QFETCH(qint64, when);
    QFETCH(long, offset);
    QFETCH(QString, name);
    QCOMPARE(nameOf(when, offset), name);
}

void TestCrashDump::dumpNameAgreesWithCalendarOverCenturies()
{
    QRandomGenerator rng(7);
    for (int i = 0; i < 20000; ++i) {
        const qint64 when = static_cast<qint64>(rng.generate64() % 8000000000ULL);  // 1970 .. 2223
        const long offset = static_cast<long>(rng.bounded(-14 * 4, 14 * 4 + 1)) * 900;
        QCOMPARE(nameOf(when, offset), expectedName(when, offset));
    }
}

void TestCrashDump::dumpNameIsCutToTheBuffer()
{
    char out[11];
    QCOMPARE(CrashDump::formatDumpName(1706745547, 0, out, sizeof(out)), 10);
    QCOMPARE(QByteArray(out), QByteArray("2024_01_31"));
}

TAVRIX_TEST_MAIN(TestCrashDump)
#include "tst_crashdump.moc"
