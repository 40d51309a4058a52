#pragma once

#include <QAudioFormat>
#include <QString>

// Conversions between byte counts, durations and sample values of a PCM format.
qint64 bytesToMicroseconds(const QAudioFormat &format, qint64 bytes);
qint64 microsecondsToBytes(const QAudioFormat &format, qint64 microseconds);
QString describeFormat(const QAudioFormat &format);
double halfSampleRate(const QAudioFormat &format);
double sampleToUnit(qint16 sample);
qint16 unitToSample(double value);
bool isPcmCodec(const QAudioFormat &format);
bool isSigned16LittleEndianPcm(const QAudioFormat &format);
