#pragma once

#include "keys/dkeyfunctionpage.h"

class QButtonGroup;
namespace Ui {
class DResetDefaultPage;
}

// The "Default" function page: OK gives the selected key back its own function
// by removing its item, and the profile's copy of a macro that no other key of
// the profile binds any more. It is the one page that writes no item and the
// only one the host shows with no key selected.
class DResetDefaultPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DResetDefaultPage(QWidget *parent = nullptr);
    ~DResetDefaultPage() override;

    void retranslateTexts() override;
    void applyTheme() override;
    void loadKeyInfo() override;
    void setPressModeSelectable(bool selectable) override;
    void clearSelectedKey();

public Q_SLOTS:
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();
    void onCurIndexChanged_ModeSel(int selIndex);

private:
    Ui::DResetDefaultPage *ui;
    QButtonGroup *m_pressModeGroup = nullptr;
    bool m_pressModeSelectable = true;
};
