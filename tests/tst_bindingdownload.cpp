// Keys given a macro, an advanced key, a keyboard function and lighting functions
// through their function pages, downloaded into the emulated keyboard: its memory
// must hold what the pages stored.

#include "app/ddatamanager.h"
#include "emuonboardview.h"
#include "keys/dkeyboardlightcustomeventpage.h"
#include "keys/dkeyconfigfunctionpage.h"
#include "keys/dmacrocmdpage.h"
#include "keys/dseniorkeysbindingpage.h"
#include "keys/dsidelightcustomeventpage.h"
#include "support/downloadrig.h"
#include "support/testmain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>

#include <memory>

namespace {

MacroEventItem recorded(const char *type, int keyCode, const char *state, int delay)
{
    MacroEventItem e;
    qstrncpy(e.mark, "1", sizeof e.mark);
    qstrncpy(e.delay, QByteArray::number(delay).constData(), sizeof e.delay);
    qstrncpy(e.type, type, sizeof e.type);
    qstrncpy(e.keyCode, QByteArray::number(keyCode).constData(), sizeof e.keyCode);
    qstrncpy(e.codeName, "K", sizeof e.codeName);
    qstrncpy(e.operateExplain, state, sizeof e.operateExplain);
    return e;
}

// The download rig with the profile's macro and advanced-key files in the data manager.
class Rig : public DownloadRig
{
public:
    explicit Rig(const QString &model) : DownloadRig(model)
    {
        macros = store.path("appMacro.xml");
        CTavrixXML_CreateXMLFile(macros);

        DDataManager *dm = DDataManager::getInstance();
        dm->setCurProfilePath(defaultLayer);
        dm->setCurProfileIndex(1);
        dm->setMacroXmlPath(macros);
        dm->setSeniorKeyXmlPath(seniorPath);
        dm->setHidDeviceType(magnetic ? 4 : 3);
    }

    // Selects the key of layout index k on the picture, as a click would.
    int select(int k) const
    {
        DDataManager::getInstance()->setClickedKey(codes.at(k), QStringLiteral("K%1").arg(k));
        return k;
    }

    // A download to its end; true when it ended in success.
    bool run() { return DownloadRig::run(10000) && success; }

    // The four bytes the keyboard holds for key k of the Default layer.
    QByteArray keyBytes(int k) const { return device->keyboard()->state().memory.keyCode(0, k); }

    EmuKeyItem keyboardItem(int k) const
    {
        return EmuOnboardView(device->keyboard()->state().memory).keyItem(0, k, codes.at(k));
    }

    QByteArray macros;
};

void click(QWidget &page, const char *button)
{
    auto *radio = page.findChild<QRadioButton *>(button);
    QVERIFY2(radio, button);
    radio->click();
}

}  // namespace

class TestBindingDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void macroModesKeyboardAndLightFunctions();
    void advancedKeyOnMagneticKeyboard();
};

