#include "widgets/accessiblecontrols.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QToolButton>

namespace AccessibleControls {
namespace {

enum class Kind
{
    Pressable,
    Hidden,
    Value,
    Notice,
    Selectable,
    Grid
};

struct Spec
{
    Kind kind = Kind::Pressable;
    ValueSource value;
    std::function<bool()> selected;
    GridSource grid;
};

Spec specOf(Kind kind, const ValueSource &value = {})
{
    Spec spec;
    spec.kind = kind;
    spec.value = value;
    return spec;
}

QHash<const QObject *, Spec> &registry()
{
    static QHash<const QObject *, Spec> specs;
    return specs;
}

void remember(QWidget *widget, const Spec &spec)
{
    install();
    const bool known = registry().contains(widget);
    if (!known)
        QObject::connect(widget, &QObject::destroyed, [](QObject *gone) { registry().remove(gone); });
    const Kind before = known ? registry().value(widget).kind : spec.kind;
    registry().insert(widget, spec);
    if (known && before == spec.kind)
        return;
    // An interface Qt made earlier (a name change asks for one) would hide ours:
    // drop whatever the cache holds so the next query comes to our factory.
    if (QAccessibleInterface *cached = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
}

QString plainText(const QString &text)
{
    return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText().simplified() : text;
}

// The name a widget's own look gives it when nobody set one: its label text.
QString visibleName(QWidget *widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return stripMnemonic(plainText(label->text()));
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return stripMnemonic(button->text());
    return widget->toolTip();
}

// A checkable button whose press and toggle actions click it, so the click
// handlers run exactly as for the mouse.
class ClickingButton : public QAccessibleWidget
{
public:
    explicit ClickingButton(QAbstractButton *button) : QAccessibleWidget(button, roleOf(button)) { }

    static QAccessible::Role roleOf(QAbstractButton *button)
    {
        if (qobject_cast<QCheckBox *>(button))
            return QAccessible::CheckBox;
        if (qobject_cast<QRadioButton *>(button))
            return QAccessible::RadioButton;
        return QAccessible::Button;
    }

    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        s.pressed = button()->isDown();
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            QString name = visibleName(widget());
            return name.isEmpty() ? QAccessibleWidget::text(t) : name;
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << pressAction() << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() || action == toggleAction()) {
            if (widget()->isEnabled())
                button()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// A label or frame that reacts to the mouse: pressed by sending the same press and
// release a click at its centre sends (event filters see them too).
class PressableWidget : public QAccessibleWidget
{
public:
    explicit PressableWidget(QWidget *w) : QAccessibleWidget(w, QAccessible::Button) { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return visibleName(widget());
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (!widget()->isEnabled())
            return;
        QPointer<QWidget> target = widget();
        const QPoint centre = target->rect().center();
        const QPoint global = target->mapToGlobal(centre);
        QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        if (!target)
            return;  // the press closed what it was on
        QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }
};

// A row of a list: pressed like a label control, and says whether it is selected.
class SelectableWidget : public PressableWidget
{
public:
    explicit SelectableWidget(QWidget *w) : PressableWidget(w) { }

    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QAccessible::State state() const override
    {
        QAccessible::State s = PressableWidget::state();
        s.selectable = true;
        const std::function<bool()> selected = registry().value(widget()).selected;
        s.selected = selected && selected();
        return s;
    }
};

class GridWidget;

// One cell of a custom-painted grid; lives as long as the grid's interface.
class GridCell : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    GridCell(QWidget *grid, int row, int column) : m_grid(grid), m_row(row), m_column(column) { }

    GridSource source() const { return m_grid ? registry().value(m_grid.data()).grid : GridSource(); }

    bool isValid() const override { return m_grid; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        QAccessibleInterface *p = parent();
        return p ? p->window() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return m_grid ? QAccessible::queryAccessibleInterface(m_grid.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        const GridSource s = source();
        if (t == QAccessible::Name && s.name)
            return s.name(m_row, m_column);
        if (t == QAccessible::Value && s.value)
            return s.value(m_row, m_column);
        if (t == QAccessible::Description && s.description)
            return s.description(m_row, m_column);
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override
    {
        const GridSource s = source();
        if (!m_grid || !s.rect)
            return QRect();
        const QRect local = s.rect(m_row, m_column);
        return QRect(m_grid->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return source().cellRole; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!m_grid || !m_grid->isVisible())
            s.invisible = true;
        if (m_grid && !m_grid->isEnabled())
            s.disabled = true;
        const GridSource source = this->source();
        if (source.selected) {
            s.selectable = true;
            s.selected = source.selected(m_row, m_column);
        }
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }
    QStringList actionNames() const override
    {
        const GridSource s = source();
        QStringList names;
        if (!m_grid || !m_grid->isEnabled())
            return names;
        if (s.press)
            names << pressAction();
        if (s.menu)
            names << showMenuAction();
        if (s.extraAction && !s.extraActionName.isEmpty())
            names << s.extraActionName;
        return names;
    }
    void doAction(const QString &action) override
    {
        const GridSource s = source();
        if (!m_grid || !m_grid->isEnabled())
            return;
        if (action == pressAction() && s.press)
            s.press(m_row, m_column);
        else if (action == showMenuAction() && s.menu)
            s.menu(m_row, m_column);
        else if (s.extraAction && !s.extraActionName.isEmpty() && action == s.extraActionName)
            s.extraAction(m_row, m_column);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QWidget> m_grid;
    int m_row;
    int m_column;
};

// A custom-painted grid: its cells, row by row, are its children.
class GridWidget : public QAccessibleWidget
{
public:
    explicit GridWidget(QWidget *w) : QAccessibleWidget(w, QAccessible::Table) { }
    QAccessible::Role role() const override { return source().role; }
    ~GridWidget() override
    {
        for (QAccessible::Id id : qAsConst(m_cells))
            QAccessible::deleteAccessibleInterface(id);
    }

    GridSource source() const { return registry().value(widget()).grid; }

    QList<QWidget *> extras() const
    {
        const GridSource s = source();
        return s.extraChildren ? s.extraChildren() : QList<QWidget *>();
    }
    int childCount() const override
    {
        const GridSource s = source();
        return s.rows * s.columns + extras().size();
    }
    QAccessibleInterface *child(int index) const override
    {
        const GridSource s = source();
        const int cells = s.rows * s.columns;
        if (index >= cells && index < childCount())
            return QAccessible::queryAccessibleInterface(extras().at(index - cells));
        if (index < 0 || index >= cells)
            return nullptr;
        auto found = m_cells.constFind(index);
        if (found != m_cells.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto *cell = new GridCell(widget(), index / s.columns, index % s.columns);
        m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = m_cells.constBegin(); it != m_cells.constEnd(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        const QList<QWidget *> more = extras();
        for (int i = 0; i < more.size(); ++i)
            if (child && child->object() == more.at(i))
                return source().rows * source().columns + i;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface *c = child(i); c && c->rect().contains(x, y))
                return c;
        return nullptr;
    }

private:
    mutable QHash<int, QAccessible::Id> m_cells;
};

// Space holders: present for the layout, absent for the reader.
class HiddenWidget : public QAccessibleWidget
{
public:
    explicit HiddenWidget(QWidget *w) : QAccessibleWidget(w, QAccessible::Whitespace) { }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.focusable = false;
        return s;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QStringList actionNames() const override { return {}; }
};

class ValueWidget : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ValueWidget(QWidget *w) : QAccessibleWidget(w, QAccessible::Slider) { }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    ValueSource source() const { return registry().value(widget()).value; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) {
            const ValueSource s = source();
            if (s.text)
                return s.text();
            return s.current ? QString::number(s.current()) : QString();
        }
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override
    {
        const ValueSource s = source();
        return s.current ? QVariant(s.current()) : QVariant();
    }
    void setCurrentValue(const QVariant &value) override
    {
        const ValueSource s = source();
        if (s.set && widget()->isEnabled())
            s.set(qBound(s.minimum, value.toDouble(), s.maximum));
    }
    QVariant maximumValue() const override { return source().maximum; }
    QVariant minimumValue() const override { return source().minimum; }
    QVariant minimumStepSize() const override { return source().step; }
};

class NoticeWidget : public QAccessibleWidget
{
public:
    explicit NoticeWidget(QWidget *w) : QAccessibleWidget(w, QAccessible::AlertMessage) { }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    const auto spec = registry().constFind(object);
    if (spec != registry().constEnd()) {
        switch (spec->kind) {
        case Kind::Pressable: return new PressableWidget(widget);
        case Kind::Hidden: return new HiddenWidget(widget);
        case Kind::Value: return new ValueWidget(widget);
        case Kind::Notice: return new NoticeWidget(widget);
        case Kind::Selectable: return new SelectableWidget(widget);
        case Kind::Grid: return new GridWidget(widget);
        }
    }
    auto *button = qobject_cast<QAbstractButton *>(object);
    if (!button || !button->isCheckable())
        return nullptr;
    if (auto *tool = qobject_cast<QToolButton *>(button); tool && tool->menu())
        return nullptr;  // Qt's own interface offers the menu
    return new ClickingButton(button);
}

}  // namespace

void install()
{
    // Factories are asked newest first, so ours must come after Qt's widget factory,
    // which QApplication installs when it is built.
    static bool installed = false;
    if (installed || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

void makePressable(QWidget *widget, const QString &name)
{
    if (!widget)
        return;
    remember(widget, specOf(Kind::Pressable));
    if (!name.isEmpty())
        widget->setAccessibleName(name);
}

void hideFromTree(QWidget *widget)
{
    if (widget)
        remember(widget, specOf(Kind::Hidden));
}

void publishValue(QWidget *widget, const ValueSource &source)
{
    if (widget)
        remember(widget, specOf(Kind::Value, source));
}

void makeSelectable(QWidget *widget, const std::function<bool()> &isSelected, const QString &name)
{
    if (!widget)
        return;
    Spec spec = specOf(Kind::Selectable);
    spec.selected = isSelected;
    remember(widget, spec);
    if (!name.isEmpty())
        widget->setAccessibleName(name);
}

void publishGrid(QWidget *widget, const GridSource &source)
{
    if (!widget)
        return;
    Spec spec = specOf(Kind::Grid);
    spec.grid = source;
    remember(widget, spec);
}

void childrenReordered(QWidget *parent)
{
    if (!parent || !QAccessible::isActive())
        return;
    QAccessibleEvent event(parent, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&event);
}

void valueChanged(QWidget *widget)
{
    if (!widget || !QAccessible::isActive())
        return;
    const ValueSource s = registry().value(widget).value;
    if (!s.current)
        return;
    QAccessibleValueChangeEvent event(widget, s.current());
    QAccessible::updateAccessibility(&event);
}

void announce(QWidget *notice, const QString &text)
{
    if (!notice)
        return;
    remember(notice, specOf(Kind::Notice));
    notice->setAccessibleName(text);
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(notice, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}

QString stripMnemonic(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
                ++i;  // "&&" is a literal ampersand
            else
                continue;
        }
        out += text.at(i);
    }
    return out;
}

}  // namespace AccessibleControls
