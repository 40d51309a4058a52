#pragma once

#include <QString>

class QWidget;

// Clicks a widget the way a user does: scrolls it into view where a scroll area
// holds it, takes the point at its centre in its window, and clicks whatever the
// window shows there (a widget drawn over it takes the click). Empty when the
// click reached target; otherwise what was hit instead.
QString clickWhereShown(QWidget *target);
