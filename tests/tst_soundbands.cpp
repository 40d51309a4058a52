#include "lighting/audioformatutils.h"
#include "lighting/audiopacketsource.h"
#include "lighting/dsoundcardaudiocapture.h"
#include "lighting/spectrumanalyser.h"
#include "support/testmain.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>
#include <QtEndian>

#include <atomic>
#include <cmath>

namespace {

QAudioFormat cdFormat()
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    return format;
}

// 4096 stereo frames; the left channel carries the sine, the right channel noise that the
// analysis must ignore.
QByteArray stereoSine(double frequency, double amplitude)
{
    QByteArray buffer(4096 * 4, '\0');
    auto *data = reinterpret_cast<uchar *>(buffer.data());
    for (int i = 0; i < 4096; ++i) {
        const qint16 left = qint16(amplitude * 32767.0 * std::sin(2 * M_PI * frequency * i / 44100.0));
        qToLittleEndian<qint16>(left, data + i * 4);
        qToLittleEndian<qint16>(qint16((i * 7919) % 30000), data + i * 4 + 2);
    }
    return buffer;
}

FrequencySpectrum analyse(SpectrumAnalyser &analyser, const QByteArray &buffer)
{
    QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
    analyser.calculate(buffer, cdFormat());
    if (spy.count() != 1)
        return FrequencySpectrum();
    return spy.at(0).at(0).value<FrequencySpectrum>();
}

// Hands out the packets of a script, then fails as a vanished sound server would.
class ScriptedSource : public AudioPacketSource
{
public:
    QList<QByteArray> packets;
    bool opens = true;
    bool open(int *blockAlign) override
    {
        *blockAlign = 4;
        return opens;
    }
    bool readPacket(QByteArray *packet) override
    {
        if (packets.isEmpty())
            return false;
        *packet = packets.takeFirst();
        return true;
    }
    void close() override { }
};

// A sound server that answers a read only after a long while (a suspended monitor).
class SlowSource : public AudioPacketSource
{
public:
    explicit SlowSource(std::atomic<int> *closed) : m_closed(closed) { }
    bool open(int *blockAlign) override
    {
        *blockAlign = 4;
        return true;
    }
    bool readPacket(QByteArray *packet) override
    {
        QThread::msleep(m_reads++ == 0 ? 0 : 600);
        *packet = QByteArray(8, 'a');
        return true;
    }
    void close() override { ++*m_closed; }

private:
    std::atomic<int> *m_closed;
    int m_reads = 0;
};

}  // namespace

