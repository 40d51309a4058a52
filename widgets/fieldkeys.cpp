#include "widgets/fieldkeys.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QVariant>

namespace {

// A spin box's own line edit counts as the spin box.
QWidget *fieldOf(QWidget *focus)
{
    if (!focus)
        return nullptr;
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(focus->parentWidget()))
        return spin;
    if (qobject_cast<QLineEdit *>(focus) || qobject_cast<QAbstractSpinBox *>(focus)
        || qobject_cast<QAbstractSlider *>(focus) || qobject_cast<QComboBox *>(focus))
        return focus;
    return nullptr;
}

QVariant valueOf(QWidget *field)
{
    if (auto *slider = qobject_cast<QAbstractSlider *>(field))
        return slider->value();
    if (auto *combo = qobject_cast<QComboBox *>(field))
        return combo->currentIndex();
    if (qobject_cast<QAbstractSpinBox *>(field))
        return field->property("value");
    return QVariant();
}

class FieldKeyFilter : public QObject
{
public:
    explicit FieldKeyFilter(QWidget *dialog) : QObject(dialog), m_dialog(dialog)
    {
        dialog->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            QWidget *field = fieldOf(now);
            if (field && m_dialog->isAncestorOf(field)) {
                m_field = field;
                m_value = valueOf(field);
            }
        });
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_dialog || event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape)
            return false;
        QWidget *field = fieldOf(QApplication::focusWidget());
        if (!field || !m_dialog->isAncestorOf(field))
            return false;
        if (key == Qt::Key_Escape)
            takeBack(field);
        else
            confirm(field);
        event->accept();
        return true;
    }

private:
    // A slider moved by keys reports its new value as the end of a drag, which is when
    // its owner takes the value; the confirmed value is the one a later Escape returns to.
    void confirm(QWidget *field)
    {
        auto *slider = qobject_cast<QAbstractSlider *>(field);
        if (field != m_field)
            return;
        if (slider && slider->value() != m_value.toInt())
            Q_EMIT slider->sliderReleased();
        m_value = valueOf(field);
    }

    void takeBack(QWidget *field)
    {
        if (auto *edit = qobject_cast<QLineEdit *>(field)) {
            // Back to the text the program last set: what the user typed since goes.
            while (edit->isUndoAvailable())
                edit->undo();
            return;
        }
        if (field != m_field || !m_value.isValid())
            return;
        if (auto *slider = qobject_cast<QAbstractSlider *>(field)) {
            // The owner takes the value back as it took the changed one.
            if (slider->value() != m_value.toInt()) {
                slider->setValue(m_value.toInt());
                Q_EMIT slider->sliderReleased();
            }
        } else if (auto *combo = qobject_cast<QComboBox *>(field))
            combo->setCurrentIndex(m_value.toInt());
        else
            field->setProperty("value", m_value);
    }

    QWidget *m_dialog;
    QPointer<QWidget> m_field;
    QVariant m_value;
};

}  // namespace

namespace FieldKeys {

void keepInFields(QWidget *dialog)
{
    if (dialog)
        new FieldKeyFilter(dialog);
}

}  // namespace FieldKeys
