#include "app/dloginwidget.h"

#include "ui_dloginwidget.h"

#include <QIcon>

DLoginWidget::DLoginWidget(QWidget *parent) : QWidget(parent), ui(new Ui::DLoginWidget)
{
    ui->setupUi(this);
    setFixedSize(300, 400);
    setWindowIcon(QIcon(QStringLiteral(":/images/tavrixLogo.png")));
    setWindowOpacity(0);
}

DLoginWidget::~DLoginWidget()
{
    delete ui;
}

void DLoginWidget::on_pushButton_Login_clicked()
{
    Q_EMIT sigLoginFinished(true);
}
