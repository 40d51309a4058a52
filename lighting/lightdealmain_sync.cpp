// Light synchronisation: the keyboard follows the application's frames.
#include "devicelink/lightframemodels.h"
#include "devicelink/mainhidinterface.h"
#include "keyboardview/keyboardbutcustom.h"
#include "lighting/lightdealmain.h"
#include "lighting/lighttickthreads.h"
#include "platform/logcategories.h"

#include <QDateTime>
#include <QTimer>

namespace {

constexpr int kLightsPerReport = LightFrameModels::LightsPerReport;

HidReport colourReport(HidCmd cmd, int kind, int index, const QByteArray &colours)
{
    HidReport report = HidReport::command(cmd, uint8_t(kind));
    report[4] = uint8_t(index);
    report[5] = uint8_t(colours.size());
    for (int i = 0; i < colours.size() && HidReport::PayloadOffset + i < HidReport::Size; ++i)
        report[HidReport::PayloadOffset + i] = uint8_t(colours[i]);
    return report;
}

void appendRgb(QByteArray *bytes, const QColor &c)
{
    bytes->append(char(c.red()));
    bytes->append(char(c.green()));
    bytes->append(char(c.blue()));
}

// Cuts a run of colours into reports of 18 LEDs: full reports, then the remainder.
template <typename ColourAt> QList<HidReport> chunked(HidCmd cmd, int kind, int count, ColourAt colourAt)
{
    QList<HidReport> reports;
    QByteArray bytes;
    int index = 0;
    for (int n = 0; n < count; ++n) {
        appendRgb(&bytes, colourAt(n));
        if ((n + 1) % kLightsPerReport == 0 || n + 1 == count) {
            reports.append(colourReport(cmd, kind, index++, bytes));
            bytes.clear();
        }
    }
    return reports;
}

}  // namespace

HidReport lightDealMain::synchronizeReport() const
{
    HidReport report = HidReport::command(HidCmd::LightSync, 0, 0x01);
    report[6] = m_synchronizing ? 1 : 0;
    return report;
}

void lightDealMain::setLightSynchronize(bool on)
{
    wakeTicks();
    if (on) {
        // A send tick still finishing after a stop would otherwise swallow this start.
        if (m_sendTick->isRunning() && !m_sendTick->runFlag())
            m_sendTick->waitEnded();
        if (m_sendTick->isRunning())
            return;
        if (m_hid)
            m_hid->setLightSendEnabled(true);
        m_synchronizing = true;
        m_lastStreamed.clear();
        onSendLightSynchronize0x17Cmd();
        m_keepAlive->start();
        m_sendTick->setRunFlag(true);
        m_sendTick->start(QThread::InheritPriority);
        return;
    }
    // Only a running synchronisation is ended: a second stop while the tick finishes queues nothing.
    if (!m_sendTick->isRunning() || !m_sendTick->runFlag())
        return;
    if (m_hid)
        m_hid->setLightSendEnabled(false);
    m_sendTick->setRunFlag(false);
    m_sendTick->quit();
    if (m_keepAlive->isActive())
        m_keepAlive->stop();
    m_synchronizing = false;
    onSendLightSynchronize0x17Cmd();
}

// The keyboard shows the frame of the last pass, and nothing of it is still on its way.
bool lightDealMain::isFrameSent() const
{
    if (!m_synchronizing || m_device.connectType != 0)
        return true;
    return !m_resendFrame && (!m_hid || m_hid->isLightQueueEmpty()) && m_lastStreamed == usbFrameReports();
}

void lightDealMain::queueCommand(const HidReport &report, const char *failureLine)
{
    if (!m_hid)
        return;
    if (m_hid->appendCmdData(report.data()) < 0)
        qCDebug(lcLight) << failureLine;
}

void lightDealMain::onSendLightSynchronize0x17Cmd()
{
    queueCommand(synchronizeReport(), "Switching light synchronisation failed: the keyboard is not open");
    m_resendFrame = true;
    // The frame goes out again with it. A still light sends it from here rather than
    // waking every tick for it; should it not go out now, the ticks take over.
    if (m_ticksResting && m_synchronizing)
        onDeviceUpdateAllKeyColorSendKeyboardHid();
    if (m_resendFrame && m_synchronizing && m_device.connectType == 0)
        wakeTicks();
}

void lightDealMain::onDeviceUpdateAllKeyColorSendKeyboardHid()
{
    switch (m_device.connectType) {
    case 0: sendFrameOverUsb(); break;
    case 1: sendFrameOver24G(); break;
    default: break;
    }
}

QList<HidReport> lightDealMain::usbFrameReports() const
{
    QList<HidReport> reports = chunked(HidCmd::WriteKeyColor, 0, kKeyCells, [this](int n) { return m_preview[n]; });
    const int sideCount = qBound(0, LightFrameModels::sideLightCount(m_modelName), int(kSideCells));
    reports += chunked(HidCmd::WriteKeyColor, 1, sideCount, [this](int n) { return m_preview[kKeyCells + n]; });
    return reports;
}

