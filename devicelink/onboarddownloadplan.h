#pragma once

#include "advancedkeys/seniorkeyinfo.h"
#include "devicelink/hidreport.h"
#include "keys/keyoperateinfo.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QVector>

// One step of a download attempt, in the order the keyboard meets them.
struct OnboardStep
{
    enum Kind
    {
        KeyPacket,        // queued at once while the attempt still runs
        AckedPacket,      // stop-and-wait: the previous one must be acknowledged first
        SeniorKeyPacket,  // queued at once, unacknowledged, even after the attempt stopped
        Pause,            // the keyboard stores what it got
        StatusWait,       // the keyboard reports how the download went
        LayerUnreadable,  // a layer file without a profile index ends the attempt here
    };

    Kind kind = KeyPacket;
    HidReport report;
};

// What one download attempt sends: the profile's key layers read from the store and
// encoded, the macros and advanced keys the keys use, the clearing of the slots left
// over, the pauses and the status wait.
class OnboardDownloadPlan
{
public:
    static constexpr int MacroSlots = 10;
    static constexpr int SeniorKeySlots = 40;

    struct Layer
    {
        int code;  // byte 2 of the key packets
        const char *fileName;
    };
    // Default first, then FN; the FN layer's code is 2.
    static const Layer Layers[2];

    struct Input
    {
        QString profileFolder;                // the device's profile folder, without a trailing "/"
        bool magnetic = false;                // the keyboard has advanced-key slots to clear
        QList<int> keyCodes;                  // the keyboard picture's keys in layout order; 0 = placeholder
        QMap<int, SeniorKeyInfo> seniorKeys;  // by bindingIndex
    };

    static OnboardDownloadPlan build(const Input &input);

    QVector<OnboardStep> steps;
    int macroKeys = 0;   // keys that play a macro: each takes a macro slot
    int seniorKeys = 0;  // keys bound to an advanced key: each takes an advanced-key slot

    bool fitsKeyboard() const { return macroKeys <= MacroSlots && seniorKeys <= SeniorKeySlots; }
    // Reports the attempt writes when nothing goes wrong.
    int reportCount() const;
    int pauseCount() const;

private:
    bool addLayer(const Input &input, const Layer &layer);
    void addMacro(const QByteArray &layerPath, const QByteArray &indexText, const KeyOperateInfo &item, int slot);
    void add(OnboardStep::Kind kind, const HidReport &report = HidReport()) { steps.append({kind, report}); }
};
