#include "lighting/spectrumanalyserthread.h"

#include "lighting/audioformatutils.h"

#include <QtEndian>

#include <cmath>

SpectrumAnalyserThread::SpectrumAnalyserThread(QObject *parent)
    : QObject(parent)
    , m_window(SampleCount, 0.0f)
    , m_input(SampleCount, 0.0f)
    , m_output(SampleCount, 0.0f)
    , m_spectrum(SampleCount)
{
    calculateWindow();
}

void SpectrumAnalyserThread::setWindowFunction(WindowFunction type)
{
    m_windowFunction = type;
    calculateWindow();
}

void SpectrumAnalyserThread::calculateWindow()
{
    for (int i = 0; i < m_numSamples; ++i) {
        double x = 0.0;
        switch (m_windowFunction) {
        case NoWindow: x = 1.0; break;
        case HannWindow: x = 0.5 * (1 - std::cos((2 * M_PI * i) / (m_numSamples - 1))); break;
        }
        m_window[i] = float(x);
    }
}

void SpectrumAnalyserThread::calculateSpectrum(QByteArray buffer, int inputFrequency, int bytesPerSample)
{
    // A short buffer would be read past its end; such a request yields nothing.
    if (bytesPerSample < 2 || buffer.size() < qint64(m_numSamples) * bytesPerSample)
        return;

    const auto *data = reinterpret_cast<const uchar *>(buffer.constData());
    for (int i = 0; i < m_numSamples; ++i) {
        const qint16 sample = qFromLittleEndian<qint16>(data + i * bytesPerSample);
        const float value = float(sampleToUnit(sample));
        m_input[i] = value * m_window[i];
    }

    m_fft.calculateFFT(m_output.data(), m_input.constData());

    const int half = m_numSamples / 2;
    for (int i = 2; i <= half; ++i) {
        SpectrumBin &bin = m_spectrum[i];
        bin.frequency = qreal(i * inputFrequency) / m_numSamples;
        const double re = m_output[i];
        const double im = (i > 0 && i < half) ? double(m_output[half + i]) : 0.0;
        const double magnitude = std::sqrt(re * re + im * im);
        double amplitude = 0.15 * std::log(magnitude);
        bin.clipped = amplitude > 1.0;
        // log(0) is minus infinity; NaN cannot arise from a non-negative magnitude.
        amplitude = qMax(0.0, amplitude);
        amplitude = qMin(1.0, amplitude);
        bin.amplitude = amplitude;
    }

    emit calculationComplete(m_spectrum);
}
