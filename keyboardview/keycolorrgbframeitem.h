#pragma once

#include <QWidget>

namespace Ui {
class keyColorRgbFrameItem;
}

// The bottom layer of the keyboard picture; it holds nothing and keeps the
// stacking order of the layers above it.
class keyColorRgbFrameItem : public QWidget
{
    Q_OBJECT

public:
    explicit keyColorRgbFrameItem(QWidget *parent = nullptr);
    ~keyColorRgbFrameItem() override;

private:
    Ui::keyColorRgbFrameItem *ui;
};
