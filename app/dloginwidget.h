#pragma once

#include <QWidget>

namespace Ui {
class DLoginWidget;
}

// The start-up login step. It is never shown: start-up triggers its login at once,
// and the completed login builds the main window.
class DLoginWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DLoginWidget(QWidget *parent = nullptr);
    ~DLoginWidget() override;

Q_SIGNALS:
    void sigLoginFinished(bool ok);

public Q_SLOTS:
    void on_pushButton_Login_clicked();

private:
    Ui::DLoginWidget *ui;
};
