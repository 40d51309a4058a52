#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// The lighting page's round colour picker: a hue wheel whose press picks the screen
// colour under the pointer, inside a ring whose knob reports a darkening position.
class SVColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit SVColorArea(QWidget *parent = nullptr);

    // Knob back to the undarkened position and no pick mark: the colour now comes
    // from elsewhere (a swatch, the stored settings, the other colour button).
    void clearValueRotate();
    // Removes the mark of the last pick on the wheel.
    void clearPickMark();
    // Where the last pick on the wheel was, (-1, -1) when there is no mark.
    QPoint pickMark() const { return m_pickPos; }
    void setHue(int h);
    void setSaturation(int s);
    void setHsvValue(int v);
    void setHsv(int h, int s, int v);
    void setColor(const QColor &color);
    void setKnobColor(const QColor &color);

    double valueRotate() const { return m_valueRotate; }
    int saturation() const { return m_saturation; }
    int hsvValue() const { return m_value; }

    // Colour of the screen pixel at a global position; white when it cannot be read.
    static QColor screenPixel(const QPoint &globalPos);

Q_SIGNALS:
    void svChangedSignal(int h, int s, int v);
    void sigGetRGB(int R, int G, int B);
    void sigGetHexRGB(QString strHexRGB);
    void sigMovingStatus(int valueRotate, int degRotate);
    void sigMouseIsPress(bool isPress);

public Q_SLOTS:
    void hueChangedSlot(int h);
    void print2();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawWheel();
    void setKnobFromPosition(const QPoint &p);

    int m_hue = 0;
    int m_saturation = 0;
    int m_value = 0;
    int m_diameter = 80;
    QPixmap m_wheel;
    QColor m_knobStart {255, 49, 53, 255};
    QColor m_knobEnd {250, 250, 250, 255};
    double m_valueRotate = 0;
    double m_knobMax = 100.0;
    double m_knobMin = 0.0;
    int m_startAngleOffset = 0;
    int m_endAngleOffset = 0;
    bool m_pressedInside = false;
    QPoint m_pickPos {-1, -1};
};
