#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>

#include <cstdint>

// One light target's configuration as the keyboard keeps it: bytes 6..17 of the mode
// report and of the configuration reply.
struct EmuLightConfig
{
    uint8_t mode = 0;
    uint8_t brightness = 0;  // level minus 1, as on the wire
    uint8_t speed = 0;       // level minus 1, as on the wire
    uint8_t first[3] = {0, 0, 0};
    uint8_t second[3] = {0, 0, 0};
    uint8_t direction = 0;
    uint8_t fullColour = 0;
    uint8_t extra = 0;

    static constexpr int WireSize = 12;
    QByteArray toWire() const;
    static EmuLightConfig fromWire(const QByteArray &bytes);
    bool operator==(const EmuLightConfig &o) const { return toWire() == o.toWire(); }
};

// The light modes of one target with its level counts.
struct EmuLightModes
{
    QList<int> modes;
    int speedLevels = 0;
    int brightnessLevels = 0;
};

// Bytes 6, 9..14 of the status report.
struct EmuStatus
{
    uint8_t winLock = 0;
    uint8_t charging = 0;  // 1 charging, 2 full, other not charging
    uint8_t battery = 100;
    uint8_t connection = 0;  // 0 cable, 1 2.4 GHz receiver
    uint8_t linkAbsent = 0;  // 2.4 GHz link byte: 1 the keyboard behind the receiver is absent
    uint8_t keyboardMode = 0;
};

struct EmuSleep
{
    int lightSeconds = 300;
    int keyboardSeconds = 1800;
    int prohibit = 0;
};

// The Win-lock choices, bytes 13..16 of the command as sent.
struct EmuWinLock
{
    uint8_t windowsKey = 0;
    uint8_t shiftTab = 0;
    uint8_t altF4 = 0;
    uint8_t altTab = 0;
};

struct EmuKeyTrigger
{
    uint8_t mode = 0;
    uint8_t press = 15;
    uint8_t release = 15;
    uint8_t quickPress = 3;
    uint8_t quickRelease = 3;
    bool operator==(const EmuKeyTrigger &o) const
    {
        return mode == o.mode && press == o.press && release == o.release && quickPress == o.quickPress
            && quickRelease == o.quickRelease;
    }
};

// Magnetic-switch state; keys are addressed by (row, column) of the key matrix.
struct EmuMagnetic
{
    static constexpr int Rows = 6;
    static constexpr int Columns = 22;

    uint8_t travelLevel = 40;
    uint8_t debounce = 2;
    uint8_t reportRate = 8;
    EmuKeyTrigger defaultTrigger;
    QMap<QPair<int, int>, EmuKeyTrigger> triggers;  // keys set apart from the default
    QList<QPair<int, int>> selectedKeys;
    int calibrations = 0;
    int resets = 0;

    EmuKeyTrigger trigger(int row, int column) const { return triggers.value({row, column}, defaultTrigger); }
};

// What the download packets wrote into the keyboard's memory.
struct EmuOnboardMemory
{
    static constexpr int KeysPerPacket = 14;
    static constexpr int MacroRecordSize = 256;
    static constexpr int MacroSteps = 5;

    // Layer code (0 Default, 2 FN) to the four-byte key codes in key order.
    QMap<int, QByteArray> keys;
    // Macro slot to its 256-byte record, assembled from the five steps.
    QMap<int, QByteArray> macros;
    // Advanced-key slot to bytes 6..63 of its packet.
    QMap<int, QByteArray> seniorKeys;

    // The four bytes stored for key k of a layer (zeros when never written).
    QByteArray keyCode(int layer, int k) const;
};

// Everything the emulated keyboard holds. Tests may read and change it directly.
struct EmuKeyboardState
{
    QByteArray serial;  // up to 32 bytes, sent as they are
    EmuLightConfig keyboardLight;
    EmuLightConfig sideLight;
    EmuLightModes keyboardModes;
    EmuLightModes sideModes;
    QByteArray customKeyBitmap;  // 22 bytes, byte c = column c, bit r = row r
    EmuStatus status;
    EmuSleep sleep;
    EmuWinLock winLock;
    EmuMagnetic magnetic;
    EmuOnboardMemory memory;
    int resets = 0;
    QByteArray lastSixKeyEcho;   // bytes 6..13 of the last six-key report the host sent back
    QByteArray lastFullKeyEcho;  // bytes 6..18 of the last full-key report the host sent back
    bool lightSync = false;      // the host streams its light frames (byte 6 of the last 0x16)
    // Colour bytes of the last per-key light frame report by (kind 0 keys / 1 side, index).
    QMap<QPair<int, int>, QByteArray> lightFrame;
    QByteArray lastCompactLight;  // the whole last 2.4 GHz light state report (0x28)
};
