#include "magnetic/dkeycalibrationexplaindia.h"

#include "ui_dkeycalibrationexplaindia.h"

DKeyCalibrationExplainDia::DKeyCalibrationExplainDia(int type, QWidget *parent)
    : QWidget(parent), ui(new Ui::DKeyCalibrationExplainDia)
{
    ui->setupUi(this);
    if (type == CalibrationSteps) {
        ui->stackedWidget->setCurrentWidget(ui->page_1);
        ui->label_1->setText(QObject::tr("1.Into key calibration mode first;"));
        ui->label_2->setText(QObject::tr("2.Select one key;"));
        ui->label_3->setText(QObject::tr("3.Clicked \"Start calibration\";"));
        ui->label_4->setText(QObject::tr("4.Press the selected key;"));
        ui->label_5->setText(QObject::tr("5.Return key calibration results;"));
    } else if (type == TravelScale) {
        ui->stackedWidget->setCurrentWidget(ui->page_3);
        ui->label_7->setText(QObject::tr("Set the required press key duration for triggering."));
    }
}

DKeyCalibrationExplainDia::~DKeyCalibrationExplainDia()
{
    delete ui;
}
