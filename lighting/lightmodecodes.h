#pragma once

// The light mode and direction codes as the keyboard and the stored profiles know them.
// Kept apart from the rest of the lighting vocabulary so that the light-frame library
// in sdk/ can name them without depending on the pages.
namespace LightModes {

enum KeyboardLightMode
{
    KbStatic = 0,
    KbBreath = 1,
    KbWave = 2,
    KbNeon = 3,
    KbRadar = 4,
    KbSnake = 5,
    KbReactive = 6,
    KbAurora = 7,
    KbRipple = 8,
    KbTwinkle = 9,
    KbCustom = 10,
    KbCross = 11,
    KbSpeedRespond = 12,
    KbDpi = 13,
    KbAutoRipple = 14,
    KbStriation = 15,
    KbFireworks = 16,
    KbMusicalRhythm = 100
};

enum SideLightMode
{
    SideStatic = 0,
    SideBreath = 1,
    SideWave = 2,
    SideCollision = 3,
    SideNeon = 4,
    SideClose = 5
};

enum LightDirection
{
    DirRight = 0,
    DirLeft = 1,
    DirUp = 2,
    DirDown = 3,
    DirDispersion = 4,
    DirGather = 5,
    DirClockwise = 6,
    DirAnticlockwise = 7
};

}  // namespace LightModes
