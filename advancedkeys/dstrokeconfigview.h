#pragma once

#include "advancedkeys/seniorkeyinfo.h"

#include <QWidget>

namespace Ui {
class DStrokeConfigView;
}

// Small frameless pop-up that sets the trigger depth of a dynamic-keystroke key: the press
// point and the release end together, 0.1..3.6 mm. Releasing the slider stores the record.
class DStrokeConfigView : public QWidget
{
    Q_OBJECT

public:
    explicit DStrokeConfigView(QWidget *parent = nullptr);
    ~DStrokeConfigView() override;

    void setStuInfo(SeniorKeyInfo info);
    SeniorKeyInfo getStuInfo() const { return m_info; }

public Q_SLOTS:
    void onSliderStrokeViewValue(int Value);
    void onSliderStrokeViewPressed();
    void onSliderStrokeViewReleased();

Q_SIGNALS:
    void sigTheDKSStrokeStuChanged();
    void sigTheStrokeConfigViewClose();

protected:
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void on_pushButton_Close_clicked();

private:
    Ui::DStrokeConfigView *ui;
    SeniorKeyInfo m_info;
};
