#include "app/ddatamanager.h"
#include "app/windowshookinterface.h"
#include "platform/injecthookbackend.h"
#include "support/testmain.h"

#include <QSignalSpy>

namespace {

constexpr quint32 kVkA = 0x41;
constexpr quint32 kScanA = 0x1E;

// Keys of one event as reported: vk, scan, press flag, hook flags.
QVariantList report(int vk, int scan, int flag, int hookFlag)
{
    return QVariantList {vk, scan, flag, hookFlag};
}

}  // namespace

class TestWindowsHook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void heldKeyReportsOnePressAndOneRelease_data();
    void heldKeyReportsOnePressAndOneRelease();
    void swallowingFollowsModeAndKey_data();
    void swallowingFollowsModeAndKey();
    void onlyTheFivePressFlagsArePresses_data();
    void onlyTheFivePressFlagsArePresses();
    void releaseOfKeyHeldBeforeStartIsReported();
    void macroModeRelaysKeysButtonsAndWheel();
    void secondStartOnlySwitchesMode();
    void stopWithoutStartReturnsOne();
    void failedInstallationsReportZeroAndRetry();
    void fullPressedTableIgnoresNewPresses();
    void lastConstructedObjectReceivesAndMayGoAway();

private:
    std::unique_ptr<WindowsHookInterface> m_hook;
    InjectHookBackend *m_backend = nullptr;
};

void TestWindowsHook::init()
{
    auto backend = std::make_unique<InjectHookBackend>();
    m_backend = backend.get();
    WindowsHookInterface::setBackend(std::move(backend));
    m_hook = std::make_unique<WindowsHookInterface>();
}

void TestWindowsHook::cleanup()
{
    m_hook.reset();
    WindowsHookInterface::setBackend(nullptr);
    m_backend = nullptr;
}

void TestWindowsHook::heldKeyReportsOnePressAndOneRelease_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("remap") << int(WindowsHookInterface::RemapKey);
    QTest::newRow("combination") << int(WindowsHookInterface::KeyCombination);
    QTest::newRow("macro") << int(WindowsHookInterface::MacroRecord);
}

void TestWindowsHook::heldKeyReportsOnePressAndOneRelease()
{
    QFETCH(int, mode);
    // Macro recording reports through the data manager, the others by signal.
    QSignalSpy hookSpy(m_hook.get(), &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key);
    QSignalSpy macroSpy(DDataManager::getInstance(), &DDataManager::sigReceiveStreamEX_MacroKeyboard);
    QSignalSpy &spy = mode == WindowsHookInterface::MacroRecord ? macroSpy : hookSpy;

    QCOMPARE(m_hook->startHook(mode), 1);
    QCOMPARE(m_backend->injectKey(kVkA, kScanA, 0x00), 1);
    // Auto-repeat: neither reported nor swallowed.
    QCOMPARE(m_backend->injectKey(kVkA, kScanA, 0x00), 0);
    QCOMPARE(m_backend->injectKey(kVkA, kScanA, 0x00), 0);
    QCOMPARE(m_backend->injectKey(kVkA, kScanA, 0x80), 1);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0), report(kVkA, kScanA, 1, 0x00));
    QCOMPARE(spy.at(1), report(kVkA, kScanA, 0, 0x80));
    QCOMPARE(hookSpy.count() + macroSpy.count(), 2);

    // Releasing one of several held keys frees its place only.
    m_backend->injectKey('B', 0x30, 0x00);
    m_backend->injectKey('C', 0x2E, 0x00);
    m_backend->injectKey('B', 0x30, 0x80);
    QCOMPARE(WindowsHookInterface::pressedKeyCount(), 1);
    m_backend->injectKey('B', 0x30, 0x00);
    m_backend->injectKey('C', 0x2E, 0x00);  // still held: a repeat
    QCOMPARE(spy.count(), 6);
    QCOMPARE(spy.last(), report('B', 0x30, 1, 0x00));
}

