#pragma once

#include "lighting/fftrealwrapper.h"
#include "lighting/frequencyspectrum.h"

#include <QByteArray>
#include <QObject>
#include <QVector>

// The analysis worker: windows the first channel of 4096 frames, transforms it and turns
// every bin into an amplitude between 0 and 1. It lives on its owner's thread, so its slots,
// invoked by name, run synchronously.
class SpectrumAnalyserThread : public QObject
{
    Q_OBJECT

public:
    static constexpr int SampleCount = FFTRealWrapper::Points;

    explicit SpectrumAnalyserThread(QObject *parent = nullptr);

public Q_SLOTS:
    void setWindowFunction(WindowFunction type);
    // The buffer must hold SampleCount frames of bytesPerSample bytes each; a shorter one
    // gives no spectrum.
    void calculateSpectrum(QByteArray buffer, int inputFrequency, int bytesPerSample);

Q_SIGNALS:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    void calculateWindow();

    FFTRealWrapper m_fft;
    int m_numSamples = SampleCount;
    WindowFunction m_windowFunction = HannWindow;
    QVector<float> m_window;
    QVector<float> m_input;
    QVector<float> m_output;
    FrequencySpectrum m_spectrum;
};
