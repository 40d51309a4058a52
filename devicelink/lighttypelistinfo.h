#pragma once

#include "devicelink/hidreport.h"

#include <QList>

// The light modes a keyboard supports for one light target, with its numbers of speed
// and brightness levels, as its light-type list replies report them.
struct LightTypeListInfo
{
    QList<int> lightTypeList;
    int speedMax = 0;
    int brightnessMax = 0;

    // Reads a light-type list reply: from byte 6 one byte per mode up to a marker byte
    // (0xA5 or 0x5A); after the marker (and any further marker bytes) the number of speed
    // levels, then the number of brightness levels. Without a marker the list holds bytes
    // 6..63 and both counts are 0; a count that would lie beyond byte 63 is 0.
    static LightTypeListInfo parse(const HidReport &report);

    static bool isMarker(uint8_t byte) { return byte == 0xA5 || byte == 0x5A; }

    bool operator==(const LightTypeListInfo &o) const
    {
        return lightTypeList == o.lightTypeList && speedMax == o.speedMax && brightnessMax == o.brightnessMax;
    }
};

Q_DECLARE_METATYPE(LightTypeListInfo)
