#pragma once

#include <QProcess>
#include <QSize>
#include <QString>

// A private X server (Xvfb) with one screen of the given size, for tests that run
// the real executable on a real window system or take screenshots. The server
// picks a free display number itself and ends with the object.
class XvfbServer
{
public:
    XvfbServer() = default;
    ~XvfbServer();

    // Starts the server; false when Xvfb is missing or did not come up.
    bool start(const QSize &screen);
    void stop();
    // ":N" of the running server, empty when not running.
    QString display() const { return m_display; }

private:
    QProcess m_process;
    QString m_display;
};
