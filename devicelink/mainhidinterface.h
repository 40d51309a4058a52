#pragma once

#include "devicelink/hidreport.h"
#include "devicelink/reportinbox.h"
#include "sdk/tavrixrecords.h"

#include <QString>
#include <QThread>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class QTimer;

// Owns one opened keyboard: its handle, a queue of command reports and a queue of light
// frames, and a thread that takes turns writing one queued report and reading one input
// report, paced by the library's timer. Input reports reach the receivers as heap copies
// that the receiver frees with delete[], on the thread the object lives in: the I/O thread
// puts what it reads into a bounded inbox (ReportInbox) and asks for one delivery while
// the inbox holds anything, so a keyboard that sends faster than the GUI thread takes
// never floods its event queue; while the inbox is full the loop does not read.
class MainHidInterFace : public QThread
{
    Q_OBJECT

public:
    // Pacing units after every turn (the library's unit is 5 us: one write turn and one
    // read turn per millisecond at most).
    static constexpr int PacingUnits = 100;
    static constexpr int ShakeHandsIntervalMs = 1000;
    // Once no command has been written and nothing read for QuietAfterMs (light frames get no
    // answer and do not count), the pause after an empty read turn lasts up to IdleWaitMs
    // instead, and ends at once when a report is queued. A device that tells when input
    // comes is not polled at all: after a turn with nothing to write and nothing to read,
    // the loop sleeps until a report comes in or is queued (at most IdleInputWaitMs), so an
    // idle keyboard costs a few wake-ups a second, those of its keep-alive.
    static constexpr int QuietAfterMs = 20;
    static constexpr int IdleWaitMs = 16;
    static constexpr int IdleInputWaitMs = 1000;
    // Commands still queued when the link closes are written before the handle goes, up to this many.
    static constexpr int FlushLimit = 16;
    // Input reports handed over in one go before other events get their turn.
    static constexpr int DeliverBatch = 64;

    MainHidInterFace(int threadIndex, QString hidName, QObject *parent = nullptr);
    ~MainHidInterFace() override;

    // GUI thread. 0 on success (the serial-number query is then the first report
    // written), -1 when the device cannot be opened.
    int openHid(QString path);
    // GUI thread. Stops the loop, waits for the turn in progress, writes the commands still
    // queued (light synchronisation off, typically), then closes the handle.
    int closeHid();
    bool isOpen() const { return m_open.load(); }
    // The last openHid failed because the user may not open the device's node.
    bool isOpenDenied() const { return m_openDenied; }
    QString devicePath() const { return m_path; }
    QString hidName() const { return m_strHidName; }

    // Any thread. Copies the 64-byte report into the command queue; -1 when not open. A
    // pause (in ms) holds back the next report written after this one, for a keyboard
    // that needs time to take a command in.
    int appendCmdData(const unsigned char *data, int pauseAfterMs = 0);
    // Any thread. Copies one report of a light frame into the light queue, which takes a
    // frame only whole and drops reports while the previous frame is still being sent.
    // -1 when not open, 0 otherwise (also when the report was dropped).
    int appendLightData(const unsigned char *data);
    // Any thread. No light report is waiting to be written: a frame appended now is taken.
    bool isLightQueueEmpty();
    void setLightSendEnabled(bool enabled);
    bool isLightSendEnabled() const { return m_lightSendEnabled.load(); }

    // Reports a light batch holds for this model: the last one both completes and is queued.
    static int lightBatchSize(const QString &hidName);

    // For tests: called with each command report right after it was queued (on the
    // queueing thread) and right after the I/O loop took it off the queue, before it is
    // written (on the I/O thread). An observer that blocks holds the loop at that point.
    enum class CommandStage
    {
        Queued,
        Taken,
    };
    using CommandObserver = std::function<void(CommandStage, const HidReport &)>;
    void setCommandObserver(CommandObserver observer);

public Q_SLOTS:
    void onShakeHandsRunning();

Q_SIGNALS:
    void sigOpenHidSuccessful();
    void sigHidDataArrived(unsigned char *data, int length, int threadIndex);
    void sigHidSnGetOver(unsigned char *data, QString strHidName);

protected:
    void run() override;

private:
    // Each returns whether a report went out or came in.
    bool writeTurn(bool *command);
    bool readTurn();
    void idleWait();
    // GUI thread: hands the waiting input reports to the receivers.
    void deliverInbox();
    // Sleeps until input may be waiting or a report is queued; false when the device
    // cannot tell that input came (the loop then looks for it by reading).
    bool waitForWork();
    void flushCommands();
    void wakeLoop();
    struct QueuedCommand
    {
        HidReport report;
        int pauseAfterMs = 0;
    };
    bool takeCommand(QueuedCommand *command);
    void putBackCommand(const QueuedCommand &command);
    static void pauseAfter(const QueuedCommand &command);
    void observeCommand(CommandStage stage, const HidReport &report);
    bool takeLightFrame(HidReport *report);

    HighPrecisionTimerStu m_timer {};
    const int m_threadIndex;
    const QString m_strHidName;
    int m_handle = 0;  // written on the GUI thread only while the loop is not running
    std::atomic<bool> m_open {false};
    bool m_openDenied = false;
    QString m_path;
    QByteArray m_pathLatin1;
    QTimer *m_shakeHandsTimer = nullptr;
    int m_shakeHandsRunNum = 0;
    std::atomic<bool> m_lightSendEnabled {false};
    bool m_readTurnNext = false;          // I/O thread only
    bool m_tellsInput = false;            // I/O thread only: the device wakes the loop on input
    bool m_collectingLightBatch = false;  // guarded by m_lightMutex
    const int m_lightBatchSize;

    // Held by the loop while it runs: closing takes it, so the handle is closed only after
    // the last turn.
    std::mutex m_runMutex;
    // Wakes the loop from its idle wait: producers write it only while the loop sleeps.
    int m_wakeFd = -1;
    std::atomic<unsigned> m_queuedCount {0};
    std::atomic<bool> m_idleWaiting {false};

    std::mutex m_cmdMutex;
    std::deque<QueuedCommand> m_cmdQueue;
    std::shared_ptr<const CommandObserver> m_commandObserver;  // guarded by m_cmdMutex
    ReportInbox m_inbox;
    std::mutex m_lightMutex;
    std::deque<HidReport> m_lightQueue;
};
