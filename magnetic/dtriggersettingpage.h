#pragma once

#include "magnetic/triggerselmode.h"
#include "widgets/arrowwidget.h"

#include <QPointer>
#include <QWidget>

namespace Ui {
class DTriggerSettingPage;
}

class DSensitivityShowWidget;
class sliderCustomWidget;

// The magnetic trigger tab: trigger points and quick trigger for the selected keys, the
// report rate, the sensitivity reset and key calibration. It knows no device: every request
// leaves as a signal for the device page, and the keyboard's answers arrive through the data
// manager's relays.
class DTriggerSettingPage : public QWidget
{
    Q_OBJECT

public:
    explicit DTriggerSettingPage(QWidget *parent = nullptr);
    ~DTriggerSettingPage() override;

    void retranslateTexts();
    void applyTheme();
    // Puts the tab into its default state for the current keyboard.
    void reloadSettings();
    // Unchecks calibration mode and clears the data manager's flag, without telling anyone.
    void leaveCalibrationMode();
    // The live travel shown on the travel scale goes back to 0.
    void clearLiveTravel();
    int liveTravel() const;

    // What "Apply" would send now.
    MagnetKeyTriggerConfig currentConfig() const;
    DSensitivityShowWidget *travelScale() const { return m_scale; }
    sliderCustomWidget *rateSelector() const { return m_rateSelector; }
    ArrowWidget *explainPopup() const { return m_ExplainPopup; }

    // Report-rate selector position 0..3 for a rate in kHz (anything unknown gives 0), and back.
    static int ratePosition(int rateKHz);
    static int rateOfPosition(int position);

public Q_SLOTS:
    void onCurrentStrengthNumBack(int whereData, int StrengthNum);
    // Live travel of a key (column, row, level), relayed by the data manager.
    void onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    // The keyboard's answer to a click query on a key.
    void onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum, int QuickTriggerPressNum,
                                                      int QuickTriggerReleaseNum);
    void onBackCurrentPositionNum_RateOfReturn(int rateOfReturnNum);
    void onScrollSheetSet();
    void onExplainShow();
    void theExplainMagneticKeyShow();
    void onSliderPressReleaseJourneyValue(int Value);
    void onSliderPressJourneyValue(int Value);
    void onSliderReleaseJourneyValue(int Value);
    void onSliderPressReleaseJourneyReleased();
    void onSliderPressJourneyReleased();
    void onSliderReleaseJourneyReleased();

Q_SIGNALS:
    void sigMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R, int strengthNum_QuickTrigger_L,
                                   int strengthNum_QuickTrigger_R);
    void sigMagnetsKeyboardDefaultSensitivity();
    // Debounce is not offered on this tab; the signal stays for the device page's relay.
    void sigKeyAntiShakeCurrentNum(int KeyAntiShakeNum);
    void sigKeyRateOfReturnCurrentNum(int rateOfReturnNumDel);
    void sigCalibrationMode(int selMode);
    void sigKeyCalibrationStartRunning();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private Q_SLOTS:
    void on_checkBox_QuickTrigger_clicked();
    void on_checkBox_SecondarySensitivity_clicked();
    void on_pushButton_TriggerApply_clicked();
    void on_pushButton_ResetSensitivity_clicked();
    void on_checkBox_CalibrationMode_clicked();
    void on_pushButton_KeyCalibration_clicked();
    void on_checkBox_IntensityTracking_clicked();

private:
    void setOwnTexts();
    // The quick-trigger column is as wide as its options' texts need (the panel grows
    // past its designed width for that), and its explanations keep to their lines.
    void fitOptionColumn();
    void applyScaleAndSelectorColours();
    void showQuickTriggerGroup(bool shown);
    void setAllQuickSliders(int value);
    void showExplainPopup(int type, QWidget *anchor, const QSize &size, int k);
    void hideExplainPopup();
    int levelCount() const;

    Ui::DTriggerSettingPage *ui;
    DSensitivityShowWidget *m_scale = nullptr;
    sliderCustomWidget *m_rateSelector = nullptr;
    QPointer<ArrowWidget> m_ExplainPopup;
    QString m_ScrollSheet;

    int m_StrengthNum_C = 0;
    int m_StrengthNum_L = 0;
    int m_StrengthNum_R = 0;
    int m_QuickTrigger_StrengthNum_C = 0;
    int m_QuickTrigger_StrengthNum_L = 0;
    int m_QuickTrigger_StrengthNum_R = 0;
};
