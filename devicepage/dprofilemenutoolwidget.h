#pragma once

#include <QWidget>

namespace Ui {
class DProfileMenuToolWidget;
}

// The profile menu that the device page pops up from its profile button. It only
// reports the chosen entry; the page hides the pop-up and carries out the action.
class DProfileMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DProfileMenuToolWidget(QWidget *parent = nullptr);
    ~DProfileMenuToolWidget() override;

Q_SIGNALS:
    void sigCloseMenuWidow();
    void sigProfileCreate();
    void sigProfileExport();
    void sigProfileImport();
    void sigProfileDelete();
    void sigProfileModifyName();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Ui::DProfileMenuToolWidget *ui;
};
