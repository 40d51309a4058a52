#pragma once

#include "devicelink/hidreport.h"
#include "devicelink/hostkeyreport.h"
#include "devicelink/lighttypelistinfo.h"
#include "keys/keyoperateinfo.h"
#include "lighting/colorinfodata.h"
#include "sdk/tavrixrecords.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class AppLaunchBackend;
class DDeviceHidCmdSend;
class UnaskedReportPacer;
class MainHidInterFace;
class PasteBackend;

// The application's side of one opened keyboard. It owns the device's I/O thread and report
// builder, asks the keyboard what it is once it opens (serial number, light capabilities and
// configuration, customisable keys and, on magnetic models, travel level, debounce and report
// rate), and handles every input report on the GUI thread: what it learns it keeps, writes
// into the current profile or announces by signal. It also echoes
// the keyboard's key reports (filtered while the Win lock is on) and carries out the host
// functions the keyboard asks for.
class DDeviceKeyboardLink : public QObject
{
    Q_OBJECT

public:
    // Tells a failed write of this keyboard's profile files once (sigStoreWriteFailed)
    // with the reason the store gives, else fallback; quiet until a write succeeds, so
    // the first failure's reason stays on show.
    void noteStoreWrite(bool ok, const QString &fallback = QString());
    using KeyCell = QPair<int, int>;  // row, column

    explicit DDeviceKeyboardLink(QObject *parent = nullptr);
    // The application keeps its links until it ends; a link that goes earlier closes its
    // device and waits for the I/O thread first.
    ~DDeviceKeyboardLink() override;

    // Opens the device of the record and starts its I/O thread; false when it cannot be
    // opened (the link then stays without a builder and receives nothing).
    bool openHid(int threadIndex, hidStructInfoAll info);
    // Tries the open again after a failed one (true once the link is open), and
    // whether the last failure was a refused permission: the keyboard is there but
    // its node is not the user's to open yet.
    bool retryOpen();
    bool isOpenDenied() const;

    // The current profile of this keyboard. The path starts empty; while it is, nothing is
    // read from or written to the profile store.
    void setProfileIndex(int index) { m_profileIndex = index; }
    void setProfilePath(const QByteArray &path) { m_profilePath = path; }
    int getProfileIndex() const { return m_profileIndex; }
    QByteArray getProfilePath() const { return m_profilePath; }

