#pragma once

#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

// Texts in widgets whose width the design fixes. A text that does not fit is shown
// cut with an ellipsis and the whole text becomes the widget's tool tip; the cut
// is redone when the widget's size, font or style changes. Button texts are shown
// literally: an '&' is doubled so that it is not taken as a mnemonic.
namespace TextFit {

void setText(QLabel *label, const QString &text);
void setText(QAbstractButton *button, const QString &text);

// A word-wrapped label that must show all its lines: its minimum height follows the
// height its text needs at its current width, so the layout makes room for it.
void keepWrappedLinesVisible(QLabel *label);

// The text last given to setText (the widget's own text for other widgets).
QString fullText(const QWidget *widget);

// Width the widget has for its text: the contents rectangle, less the indicator of
// a check box or radio button and the icon of a button.
int textRoom(const QWidget *widget);

}  // namespace TextFit
