#include "lighting/lightdealmain.h"

#include "app/ddatamanager.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/sidelightbuttoncustom.h"
#include "lighting/dsoundcardaudiocapture.h"
#include "lighting/lightmodecodes.h"
#include "lighting/lighttickthreads.h"
#include "lighting/spectrumanalyser.h"
#include "sdk/tavrixxml.h"

#include <QCoreApplication>
#include <QHash>
#include <QTimer>

#include <cstring>

using namespace LightModes;

namespace {

// The one engine the library's frame callbacks reach; set by the constructor.
lightDealMain *g_lightEngine = nullptr;

// Milliseconds per frame by speed index.
const int kShortSpeedTable[] = {28, 24, 16, 12, 8};
const int kLongSpeedTable[] = {28, 26, 24, 22, 20, 17, 14, 12, 10, 8};

// A speed outside the table runs at the nearest end of it.
template <int N> int tablePeriod(const int (&table)[N], int index)
{
    return table[qBound(0, index, N - 1)];
}

void keyboardLightFrameCallback(LightFrameCell *cells)
{
    if (g_lightEngine)
        g_lightEngine->onKeyboardFrame(cells);
}

void sideLightFrameCallback(LightFrameCell *cells)
{
    if (g_lightEngine)
        g_lightEngine->onSideFrame(cells);
}

LightWorkInfo workFrom(const colorInfoData &d)
{
    LightWorkInfo w;
    w.lightMode = d.lightMode;
    w.brightness = d.brightness;
    w.speedIndex = d.speed - 1;
    w.topColorR = d.topColorR;
    w.topColorG = d.topColorG;
    w.topColorB = d.topColorB;
    w.bottomColorR = d.bottomColorR;
    w.bottomColorG = d.bottomColorG;
    w.bottomColorB = d.bottomColorB;
    w.direction = d.direction == 6 ? 0 : d.direction == 7 ? 1 : d.direction;
    w.fullColor = d.fullColor;
    w.extParam1 = d.extParam1;
    w.extParam2 = d.extParam2;
    w.fullColorOn = d.fullColor == 1;
    return w;
}

}  // namespace

GuardedSideLightButtons &GuardedSideLightButtons::operator=(const QList<sideLightButtonCustom *> &buttons)
{
    m_buttons.clear();
    for (sideLightButtonCustom *button : buttons)
        m_buttons.append(button);
    return *this;
}

sideLightButtonCustom *GuardedSideLightButtons::at(int index) const
{
    return m_buttons.at(index).data();
}

lightDealMain::lightDealMain(QObject *parent) : QObject(parent)
{
    g_lightEngine = this;

    m_keepAlive = new QTimer(this);
    m_keepAlive->setInterval(3000);
    connect(m_keepAlive, &QTimer::timeout, this, &lightDealMain::onSendLightSynchronize0x17Cmd);

    m_keyTick = new updateLightMainThread(this);
    m_sideTick = new updateLightMainThreadSide(this);
    m_previewTick = new updateLightMainThreadUI;
    m_sendTick = new sendLightUpdateThread;
    connect(m_keyTick, &updateLightMainThread::sigDeviceUpdateAllKeyColor, this,
            &lightDealMain::onDeviceUpdateAllKeyColor);
    connect(m_sideTick, &updateLightMainThreadSide::sigDeviceUpdateAllKeyColorSide, this,
            &lightDealMain::onDeviceUpdateAllSideLightColor);
    connect(m_previewTick, &updateLightMainThreadUI::sigDeviceUpdateAllKeyColorUI, this,
            &lightDealMain::onDeviceUpdateAllKeyColorUI);
    connect(m_previewTick, &updateLightMainThreadUI::sigDeviceUpdateAllKeyColorUI, this,
            &lightDealMain::onDeviceUpdateAllSideLightColorUI);
    connect(m_sendTick, &sendLightUpdateThread::sigDeviceUpdateAllKeyColorSendKeyboardHid, this,
            &lightDealMain::onDeviceUpdateAllKeyColorSendKeyboardHid);

    m_audioFormat.setSampleRate(44100);
    m_audioFormat.setChannelCount(2);
    m_audioFormat.setSampleSize(16);
    m_audioFormat.setCodec(QStringLiteral("audio/pcm"));
    m_audioFormat.setByteOrder(QAudioFormat::LittleEndian);
    m_audioFormat.setSampleType(QAudioFormat::SignedInt);

    m_capture = new DSoundCardAudioCapture;
    connect(m_capture, &DSoundCardAudioCapture::sigSendCaptureAudioData, this, &lightDealMain::onSendCaptureAudioData);
    qRegisterMetaType<FrequencySpectrum>("FrequencySpectrum");
    qRegisterMetaType<WindowFunction>("WindowFunction");
    m_analyser = new SpectrumAnalyser;
    if (!connect(m_analyser, SIGNAL(spectrumChanged(FrequencySpectrum)), this,
                 SLOT(onSpectrumChanged(FrequencySpectrum))))
        qFatal("CHECKED_CONNECT failed");

    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &lightDealMain::endThreads);

    m_outputDeviceTimer = new QTimer(this);
    m_outputDeviceTimer->setInterval(1000);
    connect(m_outputDeviceTimer, &QTimer::timeout, this, &lightDealMain::onAudioOutputDevListChanging);
}

