#pragma once

#include <QPainterPath>
#include <QSize>

#include <functional>

class QWidget;

// Keeps a shaped top-level window (rounded frame, arrow pop-up) right on desktops
// without a compositing manager: there the window gets a mask of its painted
// shape, so the transparent margin is cut away instead of drawn black, and its
// graphics effect (a drop shadow in that margin) is switched off. With a
// compositor the mask is cleared and the soft edges and shadow show.
namespace WindowShape {

using Outline = std::function<QPainterPath(const QSize &size)>;

// Follows the window's shows and resizes with the outline for its size.
void follow(QWidget *window, Outline outline);

// A rounded rectangle filling the window, inset by margin on every side.
void followRoundedRect(QWidget *window, qreal radius, int margin = 0);

// Applies the mask rule once now (also used by follow on show and resize).
void update(QWidget *window);

}  // namespace WindowShape