    // Forwarders to the builder; nothing happens without one.
    void resetKeyboard();
    void checkSleepTime();
    void setSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus);
    // Windows key, Shift+Tab, Alt+Tab, Alt+F4 (1 = the Win lock blocks it).
    void lockWinKey(int feature1, int feature2, int feature3, int feature4);

    void setWirelessFlag(int wireless) { m_wireless = wireless != 0; }
    // Writes the keyboard's reported light configuration of a target (0 keyboard, 1 side)
    // into the current profile; from the second call on it is also announced.
    void saveLightInfoToProfile(int target);
    // What the keyboard tells on its own and costs a store write or a page update (its
    // light slot and light configurations, its sleep times, a profile switch by key, a
    // keyboard behind a receiver going or coming) is
    // applied at most once per interval for each kind, the last value winning
    // (UnaskedReportPacer::DefaultIntervalMs unless set).
    void setUnaskedApplyIntervalMs(int ms);
    // Asks for both light configurations and the custom-key bitmap again; their answers are
    // then saved and announced.
    void requeryLightConfig();

    MainHidInterFace *getHidInterface() const { return m_hid; }
    // The keyboard's 32-character serial number; empty while none is known or valid.
    QString getCurrentSN() const { return m_serialNumber; }
    hidStructInfoAll getHidStructInfo() const { return m_info; }
    QString getHidName() const { return m_hidName; }
    QString devicePath() const;
    LightTypeListInfo getKeyboardLightTypeList() const { return m_keyboardLightTypes; }
    LightTypeListInfo getSideLightTypeList() const { return m_sideLightTypes; }
    QList<KeyCell> getCustomKeyList() const { return m_customKeyList; }
    colorInfoData getKeyboardColorInfo() const { return m_keyboardLight; }
    colorInfoData getSideColorInfo() const { return m_sideLight; }
    bool isLightListReady() const { return m_lightListReady; }
    bool isLightInfoKnown() const { return m_lightInfoKnown; }
    bool isLightInfoSaved() const { return m_lightInfoSaved; }
    void setLightInfoSaved(bool saved) { m_lightInfoSaved = saved; }
    bool isWinLockOn() const { return m_winLockOn; }

    // What this keyboard last told about itself. Each keyboard keeps its own; the device
    // page hands them to the rest of the application while the keyboard is the current one
    // (sigFactsChanged says one of them changed).
    bool hasSideLight() const { return !m_sideLightTypes.lightTypeList.isEmpty(); }
    int getMagneticPrecision() const { return m_magneticPrecision; }
    int getKeyAntiShakeNum() const { return m_keyAntiShakeNum; }
    int getKeyRateOfReturnNum() const { return m_keyRateOfReturnNum; }
    // -1 while the keyboard has not said.
    int getProhibitSleep() const { return m_prohibitSleep; }
    // Values written to the keyboard, which does not answer such writes.
    void noteKeyAntiShakeNum(int value) { m_keyAntiShakeNum = value; }
    void noteKeyRateOfReturnNum(int value) { m_keyRateOfReturnNum = value; }
    void noteProhibitSleep(int value) { m_prohibitSleep = value; }

    // Key reports and the host functions a key can ask for.
    void updateKeyReport(int usage, bool pressed) { m_keyReport.updateKeyReport(usage, pressed); }
    static int modifierBitToUsage(int modifierByte) { return HostKeyReport::modifierBitToUsage(modifierByte); }
    const HostKeyReport &keyReport() const { return m_keyReport; }
    void runHostKeyFunction(const HidReport &report);
    void pasteKeyText(KeyOperateInfo info, int press);
    void switchProfileByKey(KeyOperateInfo info, int press);
    void launchKeyApp(KeyOperateInfo info, int press);
    // How texts are pasted and applications launched (not owned); the system's by default.
    void setPasteBackend(PasteBackend *backend) { m_paste = backend; }
    void setAppLaunchBackend(AppLaunchBackend *backend) { m_launcher = backend; }

    // The model whose status report carries the keyboard mode in byte 14.
    static constexpr const char *KeyboardModeModel = "QB84";

public Q_SLOTS:
    void onOpenHidSuccessful();
    // Each owns the 64-byte buffer it is handed and frees it before returning. A report
    // shorter than 64 bytes is read when all of its fields arrived (InputReportLength).
    void onHidDataArrived(unsigned char *data, int length, int threadIndex);
    void onHidSNDataArrived(unsigned char *data, QString strHidName);

Q_SIGNALS:
    void sigSendChargingStatusAndElectricity(int ChargingStatus, int Electricity, int KeyboardMode, int is24GValid,
                                             QString strCurrentSN);
    void sigDongleStatus(int is24GValid, QString strCurrentHidPath, QString strCurrentHidName);
    void sigRunningOnboardDownloadStatus(int statusNun);
    void sigTheKeyboardModeChanged(int mode);
    void sigSleepTimeSetSuccessful();
    void sigRunningOnboard0x19Cmd();
    void sigRunningOnboard0x18Cmd();
    void sigQN9080Recv0x0bCmd(int recvNum);
    void sigWaitForDataReturn_0x0d(QString strCurrentHidPath, QString strHidName);
    void sigLightConfigHaveChanged_HidSend(int hidType, int ledType);
    void sigCustomLight_ConfigHaveChanged_HidSend0x09(int hidType, int ledType, int usingCustomIndex);
    void sigCustomEventChangeProfile(int changeProfileIndex);
    // A host function could do only part of its work: the text for the user.
    void sigHostKeyFunctionNotice(QString notice);
    // A setting the keyboard reported (sleep times, light states) could not be
    // stored; emitted once until a later write succeeds, not for every report.
    void sigStoreWriteFailed(QString text);
    // One of the facts above changed.
    void sigFactsChanged();
    // The keyboard told its light lists for the first time (isLightListReady() is now true).
    void sigLightListReady();
    // Magnetic answers that are events rather than facts.
    void sigMagneticLiveTravel(int indexX, int indexY, int sensitivityNum);
    void sigMagneticKeyTrigger(int type, int pressNum, int releaseNum, int quickTriggerPressNum,
                               int quickTriggerReleaseNum);
    void sigMagneticCalibrationStatus(int status);