lightDealMain::~lightDealMain()
{
    endThreads();
    delete m_previewTick;
    delete m_sendTick;
    delete m_capture;
    delete m_analyser;
    if (g_lightEngine == this)
        g_lightEngine = nullptr;
}

void lightDealMain::endThreads()
{
    // The engine lives until the process ends; its ticks and the sound capture must end
    // before the application goes, or they would post into a destroyed event loop.
    m_keyTick->setRunFlag(false);
    m_sideTick->setRunFlag(false);
    m_previewTick->setRunFlag(false);
    m_sendTick->setRunFlag(false);
    m_keyTick->waitEnded();
    m_sideTick->waitEnded();
    m_previewTick->waitEnded();
    m_sendTick->waitEnded();
    m_keyTickRunning = false;
    m_sideTickRunning = false;
    m_capture->stopCapture();
}

void lightDealMain::setHidStructInfo(const hidStructInfoAll &info)
{
    m_device = info;
    // The field need not be terminated; never read past it.
    m_modelName = QString::fromUtf8(info.hidName, int(strnlen(info.hidName, sizeof info.hidName)));
}

void lightDealMain::setLightCapability(const LightTypeListInfo &keyboard, const LightTypeListInfo &side)
{
    m_keyboardTypes = keyboard;
    m_sideTypes = side;
    m_sideLightsPresent = !side.lightTypeList.isEmpty();
    auto fill = [](LightCapability &cap, const LightTypeListInfo &info) {
        cap.speedCount = info.speedMax;
        cap.brightnessCount = info.brightnessMax == 0 ? 1 : info.brightnessMax;
        cap.brightnessMap.clear();
        const int b = cap.brightnessCount;
        for (int k = 1; k <= b + 1; ++k)
            cap.brightnessMap.insert(k, b + 2 - k);
        cap.darkeningStep = 160 / b;
    };
    fill(m_keyboardCap, keyboard);
    fill(m_sideCap, side);
    m_keyRenderDirty = true;
    m_sideRenderDirty = true;
}

int lightDealMain::darkeningFactor(int target, int brightness) const
{
    const LightCapability &cap = target == 0 ? m_keyboardCap : m_sideCap;
    // A brightness without a map entry shows undarkened rather than at an arbitrary level.
    const int rank = cap.brightnessMap.value(brightness, 1);
    return (rank - 1) * cap.darkeningStep + 100;
}

QColor lightDealMain::darken(const QColor &colour, const LightWorkInfo &work, const LightCapability &cap) const
{
    const int rank = cap.brightnessMap.value(work.brightness, 1);
    return colour.darker((rank - 1) * cap.darkeningStep + 100);
}

int lightDealMain::keyboardTickPeriod() const
{
    return m_keyTick->period();
}

int lightDealMain::sideTickPeriod() const
{
    return m_sideTick->period();
}

void lightDealMain::updateWorkingColorInfo(int target)
{
    wakeTicks();
    m_keyRenderDirty = true;
    m_sideRenderDirty = true;
    if (target == 0) {
        m_keyboardWork = workFrom(m_keyboardInfo);
        const int index = m_keyboardWork.speedIndex;
        m_keyTick->setPeriod(m_keyboardCap.speedCount > 4 ? tablePeriod(kLongSpeedTable, index)
                                                          : tablePeriod(kShortSpeedTable, index));
        if (m_keyboardInfo.lightMode == KbMusicalRhythm) {
            applyBandColors();
            setMusicalRhythmEnabled(true);
        } else {
            setMusicalRhythmEnabled(false);
        }
    } else if (target == 1 && m_sideLightsPresent) {
        m_sideWork = workFrom(m_sideInfo);
        const int index = m_sideWork.speedIndex;
        m_sideTick->setPeriod(m_sideCap.speedCount == 4 ? tablePeriod(kShortSpeedTable, index)
                                                        : tablePeriod(kLongSpeedTable, index));
    }
}

