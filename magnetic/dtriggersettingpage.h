#pragma once

#include <QWidget>

// The magnetic trigger tab: per-key trigger points and quick trigger, debounce, report rate
// and calibration. Only the interface the device page and the data manager's relays reach
// is here so far; the page itself is still to be built.
class DTriggerSettingPage : public QWidget
{
    Q_OBJECT

public:
    explicit DTriggerSettingPage(QWidget *parent = nullptr);

    void retranslateTexts();
    void applyTheme();
    // Reloads the tab from the device values the data manager keeps.
    void reloadSettings();
    // Clears the data manager's calibration-mode flag.
    void leaveCalibrationMode();
    // The live travel shown on the travel scale goes back to 0.
    void clearLiveTravel();
    int liveTravel() const { return m_liveTravel; }

public Q_SLOTS:
    // Live travel of a key (row, column, level), relayed by the data manager.
    void onBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    // The keyboard's answer to a click query on a key.
    void onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum, int QuickTriggerPressNum,
                                                      int QuickTriggerReleaseNum);

Q_SIGNALS:
    void sigMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R, int strengthNum_QuickTrigger_L,
                                   int strengthNum_QuickTrigger_R);
    void sigMagnetsKeyboardDefaultSensitivity();
    void sigKeyAntiShakeCurrentNum(int KeyAntiShakeNum);
    void sigKeyRateOfReturnCurrentNum(int rateOfReturnNumDel);
    void sigCalibrationMode(int selMode);
    void sigKeyCalibrationStartRuning();

private:
    int m_liveTravel = 0;
};
