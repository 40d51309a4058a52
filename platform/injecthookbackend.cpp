#include "platform/injecthookbackend.h"

bool InjectHookBackend::installKeyboard(HookSink *sink)
{
    if (m_keyboardFailure) {
        m_errorCode = m_keyboardFailure;
        return false;
    }
    m_keyboardSink = sink;
    ++m_keyboardInstalls;
    return true;
}

bool InjectHookBackend::installMouse(HookSink *sink)
{
    if (m_mouseFailure) {
        m_errorCode = m_mouseFailure;
        return false;
    }
    m_mouseSink = sink;
    return true;
}

void InjectHookBackend::removeKeyboard()
{
    m_keyboardSink = nullptr;
}

void InjectHookBackend::removeMouse()
{
    m_mouseSink = nullptr;
}

int InjectHookBackend::injectKey(quint32 vkCode, quint32 scanCode, quint32 flags)
{
    if (!m_keyboardSink)
        return -1;
    HookKeyRecord record;
    record.vkCode = vkCode;
    record.scanCode = scanCode;
    record.flags = flags;
    return m_keyboardSink->keyboardEvent(record) ? 1 : 0;
}

bool InjectHookBackend::injectMouse(quint32 message, const HookMouseRecord &record)
{
    if (!m_mouseSink)
        return false;
    m_mouseSink->mouseEvent(message, record);
    return true;
}
