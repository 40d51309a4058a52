#include "keyboardview/keycolorrgbframeitem.h"

#include "ui_keycolorrgbframeitem.h"

keyColorRgbFrameItem::keyColorRgbFrameItem(QWidget *parent) : QWidget(parent), ui(new Ui::keyColorRgbFrameItem)
{
    ui->setupUi(this);
}

keyColorRgbFrameItem::~keyColorRgbFrameItem()
{
    delete ui;
}
