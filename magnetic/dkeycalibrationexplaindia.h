#pragma once

#include <QWidget>

namespace Ui {
class DKeyCalibrationExplainDia;
}

// Content of the trigger tab's explanation pop-ups: one fixed explanation chosen by type
// (0 the calibration steps, 2 what the travel scale sets).
class DKeyCalibrationExplainDia : public QWidget
{
    Q_OBJECT

public:
    enum Type
    {
        CalibrationSteps = 0,
        TravelScale = 2
    };

    explicit DKeyCalibrationExplainDia(int type, QWidget *parent = nullptr);
    ~DKeyCalibrationExplainDia() override;

private:
    Ui::DKeyCalibrationExplainDia *ui;
};
