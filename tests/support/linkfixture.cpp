#include "support/linkfixture.h"

#include "devicelink/mainhidinterface.h"
#include "emuexpect.h"

#include <QTest>

LinkFixture::LinkFixture(const QString &model)
{
    qputenv("TAVRIX_EMU_DIR", m_dir.path().toLocal8Bit());
    m_device = std::make_unique<EmuDevice>(m_dir.path(), EmuModels::find(model));
    m_device->start();
    m_link = std::make_unique<DDeviceKeyboardLink>();
}

LinkFixture::~LinkFixture()
{
    m_link.reset();
    m_device.reset();
}

hidStructInfoAll LinkFixture::record() const
{
    hidStructInfoAll info {};
    tavrixCopyText(info.deviceKind, "keyboard");
    tavrixCopyText(info.hidPath, m_device->socketPath().toLatin1().constData());
    tavrixCopyText(info.hidName, m_device->model().name.toUtf8().constData());
    info.onlineStatus = 1;
    return info;
}

bool LinkFixture::open(int threadIndex)
{
    return m_link->openHid(threadIndex, record());
}

bool LinkFixture::waitForChain(int timeoutMs)
{
    return waitForReceived(HidCmd::CheckCustomKeys, 1, timeoutMs)
        && QTest::qWaitFor([this] { return !m_link->getCustomKeyList().isEmpty(); }, timeoutMs);
}

bool LinkFixture::waitForReceived(HidCmd cmd, int count, int timeoutMs)
{
    return QTest::qWaitFor(
        [this, cmd, count] { return m_device->keyboard()->receivedCount(static_cast<uint8_t>(cmd)) >= count; },
        timeoutMs);
}

bool LinkFixture::flushCommands(int timeoutMs)
{
    HidReport marker = HidReport::command(HidCmd::ShakeHands, 0, 0x01);
    marker[10] = 0xA5;
    marker[11] = static_cast<uint8_t>(++m_markers);
    MainHidInterFace *hid = m_link ? m_link->getHidInterface() : nullptr;
    if (!hid || hid->appendCmdData(marker.data()) != 0)
        return false;
    return QTest::qWaitFor([&] { return m_device->receivedReports().contains(marker); }, timeoutMs);
}

QList<HidReport> LinkFixture::received() const
{
    return EmuExpect::without(m_device->receivedReports(), {static_cast<uint8_t>(HidCmd::ShakeHands)});
}
