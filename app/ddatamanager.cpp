#include "app/ddatamanager.h"
#include "app/appversion.h"
#include "platform/logcategories.h"
#include "sdk/xmlstore/savefile.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

DDataManager *DDataManager::m_pInstance = nullptr;

namespace {

const char *const kThemeNames[] = {"Black", "Light", "Blue", "Pink", "Other"};
constexpr int kThemeCount = 5;
constexpr int kUserThemeIndex = 4;
constexpr const char *kAppFontFamily = "Microsoft YaHei";

QVariant readOrWriteDefault(QSettings &settings, const QString &key, const QVariant &fallback)
{
    if (settings.contains(key))
        return settings.value(key);
    settings.setValue(key, fallback);
    return fallback;
}

}  // namespace

DDataManager::DDataManager(const QString &appDataPath, const QString &defaultSettingsPath)
{
    m_keyFunctionDetail = QObject::tr("Unknow");

    m_appDataPath
        = appDataPath.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : appDataPath;
    // Macros and Text-key texts hold what users type, passwords among them: the
    // data folder, the settings and every store file are for their owner only.
    xmlstore::makePrivateFolder(QFile::encodeName(m_appDataPath));
    m_userConfigDir = QStringLiteral("%1/UserConfig").arg(m_appDataPath);
    xmlstore::makePrivateFolder(QFile::encodeName(m_userConfigDir));
    // The settings' writer replaces the file keeping its mode, and makes a new one
    // with the umask: made here first, it starts private.
    xmlstore::makePrivateFile(QFile::encodeName(getSettingsFilePath()));

    QSettings settings(getSettingsFilePath(), QSettings::IniFormat);
    int themeIndex = readOrWriteDefault(settings, "Theme/selectThemeIndex", 0).toInt();
    m_bgImageUsing = readOrWriteDefault(settings, "ThemeBgImage/BgImageIsUsing", false).toBool();

    QSettings defaults(defaultSettingsPath.isEmpty() ? QString(kDefaultSettingsResource) : defaultSettingsPath,
                       QSettings::IniFormat);
    defaults.setIniCodec("UTF-8");
    m_userConfig = defaults.value("MyselfConfig/userConfig", false).toBool();

    if (!m_userConfig && themeIndex == kUserThemeIndex) {
        themeIndex = 0;
        settings.setValue("Theme/selectThemeIndex", 0);
    }

    // The themes name a Windows font; on Linux the closest installed CJK family stands in.
    QFont::insertSubstitutions(kAppFontFamily, {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "DejaVu Sans"});

    m_useLocalFont = true;
    setTheme(themeIndex);
    m_defaultFont.setFamily(kAppFontFamily);

    applyVersionRule(settings);
    m_lightSynchronize = defaults.value("LightSynchronize/isSynchronize", false).toBool();
    m_deviceListAutoHide = true;
    settings.sync();
}

void DDataManager::applyVersionRule(QSettings &settings)
{
    m_appVersion = AppVersion::displayText();
    const QString recorded = settings.value("oldVersion/VersionInfo").toString();
    m_versionChanged = (m_appVersion != recorded);
    if (m_versionChanged)
        settings.setValue("oldVersion/VersionInfo", m_appVersion);
}

DDataManager *DDataManager::getInstance()
{
    if (!m_pInstance)
        m_pInstance = new DDataManager();
    return m_pInstance;
}

void DDataManager::logAppRunning()
{
    qCDebug(lcApp) << "The program runs";
}

QString DDataManager::getSettingsFilePath() const
{
    return m_userConfigDir + '/' + kSettingsFileName;
}

QString DDataManager::getAppDirPath()
{
    return dataDirFor(QCoreApplication::applicationDirPath());
}

QString DDataManager::dataDirFor(const QString &exeDir)
{
    const QDir dir(exeDir);
    if (QFileInfo(dir.filePath(QStringLiteral("translation"))).isDir())
        return dir.absolutePath();
    // Relative to the executable, so a staged (DESTDIR) or moved installation finds
    // its own data rather than that of the configured prefix.
    const QString installed = QDir::cleanPath(dir.absoluteFilePath(QStringLiteral("../share/quorin-driver")));
    if (QFileInfo(installed).isDir())
        return installed;
    return dir.absolutePath();
}

QString DDataManager::themeName(int index)
{
    return (index >= 0 && index < kThemeCount) ? QString(kThemeNames[index]) : QString(kThemeNames[0]);
}

QString DDataManager::themeFilePath(int index) const
{
    if (index == kUserThemeIndex && m_userConfig)
        return getAppDirPath() + "/configDir/OtherThemeConfig.ini";
    return QStringLiteral(":/images/StyleQss/%1ThemeConfig.ini").arg(themeName(index));
}

