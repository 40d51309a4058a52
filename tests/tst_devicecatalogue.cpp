#include "sdk/devicecatalogue.h"
#include "support/testmain.h"

#include <QtTest>

class TestDeviceCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void shippedModels_data();
    void shippedModels();
    void matchByUsbId_data();
    void matchByUsbId();
    void malformedCatalogueIsRejected_data();
    void malformedCatalogueIsRejected();
    void missingFileIsRejected();
};

void TestDeviceCatalogue::shippedModels_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("cablePid");
    QTest::addColumn<int>("receiverPid");
    QTest::addColumn<int>("keys");
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<bool>("sideLights");
    QTest::addColumn<bool>("magnetic");
    QTest::addColumn<QString>("firmwarePath");

    QTest::newRow("full-size RGB") << "QR108"
                                   << "Quorin QR108" << 0x0001 << 0x0002 << 108 << 3 << true << false << "bootloader";
    QTest::newRow("magnetic") << "QM68"
                              << "Quorin QM68" << 0x0003 << 0 << 68 << 4 << false << true << "bootloader";
    QTest::newRow("bluetooth chip") << "QB84"
                                    << "Quorin QB84" << 0x0004 << 0x0005 << 84 << 3 << false << false << "chipVendor";
}

void TestDeviceCatalogue::shippedModels()
{
    QFETCH(QString, model);
    const DeviceCatalogue &catalogue = DeviceCatalogue::instance();
    QCOMPARE(catalogue.models().size(), 3);
    const CatalogueModel *found = catalogue.findModel(model);
    QVERIFY(found);
    QTEST(found->productName, "product");
    QCOMPARE(found->kind, QStringLiteral("keyboard"));
    QVERIFY(!found->secondName.isEmpty());
    QCOMPARE(found->vid, quint16(0x1209));
    QTEST(int(found->cablePid), "cablePid");
    QTEST(int(found->receiverPid), "receiverPid");
    QTEST(found->keyCount, "keys");
    QTEST(found->hidDeviceType, "deviceType");
    QTEST(found->sideLights, "sideLights");
    QTEST(found->magnetic, "magnetic");
    QTEST(found->firmwarePath, "firmwarePath");
}

void TestDeviceCatalogue::matchByUsbId_data()
{
    QTest::addColumn<int>("vid");
    QTest::addColumn<int>("pid");
    QTest::addColumn<QString>("model");  // empty: not a supported device
    QTest::addColumn<int>("connection");
    QTest::addColumn<bool>("bootloader");

    QTest::newRow("QR108 cable") << 0x1209 << 0x0001 << "QR108" << int(DeviceCatalogue::Cable) << false;
    QTest::newRow("QR108 receiver") << 0x1209 << 0x0002 << "QR108" << int(DeviceCatalogue::Receiver) << false;
    QTest::newRow("QM68 cable") << 0x1209 << 0x0003 << "QM68" << int(DeviceCatalogue::Cable) << false;
    QTest::newRow("QB84 receiver") << 0x1209 << 0x0005 << "QB84" << int(DeviceCatalogue::Receiver) << false;
    QTest::newRow("usb bootloader") << 0x1209 << 0x000E << "" << -1 << true;
    QTest::newRow("chip-vendor upgrade mode") << 0x1209 << 0x000F << "" << -1 << true;
    QTest::newRow("unknown PID") << 0x1209 << 0x0099 << "" << -1 << false;
    QTest::newRow("other VID") << 0x1234 << 0x0001 << "" << -1 << false;
}

void TestDeviceCatalogue::matchByUsbId()
{
    QFETCH(int, vid);
    QFETCH(int, pid);
    QFETCH(QString, model);
    const DeviceCatalogue &catalogue = DeviceCatalogue::instance();
    DeviceCatalogue::Connection connection = DeviceCatalogue::Cable;
    const CatalogueModel *found = catalogue.match(quint16(vid), quint16(pid), &connection);
    QCOMPARE(found ? found->modelName : QString(), model);
    if (found)
        QTEST(int(connection), "connection");
    QTEST(catalogue.isBootloader(quint16(vid), quint16(pid)), "bootloader");
}

void TestDeviceCatalogue::malformedCatalogueIsRejected_data()
{
    QTest::addColumn<QByteArray>("json");
    const QByteArray model = R"({"modelName":"A","kind":"keyboard","vid":"1209","cablePid":"0001","keyCount":10})";
    QTest::newRow("not JSON") << QByteArray("{models: [");
    QTest::newRow("array at the top") << QByteArray("[]");
    QTest::newRow("no models") << QByteArray(R"({"models":[]})");
    QTest::newRow("hex with a letter beyond F") << QByteArray(
        R"({"models":[{"modelName":"A","kind":"keyboard","vid":"12G9","cablePid":"0001","keyCount":10}]})");
    QTest::newRow("three hex digits") << QByteArray(
        R"({"models":[{"modelName":"A","kind":"keyboard","vid":"1209","cablePid":"001","keyCount":10}]})");
    QTest::newRow("VID zero") << QByteArray(
        R"({"models":[{"modelName":"A","kind":"keyboard","vid":"0000","cablePid":"0001","keyCount":10}]})");
    QTest::newRow("no model name") << QByteArray(
        R"({"models":[{"kind":"keyboard","vid":"1209","cablePid":"0001","keyCount":10}]})");
    QTest::newRow("no key count") << QByteArray(
        R"({"models":[{"modelName":"A","kind":"keyboard","vid":"1209","cablePid":"0001"}]})");
    QTest::newRow("name twice") << "{\"models\":[" + model + "," + QByteArray(model).replace("0001", "0002") + "]}";
    QTest::newRow("PID twice") << "{\"models\":[" + model + "," + QByteArray(model).replace("\"A\"", "\"B\"") + "]}";
    QTest::newRow("receiver PID of another model") << "{\"models\":[" + model + ","
            + R"({"modelName":"B","kind":"keyboard","vid":"1209","cablePid":"0002","receiverPid":"0001","keyCount":10})"
            + "]}";
    QTest::newRow("bootloader on a model's PID")
        << "{\"models\":[" + model + R"(],"bootloaders":[{"name":"boot","vid":"1209","pid":"0001"}]})";
}

void TestDeviceCatalogue::malformedCatalogueIsRejected()
{
    QFETCH(QByteArray, json);
    DeviceCatalogue catalogue;
    QVERIFY(catalogue.loadJson(
        R"({"models":[{"modelName":"A","kind":"keyboard","vid":"1209","cablePid":"0001","keyCount":10}]})"));
    QString error;
    QVERIFY(!catalogue.loadJson(json, &error));
    QVERIFY(!error.isEmpty());
    // A failed load leaves nothing of the previous contents behind.
    QVERIFY(catalogue.isEmpty());
    QVERIFY(!catalogue.match(0x1209, 0x0001));
}

void TestDeviceCatalogue::missingFileIsRejected()
{
    DeviceCatalogue catalogue;
    QString error;
    QVERIFY(!catalogue.loadFile(QStringLiteral("/nonexistent/catalogue.json"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(catalogue.isEmpty());
}

TAVRIX_TEST_MAIN(TestDeviceCatalogue)
#include "tst_devicecatalogue.moc"
