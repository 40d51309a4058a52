#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// A yes-or-no question in the program's own dialog style: a frameless rounded
// window in the theme's colours with its title in a title bar, the question, and
// the buttons "Yes" and "No". No window-manager frame, no maximise button, no icon.
class QuestionDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Escape
    {
        AnswersNo,  // Escape is the answer "No"
        IsIgnored,  // the question cannot be closed without a choice
    };

    QuestionDialog(const QString &title, const QString &text, Escape escape, QWidget *parent = nullptr);

    // Asks modally; true for "Yes".
    static bool ask(QWidget *parent, const QString &title, const QString &text, Escape escape = Escape::AnswersNo);

    QLabel *titleLabel() const { return m_title; }
    QLabel *textLabel() const { return m_text; }
    QPushButton *yesButton() const { return m_yes; }
    QPushButton *noButton() const { return m_no; }

public Q_SLOTS:
    void reject() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applyTheme();

    Escape m_escape;
    QLabel *m_title = nullptr;
    QLabel *m_text = nullptr;
    QPushButton *m_yes = nullptr;
    QPushButton *m_no = nullptr;
};
