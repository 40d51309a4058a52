#include "devicelink/onboardpackets.h"

#include "devicelink/onboardkeycode.h"

#include <QtGlobal>

#include <cstring>

namespace {

// Windows mouse messages of a recorded button to the keyboard's button code.
struct MouseMessageRow
{
    int down;
    int up;
    uint8_t button;
};
const MouseMessageRow kMouseMessages[] = {
    {513, 514, 0x01},  // left
    {516, 517, 0x02},  // right
    {519, 520, 0x04},  // middle
};

constexpr uint8_t kDownFlag = 0x10;
constexpr uint8_t kMouseFlag = 0x01;
// The mod-tap hold time travels in units of 10 ms, in one byte.
constexpr int kHoldTimeUnitMs = 10;
constexpr int kHoldTimeMaxUnits = 0xFF;

QByteArray field(const char *text, int size)
{
    return QByteArray(text, static_cast<int>(qstrnlen(text, static_cast<size_t>(size))));
}

uint8_t mouseButton(int message)
{
    for (const MouseMessageRow &row : kMouseMessages) {
        if (message == row.down || message == row.up)
            return row.button;
    }
    return 0;
}

void put(HidReport &report, int pos, const std::array<uint8_t, 4> &bytes)
{
    report.setBytes(pos, bytes.data(), 4);
}

}  // namespace

HidReport OnboardPackets::keyPacket(int layerCode, int packetNumber, const QByteArray &keyCodes)
{
    const QByteArray payload = keyCodes.left(KeysPerPacket * KeyCodeSize);
    HidReport r = HidReport::command(HidCmd::OnboardKeys, static_cast<uint8_t>(layerCode),
                                     static_cast<uint8_t>(payload.size()));
    r[4] = static_cast<uint8_t>(packetNumber);
    r.setBytes(HidReport::PayloadOffset, payload);
    return r;
}

std::array<uint8_t, OnboardPackets::MacroEventSize> OnboardPackets::macroEvent(const MacroEventItem &event)
{
    const QByteArray type = field(event.type, sizeof event.type);
    const bool isKey = type.contains("key");
    const bool isMouse = !isKey && type.contains("mouse");
    const int keyCode = keyOperateNumber(field(event.keyCode, sizeof event.keyCode));
    const int delay = qBound(0, keyOperateNumber(field(event.delay, sizeof event.delay)), MaxEventDelayMs);

    uint8_t code = 0;
    if (isKey)
        code = static_cast<uint8_t>(keyCode);
    else if (isMouse)
        code = mouseButton(keyCode);
    uint8_t flags = field(event.operateExplain, sizeof event.operateExplain) == "down" ? kDownFlag : 0;
    if (isMouse)
        flags |= kMouseFlag;
    return {code, flags, static_cast<uint8_t>(delay >> 8), static_cast<uint8_t>(delay & 0xFF)};
}

QByteArray OnboardPackets::macroRecord(int playMode, int repeatCount, const QList<MacroEventItem> &events)
{
    QByteArray record(MacroRecordSize, '\0');
    const int count = qMin(events.size(), MacroEventSlots);
    record[1] = static_cast<char>(playMode - 1);
    record[3] = static_cast<char>(MacroEventSize * count);
    record[5] = static_cast<char>(repeatCount);
    for (int i = 0; i < count; ++i) {
        const auto bytes = macroEvent(events.at(i));
        memcpy(record.data() + MacroHeaderSize + MacroEventSize * i, bytes.data(), MacroEventSize);
    }
    return record;
}

QVector<HidReport> OnboardPackets::macroPackets(int slot, const QByteArray &record)
{
    QByteArray full = record.left(MacroRecordSize);
    full.append(QByteArray(MacroRecordSize - full.size(), '\0'));
    QVector<HidReport> packets;
    for (int step = 0; step < MacroSteps; ++step) {
        const int bytes = step < MacroSteps - 1 ? MacroStepBytes : MacroLastStepBytes;
        HidReport r = HidReport::command(HidCmd::OnboardMacro, static_cast<uint8_t>(slot), static_cast<uint8_t>(bytes));
        r[4] = static_cast<uint8_t>(step);
        r.setBytes(HidReport::PayloadOffset, full.mid(step * MacroStepBytes, bytes));
        packets.append(r);
    }
    return packets;
}

QVector<HidReport> OnboardPackets::emptyMacroPackets(int slot)
{
    return macroPackets(slot, QByteArray(MacroRecordSize, '\0'));
}

std::array<uint8_t, 4> OnboardPackets::seniorKeyTextBytes(const QString &text)
{
    if (text.contains(QLatin1Char(',')))
        return OnboardEncoder::modifierForm(OnboardEncoder::keyTextToUsages(text)).bytes;
    return OnboardKeyCode::of(0, keyOperateNumber(text.toUtf8())).bytes;
}

HidReport OnboardPackets::emptySeniorKeyPacket(int slot)
{
    return HidReport::command(HidCmd::OnboardSeniorKey, static_cast<uint8_t>(slot), SeniorKeyLength);
}

HidReport OnboardPackets::seniorKeyPacket(int slot, const SeniorKeyInfo &info)
{
    HidReport r = emptySeniorKeyPacket(slot);
    r[6] = static_cast<uint8_t>(info.keyType);
    const auto keyText = [&info](int k) { return QString::fromUtf8(field(info.keys[k], sizeof info.keys[k])); };
    switch (info.keyType) {
    case SeniorKeyType_DKS:
        for (int p = 0; p < 4; ++p)
            r[7 + p] = static_cast<uint8_t>(info.strokes[p]);
        for (int k = 0; k < 4; ++k) {
            put(r, 11 + 8 * k, seniorKeyTextBytes(keyText(k)));
            for (int p = 0; p < 4; ++p)
                r[15 + 8 * k + p] = static_cast<uint8_t>(info.dksActions[4 * k + p]);
        }
        break;
    case SeniorKeyType_MT:
        put(r, 7, seniorKeyTextBytes(keyText(0)));
        put(r, 11, seniorKeyTextBytes(keyText(1)));
        // Clamped rather than wrapped: a long hold time must not turn into a short one.
        r[15] = static_cast<uint8_t>(qBound(0, info.ValueTime / kHoldTimeUnitMs, kHoldTimeMaxUnits));
        break;
    case SeniorKeyType_TGL: put(r, 7, seniorKeyTextBytes(keyText(0))); break;
    default: break;
    }
    return r;
}
