#include "sdk/hiddevice.h"

#include <cerrno>
#include <poll.h>

int HidDevice::waitForInput(int, int)
{
    return -1;
}

int HidDevice::waitOnDescriptor(int inputFd, int wakeFd, int timeoutMs)
{
    pollfd items[2] = {{wakeFd, POLLIN, 0}, {inputFd, POLLIN, 0}};
    // A device that hung up would make every wait return at once: then only the wake counts.
    const nfds_t count = (inputFd >= 0 && !m_closed) ? 2 : 1;
    int ready = 0;
    do {
        ready = poll(items, count, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    if (ready <= 0 || count == 1)
        return 0;
    if (items[1].revents & POLLIN)
        return 1;
    if (items[1].revents & (POLLHUP | POLLERR | POLLNVAL)) {
        // Gone: sleep out the rest on the wake alone; the owner closes the device.
        if (!(items[0].revents & POLLIN))
            poll(items, 1, timeoutMs);
        return 0;
    }
    return 0;
}
