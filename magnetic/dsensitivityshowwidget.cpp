#include "magnetic/dsensitivityshowwidget.h"
#include "widgets/accessiblecontrols.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cstdlib>

namespace {

constexpr int kGap = 2;
constexpr int kTopOffset = 5;

int liveStep(int channel, int levels)
{
    // Darkens the live fill downwards without ever going below half the channel.
    return channel / 2 > levels && levels > 0 ? (channel / 2) / levels : 0;
}

}  // namespace

DSensitivityShowWidget::DSensitivityShowWidget(QWidget *parent) : QWidget(parent)
{
    publishTravel();
    setAccessibleName(tr("Key travel"));
    m_centerPicture.load(QStringLiteral(":/images/device/Sensitivity/slider_C.png"));
    m_pressPicture.load(QStringLiteral(":/images/device/Sensitivity/slider_L.png"));
    m_releasePicture.load(QStringLiteral(":/images/device/Sensitivity/slider_R.png"));
    setColors(m_blockColor, m_liveColor, m_labelColor, m_barColor);
}

void DSensitivityShowWidget::setScaleSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

void DSensitivityShowWidget::setLevelCount(int levelCount)
{
    // A count below 1 would divide by zero; such a scale has no levels to place handles on.
    m_levelCount = qMax(1, levelCount);
    m_stride = m_height / m_levelCount;
    m_blockHeight = m_stride - kGap;
    m_positions.clear();
    for (int v = 1; v <= m_levelCount - 1; ++v)
        m_positions.append(m_stride * v + kTopOffset);
    publishTravel();
}

void DSensitivityShowWidget::publishTravel()
{
    // Readers get the travel in millimetres: one level is 0.1 mm.
    auto mm = [](int level) { return QString::number(level / 10.0, 'f', 1) + QStringLiteral(" mm"); };
    AccessibleControls::ValueSource source;
    source.current = [this] { return m_dual ? m_pressLevel : m_centerLevel; };
    source.minimum = 1;
    source.maximum = qMax(1, m_levelCount - 1);
    source.text = [this, mm] {
        return m_dual ? mm(m_pressLevel) + QStringLiteral(" / ") + mm(m_releaseLevel) : mm(m_centerLevel);
    };
    AccessibleControls::publishValue(this, source);
}

int DSensitivityShowWidget::levelPosition(int level) const
{
    return level >= 1 && level <= m_positions.size() ? m_positions[level - 1] : -1;
}

int DSensitivityShowWidget::clampLevel(int level) const
{
    return qBound(1, level, qMax(1, m_positions.size()));
}

void DSensitivityShowWidget::setCenterLevel(int level)
{
    if (m_positions.isEmpty())
        return;
    m_centerY = levelPosition(clampLevel(level));
}

void DSensitivityShowWidget::setPressLevel(int level)
{
    if (m_positions.isEmpty())
        return;
    m_pressY = m_lastPressY = levelPosition(clampLevel(level));
}

void DSensitivityShowWidget::setReleaseLevel(int level)
{
    if (m_positions.isEmpty())
        return;
    m_releaseY = m_lastReleaseY = levelPosition(clampLevel(level));
}

void DSensitivityShowWidget::setLiveLevel(int level)
{
    m_liveLevel = level;
    update();
}

void DSensitivityShowWidget::setDualHandles(int dual)
{
    m_dual = dual;
    update();
}

void DSensitivityShowWidget::setLiveTravelShown(bool on)
{
    m_liveShown = on;
    update();
}

void DSensitivityShowWidget::setColors(QColor blockColor, QColor liveColor, QColor labelColor, QColor barColor)
{
    m_blockColor = blockColor;
    m_liveColor = liveColor;
    m_labelColor = labelColor;
    m_barColor = barColor;
    m_liveStepR = liveStep(liveColor.red(), m_levelCount);
    m_liveStepG = liveStep(liveColor.green(), m_levelCount);
    m_liveStepB = liveStep(liveColor.blue(), m_levelCount);
    update();
}

DSensitivityShowWidget::Snap DSensitivityShowWidget::snap(int y) const
{
    const int n = m_positions.size();
    if (y <= m_positions.first())
        return {1, m_positions.first()};
    if (y >= m_positions.last())
        return {n, m_positions.last()};
    int k = 1;
    while (m_positions[k] <= y)  // first level k + 1 below y; exists because y < last position
        ++k;
    const int d1 = m_positions[k] - y;
    const int d0 = y - m_positions[k - 1];
    // A tie goes to the deeper level.
    return d1 <= d0 ? Snap {k + 1, m_positions[k]} : Snap {k, m_positions[k - 1]};
}

