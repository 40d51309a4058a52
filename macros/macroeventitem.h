#pragma once

#include <cstddef>

// One event of a macro: six NUL-terminated 8-bit texts passed by value to and
// from the store. Each field holds at most its width less one byte.
struct MacroEventItem
{
    char mark[64] = {};            // decimal number pairing a press with its release (Latin-1)
    char delay[16] = {};           // milliseconds to wait before this event (Latin-1)
    char type[16] = {};            // "key" or "mouse" (Latin-1)
    char keyCode[16] = {};         // key code or mouse message, decimal (Latin-1)
    char codeName[64] = {};        // caption (UTF-8)
    char operateExplain[64] = {};  // "down" or "up" (Latin-1)
};

static_assert(offsetof(MacroEventItem, delay) == 64, "MacroEventItem layout");
static_assert(offsetof(MacroEventItem, type) == 80, "MacroEventItem layout");
static_assert(offsetof(MacroEventItem, keyCode) == 96, "MacroEventItem layout");
static_assert(offsetof(MacroEventItem, codeName) == 112, "MacroEventItem layout");
static_assert(offsetof(MacroEventItem, operateExplain) == 176, "MacroEventItem layout");
static_assert(sizeof(MacroEventItem) == 240, "MacroEventItem layout");
