/* A minimal system tray for tests on a bare X server.
 *
 * It owns the _NET_SYSTEM_TRAY_S<screen> selection, announces itself with the
 * MANAGER message, and docks every icon that asks (reparenting it into a strip
 * at the top-left of the screen, 32 pixels per icon), so a test can click an
 * icon with xdotool. It ends on SIGTERM/SIGINT, dropping the selection, which is
 * how a test takes the tray away. Prints "ready" once it owns the selection. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <sys/select.h>

#define ICON_SIZE 32
#define MAX_ICONS 16
#define SYSTEM_TRAY_REQUEST_DOCK 0

static volatile sig_atomic_t g_stop = 0;

static void onSignal(int sig)
{
    (void)sig;
    g_stop = 1;
}

int main(void)
{
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "faketray: cannot open display\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    char selectionName[64];
    snprintf(selectionName, sizeof selectionName, "_NET_SYSTEM_TRAY_S%d", screen);
    const Atom selection = XInternAtom(display, selectionName, False);
    const Atom opcode = XInternAtom(display, "_NET_SYSTEM_TRAY_OPCODE", False);
    const Atom manager = XInternAtom(display, "MANAGER", False);
    const Atom orientation = XInternAtom(display, "_NET_SYSTEM_TRAY_ORIENTATION", False);
    const Atom visualAtom = XInternAtom(display, "_NET_SYSTEM_TRAY_VISUAL", False);

    XSetWindowAttributes attributes;
    memset(&attributes, 0, sizeof attributes);
    attributes.override_redirect = True;
    attributes.background_pixel = BlackPixel(display, screen);
    const Window tray = XCreateWindow(display, root, 0, 0, ICON_SIZE * MAX_ICONS, ICON_SIZE, 0, CopyFromParent,
                                      InputOutput, CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
    XStoreName(display, tray, "faketray");
    long horizontal = 0;
    XChangeProperty(display, tray, orientation, XA_CARDINAL, 32, PropModeReplace, (unsigned char *)&horizontal, 1);
    long visual = (long)XVisualIDFromVisual(DefaultVisual(display, screen));
    XChangeProperty(display, tray, visualAtom, XA_VISUALID, 32, PropModeReplace, (unsigned char *)&visual, 1);
    XMapRaised(display, tray);

    XSetSelectionOwner(display, selection, tray, CurrentTime);
    if (XGetSelectionOwner(display, selection) != tray) {
        fprintf(stderr, "faketray: another tray owns %s\n", selectionName);
        return 1;
    }
    XEvent announce;
    memset(&announce, 0, sizeof announce);
    announce.xclient.type = ClientMessage;
    announce.xclient.window = root;
    announce.xclient.message_type = manager;
    announce.xclient.format = 32;
    announce.xclient.data.l[0] = CurrentTime;
    announce.xclient.data.l[1] = (long)selection;
    announce.xclient.data.l[2] = (long)tray;
    XSendEvent(display, root, False, StructureNotifyMask, &announce);
    XFlush(display);
    printf("ready\n");
    fflush(stdout);

    signal(SIGTERM, onSignal);
    signal(SIGINT, onSignal);
    int icons = 0;
    const int fd = ConnectionNumber(display);
    while (!g_stop) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == opcode
                && event.xclient.data.l[1] == SYSTEM_TRAY_REQUEST_DOCK && icons < MAX_ICONS) {
                const Window icon = (Window)event.xclient.data.l[2];
                XSelectInput(display, icon, StructureNotifyMask);
                XReparentWindow(display, icon, tray, icons * ICON_SIZE, 0);
                XResizeWindow(display, icon, ICON_SIZE, ICON_SIZE);
                XMapRaised(display, icon);
                printf("docked 0x%lx at %d,0\n", (unsigned long)icon, icons * ICON_SIZE);
                fflush(stdout);
                ++icons;
            } else if (event.type == SelectionClear) {
                g_stop = 1;
            }
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        struct timeval wait = {0, 100000};
        select(fd + 1, &readable, NULL, NULL, &wait);
    }
    XDestroyWindow(display, tray);
    XCloseDisplay(display);
    return 0;
}
