#include "devicelink/ddevicehidcmdsend.h"
#include "platform/logcategories.h"

#include "devicelink/mainhidinterface.h"

#include <QUuid>

#include <algorithm>

namespace {

struct FixedCommand
{
    DDeviceHidCmdSend::Query query;
    HidCmd cmd;
    uint8_t sub;
    uint8_t length;
    uint8_t payload0;  // byte 6
    const char *failureLine;
};

constexpr const char *kSensitivityFailed = "Asking for the magnetic switch settings failed: the keyboard is not open";

// Every command of fixed content, with the line written when it cannot be queued.
const FixedCommand kFixedCommands[] = {
    {DDeviceHidCmdSend::Query::KeyboardLightTypeList, HidCmd::LightTypeList, 0, 0, 0,
     "Asking for the keyboard light modes failed: the keyboard is not open"},
    {DDeviceHidCmdSend::Query::SideLightTypeList, HidCmd::SideLightTypeList, 0, 0, 0,
     "Asking for the side light modes failed: the keyboard is not open"},
    {DDeviceHidCmdSend::Query::KeyboardLightConfig, HidCmd::KeyboardLightConfig, 1, 0, 0,
     "Asking for the keyboard light settings failed: the keyboard is not open"},
    {DDeviceHidCmdSend::Query::SideLightConfig, HidCmd::SideLightConfig, 1, 0, 0,
     "Asking for the side light settings failed: the keyboard is not open"},
    {DDeviceHidCmdSend::Query::CustomKeyBitmap, HidCmd::CheckCustomKeys, 0, 0, 0,
     "Asking which keys take custom colours failed: the keyboard is not open"},
    {DDeviceHidCmdSend::Query::ResetKeyboard, HidCmd::KeyboardSettings,
     static_cast<uint8_t>(KeyboardSettingsSub::ResetOrWinLock), 0x01, 0x01,
     "Resetting the keyboard failed: the keyboard is not open"},
    {DDeviceHidCmdSend::Query::AskSleepTime, HidCmd::KeyboardSettings,
     static_cast<uint8_t>(KeyboardSettingsSub::AskSleep), 0x01, 0,
     "Asking for the sleep times failed: the keyboard is not open"},
    {DDeviceHidCmdSend::Query::TravelLevel, HidCmd::Magnetic, 0, 0x18, static_cast<uint8_t>(MagneticSub::TravelLevel),
     kSensitivityFailed},
    {DDeviceHidCmdSend::Query::Debounce, HidCmd::Magnetic, 0, 0x18, static_cast<uint8_t>(MagneticSub::Debounce),
     kSensitivityFailed},
    {DDeviceHidCmdSend::Query::ReportRate, HidCmd::Magnetic, 0, 0x18, static_cast<uint8_t>(MagneticSub::ReportRate),
     kSensitivityFailed},
    {DDeviceHidCmdSend::Query::SerialNumber, HidCmd::QuerySerialNumber, 0, 0, 0,
     "Asking for the serial number failed: the keyboard is not open"},
};

const FixedCommand &fixedCommand(DDeviceHidCmdSend::Query query)
{
    const auto *it = std::find_if(std::begin(kFixedCommands), std::end(kFixedCommands),
                                  [query](const FixedCommand &c) { return c.query == query; });
    Q_ASSERT(it != std::end(kFixedCommands));
    return *it;
}

constexpr const char *kWriteKeyFailed = "Sending a key report back failed: the keyboard is not open";

uint8_t flag(int value)
{
    return static_cast<uint8_t>(value);
}

}  // namespace

DDeviceHidCmdSend::DDeviceHidCmdSend(QObject *parent) : QObject(parent)
{ }

HidReport DDeviceHidCmdSend::buildQuery(Query query)
{
    const FixedCommand &c = fixedCommand(query);
    HidReport r = HidReport::command(c.cmd, c.sub, c.length);
    r[HidReport::PayloadOffset] = c.payload0;
    return r;
}

HidReport DDeviceHidCmdSend::buildWriteSN(const QByteArray &serial)
{
    HidReport r = HidReport::command(HidCmd::WriteSerialNumber, 0, 0x20);
    r.setBytes(HidReport::PayloadOffset, serial.left(32));
    return r;
}

HidReport DDeviceHidCmdSend::buildSixKey(const unsigned char *keyReport)
{
    HidReport r = HidReport::command(HidCmd::SixKeyReport, 0, 0x09);
    r.setBytes(HidReport::PayloadOffset, keyReport, 8);
    return r;
}

HidReport DDeviceHidCmdSend::buildFullKey(const unsigned char *report)
{
    // Bytes 6..18 go back as they came; the length byte says 0x15 all the same.
    HidReport r = HidReport::command(HidCmd::FullKeyReport, 0, 0x15);
    if (report)
        r.setBytes(HidReport::PayloadOffset, report + HidReport::PayloadOffset, 13);
    return r;
}

