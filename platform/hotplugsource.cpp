#include "platform/hotplugsource.h"

#include "platform/emudirwatcher.h"
#include "platform/udevdevicemonitor.h"
#include "sdk/emulateddevicedir.h"

#include <QDir>
#include <QFileInfo>

HotPlugSource::HotPlugSource(QObject *parent)
    : QObject(parent), m_udev(new UdevDeviceMonitor(this)), m_emuDir(new EmuDirWatcher(this))
{
    connect(m_udev, &UdevDeviceMonitor::sigDeviceArrived, this, &HotPlugSource::sigDeviceArrived);
    connect(m_udev, &UdevDeviceMonitor::sigDeviceRemoved, this, &HotPlugSource::sigDeviceRemoved);
    connect(m_emuDir, &EmuDirWatcher::sigDeviceArrived, this, &HotPlugSource::sigDeviceArrived);
    connect(m_emuDir, &EmuDirWatcher::sigDeviceRemoved, this, &HotPlugSource::sigDeviceRemoved);
}

void HotPlugSource::start()
{
    m_udev->start();
    // The folder may not exist yet; the watcher notices when it is made.
    const QString dir = qEnvironmentVariable(EmulatedDeviceDir::kEnvironmentVariable);
    m_emuDir->setDirectory(dir.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(dir).absoluteFilePath()));
}

bool HotPlugSource::isUdevActive() const
{
    return m_udev->isActive();
}

QString HotPlugSource::emulatorDirectory() const
{
    return m_emuDir->directory();
}
