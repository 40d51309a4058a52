// Drives the X11 hook backend with synthetic input on a private X server. Run
// through xvfb-run (see tst_hookx11.cmake); elsewhere it skips, so that it never
// types into a real desktop.
#include "app/ddatamanager.h"
#include "app/windowshookinterface.h"
#include "platform/x11hookbackend.h"
#include "support/testmain.h"

#include <QSignalSpy>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

// X keycodes of the evdev driver: the Linux input code plus 8.
constexpr int kKeyA = 38;
constexpr int kKeyReturn = 36;
constexpr int kKeyKpEnter = 104;
constexpr int kKeyHome = 110;
constexpr int kKeyKp7 = 79;
constexpr int kKeyRightCtrl = 105;
constexpr int kKeyKpSlash = 106;
constexpr int kKeyLeftAlt = 64;

}  // namespace

class TestHookX11 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void keysArriveWithTheirCodes_data();
    void keysArriveWithTheirCodes();
    void heldKeyGivesOnePressAndOneRelease();
    void captureTakesTheKeyboardInteractiveDoesNot();
    void macroModeRelaysButtonsAndWheel();

private:
    void key(int keycode, bool press);
    void setNumLock(bool on);

    Display *m_display = nullptr;
    WindowsHookInterface *m_hook = nullptr;
};

void TestHookX11::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("TAVRIX_HOOK_X11"))
        QSKIP("needs a private X server: run through xvfb-run (ctest -R tst_hookx11_xvfb)");
    m_display = XOpenDisplay(nullptr);
    if (!m_display || !X11HookBackend::isAvailable())
        QSKIP("no X server with the RECORD extension could be reached");
    int event = 0, error = 0, major = 0, minor = 0;
    QVERIFY(XTestQueryExtension(m_display, &event, &error, &major, &minor));
    WindowsHookInterface::setBackend(std::make_unique<X11HookBackend>());
    m_hook = new WindowsHookInterface(this);
}

void TestHookX11::cleanupTestCase()
{
    if (m_hook)
        m_hook->stopHook();
    if (m_display)
        XCloseDisplay(m_display);
}

void TestHookX11::cleanup()
{
    if (m_hook)
        m_hook->stopHook();
}

void TestHookX11::key(int keycode, bool press)
{
    XTestFakeKeyEvent(m_display, keycode, press, CurrentTime);
    XSync(m_display, False);
}

void TestHookX11::setNumLock(bool on)
{
    const unsigned int mask = XkbKeysymToModifiers(m_display, XK_Num_Lock);
    XkbLockModifiers(m_display, XkbUseCoreKbd, mask, on ? mask : 0);
    XSync(m_display, False);
}

void TestHookX11::keysArriveWithTheirCodes_data()
{
    QTest::addColumn<int>("keycode");
    QTest::addColumn<bool>("numLock");
    QTest::addColumn<int>("vk");
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("pressFlags");
    QTest::addColumn<int>("releaseFlags");

    QTest::newRow("letter A") << kKeyA << false << 0x41 << 0x1E << 0x00 << 0x80;
    QTest::newRow("main Enter") << kKeyReturn << false << 0x0D << 0x1C << 0x00 << 0x80;
    QTest::newRow("keypad Enter") << kKeyKpEnter << false << 0x0D << 0x1C << 0x01 << 0x81;
    QTest::newRow("navigation Home") << kKeyHome << false << 0x24 << 0x47 << 0x01 << 0x81;
    QTest::newRow("keypad 7, Num Lock off") << kKeyKp7 << false << 0x24 << 0x47 << 0x00 << 0x80;
    QTest::newRow("keypad 7, Num Lock on") << kKeyKp7 << true << 0x67 << 0x47 << 0x00 << 0x80;
    QTest::newRow("right Ctrl") << kKeyRightCtrl << false << 0xA3 << 0x1D << 0x01 << 0x81;
    QTest::newRow("keypad slash") << kKeyKpSlash << false << 0x6F << 0x35 << 0x01 << 0x81;
    QTest::newRow("left Alt") << kKeyLeftAlt << false << 0xA4 << 0x38 << 0x20 << 0x80;
}

