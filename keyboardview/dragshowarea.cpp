#include "keyboardview/dragshowarea.h"

#include <QMouseEvent>
#include <QPainter>

dragShowArea::dragShowArea(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void dragShowArea::setColor(int red, int green, int blue)
{
    m_red = red;
    m_green = green;
    m_blue = blue;
}

QPoint dragShowArea::clampToContents(const QPoint &p) const
{
    const QRect contents = contentsRect();
    const int x = qMin(qMax(p.x(), 0), contents.width());
    const int y = qMin(qMax(p.y(), 0), contents.height());
    return QPoint(x, y);
}

void dragShowArea::mousePressEvent(QMouseEvent *event)
{
    if (!m_dragEnabled)
        return;
    if (event->button() == Qt::LeftButton) {
        if (m_singleKeyMode) {
            m_dragging = false;
            Q_EMIT sigDragAreaMousePressOrRelease(true);
        } else {
            m_start = m_end = m_current = event->pos();
            m_dragging = true;
        }
    } else if (event->button() == Qt::RightButton) {
        Q_EMIT sigDragArea(0, 0, 0, 0);
    }
}

void dragShowArea::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragEnabled)
        return;
    if (!m_dragging) {
        Q_EMIT sigDragShowAreaMouseMovePoint(event->pos().x(), event->pos().y());
        return;
    }
    m_current = clampToContents(event->pos());
    update();
}

void dragShowArea::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_dragEnabled || event->button() != Qt::LeftButton)
        return;
    if (m_singleKeyMode) {
        Q_EMIT sigDragAreaMousePressOrRelease(false);
        Q_EMIT sigDragShowAreaMouseMovePoint(event->pos().x(), event->pos().y());
        return;
    }
    m_end = event->pos();
    m_dragging = false;
    update();
    const QPoint end = clampToContents(m_end);
    Q_EMIT sigDragArea(m_start.x(), m_start.y(), end.x(), end.y());
}

QRect dragShowArea::bandRect() const
{
    int w = m_current.x() - m_start.x();
    int h = m_current.y() - m_start.y();
    if (w < 0)
        w += 2;
    if (h < 0)
        h += 2;
    if (w > 0)
        w -= 2;
    if (h > 0)
        h -= 2;
    return QRect(m_start.x(), m_start.y(), w, h);
}

void dragShowArea::paintEvent(QPaintEvent *)
{
    if (!m_dragEnabled || !m_dragging)
        return;
    const QRect band = bandRect();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QBrush(QColor(m_red, m_green, m_blue, 255)), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.setBrush(QColor(m_red, m_green, m_blue, 100));
    p.drawRect(band);
}
