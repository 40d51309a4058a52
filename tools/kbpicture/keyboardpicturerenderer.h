#pragma once

#include "keyboardview/keylayoutfile.h"

#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

// Draws a keyboard picture from a layout: the case, the plate, one cap per key
// with its legend, light strips in the rim of models with side lights, and the
// mode indicator of picture variants. Picture pixels are layout pixels, so every
// key button of the application lies exactly on its cap.
class KeyboardPictureRenderer
{
public:
    // variant < 0: the plain picture; 0..2: the mode indicator shows that mode.
    static QImage render(const KeyLayout &layout, const QSize &size, int variant);

private:
    static void drawCase(QPainter &p, const QSize &size, bool sideLights);
    static void drawModeIndicator(QPainter &p, const QSize &size, int variant);
    static void drawKey(QPainter &p, const KeyLayoutKey &key);
    static void drawKnob(QPainter &p, const KeyLayoutKey &key);
    static void drawTurnArrow(QPainter &p, const QRectF &face, bool clockwise);
    static void drawArrowKey(QPainter &p, const QRectF &face, int angle);
    static void drawLegend(QPainter &p, const QRectF &face, const QString &caption);
};
