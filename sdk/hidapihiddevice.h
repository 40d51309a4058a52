#pragma once

#include "sdk/hiddevice.h"

#include <QByteArray>

#include <memory>

struct hid_device_;

// A real keyboard's configuration interface, opened through hidapi on hidraw.
class HidapiHidDevice : public HidDevice
{
public:
    // devnode: "/dev/hidrawN". Null when it cannot be opened.
    static std::unique_ptr<HidapiHidDevice> open(const QByteArray &devnode);
    ~HidapiHidDevice() override;

    int write(const unsigned char *data, int length) override;
    int read(unsigned char *buffer, int size) override;
    int waitForInput(int wakeFd, int timeoutMs) override;

private:
    HidapiHidDevice(hid_device_ *device, int watchFd);

    hid_device_ *const m_device;
    // A second opening of the node, only to learn that a report came: hidraw hands every
    // opening its own copy of each report, so the copies here are read and dropped.
    const int m_watchFd;
};
