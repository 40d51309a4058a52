#include "platform/x11hookbackend.h"
#include "platform/logcategories.h"

#include "platform/virtualkeytable.h"

#include <QSocketNotifier>

// X11 headers last: they define macros (None, KeyPress, Bool, ...) that clash
// with names in Qt's headers.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>
#include <X11/keysym.h>

namespace {

// X11 keycodes of the evdev driver are the Linux input codes plus 8.
constexpr int kKeycodeOffset = 8;

// Errors on the backend's own connections (a failed grab, a vanished context)
// must not end the process, which Xlib's default handler does. Errors of other
// connections go to the handler that was there before.
XErrorHandler g_previousHandler = nullptr;
QList<Display *> g_ownDisplays;

int onXError(Display *display, XErrorEvent *error)
{
    if (g_ownDisplays.contains(display)) {
        qCDebug(lcPlatform, "X11 hook: X error %d on request %d", int(error->error_code), int(error->request_code));
        return 0;
    }
    return g_previousHandler ? g_previousHandler(display, error) : 0;
}

Display *openDisplay(const QByteArray &name)
{
    Display *display = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
    if (!display)
        return nullptr;
    if (g_ownDisplays.isEmpty()) {
        XErrorHandler previous = XSetErrorHandler(onXError);
        if (previous != onXError)
            g_previousHandler = previous;
    }
    g_ownDisplays.append(display);
    return display;
}

void closeDisplay(Display *display)
{
    if (!display)
        return;
    g_ownDisplays.removeAll(display);
    XCloseDisplay(display);
}

unsigned int numLockMask(Display *display)
{
    const unsigned int mask = XkbKeysymToModifiers(display, XK_Num_Lock);
    return mask ? mask : Mod2Mask;
}

// X button numbers: 1 left, 2 middle, 3 right, 4/5 wheel up/down, 6/7 wheel
// left/right, 8/9 back/forward.
struct ButtonRow
{
    int button;
    quint32 down;
    quint32 up;       // 0: the button has no release message (a wheel step)
    qint16 highWord;  // wheel delta or extra-button number
};

constexpr ButtonRow kButtons[] = {
    {1, HookMessage::LeftButtonDown, HookMessage::LeftButtonUp, 0},
    {2, HookMessage::MiddleButtonDown, HookMessage::MiddleButtonUp, 0},
    {3, HookMessage::RightButtonDown, HookMessage::RightButtonUp, 0},
    {4, HookMessage::Wheel, 0, kWheelDelta},
    {5, HookMessage::Wheel, 0, -kWheelDelta},
    {6, HookMessage::HorizontalWheel, 0, -kWheelDelta},
    {7, HookMessage::HorizontalWheel, 0, kWheelDelta},
    {8, HookMessage::ExtraButtonDown, HookMessage::ExtraButtonUp, 1},
    {9, HookMessage::ExtraButtonDown, HookMessage::ExtraButtonUp, 2},
};

}  // namespace

struct X11RecordTrampoline
{
    static void callback(XPointer closure, XRecordInterceptData *data)
    {
        auto *self = reinterpret_cast<X11HookBackend *>(closure);
        if (data->category == XRecordFromServer)
            self->queueRawEvent(data->data, data->data_len * 4);
        XRecordFreeData(data);
    }
};

X11HookBackend::X11HookBackend(const QByteArray &displayName, QObject *parent)
    : QObject(parent), m_displayName(displayName)
{ }

X11HookBackend::~X11HookBackend()
{
    m_keyboardSink = nullptr;
    m_mouseSink = nullptr;
    stopRecording();
}

bool X11HookBackend::isAvailable(const QByteArray &displayName)
{
    Display *display = openDisplay(displayName);
    if (!display)
        return false;
    int major = 0;
    int minor = 0;
    const bool ok = XRecordQueryVersion(display, &major, &minor);
    closeDisplay(display);
    return ok;
}

bool X11HookBackend::installKeyboard(HookSink *sink)
{
    if (!startRecording())
        return false;
    m_keyboardSink = sink;
    m_keyState.reset();
    updateGrab();
    return true;
}

bool X11HookBackend::installMouse(HookSink *sink)
{
    if (!startRecording())
        return false;
    m_mouseSink = sink;
    return true;
}

void X11HookBackend::removeKeyboard()
{
    m_keyboardSink = nullptr;
    updateGrab();
    if (!m_mouseSink)
        stopRecording();
}

void X11HookBackend::removeMouse()
{
    m_mouseSink = nullptr;
    if (!m_keyboardSink)
        stopRecording();
}

void X11HookBackend::setSwallowKeys(bool on)
{
    m_swallow = on;
    updateGrab();
}

