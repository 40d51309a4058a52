#pragma once

#include "platform/hookrecords.h"

#include <memory>

// Receives what a hook backend observes. Called on the GUI thread.
class HookSink
{
public:
    virtual ~HookSink() = default;
    // Returns true when the key should not reach other applications.
    virtual bool keyboardEvent(const HookKeyRecord &record) = 0;
    virtual void mouseEvent(quint32 message, const HookMouseRecord &record) = 0;
};

// A source of system-wide keyboard and mouse events. The keyboard and the mouse
// are installed and removed separately, like the two hooks of the system the
// event shapes come from; a backend delivers events only while installed.
class HookBackend
{
public:
    virtual ~HookBackend() = default;

    virtual const char *name() const = 0;
    // Both return false on failure, with errorCode() telling why.
    virtual bool installKeyboard(HookSink *sink) = 0;
    virtual bool installMouse(HookSink *sink) = 0;
    virtual void removeKeyboard() = 0;
    virtual void removeMouse() = 0;
    // Whether keys should be kept from other applications. Backends that can drop
    // single events follow the sink's answer per key and ignore this; the others
    // take the whole keyboard while it is on.
    virtual void setSwallowKeys(bool on) { (void)on; }
    long errorCode() const { return m_errorCode; }

    // The X11 backend where the application runs on X11, else the in-application one.
    static std::unique_ptr<HookBackend> createDefault();

protected:
    long m_errorCode = 0;
};
