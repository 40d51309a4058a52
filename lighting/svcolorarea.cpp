#include "lighting/svcolorarea.h"
#include "widgets/accessiblecontrols.h"

#include <QConicalGradient>
#include <QCursor>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QScreen>
#include <QtMath>

#include <cmath>

SVColorArea::SVColorArea(QWidget *parent) : QWidget(parent)
{
    setFixedSize(120, 120);
    AccessibleControls::ValueSource source;
    source.current = [this] { return m_hue; };
    source.maximum = 359;
    source.text = [this] { return QColor::fromHsv(m_hue, m_saturation, m_value).name(); };
    AccessibleControls::publishValue(this, source);
    setAccessibleName(tr("Colour picker"));
    drawWheel();
}

void SVColorArea::drawWheel()
{
    const int side = m_diameter + 20;
    m_wheel = QPixmap(side, side);
    m_wheel.fill(Qt::transparent);
    QPainter p(&m_wheel);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    const QPointF centre(m_diameter / 2 + 20, m_diameter / 2 + 20);
    QConicalGradient hues(centre, -140);
    hues.setColorAt(0.00, QColor(0, 255, 0));
    hues.setColorAt(0.16, QColor(0, 255, 255));
    hues.setColorAt(0.32, QColor(0, 0, 255));
    hues.setColorAt(0.48, QColor(255, 0, 255));
    hues.setColorAt(0.64, QColor(255, 0, 0));
    hues.setColorAt(0.80, QColor(255, 255, 0));
    hues.setColorAt(1.00, QColor(0, 255, 0));
    p.setBrush(hues);
    p.drawEllipse(20, 20, m_diameter, m_diameter);

    QRadialGradient white(centre, 43, centre);
    white.setColorAt(0, QColor(255, 255, 255, 255));
    white.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(white);
    p.drawEllipse(m_diameter / 2 - 17, m_diameter / 2 - 18, m_diameter - 3, m_diameter - 3);
}

void SVColorArea::clearValueRotate()
{
    m_valueRotate = 0;
    m_pickPos = QPoint(-1, -1);
    update();
}

void SVColorArea::clearPickMark()
{
    m_pickPos = QPoint(-1, -1);
    update();
}

void SVColorArea::setHue(int h)
{
    m_hue = h;
    update();
}

void SVColorArea::setSaturation(int s)
{
    m_saturation = s;
    update();
}

void SVColorArea::setHsvValue(int v)
{
    m_value = v;
    update();
}

void SVColorArea::setHsv(int h, int s, int v)
{
    m_hue = h;
    m_saturation = s;
    m_value = v;
    update();
}

void SVColorArea::setColor(const QColor &color)
{
    m_hue = color.hue();
    m_saturation = color.saturation();
    m_value = color.value();
    Q_EMIT svChangedSignal(m_hue, m_saturation, m_value);
    update();
}

void SVColorArea::setKnobColor(const QColor &color)
{
    m_knobStart = color;
    update();
}

void SVColorArea::hueChangedSlot(int h)
{
    m_hue = h;
    Q_EMIT svChangedSignal(m_hue, m_saturation, m_value);
    update();
}

QColor SVColorArea::screenPixel(const QPoint &globalPos)
{
    QScreen *screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QColor(255, 255, 255);
    const QPoint local = globalPos - screen->geometry().topLeft();
    const QImage pixel = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
    // Platforms that forbid reading the screen give an empty picture: the colour
    // then is the white that an unreadable pixel gives everywhere.
    if (pixel.isNull() || pixel.width() < 1 || pixel.height() < 1)
        return QColor(255, 255, 255);
    return QColor(pixel.pixel(0, 0));
}

void SVColorArea::print2()
{
    const QColor c = screenPixel(QCursor::pos());
    const QString hex = QStringLiteral("#%1%2%3")
                            .arg(c.red(), 2, 16, QLatin1Char('0'))
                            .arg(c.green(), 2, 16, QLatin1Char('0'))
                            .arg(c.blue(), 2, 16, QLatin1Char('0'))
                            .toUpper();
    Q_EMIT sigGetRGB(c.red(), c.green(), c.blue());
    Q_EMIT sigGetHexRGB(hex);
}

void SVColorArea::setKnobFromPosition(const QPoint &p)
{
    const QPoint c = rect().center();
    const double t = std::atan2(double(p.x() - c.x()), double(p.y() - c.y())) * 180.0 / M_PI;
    double v = (360.0 / 2 + t) * ((m_knobMax - m_knobMin) / 360.0) + m_knobMin;
    if (v <= m_knobMin)
        v = m_knobMin;
    else if (v >= m_knobMax)
        v = m_knobMax;
    m_valueRotate = v;
    update();
}

void SVColorArea::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->pos();
    const float dx = float(pos.x() - 60);
    const float dy = float(pos.y() - 60);
    const int d = int(std::sqrt(dx * dx + dy * dy));
    Q_EMIT sigMouseIsPress(true);
    if (d < 40) {
        m_pressedInside = true;
        m_saturation = qBound(0, pos.x(), 255);
        m_value = qBound(0, 255 - pos.y(), 255);
        Q_EMIT svChangedSignal(m_hue, m_saturation, m_value);
        print2();
        m_pickPos = pos;
        m_valueRotate = 0;
        update();
    } else {
        m_pressedInside = false;
        setKnobFromPosition(pos);
    }
}

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressedInside)
        setKnobFromPosition(event->pos());
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *)
{
    Q_EMIT sigMouseIsPress(false);
}

void SVColorArea::enterEvent(QEvent *event)
{
    QWidget::enterEvent(event);
}

void SVColorArea::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
}

void SVColorArea::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawPixmap(0, 0, m_wheel);

    QConicalGradient ring(50, 50, 83);
    ring.setColorAt(0, QColor(255, 255, 255, 255));
    ring.setColorAt(1, QColor(0, 0, 0, 255));
    p.setPen(QPen(QBrush(ring), 6, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(10, 10, 100, 100);

    p.setPen(Qt::NoPen);
    p.translate(60, 60);
    const double a
        = -((360.0 - m_startAngleOffset - m_endAngleOffset) / (m_knobMax - m_knobMin)) * (m_valueRotate - m_knobMin);
    p.rotate(a);
    QLinearGradient knob(0, 0, 16, 16);
    knob.setColorAt(0, m_knobStart);
    knob.setColorAt(1, m_knobEnd);
    p.setBrush(knob);
    p.drawEllipse(-10, -58, 16, 16);
    p.resetTransform();
    // The spot of the last pick: a light ring with a dark rim, seen on any hue.
    if (m_pickPos.x() >= 0) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 40, 40), 3));
        p.drawEllipse(QPointF(m_pickPos), 4.5, 4.5);
        p.setPen(QPen(QColor(250, 250, 250), 1.5));
        p.drawEllipse(QPointF(m_pickPos), 4.5, 4.5);
    }
    p.end();

    Q_EMIT sigMovingStatus(int(m_valueRotate), int(a));
}
