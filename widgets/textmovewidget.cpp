#include "widgets/textmovewidget.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int kTurnMargin = 10;  // a text wider than the widget turns this far inside the edges

}  // namespace

TextMoveWidget::TextMoveWidget(QWidget *parent) : QWidget(parent), m_label(new QLabel(this)), m_timer(new QTimer(this))
{
    m_label->setAlignment(Qt::AlignVCenter);
    m_label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(m_timer, &QTimer::timeout, this, &TextMoveWidget::updatePos);
    m_timer->start(m_interval);
}

TextMoveWidget::~TextMoveWidget()
{
    if (m_timer->isActive())
        m_timer->stop();
}

void TextMoveWidget::updatePos()
{
    if (m_mouseHoverStop && m_hovered)
        return;
    const int w = QFontMetrics(font()).horizontalAdvance(m_text);
    const int width = this->width();
    switch (m_moveStyle) {
    case MoveStyle_LeftToRight:
        if (m_x > width)
            m_x = -w;
        m_x += m_step;
        break;
    case MoveStyle_RightToLeft:
        if (m_x < -w)
            m_x = width;
        m_x -= m_step;
        break;
    case MoveStyle_LeftAndRight:
        if (w > width) {
            // At or past the left turn point, so a step that does not divide it still turns.
            if (m_x >= kTurnMargin)
                m_movingRight = false;
            else if (m_x <= width - w - kTurnMargin)
                m_movingRight = true;
        } else {
            if (m_x + w > width)
                m_movingRight = false;
            else if (m_x <= 0)
                m_movingRight = true;
        }
        m_x += m_movingRight ? m_step : -m_step;
        break;
    default: return;
    }
    m_label->move(m_x, m_y);
}

void TextMoveWidget::setText(QString text)
{
    m_text = text;
    m_label->setText(text);
    m_label->adjustSize();
    switch (m_moveStyle) {
    case MoveStyle_LeftAndRight: m_x = 0; break;
    case MoveStyle_LeftToRight: m_x = -m_label->width(); break;
    case MoveStyle_RightToLeft: m_x = width(); break;
    default: break;
    }
    m_label->move(m_x, m_y);
}

void TextMoveWidget::setTextFont(QString textFont, int textFontSize)
{
    setFont(QFont(textFont, textFontSize));
    applyLabelSheet();
    m_label->adjustSize();
    m_y = (height() - QFontMetrics(font()).height()) / 2;
    m_label->move(m_x, m_y);
}

void TextMoveWidget::setStep(int step)
{
    m_step = step;
}

void TextMoveWidget::setInterval(int interval)
{
    m_interval = interval;
    m_timer->setInterval(interval);
}

void TextMoveWidget::setMouseHoverStop(bool mouseHoverStop)
{
    m_mouseHoverStop = mouseHoverStop;
}

void TextMoveWidget::setForeground(QColor foreground)
{
    m_foreground = foreground;
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, foreground);
    m_label->setPalette(palette);
    applyLabelSheet();
}

void TextMoveWidget::applyLabelSheet()
{
    // The text's colour goes in the sheet as well: inside a window with a style
    // sheet, the sheet's colours replace the palette's.
    m_label->setStyleSheet(QStringLiteral("font: 75 %2pt \"%1\"; color: rgba(%3, %4, %5, %6);")
                               .arg(font().family())
                               .arg(font().pointSize())
                               .arg(m_foreground.red())
                               .arg(m_foreground.green())
                               .arg(m_foreground.blue())
                               .arg(m_foreground.alpha()));
}

void TextMoveWidget::setBackground(QColor background)
{
    m_background = background;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    setAutoFillBackground(true);
}

void TextMoveWidget::setMoveStyle(TextMoveWidget::MoveStyle moveStyle)
{
    m_moveStyle = moveStyle;
}

void TextMoveWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_y = (height() - QFontMetrics(font()).height()) / 2;
    m_label->move(m_x, m_y);
}

void TextMoveWidget::setUnderline(bool on)
{
    QFont font = m_label->font();
    font.setUnderline(on);
    m_label->setFont(font);
    setCursor(on ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TextMoveWidget::enterEvent(QEvent *event)
{
    m_hovered = true;
    if (m_mouseHoverStop)
        setUnderline(true);
    QWidget::enterEvent(event);
}

void TextMoveWidget::leaveEvent(QEvent *event)
{
    m_hovered = false;
    if (m_mouseHoverStop)
        setUnderline(false);
    QWidget::leaveEvent(event);
}
