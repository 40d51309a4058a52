#include "keyboardview/keyboardbutcustom.h"

#include <QHash>
#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <algorithm>

namespace {

const QColor kTransparent(0, 0, 0, 0);
const QColor kUnselectableFill(200, 0, 0, 50);
const QColor kUnselectableBorder(200, 0, 0, 255);

// A light colour counts as unlit when red, green and blue are all 0.
bool isLit(const QColor &c)
{
    return c.red() != 0 || c.green() != 0 || c.blue() != 0;
}

}  // namespace

keyboardButCustom::keyboardButCustom(QWidget *parent) : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

keyboardButCustom::~keyboardButCustom() = default;

bool keyboardButCustom::isRotaryCode(int code)
{
    static const int kCodes[] = {800, 801, 802, 850, 851, 852, 901, 902, 950, 951};
    return std::find(std::begin(kCodes), std::end(kCodes), code) != std::end(kCodes);
}

QColor keyboardButCustom::withFillAlpha(QColor color)
{
    color.setAlpha(50);
    return color;
}

void keyboardButCustom::setKeySize(int w, int h)
{
    m_keyWidth = w;
    m_keyHeight = h;
    setFixedSize(w, h);
    updateEnterMask();
}

void keyboardButCustom::setKeyPosition(int x, int y)
{
    m_posX = x;
    m_posY = y;
    m_positionPoint = QPoint(x, y);
}

void keyboardButCustom::setKeyInfo(int code, const QString &caption)
{
    m_keyCode = code;
    m_caption = caption;
    // Screen readers and desktop automation find the key by its caption.
    setAccessibleName(caption);
}

void keyboardButCustom::setMatrixPosition(int row, int column)
{
    m_row = row;
    m_column = column;
}

void keyboardButCustom::setSpecialEnter(bool special)
{
    m_specialEnter = special;
    updateEnterMask();
}

void keyboardButCustom::setSpecialEnterShape(int shape)
{
    m_enterShape = shape;
    updateEnterMask();
}

void keyboardButCustom::setSpecialEnterOffset(int dx, int dy)
{
    m_enterDx = dx;
    m_enterDy = dy;
    m_lowerWidth = m_keyWidth - dx;
    m_lowerHeight = m_keyHeight - dy;
    updateEnterMask();
}

// Outside the L shape, mouse events and drawing belong to the widgets below.
void keyboardButCustom::updateEnterMask()
{
    if (!m_specialEnter || m_enterShape != 1) {
        clearMask();
        return;
    }
    const int W = m_keyWidth, H = m_keyHeight, dx = m_enterDx, dy = m_enterDy;
    QPolygon outline;
    outline << QPoint(0, dy + 3) << QPoint(dx - 3, dy + 3) << QPoint(dx - 3, H) << QPoint(W, H) << QPoint(W, 0)
            << QPoint(0, 0) << QPoint(0, dy);
    setMask(QRegion(outline, Qt::OddEvenFill));
}

void keyboardButCustom::setThemeColors(const QColor &selectedColor, const QColor &themeColor)
{
    m_selectedFill = withFillAlpha(selectedColor);
    m_selectedBorder = selectedColor;
    m_hoverFill = withFillAlpha(themeColor);
    m_hoverBorder = themeColor;
    m_assignedFill = withFillAlpha(themeColor);
    m_assignedBorder = themeColor;
    m_markColor = themeColor;
    update();
}

void keyboardButCustom::setAssignedFillColor(const QColor &color)
{
    m_assignedFill = withFillAlpha(color);
}

void keyboardButCustom::setAssignedBorderColor(const QColor &color)
{
    m_assignedBorder = color;
}

void keyboardButCustom::setAssigned(bool assigned)
{
    m_assigned = assigned;
    update();
}

void keyboardButCustom::setSelected(bool selected, bool repaint)
{
    m_selected = selected;
    if (repaint)
        update();
}

void keyboardButCustom::setHovered(bool hovered)
{
    m_hovered = hovered;
    update();
}

void keyboardButCustom::setDragSelected(bool selected)
{
    m_dragSelected = selected;
    update();
}

void keyboardButCustom::setTriggerView(bool on)
{
    m_triggerView = on;
    update();
}

