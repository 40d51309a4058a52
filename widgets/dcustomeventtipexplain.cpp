#include "widgets/dcustomeventtipexplain.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const char kFontFamily[] = "Microsoft YaHei";
const char kNormalText[] = "245,245,245";
const char kHighlightText[] = "255,143,31";

QLabel *makeLabel(QWidget *parent, const QString &text, const QString &style)
{
    auto *label = new QLabel(text, parent);
    label->setFixedSize(230, 30);
    label->setStyleSheet(style);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

DCustomEventTipExplain::DCustomEventTipExplain(QWidget *parent) : QWidget(parent)
{
    const QString style12 = QStringLiteral("color: rgb(245, 245, 245); font: 75 12pt \"Microsoft YaHei\";");
    m_keyName = makeLabel(this, QStringLiteral("A"),
                          QStringLiteral("color: rgb(245, 245, 245); font: 75 14pt \"Microsoft YaHei\";"));
    m_functionName = makeLabel(this, tr("Default"), style12);
    m_detail = makeLabel(this, QStringLiteral("ABC666666CFK"), style12);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->addWidget(m_keyName);
    layout->addWidget(m_functionName);
    layout->addWidget(m_detail);
}

void DCustomEventTipExplain::setInfo(CustomEventTipInfo info)
{
    // Fn keys and keys that cannot be remapped stand out; the test is exact.
    const bool isFn = info.keyName == QLatin1String("fn") || info.keyName == QLatin1String("Fn")
        || info.keyName == QLatin1String("FN");
    setHighlighted(isFn || !info.canRemap);
    m_keyName->setText(info.keyName);
    m_functionName->setText(info.functionName);
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPointSize(12);
    m_detail->setText(elideToWidth(info.functionDetail, font, kDetailWidth));
}

void DCustomEventTipExplain::setHighlighted(bool highlighted)
{
    const QString style
        = QStringLiteral("color: rgb(%2); font: 75 12pt \"%1\";")
              .arg(QString::fromLatin1(kFontFamily), QString::fromLatin1(highlighted ? kHighlightText : kNormalText));
    m_keyName->setStyleSheet(style);
    m_detail->setStyleSheet(style);
}

QString DCustomEventTipExplain::elideToWidth(QString text, QFont font, int width)
{
    // A text as wide as the limit stays whole. The metrics' own eliding measures
    // with sub-pixel widths and would cut such a text, so test the width first.
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    return metrics.elidedText(text, Qt::ElideRight, width);
}
