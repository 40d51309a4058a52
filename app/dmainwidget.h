#pragma once

#include "app/devicechangefilter.h"
#include "sdk/tavrixrecords.h"

#include <QAtomicInt>
#include <QByteArray>
#include <QElapsedTimer>
#include <QFunctionPointer>
#include <QHash>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

class DDevicePage;
class DUpdateFirmwareDia;
class QAction;
class QMenu;
class QPushButton;
class QSettings;
class QThread;
class QTimer;

namespace Ui {
class DMainWidget;
}

// The application's only top-level window: frameless, with its own title bar,
// edge resizing and moving, the device-list toggle, the tray icon and menu, the
// device-change notices, the start of the device library, and the dialogs shown
// over a dimming layer. Built once at start-up and kept until the process ends.
class DMainWidget : public QWidget
{
    Q_OBJECT

public:
    enum ResizeEdge
    {
        UP,
        DOWN,
        LEFT,
        RIGHT,
        LEFTTOP,
        LEFTBOTTOM,
        RIGHTBOTTOM,
        RIGHTTOP,
        NONE
    };

    explicit DMainWidget(QWidget *parent = nullptr);
    ~DMainWidget() override;

    // The one main window of the process (null before it is built).
    static DMainWidget *mainWindow() { return s_mainWindow; }

    // Sets the resize cursor for a pointer at this global position; called for every
    // mouse move in the application.
    void checkResizeEdge(int globalX, int globalY);

    // Minimum window size for the primary screen's available area.
    static QSize minimumSizeFor(const QSize &available);
    // The first window rectangle on a screen with this available area: the
    // designed size where it fits, never larger than the area, centred in it.
    static QRect firstGeometry(const QRect &available);

    // A start that should not show the window (auto start): hidden to the tray
    // where there is one, otherwise minimised, so the program can always be found.
    void startHidden();
    // Whether the window was hidden to the tray (and not shown since).
    bool isHiddenToTray() const { return m_hiddenToTray; }
    // A quit was asked for; it may still wait for a firmware update or a Download.
    bool isQuitting() const { return m_quitting; }
    QSystemTrayIcon *trayIcon() const { return m_trayIcon; }
    // Tells the user, once per dump, that the program ended unexpectedly last time
    // and where the report is: the newest dump in the folder not told of before.
    // Returns the notice shown, or null.
    QWidget *noticeNewCrashDump(const QString &dumpFolder);
    // Ends the device work in order (light ticks, sound capture, device I/O) and
    // takes the tray icon down. Runs once, on every way out of the event loop.
    void shutDown();
    // Edge under the pointer for a window spanning tl..br (global, inclusive).
    static ResizeEdge edgeAt(const QPoint &tl, const QPoint &br, const QPoint &pointer);
    // Window rectangle after dragging `edge` to the pointer, bounded by the minimum size.
    static QRect resizedRect(const QPoint &tl, const QPoint &br, const QPoint &pointer, ResizeEdge edge,
                             const QSize &minimum);

    DDevicePage *devicePage() const { return m_devicePage; }
    bool isDeviceListVisible() const { return m_deviceListVisible; }
    bool isLibraryStarted() const { return m_libraryStarted; }
    QList<DeviceChangeFilter::SupportId> supportedDevices() const { return m_supportedDevices; }

    // Entry points of the chip vendor's upgrade library; null when it is not loaded.
    // Their exact signatures belong to the firmware update, which casts them.
    QFunctionPointer JL_loadUfwData = nullptr;
    QFunctionPointer JL_getUfwCrc = nullptr;
    QFunctionPointer JL_getUfwPidVid = nullptr;
    QFunctionPointer JL_upgradeDevice = nullptr;
    QFunctionPointer JL_queryDevicePidVid = nullptr;

    // Loads the chip vendor's upgrade library (the constructor: from beside the
    // program); false, and chip keyboards get no update, unless all five calls are there.
    bool loadChipUpgradeLibrary(const QString &path);
    // Chip-vendor flashing: progress from the vendor's library (any thread).
    void onJlUpgradeProgress(int percent);

