#include "devicelink/lighttypelistinfo.h"

LightTypeListInfo LightTypeListInfo::parse(const HidReport &report)
{
    LightTypeListInfo info;
    int pos = HidReport::PayloadOffset;
    while (pos < HidReport::Size && !isMarker(report[pos]))
        info.lightTypeList.append(report[pos++]);
    if (pos >= HidReport::Size)
        return info;
    while (pos < HidReport::Size && isMarker(report[pos]))
        ++pos;
    if (pos < HidReport::Size)
        info.speedMax = report[pos];
    if (pos + 1 < HidReport::Size)
        info.brightnessMax = report[pos + 1];
    return info;
}
