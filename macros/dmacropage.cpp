#include "macros/dmacropage.h"

#include <QCloseEvent>

DMacroPage::DMacroPage(QWidget *parent) : QWidget(parent)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(1050, 690);
}

void DMacroPage::closeEvent(QCloseEvent *event)
{
    Q_EMIT sigMacroPageClose();
    QWidget::closeEvent(event);
}
