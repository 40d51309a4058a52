// The firmware image check: version order, the identity of bootloader images,
// the image chosen by model and connection, and the order of the result.
#include "firmware/firmwareimagecheck.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace FirmwareImageCheck;

namespace {

hidStructInfoAll record(const char *path, const char *model, int connection, const char *version,
                        const char *part0 = "Quorin-QR108", const char *part1 = "_0001", const char *part3 = "")
{
    hidStructInfoAll info {};
    tavrixCopyText(info.hidPath, path);
    tavrixCopyText(info.hidName, model);
    tavrixCopyText(info.firmwareVersion, version);
    tavrixCopyText(info.firmwareIdPart0, part0);
    tavrixCopyText(info.firmwareIdPart1, part1);
    tavrixCopyText(info.firmwareIdPart3, part3);
    info.connectType = connection;
    return info;
}

QByteArray imageWithIdentity(const QByteArray &identity, int size = kIdentityOffset + kIdentityLength)
{
    QByteArray image(size, '\0');
    image.replace(kIdentityOffset, qMin(identity.size(), size - kIdentityOffset),
                  identity.left(size - kIdentityOffset));
    return image;
}

// A stand-in of the chip vendor's image calls: an image is "QUFW", a 17-byte
// identity and a 4-byte version; anything else is the library's refusal.
QByteArray g_ufw;

int fakeLoadUfw(const unsigned char *data, int length)
{
    g_ufw = QByteArray(reinterpret_cast<const char *>(data), length);
    return g_ufw.size() >= 25 && g_ufw.startsWith("QUFW") ? 0 : -1;
}

int fakeUfwCrc(unsigned short *crc16, unsigned int *crc32)
{
    *crc16 = 0;
    *crc32 = 0;
    return g_ufw.startsWith("QUFW") ? 0 : -1;
}

int fakeUfwPidVid(char *identity, int identitySize, char *version, int versionSize)
{
    if (!g_ufw.startsWith("QUFW") || identitySize < 17 || versionSize < 4)
        return -1;
    memcpy(identity, g_ufw.constData() + 4, 17);
    memcpy(version, g_ufw.constData() + 21, 4);
    return 0;
}

QByteArray ufwImage(int size)
{
    QByteArray image = QByteArray("QUFW") + QByteArray("QB84").leftJustified(17, '\0') + QByteArray("V1.1");
    image.append(QByteArray(qMax(0, size - image.size()), '\x5a'));
    return image.left(size);
}

}  // namespace

class TestFirmwareImageCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionOrder_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QByteArray>("device");
        QTest::addColumn<bool>("newer");
        QTest::newRow("newer") << QByteArray("V1.01") << QByteArray("V1.00") << true;
        QTest::newRow("older") << QByteArray("V1.00") << QByteArray("V1.01") << false;
        QTest::newRow("equal") << QByteArray("V1.00") << QByteArray("V1.00") << false;
        QTest::newRow("equal in other case") << QByteArray("v1.0a") << QByteArray("V1.0A") << false;
        QTest::newRow("text order, not numbers") << QByteArray("V1.10") << QByteArray("V1.9") << false;
        QTest::newRow("longer after its prefix") << QByteArray("V1.0") << QByteArray("V1.") << true;
        QTest::newRow("anything after empty") << QByteArray("0") << QByteArray() << true;
        QTest::newRow("empty never newer") << QByteArray() << QByteArray() << false;
        // Folding to lower case puts letters after '_' (0x5F).
        QTest::newRow("folded letter after underscore") << QByteArray("A") << QByteArray("_") << true;
        QTest::newRow("high bytes unsigned") << QByteArray("\xe9") << QByteArray("z") << true;
    }
    void versionOrder()
    {
        QFETCH(QByteArray, image);
        QFETCH(QByteArray, device);
        QFETCH(bool, newer);
        QCOMPARE(isVersionNewer(image, device), newer);
    }

    void imageNames()
    {
        QCOMPARE(imageFileName(QStringLiteral("QR108"), 0), QStringLiteral("QR108.bin"));
        QCOMPARE(imageFileName(QStringLiteral("QR108"), 1), QStringLiteral("QR108_Dongle.bin"));
        QCOMPARE(imageFileName(QStringLiteral("QB84"), 0), QStringLiteral("QB84.ufw"));
        QCOMPARE(imageFileName(QStringLiteral("QB84"), 2), QStringLiteral("QB84_Dongle.ufw"));
        QVERIFY(imageFileName(QStringLiteral("QX1"), 0).isEmpty());
        QVERIFY(imageFileName(QStringLiteral("qr108"), 0).isEmpty());
    }

    void identityFit_data()
    {
        QTest::addColumn<QByteArray>("identity");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<QByteArray>("version");
        QTest::newRow("match") << QByteArray("Quorin-QR108,_0001,,,QR108,V1.01") << true << QByteArray("V1.01");
        QTest::newRow("case ignored") << QByteArray("QUORIN-qr108,_0001,,,qr108,V1.01") << true << QByteArray("V1.01");
        QTest::newRow("field 2 not compared")
            << QByteArray("Quorin-QR108,_0001,xyz,,QR108,V1.01") << true << QByteArray("V1.01");
        QTest::newRow("text after sixth comma ignored")
            << QByteArray("Quorin-QR108,_0001,,,QR108,V1.02,junk") << true << QByteArray("V1.02");
        QTest::newRow("part 0 differs") << QByteArray("Quorin-QR109,_0001,,,QR108,V1.01") << false << QByteArray();
        QTest::newRow("part 1 differs") << QByteArray("Quorin-QR108,_0002,,,QR108,V1.01") << false << QByteArray();
        QTest::newRow("part 3 differs") << QByteArray("Quorin-QR108,_0001,,x,QR108,V1.01") << false << QByteArray();
        QTest::newRow("model differs") << QByteArray("Quorin-QR108,_0001,,,QM68,V1.01") << false << QByteArray();
        QTest::newRow("same version") << QByteArray("Quorin-QR108,_0001,,,QR108,v1.00") << false << QByteArray();
        QTest::newRow("five fields") << QByteArray("Quorin-QR108,_0001,,,QR108") << false << QByteArray();
        QTest::newRow("empty") << QByteArray() << false << QByteArray();
    }
    void identityFit()
    {
        QFETCH(QByteArray, identity);
        QFETCH(bool, fits);
        QFETCH(QByteArray, version);
        QByteArray found;
        const hidStructInfoAll device = record("/p", "QR108", 0, "V1.00");
        QCOMPARE(bootloaderImageFits(bootloaderIdentity(imageWithIdentity(identity)), device, &found), fits);
        QCOMPARE(found, version);
    }

    // The identity ends at the first NUL, or after 50 bytes when it has none; an
    // image too short to hold it reads as zeros.
    void identityBounds()
    {
        const QByteArray fiftyOne = QByteArray("a,b,c,d,e,") + QByteArray(41, 'v');
        QCOMPARE(bootloaderIdentity(imageWithIdentity(fiftyOne, kIdentityOffset + 60)).at(5), QByteArray(40, 'v'));
        QByteArray withNul = imageWithIdentity("a,b,c,d,e,V2");
        withNul[kIdentityOffset + 11] = '\0';
        QCOMPARE(bootloaderIdentity(withNul).at(5), QByteArray("V"));
        const QList<QByteArray> none = bootloaderIdentity(QByteArray(100, 'x'));
        QCOMPARE(none.size(), 6);
        QVERIFY(none.at(0).isEmpty() && none.at(5).isEmpty());
    }

    // The whole check over a folder of images: order by device path, the dongle
    // image for receiver devices, and chip models only with the vendor library.
    void upgradeableDevicesFromFolder()
    {
        QTemporaryDir images;
        QVERIFY(images.isValid());
        QFile bin(images.path() + QStringLiteral("/QR108.bin"));
        QVERIFY(bin.open(QIODevice::WriteOnly));
        bin.write(imageWithIdentity("Quorin-QR108,_0001,,,QR108,V1.05"));
        bin.close();
        QFile ufw(images.path() + QStringLiteral("/QB84.ufw"));
        QVERIFY(ufw.open(QIODevice::WriteOnly));
        ufw.write("chip image");
        ufw.close();
        const QString folder = images.path() + QLatin1Char('/');

        const QList<hidStructInfoAll> devices = {
            record("/z/second", "QR108", 0, "V1.00"),  record("/a/receiver", "QR108", 1, "V1.00"),  // no _Dongle image
            record("/B/first", "QR108", 0, "V1.04"),  // 'B' sorts before 'z'
            record("/c/current", "QR108", 0, "V1.05"), record("/d/chip", "QB84", 0, ""),
            record("/e/other", "QM68", 0, ""),  // bootloader model without an image
        };
        const QList<hidStructInfoAll> found = upgradeableDevices(devices, folder, ChipCalls());
        QCOMPARE(found.size(), 2);
        QCOMPARE(QByteArray(found.at(0).hidPath), QByteArray("/B/first"));
        QCOMPARE(QByteArray(found.at(1).hidPath), QByteArray("/z/second"));
        QCOMPARE(QByteArray(found.at(0).newFirmwareVersion), QByteArray("V1.05"));
        // The caller's records keep their new-version field empty.
        QCOMPARE(QByteArray(devices.at(0).newFirmwareVersion), QByteArray());

        QVERIFY(upgradeableDevices({}, folder, ChipCalls()).isEmpty());
        QVERIFY(upgradeableDevices(devices, folder + QStringLiteral("missing/"), ChipCalls()).isEmpty());
    }

    // Images are refused before anything is written: empty, larger than the
    // flash, or made for another model.
    void imageRefusal_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<int>("verdict");
        const QByteArray fits = imageWithIdentity("Quorin-QR108,_0001,,,QR108,V1.05");
        QTest::newRow("valid") << fits << int(ImageVerdict::Valid);
        QTest::newRow("model in other case")
            << imageWithIdentity("Quorin-QR108,_0001,,,qr108,V1.05") << int(ImageVerdict::Valid);
        QTest::newRow("exactly the flash")
            << imageWithIdentity("Quorin-QR108,_0001,,,QR108,V1.05", kFlashBytes) << int(ImageVerdict::Valid);
        QTest::newRow("empty") << QByteArray() << int(ImageVerdict::Empty);
        QTest::newRow("one byte over the flash")
            << imageWithIdentity("Quorin-QR108,_0001,,,QR108,V1.05", kFlashBytes + 1) << int(ImageVerdict::TooLarge);
        QTest::newRow("other model") << imageWithIdentity("Quorin-QR108,_0001,,,QM68,V1.05")
                                     << int(ImageVerdict::OtherModel);
        QTest::newRow("too short for an identity") << QByteArray(100, 'x') << int(ImageVerdict::OtherModel);
    }
    void imageRefusal()
    {
        QFETCH(QByteArray, image);
        QFETCH(int, verdict);
        QCOMPARE(int(checkBootloaderImage(image, QStringLiteral("QR108"))), verdict);

        // Through the whole check: a refused image is never offered, and says so.
        QTemporaryDir images;
        QFile bin(images.path() + QStringLiteral("/QR108.bin"));
        QVERIFY(bin.open(QIODevice::WriteOnly));
        bin.write(image);
        bin.close();
        const Examination result
            = examine(record("/p", "QR108", 0, "V1.00"), images.path() + QLatin1Char('/'), ChipCalls());
        QCOMPARE(result.upgradeable, verdict == int(ImageVerdict::Valid));
        QCOMPARE(result.refused, verdict != int(ImageVerdict::Valid));
        QCOMPARE(result.image, result.upgradeable ? image : QByteArray());
    }

    // A chip-vendor image is judged by the vendor's library alone: the keyboard
    // bootloader's flash size is no limit for it, only a bound against reading a
    // wrong file whole.
    void chipImageSizes_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<bool>("upgradeable");
        QTest::addColumn<bool>("refused");
        QTest::newRow("small") << ufwImage(4096) << true << false;
        QTest::newRow("one byte over the bootloader's flash") << ufwImage(kFlashBytes + 1) << true << false;
        QTest::newRow("4 MiB") << ufwImage(4 * 1024 * 1024) << true << false;
        QTest::newRow("exactly the bound") << ufwImage(kMaxChipImageBytes) << true << false;
        QTest::newRow("one byte over the bound") << ufwImage(kMaxChipImageBytes + 1) << false << true;
        QTest::newRow("empty") << QByteArray() << false << true;
        QTest::newRow("refused by the library") << QByteArray(kFlashBytes + 1, 'x') << false << false;
    }
    void chipImageSizes()
    {
        QFETCH(QByteArray, image);
        QFETCH(bool, upgradeable);
        QFETCH(bool, refused);
        QTemporaryDir images;
        QFile ufw(images.path() + QStringLiteral("/QB84.ufw"));
        QVERIFY(ufw.open(QIODevice::WriteOnly));
        QCOMPARE(ufw.write(image), qint64(image.size()));
        ufw.close();
        ChipCalls chip;
        chip.loadUfwData = fakeLoadUfw;
        chip.getUfwCrc = fakeUfwCrc;
        chip.getUfwPidVid = fakeUfwPidVid;
        const Examination result = examine(record("/chip", "QB84", 0, "V1.0"), images.path() + QLatin1Char('/'), chip);
        QCOMPARE(result.upgradeable, upgradeable);
        QCOMPARE(result.refused, refused);
        QCOMPARE(result.image.size(), upgradeable ? image.size() : 0);
        if (upgradeable)
            QCOMPARE(result.version, QByteArray("V1.1"));
    }

    // Emulated keyboards read the emulator's test images; real ones only the
    // application's own firmware folder.
    void imageFolders()
    {
        QTemporaryDir emu;
        qputenv("TAVRIX_EMU_DIR", emu.path().toLocal8Bit());
        const QString emulated = QDir(emu.path()).absolutePath();
        QCOMPARE(imageFolderFor(emulated + QStringLiteral("/vid_1209&pid_0001.sock")),
                 emulated + QStringLiteral("/firmware/"));
        QCOMPARE(imageFolderFor(QStringLiteral("/sys/devices/usb1/0003:1209:0001.0001/hidraw/hidraw3")),
                 realImageFolder());
        QCOMPARE(imageFolderFor(emulated + QStringLiteral("x/vid_1209&pid_0001.sock")), realImageFolder());
        qunsetenv("TAVRIX_EMU_DIR");
        QCOMPARE(imageFolderFor(emulated + QStringLiteral("/vid_1209&pid_0001.sock")), realImageFolder());
        QVERIFY(realImageFolder().endsWith(QStringLiteral("/firmware/")));
        // The application carries no image of its own.
        QVERIFY(!QFile::exists(QStringLiteral(":/images/UpdateFirmwareFile/QR108.bin")));
    }
};

TAVRIX_TEST_MAIN(TestFirmwareImageCheck)
#include "tst_firmwareimagecheck.moc"
