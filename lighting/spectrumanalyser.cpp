#include "lighting/spectrumanalyser.h"

#include "lighting/spectrumanalyserthread.h"

#include <QMetaObject>

SpectrumAnalyser::SpectrumAnalyser(QObject *parent) : QObject(parent), m_thread(new SpectrumAnalyserThread(this))
{
    qRegisterMetaType<FrequencySpectrum>("FrequencySpectrum");
    qRegisterMetaType<WindowFunction>("WindowFunction");
    if (!connect(m_thread, SIGNAL(calculationComplete(FrequencySpectrum)), this,
                 SLOT(calculationComplete(FrequencySpectrum))))
        qFatal("CHECKED_CONNECT failed");
}

void SpectrumAnalyser::setWindowFunction(WindowFunction type)
{
    QMetaObject::invokeMethod(m_thread, "setWindowFunction", Qt::AutoConnection, Q_ARG(WindowFunction, type));
}

void SpectrumAnalyser::calculate(const QByteArray &buffer, const QAudioFormat &format)
{
    if (m_state != Idle)
        return;
    const int bytesPerSample = format.sampleSize() * format.channelCount() / 8;
    m_state = Busy;
    QMetaObject::invokeMethod(m_thread, "calculateSpectrum", Qt::AutoConnection, Q_ARG(QByteArray, buffer),
                              Q_ARG(int, format.sampleRate()), Q_ARG(int, bytesPerSample));
    // The worker refuses a buffer too short for a full analysis without answering; the
    // analyser must not stay busy for ever then.
    m_state = Idle;
}

void SpectrumAnalyser::cancelAnalysis()
{
    if (m_state == Busy)
        m_state = Cancelled;
}

void SpectrumAnalyser::calculationComplete(const FrequencySpectrum &spectrum)
{
    if (m_state == Busy)
        emit spectrumChanged(spectrum);
    m_state = Idle;
}
