#pragma once

#include "app/themecolorinfo.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class keyboardButCustom;
class keySelectFrame;
class KeyNameStore;
struct KeyOperateInfo;

// The process-wide store of settings, theme, shared device facts and the relay
// signals between components that do not know each other. One instance, created
// on first use, lives on the GUI thread until the process ends.
class DDataManager : public QObject
{
    Q_OBJECT

public:
    // Resource that holds the application's read-only constants.
    static constexpr const char *kDefaultSettingsResource = ":/images/configDir/TavrixDefaultConfig.ini";
    static constexpr const char *kSettingsFileName = "TavrixConfig.ini";

    // appDataPath empty: the platform's per-user application-data folder.
    // defaultSettingsPath empty: the built-in default settings resource.
    explicit DDataManager(const QString &appDataPath = QString(), const QString &defaultSettingsPath = QString());

    static DDataManager *getInstance();
    static void logAppRunning();

    // Folders and settings
    QString getAppDataPath() const { return m_appDataPath; }
    QString getUserConfigDir() const { return m_userConfigDir; }
    QString getSettingsFilePath() const;
    // Folder of the program's data (translation/, images/, configDir/): see dataDirFor.
    static QString getAppDirPath();
    // The data folder of a program whose executable lies in exeDir: exeDir itself
    // when it holds translation/ (a build folder), else ../share/quorin-driver when
    // that exists (installed, staged or moved as a whole), else exeDir.
    static QString dataDirFor(const QString &exeDir);
    bool isUserConfig() const { return m_userConfig; }
    bool isBgImageUsing() const { return m_bgImageUsing; }
    void setBgImageUsing(bool on) { m_bgImageUsing = on; }
    bool isVersionChanged() const { return m_versionChanged; }
    bool isLightSynchronize() const { return m_lightSynchronize; }
    QString getAppVersion() const { return m_appVersion; }

    // Theme and fonts
    void setTheme(int index);
    ThemeColorInfo getThemeColorInfo() const { return m_themeColorInfo; }
    QString toThemeColorString(const QString &color) const;
    QFont getFont(int style) const;
    void setUseLocalFont(bool use) { m_useLocalFont = use; }
    void buildBoldFont();
    void buildNormalFont();
    static QString themeName(int index);
    QString themeFilePath(int index) const;

    // Paths handed on to the profile, macro and advanced-key store. Held whole,
    // whatever their length.
    QByteArray getCurProfilePath() const { return m_curProfilePath; }
    void setCurProfilePath(const QByteArray &path) { m_curProfilePath = path; }
    int getCurProfileIndex() const { return m_curProfileIndex; }
    void setCurProfileIndex(int index) { m_curProfileIndex = index; }
    QByteArray getMacroXmlPath() const { return m_macroXmlPath; }
    void setMacroXmlPath(const QByteArray &path) { m_macroXmlPath = path; }
    QByteArray getMagneticProfilePath() const { return m_magneticProfilePath; }
    void setMagneticProfilePath(const QByteArray &path) { m_magneticProfilePath = path; }
    QByteArray getSeniorKeyXmlPath() const { return m_seniorKeyXmlPath; }
    void setSeniorKeyXmlPath(const QByteArray &path) { m_seniorKeyXmlPath = path; }

    // Key tables of the keyboard picture now shown
    QMap<int, QString> getKeyCharMap() const { return m_keyCharMap; }
    void setKeyCharMap(const QMap<int, QString> &map) { m_keyCharMap = map; }
    QMap<int, int> getVkToHidMap() const { return m_vkToHidMap; }
    void setVkToHidMap(const QMap<int, int> &map) { m_vkToHidMap = map; }
    QMap<int, keyboardButCustom *> getKeyButtonMap() const { return m_keyButtonMap; }
    void setKeyButtonMap(const QMap<int, keyboardButCustom *> &map) { m_keyButtonMap = map; }
    QList<keyboardButCustom *> getKeyButtonList() const { return m_keyButtonList; }
    void setKeyButtonList(const QList<keyboardButCustom *> &list) { m_keyButtonList = list; }
    keySelectFrame *getKeySelectFrame() const { return m_keySelectFrame; }
    void setKeySelectFrame(keySelectFrame *frame) { m_keySelectFrame = frame; }

