#pragma once

#include <QObject>
#include <QString>

class EmuDirWatcher;
class UdevDeviceMonitor;

// The one source of device arrival and removal notices: udev (hidraw nodes and
// USB devices) and the emulated-keyboard folder named by TAVRIX_EMU_DIR. Each
// notice carries a path text that holds the device's VID and PID. Nothing here
// filters: every notice goes out, and the receiver decides which concern it.
class HotPlugSource : public QObject
{
    Q_OBJECT

public:
    explicit HotPlugSource(QObject *parent = nullptr);

    // Starts listening. The emulator folder is taken from the environment now.
    void start();
    bool isUdevActive() const;
    QString emulatorDirectory() const;

signals:
    void sigDeviceArrived(const QString &path);
    void sigDeviceRemoved(const QString &path);

private:
    UdevDeviceMonitor *m_udev;
    EmuDirWatcher *m_emuDir;
};
