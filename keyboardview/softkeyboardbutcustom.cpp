#include "keyboardview/softkeyboardbutcustom.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {

const char *const kSelectedTextPattern
    = "color:rgb(%1); font: 75 7pt \"Microsoft YaHei\"; border-bottom: 1px solid rgb(%1); border-radius:3px;";
const char *const kNormalTextPattern
    = "color:rgb(%1); font: 75 7pt \"Microsoft YaHei\"; border-bottom: 0px solid #7F8386; border-radius:3px;";
const char *const kBackgroundPattern = "background-color:rgb(%1);";

// Backgrounds of the coloured states 2, 3 and 4.
const char *const kStateBackgrounds[]
    = {"background-color:#2c74c1;", "background-color:#22ba20;", "background-color:#E81122;"};

}  // namespace

SoftKeyboardButCustom::SoftKeyboardButCustom(QWidget *parent) : SoftKeyboardButCustom(0, parent)
{ }

SoftKeyboardButCustom::SoftKeyboardButCustom(int kind, QWidget *parent)
    : QToolButton(parent)
    , m_kind(kind)
    , m_selectedTextStyle("color:#FF3135; font: 75 7pt \"Microsoft YaHei\"; border-bottom: 1px solid #FF3135; "
                          "border-radius:3px;")
    , m_normalTextStyle("color:#c3c3c3; font: 75 7pt \"Microsoft YaHei\"; border-bottom: 0px solid #7F8386; "
                        "border-radius:3px;")
    , m_backgroundStyle("background-color:#4b4b4b;")
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFocusPolicy(Qt::NoFocus);
    if (m_kind == 1)
        installEventFilter(this);
    applyLook(0);
}

QString SoftKeyboardButCustom::shownText(int keyDec, const QString &keyCharacter)
{
    switch (keyDec) {
    case 145: return QObject::tr("Chinese");
    case 144: return QObject::tr("Korean/English");
    case 137: return QObject::tr("K14");
    case 100: return QObject::tr("K45");
    case 135: return QObject::tr("K56");
    case 139: return QObject::tr("K131");
    case 138: return QObject::tr("K132");
    case 136: return QObject::tr("K133");
    case 226:
    case 230: return QStringLiteral("Alt");
    case 36: return QStringLiteral("7&&");  // a single & would mark a mnemonic
    default: return keyCharacter;
    }
}

QString SoftKeyboardButCustom::fittedText(const QString &text, const QFontMetrics &metrics, int width, int height)
{
    if (metrics.horizontalAdvance(text) <= width || text.contains(QLatin1Char('\n')))
        return text;
    // Two lines, broken after the '/' or at the space nearest the middle.
    int best = -1;
    for (int i = 1; i + 1 < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('/') && c != QLatin1Char(' '))
            continue;
        if (best < 0 || qAbs(i - text.size() / 2) < qAbs(best - text.size() / 2))
            best = i;
    }
    if (best < 0 || 2 * metrics.height() > height)
        return text;
    const bool slash = text.at(best) == QLatin1Char('/');
    const QString first = text.left(slash ? best + 1 : best);
    const QString second = text.mid(best + 1);
    return first + QLatin1Char('\n') + second;
}

void SoftKeyboardButCustom::setKeySize(int w, int h)
{
    m_width = w;
    m_height = h;
    setFixedSize(w, h);
    showCaption();
}

void SoftKeyboardButCustom::setKeyInfo(int keyDec, const QString &keyCharacter)
{
    m_keyDec = keyDec;
    m_caption = keyCharacter;
    const QString text = shownText(keyDec, keyCharacter);
    setAccessibleName(QString(text).replace(QStringLiteral("&&"), QStringLiteral("&")));
    showCaption();
}

void SoftKeyboardButCustom::showCaption()
{
    // Measured in the font of the key's own style sheet.
    ensurePolished();
    const QString text = shownText(m_keyDec, m_caption);
    // A little room either side, so no letter touches the key's edge.
    constexpr int kSideRoom = 2;
    setText(width() > 2 * kSideRoom ? fittedText(text, fontMetrics(), width() - 2 * kSideRoom, height()) : text);
}

bool SoftKeyboardButCustom::event(QEvent *event)
{
    const bool handled = QToolButton::event(event);
    if (event->type() == QEvent::FontChange && m_keyDec != 0)
        showCaption();
    return handled;
}

void SoftKeyboardButCustom::applyLook(int state)
{
    if (state == 1)
        setStyleSheet(m_selectedTextStyle + m_backgroundStyle);
    else if (state >= 2 && state <= 4)
        setStyleSheet(m_normalTextStyle + kStateBackgrounds[state - 2]);
    else
        setStyleSheet(m_normalTextStyle + m_backgroundStyle);
}

void SoftKeyboardButCustom::setKeyState(int state)
{
    m_state = state;
    applyLook(state);
}

void SoftKeyboardButCustom::setThemeColors(const QString &textColor, const QString &highlightColor,
                                           const QString &buttonColor)
{
    m_selectedTextStyle = QString(kSelectedTextPattern).arg(highlightColor);
    m_normalTextStyle = QString(kNormalTextPattern).arg(textColor);
    m_backgroundStyle = QString(kBackgroundPattern).arg(buttonColor);
    applyLook(m_state);
}

void SoftKeyboardButCustom::paintEvent(QPaintEvent *)
{
    // As QToolButton paints, but the caption reads in the key's own direction: a
    // painter starts in the application's, which would show "1!" as "!1" in Arabic.
    QStylePainter painter(this);
    painter.setLayoutDirection(layoutDirection());
    QStyleOptionToolButton option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
}

void SoftKeyboardButCustom::enterEvent(QEvent *event)
{
    if (m_kind == 0)
        applyLook(1);
    QToolButton::enterEvent(event);
}

void SoftKeyboardButCustom::leaveEvent(QEvent *event)
{
    if (m_kind == 0 && m_restoreOnLeave)
        applyLook(0);
    QToolButton::leaveEvent(event);
}

bool SoftKeyboardButCustom::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
                Q_EMIT sigButtonMouseRightKeyClicked(m_keyDec, m_caption);
            break;
        case QEvent::Enter: Q_EMIT sigCustomButMouseEnter(); break;
        case QEvent::Leave: Q_EMIT sigCustomButMouseLeave(); break;
        default: break;
        }
    }
    return QToolButton::eventFilter(watched, event);
}
