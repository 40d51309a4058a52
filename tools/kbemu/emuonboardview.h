#pragma once

#include "emukeyboardstate.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A key's function as the keyboard's memory holds it, in the terms of a profile's key
// item: operateType, param1, param2 and value as numbers or text. -1 as type: the key
// keeps its own function.
struct EmuKeyItem
{
    int type = -1;
    int param1 = 1;
    int param2 = 1;
    QByteArray value = "-1";

    bool operator==(const EmuKeyItem &o) const
    {
        return type == o.type && param1 == o.param1 && param2 == o.param2 && value == o.value;
    }
    bool operator!=(const EmuKeyItem &o) const { return !(*this == o); }
    QString toString() const;
};

// One macro event as a macro file holds it.
struct EmuMacroEvent
{
    QByteArray type;  // "key" or "mouse"
    int keyCode = 0;  // HID usage, or the mouse message (513/514 left, 516/517 right, 519/520 middle)
    bool down = false;
    int delay = 0;

    bool operator==(const EmuMacroEvent &o) const
    {
        return type == o.type && keyCode == o.keyCode && down == o.down && delay == o.delay;
    }
};

struct EmuMacro
{
    int playMode = 0;  // MacroPlayMode 1..4
    int repeat = 0;
    QList<EmuMacroEvent> events;
};

// One advanced key as the advanced-key file holds it.
struct EmuSeniorKey
{
    int type = 0;        // 1 DKS, 2 MT, 3 TGL; 0 an empty slot
    QByteArray keys[4];  // "" | "usage" | "mask,usage"
    int dksActions[16] = {};
    int strokes[4] = {};
    int holdTimeMs = 0;
};

// Reads the keyboard's memory back in the profile's terms, so a test can compare it with
// the profile it downloaded. Where the keyboard keeps one form for several functions the
// reading names one of them:
//  - four bytes equal to what the key does on its own (own code, Fn, its media function): no item;
//  - 11 04/05/06 (light off or stop of types 26 and 34): keyboard function 19 with that function;
//  - 13 .. (a system shortcut): the key combination with the shortcut's modifier;
//  - 16 (text, profile switch, application launch): type 6 with an empty value;
//  - 10 and 17 (macro, advanced key): the value is the slot; param1 and param2 of a macro
//    come from its record.
class EmuOnboardView
{
public:
    explicit EmuOnboardView(const EmuOnboardMemory &memory) : m_memory(memory) { }

    // Key k of a layer (0 Default, 2 FN); ownCode is the key's code in the layout.
    EmuKeyItem keyItem(int layer, int k, int ownCode) const;
    EmuMacro macro(int slot) const;
    EmuSeniorKey seniorKey(int slot) const;
    // Written, and all zero.
    bool isEmptyMacroSlot(int slot) const;
    bool isEmptySeniorKeySlot(int slot) const;

    // The key text of four key bytes (plain usage or modifier form).
    static QByteArray keyText(const QByteArray &fourBytes);

private:
    const EmuOnboardMemory &m_memory;
};
