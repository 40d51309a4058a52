#include "platform/xtestkeystroke.h"
#include "platform/logcategories.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

// A connection of our own, opened once: the keystrokes must not depend on which Qt platform
// plugin runs, and Xlib connections are cheap to keep.
Display *display()
{
    static Display *const dpy = [] {
        Display *d = XOpenDisplay(nullptr);
        int eventBase = 0, errorBase = 0, major = 0, minor = 0;
        if (d && !XTestQueryExtension(d, &eventBase, &errorBase, &major, &minor)) {
            qCWarning(lcPlatform).noquote() << "The X server has no XTEST extension: pasted texts are not typed";
            XCloseDisplay(d);
            d = nullptr;
        }
        return d;
    }();
    return dpy;
}

}  // namespace

bool XTestKeystroke::typeCtrlV()
{
    Display *dpy = display();
    if (!dpy)
        return false;
    const KeyCode ctrl = XKeysymToKeycode(dpy, XK_Control_L);
    const KeyCode v = XKeysymToKeycode(dpy, XK_v);
    if (ctrl == 0 || v == 0)
        return false;
    XTestFakeKeyEvent(dpy, ctrl, True, CurrentTime);
    XTestFakeKeyEvent(dpy, v, True, CurrentTime);
    XTestFakeKeyEvent(dpy, v, False, CurrentTime);
    XTestFakeKeyEvent(dpy, ctrl, False, CurrentTime);
    XFlush(dpy);
    return true;
}