void TestHookX11::keysArriveWithTheirCodes()
{
    QFETCH(int, keycode);
    QFETCH(bool, numLock);
    QFETCH(int, vk);
    QFETCH(int, scan);
    QFETCH(int, pressFlags);
    QFETCH(int, releaseFlags);

    setNumLock(numLock);
    QSignalSpy spy(m_hook, &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key);
    QCOMPARE(m_hook->startHook(WindowsHookInterface::RemapKey), 1);
    key(keycode, true);
    key(keycode, false);
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0), (QVariantList {vk, scan, 1, pressFlags}));
    QCOMPARE(spy.at(1), (QVariantList {vk, scan, 0, releaseFlags}));
    setNumLock(false);
}

void TestHookX11::heldKeyGivesOnePressAndOneRelease()
{
    QSignalSpy spy(m_hook, &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key);
    QCOMPARE(m_hook->startHook(WindowsHookInterface::RemapKey), 1);
    // Longer than the server's repeat delay, so the key repeats meanwhile.
    XkbSetAutoRepeatRate(m_display, XkbUseCoreKbd, 100, 20);
    key(kKeyA, true);
    QTest::qWait(500);
    key(kKeyA, false);
    QTest::qWait(200);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(2).toInt(), 1);
    QCOMPARE(spy.at(1).at(2).toInt(), 0);
}

void TestHookX11::captureTakesTheKeyboardInteractiveDoesNot()
{
    const Window root = DefaultRootWindow(m_display);
    QCOMPARE(m_hook->startHook(WindowsHookInterface::KeyCombination), 1);
    QCOMPARE(XGrabKeyboard(m_display, root, False, GrabModeAsync, GrabModeAsync, CurrentTime), AlreadyGrabbed);

    // Starting again while installed only switches the mode, which lets go.
    QCOMPARE(m_hook->startHook(WindowsHookInterface::InteractiveLight), 1);
    QCOMPARE(m_hook->mode(), int(WindowsHookInterface::InteractiveLight));
    QSignalSpy spy(m_hook, &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key);
    key(kKeyA, true);
    key(kKeyA, false);
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(XGrabKeyboard(m_display, root, False, GrabModeAsync, GrabModeAsync, CurrentTime), GrabSuccess);
    XUngrabKeyboard(m_display, CurrentTime);
    XSync(m_display, False);

    m_hook->stopHook();
    QCOMPARE(m_hook->startHook(WindowsHookInterface::RemapKey), 1);
    m_hook->stopHook();
    QCOMPARE(XGrabKeyboard(m_display, root, False, GrabModeAsync, GrabModeAsync, CurrentTime), GrabSuccess);
    XUngrabKeyboard(m_display, CurrentTime);
    XSync(m_display, False);
}

void TestHookX11::macroModeRelaysButtonsAndWheel()
{
    DDataManager *data = DDataManager::getInstance();
    QList<QPair<quint32, qint16>> seen;  // message and the high word of mouseData
    QMetaObject::Connection connection = connect(
        data, &DDataManager::sigReceiveStreamEX_MacroMouse, this, [&seen](int, quintptr message, qintptr record) {
            const auto *mouse = reinterpret_cast<const HookMouseRecord *>(record);
            seen.append({quint32(message), qint16(mouse->mouseData >> 16)});
        });
    QSignalSpy keys(data, &DDataManager::sigReceiveStreamEX_MacroKeyboard);

    QCOMPARE(m_hook->startHook(WindowsHookInterface::MacroRecord), 1);
    QVERIFY(WindowsHookInterface::isMouseHookInstalled());
    XTestFakeMotionEvent(m_display, -1, 40, 40, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XTestFakeButtonEvent(m_display, 3, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 3, False, CurrentTime);
    XTestFakeButtonEvent(m_display, 5, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 5, False, CurrentTime);
    XSync(m_display, False);
    key(kKeyA, true);
    key(kKeyA, false);

    QTRY_COMPARE(keys.count(), 2);
    QTRY_COMPARE(seen.size(), 5);
    disconnect(connection);
    const QList<QPair<quint32, qint16>> expected = {{0x201, 0}, {0x202, 0}, {0x204, 0}, {0x205, 0}, {0x20A, -120}};
    QCOMPARE(seen, expected);
    QCOMPARE(keys.at(0), (QVariantList {0x41, 0x1E, 1, 0}));
}

TAVRIX_TEST_MAIN(TestHookX11)
#include "tst_hookx11.moc"
