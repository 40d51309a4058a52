#pragma once

#include "keys/dkeypickerpage.h"

namespace Ui {
class DChangeKeyPage;
}

// The "Remap Key" function page: the key sends another key, picked on the
// pop-up virtual keyboard or captured from a physical keyboard while the
// pop-up is open. Every pick is stored at once.
class DChangeKeyPage : public DKeyPickerPage
{
    Q_OBJECT

public:
    explicit DChangeKeyPage(QWidget *parent = nullptr);
    ~DChangeKeyPage() override;

    void retranslateTexts() override;
    void loadKeyInfo() override;
    // Takes a picked target and stores it; a code without a caption is ignored.
    virtual void setTargetKey(int keyDec);

public Q_SLOTS:
    void onSoftKeyboardClicked_VirtualKB(int keyDec) override;

protected:
    void resetPick() override;
    void showStoredItem(const KeyOperateInfo &item) override;

private:
    void saveKeyInfo();

    Ui::DChangeKeyPage *ui;
    int m_targetKey = -1;  // picked, not yet stored
};
