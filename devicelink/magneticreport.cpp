#include "devicelink/magneticreport.h"
#include "platform/logcategories.h"

#include "devicelink/mainhidinterface.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

uint8_t byteOf(int value)
{
    return static_cast<uint8_t>(value);
}

// Two data bytes, each cut to a byte.
QByteArray pair(int first, int second)
{
    QByteArray data(2, '\0');
    data[0] = static_cast<char>(byteOf(first));
    data[1] = static_cast<char>(byteOf(second));
    return data;
}

}  // namespace

QByteArray MagneticReport::keyBitmap(const QList<KeyCell> &keys)
{
    QByteArray bitmap(Columns, '\0');
    for (const KeyCell &key : keys) {
        const int row = key.first;
        const int column = key.second;
        if (row < 0 || row >= Rows || column < 0 || column >= Columns)
            continue;
        bitmap[column] = static_cast<char>(static_cast<uint8_t>(bitmap[column]) | (1u << row));
    }
    return bitmap;
}

bool MagneticReport::isEmptyBitmap(const QByteArray &bitmap)
{
    return std::all_of(bitmap.cbegin(), bitmap.cend(), [](char b) { return b == 0; });
}

HidReport MagneticReport::command(MagneticSub sub, const QByteArray &data)
{
    HidReport r = HidReport::command(HidCmd::Magnetic, 0, Length);
    r[HidReport::PayloadOffset] = static_cast<uint8_t>(sub);
    r.setBytes(BitmapOffset, data);
    return r;
}

HidReport MagneticReport::apply(const MagnetKeyTriggerConfig &config, const QByteArray &bitmap)
{
    HidReport r = command(static_cast<MagneticSub>(byteOf(config.selMode)), bitmap.left(Columns));
    r[29] = byteOf(config.strengthNum_L);
    r[30] = byteOf(config.strengthNum_R);
    r[31] = byteOf(config.strengthNum_QuickTrigger_L);
    r[32] = byteOf(config.strengthNum_QuickTrigger_R);
    return r;
}

HidReport MagneticReport::selectKeys(const QByteArray &bitmap)
{
    return command(MagneticSub::SelectKeys, bitmap.left(Columns));
}

HidReport MagneticReport::leaveTriggerTab()
{
    return command(MagneticSub::LeaveTriggerTab);
}

HidReport MagneticReport::queryTravelLevel()
{
    return command(MagneticSub::TravelLevel);
}

HidReport MagneticReport::queryKey(int row, int column)
{
    return command(MagneticSub::KeyTrigger, pair(row, column));
}

HidReport MagneticReport::resetTrigger()
{
    return command(MagneticSub::ResetTrigger);
}

HidReport MagneticReport::calibrate(int row, int column)
{
    return command(MagneticSub::Calibrate, pair(row, column));
}

HidReport MagneticReport::reportRate(bool set, int kHz)
{
    return command(MagneticSub::ReportRate, pair(set ? 1 : 0, set ? kHz : 0));
}

HidReport MagneticReport::debounce(bool set, int level)
{
    return command(MagneticSub::Debounce, pair(set ? 1 : 0, set ? level : 0));
}

bool MagneticReport::send(MainHidInterFace *hid, const HidReport &report)
{
    if (hid && hid->appendCmdData(report.data()) >= 0)
        return true;
    qCDebug(lcDevice).noquote() << "Sending the magnetic switch settings failed: the keyboard is not open";
    return false;
}

QString MagneticReport::resultNotice(bool queued)
{
    return queued ? QCoreApplication::translate("MagneticReport", "Operate successful")
                  : QCoreApplication::translate("MagneticReport", "Operate failed: the keyboard is not connected");
}
