#include "devicelink/ddevicekeyboardlink.h"
#include "platform/logcategories.h"

#include "devicelink/ddevicehidcmdsend.h"
#include "devicelink/devicefoldername.h"
#include "devicelink/inputreportlength.h"
#include "devicelink/keyboardwideprofile.h"
#include "devicelink/mainhidinterface.h"
#include "devicelink/reportcopies.h"
#include "devicelink/unaskedreportpacer.h"
#include "lighting/lightmodes.h"
#include "platform/applauncher.h"
#include "platform/pastebackend.h"
#include "sdk/devicecatalogue.h"
#include "sdk/tavrixxml.h"

#include <memory>

namespace {

constexpr int kSerialOffset = 6;
constexpr int kSerialBytes = 32;
constexpr int kTextReplyField = 4;  // the fifth comma-separated field of reply 0x0D
constexpr int kCustomLightMode = 10;

uint8_t replyByte(HidReply reply)
{
    return static_cast<uint8_t>(reply);
}

// Bytes from..to-1 up to the first 0 byte, as Latin-1.
QString latin1Text(const HidReport &r, int from, int to)
{
    QByteArray bytes = r.mid(from, to - from);
    const int end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    return QString::fromLatin1(bytes);
}

// Bytes 6..17 of a light configuration reply as the record of a target.
colorInfoData lightRecord(int target, const HidReport &r)
{
    colorInfoData c;
    c.lightTarget = target;
    c.lightMode = r[6];
    c.brightness = r[7] + 1;
    c.speed = r[8] + 1;
    c.topColorR = r[9];
    c.topColorG = r[10];
    c.topColorB = r[11];
    c.bottomColorR = r[12];
    c.bottomColorG = r[13];
    c.bottomColorB = r[14];
    c.direction = r[15];
    c.fullColor = r[16];
    c.extParam1 = r[17];
    c.extParam2 = 0;
    return c;
}

// Makes a light configuration the keyboard reported fit the ranges a record may
// hold, given the target's capabilities as far as they are known yet: levels from
// 1 to the level count (a count of 0 reads as one level), direction 0..7, the
// full-colour flag 0 or 1. False for a mode no such target has (a garbled reply),
// which is then not taken at all.
bool fitReportedLight(colorInfoData *c, const LightTypeListInfo &types)
{
    const bool known = c->lightTarget == 0 ? LightModes::keyboardMode(c->lightMode) != nullptr
                                           : LightModes::sideMode(c->lightMode) != nullptr;
    if (!known || (!types.lightTypeList.isEmpty() && !types.lightTypeList.contains(c->lightMode)))
        return false;
    const bool capsKnown = !types.lightTypeList.isEmpty() || types.brightnessMax > 0 || types.speedMax > 0;
    if (capsKnown) {
        c->brightness = qBound(1, c->brightness, qMax(1, types.brightnessMax));
        c->speed = qBound(1, c->speed, qMax(1, types.speedMax));
    }
    c->direction = qBound(0, c->direction, int(LightModes::DirAnticlockwise));
    c->fullColor = c->fullColor ? 1 : 0;
    c->extParam2 = 0;
    return true;
}

}  // namespace

DDeviceKeyboardLink::DDeviceKeyboardLink(QObject *parent)
    : QObject(parent)
    , m_paste(PasteBackend::system())
    , m_launcher(AppLaunchBackend::system())
    , m_pacer(new UnaskedReportPacer(this))
{ }

void DDeviceKeyboardLink::setUnaskedApplyIntervalMs(int ms)
{
    m_pacer->setIntervalMs(ms);
}

DDeviceKeyboardLink::~DDeviceKeyboardLink()
{
    delete m_cmdSend;
    if (m_hid) {
        m_hid->closeHid();
        const MainHidInterFace *sender = m_hid;
        delete m_hid;  // waits for its thread: it sends nothing more
        // Reports queued for this link and not yet delivered are dropped with it.
        ReportCopies::freeUndelivered(sender);
    }
}

bool DDeviceKeyboardLink::openHid(int threadIndex, hidStructInfoAll info)
{
    if (m_hid)
        return m_cmdSend != nullptr;
    m_info = info;
    m_hidName = QString::fromUtf8(m_info.hidName, int(tavrixTextLength(m_info.hidName)));
    m_hid = new MainHidInterFace(threadIndex, m_hidName);
    connect(m_hid, &MainHidInterFace::sigOpenHidSuccessful, this, &DDeviceKeyboardLink::onOpenHidSuccessful);
    connect(m_hid, &MainHidInterFace::sigHidDataArrived, this, &DDeviceKeyboardLink::onHidDataArrived);
    connect(m_hid, &MainHidInterFace::sigHidSnGetOver, this, &DDeviceKeyboardLink::onHidSNDataArrived);
    return startLink();
}

