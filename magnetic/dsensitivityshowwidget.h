#pragma once

#include <QColor>
#include <QPixmap>
#include <QVector>
#include <QWidget>

// Vertical travel scale of a magnetic switch: one block per level of 0.1 mm and either one
// handle (the trigger point) or two (press point left, release point right). Handles snap to
// the nearest level and every repaint reports the level each drawn handle stands at. In
// quick-trigger mode the press handle always stays deeper than the release handle.
class DSensitivityShowWidget : public QWidget
{
    Q_OBJECT

public:
    enum Handle
    {
        LEFT = 0,    // press point
        CENTER = 1,  // single trigger point
        RIGHT = 2    // release point
    };

    explicit DSensitivityShowWidget(QWidget *parent = nullptr);

    void setScaleSize(int width, int height);
    // Call after setScaleSize: the level positions follow from the height known now.
    void setLevelCount(int levelCount);
    void setBarWidth(int width) { m_barWidth = width; }
    // The three level setters take effect at the next repaint.
    void setCenterLevel(int level);
    void setPressLevel(int level);
    void setReleaseLevel(int level);
    void setLiveLevel(int level);
    void setDualHandles(int dual);
    void setLiveTravelShown(bool on);
    void setQuickTriggerMode(bool on) { m_quickTrigger = on; }
    void setColors(QColor blockColor, QColor liveColor, QColor labelColor, QColor barColor);

    int levelCount() const { return m_levelCount; }
    int stride() const { return m_stride; }
    int blockHeight() const { return m_blockHeight; }
    // Top edge of block `level`, or -1 outside 1..N-1.
    int levelPosition(int level) const;
    int centerLevel() const { return m_centerLevel; }
    int pressLevel() const { return m_pressLevel; }
    int releaseLevel() const { return m_releaseLevel; }
    int liveLevel() const { return m_liveLevel; }
    bool dualHandles() const { return m_dual != 0; }
    bool quickTriggerMode() const { return m_quickTrigger; }
    bool liveTravelShown() const { return m_liveShown; }
    bool isDragging() const { return m_dragging; }
    // x of the press and release handles' grab points.
    int pressGrabX() const { return barLeft() - 15; }
    int releaseGrabX() const { return m_width / 2 + m_barWidth / 2 + 15; }

Q_SIGNALS:
    void sigCurrentStrengthNumBack(int whereData, int StrengthNum);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void publishTravel();
    struct Snap
    {
        int level = 0;
        int y = 0;
    };
    Snap snap(int y) const;
    int clampLevel(int level) const;
    int barLeft() const { return m_width / 2 - m_barWidth / 2; }
    QString levelText(int level) const;

    int m_width = 0;
    int m_height = 0;
    int m_levelCount = 10;
    int m_blockHeight = 0;
    int m_stride = 0;
    int m_barWidth = 100;
    QVector<int> m_positions;  // [v - 1] = top edge of block v, v = 1..N-1

    int m_centerY = 0;
    int m_pressY = 0;
    int m_releaseY = 0;
    int m_lastPressY = -1;
    int m_lastReleaseY = -1;
    int m_centerLevel = 0;
    int m_pressLevel = 0;
    int m_releaseLevel = 0;
    int m_acceptedPress = 0;
    int m_acceptedRelease = 0;

    int m_liveLevel = 0;
    bool m_liveShown = true;
    int m_dual = 0;
    bool m_quickTrigger = false;
    bool m_dragging = false;
    Handle m_grabbed = CENTER;

    QColor m_blockColor {92, 92, 126};
    QColor m_liveColor {255, 143, 31};
    QColor m_labelColor {255, 143, 31};
    QColor m_barColor {26, 27, 49};
    int m_liveStepR = 0;
    int m_liveStepG = 0;
    int m_liveStepB = 0;

    QPixmap m_centerPicture;
    QPixmap m_pressPicture;
    QPixmap m_releasePicture;
};
