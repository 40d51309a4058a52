#pragma once

#include <cstddef>
#include <cstdint>

// One key of a custom light, exchanged by value with the profile store.
struct CustomLightDataInfo
{
    char keyCode[16] = {};   // key code (USB usage) as decimal text
    char codeName[64] = {};  // key caption
    int32_t indexX = 0;      // row 0..5 of the key grid
    int32_t indexY = 0;      // column 0..21 of the key grid
    int32_t colorR = 0;
    int32_t colorG = 0;
    int32_t colorB = 0;
    int32_t transparentNum = 128;
};

static_assert(offsetof(CustomLightDataInfo, codeName) == 16, "CustomLightDataInfo layout");
static_assert(offsetof(CustomLightDataInfo, indexX) == 80, "CustomLightDataInfo layout");
static_assert(offsetof(CustomLightDataInfo, indexY) == 84, "CustomLightDataInfo layout");
static_assert(offsetof(CustomLightDataInfo, colorR) == 88, "CustomLightDataInfo layout");
static_assert(offsetof(CustomLightDataInfo, transparentNum) == 100, "CustomLightDataInfo layout");
static_assert(sizeof(CustomLightDataInfo) == 104, "CustomLightDataInfo layout");
