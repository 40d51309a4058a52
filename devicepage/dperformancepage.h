#pragma once

#include <QByteArray>
#include <QWidget>

// Stand-in for the performance tab: the interface the device page calls and the
// signals it listens to, without the tab's content yet.
class DPerformancePage : public QWidget
{
    Q_OBJECT

public:
    explicit DPerformancePage(QWidget *parent = nullptr);

    void retranslateTexts() { }
    void applyTheme() { }
    void reloadSettings() { }
    void setProfileIndex(int index) { m_profileIndex = index; }
    void setProfilePath(const QByteArray &path) { m_profilePath = path; }

    int profileIndex() const { return m_profileIndex; }
    QByteArray profilePath() const { return m_profilePath; }

Q_SIGNALS:
    void sigResetoreCurrentProfile();
    void sigLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);
    void sigLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);

private:
    int m_profileIndex = 1;
    QByteArray m_profilePath;
};
