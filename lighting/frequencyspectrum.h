#pragma once

#include <QMetaType>
#include <QSharedDataPointer>
#include <QVector>

// The window applied to the samples before the transform.
enum WindowFunction : int
{
    NoWindow = 0,
    HannWindow = 1,
};

// One point of a spectrum; the analysis never sets the phase.
struct SpectrumBin
{
    double frequency = 0.0;
    double amplitude = 0.0;
    double phase = 0.0;
    bool clipped = false;
};

// A spectrum as a value: its bins are implicitly shared, so copies across signals are cheap.
class FrequencySpectrum
{
public:
    typedef QVector<SpectrumBin>::iterator iterator;
    typedef QVector<SpectrumBin>::const_iterator const_iterator;

    explicit FrequencySpectrum(int numPoints = 0) : m_elements(numPoints) { }

    int count() const { return m_elements.count(); }
    void reset() { m_elements.fill(SpectrumBin()); }
    SpectrumBin &operator[](int index) { return m_elements[index]; }
    const SpectrumBin &operator[](int index) const { return m_elements[index]; }
    iterator begin() { return m_elements.begin(); }
    iterator end() { return m_elements.end(); }
    const_iterator begin() const { return m_elements.begin(); }
    const_iterator end() const { return m_elements.end(); }

private:
    QVector<SpectrumBin> m_elements;
};

// One display band of the music-reactive mode.
struct SpectrumBar
{
    double value = 0.0;
    bool clipped = false;
};

Q_DECLARE_METATYPE(FrequencySpectrum)
Q_DECLARE_METATYPE(WindowFunction)
