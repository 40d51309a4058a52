#include "devicepage/pagerelayrules.h"

#include <algorithm>
#include <iterator>

namespace PageRelayRules {

bool isKeyReactiveMode(int lightMode)
{
    static const int modes[] = {6, 7, 8, 11, 12, 16};
    return std::find(std::begin(modes), std::end(modes), lightMode) != std::end(modes);
}

bool isRubberBandActive(int currentMainTab, int keyboardLightMode)
{
    return currentMainTab == kTriggerTab || (currentMainTab == kLightingTab && keyboardLightMode == kCustomLightMode);
}

bool dragRectangle(int startX, int startY, int endX, int endY, KeyRect *rect)
{
    if (startX == endX && startY == endY && startX != 0 && startY != 0)
        return false;
    if (startX == endX || startY == endY) {
        *rect = KeyRect();
        return true;
    }
    *rect = KeyRect {std::min(startX, endX), std::min(startY, endY), std::max(startX, endX), std::max(startY, endY)};
    return true;
}

}  // namespace PageRelayRules
