#pragma once

#include "keys/dkeycodechoicepage.h"

namespace Ui {
class DHotKeyPage;
}

// The "Shortcuts" function page: the key performs a system shortcut (close window, show desktop, copy, ...).
class DHotKeyPage : public DKeyCodeChoicePage
{
    Q_OBJECT

public:
    explicit DHotKeyPage(QWidget *parent = nullptr);
    ~DHotKeyPage() override;

protected:
    void retranslateForm() override;

private:
    Ui::DHotKeyPage *ui;
};
