#pragma once

#include <QPoint>
#include <QWidget>

// Transparent overlay laid exactly over the keyboard picture. It turns the mouse
// into reports: a rubber-band rectangle drawn with the left button, the pointer
// position while no rectangle is drawn, left press and release in single-key
// mode, and a right press. It paints only the rubber band and knows no keys.
class dragShowArea : public QWidget
{
    Q_OBJECT

public:
    explicit dragShowArea(QWidget *parent = nullptr);

    void setColor(int red, int green, int blue);
    void setSingleKeyMode(bool on) { m_singleKeyMode = on; }
    bool isSingleKeyMode() const { return m_singleKeyMode; }
    void setDragEnabled(bool on) { m_dragEnabled = on; }
    bool isDragEnabled() const { return m_dragEnabled; }
    bool isDragging() const { return m_dragging; }

    // The rectangle as painted for the current drag: from the start point, 2 pixels
    // short of the pointer on each axis that moved.
    QRect bandRect() const;

Q_SIGNALS:
    void sigDragArea(int startX, int startY, int endX, int endY);
    void sigDragShowAreaMouseMovePoint(int moveX, int moveY);
    void sigDragAreaMousePressOrRelease(bool isMousePress);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint clampToContents(const QPoint &p) const;

    bool m_dragging = false;
    QPoint m_start;
    QPoint m_current;
    QPoint m_end;
    int m_red = 255;
    int m_green = 143;
    int m_blue = 31;
    bool m_singleKeyMode = false;
    bool m_dragEnabled = false;
};