void TestWindowsHook::swallowingFollowsModeAndKey_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("swallowed");

    const struct
    {
        const char *name;
        int vk;
    } keys[] = {{"letter", 0x41},    {"Caps Lock", 0x14},  {"Num Lock", 0x90},   {"Scroll Lock", 0x91},
                {"left Ctrl", 0xA2}, {"right Ctrl", 0xA3}, {"left Shift", 0xA0}, {"Enter", 0x0D}};
    const struct
    {
        const char *name;
        int mode;
    } modes[] = {{"macro", 1}, {"remap", 2}, {"combination", 3}, {"interactive", 5}};
    for (const auto &m : modes) {
        for (const auto &k : keys) {
            const bool passThrough = k.vk == 0x14 || k.vk == 0x90 || k.vk == 0x91 || k.vk == 0xA2 || k.vk == 0xA3;
            const int swallowed = (m.mode == 5 || passThrough) ? 0 : 1;
            QTest::addRow("%s, %s", m.name, k.name) << m.mode << k.vk << swallowed;
        }
    }
}

void TestWindowsHook::swallowingFollowsModeAndKey()
{
    QFETCH(int, mode);
    QFETCH(int, vk);
    QFETCH(int, swallowed);
    QSignalSpy hookSpy(m_hook.get(), &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key);
    QSignalSpy macroSpy(DDataManager::getInstance(), &DDataManager::sigReceiveStreamEX_MacroKeyboard);

    QCOMPARE(m_hook->startHook(mode), 1);
    QCOMPARE(m_backend->swallowKeys(), mode != WindowsHookInterface::InteractiveLight);
    QCOMPARE(m_backend->injectKey(vk, 0x10, 0x00), swallowed);
    QCOMPARE(m_backend->injectKey(vk, 0x10, 0x80), swallowed);
    // Every key is reported, swallowed or not.
    QCOMPARE(hookSpy.count() + macroSpy.count(), 2);
}

void TestWindowsHook::onlyTheFivePressFlagsArePresses_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("flag");
    QTest::newRow("plain") << 0x00 << 1;
    QTest::newRow("extended") << 0x01 << 1;
    QTest::newRow("injected extended") << 0x11 << 1;
    QTest::newRow("Alt held") << 0x20 << 1;
    QTest::newRow("Alt held, extended") << 0x21 << 1;
    QTest::newRow("injected plain") << 0x10 << 0;
    QTest::newRow("injected, Alt held") << 0x30 << 0;
    QTest::newRow("injected extended, Alt held") << 0x31 << 0;
    QTest::newRow("key up") << 0x80 << 0;
    QTest::newRow("key up, Alt held") << 0xA0 << 0;
}

void TestWindowsHook::onlyTheFivePressFlagsArePresses()
{
    QFETCH(int, flags);
    QFETCH(int, flag);
    QSignalSpy spy(m_hook.get(), &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key);
    m_hook->startHook(WindowsHookInterface::RemapKey);
    m_backend->injectKey(kVkA, kScanA, flags);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0), report(kVkA, kScanA, flag, flags));
    QCOMPARE(WindowsHookInterface::pressedKeyCount(), flag);
}

void TestWindowsHook::releaseOfKeyHeldBeforeStartIsReported()
{
    QSignalSpy spy(m_hook.get(), &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key);
    m_hook->startHook(WindowsHookInterface::RemapKey);
    m_backend->injectKey('B', 0x30, 0x00);
    QCOMPARE(m_backend->injectKey(kVkA, kScanA, 0x80), 1);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1), report(kVkA, kScanA, 0, 0x80));
    QCOMPARE(WindowsHookInterface::pressedKeyCount(), 1);

    // A new start empties the table: a key held across it presses anew.
    m_hook->startHook(WindowsHookInterface::RemapKey);
    QCOMPARE(WindowsHookInterface::pressedKeyCount(), 0);
    m_backend->injectKey('B', 0x30, 0x00);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(2).at(2).toInt(), 1);
}

