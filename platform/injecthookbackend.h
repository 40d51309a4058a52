#pragma once

#include "platform/hookbackend.h"

// A backend fed by hand, for tests: events are injected as records and the
// answer of the sink is returned, as a system hook would see it.
class InjectHookBackend : public HookBackend
{
public:
    const char *name() const override { return "inject"; }
    bool installKeyboard(HookSink *sink) override;
    bool installMouse(HookSink *sink) override;
    void removeKeyboard() override;
    void removeMouse() override;
    void setSwallowKeys(bool on) override { m_swallowKeys = on; }

    // Makes the next installations fail with the given error code (0: succeed).
    void setKeyboardFailure(long code) { m_keyboardFailure = code; }
    void setMouseFailure(long code) { m_mouseFailure = code; }

    // Returns 1 when the key was swallowed, 0 when it went on, -1 when no keyboard
    // hook is installed (the event is not seen at all).
    int injectKey(quint32 vkCode, quint32 scanCode, quint32 flags);
    // Returns false when no mouse hook is installed.
    bool injectMouse(quint32 message, const HookMouseRecord &record = HookMouseRecord());

    bool keyboardInstalled() const { return m_keyboardSink != nullptr; }
    bool mouseInstalled() const { return m_mouseSink != nullptr; }
    bool swallowKeys() const { return m_swallowKeys; }
    int keyboardInstallCount() const { return m_keyboardInstalls; }

private:
    HookSink *m_keyboardSink = nullptr;
    HookSink *m_mouseSink = nullptr;
    long m_keyboardFailure = 0;
    long m_mouseFailure = 0;
    bool m_swallowKeys = false;
    int m_keyboardInstalls = 0;
};
