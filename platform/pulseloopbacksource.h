#pragma once

#include "lighting/audiopacketsource.h"

struct pa_simple;

// The sound that the default output plays, read from the monitor of the default sink
// through the sound server (PulseAudio, or PipeWire's server for it) as 44100 Hz stereo
// 16-bit PCM in packets of 10 ms.
class PulseLoopbackSource : public AudioPacketSource
{
public:
    ~PulseLoopbackSource() override;
    bool open(int *blockAlign) override;
    bool readPacket(QByteArray *packet) override;
    void close() override;

private:
    pa_simple *m_stream = nullptr;
};
