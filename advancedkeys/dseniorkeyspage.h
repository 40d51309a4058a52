#pragma once

#include <QWidget>

// Stand-in for the advanced-keys editor dialog: the shape and signal the main
// window relies on, no editor yet. Frameless, fixed size, deletes itself when closed.
class DSeniorKeysPage : public QWidget
{
    Q_OBJECT

public:
    explicit DSeniorKeysPage(QWidget *parent = nullptr);

Q_SIGNALS:
    void sigSeniorKeysPageClose();

protected:
    void closeEvent(QCloseEvent *event) override;
};
