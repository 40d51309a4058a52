#pragma once

#include "keys/dkeypickerpage.h"
#include "keys/keycombinationpicker.h"

namespace Ui {
class DKeyCombinationPage;
}

// The "Key Combination" function page: the key sends one or two modifiers
// with one other key. The modifiers and then the main key are picked on the
// pop-up virtual keyboard or captured from a physical keyboard; the moment the
// main key is picked the combination is stored.
class DKeyCombinationPage : public DKeyPickerPage
{
    Q_OBJECT

public:
    explicit DKeyCombinationPage(QWidget *parent = nullptr);
    ~DKeyCombinationPage() override;

    void retranslateTexts() override;
    void loadKeyInfo() override;
    // A key captured while the pop-up is open: picked like a clicked one.
    virtual void addCapturedKey(int keyDec);

    const KeyCombinationPicker &picker() const { return m_picker; }

public Q_SLOTS:
    void onSoftKeyboardClicked_VirtualKB(int keyDec) override;

protected:
    void resetPick() override;
    void showStoredItem(const KeyOperateInfo &item) override;
    void popupOpened() override;
    void popupClosed() override;

private:
    void saveKeyInfo();

    Ui::DKeyCombinationPage *ui;
    KeyCombinationPicker m_picker;
};
