#pragma once

#include "keys/dkeyfunctionpage.h"

#include <QMap>

class ArrowWidget;
class DVirtualKeyboardTool;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
struct KeyOperateInfo;

// What the remap and key-combination pages share: a line edit that opens a
// pop-up virtual keyboard when it gets focus, on which (or on a physical
// keyboard, through the host's key capture) the user picks keys; the hidden
// press-mode selector; and the page's copy of the key captions.
class DKeyPickerPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    void applyTheme() override;
    // Every page works on the layer file shown: the selector stays hidden.
    void setPressModeSelectable(bool) override;

    ArrowWidget *popup() const { return m_popup; }
    DVirtualKeyboardTool *virtualKeyboard() const { return m_virtualKeyboard; }
    QLineEdit *pickEdit() const { return m_edit; }

public Q_SLOTS:
    // 0: the layer file shown with the current profile; otherwise the heavy-press
    // functions of the magnetic layer file. Then shows the key's stored item.
    void onCurIndexChanged_ModeSel(int selIndex);
    virtual void onSoftKeyboardClicked_VirtualKB(int keyDec) = 0;
    void onArrowWidgetHide();
    // Escape while the pop-up is open: nothing is stored, a half-picked entry is
    // dropped, the stored item shows again and the pop-up closes.
    void cancelPick();

protected:
    DKeyPickerPage(QWidget *parent);

    struct PickerForm
    {
        int keyboardMode;  // of the virtual keyboard
        QLabel *title;
        QLineEdit *edit;
        QFrame *pressModeFrame;
        QRadioButton *lightPress;
        QRadioButton *heavyPress;
    };
    void setupPicker(const PickerForm &form);
    void retranslatePicker(const char *title, const char *placeholder);
    // Takes the key from the data manager and shows its stored item.
    void loadPicker();

    // The line edit was emptied for a fresh read: forget what was picked.
    virtual void resetPick() = 0;
    // The key's item in the chosen file and profile; key field -1 when none.
    virtual void showStoredItem(const KeyOperateInfo &item) = 0;
    virtual void popupOpened() { }
    virtual void popupClosed() { }

    bool eventFilter(QObject *watched, QEvent *event) override;

    QMap<int, QString> m_captions;  // key code to caption, refreshed at each load

private:
    void openPopup();

    PickerForm m_form {};
    QLineEdit *m_edit = nullptr;
    ArrowWidget *m_popup = nullptr;
    DVirtualKeyboardTool *m_virtualKeyboard = nullptr;
    QButtonGroup *m_pressModeGroup = nullptr;
};
