#pragma once

#include "keys/dkeyfunctionpage.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;

// One radio button of a fixed-function page: the code it stores, its object
// name in the page's form and its text (translated in the "QObject" context).
struct KeyCodeChoice
{
    int code;
    const char *objectName;
    const char *text;
};

// The pattern of the shortcut, mouse and multimedia pages: a grid of radio
// buttons, one per code of the page's table. A click stores the button's code
// at once as the key's item; a load checks the button of a stored item of the
// page's own type, or none.
class DKeyCodeChoicePage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    void retranslateTexts() override;
    void applyTheme() override;
    void loadKeyInfo() override;
    // Stores code as the key's item of the page's type.
    void saveKeyInfo(int code);

    int operateType() const { return m_operateType; }
    // The button of code, nullptr when the code has none.
    QAbstractButton *choiceButton(int code) const;
    // The code of the checked button, -1 when none is checked.
    int checkedCode() const;

protected:
    DKeyCodeChoicePage(int operateType, QWidget *parent);

    // Called by the subclass once its form is set up.
    void setChoices(QLabel *title, const char *titleText, const KeyCodeChoice *choices, int count);
    // Re-applies the form's own texts.
    virtual void retranslateForm() = 0;

private:
    void clearSelection();

    const int m_operateType;
    QLabel *m_title = nullptr;
    const char *m_titleText = nullptr;
    const KeyCodeChoice *m_choices = nullptr;
    int m_count = 0;
    QButtonGroup *m_group = nullptr;
};
