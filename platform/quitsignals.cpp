#include "platform/quitsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int g_pipe[2] = {-1, -1};

// Only write(2): the notifier on the other end does the rest on the GUI thread.
void onQuitSignal(int sig)
{
    const int savedErrno = errno;
    const char byte = static_cast<char>(sig);
    if (write(g_pipe[0], &byte, 1) < 0) {
        // Nothing to do: a full pipe already holds a pending request.
    }
    errno = savedErrno;
}

}  // namespace

QuitSignals::QuitSignals(QObject *parent) : QObject(parent)
{
    if (g_pipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0)
        return;
    fcntl(g_pipe[0], F_SETFL, fcntl(g_pipe[0], F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::onReadable);

    struct sigaction action
    {
    };
    action.sa_handler = onQuitSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (int sig : kSignals)
        sigaction(sig, &action, nullptr);
}

QuitSignals::~QuitSignals()
{
    if (!m_notifier)
        return;
    struct sigaction action
    {
    };
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int sig : kSignals)
        sigaction(sig, &action, nullptr);
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void QuitSignals::onReadable()
{
    char byte = 0;
    if (::read(g_pipe[1], &byte, 1) == 1)
        Q_EMIT sigQuitRequested(static_cast<unsigned char>(byte));
}
