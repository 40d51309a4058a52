#include "app/ddatamanager.h"
#include "app/windowshookinterface.h"
#include "platform/apphookbackend.h"
#include "platform/virtualkeytable.h"
#include "support/testmain.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QWindow>

Q_DECLARE_METATYPE(VirtualKey)

class TestHookBackends : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void physicalKeys_data();
    void physicalKeys();
    void qtKeys_data();
    void qtKeys();
    void applicationBackendSwallowsOnlyWhatTheModeSays();
    void applicationBackendReportsButtonsAndWheel();

private:
    static void sendKey(QWindow *window, QEvent::Type type, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
                        bool autoRepeat = false);
};

void TestHookBackends::physicalKeys_data()
{
    QTest::addColumn<int>("evdev");
    QTest::addColumn<bool>("numLock");
    QTest::addColumn<VirtualKey>("expected");

    QTest::newRow("main Enter") << 28 << true << VirtualKey {0x0D, 0x1C, false};
    QTest::newRow("keypad Enter") << 96 << true << VirtualKey {0x0D, 0x1C, true};
    QTest::newRow("navigation Home") << 102 << false << VirtualKey {0x24, 0x47, true};
    QTest::newRow("keypad 7, Num Lock on") << 71 << true << VirtualKey {0x67, 0x47, false};
    QTest::newRow("keypad 7, Num Lock off") << 71 << false << VirtualKey {0x24, 0x47, false};
    QTest::newRow("keypad 5, Num Lock off") << 76 << false << VirtualKey {0x0C, 0x4C, false};
    QTest::newRow("keypad point, Num Lock off") << 83 << false << VirtualKey {0x2E, 0x53, false};
    QTest::newRow("navigation Delete") << 111 << true << VirtualKey {0x2E, 0x53, true};
    QTest::newRow("keypad minus ignores Num Lock") << 74 << false << VirtualKey {0x6D, 0x4A, false};
    QTest::newRow("right Ctrl") << 97 << true << VirtualKey {0xA3, 0x1D, true};
    QTest::newRow("Yen") << 124 << true << VirtualKey {0xFF, 0x7D, false};
    QTest::newRow("Ro") << 89 << true << VirtualKey {0xC1, 0x73, false};
    QTest::newRow("unknown key") << 250 << true << VirtualKey {0xFF, 0x00, false};
}

void TestHookBackends::physicalKeys()
{
    QFETCH(int, evdev);
    QFETCH(bool, numLock);
    QFETCH(VirtualKey, expected);
    const VirtualKey key = VirtualKeyTable::fromEvdev(evdev, numLock);
    QCOMPARE(int(key.vk), int(expected.vk));
    QCOMPARE(int(key.scan), int(expected.scan));
    QCOMPARE(key.extended, expected.extended);
}

void TestHookBackends::qtKeys_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<VirtualKey>("expected");

    QTest::newRow("Return") << int(Qt::Key_Return) << false << VirtualKey {0x0D, 0x1C, false};
    QTest::newRow("Enter") << int(Qt::Key_Enter) << true << VirtualKey {0x0D, 0x1C, true};
    QTest::newRow("Home") << int(Qt::Key_Home) << false << VirtualKey {0x24, 0x47, true};
    QTest::newRow("keypad Home") << int(Qt::Key_Home) << true << VirtualKey {0x24, 0x47, false};
    QTest::newRow("keypad 7") << int(Qt::Key_7) << true << VirtualKey {0x67, 0x47, false};
    QTest::newRow("keypad Clear") << int(Qt::Key_Clear) << true << VirtualKey {0x0C, 0x4C, false};
    QTest::newRow("shifted 1") << int(Qt::Key_Exclam) << false << VirtualKey {0x31, 0x02, false};
    QTest::newRow("digit 7") << int(Qt::Key_7) << false << VirtualKey {0x37, 0x08, false};
    QTest::newRow("keypad slash") << int(Qt::Key_Slash) << true << VirtualKey {0x6F, 0x35, true};
    QTest::newRow("Ctrl") << int(Qt::Key_Control) << false << VirtualKey {0xA2, 0x1D, false};
}

