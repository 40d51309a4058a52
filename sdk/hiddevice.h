#pragma once

#include <atomic>

// One opened device of either backend. Writes and reads come from the device's
// I/O thread while open and close run on the GUI thread, so a device object is
// shared: closing marks it closed and wakes a blocked read, and the last user
// releases it.
class HidDevice
{
public:
    virtual ~HidDevice() = default;

    // Writes one whole report; returns its length, or -1 when it was not written.
    virtual int write(const unsigned char *data, int length) = 0;
    // Reads one input report into buffer (at most size bytes). Returns its
    // length; 0 in non-blocking mode when none is pending; -1 when the device
    // is gone or closed.
    virtual int read(unsigned char *buffer, int size) = 0;

    void setNonblocking(bool on) { m_nonblocking = on; }
    bool isNonblocking() const { return m_nonblocking; }

    // Sleeps until an input report may be read, wakeFd becomes readable, or timeoutMs
    // passes. Returns 1 when input may be waiting, 0 otherwise (woken, timed out, or the
    // device is gone: a gone device never wakes the caller), -1 when the device cannot
    // tell that input came, so the caller must look for it by reading.
    virtual int waitForInput(int wakeFd, int timeoutMs);

    // Called once by close: later writes and reads fail, a blocked read returns.
    virtual void shutdown() { m_closed = true; }
    bool isClosed() const { return m_closed; }

protected:
    // The wait on one descriptor of the device (-1: none) and wakeFd.
    int waitOnDescriptor(int inputFd, int wakeFd, int timeoutMs);

    // How long a blocking read sleeps between looks at the closed flag.
    static constexpr int kBlockingReadSliceMs = 100;

    std::atomic<bool> m_nonblocking {false};
    std::atomic<bool> m_closed {false};
};
