#include "sdk/tavrixhid.h"
#include "support/seqpacketpeer.h"
#include "support/testmain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace {

QByteArray report(unsigned char first, unsigned char step)
{
    QByteArray bytes(kTavrixHidReportSize, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(first + i * step);
    return bytes;
}

int write(int handle, const QByteArray &bytes)
{
    return CTavrixHid_HidWriteBuff(handle, reinterpret_cast<const unsigned char *>(bytes.constData()), "test");
}

// A socket file that nobody listens on any more, as a crashed emulator leaves.
void makeStaleSocket(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, encoded.constData(), size_t(encoded.size()));
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET, 0);
    QVERIFY(bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0);
    ::close(fd);
}

}  // namespace

class TestHidTransport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void openGivesHandleOrZero_data();
    void openGivesHandleOrZero();
    void handlesAreSmallAndDistinct();
    void writeArrivesByteExact();
    void readWithNothingPendingReturnsZeroAtOnce();
    void messagesOfOtherLengthsAreIgnored_data();
    void messagesOfOtherLengthsAreIgnored();
    void peerCloseMakesWritesFail();
    void closedOrUnknownHandleFails();
    void closeWakesABlockedRead();
    void writeToAStuckPeerGivesUp();
    void waitForInputEndsOnReportOrWake();

private:
    QString devicePath(const QString &name = QStringLiteral("vid_1209&pid_0001.sock")) const
    {
        return m_dir->path() + QLatin1Char('/') + name;
    }
    int openAccepted(SeqPacketPeer &peer);

    QScopedPointer<QTemporaryDir> m_dir;
};

void TestHidTransport::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
}

void TestHidTransport::cleanup()
{
    m_dir.reset();
}

int TestHidTransport::openAccepted(SeqPacketPeer &peer)
{
    const int handle = CTavrixHid_OpenPath(QFile::encodeName(peer.path()).constData());
    if (handle > 0 && !peer.accept())
        return 0;
    CTavrixHid_SetNonblocking(handle, 1);
    return handle;
}

void TestHidTransport::openGivesHandleOrZero_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("opens");
    QTest::newRow("listening device socket") << "listening" << true;
    QTest::newRow("missing path") << "missing" << false;
    QTest::newRow("socket without a device name") << "unnamed" << false;
    QTest::newRow("regular file with a device name") << "file" << false;
    QTest::newRow("socket nobody listens on") << "stale" << false;
    QTest::newRow("empty path") << "empty" << false;
}

void TestHidTransport::openGivesHandleOrZero()
{
    QFETCH(QString, kind);
    QFETCH(bool, opens);
    QString path = devicePath();
    QScopedPointer<SeqPacketPeer> peer;
    if (kind == "listening") {
        peer.reset(new SeqPacketPeer(path));
    } else if (kind == "unnamed") {
        path = devicePath(QStringLiteral("keyboard.sock"));
        peer.reset(new SeqPacketPeer(path));
    } else if (kind == "file") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (kind == "stale") {
        makeStaleSocket(path);
    } else if (kind == "empty") {
        path.clear();
    }
    if (peer)
        QVERIFY(peer->isListening());
    const int handle = CTavrixHid_OpenPath(QFile::encodeName(path).constData());
    QCOMPARE(handle > 0, opens);
    if (!opens)
        QCOMPARE(handle, 0);
    CTavrixHid_Close(handle);
    QCOMPARE(CTavrixHid_OpenPath(nullptr), 0);
}

void TestHidTransport::handlesAreSmallAndDistinct()
{
    SeqPacketPeer first(devicePath(QStringLiteral("vid_1209&pid_0003&a.sock")));
    SeqPacketPeer second(devicePath(QStringLiteral("vid_1209&pid_0003&b.sock")));
    const int a = openAccepted(first);
    const int b = openAccepted(second);
    QVERIFY(a > 0 && a < 1000);
    QVERIFY(b > 0 && b < 1000);
    QVERIFY(a != b);
    // Each handle reaches its own device.
    QCOMPARE(write(b, report(2, 1)), kTavrixHidReportSize);
    QCOMPARE(second.receive(), report(2, 1));
    QVERIFY(first.receive(50).isNull());
    CTavrixHid_Close(a);
    CTavrixHid_Close(b);
}

