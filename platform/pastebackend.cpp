#include "platform/pastebackend.h"

#include "platform/xtestkeystroke.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>

namespace {

class SystemPasteBackend : public PasteBackend
{
public:
    void setClipboardText(const QString &text) override
    {
        if (QClipboard *clipboard = QGuiApplication::clipboard())
            clipboard->setText(text);
    }

    bool typePasteShortcut() override
    {
        // X11 lets a client type into any window; elsewhere (Wayland, offscreen) only a
        // window of our own can be reached, and then only while it has the focus.
        if (QGuiApplication::platformName() == QLatin1String("xcb") && XTestKeystroke::typeCtrlV())
            return true;
        QObject *focus = QGuiApplication::focusObject();
        if (!focus)
            return false;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        QCoreApplication::sendEvent(focus, &press);
        QCoreApplication::sendEvent(focus, &release);
        return true;
    }
};

}  // namespace

PasteBackend *PasteBackend::system()
{
    static SystemPasteBackend backend;
    return &backend;
}