void TestHookBackends::qtKeys()
{
    QFETCH(int, qtKey);
    QFETCH(bool, keypad);
    QFETCH(VirtualKey, expected);
    const VirtualKey key = VirtualKeyTable::fromQtKey(qtKey, keypad);
    QCOMPARE(int(key.vk), int(expected.vk));
    QCOMPARE(int(key.scan), int(expected.scan));
    QCOMPARE(key.extended, expected.extended);
}

void TestHookBackends::sendKey(QWindow *window, QEvent::Type type, int key, Qt::KeyboardModifiers mods, bool autoRepeat)
{
    QKeyEvent event(type, key, mods, QString(), autoRepeat);
    QCoreApplication::sendEvent(window, &event);
}

void TestHookBackends::applicationBackendSwallowsOnlyWhatTheModeSays()
{
    WindowsHookInterface::setBackend(std::make_unique<AppHookBackend>());
    WindowsHookInterface hook;
    QSignalSpy spy(&hook, &WindowsHookInterface::sigKeyboardReceiveStreamEX_Key);

    QLineEdit edit;
    edit.show();
    edit.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&edit));
    QWindow *window = edit.windowHandle();
    QSignalSpy edited(&edit, &QLineEdit::textEdited);

    QCOMPARE(hook.startHook(WindowsHookInterface::RemapKey), 1);
    QTest::keyClick(window, Qt::Key_A);  // swallowed: the field stays empty
    sendKey(window, QEvent::KeyPress, Qt::Key_Home, Qt::KeypadModifier);
    sendKey(window, QEvent::KeyPress, Qt::Key_Home, Qt::KeypadModifier, true);
    sendKey(window, QEvent::KeyRelease, Qt::Key_Home, Qt::KeypadModifier, true);
    sendKey(window, QEvent::KeyRelease, Qt::Key_Home, Qt::KeypadModifier);
    QCOMPARE(edit.text(), QString());
    QCOMPARE(spy.count(), 4);
    QCOMPARE(spy.at(0), (QVariantList {0x41, 0x1E, 1, 0x00}));
    QCOMPARE(spy.at(1), (QVariantList {0x41, 0x1E, 0, 0x80}));
    QCOMPARE(spy.at(2), (QVariantList {0x24, 0x47, 1, 0x00}));
    QCOMPARE(spy.at(3), (QVariantList {0x24, 0x47, 0, 0x80}));

    // The interactive mode reports and passes the key on.
    QCOMPARE(hook.startHook(WindowsHookInterface::InteractiveLight), 1);
    QTest::keyClick(window, Qt::Key_B);
    QCOMPARE(edit.text(), QStringLiteral("b"));
    QCOMPARE(spy.count(), 6);

    hook.stopHook();
    QTest::keyClick(window, Qt::Key_C);
    QCOMPARE(edit.text(), QStringLiteral("bc"));
    QCOMPARE(spy.count(), 6);
    WindowsHookInterface::setBackend(nullptr);
}

void TestHookBackends::applicationBackendReportsButtonsAndWheel()
{
    WindowsHookInterface::setBackend(std::make_unique<AppHookBackend>());
    WindowsHookInterface hook;
    QList<QPair<int, qint16>> seen;
    connect(DDataManager::getInstance(), &DDataManager::sigReceiveStreamEX_MacroMouse, this,
            [&seen](int, quintptr message, qintptr record) {
                seen.append({int(message), qint16(reinterpret_cast<const HookMouseRecord *>(record)->mouseData >> 16)});
            });

    QWidget widget;
    widget.resize(100, 100);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QWindow *window = widget.windowHandle();

    QCOMPARE(hook.startHook(WindowsHookInterface::MacroRecord), 1);
    QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    QTest::mouseMove(window, QPoint(20, 20));
    QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window, &wheel);
    hook.stopHook();
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));

    const QList<QPair<int, qint16>> expected = {{0x204, 0}, {0x205, 0}, {0x20A, 120}};
    QCOMPARE(seen, expected);
    WindowsHookInterface::setBackend(nullptr);
}

TAVRIX_TEST_MAIN(TestHookBackends)
#include "tst_hookbackends.moc"
