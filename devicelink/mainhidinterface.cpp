#include "devicelink/mainhidinterface.h"
#include "platform/logcategories.h"

#include "devicelink/inputreportlength.h"
#include "devicelink/lightframemodels.h"
#include "devicelink/reportcopies.h"
#include "sdk/tavrixhid.h"

#include <QElapsedTimer>
#include <QMetaMethod>
#include <QTimer>

#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

MainHidInterFace::MainHidInterFace(int threadIndex, QString hidName, QObject *parent)
    : QThread(parent)
    , m_threadIndex(threadIndex)
    , m_strHidName(std::move(hidName))
    , m_lightBatchSize(lightBatchSize(m_strHidName))
{
    qRegisterMetaType<unsigned char *>("unsigned char*");
    m_shakeHandsTimer = new QTimer(this);
    m_shakeHandsTimer->setInterval(ShakeHandsIntervalMs);
    // A coarse timer may drift by up to 5% a period; the keep-alive keeps to its second.
    m_shakeHandsTimer->setTimerType(Qt::PreciseTimer);
    connect(m_shakeHandsTimer, &QTimer::timeout, this, &MainHidInterFace::onShakeHandsRunning);
    m_wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    CTavrixHid_highPrecisionTimerInit(&m_timer);
    CTavrixHid_highPrecisionTimerStart(m_timer);
}

