#include "keys/dmultimediapage.h"

#include "keys/keyoperatetype.h"
#include "ui_dmultimediapage.h"

#include <iterator>

namespace {

// MultimediaCode. Code 7 belongs to the keyboard's table but is not offered.
const KeyCodeChoice kMultimediaKeys[] = {
    {0, "radioButton_volAdd", QT_TRANSLATE_NOOP("QObject", "Volume +")},
    {1, "radioButton_volLower", QT_TRANSLATE_NOOP("QObject", "Volume -")},
    {2, "radioButton_mute", QT_TRANSLATE_NOOP("QObject", "Mute")},
    {3, "radioButton_playOrPause", QT_TRANSLATE_NOOP("QObject", "Play/Pause")},
    {4, "radioButton_next", QT_TRANSLATE_NOOP("QObject", "Next track")},
    {5, "radioButton_previous", QT_TRANSLATE_NOOP("QObject", "Prev track")},
    {6, "radioButton_videoStop", QT_TRANSLATE_NOOP("QObject", "Stop")},
    {8, "radioButton_Player", QT_TRANSLATE_NOOP("QObject", "Player")},
    {9, "radioButton_Calculator", QT_TRANSLATE_NOOP("QObject", "Calculator")},
    {10, "radioButton_Computer", QT_TRANSLATE_NOOP("QObject", "Computer")},
    {11, "radioButton_Browser", QT_TRANSLATE_NOOP("QObject", "Browser")},
    {12, "radioButton_Email", QT_TRANSLATE_NOOP("QObject", "Email")},
    {13, "radioButton_ScreenBrightnessAdd", QT_TRANSLATE_NOOP("QObject", "Screen brightness+")},
    {14, "radioButton_ScreenBrightnessLess", QT_TRANSLATE_NOOP("QObject", "Screen brightness-")},
    {15, "radioButton_wwwSearch", QT_TRANSLATE_NOOP("QObject", "Search")},
};

}  // namespace

DMultimediaPage::DMultimediaPage(QWidget *parent)
    : DKeyCodeChoicePage(KeyOperateType_Multimedia, parent), ui(new Ui::DMultimediaPage)
{
    ui->setupUi(this);
    setChoices(ui->label_6, QT_TRANSLATE_NOOP("QObject", "Multimedia"), kMultimediaKeys,
               int(std::size(kMultimediaKeys)));
    retranslateTexts();
}

DMultimediaPage::~DMultimediaPage()
{
    delete ui;
}

void DMultimediaPage::retranslateForm()
{
    ui->retranslateUi(this);
}
