#include "devicelink/reportinbox.h"

#include <algorithm>

namespace {

constexpr uint8_t kStatusDownloadByte = 13;

long long key(uint8_t code, int sub = 0, int detail = 0)
{
    return (static_cast<long long>(code) << 24) | (static_cast<long long>(sub) << 16) | (detail & 0xffff);
}

}  // namespace

long long ReportInbox::mergeKey(const Entry &entry)
{
    if (entry.serial)
        return -1;
    const HidReport &r = entry.report;
    switch (static_cast<HidReply>(r.code())) {
    case HidReply::DeviceStatus:
        // A status that carries a download result is an answer: never merged.
        return r[kStatusDownloadByte] == 0 ? key(r.code()) : -1;
    case HidReply::MouseLightIndex:
    case HidReply::KeyboardLightConfig:
    case HidReply::SideLightConfig:
    case HidReply::LightTypeList:
    case HidReply::SideLightTypeList:
    case HidReply::CustomKeyBitmap: return key(r.code());
    case HidReply::KeyboardSettingsAck:
        return r.sub() == static_cast<uint8_t>(KeyboardSettingsSub::AskSleep) ? key(r.code(), r.sub()) : -1;
    case HidReply::MagneticReply:
        switch (static_cast<MagneticSub>(r[6])) {
        case MagneticSub::TravelLevel:
        case MagneticSub::ReportRate:
        case MagneticSub::Debounce: return key(r.code(), r[6]);
        default: break;
        }
        // A key's live travel: the latest of each key.
        if (r[6] == kMagneticLiveTravel)
            return key(r.code(), r[6], (r[7] << 8) | r[8]);
        return -1;
    default: return -1;
    }
}

bool ReportInbox::put(const Entry &entry)
{
    const long long mergeAs = mergeKey(entry);
    std::lock_guard<std::mutex> lock(m_mutex);
    const bool wasEmpty = m_entries.empty();
    if (mergeAs >= 0) {
        const auto same = std::find_if(m_entries.begin(), m_entries.end(),
                                       [mergeAs](const Entry &e) { return mergeKey(e) == mergeAs; });
        if (same != m_entries.end()) {
            *same = entry;
            return wasEmpty;
        }
    } else {
        ++m_kept;
    }
    m_entries.push_back(entry);
    return wasEmpty;
}

std::vector<ReportInbox::Entry> ReportInbox::take(int max)
{
    std::vector<Entry> taken;
    std::lock_guard<std::mutex> lock(m_mutex);
    while (!m_entries.empty() && int(taken.size()) < max) {
        if (mergeKey(m_entries.front()) < 0)
            --m_kept;
        taken.push_back(m_entries.front());
        m_entries.pop_front();
    }
    return taken;
}

bool ReportInbox::isFull() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_kept >= Capacity;
}

bool ReportInbox::isEmpty() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_entries.empty();
}

int ReportInbox::size() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_entries.size());
}
