#pragma once
// Set-up that the fuzz targets share.

#include "platform/applauncher.h"
#include "platform/pastebackend.h"

class QTemporaryDir;

namespace fuzzsupport {

// Drops the program's log lines, which would bury the fuzzer's own output.
void silenceMessages();

// A temporary folder made the home, XDG config and XDG data folder, so nothing
// the code under test writes reaches the real user's files. It lives as long
// as the process.
QTemporaryDir *privateHome();

// Nothing leaves the fuzzer: no clipboard, no keystrokes, no processes.
class NoPaste : public PasteBackend
{
public:
    void setClipboardText(const QString &) override { }
    bool typePasteShortcut() override { return true; }
};

class NoLaunch : public AppLaunchBackend
{
public:
    bool startDetached(const QString &) override { return true; }
    bool openUrl(const QUrl &) override { return true; }
};

}  // namespace fuzzsupport
