#pragma once

#include "platform/hookbackend.h"
#include "platform/hookkeystate.h"

#include <QByteArray>
#include <QObject>

#include <vector>

class QSocketNotifier;
struct _XDisplay;

// The X11 backend. It watches the server's key and button events through the
// RECORD extension on a connection of its own, read on the GUI thread as its
// socket becomes readable. RECORD only observes; while keys must be kept from
// other applications the backend also holds a keyboard grab, so the whole
// keyboard is taken (the lock keys still change their state in the server).
class X11HookBackend : public QObject, public HookBackend
{
    Q_OBJECT

public:
    // Error codes of failed installations.
    enum Error
    {
        NoDisplay = 1,
        NoRecordExtension = 2,
        RecordContextFailed = 3
    };

    // displayName empty: the DISPLAY of the environment.
    explicit X11HookBackend(const QByteArray &displayName = QByteArray(), QObject *parent = nullptr);
    ~X11HookBackend() override;

    // Whether a server with the RECORD extension can be reached.
    static bool isAvailable(const QByteArray &displayName = QByteArray());

    const char *name() const override { return "x11"; }
    bool installKeyboard(HookSink *sink) override;
    bool installMouse(HookSink *sink) override;
    void removeKeyboard() override;
    void removeMouse() override;
    void setSwallowKeys(bool on) override;

    bool isKeyboardGrabbed() const { return m_grabbed; }

private Q_SLOTS:
    void onDataReadable();
    void onControlReadable();

private:
    struct RawEvent
    {
        int type;
        int detail;
        quint32 time;
        qint16 rootX;
        qint16 rootY;
        quint16 state;
    };

    friend struct X11RecordTrampoline;
    void queueRawEvent(const unsigned char *data, unsigned long length);
    bool startRecording();
    void stopRecording();
    void closeDisplays();
    void updateGrab();
    void deliverPending();
    void deliverKey(const RawEvent &event);
    void deliverButton(const RawEvent &event);

    QByteArray m_displayName;
    _XDisplay *m_control = nullptr;
    _XDisplay *m_data = nullptr;
    unsigned long m_context = 0;
    QSocketNotifier *m_dataNotifier = nullptr;
    QSocketNotifier *m_controlNotifier = nullptr;
    HookSink *m_keyboardSink = nullptr;
    HookSink *m_mouseSink = nullptr;
    bool m_swallow = false;
    bool m_grabbed = false;
    unsigned int m_numLockMask = 0;
    HookKeyState m_keyState;
    std::vector<RawEvent> m_pending;
};
