#include "platform/apphookbackend.h"

#include "platform/virtualkeytable.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWindow>

namespace {

// X11 and Wayland hand Qt the keyboard's X keycode, which names the physical key.
bool nativeCodesAreXKeycodes()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

struct ButtonRow
{
    Qt::MouseButton button;
    quint32 down;
    quint32 up;
    quint32 extraButton;  // high word of mouseData for the extra buttons
};

constexpr ButtonRow kButtons[] = {
    {Qt::LeftButton, HookMessage::LeftButtonDown, HookMessage::LeftButtonUp, 0},
    {Qt::RightButton, HookMessage::RightButtonDown, HookMessage::RightButtonUp, 0},
    {Qt::MiddleButton, HookMessage::MiddleButtonDown, HookMessage::MiddleButtonUp, 0},
    {Qt::BackButton, HookMessage::ExtraButtonDown, HookMessage::ExtraButtonUp, 1},
    {Qt::ForwardButton, HookMessage::ExtraButtonDown, HookMessage::ExtraButtonUp, 2},
};

}  // namespace

AppHookBackend::AppHookBackend(QObject *parent) : QObject(parent)
{ }

AppHookBackend::~AppHookBackend()
{
    m_keyboardSink = nullptr;
    m_mouseSink = nullptr;
    updateFilter();
}

bool AppHookBackend::installKeyboard(HookSink *sink)
{
    if (!QCoreApplication::instance()) {
        m_errorCode = 1;
        return false;
    }
    m_keyboardSink = sink;
    m_keyState.reset();
    updateFilter();
    return true;
}

bool AppHookBackend::installMouse(HookSink *sink)
{
    if (!QCoreApplication::instance()) {
        m_errorCode = 1;
        return false;
    }
    m_mouseSink = sink;
    updateFilter();
    return true;
}

void AppHookBackend::removeKeyboard()
{
    m_keyboardSink = nullptr;
    updateFilter();
}

void AppHookBackend::removeMouse()
{
    m_mouseSink = nullptr;
    updateFilter();
}

void AppHookBackend::updateFilter()
{
    QCoreApplication *app = QCoreApplication::instance();
    const bool wanted = app && (m_keyboardSink || m_mouseSink);
    if (wanted == m_filtering)
        return;
    if (wanted)
        app->installEventFilter(this);
    else if (app)
        app->removeEventFilter(this);
    m_filtering = wanted;
}

bool AppHookBackend::eventFilter(QObject *watched, QEvent *event)
{
    // Input reaches its top-level window first and is then passed on to widgets;
    // looking at the window alone sees every event once.
    if (!qobject_cast<QWindow *>(watched))
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return m_keyboardSink && keyEvent(static_cast<QKeyEvent *>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        if (m_mouseSink)
            mouseButtonEvent(static_cast<QMouseEvent *>(event));
        return false;
    case QEvent::Wheel:
        if (m_mouseSink)
            wheelEvent(static_cast<QWheelEvent *>(event));
        return false;
    default: return false;
    }
}

bool AppHookBackend::keyEvent(QKeyEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress;
    // A held key repeats as presses only; the releases the platform puts between
    // the repeats are not key releases.
    if (!press && event->isAutoRepeat())
        return false;

    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    VirtualKey key;
    if (nativeCodesAreXKeycodes() && event->nativeScanCode() >= 8) {
        bool numLockOn = true;
        VirtualKeyTable::evdevFromQtKey(event->key(), keypad, &numLockOn);
        key = VirtualKeyTable::fromEvdev(int(event->nativeScanCode()) - 8, numLockOn);
    } else {
        key = VirtualKeyTable::fromQtKey(event->key(), keypad);
    }
    return m_keyboardSink->keyboardEvent(m_keyState.record(key, press, quint32(event->timestamp())));
}

void AppHookBackend::mouseButtonEvent(QMouseEvent *event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    for (const ButtonRow &row : kButtons) {
        if (row.button != event->button())
            continue;
        HookMouseRecord record;
        record.x = event->globalPos().x();
        record.y = event->globalPos().y();
        record.mouseData = row.extraButton << 16;
        record.time = quint32(event->timestamp());
        m_mouseSink->mouseEvent(press ? row.down : row.up, record);
        return;
    }
}

void AppHookBackend::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    HookMouseRecord record;
    record.x = event->globalPosition().toPoint().x();
    record.y = event->globalPosition().toPoint().y();
    record.time = quint32(event->timestamp());
    if (delta.y() != 0) {
        record.mouseData = quint32(quint16(qint16(delta.y()))) << 16;
        m_mouseSink->mouseEvent(HookMessage::Wheel, record);
    }
    if (delta.x() != 0) {
        record.mouseData = quint32(quint16(qint16(delta.x()))) << 16;
        m_mouseSink->mouseEvent(HookMessage::HorizontalWheel, record);
    }
}
