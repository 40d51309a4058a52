#pragma once

#include <QColor>
#include <QString>

class QComboBox;
struct ThemeColorInfo;

// Drop-down lists in the theme's colours. A list opens in a window of its own,
// away from the page's style sheet, so it is given its colours here: the items on
// an opaque list background, the selected item on the theme's accent colour, and
// every text moved just far enough from the theme's text colour to be read on
// what is behind it, in every theme.
namespace ThemedComboBox {

struct ListColours
{
    QColor background;
    QColor text;
    QColor selectedBackground;
    QColor selectedText;
};

// The colours of a list whose items lie on `background` (a theme colour text;
// its alpha is dropped: a window of its own has nothing to show through it).
ListColours listColours(const ThemeColorInfo &theme, const QString &background);

// Rules for the list of the combo boxes that `selector` picks ("QComboBox",
// "QComboBox#name"), items on `background`.
QString listSheet(const ThemeColorInfo &theme, const QString &background,
                  const QString &selector = QStringLiteral("QComboBox"));

// The whole look of the choice boxes on the key-function pages (macro, advanced
// key, profile): the closed box and its list.
QString functionPageSheet(const ThemeColorInfo &theme);

// Sets the sheet on the box and has its list drawn by the sheet's item rules (item
// height, the selected item's colours), which the box's own list drawing ignores.
void apply(QComboBox *box, const QString &sheet);

}  // namespace ThemedComboBox
