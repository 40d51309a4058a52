#pragma once

#include "sdk/hiddevice.h"

#include <memory>

// What the calling thread has done with the transport since its last pacing
// wait. An I/O loop waits a short interval after every turn so that reports
// flow at up to 1000 a second; kept up while nothing flows, those waits alone
// would cost a device's thread a few percent of a core. So once a thread that
// reads a device has seen no report either way for a while, its pacing wait
// rests instead: until a report from that device is pending, or kRestMs at
// most (the longest a command queued meanwhile waits). The first report
// written or read ends the rest.
class IoThreadActivity
{
public:
    // Idle turns before the thread rests: 25 ms at the I/O loop's pacing.
    static constexpr int kIdleTurnsBeforeRest = 50;
    static constexpr int kRestMs = 10;

    // A read or write on this thread; traffic: a report went through.
    static void noteTransfer(const std::shared_ptr<HidDevice> &device, bool traffic);

    // Called by each pacing wait. True when this turn should rest; then
    // rest() does the waiting.
    static bool shouldRest();
    static void rest();
};
