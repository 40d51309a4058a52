#pragma once

#include <cstddef>
#include <cstdint>

// The kind of an advanced key.
enum SeniorKeyType : int32_t
{
    SeniorKeyType_DKS = 1,  // dynamic keystroke: up to four keys at four travel points
    SeniorKeyType_MT = 2,   // mod-tap: K1 while held, K2 when clicked
    SeniorKeyType_TGL = 3,  // toggle: K1
};

// What one key of a dynamic-keystroke key does at one travel point; the keyboard gets
// the value unchanged, one byte each.
enum DksActionState : int32_t
{
    DksAction_None = 0,     // no action at this point
    DksAction_Tap = 1,      // a single action (tap) at this point
    DksAction_Hold = 2,     // held from this point to the next one
    DksAction_NewHold = 3,  // held from this point to the next one, as a new press not joined to what ends here
};

// One advanced key: a fixed-size record of eight fields without gaps, copied whole
// into every add and change call of the store.
struct SeniorKeyInfo
{
    int32_t bindingIndex = 0;     // id, 1 or more, unique in the file
    char name[256] = {};          // type prefix followed by the id, e.g. "DKS1"
    int32_t keyType = 0;          // SeniorKeyType
    char keys[4][16] = {};        // key strings K1..K4: "" | "usage" | "mask,usage"
    int32_t dksActions[16] = {};  // DksActionState of key k at travel point p: k * 4 + p
    int32_t strokes[4] = {};      // travel points in 0.1 mm
    int32_t ValueTime = 0;        // mod-tap hold time in ms
    int32_t tglKeySet = 0;        // 1 once K1 of a toggle key is set
};

static_assert(offsetof(SeniorKeyInfo, name) == 4, "SeniorKeyInfo layout");
static_assert(offsetof(SeniorKeyInfo, keyType) == 260, "SeniorKeyInfo layout");
static_assert(offsetof(SeniorKeyInfo, keys) == 264, "SeniorKeyInfo layout");
static_assert(offsetof(SeniorKeyInfo, dksActions) == 328, "SeniorKeyInfo layout");
static_assert(offsetof(SeniorKeyInfo, strokes) == 392, "SeniorKeyInfo layout");
static_assert(offsetof(SeniorKeyInfo, ValueTime) == 408, "SeniorKeyInfo layout");
static_assert(offsetof(SeniorKeyInfo, tglKeySet) == 412, "SeniorKeyInfo layout");
static_assert(sizeof(SeniorKeyInfo) == 416, "SeniorKeyInfo layout");
