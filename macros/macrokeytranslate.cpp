#include "macros/macrokeytranslate.h"

#include <array>
#include <utility>

namespace {

constexpr int kFlagExtended = 0x01;
constexpr int kFlagUp = 0x80;

// Pseudo values that the soft-keyboard layout gives key codes.
enum SpecialKeyCode
{
    kMainEnter = 999,
    kKeypadEnter = 998,
    kVk255Scan7D = 981,
    kVkC1 = 984,
    kVkEB = 986,
    kVk255Scan79 = 987,
    kVk255Scan70 = 988,
};

// Navigation keys of the keypad (not extended) → the keypad digit keys.
constexpr std::array<std::pair<int, int>, 11> kKeypadNavigation {{
    {12, 101},
    {33, 105},
    {34, 99},
    {35, 97},
    {36, 103},
    {37, 100},
    {38, 104},
    {39, 102},
    {40, 98},
    {45, 96},
    {46, 110},
}};

// The press flag of a key whose hook flags say "plain" for a press and
// plain | up for a release; other flag values keep the hook's own flag.
bool pressFromFlags(int hookFlags, int pressFlags, bool press)
{
    if (hookFlags == pressFlags)
        return true;
    if (hookFlags == (pressFlags | kFlagUp))
        return false;
    return press;
}

}  // namespace

MacroHookKey translateMacroHookKey(int virtualKey, int scanCode, bool press, int hookFlags)
{
    MacroHookKey key {virtualKey, press};
    if (virtualKey == 13) {
        if (hookFlags == 0 || hookFlags == kFlagUp)
            key = {kMainEnter, hookFlags == 0};
        else if (hookFlags == kFlagExtended || hookFlags == (kFlagExtended | kFlagUp))
            key = {kKeypadEnter, hookFlags == kFlagExtended};
    } else if (virtualKey == 255) {
        switch (scanCode) {
        case 0x7D: key.virtualKey = kVk255Scan7D; break;
        case 0x79: key.virtualKey = kVk255Scan79; break;
        case 0x70: key.virtualKey = kVk255Scan70; break;
        default: break;
        }
        key.press = pressFromFlags(hookFlags, 0, press);
    } else if (virtualKey == 0xC1) {
        key = {kVkC1, pressFromFlags(hookFlags, 0, press)};
    } else if (virtualKey == 0xEB) {
        key = {kVkEB, pressFromFlags(hookFlags, 0, press)};
    }

    if (hookFlags == 0 || hookFlags == 0x80 || hookFlags == 0x20 || hookFlags == 0xA0) {
        for (const auto &entry : kKeypadNavigation)
            if (entry.first == key.virtualKey) {
                key.virtualKey = entry.second;
                break;
            }
    }
    return key;
}
