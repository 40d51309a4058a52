#pragma once

#include <QtGlobal>

// A key as the Windows-shaped hook reports it: virtual-key code, set-1 scan code
// (without its 0xE0 prefix) and whether the key is an extended one.
struct VirtualKey
{
    quint8 vk = 0;
    quint8 scan = 0;
    bool extended = false;

    bool isValid() const { return vk != 0; }
    bool operator==(const VirtualKey &o) const { return vk == o.vk && scan == o.scan && extended == o.extended; }
};

// Translation of physical keys into virtual keys with the US layout, the layout
// the soft keyboard's tables are written for. Keys are physical positions, so the
// user's own keymap does not change the codes.
namespace VirtualKeyTable {

// Virtual-key code reported for a key the table does not know.
constexpr quint8 kUnknownVk = 0xFF;

// evdevCode: the Linux input key code (an X keycode minus 8). The numeric keypad
// reports navigation keys without the extended flag while Num Lock is off.
VirtualKey fromEvdev(int evdevCode, bool numLockOn);

// The Linux input key code of a Qt key, 0 when unknown. keypad: the event carried
// the keypad modifier. *numLockOn tells, for keypad keys, whether the Qt key is
// the Num Lock on variant (a digit) or the off one (a navigation key).
int evdevFromQtKey(int qtKey, bool keypad, bool *numLockOn = nullptr);

// Both steps at once; an unknown key gives kUnknownVk.
VirtualKey fromQtKey(int qtKey, bool keypad);

// Linux input key codes the hook backends treat specially.
constexpr int kEvdevNumLock = 69;
constexpr int kEvdevLeftAlt = 56;
constexpr int kEvdevRightAlt = 100;

}  // namespace VirtualKeyTable
