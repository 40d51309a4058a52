#pragma once

#include <cstddef>

// The function stored for one key in one profile of a layer file. A fixed record of
// five NUL-terminated 8-bit texts: the store fills it through a pointer and callers
// copy it by value. A reader presets keyDec (and often operateType) to "-1" before
// reading; a field still "-1" afterwards means the key has no item.
struct KeyOperateInfo
{
    char keyDec[80] = {};      // key code (HID usage) as decimal text
    char operateType[8] = {};  // KeyOperateType code as decimal text
    char param1[8] = {};       // first parameter, decimal text
    char param2[8] = {};       // second parameter, decimal text
    char value[5120] = {};     // the function's value; UTF-8 for texts and paths
};

static_assert(offsetof(KeyOperateInfo, keyDec) == 0, "KeyOperateInfo layout");
static_assert(offsetof(KeyOperateInfo, operateType) == 80, "KeyOperateInfo layout");
static_assert(offsetof(KeyOperateInfo, param1) == 88, "KeyOperateInfo layout");
static_assert(offsetof(KeyOperateInfo, param2) == 96, "KeyOperateInfo layout");
static_assert(offsetof(KeyOperateInfo, value) == 104, "KeyOperateInfo layout");
static_assert(sizeof(KeyOperateInfo) == 5224, "KeyOperateInfo layout");
