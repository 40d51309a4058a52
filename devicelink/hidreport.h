#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include <array>
#include <cstdint>

// Command byte (byte 1) of every output report the application sends.
enum class HidCmd : uint8_t
{
    ShakeHands = 0x00,
    SideLightTypeList = 0x01,
    SixKeyReport = 0x03,
    FullKeyReport = 0x04,
    KeyboardLightConfig = 0x06,
    SideLightConfig = 0x07,
    WriteCustomLed = 0x08,
    LightTypeList = 0x09,
    IntoFirmware = 0x0A,
    CheckCustomKeys = 0x0D,
    WriteKeyColor = 0x0E,
    KeyboardSettings = 0x13,
    QuerySerialNumber = 0x14,
    WriteSerialNumber = 0x15,
    LightSync = 0x16,
    OnboardKeys = 0x17,
    OnboardMacro = 0x18,
    WriteKeyColor24G = 0x28,
    Magnetic = 0x29,
    OnboardSeniorKey = 0x2A,
};

// Reply byte (byte 1) of the input reports the application acts on.
enum class HidReply : uint8_t
{
    DeviceStatus = 0x01,
    SideLightTypeList = 0x02,
    SixKeyReport = 0x04,
    FullKeyReport = 0x05,
    KeyboardLightConfig = 0x07,
    SideLightConfig = 0x08,
    MouseLightIndex = 0x09,
    LightTypeList = 0x0A,
    CustomKeyBitmap = 0x0E,
    KeyboardSettingsAck = 0x14,
    SerialNumber = 0x15,
    OnboardMacroReply = 0x18,
    OnboardAck = 0x19,
    HostKeyFunction = 0x20,
    MagneticReply = 0x21,
};

// Byte 2 of a keyboard-settings command (HidCmd::KeyboardSettings) and of its reply.
enum class KeyboardSettingsSub : uint8_t
{
    ResetOrWinLock = 0x00,  // byte 6 = 1: reset to defaults; 0: Win-lock choices at 13..16
    SetSleep = 0x01,
    AskSleep = 0x02,
};

// Sub-code at byte 6 of the magnetic-switch command and reply.
enum class MagneticSub : uint8_t
{
    ApplySingle = 0x00,  // the four apply codes are also the trigger modes
    ApplySeparate = 0x01,
    SelectKeys = 0x02,
    LeaveTriggerTab = 0x03,
    TravelLevel = 0x04,
    KeyTrigger = 0x05,
    ResetTrigger = 0x06,
    Calibrate = 0x07,
    ReportRate = 0x09,
    Debounce = 0x0A,
    ApplyQuick = 0x0C,
    ApplyQuickSeparate = 0x0D,
};

// Sub-code at byte 6 of the magnetic reply that carries a key's live travel.
constexpr uint8_t kMagneticLiveTravel = 0x01;

// The 64-byte report used in both directions. Byte 0 is the report id, byte 1 the
// command or reply byte, byte 2 a sub-command, layer or index, byte 4 a sub-code or
// packet number, byte 5 the payload length and the payload starts at byte 6. Bytes a
// report does not use stay 0; numbers wider than a byte travel high byte first.
struct HidReport
{
    static constexpr int Size = 64;
    static constexpr int PayloadOffset = 6;
    static constexpr int PayloadSize = Size - PayloadOffset;

    std::array<uint8_t, Size> bytes {};

    // An output report for the command: the report id is 0x00 for the shake-hands and the
    // serial-number query, 0x01 for every other command.
    static HidReport command(HidCmd cmd, uint8_t sub = 0, uint8_t length = 0);
    // An input report with the reply byte (report id 0x01).
    static HidReport reply(HidReply rep, uint8_t sub = 0, uint8_t length = 0);
    static uint8_t reportIdFor(HidCmd cmd);

    // Copies up to 64 bytes; a shorter source is padded with 0.
    static HidReport fromBytes(const uint8_t *data, int length);
    static HidReport fromByteArray(const QByteArray &data)
    {
        return fromBytes(reinterpret_cast<const uint8_t *>(data.constData()), data.size());
    }
    // Reads space-separated (or packed) hex digits such as "01 13 00 00 00 01 01"; the
    // bytes not given are 0. Returns false for text that is not hex or longer than 64 bytes.
    static bool fromHex(const QString &text, HidReport *out);

    uint8_t &operator[](int pos) { return bytes[static_cast<size_t>(pos)]; }
    uint8_t operator[](int pos) const { return bytes[static_cast<size_t>(pos)]; }
    uint8_t *data() { return bytes.data(); }
    const uint8_t *data() const { return bytes.data(); }

    uint8_t reportId() const { return bytes[0]; }
    uint8_t code() const { return bytes[1]; }
    uint8_t sub() const { return bytes[2]; }
    uint8_t length() const { return bytes[5]; }

    // Writes the low 16 bits of value at pos and pos + 1, high byte first.
    void setU16(int pos, int value);
    int u16(int pos) const { return (bytes[pos] << 8) | bytes[pos + 1]; }
    // Copies count bytes to pos, cut so nothing lands beyond byte 63.
    void setBytes(int pos, const uint8_t *src, int count);
    void setBytes(int pos, const QByteArray &src)
    {
        setBytes(pos, reinterpret_cast<const uint8_t *>(src.constData()), src.size());
    }
    QByteArray mid(int pos, int count) const;

    QByteArray toByteArray() const { return QByteArray(reinterpret_cast<const char *>(bytes.data()), Size); }
    // "01 13 00 ..." with all 64 bytes.
    QString toHex() const;

    bool operator==(const HidReport &other) const { return bytes == other.bytes; }
    bool operator!=(const HidReport &other) const { return bytes != other.bytes; }
};

static_assert(sizeof(HidReport) == HidReport::Size, "a report is exactly 64 bytes");

Q_DECLARE_METATYPE(HidReport)
