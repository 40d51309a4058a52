#pragma once

#include "devicelink/ddevicekeyboardlink.h"
#include "emudevice.h"

#include <QTemporaryDir>

#include <memory>

// An emulated keyboard served in this thread and a device link for it, opened as the
// device page opens one.
class LinkFixture
{
public:
    // model: catalogue model name. The serial number and other keyboard state may be
    // changed through device() before open().
    explicit LinkFixture(const QString &model);
    ~LinkFixture();

    EmuDevice *device() { return m_device.get(); }
    EmuKeyboard *keyboard() { return m_device->keyboard(); }
    DDeviceKeyboardLink *link() { return m_link.get(); }

    // The record the device page would build for the emulated device.
    hidStructInfoAll record() const;
    bool open(int threadIndex = 1);
    // Waits until the start-up chain ran to its end (the custom-key bitmap was handled).
    bool waitForChain(int timeoutMs = 5000);
    // Waits until the keyboard has received count reports with this command byte.
    bool waitForReceived(HidCmd cmd, int count, int timeoutMs = 5000);

    // Sends a marker (a shake-hands, left out of received()) and waits until the keyboard
    // has it: reports reach the keyboard in their order, so everything queued before is
    // there too. False when the link is not open or the marker never came.
    bool flushCommands(int timeoutMs = 60000);
    // What the keyboard received, shake-hands left out.
    QList<HidReport> received() const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<EmuDevice> m_device;
    std::unique_ptr<DDeviceKeyboardLink> m_link;
    int m_markers = 0;
};
