#include "sdk/tavrixhid.h"

#include "sdk/devicecatalogue.h"
#include "sdk/emulateddevicedir.h"
#include "sdk/emulatedhiddevice.h"
#include "sdk/hidapihiddevice.h"
#include "sdk/hidenumerator.h"
#include "sdk/hidhandletable.h"
#include "sdk/hidrawdevices.h"
#include "sdk/pacingtimer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QVector>

#include <mutex>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

thread_local bool t_lastOpenDenied = false;

bool isPermissionError(int error)
{
    return error == EACCES || error == EPERM;
}

// hidapi keeps no reason for a failed open; the node's own open tells it.
bool nodeDenied(const QByteArray &devnode)
{
    if (devnode.isEmpty())
        return false;
    const int fd = ::open(devnode.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    return isPermissionError(errno);
}

}  // namespace

static_assert(kTavrixHidReportSize == EmulatedHidDevice::kReportSize);

int CTavrixHid_GetSupportInfoList(std::vector<SupportInfoStu> &list)
{
    list.clear();
    for (const CatalogueModel &model : DeviceCatalogue::instance().models()) {
        const quint16 pids[] = {model.cablePid, model.receiverPid};
        for (int connection = DeviceCatalogue::Cable; connection <= DeviceCatalogue::Receiver; ++connection) {
            if (!pids[connection])
                continue;
            SupportInfoStu entry;
            std::memset(&entry, 0, sizeof entry);
            tavrixCopyText(entry.modelName, model.modelName.toUtf8().constData());
            tavrixCopyText(entry.vid, DeviceCatalogue::hexId(model.vid).toLatin1().constData());
            tavrixCopyText(entry.pid, DeviceCatalogue::hexId(pids[connection]).toLatin1().constData());
            entry.connectType = connection;
            list.push_back(entry);
        }
    }
    return int(list.size());
}

namespace {

// The devices of the latest listing. The records of the paths just listed are asked for
// right after it, one by one; a real device's record would otherwise take a listing of
// all devices each.
struct LatestListing
{
    static constexpr qint64 kFreshMs = 1000;
    std::mutex mutex;
    QElapsedTimer taken;
    QVector<HidEnumerator::Device> devices;

    void keep(const QVector<HidEnumerator::Device> &listed)
    {
        std::lock_guard<std::mutex> lock(mutex);
        devices = listed;
        taken.start();
    }
    bool find(const QByteArray &path, HidEnumerator::Device *device)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!taken.isValid() || taken.elapsed() > kFreshMs)
            return false;
        for (const HidEnumerator::Device &listed : qAsConst(devices)) {
            if (!listed.emulated && listed.path == path) {
                *device = listed;
                return true;
            }
        }
        return false;
    }
};

LatestListing &latestListing()
{
    static LatestListing listing;
    return listing;
}

}  // namespace

int CTavrixHid_GetHidInfoList(std::vector<std::string> &paths)
{
    paths.clear();
    const QVector<HidEnumerator::Device> devices = HidEnumerator(DeviceCatalogue::instance()).devices();
    latestListing().keep(devices);
    for (const HidEnumerator::Device &device : devices)
        paths.emplace_back(device.path.constData(), size_t(device.path.size()));
    return int(paths.size());
}

int CTavrixHid_GetHidInfoStuMapList(std::map<std::string, HidInfoStu> &models)
{
    models.clear();
    for (const CatalogueModel &model : DeviceCatalogue::instance().models()) {
        HidInfoStu info;
        HidEnumerator::fillModelInfo(model, &info);
        models[model.modelName.toStdString()] = info;
    }
    return int(models.size());
}

bool CTavrixHid_GetHidAndFirmwareInfoStu(const char *path, HidDeviceInfoStu *device, FirmwareInfoStu *firmware)
{
    if (!device || !firmware)
        return false;
    std::memset(device, 0, sizeof *device);
    std::memset(firmware, 0, sizeof *firmware);
    HidEnumerator::Device found;
    const QByteArray fileSystemPath = tavrixFileSystemPath(path);
    if (!latestListing().find(fileSystemPath, &found)
        && !HidEnumerator(DeviceCatalogue::instance()).find(fileSystemPath, &found))
        return false;
    HidEnumerator::fillDeviceInfo(found, device);
    HidEnumerator::fillFirmwareInfo(found, firmware);
    return true;
}

int CTavrixHid_OpenPath(const char *path)
{
    const QByteArray fsPath = tavrixFileSystemPath(path);
    if (fsPath.isEmpty())
        return 0;
    t_lastOpenDenied = false;
    std::shared_ptr<HidDevice> device;
    if (EmulatedDeviceDir::parsePath(QFile::decodeName(fsPath), nullptr)) {
        errno = 0;
        device = EmulatedHidDevice::connectTo(fsPath);
        t_lastOpenDenied = !device && isPermissionError(errno);
    } else {
        const QByteArray devnode = HidrawDevices::devnodeForPath(fsPath);
        device = HidapiHidDevice::open(devnode);
        t_lastOpenDenied = !device && nodeDenied(devnode);
    }
    return device ? HidHandleTable::instance().add(std::move(device)) : 0;
}

bool CTavrixHid_LastOpenDenied()
{
    return t_lastOpenDenied;
}

int CTavrixHid_SetNonblocking(int handle, int nonblock)
{
    const std::shared_ptr<HidDevice> device = HidHandleTable::instance().find(handle);
    if (!device)
        return -1;
    device->setNonblocking(nonblock != 0);
    return 0;
}

int CTavrixHid_HidWriteBuff(int handle, const unsigned char *report, const char * /*path*/)
{
    const std::shared_ptr<HidDevice> device = HidHandleTable::instance().find(handle);
    if (!device)
        return -1;
    return device->write(report, kTavrixHidReportSize) == kTavrixHidReportSize ? kTavrixHidReportSize : -1;
}

int CTavrixHid_HidReadBuff(int handle, unsigned char *buffer)
{
    const std::shared_ptr<HidDevice> device = HidHandleTable::instance().find(handle);
    if (!device)
        return -1;
    return device->read(buffer, kTavrixHidReportSize);
}

int CTavrixHid_WaitForInput(int handle, int wakeFd, int timeoutMs)
{
    const std::shared_ptr<HidDevice> device = HidHandleTable::instance().find(handle);
    return device ? device->waitForInput(wakeFd, timeoutMs) : -1;
}

int CTavrixHid_Close(int handle)
{
    return HidHandleTable::instance().remove(handle) ? 0 : -1;
}

void CTavrixHid_highPrecisionTimerInit(HighPrecisionTimerStu *timer)
{
    if (timer)
        *timer = PacingTimers::instance().create();
}

void CTavrixHid_highPrecisionTimerStart(HighPrecisionTimerStu timer)
{
    PacingTimers::instance().start(timer);
}

void CTavrixHid_highPrecisionTimerRunning(int units, HighPrecisionTimerStu timer)
{
    PacingTimers::instance().wait(units, timer);
}

void CTavrixHid_highPrecisionTimerStop(HighPrecisionTimerStu timer)
{
    PacingTimers::instance().stop(timer);
}
