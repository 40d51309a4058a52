#pragma once

#include <QByteArray>
#include <QPointer>
#include <QWidget>

class ArrowWidget;
class DKeyFunctionPage;
class DResetDefaultPage;
class DChangeKeyPage;
class DKeyCombinationPage;
class DSeniorKeysBindingPage;
class QButtonGroup;
class QMovie;
class QToolButton;
class WindowsHookInterface;
namespace Ui {
class DCustomKeysPage;
}

// The key-assignment tab of the device page. For the key clicked on the
// keyboard picture it shows the function page of the function stored for it,
// one function button per page; it carries the Default/FN layer buttons, the
// selected key's caption and the Download button, marks keys on the picture
// after a save, and owns the application's one global key hook, which it
// switches between key capture for the remap and combination pages, the
// key-reactive light effects and macro recording.
class DCustomKeysPage : public QWidget
{
    Q_OBJECT

public:
    // Modes of the key hook.
    enum HookMode
    {
        HookMode_MacroRecord = 1,
        HookMode_RemapCapture = 2,
        HookMode_CombinationCapture = 3,
        HookMode_InteractiveLight = 5,
        HookMode_None = 999,
    };

    explicit DCustomKeysPage(QWidget *parent = nullptr);
    ~DCustomKeysPage() override;

    void retranslateTexts();
    void applyTheme();
    void setProfileIndex(int index);
    void setProfilePath(const char *path);
    void setProfilePath(const QByteArray &path);
    void resetPage(int layer);
    void refreshForDevice();
    void setPressModeSelectable(int layer);
    void stopDownloadAnimation();
    void setInteractiveLightCapture(bool on, int unused = 0);
    void setMacroRecordCapture(bool on);

    // A download runs from the Download click until stopDownloadAnimation; the
    // device page holds profile and layer switches back meanwhile.
    bool isDownloading() const { return m_downloading; }
    int currentPageCode() const { return m_pageCode; }
    int hookMode() const { return m_hookMode; }
    // The hook runs for the key-reactive light effects.
    bool isInteractiveCapture() const { return m_hookRunning && m_hookMode == HookMode_InteractiveLight; }
    int profileIndex() const { return m_profileIndex; }
    QByteArray profilePath() const { return m_profilePath; }
    DKeyFunctionPage *functionPage(int buttonId) const;
    QToolButton *functionButton(int buttonId) const;
    ArrowWidget *tipPopup() const;

    bool hasHeavyPressItem(int keyDec) const;
    bool hasLightPressItem(int keyDec) const;

Q_SIGNALS:
    void sigDefaultLayerAndFnLayerSwitch(int pageIndex);
    void sigSomeMessageTip_CustomKeysPage(QString strTip);
    void sigTheKeyboardIntoDownloading();
    void sigAutoIntoCustomKeysPage();
    void sigInteractLightsPointXY(int indexX, int indexY);

public Q_SLOTS:
    void onCurIndexChanged_Key(int selIndex);
    void onCurIndexChanged_Mode(int selIndex);
    void onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void onShouldUpdateKeyboard(int keyDec);
    void onKeyboardAlreadyLoad(int keyDec);
    void onCustomKeyInfoSaveSuccessful();
    void onCustomKeyInfoSaveFailed(int operateType, int errorIndex);
    void onClickedCancel();
    void onMessageStartOrStopHook(bool isStartHook);
    void onHookRunningStatusCtrl_MacroRecord(bool isStartHook);
    void onKeyboardReceiveStream(int keyCode, int scCode, int flag, int hookFlag);
    void onSeniorKeysListItemHaveChanged();
    void onInstallEventFilterOpen();
    void on_pushButton_Download_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createFunctionPages();
    void connectFunctionPage(DKeyFunctionPage *page, int buttonId);
    void showFunctionToolTip(int id);
    void switchForced(int buttonId);
    void checkLayerButton(int layer);
    void markKey(int keyDec, bool assigned);
    bool hasItem(const QByteArray &path, int profileIndex, int keyDec) const;
    void createHook();
    void destroyHook();
    int startHook(int mode);
    int stopHook();

    Ui::DCustomKeysPage *ui;
    WindowsHookInterface *m_hook = nullptr;  // no parent: it lives exactly as long as the page
    int m_hookMode = HookMode_None;
    bool m_hookRunning = false;
    QByteArray m_profilePath;
    int m_profileIndex = 1;
    QPointer<ArrowWidget> m_tipPopup;
    QMovie *m_loadingMovie = nullptr;
    bool m_downloading = false;
    bool m_forceSwitch = false;
    int m_pageCode = -1;
    int m_layer = 0;
    QButtonGroup *m_functionGroup = nullptr;
    QButtonGroup *m_layerGroup = nullptr;
    DKeyFunctionPage *m_pages[15] = {};
    DResetDefaultPage *m_defaultPage = nullptr;
    DChangeKeyPage *m_remapPage = nullptr;
    DKeyCombinationPage *m_combinationPage = nullptr;
    DSeniorKeysBindingPage *m_seniorKeysPage = nullptr;
};
