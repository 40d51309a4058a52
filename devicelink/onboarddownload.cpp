#include "devicelink/onboarddownload.h"

#include "devicelink/deviceoperations.h"
#include "platform/logcategories.h"

#include "sdk/tavrixxml.h"

#include <QTimer>

namespace {

QTimer *singleShotTimer(QObject *parent, int ms)
{
    auto *timer = new QTimer(parent);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(ms);
    return timer;
}

}  // namespace

OnboardDownload::OnboardDownload(QObject *parent)
    : QObject(parent)
    , m_ackTimer(singleShotTimer(this, AckWaitMs))
    , m_pauseTimer(singleShotTimer(this, PauseMs))
    , m_statusTimer(singleShotTimer(this, StatusWaitMs))
{
    connect(m_ackTimer, &QTimer::timeout, this, &OnboardDownload::onAckTimeout);
    connect(m_pauseTimer, &QTimer::timeout, this, &OnboardDownload::onPauseOver);
    connect(m_statusTimer, &QTimer::timeout, this, &OnboardDownload::onStatusTimeout);
}

void OnboardDownload::setWaits(const Waits &waits)
{
    m_ackTimer->setInterval(waits.ackMs);
    m_pauseTimer->setInterval(waits.pauseMs);
    m_statusTimer->setInterval(waits.statusMs);
}

OnboardDownload::Waits OnboardDownload::waits() const
{
    return Waits {m_ackTimer->interval(), m_pauseTimer->interval(), m_statusTimer->interval()};
}

QString OnboardDownload::successNotice()
{
    return QObject::tr("Download config successful");
}

QString OnboardDownload::failureNotice()
{
    return QObject::tr("Download config failed, Please try again");
}

bool OnboardDownload::start(const OnboardDownloadTarget &target)
{
    if (m_active)
        return false;
    m_target = target;
    m_active = true;
    m_attempt = 0;
    // Without an open keyboard or its profile files there is nothing to write, or nothing to write it from.
    if (!targetOpen() || m_target.profileFolder.isEmpty()) {
        finish(false, failureNotice());
        return true;
    }
    loadSeniorKeys();

    // Read once for both attempts, so the second sends what the first meant to.
    OnboardDownloadPlan::Input input;
    input.profileFolder = m_target.profileFolder;
    input.magnetic = m_target.magnetic;
    input.keyCodes = m_target.keyCodes;
    input.seniorKeys = m_seniorKeys;
    m_plan = OnboardDownloadPlan::build(input);
    if (!m_plan.fitsKeyboard()) {
        // Slot numbers past the keyboard's last would be written nowhere or over other slots.
        QStringList refusals;
        if (m_plan.macroKeys > OnboardDownloadPlan::MacroSlots) {
            refusals << QObject::tr("Download refused: %1 keys play macros, the keyboard holds %2 macros")
                            .arg(m_plan.macroKeys)
                            .arg(OnboardDownloadPlan::MacroSlots);
        }
        if (m_plan.seniorKeys > OnboardDownloadPlan::SeniorKeySlots) {
            refusals << QObject::tr("Download refused: %1 keys are bound to advanced keys, the keyboard holds "
                                    "%2 advanced keys")
                            .arg(m_plan.seniorKeys)
                            .arg(OnboardDownloadPlan::SeniorKeySlots);
        }
        finish(false, refusals.join(QLatin1Char('\n')));
        return true;
    }

    m_targetGone = connect(m_target.hid.data(), &QObject::destroyed, this, [this] {
        if (m_active)
            finish(false, failureNotice());
    });
    // From the first packet on, the keyboard's memory is being rewritten: a quit waits
    // for the end instead of leaving a half-written profile in it.
    DeviceOperations::instance()->begin(this, QStringLiteral("Download"));
    startAttempt();
    return true;
}

void OnboardDownload::loadSeniorKeys()
{
    if (!m_target.magnetic)
        return;  // other keyboards keep what an earlier download loaded
    m_seniorKeys.clear();
    QList<SeniorKeyInfo> items;
    if (!CTavrixXML_SeniorKey_SelectAllInfoItem(m_target.seniorKeyPath, items))
        return;
    for (const SeniorKeyInfo &info : items)
        m_seniorKeys.insert(info.bindingIndex, info);
}

void OnboardDownload::startAttempt()
{
    m_step = 0;
    m_wait = Wait::None;
    m_acked = true;
    m_running = true;
    m_status = -1;
    m_resends = 0;
    m_lastPacket = HidReport();
    run();
}

