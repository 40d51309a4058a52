// The music-reactive keyboard frame: sound capture, spectrum bands and falling bars.
#include "keyboardview/keyboardbutcustom.h"
#include "lighting/dsoundcardaudiocapture.h"
#include "lighting/lightdealmain.h"
#include "lighting/spectrumanalyser.h"
#include "platform/logcategories.h"

#include <QAudioDeviceInfo>
#include <QSet>
#include <QTimer>

#include <cmath>

namespace {

const QColor kDefaultPalette[]
    = {{255, 0, 0},   {255, 128, 0}, {255, 255, 0}, {128, 255, 0}, {0, 255, 0},  {0, 255, 128},
       {0, 255, 255}, {0, 128, 255}, {0, 0, 255},   {128, 0, 255}, {255, 0, 255}};
const QColor kAlternativePalette[]
    = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},   {255, 0, 255}, {255, 128, 0}, {255, 255, 0},
       {128, 255, 0}, {0, 255, 128}, {0, 255, 255}, {0, 128, 255}, {128, 0, 255}};

// Model data of the music-reactive layout; no model of the catalogue needs a special case.
const QSet<QString> kSeventeenColumn68KeyModels;
const QString kOneColumnPerBandModel;
const QString kAlternativePaletteModel;

// Key columns shown for a model's key count.
const QMap<int, int> &keyColumnTable()
{
    static const QMap<int, int> table
        = {{18, 11}, {21, 11}, {34, 7},  {61, 15}, {62, 15}, {63, 15}, {65, 15}, {68, 16}, {69, 16}, {81, 17},
           {82, 17}, {83, 17}, {84, 16}, {87, 18}, {88, 18}, {91, 18}, {97, 19}, {98, 19}, {99, 19}};
    return table;
}

// One analysis per ten chunks past the buffer limit, for the whole process.
int g_analysisCounter = 0;

constexpr int kAnalysisBytes = 16384;

}  // namespace

int lightDealMain::keyColumnsForKeyCount(int keyCount, const QString &model)
{
    if (keyCount == 68 && kSeventeenColumn68KeyModels.contains(model))
        return 17;
    return keyColumnTable().value(keyCount, kColumns);
}

QList<int> lightDealMain::bandColumns(int columns, int bands)
{
    QList<int> result;
    if (bands <= 0)
        return result;
    const int base = columns / bands;
    int extra = columns % bands;
    const int first = bands / 2 - extra / 2;
    for (int b = 0; b < bands; ++b) {
        int n = base;
        if (extra > 0 && b >= first) {
            ++n;
            --extra;
        }
        result.append(n);
    }
    return result;
}

int lightDealMain::levelOfValue(double value)
{
    static const double thresholds[] = {0.1, 0.25, 0.4, 0.55, 0.7};
    int level = 0;
    for (double t : thresholds)
        if (value >= t)  // false for NaN, so an undefined value stays at 0
            ++level;
    return level;
}

void lightDealMain::initMusicalRhythm(int keyCount, int bandCount, double lowHz, double highHz)
{
    m_keyCount = keyCount;
    bandCount = qBound(0, bandCount, kColumns);
    m_bars.fill(SpectrumBar(), bandCount);
    m_lowHz = lowHz;
    m_highHz = highHz;
    m_columnsPerBand.clear();
    m_columnToBand.clear();

    const QString model = m_modelName;
    const int columns = keyColumnsForKeyCount(keyCount, model);
    if (!kOneColumnPerBandModel.isEmpty() && model == kOneColumnPerBandModel)
        m_columnsPerBand = QVector<int>(bandCount, 1).toList();
    else
        m_columnsPerBand = bandColumns(columns, bandCount);
    while (m_columnsPerBand.size() < kColumns)
        m_columnsPerBand.append(0);

    int column = 0;
    for (int b = 0; b < m_columnsPerBand.size(); ++b)
        for (int n = 0; n < m_columnsPerBand[b] && column < kColumns; ++n)
            m_columnToBand.insert(column++, b);
    while (column < kColumns)
        m_columnToBand.insert(column++, 0);
    qCDebug(lcLight) << "The music-reactive mode is ready";
}

