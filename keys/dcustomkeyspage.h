#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>

// Stand-in for the key-assignment tab: the interface the device page calls and the
// signals it listens to, without the tab's content yet.
class DCustomKeysPage : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomKeysPage(QWidget *parent = nullptr);

    void retranslateTexts() { }
    void applyTheme() { }
    // Re-initialises the tab for a layer (0 Default, 1 FN) when it is entered.
    void resetPage(int layer);
    void setProfileIndex(int index) { m_profileIndex = index; }
    void setProfilePath(const QByteArray &path) { m_profilePath = path; }
    // 0: the press-mode selectors may be offered (magnetic keyboards).
    void setPressModeSelectable(int mode) { m_pressModeSelectable = (mode == 0); }
    void refreshForDevice() { }
    void setInteractiveLightCapture(bool on, int = 0) { m_interactiveCapture = on; }
    void stopDownloadAnimation() { }

    int profileIndex() const { return m_profileIndex; }
    QByteArray profilePath() const { return m_profilePath; }
    bool isPressModeSelectable() const { return m_pressModeSelectable; }
    bool isInteractiveCapture() const { return m_interactiveCapture; }
    int layer() const { return m_layer; }

Q_SIGNALS:
    void sigDefaultLayerAndFnLayerSwitch(int layer);
    void sigSomeMessageTip_CustomKeysPage(QString tip);
    void sigTheKeyboardIntoDownloading();
    void sigAutoIntoCustomKeysPage();
    void sigInteractLightsPointXY(int indexX, int indexY);

private:
    int m_profileIndex = 1;
    QByteArray m_profilePath;
    bool m_pressModeSelectable = false;
    bool m_interactiveCapture = false;
    int m_layer = 0;
};
