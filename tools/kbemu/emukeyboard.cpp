#include "emukeyboard.h"

#include <QCryptographicHash>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {

constexpr uint8_t kListMarker = 0xA5;
constexpr uint8_t kStatusLength = 0x09;
constexpr uint8_t kMagneticLength = 0x18;
constexpr int kMacroStepBytes = 58;
constexpr int kMacroLastStepBytes = 24;

uint8_t cmdByte(HidCmd c)
{
    return static_cast<uint8_t>(c);
}

}  // namespace

EmuKeyboard::EmuKeyboard(const EmuModelInfo &model, bool receiver, const QString &tag, QObject *parent)
    : QObject(parent), m_model(model), m_receiver(receiver && model.hasReceiver())
{
    EmuKeyboardState &s = m_state;
    s.serial = defaultSerial(model, m_receiver, tag);
    s.keyboardModes = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16}, 5, 5};
    s.sideModes = m_model.sideLights ? EmuLightModes {{0, 1, 2, 3, 4, 5}, 5, 5} : EmuLightModes {};
    // Rows 0..4 of every column can be given functions on the FN layer; the bottom row is reserved.
    s.customKeyBitmap = QByteArray(EmuMagnetic::Columns, char(0x1F));
    s.status.connection = m_receiver ? 1 : 0;
    restoreDefaults();
}

QByteArray EmuKeyboard::defaultSerial(const EmuModelInfo &model, bool receiver, const QString &tag)
{
    const QByteArray seed = model.name.toUtf8() + (receiver ? "/receiver/" : "/cable/") + tag.toUtf8();
    return QCryptographicHash::hash(seed, QCryptographicHash::Md5).toHex();
}

void EmuKeyboard::restoreDefaults()
{
    EmuKeyboardState &s = m_state;
    s.keyboardLight = EmuLightConfig {2, 4, 2, {255, 0, 0}, {0, 0, 255}, 0, 1, 0};
    s.sideLight = EmuLightConfig {1, 4, 2, {0, 255, 0}, {0, 0, 0}, 0, 0, 0};
    s.sleep = EmuSleep {};
    s.winLock = EmuWinLock {};
    s.magnetic.triggers.clear();
    s.magnetic.defaultTrigger = EmuKeyTrigger {};
}

// ---- rules -----------------------------------------------------------------------------

void EmuKeyboard::dropReplies(int replyByte, int count)
{
    m_rules[replyByte].dropCount = count < 0 ? -1 : count;
}

void EmuKeyboard::delayReplies(int replyByte, int ms, int count)
{
    ReplyRule &rule = m_rules[replyByte];
    rule.delayMs = ms;
    rule.delayCount = count < 0 ? -1 : count;
}

void EmuKeyboard::overrideAnswer(uint8_t command, const QList<QByteArray> &messages)
{
    m_overrides.insert(command, messages);
}

void EmuKeyboard::clearRules()
{
    m_silent = false;
    m_rules.clear();
    m_overrides.clear();
    m_triggers.clear();
}

void EmuKeyboard::setCalibrationResult(int status, int afterMs)
{
    m_calibrationResult = status;
    m_calibrationMs = afterMs;
}

void EmuKeyboard::onReceived(uint8_t command, int nth, std::function<void()> action)
{
    m_triggers.insert(command, qMakePair(nth, std::move(action)));
}

// Uses up one count of the rule for this reply byte (or for all replies); true when it applies.
bool EmuKeyboard::takeRule(int replyByte, bool drop)
{
    for (const int key : {replyByte, int(AllReplies)}) {
        auto it = m_rules.find(key);
        if (it == m_rules.end())
            continue;
        int &count = drop ? it->dropCount : it->delayCount;
        if (count == 0 || (!drop && it->delayMs <= 0))
            continue;
        if (count > 0)
            --count;
        return true;
    }
    return false;
}

