#include "widgets/arrowwidget.h"

#include "app/ddatamanager.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QPainter>

namespace {

// Transparent band around the body, where the drop shadow shows.
constexpr int kShadowBand = 15;
// The top arrow is 10 pixels high and needs this much room above the body.
constexpr int kTopArrowBand = 25;
constexpr int kArrowWidth = 15;
constexpr int kArrowTip = 7;  // tip x relative to the arrow's left foot
constexpr qreal kBodyRadius = 5.0;

}  // namespace

ArrowWidget::ArrowWidget(int arrowMode, QWidget *parent) : QDialog(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowOpacity(0.9);
    auto *shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(0, 0);
    shadow->setColor(Qt::gray);
    shadow->setBlurRadius(15);
    setGraphicsEffect(shadow);
    installEventFilter(this);
    m_arrowMode = arrowMode;
    m_backgroundColor = colorFromThemeText(DDataManager::getInstance()->getThemeColorInfo().AllBgColor);
}

QColor ArrowWidget::colorFromThemeText(const QString &text)
{
    auto channel = [&text](int i) { return qBound(0, text.section(QLatin1Char(','), i, i).trimmed().toInt(), 255); };
    return QColor(channel(0), channel(1), channel(2), 255);
}

void ArrowWidget::setCenterWidget(QWidget *content)
{
    auto *box = qobject_cast<QHBoxLayout *>(layout());
    if (!box) {
        box = new QHBoxLayout(this);
        box->setSpacing(0);
        const int top = m_arrowMode == ArrowTop ? kTopArrowBand : kShadowBand;
        box->setContentsMargins(kShadowBand, top, kShadowBand, kShadowBand);
    } else if (m_content && m_content != content) {
        // A second content replaces the first; the owner still owns the old one.
        box->removeWidget(m_content);
        m_content->hide();
    }
    m_content = content;
    box->addWidget(content);
    content->show();
}

void ArrowWidget::setBackgroundColor(int r, int g, int b)
{
    m_backgroundColor = QColor(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255), 255);
    update();
}

QPainterPath ArrowWidget::outline(int arrowMode, const QSize &size, int arrowX)
{
    const int w = size.width();
    const int h = size.height();
    QPainterPath path;
    QPolygonF arrow;
    if (arrowMode == ArrowTop) {
        path.addRoundedRect(QRectF(kShadowBand, kTopArrowBand, w - 2 * kShadowBand, h - kTopArrowBand - kShadowBand),
                            kBodyRadius, kBodyRadius);
        arrow << QPointF(arrowX, kTopArrowBand) << QPointF(arrowX + kArrowTip, kShadowBand)
              << QPointF(arrowX + kArrowWidth, kTopArrowBand);
    } else {
        path.addRoundedRect(QRectF(kShadowBand, kShadowBand, w - 2 * kShadowBand, h - 2 * kShadowBand), kBodyRadius,
                            kBodyRadius);
        if (arrowMode == ArrowBottom)
            arrow << QPointF(arrowX, h - kShadowBand) << QPointF(arrowX + kArrowTip, h)
                  << QPointF(arrowX + kArrowWidth, h - kShadowBand);
    }
    if (!arrow.isEmpty()) {
        QPainterPath triangle;
        triangle.addPolygon(arrow);
        triangle.closeSubpath();
        path = path.united(triangle);
    }
    return path;
}

void ArrowWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_backgroundColor);
    painter.drawPath(outline(m_arrowMode, size(), m_arrowX));
}

bool ArrowWidget::eventFilter(QObject *watched, QEvent *event)
{
    // A click elsewhere deactivates the pop-up. Only a shown pop-up reports
    // hiding, so owners hear of each closing once.
    if (watched == this && event->type() == QEvent::WindowDeactivate && isVisible()) {
        hide();
        emit sigArrowWidgetHide();
    }
    return QDialog::eventFilter(watched, event);
}

void ArrowWidget::enterEvent(QEvent *event)
{
    emit sigArrowWidgetMouseEnter();
    QWidget::enterEvent(event);
}

void ArrowWidget::leaveEvent(QEvent *event)
{
    emit sigArrowWidgetMouseLeave();
    QWidget::leaveEvent(event);
}
