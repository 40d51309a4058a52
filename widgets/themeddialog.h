#pragma once

#include <QString>

class QWidget;
struct ThemeColorInfo;

// Small dialogs (message boxes, information windows) drawn in the current theme's
// colours instead of the desktop's, so they match the window they open over.
namespace ThemedDialog {

// The style sheet for a dialog in the given theme.
QString styleSheet(const ThemeColorInfo &theme);

// Styles the dialog by the current theme.
void apply(QWidget *dialog);

}  // namespace ThemedDialog