void lightDealMain::pushKeyboardColorInfo()
{
    const QByteArray model = m_modelName.toLatin1();
    CTavrixHid_SetKeyboardColorInfoDataStu(m_keyboardInfo, m_device.keyCount, model.constData(),
                                           m_sideLightsPresent ? 1 : 0);
}

void lightDealMain::pushSideColorInfo()
{
    CTavrixHid_SetSideColorInfoDataStu(m_sideInfo, m_sideLeds.size(), m_sideLeds);
}

void lightDealMain::clearPreviewColors()
{
    setKeyPreviews(QColor(0, 0, 0, 255));
    setSidePreviews(QColor(0, 0, 0, 255));
}

void lightDealMain::setKeyPreviews(const QColor &colour)
{
    m_keyRenderDirty = true;
    for (int i = 0; i < kKeyCells; ++i)
        m_preview[i] = colour;
}

void lightDealMain::setSidePreviews(const QColor &colour)
{
    m_sideRenderDirty = true;
    for (int i = kKeyCells; i < kPreviewCount; ++i)
        m_preview[i] = colour;
}

void lightDealMain::loadProfileColorInfo()
{
    clearPreviewColors();
    // Until the first frame of the loaded records is rendered the previews are only a
    // placeholder, which is not streamed.
    m_keyFrameRendered = false;
    DDataManager *data = DDataManager::getInstance();
    m_profileIndex = data->getCurProfileIndex();
    m_profilePath = data->getCurProfilePath();
    const QByteArray index = QByteArray::number(m_profileIndex);

    colorInfoData record {};
    const int keyboardMode = CTavrixXML_SelectProFileMouseLightTypeUsingIndex(m_profilePath, index, 0);
    if (CTavrixXML_SelectProfileColorDataInfo(m_profilePath, index, 0, keyboardMode, &record)) {
        m_keyboardInfo = record;
        updateWorkingColorInfo(0);
    }
    const int sideMode = CTavrixXML_SelectProFileMouseLightTypeUsingIndex(m_profilePath, index, 1);
    if (CTavrixXML_SelectProfileColorDataInfo(m_profilePath, index, 1, sideMode, &record)) {
        m_sideInfo = record;
        updateWorkingColorInfo(1);
    }
    pushKeyboardColorInfo();
    if (m_sideLightsPresent) {
        m_sideLeds.clear();
        for (int n = 0; n < sideLightButtons.size(); ++n) {
            const sideLightButtonCustom *button = sideLightButtons.at(n);
            m_sideLeds.append(button ? button->validStatus() : 0);
        }
        pushSideColorInfo();
    }
}

void lightDealMain::setPreviewEnabled(bool on)
{
    m_previewEnabled = on;
    wakeTicks();  // the previews take the frame the ticks hold
}

bool lightDealMain::isStillLight() const
{
    // Static keys; side lights that are static, off, or absent.
    const bool keysStill = m_keyboardInfo.lightMode == KbStatic;
    const bool sideStill
        = !m_sideLightsPresent || m_sideInfo.lightMode == SideStatic || m_sideInfo.lightMode == SideClose;
    return keysStill && sideStill;
}

void lightDealMain::restTicksWhenStill()
{
    const bool moved = m_frameMoved;
    m_frameMoved = false;
    if (m_ticksResting)
        return;
    if (!isStillLight() || moved || m_keyRenderDirty || (m_sideLightsPresent && m_sideRenderDirty) || !isFrameSent()) {
        m_stillPasses = 0;
        return;
    }
    if (++m_stillPasses < kStillPassesBeforeRest)
        return;
    m_ticksResting = true;
    m_keyTick->setHeld(true);
    m_sideTick->setHeld(true);
    m_previewTick->setHeld(true);
    // Over the receiver every send tick carries the keyboard's clock, still light or not.
    if (m_device.connectType == 0)
        m_sendTick->setHeld(true);
}

void lightDealMain::wakeTicks()
{
    m_stillPasses = 0;
    if (!m_ticksResting)
        return;
    m_ticksResting = false;
    m_keyTick->setHeld(false);
    m_sideTick->setHeld(false);
    m_previewTick->setHeld(false);
    m_sendTick->setHeld(false);
}

