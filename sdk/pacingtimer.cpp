#include "sdk/pacingtimer.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <sys/prctl.h>

namespace {

// The second word of a timer record checks the first, so a zeroed or
// scribbled record is recognised as no timer.
constexpr uint32_t kCheckWord = 0x5A17C0DEu;

// Without this a sleep may end up to 50 us late, a tenth of the I/O loop's
// interval. Set once per thread that waits.
constexpr unsigned long kTimerSlackNs = 1000;

int64_t monotonicNs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

void sleepUntil(int64_t deadlineNs)
{
    timespec until;
    until.tv_sec = time_t(deadlineNs / 1000000000);
    until.tv_nsec = long(deadlineNs % 1000000000);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) { }
}

void lowerTimerSlack()
{
    thread_local bool lowered = false;
    if (!lowered) {
        prctl(PR_SET_TIMERSLACK, kTimerSlackNs, 0, 0, 0);
        lowered = true;
    }
}

}  // namespace

PacingTimers &PacingTimers::instance()
{
    static PacingTimers timers;
    return timers;
}

HighPrecisionTimerStu PacingTimers::create()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const uint32_t id = ++m_lastId;
    m_timers.emplace(id, std::make_shared<State>());
    return HighPrecisionTimerStu {id, id ^ kCheckWord};
}

std::shared_ptr<PacingTimers::State> PacingTimers::find(HighPrecisionTimerStu timer) const
{
    if (timer.id == 0 || timer.generation != (timer.id ^ kCheckWord))
        return nullptr;
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_timers.find(timer.id);
    return it == m_timers.end() ? nullptr : it->second;
}

void PacingTimers::start(HighPrecisionTimerStu timer)
{
    if (const std::shared_ptr<State> state = find(timer)) {
        state->deadlineNs = monotonicNs();
        state->running = true;
    }
}

void PacingTimers::wait(int units, HighPrecisionTimerStu timer)
{
    if (units <= 0)
        return;
    lowerTimerSlack();
    const int64_t intervalNs = int64_t(std::min(units, kMaxUnits)) * kUnitMicroseconds * 1000;
    const int64_t now = monotonicNs();
    const std::shared_ptr<State> state = find(timer);
    if (!state || !state->running) {
        sleepUntil(now + intervalNs);
        return;
    }
    const int64_t deadline = state->deadlineNs + intervalNs;
    if (deadline <= now) {
        state->deadlineNs = now;
        return;
    }
    sleepUntil(deadline);
    state->deadlineNs = deadline;
}

void PacingTimers::stop(HighPrecisionTimerStu timer)
{
    std::shared_ptr<State> state;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_timers.find(timer.id);
        if (it == m_timers.end() || timer.generation != (timer.id ^ kCheckWord))
            return;
        state = it->second;
        m_timers.erase(it);
    }
    state->running = false;
}
