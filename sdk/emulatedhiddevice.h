#pragma once

#include "sdk/hiddevice.h"

#include <QByteArray>

#include <memory>

// A keyboard emulated in another process behind a SOCK_SEQPACKET socket. Every
// message is one 64-byte report; messages of any other length are dropped.
class EmulatedHidDevice : public HidDevice
{
public:
    static constexpr int kReportSize = 64;
    // A write waits at most this long for room in the peer's queue.
    static constexpr int kWriteTimeoutMs = 1000;

    // Connects to the socket; null when nothing listens there or the socket may not
    // be used (errno tells which).
    static std::unique_ptr<EmulatedHidDevice> connectTo(const QByteArray &socketPath);
    ~EmulatedHidDevice() override;

    int write(const unsigned char *data, int length) override;
    int read(unsigned char *buffer, int size) override;
    int waitForInput(int wakeFd, int timeoutMs) override;
    void shutdown() override;

private:
    explicit EmulatedHidDevice(int fd);
    bool peerHungUp() const;

    const int m_fd;
    std::atomic<bool> m_gone {false};
};
