#pragma once

#include "platform/hookbackend.h"
#include "platform/hookkeystate.h"

#include <QObject>

// The backend where no system-wide source exists (Wayland, offscreen): an event
// filter on the application, so only input to the application's own windows is
// seen. Swallowed keys do not reach the application's widgets.
class AppHookBackend : public QObject, public HookBackend
{
    Q_OBJECT

public:
    explicit AppHookBackend(QObject *parent = nullptr);
    ~AppHookBackend() override;

    const char *name() const override { return "application"; }
    bool installKeyboard(HookSink *sink) override;
    bool installMouse(HookSink *sink) override;
    void removeKeyboard() override;
    void removeMouse() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyEvent(class QKeyEvent *event);
    void mouseButtonEvent(class QMouseEvent *event);
    void wheelEvent(class QWheelEvent *event);
    void updateFilter();

    HookSink *m_keyboardSink = nullptr;
    HookSink *m_mouseSink = nullptr;
    bool m_filtering = false;
    HookKeyState m_keyState;
};
