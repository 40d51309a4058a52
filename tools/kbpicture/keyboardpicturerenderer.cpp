#include "keyboardpicturerenderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace {

const QColor kCaseTop(52, 55, 70);
const QColor kCaseBottom(30, 31, 42);
const QColor kPlate(20, 21, 29);
const QColor kCapSkirt(44, 47, 60);
const QColor kCapTop(86, 90, 108);
const QColor kCapBottom(68, 72, 88);
const QColor kAccentTop(255, 159, 67);
const QColor kAccentBottom(226, 120, 24);
const QColor kLegend(236, 237, 242);
const QColor kAccentLegend(40, 26, 12);

constexpr int kRim = 12;

QFont legendFont(qreal pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

bool isAccentKey(int code)
{
    return code == 41 || code == 40;  // Esc and Enter
}

// The legend as printed on the cap: keypad keys without their "Num" prefix.
QString printedLegend(const QString &caption)
{
    if (caption == QLatin1String("NumEnter"))
        return QStringLiteral("Enter");
    if (caption.startsWith(QLatin1String("Num")) && caption != QLatin1String("NumLk") && caption.size() > 3)
        return caption.mid(3);
    if (caption == QLatin1String("Space"))
        return QString();
    return caption;
}

}  // namespace

QImage KeyboardPictureRenderer::render(const KeyLayout &layout, const QSize &size, int variant)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    drawCase(p, size, layout.sideLightHave);
    if (variant >= 0)
        drawModeIndicator(p, size, variant);
    for (const KeyLayoutKey &key : layout.keys) {
        if (key.code != 0 && key.width > 0 && key.height > 0)
            drawKey(p, key);
    }
    return image;
}

void KeyboardPictureRenderer::drawCase(QPainter &p, const QSize &size, bool sideLights)
{
    const QRectF outer(0.5, 0.5, size.width() - 1, size.height() - 1);
    QLinearGradient body(outer.topLeft(), outer.bottomLeft());
    body.setColorAt(0, kCaseTop);
    body.setColorAt(1, kCaseBottom);
    p.setPen(QPen(QColor(96, 100, 122), 1));
    p.setBrush(body);
    p.drawRoundedRect(outer, 10, 10);

    if (sideLights) {
        // Frosted diffusers in the rim, where the light strips shine through.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 156, 190, 60));
        p.drawRoundedRect(QRectF(1.5, 14, 6, size.height() - 28), 3, 3);
        p.drawRoundedRect(QRectF(size.width() - 7.5, 14, 6, size.height() - 28), 3, 3);
        p.drawRoundedRect(QRectF(18, size.height() - 7.5, size.width() - 36, 6), 3, 3);
    }

    const QRectF plate(kRim - 2, kRim - 2, size.width() - 2 * (kRim - 2), size.height() - 2 * (kRim - 2));
    p.setPen(QPen(QColor(12, 12, 18), 1));
    p.setBrush(kPlate);
    p.drawRoundedRect(plate, 4, 4);
}

void KeyboardPictureRenderer::drawModeIndicator(QPainter &p, const QSize &size, int variant)
{
    // Three small lamps in the top rim; the lit one is the keyboard's mode.
    for (int i = 0; i < 3; ++i) {
        const QPointF centre(size.width() - 60 + i * 12, kRim / 2.0);
        const bool lit = i == variant;
        p.setPen(QPen(QColor(10, 10, 14), 1));
        p.setBrush(lit ? QColor(90, 230, 120) : QColor(60, 64, 76));
        p.drawEllipse(centre, 3, 3);
    }
}

