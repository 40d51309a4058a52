#include "keys/keyfunctionpagetable.h"

#include "keys/keyoperatetype.h"

#include <QtGlobal>

namespace KeyFunctionPages {

namespace {

const KeyFunctionPageEntry kEntries[kCount] = {
    {Default, 10, QT_TRANSLATE_NOOP("QObject", "Default"), "toolButton_Default", "page_Default"},
    {Macro, 0, QT_TRANSLATE_NOOP("QObject", "Macro"), "toolButton_Macro", "page_Macro"},
    {RemapKey, 1, QT_TRANSLATE_NOOP("QObject", "Remap Key"), "toolButton_RemapKey", "page_RemapKey"},
    {Mouse, 4, QT_TRANSLATE_NOOP("QObject", "Mouse"), "toolButton_Mouse", "page_Mouse"},
    {Text, 6, QT_TRANSLATE_NOOP("QObject", "Text"), "toolButton_Text", "page_Text"},
    {Disable, 5, QT_TRANSLATE_NOOP("QObject", "Disable"), "toolButton_Disable", "page_Disable"},
    {Multimedia, 3, QT_TRANSLATE_NOOP("QObject", "Multimedia"), "toolButton_Multimedia", "page_Multimedia"},
    {KeyCombination, 2, QT_TRANSLATE_NOOP("QObject", "Key Combination"), "toolButton_CombinationKey",
     "page_CombinationKey"},
    {Shortcuts, 9, QT_TRANSLATE_NOOP("QObject", "Shortcuts"), "toolButton_Shortcuts", "page_Shortcuts"},
    {SwitchProfile, 7, QT_TRANSLATE_NOOP("QObject", "Switch Profile"), "toolButton_SwitchProfile",
     "page_SwitchProfile"},
    {LaunchApplication, 8, QT_TRANSLATE_NOOP("QObject", "Launch Application"), "toolButton_OpenApp", "page_OpenApp"},
    {KeyboardLight, 20, QT_TRANSLATE_NOOP("QObject", "Keyboard Light"), "toolButton_KBLightAbout",
     "page_KeyboardLightAbout"},
    {SideLight, 30, QT_TRANSLATE_NOOP("QObject", "Atmosphere Light"), "toolButton_SideLightAbout",
     "page_SideLightAbout"},
    {KeyConfig, 19, QT_TRANSLATE_NOOP("QObject", "Key Config"), "toolButton_KeyConfigFunction",
     "page_KeyConfigFunctionAbout"},
    {SeniorKeys, 40, QT_TRANSLATE_NOOP("QObject", "Senior Keys"), "toolButton_SeniorKeys", "page_SeniorKeysBind"},
};

}  // namespace

const KeyFunctionPageEntry *entries()
{
    return kEntries;
}

const KeyFunctionPageEntry *entryForButton(int buttonId)
{
    for (const KeyFunctionPageEntry &entry : kEntries)
        if (entry.buttonId == buttonId)
            return &entry;
    return nullptr;
}

int buttonIdForOperateType(int operateType)
{
    if (isKeyboardLightType(operateType))
        return KeyboardLight;
    if (isSideLightType(operateType))
        return SideLight;
    switch (operateType) {
    case KeyOperateType_RemapKey: return RemapKey;
    case KeyOperateType_Macro: return Macro;
    case KeyOperateType_KeyCombination: return KeyCombination;
    case KeyOperateType_Multimedia: return Multimedia;
    case KeyOperateType_Mouse: return Mouse;
    case KeyOperateType_Disable: return Disable;
    case KeyOperateType_Text: return Text;
    case KeyOperateType_SwitchProfile: return SwitchProfile;
    case KeyOperateType_LaunchApplication: return LaunchApplication;
    case KeyOperateType_Shortcut: return Shortcuts;
    case KeyOperateType_KeyConfig: return KeyConfig;
    case KeyOperateType_SeniorKey: return SeniorKeys;
    default: return -1;
    }
}

}  // namespace KeyFunctionPages
