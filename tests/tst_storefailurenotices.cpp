// Writes of the lighting page, the key-function pages and a new profile's
// defaults that the store refuses are told once per action, naming the file and
// the reason.
#include "app/ddatamanager.h"
#include "devicepage/profilecontroller.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "keys/dkeyfunctionpage.h"
#include "keys/keyfunctionpagetable.h"
#include "lighting/dcustomlightlistitem.h"
#include "lighting/dlightsconfigpage.h"
#include "sdk/tavrixxml.h"
#include "support/storefixture.h"
#include "support/testmain.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <cerrno>
#include <functional>
#include <memory>

namespace {

class YesDialogs : public ProfileDialogs
{
public:
    QString chooseExportFolder(const QString &) override { return QString(); }
    QString chooseImportFile(const QString &) override { return QString(); }
    bool confirmReset() override { return true; }
    bool confirmOverwrite(const QString &) override { return true; }
};

}  // namespace

class TestStoreFailureNotices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failedWriteIsToldOnce_data()
    {
        QTest::addColumn<QString>("caller");
        QTest::newRow("light setting dragged") << "light";
        QTest::newRow("custom light put in use") << "custom light";
        QTest::newRow("key function assigned") << "key function";
        QTest::newRow("profile created") << "create";
        QTest::newRow("profile reset") << "reset";
        QTest::newRow("profile renamed") << "rename";
        QTest::newRow("profile deleted") << "delete";
    }

    void failedWriteIsToldOnce()
    {
        QFETCH(QString, caller);
        StoreFixture store;
        const QByteArray layer = store.newLayerFile("appProfile_Default.xml");
        const qint64 size = QFileInfo(QFile::decodeName(layer)).size();
        DDataManager *dm = DDataManager::getInstance();
        dm->setCurProfilePath(layer);
        dm->setCurProfileIndex(1);
        QStringList notices;
        const auto told = [&notices](const QString &text) { notices << text; };

        if (caller == "light" || caller == "custom light") {
            QList<keyboardButCustom *> keys;
            for (int i = 0; i < 132; ++i)
                keys << new keyboardButCustom;
            dm->setKeyButtonList(keys);
            {
                DLightsConfigPage page;
                page.setProfileIndex(1);
                page.setProfilePath(layer);
                LightTypeListInfo kb;
                kb.lightTypeList = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16};
                kb.speedMax = 5;
                kb.brightnessMax = 4;
                page.setLightCapability(kb, LightTypeListInfo());
                page.reloadKeyboardLight();
                if (caller == "custom light")
                    page.findChild<QToolButton *>("toolButton_CustomLed")->click();
                connect(&page, &DLightsConfigPage::sigSomeMessageTip_LightsConfigPage, this, told);
                StoreFixture::withFileSizeLimit(20, [&] {
                    if (caller == "light") {
                        // A slider drag: one write per step.
                        for (int step = 0; step < 4; ++step)
                            page.onBackCurrentPositionNum_Brightness(step);
                    } else {
                        page.customLightRows().at(4)->findChild<QCheckBox *>("checkBox")->click();
                    }
                });
            }
            dm->setKeyButtonList({});
            qDeleteAll(keys);
        } else if (caller == "key function") {
            DCustomKeysPage page;
            page.setProfilePath(layer);
            page.setProfileIndex(1);
            page.refreshForDevice();
            connect(&page, &DCustomKeysPage::sigSomeMessageTip_CustomKeysPage, this, told);
            dm->setClickedKey(4, "A");
            page.onCurIndexChanged_Key(KeyFunctionPages::Disable);
            auto *ok = page.functionPage(KeyFunctionPages::Disable)->findChild<QPushButton *>("pushButton_OK");
            QVERIFY(ok);
            StoreFixture::withFileSizeLimit(20, [&] { ok->click(); });
            dm->clearClickedKey();
        } else {
            YesDialogs dialogs;
            ProfileController controller;
            controller.setProfilePath(layer);
            controller.setProfileIndex(1);
            controller.setPresetDevice(0, "Any");  // the preset newLayerFile uses
            controller.setDialogs(&dialogs);
            connect(&controller, &ProfileController::sigNotice, this, told);
            // Room for the profile itself but not for all of its default lights
            // (under the limit the presets cannot be copied out, so a reset
            // profile is small).
            // Either is written whole or not at all: the file keeps its old bytes.
            if (caller == "delete") {
                QVERIFY(controller.createProfile());
                notices.clear();
            }
            const QByteArray before = StoreFixture::bytes(layer);
            StoreFixture::withFileSizeLimit(caller == "create"      ? size + 300
                                                : caller == "reset" ? 800
                                                                    : 20,
                                            [&] {
                                                if (caller == "create")
                                                    QVERIFY(!controller.createProfile());
                                                else if (caller == "reset")
                                                    QVERIFY(!controller.resetProfile());
                                                else if (caller == "rename")
                                                    QVERIFY(!controller.renameProfile("Work"));
                                                else
                                                    QVERIFY(!controller.deleteProfile());
                                            });
            QCOMPARE(StoreFixture::bytes(layer), before);
        }

        const QString full = CTavrixXML_FailureText(
            {CTavrixXMLFailureKind::DiskFull, layer, 0, QString(), CTavrixXMLDamage::Unknown, EFBIG});
        QCOMPARE(notices, QStringList {full});
    }
};

TAVRIX_TEST_MAIN(TestStoreFailureNotices)
#include "tst_storefailurenotices.moc"
