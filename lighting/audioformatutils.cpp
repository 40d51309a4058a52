#include "lighting/audioformatutils.h"

namespace {
qint64 bytesPerSecond(const QAudioFormat &format)
{
    return qint64(format.sampleRate()) * format.channelCount() * (format.sampleSize() / 8);
}
}  // namespace

qint64 bytesToMicroseconds(const QAudioFormat &format, qint64 bytes)
{
    const qint64 rate = bytesPerSecond(format);
    return rate > 0 ? bytes * 1000000 / rate : 0;
}

qint64 microsecondsToBytes(const QAudioFormat &format, qint64 microseconds)
{
    qint64 result = bytesPerSecond(format) * microseconds / 1000000;
    const qint64 frameBytes = qint64(format.channelCount()) * format.sampleSize() / 8;
    if (frameBytes > 0)
        result -= result % frameBytes;
    return result;
}

QString describeFormat(const QAudioFormat &format)
{
    if (format == QAudioFormat())
        return QString();
    if (!isPcmCodec(format))
        return format.codec();
    static const char *const sampleTypes[] = {"unknown", "signed", "unsigned", "float"};
    const int type = int(format.sampleType());
    const QString typeText = (type >= 0 && type < 4) ? QString::fromLatin1(sampleTypes[type]) : QString();
    const QString order
        = format.byteOrder() == QAudioFormat::LittleEndian ? QStringLiteral("LE") : QStringLiteral("BE");
    QString channels;
    switch (format.channelCount()) {
    case 1: channels = QStringLiteral("mono"); break;
    case 2: channels = QStringLiteral("stereo"); break;
    default: channels = QStringLiteral("%1 channels").arg(format.channelCount()); break;
    }
    return QStringLiteral("%1 Hz %2 bit %3 %4 %5")
        .arg(format.sampleRate())
        .arg(format.sampleSize())
        .arg(typeText, order, channels);
}

double halfSampleRate(const QAudioFormat &format)
{
    return double(format.sampleRate() / 2);
}

double sampleToUnit(qint16 sample)
{
    return sample / 32768.0;
}

qint16 unitToSample(double value)
{
    return qint16(value * 32767.0);
}

bool isPcmCodec(const QAudioFormat &format)
{
    return format.codec() == QLatin1String("audio/pcm");
}

bool isSigned16LittleEndianPcm(const QAudioFormat &format)
{
    return isPcmCodec(format) && format.sampleType() == QAudioFormat::SignedInt && format.sampleSize() == 16
        && format.byteOrder() == QAudioFormat::LittleEndian;
}