QString DSensitivityShowWidget::levelText(int level) const
{
    return QString::number(level / 10.0, 'f', 1) + QStringLiteral("mm");
}

void DSensitivityShowWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const int cx = m_width / 2;
    const int hb = m_barWidth / 2;
    const int x0 = barLeft();
    const QRect contents = contentsRect();
    painter.fillRect(QRect(x0, contents.top(), m_barWidth, contents.height()), m_barColor);

    painter.setPen(Qt::NoPen);
    auto block = [&](int i, const QColor &colour) {
        QPainterPath path;
        path.addRoundedRect(QRectF(x0, kTopOffset + i * m_stride, m_barWidth, m_blockHeight), 3, 3);
        painter.fillPath(path, colour);
    };
    for (int i = 0; i < m_levelCount; ++i)
        block(i, i == m_levelCount - 1 ? QColor(0, 0, 0, 0) : m_blockColor);
    if (m_liveShown) {
        const int filled = qBound(0, m_liveLevel, m_levelCount);
        for (int i = 0; i < filled; ++i) {
            block(i,
                  QColor(qMax(0, m_liveColor.red() - i * m_liveStepR), qMax(0, m_liveColor.green() - i * m_liveStepG),
                         qMax(0, m_liveColor.blue() - i * m_liveStepB)));
        }
    }

    // Without a level table (fewer than two levels) there is nowhere to put a handle.
    if (m_positions.isEmpty())
        return;
    painter.setFont(QFont(QStringLiteral("Microsoft YaHei"), 9));
    painter.setPen(QPen(m_labelColor, 1));
    if (m_dual == 0) {
        const Snap c = snap(m_centerY);
        m_centerLevel = c.level;
        painter.drawPixmap(cx - 5, c.y - 6, 11, 11, m_centerPicture);
        painter.drawText(cx + 23, c.y + 4, levelText(c.level));
        Q_EMIT sigCurrentStrengthNumBack(CENTER, c.level);
        return;
    }

    Snap p = snap(m_pressY);
    if (m_quickTrigger && p.y <= m_lastReleaseY) {
        // The press point may not reach the release point: stay where it was drawn last. That
        // place is snapped again so the level reported is always the one drawn, also when the
        // owner set the two points the wrong way round.
        p = snap(m_lastPressY);
        m_pressY = m_lastPressY;
    }
    m_lastPressY = p.y;
    m_pressLevel = m_acceptedPress = p.level;
    painter.drawPixmap(x0 - 19, p.y - 7, 10, 12, m_pressPicture);
    painter.drawText(x0 - 64, p.y + 4, levelText(p.level));
    Q_EMIT sigCurrentStrengthNumBack(LEFT, p.level);

    Snap r = snap(m_releaseY);
    if (m_quickTrigger && r.y >= m_lastPressY) {
        r = snap(m_lastReleaseY);
        m_releaseY = m_lastReleaseY;
    }
    m_lastReleaseY = r.y;
    m_releaseLevel = m_acceptedRelease = r.level;
    painter.drawPixmap(cx + hb + 9, r.y - 7, 10, 12, m_releasePicture);
    painter.setPen(QPen(QColor(255, 49, 53), 1));
    // The release point is labelled by the distance left to the bottom of the travel.
    painter.drawText(cx + hb + 24, r.y + 4, levelText(m_levelCount - r.level));
    Q_EMIT sigCurrentStrengthNumBack(RIGHT, r.level);
}

void DSensitivityShowWidget::mousePressEvent(QMouseEvent *event)
{
    const int x = event->pos().x();
    const int y = event->pos().y();
    if (m_dual == 0) {
        m_dragging = true;
        m_grabbed = CENTER;
        m_centerY = y;
        update();
        return;
    }
    const int x0 = barLeft();
    const int right = m_width / 2 + m_barWidth / 2;
    auto grab = [&](Handle handle, int &handleY, int grabX, int lastY) {
        m_grabbed = handle;
        handleY = y;
        // Only a press on the handle itself starts a drag; elsewhere in the zone the handle jumps.
        if (std::abs(x - grabX) < 7 && std::abs(y - lastY) < 7)
            m_dragging = true;
        else
            update();
    };
    if (x > x0 - 20 && x < x0)
        grab(LEFT, m_pressY, pressGrabX(), m_lastPressY);
    else if (x > right && x < right + 20)
        grab(RIGHT, m_releaseY, releaseGrabX(), m_lastReleaseY);
    else
        update();
}

void DSensitivityShowWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const int y = event->pos().y();
    if (m_dual == 0)
        m_centerY = y;
    else if (m_grabbed == LEFT)
        m_pressY = y;
    else if (m_grabbed == RIGHT)
        m_releaseY = y;
    update();
}

void DSensitivityShowWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}
