#include "widgets/elidedcombo.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QHelpEvent>
#include <QPointer>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>

namespace ElidedCombo {
namespace {

const char *const kFollowed = "elidedComboFollowed";

QStyleOptionComboBox optionOf(const QComboBox *box)
{
    // As QComboBox::initStyleOption fills it for a box that is not editable.
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    option.subControls = QStyle::SC_All;
    if (box->view() && box->view()->isVisible())
        option.state |= QStyle::State_On;
    option.currentText = box->currentText();
    option.currentIcon = box->itemIcon(box->currentIndex());
    option.iconSize = box->iconSize();
    return option;
}

int textRoom(const QComboBox *box, const QStyleOptionComboBox &option)
{
    QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    int room = field.width() - 2;  // the label is drawn one pixel in from either side
    if (!option.currentIcon.isNull())
        room -= option.iconSize.width() + 4;
    return room;
}

class Painter : public QObject
{
public:
    static Painter *instance()
    {
        static QPointer<Painter> painter;
        if (!painter)
            painter = new Painter;
        return painter;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Events still reach the filter while a box is being destroyed, when it is no
        // longer a QComboBox.
        auto *box = qobject_cast<QComboBox *>(watched);
        if (!box || box->isEditable())
            return false;
        if (event->type() == QEvent::Paint) {
            QStylePainter painter(box);
            QStyleOptionComboBox option = optionOf(box);
            painter.drawComplexControl(QStyle::CC_ComboBox, option);
            option.currentText = shownText(box);
            painter.drawControl(QStyle::CE_ComboBoxLabel, option);
            return true;
        }
        if (event->type() == QEvent::ToolTip && box->toolTip().isEmpty()) {
            auto *help = static_cast<QHelpEvent *>(event);
            if (shownText(box) != box->currentText())
                QToolTip::showText(help->globalPos(), box->currentText(), box);
            else
                QToolTip::hideText();
            return true;
        }
        return false;
    }
};

}  // namespace

void follow(QComboBox *box)
{
    if (!box || box->property(kFollowed).toBool())
        return;
    box->setProperty(kFollowed, true);
    box->installEventFilter(Painter::instance());
}

QString shownText(const QComboBox *box)
{
    if (!box)
        return QString();
    const QStyleOptionComboBox option = optionOf(box);
    const QString text = box->currentText();
    const int room = textRoom(box, option);
    if (room <= 0)
        return text;
    return box->fontMetrics().elidedText(text, Qt::ElideRight, room);
}

}  // namespace ElidedCombo
