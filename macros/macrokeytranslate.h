#pragma once

// Turns a key event of the low-level keyboard hook into the virtual-key value
// that the soft-keyboard layout maps to a key code. Keys the virtual-key code
// alone does not tell apart (the two Enter keys, a few language keys) become
// pseudo values of the layout; keypad navigation keys with Num Lock off become
// the keypad digits they sit on.
struct MacroHookKey
{
    int virtualKey;
    bool press;
};

MacroHookKey translateMacroHookKey(int virtualKey, int scanCode, bool press, int hookFlags);