bool DDataManager::loadThemeFile(const QString &path, ThemeColorInfo &info) const
{
    if (!QFileInfo(path).isFile())
        return false;
    QSettings file(path, QSettings::IniFormat);
    file.setIniCodec("UTF-8");
    if (file.status() != QSettings::NoError || file.childGroups().isEmpty())
        return false;

    info = ThemeColorInfo();
    for (int i = 0; i < ThemeColorInfo::kColorCount; ++i) {
        const QString key = QStringLiteral("ThemeColor/") + ThemeColorInfo::fields()[i].key;
        QString value = file.value(key).toString();
        value.replace('.', ',');
        info.at(i) = toThemeColorString(value);
    }
    info.TextFont = file.value("ThemeColor/TextFont").toString();
    return true;
}

void DDataManager::setTheme(int index)
{
    ThemeColorInfo info;
    // An unreadable theme would leave every page unstyled; the dark theme is always
    // built in, so fall back to it.
    if (!loadThemeFile(themeFilePath(index), info)) {
        qCWarning(lcApp) << "Theme file unreadable, using the Black theme:" << themeFilePath(index);
        loadThemeFile(themeFilePath(0), info);
    }
    m_themeColorInfo = info;
    buildBoldFont();
    buildNormalFont();
}

QString DDataManager::toThemeColorString(const QString &color) const
{
    if (m_bgImageUsing)
        return color;
    if (color.count(',') == 3)
        return color.left(color.lastIndexOf(','));
    return color;
}

QFont DDataManager::getFont(int style) const
{
    if (!m_useLocalFont)
        return m_defaultFont;
    switch (style) {
    case 0: return m_boldFont;
    case 1: return m_normalFont;
    default: return m_defaultFont;
    }
}

void DDataManager::buildBoldFont()
{
    m_boldFont = QFont(m_themeColorInfo.TextFont, 10, 75, false);
}

void DDataManager::buildNormalFont()
{
    m_normalFont = QFont(m_themeColorInfo.TextFont, 10, 50, false);
}

int DDataManager::getKeyboardLayoutCode(const QString &) const
{
    return 31;
}

QColor DDataManager::getKeyMarkColor()
{
    return QColor(30, 200, 35, 255);
}

void DDataManager::clearClickedKey()
{
    m_clickedKeyCode = -1;
    m_clickedKeyChar.clear();
}

void DDataManager::setClickedKey(int keyCode, const QString &strChar)
{
    m_clickedKeyCode = keyCode;
    m_clickedKeyChar = strChar;
    Q_EMIT sigKeyButtonClickedReturnKeyCodeAndKeyChar(keyCode, strChar);
}

bool DDataManager::setHookRunningMacroRecord(bool isStartHook)
{
    // The listener starts or stops the hook and stores its result through
    // setMacroHookRunning before the emit returns.
    Q_EMIT sigHookRunningStatusCtrl_MacroRecord(isStartHook);
    return m_macroHookRunning;
}

void DDataManager::relayMacroKeyboardStream(int keyCode, int scCode, int flag, int hookFlag)
{
    Q_EMIT sigReceiveStreamEX_MacroKeyboard(keyCode, scCode, flag, hookFlag);
}

void DDataManager::relayMacroMouseStream(int nCode, quintptr wParam, qintptr lParam)
{
    Q_EMIT sigReceiveStreamEX_MacroMouse(nCode, wParam, lParam);
}

void DDataManager::relayBackDynamicDisplaySensitivityNum(int indexX, int indexY, int sensitivityNum)
{
    Q_EMIT sigBackDynamicDisplaySensitivityNum(indexX, indexY, sensitivityNum);
}

void DDataManager::queryDynamicDisplaySensitivityNum(int kind, int indexX, int indexY)
{
    m_sensitivityQueryKind = kind;
    Q_EMIT sigQueryDynamicDisplaySensitivityNum(indexX, indexY);
}

void DDataManager::relaySensitivityBackInfo(int type, int pressNum, int releaseNum, int quickTriggerPressNum,
                                            int quickTriggerReleaseNum)
{
    // Kind 0 is a hover query; anything else (including no query yet) is a click.
    if (m_sensitivityQueryKind == 0)
        Q_EMIT sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo(type, pressNum, releaseNum);
    else
        Q_EMIT sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo(type, pressNum, releaseNum,
                                                                          quickTriggerPressNum, quickTriggerReleaseNum);
}

void DDataManager::relayCalibrationPoint(int keyPointX, int keyPointY)
{
    Q_EMIT sigTheMagneticKeyboardCalibrationPoint(keyPointX, keyPointY);
}

void DDataManager::relayCalibrationStatus(int keyCalibrationStatus)
{
    Q_EMIT sigTheMagneticKeyboardCalibrationStatusBack(keyCalibrationStatus);
}

void DDataManager::notifySeniorKeysListChanged()
{
    Q_EMIT sigSeniorKeysListItemHaveChanged();
}
