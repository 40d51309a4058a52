#pragma once

#include <cstddef>

// The Win-lock choices of a profile: four NUL-terminated texts, "1" for a blocked
// shortcut, in this order. Readers preset "0" four times; the record stays as it
// was when the profile holds no choices.
struct ProfileFunctionInfo
{
    char altTab[8] = {};
    char altF4[8] = {};
    char shiftTab[8] = {};
    char winKey[8] = {};
};

static_assert(offsetof(ProfileFunctionInfo, altF4) == 8, "ProfileFunctionInfo layout");
static_assert(offsetof(ProfileFunctionInfo, shiftTab) == 16, "ProfileFunctionInfo layout");
static_assert(offsetof(ProfileFunctionInfo, winKey) == 24, "ProfileFunctionInfo layout");
static_assert(sizeof(ProfileFunctionInfo) == 32, "ProfileFunctionInfo layout");
