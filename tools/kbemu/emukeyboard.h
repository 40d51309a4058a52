#pragma once

#include "devicelink/hidreport.h"
#include "emukeyboardstate.h"
#include "emumodel.h"

#include <QHash>
#include <QObject>
#include <QSet>

#include <functional>

// The keyboard's side of the report protocol, without any transport: it takes the
// reports the host writes, keeps the keyboard's state, and emits the input reports the
// keyboard sends back. Misbehaviour (silence, dropped or delayed replies, replaced
// answers, odd reports) is switched on by the caller.
class EmuKeyboard : public QObject
{
    Q_OBJECT

public:
    // Replies that the keyboard sends for a command are matched by reply byte in the rules.
    static constexpr int AllReplies = -1;
    // Key packets per layer: every layout has 6 rows of 22 entries, 132 keys, 14 per packet.
    static constexpr int KeyPacketsPerLayer = 10;
    static constexpr int MacroSlots = 10;
    static constexpr int SeniorKeySlots = 40;

    EmuKeyboard(const EmuModelInfo &model, bool receiver, const QString &tag = QString(), QObject *parent = nullptr);

    const EmuModelInfo &model() const { return m_model; }
    bool isReceiver() const { return m_receiver; }
    uint16_t pid() const { return m_receiver ? m_model.receiverPid : m_model.cablePid; }
    EmuKeyboardState &state() { return m_state; }
    const EmuKeyboardState &state() const { return m_state; }

    // Settings back to those of a new keyboard: lights, sleep times, Win-lock choices and
    // trigger settings. Capabilities, status, serial number and memory stay.
    void restoreDefaults();
    // A serial number that stays the same for the same model, connection and tag.
    static QByteArray defaultSerial(const EmuModelInfo &model, bool receiver, const QString &tag);

    // Host to keyboard: one 64-byte report.
    void handleReport(const HidReport &report);
    int receivedCount(uint8_t command) const { return m_receivedCounts.value(command); }

    // Misbehaviour switches.
    void setSilent(bool silent) { m_silent = silent; }
    // A locked keyboard ignores serial-number writes (it still logs them).
    void setSerialLocked(bool locked) { m_serialLocked = locked; }
    bool isSilent() const { return m_silent; }
    // Drops the next count replies with this reply byte (AllReplies: any reply); count < 0: all of them.
    void dropReplies(int replyByte, int count);
    // Sends the next count replies with this reply byte ms later; count < 0: all of them.
    void delayReplies(int replyByte, int ms, int count = -1);
    // Answers the command with these messages instead (each sent as it is, so it may be
    // shorter or longer than a report); an empty list answers nothing.
    void overrideAnswer(uint8_t command, const QList<QByteArray> &messages);
    void clearOverride(uint8_t command) { m_overrides.remove(command); }
    void clearRules();
    // Download status sent after the last packet of a download; -1 sends none.
    void setDownloadResult(int status) { m_downloadResult = status; }
    // The calibration result reported afterMs after a calibration starts.
    void setCalibrationResult(int status, int afterMs);
    // Runs action after the nth report (counted from 1) with this command byte was handled.
    void onReceived(uint8_t command, int nth, std::function<void()> action);
    // Forgets delayed replies not yet sent (the connection they were meant for is gone).
    void cancelPending() { ++m_generation; }

    // Keyboard to host, outside any reply. These ignore the reply rules.
    void sendReport(const HidReport &report) { Q_EMIT sigSend(report.toByteArray()); }
    void sendRaw(const QByteArray &message) { Q_EMIT sigSend(message); }
    HidReport statusReport(uint8_t downloadStatus = 0) const;
    void sendStatus() { sendReport(statusReport()); }
    void sendSixKey(uint8_t modifiers, const QList<uint8_t> &keys);
    void sendFullKey(const QByteArray &bytes13);
    void sendHostKey(uint8_t keyCode, bool run);
    void sendLiveTravel(uint8_t row, uint8_t column, uint8_t level);
    void sendCalibrationStatus(uint8_t status);
    // Receiver models: the keyboard behind the receiver wakes up or goes away; a status
    // report tells the host.
    void setLinkPresent(bool present);

Q_SIGNALS:
    // One message for the host.
    void sigSend(const QByteArray &message);

private:
    using Handler = void (EmuKeyboard::*)(const HidReport &);
    static const QHash<uint8_t, Handler> &handlers();

    struct ReplyRule
    {
        int dropCount = 0;  // < 0: drop all
        int delayMs = 0;
        int delayCount = 0;  // < 0: delay all
    };

    struct DownloadSession
    {
        QMap<int, QSet<int>> keyPackets;  // layer to packet numbers
        QMap<int, int> macroSteps;        // slot to a bit per step received
        QSet<int> seniorSlots;
        bool reported = true;  // no download running
    };

    // Sends a reply through the rules.
    void reply(const HidReport &report) { replyRaw(report.toByteArray()); }
    void replyRaw(const QByteArray &message);
    bool takeRule(int replyByte, bool drop);

    void onShakeHands(const HidReport &r);
    void onQuerySerial(const HidReport &r);
    void onWriteSerial(const HidReport &r);
    void onKeyboardLightConfig(const HidReport &r);
    void onSideLightConfig(const HidReport &r);
    void onLightTypeList(const HidReport &r);
    void onSideLightTypeList(const HidReport &r);
    void onCheckCustomKeys(const HidReport &r);
    void onKeyboardSettings(const HidReport &r);
    void onSixKeyEcho(const HidReport &r);
    void onFullKeyEcho(const HidReport &r);
    void onLightSync(const HidReport &r);
    void onLightFrame(const HidReport &r);
    void onCompactLight(const HidReport &r);
    void onOnboardKeys(const HidReport &r);
    void onOnboardMacro(const HidReport &r);
    void onOnboardSeniorKey(const HidReport &r);
    void onMagnetic(const HidReport &r);

    void lightConfig(const HidReport &r, EmuLightConfig &config, HidReply answer);
    void lightModes(const EmuLightModes &modes, HidReply answer);
    void magneticAnswer(MagneticSub sub, std::initializer_list<uint8_t> values);
    void beginDownloadPacket();
    void checkDownloadComplete();

    EmuModelInfo m_model;
    bool m_receiver = false;
    EmuKeyboardState m_state;
    QHash<uint8_t, int> m_receivedCounts;
    bool m_silent = false;
    bool m_serialLocked = false;
    QHash<int, ReplyRule> m_rules;
    QHash<uint8_t, QList<QByteArray>> m_overrides;
    QMultiHash<uint8_t, QPair<int, std::function<void()>>> m_triggers;
    bool m_answering = true;  // false while an override replaces the handler's replies
    int m_downloadResult = 1;
    int m_calibrationResult = 0;
    int m_calibrationMs = 300;
    int m_generation = 0;
    DownloadSession m_download;
};