void TestWindowsHook::macroModeRelaysKeysButtonsAndWheel()
{
    DDataManager *data = DDataManager::getInstance();
    QSignalSpy hookSpy(m_hook.get(), &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key);
    QSignalSpy keySpy(data, &DDataManager::sigReceiveStreamEX_MacroKeyboard);
    QList<QPair<int, quint32>> mouse;  // message and mouseData, read while the record is valid
    QList<int> codes;
    connect(data, &DDataManager::sigReceiveStreamEX_MacroMouse, this, [&](int nCode, quintptr message, qintptr record) {
        codes.append(nCode);
        mouse.append({int(message), reinterpret_cast<const HookMouseRecord *>(record)->mouseData});
    });

    QCOMPARE(m_hook->startHook(WindowsHookInterface::MacroRecord), 1);
    QVERIFY(m_backend->mouseInstalled());
    HookMouseRecord wheel;
    wheel.mouseData = quint32(quint16(qint16(-120))) << 16;
    m_backend->injectMouse(HookMessage::LeftButtonDown);
    m_backend->injectMouse(HookMessage::MouseMove);
    m_backend->injectMouse(HookMessage::LeftButtonUp);
    m_backend->injectMouse(HookMessage::Wheel, wheel);
    m_backend->injectKey(0x0D, 0x1C, 0x01);

    const QList<QPair<int, quint32>> expected = {{0x201, 0u}, {0x202, 0u}, {0x20A, wheel.mouseData}};
    QCOMPARE(mouse, expected);
    QCOMPARE(codes, (QList<int> {0, 0, 0}));
    QCOMPARE(keySpy.count(), 1);
    QCOMPARE(keySpy.at(0), report(0x0D, 0x1C, 1, 0x01));
    QCOMPARE(hookSpy.count(), 0);

    // Other modes install no mouse hook.
    m_hook->stopHook();
    QVERIFY(!m_backend->mouseInstalled());
    m_hook->startHook(WindowsHookInterface::RemapKey);
    QVERIFY(!m_backend->injectMouse(HookMessage::LeftButtonDown));
    QCOMPARE(mouse.size(), 3);
}

void TestWindowsHook::secondStartOnlySwitchesMode()
{
    QSignalSpy spy(m_hook.get(), &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key);
    QCOMPARE(m_hook->startHook(WindowsHookInterface::RemapKey), 1);
    QCOMPARE(m_hook->startHook(WindowsHookInterface::KeyCombination), 1);
    QCOMPARE(m_backend->keyboardInstallCount(), 1);
    QCOMPARE(m_hook->mode(), int(WindowsHookInterface::KeyCombination));
    QCOMPARE(m_backend->injectKey(kVkA, kScanA, 0x00), 1);
    QCOMPARE(spy.count(), 1);

    // Switching to the interactive mode lets keys pass at once; a second start
    // in macro mode does not add the mouse hook.
    QCOMPARE(m_hook->startHook(WindowsHookInterface::InteractiveLight), 1);
    QVERIFY(!m_backend->swallowKeys());
    QCOMPARE(m_backend->injectKey('B', 0x30, 0x00), 0);
    QCOMPARE(m_hook->startHook(WindowsHookInterface::MacroRecord), 1);
    QVERIFY(!m_backend->mouseInstalled());
    QCOMPARE(m_backend->keyboardInstallCount(), 1);
}

void TestWindowsHook::stopWithoutStartReturnsOne()
{
    QCOMPARE(m_hook->stopHook(), 1);
    QCOMPARE(m_hook->mode(), int(WindowsHookInterface::NoMode));
    m_hook->startHook(WindowsHookInterface::RemapKey);
    m_backend->injectKey(kVkA, kScanA, 0x00);
    QCOMPARE(m_hook->stopHook(), 1);
    QCOMPARE(m_hook->stopHook(), 1);
    // Stopping keeps the mode and the table; no event is seen any more.
    QCOMPARE(m_hook->mode(), int(WindowsHookInterface::RemapKey));
    QCOMPARE(WindowsHookInterface::pressedKeyCount(), 1);
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
    QCOMPARE(m_backend->injectKey(kVkA, kScanA, 0x80), -1);
}