bool DDeviceKeyboardLink::retryOpen()
{
    if (!m_hid || m_cmdSend)
        return m_cmdSend != nullptr;
    return startLink();
}

bool DDeviceKeyboardLink::isOpenDenied() const
{
    return m_hid && !m_cmdSend && m_hid->isOpenDenied();
}

bool DDeviceKeyboardLink::startLink()
{
    if (m_hid->openHid(devicePath()) != 0) {
        qCDebug(lcDevice) << "Open the device-failed";
        return false;
    }
    m_hid->start(QThread::InheritPriority);
    m_cmdSend = new DDeviceHidCmdSend();
    m_cmdSend->setHidInterface(m_hid);
    return true;
}

QString DDeviceKeyboardLink::devicePath() const
{
    return QString::fromLatin1(m_info.hidPath, int(tavrixTextLength(m_info.hidPath)));
}

void DDeviceKeyboardLink::onOpenHidSuccessful()
{ }

// ---- forwarders -------------------------------------------------------------------------

void DDeviceKeyboardLink::resetKeyboard()
{
    if (m_cmdSend)
        m_cmdSend->resetKeyboard();
}

void DDeviceKeyboardLink::checkSleepTime()
{
    if (m_cmdSend)
        m_cmdSend->checkSleepTime();
}

void DDeviceKeyboardLink::setSleepTime(int lightSleepTime, int keyboardSleepTime, int prohibitSleepStatus)
{
    if (m_cmdSend)
        m_cmdSend->setSleepTime(lightSleepTime, keyboardSleepTime, prohibitSleepStatus);
}

void DDeviceKeyboardLink::lockWinKey(int feature1, int feature2, int feature3, int feature4)
{
    if (m_cmdSend)
        m_cmdSend->lockWin(feature1, feature2, feature3, feature4);
}

void DDeviceKeyboardLink::requeryLightConfig()
{
    if (m_cmdSend) {
        m_cmdSend->inquireKeyboardLightConfig();
        m_cmdSend->inquireSideLightConfig();
        m_cmdSend->checkLayoutSupportCustom();
    }
    m_lightInfoKnown = true;
}

// ---- start-up query chain ---------------------------------------------------------------

void DDeviceKeyboardLink::onHidSNDataArrived(unsigned char *data, QString strHidName)
{
    Q_UNUSED(strHidName)
    ReportCopies::taken(data);
    const std::unique_ptr<unsigned char[]> owned(data);
    if (data)
        handleSerialNumber(HidReport::fromBytes(data, HidReport::Size));
}

void DDeviceKeyboardLink::handleSerialNumber(const HidReport &report)
{
    const QString reported = latin1Text(report, kSerialOffset, kSerialOffset + kSerialBytes);
    if (!m_writtenSerial.isEmpty()) {
        // The answer to the query after a write: the new number counts only once the
        // keyboard holds it, or its profiles would move to a new folder at every start.
        if (reported == m_writtenSerial) {
            m_serialNumber = reported;
        } else {
            // A keyboard without writable serial memory: its folder is named from what it
            // reported first, which it reports the same at every start.
            qCDebug(lcDevice) << "The keyboard kept its old serial number after a new one was written";
            m_serialNumber = DeviceFolderName::serialFromReport(m_hidName, m_unusableSerial);
        }
        m_writtenSerial.clear();
        return;
    }
    if (m_serialHandled)
        return;
    m_serialHandled = true;
    if (DeviceFolderName::isValidSerial(reported)) {
        m_serialNumber = reported;
    } else if (m_cmdSend) {
        // The serial number names the keyboard's profile folder: one that is missing, short
        // or cannot name a folder safely is replaced by a new one, asked back at once.
        bool queued = false;
        const QString fresh = m_cmdSend->writeSN(QString(), &queued);
        if (queued) {
            m_writtenSerial = fresh;
            m_unusableSerial = reported;
            m_cmdSend->querySerialNumber();
        }
    }
    queueStartQueries();
}

bool DDeviceKeyboardLink::isMagneticModel() const
{
    const CatalogueModel *model = DeviceCatalogue::instance().findModel(m_hidName);
    return model && model->magnetic;
}

