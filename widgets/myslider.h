#pragma once

#include <QSlider>

// A slider that can only be dragged by its handle: a press elsewhere on the
// groove and the mouse wheel leave the value alone. An accepted press is
// announced to the parent with an event of type QEvent::User + 1.
class MySlider : public QSlider
{
    Q_OBJECT

public:
    static constexpr int kHandlePressedEvent = 1001;  // QEvent::User + 1

    explicit MySlider(QWidget *parent = nullptr);

    void setHandleMargins(int left, int right);
    int leftMargin() const { return m_leftMargin; }
    int rightMargin() const { return m_rightMargin; }
    // x of the handle as the press test sees it.
    int handlePosition() const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_leftMargin = 10;
    int m_rightMargin = 5;
};
