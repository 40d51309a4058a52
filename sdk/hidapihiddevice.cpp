#include "sdk/hidapihiddevice.h"

#include <hidapi/hidapi.h>

#include <fcntl.h>
#include <unistd.h>

std::unique_ptr<HidapiHidDevice> HidapiHidDevice::open(const QByteArray &devnode)
{
    if (devnode.isEmpty())
        return nullptr;
    hid_device *device = hid_open_path(devnode.constData());
    if (!device)
        return nullptr;
    const int watchFd = ::open(devnode.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    return std::unique_ptr<HidapiHidDevice>(new HidapiHidDevice(device, watchFd));
}

HidapiHidDevice::HidapiHidDevice(hid_device_ *device, int watchFd) : m_device(device), m_watchFd(watchFd)
{ }

HidapiHidDevice::~HidapiHidDevice()
{
    hid_close(m_device);
    if (m_watchFd >= 0)
        ::close(m_watchFd);
}

int HidapiHidDevice::waitForInput(int wakeFd, int timeoutMs)
{
    if (m_watchFd < 0)
        return -1;
    const int ready = waitOnDescriptor(m_watchFd, wakeFd, timeoutMs);
    if (ready == 1) {
        unsigned char copy[256];
        while (::read(m_watchFd, copy, sizeof copy) > 0) { }
    }
    return ready;
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
