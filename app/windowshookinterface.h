#pragma once

#include "platform/hookrecords.h"

#include <QObject>

#include <memory>

class HookBackend;

// Captures keyboard (and, for macro recording, mouse) input system-wide and
// reports keys as virtual-key codes, scan codes and hook flags. The state of the
// hooks is process-wide, like the system hooks it stands for: every object
// registers itself on construction, and the one constructed last receives all
// events.
class WindowsHookInterface : public QObject
{
    Q_OBJECT

public:
    enum HookMode
    {
        MacroRecord = 1,       // keyboard and mouse, relayed through the data manager
        RemapKey = 2,          // keyboard, reported by signal, keys swallowed
        KeyCombination = 3,    // as RemapKey
        InteractiveLight = 5,  // keyboard, reported by signal, keys passed on
        NoMode = 999,
    };
    static constexpr int kPressedKeyTableSize = 128;

    explicit WindowsHookInterface(QObject *parent = nullptr);
    ~WindowsHookInterface() override;

    // Returns 1 when the hooks the mode needs are installed (or were already),
    // 0 when installing failed.
    int startHook(int mode);
    // Removes the installed hooks; always returns 1.
    int stopHook();
    int mode() const { return m_mode; }

    // The source of events the hooks are installed in. Replacing it removes
    // installed hooks first. Without one, the first start creates the default
    // backend for the platform.
    static void setBackend(std::unique_ptr<HookBackend> backend);
    static HookBackend *backend();
    static bool isKeyboardHookInstalled();
    static bool isMouseHookInstalled();
    static int pressedKeyCount();

Q_SIGNALS:
    // flag: 1 for a key's first press, 0 for a release.
    void sigKeyboardReceiveStreamEX_Key(int keyCode, int scCode, int flag, int hookFlag);

private:
    friend struct HookProcedures;
    // Returns true when the key is to be swallowed.
    static bool keyboardProc(const HookKeyRecord &record);
    static void mouseProc(quint32 message, const HookMouseRecord &record);

    int m_mode = NoMode;
};
