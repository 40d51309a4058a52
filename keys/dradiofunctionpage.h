#pragma once

#include "keys/dkeyfunctionpage.h"

#include <QVector>

class QRadioButton;
struct KeyOperateInfo;

// One radio button of a page that stores a fixed item per button: what a click
// stores, and which stored items show the button selected.
struct RadioFunctionEntry
{
    const char *object;  // the button's object name in the page's form
    const char *text;    // its text, translated in the "QObject" context
    int operateType;
    int param2;
    const char *value;
    // A stored item selects the button when its operateType is this one's, its
    // param2 too when matchParam2 is set, and the first valueParts numbers of its
    // value (split at commas, a missing or non-numeric part counts 0) are this
    // one's.
    bool matchParam2;
    int valueParts;
};

// Base of the pages that are a grid of radio buttons, one per function: a click
// stores that button's item at once (clicking the selected one stores it again),
// a load selects the button of the stored item, or none.
class DRadioFunctionPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DRadioFunctionPage(QWidget *parent = nullptr);

    void loadKeyInfo() override;

    // The button a stored item selects; -1 for none. Exposed for the pages' tests.
    int entryForItem(const KeyOperateInfo &item) const;
    // The entry last clicked; -1 before any click.
    int chosenEntry() const { return m_chosen; }

protected:
    // Takes the page's table and connects its buttons; call after setupUi.
    void setFunctions(const RadioFunctionEntry *entries, int count);
    // Re-applies the table's button texts in the current language.
    void retranslateButtons();
    // The page's radio-button sheet in the current theme.
    static QString radioSheet();

private:
    void onFunctionClicked(int entry);
    void selectOnly(int entry);

    const RadioFunctionEntry *m_entries = nullptr;
    QVector<QRadioButton *> m_buttons;
    int m_chosen = -1;
};
