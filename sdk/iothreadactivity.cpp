#include "sdk/iothreadactivity.h"

namespace {

struct Activity
{
    bool traffic = false;
    int idleTurns = 0;
    std::weak_ptr<HidDevice> device;  // the device this thread last read or wrote
};

Activity &activity()
{
    thread_local Activity state;
    return state;
}

}  // namespace

void IoThreadActivity::noteTransfer(const std::shared_ptr<HidDevice> &device, bool traffic)
{
    Activity &state = activity();
    if (traffic)
        state.traffic = true;
    if (state.device.lock() != device)
        state.device = device;
}

bool IoThreadActivity::shouldRest()
{
    Activity &state = activity();
    if (state.traffic) {
        state.traffic = false;
        state.idleTurns = 0;
        return false;
    }
    if (state.idleTurns < kIdleTurnsBeforeRest) {
        ++state.idleTurns;
        return false;
    }
    // A thread that has no device is not an I/O loop: it keeps its pacing.
    return !state.device.expired();
}

void IoThreadActivity::rest()
{
    const std::shared_ptr<HidDevice> device = activity().device.lock();
    if (device)
        device->waitForInput(kRestMs);
}
