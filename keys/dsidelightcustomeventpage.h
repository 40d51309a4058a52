#pragma once

#include "keys/dradiofunctionpage.h"

namespace Ui {
class DSideLightCustomEventPage;
}

// The "Atmosphere Light" function page: the key changes the side lights.
class DSideLightCustomEventPage : public DRadioFunctionPage
{
    Q_OBJECT

public:
    explicit DSideLightCustomEventPage(QWidget *parent = nullptr);
    ~DSideLightCustomEventPage() override;

    void retranslateTexts() override;
    void applyTheme() override;

private:
    Ui::DSideLightCustomEventPage *ui;
};
