#include "widgets/slidercustomwidget.h"

#include "widgets/accessiblecontrols.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

namespace {

constexpr int kSnapDistance = 5;  // a press strictly closer than this to a tick snaps to it
constexpr int kHandleRadius = 6;

}  // namespace

sliderCustomWidget::sliderCustomWidget(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(130, 30);
    publishValue();
}

void sliderCustomWidget::publishValue()
{
    AccessibleControls::ValueSource source;
    source.current = [this] { return position(); };
    source.maximum = qMax(1, m_stepCount);
    // Tools move the handle as a press on a tick does, and the owner hears of it.
    source.set = [this](double value) {
        const int index = qRound(value);
        if (index >= 0 && index < m_ticks.size())
            moveHandleTo(index);
    };
    AccessibleControls::publishValue(this, source);
}

int sliderCustomWidget::position() const
{
    const int steps = qMax(1, m_stepCount);
    const int step = qMax(1, (width() - 2 * m_sideMargin) / steps);
    return qBound(0, qRound(double(m_handleX - m_sideMargin) / step), steps);
}

void sliderCustomWidget::setFixedSize(int w, int h)
{
    QWidget::setFixedSize(w, h);
    m_lineEndX = w - m_sideMargin;
    m_handleY = h / 2 - 1;
    m_lineY = h / 2;
}

void sliderCustomWidget::setStepCount(int n)
{
    if (n <= 0)
        return;
    m_stepCount = n;
    const int span = width() - 2 * m_sideMargin;
    const int step = span / n;
    m_ticks.clear();
    for (int i = 0; i <= n; ++i)
        m_ticks.append(m_sideMargin + i * step);
    // When the span does not divide evenly the groove ends at the last tick.
    m_lineEndX = (span % n != 0) ? n * step + m_sideMargin : width() - m_sideMargin;
    publishValue();
}

void sliderCustomWidget::setPosition(int index)
{
    const int steps = qMax(1, m_stepCount);
    index = qBound(0, index, steps);
    m_handleX = index * ((width() - 2 * m_sideMargin) / steps) + m_sideMargin;
    AccessibleControls::valueChanged(this);
    update();
}

void sliderCustomWidget::setLineColor(QColor color)
{
    m_lineColor = color;
    update();
}

void sliderCustomWidget::setTickColor(QColor color)
{
    m_tickColor = color;
    update();
}

void sliderCustomWidget::setHandleColor(QColor color)
{
    m_handleColor = color;
    update();
}

void sliderCustomWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_lineColor, 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawLine(m_sideMargin, m_lineY, m_lineEndX, m_lineY);
    painter.setPen(QPen(m_tickColor, 3.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    for (int x : qAsConst(m_ticks))
        painter.drawLine(x, m_lineY - 3, x, m_lineY - 1);

    QRadialGradient glow(m_handleX, m_handleY, kHandleRadius, m_handleX, m_handleY);
    glow.setColorAt(0, m_handleColor);
    glow.setColorAt(1, Qt::transparent);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(m_handleX - kHandleRadius, m_handleY - kHandleRadius, 2 * kHandleRadius, 2 * kHandleRadius);
    if (hasFocus()) {
        // A ring round the handle shows where the keyboard works.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(m_handleColor, 1.5));
        const int ring = kHandleRadius + 3;
        painter.drawEllipse(QPoint(m_handleX, m_handleY), ring, ring);
    }
    painter.end();
    QWidget::paintEvent(event);
}

void sliderCustomWidget::moveHandleTo(int index)
{
    m_handleX = m_ticks.at(index);
    AccessibleControls::valueChanged(this);
    emit sigBackCurrentPositionNum(index);
    update();
}

bool sliderCustomWidget::snapToTickNear(int x)
{
    for (int i = 0; i < m_ticks.size(); ++i) {
        if (x - kSnapDistance < m_ticks.at(i) && m_ticks.at(i) < x + kSnapDistance) {
            moveHandleTo(i);
            return true;
        }
    }
    return false;
}

void sliderCustomWidget::mousePressEvent(QMouseEvent *event)
{
    const int x = event->pos().x();
    if (snapToTickNear(x))
        return;
    // Far from every tick: one step towards the press.
    if (x > m_handleX) {
        for (int i = 0; i < m_ticks.size(); ++i) {
            if (m_ticks.at(i) > m_handleX) {
                moveHandleTo(i);
                return;
            }
        }
    } else if (x < m_handleX) {
        for (int i = m_ticks.size() - 1; i >= 0; --i) {
            if (m_ticks.at(i) < m_handleX) {
                moveHandleTo(i);
                return;
            }
        }
    }
}

void sliderCustomWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() != Qt::NoButton)
        snapToTickNear(event->pos().x());
}

void sliderCustomWidget::keyPressEvent(QKeyEvent *event)
{
    const int last = m_ticks.size() - 1;
    if (last < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int page = qMax(2, (last + 2) / 4);
    const int current = position();
    int target = current;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down: target = current - 1; break;
    case Qt::Key_Right:
    case Qt::Key_Up: target = current + 1; break;
    case Qt::Key_PageDown: target = current - page; break;
    case Qt::Key_PageUp: target = current + page; break;
    case Qt::Key_Home: target = 0; break;
    case Qt::Key_End: target = last; break;
    default: QWidget::keyPressEvent(event); return;
    }
    target = qBound(0, target, last);
    if (target != current || m_handleX != m_ticks.at(target))
        moveHandleTo(target);
    event->accept();
}

void sliderCustomWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void sliderCustomWidget::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}
