#pragma once

#include <QString>

#include <array>

// Colours and font family of the current theme. Colour fields hold "r,g,b" or
// "r,g,b,a" texts ready for the %1 placeholders of style sheets; TextFont holds a
// family name. Plain value type, always copied whole.
struct ThemeColorInfo
{
    QString TextDefaultColor;
    QString TextHoverColor;
    QString TextCheckedColor;
    QString AllBgColor;
    QString AllThemeColor;
    QString AllScrollBgColor;
    QString AllScrollBarColorDef;
    QString AllScrollBarColorHover;
    QString MainWidgetBgColor;
    QString MainWidgetBorderColor;
    QString MainWidgetTitleColorStart;
    QString MainWidgetTitleColorStop;
    QString DeviceBorderColor;
    QString DeviceLeftBgColor;
    QString DeviceRightBgColor;
    QString DeviceListAreaDefaultBgColor;
    QString DeviceSoftkeyboardButColor;
    QString DeviceSoftkeyboardButDefaultTextColor;
    QString DeviceSliderHorizontalVerticalColor;
    QString DeviceSliderEllipseColor;
    QString MacroBorderColor;
    QString MacroLeftBgColor;
    QString MacroCenterBgColor;
    QString MacroRightBgColor;
    QString MacroListItemTextColor;
    QString MacroListItemSelectedColor;
    QString MacroListItemHoverColor;
    QString SettingsTitleColorStart;
    QString SettingsTitleColorStop;
    QString SettingsBgColor;
    QString SettingsBorderColor;
    QString SettingsControlBorderColor;
    QString SettingsControlDefaultColor;
    QString SettingsControlHoverBgColor;
    QString SettingsControlSelectedBgColor;
    QString UpgradeBgColor;
    QString UpgradeBorderColor;
    QString UpgradeItemBorderColor;
    QString UpgradeProgressBarTopColor;
    QString UpgradeProgressBarBottomColor;
    QString TextFont;

    struct Field
    {
        const char *key;  // key in the [ThemeColor] group of a theme file
        QString ThemeColorInfo::*member;
    };
    static constexpr int kColorCount = 40;  // fields 0..39 are colours, field 40 is the font family
    static const std::array<Field, kColorCount + 1> &fields();

    // Field by position (0..40); the position order is the theme file's key order.
    QString &at(int index) { return this->*fields()[index].member; }
    const QString &at(int index) const { return this->*fields()[index].member; }
};
