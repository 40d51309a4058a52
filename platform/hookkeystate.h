#pragma once

#include "platform/hookrecords.h"
#include "platform/virtualkeytable.h"

// Builds the hook record of a key event and keeps what the record's flags
// depend on across events: whether an Alt key is held. The Alt key's own press
// already carries the Alt flag; its release no longer does.
class HookKeyState
{
public:
    HookKeyRecord record(const VirtualKey &key, bool press, quint32 time);
    void reset();

private:
    bool m_leftAltDown = false;
    bool m_rightAltDown = false;
};