void TestHidTransport::writeArrivesByteExact()
{
    SeqPacketPeer peer(devicePath());
    const int handle = openAccepted(peer);
    QVERIFY(handle > 0);
    // Report id 0 and every byte value must pass untouched.
    const QByteArray first = report(0x00, 0x07);
    const QByteArray second = report(0x01, 0xFF);
    QCOMPARE(write(handle, first), kTavrixHidReportSize);
    QCOMPARE(write(handle, second), kTavrixHidReportSize);
    QCOMPARE(peer.receive(), first);
    QCOMPARE(peer.receive(), second);
    QCOMPARE(CTavrixHid_Close(handle), 0);
}

void TestHidTransport::readWithNothingPendingReturnsZeroAtOnce()
{
    SeqPacketPeer peer(devicePath());
    const int handle = openAccepted(peer);
    QVERIFY(handle > 0);
    unsigned char buffer[kTavrixHidReportSize];
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 100; ++i)
        QCOMPARE(CTavrixHid_HidReadBuff(handle, buffer), 0);
    QVERIFY2(timer.elapsed() < 50, "non-blocking reads must not wait");

    const QByteArray input = report(0x01, 3);
    QVERIFY(peer.send(input));
    QCOMPARE(CTavrixHid_HidReadBuff(handle, buffer), kTavrixHidReportSize);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), kTavrixHidReportSize), input);
    QCOMPARE(CTavrixHid_HidReadBuff(handle, buffer), 0);
    CTavrixHid_Close(handle);
}

void TestHidTransport::messagesOfOtherLengthsAreIgnored_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << 0;
    QTest::newRow("1 byte") << 1;
    QTest::newRow("63 bytes") << 63;
    QTest::newRow("65 bytes") << 65;
    QTest::newRow("1000 bytes") << 1000;
}

void TestHidTransport::messagesOfOtherLengthsAreIgnored()
{
    QFETCH(int, length);
    SeqPacketPeer peer(devicePath());
    const int handle = openAccepted(peer);
    QVERIFY(handle > 0);
    unsigned char buffer[kTavrixHidReportSize];

    QVERIFY(peer.send(QByteArray(length, char(0x5A))));
    QCOMPARE(CTavrixHid_HidReadBuff(handle, buffer), 0);

    // The odd message does not disturb the reports around it.
    const QByteArray good = report(0x01, 1);
    QVERIFY(peer.send(QByteArray(length, char(0x5A))));
    QVERIFY(peer.send(good));
    QCOMPARE(CTavrixHid_HidReadBuff(handle, buffer), kTavrixHidReportSize);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), kTavrixHidReportSize), good);
    QCOMPARE(write(handle, good), kTavrixHidReportSize);
    CTavrixHid_Close(handle);
}

void TestHidTransport::peerCloseMakesWritesFail()
{
    SeqPacketPeer peer(devicePath());
    const int handle = openAccepted(peer);
    QVERIFY(handle > 0);
    QCOMPARE(write(handle, report(1, 1)), kTavrixHidReportSize);
    peer.closeConnection();
    peer.closeListener();
    for (int i = 0; i < 3; ++i)
        QCOMPARE(write(handle, report(1, 1)), -1);
    unsigned char buffer[kTavrixHidReportSize];
    QVERIFY(CTavrixHid_HidReadBuff(handle, buffer) <= 0);
    QCOMPARE(CTavrixHid_Close(handle), 0);
}

