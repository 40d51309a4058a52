#include "app/themecolorinfo.h"

#define THEME_FIELD(name)                                                                                              \
    ThemeColorInfo::Field                                                                                              \
    {                                                                                                                  \
#name, &ThemeColorInfo::name                                                                                   \
    }

const std::array<ThemeColorInfo::Field, ThemeColorInfo::kColorCount + 1> &ThemeColorInfo::fields()
{
    static const std::array<Field, kColorCount + 1> table = {{
        THEME_FIELD(TextDefaultColor),
        THEME_FIELD(TextHoverColor),
        THEME_FIELD(TextCheckedColor),
        THEME_FIELD(AllBgColor),
        THEME_FIELD(AllThemeColor),
        THEME_FIELD(AllScrollBgColor),
        THEME_FIELD(AllScrollBarColorDef),
        THEME_FIELD(AllScrollBarColorHover),
        THEME_FIELD(MainWidgetBgColor),
        THEME_FIELD(MainWidgetBorderColor),
        THEME_FIELD(MainWidgetTitleColorStart),
        THEME_FIELD(MainWidgetTitleColorStop),
        THEME_FIELD(DeviceBorderColor),
        THEME_FIELD(DeviceLeftBgColor),
        THEME_FIELD(DeviceRightBgColor),
        THEME_FIELD(DeviceListAreaDefaultBgColor),
        THEME_FIELD(DeviceSoftkeyboardButColor),
        THEME_FIELD(DeviceSoftkeyboardButDefaultTextColor),
        THEME_FIELD(DeviceSliderHorizontalVerticalColor),
        THEME_FIELD(DeviceSliderEllipseColor),
        THEME_FIELD(MacroBorderColor),
        THEME_FIELD(MacroLeftBgColor),
        THEME_FIELD(MacroCenterBgColor),
        THEME_FIELD(MacroRightBgColor),
        THEME_FIELD(MacroListItemTextColor),
        THEME_FIELD(MacroListItemSelectedColor),
        THEME_FIELD(MacroListItemHoverColor),
        THEME_FIELD(SettingsTitleColorStart),
        THEME_FIELD(SettingsTitleColorStop),
        THEME_FIELD(SettingsBgColor),
        THEME_FIELD(SettingsBorderColor),
        THEME_FIELD(SettingsControlBorderColor),
        THEME_FIELD(SettingsControlDefaultColor),
        THEME_FIELD(SettingsControlHoverBgColor),
        THEME_FIELD(SettingsControlSelectedBgColor),
        THEME_FIELD(UpgradeBgColor),
        THEME_FIELD(UpgradeBorderColor),
        THEME_FIELD(UpgradeItemBorderColor),
        THEME_FIELD(UpgradeProgressBarTopColor),
        THEME_FIELD(UpgradeProgressBarBottomColor),
        THEME_FIELD(TextFont),
    }};
    return table;
}
