#pragma once

#include "keys/dradiofunctionpage.h"

namespace Ui {
class DKeyConfigFunctionPage;
}

// The "Key Config" function page: the key locks the keyboard, toggles the Win
// lock, queries the power state or switches the connection (USB, 2.4 GHz, one of
// three Bluetooth channels).
class DKeyConfigFunctionPage : public DRadioFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyConfigFunctionPage(QWidget *parent = nullptr);
    ~DKeyConfigFunctionPage() override;

    void retranslateTexts() override;
    void applyTheme() override;
    void loadKeyInfo() override;

private:
    Ui::DKeyConfigFunctionPage *ui;
};
