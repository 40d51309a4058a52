#pragma once

#include <QColor>
#include <QList>
#include <QWidget>

// A small painted slider with a fixed number of steps. Presses snap the handle
// to a nearby tick or move it one tick towards the press; the keyboard moves it
// as it moves any slider (arrows one tick, Page Up/Down a few, Home/End to the
// ends). The chosen tick's index is reported, not stored.
class sliderCustomWidget : public QWidget
{
    Q_OBJECT

public:
    explicit sliderCustomWidget(QWidget *parent = nullptr);

    void setFixedSize(int w, int h);
    void setStepCount(int n);
    void setPosition(int index);
    void setSideMargin(int m) { m_sideMargin = m; }
    void setLineColor(QColor color);
    void setTickColor(QColor color);
    void setHandleColor(QColor color);

    int stepCount() const { return m_stepCount; }
    QList<int> tickPositions() const { return m_ticks; }
    int lineEndX() const { return m_lineEndX; }
    int lineY() const { return m_lineY; }
    int handleX() const { return m_handleX; }
    int handleY() const { return m_handleY; }
    // Index of the tick the handle stands at.
    int position() const;

Q_SIGNALS:
    void sigBackCurrentPositionNum(int currPositionIndex);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool snapToTickNear(int x);
    void moveHandleTo(int index);
    void publishValue();

    int m_stepCount = 5;
    int m_lineEndX = 120;
    QList<int> m_ticks;
    int m_lineY = 15;
    int m_handleX = 10;
    int m_handleY = 14;
    int m_sideMargin = 10;
    QColor m_lineColor {138, 128, 128, 255};
    QColor m_tickColor {138, 128, 128, 255};
    QColor m_handleColor {255, 143, 31, 255};
};
