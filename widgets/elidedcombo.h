#pragma once

#include <QString>

class QComboBox;

// A closed choice box whose current text is wider than its field: the text is
// cut at a whole letter with "…", and the whole text is the box's tip. (A box
// draws its text clipped, cut mid-letter, and gives no tip of its own.)
namespace ElidedCombo {

// Paints the box's current text elided and answers tip requests with it whole.
void follow(QComboBox *box);

// The current text as the closed box shows it.
QString shownText(const QComboBox *box);

}  // namespace ElidedCombo
