#include "platform/hookkeystate.h"

namespace {
constexpr quint8 kVkLeftAlt = 0xA4;
constexpr quint8 kVkRightAlt = 0xA5;
}  // namespace

HookKeyRecord HookKeyState::record(const VirtualKey &key, bool press, quint32 time)
{
    if (key.vk == kVkLeftAlt)
        m_leftAltDown = press;
    else if (key.vk == kVkRightAlt)
        m_rightAltDown = press;

    HookKeyRecord rec;
    rec.vkCode = key.vk;
    rec.scanCode = key.scan;
    rec.time = time;
    if (key.extended)
        rec.flags |= HookFlag::Extended;
    if (m_leftAltDown || m_rightAltDown)
        rec.flags |= HookFlag::AltDown;
    if (!press)
        rec.flags |= HookFlag::KeyUp;
    return rec;
}

void HookKeyState::reset()
{
    m_leftAltDown = false;
    m_rightAltDown = false;
}
