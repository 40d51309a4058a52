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
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    const QPointF end = m_width > m_height ? QPointF(m_width, 0) : QPointF(0, m_height);
    QLinearGradient gradient(QPointF(0, 0), end);
    gradient.setSpread(QGradient::RepeatSpread);
    gradient.setColorAt(0.0, Qt::transparent);
    gradient.setColorAt(0.5, m_color);
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
