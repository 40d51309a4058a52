#include "x11probe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace X11Probe {

namespace {

long windowPid(Display *dpy, Window w)
{
    const Atom pidAtom = XInternAtom(dpy, "_NET_WM_PID", True);
    if (pidAtom == 0)
        return -1;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(dpy, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) == Success
        && data && count == 1 && format == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

QString windowName(Display *dpy, Window w)
{
    char *name = nullptr;
    QString result;
    if (XFetchName(dpy, w, &name) && name)
        result = QString::fromLatin1(name);
    if (name)
        XFree(name);
    return result;
}

}  // namespace

QList<X11Window> windows(const QString &display, qint64 pid, const QString &title)
{
    QList<X11Window> found;
    Display *dpy = XOpenDisplay(display.toLatin1().constData());
    if (!dpy)
        return found;
    Window root = DefaultRootWindow(dpy), parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(dpy, root, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            const Window w = children[i];
            if (windowPid(dpy, w) != pid || windowName(dpy, w) != title)
                continue;
            X11Window info;
            info.id = w;
            XWindowAttributes attrs;
            if (XGetWindowAttributes(dpy, w, &attrs)) {
                info.viewable = attrs.map_state == IsViewable;
                info.geometry = QRect(attrs.x, attrs.y, attrs.width, attrs.height);
            }
            XSizeHints hints;
            long supplied = 0;
            if (XGetWMNormalHints(dpy, w, &hints, &supplied) && (hints.flags & PMinSize))
                info.minimumSize = QSize(hints.min_width, hints.min_height);
            found.append(info);
        }
        if (children)
            XFree(children);
    }
    XCloseDisplay(dpy);
    return found;
}

QImage grabScreen(const QString &display)
{
    Display *dpy = XOpenDisplay(display.toLatin1().constData());
    if (!dpy)
        return QImage();
    const Window root = DefaultRootWindow(dpy);
    XWindowAttributes attrs;
    QImage image;
    if (XGetWindowAttributes(dpy, root, &attrs)) {
        XImage *x = XGetImage(dpy, root, 0, 0, attrs.width, attrs.height, AllPlanes, ZPixmap);
        if (x) {
            image = QImage(attrs.width, attrs.height, QImage::Format_RGB32);
            for (int y = 0; y < attrs.height; ++y) {
                auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int px = 0; px < attrs.width; ++px) {
                    const unsigned long v = XGetPixel(x, px, y);
                    line[px] = qRgb((v >> 16) & 0xff, (v >> 8) & 0xff, v & 0xff);
                }
            }
            XDestroyImage(x);
        }
    }
    XCloseDisplay(dpy);
    return image;
}

}  // namespace X11Probe
