#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QToolButton>

// One side-light (ambient strip) segment of the keyboard picture: its light
// colour drawn as a soft gradient along the segment's long side.
class QPainter;

class sideLightButtonCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit sideLightButtonCustom(QWidget *parent = nullptr);

    void setSegmentSize(int w, int h);
    QSize segmentSize() const { return QSize(m_width, m_height); }
    void setSegmentPosition(int x, int y);
    QPoint segmentPosition() const { return m_positionPoint; }
    void setSegmentInfo(int index, int validStatus);
    int segmentIndex() const { return m_index; }
    int validStatus() const { return m_validStatus; }
    void setRounded(bool rounded);
    void setColor(const QColor &color);
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintShape(QPainter &p, const QColor &colour) const;

    QImage m_shape;  // the segment's soft shape in white, at its size
    bool m_shapeRounded = false;
    QImage m_tinted;  // the shape in the current colour
    int m_width = 10;
    int m_height = 10;
    int m_posX = 0;
    int m_posY = 0;
    int m_index = 0;
    int m_validStatus = 0;
    QPoint m_positionPoint;
    QColor m_color;
    bool m_rounded = false;
};
