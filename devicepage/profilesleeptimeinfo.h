#pragma once

#include <cstdint>

// The two sleep times of a profile. Readers preset 600 and 30, which stay when the
// profile holds none.
struct ProfileSleepTimeInfo
{
    int32_t lightSleepTime = 600;    // seconds until the lights sleep
    int32_t keyboardSleepTime = 30;  // minutes until the keyboard sleeps
};

static_assert(sizeof(ProfileSleepTimeInfo) == 8, "ProfileSleepTimeInfo layout");
