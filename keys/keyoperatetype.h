#pragma once

// The kinds of function a key item can hold, as stored in its operateType text.
// Any other code, and a key without an item, leaves the key to its own function.
enum KeyOperateType
{
    KeyOperateType_RemapKey = 0,
    KeyOperateType_Macro = 1,
    KeyOperateType_KeyCombination = 2,
    KeyOperateType_Multimedia = 3,
    KeyOperateType_Mouse = 4,
    KeyOperateType_Disable = 5,
    KeyOperateType_Text = 6,
    KeyOperateType_SwitchProfile = 7,
    KeyOperateType_LaunchApplication = 8,
    KeyOperateType_Shortcut = 9,
    KeyOperateType_Unknown = 10,  // never stored; the Default page reports it as its own code
    KeyOperateType_KeyConfig = 19,
    KeyOperateType_KeyboardLightFirst = 20,
    KeyOperateType_KeyboardLightLast = 27,
    KeyOperateType_SideLightFirst = 30,
    KeyOperateType_SideLightLast = 34,
    KeyOperateType_SeniorKey = 40,
};

constexpr bool isKeyboardLightType(int type)
{
    return type >= KeyOperateType_KeyboardLightFirst && type <= KeyOperateType_KeyboardLightLast;
}

constexpr bool isSideLightType(int type)
{
    return type >= KeyOperateType_SideLightFirst && type <= KeyOperateType_SideLightLast;
}
