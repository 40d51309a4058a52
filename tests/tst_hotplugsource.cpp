#include "platform/hotplugsource.h"
#include "platform/udevdevicemonitor.h"
#include "sdk/emulateddevicedir.h"
#include "support/seqpacketpeer.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

// A notice comes within a fraction of a second (bench_hotplugnotice measures it); the
// waits here only end a hang.
static constexpr int kNoticeWaitMs = kChildProcessWaitMs;

class TestHotPlugSource : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void socketGivesOneArrivalAndOneRemoval();
    void otherFilesGiveNothing();
    void socketMadeAgainGivesRemovalThenArrival();
    void folderMadeAfterStartIsWatched();
    void withoutEmulatorFolderNothingComes();
    void usbPathTextHoldsVidAndPid_data();
    void usbPathTextHoldsVidAndPid();

private:
    void startSource(const QString &dir);
    // Plugs a marker device in and out and waits for both of its notices: notices come
    // in the order of the changes, so every change made before has been told by then.
    void flushNotices(const QString &dir);

    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<HotPlugSource> m_source;
    QScopedPointer<QSignalSpy> m_arrived;
    QScopedPointer<QSignalSpy> m_removed;
};

void TestHotPlugSource::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestHotPlugSource::cleanup()
{
    m_arrived.reset();
    m_removed.reset();
    m_source.reset();
    m_dir.reset();
    qunsetenv(EmulatedDeviceDir::kEnvironmentVariable);
}

void TestHotPlugSource::startSource(const QString &dir)
{
    if (dir.isEmpty())
        qunsetenv(EmulatedDeviceDir::kEnvironmentVariable);
    else
        qputenv(EmulatedDeviceDir::kEnvironmentVariable, QFile::encodeName(dir));
    m_source.reset(new HotPlugSource);
    m_arrived.reset(new QSignalSpy(m_source.data(), &HotPlugSource::sigDeviceArrived));
    m_removed.reset(new QSignalSpy(m_source.data(), &HotPlugSource::sigDeviceRemoved));
    m_source->start();
}

void TestHotPlugSource::flushNotices(const QString &dir)
{
    const QString marker = dir + "/vid_1209&pid_0002&marker.sock";
    const auto told = [&marker](const QSignalSpy &spy) {
        return std::any_of(spy.begin(), spy.end(), [&](const QList<QVariant> &n) { return n.first() == marker; });
    };
    QScopedPointer<SeqPacketPeer> peer(new SeqPacketPeer(marker));
    QTRY_VERIFY_WITH_TIMEOUT(told(*m_arrived), kNoticeWaitMs);
    peer.reset();
    QTRY_VERIFY_WITH_TIMEOUT(told(*m_removed), kNoticeWaitMs);
    m_arrived->removeLast();
    m_removed->removeLast();
}

void TestHotPlugSource::socketGivesOneArrivalAndOneRemoval()
{
    // A device present before the start is not an arrival.
    SeqPacketPeer before(m_dir->path() + "/vid_1209&pid_0003.sock");
    startSource(m_dir->path());
    QCOMPARE(m_source->emulatorDirectory(), m_dir->path());

    const QString path = m_dir->path() + "/vid_1209&pid_0001&k1.sock";
    QScopedPointer<SeqPacketPeer> peer(new SeqPacketPeer(path));
    QVERIFY(m_arrived->wait(kNoticeWaitMs));
    flushNotices(m_dir->path());
    QCOMPARE(m_arrived->count(), 1);
    QCOMPARE(m_arrived->first().first().toString(), path);
    QCOMPARE(m_removed->count(), 0);

    peer.reset();
    QVERIFY(m_removed->wait(kNoticeWaitMs));
    flushNotices(m_dir->path());
    QCOMPARE(m_removed->count(), 1);
    QCOMPARE(m_removed->first().first().toString(), path);
    QCOMPARE(m_arrived->count(), 1);
}

void TestHotPlugSource::otherFilesGiveNothing()
{
    startSource(m_dir->path());
    SeqPacketPeer unnamed(m_dir->path() + "/keyboard.sock");
    QFile file(m_dir->path() + "/vid_1209&pid_0001.sock");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    flushNotices(m_dir->path());
    QCOMPARE(m_arrived->count(), 0);
    QFile::remove(file.fileName());
    flushNotices(m_dir->path());
    QCOMPARE(m_removed->count(), 0);
}

void TestHotPlugSource::socketMadeAgainGivesRemovalThenArrival()
{
    const QString path = m_dir->path() + "/vid_1209&pid_0001.sock";
    QScopedPointer<SeqPacketPeer> peer(new SeqPacketPeer(path));
    startSource(m_dir->path());
    // Unplugged and back before the event loop looks: still one of each.
    peer.reset();
    peer.reset(new SeqPacketPeer(path));
    QVERIFY(m_arrived->wait(kNoticeWaitMs));
    flushNotices(m_dir->path());
    QCOMPARE(m_removed->count(), 1);
    QCOMPARE(m_arrived->count(), 1);
}

void TestHotPlugSource::folderMadeAfterStartIsWatched()
{
    const QString folder = m_dir->path() + "/later";
    startSource(folder);
    QVERIFY(QDir().mkdir(folder));
    SeqPacketPeer peer(folder + "/vid_1209&pid_0004.sock");
    QVERIFY(m_arrived->wait(kNoticeWaitMs));
    flushNotices(folder);
    QCOMPARE(m_arrived->count(), 1);
}

void TestHotPlugSource::withoutEmulatorFolderNothingComes()
{
    // Where udev sends no events (a container, CI) the source stays silent.
    startSource(QString());
    QVERIFY(m_source->emulatorDirectory().isEmpty());
    SeqPacketPeer peer(m_dir->path() + "/vid_1209&pid_0001.sock");
    // No folder is watched, so nothing can be on its way: what is due is handled now.
    QCoreApplication::processEvents();
    for (const QList<QVariant> &notice : *m_arrived)
        QVERIFY(!notice.first().toString().startsWith(m_dir->path()));
}

void TestHotPlugSource::usbPathTextHoldsVidAndPid_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("expected");
    const QString sys = QStringLiteral("/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2");
    QTest::newRow("bootloader") << "1209/e/100" << sys + "#vid_1209&pid_000e";
    QTest::newRow("letters") << "46d/C52B/1211" << sys + "#vid_046d&pid_c52b";
    QTest::newRow("no PRODUCT") << "" << sys;
    QTest::newRow("not hex") << "zz/1/1" << sys;
    QTest::newRow("too wide") << "12345/1/1" << sys;
}

void TestHotPlugSource::usbPathTextHoldsVidAndPid()
{
    QFETCH(QString, product);
    QTEST(UdevDeviceMonitor::usbPathText(QStringLiteral("/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2"), product),
          "expected");
}

TAVRIX_TEST_MAIN(TestHotPlugSource)
#include "tst_hotplugsource.moc"