void lightDealMain::setMusicalRhythmEnabled(bool on)
{
    const bool wasOn = m_musicEnabled;
    m_musicEnabled = on;
    if (on) {
        if (m_capture->isCapturing())
            return;
        m_lastOutputDevice.clear();
        m_outputDeviceTimer->start();
        setKeyPreviews(QColor(0, 0, 0, 128));
        m_keyFrameRendered = false;  // the blank is not streamed; the first music frame is
        m_analyser->cancelAnalysis();
        // Told once when the mode is chosen, not again at every change of its colours.
        if (m_capture->startCapture() < 0 && !wasOn)
            emit sigSomeMessageTip(tr("Musical Rhythm cannot hear the sound output: no sound server answers"));
        return;
    }
    if (!m_capture->isCapturing())
        return;
    m_outputDeviceTimer->stop();
    m_capture->stopCapture();
    m_analyser->cancelAnalysis();
    setKeyPreviews(QColor(0, 0, 0, 128));
    m_keyFrameRendered = false;  // streamed again once the new mode's first frame is rendered
}

void lightDealMain::applyBandColors()
{
    const bool alternative = !kAlternativePaletteModel.isEmpty() && m_modelName == kAlternativePaletteModel;
    const QColor top(qBound(0, m_keyboardWork.topColorR, 255), qBound(0, m_keyboardWork.topColorG, 255),
                     qBound(0, m_keyboardWork.topColorB, 255));
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            QColor colour = top;
            if (m_keyboardWork.fullColorOn) {
                const int band = qBound(0, m_columnToBand.value(c, 0), 10);
                colour = alternative ? kAlternativePalette[band] : kDefaultPalette[band];
            }
            LightFrameCell cell {};
            cell.red = colour.red();
            cell.green = colour.green();
            cell.blue = colour.blue();
            m_keyFrame[r * kColumns + c] = cell;
            m_preview[r * kColumns + c] = colour;
            if (keyboardButCustom *button = keyButtons[r][c]) {
                QColor shown = colour;
                shown.setAlpha(180);
                button->setKeyColor(shown);
            }
        }
    }
}

void lightDealMain::onSendCaptureAudioData(BYTE *pData, int dataSize)
{
    if (m_musicEnabled && pData && dataSize > 0) {
        m_audioBuffer.append(reinterpret_cast<const char *>(pData), dataSize);
        if (m_audioBuffer.size() > kAnalysisBytes) {
            if (g_analysisCounter == 0) {
                const QByteArray chunk = m_audioBuffer.left(kAnalysisBytes);
                m_audioBuffer.clear();
                m_analyser->calculate(chunk, m_audioFormat);
                qCDebug(lcLight) << "Sound data arrived for the music-reactive mode";
            }
            g_analysisCounter = (g_analysisCounter + 1) % 10;
        }
    }
    delete[] pData;
}

int lightDealMain::bandIndexOf(double frequency) const
{
    const int bands = m_bars.size();
    if (bands == 0)
        return -1;
    return int((frequency - m_lowHz) / ((m_highHz - m_lowHz) / bands));
}

void lightDealMain::onSpectrumChanged(const FrequencySpectrum &spectrum)
{
    if (!m_musicEnabled)
        return;
    m_spectrum = spectrum;
    for (SpectrumBar &bar : m_bars)
        bar.value = 0.0;
    for (const SpectrumBin &bin : spectrum) {
        if (bin.frequency < m_lowHz || bin.frequency >= m_highHz)
            continue;
        const int band = bandIndexOf(bin.frequency);
        if (band < 0 || band >= m_bars.size())
            continue;
        SpectrumBar &bar = m_bars[band];
        bar.value = qMax(bar.value, bin.amplitude);
        bar.clipped = bar.clipped || bin.clipped;
    }
    updateBandLevels();
}

