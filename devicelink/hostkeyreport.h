#pragma once

#include <QMutex>

#include <array>
#include <cstdint>

struct ProfileFunctionInfo;

// The application's copy of the keys a keyboard reports held, in the 8-byte key report
// layout: [0] modifier bits (bit i = usage 224 + i), [1] 0, [2..7] key usages in the order
// they were pressed, 0 = empty. While the keyboard's Win lock is on, the shortcuts the user
// chose to block are removed from it before it goes back to the keyboard.
class HostKeyReport
{
public:
    using Report = std::array<uint8_t, 8>;

    static constexpr int FirstSlot = 2;
    static constexpr int SlotEnd = 8;
    static constexpr uint8_t UsageTab = 0x2B;
    static constexpr uint8_t UsageF4 = 0x3D;

    // Which shortcuts the Win lock blocks.
    struct WinLockChoices
    {
        bool altTab = false;
        bool altF4 = false;
        bool shiftTab = false;
        bool windowsKey = false;

        // A field blocks only when it reads exactly "1".
        static WinLockChoices fromProfile(const ProfileFunctionInfo &info);
    };

    // Takes the keyboard's new key report: the presses it shows since the previous one,
    // then the releases, then it becomes the previous report. A report whose key slots
    // hold an error state changes the modifiers only.
    void apply(const uint8_t *keyboardReport);
    // One key change. A usage is stored once however often it is reported, a release
    // removes it wherever it is, and the keyboard's error states (0x01 to 0x03, sent in
    // every slot while it cannot tell which keys are down) are never stored.
    void updateKeyReport(int usage, bool pressed);
    // Removes the blocked shortcuts from the copy.
    void filter(const WinLockChoices &choices);

    // 224..231 when exactly one modifier bit is set, otherwise -1.
    static int modifierBitToUsage(int modifierByte);

    const Report &hostReport() const { return m_host; }
    const Report &previousReport() const { return m_previous; }
    int nextFreeSlot() const { return m_nextSlot; }

private:
    bool holds(uint8_t usage) const;
    void applyModifierRule(int usage, const WinLockChoices &choices);

    Report m_previous {};
    Report m_host {};
    int m_nextSlot = FirstSlot;
    QMutex m_mutex;  // guards adding a key to the slots
};
