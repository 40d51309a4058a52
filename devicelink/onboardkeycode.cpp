#include "devicelink/onboardkeycode.h"

#include "keys/keyoperatetype.h"

#include <QStringList>

namespace {

// A key without an item keeps its own function; these keys' own functions are
// multimedia functions or the Fn key, which the keyboard stores in their groups.
struct OwnKeyRow
{
    int own;
    OnboardKeyCode code;
};
const OwnKeyRow kOwnKeys[] = {
    {OnboardEncoder::FnKeyCode, OnboardKeyCode::of(0x01)},  // Fn
    {215, OnboardKeyCode::of(0x07, 0x32)},                  // calculator
    {127, OnboardKeyCode::of(0x07, 0x12)},                  // mute
    {129, OnboardKeyCode::of(0x07, 0x11)},                  // volume down
    {128, OnboardKeyCode::of(0x07, 0x10)},                  // volume up
};

// Light functions whose value goes straight into b1 of their group.
struct LightRow
{
    int type;
    uint8_t group;
};
const LightRow kLightGroups[] = {
    {20, 0x02}, {21, 0x03}, {22, 0x04}, {23, 0x05}, {24, 0x06}, {25, 0x08},  // keyboard light (0x07 is multimedia)
    {30, 0x0A}, {31, 0x0B}, {32, 0x0C}, {33, 0x0D},                          // side light
};

// Light off or stop: (type, P2) to the keyboard function that carries the value.
struct LightStopRow
{
    int type;
    int p2;
    uint8_t function;
};
const LightStopRow kLightStops[] = {
    {26, 0, 0x04},
    {26, 1, 0x05},
    {34, 0, 0x04},
    {34, 1, 0x06},
};

// MultimediaCode 0..15 to the keyboard's code.
const uint8_t kMultimedia[]
    = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x30, 0x32, 0x34, 0x23, 0x20, 0x38, 0x39, 0x21};

// MouseKeyCode 0..7 to (wheel flag, button code).
struct MouseRow
{
    uint8_t wheel;
    uint8_t button;
};
const MouseRow kMouse[] = {
    {0, 0x01},  // left
    {0, 0x04},  // middle
    {0, 0x02},  // right
    {1, 0x01},  // scroll up
    {1, 0xFF},  // scroll down
    {0, 0x08},  // forward
    {0, 0x10},  // backward
    {0, 0x00},  // sniper key: nothing the keyboard can do
};

// ShortcutCode 0..11 to (modifier usage, key usage).
const QPair<int, int> kShortcuts[] = {
    {0xE2, 0x3D},  // Alt+F4
    {0xE2, 0x2B},  // Alt+Tab
    {0xE3, 0x07},  // Win+D
    {0xE3, 0x08},  // Win+E
    {0xE3, 0x0F},  // Win+L
    {0xE0, 0x06},  // Ctrl+C
    {0xE0, 0x1B},  // Ctrl+X
    {0xE0, 0x19},  // Ctrl+V
    {0xE0, 0x09},  // Ctrl+F
    {0xE0, 0x11},  // Ctrl+N
    {0xE0, 0x13},  // Ctrl+P
    {0xE0, 0x16},  // Ctrl+S
};

template <typename T, size_t N> bool inTable(const T (&)[N], int index)
{
    return index >= 0 && index < int(N);
}

int itemValue(const KeyOperateInfo &item)
{
    return keyOperateNumber(item.value);
}

// Two numbers separated by ",", read from the item's value; a missing one counts as 0.
QPair<int, int> numberPair(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    const auto field = [&fields](int i) { return i < fields.size() ? keyOperateNumber(fields.at(i).toUtf8()) : 0; };
    return {field(0), field(1)};
}

QPair<int, int> numberPair(const KeyOperateInfo &item)
{
    return numberPair(QString::fromUtf8(keyOperateField(item.value)));
}

}  // namespace

OnboardKeyCode OnboardKeyCode::of(int b0, int b1, int b2, int b3)
{
    OnboardKeyCode code;
    code.bytes
        = {static_cast<uint8_t>(b0), static_cast<uint8_t>(b1), static_cast<uint8_t>(b2), static_cast<uint8_t>(b3)};
    return code;
}

bool OnboardEncoder::playsMacro(const KeyOperateInfo &item)
{
    return itemType(item) == KeyOperateType_Macro;
}

bool OnboardEncoder::bindsSeniorKey(const KeyOperateInfo &item)
{
    return itemType(item) == KeyOperateType_SeniorKey;
}

OnboardKeyCode OnboardEncoder::ownKey(int own)
{
    for (const OwnKeyRow &row : kOwnKeys) {
        if (row.own == own)
            return row.code;
    }
    return OnboardKeyCode::of(OnboardKeyCode::PlainKey, own);
}

