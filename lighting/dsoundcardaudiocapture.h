#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class AudioPacketSource;

typedef unsigned char BYTE;

// Records what the default output device plays on a native thread of its own and hands
// every packet of at least one frame to the receiver as a heap copy (new[]) that the
// receiver frees with delete[].
class DSoundCardAudioCapture : public QObject
{
    Q_OBJECT

public:
    using SourceFactory = std::function<std::unique_ptr<AudioPacketSource>()>;

    explicit DSoundCardAudioCapture(QObject *parent = nullptr);
    ~DSoundCardAudioCapture() override;

    // The source each start opens; by default the sound server's loopback monitor.
    void setSourceFactory(SourceFactory factory) { m_factory = std::move(factory); }

    // 0 when the capture runs, -1 when no source could be opened (nothing stays open).
    int startCapture();
    // Always 0: ends the capture thread, waits for it and releases the source.
    int stopCapture();
    bool isCapturing() const { return m_running; }

Q_SIGNALS:
    void sigSendCaptureAudioData(BYTE *pData, int dataSize);

private:
    void captureLoop();

    SourceFactory m_factory;
    std::unique_ptr<AudioPacketSource> m_source;
    std::thread m_thread;
    std::atomic<bool> m_stop {false};
    int m_blockAlign = 0;
    bool m_running = false;
};