void OnboardDownload::run()
{
    while (m_active && m_wait == Wait::None && m_step < m_plan.steps.size()) {
        const OnboardStep &step = m_plan.steps.at(m_step);
        switch (step.kind) {
        case OnboardStep::KeyPacket:
            if (m_running
                && !queue(step.report, "Download: a key report could not be queued: the keyboard is not open"))
                return;
            break;
        case OnboardStep::AckedPacket:
            if (m_running && !m_acked) {
                // The previous packet is still unacknowledged: wait, resending it on time-outs.
                m_resends = 0;
                m_wait = Wait::Ack;
                m_ackTimer->start();
                return;
            }
            if (m_running) {
                m_lastPacket = step.report;
                m_acked = false;
                if (!queue(step.report, "Download: a macro report could not be queued: the keyboard is not open"))
                    return;
            }
            break;
        case OnboardStep::SeniorKeyPacket:
            if (!queue(step.report, "Download: an advanced-key report could not be queued: the keyboard is not open"))
                return;
            break;
        case OnboardStep::Pause:
            ++m_step;
            m_wait = Wait::Pause;
            m_pauseTimer->start();
            return;
        case OnboardStep::StatusWait:
            if (m_status != -1) {
                endAttempt(true);
            } else {
                m_wait = Wait::Status;
                m_statusTimer->start();
            }
            return;
        case OnboardStep::LayerUnreadable:
            qCDebug(lcDevice) << "Download: a layer file holds no profile index";
            endAttempt(false);
            return;
        }
        ++m_step;
    }
}

bool OnboardDownload::queue(const HidReport &report, const char *failureLine)
{
    if (targetOpen() && m_target.hid->appendCmdData(report.data()) == 0)
        return true;
    qCDebug(lcDevice) << failureLine;
    // The target is fixed for the whole download; once it is closed nothing can reach it.
    finish(false, failureNotice());
    return false;
}

void OnboardDownload::onAcknowledgement(const QString &devicePath)
{
    if (!m_active || devicePath != m_target.devicePath)
        return;
    m_acked = true;
    if (m_wait == Wait::Ack) {
        m_ackTimer->stop();
        m_wait = Wait::None;
        run();
    }
}

void OnboardDownload::onAckTimeout()
{
    if (m_wait != Wait::Ack)
        return;
    if (++m_resends > Resends) {
        // Out of resends: the rest of the attempt's key and macro packets are dropped.
        m_running = false;
        m_wait = Wait::None;
        run();
        return;
    }
    if (!queue(m_lastPacket, "Download: a macro report could not be queued: the keyboard is not open"))
        return;
    m_ackTimer->start();
}

void OnboardDownload::onPauseOver()
{
    if (m_wait != Wait::Pause)
        return;
    m_wait = Wait::None;
    run();
}

void OnboardDownload::onDownloadStatus(const QString &devicePath, int status)
{
    if (!m_active || devicePath != m_target.devicePath)
        return;
    m_status = status;
    if (m_wait == Wait::Status) {
        m_statusTimer->stop();
        endAttempt(true);
    }
}

void OnboardDownload::onStatusTimeout()
{
    if (m_wait == Wait::Status)
        endAttempt(true);
}

void OnboardDownload::onDeviceRemoved(const QString &devicePath)
{
    if (m_active && devicePath == m_target.devicePath)
        finish(false, failureNotice());
}

// statusOk: the attempt got as far as its status wait.
void OnboardDownload::endAttempt(bool statusOk)
{
    stopTimers();
    m_wait = Wait::None;
    const bool success = statusOk && m_running && m_status == 1;
    if (!success && m_attempt + 1 < Attempts) {
        ++m_attempt;
        qCDebug(lcDevice) << "Download: no answer from the keyboard, trying again";
        startAttempt();
        return;
    }
    finish(success, success ? successNotice() : failureNotice());
}

void OnboardDownload::finish(bool success, const QString &notice)
{
    stopTimers();
    disconnect(m_targetGone);
    m_active = false;
    m_wait = Wait::None;
    Q_EMIT sigDownloadFinished(success, notice);
    if (!m_active)
        DeviceOperations::instance()->end(this);
}

void OnboardDownload::stopTimers()
{
    m_ackTimer->stop();
    m_pauseTimer->stop();
    m_statusTimer->stop();
}
