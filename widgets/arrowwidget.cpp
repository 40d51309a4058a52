#include "widgets/arrowwidget.h"

#include "app/ddatamanager.h"
#include "widgets/windowshape.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>

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
    WindowShape::follow(this, [this](const QSize &size) { return outline(m_arrowMode, size, drawnArrowX()); });
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
    painter.drawPath(outline(m_arrowMode, size(), drawnArrowX()));
}

int ArrowWidget::drawnArrowX() const
{
    return qBound(kShadowBand, m_arrowX + m_arrowShift, qMax(kShadowBand, width() - kShadowBand - kArrowWidth));
}

QPoint ArrowWidget::fittedTopLeft(const QPoint &wanted, const QSize &size, const QRect &area)
{
    if (!area.isValid())
        return wanted;
    const int x = qMax(area.left(), qMin(wanted.x(), area.right() + 1 - size.width()));
    const int y = qMax(area.top(), qMin(wanted.y(), area.bottom() + 1 - size.height()));
    return QPoint(x, y);
}

void ArrowWidget::keepOnScreen()
{
    const QPoint wanted = pos() + QPoint(m_arrowShift, 0);
    const QPoint centre = wanted + QPoint(width() / 2, height() / 2);
    QScreen *screen = QGuiApplication::screenAt(centre);
    if (!screen)
        screen = QGuiApplication::screenAt(wanted);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QPoint fitted = fittedTopLeft(wanted, size(), screen->availableGeometry());
    m_arrowShift = wanted.x() - fitted.x();
    if (fitted != pos())
        move(fitted);
}

void ArrowWidget::popUpAt(const QPoint &globalTopLeft)
{
    if (!isPopupWindow()) {
        const bool wasVisible = isVisible();
        // A tool window, not a Qt::Popup: the accessibility bridge lists every
        // top-level window but pop-ups, so only this way a screen reader finds
        // the controls. Losing the activation closes it as a click outside
        // closes a pop-up (see eventFilter).
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
        m_takesInput = true;
        setAttribute(Qt::WA_TranslucentBackground);
        if (wasVisible)
            hide();
    }
    m_arrowShift = 0;
    move(globalTopLeft);
    show();
    activateWindow();
}

void ArrowWidget::showEvent(QShowEvent *event)
{
    // The owner's move() placed the pop-up next to its control; that spot may be
    // partly off the screen on a small display.
    if (!event->spontaneous()) {
        m_arrowShift = 0;
        keepOnScreen();
        m_closingReported = false;
    }
    QDialog::showEvent(event);
    WindowShape::update(this);  // the arrow may have moved to keep the pop-up on screen
}

void ArrowWidget::reject()
{
    // A pop-up window closes itself through here: Escape, and the close() that a
    // click outside it brings. Its owner hears of it once per showing; the owner's
    // own hide() is not reported back to it.
    const bool wasShown = isVisible();
    QDialog::reject();
    if (wasShown && !isVisible() && isPopupWindow() && !m_closingReported) {
        m_closingReported = true;
        emit sigArrowWidgetHide();
    }
}

bool ArrowWidget::eventFilter(QObject *watched, QEvent *event)
{
    // A click elsewhere deactivates the pop-up. Only a shown pop-up reports
    // hiding, so owners hear of each closing once.
    if (watched == this && event->type() == QEvent::WindowDeactivate && isVisible()) {
        hide();
        if (!m_closingReported) {
            m_closingReported = true;
            emit sigArrowWidgetHide();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ArrowWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && isPopupWindow() && isVisible())
        emit sigArrowWidgetEscape();
    QDialog::keyPressEvent(event);
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
