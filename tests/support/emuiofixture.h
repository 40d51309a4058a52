#pragma once

#include "devicelink/mainhidinterface.h"
#include "emudevice.h"

#include <QTemporaryDir>

#include <memory>

// An emulated keyboard served in this thread and the application's I/O thread object
// for it, with a receiver that takes the input report copies and frees them.
class EmuIoFixture : public QObject
{
    Q_OBJECT

public:
    // model: catalogue model name; receiver: the device file names the receiver's PID.
    explicit EmuIoFixture(const QString &model, bool receiver = false);
    ~EmuIoFixture() override;

    EmuDevice *device() { return m_device.get(); }
    MainHidInterFace *hid() { return m_hid.get(); }

    // Opens the device; with startThread the I/O loop runs as the device link would start it.
    bool open(bool startThread = true);

    // Waits until every command queued so far has reached the keyboard: a marker report
    // queued behind them (a shake-hands with its own bytes) arrived. False when it did
    // not within timeoutMs.
    bool waitForQueuedCommands(int timeoutMs = 20000);

    // Input reports the I/O thread handed over, in order (copies of the freed buffers).
    QList<HidReport> dataReports() const { return m_data; }
    QList<QPair<HidReport, QString>> serialReports() const { return m_serial; }

private Q_SLOTS:
    void onHidDataArrived(unsigned char *data, int length, int threadIndex);
    void onHidSnGetOver(unsigned char *data, QString strHidName);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<EmuDevice> m_device;
    std::unique_ptr<MainHidInterFace> m_hid;
    QList<HidReport> m_data;
    QList<QPair<HidReport, QString>> m_serial;
    int m_markers = 0;
};
