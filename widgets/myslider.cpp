#include "widgets/myslider.h"
#include "platform/logcategories.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWheelEvent>

MySlider::MySlider(QWidget *parent) : QSlider(parent)
{ }

void MySlider::setHandleMargins(int left, int right)
{
    m_leftMargin = left;
    m_rightMargin = right;
}

int MySlider::handlePosition() const
{
    // A slider without a positive maximum has no scale to place the handle on.
    if (maximum() <= 0)
        return 0;
    return (width() / maximum()) * value();
}

void MySlider::mousePressEvent(QMouseEvent *event)
{
    const int handleX = handlePosition();
    const int x = event->pos().x();
    qCDebug(lcKeys) << "Slider press at handle x" << handleX << " currentX:" << x << " width():" << width()
                    << " maximum():" << maximum();
    if (x < handleX - m_leftMargin || x > handleX + m_rightMargin) {
        qCDebug(lcKeys) << "The press is outside the handle";
        return;
    }
    qCDebug(lcKeys) << "The press is on the handle";
    // Let the slider start a drag, but never let the press make the value jump.
    const int kept = value();
    QSlider::mousePressEvent(event);
    setValue(kept);
    if (QWidget *owner = parentWidget()) {
        QEvent pressed(static_cast<QEvent::Type>(kHandlePressedEvent));
        QCoreApplication::sendEvent(owner, &pressed);
    }
}

void MySlider::wheelEvent(QWheelEvent *event)
{
    event->accept();
}
