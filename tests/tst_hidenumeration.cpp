#include "sdk/emulateddevicedir.h"
#include "sdk/hidrawdevices.h"
#include "sdk/tavrixhid.h"
#include "sdk/tavrixsdk.h"
#include "support/seqpacketpeer.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

QStringList libraryPaths()
{
    std::vector<std::string> paths;
    CTavrixHid_GetHidInfoList(paths);
    QStringList list;
    for (const std::string &path : paths)
        list.append(QString::fromUtf8(path.c_str()));
    return list;
}

// The way the application hands a path back: read as UTF-8, passed as Latin-1.
QByteArray asCallerPasses(const QString &path)
{
    return path.toLatin1();
}

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

}  // namespace

class TestHidEnumeration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void listsOnlySupportedEmulatedDevices();
    void describesEachDevice_data();
    void describesEachDevice();
    void unsupportedOrMissingDevicesAreNotDescribed_data();
    void unsupportedOrMissingDevicesAreNotDescribed();
    void firmwareTextsComeFromTheSidecar_data();
    void firmwareTextsComeFromTheSidecar();
    void modelMapAndSupportList();
    void pathWithLatin1CharactersRoundTrips();
    void withoutEmulatorFolderNoEmulatedDevices();
    void realBackendEnumeratesWithoutError();
    void realPathsMapBackToTheirNode_data();
    void realPathsMapBackToTheirNode();

private:
    QString path(const QString &name) const { return m_dir.path() + QLatin1Char('/') + name; }

    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<SeqPacketPeer>> m_peers;
};

void TestHidEnumeration::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const char *sockets[] = {
        "vid_1209&pid_0001.sock",      // QR108 over its cable
        "vid_1209&pid_0002&r1.sock",   // QR108 through its receiver
        "vid_1209&pid_0003&a.sock",    // two QM68 told apart by their tags
        "vid_1209&pid_0003&b-2.sock",  //
        "vid_1209&pid_0099.sock",      // PID not in the catalogue
        "vid_abcd&pid_0001.sock",      // VID not in the catalogue
        "vid_1209&pid_000e.sock",      // bootloader: not a keyboard model
        "VID_1209&PID_0004.sock",      // upper case: not a device name
        "vid_1209&pid_0004&bad tag.sock", "vid_1209&pid_0004.socket",
    };
    for (const char *name : sockets) {
        m_peers.emplace_back(new SeqPacketPeer(path(QString::fromLatin1(name))));
        QVERIFY2(m_peers.back()->isListening(), name);
    }
    writeFile(path("vid_1209&pid_0005.sock"), "not a socket");
    writeFile(path("notes.txt"), "");
    QVERIFY(QDir().mkdir(path("vid_1209&pid_0004&dir.sock")));
    qputenv(EmulatedDeviceDir::kEnvironmentVariable, QFile::encodeName(m_dir.path()));
}

void TestHidEnumeration::cleanupTestCase()
{
    qunsetenv(EmulatedDeviceDir::kEnvironmentVariable);
}

void TestHidEnumeration::listsOnlySupportedEmulatedDevices()
{
    const QStringList expected = {path("vid_1209&pid_0001.sock"), path("vid_1209&pid_0002&r1.sock"),
                                  path("vid_1209&pid_0003&a.sock"), path("vid_1209&pid_0003&b-2.sock")};
    QCOMPARE(libraryPaths(), expected);
    for (const QString &device : expected)
        QVERIFY(QDir::isAbsolutePath(device));

    // The list is replaced, not added to.
    std::vector<std::string> paths = {"stale entry"};
    QCOMPARE(CTavrixHid_GetHidInfoList(paths), 4);
    QCOMPARE(int(paths.size()), 4);
}

void TestHidEnumeration::describesEachDevice_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("connection");
    QTest::addColumn<QString>("serial");

    QTest::newRow("cable") << "vid_1209&pid_0001.sock"
                           << "QR108"
                           << "Quorin QR108" << 0 << "";
    QTest::newRow("receiver") << "vid_1209&pid_0002&r1.sock"
                              << "QR108"
                              << "Quorin QR108" << 1 << "r1";
    QTest::newRow("tagged twin") << "vid_1209&pid_0003&b-2.sock"
                                 << "QM68"
                                 << "Quorin QM68" << 0 << "b-2";
}

void TestHidEnumeration::describesEachDevice()
{
    QFETCH(QString, file);
    const QString devicePath = path(file);
    HidDeviceInfoStu device;
    FirmwareInfoStu firmware;
    QVERIFY(CTavrixHid_GetHidAndFirmwareInfoStu(asCallerPasses(devicePath).constData(), &device, &firmware));
    QCOMPARE(QString::fromUtf8(device.hidPath), devicePath);
    QTEST(QString::fromUtf8(device.modelName), "model");
    QTEST(QString::fromUtf8(device.productName), "product");
    QTEST(int(device.connectType), "connection");
    QTEST(QString::fromUtf8(device.serialNumber), "serial");
    // The path holds the VID and PID, as the device-change filter needs.
    const QString pid = file.mid(13, 4);
    QVERIFY(devicePath.contains(QLatin1String("1209")) && devicePath.contains(pid));
    QCOMPARE(QString::fromUtf8(firmware.text[FirmwareInfoStu::CurrentVersion]), QStringLiteral("V1.00"));
    QVERIFY(QByteArray(firmware.text[FirmwareInfoStu::IdentityPart0]).contains(device.modelName));

    // The handle works on the same path.
    const int handle = CTavrixHid_OpenPath(asCallerPasses(devicePath).constData());
    QVERIFY(handle > 0);
    CTavrixHid_Close(handle);
}