void keyboardButCustom::setKeyColor(const QColor &color)
{
    setKeyColorQuietly(color);
    if (m_showKeyColor)
        update();
}

void keyboardButCustom::setKeyColorQuietly(const QColor &color)
{
    m_keyColor = m_showKeyColor ? color : kTransparent;
}

void keyboardButCustom::enterEvent(QEvent *event)
{
    m_hovered = true;
    Q_EMIT sigCustomButMouseEnter();
    update();
    QToolButton::enterEvent(event);
}

void keyboardButCustom::leaveEvent(QEvent *event)
{
    m_hovered = false;
    Q_EMIT sigCustomButMouseLeave();
    update();
    QToolButton::leaveEvent(event);
}

void keyboardButCustom::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setLayoutDirection(layoutDirection());  // a painter starts in the application's
    if (m_triggerView)
        paintTriggerView(p);
    else if (m_lightPreview)
        paintLightPreview(p);
    else
        paintNormal(p);
}

void keyboardButCustom::paintTriggerView(QPainter &p)
{
    drawOutline(p, m_keyColor, (m_selected || m_hovered) ? m_markColor : kTransparent);
}

void keyboardButCustom::paintLightPreview(QPainter &p)
{
    if (!m_showSelected) {
        const QColor c = (!m_specialEnter && isRotaryCode(m_keyCode)) ? kTransparent : m_keyColor;
        if (m_specialEnter)
            drawOutline(p, c, c);
        else
            drawTintedOutline(p, c);
        return;
    }
    const bool marked = m_hovered || m_dragSelected;
    if (isLit(m_keyColor))
        drawOutline(p, m_keyColor, marked ? m_markColor : m_keyColor);
    else
        drawOutline(p, kTransparent, marked ? m_markColor : kTransparent);
}

void keyboardButCustom::paintNormal(QPainter &p)
{
    if (m_assigned) {
        p.setBrush(Qt::transparent);
        drawOutline(p, m_assignedFill, m_assignedBorder);
    }
    if (m_selected) {
        m_workingFill = m_hovered ? m_hoverFill : m_selectedFill;
        m_workingBorder = m_hovered ? m_hoverBorder : m_selectedBorder;
        drawOutline(p, m_workingFill, m_workingBorder);
        return;  // the chosen key never shows the red "cannot be chosen" marking
    }
    if (m_hovered && m_showSelected) {
        m_workingFill = m_hoverFill;
        m_workingBorder = m_hoverBorder;
        drawOutline(p, m_workingFill, m_workingBorder);
    }
    if (!m_selectable)
        drawOutline(p, kUnselectableFill, kUnselectableBorder);
}

void keyboardButCustom::drawOutline(QPainter &p, const QColor &fill, const QColor &border)
{
    if (m_specialEnter)
        drawEnterOutline(p, fill, border);
    else
        drawRectOutline(p, fill, border);
}

