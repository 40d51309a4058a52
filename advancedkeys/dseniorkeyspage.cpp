#include "advancedkeys/dseniorkeyspage.h"

#include <QCloseEvent>

DSeniorKeysPage::DSeniorKeysPage(QWidget *parent) : QWidget(parent)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(930, 590);
}

void DSeniorKeysPage::closeEvent(QCloseEvent *event)
{
    Q_EMIT sigSeniorKeysPageClose();
    QWidget::closeEvent(event);
}
