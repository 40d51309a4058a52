#include "keys/dsidelightcustomeventpage.h"

#include "app/ddatamanager.h"
#include "ui_dsidelightcustomeventpage.h"

namespace {

#define TEXT(t) QT_TRANSLATE_NOOP("QObject", t)
// Any 34 item with param2 0 is "Close side light", with param2 1 "Stop side light".
const RadioFunctionEntry kFunctions[] = {
    {"radioButton_AllLightList", TEXT("All light"), 30, 1, "2", false, 1},
    {"radioButton_OverallLightList", TEXT("Overall light"), 30, 1, "0", false, 1},
    {"radioButton_InteractionLightList", TEXT("Interaction light"), 30, 1, "1", false, 1},
    {"radioButton_BrightnessUp", TEXT("Brightness +"), 31, 1, "0", false, 1},
    {"radioButton_BrightnessDown", TEXT("Brightness -"), 31, 1, "1", false, 1},
    {"radioButton_SpeedAdd", TEXT("Speed +"), 32, 1, "0", false, 1},
    {"radioButton_SpeedLessen", TEXT("Speed -"), 32, 1, "1", false, 1},
    {"radioButton_FullColor", TEXT("Into full color"), 33, 1, "0", false, 1},
    {"radioButton_TopColor", TEXT("Top color changed"), 33, 1, "1", false, 1},
    {"radioButton_BottomColor", TEXT("Bottom color changed"), 33, 1, "2", false, 1},
    {"radioButton_CloseSideLight", TEXT("Close side light"), 34, 0, "2", true, 0},
    {"radioButton_StopSideLight", TEXT("Stop side light"), 34, 1, "0", true, 0},
};
#undef TEXT

}  // namespace

DSideLightCustomEventPage::DSideLightCustomEventPage(QWidget *parent)
    : DRadioFunctionPage(parent), ui(new Ui::DSideLightCustomEventPage)
{
    ui->setupUi(this);
    setFunctions(kFunctions, int(sizeof kFunctions / sizeof *kFunctions));
    retranslateTexts();
    // The side lights have no light lists of their own to step through.
    ui->radioButton_OverallLightList->hide();
    ui->radioButton_InteractionLightList->hide();
}

DSideLightCustomEventPage::~DSideLightCustomEventPage()
{
    delete ui;
}

void DSideLightCustomEventPage::retranslateTexts()
{
    ui->label_12->setText(QObject::tr("Atmosphere Light"));
    retranslateButtons();
}

void DSideLightCustomEventPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    setStyleSheet(radioSheet());
    ui->label_12->setStyleSheet(QStringLiteral("QLabel#label_12{ color: rgb(%1);}").arg(theme.TextDefaultColor));
    ui->label_12->setFont(themeFont(12));
}
