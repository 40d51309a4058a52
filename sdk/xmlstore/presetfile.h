#pragma once

#include "devicepage/customlightdatainfo.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Custom light preset files: root customLight, five customLed children (index,
// name, isUsing, usingFlagIndex) holding empty item elements with the attributes
// of CustomLightDataInfo.
namespace xmlstore {

struct PresetLed
{
    QByteArray index;
    QByteArray name;
    QByteArray isUsing;
    int usingFlagIndex = -1;
    QList<CustomLightDataInfo> items;
};

// Parses a whole preset file; on failure returns false and says why in *error.
bool parsePreset(const QByteArray &bytes, QList<PresetLed> *leds, QString *error);

}  // namespace xmlstore
