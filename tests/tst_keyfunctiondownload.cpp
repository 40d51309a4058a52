// From keys clicked on the keyboard picture to the keyboard's memory, through the
// device page and an emulated keyboard: one key of each kind the remap, combination,
// text, launch, shortcut, mouse and multimedia pages store is assigned on the
// key-assignment tab, and Download writes each key's four-byte code into the keyboard.

#include "app/ddatamanager.h"
#include "devicepage/ddevicepage.h"
#include "emudevice.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dchangekeypage.h"
#include "keys/dcustomkeyspage.h"
#include "keys/dkeycombinationpage.h"
#include "keys/dkeywithapppage.h"
#include "keys/keyfunctionpagetable.h"
#include "support/devicepagerig.h"
#include "support/testmain.h"
#include "support/waituntil.h"

#include <QAbstractButton>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

#include <functional>
#include <memory>

namespace {

using namespace KeyFunctionPages;

}  // namespace

class TestKeyFunctionDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachKindReachesTheKeyboard();

private:
    // The Default layer of the keyboard's memory, four bytes per key in layout order.
    QList<QByteArray> memory() const;
    bool download();

    std::unique_ptr<DevicePageRig> m_rig;
    EmuDevice *m_keyboard = nullptr;
    DDevicePage *m_page = nullptr;
    QList<int> m_codes;
};

QList<QByteArray> TestKeyFunctionDownload::memory() const
{
    QList<QByteArray> keys;
    for (int k = 0; k < m_codes.size(); ++k)
        keys << m_keyboard->keyboard()->state().memory.keyCode(0, k).toHex();
    return keys;
}

bool TestKeyFunctionDownload::download()
{
    DCustomKeysPage *tab = m_page->customKeysTab();
    tab->findChild<QPushButton *>("pushButton_Download")->click();
    return tab->isDownloading() && waitUntil([&] { return !tab->isDownloading(); }, 15000);
}

void TestKeyFunctionDownload::eachKindReachesTheKeyboard()
{
    m_rig = std::make_unique<DevicePageRig>();
    m_keyboard = m_rig->add("QR108", "one", false, false);
    QVERIFY(m_keyboard->start());
    QVERIFY(m_rig->openPage());
    m_page = m_rig->page;
    m_codes = DevicePageRig::pictureKeyCodes();
    DCustomKeysPage *tab = m_page->customKeysTab();
    QVERIFY(download());
    const QList<QByteArray> original = memory();

    QTemporaryDir programs;
    const QString program = programs.filePath("editor.desktop");
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    auto radio = [tab](int page, const char *name) {
        return [=] { tab->functionPage(page)->findChild<QAbstractButton *>(name)->click(); };
    };
    // F1 to F7 (usages 58 to 64), one kind each, and the four bytes the keyboard must hold.
    struct Assignment
    {
        int key;
        int button;
        std::function<void()> assign;
        QByteArray bytes;
    };
    const QList<Assignment> assignments = {
        {58, RemapKey, [=] { qobject_cast<DChangeKeyPage *>(tab->functionPage(RemapKey))->setTargetKey(5); },
         "00050000"},
        {59, KeyCombination,
         [=] {
             auto *page = qobject_cast<DKeyCombinationPage *>(tab->functionPage(KeyCombination));
             page->addCapturedKey(224);
             page->addCapturedKey(4);
         },
         "13e00400"},
        {60, Text,
         [=] {
             tab->functionPage(Text)->findChild<QTextEdit *>("textEdit_keyText")->insertPlainText("hello");
             tab->functionPage(Text)->findChild<QPushButton *>("pushButton_OK")->click();
         },
         "1600003c"},
        {61, LaunchApplication,
         [=] { qobject_cast<DKeyWithAppPage *>(tab->functionPage(LaunchApplication))->takeProgramPath(program); },
         "1600003d"},
        {62, Shortcuts, radio(Shortcuts, "radioButton_Copy"), "13e00600"},
        {63, Mouse, radio(Mouse, "radioButton_Forward"), "12000800"},
        {64, Multimedia, radio(Multimedia, "radioButton_wwwSearch"), "07210000"},
    };
    QList<QByteArray> expected = original;
    for (const Assignment &a : assignments) {
        keyboardButCustom *key = DDataManager::getInstance()->getKeyButtonMap().value(a.key);
        QVERIFY(key);
        key->click();
        tab->functionButton(a.button)->click();
        QCOMPARE(tab->currentPageCode(), entryForButton(a.button)->pageCode);
        a.assign();
        QVERIFY2(key->isAssigned(), qPrintable(QString::number(a.key)));
        expected[m_codes.indexOf(a.key)] = a.bytes;
    }
    QVERIFY(download());
    QCOMPARE(memory(), expected);

    m_rig.reset();
}

TAVRIX_TEST_MAIN(TestKeyFunctionDownload)
#include "tst_keyfunctiondownload.moc"
