#include "sdk/hidapihiddevice.h"

#include <hidapi/hidapi.h>

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
