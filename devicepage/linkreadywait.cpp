#include "devicepage/linkreadywait.h"

#include "devicelink/ddevicekeyboardlink.h"

LinkReadyWait::LinkReadyWait(QObject *owner, std::function<void()> next) : QObject(owner), m_next(std::move(next))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &LinkReadyWait::finish);
}

void LinkReadyWait::start(DDeviceKeyboardLink *link, int ms, QObject *owner, std::function<void()> next)
{
    if (!link || link->isLightListReady()) {
        next();
        return;
    }
    auto *wait = new LinkReadyWait(owner, std::move(next));
    // Queued: the report that made the lists known is handled to its end first, as the
    // link's own follow-up queries go out before anything the page sends.
    connect(link, &DDeviceKeyboardLink::sigLightListReady, wait, &LinkReadyWait::finish, Qt::QueuedConnection);
    connect(link, &QObject::destroyed, wait, &LinkReadyWait::finish);
    wait->m_timer.start(ms);
}

void LinkReadyWait::finish()
{
    if (m_done)
        return;
    m_done = true;
    m_timer.stop();
    const std::function<void()> next = std::move(m_next);
    deleteLater();
    next();
}