private:
    bool startLink();
    using Handler = void (DDeviceKeyboardLink::*)(const HidReport &);
    static const QHash<uint8_t, Handler> &handlers();

    void handleSerialNumber(const HidReport &report);
    void queueStartQueries();
    bool isMagneticModel() const;
    bool hasProfile() const { return !m_profilePath.isEmpty(); }
    QByteArray profileIndexText() const { return QByteArray::number(m_profileIndex); }

    void parseDeviceStatus(const HidReport &r);
    void parseKeyboardSettings(const HidReport &r);
    void parseSixKeyReport(const HidReport &r);
    void parseFullKeyReport(const HidReport &r);
    void parseLightTypeList(const HidReport &r);
    void parseSideLightTypeList(const HidReport &r);
    void parseKeyboardLightConfig(const HidReport &r);
    void parseSideLightConfig(const HidReport &r);
    void parseMouseLightIndex(const HidReport &r);
    void parseCustomKeyBitmap(const HidReport &r);
    void parseOnboardAck(const HidReport &r);
    void parseOnboardMacroReply(const HidReport &r);
    void parseTextReply(const HidReport &r);
    void parseReceiverNumber(const HidReport &r);
    void parseHostKeyFunction(const HidReport &r) { runHostKeyFunction(r); }
    void parseMagneticReply(const HidReport &r);

    // The kinds of unasked reports the pacer keeps apart.
    enum PacedKind
    {
        PacedKeyboardLight = 0,  // + target
        PacedSideLight = 1,
        PacedLightSlot,
        PacedSleepTimes,
        PacedProfileSwitch,
        PacedLinkValid,
    };
    void applyCustomLightSlot(int slot);
    void applySleepTimes(int lightSeconds, int keyboardSeconds);

    hidStructInfoAll m_info {};
    QString m_hidName;
    MainHidInterFace *m_hid = nullptr;
    DDeviceHidCmdSend *m_cmdSend = nullptr;
    QByteArray m_profilePath;
    int m_profileIndex = 1;
    bool m_lightListReady = false;
    QString m_serialNumber;
    bool m_serialHandled = false;
    QString m_writtenSerial;   // written to the keyboard, not yet reported back
    QString m_unusableSerial;  // what the keyboard reported before that write
    bool m_winLockOn = false;
    HostKeyReport m_keyReport;
    LightTypeListInfo m_keyboardLightTypes;
    LightTypeListInfo m_sideLightTypes;
    bool m_keyboardLightReceived = false;
    bool m_sideLightReceived = false;
    QList<KeyCell> m_customKeyList;
    colorInfoData m_keyboardLight {};
    colorInfoData m_sideLight {};
    bool m_lightInfoKnown = false;
    bool m_storeFailureTold = false;
    int m_lastLinkValid = -1;
    bool m_wireless = false;
    int m_lastKeyboardMode = -1;
    bool m_lightInfoSaved = false;
    int m_magneticPrecision = 0;
    int m_keyAntiShakeNum = 0;
    int m_keyRateOfReturnNum = 0;
    int m_prohibitSleep = -1;
    PasteBackend *m_paste = nullptr;
    AppLaunchBackend *m_launcher = nullptr;
    UnaskedReportPacer *m_pacer = nullptr;
};