void TestBindingDownload::macroModesKeyboardAndLightFunctions()
{
    Rig rig("QR108");
    CTavrixXML_CreateMacroXmlParentNode(rig.macros, "4", "Copy");
    CTavrixXML_AddKeyOrMouseEventItem(rig.macros,
                                      {recorded("key", 224, "down", 0), recorded("key", 6, "down", 30),
                                       recorded("key", 6, "up", 40), recorded("key", 224, "up", 20),
                                       recorded("mouse", 513, "down", 50)},
                                      "4");

    // One key per play mode, each bound to macro 4 on the macro page.
    DMacroCmdPage macroPage;
    const struct
    {
        int key;
        const char *button;
        int repeat;
        int mode;
    } macroKeys[] = {
        {rig.keyAt(20), "radioButton_playOne", 1, 1},
        {rig.keyAt(40), "radioButton_playMany", 12, 2},
        {rig.keyAt(60), "radioButton_playKeyPressRelStop", 1, 3},
        {rig.keyAt(80), "radioButton_playWhileKeyPress", 1, 4},
    };
    for (const auto &m : macroKeys) {
        rig.select(m.key);
        macroPage.loadKeyInfo();
        // The macro first: until one is picked a play mode binds nothing.
        auto *macros = macroPage.findChild<QComboBox *>("comboBox_Macro");
        macros->setCurrentIndex(0);
        emit macros->activated(0);
        click(macroPage, m.button);
        if (m.mode == 2)
            QTest::keyClicks(macroPage.findChild<QLineEdit *>("lineEdit_playMany"), "2");
    }

    DKeyConfigFunctionPage configPage;
    const int bluetooth = rig.select(rig.keyAt(25));
    configPage.loadKeyInfo();
    click(configPage, "radioButton_Pattern2");
    const int receiver = rig.select(rig.keyAt(26));
    configPage.loadKeyInfo();
    click(configPage, "radioButton_24G");

    DKeyboardLightCustomEventPage lightPage;
    const int speed = rig.select(rig.keyAt(27));
    lightPage.loadKeyInfo();
    click(lightPage, "radioButton_SpeedLessen");
    DSideLightCustomEventPage sidePage;
    const int side = rig.select(rig.keyAt(28));
    sidePage.loadKeyInfo();
    click(sidePage, "radioButton_BrightnessUp");

    QVERIFY(rig.run());

    // The macro keys play slots 0 to 3 in layout order, each with its own mode.
    const EmuOnboardView view(rig.device->keyboard()->state().memory);
    const QList<EmuMacroEvent> events = {{"key", 224, true, 0},
                                         {"key", 6, true, 30},
                                         {"key", 6, false, 40},
                                         {"key", 224, false, 20},
                                         {"mouse", 513, true, 50}};
    for (int slot = 0; slot < 4; ++slot) {
        const auto &m = macroKeys[slot];
        QCOMPARE(rig.keyboardItem(m.key), (EmuKeyItem {1, m.repeat, m.mode, QByteArray::number(slot)}));
        QCOMPARE(rig.keyBytes(m.key),
                 QByteArray::fromHex("10") + char(qMin(rig.codes.at(m.key), 255)) + char(slot) + '\0');
        QCOMPARE(view.macro(slot).playMode, m.mode);
        QCOMPARE(view.macro(slot).events, events);
    }
    QVERIFY(view.isEmptyMacroSlot(4));
    QCOMPARE(rig.keyboardItem(bluetooth), (EmuKeyItem {19, 1, 11, "0,1"}));
    QCOMPARE(rig.keyboardItem(receiver), (EmuKeyItem {19, 1, 11, "1,0"}));
    QCOMPARE(rig.keyboardItem(speed), (EmuKeyItem {22, 1, 1, "1"}));
    QCOMPARE(rig.keyboardItem(side), (EmuKeyItem {31, 1, 1, "0"}));
    QCOMPARE(rig.keyBytes(bluetooth).toHex(' '), QByteArray("11 0b 00 01"));
    QCOMPARE(rig.keyBytes(receiver).toHex(' '), QByteArray("11 0b 01 00"));
    QCOMPARE(rig.keyBytes(speed).toHex(' '), QByteArray("04 01 00 00"));
    QCOMPARE(rig.keyBytes(side).toHex(' '), QByteArray("0b 00 00 00"));
}

void TestBindingDownload::advancedKeyOnMagneticKeyboard()
{
    Rig rig("QM68");
    SeniorKeyInfo mt;
    mt.bindingIndex = 6;
    qstrncpy(mt.name, "MT6", sizeof mt.name);
    mt.keyType = SeniorKeyType_MT;
    qstrncpy(mt.keys[0], "225", sizeof mt.keys[0]);
    qstrncpy(mt.keys[1], "1,6", sizeof mt.keys[1]);
    mt.ValueTime = 200;
    QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(rig.seniorPath, SeniorKeyType_MT, mt));

    DSeniorKeysBindingPage page;
    const int bound = rig.select(rig.keyAt(20));
    page.loadKeyInfo();
    auto *combo = page.findChild<QComboBox *>("comboBox_SeniorKeys");
    QCOMPARE(combo->count(), 1);
    emit combo->activated(0);
    QVERIFY(rig.run());

    const EmuOnboardView view(rig.device->keyboard()->state().memory);
    QCOMPARE(rig.keyboardItem(bound), (EmuKeyItem {40, 1, 1, "0"}));
    QCOMPARE(rig.keyBytes(bound).toHex(' '), QByteArray("17 00 00 00"));
    QCOMPARE(view.seniorKey(0).type, int(SeniorKeyType_MT));
    QCOMPARE(view.seniorKey(0).keys[1], QByteArray("1,6"));
    QCOMPARE(view.seniorKey(0).holdTimeMs, 200);
}

TAVRIX_TEST_MAIN(TestBindingDownload)
#include "tst_bindingdownload.moc"
