#pragma once

#include "sdk/hiddevice.h"

#include <map>
#include <memory>
#include <mutex>

// The library's open devices by handle. Handles are small positive integers,
// counted up and never reused within a process, so a stale handle can never
// reach a device opened later. Safe to use from any thread.
class HidHandleTable
{
public:
    static HidHandleTable &instance();

    int add(std::shared_ptr<HidDevice> device);
    // The device, kept alive for as long as the caller holds it; null for an
    // unknown or closed handle.
    std::shared_ptr<HidDevice> find(int handle) const;
    // Closes: the handle is forgotten and the device shut down. The device
    // itself is released when its last user lets go. False for an unknown handle.
    bool remove(int handle);
    int count() const;

private:
    mutable std::mutex m_mutex;
    std::map<int, std::shared_ptr<HidDevice>> m_devices;
    int m_lastHandle = 0;
};
