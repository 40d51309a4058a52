#include "platform/windowcompositing.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

// Xlib last: its macros (None, Bool, Status) clash with Qt's names.
#include <X11/Xlib.h>

namespace WindowCompositing {

bool isActive()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    // One connection of our own for the question, kept for the process.
    static Display *display = XOpenDisplay(nullptr);
    if (!display)
        return true;
    const QByteArray selection = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
    const Atom atom = XInternAtom(display, selection.constData(), False);
    return XGetSelectionOwner(display, atom) != 0;
}

}  // namespace WindowCompositing