void TestHidEnumeration::unsupportedOrMissingDevicesAreNotDescribed_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("unknown PID") << "vid_1209&pid_0099.sock";
    QTest::newRow("unknown VID") << "vid_abcd&pid_0001.sock";
    QTest::newRow("bootloader") << "vid_1209&pid_000e.sock";
    QTest::newRow("regular file") << "vid_1209&pid_0005.sock";
    QTest::newRow("folder") << "vid_1209&pid_0004&dir.sock";
    QTest::newRow("gone") << "vid_1209&pid_0004&gone.sock";
    QTest::newRow("upper case") << "VID_1209&PID_0004.sock";
    QTest::newRow("not a device path") << "notes.txt";
}

void TestHidEnumeration::unsupportedOrMissingDevicesAreNotDescribed()
{
    QFETCH(QString, file);
    HidDeviceInfoStu device;
    FirmwareInfoStu firmware;
    std::memset(&device, 0x55, sizeof device);
    std::memset(&firmware, 0x55, sizeof firmware);
    QVERIFY(!CTavrixHid_GetHidAndFirmwareInfoStu(asCallerPasses(path(file)).constData(), &device, &firmware));
    QCOMPARE(device.hidPath[0], '\0');
    QCOMPARE(firmware.text[0][0], '\0');
    QVERIFY(!CTavrixHid_GetHidAndFirmwareInfoStu(nullptr, &device, &firmware));
    QVERIFY(!CTavrixHid_GetHidAndFirmwareInfoStu("x", nullptr, nullptr));
}

void TestHidEnumeration::firmwareTextsComeFromTheSidecar_data()
{
    QTest::addColumn<QByteArray>("sidecar");
    QTest::addColumn<QString>("identity");  // texts 0-3, "," and text 4, as the firmware list joins them
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("date");

    QTest::newRow("no sidecar") << QByteArray() << "Quorin-QR108_0001,Cable"
                                << "V1.00"
                                << "";
    QTest::newRow("all texts") << QByteArray(
        R"({"firmwareId":["A-","B","C","D","E"],"firmwareVersion":"V2.10","firmwareDate":"2024-05-01 10:00"})")
                               << "A-BCD,E"
                               << "V2.10"
                               << "2024-05-01 10:00";
    QTest::newRow("version only") << QByteArray(R"({"firmwareVersion":"V1.9"})") << "Quorin-QR108_0001,Cable"
                                  << "V1.9"
                                  << "";
    QTest::newRow("text longer than its field") << QByteArray(R"({"firmwareVersion":")" + QByteArray(100, 'v') + "\"}")
                                                << "Quorin-QR108_0001,Cable" << QString(63, QLatin1Char('v')) << "";
    QTest::newRow("malformed") << QByteArray("{firmwareVersion") << "Quorin-QR108_0001,Cable"
                               << "V1.00"
                               << "";
}

void TestHidEnumeration::firmwareTextsComeFromTheSidecar()
{
    QFETCH(QByteArray, sidecar);
    const QString devicePath = path("vid_1209&pid_0001.sock");
    QFile::remove(devicePath + ".json");
    if (!sidecar.isNull())
        writeFile(devicePath + ".json", sidecar);
    HidDeviceInfoStu device;
    FirmwareInfoStu firmware;
    QVERIFY(CTavrixHid_GetHidAndFirmwareInfoStu(asCallerPasses(devicePath).constData(), &device, &firmware));
    QFile::remove(devicePath + ".json");
    auto text = [&](int n) { return QString::fromUtf8(firmware.text[n]); };
    QTEST(text(0) + text(1) + text(2) + text(3) + "," + text(4), "identity");
    QTEST(text(FirmwareInfoStu::CurrentVersion), "version");
    QTEST(text(FirmwareInfoStu::SecondVersion), "date");
    for (int n = 0; n < FirmwareInfoStu::TextCount; ++n)
        QCOMPARE(firmware.text[n][FirmwareInfoStu::TextSize - 1], '\0');
}

