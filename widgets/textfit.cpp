#include "widgets/textfit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QToolButton>

namespace TextFit {
namespace {

const char *const kFullText = "textFitFullText";
const char *const kOwnTip = "textFitOwnTip";
const char *const kOwnName = "textFitOwnName";
const char *const kWrapped = "textFitWrapped";

// Redoes the cut of the widgets it watches when their room or font changes.
class Refitter : public QObject
{
public:
    static Refitter *instance()
    {
        static QPointer<Refitter> refitter;
        if (!refitter)
            refitter = new Refitter;
        return refitter;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::Polish: refit(static_cast<QWidget *>(watched)); break;
        default: break;
        }
        return false;
    }

    static void refit(QWidget *widget);
};

QString literalButtonText(const QString &text)
{
    QString shown = text;
    return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void Refitter::refit(QWidget *widget)
{
    if (widget->property(kWrapped).toBool()) {
        auto *label = static_cast<QLabel *>(widget);
        const int needed = label->heightForWidth(label->width());
        if (needed > 0 && needed != label->minimumHeight())
            label->setMinimumHeight(needed);
        return;
    }
    const QVariant stored = widget->property(kFullText);
    if (!stored.isValid())
        return;
    const QString full = stored.toString();
    const QFontMetrics metrics(widget->font());
    const int room = textRoom(widget);
    // Multi-line texts are laid out by the widget itself; only single lines are cut.
    const bool fits = room <= 0 || full.contains(QLatin1Char('\n')) || Qt::mightBeRichText(full)
        || metrics.horizontalAdvance(full) <= room;
    const QString shown = fits ? full : metrics.elidedText(full, Qt::ElideRight, room);

    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->text() != shown)
            label->setText(shown);
    } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        const QString literal = literalButtonText(shown);
        if (button->text() != literal)
            button->setText(literal);
    }
    // The tool tip carries the whole text while it is cut; a tip of the widget's own
    // is left alone.
    const bool ownTip = widget->property(kOwnTip).toBool();
    if (!fits) {
        if (widget->toolTip().isEmpty() || ownTip) {
            widget->setToolTip(full);
            widget->setProperty(kOwnTip, true);
        }
    } else if (ownTip) {
        widget->setToolTip(QString());
        widget->setProperty(kOwnTip, false);
    }
    // A cut text is read out whole; the name follows each new text (a language
    // change) and goes with the cut. A name of the widget's own, or one its code
    // gave it since, is left alone.
    const QString nameSet = widget->property(kOwnName).toString();
    const bool ownName = !nameSet.isEmpty() && widget->accessibleName() == nameSet;
    if (!fits) {
        if (widget->accessibleName().isEmpty() || ownName) {
            widget->setAccessibleName(full);
            widget->setProperty(kOwnName, full);
        }
    } else if (ownName) {
        widget->setAccessibleName(QString());
        widget->setProperty(kOwnName, QString());
    }
}

void remember(QWidget *widget, const QString &text)
{
    if (!widget->property(kFullText).isValid())
        widget->installEventFilter(Refitter::instance());
    widget->setProperty(kFullText, text);
    Refitter::refit(widget);
}

}  // namespace

void setText(QLabel *label, const QString &text)
{
    if (label)
        remember(label, text);
}

void setText(QAbstractButton *button, const QString &text)
{
    if (button)
        remember(button, text);
}

void keepWrappedLinesVisible(QLabel *label)
{
    if (!label || label->property(kWrapped).toBool())
        return;
    label->setWordWrap(true);
    label->setProperty(kWrapped, true);
    label->installEventFilter(Refitter::instance());
    Refitter::refit(label);
}

QString fullText(const QWidget *widget)
{
    const QVariant stored = widget->property(kFullText);
    if (stored.isValid())
        return stored.toString();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return QString();
}

int textRoom(const QWidget *widget)
{
    int room = widget->contentsRect().width();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return room - 2 * label->margin() - qMax(0, label->indent());
    auto *button = qobject_cast<const QAbstractButton *>(widget);
    if (!button)
        return room;
    if (qobject_cast<const QCheckBox *>(button) || qobject_cast<const QRadioButton *>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QStyle::SubElement contents
            = qobject_cast<const QCheckBox *>(button) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
        return button->style()->subElementRect(contents, &option, button).width();
    }
    auto *tool = qobject_cast<const QToolButton *>(button);
    const bool besideIcon = !tool || tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon;
    if (besideIcon && !button->icon().isNull())
        room -= button->iconSize().width() + 4;
    return room;
}

}  // namespace TextFit
