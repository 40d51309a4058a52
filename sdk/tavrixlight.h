#pragma once

#include "lighting/colorinfodata.h"

#include <QList>

#include <cstdint>

// The light-frame computation of the device library. The engine selects an effect for the
// keyboard backlight and for the side lights, then asks for a frame on every tick; each
// call hands exactly one frame (132 key cells, 60 side cells) to the callback before it
// returns. Animations follow the time elapsed since the effect was selected, never the
// number of frames asked for, so the look does not depend on the tick rate. All calls are
// made on one thread.

// The state of one LED in a frame; eleven int32 in this order.
struct LightFrameCell
{
    int32_t red;
    int32_t green;
    int32_t blue;
    int32_t red2;  // second colour of the cell (side Collision)
    int32_t green2;
    int32_t blue2;
    int32_t intensity;  // 0..255, weight of the cell colour against the background colour
    int32_t state;
    int32_t stepIndex;
    int32_t level;
    int32_t triggerFlag;
};
static_assert(sizeof(LightFrameCell) == 11 * sizeof(int32_t), "LightFrameCell layout");

typedef void (*LightFrameCallback)(LightFrameCell *cells);

struct LightColorRgb
{
    int32_t red;
    int32_t green;
    int32_t blue;
};

// The ripple the keyboard starts by itself in Auto Ripple: its origin and colour.
struct AutoRippleLightConfig
{
    int32_t row;
    int32_t column;
    int32_t red;
    int32_t green;
    int32_t blue;
};

// The running side Collision: the positions of the two runners and the first colour.
struct SideCollisionLightConfig
{
    uint8_t leftPosition;
    uint8_t rightPosition;
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

constexpr int kLightKeyRows = 6;
constexpr int kLightKeyColumns = 22;
constexpr int kLightKeyCells = kLightKeyRows * kLightKeyColumns;
constexpr int kLightSideCells = 60;

void CTavrixHid_SetKeyboardColorInfoDataStu(colorInfoData data, int keyCount, const char *modelName,
                                            unsigned char sideLightsPresent);
void CTavrixHid_SetSideColorInfoDataStu(colorInfoData data, int sideLedCount, QList<int> sideLeds);
void CTavrixHid_SetKeyboardColorInfoDataStuHaveChanged(colorInfoData data);
void CTavrixHid_SetSideColorInfoDataStuHaveChanged(colorInfoData data);

void CTavrixHid_keyboardLightColorRunning(LightFrameCallback callback);
void CTavrixHid_sideLightColorRunning(LightFrameCallback callback);

// The full colour of a key cell in the last keyboard frame; black outside the matrix.
LightColorRgb CTavrixHid_lightColorMix(int row, int column);
LightColorRgb CTavrixHid_GetCurrentRippleLightColor();
AutoRippleLightConfig CTavrixHid_GetCurrentAutoRippleLightConfig();
SideCollisionLightConfig CTavrixHid_GetSideCollisionLightRunningConfig();

// The millisecond clock the effects run on (a monotonic clock by default); tests set their own.
void CTavrixLight_SetClock(int64_t (*clock)());