    // Firmware engine: the last check's result and the open update dialog.
    bool checkUpgradeableDevices(bool manual);
    bool isFirmwareUpgradeable(hidStructInfoAll device);
    // The open update dialog's rows follow the keyboards that came or went.
    void followUpgradeRows();
    QList<hidStructInfoAll> upgradeHidList() const { return m_upgradeHidList; }
    DUpdateFirmwareDia *updateFirmwareDialog() const;
    QWidget *upgradeMask() const { return m_pUpgradeMask; }
    // Where the check looks for images: each device's own folder (FirmwareImageCheck::
    // imageFolderFor) unless a test points elsewhere.
    void setFirmwareImageFolder(const QString &folder) { m_firmwareImageFolder = folder; }
    // How long an update waits for each step before the attempt counts as failed.
    struct FirmwareUpgradeBounds
    {
        int bootloaderArrivalMs = 6000;  // from the update-mode report to the bootloader's arrival
        int openTries = 4;               // opening the bootloader, tried this often ...
        int openPauseMs = 500;           // ... with this pause between tries
        int keyboardReturnMs = 8000;     // from a successful flashing to the keyboard's return
        int chipScanDelayMs = 2000;      // chip keyboards: from the update-mode report to the drive scan
    };
    void setFirmwareUpgradeBounds(const FirmwareUpgradeBounds &bounds) { m_upgradeBounds = bounds; }
    FirmwareUpgradeBounds firmwareUpgradeBounds() const { return m_upgradeBounds; }
    // Bootloader flashing: progress from the maker's library (any thread), and
    // whether an update is between its start and its result.
    void onHidUpgradeProgress(int total, int done);
    bool isBootloaderAttemptRunning() const { return m_bootloaderAttemptRunning.loadAcquire() != 0; }
    bool isUpgradeRunning() const { return m_upgradeStage != UpgradeStage::Idle; }

Q_SIGNALS:
    void sigHidDeviceConnectChanging_Into(QString hidPath);
    void sigHidDeviceConnectChanging_Remove(QString hidPath);

public Q_SLOTS:
    void onMinApp();
    void onQuitApp();
    void onShowMacroPage();
    void onMacroPageClose();
    void onShowSeniorKeysPage();
    void onSeniorKeysPageClose();
    // "HID" and "RGB" stand for no keyboard: they decide the list, never show.
    void onReturnHidLikeName(QString productName, QString likeName);
    void onSettingsWindowClose();
    void onUpdateAllUI();
    void onUpdateApp();
    void onChangeAppTheme(int index);
    void onClickCtrlHidListStatusBut();
    void on_pushButton_Close_clicked();
    void on_pushButton_Max_clicked();
    void on_pushButton_Min_clicked();
    void on_pushButton_Setting_clicked();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    // Follows the tray as it comes and goes; a window hidden to a tray that went
    // away is shown again.
    void onTrayCheck();

    // Device-change notices from the hot-plug source, and their relays.
    void onDeviceArrived(const QString &path);
    void onDeviceRemoved(const QString &path);
    void onHidDeviceConnectChanging_Into(QString hidPath);
    void onHidDeviceConnectChanging_Remove(QString hidPath);
    void onIntoOrRemoveHidOver();

    // Firmware engine.
    void onHaveCheckUpgradeFirmwareNUC();
    void onFirmwareUpgradeCheck();
    void ontheHidIntoFirmwareUpgrade();
    void ontheHidIntoFirmwareUpgradeWait();
    void onUpdateFirmwareWindowOpen();
    void onUpdateFirmwareWindowClose();
    void onStartHidUpgrade(QString strHidPath, QString strSN, QString strHidName, int hidUsbOrDongle);
    void onAboutToRequestUpdateMode(QString strHidPath);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void readDefaultSettings();
    void writeFirstRunSettings();
    void buildTray();
    void createTrayIcon();
    void hideToTray();
    void quitApplication();
    void hideWhileQuitting();
    void retranslateTray();
    void retranslateTitleBar();
    static bool isPlaceholderName(const QString &productName, const QString &likeName);
    void showDeviceNames();
    void registerDeviceNotify();
    void startMakerLibrary();
    void createStoreFiles();
    void createDevicePage();
    void setListToggleStyle(bool listVisible);
    void placeListToggle();
    void handleDeviceChange(const QString &path, bool arrival);
    QWidget *showDimmingLayer();
    void centreOverWindow(QWidget *dialog);

    static DMainWidget *s_mainWindow;

