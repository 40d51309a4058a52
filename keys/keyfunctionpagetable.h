#pragma once

#include <QString>

// The fifteen function pages of the key-assignment page: the id of each page's
// function button, the page's own code (the operateType it writes, except that
// Macro is 0, Remap Key 1 and the Default page 10), the name shown in the
// button's tip, and the objects of the host's form that belong to it.
struct KeyFunctionPageEntry
{
    int buttonId;
    int pageCode;
    const char *tipName;          // translated in the "QObject" context
    const char *buttonObject;     // function button of the host form
    const char *containerObject;  // page of the host's stacked widget
};

namespace KeyFunctionPages {

enum ButtonId
{
    Default = 0,
    Macro = 1,
    RemapKey = 2,
    Mouse = 3,
    Text = 4,
    Disable = 5,
    Multimedia = 6,
    KeyCombination = 7,
    LaunchApplication = 8,
    Shortcuts = 9,
    SwitchProfile = 10,
    KeyConfig = 19,
    KeyboardLight = 20,
    SideLight = 30,
    SeniorKeys = 40,
};

// Internal page codes the key capture tells apart.
constexpr int kRemapPageCode = 1;
constexpr int kCombinationPageCode = 2;
constexpr int kDefaultPageCode = 10;
constexpr int kSeniorKeysPageCode = 40;

constexpr int kCount = 15;
// In the order the host creates the pages.
const KeyFunctionPageEntry *entries();
// nullptr for an id that names no page.
const KeyFunctionPageEntry *entryForButton(int buttonId);
// The function button that shows a stored item of operateType; -1 when no page
// handles that type (the host then keeps the page it shows).
int buttonIdForOperateType(int operateType);

}  // namespace KeyFunctionPages