void KeyboardPictureRenderer::drawKey(QPainter &p, const KeyLayoutKey &key)
{
    const QRectF cap(key.posX + 0.5, key.posY + 0.5, key.width - 1, key.height - 1);
    if (key.code == 800) {
        drawKnob(p, key);
        return;
    }
    const bool accent = isAccentKey(key.code);
    p.setPen(QPen(QColor(10, 10, 14), 1));
    p.setBrush(kCapSkirt);
    p.drawRoundedRect(cap, 4, 4);

    const QRectF face = cap.adjusted(2.5, 1.5, -2.5, -4.5);
    QLinearGradient top(face.topLeft(), face.bottomLeft());
    top.setColorAt(0, accent ? kAccentTop : kCapTop);
    top.setColorAt(1, accent ? kAccentBottom : kCapBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(top);
    p.drawRoundedRect(face, 3, 3);

    p.setPen(accent ? kAccentLegend : kLegend);
    p.setBrush(accent ? kAccentLegend : kLegend);
    switch (key.code) {
    case 801: drawTurnArrow(p, face, false); break;
    case 802: drawTurnArrow(p, face, true); break;
    case 82: drawArrowKey(p, face, 0); break;
    case 79: drawArrowKey(p, face, 90); break;
    case 81: drawArrowKey(p, face, 180); break;
    case 80: drawArrowKey(p, face, 270); break;
    default: drawLegend(p, face, printedLegend(key.caption)); break;
    }
}

void KeyboardPictureRenderer::drawKnob(QPainter &p, const KeyLayoutKey &key)
{
    const QPointF centre(key.posX + key.width / 2.0, key.posY + key.height / 2.0);
    const qreal r = qMin(key.width, key.height) / 2.0 + 1;
    QRadialGradient metal(centre - QPointF(r / 3, r / 3), r * 1.6);
    metal.setColorAt(0, QColor(214, 218, 230));
    metal.setColorAt(0.6, QColor(132, 137, 152));
    metal.setColorAt(1, QColor(70, 74, 88));
    p.setPen(QPen(QColor(10, 10, 14), 1));
    p.setBrush(metal);
    p.drawEllipse(centre, r, r);
    // Knurled edge.
    p.setPen(QPen(QColor(60, 63, 76), 1));
    for (int i = 0; i < 24; ++i) {
        const qreal a = i * M_PI / 12;
        p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * (r - 3),
                   centre + QPointF(std::cos(a), std::sin(a)) * r);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 63, 76));
    p.drawEllipse(centre + QPointF(0, -r + 6), 1.5, 1.5);
}

void KeyboardPictureRenderer::drawTurnArrow(QPainter &p, const QRectF &face, bool clockwise)
{
    const QPointF c = face.center();
    const qreal r = qMin(face.width(), face.height()) / 3.2;
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(p.pen().color(), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(box, 120 * 16, (clockwise ? -1 : 1) * -300 * 16);
    // Arrow head at the arc's end.
    const qreal endDeg = clockwise ? 180.0 : 60.0;
    const qreal a = qDegreesToRadians(endDeg);
    const QPointF tip = c + QPointF(std::cos(a) * r, -std::sin(a) * r);
    const qreal dir = clockwise ? 1.0 : -1.0;
    QPainterPath head;
    head.moveTo(tip + QPointF(-3.2, dir * 0.5));
    head.lineTo(tip + QPointF(3.2, dir * 0.5));
    head.lineTo(tip + QPointF(0, dir * 4.0));
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(p.pen().color().isValid() ? kLegend : kLegend));
    p.drawPath(head);
    p.restore();
}

void KeyboardPictureRenderer::drawArrowKey(QPainter &p, const QRectF &face, int angle)
{
    p.save();
    p.translate(face.center());
    p.rotate(angle);
    QPainterPath arrow;
    arrow.moveTo(0, -5);
    arrow.lineTo(4.5, 2.5);
    arrow.lineTo(-4.5, 2.5);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.drawPath(arrow);
    p.restore();
}

void KeyboardPictureRenderer::drawLegend(QPainter &p, const QRectF &face, const QString &caption)
{
    if (caption.isEmpty())
        return;
    // Two-symbol keys: the shifted symbol above the plain one.
    QString upper, lower;
    if (caption.size() == 2 && !caption.at(1).isLetterOrNumber()) {
        lower = caption.left(1);
        upper = caption.mid(1);
    } else if (caption.size() == 3 && caption.at(1) == QLatin1Char(' ')) {
        lower = caption.left(1);
        upper = caption.right(1);
    }
    if (!upper.isEmpty()) {
        p.setFont(legendFont(9, true));
        p.drawText(QRectF(face.left(), face.top() + 1, face.width(), face.height() / 2), Qt::AlignCenter, upper);
        p.drawText(QRectF(face.left(), face.center().y() - 1, face.width(), face.height() / 2), Qt::AlignCenter, lower);
        return;
    }
    // Single letters large; words as large as fit the cap.
    qreal size = caption.size() == 1 ? 11 : 8.5;
    QFont font = legendFont(size, true);
    while (size > 5 && QFontMetricsF(font).horizontalAdvance(caption) > face.width() - 3) {
        size -= 0.5;
        font = legendFont(size, true);
    }
    p.setFont(font);
    p.drawText(face, Qt::AlignCenter, caption);
}
