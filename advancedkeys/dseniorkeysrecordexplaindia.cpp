#include "advancedkeys/dseniorkeysrecordexplaindia.h"

#include "ui_dseniorkeysrecordexplaindia.h"

DSeniorKeysRecordExplainDia::DSeniorKeysRecordExplainDia(int page, QWidget *parent)
    : QWidget(parent), ui(new Ui::DSeniorKeysRecordExplainDia)
{
    ui->setupUi(this);
    switch (page) {
    case 1:
        ui->stackedWidget->setCurrentWidget(ui->page_Explain01);
        ui->label_KeyRecordExplain->setText(
            QObject::tr("When \"Single Key\" is selected, simply click a certain key to complete key configuration;")
            + "\n"
            + QObject::tr("When \"Key Combination\" is selected, at least one combination key and one other key need "
                          "to be selected to complete the input of the combination key, such as L_Shift+A or "
                          "L_Shift+L_Ctrl+A;"));
        break;
    case 2: ui->stackedWidget->setCurrentWidget(ui->page_Explain02); break;
    case 3: ui->stackedWidget->setCurrentWidget(ui->page_Explain03); break;
    default: break;
    }
}

DSeniorKeysRecordExplainDia::~DSeniorKeysRecordExplainDia()
{
    delete ui;
}
