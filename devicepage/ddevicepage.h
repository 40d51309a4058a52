#pragma once

#include "lighting/colorinfodata.h"
#include "sdk/tavrixrecords.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>

#include <functional>

class ArrowWidget;
class CbNotice;
class DCustomKeysPage;
class DDeviceKeyboardLink;
class DDeviceListItem;
class DLightsConfigPage;
class DPerformancePage;
class DTriggerSettingPage;
struct HidReport;
class MainHidInterFace;
class OnboardDownload;
class ProfileController;
class ProfileDefaults;
class QTimer;
class QVBoxLayout;
class dragShowArea;
class hidDeviceJoinFrame;
class keyboardButCustom;
class lightDealMain;

namespace Ui {
class DDevicePage;
}

// The page on which the user works with keyboards: the device list with one card
// per device on the left, the picture of the current keyboard, the tab buttons,
// battery and connection display and profile controls below it, and the four tab
// pages at the bottom. It owns one device link per opened keyboard (kept for the
// life of the process), the light engine and the toast all its tabs use, and
// switches the current keyboard on card clicks, hot-plug and receiver reports.
class DDevicePage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;
    // Bounded waits for a device's link to know its light lists (milliseconds): after the
    // link is made, and once more before the current device's profile files are prepared.
    static constexpr int kLinkReadyWaitMs = 1300;
    static constexpr int kProfileReadyWaitMs = 1500;
    static constexpr int kEnumerateDelayMs = 200;
    // Hot-plug change codes the main window passes.
    static constexpr int kChangeArrival = 11;
    static constexpr int kChangeRemoval = 12;

    explicit DDevicePage(QWidget *parent = nullptr);
    ~DDevicePage() override;

    void retranslateTexts();
    void applyTheme();
    void showTabToolTip(int index);
    QPoint tipPosition() const;
    void clearDeviceListLayout();

    // Device list and links. A link is made and opened at once; what needs the keyboard
    // to have told its light lists waits for that (a bounded time) without an event loop
    // of its own, and the page counts as busy meanwhile. settled runs once that wait is
    // over, with the link, or nullptr when the link went away.
    DDeviceKeyboardLink *createDeviceLink(const hidStructInfoAll &info,
                                          std::function<void(DDeviceKeyboardLink *)> settled = {});
    // Makes the device current; done runs when the opening is over (at once when nothing
    // is opened or the keyboard is ready, later when it waits for the keyboard).
    void openDevice(hidStructInfoAll info, std::function<void()> done = {});
    void startLightEngine();
    void stopLightEngine();
    void stopLightEngineOnClose();
    void setHidListVisible(bool visible);
    // Closes every device link and waits for its I/O thread to end, so the process
    // can leave without threads still touching devices.
    void closeAllLinks();
    // The process is ending: the light engine's ticks and sound capture end first
    // (they feed the links), then every link's I/O thread.
    void shutDownDevices();

    // Hot-plug entry: changeType 11 arrival, 12 removal; the path text is not used.
    void hidDeviceConnectChanging(int changeType, QString hidPath);

    // Profile files of the current device, once its link is ready or its wait is over.
    void initProfileFiles(hidStructInfoAll device, int = 0);
    void loadProfileData();
    // For a layer file about to be used: true when it must be made anew (missing,
    // empty, or damaged and moved aside by the user); a damaged file the user
    // keeps stays as it is.
    bool keepOrReplaceLayerFile(const QByteArray &path);
    // Makes the current keyboard's layer files that are missing or empty (left so
    // by a first connection whose writes failed), each whole, and stores the
    // keyboard's lights in a new Default layer file. False, with the store's
    // reason as its last failure, when one cannot be made.
    bool makeMissingLayerFiles();
    void loadProfileList();
    bool addDefaultLightItems(int profileIndex);
    bool addDefaultCustomLights(int profileIndex);
    bool loadCustomLightPreset(int profileIndex, int slot);
    // Rewrites the keys of the custom light slot in use from the key buttons.
    void saveCustomLightColors();

    // Copies for the main window's firmware check and update.
    QMap<QString, DDeviceKeyboardLink *> getKeyboardLinkMap() const { return deviceLinks; }
    QList<hidStructInfoAll> getHidDeviceList() const { return deviceInfos.values(); }

    // State, for the main window and for tests.
    DDeviceListItem *currentDeviceCard() const { return currentCard; }
    DDeviceKeyboardLink *currentDeviceLink() const { return currentLink; }
    MainHidInterFace *currentHidInterface() const { return currentHid; }
    QMap<QString, DDeviceListItem *> deviceCardMap() const { return deviceCards; }
    // The cards in list order, as the device-list layout holds them.
    QList<DDeviceListItem *> deviceCardsInOrder() const;
    QMap<QString, int> dongleStateMap() const { return dongleStates; }
    int linkThreadIndex(const QString &path) const { return linkThreadIndexes.value(path, 0); }
    QString currentSerialNumber() const { return serialNumber; }
    QString currentProfileDir() const { return profileDir; }
    QByteArray currentProfilePath() const { return profilePath; }
    int currentProfileIndex() const { return profileIndex; }
    int currentMainTabId() const { return currentMainTab; }
    float currentZoomFactor() const { return zoomFactor; }
    hidDeviceJoinFrame *keyboardPicture() const;
    keyboardButCustom *keyButtonAt(int row, int column) const { return keyButtons[row][column]; }
    lightDealMain *lightEngineObject() const { return lightEngine; }
    CbNotice *pageNotice() const { return notice; }
    DCustomKeysPage *customKeysTab() const { return customKeysPage; }
    DLightsConfigPage *lightsConfigTab() const { return lightsConfigPage; }
    DPerformancePage *performanceTab() const { return performancePage; }
    DTriggerSettingPage *triggerSettingTab() const { return triggerSettingPage; }
    ProfileController *profileController() const { return profiles; }
    int currentLayerIndex() const { return currentLayer; }
    ArrowWidget *lastArrowPopup() const;
    // A download holds its keyboard: the page switches to no other one until it ends.
    bool isBusy() const { return switchBusy || hotPlugBusy || enumerating || isDownloading(); }
    bool isDownloading() const;
    OnboardDownload *onboardDownloader() const { return onboardDownload; }
    bool isWaitingForSerial() const { return waitingForSerial; }
    // Queues a report on the current device's I/O thread; false when none is current
    // or the queue refuses it.
    bool sendToCurrentDevice(const unsigned char *report, const char *failureLine);

    // The page's record of a device found by the library, and of a model without one.
    static hidStructInfoAll deviceRecord(const HidDeviceInfoStu &device, const FirmwareInfoStu &firmware,
                                         const HidInfoStu &model);
    static hidStructInfoAll offlineRecord(const HidInfoStu &model);

