#include "platform/virtualkeytable.h"

#include <Qt>

namespace {

// One physical key. vkNumLockOff is set for the keypad keys that turn into
// navigation keys while Num Lock is off; they keep their scan code and stay
// non-extended, which is how the separate navigation block is told apart.
struct EvdevRow
{
    quint16 evdev;
    quint8 vk;
    quint8 scan;
    bool extended;
    quint8 vkNumLockOff;
};

constexpr bool E = true;   // extended (0xE0-prefixed) key
constexpr bool N = false;  // plain key

// clang-format off
constexpr EvdevRow kEvdevRows[] = {
    {1, 0x1B, 0x01, N, 0},     // Esc
    {2, 0x31, 0x02, N, 0},  {3, 0x32, 0x03, N, 0},  {4, 0x33, 0x04, N, 0},  {5, 0x34, 0x05, N, 0},
    {6, 0x35, 0x06, N, 0},  {7, 0x36, 0x07, N, 0},  {8, 0x37, 0x08, N, 0},  {9, 0x38, 0x09, N, 0},
    {10, 0x39, 0x0A, N, 0}, {11, 0x30, 0x0B, N, 0},
    {12, 0xBD, 0x0C, N, 0},    // - _
    {13, 0xBB, 0x0D, N, 0},    // = +
    {14, 0x08, 0x0E, N, 0},    // Backspace
    {15, 0x09, 0x0F, N, 0},    // Tab
    {16, 'Q', 0x10, N, 0}, {17, 'W', 0x11, N, 0}, {18, 'E', 0x12, N, 0}, {19, 'R', 0x13, N, 0},
    {20, 'T', 0x14, N, 0}, {21, 'Y', 0x15, N, 0}, {22, 'U', 0x16, N, 0}, {23, 'I', 0x17, N, 0},
    {24, 'O', 0x18, N, 0}, {25, 'P', 0x19, N, 0},
    {26, 0xDB, 0x1A, N, 0},    // [
    {27, 0xDD, 0x1B, N, 0},    // ]
    {28, 0x0D, 0x1C, N, 0},    // main Enter
    {29, 0xA2, 0x1D, N, 0},    // left Ctrl
    {30, 'A', 0x1E, N, 0}, {31, 'S', 0x1F, N, 0}, {32, 'D', 0x20, N, 0}, {33, 'F', 0x21, N, 0},
    {34, 'G', 0x22, N, 0}, {35, 'H', 0x23, N, 0}, {36, 'J', 0x24, N, 0}, {37, 'K', 0x25, N, 0},
    {38, 'L', 0x26, N, 0},
    {39, 0xBA, 0x27, N, 0},    // ;
    {40, 0xDE, 0x28, N, 0},    // '
    {41, 0xC0, 0x29, N, 0},    // `
    {42, 0xA0, 0x2A, N, 0},    // left Shift
    {43, 0xDC, 0x2B, N, 0},    // backslash
    {44, 'Z', 0x2C, N, 0}, {45, 'X', 0x2D, N, 0}, {46, 'C', 0x2E, N, 0}, {47, 'V', 0x2F, N, 0},
    {48, 'B', 0x30, N, 0}, {49, 'N', 0x31, N, 0}, {50, 'M', 0x32, N, 0},
    {51, 0xBC, 0x33, N, 0},    // ,
    {52, 0xBE, 0x34, N, 0},    // .
    {53, 0xBF, 0x35, N, 0},    // /
    {54, 0xA1, 0x36, N, 0},    // right Shift
    {55, 0x6A, 0x37, N, 0},    // keypad *
    {56, 0xA4, 0x38, N, 0},    // left Alt
    {57, 0x20, 0x39, N, 0},    // Space
    {58, 0x14, 0x3A, N, 0},    // Caps Lock
    {59, 0x70, 0x3B, N, 0}, {60, 0x71, 0x3C, N, 0}, {61, 0x72, 0x3D, N, 0}, {62, 0x73, 0x3E, N, 0},
    {63, 0x74, 0x3F, N, 0}, {64, 0x75, 0x40, N, 0}, {65, 0x76, 0x41, N, 0}, {66, 0x77, 0x42, N, 0},
    {67, 0x78, 0x43, N, 0}, {68, 0x79, 0x44, N, 0},   // F1 .. F10
    {69, 0x90, 0x45, E, 0},    // Num Lock
    {70, 0x91, 0x46, N, 0},    // Scroll Lock
    {71, 0x67, 0x47, N, 0x24}, // keypad 7 / Home
    {72, 0x68, 0x48, N, 0x26}, // keypad 8 / Up
    {73, 0x69, 0x49, N, 0x21}, // keypad 9 / Page Up
    {74, 0x6D, 0x4A, N, 0},    // keypad -
    {75, 0x64, 0x4B, N, 0x25}, // keypad 4 / Left
    {76, 0x65, 0x4C, N, 0x0C}, // keypad 5 / Clear
    {77, 0x66, 0x4D, N, 0x27}, // keypad 6 / Right
    {78, 0x6B, 0x4E, N, 0},    // keypad +
    {79, 0x61, 0x4F, N, 0x23}, // keypad 1 / End
    {80, 0x62, 0x50, N, 0x28}, // keypad 2 / Down
    {81, 0x63, 0x51, N, 0x22}, // keypad 3 / Page Down
    {82, 0x60, 0x52, N, 0x2D}, // keypad 0 / Insert
    {83, 0x6E, 0x53, N, 0x2E}, // keypad . / Delete
    {86, 0xE2, 0x56, N, 0},    // the extra key left of Z
    {87, 0x7A, 0x57, N, 0},    // F11
    {88, 0x7B, 0x58, N, 0},    // F12
    {89, 0xC1, 0x73, N, 0},    // Ro
    {92, 0xFF, 0x79, N, 0},    // Henkan
    {93, 0xFF, 0x70, N, 0},    // Katakana/Hiragana
    {94, 0xEB, 0x7B, N, 0},    // Muhenkan
    {96, 0x0D, 0x1C, E, 0},    // keypad Enter
    {97, 0xA3, 0x1D, E, 0},    // right Ctrl
    {98, 0x6F, 0x35, E, 0},    // keypad /
    {99, 0x2C, 0x37, E, 0},    // Print Screen
    {100, 0xA5, 0x38, E, 0},   // right Alt
    {102, 0x24, 0x47, E, 0},   // Home
    {103, 0x26, 0x48, E, 0},   // Up
    {104, 0x21, 0x49, E, 0},   // Page Up
    {105, 0x25, 0x4B, E, 0},   // Left
    {106, 0x27, 0x4D, E, 0},   // Right
    {107, 0x23, 0x4F, E, 0},   // End
    {108, 0x28, 0x50, E, 0},   // Down
    {109, 0x22, 0x51, E, 0},   // Page Down
    {110, 0x2D, 0x52, E, 0},   // Insert
    {111, 0x2E, 0x53, E, 0},   // Delete
    {113, 0xAD, 0x20, E, 0},   // Mute
    {114, 0xAE, 0x2E, E, 0},   // Volume down
    {115, 0xAF, 0x30, E, 0},   // Volume up
    {119, 0x13, 0x45, N, 0},   // Pause
    {121, 0x6C, 0x7E, N, 0},   // keypad separator
    {122, 0x15, 0x72, N, 0},   // Hangul
    {123, 0x19, 0x71, N, 0},   // Hanja
    {124, 0xFF, 0x7D, N, 0},   // Yen
    {125, 0x5B, 0x5B, E, 0},   // left Windows (Super)
    {126, 0x5C, 0x5C, E, 0},   // right Windows (Super)
    {127, 0x5D, 0x5D, E, 0},   // Menu
    {128, 0xA9, 0x68, E, 0},   // browser Stop
    {140, 0xB7, 0x21, E, 0},   // Calculator
    {142, 0x5F, 0x5F, E, 0},   // Sleep
    {155, 0xB4, 0x6C, E, 0},   // Mail
    {156, 0xAB, 0x66, E, 0},   // Favourites
    {158, 0xA6, 0x6A, E, 0},   // browser Back
    {159, 0xA7, 0x69, E, 0},   // browser Forward
    {163, 0xB0, 0x19, E, 0},   // next track
    {164, 0xB3, 0x22, E, 0},   // play/pause
    {165, 0xB1, 0x10, E, 0},   // previous track
    {166, 0xB2, 0x24, E, 0},   // stop
    {171, 0xB5, 0x6D, E, 0},   // media select
    {172, 0xAC, 0x32, E, 0},   // browser Home
    {173, 0xA8, 0x67, E, 0},   // browser Refresh
    {183, 0x7C, 0x64, N, 0}, {184, 0x7D, 0x65, N, 0}, {185, 0x7E, 0x66, N, 0}, {186, 0x7F, 0x67, N, 0},
    {187, 0x80, 0x68, N, 0}, {188, 0x81, 0x69, N, 0}, {189, 0x82, 0x6A, N, 0}, {190, 0x83, 0x6B, N, 0},
    {191, 0x84, 0x6C, N, 0}, {192, 0x85, 0x6D, N, 0}, {193, 0x86, 0x6E, N, 0}, {194, 0x87, 0x76, N, 0},
    {217, 0xAA, 0x65, E, 0},   // browser Search
};

// A Qt key and the physical key that produces it on the US layout; shifted
// symbols name the key they are typed on.
struct QtRow
{
    int qtKey;
    quint16 evdev;
};

constexpr QtRow kQtRows[] = {
    {Qt::Key_Escape, 1},
    {Qt::Key_1, 2}, {Qt::Key_Exclam, 2}, {Qt::Key_2, 3}, {Qt::Key_At, 3}, {Qt::Key_3, 4}, {Qt::Key_NumberSign, 4},
    {Qt::Key_4, 5}, {Qt::Key_Dollar, 5}, {Qt::Key_5, 6}, {Qt::Key_Percent, 6}, {Qt::Key_6, 7},
    {Qt::Key_AsciiCircum, 7}, {Qt::Key_7, 8}, {Qt::Key_Ampersand, 8}, {Qt::Key_8, 9}, {Qt::Key_Asterisk, 9},
    {Qt::Key_9, 10}, {Qt::Key_ParenLeft, 10}, {Qt::Key_0, 11}, {Qt::Key_ParenRight, 11},
    {Qt::Key_Minus, 12}, {Qt::Key_Underscore, 12}, {Qt::Key_Equal, 13}, {Qt::Key_Plus, 13},
    {Qt::Key_Backspace, 14}, {Qt::Key_Tab, 15}, {Qt::Key_Backtab, 15},
    {Qt::Key_Q, 16}, {Qt::Key_W, 17}, {Qt::Key_E, 18}, {Qt::Key_R, 19}, {Qt::Key_T, 20}, {Qt::Key_Y, 21},
    {Qt::Key_U, 22}, {Qt::Key_I, 23}, {Qt::Key_O, 24}, {Qt::Key_P, 25},
    {Qt::Key_BracketLeft, 26}, {Qt::Key_BraceLeft, 26}, {Qt::Key_BracketRight, 27}, {Qt::Key_BraceRight, 27},
    {Qt::Key_Return, 28}, {Qt::Key_Control, 29},
    {Qt::Key_A, 30}, {Qt::Key_S, 31}, {Qt::Key_D, 32}, {Qt::Key_F, 33}, {Qt::Key_G, 34}, {Qt::Key_H, 35},
    {Qt::Key_J, 36}, {Qt::Key_K, 37}, {Qt::Key_L, 38},
    {Qt::Key_Semicolon, 39}, {Qt::Key_Colon, 39}, {Qt::Key_Apostrophe, 40}, {Qt::Key_QuoteDbl, 40},
    {Qt::Key_QuoteLeft, 41}, {Qt::Key_AsciiTilde, 41}, {Qt::Key_Shift, 42}, {Qt::Key_Backslash, 43},
    {Qt::Key_Bar, 43},
    {Qt::Key_Z, 44}, {Qt::Key_X, 45}, {Qt::Key_C, 46}, {Qt::Key_V, 47}, {Qt::Key_B, 48}, {Qt::Key_N, 49},
    {Qt::Key_M, 50},
    {Qt::Key_Comma, 51}, {Qt::Key_Less, 51}, {Qt::Key_Period, 52}, {Qt::Key_Greater, 52},
    {Qt::Key_Slash, 53}, {Qt::Key_Question, 53},
    {Qt::Key_Alt, 56}, {Qt::Key_Space, 57}, {Qt::Key_CapsLock, 58},
    {Qt::Key_F1, 59}, {Qt::Key_F2, 60}, {Qt::Key_F3, 61}, {Qt::Key_F4, 62}, {Qt::Key_F5, 63}, {Qt::Key_F6, 64},
    {Qt::Key_F7, 65}, {Qt::Key_F8, 66}, {Qt::Key_F9, 67}, {Qt::Key_F10, 68},
    {Qt::Key_NumLock, 69}, {Qt::Key_ScrollLock, 70},
    {Qt::Key_F11, 87}, {Qt::Key_F12, 88},
    {Qt::Key_Henkan, 92}, {Qt::Key_Hiragana_Katakana, 93}, {Qt::Key_Muhenkan, 94},
    {Qt::Key_Enter, 96}, {Qt::Key_Print, 99}, {Qt::Key_SysReq, 99}, {Qt::Key_AltGr, 100},
    {Qt::Key_Home, 102}, {Qt::Key_Up, 103}, {Qt::Key_PageUp, 104}, {Qt::Key_Left, 105}, {Qt::Key_Right, 106},
    {Qt::Key_End, 107}, {Qt::Key_Down, 108}, {Qt::Key_PageDown, 109}, {Qt::Key_Insert, 110},
    {Qt::Key_Delete, 111},
    {Qt::Key_VolumeMute, 113}, {Qt::Key_VolumeDown, 114}, {Qt::Key_VolumeUp, 115}, {Qt::Key_Pause, 119},
    {Qt::Key_Hangul, 122}, {Qt::Key_Hangul_Hanja, 123}, {Qt::Key_yen, 124},
    {Qt::Key_Super_L, 125}, {Qt::Key_Meta, 125}, {Qt::Key_Super_R, 126}, {Qt::Key_Menu, 127},
    {Qt::Key_Stop, 128}, {Qt::Key_Calculator, 140}, {Qt::Key_Sleep, 142}, {Qt::Key_LaunchMail, 155},
    {Qt::Key_Favorites, 156}, {Qt::Key_Back, 158}, {Qt::Key_Forward, 159},
    {Qt::Key_MediaNext, 163}, {Qt::Key_MediaPlay, 164}, {Qt::Key_MediaTogglePlayPause, 164},
    {Qt::Key_MediaPrevious, 165}, {Qt::Key_MediaStop, 166}, {Qt::Key_LaunchMedia, 171},
    {Qt::Key_HomePage, 172}, {Qt::Key_Refresh, 173},
    {Qt::Key_F13, 183}, {Qt::Key_F14, 184}, {Qt::Key_F15, 185}, {Qt::Key_F16, 186}, {Qt::Key_F17, 187},
    {Qt::Key_F18, 188}, {Qt::Key_F19, 189}, {Qt::Key_F20, 190}, {Qt::Key_F21, 191}, {Qt::Key_F22, 192},
    {Qt::Key_F23, 193}, {Qt::Key_F24, 194},
    {Qt::Key_Search, 217},
};

// Keys that carry the keypad modifier. numLockOn marks the digit variants; the
// navigation variants are what the same keys give with Num Lock off.
struct KeypadRow
{
    int qtKey;
    quint16 evdev;
    bool numLockOn;
};

constexpr KeypadRow kKeypadRows[] = {
    {Qt::Key_7, 71, true},      {Qt::Key_Home, 71, false},   {Qt::Key_8, 72, true},     {Qt::Key_Up, 72, false},
    {Qt::Key_9, 73, true},      {Qt::Key_PageUp, 73, false}, {Qt::Key_4, 75, true},     {Qt::Key_Left, 75, false},
    {Qt::Key_5, 76, true},      {Qt::Key_Clear, 76, false},  {Qt::Key_6, 77, true},     {Qt::Key_Right, 77, false},
    {Qt::Key_1, 79, true},      {Qt::Key_End, 79, false},    {Qt::Key_2, 80, true},     {Qt::Key_Down, 80, false},
    {Qt::Key_3, 81, true},      {Qt::Key_PageDown, 81, false}, {Qt::Key_0, 82, true},   {Qt::Key_Insert, 82, false},
    {Qt::Key_Period, 83, true}, {Qt::Key_Comma, 83, true},   {Qt::Key_Delete, 83, false},
    {Qt::Key_Asterisk, 55, true}, {Qt::Key_Minus, 74, true}, {Qt::Key_Plus, 78, true}, {Qt::Key_Slash, 98, true},
    {Qt::Key_Enter, 96, true},
};
// clang-format on

}  // namespace

namespace VirtualKeyTable {

VirtualKey fromEvdev(int evdevCode, bool numLockOn)
{
    for (const EvdevRow &row : kEvdevRows) {
        if (row.evdev != evdevCode)
            continue;
        const quint8 vk = (!numLockOn && row.vkNumLockOff) ? row.vkNumLockOff : row.vk;
        return VirtualKey {vk, row.scan, row.extended};
    }
    return VirtualKey {kUnknownVk, 0, false};
}

int evdevFromQtKey(int qtKey, bool keypad, bool *numLockOn)
{
    if (numLockOn)
        *numLockOn = true;
    if (keypad) {
        for (const KeypadRow &row : kKeypadRows) {
            if (row.qtKey == qtKey) {
                if (numLockOn)
                    *numLockOn = row.numLockOn;
                return row.evdev;
            }
        }
    }
    for (const QtRow &row : kQtRows) {
        if (row.qtKey == qtKey)
            return row.evdev;
    }
    return 0;
}

VirtualKey fromQtKey(int qtKey, bool keypad)
{
    bool numLockOn = true;
    const int evdev = evdevFromQtKey(qtKey, keypad, &numLockOn);
    return fromEvdev(evdev, numLockOn);
}

}  // namespace VirtualKeyTable
