#include "platform/pulseloopbacksource.h"

#include <pulse/error.h>
#include <pulse/simple.h>

namespace {
constexpr int SampleRate = 44100;
constexpr int Channels = 2;
constexpr int FrameBytes = Channels * 2;
constexpr int PacketFrames = SampleRate / 100;
}  // namespace

PulseLoopbackSource::~PulseLoopbackSource()
{
    close();
}

bool PulseLoopbackSource::open(int *blockAlign)
{
    close();
    pa_sample_spec sampleFormat;
    sampleFormat.format = PA_SAMPLE_S16LE;
    sampleFormat.rate = SampleRate;
    sampleFormat.channels = Channels;
    pa_buffer_attr attr;
    attr.maxlength = uint32_t(-1);
    attr.tlength = uint32_t(-1);
    attr.prebuf = uint32_t(-1);
    attr.minreq = uint32_t(-1);
    attr.fragsize = PacketFrames * FrameBytes;
    int error = 0;
    m_stream = pa_simple_new(nullptr, "quorin-driver", PA_STREAM_RECORD, "@DEFAULT_MONITOR@", "light rhythm",
                             &sampleFormat, nullptr, &attr, &error);
    if (!m_stream)
        return false;
    if (blockAlign)
        *blockAlign = FrameBytes;
    return true;
}

bool PulseLoopbackSource::readPacket(QByteArray *packet)
{
    if (!m_stream || !packet)
        return false;
    packet->resize(PacketFrames * FrameBytes);
    int error = 0;
    return pa_simple_read(m_stream, packet->data(), size_t(packet->size()), &error) == 0;
}

void PulseLoopbackSource::close()
{
    if (m_stream) {
        pa_simple_free(m_stream);
        m_stream = nullptr;
    }
}
