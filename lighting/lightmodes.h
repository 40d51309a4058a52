#pragma once

#include "devicelink/hidreport.h"
#include "lighting/colorinfodata.h"
#include "lighting/lightmodecodes.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

#include <cstdint>

// The vocabulary shared by the lighting code: light targets, the keyboard and side
// mode codes with their names, buttons and controls, the record a new mode starts
// with, and the reports that carry a record or custom key colours to the keyboard.
namespace LightModes {

enum LightTarget
{
    KeyboardTarget = 0,
    SideTarget = 1
};

// Button group ids of the custom and musical modes, always offered.
constexpr int kCustomButtonId = 17;
constexpr int kMusicalButtonId = 16;
constexpr int kDpiButtonId = 13;
constexpr int kKeyboardButtonCount = 18;

struct ModeInfo
{
    int code;
    const char *name;    // untranslated, context "QObject"
    const char *button;  // object name of the page's mode button
    int buttonId;        // id in the page's button group
    bool brightness;
    bool speed;
    QList<int> directions;  // empty: the mode offers no direction
    bool colours;           // full colour option and the bottom colour
    int defaultDirection;
};

const QList<ModeInfo> &keyboardModes();
const QList<ModeInfo> &sideModes();
// nullptr for a code or id that has no row.
const ModeInfo *keyboardMode(int code);
const ModeInfo *keyboardModeByButton(int buttonId);
const ModeInfo *sideMode(int code);
const ModeInfo *sideModeByButton(int buttonId);
// Object names of the direction buttons, indexed by direction code.
const QList<const char *> &directionButtons();

// Translated name of a mode; empty for a code without a row.
QString keyboardModeName(int code);
QString sideModeName(int code);

// The level counts of a target as the keyboard reported them; 0 while not known.
struct LevelCounts
{
    int brightness = 0;
    int speed = 0;
};

// The record of (target, mode) when the profile has none yet. A side record made while
// the keyboard shows Snake starts black. Its levels stay within the target's known counts.
colorInfoData defaultRecord(int target, int mode, int currentKeyboardMode = -1, LevelCounts levels = {});

// Keyboard (0x06) or side (0x07) mode report; the low 16 bits of msecs go to bytes 62, 63.
HidReport modeReport(const colorInfoData &data, int target, qint64 msecs);
// The keyboard mode report that follows a custom colour upload: no clock bytes, and the
// full colour flag is sent as stored whatever the mode.
HidReport customUploadModeReport(const colorInfoData &data);

// The profile's record of (target, mode); without one, the default record is added to
// the profile and returned. No store call is made without a profile path. *stored
// (when given) says whether that addition reached the file (true when none was needed).
colorInfoData loadOrCreateRecord(const QByteArray &path, const QByteArray &index, int target, int mode,
                                 int currentKeyboardMode = -1, LevelCounts levels = {}, bool *stored = nullptr);

}  // namespace LightModes