OnboardKeyCode OnboardEncoder::encodeKey(const KeyOperateInfo &item, int ownCode, int storeIndex)
{
    const int own = clampOwnCode(ownCode);
    const int type = itemType(item);
    const int value = itemValue(item);
    const int p2 = keyOperateNumber(item.param2);

    for (const LightRow &row : kLightGroups) {
        if (row.type == type)
            return OnboardKeyCode::of(row.group, value);
    }
    switch (type) {
    case -1: return ownKey(own);
    case KeyOperateType_KeyConfig: return keyboardFunction(p2, item, own);
    case 26:
    case 34:
        for (const LightStopRow &row : kLightStops) {
            if (row.type == type && row.p2 == p2)
                return OnboardKeyCode::of(OnboardKeyCode::KeyboardFunction, row.function, value);
        }
        return OnboardKeyCode::of(OnboardKeyCode::PlainKey, own);
    case KeyOperateType_SeniorKey: return OnboardKeyCode::of(OnboardKeyCode::SeniorKey, storeIndex);
    case KeyOperateType_RemapKey:
        if (value == RemapMinus20Code)
            return OnboardKeyCode::of(OnboardKeyCode::RemapMinus20);
        if (value == FnKeyCode)
            return OnboardKeyCode::of(OnboardKeyCode::FnKey);
        return OnboardKeyCode::of(OnboardKeyCode::PlainKey, value);  // a target above 255 keeps its low byte
    case KeyOperateType_Macro: return OnboardKeyCode::of(OnboardKeyCode::Macro, own, storeIndex);
    case KeyOperateType_KeyCombination: return modifierForm(combinationToUsages(item));
    case KeyOperateType_Multimedia:
        return OnboardKeyCode::of(OnboardKeyCode::Multimedia, multimediaToOnboardCode(item));
    case KeyOperateType_Mouse:
        return OnboardKeyCode::of(OnboardKeyCode::Mouse, mouseWheelFlag(item), mouseButtonCode(item));
    case KeyOperateType_Disable: return OnboardKeyCode::of(0);
    case KeyOperateType_Text:
    case KeyOperateType_SwitchProfile:
    case KeyOperateType_LaunchApplication:
        // The keyboard asks the application to run these; it names the key by its own code.
        return OnboardKeyCode::of(OnboardKeyCode::HostFunction, 0, 0, own);
    case KeyOperateType_Shortcut: {
        const QPair<int, int> usages = hotKeyToUsages(value);
        return OnboardKeyCode::of(OnboardKeyCode::ModifierCombination, usages.first, usages.second);
    }
    case 27: return OnboardKeyCode::of(0x09);
    default: return OnboardKeyCode::of(OnboardKeyCode::PlainKey, own);
    }
}

OnboardKeyCode OnboardEncoder::keyboardFunction(int function, const KeyOperateInfo &item, int own)
{
    const int value = itemValue(item);
    switch (function) {
    case 0: return OnboardKeyCode::of(OnboardKeyCode::KeyboardFunction);
    case 1:
    case 2:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10: return OnboardKeyCode::of(OnboardKeyCode::KeyboardFunction, function, value);
    case 3: {
        if (value <= 0xFF)
            return OnboardKeyCode::of(OnboardKeyCode::KeyboardFunction, 3, 0, value);
        // The value's hexadecimal digits: the last two are the low byte, the ones before
        // them (at most two) the high byte; for values up to 65535 the plain 16-bit split.
        const QString hex = QString::number(value, 16);
        const int hi = hex.left(hex.size() == 3 ? 1 : 2).toInt(nullptr, 16);
        const int lo = hex.right(2).toInt(nullptr, 16);
        return OnboardKeyCode::of(OnboardKeyCode::KeyboardFunction, 3, hi, lo);
    }
    case 11: {
        const QPair<int, int> subChannel = numberPair(item);
        return OnboardKeyCode::of(OnboardKeyCode::KeyboardFunction, 0x0B, subChannel.first, subChannel.second);
    }
    default: return OnboardKeyCode::of(OnboardKeyCode::PlainKey, own);
    }
}

int OnboardEncoder::multimediaCode(int multimediaValue)
{
    return inTable(kMultimedia, multimediaValue) ? kMultimedia[multimediaValue] : 0x00;
}

int OnboardEncoder::multimediaToOnboardCode(const KeyOperateInfo &item)
{
    return multimediaCode(itemValue(item));
}

int OnboardEncoder::mouseWheelFlag(const KeyOperateInfo &item)
{
    const int value = itemValue(item);
    return inTable(kMouse, value) ? kMouse[value].wheel : 0;
}

int OnboardEncoder::mouseButtonCode(const KeyOperateInfo &item)
{
    const int value = itemValue(item);
    return inTable(kMouse, value) ? kMouse[value].button : 0x00;
}

QPair<int, int> OnboardEncoder::hotKeyToUsages(int shortcutCode)
{
    return inTable(kShortcuts, shortcutCode) ? kShortcuts[shortcutCode] : QPair<int, int>(0, 0);
}

OnboardUsages OnboardEncoder::maskToUsages(int mask, int key)
{
    OnboardUsages usages;
    usages.key = key;
    int low = -1;
    int high = -1;
    for (int bit = 0; bit < 8; ++bit) {
        if (mask & (1 << bit)) {
            if (low < 0)
                low = bit;
            high = bit;
        }
    }
    if (low >= 0)
        usages.m1 = FirstModifierUsage + low;
    if (high > low)
        usages.m2 = FirstModifierUsage + high;  // the modifiers between the two are dropped
    return usages;
}

OnboardUsages OnboardEncoder::keyTextToUsages(const QString &text)
{
    const QPair<int, int> maskKey = numberPair(text);
    return maskToUsages(maskKey.first, maskKey.second);
}

OnboardUsages OnboardEncoder::combinationToUsages(const KeyOperateInfo &item)
{
    return keyTextToUsages(QString::fromUtf8(keyOperateField(item.value)));
}

OnboardKeyCode OnboardEncoder::modifierForm(const OnboardUsages &usages)
{
    if (usages.m2 == 0)
        return OnboardKeyCode::of(OnboardKeyCode::ModifierCombination, usages.m1, usages.key);
    return OnboardKeyCode::of(OnboardKeyCode::ModifierCombination, usages.m1, usages.m2, usages.key);
}
