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
    // A joinable std::thread may not be destroyed; the thread must end first.
    stopCapture();
}

int DSoundCardAudioCapture::startCapture()
{
    if (m_running)
        return 0;
    m_source = m_factory ? m_factory() : nullptr;
    int blockAlign = 0;
    if (!m_source || !m_source->open(&blockAlign) || blockAlign <= 0) {
        m_source.reset();
        return -1;
    }
    m_blockAlign = blockAlign;
    m_stop = false;
    m_thread = std::thread(&DSoundCardAudioCapture::captureLoop, this);
    m_running = true;
    return 0;
}

int DSoundCardAudioCapture::stopCapture()
{
    m_running = false;
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_source) {
        m_source->close();
        m_source.reset();
    }
    return 0;
}

void DSoundCardAudioCapture::captureLoop()
{
    QByteArray packet;
    while (!m_stop) {
        if (!m_source->readPacket(&packet))
            break;  // a failed source ends the thread; isCapturing answers true until stopped
        const int frames = packet.size() / m_blockAlign;
        if (frames == 0)
            continue;
        const int size = frames * m_blockAlign;
        auto *copy = new BYTE[size_t(size)];
        std::memcpy(copy, packet.constData(), size_t(size));
        emit sigSendCaptureAudioData(copy, size);
    }
}
