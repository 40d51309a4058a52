#pragma once

#include "keys/dkeyfunctionpage.h"

namespace Ui {
class DKeyDisablePage;
}

// The "Disable" function page: OK switches the selected key off by storing a
// Disable item for it; Cancel sends the host back to the Default page.
class DKeyDisablePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyDisablePage(QWidget *parent = nullptr);
    ~DKeyDisablePage() override;

    void retranslateTexts() override;
    void applyTheme() override;
    void loadKeyInfo() override;

public Q_SLOTS:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();

private:
    Ui::DKeyDisablePage *ui;
};
