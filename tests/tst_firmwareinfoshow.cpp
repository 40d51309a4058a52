// The firmware information dialog: one entry per distinct firmware identity of
// the keyboards present, in identity order, with the version and date line.
#include "emudevice.h"
#include "emumodel.h"
#include "firmware/dfirmwareinfoitem.h"
#include "firmware/dfirmwareinfoshow.h"
#include "support/testmain.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class TestFirmwareInfoShow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void identityLine_data()
    {
        QTest::addColumn<QString>("identity");
        QTest::addColumn<QString>("shown");
        QTest::newRow("after first dash") << QString("Quorin-QR108_0001,Cable") << QString("QR108_0001,Cable");
        QTest::newRow("later dashes kept") << QString("a-b-c,d") << QString("b-c,d");
        QTest::newRow("no dash") << QString("QR108,Cable") << QString("QR108,Cable");
        QTest::newRow("ends in dash") << QString("Quorin-") << QString();
    }
    void identityLine()
    {
        QFETCH(QString, identity);
        QFETCH(QString, shown);
        DFirmwareInfoItem item;
        item.setFirmwareInfo(identity, QStringLiteral("V1---"));
        QCOMPARE(item.identityText(), shown);
        QCOMPARE(item.versionText(), QStringLiteral("V1---"));
    }

    void listsPresentKeyboardsByIdentity()
    {
        QTemporaryDir emu;
        qputenv("TAVRIX_EMU_DIR", emu.path().toLocal8Bit());
        {
            DFirmwareInfoShow empty;
            QTest::qWait(300);
            QVERIFY(empty.entries().isEmpty());
            QCOMPARE(empty.windowTitle(), QStringLiteral("Firmware Info"));
        }
        std::vector<std::unique_ptr<EmuDevice>> devices;
        const auto add
            = [&](const char *model, const char *tag, const QStringList &id, const char *version, const char *date) {
                  devices.push_back(std::make_unique<EmuDevice>(emu.path(), EmuModels::find(model), tag, false));
                  devices.back()->setSidecarValue("firmwareId", QJsonArray::fromStringList(id));
                  devices.back()->setSidecarValue("firmwareVersion", version);
                  devices.back()->setSidecarValue("firmwareDate", date);
                  devices.back()->start();
              };
        // Two keyboards share one identity: one entry with the later device's line.
        add("QR108", "a", {"Z-one", "", "", "", "Cable"}, "V1.00", "2024-01-01");
        add("QR108", "b", {"Z-one", "", "", "", "Cable"}, "V1.02", "2024-02-02");
        add("QM68", "c", {"A-two", "_0003", "", "", "Cable"}, "V2.00", "");

        DFirmwareInfoShow dialog;
        QVERIFY(dialog.entries().isEmpty());
        QTRY_COMPARE(dialog.entries().size(), 2);
        QCOMPARE(dialog.entries().at(0)->identityText(), QStringLiteral("two_0003,Cable"));
        QCOMPARE(dialog.entries().at(0)->versionText(), QStringLiteral("V2.00---"));
        QCOMPARE(dialog.entries().at(1)->identityText(), QStringLiteral("one,Cable"));
        QCOMPARE(dialog.entries().at(1)->versionText(), QStringLiteral("V1.02---2024-02-02"));

        // Loading again replaces the entries instead of adding to them.
        dialog.onLoadingFirmwareInfo();
        QTRY_COMPARE(dialog.entries().size(), 2);
        qunsetenv("TAVRIX_EMU_DIR");
    }
};

TAVRIX_TEST_MAIN(TestFirmwareInfoShow)
#include "tst_firmwareinfoshow.moc"