Q_SIGNALS:
    void sigShowMacroPage();
    void sigShowSeniorKeysPage();
    void sigReturnHidLikeName(QString productName, QString likeName);
    void sigMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);
    void sigHaveCheckUpgradeFirmwareNUC();
    void sigIntoOrRemoveHidOver();
    // A hot-plug notice is handled and keyboards came or went; their links are ready.
    void sigKeyboardsChanged();

public Q_SLOTS:
    // Page relays: tabs, light engine, drag area and keyboard reports
    void onDragArea_SelectKeys(int startX, int startY, int endX, int endY);
    void onDragShowAreaMouseMovePoint(int moveX, int moveY);
    void onDragAreaMousePressOrRelease(bool isMousePress);
    void onDragAreaMoveOneKey(bool isSelectedOneKey);
    void onTheKeyboardModeChanged(int mode);
    void onAutoIntoCustomKeysPage();
    void onInteractLightsPointXY(int indexX, int indexY);
    void onScrollSheetSet();
    void onEveryPageBackTip(QString strTip);
    void onSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData data);
    void onSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData data);
    void onLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData data);
    void onLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData data);
    void onCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex, QString strCustomLightName);
    void onLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);
    void onLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    void onLightConfigHaveChanged_HidSend(int hidType, int ledType);
    void onCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex);
    void onMacroListHaveChangedSendToDevice(QString strMacroIndex, QString strMacroName);

    // Profiles
    void onCloseMenuWidow();
    void onProfileCreate();
    void onProfileDelete();
    void onProfileExport();
    void onProfileImport();
    void onProfileModifyName();
    void onDefaultLayerAndFnLayerSwitch(int pageIndex);
    void onRestoreCurrentProfile();
    void onCustomEventChangeProfile(int changeProfileIndex);
    void on_pushButton_ProfileOperate_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();
    void on_comboBox_profileList_currentIndexChanged(QString);

    // Device list
    void onLoadDeviceList();
    void onHidItemMouseClicked(hidStructInfoAll info);

    // Battery and receiver
    void onSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode, int is24GValid,
                                            QString strCurrentSN);
    void onTimerChangingBatteryNum();
    void onDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName);
    void onWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName);
    void onSleepTimeSetSuccessful();
    void onUpdateDeviceListShow();

    // Magnetic switches
    void onTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY);
    void onMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R, int strengthNum_QuickTrigger_L,
                                  int strengthNum_QuickTrigger_R);
    void onMagnetsKeyboardDefaultSensitivity();
    void onQueryDynamicDisplaySensitivityNum(int indexX, int indexY);
    void onKeyAntiShakeCurrentNum(int KeyAntiShakeNum);
    void onKeyRateOfReturnCurrentNum(int rateOfReturnNumDel);
    void onCalibrationMode(int selMode);
    void onKeyCalibrationStartRunning();
    void onTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY);
    void onTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus);
    // A keyboard's facts and magnetic answers: acted on only for the current keyboard.
    void onLinkFactsChanged();
    void onLinkLiveTravel(int indexX, int indexY, int sensitivityNum);
    void onLinkKeyTrigger(int type, int pressNum, int releaseNum, int quickTriggerPressNum, int quickTriggerReleaseNum);
    void onLinkCalibrationStatus(int status);

    // Onboard download
    void onTheKeyboardIntoDownloading();
    void onRunningOnboard0x19Cmd();
    void onRunningOnboard0x18Cmd();
    void onRunningOnboardDownloadStatus(int statusNum);
    void onQN9080Recv0x0bCmd(int recvNum);

    // This page
    void onCurIndexChangedMainPage(int selIndex);
    void on_toolButton_MacroDialog_clicked();
    void on_toolButton_SeniorKey_clicked();
    void onLinkActivated(QString str);
    void on_pushButton_MoreBig_clicked();
    void on_pushButton_MoreSmall_clicked();
    void on_pushButton_Test_clicked();
    void on_pushButton_ChangeModeTest_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Return and Escape in the profile name field: true when the event was one of them.
    bool filterProfileNameKey(QEvent *event);
    void initSubPages();
    void initProfileController();
    // The defaults of a new profile of the current device.
    ProfileDefaults newProfileDefaults() const;
    // The profile controller changed the layer file or the current profile.
    void onProfileSwitched();
    void nameTabButtons();
    void buildCompanyLink(const QString &linkColor);
    DDeviceListItem *newCard(const hidStructInfoAll &info);
    // The switch a card click asks for, also made by hot-plug and receiver reports; done
    // runs once, when the switch is over or was not made.
    void switchToDevice(const hidStructInfoAll &info, DDeviceListItem *card, std::function<void()> done);
    // Runs next once no link is waiting for its keyboard any more (at once when none is).
    void whenLinksSettled(std::function<void()> next);
    void finishStartUp(bool opened);
    bool isFromCurrentLink() const;
    // Hands the keyboard's own facts to the data manager, for the pages that read them there.
    void publishLinkFacts(const DDeviceKeyboardLink *link);
    bool isRubberBandActive() const;
    void selectCard(DDeviceListItem *card);
    void showNoDevice();
    void showOpenDenied(const QString &path);
    QString openDeniedText() const;
    void buildKeyboardView(const hidStructInfoAll &info);
    void adaptToDeviceType();
    void prepareCurrentProfile(DDeviceKeyboardLink *link);
    struct LayerFile
    {
        QByteArray path;
        bool lights;  // gets the light items and custom lights of a new profile
    };
    // The layer files of the current keyboard (empty before one was opened).
    QList<LayerFile> layerFiles() const;
    void storeKeyboardLights(DDeviceKeyboardLink *link);
    void onSerialPollTick();
    void onOpenRetryTick();
    // Switches to the first usable device in path order, among present when given; false
    // when there is none. Otherwise done runs when the switch is over, after the page
    // said "not connected" if no device became current.
    bool selectFallbackDevice(const QMap<QString, hidStructInfoAll> *present, std::function<void()> done);
    // One change of a hot-plug notice; done runs when it is handled (later when it waits
    // for a keyboard).
    void handleArrival(const QMap<QString, hidStructInfoAll> &fresh, const QString &newPath,
                       std::function<void()> done);
    void handleRemoval(const QString &oldPath, const QMap<QString, hidStructInfoAll> &present,
                       std::function<void()> done);
    // Takes the next change of the notice under way; the change resumes the notice when it
    // is over (later when it waits for a keyboard).
    void continueHotPlug();
    enum class HotPlugStep
    {
        None,
        Arrival,
        Removal
    };
    HotPlugStep nextHotPlugStep(QString *path) const;
    void finishHotPlug();
    void closeLinkThread(DDeviceKeyboardLink *link);
    void reorderDeviceList();
    void runDeferredWork();
    void scheduleDeferredWork();
    // Every supported device the library lists now, by path; with ordered, also in the
    // library's order, and with offline, a record of each model without a device.
    QMap<QString, hidStructInfoAll> enumerateDevices(QList<hidStructInfoAll> *ordered,
                                                     QList<hidStructInfoAll> *offline) const;
    QByteArray magneticBitmapOfSelection() const;
    bool sendMagnetic(const HidReport &report);
    void initOnboardDownload();
    void onOnboardDownloadFinished(bool success, const QString &noticeText);
    void endDownloadIfTargetGone(const QMap<QString, hidStructInfoAll> &present);

    Ui::DDevicePage *ui;
    QString desktopPath;
    CbNotice *notice = nullptr;
    int currentMainTab = -1;
    int currentKeyboardLightMode = -1;
    QString companyLink;
    DCustomKeysPage *customKeysPage = nullptr;
    DLightsConfigPage *lightsConfigPage = nullptr;
    DPerformancePage *performancePage = nullptr;
    DTriggerSettingPage *triggerSettingPage = nullptr;
    QString scrollBarStyle;
    lightDealMain *lightEngine = nullptr;
    QPointer<ArrowWidget> arrowPopup;
    QPointer<hidDeviceJoinFrame> keyboardView;
    QPointer<dragShowArea> dragArea;
    float zoomFactor = 1.0f;
    bool testLightView = false;
    int currentLayer = -1;
    bool sleepTimeAcknowledged = false;
    QByteArray profilePath;
    QString serialNumber;
    int profileIndex = 1;
    QMap<QString, DDeviceKeyboardLink *> deviceLinks;
    DDeviceListItem *currentCard = nullptr;
    DDeviceKeyboardLink *currentLink = nullptr;
    MainHidInterFace *currentHid = nullptr;
    QString profileDir;
    int customLightSlot = -1;
    QTimer *batteryTimer = nullptr;
    int calibrationPointX = -1;
    int calibrationPointY = -1;
    // The profile operations of the current layer file, and the sleep times.
    ProfileController *profiles = nullptr;

    // Device list and links
    bool hotPlugBusy = false;
    // The hot-plug notice under way: one listing of the devices, and the changes it shows,
    // taken one after the other.
    struct HotPlugRun
    {
        QMap<QString, hidStructInfoAll> fresh;
        int changeType = 0;
        int preferred = 0;
        int round = 0;
        bool changed = false;
        bool removed = false;
    };
    HotPlugRun hotPlug;
    // Links whose keyboards have not told their light lists yet, within their wait.
    QSet<const DDeviceKeyboardLink *> settlingLinks;
    std::function<void()> afterLinksSettled;
    bool switchBusy = false;
    QPointer<QWidget> keyboardViewHost;
    bool firstOpen = true;
    hidStructInfoAll currentDeviceInfo {};
    QMap<QString, hidStructInfoAll> deviceInfos;
    // The plug each known path stood for when it was taken in: a device unplugged
    // and plugged again at the same path between two enumerations is a new one.
    QHash<QString, QByteArray> deviceInstances;
    bool isNewPlugAtSamePath(const QString &path) const;
    QMap<QString, int> dongleStates;
    QMap<QString, DDeviceListItem *> deviceCards;
    int linkCount = 0;
    keyboardButCustom *keyButtons[kRows][kColumns] = {};
    QVBoxLayout *deviceListLayout = nullptr;
    QMap<QString, int> linkThreadIndexes;

    // Battery
    int chargeAnimationValue = 0;

    // Events that arrived while the page was busy with another device change, and
    // are handled once it is done.
    bool enumerating = false;
    bool hotPlugPending = false;
    struct DongleReport
    {
        int is24GValid;
        QString path;
        QString name;
    };
    QList<DongleReport> deferredDongleReports;
    bool deferredScheduled = false;

    // The current device's serial number is not known yet: its profile files wait for it.
    bool waitingForSerial = false;
    QTimer *serialPollTimer = nullptr;

    // The current keyboard was found but its node may not be opened (no permission):
    // the page says so and tries the open again until the rule reaches the node.
    QString deniedPath;
    QTimer *openRetryTimer = nullptr;

    OnboardDownload *onboardDownload = nullptr;
};
