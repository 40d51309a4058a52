#include "keys/dkeyboardlightcustomeventpage.h"

#include "app/ddatamanager.h"
#include "ui_dkeyboardlightcustomeventpage.h"

#include <QTimer>

namespace {

#define TEXT(t) QT_TRANSLATE_NOOP("QObject", t)
// "Close all" and "Stop back light" store the same code and value and differ
// only in param2; any 26 item with param2 1 is "Stop back light", any 27 item
// "Light recording".
const RadioFunctionEntry kFunctions[] = {
    {"radioButton_OverallLightList", TEXT("Overall light"), 20, 1, "0", false, 1},
    {"radioButton_InteractionLightList", TEXT("Interaction light"), 20, 1, "1", false, 1},
    {"radioButton_AllLightList", TEXT("All light"), 20, 1, "2", false, 1},
    {"radioButton_StaticMode", TEXT("Static"), 20, 1, "3", false, 1},
    {"radioButton_BrightnessUp", TEXT("Brightness +"), 21, 1, "0", false, 1},
    {"radioButton_BrightnessDown", TEXT("Brightness -"), 21, 1, "1", false, 1},
    {"radioButton_SpeedAdd", TEXT("Speed +"), 22, 1, "0", false, 1},
    {"radioButton_SpeedLessen", TEXT("Speed -"), 22, 1, "1", false, 1},
    {"radioButton_DirectionAddOne", TEXT("Direction +1"), 23, 1, "0", false, 1},
    {"radioButton_DirectionLessenOne", TEXT("Direction -1"), 23, 1, "1", false, 1},
    {"radioButton_DirectionLoop", TEXT("Direction Loop"), 23, 1, "2", false, 1},
    {"radioButton_FullColor", TEXT("Into full color"), 24, 1, "0", false, 1},
    {"radioButton_TopColor", TEXT("Top color changed"), 24, 1, "1", false, 1},
    {"radioButton_BottomColor", TEXT("Bottom color changed"), 24, 1, "2", false, 1},
    {"radioButton_CloseAll", TEXT("Close all"), 26, 0, "0", true, 1},
    {"radioButton_CloseBackLight", TEXT("Close back light"), 26, 0, "1", true, 1},
    {"radioButton_StopBackLight", TEXT("Stop back light"), 26, 1, "0", true, 0},
    {"radioButton_LightRecording", TEXT("Light recording"), 27, 1, "0", false, 0},
    {"radioButton_IntoCustomLight01", TEXT("Custom 1"), 25, 1, "0", false, 1},
    {"radioButton_IntoCustomLight02", TEXT("Custom 2"), 25, 1, "1", false, 1},
};
#undef TEXT

}  // namespace

DKeyboardLightCustomEventPage::DKeyboardLightCustomEventPage(QWidget *parent)
    : DRadioFunctionPage(parent), ui(new Ui::DKeyboardLightCustomEventPage)
{
    ui->setupUi(this);
    setFunctions(kFunctions, int(sizeof kFunctions / sizeof *kFunctions));
    retranslateTexts();
}

DKeyboardLightCustomEventPage::~DKeyboardLightCustomEventPage()
{
    delete ui;
}

void DKeyboardLightCustomEventPage::retranslateTexts()
{
    ui->label_4->setText(QObject::tr("Keyboard Light"));
    retranslateButtons();
}

void DKeyboardLightCustomEventPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    setStyleSheet(radioSheet());
    ui->label_4->setStyleSheet(QStringLiteral("QLabel#label_4{ color: rgb(%1);}").arg(theme.TextDefaultColor));
    ui->label_4->setFont(themeFont(12));
    ui->scrollAreaWidgetContents->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents{ background-color: rgb(%1); }").arg(theme.DeviceRightBgColor));
    m_scrollSheet
        = QStringLiteral("QScrollBar:vertical{ width: 4px; background: transparent; margin: 3px 0px 3px 0px; }"
                         "QScrollBar:horizontal{ height: 4px; background: transparent; }"
                         "QScrollBar::handle{ background: rgb(%2); min-height: 20px; min-width: 20px; "
                         "border-radius: 2px; }"
                         "QScrollBar::handle:hover{ background: rgb(%3); }"
                         "QScrollBar::add-line, QScrollBar::sub-line{ width: 0px; height: 0px; }"
                         "QScrollBar::add-page, QScrollBar::sub-page{ background: rgb(%1); "
                         "border-radius: 3px; }")
              .arg(theme.AllScrollBgColor, theme.AllScrollBarColorDef, theme.AllScrollBarColorHover);
    // The scroll area takes the bar colours only once the page's own sheet has settled.
    QTimer::singleShot(200, this, &DKeyboardLightCustomEventPage::onScrollSheetSet);
}

void DKeyboardLightCustomEventPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(m_scrollSheet);
}
