#include "keys/dkeyconfigfunctionpage.h"

#include "app/ddatamanager.h"
#include "ui_dkeyconfigfunctionpage.h"

namespace {

#define TEXT(t) QT_TRANSLATE_NOOP("QObject", t)
// param2 is the function, the value its sub-code; a connection value is the
// connection (2 USB, 1 the 2.4 GHz receiver, 0 Bluetooth) and the channel.
const RadioFunctionEntry kFunctions[] = {
    {"radioButton_SwitchLoopWin", TEXT("Lock/Unlock Win"), 19, 2, "0", true, 1},
    {"radioButton_LockWin", TEXT("Lock win"), 19, 2, "1", true, 1},
    {"radioButton_UnlockWin", TEXT("Unlock win"), 19, 2, "2", true, 1},
    {"radioButton_LockKeyboard", TEXT("Lock keyboard"), 19, 0, "0", true, 0},
    {"radioButton_PowerQuery", TEXT("Power query"), 19, 10, "0", true, 0},
    {"radioButton_DefaultLayer", TEXT("Default layer"), 19, 8, "0", true, 1},
    {"radioButton_FNLayer", TEXT("FN layer"), 19, 8, "1", true, 1},
    {"radioButton_FN1Layer", TEXT("FN1 layer"), 19, 8, "2", true, 1},
    {"radioButton_USB", TEXT("USB switching"), 19, 11, "2,0", true, 1},
    {"radioButton_24G", TEXT("2.4G switching"), 19, 11, "1,0", true, 1},
    {"radioButton_Pattern1", TEXT("Bluetooth 1"), 19, 11, "0,0", true, 2},
    {"radioButton_Pattern2", TEXT("Bluetooth 2"), 19, 11, "0,1", true, 2},
    {"radioButton_Pattern3", TEXT("Bluetooth 3"), 19, 11, "0,2", true, 2},
};
#undef TEXT

// Keyboards of these layout types have no battery and no wireless connections.
bool cableOnlyType(int hidDeviceType)
{
    return hidDeviceType == 4 || hidDeviceType == 5;
}

}  // namespace

DKeyConfigFunctionPage::DKeyConfigFunctionPage(QWidget *parent)
    : DRadioFunctionPage(parent), ui(new Ui::DKeyConfigFunctionPage)
{
    ui->setupUi(this);
    setFunctions(kFunctions, int(sizeof kFunctions / sizeof *kFunctions));
    retranslateTexts();
    // Kept for stored items that name them, but not offered.
    for (QWidget *button : {ui->radioButton_DefaultLayer, ui->radioButton_FNLayer, ui->radioButton_FN1Layer,
                            ui->radioButton_LockWin, ui->radioButton_UnlockWin})
        button->hide();
}

DKeyConfigFunctionPage::~DKeyConfigFunctionPage()
{
    delete ui;
}

void DKeyConfigFunctionPage::retranslateTexts()
{
    ui->label->setText(QObject::tr("Key Config"));
    retranslateButtons();
}

void DKeyConfigFunctionPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    setStyleSheet(radioSheet());
    ui->label->setStyleSheet(QStringLiteral("QLabel#label{ color: rgb(%1);}").arg(theme.TextDefaultColor));
    ui->label->setFont(themeFont(12));
}

void DKeyConfigFunctionPage::loadKeyInfo()
{
    const bool wireless = !cableOnlyType(DDataManager::getInstance()->getHidDeviceType());
    for (QWidget *button : {ui->radioButton_PowerQuery, ui->radioButton_USB, ui->radioButton_24G,
                            ui->radioButton_Pattern1, ui->radioButton_Pattern2, ui->radioButton_Pattern3})
        button->setVisible(wireless);
    DRadioFunctionPage::loadKeyInfo();
}
