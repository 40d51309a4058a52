#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

namespace Ui {
class DPerformancePage;
}

// The performance tab: which shortcuts the keyboard's Win lock disables, the light
// and keyboard sleep times, sleep prohibition (one model only), the reset of the
// current profile and the desktop's keyboard settings.
//
// The Win-lock choices are stored here, in the current profile; the sleep times
// and the reset are only reported, since the device page must first hear from the
// keyboard (or ask the user) before anything is stored.
class DPerformancePage : public QWidget
{
    Q_OBJECT

public:
    // The model whose keyboard can be kept from sleeping, by its model name (what the
    // device page gives the data manager as the current product).
    static constexpr const char *kProhibitSleepModel = "QB84";
    // Limits of the two edits: seconds of light, minutes of keyboard.
    static constexpr int kLightSleepMax = 60000;
    static constexpr int kKeyboardSleepMin = 5;
    static constexpr int kKeyboardSleepMax = 1000;

    explicit DPerformancePage(QWidget *parent = nullptr);
    ~DPerformancePage() override;

    void setProfileIndex(int index) { m_profileIndex = index; }
    // The path is held whole, whatever its length.
    void setProfilePath(const QByteArray &path) { m_profilePath = path; }
    int profileIndex() const { return m_profileIndex; }
    QByteArray profilePath() const { return m_profilePath; }

    // Shows the current profile's choices and sleep times; stores and sends nothing.
    void reloadSettings();
    void retranslateTexts();
    void applyTheme();

Q_SIGNALS:
    void sigRestoreCurrentProfile();
    // Both times in seconds.
    void sigLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);
    // 1 = disabled: feature1 Windows key, feature2 Shift+Tab, feature3 Alt+Tab, feature4 Alt+F4.
    void sigLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    // A notice for the device page to show.
    void sigSomeMessageTip_PerformancePage(QString strTip);

private Q_SLOTS:
    void on_checkBox_disableWindowsKey_clicked();
    void on_checkBox_disableSHIFT_TAB_clicked();
    void on_checkBox_disableALT_TAB_clicked();
    void on_checkBox_disableALT_F4_clicked();
    void on_pushButton_Restore_clicked();
    void on_pushButton_keyboardProperties_clicked();
    void on_checkBox_ProhibitSleep_clicked();
    void on_pushButton_SubmitSleepTime_clicked();

private:
    void setTexts();
    void saveWinLockSettings();

    Ui::DPerformancePage *ui;
    QByteArray m_profilePath;
    int m_profileIndex = 1;
};