MainHidInterFace::~MainHidInterFace()
{
    closeHid();
    wait();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

int MainHidInterFace::lightBatchSize(const QString &hidName)
{
    return LightFrameModels::reportsPerFrame(hidName);
}

int MainHidInterFace::openHid(QString path)
{
    if (m_open.load())
        return 0;
    m_path = std::move(path);
    m_pathLatin1 = m_path.toLatin1();
    m_handle = CTavrixHid_OpenPath(m_pathLatin1.constData());
    m_openDenied = m_handle == 0 && CTavrixHid_LastOpenDenied();
    if (m_handle == 0) {
        qCDebug(lcDevice) << "Unable to open device\n";
        m_open.store(false);
        return -1;
    }
    qCDebug(lcDevice) << "Open device success";
    m_readTurnNext = false;
    m_open.store(true);
    const HidReport query = HidReport::command(HidCmd::QuerySerialNumber);
    if (appendCmdData(query.data()) < 0)
        qCDebug(lcDevice) << "Asking for the serial number failed: the keyboard did not take the report";
    m_shakeHandsRunNum = 0;
    m_shakeHandsTimer->start(ShakeHandsIntervalMs);
    CTavrixHid_SetNonblocking(m_handle, 1);
    Q_EMIT sigOpenHidSuccessful();
    return 0;
}

int MainHidInterFace::closeHid()
{
    if (!m_open.exchange(false))
        return 0;
    wakeLoop();
    // The loop sees the cleared flag before its next turn; the handle is closed only once
    // the turn in progress (a write, a read or a pacing wait) has finished.
    if (QThread::currentThread() != this) {
        // Taken once the loop has left its last turn (or at once when it never ran).
        {
            std::lock_guard<std::mutex> lastTurnDone(m_runMutex);
        }
        wait();
    }
    flushCommands();
    CTavrixHid_Close(m_handle);
    m_handle = 0;
    if (m_shakeHandsTimer->isActive()) {
        m_shakeHandsTimer->stop();
        m_shakeHandsRunNum = 0;
    }
    CTavrixHid_highPrecisionTimerStop(m_timer);
    return 0;
}

void MainHidInterFace::flushCommands()
{
    // Commands queued just before a close (light synchronisation off at quit, for one) still
    // reach the keyboard: the loop has ended, so the handle is ours. A few reports at most,
    // and none after the first failed write (a keyboard that left takes none).
    std::deque<QueuedCommand> pending;
    {
        std::lock_guard<std::mutex> lock(m_cmdMutex);
        pending.swap(m_cmdQueue);
    }
    int written = 0;
    for (const QueuedCommand &command : pending) {
        if (written == FlushLimit || m_handle == 0)
            break;
        if (CTavrixHid_HidWriteBuff(m_handle, command.report.data(), m_pathLatin1.constData()) < 0)
            break;
        ++written;
        pauseAfter(command);
    }
}

int MainHidInterFace::appendCmdData(const unsigned char *data, int pauseAfterMs)
{
    if (!m_open.load() || !data)
        return -1;
    const HidReport report = HidReport::fromBytes(data, HidReport::Size);
    {
        std::lock_guard<std::mutex> lock(m_cmdMutex);
        m_cmdQueue.push_back({report, qMax(0, pauseAfterMs)});
    }
    observeCommand(CommandStage::Queued, report);
    wakeLoop();
    return 0;
}

void MainHidInterFace::setCommandObserver(CommandObserver observer)
{
    std::lock_guard<std::mutex> lock(m_cmdMutex);
    m_commandObserver = observer ? std::make_shared<const CommandObserver>(std::move(observer)) : nullptr;
}

void MainHidInterFace::observeCommand(CommandStage stage, const HidReport &report)
{
    std::shared_ptr<const CommandObserver> observer;
    {
        std::lock_guard<std::mutex> lock(m_cmdMutex);
        observer = m_commandObserver;
    }
    if (observer)
        (*observer)(stage, report);
}

int MainHidInterFace::appendLightData(const unsigned char *data)
{
    if (!m_open.load() || !data)
        return -1;
    bool batchComplete = false;
    {
        std::lock_guard<std::mutex> lock(m_lightMutex);
        if (m_lightQueue.empty())
            m_collectingLightBatch = true;
        if (!m_lightSendEnabled.load() || !m_collectingLightBatch)
            return 0;
        if (int(m_lightQueue.size()) == m_lightBatchSize - 1) {
            m_collectingLightBatch = false;
            batchComplete = true;
        }
        m_lightQueue.push_back(HidReport::fromBytes(data, HidReport::Size));
    }
    if (batchComplete)
        wakeLoop();
    return 0;
}

bool MainHidInterFace::isLightQueueEmpty()
{
    std::lock_guard<std::mutex> lock(m_lightMutex);
    return m_lightQueue.empty();
}

void MainHidInterFace::setLightSendEnabled(bool enabled)
{
    m_lightSendEnabled.store(enabled);
    if (enabled)
        wakeLoop();  // a whole frame may be waiting
}

void MainHidInterFace::wakeLoop()
{
    // Either the loop sees the new count before it sleeps, or it is already marked as
    // sleeping and the write wakes it.
    m_queuedCount.fetch_add(1);
    if (m_idleWaiting.load() && m_wakeFd >= 0) {
        const uint64_t one = 1;
        (void)!::write(m_wakeFd, &one, sizeof one);
    }
}

void MainHidInterFace::idleWait()
{
    const unsigned seen = m_queuedCount.load();
    m_idleWaiting.store(true);
    if (m_queuedCount.load() == seen && m_open.load()) {
        pollfd wake {m_wakeFd, POLLIN, 0};
        poll(&wake, m_wakeFd >= 0 ? 1 : 0, IdleWaitMs);
    }
    m_idleWaiting.store(false);
    uint64_t drained = 0;
    (void)!::read(m_wakeFd, &drained, sizeof drained);
}

bool MainHidInterFace::waitForWork()
{
    const unsigned seen = m_queuedCount.load();
    m_idleWaiting.store(true);
    if (m_queuedCount.load() == seen && m_open.load())
        m_tellsInput = CTavrixHid_WaitForInput(m_handle, m_wakeFd, IdleInputWaitMs) >= 0;
    m_idleWaiting.store(false);
    uint64_t drained = 0;
    (void)!::read(m_wakeFd, &drained, sizeof drained);
    return m_tellsInput;
}

void MainHidInterFace::onShakeHandsRunning()
{
    if (!m_open.load())
        return;
    HidReport shakeHands = HidReport::command(HidCmd::ShakeHands, 0, 0x01);
    if (appendCmdData(shakeHands.data()) < 0) {
        qCDebug(lcDevice).noquote() << "The keep-alive report could not be queued for" << m_strHidName << "after"
                                    << m_shakeHandsRunNum << "keep-alive reports";
        return;
    }
    ++m_shakeHandsRunNum;
}

bool MainHidInterFace::takeCommand(QueuedCommand *command)
{
    std::lock_guard<std::mutex> lock(m_cmdMutex);
    if (m_cmdQueue.empty())
        return false;
    *command = m_cmdQueue.front();
    m_cmdQueue.pop_front();
    return true;
}

void MainHidInterFace::putBackCommand(const QueuedCommand &command)
{
    std::lock_guard<std::mutex> lock(m_cmdMutex);
    m_cmdQueue.push_front(command);
}

void MainHidInterFace::pauseAfter(const QueuedCommand &command)
{
    if (command.pauseAfterMs > 0)
        QThread::msleep(static_cast<unsigned long>(command.pauseAfterMs));
}

bool MainHidInterFace::takeLightFrame(HidReport *report)
{
    std::lock_guard<std::mutex> lock(m_lightMutex);
    if (m_lightQueue.empty() || !m_lightSendEnabled.load() || m_collectingLightBatch)
        return false;
    *report = m_lightQueue.front();
    m_lightQueue.pop_front();
    return true;
}

bool MainHidInterFace::writeTurn(bool *command)
{
    QueuedCommand queued;
    const bool isCommand = takeCommand(&queued);
    *command = isCommand;
    HidReport &report = queued.report;
    if (isCommand)
        observeCommand(CommandStage::Taken, report);
    const bool taken = isCommand || takeLightFrame(&report);
    if (taken) {
        if (m_open.load()) {
            const int written = CTavrixHid_HidWriteBuff(m_handle, report.data(), m_pathLatin1.constData());
            if (written < 0 && isCommand) {
                qCDebug(lcDevice, "Writing command 0x%02x to the keyboard failed", unsigned(report.code()));
            } else if (isCommand) {
                pauseAfter(queued);
            }
        } else if (isCommand) {
            // The link began to close after the command was taken: it goes back to the front
            // of the queue, so the close writes it first, in its order.
            putBackCommand(queued);
        }
    }
    m_readTurnNext = true;
    return taken;
}

bool MainHidInterFace::readTurn()
{
    int count = 0;
    if (m_open.load()) {
        unsigned char buffer[HidReport::Size];
        std::memset(buffer, 0, sizeof(buffer));
        count = CTavrixHid_HidReadBuff(m_handle, buffer);
        // A serial number cut short would read as a shorter one and be replaced.
        const bool isSerial = buffer[1] == static_cast<uint8_t>(HidReply::SerialNumber);
        if (count > 0 && (!isSerial || InputReportLength::holdsItsFields(buffer, count))) {
            ReportInbox::Entry entry;
            entry.report = HidReport::fromBytes(buffer, HidReport::Size);
            entry.length = count;
            entry.serial = isSerial;
            if (m_inbox.put(entry))
                QMetaObject::invokeMethod(this, &MainHidInterFace::deliverInbox, Qt::QueuedConnection);
        }
    }
    m_readTurnNext = false;
    return count > 0;
}

void MainHidInterFace::deliverInbox()
{
    const bool wasFull = m_inbox.isFull();
    const std::vector<ReportInbox::Entry> entries = m_inbox.take(DeliverBatch);
    if (!m_inbox.isEmpty())
        QMetaObject::invokeMethod(this, &MainHidInterFace::deliverInbox, Qt::QueuedConnection);
    if (wasFull)
        wakeLoop();  // the loop reads again
    static const QMetaMethod serialSignal = QMetaMethod::fromSignal(&MainHidInterFace::sigHidSnGetOver);
    static const QMetaMethod dataSignal = QMetaMethod::fromSignal(&MainHidInterFace::sigHidDataArrived);
    for (const ReportInbox::Entry &e : entries) {
        // The copy belongs to the receiver; with nobody listening it would never be freed.
        if (!isSignalConnected(e.serial ? serialSignal : dataSignal))
            continue;
        unsigned char *copy = ReportCopies::make(this, e.report.data(), HidReport::Size);
        if (e.serial)
            Q_EMIT sigHidSnGetOver(copy, m_strHidName);
        else
            Q_EMIT sigHidDataArrived(copy, e.length, m_threadIndex);
    }
}

void MainHidInterFace::run()
{
    std::lock_guard<std::mutex> running(m_runMutex);
    // Activity that may bring an answer: a command written or a report read. Light frames
    // are never answered, so once a frame is written the loop idles straight away.
    QElapsedTimer sinceActivity;
    sinceActivity.start();
    bool wrote = false;
    while (m_open.load()) {
        if (!m_readTurnNext) {
            bool command = false;
            wrote = writeTurn(&command);
            if (command) {
                sinceActivity.restart();
            } else if (wrote && sinceActivity.elapsed() >= QuietAfterMs) {
                // A light frame while no answer is due: its reports go out one a
                // millisecond without a read turn between them; the read follows the frame.
                m_readTurnNext = false;
                CTavrixHid_highPrecisionTimerRunning(2 * PacingUnits, m_timer);
                continue;
            } else if (!wrote && m_tellsInput) {
                // Nothing went out, so there is no spacing to keep: the read turn follows.
                continue;
            }
        } else if (m_inbox.isFull()) {
            // The GUI thread is behind: what the keyboard sends meanwhile waits in the
            // device (or is lost there) rather than in this process. Its delivery wakes us.
            m_readTurnNext = false;
            idleWait();
            continue;
        } else if (readTurn()) {
            sinceActivity.restart();
        } else if (!wrote && waitForWork()) {
            // Nothing went out and nothing came in: slept until either happens. The pacing
            // call after the next write turn returns at once, as its interval has passed.
            continue;
        } else if (!wrote && sinceActivity.elapsed() >= QuietAfterMs) {
            // Quiet: wait longer, but only until something is queued. The pacing call after
            // the next write turn then returns at once, as its interval has long passed.
            idleWait();
            continue;
        }
        CTavrixHid_highPrecisionTimerRunning(PacingUnits, m_timer);
    }
}
