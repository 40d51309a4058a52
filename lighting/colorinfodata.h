#pragma once

#include <QMetaType>

#include <cstdint>

// The parameters of one light effect of one light target: 14 int32 in this order,
// passed by value through signals, the profile store and the light library.
struct colorInfoData
{
    int32_t lightTarget = 0;  // 0 keyboard backlight, 1 side lights
    int32_t lightMode = 0;    // KeyboardLightMode or SideLightMode
    int32_t brightness = 0;   // level counted from 1
    int32_t speed = 0;        // level counted from 1
    int32_t topColorR = 0;
    int32_t topColorG = 0;
    int32_t topColorB = 0;
    int32_t bottomColorR = 0;
    int32_t bottomColorG = 0;
    int32_t bottomColorB = 0;
    int32_t direction = 0;  // LightDirection
    int32_t fullColor = 0;  // 1: full colour, 0: the chosen colours
    int32_t extParam1 = 0;
    int32_t extParam2 = 0;
};

static_assert(sizeof(colorInfoData) == 14 * sizeof(int32_t), "colorInfoData layout");

Q_DECLARE_METATYPE(colorInfoData)
