#include "devicelink/inputreportlength.h"

#include "devicelink/hidreport.h"

namespace {

constexpr int kTextStart = 6;

bool isListMarker(unsigned char byte)
{
    return byte == 0xA5 || byte == 0x5A;
}

// A text from byte 6 on ends with a 0 byte, or with the full report.
bool textEnds(const unsigned char *r, int count)
{
    for (int i = kTextStart; i < count; ++i) {
        if (r[i] == 0)
            return true;
    }
    return false;
}

// The light-type list: its modes, the marker and the two level counts after it.
bool lightListEnds(const unsigned char *r, int count)
{
    int pos = kTextStart;
    while (pos < count && !isListMarker(r[pos]))
        ++pos;
    if (pos >= count)
        return false;
    while (pos < count && isListMarker(r[pos]))
        ++pos;
    return pos + 2 <= count;
}

// One past the last byte a report of this kind is read at (the buffer always holds 64).
int fieldsEnd(const unsigned char *r)
{
    switch (static_cast<HidReply>(r[1])) {
    case HidReply::DeviceStatus: return 15;
    case HidReply::SixKeyReport: return 14;
    case HidReply::FullKeyReport: return 19;
    case HidReply::KeyboardLightConfig:
    case HidReply::SideLightConfig: return 18;
    case HidReply::MouseLightIndex: return 3;
    case HidReply::CustomKeyBitmap: return 28;
    case HidReply::KeyboardSettingsAck:
        return r[2] == static_cast<unsigned char>(KeyboardSettingsSub::AskSleep) ? 14 : 3;
    case HidReply::OnboardAck: return 5;  // slot and step
    case HidReply::HostKeyFunction: return 11;
    case HidReply::MagneticReply:
        // By its own kind at byte 6: a key's five trigger values, a key's live travel, or one value.
        if (r[6] == static_cast<unsigned char>(MagneticSub::KeyTrigger))
            return 12;
        return r[6] == kMagneticLiveTravel ? 10 : 8;
    default: return r[1] == 0x0B ? 3 : 2;
    }
}

}  // namespace

bool InputReportLength::holdsItsFields(const unsigned char *report, int count)
{
    if (!report || count < 2)
        return false;
    if (count >= HidReport::Size)
        return true;
    switch (report[1]) {
    case static_cast<unsigned char>(HidReply::LightTypeList):
    case static_cast<unsigned char>(HidReply::SideLightTypeList): return lightListEnds(report, count);
    case static_cast<unsigned char>(HidReply::SerialNumber): return count >= kTextStart + 32 || textEnds(report, count);
    case 0x0D: return textEnds(report, count);
    default: break;
    }
    return count >= fieldsEnd(report);
}