void EmuKeyboard::replyRaw(const QByteArray &message)
{
    if (!m_answering || m_silent)
        return;
    const int replyByte = message.size() > 1 ? static_cast<uint8_t>(message.at(1)) : -2;
    if (takeRule(replyByte, true))
        return;
    if (takeRule(replyByte, false)) {
        const int ms = std::max(m_rules.value(replyByte).delayMs, m_rules.value(AllReplies).delayMs);
        const int generation = m_generation;
        QPointer<EmuKeyboard> self(this);
        QTimer::singleShot(ms, this, [self, message, generation] {
            if (self && self->m_generation == generation)
                Q_EMIT self->sigSend(message);
        });
        return;
    }
    Q_EMIT sigSend(message);
}

// ---- host to keyboard ------------------------------------------------------------------

const QHash<uint8_t, EmuKeyboard::Handler> &EmuKeyboard::handlers()
{
    static const QHash<uint8_t, Handler> table = {
        {cmdByte(HidCmd::ShakeHands), &EmuKeyboard::onShakeHands},
        {cmdByte(HidCmd::QuerySerialNumber), &EmuKeyboard::onQuerySerial},
        {cmdByte(HidCmd::WriteSerialNumber), &EmuKeyboard::onWriteSerial},
        {cmdByte(HidCmd::KeyboardLightConfig), &EmuKeyboard::onKeyboardLightConfig},
        {cmdByte(HidCmd::SideLightConfig), &EmuKeyboard::onSideLightConfig},
        {cmdByte(HidCmd::LightTypeList), &EmuKeyboard::onLightTypeList},
        {cmdByte(HidCmd::SideLightTypeList), &EmuKeyboard::onSideLightTypeList},
        {cmdByte(HidCmd::CheckCustomKeys), &EmuKeyboard::onCheckCustomKeys},
        {cmdByte(HidCmd::KeyboardSettings), &EmuKeyboard::onKeyboardSettings},
        {cmdByte(HidCmd::SixKeyReport), &EmuKeyboard::onSixKeyEcho},
        {cmdByte(HidCmd::FullKeyReport), &EmuKeyboard::onFullKeyEcho},
        {cmdByte(HidCmd::OnboardKeys), &EmuKeyboard::onOnboardKeys},
        {cmdByte(HidCmd::OnboardMacro), &EmuKeyboard::onOnboardMacro},
        {cmdByte(HidCmd::OnboardSeniorKey), &EmuKeyboard::onOnboardSeniorKey},
        {cmdByte(HidCmd::Magnetic), &EmuKeyboard::onMagnetic},
        {cmdByte(HidCmd::LightSync), &EmuKeyboard::onLightSync},
        {cmdByte(HidCmd::WriteKeyColor), &EmuKeyboard::onLightFrame},
        {cmdByte(HidCmd::WriteKeyColor24G), &EmuKeyboard::onCompactLight},
    };
    return table;
}

void EmuKeyboard::handleReport(const HidReport &report)
{
    const uint8_t command = report.code();
    const int count = ++m_receivedCounts[command];

    const auto override = m_overrides.constFind(command);
    m_answering = override == m_overrides.constEnd();
    if (const Handler handler = handlers().value(command, nullptr))
        (this->*handler)(report);
    m_answering = true;
    if (override != m_overrides.constEnd()) {
        for (const QByteArray &message : *override)
            replyRaw(message);
    }

    // Copy first: an action may add or remove triggers.
    const auto triggers = m_triggers.values(command);
    for (const auto &trigger : triggers) {
        if (trigger.first == count)
            trigger.second();
    }
}

void EmuKeyboard::onShakeHands(const HidReport &)
{
    reply(statusReport());
}

void EmuKeyboard::onQuerySerial(const HidReport &)
{
    HidReport r = HidReport::reply(HidReply::SerialNumber, 0, 0x20);
    r.setBytes(HidReport::PayloadOffset, m_state.serial.left(32));
    reply(r);
}

void EmuKeyboard::onWriteSerial(const HidReport &r)
{
    if (m_serialLocked)
        return;
    QByteArray serial = r.mid(HidReport::PayloadOffset, 32);
    const int end = serial.indexOf('\0');
    if (end >= 0)
        serial.truncate(end);
    m_state.serial = serial;
}

void EmuKeyboard::lightConfig(const HidReport &r, EmuLightConfig &config, HidReply answer)
{
    if (r.sub() == 1) {
        HidReport out = HidReport::reply(answer, 0, 0x0C);
        out.setBytes(HidReport::PayloadOffset, config.toWire());
        reply(out);
    } else if (r.sub() == 0) {
        config = EmuLightConfig::fromWire(r.mid(HidReport::PayloadOffset, EmuLightConfig::WireSize));
    }
}

