#pragma once

#include <QtGlobal>

// One element of a keyboard layout as the key layer keeps it: a key or a
// side-light segment, in unscaled picture pixels without the frame margin.
// Other parts regroup the key records by 22 into the key grid, so the record is
// a plain fixed-size value.
struct KeyLayoutRecord
{
    static constexpr qint32 kKindKey = 999;
    static constexpr qint32 kKindSideLight = 777;

    qint32 code = 0;  // key code of a key, segment number of a side-light segment
    qint32 posX = 0;
    qint32 posY = 0;
    qint32 width = 0;
    qint32 height = 0;
    qint32 kind = kKindKey;
    qint32 sidePosition = 0;  // edge of a segment: 0 none, 1 left, 2 right, 3 up, 4 down; 0 for keys
};

static_assert(sizeof(KeyLayoutRecord) == 28, "seven 32-bit integers");
static_assert(offsetof(KeyLayoutRecord, kind) == 20, "kind is the sixth field");
