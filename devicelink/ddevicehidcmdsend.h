#pragma once

#include "devicelink/hidreport.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class MainHidInterFace;

// Builds the device link's own commands and queues them on the device's I/O thread.
// A command for a device that is not open is dropped with a debug line; answers are
// not awaited here.
class DDeviceHidCmdSend : public QObject
{
    Q_OBJECT

public:
    // The commands of fixed content.
    enum class Query
    {
        KeyboardLightTypeList,
        SideLightTypeList,
        KeyboardLightConfig,
        SideLightConfig,
        CustomKeyBitmap,
        ResetKeyboard,
        AskSleepTime,
        TravelLevel,
        Debounce,
        ReportRate,
        SerialNumber,
    };

    explicit DDeviceHidCmdSend(QObject *parent = nullptr);

    void setHidInterface(MainHidInterFace *hid) { m_hid = hid; }
    MainHidInterFace *hidInterface() const { return m_hid; }

    // Stores the serial number (a new random one when sn is empty) and returns it; queued
    // (when given) tells whether the report reached the device's queue.
    QString writeSN(QString sn, bool *queued = nullptr);
    void writeSixKey(const unsigned char *keyReport);
    void writeFullKey(const unsigned char *report);
    void inquireLightMode();
    void inquireSideLightMode();
    void inquireKeyboardLightConfig();
    void inquireSideLightConfig();
    void checkLayoutSupportCustom();
    void resetKeyboard();
    // feature1 Windows key, feature2 Shift+Tab, feature3 Alt+Tab, feature4 Alt+F4.
    void lockWin(int feature1, int feature2, int feature3, int feature4);
    void setSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);
    void checkSleepTime();
    void queryTravelLevel();
    void queryAntiShake();
    void queryRateOfReturn();
    // Asks again for the serial number (the I/O thread asks once when it opens the device).
    void querySerialNumber();

    // The reports themselves.
    static HidReport buildQuery(Query query);
    static HidReport buildWriteSN(const QByteArray &serial);
    static HidReport buildSixKey(const unsigned char *keyReport);
    static HidReport buildFullKey(const unsigned char *report);
    static HidReport buildLockWin(int feature1, int feature2, int feature3, int feature4);
    static HidReport buildSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);
    // The eight custom-LED reports (0x08) for 132 key colours, row by row; missing colours
    // are sent as black and colours past the 132nd are left out.
    static QList<HidReport> buildCustomLedReports(int slot, const QList<QColor> &colours);
    // The keyboard takes a custom colour upload in before it reads the next report: the
    // last custom-LED report is followed by this pause on the wire.
    static constexpr int CustomLedSettleMs = 5;
    // 32 lowercase hexadecimal digits from a random UUID.
    static QString newSerialNumber();

private:
    // Queues the report; false (after the failure line) when the device is not open.
    bool send(const HidReport &report, const char *failureLine);
    void send(Query query);

    QPointer<MainHidInterFace> m_hid;
};
