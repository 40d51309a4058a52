#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class DDeviceKeyboardLink;

// One bounded wait for a keyboard's link to know its light lists, without an event
// loop of its own: the page goes on handling events meanwhile, and the work that needs
// the lists is continued from here, once, when the lists are known, when the time is up
// (the link is then taken as it is) or when the link goes away.
class LinkReadyWait : public QObject
{
    Q_OBJECT

public:
    // Runs next at once when the link's lists are known already (or there is no link);
    // else later from the event loop. The wait belongs to owner: deleting the owner
    // drops next unrun.
    static void start(DDeviceKeyboardLink *link, int ms, QObject *owner, std::function<void()> next);

private:
    LinkReadyWait(QObject *owner, std::function<void()> next);
    void finish();

    std::function<void()> m_next;
    QTimer m_timer;
    bool m_done = false;
};
