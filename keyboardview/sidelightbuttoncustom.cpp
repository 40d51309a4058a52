#include "keyboardview/sidelightbuttoncustom.h"

#include <QLinearGradient>
#include <QPainter>

sideLightButtonCustom::sideLightButtonCustom(QWidget *parent) : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setColor(QColor(0, 0, 0, 128));
}

void sideLightButtonCustom::setSegmentSize(int w, int h)
{
    m_width = w;
    m_height = h;
    setFixedSize(w, h);
}

void sideLightButtonCustom::setSegmentPosition(int x, int y)
{
    m_posX = x;
    m_posY = y;
    m_positionPoint = QPoint(x, y);
}

void sideLightButtonCustom::setSegmentInfo(int index, int validStatus)
{
    m_index = index;
    m_validStatus = validStatus;
    setAccessibleName(QObject::tr("Side light %1").arg(index));
}

void sideLightButtonCustom::setRounded(bool rounded)
{
    m_rounded = rounded;
    update();
}

void sideLightButtonCustom::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void sideLightButtonCustom::paintEvent(QPaintEvent *)
{
    // A square segment has no long side to spread the light along.
    if (m_width == m_height)
        return;
    // The light preview repaints every segment many times a second: the soft shape is
    // drawn once per size, and each paint only tints it with the current colour.
    const QSize size(m_width, m_height);
    if (m_shape.size() != size || m_shapeRounded != m_rounded) {
        m_shape = QImage(size, QImage::Format_ARGB32_Premultiplied);
        m_shape.fill(Qt::transparent);
        QPainter shape(&m_shape);
        paintShape(shape, Qt::white);
        m_shapeRounded = m_rounded;
        m_tinted = QImage(size, QImage::Format_ARGB32_Premultiplied);
    }
    const QRgb colour = qPremultiply(m_color.rgba());
    QRgb tint[256];
    for (uint w = 0; w < 256; ++w)
        tint[w] = qRgba(int((qRed(colour) * w + 127) / 255), int((qGreen(colour) * w + 127) / 255),
                        int((qBlue(colour) * w + 127) / 255), int((qAlpha(colour) * w + 127) / 255));
    for (int y = 0; y < size.height(); ++y) {
        const QRgb *weight = reinterpret_cast<const QRgb *>(m_shape.constScanLine(y));
        QRgb *out = reinterpret_cast<QRgb *>(m_tinted.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            out[x] = tint[qAlpha(weight[x])];
    }
    QPainter p(this);
    p.drawImage(0, 0, m_tinted);
}

void sideLightButtonCustom::paintShape(QPainter &p, const QColor &colour) const
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    const QPointF end = m_width > m_height ? QPointF(m_width, 0) : QPointF(0, m_height);
    QLinearGradient gradient(QPointF(0, 0), end);
    gradient.setSpread(QGradient::RepeatSpread);
    gradient.setColorAt(0.0, Qt::transparent);
    gradient.setColorAt(0.5, colour);
    gradient.setColorAt(1.0, Qt::transparent);
    p.setBrush(gradient);
    const QRectF area(0, 0, m_width, m_height);
    if (m_rounded) {
        const qreal radius = m_width / 2.0 - 1;
        p.drawRoundedRect(area, radius, radius);
    } else {
        p.drawRect(area);
    }
}
