#pragma once

#include "keys/dkeycodechoicepage.h"

namespace Ui {
class DMouseKeyPage;
}

// The "Mouse Key" function page: the key acts as a mouse button or the wheel.
class DMouseKeyPage : public DKeyCodeChoicePage
{
    Q_OBJECT

public:
    explicit DMouseKeyPage(QWidget *parent = nullptr);
    ~DMouseKeyPage() override;

protected:
    void retranslateForm() override;

private:
    Ui::DMouseKeyPage *ui;
};