bool X11HookBackend::startRecording()
{
    if (m_context)
        return true;
    m_control = openDisplay(m_displayName);
    m_data = m_control ? openDisplay(m_displayName) : nullptr;
    if (!m_control || !m_data) {
        closeDisplays();
        m_errorCode = NoDisplay;
        return false;
    }
    int major = 0;
    int minor = 0;
    if (!XRecordQueryVersion(m_control, &major, &minor)) {
        closeDisplays();
        m_errorCode = NoRecordExtension;
        return false;
    }

    XRecordRange *range = XRecordAllocRange();
    if (!range) {
        closeDisplays();
        m_errorCode = RecordContextFailed;
        return false;
    }
    // KeyPress .. ButtonRelease are consecutive; pointer motion is not watched.
    range->device_events.first = KeyPress;
    range->device_events.last = ButtonRelease;
    XRecordClientSpec clients = XRecordAllClients;
    m_context = XRecordCreateContext(m_control, 0, &clients, 1, &range, 1);
    XFree(range);
    XSync(m_control, False);
    if (!m_context
        || !XRecordEnableContextAsync(m_data, m_context, &X11RecordTrampoline::callback,
                                      reinterpret_cast<XPointer>(this))) {
        if (m_context)
            XRecordFreeContext(m_control, m_context);
        m_context = 0;
        closeDisplays();
        m_errorCode = RecordContextFailed;
        return false;
    }
    XFlush(m_data);

    // Each recorded event carries the modifier state it happened in.
    m_numLockMask = numLockMask(m_control);

    m_dataNotifier = new QSocketNotifier(ConnectionNumber(m_data), QSocketNotifier::Read, this);
    connect(m_dataNotifier, &QSocketNotifier::activated, this, &X11HookBackend::onDataReadable);
    m_controlNotifier = new QSocketNotifier(ConnectionNumber(m_control), QSocketNotifier::Read, this);
    connect(m_controlNotifier, &QSocketNotifier::activated, this, &X11HookBackend::onControlReadable);
    return true;
}

void X11HookBackend::stopRecording()
{
    if (!m_context) {
        closeDisplays();
        return;
    }
    if (m_grabbed) {
        XUngrabKeyboard(m_control, CurrentTime);
        m_grabbed = false;
    }
    XRecordDisableContext(m_control, m_context);
    XSync(m_control, False);
    // Take in what was recorded up to the end so the data connection is clean;
    // nothing is delivered any more.
    XRecordProcessReplies(m_data);
    m_pending.clear();
    XRecordFreeContext(m_control, m_context);
    XSync(m_control, False);
    m_context = 0;
    closeDisplays();
}

void X11HookBackend::closeDisplays()
{
    delete m_dataNotifier;
    m_dataNotifier = nullptr;
    delete m_controlNotifier;
    m_controlNotifier = nullptr;
    closeDisplay(m_data);
    closeDisplay(m_control);
    m_data = nullptr;
    m_control = nullptr;
}

void X11HookBackend::updateGrab()
{
    const bool wanted = m_swallow && m_keyboardSink && m_control;
    if (wanted == m_grabbed || !m_control)
        return;
    if (wanted) {
        const int result
            = XGrabKeyboard(m_control, DefaultRootWindow(m_control), False, GrabModeAsync, GrabModeAsync, CurrentTime);
        m_grabbed = result == GrabSuccess;
        if (!m_grabbed)
            qCDebug(lcPlatform, "X11 hook: keyboard grab failed (%d), keys are observed only", result);
    } else {
        XUngrabKeyboard(m_control, CurrentTime);
        m_grabbed = false;
    }
    XSync(m_control, False);
}

void X11HookBackend::onDataReadable()
{
    if (!m_data)
        return;
    XRecordProcessReplies(m_data);
    deliverPending();
}

void X11HookBackend::onControlReadable()
{
    // Key events of the grab arrive here; the recorded copies are what counts.
    while (m_control && XPending(m_control)) {
        XEvent event;
        XNextEvent(m_control, &event);
    }
}

void X11HookBackend::queueRawEvent(const unsigned char *data, unsigned long length)
{
    if (!data || length < sizeof(xEvent))
        return;
    const auto *event = reinterpret_cast<const xEvent *>(data);
    RawEvent raw;
    raw.type = event->u.u.type & 0x7f;
    raw.detail = event->u.u.detail;
    raw.time = event->u.keyButtonPointer.time;
    raw.rootX = event->u.keyButtonPointer.rootX;
    raw.rootY = event->u.keyButtonPointer.rootY;
    raw.state = event->u.keyButtonPointer.state;
    if (raw.type >= KeyPress && raw.type <= ButtonRelease)
        m_pending.push_back(raw);
}

void X11HookBackend::deliverPending()
{
    // Detach the batch first: a receiver may stop the hook while it runs.
    std::vector<RawEvent> batch;
    batch.swap(m_pending);
    for (size_t i = 0; i < batch.size(); ++i) {
        const RawEvent &event = batch[i];
        const bool isKey = event.type == KeyPress || event.type == KeyRelease;
        // A server that repeats a held key as release and press with one
        // timestamp: the release is not a real one.
        if (event.type == KeyRelease && i + 1 < batch.size() && batch[i + 1].type == KeyPress
            && batch[i + 1].detail == event.detail && batch[i + 1].time == event.time)
            continue;
        if (isKey)
            deliverKey(event);
        else
            deliverButton(event);
    }
}

void X11HookBackend::deliverKey(const RawEvent &event)
{
    if (!m_keyboardSink)
        return;
    if (m_swallow && !m_grabbed)
        updateGrab();  // another client held the keyboard before; try again
    const bool press = event.type == KeyPress;
    const bool numLockOn = event.state & m_numLockMask;
    const VirtualKey key = VirtualKeyTable::fromEvdev(event.detail - kKeycodeOffset, numLockOn);
    m_keyboardSink->keyboardEvent(m_keyState.record(key, press, event.time));
}

void X11HookBackend::deliverButton(const RawEvent &event)
{
    if (!m_mouseSink)
        return;
    const bool press = event.type == ButtonPress;
    for (const ButtonRow &row : kButtons) {
        if (row.button != event.detail)
            continue;
        const quint32 message = press ? row.down : row.up;
        if (!message)
            return;  // the release of a wheel step
        HookMouseRecord record;
        record.x = event.rootX;
        record.y = event.rootY;
        record.mouseData = quint32(quint16(row.highWord)) << 16;
        record.time = event.time;
        m_mouseSink->mouseEvent(message, record);
        return;
    }
}
