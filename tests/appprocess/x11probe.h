#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

// Looks at another process's windows on an X server, from outside, the way a
// window manager would see them.
struct X11Window
{
    unsigned long id = 0;
    bool viewable = false;  // mapped and shown
    QSize minimumSize;      // from the size hints; empty when not given
    QRect geometry;
};

namespace X11Probe {

// Top-level windows of the process `pid` whose title is `title`.
QList<X11Window> windows(const QString &display, qint64 pid, const QString &title);

// The whole screen of the display.
QImage grabScreen(const QString &display);

}  // namespace X11Probe
