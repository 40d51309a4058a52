#include "lighting/dsoundcardaudiocapture.h"

#include "lighting/audiopacketsource.h"
#include "platform/pulseloopbacksource.h"

#include <QMetaType>

#include <cstring>

DSoundCardAudioCapture::DSoundCardAudioCapture(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<BYTE *>("BYTE*");
    m_factory = [] { return std::unique_ptr<AudioPacketSource>(new PulseLoopbackSource); };
}

DSoundCardAudioCapture::~DSoundCardAudioCapture()
{
    stopCapture();
}

int DSoundCardAudioCapture::startCapture()
{
    if (m_running)
        return 0;
    auto run = std::make_shared<Run>();
    run->source = m_factory ? m_factory() : nullptr;
    int blockAlign = 0;
    if (!run->source || !run->source->open(&blockAlign) || blockAlign <= 0)
        return -1;
    run->blockAlign = blockAlign;
    m_run = run;
    std::thread(&DSoundCardAudioCapture::captureLoop, this, run).detach();
    m_running = true;
    return 0;
}

int DSoundCardAudioCapture::stopCapture()
{
    m_running = false;
    if (m_run) {
        std::lock_guard<std::mutex> lock(m_run->handOver);
        m_run->stopped = true;
    }
    m_run.reset();
    return 0;
}

void DSoundCardAudioCapture::captureLoop(DSoundCardAudioCapture *owner, std::shared_ptr<Run> run)
{
    QByteArray packet;
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(run->handOver);
            if (run->stopped)
                break;
        }
        if (!run->source->readPacket(&packet))
            break;  // a failed source ends the thread; isCapturing answers true until stopped
        const int frames = packet.size() / run->blockAlign;
        if (frames == 0)
            continue;
        const int size = frames * run->blockAlign;
        // Checked and handed over under the lock: once stopCapture returned, this object
        // may be gone and is never touched again.
        std::lock_guard<std::mutex> lock(run->handOver);
        if (run->stopped)
            break;
        auto *copy = new BYTE[size_t(size)];
        std::memcpy(copy, packet.constData(), size_t(size));
        emit owner->sigSendCaptureAudioData(copy, size);
    }
    run->source->close();
}