void DDeviceKeyboardLink::queueStartQueries()
{
    if (!m_cmdSend)
        return;
    m_cmdSend->inquireKeyboardLightConfig();
    m_cmdSend->inquireSideLightConfig();
    m_cmdSend->inquireLightMode();
    if (isMagneticModel()) {
        m_cmdSend->queryTravelLevel();
        m_cmdSend->queryAntiShake();
        m_cmdSend->queryRateOfReturn();
    }
}

// ---- dispatcher -------------------------------------------------------------------------

const QHash<uint8_t, DDeviceKeyboardLink::Handler> &DDeviceKeyboardLink::handlers()
{
    static const QHash<uint8_t, Handler> table = {
        {replyByte(HidReply::DeviceStatus), &DDeviceKeyboardLink::parseDeviceStatus},
        {replyByte(HidReply::KeyboardSettingsAck), &DDeviceKeyboardLink::parseKeyboardSettings},
        {replyByte(HidReply::SixKeyReport), &DDeviceKeyboardLink::parseSixKeyReport},
        {replyByte(HidReply::FullKeyReport), &DDeviceKeyboardLink::parseFullKeyReport},
        {replyByte(HidReply::LightTypeList), &DDeviceKeyboardLink::parseLightTypeList},
        {replyByte(HidReply::SideLightTypeList), &DDeviceKeyboardLink::parseSideLightTypeList},
        {replyByte(HidReply::KeyboardLightConfig), &DDeviceKeyboardLink::parseKeyboardLightConfig},
        {replyByte(HidReply::SideLightConfig), &DDeviceKeyboardLink::parseSideLightConfig},
        {replyByte(HidReply::MouseLightIndex), &DDeviceKeyboardLink::parseMouseLightIndex},
        {replyByte(HidReply::CustomKeyBitmap), &DDeviceKeyboardLink::parseCustomKeyBitmap},
        {replyByte(HidReply::OnboardAck), &DDeviceKeyboardLink::parseOnboardAck},
        {replyByte(HidReply::OnboardMacroReply), &DDeviceKeyboardLink::parseOnboardMacroReply},
        {0x0D, &DDeviceKeyboardLink::parseTextReply},
        {0x0B, &DDeviceKeyboardLink::parseReceiverNumber},
        {replyByte(HidReply::HostKeyFunction), &DDeviceKeyboardLink::parseHostKeyFunction},
        {replyByte(HidReply::MagneticReply), &DDeviceKeyboardLink::parseMagneticReply},
    };
    return table;
}

void DDeviceKeyboardLink::onHidDataArrived(unsigned char *data, int length, int threadIndex)
{
    Q_UNUSED(threadIndex)
    ReportCopies::taken(data);
    const std::unique_ptr<unsigned char[]> owned(data);
    if (!InputReportLength::holdsItsFields(data, length))
        return;
    const HidReport report = HidReport::fromBytes(data, HidReport::Size);
    if (const Handler handler = handlers().value(report.code(), nullptr))
        (this->*handler)(report);
}

void DDeviceKeyboardLink::parseDeviceStatus(const HidReport &r)
{
    if (r.length() == 0)
        return;
    m_winLockOn = r[6] == 1;
    Q_EMIT sigSendChargingStatusAndElectricity(r[9], r[10], r[11], r[12], m_serialNumber);
    // A keyboard behind a receiver that sleeps and wakes makes the page switch keyboards
    // and rebuild its list: a few times a second at most, the last state winning.
    if (m_wireless) {
        if (r[11] == 1 && r[12] != m_lastLinkValid) {
            const int linkValid = r[12];
            m_pacer->offer(PacedLinkValid,
                           [this, linkValid] { Q_EMIT sigDongleStatus(linkValid, devicePath(), m_hidName); });
        }
        m_lastLinkValid = r[12];
    }
    if (r[13] != 0)
        Q_EMIT sigRunningOnboardDownloadStatus(r[13]);
    if (m_hidName == QLatin1String(KeyboardModeModel) && (m_lastKeyboardMode == -1 || m_lastKeyboardMode != r[14])) {
        m_lastKeyboardMode = r[14];
        Q_EMIT sigTheKeyboardModeChanged(r[14]);
    }
}

