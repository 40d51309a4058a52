#include "support/emuiofixture.h"

#include "devicelink/reportcopies.h"
#include "support/waituntil.h"

EmuIoFixture::EmuIoFixture(const QString &model, bool receiver)
{
    qputenv("TAVRIX_EMU_DIR", m_dir.path().toLocal8Bit());
    const EmuModelInfo info = EmuModels::find(model);
    m_device = std::make_unique<EmuDevice>(m_dir.path(), info, QString(), receiver);
    m_device->start();
    m_hid = std::make_unique<MainHidInterFace>(0, info.name);
    connect(m_hid.get(), &MainHidInterFace::sigHidDataArrived, this, &EmuIoFixture::onHidDataArrived);
    connect(m_hid.get(), &MainHidInterFace::sigHidSnGetOver, this, &EmuIoFixture::onHidSnGetOver);
}

EmuIoFixture::~EmuIoFixture()
{
    const MainHidInterFace *sender = m_hid.get();
    m_hid.reset();
    // Reports still queued for this fixture are dropped with it.
    ReportCopies::freeUndelivered(sender);
    m_device.reset();
}

bool EmuIoFixture::open(bool startThread)
{
    if (m_hid->openHid(m_device->socketPath()) != 0)
        return false;
    if (startThread)
        m_hid->start(QThread::InheritPriority);
    return true;
}

bool EmuIoFixture::waitForQueuedCommands(int timeoutMs)
{
    HidReport marker = HidReport::command(HidCmd::ShakeHands, 0, 0x01);
    marker[10] = 0xA5;
    marker[11] = static_cast<uint8_t>(++m_markers);
    if (m_hid->appendCmdData(marker.data()) != 0)
        return false;
    return waitUntil([&] { return m_device->receivedReports().contains(marker); }, timeoutMs);
}

void EmuIoFixture::onHidDataArrived(unsigned char *data, int length, int threadIndex)
{
    Q_UNUSED(length)
    Q_UNUSED(threadIndex)
    m_data.append(HidReport::fromBytes(data, HidReport::Size));
    ReportCopies::taken(data);
    delete[] data;
}

void EmuIoFixture::onHidSnGetOver(unsigned char *data, QString strHidName)
{
    m_serial.append({HidReport::fromBytes(data, HidReport::Size), strHidName});
    ReportCopies::taken(data);
    delete[] data;
}
