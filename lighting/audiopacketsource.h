#pragma once

#include <QByteArray>

// Where captured sound comes from: the PC's sound output as 16-bit signed little-endian
// PCM. The capture thread reads it packet by packet; tests put a scripted source in its place.
class AudioPacketSource
{
public:
    virtual ~AudioPacketSource() = default;
    // Connects to the source. On success *blockAlign is the byte size of one frame.
    virtual bool open(int *blockAlign) = 0;
    // Waits for the next packet (at most about one period) and returns its bytes, which may
    // be none. False when the source failed; the capture then ends.
    virtual bool readPacket(QByteArray *packet) = 0;
    virtual void close() = 0;
};
