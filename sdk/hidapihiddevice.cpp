#include "sdk/hidapihiddevice.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <cstring>
#include <unistd.h>

std::unique_ptr<HidapiHidDevice> HidapiHidDevice::open(const QByteArray &devnode)
{
    if (devnode.isEmpty())
        return nullptr;
    hid_device *device = hid_open_path(devnode.constData());
    if (!device)
        return nullptr;
    return std::unique_ptr<HidapiHidDevice>(new HidapiHidDevice(device));
}

HidapiHidDevice::HidapiHidDevice(hid_device_ *device) : m_device(device)
{ }

HidapiHidDevice::~HidapiHidDevice()
{
    hid_close(m_device);
}

int HidapiHidDevice::write(const unsigned char *data, int length)
{
    if (!data || length <= 0 || m_closed)
        return -1;
    const int written = hid_write(m_device, data, size_t(length));
    return written < 0 ? -1 : written;
}

int HidapiHidDevice::read(unsigned char *buffer, int size)
{
    if (!buffer || size <= 0 || m_closed)
        return -1;
    if (m_pendingLength > 0) {
        const int count = std::min(size, m_pendingLength);
        std::memcpy(buffer, m_pending, size_t(count));
        m_pendingLength = 0;
        return count;
    }
    if (m_nonblocking)
        return hid_read_timeout(m_device, buffer, size_t(size), 0);
    // Blocking: wait in slices so that a close from another thread is seen.
    for (;;) {
        const int count = hid_read_timeout(m_device, buffer, size_t(size), kBlockingReadSliceMs);
        if (count != 0)
            return count;
        if (m_closed)
            return -1;
    }
}

void HidapiHidDevice::waitForInput(int timeoutMs)
{
    if (m_closed || m_pendingLength > 0)
        return;
    const int count = hid_read_timeout(m_device, m_pending, sizeof m_pending, timeoutMs);
    if (count > 0) {
        m_pendingLength = count;
        return;
    }
    // An error returns at once; wait out the time so the loop does not spin.
    if (count < 0 && !m_closed)
        usleep(useconds_t(timeoutMs) * 1000);
}