QList<HidReport> lightDealMain::customLedReports() const
{
    QList<HidReport> reports = chunked(HidCmd::WriteCustomLed, 2, kKeyCells, [this](int n) {
        const keyboardButCustom *button = keyButtons[n / kColumns][n % kColumns];
        return button ? button->customLightColor() : QColor(0, 0, 0);
    });
    return reports;
}

void lightDealMain::sendFrameOverUsb()
{
    if (m_usbPassBusy || !m_keyFrameRendered)
        return;
    // The link takes a frame only whole and drops one that arrives while the previous is
    // still being written: such a frame waits for the next tick instead.
    if (m_hid && !m_hid->isLightQueueEmpty())
        return;
    const QList<HidReport> reports = usbFrameReports();
    // A frame the keyboard already shows is not streamed again; it is repeated only with
    // the synchronisation keep-alive, which is what keeps the keyboard following us.
    if (reports == m_lastStreamed && !m_resendFrame)
        return;
    m_usbPassBusy = true;
    for (const HidReport &report : reports)
        sendKeyColorReport(report);
    m_usbPassBusy = false;
    m_lastStreamed = reports;
    m_resendFrame = false;
}

void lightDealMain::sendKeyColorReport(const HidReport &report)
{
    if (m_reportBusy || !m_synchronizing)
        return;
    m_reportBusy = true;
    if (m_hid && m_hid->appendLightData(report.data()) < 0)
        qCDebug(lcLight) << "A key colour frame could not be queued: the keyboard is not open (cable)";
    m_reportBusy = false;
}

HidReport lightDealMain::compactReport(qint64 epochMs)
{
    HidReport report = HidReport::command(HidCmd::WriteKeyColor24G);
    report[2] = uint8_t((epochMs >> 8) & 0xFF);
    report[3] = uint8_t(epochMs & 0xFF);
    report[4] = uint8_t(m_keyboardInfo.lightMode & 0xFF);
    switch (m_keyboardInfo.lightMode) {
    case 100: {
        if (m_columnLevels.isEmpty() || m_columnIntensities.isEmpty())
            break;
        int last = -1;
        for (int b = 0; b < m_bars.size() && b < 11; ++b) {
            const int n = b < m_columnsPerBand.size() ? m_columnsPerBand[b] : 0;
            if (n <= 0)
                break;  // the bands are walked only while they have columns
            last += n;
            if (last >= m_columnLevels.size() || last >= m_columnIntensities.size())
                break;
            report[5 + b] = uint8_t(m_columnLevels[last]);
            report[16 + b] = uint8_t(m_columnIntensities[last]);
        }
        break;
    }
    case 0:
    case 1:
    case 3: {
        const QColor c = m_preview[0];
        report[5] = uint8_t(c.red());
        report[6] = uint8_t(c.green());
        report[7] = uint8_t(c.blue());
        break;
    }
    case 6:
    case 7:
    case 8:
    case 11:
    case 16:
        if (m_rippleRow != -1 && m_rippleColumn != -1) {
            report[5] = uint8_t(m_rippleRow);
            report[6] = uint8_t(m_rippleColumn);
            report[7] = uint8_t(m_rippleColour.red);
            report[8] = uint8_t(m_rippleColour.green);
            report[9] = uint8_t(m_rippleColour.blue);
            m_rippleRow = -1;
            m_rippleColumn = -1;
        }
        break;
    case 12:
        if (!m_speedRespond.isEmpty()) {
            report[5] = uint8_t(m_speedRespond.lastKey());
            report[6] = uint8_t(m_speedRespond.last());
        }
        break;
    case 14:
        if (m_keyFrame[0].triggerFlag == 1) {
            const AutoRippleLightConfig a = CTavrixHid_GetCurrentAutoRippleLightConfig();
            report[5] = uint8_t(a.row);
            report[6] = uint8_t(a.column);
            report[7] = uint8_t(a.red);
            report[8] = uint8_t(a.green);
            report[9] = uint8_t(a.blue);
        }
        break;
    default: break;
    }
    if (m_sideLightsPresent) {
        report[34] = uint8_t(m_sideInfo.lightMode & 0xFF);
        switch (m_sideInfo.lightMode) {
        case 0:
        case 1:
        case 4:
        case 5: {
            const QColor c = m_preview[kKeyCells];
            report[35] = uint8_t(c.red());
            report[36] = uint8_t(c.green());
            report[37] = uint8_t(c.blue());
            break;
        }
        case 3: {
            const SideCollisionLightConfig s = CTavrixHid_GetSideCollisionLightRunningConfig();
            report[35] = s.leftPosition;
            report[36] = s.rightPosition;
            report[37] = s.red;
            report[38] = s.green;
            report[39] = s.blue;
            break;
        }
        default: break;
        }
    }
    return report;
}

void lightDealMain::sendFrameOver24G()
{
    const HidReport report = compactReport(QDateTime::currentMSecsSinceEpoch());
    if (m_hid && m_hid->appendCmdData(report.data()) < 0)
        qCDebug(lcLight) << "A key colour frame could not be queued: the keyboard is not open (receiver)";
}

void lightDealMain::setInteractLightPoint(int row, int column)
{
    if (m_device.connectType != 1)
        return;
    wakeTicks();
    m_rippleRow = row;
    m_rippleColumn = column;
    m_rippleColour = CTavrixHid_GetCurrentRippleLightColor();
}
