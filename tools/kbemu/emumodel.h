#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// What the emulator needs to know about a keyboard model: its identity on the bus and
// the facts that decide which commands it answers.
struct EmuModelInfo
{
    QString name;
    uint16_t vid = 0;
    uint16_t cablePid = 0;
    uint16_t receiverPid = 0;  // 0: the model has no 2.4 GHz receiver
    int keyCount = 0;
    int hidDeviceType = 0;  // the layout file's device type; 4 = magnetic switches
    bool sideLights = false;

    bool isMagnetic() const { return hidDeviceType == 4; }
    bool hasReceiver() const { return receiverPid != 0; }
    bool isValid() const { return !name.isEmpty() && vid != 0 && cablePid != 0; }
};

namespace EmuModels {
// The model of the given name (case-insensitive); an invalid record when unknown.
EmuModelInfo find(const QString &name);
QList<EmuModelInfo> all();
}  // namespace EmuModels
