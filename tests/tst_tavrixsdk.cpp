#include "sdk/devicecatalogue.h"
#include "sdk/tavrixrecords.h"
#include "sdk/tavrixsdk.h"
#include "support/testmain.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

class TestTavrixSdk : public QObject
{
    Q_OBJECT

private slots:
    void startCallsSucceed();
    void versionText_data();
    void versionText();
    void textCopyCutsAndTerminates_data();
    void textCopyCutsAndTerminates();
    void udevRuleMatchesTheCatalogue();
};

void TestTavrixSdk::startCallsSucceed()
{
    QCOMPARE(CTavrixXML_Init(), 0);
    QCOMPARE(CTavrixHid_Init(), 0);
    QCOMPARE(CTavrixLight_Init(), 0);
    // Starting twice does no harm.
    QCOMPARE(CTavrixHid_Init(), 0);
}

void TestTavrixSdk::versionText_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray full = "TavrixSDK V" TAVRIX_SDK_VERSION;
    QTest::newRow("the start's 1024 bytes") << 1024 << full;
    QTest::newRow("exactly enough") << full.size() + 1 << full;
    QTest::newRow("one short") << int(full.size()) << full.left(full.size() - 1);
    QTest::newRow("one byte") << 1 << QByteArray();
}

void TestTavrixSdk::versionText()
{
    QFETCH(int, size);
    QFETCH(QByteArray, expected);
    QByteArray buffer(1025, '\x7f');
    QCOMPARE(CTavrixSDK_VersionStr(buffer.data(), size), expected.size());
    QCOMPARE(QByteArray(buffer.constData()), expected);
    QCOMPARE(buffer.at(size), '\x7f');  // nothing written past the buffer
    QCOMPARE(CTavrixSDK_VersionStr(nullptr, 10), -1);
    QCOMPARE(CTavrixSDK_VersionStr(buffer.data(), 0), -1);
}

void TestTavrixSdk::textCopyCutsAndTerminates_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("fits") << QByteArray("QR108") << QByteArray("QR108");
    QTest::newRow("fills the field") << QByteArray(63, 'a') << QByteArray(63, 'a');
    QTest::newRow("too long") << QByteArray(200, 'b') << QByteArray(63, 'b');
    QTest::newRow("empty") << QByteArray("") << QByteArray();
}

void TestTavrixSdk::textCopyCutsAndTerminates()
{
    QFETCH(QByteArray, source);
    hidStructInfoAll record;
    std::memset(&record, 0x55, sizeof record);
    tavrixCopyText(record.deviceKind, source.constData());
    QTEST(QByteArray(record.deviceKind), "expected");
    QCOMPARE(record.deviceKind[sizeof record.deviceKind - 1], '\0');
    // The next field is untouched.
    QCOMPARE(record.hidPath[0], '\x55');
    tavrixCopyText(record.deviceKind, nullptr);
    QCOMPARE(record.deviceKind[0], '\0');
}

void TestTavrixSdk::udevRuleMatchesTheCatalogue()
{
    const QString rulesPath = qEnvironmentVariable("TAVRIX_UDEV_RULES");
    if (rulesPath.isEmpty())
        QSKIP("TAVRIX_UDEV_RULES not set");
    // uaccess is applied by the rule file numbered 73; ours must come before it.
    const QString fileName = rulesPath.mid(rulesPath.lastIndexOf('/') + 1);
    QVERIFY(fileName.left(2).toInt() < 73);
    QFile file(rulesPath);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));

    // sysfs writes the ids in lower case and udev compares them exactly. A keyboard
    // is opened only at its configuration interface: usb_id reads the interface
    // number first. The firmware-update modes are opened whole.
    static const QRegularExpression import(QString::fromLatin1(
        R"re(^SUBSYSTEM=="hidraw", ATTRS\{idVendor\}=="([0-9a-f]{4})", ATTRS\{idProduct\}=="([0-9a-f]{4})", IMPORT\{builtin\}="usb_id"$)re"));
    static const QRegularExpression interface(QString::fromLatin1(
        R"re(^SUBSYSTEM=="hidraw", ENV\{ID_VENDOR_ID\}=="([0-9a-f]{4})", ENV\{ID_MODEL_ID\}=="([0-9a-f]{4})", ENV\{ID_USB_INTERFACE_NUM\}=="[0-9a-f]{2}", TAG\+="uaccess"$)re"));
    static const QRegularExpression whole(QString::fromLatin1(
        R"re(^SUBSYSTEM=="(hidraw|usb)", ATTRS?\{idVendor\}=="([0-9a-f]{4})", ATTRS?\{idProduct\}=="([0-9a-f]{4})", TAG\+="uaccess"$)re"));
    QSet<QString> imported;
    QSet<QString> interfaceIds;
    QSet<QString> wholeHidrawIds;
    QSet<QString> wholeUsbIds;
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        QRegularExpressionMatch match = import.match(line);
        if (match.hasMatch()) {
            imported.insert(match.captured(1) + ':' + match.captured(2));
            continue;
        }
        match = interface.match(line);
        if (match.hasMatch()) {
            const QString id = match.captured(1) + ':' + match.captured(2);
            QVERIFY2(imported.contains(id), qPrintable(line));
            interfaceIds.insert(id);
            continue;
        }
        match = whole.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        (match.captured(1) == "hidraw" ? wholeHidrawIds : wholeUsbIds)
            .insert(match.captured(2) + ':' + match.captured(3));
    }
    const auto hexPair = [](quint16 vid, quint16 pid) {
        return DeviceCatalogue::hexId(vid, false) + ':' + DeviceCatalogue::hexId(pid, false);
    };
    QSet<QString> keyboardIds;
    for (const CatalogueModel &model : DeviceCatalogue::instance().models()) {
        keyboardIds.insert(hexPair(model.vid, model.cablePid));
        if (model.receiverPid)
            keyboardIds.insert(hexPair(model.vid, model.receiverPid));
    }
    QSet<QString> catalogueIds;
    for (const auto &id : DeviceCatalogue::instance().allUsbIds())
        catalogueIds.insert(hexPair(id.first, id.second));
    QCOMPARE(catalogueIds.size(), 7);
    QCOMPARE(keyboardIds.size(), 5);
    QCOMPARE(interfaceIds, keyboardIds);
    QCOMPARE(imported, keyboardIds);
    QCOMPARE(wholeHidrawIds, catalogueIds - keyboardIds);
    QCOMPARE(wholeUsbIds, catalogueIds - keyboardIds);
}

TAVRIX_TEST_MAIN(TestTavrixSdk)
#include "tst_tavrixsdk.moc"
