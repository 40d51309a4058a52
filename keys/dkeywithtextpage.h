#pragma once

#include "keys/dkeyfunctionpage.h"

namespace Ui {
class DKeyWithTextPage;
}

// The "Text" function page: the key types a text, edited here as plain text
// and stored with OK. The text is kept within what the stored item carries
// back whole; Cancel hands control back to the host.
class DKeyWithTextPage : public DKeyFunctionPage
{
    Q_OBJECT

public:
    explicit DKeyWithTextPage(QWidget *parent = nullptr);
    ~DKeyWithTextPage() override;

    void retranslateTexts() override;
    void applyTheme() override;
    void loadKeyInfo() override;

    QString currentText() const { return m_currentText; }

public Q_SLOTS:
    void on_textEdit_keyText_textChanged();
    void on_pushButton_OK_clicked();
    void on_pushButton_Cancel_clicked();
    void onScrollSheetSet();

private:
    QString boxText() const;

    Ui::DKeyWithTextPage *ui;
    QString m_currentText;
    QString m_scrollSheet;
};
