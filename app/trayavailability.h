#pragma once

// Whether the desktop shows a system tray now. Asked each time it matters (a
// tray can come and go while the program runs); tests put their own answer in.
namespace TrayAvailability {

bool isAvailable();
// nullptr restores the desktop's own answer.
void setProbe(bool (*probe)());

}  // namespace TrayAvailability
