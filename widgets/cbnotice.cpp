#include "widgets/cbnotice.h"
#include "widgets/accessiblecontrols.h"
#include "widgets/readablecolour.h"

#include <QEasingCurve>
#include <QFontMetrics>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>
#include <QScreen>

namespace {

constexpr int kHorizontalPadding = 36;   // text width plus this is the box width
constexpr int kConsumingPressWidth = 5;  // presses at x <= this do not reach the owner

}  // namespace

CbNotice::CbNotice(QWidget *parent) : QWidget(parent)
{
    if (parent) {
        m_anchor = QPoint(parent->width() / 2, parent->height() * 2 / 3);
    } else {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QSize size = screen->geometry().size();
            m_anchor = screen->virtualGeometry().topLeft() + QPoint(size.width() / 2, size.height() * 2 / 3);
        }
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_TranslucentBackground);
    }

    m_opacityEffect = new QGraphicsOpacityEffect(this);
    QFont font;
    font.setFamily(QStringLiteral("Microsoft YaHei"));
    setFont(font);
    setTextPixelSize(20);
    m_opacityEffect->setOpacity(1.0);
    setGraphicsEffect(m_opacityEffect);

    m_opacityAnimation = new QPropertyAnimation(m_opacityEffect, "opacity", this);
    m_opacityAnimation->setEasingCurve(QEasingCurve::Linear);

    connect(m_opacityAnimation, SIGNAL(finished()), this, SLOT(onHideAnimationFinish()));
    hide();
}

CbNotice::~CbNotice()
{
    // The animation drives the effect, so it goes first.
    delete m_opacityAnimation;
    setGraphicsEffect(nullptr);  // deletes the effect
}

void CbNotice::showAgain()
{
    hide();
    showAt(m_anchor, SizeRule::ResizeOnly);
}

void CbNotice::showMessage(const QString &text)
{
    hide();
    m_text = text;
    showAt(m_anchor, SizeRule::Fix);
}

void CbNotice::showMessageAt(const QString &text, const QPoint &centre)
{
    hide();
    m_text = text;
    showAt(centre.isNull() ? m_anchor : centre, SizeRule::Fix);
}

void CbNotice::showAt(const QPoint &centre, SizeRule rule)
{
    setAccessibleName(m_text);
    const QSize box(QFontMetrics(font()).horizontalAdvance(m_text) + kHorizontalPadding, m_boxHeight);
    if (rule == SizeRule::Fix)
        setFixedSize(box);
    else
        resize(box);
    move(centre.x() - width() / 2, centre.y() - height() / 2);
    startShowAnimation();
}

void CbNotice::startShowAnimation()
{
    m_opacityAnimation->stop();
    show();
    raise();
    activateWindow();
    AccessibleControls::announce(this, m_text);  // screen readers read the message when it shows
    m_opacityEffect->setOpacity(1.0);

    // The effect clamps opacity to 0..1, so running from (hold + fade) seconds
    // down to 0 keeps the box opaque for the hold time and then fades it.
    const int fade = qMax(0, m_fadeTime);
    const int hold = qMax(0, m_holdTime);
    m_opacityAnimation->setStartValue(fade / 1000.0 + hold / 1000.0);
    m_opacityAnimation->setDuration(hold + fade);
    m_opacityAnimation->setEndValue(m_fadeTime <= 0 ? 1.0 : 0.0);
    m_opacityAnimation->start();
    update();
}

void CbNotice::onActiveHideAnimation()
{
    m_opacityAnimation->start(QAbstractAnimation::KeepWhenStopped);
}

void CbNotice::onHideAnimationFinish()
{
    emit sigFinished();
    hide();
}

void CbNotice::setTextPixelSize(int px)
{
    QFont f = font();
    f.setPixelSize(px);
    setFont(f);
    update();
}

void CbNotice::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    update();
}

void CbNotice::setTextColor(QColor color)
{
    m_textColor = color;
    update();
}

void CbNotice::setTextFont(QFont font)
{
    setFont(font);
}

int CbNotice::cornerRadius(int boxHeight)
{
    if (boxHeight >= 38)
        return 22;
    if (boxHeight >= 25)
        return 12;
    return 3;
}

void CbNotice::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, 0, width(), height());
    const int radius = cornerRadius(m_boxHeight);
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    // The box is opaque, whatever alpha its owner's theme gives it: the text must read
    // on the box alone, not on whatever content happens to lie under it.
    QColor fill = m_backgroundColor;
    fill.setAlpha(255);
    painter.fillPath(path, fill);
    QColor text = m_textColor;
    if (text.alpha() == 255)
        text = ReadableColour::on(fill, text, ReadableColour::kDrawnTextContrast);
    painter.setPen(text);
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, m_text);
}

void CbNotice::mousePressEvent(QMouseEvent *event)
{
    if (event->pos().x() > kConsumingPressWidth)
        QWidget::mousePressEvent(event);  // leaves the press unaccepted, so the owner gets it too
    else
        event->accept();
    hide();
}
