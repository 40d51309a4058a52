#include "devicelink/onboarddownloadplan.h"

#include "devicelink/onboardkeycode.h"
#include "devicelink/onboardpackets.h"
#include "sdk/tavrixxml.h"

#include <QFile>

const OnboardDownloadPlan::Layer OnboardDownloadPlan::Layers[2] = {
    {0, "/appProfile_Default.xml"},
    {2, "/appProfile_FN.xml"},
};

OnboardDownloadPlan OnboardDownloadPlan::build(const Input &input)
{
    OnboardDownloadPlan plan;
    for (const Layer &layer : Layers) {
        if (!plan.addLayer(input, layer)) {
            plan.add(OnboardStep::LayerUnreadable);
            return plan;
        }
    }
    plan.add(OnboardStep::Pause);
    for (int slot = plan.macroKeys; slot < MacroSlots; ++slot) {
        for (const HidReport &packet : OnboardPackets::emptyMacroPackets(slot))
            plan.add(OnboardStep::AckedPacket, packet);
    }
    if (input.magnetic) {
        plan.add(OnboardStep::Pause);
        for (int slot = plan.seniorKeys; slot < SeniorKeySlots; ++slot)
            plan.add(OnboardStep::SeniorKeyPacket, OnboardPackets::emptySeniorKeyPacket(slot));
    }
    plan.add(OnboardStep::StatusWait);
    return plan;
}

// Reads every key's item of the layer's current profile and packs the keys 14 to a
// packet; a key's macro or advanced key goes out before the packet that holds the key.
bool OnboardDownloadPlan::addLayer(const Input &input, const Layer &layer)
{
    const QByteArray layerPath = QFile::encodeName(input.profileFolder + QLatin1String(layer.fileName));
    const int profileIndex = CTavrixXML_GetCreateXMLFileProfileIndex(layerPath);
    if (profileIndex == -1)
        return false;
    const QByteArray indexText = QByteArray::number(profileIndex);

    const int n = input.keyCodes.size();
    int packetNumber = 0;
    QByteArray bytes;
    for (int k = 1; k <= n; ++k) {
        const int code = input.keyCodes.at(k - 1);
        if (code == 0) {
            bytes.append(QByteArray(OnboardPackets::KeyCodeSize, '\0'));  // a layout placeholder
        } else {
            KeyOperateInfo item = KeyOperateInfo::empty();
            CTavrixXML_SelectProFileKeyOperateInfo(layerPath, indexText, QByteArray::number(code), &item);
            int storeIndex = 0;
            if (OnboardEncoder::playsMacro(item)) {
                storeIndex = macroKeys++;
                addMacro(layerPath, indexText, item, storeIndex);
            } else if (OnboardEncoder::bindsSeniorKey(item)) {
                storeIndex = seniorKeys++;
                const SeniorKeyInfo info = input.seniorKeys.value(keyOperateNumber(item.value));
                add(OnboardStep::SeniorKeyPacket, OnboardPackets::seniorKeyPacket(storeIndex, info));
            }
            bytes.append(OnboardEncoder::encodeKey(item, code, storeIndex).toByteArray());
        }
        if (k % OnboardPackets::KeysPerPacket == 0 || k == n) {
            add(OnboardStep::KeyPacket, OnboardPackets::keyPacket(layer.code, packetNumber++, bytes));
            bytes.clear();
        }
    }
    return true;
}

// The profile keeps its own copy of every macro a key plays; that copy goes into the
// next macro slot, five packets each acknowledged before the next.
void OnboardDownloadPlan::addMacro(const QByteArray &layerPath, const QByteArray &indexText, const KeyOperateInfo &item,
                                   int slot)
{
    QList<MacroEventItem> events;
    CTavrixXML_ProFileMacroWithKeyInfoSelectAll(layerPath, indexText, keyOperateField(item.value), QByteArray(),
                                                events);
    const QByteArray record
        = OnboardPackets::macroRecord(keyOperateNumber(item.param2), keyOperateNumber(item.param1), events);
    for (const HidReport &packet : OnboardPackets::macroPackets(slot, record))
        add(OnboardStep::AckedPacket, packet);
}

int OnboardDownloadPlan::reportCount() const
{
    int count = 0;
    for (const OnboardStep &step : steps) {
        const bool sends = step.kind == OnboardStep::KeyPacket || step.kind == OnboardStep::AckedPacket
            || step.kind == OnboardStep::SeniorKeyPacket;
        count += sends ? 1 : 0;
    }
    return count;
}

int OnboardDownloadPlan::pauseCount() const
{
    int count = 0;
    for (const OnboardStep &step : steps)
        count += step.kind == OnboardStep::Pause ? 1 : 0;
    return count;
}