void EmuKeyboard::onKeyboardLightConfig(const HidReport &r)
{
    lightConfig(r, m_state.keyboardLight, HidReply::KeyboardLightConfig);
}

void EmuKeyboard::onSideLightConfig(const HidReport &r)
{
    lightConfig(r, m_state.sideLight, HidReply::SideLightConfig);
}

void EmuKeyboard::lightModes(const EmuLightModes &modes, HidReply answer)
{
    HidReport out = HidReport::reply(answer);
    int pos = HidReport::PayloadOffset;
    // Room is kept for the marker and the two counts.
    for (const int mode : modes.modes) {
        if (pos >= HidReport::Size - 3)
            break;
        out[pos++] = static_cast<uint8_t>(mode);
    }
    out[pos++] = kListMarker;
    out[pos++] = static_cast<uint8_t>(modes.speedLevels);
    out[pos++] = static_cast<uint8_t>(modes.brightnessLevels);
    out[5] = static_cast<uint8_t>(pos - HidReport::PayloadOffset);
    reply(out);
}

void EmuKeyboard::onLightTypeList(const HidReport &)
{
    lightModes(m_state.keyboardModes, HidReply::LightTypeList);
}

void EmuKeyboard::onSideLightTypeList(const HidReport &)
{
    lightModes(m_state.sideModes, HidReply::SideLightTypeList);
}

void EmuKeyboard::onCheckCustomKeys(const HidReport &)
{
    HidReport out = HidReport::reply(HidReply::CustomKeyBitmap, 0, EmuMagnetic::Columns);
    out.setBytes(HidReport::PayloadOffset, m_state.customKeyBitmap.left(EmuMagnetic::Columns));
    reply(out);
}

void EmuKeyboard::onKeyboardSettings(const HidReport &r)
{
    switch (static_cast<KeyboardSettingsSub>(r.sub())) {
    case KeyboardSettingsSub::ResetOrWinLock:
        if (r[6] == 1) {
            ++m_state.resets;
            restoreDefaults();
        } else if (r[6] == 0) {
            m_state.winLock = EmuWinLock {r[13], r[14], r[15], r[16]};
        }
        break;
    case KeyboardSettingsSub::SetSleep: {
        m_state.sleep = EmuSleep {r.u16(9), r.u16(11), r[13]};
        reply(HidReport::reply(HidReply::KeyboardSettingsAck, 0, 0x01));
        break;
    }
    case KeyboardSettingsSub::AskSleep: {
        HidReport out = HidReport::reply(HidReply::KeyboardSettingsAck, 2, 0x08);
        out.setU16(9, m_state.sleep.lightSeconds);
        out.setU16(11, m_state.sleep.keyboardSeconds);
        out[13] = static_cast<uint8_t>(m_state.sleep.prohibit);
        reply(out);
        break;
    }
    }
}

void EmuKeyboard::onSixKeyEcho(const HidReport &r)
{
    m_state.lastSixKeyEcho = r.mid(6, 8);
}

void EmuKeyboard::onFullKeyEcho(const HidReport &r)
{
    m_state.lastFullKeyEcho = r.mid(6, 13);
}

// ---- light frames ----------------------------------------------------------------------

void EmuKeyboard::onLightSync(const HidReport &r)
{
    m_state.lightSync = r[6] != 0;
}

void EmuKeyboard::onLightFrame(const HidReport &r)
{
    // The length byte is the host's claim; never read past the report.
    const int length = qMin(int(r.length()), HidReport::PayloadSize);
    m_state.lightFrame.insert(qMakePair(int(r.sub()), int(r[4])), r.mid(HidReport::PayloadOffset, length));
}

void EmuKeyboard::onCompactLight(const HidReport &r)
{
    m_state.lastCompactLight = r.mid(0, HidReport::Size);
}

// ---- download --------------------------------------------------------------------------

