#include "devicelink/hostkeyreport.h"

#include "sdk/tavrixxmlrecords.h"

#include <QMutexLocker>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kFirstModifierUsage = 224;
constexpr int kLastModifierUsage = 231;
constexpr uint8_t kGuiBits = 0x08 | 0x80;

bool isModifier(int usage)
{
    return usage >= kFirstModifierUsage && usage <= kLastModifierUsage;
}

// ErrorRollOver, POSTFail and ErrorUndefined: states of the keyboard, not keys.
bool isErrorState(int usage)
{
    return usage >= 0x01 && usage <= 0x03;
}

bool isAlt(int usage)
{
    return usage == 226 || usage == 230;
}

bool isShift(int usage)
{
    return usage == 225 || usage == 229;
}

template <std::size_t N> bool isOne(const char (&field)[N])
{
    return strnlen(field, N) == 1 && field[0] == '1';
}

bool contains(const uint8_t *keys, uint8_t usage)
{
    return std::find(keys, keys + 6, usage) != keys + 6;
}

}  // namespace

HostKeyReport::WinLockChoices HostKeyReport::WinLockChoices::fromProfile(const ProfileFunctionInfo &info)
{
    return WinLockChoices {isOne(info.altTab), isOne(info.altF4), isOne(info.shiftTab), isOne(info.winKey)};
}

int HostKeyReport::modifierBitToUsage(int modifierByte)
{
    const uint8_t bits = static_cast<uint8_t>(modifierByte);
    if (bits == 0 || (bits & (bits - 1)) != 0)
        return -1;
    int i = 0;
    while (!(bits & (1u << i)))
        ++i;
    return kFirstModifierUsage + i;
}

void HostKeyReport::apply(const uint8_t *keyboardReport)
{
    Report n;
    std::copy(keyboardReport, keyboardReport + 8, n.begin());
    // On ghosting the keyboard fills every slot with an error state: it cannot tell which
    // keys are down, so the keys stay as they were and only the modifiers are taken.
    if (std::any_of(n.begin() + FirstSlot, n.end(), [](uint8_t u) { return isErrorState(u); }))
        std::copy(m_previous.begin() + FirstSlot, m_previous.end(), n.begin() + FirstSlot);
    const Report p = m_previous;
    for (int i = 0; i < 8; ++i) {
        if ((n[0] & (1u << i)) && !(p[0] & (1u << i)))
            updateKeyReport(kFirstModifierUsage + i, true);
    }
    for (int s = FirstSlot; s < SlotEnd; ++s) {
        if (n[s] != 0 && !contains(p.data() + FirstSlot, n[s]))
            updateKeyReport(n[s], true);
    }
    for (int i = 0; i < 8; ++i) {
        if (!(n[0] & (1u << i)) && (p[0] & (1u << i)))
            updateKeyReport(kFirstModifierUsage + i, false);
    }
    for (int s = FirstSlot; s < SlotEnd; ++s) {
        if (p[s] != 0 && !contains(n.data() + FirstSlot, p[s]))
            updateKeyReport(p[s], false);
    }
    m_previous = n;
}

bool HostKeyReport::holds(uint8_t usage) const
{
    return std::find(m_host.begin() + FirstSlot, m_host.begin() + m_nextSlot, usage) != m_host.begin() + m_nextSlot;
}

void HostKeyReport::updateKeyReport(int usage, bool pressed)
{
    if (isModifier(usage)) {
        const uint8_t bit = static_cast<uint8_t>(1u << (usage - kFirstModifierUsage));
        m_host[0] = pressed ? (m_host[0] | bit) : (m_host[0] & ~bit);
        return;
    }
    if (usage <= 0 || usage > 0xFF || isErrorState(usage))
        return;
    const uint8_t key = static_cast<uint8_t>(usage);
    if (pressed) {
        QMutexLocker lock(&m_mutex);
        // A seventh key is not kept: the report has six slots.
        if (m_nextSlot < SlotEnd && !holds(key))
            m_host[m_nextSlot++] = key;
        return;
    }
    int s = FirstSlot;
    while (s < m_nextSlot) {
        if (m_host[s] != key) {
            ++s;
            continue;
        }
        std::copy(m_host.begin() + s + 1, m_host.end(), m_host.begin() + s);
        m_host[SlotEnd - 1] = 0;
        --m_nextSlot;
    }
}

void HostKeyReport::applyModifierRule(int usage, const WinLockChoices &choices)
{
    if (isAlt(usage)) {
        if (choices.altTab && holds(UsageTab))
            updateKeyReport(UsageTab, false);
        if (choices.altF4 && holds(UsageF4))
            updateKeyReport(UsageF4, false);
    } else if (isShift(usage)) {
        if (choices.shiftTab && holds(UsageTab))
            updateKeyReport(UsageTab, false);
    }
}

void HostKeyReport::filter(const WinLockChoices &choices)
{
    const uint8_t modifiers = m_host[0];
    if (modifiers & kGuiBits) {
        // With a Windows key held nothing else is examined: blocking it takes the whole shortcut.
        if (choices.windowsKey)
            m_host[0] = modifiers & ~kGuiBits;
        return;
    }
    const int single = modifierBitToUsage(modifiers);
    if (single >= 0) {
        applyModifierRule(single, choices);
        return;
    }
    for (int i = 0; i < 8; ++i) {
        if (modifiers & (1u << i))
            applyModifierRule(kFirstModifierUsage + i, choices);
    }
}
