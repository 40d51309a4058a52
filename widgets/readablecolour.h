#pragma once

#include <QColor>

// Text and marks that must stay readable on whatever a theme puts behind them.
// Contrast is the ratio of relative luminances (1:1 to 21:1) used for readable
// text: 4.5:1 for text, 3:1 for the parts of a control.
namespace ReadableColour {

constexpr double kTextContrast = 4.5;
// What a text colour chosen here aims at: the edges of drawn glyphs blend toward the
// background, so a colour at exactly kTextContrast draws a little below it.
constexpr double kDrawnTextContrast = 5.0;
constexpr double kMarkContrast = 3.0;

// Relative luminance of an opaque colour, 0 (black) to 1 (white).
double luminance(const QColor &colour);

// Contrast ratio of two opaque colours, 1 to 21, the same either way round.
double contrast(const QColor &a, const QColor &b);

// The wanted colour when it has at least minRatio against the background;
// otherwise the wanted colour moved toward black or white (whichever reads
// better on the background) just far enough to reach it, so it keeps its hue
// where it can.
QColor on(const QColor &background, const QColor &wanted, double minRatio = kTextContrast);

// "r,g,b" for the rgb() of a style sheet.
QString sheetText(const QColor &colour);

}  // namespace ReadableColour
