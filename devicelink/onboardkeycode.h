#pragma once

#include "keys/keyoperateinfo.h"

#include <QByteArray>
#include <QPair>
#include <QString>

#include <array>
#include <cstdint>

// The four bytes the keyboard stores for one key: b0 names the function group, the
// other bytes carry its arguments.
struct OnboardKeyCode
{
    // Function groups (b0).
    enum Group : uint8_t
    {
        PlainKey = 0x00,
        FnKey = 0x01,
        Multimedia = 0x07,
        Macro = 0x10,
        KeyboardFunction = 0x11,
        Mouse = 0x12,
        ModifierCombination = 0x13,
        RemapMinus20 = 0x14,
        HostFunction = 0x16,
        SeniorKey = 0x17,
    };

    std::array<uint8_t, 4> bytes {};

    // Each argument keeps its low 8 bits.
    static OnboardKeyCode of(int b0, int b1 = 0, int b2 = 0, int b3 = 0);

    QByteArray toByteArray() const { return QByteArray(reinterpret_cast<const char *>(bytes.data()), 4); }
    bool operator==(const OnboardKeyCode &o) const { return bytes == o.bytes; }
    bool operator!=(const OnboardKeyCode &o) const { return bytes != o.bytes; }
};

// The usages of a modifier combination: the first and, with two or more modifiers, the
// last modifier (0 when absent), and the key.
struct OnboardUsages
{
    int m1 = 0;
    int m2 = 0;
    int key = 0;

    bool operator==(const OnboardUsages &o) const { return m1 == o.m1 && m2 == o.m2 && key == o.key; }
};

// How a key's stored item becomes the four bytes the keyboard keeps. Pure functions of
// their inputs; the macro and advanced-key store indexes are handed in by the caller,
// which sends the macro or advanced key itself first.
class OnboardEncoder
{
public:
    // The key's own code is clamped to this before it is encoded.
    static constexpr int OwnCodeLimit = 255;
    static constexpr int FnKeyCode = -10;
    static constexpr int RemapMinus20Code = -20;
    static constexpr int FirstModifierUsage = 0xE0;

    static int clampOwnCode(int code) { return code > OwnCodeLimit ? OwnCodeLimit : code; }
    // operateType as a number; -1 when the key has no item.
    static int itemType(const KeyOperateInfo &item) { return keyOperateNumber(item.operateType); }
    static bool playsMacro(const KeyOperateInfo &item);
    static bool bindsSeniorKey(const KeyOperateInfo &item);

    // The four bytes of a key. ownCode is the key's code (clamped here); storeIndex is
    // the macro or advanced-key slot given to the key's macro or advanced key.
    static OnboardKeyCode encodeKey(const KeyOperateInfo &item, int ownCode, int storeIndex = 0);

    // Code tables of the item's value.
    static int multimediaToOnboardCode(const KeyOperateInfo &item);
    static int multimediaCode(int multimediaValue);
    static int mouseWheelFlag(const KeyOperateInfo &item);
    static int mouseButtonCode(const KeyOperateInfo &item);
    // Modifier usage and key usage of a system shortcut; (0, 0) for an unknown one.
    static QPair<int, int> hotKeyToUsages(int shortcutCode);

    // A modifier mask and a key usage separated by ",": "5,4" gives E0, E2, 4.
    static OnboardUsages combinationToUsages(const KeyOperateInfo &item);
    static OnboardUsages keyTextToUsages(const QString &text);
    // Bits 0..7 of mask stand for the usages E0..E7; higher bits are ignored.
    static OnboardUsages maskToUsages(int mask, int key);
    // 13 m1 key 00 with at most one modifier, 13 m1 m2 key with two or more.
    static OnboardKeyCode modifierForm(const OnboardUsages &usages);

private:
    static OnboardKeyCode ownKey(int own);
    static OnboardKeyCode keyboardFunction(int function, const KeyOperateInfo &item, int own);
};