void lightDealMain::updateBandLevels()
{
    int column = 0;
    for (int b = 0; b < m_bars.size(); ++b) {
        const int level = levelOfValue(m_bars[b].value);
        const int n = b < m_columnsPerBand.size() ? m_columnsPerBand[b] : 0;
        for (int k = 0; k < n && column < kColumns; ++k)
            setColumnLevel(column++, level);
    }
}

void lightDealMain::setColumnLevel(int column, int level)
{
    for (int i = 0; i < kRows; ++i) {
        LightFrameCell &cell = m_keyFrame[(kRows - 1 - i) * kColumns + column];
        if (i <= level) {
            cell.intensity = 255;
            cell.level = level;
            cell.state = i == level ? 2 : 0;
        } else {
            cell.intensity = 0;
            cell.state = 0;
            cell.level = 0;
        }
    }
}

void lightDealMain::renderMusicFrame()
{
    m_keyFrameRendered = true;
    m_keyRenderDirty = true;  // the music frame is written over the library's
    m_columnLevels.clear();
    m_columnIntensities.clear();
    const int bottomR = m_keyboardWork.bottomColorR, bottomG = m_keyboardWork.bottomColorG,
              bottomB = m_keyboardWork.bottomColorB;
    const bool bottomBlack = bottomR == 0 && bottomG == 0 && bottomB == 0;
    for (int c = 0; c < kColumns; ++c) {
        bool found = false;
        for (int r = 0; r < kRows; ++r) {
            LightFrameCell &cell = m_keyFrame[r * kColumns + c];
            bool ended = false;
            if (cell.state == 1) {
                cell.intensity += 25;
                if (cell.intensity > 255) {
                    cell.intensity = 255;
                    ended = true;
                }
            } else if (cell.state == 2) {
                cell.intensity -= 25;
                if (cell.intensity < 25) {
                    cell.intensity = 0;
                    ended = true;
                }
            }
            if (ended) {
                cell.state = 0;
                if (r < kRows - 1)
                    m_keyFrame[(r + 1) * kColumns + c].state = 2;
            }
            if (!found && cell.level > 0) {
                found = true;
                m_columnLevels.append(cell.level);
                m_columnIntensities.append(cell.intensity);
            }
            if (!found && r == kRows - 1) {
                m_columnLevels.append(0);
                m_columnIntensities.append(0);
            }
            const int w = cell.level == 0 ? 0 : cell.intensity;
            const int red = (cell.red * w + (255 - w) * bottomR) / 256;
            const int green = (cell.green * w + (255 - w) * bottomG) / 256;
            const int blue = (cell.blue * w + (255 - w) * bottomB) / 256;
            const bool black = red == 0 && green == 0 && blue == 0;
            const int alpha = !bottomBlack ? 180 : (!black ? qMin(cell.intensity, 200) : 0);
            m_preview[r * kColumns + c] = darken(
                QColor(qBound(0, red, 255), qBound(0, green, 255), qBound(0, blue, 255), qBound(0, alpha, 255)),
                m_keyboardWork, m_keyboardCap);
        }
    }
}

void lightDealMain::onAudioOutputDevListChanging()
{
    QString name;
    bool any = false;
    for (const QAudioDeviceInfo &device : QAudioDeviceInfo::availableDevices(QAudio::AudioOutput)) {
        if (device.isNull() || device.deviceName().startsWith(QChar(0xFFFD)))
            continue;
        name = device.deviceName();
        any = true;
        break;
    }
    if (!any)
        return;
    m_outputDeviceChanged = !m_lastOutputDevice.isEmpty() && m_lastOutputDevice != name;
    if (m_outputDeviceChanged) {
        m_capture->stopCapture();
        m_analyser->cancelAnalysis();
        m_capture->startCapture();
    }
    m_lastOutputDevice = name;
}