void EmuKeyboard::onOnboardKeys(const HidReport &r)
{
    const int layer = r.sub();
    const int packet = r[4];
    beginDownloadPacket();
    const int length = std::min<int>({r.length(), 4 * EmuOnboardMemory::KeysPerPacket, HidReport::PayloadSize});
    QByteArray &keys = m_state.memory.keys[layer];
    const int offset = packet * 4 * EmuOnboardMemory::KeysPerPacket;
    if (keys.size() < offset + length)
        keys.append(QByteArray(offset + length - keys.size(), '\0'));
    keys.replace(offset, length, r.mid(HidReport::PayloadOffset, length));
    m_download.keyPackets[layer].insert(packet);
    checkDownloadComplete();
}

void EmuKeyboard::onOnboardMacro(const HidReport &r)
{
    const int slot = r.sub();
    const int step = r[4];
    beginDownloadPacket();
    if (step < EmuOnboardMemory::MacroSteps) {
        QByteArray &record = m_state.memory.macros[slot];
        if (record.size() != EmuOnboardMemory::MacroRecordSize)
            record = QByteArray(EmuOnboardMemory::MacroRecordSize, '\0');
        const int bytes = step < 4 ? kMacroStepBytes : kMacroLastStepBytes;
        record.replace(step * kMacroStepBytes, bytes, r.mid(HidReport::PayloadOffset, bytes));
        m_download.macroSteps[slot] |= 1 << step;
    }
    HidReport ack = HidReport::reply(HidReply::OnboardAck, static_cast<uint8_t>(slot));
    ack[4] = static_cast<uint8_t>(step);
    reply(ack);
    checkDownloadComplete();
}

void EmuKeyboard::onOnboardSeniorKey(const HidReport &r)
{
    beginDownloadPacket();
    m_state.memory.seniorKeys[r.sub()] = r.mid(HidReport::PayloadOffset, HidReport::PayloadSize);
    m_download.seniorSlots.insert(r.sub());
    checkDownloadComplete();
}

// A key's macro and advanced-key packets go out before the key packet that holds the
// key, so a download may begin with any of the three kinds: the first download packet
// after the last download ended starts a new one. A retry of an unfinished download
// sends every packet again, so it simply completes the open session.
void EmuKeyboard::beginDownloadPacket()
{
    if (m_download.reported)
        m_download = DownloadSession {{}, {}, {}, false};
}

// The status report with the download result goes out once every key packet of both
// layers, every macro slot and (magnetic models) every advanced-key slot has arrived.
void EmuKeyboard::checkDownloadComplete()
{
    if (m_download.reported)
        return;
    for (const int layer : {0, 2}) {
        for (int p = 0; p < KeyPacketsPerLayer; ++p) {
            if (!m_download.keyPackets.value(layer).contains(p))
                return;
        }
    }
    for (int slot = 0; slot < MacroSlots; ++slot) {
        if (m_download.macroSteps.value(slot) != (1 << EmuOnboardMemory::MacroSteps) - 1)
            return;
    }
    if (m_model.isMagnetic()) {
        for (int slot = 0; slot < SeniorKeySlots; ++slot) {
            if (!m_download.seniorSlots.contains(slot))
                return;
        }
    }
    m_download.reported = true;
    if (m_downloadResult >= 0)
        reply(statusReport(static_cast<uint8_t>(m_downloadResult)));
}

// ---- magnetic switches -----------------------------------------------------------------

void EmuKeyboard::magneticAnswer(MagneticSub sub, std::initializer_list<uint8_t> values)
{
    HidReport out = HidReport::reply(HidReply::MagneticReply, 0, kMagneticLength);
    out[6] = static_cast<uint8_t>(sub);
    int pos = 7;
    for (const uint8_t v : values)
        out[pos++] = v;
    reply(out);
}

