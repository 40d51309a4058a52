#pragma once

#include <QAccessible>
#include <QList>
#include <QRect>
#include <QString>

#include <functional>

class QWidget;

// What assistive tools (screen readers, desktop automation) see of our widgets.
//
// Qt's own interface for a checkable button answers the toggle action by flipping
// the check state alone, so tabs and mode buttons that act on `clicked` would change
// their look without doing anything. Ours answers press and toggle with a real
// click. Labels and frames that act on mouse presses are described here as push
// buttons whose press action sends the press and release a click sends; custom
// scales publish their value; layout placeholders leave the tree.
namespace AccessibleControls {

// Installs our interface factory; safe to call more than once. Must run after the
// QApplication exists (our factory has to be asked before Qt's widget factory).
void install();

// A label or frame that acts on a mouse click: role push button, the given name (or
// the label's own text when empty), and a press action that clicks its centre.
void makePressable(QWidget *widget, const QString &name = QString());

// A widget that is only there to hold space: hidden from assistive tools.
void hideFromTree(QWidget *widget);

// A custom scale or picker: role slider with the value the getter returns, bounded
// by minimum and maximum; the setter, if given, lets tools change it.
struct ValueSource
{
    std::function<double()> current;
    double minimum = 0;
    double maximum = 100;
    double step = 1;
    std::function<void(double)> set;
    // What a reader says for the value, when the number alone says little.
    std::function<QString()> text;
};
void publishValue(QWidget *widget, const ValueSource &source);

// A list row that a click selects: role list item, selectable, selected while the
// getter says so; its press action clicks it like makePressable.
void makeSelectable(QWidget *widget, const std::function<bool()> &isSelected, const QString &name = QString());

// A custom-painted grid of cells: each cell appears to tools as a child with its
// own name, value (its state) and place; press, if given, does what a click on
// the cell does.
struct GridSource
{
    int rows = 0;
    int columns = 0;
    std::function<QString(int row, int column)> name;
    std::function<QString(int row, int column)> value;
    std::function<QRect(int row, int column)> rect;  // in the widget's coordinates
    std::function<void(int row, int column)> press;
    // Read out after the name.
    std::function<QString(int row, int column)> description;
    // A further action of each cell (a row's delete button), under its own name.
    QString extraActionName;
    std::function<void(int row, int column)> extraAction;
    // A list of painted rows rather than a table of cells: the roles, a selected state,
    // and a menu action ("showMenu") when given.
    QAccessible::Role role = QAccessible::Table;
    QAccessible::Role cellRole = QAccessible::Cell;
    std::function<bool(int row, int column)> selected;
    std::function<void(int row, int column)> menu;
    // Widgets shown over the cells (an editor in place of a row) follow them in the tree.
    std::function<QList<QWidget *>()> extraChildren;
};
void publishGrid(QWidget *widget, const GridSource &source);

// Tells tools that the order of a widget's children changed (after a reorder of
// children to follow the screen).
void childrenReordered(QWidget *parent);

// Tells tools that a scale's value changed (for the value-change announcement).
void valueChanged(QWidget *widget);

// A toast or notice: role alert; announces its text when it shows.
void announce(QWidget *notice, const QString &text);

// The text with single '&' mnemonic marks removed and "&&" read as '&'.
QString stripMnemonic(const QString &text);

}  // namespace AccessibleControls
