#pragma once

// Small rules the device page follows when it relays between its tabs, the
// keyboard picture and the light engine.
namespace PageRelayRules {

constexpr int kCustomLightMode = 10;
constexpr int kLightingTab = 1;
constexpr int kTriggerTab = 4;

// Keyboard light modes that react to key presses: while one runs, pressed keys
// are captured for the light effect.
bool isKeyReactiveMode(int lightMode);

// The rubber band over the keyboard picture selects keys on the trigger tab, and
// on the lighting tab while the custom light mode is chosen.
bool isRubberBandActive(int currentMainTab, int keyboardLightMode);

struct KeyRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The rectangle a drag from start to end selects, corners in order. A click
// without movement (start equals end, no coordinate 0) is ignored: false. A drag
// along a line selects nothing and gives (0, 0, 0, 0), which clears the selection.
bool dragRectangle(int startX, int startY, int endX, int endY, KeyRect *rect);

}  // namespace PageRelayRules