HidReport DDeviceHidCmdSend::buildLockWin(int feature1, int feature2, int feature3, int feature4)
{
    HidReport r = buildQuery(Query::ResetKeyboard);
    r[6] = 0x00;
    r[13] = flag(feature1);
    r[14] = flag(feature2);
    r[15] = flag(feature4);
    r[16] = flag(feature3);
    return r;
}

HidReport DDeviceHidCmdSend::buildSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus)
{
    // A time that does not fit the 16-bit field is sent as the longest one that does,
    // rather than as its low 16 bits (which would make a long time a short one).
    const auto seconds = [](int s) { return std::clamp(s, 0, 0xFFFF); };
    HidReport r
        = HidReport::command(HidCmd::KeyboardSettings, static_cast<uint8_t>(KeyboardSettingsSub::SetSleep), 0x01);
    r.setU16(9, seconds(lightSleepTime));
    r.setU16(11, seconds(keyboardSleepTime));
    r[13] = flag(prohibitSleepStatus);
    return r;
}

QList<HidReport> DDeviceHidCmdSend::buildCustomLedReports(int slot, const QList<QColor> &colours)
{
    constexpr int kCells = 6 * 22;
    constexpr int kCellsPerPacket = 18;
    QList<HidReport> reports;
    QList<int> values;
    int packet = 0;
    auto flush = [&]() {
        HidReport r = HidReport::command(HidCmd::WriteCustomLed, static_cast<uint8_t>(slot & 0xFF),
                                         static_cast<uint8_t>(values.size()));
        r[4] = static_cast<uint8_t>(packet);
        for (int i = 0; i < values.size(); ++i)
            r[6 + i] = static_cast<uint8_t>(values[i] & 0xFF);
        reports.append(r);
        values.clear();
        ++packet;
    };
    for (int cell = 0; cell < kCells; ++cell) {
        const QColor c = cell < colours.size() ? colours[cell] : QColor(0, 0, 0);
        values << c.red() << c.green() << c.blue();
        const int n = cell + 1;
        if (n % kCellsPerPacket == 0 || n == kCells)
            flush();
    }
    return reports;
}

QString DDeviceHidCmdSend::newSerialNumber()
{
    return QUuid::createUuid().toString(QUuid::Id128);
}

bool DDeviceHidCmdSend::send(const HidReport &report, const char *failureLine)
{
    if (m_hid && m_hid->appendCmdData(report.data()) >= 0)
        return true;
    qCDebug(lcDevice).noquote() << failureLine;
    return false;
}

void DDeviceHidCmdSend::send(Query query)
{
    send(buildQuery(query), fixedCommand(query).failureLine);
}

QString DDeviceHidCmdSend::writeSN(QString sn, bool *queued)
{
    if (sn.isEmpty())
        sn = newSerialNumber();
    const bool sent
        = send(buildWriteSN(sn.toLocal8Bit()), "Writing the serial number failed: the keyboard is not open");
    if (queued)
        *queued = sent;
    return sn;
}

void DDeviceHidCmdSend::writeSixKey(const unsigned char *keyReport)
{
    send(buildSixKey(keyReport), kWriteKeyFailed);
}

void DDeviceHidCmdSend::writeFullKey(const unsigned char *report)
{
    send(buildFullKey(report), kWriteKeyFailed);
}

void DDeviceHidCmdSend::inquireLightMode()
{
    send(Query::KeyboardLightTypeList);
}

void DDeviceHidCmdSend::inquireSideLightMode()
{
    send(Query::SideLightTypeList);
}

void DDeviceHidCmdSend::inquireKeyboardLightConfig()
{
    send(Query::KeyboardLightConfig);
}

void DDeviceHidCmdSend::inquireSideLightConfig()
{
    send(Query::SideLightConfig);
}

void DDeviceHidCmdSend::checkLayoutSupportCustom()
{
    send(Query::CustomKeyBitmap);
}

void DDeviceHidCmdSend::resetKeyboard()
{
    send(Query::ResetKeyboard);
}

void DDeviceHidCmdSend::lockWin(int feature1, int feature2, int feature3, int feature4)
{
    send(buildLockWin(feature1, feature2, feature3, feature4),
         "Sending the Win lock shortcuts failed: the keyboard is not open");
}

void DDeviceHidCmdSend::setSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus)
{
    send(buildSleepTime(lightSleepTime, keyboardSleepTime, prohibitSleepStatus),
         "Sending the sleep times failed: the keyboard is not open");
}

void DDeviceHidCmdSend::checkSleepTime()
{
    send(Query::AskSleepTime);
}

void DDeviceHidCmdSend::queryTravelLevel()
{
    send(Query::TravelLevel);
}

void DDeviceHidCmdSend::queryAntiShake()
{
    send(Query::Debounce);
}

void DDeviceHidCmdSend::queryRateOfReturn()
{
    send(Query::ReportRate);
}

void DDeviceHidCmdSend::querySerialNumber()
{
    send(Query::SerialNumber);
}