void DDeviceKeyboardLink::parseKeyboardSettings(const HidReport &r)
{
    switch (static_cast<KeyboardSettingsSub>(r.sub())) {
    case KeyboardSettingsSub::ResetOrWinLock: Q_EMIT sigSleepTimeSetSuccessful(); break;
    case KeyboardSettingsSub::AskSleep: {
        const int lightSeconds = r.u16(9);
        const int keyboardSeconds = r.u16(11);
        m_prohibitSleep = r[13];
        Q_EMIT sigFactsChanged();
        m_pacer->offer(PacedSleepTimes,
                       [this, lightSeconds, keyboardSeconds] { applySleepTimes(lightSeconds, keyboardSeconds); });
        break;
    }
    default: break;
    }
}

void DDeviceKeyboardLink::applySleepTimes(int lightSeconds, int keyboardSeconds)
{
    const KeyboardWideProfile::Ref profile = KeyboardWideProfile::defaultLayer(m_profilePath, m_profileIndex);
    if (profile.isValid())
        noteStoreWrite(
            CTavrixXML_SetProFileIntoSleepTimeInfo(profile.path, profile.index, lightSeconds, keyboardSeconds / 60));
}

void DDeviceKeyboardLink::noteStoreWrite(bool ok, const QString &fallback)
{
    if (ok) {
        m_storeFailureTold = false;
        return;
    }
    if (m_storeFailureTold)
        return;
    m_storeFailureTold = true;
    // Read at once: the next store call starts a new record.
    const QString reason = CTavrixXML_FailureText(CTavrixXML_LastFailure());
    if (!reason.isEmpty())
        Q_EMIT sigStoreWriteFailed(reason);
    else
        Q_EMIT sigStoreWriteFailed(fallback.isEmpty() ? tr("The keyboard's settings could not be saved") : fallback);
}

void DDeviceKeyboardLink::parseFullKeyReport(const HidReport &r)
{
    if (m_cmdSend)
        m_cmdSend->writeFullKey(r.data());
}

void DDeviceKeyboardLink::parseLightTypeList(const HidReport &r)
{
    m_keyboardLightTypes = LightTypeListInfo::parse(r);
    qCDebug(lcDevice).nospace() << "Keyboard light settings of" << m_hidName
                                << " lightTypeList Num:" << m_keyboardLightTypes.lightTypeList.size()
                                << "  SpeedMax:" << m_keyboardLightTypes.speedMax
                                << "  BrightnessMax:" << m_keyboardLightTypes.brightnessMax;
    if (m_cmdSend)
        m_cmdSend->inquireSideLightMode();
}

void DDeviceKeyboardLink::parseSideLightTypeList(const HidReport &r)
{
    m_sideLightTypes = LightTypeListInfo::parse(r);
    qCDebug(lcDevice).nospace() << "Side light settings of" << m_hidName
                                << " lightTypeList Num:" << m_sideLightTypes.lightTypeList.size()
                                << "  SpeedMax:" << m_sideLightTypes.speedMax
                                << "  BrightnessMax:" << m_sideLightTypes.brightnessMax;
    const bool first = !m_lightListReady;
    m_lightListReady = true;
    Q_EMIT sigFactsChanged();
    if (m_cmdSend)
        m_cmdSend->checkLayoutSupportCustom();
    if (first)
        Q_EMIT sigLightListReady();
}

void DDeviceKeyboardLink::parseKeyboardLightConfig(const HidReport &r)
{
    colorInfoData reported = lightRecord(0, r);
    if (!fitReportedLight(&reported, m_keyboardLightTypes)) {
        qCDebug(lcDevice) << "Keyboard light configuration ignored: no mode" << reported.lightMode;
        return;
    }
    m_keyboardLight = reported;
    m_keyboardLightReceived = true;
    qCDebug(lcDevice).nospace() << "Side light mode report: brightness" << m_keyboardLight.brightness
                                << " ledSpeed:" << m_keyboardLight.speed << " ledType:" << m_keyboardLight.lightMode;
    if (m_lightInfoKnown)
        m_pacer->offer(PacedKeyboardLight, [this] { saveLightInfoToProfile(0); });
}

void DDeviceKeyboardLink::parseSideLightConfig(const HidReport &r)
{
    colorInfoData reported = lightRecord(1, r);
    if (!fitReportedLight(&reported, m_sideLightTypes)) {
        qCDebug(lcDevice) << "Side light configuration ignored: no mode" << reported.lightMode;
        return;
    }
    m_sideLight = reported;
    m_sideLightReceived = true;
    if (m_lightInfoKnown)
        m_pacer->offer(PacedSideLight, [this] { saveLightInfoToProfile(1); });
}

