#pragma once

// Synthesised key presses through the X server's XTEST extension.
namespace XTestKeystroke {

// Ctrl down, V down, V up, Ctrl up, delivered to the window that has the focus. False when
// no X display can be opened, the server lacks XTEST, or the keymap has no V key.
bool typeCtrlV();

}  // namespace XTestKeystroke
