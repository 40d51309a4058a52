#include "keys/dmousekeypage.h"

#include "keys/keyoperatetype.h"
#include "ui_dmousekeypage.h"

#include <iterator>

namespace {

// MouseKeyCode.
const KeyCodeChoice kMouseKeys[] = {
    {0, "radioButton_mouseLeft", QT_TRANSLATE_NOOP("QObject", "Mouse Left")},
    {1, "radioButton_mouseCenter", QT_TRANSLATE_NOOP("QObject", "Mouse Center")},
    {2, "radioButton_mouseRight", QT_TRANSLATE_NOOP("QObject", "Mouse Right")},
    {3, "radioButton_mouseScrollUp", QT_TRANSLATE_NOOP("QObject", "Scroll Up")},
    {4, "radioButton_mouseScrollDown", QT_TRANSLATE_NOOP("QObject", "Scroll Down")},
    {5, "radioButton_Forward", QT_TRANSLATE_NOOP("QObject", "Forward")},
    {6, "radioButton_Backward", QT_TRANSLATE_NOOP("QObject", "Backward")},
    {7, "radioButton_SniperKey", QT_TRANSLATE_NOOP("QObject", "Sniper Key")},
};

}  // namespace

DMouseKeyPage::DMouseKeyPage(QWidget *parent)
    : DKeyCodeChoicePage(KeyOperateType_Mouse, parent), ui(new Ui::DMouseKeyPage)
{
    ui->setupUi(this);
    setChoices(ui->label_7, QT_TRANSLATE_NOOP("QObject", "Mouse Key"), kMouseKeys, int(std::size(kMouseKeys)));
    retranslateTexts();
    // The keyboards do not offer the sniper function; a stored one is still
    // recognised, on this hidden button.
    ui->radioButton_SniperKey->hide();
}

DMouseKeyPage::~DMouseKeyPage()
{
    delete ui;
}

void DMouseKeyPage::retranslateForm()
{
    ui->retranslateUi(this);
}
