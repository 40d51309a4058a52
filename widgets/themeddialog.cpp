#include "widgets/themeddialog.h"

#include "app/ddatamanager.h"
#include "app/themecolorinfo.h"

#include <QWidget>

namespace ThemedDialog {

QString styleSheet(const ThemeColorInfo &theme)
{
    // Theme colours are "r, g, b" texts.
    return QStringLiteral("QDialog, QMessageBox { background-color: rgb(%1); }"
                          "QDialog QLabel, QMessageBox QLabel { color: rgb(%2); background: transparent;"
                          " font-family: \"%3\"; font-size: 10pt; }"
                          "QDialog QPushButton, QMessageBox QPushButton { color: rgb(%2); background-color: rgb(%4);"
                          " border: 1px solid rgb(%5); border-radius: 4px; padding: 4px 14px; min-width: 64px;"
                          " font-family: \"%3\"; font-size: 10pt; }"
                          "QDialog QPushButton:hover, QMessageBox QPushButton:hover { background-color: rgb(%6);"
                          " border-color: rgb(%7); }"
                          "QDialog QPushButton:pressed, QMessageBox QPushButton:pressed,"
                          " QDialog QPushButton:focus, QMessageBox QPushButton:focus { border-color: rgb(%7); }")
        .arg(theme.SettingsBgColor, theme.TextDefaultColor, theme.TextFont, theme.SettingsControlDefaultColor,
             theme.SettingsControlBorderColor, theme.SettingsControlHoverBgColor, theme.TextCheckedColor);
}

void apply(QWidget *dialog)
{
    if (!dialog)
        return;
    dialog->setAttribute(Qt::WA_StyledBackground);
    dialog->setStyleSheet(styleSheet(DDataManager::getInstance()->getThemeColorInfo()));
}

}  // namespace ThemedDialog