class TestSoundBands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatFunctions()
    {
        const QAudioFormat format = cdFormat();
        QCOMPARE(microsecondsToBytes(format, 1000000), qint64(176400));
        QCOMPARE(bytesToMicroseconds(format, 176400), qint64(1000000));
        QCOMPARE(microsecondsToBytes(format, 10) % 4, qint64(0));
        QCOMPARE(describeFormat(format), QStringLiteral("44100 Hz 16 bit signed LE stereo"));
        QCOMPARE(describeFormat(QAudioFormat()), QString());
        QVERIFY(isSigned16LittleEndianPcm(format));
        QCOMPARE(unitToSample(sampleToUnit(-32768)), qint16(-32767));
    }

    void silenceGivesZeroAmplitudes()
    {
        SpectrumAnalyser analyser;
        const FrequencySpectrum spectrum = analyse(analyser, QByteArray(16384, '\0'));
        QCOMPARE(spectrum.count(), 4096);
        for (int i = 0; i < spectrum.count(); ++i) {
            QCOMPARE(spectrum[i].amplitude, 0.0);
            QVERIFY(!spectrum[i].clipped);
            QCOMPARE(spectrum[i].frequency > 0.0, i >= 2 && i <= 2048);
        }
        QCOMPARE(spectrum[2048].frequency, 22050.0);
    }

    void fullScaleSineFillsItsBin()
    {
        SpectrumAnalyser analyser;
        const int bin = 100;
        const FrequencySpectrum spectrum = analyse(analyser, stereoSine(bin * 44100.0 / 4096, 1.0));
        QCOMPARE(spectrum.count(), 4096);
        QCOMPARE(spectrum[bin].amplitude, 1.0);
        QVERIFY(spectrum[bin].clipped);
        // Far from the tone the Hann window leaves next to nothing.
        QVERIFY(spectrum[bin + 40].amplitude < 0.5);
        QVERIFY(!spectrum[bin + 40].clipped);
    }

    void analyserStates()
    {
        SpectrumAnalyser analyser;
        analyser.cancelAnalysis();  // idle: nothing to cancel
        QVERIFY(analyser.isIdle());
        QCOMPARE(analyse(analyser, stereoSine(1000, 0.5)).count(), 4096);

        // A buffer shorter than 4096 frames is refused without reading past it and
        // without leaving the analyser busy.
        QSignalSpy spy(&analyser, &SpectrumAnalyser::spectrumChanged);
        analyser.calculate(QByteArray(100, '\x7f'), cdFormat());
        QCOMPARE(spy.count(), 0);
        QVERIFY(analyser.isIdle());

        // An unknown window zeroes every input.
        analyser.setWindowFunction(WindowFunction(5));
        const FrequencySpectrum zeroed = analyse(analyser, stereoSine(1000, 1.0));
        for (const SpectrumBin &bin : zeroed)
            QCOMPARE(bin.amplitude, 0.0);
    }

    void captureHandsOverWholeFramesOnly()
    {
        DSoundCardAudioCapture capture;
        auto *source = new ScriptedSource;
        source->packets = {QByteArray(3, 'x'), QByteArray(40, 'y'), QByteArray(42, 'z')};
        capture.setSourceFactory([source] { return std::unique_ptr<AudioPacketSource>(source); });
        QList<QByteArray> received;
        connect(&capture, &DSoundCardAudioCapture::sigSendCaptureAudioData, this, [&received](BYTE *data, int size) {
            received.append(QByteArray(reinterpret_cast<const char *>(data), size));
            delete[] data;
        });
        QCOMPARE(capture.startCapture(), 0);
        QVERIFY(capture.isCapturing());
        QTRY_COMPARE(received.size(), 2);
        QCOMPARE(received.at(0), QByteArray(40, 'y'));
        QCOMPARE(received.at(1), QByteArray(40, 'z'));  // 10 frames of 4 bytes; the odd bytes stay out
        QVERIFY(capture.isCapturing());                 // a source that failed keeps the flag until stopped
        QCOMPARE(capture.stopCapture(), 0);
        QVERIFY(!capture.isCapturing());
        QCOMPARE(capture.stopCapture(), 0);
    }

    // Leaving the music mode while the capture waits in a read returns at once; nothing
    // arrives after the stop and the source is released once its read returns.
    void stopDoesNotWaitForABlockedRead()
    {
        std::atomic<int> closed {0};
        int received = 0;
        {
            DSoundCardAudioCapture capture;
            capture.setSourceFactory([&closed] { return std::unique_ptr<AudioPacketSource>(new SlowSource(&closed)); });
            connect(&capture, &DSoundCardAudioCapture::sigSendCaptureAudioData, this, [&received](BYTE *data, int) {
                ++received;
                delete[] data;
            });
            QCOMPARE(capture.startCapture(), 0);
            QTRY_COMPARE(received, 1);  // now blocked in the second read
            QElapsedTimer stopping;
            stopping.start();
            QCOMPARE(capture.stopCapture(), 0);
            QVERIFY2(stopping.elapsed() < 50, qPrintable(QString::number(stopping.elapsed())));
            QCOMPARE(capture.startCapture(), 0);  // a new run may start while the old one ends
            stopping.restart();
            QCOMPARE(capture.stopCapture(), 0);
            QVERIFY(stopping.elapsed() < 50);
        }
        QTRY_COMPARE_WITH_TIMEOUT(closed.load(), 2, 3000);
        QTest::qWait(20);
        QVERIFY(received <= 2);
    }

    void captureWithoutSourceFails()
    {
        DSoundCardAudioCapture capture;
        capture.setSourceFactory([] {
            auto *source = new ScriptedSource;
            source->opens = false;
            return std::unique_ptr<AudioPacketSource>(source);
        });
        QCOMPARE(capture.startCapture(), -1);
        QVERIFY(!capture.isCapturing());
        QCOMPARE(capture.stopCapture(), 0);
    }
};

TAVRIX_TEST_MAIN(TestSoundBands)
#include "tst_soundbands.moc"
