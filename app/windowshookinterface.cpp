#include "app/windowshookinterface.h"
#include "platform/logcategories.h"

#include "app/ddatamanager.h"
#include "platform/hookbackend.h"

#include <QCoreApplication>
#include <QMap>
#include <QPointer>

#include <algorithm>

namespace {

const QString kRegistryKey = QStringLiteral("HOOK");

// Keys that keep working for every application while keys are swallowed.
constexpr quint8 kPassThroughKeys[] = {
    0x14,  // Caps Lock
    0x90,  // Num Lock
    0x91,  // Scroll Lock
    0xA2,  // left Ctrl
    0xA3,  // right Ctrl
};

// Flags of a key's press; every other flags value is a release. An injected
// press of a plain key (0x10) is deliberately not among them.
constexpr quint32 kPressFlags[] = {0x00, 0x01, 0x11, 0x20, 0x21};

// Process-wide hook state: the hook procedures of the system carry no object.
struct HookState
{
    QMap<QString, WindowsHookInterface *> registry;
    std::unique_ptr<HookBackend> backend;
    bool keyboardInstalled = false;
    bool mouseInstalled = false;
    bool cleanupRegistered = false;
    // Keys held now, in the order they were pressed, each at most once.
    quint8 pressed[WindowsHookInterface::kPressedKeyTableSize] = {};
    int pressedCount = 0;
};

HookState &state()
{
    static HookState s;
    return s;
}

bool isPress(quint32 flags)
{
    return std::find(std::begin(kPressFlags), std::end(kPressFlags), flags) != std::end(kPressFlags);
}

bool isPassThrough(quint32 vk)
{
    return std::find(std::begin(kPassThroughKeys), std::end(kPassThroughKeys), vk) != std::end(kPassThroughKeys);
}

void clearPressedTable()
{
    HookState &s = state();
    std::fill(std::begin(s.pressed), std::end(s.pressed), 0);
    s.pressedCount = 0;
}

int pressedIndex(quint8 vk)
{
    const HookState &s = state();
    for (int i = 0; i < s.pressedCount; ++i) {
        if (s.pressed[i] == vk)
            return i;
    }
    return -1;
}

void removeHooks()
{
    HookState &s = state();
    if (!s.backend)
        return;
    if (s.keyboardInstalled)
        s.backend->removeKeyboard();
    if (s.mouseInstalled)
        s.backend->removeMouse();
    s.keyboardInstalled = false;
    s.mouseInstalled = false;
    s.backend->setSwallowKeys(false);
}

// Backends may hold sockets and filters of the application: let them go while
// the application still exists.
void releaseBackend()
{
    removeHooks();
    state().backend.reset();
}

void registerCleanup()
{
    HookState &s = state();
    if (s.cleanupRegistered || !QCoreApplication::instance())
        return;
    qAddPostRoutine(releaseBackend);
    s.cleanupRegistered = true;
}

}  // namespace

// What the backends call for every event they observe.
struct HookProcedures : HookSink
{
    bool keyboardEvent(const HookKeyRecord &record) override { return WindowsHookInterface::keyboardProc(record); }
    void mouseEvent(quint32 message, const HookMouseRecord &record) override
    {
        WindowsHookInterface::mouseProc(message, record);
    }
};

namespace {
HookProcedures g_procedures;
}  // namespace

WindowsHookInterface::WindowsHookInterface(QObject *parent) : QObject(parent)
{
    state().registry.insert(kRegistryKey, this);
}

WindowsHookInterface::~WindowsHookInterface()
{
    HookState &s = state();
    if (s.registry.value(kRegistryKey) == this) {
        s.registry.remove(kRegistryKey);
        removeHooks();
    }
}

int WindowsHookInterface::startHook(int mode)
{
    HookState &s = state();
    m_mode = mode;
    clearPressedTable();

    if (s.keyboardInstalled || s.mouseInstalled) {
        s.backend->setSwallowKeys(mode != InteractiveLight);
        return 1;
    }

    // A start after a failed installation tries again: nothing is recorded as
    // installed unless the backend took it.
    if (!s.backend)
        s.backend = HookBackend::createDefault();
    registerCleanup();
    if (!s.backend->installKeyboard(&g_procedures)) {
        qCDebug(lcPlatform, "Set keyboard Hook error, error code=%ld", s.backend->errorCode());
        return 0;
    }
    s.keyboardInstalled = true;
    s.backend->setSwallowKeys(mode != InteractiveLight);

    if (mode == MacroRecord) {
        if (!s.backend->installMouse(&g_procedures)) {
            qCDebug(lcPlatform, "Set mouse Hook error, error code=%ld", s.backend->errorCode());
            return 0;
        }
        s.mouseInstalled = true;
    }
    return 1;
}

int WindowsHookInterface::stopHook()
{
    removeHooks();
    return 1;
}

void WindowsHookInterface::setBackend(std::unique_ptr<HookBackend> backend)
{
    removeHooks();
    state().backend = std::move(backend);
    registerCleanup();
}

HookBackend *WindowsHookInterface::backend()
{
    return state().backend.get();
}

bool WindowsHookInterface::isKeyboardHookInstalled()
{
    return state().keyboardInstalled;
}

bool WindowsHookInterface::isMouseHookInstalled()
{
    return state().mouseInstalled;
}

int WindowsHookInterface::pressedKeyCount()
{
    return state().pressedCount;
}

bool WindowsHookInterface::keyboardProc(const HookKeyRecord &record)
{
    HookState &s = state();
    if (!s.keyboardInstalled)
        return false;

    const quint8 vk = quint8(record.vkCode);
    int flag = 0;
    if (isPress(record.flags)) {
        // A held key repeats: neither reported nor kept from other applications.
        if (pressedIndex(vk) >= 0)
            return false;
        // A full table takes no more keys; the press is ignored.
        if (s.pressedCount >= kPressedKeyTableSize)
            return false;
        s.pressed[s.pressedCount++] = vk;
        flag = 1;
    } else {
        const int index = pressedIndex(vk);
        if (index >= 0) {
            std::move(s.pressed + index + 1, s.pressed + s.pressedCount, s.pressed + index);
            s.pressed[--s.pressedCount] = 0;
        }
    }

    // The receiver may stop the hook or even delete its object while it handles
    // the report.
    QPointer<WindowsHookInterface> hook = s.registry.value(kRegistryKey);
    if (!hook)
        return false;
    const int mode = hook->m_mode;
    if (mode == MacroRecord)
        DDataManager::getInstance()->relayMacroKeyboardStream(int(record.vkCode), int(record.scanCode), flag,
                                                              int(record.flags));
    else
        Q_EMIT hook->sigKeyboardReceiveStreamEX_Key(int(record.vkCode), int(record.scanCode), flag, int(record.flags));

    if ((hook ? hook->m_mode : mode) == InteractiveLight)
        return false;
    return !isPassThrough(record.vkCode);
}

void WindowsHookInterface::mouseProc(quint32 message, const HookMouseRecord &record)
{
    HookState &s = state();
    if (message == HookMessage::MouseMove || !s.mouseInstalled)
        return;
    WindowsHookInterface *hook = s.registry.value(kRegistryKey);
    if (!hook || hook->m_mode != MacroRecord)
        return;
    // The record lives for this call only, as the receivers expect.
    HookMouseRecord copy = record;
    DDataManager::getInstance()->relayMacroMouseStream(0, quintptr(message), reinterpret_cast<qintptr>(&copy));
}
