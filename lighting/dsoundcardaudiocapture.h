#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
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
    // Always 0. Ends the capture without waiting for it: a read that blocks in the sound
    // server cannot freeze the caller. No packet is handed over after this returns; the
    // thread releases its source by itself once its read returns.
    int stopCapture();
    bool isCapturing() const { return m_running; }

Q_SIGNALS:
    void sigSendCaptureAudioData(BYTE *pData, int dataSize);

private:
    // What one capture run shares with its thread, which may outlive the stop.
    struct Run
    {
        std::mutex handOver;  // held while a packet is handed over; stop takes it
        bool stopped = false;
        std::unique_ptr<AudioPacketSource> source;
        int blockAlign = 0;
    };
    // A free-standing loop: the thread holds the object only as a pointer it touches
    // under the run's lock while the run is not stopped, never as its own `this`.
    static void captureLoop(DSoundCardAudioCapture *owner, std::shared_ptr<Run> run);

    SourceFactory m_factory;
    std::shared_ptr<Run> m_run;
    bool m_running = false;
};
