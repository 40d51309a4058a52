#include "keys/dhotkeypage.h"

#include "keys/keyoperatetype.h"
#include "ui_dhotkeypage.h"

#include <iterator>

namespace {

// ShortcutCode. Code 1 belongs to the keyboard's table but is not offered.
const KeyCodeChoice kShortcuts[] = {
    {0, "radioButton_CloseWindow", QT_TRANSLATE_NOOP("QObject", "Close window")},
    {2, "radioButton_ShowDesktop", QT_TRANSLATE_NOOP("QObject", "Show desktop")},
    {3, "radioButton_OpenMyComputer", QT_TRANSLATE_NOOP("QObject", "My computer")},
    {4, "radioButton_LockingComputer", QT_TRANSLATE_NOOP("QObject", "Lock computer")},
    {5, "radioButton_Copy", QT_TRANSLATE_NOOP("QObject", "Copy")},
    {6, "radioButton_Cut", QT_TRANSLATE_NOOP("QObject", "Cut")},
    {7, "radioButton_Paste", QT_TRANSLATE_NOOP("QObject", "Paste")},
    {8, "radioButton_Find", QT_TRANSLATE_NOOP("QObject", "Find")},
    {9, "radioButton_CreateNew", QT_TRANSLATE_NOOP("QObject", "New")},
    {10, "radioButton_Print", QT_TRANSLATE_NOOP("QObject", "Print")},
    {11, "radioButton_Save", QT_TRANSLATE_NOOP("QObject", "Save")},
};

}  // namespace

DHotKeyPage::DHotKeyPage(QWidget *parent) : DKeyCodeChoicePage(KeyOperateType_Shortcut, parent), ui(new Ui::DHotKeyPage)
{
    ui->setupUi(this);
    setChoices(ui->label, QT_TRANSLATE_NOOP("QObject", "Shortcuts"), kShortcuts, int(std::size(kShortcuts)));
    retranslateTexts();
}

DHotKeyPage::~DHotKeyPage()
{
    delete ui;
}

void DHotKeyPage::retranslateForm()
{
    ui->retranslateUi(this);
}
