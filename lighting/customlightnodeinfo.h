#pragma once

#include <cstddef>
#include <cstdint>

// One of a profile's five custom lights as the profile store lists it.
struct CustomLightNodeInfo
{
    char index[16] = {};          // "0" to "4"
    char name[64] = {};           // UTF-8
    char isUsing[16] = {};        // "Using" or "UnUsing"
    int32_t usingFlagIndex = -1;  // custom slot 0 or 1 when in use, else -1
};

static_assert(offsetof(CustomLightNodeInfo, name) == 16, "CustomLightNodeInfo layout");
static_assert(offsetof(CustomLightNodeInfo, isUsing) == 80, "CustomLightNodeInfo layout");
static_assert(offsetof(CustomLightNodeInfo, usingFlagIndex) == 96, "CustomLightNodeInfo layout");
static_assert(sizeof(CustomLightNodeInfo) == 100, "CustomLightNodeInfo layout");
