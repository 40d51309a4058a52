#include "widgets/batteryitem.h"

#include <QPainter>

namespace {

struct ChargeBand
{
    int upTo;  // highest percentage of the band
    QColor color;
};

// Low charge is red-orange, middle amber, the rest green.
const ChargeBand kBands[] = {
    {25, QColor(255, 60, 0)},
    {50, QColor(200, 140, 0)},
    {100, QColor(100, 150, 100)},
};
const QColor kPlainColor(100, 150, 100);  // charging animation, no text

}  // namespace

BatteryItem::BatteryItem(QWidget *parent) : QLabel(parent)
{ }

void BatteryItem::setValue(int percent)
{
    // The keyboard's report is a byte; anything past 100 would draw outside the gauge.
    percent = qBound(0, percent, 100);
    m_fillColor = kPlainColor;
    if (m_showText) {
        for (const ChargeBand &band : kBands) {
            if (percent <= band.upTo) {
                m_fillColor = band.color;
                break;
            }
        }
    }
    m_percentage = percent;
    m_fillWidth = percent / 4;
    setAccessibleName(QStringLiteral("%1%").arg(percent));  // the gauge is painted, not a label text
    update();
}

void BatteryItem::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The gauge keeps its shape and stands at the label's reading start, beside
    // the connection text, in either direction.
    constexpr int kGaugeWidth = 32;
    if (layoutDirection() == Qt::RightToLeft)
        painter.translate(qMax(0, width() - kGaugeWidth), 0);
    painter.setPen(QColor(136, 205, 12, 255));
    painter.drawRoundedRect(QRectF(0, 0, 29, 15), 2.0, 2.0);
    painter.drawRect(29, 5, 1, 6);
    painter.drawRect(29, 5, 2, 6);

    painter.setPen(m_fillColor);
    painter.setBrush(m_fillColor);
    painter.drawRect(2, 2, m_fillWidth, 11);

    if (m_showText) {
        QFont font(QStringLiteral("Microsoft YaHei"), 7, 75, true);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        painter.setFont(font);
        painter.setPen(QColor(235, 245, 245, 255));
        painter.drawText(QRect(2, 2, 25, 11), Qt::AlignCenter, QStringLiteral("%1%").arg(m_percentage));
    }
}
