#pragma once

#include "advancedkeys/seniorkeyinfo.h"
#include "devicelink/hidreport.h"
#include "devicelink/mainhidinterface.h"
#include "devicelink/onboarddownloadplan.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

class QTimer;

// The keyboard a download writes to, fixed when it starts: a device switch during the
// download must not send the rest of the packets to another keyboard.
struct OnboardDownloadTarget
{
    QPointer<MainHidInterFace> hid;  // the keyboard's I/O thread object
    QString devicePath;              // acknowledgements and status count only from this device
    QString profileFolder;           // the device's profile folder
    QByteArray seniorKeyPath;        // the advanced-key file, local 8-bit
    bool magnetic = false;
    QList<int> keyCodes;  // the keyboard picture's keys in layout order; 0 = placeholder
};

// Writes the current profile's key layers, the macros its keys play and the advanced
// keys they are bound to into the keyboard's memory. Runs on the GUI thread without
// blocking it: each bounded wait (acknowledgement, pause, download status) has its own
// timer, and the acknowledgements and status reports of the target keyboard, which the
// device page forwards, move the download on. A failed attempt is repeated once.
class OnboardDownload : public QObject
{
    Q_OBJECT

public:
    static constexpr int AckWaitMs = 100;
    static constexpr int Resends = 3;
    static constexpr int PauseMs = 400;
    static constexpr int StatusWaitMs = 3000;
    static constexpr int Attempts = 2;

    explicit OnboardDownload(QObject *parent = nullptr);

    // The bounded waits, in milliseconds. Tests set other times so that what they check
    // does not depend on how fast the machine is; set them before a download starts.
    struct Waits
    {
        int ackMs = AckWaitMs;
        int pauseMs = PauseMs;
        int statusMs = StatusWaitMs;
    };
    void setWaits(const Waits &waits);
    Waits waits() const;

    // Starts a download. False, with nothing done, while one runs. Otherwise the download
    // ends with exactly one sigDownloadFinished, at once when it is refused (more macro
    // keys or advanced-key bindings than the keyboard has slots: nothing is sent) or when
    // there is no open target or no profile folder.
    bool start(const OnboardDownloadTarget &target);
    bool isRunning() const { return m_active; }
    QString targetPath() const { return m_target.devicePath; }
    // 0 in the first attempt, 1 in the second.
    int attempt() const { return m_attempt; }

    static QString successNotice();
    static QString failureNotice();

public Q_SLOTS:
    // Reply 0x19 of the device at devicePath.
    void onAcknowledgement(const QString &devicePath);
    // The download status (byte 13 of a status report) of the device at devicePath.
    void onDownloadStatus(const QString &devicePath, int status);
    // The device at devicePath went away: a download to it ends as failed.
    void onDeviceRemoved(const QString &devicePath);

Q_SIGNALS:
    void sigDownloadFinished(bool success, const QString &notice);

private:
    enum class Wait
    {
        None,
        Ack,
        Pause,
        Status,
    };

    void loadSeniorKeys();
    void startAttempt();
    // Goes through the attempt's steps until one has to wait.
    void run();
    void onAckTimeout();
    void onPauseOver();
    void onStatusTimeout();
    void endAttempt(bool statusOk);
    void finish(bool success, const QString &notice);
    void stopTimers();
    bool targetOpen() const { return m_target.hid && m_target.hid->isOpen(); }
    // Queues the report on the target; false (after the failure line) when it is not open.
    bool queue(const HidReport &report, const char *failureLine);

    OnboardDownloadTarget m_target;
    OnboardDownloadPlan m_plan;
    // The advanced keys by id, loaded on magnetic keyboards and kept between downloads.
    QMap<int, SeniorKeyInfo> m_seniorKeys;
    QMetaObject::Connection m_targetGone;

    bool m_active = false;
    int m_attempt = 0;
    int m_step = 0;
    Wait m_wait = Wait::None;
    bool m_acked = true;    // the last stop-and-wait packet was acknowledged
    bool m_running = true;  // false once a stop-and-wait packet ran out of resends
    int m_status = -1;      // download status reported in this attempt; -1 none
    int m_resends = 0;
    HidReport m_lastPacket;

    QTimer *m_ackTimer = nullptr;
    QTimer *m_pauseTimer = nullptr;
    QTimer *m_statusTimer = nullptr;
};
