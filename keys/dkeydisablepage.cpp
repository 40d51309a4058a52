#include "keys/dkeydisablepage.h"

#include "keys/keyoperatetype.h"
#include "ui_dkeydisablepage.h"

DKeyDisablePage::DKeyDisablePage(QWidget *parent) : DKeyFunctionPage(parent), ui(new Ui::DKeyDisablePage)
{
    ui->setupUi(this);
    retranslateTexts();
}

DKeyDisablePage::~DKeyDisablePage()
{
    delete ui;
}

void DKeyDisablePage::retranslateTexts()
{
    const QString keyName = ui->label_KeyChar->text();
    ui->retranslateUi(this);
    ui->label_KeyChar->setText(keyName);
    ui->label_3->setText(QObject::tr("Disable"));
    ui->pushButton_OK->setText(QObject::tr("OK"));
    ui->pushButton_Cancel->setText(QObject::tr("Cancel"));
}

void DKeyDisablePage::applyTheme()
{
    const QFont font = themeFont(12);
    ui->label_3->setStyleSheet(titleSheet());
    ui->label_3->setFont(font);
    ui->label_KeyChar->setStyleSheet(keyCaptionSheet());
    ui->label_KeyChar->setFont(font);
    for (QPushButton *button : {ui->pushButton_OK, ui->pushButton_Cancel}) {
        button->setStyleSheet(buttonSheet());
        button->setFont(font);
    }
}

void DKeyDisablePage::loadKeyInfo()
{
    DKeyFunctionPage::loadKeyInfo();
    ui->label_KeyChar->setText(m_keyName);
}

void DKeyDisablePage::on_pushButton_OK_clicked()
{
    saveKeyItem(KeyOperateType_Disable, "1", "1", QString("%1").arg(-1).toLatin1());
}

void DKeyDisablePage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