void EmuKeyboard::onMagnetic(const HidReport &r)
{
    if (!m_model.isMagnetic())
        return;
    EmuMagnetic &m = m_state.magnetic;
    const auto sub = static_cast<MagneticSub>(r[6]);
    const auto keysOf = [&r] {
        QList<QPair<int, int>> keys;
        for (int c = 0; c < EmuMagnetic::Columns; ++c) {
            for (int row = 0; row < EmuMagnetic::Rows; ++row) {
                if (r[7 + c] & (1 << row))
                    keys.append({row, c});
            }
        }
        return keys;
    };
    switch (sub) {
    case MagneticSub::ApplySingle:
    case MagneticSub::ApplySeparate:
    case MagneticSub::ApplyQuick:
    case MagneticSub::ApplyQuickSeparate:
        for (const auto &key : keysOf())
            m.triggers[key] = EmuKeyTrigger {r[6], r[29], r[30], r[31], r[32]};
        break;
    case MagneticSub::SelectKeys: m.selectedKeys = keysOf(); break;
    case MagneticSub::LeaveTriggerTab: m.selectedKeys.clear(); break;
    case MagneticSub::TravelLevel: magneticAnswer(sub, {m.travelLevel}); break;
    case MagneticSub::KeyTrigger: {
        const EmuKeyTrigger t = m.trigger(r[7], r[8]);
        magneticAnswer(sub, {t.mode, t.press, t.release, t.quickPress, t.quickRelease});
        break;
    }
    case MagneticSub::ResetTrigger:
        ++m.resets;
        m.triggers.clear();
        break;
    case MagneticSub::Calibrate: {
        ++m.calibrations;
        magneticAnswer(sub, {1});
        const int generation = m_generation;
        const uint8_t result = static_cast<uint8_t>(m_calibrationResult);
        QPointer<EmuKeyboard> self(this);
        QTimer::singleShot(m_calibrationMs, this, [self, generation, result] {
            if (self && self->m_generation == generation)
                self->magneticAnswer(MagneticSub::Calibrate, {result});
        });
        break;
    }
    case MagneticSub::ReportRate:
        if (r[7] == 1)
            m.reportRate = r[8];
        else
            magneticAnswer(sub, {m.reportRate});
        break;
    case MagneticSub::Debounce:
        if (r[7] == 1)
            m.debounce = r[8];
        else
            magneticAnswer(sub, {m.debounce});
        break;
    }
}

// ---- keyboard to host ------------------------------------------------------------------

HidReport EmuKeyboard::statusReport(uint8_t downloadStatus) const
{
    const EmuStatus &s = m_state.status;
    HidReport r = HidReport::reply(HidReply::DeviceStatus, 0, kStatusLength);
    r[6] = s.winLock;
    r[9] = s.charging;
    r[10] = s.battery;
    r[11] = s.connection;
    r[12] = s.linkAbsent;
    r[13] = downloadStatus;
    r[14] = s.keyboardMode;
    return r;
}

void EmuKeyboard::sendSixKey(uint8_t modifiers, const QList<uint8_t> &keys)
{
    HidReport r = HidReport::reply(HidReply::SixKeyReport, 0, 0x08);
    r[6] = modifiers;
    for (int i = 0; i < std::min(6, int(keys.size())); ++i)
        r[8 + i] = keys[i];
    sendReport(r);
}

void EmuKeyboard::sendFullKey(const QByteArray &bytes13)
{
    HidReport r = HidReport::reply(HidReply::FullKeyReport, 0, 0x0D);
    r.setBytes(6, bytes13.left(13));
    sendReport(r);
}

void EmuKeyboard::sendHostKey(uint8_t keyCode, bool run)
{
    HidReport r = HidReport::reply(HidReply::HostKeyFunction, 0, 0x05);
    r[9] = keyCode;
    r[10] = run ? 1 : 0;
    sendReport(r);
}

void EmuKeyboard::sendLiveTravel(uint8_t row, uint8_t column, uint8_t level)
{
    HidReport r = HidReport::reply(HidReply::MagneticReply, 0, kMagneticLength);
    r[6] = kMagneticLiveTravel;
    r[7] = row;
    r[8] = column;
    r[9] = level;
    sendReport(r);
}

void EmuKeyboard::sendCalibrationStatus(uint8_t status)
{
    HidReport r = HidReport::reply(HidReply::MagneticReply, 0, kMagneticLength);
    r[6] = static_cast<uint8_t>(MagneticSub::Calibrate);
    r[7] = status;
    sendReport(r);
}

void EmuKeyboard::setLinkPresent(bool present)
{
    m_state.status.linkAbsent = present ? 0 : 1;
    sendStatus();
}