    // Facts about the selected device
    int getHidDeviceType() const { return m_hidDeviceType; }
    void setHidDeviceType(int type) { m_hidDeviceType = type; }
    int getClickedKeyCode() const { return m_clickedKeyCode; }
    QString getClickedKeyChar() const { return m_clickedKeyChar; }
    void clearClickedKey();
    QString getKeyFunctionDetail() const { return m_keyFunctionDetail; }
    void setKeyFunctionDetail(const QString &detail) { m_keyFunctionDetail = detail; }
    // Name of the item's function kind; its detail replaces getKeyFunctionDetail.
    QString getKeyFunctionTypeName(const KeyOperateInfo &item);
    // Store that macro, profile and advanced-key names are read from (not owned).
    void setKeyNameStore(KeyNameStore *store) { m_keyNameStore = store; }
    void setMacroHookRunning(bool running) { m_macroHookRunning = running; }
    int getMagneticPrecision() const { return m_magneticPrecision; }
    void setMagneticPrecision(int precision) { m_magneticPrecision = precision; }
    int getKeyAntiShakeNum() const { return m_keyAntiShakeNum; }
    void setKeyAntiShakeNum(int value) { m_keyAntiShakeNum = value; }
    int getKeyRateOfReturnNum() const { return m_keyRateOfReturnNum; }
    void setKeyRateOfReturnNum(int value) { m_keyRateOfReturnNum = value; }
    bool isMagneticKeyboard() const { return m_magneticKeyboard; }
    void setMagneticKeyboard(bool magnetic) { m_magneticKeyboard = magnetic; }
    bool isDefaultLayer() const { return m_isDefaultLayer; }
    void setDefaultLayer(bool defaultLayer) { m_isDefaultLayer = defaultLayer; }
    bool getCalibrationMode() const { return m_calibrationMode; }
    void setCalibrationMode(bool on) { m_calibrationMode = on; }
    int getProhibitSleep() const { return m_prohibitSleep; }
    void setProhibitSleep(int value) { m_prohibitSleep = value; }
    QString getCurProductName() const { return m_curProductName; }
    void setCurProductName(const QString &name) { m_curProductName = name; }
    bool isDeviceListAutoHide() const { return m_deviceListAutoHide; }
    bool haveSideLight() const { return m_haveSideLight; }
    void setHaveSideLight(bool have) { m_haveSideLight = have; }
    bool getSpecialEnterKey() const { return m_specialEnterKey; }
    void setSpecialEnterKey(bool special) { m_specialEnterKey = special; }

    // The soft-keyboard layout is the US one whatever the product.
    int getKeyboardLayoutCode(const QString &productName) const;
    // Colour in which keys that carry an assignment are marked.
    static QColor getKeyMarkColor();

    // Relays: each emits its signal on the GUI thread; listeners have run on return.
    void setClickedKey(int keyCode, const QString &strChar);
    bool setHookRunningMacroRecord(bool isStartHook);
    void relayMacroKeyboardStream(int keyCode, int scCode, int flag, int hookFlag);
    void relayMacroMouseStream(int nCode, quintptr wParam, qintptr lParam);
    void relayBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    void queryDynamicDisplaySensitivityNum(int kind, int indexX, int indexY);
    void relaySensitivityBackInfo(int type, int pressNum, int releaseNum, int quickTriggerPressNum,
                                  int quickTriggerReleaseNum);
    void relayCalibrationPoint(int keyPointX, int keyPointY);
    void relayCalibrationStatus(int keyCalibrationStatus);
    void notifySeniorKeysListChanged();

Q_SIGNALS:
    void sigKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar);
    void sigHookRunningStatusCtrl_MacroRecord(bool isStartHook);
    void sigReceiveStreamEX_MacroKeyboard(int keyCode, int scCode, int flag, int hookFlag);
    void sigReceiveStreamEX_MacroMouse(int nCode, quintptr wParam, qintptr lParam);
    void sigBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum);
    void sigQueryDynamicDisplaySensitivityNum(int indexX, int indexY);
    void sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo(int type, int pressNum, int releaseNum);
    void sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(int type, int pressNum, int releaseNum,
                                                                    int QuickTriggerPressNum,
                                                                    int QuickTriggerReleaseNum);
    void sigTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY);
    void sigTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus);
    void sigSeniorKeysListItemHaveChanged();

private:
    void applyVersionRule(class QSettings &settings);
    bool loadThemeFile(const QString &path, ThemeColorInfo &info) const;

    static DDataManager *m_pInstance;

    QString m_appDataPath;
    QString m_userConfigDir;
    QString m_appVersion;
    bool m_useLocalFont = false;
    QFont m_boldFont;
    QFont m_normalFont;
    QFont m_defaultFont;
    ThemeColorInfo m_themeColorInfo;
    QByteArray m_curProfilePath;
    int m_curProfileIndex = 1;
    QByteArray m_macroXmlPath;
    QByteArray m_magneticProfilePath;
    QByteArray m_seniorKeyXmlPath;
    bool m_userConfig = false;
    bool m_bgImageUsing = false;
    bool m_versionChanged = false;
    bool m_lightSynchronize = false;
    QMap<int, QString> m_keyCharMap;
    QMap<int, int> m_vkToHidMap;
    QMap<int, keyboardButCustom *> m_keyButtonMap;
    QList<keyboardButCustom *> m_keyButtonList;
    keySelectFrame *m_keySelectFrame = nullptr;
    int m_hidDeviceType = 1;
    int m_clickedKeyCode = -1;
    QString m_clickedKeyChar;
    QString m_keyFunctionDetail;
    bool m_macroHookRunning = false;
    int m_magneticPrecision = 0;
    int m_keyAntiShakeNum = 0;
    int m_keyRateOfReturnNum = 0;
    bool m_magneticKeyboard = false;
    bool m_isDefaultLayer = false;
    bool m_calibrationMode = false;
    int m_prohibitSleep = 0;
    QString m_curProductName;
    bool m_deviceListAutoHide = true;
    bool m_haveSideLight = false;
    int m_sensitivityQueryKind = -1;
    bool m_specialEnterKey = false;
    KeyNameStore *m_keyNameStore = nullptr;
};
