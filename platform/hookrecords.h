#pragma once

#include <QtGlobal>

// Input events as the rest of the application expects them from a global hook:
// Windows virtual-key codes, set-1 scan codes and the low-level hook flags, and
// the window messages of mouse buttons and wheels. Every hook backend, whatever
// it observes underneath, hands its events over in these shapes.

namespace HookFlag {
constexpr quint32 Extended = 0x01;
constexpr quint32 Injected = 0x10;
constexpr quint32 AltDown = 0x20;
constexpr quint32 KeyUp = 0x80;
}  // namespace HookFlag

namespace HookMessage {
constexpr quint32 MouseMove = 0x200;
constexpr quint32 LeftButtonDown = 0x201;
constexpr quint32 LeftButtonUp = 0x202;
constexpr quint32 RightButtonDown = 0x204;
constexpr quint32 RightButtonUp = 0x205;
constexpr quint32 MiddleButtonDown = 0x207;
constexpr quint32 MiddleButtonUp = 0x208;
constexpr quint32 Wheel = 0x20A;
constexpr quint32 ExtraButtonDown = 0x20B;
constexpr quint32 ExtraButtonUp = 0x20C;
constexpr quint32 HorizontalWheel = 0x20E;
}  // namespace HookMessage

// One wheel notch, carried in the high word of mouseData.
constexpr int kWheelDelta = 120;

// One keyboard event.
struct HookKeyRecord
{
    quint32 vkCode = 0;
    quint32 scanCode = 0;
    quint32 flags = 0;
    quint32 time = 0;
};

// One mouse event, laid out like the system record the macro recorder was
// written against: position, mouseData (high word: wheel delta or extra-button
// number), flags, time in ms and extra info.
struct HookMouseRecord
{
    qint32 x = 0;
    qint32 y = 0;
    quint32 mouseData = 0;
    quint32 flags = 0;
    quint32 time = 0;
    quintptr extraInfo = 0;
};