    Ui::DMainWidget *ui;
    QPushButton *m_listToggle = nullptr;
    bool m_deviceListVisible = true;
    QList<DeviceChangeFilter::SupportId> m_supportedDevices;
    QList<DeviceChangeFilter::SupportId> m_bootloaders;
    bool m_libraryStarted = false;
    QPoint m_dragOffset;
    bool m_moving = false;
    bool m_pressed = false;
    ResizeEdge m_resizeEdge = NONE;
    QSystemTrayIcon *m_trayIcon = nullptr;
    QTimer *m_trayCheck = nullptr;
    bool m_hiddenToTray = false;
    bool m_quitting = false;
    bool m_quitWaiting = false;  // a quit waits for long device operations to end
    bool m_shutDown = false;
    QMenu *m_trayMenu = nullptr;
    QAction *m_actionMinimize = nullptr;
    QAction *m_actionMaximize = nullptr;
    QAction *m_actionRevert = nullptr;
    QAction *m_actionQuit = nullptr;
    DDevicePage *m_devicePage = nullptr;
    QPointer<QWidget> m_dimmingLayer;
    QString m_title;
    QByteArray m_macroXmlPath;
    QByteArray m_seniorKeyXmlPath;
    QString m_settingsPath;
    QSettings *m_settings = nullptr;
    QString m_productName;
    QString m_deviceName;
    QObject *m_hotPlugSource = nullptr;
    QTimer *m_bootloaderHandOff = nullptr;
    // Device changes wait here for the system to finish setting the device up;
    // every change within the wait goes out as one notice.
    QTimer *m_deviceSettle = nullptr;
    QString m_settlePath;
    bool m_settleSawRemoval = false;
    void onDeviceSettled();

    // Firmware engine state (GUI thread).
    QList<hidStructInfoAll> m_upgradeHidList;
    QString m_strUpgradeVersion;
    bool m_bManualUpgradeCheck = false;
    QPointer<DUpdateFirmwareDia> m_pUpdateFirmwareDia;
    QPointer<QWidget> m_pUpgradeMask;
    bool m_bUpgradeRequested = false;
    QString m_strUpgradeHidName;
    int m_upgradeUsbOrDongle = 0;
    int m_upgradeRetryNum = 0;
    QString m_firmwareImageFolder;
    int m_hBootloaderHid = 0;  // 0: no bootloader device open
    QAtomicInt m_bootloaderAttemptRunning {0};
    QPointer<QThread> m_bootloaderWorker;

    // Where an update stands; every stage but Flashing waits on a timer of the
    // GUI thread, so each one ends.
    enum class UpgradeStage
    {
        Idle,
        WaitingForBootloader,
        OpeningBootloader,
        WaitingForChipDrive,
        Flashing
    };
    UpgradeStage m_upgradeStage = UpgradeStage::Idle;
    FirmwareUpgradeBounds m_upgradeBounds;
    int m_openTry = 0;
    QTimer *m_upgradeWaitTimer = nullptr;
    QString m_strUpgradeHidPath;
    // The offered record of the keyboard being updated (its row when a check comes
    // while it is in its bootloader) and the progress reported so far.
    hidStructInfoAll m_upgradeRecord {};
    int m_upgradePercent = 0;
    // Bootloader-model keyboards share one bootloader VID/PID, so a bootloader is
    // told apart by when it came: the paths present just before a row sent its
    // keyboard the update-mode report, the bootloader this update flashes (empty
    // until known), and each keyboard's bootloader that came after its own request.
    QStringList m_bootloadersBeforeRequest;
    QString m_requestedKeyboardPath;
    QString m_upgradeBootloaderPath;
    QHash<QString, QString> m_keyboardBootloaders;
    // The images the last check validated, by device path: what is flashed is
    // exactly what was checked.
    QHash<QString, QByteArray> m_upgradeImages;
    // After a success: the keyboard is watched until it is back, to show its version.
    QTimer *m_keyboardReturnTimer = nullptr;
    QElapsedTimer m_keyboardReturnClock;
    bool m_keyboardSeenGone = false;
    QString m_upgradeOldVersion;
    bool m_imageRefused = false;  // the last check refused an image
    QString m_strJlDrive = QStringLiteral("A:");

    QTimer *upgradeWaitTimer();
    void startBootloaderAttempt();
    void openHidBootloader();
    void runHidUpgrade();
    void onBootloaderAttemptEnded(int result);
    void retryHidFirmwareUpgrade();
    void finishUpgrade(bool succeeded, const QString &reason = QString());
    void holdQuitsForUpgrade();
    void tellUpgradeOutcome(const QString &text);
    enum class BootloaderMatch
    {
        None,
        One,
        Several
    };
    BootloaderMatch findRequestedBootloader(QString *path) const;
    bool takeRequestedBootloader();
    void scanJlUpgradeDrive();
    void runJlUpgrade();
    void onJlUpgradeEnded(int result);
    void watchKeyboardReturn();
    void onKeyboardReturnTick();
    void waitForBootloaderWorker();
};