void keyboardButCustom::drawRectOutline(QPainter &p, const QColor &fill, const QColor &border)
{
    p.fillRect(rect().adjusted(1, 1, -1, -1), fill);
    p.setPen(QPen(QBrush(border), 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.drawRoundedRect(QRectF(0, 0, m_keyWidth, m_keyHeight), 6.0, 6.0, Qt::AbsoluteSize);
}

// The light preview repaints every key many times a second. The key's face and outline
// are drawn once per size in white; each paint only tints them with the key's colour, the
// outline over the face as drawRectOutline draws them. A pixel's look depends only on the
// pair (face cover, outline cover), and a key has few distinct pairs: each paint works out
// the colour of every pair once and then copies colours.
void keyboardButCustom::drawTintedOutline(QPainter &p, const QColor &colour)
{
    if (colour.alpha() == 0)
        return;
    const QSize size = this->size();
    if (m_tinted.size() != size || m_maskKeySize != QSize(m_keyWidth, m_keyHeight))
        buildOutlineMask();
    const QRgb c = qPremultiply(colour.rgba());
    const uint channels[4] = {uint(qRed(c)), uint(qGreen(c)), uint(qBlue(c)), uint(qAlpha(c))};
    QVector<QRgb> pairColours(m_coverPairs.size());
    for (int i = 0; i < m_coverPairs.size(); ++i) {
        const uint f = m_coverPairs[i] >> 8, r = m_coverPairs[i] & 0xFF;
        const uint keep = 255 - (channels[3] * r + 127) / 255;  // what the outline leaves of the face
        uint v[4];
        for (int k = 0; k < 4; ++k)
            v[k] = (channels[k] * r + 127) / 255 + (((channels[k] * f + 127) / 255) * keep + 127) / 255;
        pairColours[i] = qRgba(int(v[0]), int(v[1]), int(v[2]), int(v[3]));
    }
    const quint16 *index = m_pixelPair.constData();
    for (int y = 0; y < size.height(); ++y) {
        QRgb *out = reinterpret_cast<QRgb *>(m_tinted.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            out[x] = pairColours[*index++];
    }
    p.drawImage(0, 0, m_tinted);
}

void keyboardButCustom::buildOutlineMask()
{
    const QSize size = this->size();
    QImage face(size, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QImage ring = face;
    {
        QPainter painter(&face);
        painter.fillRect(rect().adjusted(1, 1, -1, -1), Qt::white);
    }
    {
        QPainter painter(&ring);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QBrush(Qt::white), 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.drawRoundedRect(QRectF(0, 0, m_keyWidth, m_keyHeight), 6.0, 6.0, Qt::AbsoluteSize);
    }
    m_coverPairs.clear();
    m_pixelPair.resize(size.width() * size.height());
    QHash<quint16, quint16> seen;
    int n = 0;
    for (int y = 0; y < size.height(); ++y) {
        const QRgb *f = reinterpret_cast<const QRgb *>(face.constScanLine(y));
        const QRgb *r = reinterpret_cast<const QRgb *>(ring.constScanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const quint16 pair = quint16(qAlpha(f[x]) << 8 | qAlpha(r[x]));
            auto it = seen.constFind(pair);
            if (it == seen.constEnd()) {
                it = seen.insert(pair, quint16(m_coverPairs.size()));
                m_coverPairs.append(pair);
            }
            m_pixelPair[n++] = it.value();
        }
    }
    m_maskKeySize = QSize(m_keyWidth, m_keyHeight);
    m_tinted = QImage(size, QImage::Format_ARGB32_Premultiplied);
}

void keyboardButCustom::drawEnterOutline(QPainter &p, const QColor &fill, const QColor &border)
{
    if (m_enterShape != 1)
        return;
    const int W = m_keyWidth, H = m_keyHeight, dx = m_enterDx, dy = m_enterDy;
    const int w2 = m_lowerWidth;
    auto pen = [](const QColor &c, qreal width) {
        return QPen(QBrush(c), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    };

    // Inner corner edges, thinner than the outer outline.
    p.setPen(pen(border, 2.0));
    p.drawLine(5, dy, dx - 5, dy);
    p.drawLine(dx, dy + 5, dx, H - 5);
    // Outer edges.
    p.setPen(pen(border, 3.0));
    p.drawLine(dx + 5, H, W - 5, H);
    p.drawLine(W, H - 5, W, 5);
    p.drawLine(W - 5, 0, 5, 0);
    p.drawLine(0, dy - 5, 0, 5);
    // Rounded corners (angles in 1/16 degree).
    p.setPen(pen(border, 2.0));
    p.drawArc(QRect(0, dy - 10, 10, 10), -2880, 1440);
    p.drawArc(QRect(dx, H - 10, 10, 10), -2880, 1440);
    p.drawArc(QRect(dx - 10, dy, 10, 10), 5760, 1440);
    p.drawArc(QRect(W - 10, 0, 10, 10), 5760, 1440);
    p.drawArc(QRect(0, 0, 10, 10), 1440, 1440);
    p.drawArc(QRect(W - 10, H - 10, 10, 10), -1440, 1440);
    p.setPen(pen(fill, 2.0));
    p.drawArc(QRect(dx - 8, dy - 1, 10, 10), 5760, 1440);
    // The fill of both rectangles.
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRect(2, 2, W - 4, dy - 3), 6, 6, Qt::RelativeSize);
    p.drawRoundedRect(QRect(dx + 1, dy - 1, w2 - 3, H - dy - 1), 6, 6, Qt::RelativeSize);
}