void DDeviceKeyboardLink::saveLightInfoToProfile(int target)
{
    const bool received = target == 0 ? m_keyboardLightReceived : m_sideLightReceived;
    if (!received)
        return;
    // The kept record is the latest: a save of it that waits is done by this one.
    m_pacer->drop(target == 0 ? PacedKeyboardLight : PacedSideLight);
    // The capabilities may have come after the configuration: fitted again to them.
    colorInfoData &reported = target == 0 ? m_keyboardLight : m_sideLight;
    if (!fitReportedLight(&reported, target == 0 ? m_keyboardLightTypes : m_sideLightTypes)) {
        qCDebug(lcDevice) << "Light configuration not saved: no mode" << reported.lightMode << "of target" << target;
        m_lightInfoKnown = true;
        return;
    }
    const colorInfoData record = reported;
    if (hasProfile()) {
        const QByteArray index = profileIndexText();
        // The record and the mode in use go to the file in one write.
        CTavrixXMLBatch batch(m_profilePath);
        const bool saved = CTavrixXML_IsProFileAlreadyHaveLightInfo(m_profilePath, index, target, record.lightMode)
            ? CTavrixXML_ModifyProFileLightInfoItem(m_profilePath, index, target, record.lightMode, record)
            : CTavrixXML_AddProFileLightInfoItem(m_profilePath, index, record);
        noteStoreWrite(saved
                       && CTavrixXML_ModifyProFileMouseLightUsingIndex(m_profilePath, index, target, record.lightMode)
                       && batch.commit());
    }
    if (m_lightInfoKnown)
        Q_EMIT sigLightConfigHaveChanged_HidSend(target, record.lightMode);
    m_lightInfoKnown = true;
}

void DDeviceKeyboardLink::parseMouseLightIndex(const HidReport &r)
{
    const int slot = r.sub();
    m_pacer->offer(PacedLightSlot, [this, slot] { applyCustomLightSlot(slot); });
}

void DDeviceKeyboardLink::applyCustomLightSlot(int slot)
{
    if (hasProfile())
        noteStoreWrite(
            CTavrixXML_ModifyProFileMouseLightUsingIndex(m_profilePath, profileIndexText(), 0, kCustomLightMode));
    Q_EMIT sigCustomLight_ConfigHaveChanged_HidSend0x09(0, kCustomLightMode, slot);
}

void DDeviceKeyboardLink::parseCustomKeyBitmap(const HidReport &r)
{
    // Each reply is the whole bitmap, so it replaces what an earlier one said.
    m_customKeyList.clear();
    for (int column = 0; column < 22; ++column) {
        const uint8_t bits = r[6 + column];
        for (int row = 0; row < 6; ++row) {
            if (bits & (1u << row))
                m_customKeyList.append({row, column});
        }
    }
}

void DDeviceKeyboardLink::parseOnboardAck(const HidReport &)
{
    Q_EMIT sigRunningOnboard0x19Cmd();
}

void DDeviceKeyboardLink::parseOnboardMacroReply(const HidReport &)
{
    Q_EMIT sigRunningOnboard0x18Cmd();
}

void DDeviceKeyboardLink::parseTextReply(const HidReport &r)
{
    const QStringList fields = latin1Text(r, 6, HidReport::Size).split(QLatin1Char(','));
    Q_EMIT sigWaitForDataReturn_0x0d(devicePath(), fields.value(kTextReplyField));
}

void DDeviceKeyboardLink::parseReceiverNumber(const HidReport &r)
{
    Q_EMIT sigQN9080Recv0x0bCmd(r.sub());
}

void DDeviceKeyboardLink::parseMagneticReply(const HidReport &r)
{
    switch (static_cast<MagneticSub>(r[6])) {
    case static_cast<MagneticSub>(kMagneticLiveTravel): Q_EMIT sigMagneticLiveTravel(r[7], r[8], r[9]); break;
    case MagneticSub::KeyTrigger: Q_EMIT sigMagneticKeyTrigger(r[7], r[8], r[9], r[10], r[11]); break;
    case MagneticSub::Calibrate: Q_EMIT sigMagneticCalibrationStatus(r[7]); break;
    case MagneticSub::TravelLevel:
        m_magneticPrecision = r[7];
        Q_EMIT sigFactsChanged();
        break;
    case MagneticSub::ReportRate:
        m_keyRateOfReturnNum = r[7];
        Q_EMIT sigFactsChanged();
        break;
    case MagneticSub::Debounce:
        m_keyAntiShakeNum = r[7];
        Q_EMIT sigFactsChanged();
        break;
    default: break;
    }
}
