#pragma once

#include <QString>

// How a text the keyboard asks for reaches the focused application: it is put on the
// clipboard and Ctrl+V is typed. Tests hand the device link a backend of their own, so no
// real keystrokes leave a test.
class PasteBackend
{
public:
    virtual ~PasteBackend() = default;

    virtual void setClipboardText(const QString &text) = 0;
    // Types Ctrl+V into whatever has the keyboard focus. False when this desktop lets the
    // application type nothing there (the text then stays on the clipboard).
    virtual bool typePasteShortcut() = 0;

    // The process-wide backend: the application clipboard; Ctrl+V through the X server's
    // test extension on X11, otherwise into the application's own focused object.
    static PasteBackend *system();
};
