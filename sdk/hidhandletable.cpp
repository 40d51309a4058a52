#include "sdk/hidhandletable.h"

#include <climits>

HidHandleTable &HidHandleTable::instance()
{
    static HidHandleTable table;
    return table;
}

int HidHandleTable::add(std::shared_ptr<HidDevice> device)
{
    if (!device)
        return 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_lastHandle == INT_MAX)
        return 0;
    const int handle = ++m_lastHandle;
    m_devices.emplace(handle, std::move(device));
    return handle;
}

std::shared_ptr<HidDevice> HidHandleTable::find(int handle) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_devices.find(handle);
    return it == m_devices.end() ? nullptr : it->second;
}

bool HidHandleTable::remove(int handle)
{
    std::shared_ptr<HidDevice> device;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_devices.find(handle);
        if (it == m_devices.end())
            return false;
        device = std::move(it->second);
        m_devices.erase(it);
    }
    device->shutdown();
    return true;
}

int HidHandleTable::count() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_devices.size());
}
