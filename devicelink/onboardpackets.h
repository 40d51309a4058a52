#pragma once

#include "advancedkeys/seniorkeyinfo.h"
#include "devicelink/hidreport.h"
#include "macros/macroeventitem.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>

// The reports that write a profile into the keyboard's memory: key packets of up to 14
// keys, the five packets of a 256-byte macro record, and one packet per advanced key.
// Pure functions of their inputs.
class OnboardPackets
{
public:
    static constexpr int KeysPerPacket = 14;
    static constexpr int KeyCodeSize = 4;
    static constexpr int MacroRecordSize = 256;
    static constexpr int MacroHeaderSize = 8;
    static constexpr int MacroEventSize = 4;
    static constexpr int MacroEventSlots = 62;
    static constexpr int MacroSteps = 5;
    static constexpr int MacroStepBytes = 58;      // steps 0..3
    static constexpr int MacroLastStepBytes = 24;  // step 4
    static constexpr int MaxEventDelayMs = 0xFFFF;
    static constexpr uint8_t SeniorKeyLength = 0x32;

    // A key packet: byte 2 the layer code (0 Default, 2 FN), byte 4 the packet number,
    // the keys' four-byte codes from byte 6 (at most 14 keys; more are cut).
    static HidReport keyPacket(int layerCode, int packetNumber, const QByteArray &keyCodes);

    // One macro event in four bytes: code, flags (0x10 down, 0x01 mouse), delay high and
    // low byte. Delays are clamped to 0..65535; an event of unknown type or an unknown
    // mouse message keeps its four bytes with code 0, so the events after it stay in place.
    static std::array<uint8_t, MacroEventSize> macroEvent(const MacroEventItem &event);
    // The 256-byte record: play mode - 1, the event bytes count, the repeat count, then at
    // most 62 events (the rest are dropped and not counted).
    static QByteArray macroRecord(int playMode, int repeatCount, const QList<MacroEventItem> &events);
    // The five packets that carry a record (all-zero record: an empty slot) into a slot.
    static QVector<HidReport> macroPackets(int slot, const QByteArray &record);
    static QVector<HidReport> emptyMacroPackets(int slot);

    // The four bytes of an advanced key's key text: "mask,usage" in the modifier form,
    // any other text as the plain usage 00 n 00 00 (an empty text gives zeros).
    static std::array<uint8_t, 4> seniorKeyTextBytes(const QString &text);
    // The advanced key in a slot; an unknown type carries only its type byte.
    static HidReport seniorKeyPacket(int slot, const SeniorKeyInfo &info);
    static HidReport emptySeniorKeyPacket(int slot);
};
