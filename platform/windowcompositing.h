#pragma once

// Whether the desktop composes translucent windows. Without a compositing manager
// an X server draws the transparent parts of a window black, so rounded and
// arrow-shaped windows must cut their shape out with a mask instead.
namespace WindowCompositing {

// True on platforms other than X11 (they compose or render off screen) and on X11
// while a compositing manager owns the _NET_WM_CM_S<screen> selection.
bool isActive();

}  // namespace WindowCompositing