void TestHidTransport::closedOrUnknownHandleFails()
{
    SeqPacketPeer peer(devicePath());
    const int handle = openAccepted(peer);
    QVERIFY(handle > 0);
    QCOMPARE(CTavrixHid_Close(handle), 0);
    unsigned char buffer[kTavrixHidReportSize];
    for (const int stale : {handle, 0, -1, 1 << 30}) {
        QCOMPARE(write(stale, report(1, 1)), -1);
        QCOMPARE(CTavrixHid_HidReadBuff(stale, buffer), -1);
        QCOMPARE(CTavrixHid_SetNonblocking(stale, 1), -1);
        QCOMPARE(CTavrixHid_Close(stale), -1);
    }
    // The peer sees the connection end.
    QVERIFY(peer.receive().isEmpty());
    // A new open never gets the closed handle back.
    const int again = CTavrixHid_OpenPath(QFile::encodeName(peer.path()).constData());
    QVERIFY(again > 0 && again != handle);
    CTavrixHid_Close(again);
}

void TestHidTransport::closeWakesABlockedRead()
{
    SeqPacketPeer peer(devicePath());
    const int handle = openAccepted(peer);
    QVERIFY(handle > 0);
    CTavrixHid_SetNonblocking(handle, 0);
    int result = 1;
    std::thread reader([&] {
        unsigned char buffer[kTavrixHidReportSize];
        result = CTavrixHid_HidReadBuff(handle, buffer);
    });
    QTest::qSleep(50);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(CTavrixHid_Close(handle), 0);
    reader.join();
    QVERIFY(timer.elapsed() < 500);
    QCOMPARE(result, -1);
}

void TestHidTransport::writeToAStuckPeerGivesUp()
{
    SeqPacketPeer peer(devicePath());
    const int handle = openAccepted(peer);
    QVERIFY(handle > 0);
    // The peer never reads: once its queue is full a write must fail, not hang.
    QElapsedTimer timer;
    timer.start();
    int written = 0;
    while (write(handle, report(1, 1)) == kTavrixHidReportSize && written < 100000)
        ++written;
    QVERIFY(written > 0);
    QVERIFY(timer.elapsed() < 3000);
    CTavrixHid_Close(handle);
}

TAVRIX_TEST_MAIN(TestHidTransport)
// The idle I/O loop sleeps here: a report from the keyboard or a write to the wake
// descriptor ends the sleep at once, and a keyboard that left does not end it early
// (the loop would spin).
void TestHidTransport::waitForInputEndsOnReportOrWake()
{
    SeqPacketPeer peer(devicePath());
    const int handle = openAccepted(peer);
    QVERIFY(handle > 0);
    const int wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    QVERIFY(wakeFd >= 0);
    constexpr int kLongMs = 20000;
    QElapsedTimer timer;

    QVERIFY(peer.send(report(0x02, 1)));
    timer.start();
    QCOMPARE(CTavrixHid_WaitForInput(handle, wakeFd, kLongMs), 1);
    unsigned char buffer[kTavrixHidReportSize];
    QCOMPARE(CTavrixHid_HidReadBuff(handle, buffer), kTavrixHidReportSize);

    std::thread waker([wakeFd] {
        QTest::qSleep(20);
        const uint64_t one = 1;
        QCOMPARE(::write(wakeFd, &one, sizeof one), ssize_t(sizeof one));
    });
    QCOMPARE(CTavrixHid_WaitForInput(handle, wakeFd, kLongMs), 0);
    waker.join();
    QVERIFY2(timer.elapsed() < kLongMs / 2, "a report or a wake ends the wait");
    uint64_t drained = 0;
    QCOMPARE(::read(wakeFd, &drained, sizeof drained), ssize_t(sizeof drained));

    QCOMPARE(CTavrixHid_WaitForInput(handle, wakeFd, 30), 0);  // nothing: the time passes
    peer.closeConnection();
    QVERIFY(CTavrixHid_HidReadBuff(handle, buffer) <= 0);
    timer.restart();
    QCOMPARE(CTavrixHid_WaitForInput(handle, wakeFd, 100), 0);
    QVERIFY2(timer.elapsed() >= 90, "a keyboard that left must not end the wait");
    CTavrixHid_Close(handle);
    QCOMPARE(CTavrixHid_WaitForInput(handle, wakeFd, 0), -1);
    ::close(wakeFd);
}

#include "tst_hidtransport.moc"
