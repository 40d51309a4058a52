#pragma once

#include <QWidget>

namespace Ui {
class macroMenuToolWidget;
}

// The pop-up menu of a macro list entry: Export, Delete and Modify Name.
// A release of any mouse button on an entry closes the menu, then triggers it.
class macroMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit macroMenuToolWidget(QWidget *parent = nullptr);
    ~macroMenuToolWidget() override;

Q_SIGNALS:
    void sigCloseMenuWidow();
    void sigMacroExport();
    void sigMacroDelete();
    void sigMacroModifyName();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Ui::macroMenuToolWidget *ui;
};