void lightDealMain::setLightTickRunning(bool on)
{
    wakeTicks();
    if (on) {
        // A tick stopped a moment ago may still be finishing its last sleep; it ends within
        // one pass, and is waited for so that this start is not lost.
        if (m_keyTick->isRunning() && !m_keyTick->runFlag())
            m_keyTick->waitEnded();
        if (m_sideTick->isRunning() && !m_sideTick->runFlag())
            m_sideTick->waitEnded();
        if (m_previewTick->isRunning() && !m_previewTick->runFlag())
            m_previewTick->waitEnded();
        if (!m_keyTick->isRunning()) {
            m_keyTickRunning = true;
            m_keyTick->setRunFlag(true);
            m_keyTick->start(QThread::InheritPriority);
        }
        if (!m_sideTick->isRunning()) {
            m_sideTickRunning = true;
            m_sideTick->setRunFlag(true);
            m_sideTick->start(QThread::InheritPriority);
        }
        if (!m_previewTick->isRunning()) {
            m_previewTick->setRunFlag(true);
            m_previewTick->start(QThread::InheritPriority);
        }
        return;
    }
    if (m_previewTick->isRunning() && m_previewTick->runFlag()) {
        m_previewTick->setRunFlag(false);
        m_previewTick->quit();
    }
    if ((m_keyTick->isRunning() && m_keyTick->runFlag()) || (m_sideTick->isRunning() && m_sideTick->runFlag())) {
        m_keyTickRunning = false;
        m_sideTickRunning = false;
        m_keyTick->setRunFlag(false);
        m_sideTick->setRunFlag(false);
        m_keyTick->quit();
        m_sideTick->quit();
    }
}

void lightDealMain::setKeyboardColorInfoData(const colorInfoData &data)
{
    m_keyboardInfo = data;
    updateWorkingColorInfo(0);
    pushKeyboardColorInfo();
}

void lightDealMain::keyboardColorInfoDataChanged(const colorInfoData &data)
{
    // The previews keep the last frame until the next keyboard tick renders the new
    // parameters: blanking them here would stream a black frame to the keyboard.
    m_keyboardInfo = data;
    updateWorkingColorInfo(0);
    CTavrixHid_SetKeyboardColorInfoDataStuHaveChanged(data);
}

void lightDealMain::setSideColorInfoData(const colorInfoData &data)
{
    m_sideInfo = data;
    updateWorkingColorInfo(1);
    pushSideColorInfo();
}

void lightDealMain::sideColorInfoDataChanged(const colorInfoData &data)
{
    m_sideInfo = data;
    updateWorkingColorInfo(1);
    CTavrixHid_SetSideColorInfoDataStuHaveChanged(data);
}

void lightDealMain::onDeviceUpdateAllKeyColor()
{
    if (m_keyboardInfo.lightMode == KbMusicalRhythm)
        renderMusicFrame();
    else
        CTavrixHid_keyboardLightColorRunning(keyboardLightFrameCallback);
}

void lightDealMain::onDeviceUpdateAllSideLightColor()
{
    CTavrixHid_sideLightColorRunning(sideLightFrameCallback);
}

void lightDealMain::onDeviceUpdateAllKeyColorUI()
{
    restTicksWhenStill();
    if (!m_keyTickRunning || !m_previewEnabled)
        return;
    // Only keys whose colour changed are repainted: a still effect costs nothing. When many
    // change, the area they share is repainted once, which costs the window system far less
    // than as many separate small areas.
    QList<keyboardButCustom *> changed;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            keyboardButCustom *button = keyButtons[r][c];
            if (!button || !button->showKeyColor())
                continue;  // a key that shows no light colour has nothing to repaint
            const QColor &colour = m_preview[r * kColumns + c];
            if (button->keyColor() != colour) {
                button->setKeyColorQuietly(colour);
                changed.append(button);
            }
        }
    }
    repaintKeys(changed);
}

void lightDealMain::repaintKeys(const QList<keyboardButCustom *> &keys)
{
    if (keys.size() < kBatchRepaintKeys) {
        for (keyboardButCustom *key : keys)
            key->update();
        return;
    }
    QHash<QWidget *, QRect> areas;
    for (keyboardButCustom *key : keys) {
        if (QWidget *parent = key->parentWidget())
            areas[parent] |= key->geometry();
    }
    for (auto it = areas.begin(); it != areas.end(); ++it)
        it.key()->update(it.value());
}

void lightDealMain::onDeviceUpdateAllSideLightColorUI()
{
    if (!m_sideTickRunning || !m_sideLightsPresent || !m_previewEnabled)
        return;
    const int count = qMin(sideLightButtons.size(), int(kSideCells));
    for (int n = 0; n < count; ++n)
        if (sideLightButtonCustom *button = sideLightButtons.at(n)) {
            if (button->color() != m_preview[kKeyCells + n])
                button->setColor(m_preview[kKeyCells + n]);
        }
}