void TestHidEnumeration::modelMapAndSupportList()
{
    std::map<std::string, HidInfoStu> models;
    QCOMPARE(CTavrixHid_GetHidInfoStuMapList(models), 3);
    struct Expected
    {
        const char *name, *product;
        int keys, type;
    };
    for (const Expected &expected : {Expected {"QB84", "Quorin QB84", 84, 3}, Expected {"QM68", "Quorin QM68", 68, 4},
                                     Expected {"QR108", "Quorin QR108", 108, 3}}) {
        QVERIFY(models.count(expected.name));
        const HidInfoStu &model = models.at(expected.name);
        QCOMPARE(QByteArray(model.deviceKind), QByteArray("keyboard"));
        QCOMPARE(QByteArray(model.modelName), QByteArray(expected.name));
        QCOMPARE(QByteArray(model.productName), QByteArray(expected.product));
        QVERIFY(model.secondName[0] != '\0');
        QCOMPARE(model.keyCount, expected.keys);
        QCOMPARE(model.modelValue4, expected.type);
    }
    // The map is in model-name order, as the offline cards are.
    QCOMPARE(models.begin()->first, std::string("QB84"));

    std::vector<SupportInfoStu> support;
    QCOMPARE(CTavrixHid_GetSupportInfoList(support), 5);
    QStringList ids;
    for (const SupportInfoStu &entry : support)
        ids << QString::fromLatin1(entry.vid) + ":" + QString::fromLatin1(entry.pid) + ":"
                + QString::number(entry.connectType);
    QCOMPARE(ids, QStringList({"1209:0001:0", "1209:0002:1", "1209:0003:0", "1209:0004:0", "1209:0005:1"}));
}

void TestHidEnumeration::pathWithLatin1CharactersRoundTrips()
{
    // The folder name reaches the application as UTF-8 and comes back as
    // Latin-1; the library must still find the device.
    const QString folder = path(QString::fromUtf8("caf\u00e9"));
    QVERIFY(QDir().mkdir(folder));
    const QString devicePath = folder + "/vid_1209&pid_0004.sock";
    SeqPacketPeer peer(devicePath);
    QVERIFY(peer.isListening());
    qputenv(EmulatedDeviceDir::kEnvironmentVariable, QFile::encodeName(folder));
    const QStringList listed = libraryPaths();
    qputenv(EmulatedDeviceDir::kEnvironmentVariable, QFile::encodeName(m_dir.path()));
    QCOMPARE(listed, QStringList {devicePath});

    HidDeviceInfoStu device;
    FirmwareInfoStu firmware;
    QVERIFY(CTavrixHid_GetHidAndFirmwareInfoStu(asCallerPasses(listed.first()).constData(), &device, &firmware));
    QCOMPARE(QByteArray(device.modelName), QByteArray("QB84"));
    const int handle = CTavrixHid_OpenPath(asCallerPasses(listed.first()).constData());
    QVERIFY(handle > 0);
    CTavrixHid_Close(handle);
}

void TestHidEnumeration::withoutEmulatorFolderNoEmulatedDevices()
{
    qunsetenv(EmulatedDeviceDir::kEnvironmentVariable);
    const QStringList listed = libraryPaths();
    qputenv(EmulatedDeviceDir::kEnvironmentVariable, QFile::encodeName(m_dir.path()));
    for (const QString &device : listed)
        QVERIFY2(!device.startsWith(m_dir.path()), qPrintable(device));

    qputenv(EmulatedDeviceDir::kEnvironmentVariable, QFile::encodeName(path("notes.txt")));
    const QStringList notAFolder = libraryPaths();
    qputenv(EmulatedDeviceDir::kEnvironmentVariable, QFile::encodeName(m_dir.path()));
    for (const QString &device : notAFolder)
        QVERIFY2(!device.startsWith(m_dir.path()), qPrintable(device));
}

void TestHidEnumeration::realBackendEnumeratesWithoutError()
{
    // No keyboard of the catalogue's test IDs is plugged into a build machine.
    QCOMPARE(CTavrixHid_Init(), 0);
    QVERIFY(HidrawDevices::enumerate({0x1209}).isEmpty());
    QVERIFY(HidrawDevices::enumerate({}).isEmpty());
}

void TestHidEnumeration::realPathsMapBackToTheirNode_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("devnode");
    QTest::newRow("sysfs path") << QByteArray(
        "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:1209:0001.0005/hidraw/hidraw7")
                                << QByteArray("/dev/hidraw7");
    QTest::newRow("own form") << QByteArray("/dev/hidraw3#vid_1209&pid_0002") << QByteArray("/dev/hidraw3");
    QTest::newRow("node") << QByteArray("/dev/hidraw1") << QByteArray("/dev/hidraw1");
    QTest::newRow("other sysfs path") << QByteArray("/sys/class/net/lo") << QByteArray();
    QTest::newRow("other file") << QByteArray("/tmp/hidraw0") << QByteArray();
    QTest::newRow("own form on another node") << QByteArray("/etc/passwd#vid_1209&pid_0002") << QByteArray();
}

void TestHidEnumeration::realPathsMapBackToTheirNode()
{
    QFETCH(QByteArray, path);
    QTEST(HidrawDevices::devnodeForPath(path), "devnode");
    // A node that sysfs cannot name still gets a path that holds its VID and PID.
    const QByteArray own = HidrawDevices::pathForDevnode("/dev/hidraw99", 0x1209, 0x000e);
    QVERIFY(own.toLower().contains("1209") && own.toLower().contains("000e"));
    QCOMPARE(HidrawDevices::devnodeForPath(own), QByteArray("/dev/hidraw99"));
}

TAVRIX_TEST_MAIN(TestHidEnumeration)
#include "tst_hidenumeration.moc"
