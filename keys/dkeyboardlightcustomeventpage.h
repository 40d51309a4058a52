#pragma once

#include "keys/dradiofunctionpage.h"

namespace Ui {
class DKeyboardLightCustomEventPage;
}

// The "Keyboard Light" function page: the key changes the keyboard's lighting
// (light list, brightness, speed, direction, colours, switching off, recording,
// the custom lights).
class DKeyboardLightCustomEventPage : public DRadioFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyboardLightCustomEventPage(QWidget *parent = nullptr);
    ~DKeyboardLightCustomEventPage() override;

    void retranslateTexts() override;
    void applyTheme() override;

public Q_SLOTS:
    void onScrollSheetSet();

private:
    Ui::DKeyboardLightCustomEventPage *ui;
    QString m_scrollSheet;
};
