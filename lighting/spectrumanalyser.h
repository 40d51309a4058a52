#pragma once

#include "lighting/frequencyspectrum.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>

class SpectrumAnalyserThread;

// Turns 4096 frames of 16-bit PCM into a spectrum. The worker runs on the caller's thread,
// so spectrumChanged is emitted before calculate returns.
class SpectrumAnalyser : public QObject
{
    Q_OBJECT

public:
    explicit SpectrumAnalyser(QObject *parent = nullptr);

    void setWindowFunction(WindowFunction type);
    void calculate(const QByteArray &buffer, const QAudioFormat &format);
    bool isIdle() const { return m_state == Idle; }
    void cancelAnalysis();

Q_SIGNALS:
    void spectrumChanged(const FrequencySpectrum &spectrum);

private Q_SLOTS:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    enum State
    {
        Idle,
        Busy,
        Cancelled,
    };

    SpectrumAnalyserThread *m_thread = nullptr;
    State m_state = Idle;
};