void TestWindowsHook::failedInstallationsReportZeroAndRetry()
{
    m_backend->setKeyboardFailure(5);
    QTest::ignoreMessage(QtDebugMsg, "Set keyboard Hook error, error code=5");
    QCOMPARE(m_hook->startHook(WindowsHookInterface::RemapKey), 0);
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());

    // The next start tries again rather than claiming hooks that are not there.
    m_backend->setKeyboardFailure(0);
    QCOMPARE(m_hook->startHook(WindowsHookInterface::RemapKey), 1);
    QVERIFY(m_backend->keyboardInstalled());
    m_hook->stopHook();

    // A failing mouse hook leaves the keyboard hook installed.
    m_backend->setMouseFailure(7);
    QTest::ignoreMessage(QtDebugMsg, "Set mouse Hook error, error code=7");
    QCOMPARE(m_hook->startHook(WindowsHookInterface::MacroRecord), 0);
    QVERIFY(m_backend->keyboardInstalled());
    QVERIFY(!m_backend->mouseInstalled());
    QCOMPARE(m_backend->injectKey(kVkA, kScanA, 0x00), 1);
    QCOMPARE(m_hook->stopHook(), 1);
    QVERIFY(!m_backend->keyboardInstalled());
}

void TestWindowsHook::fullPressedTableIgnoresNewPresses()
{
    QSignalSpy spy(m_hook.get(), &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key);
    m_hook->startHook(WindowsHookInterface::RemapKey);
    for (quint32 vk = 1; vk <= quint32(WindowsHookInterface::kPressedKeyTableSize); ++vk)
        m_backend->injectKey(vk, 0, 0x00);
    QCOMPARE(WindowsHookInterface::pressedKeyCount(), WindowsHookInterface::kPressedKeyTableSize);
    QCOMPARE(spy.count(), WindowsHookInterface::kPressedKeyTableSize);

    QCOMPARE(m_backend->injectKey(200, 0, 0x00), 0);
    QCOMPARE(spy.count(), WindowsHookInterface::kPressedKeyTableSize);
    QCOMPARE(WindowsHookInterface::pressedKeyCount(), WindowsHookInterface::kPressedKeyTableSize);

    // Releasing one makes room again.
    m_backend->injectKey(1, 0, 0x80);
    QCOMPARE(m_backend->injectKey(200, 0, 0x00), 1);
    QCOMPARE(spy.last(), report(200, 0, 1, 0x00));
    QCOMPARE(WindowsHookInterface::pressedKeyCount(), WindowsHookInterface::kPressedKeyTableSize);
}

void TestWindowsHook::lastConstructedObjectReceivesAndMayGoAway()
{
    QSignalSpy firstSpy(m_hook.get(), &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key);
    auto second = std::make_unique<WindowsHookInterface>();
    QSignalSpy secondSpy(second.get(), &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key);
    QCOMPARE(second->startHook(WindowsHookInterface::RemapKey), 1);
    m_backend->injectKey(kVkA, kScanA, 0x00);
    QCOMPARE(firstSpy.count(), 0);
    QCOMPARE(secondSpy.count(), 1);

    // A receiver that deletes the object while handling a key.
    connect(second.get(), &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key, this, [&second]() { second.reset(); });
    QCOMPARE(m_backend->injectKey('B', 0x30, 0x00), 1);
    QVERIFY(!second);
    QVERIFY(!WindowsHookInterface::isKeyboardHookInstalled());
    QCOMPARE(m_backend->injectKey(kVkA, kScanA, 0x80), -1);
}

TAVRIX_TEST_MAIN(TestWindowsHook)
#include "tst_windowshook.moc"
