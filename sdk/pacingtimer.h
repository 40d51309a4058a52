#pragma once

#include "sdk/tavrixrecords.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

// Pacing timers on the monotonic clock. A timer keeps the deadline of its last
// wait, and each wait sleeps until one interval after it: the time the caller
// spends between two waits is absorbed, so a loop that waits once per turn runs
// at the interval's rate however long its turns take (as long as a turn is
// shorter than the interval). A caller that fell behind is not made to catch
// up in a burst: its schedule restarts from now.
class PacingTimers
{
public:
    // The unit of a wait. The I/O loop of an open keyboard waits 100 units,
    // 500 us, after each of its turns: one write turn and one read turn per
    // millisecond, the 1000 reports a second that a full-speed interrupt
    // endpoint takes, while an idle loop wakes only 2000 times a second.
    static constexpr int kUnitMicroseconds = 5;
    // Waits longer than this are cut to it.
    static constexpr int kMaxUnits = 2000000;

    static PacingTimers &instance();

    HighPrecisionTimerStu create();
    void start(HighPrecisionTimerStu timer);
    // Waits units x kUnitMicroseconds after the previous wait of this timer.
    // A timer that is unknown, not started or stopped still waits the whole
    // interval from now, so a loop paced by it never spins.
    void wait(int units, HighPrecisionTimerStu timer);
    void stop(HighPrecisionTimerStu timer);

private:
    struct State
    {
        std::atomic<int64_t> deadlineNs {0};
        std::atomic<bool> running {false};
    };

    std::shared_ptr<State> find(HighPrecisionTimerStu timer) const;

    mutable std::mutex m_mutex;
    std::unordered_map<uint32_t, std::shared_ptr<State>> m_timers;
    uint32_t m_lastId = 0;
};
