#pragma once

#include <QByteArray>

#include <cstdint>

// The keyboard bootloader's report protocol (USB 1209:000E). Every message is one
// 64-byte report with report id 0x01; the host sends a command and waits for its
// answer before the next one:
//   Start   [1]=0x40 [2]=isDongle [5]=4 [6..9]=image size (high byte first)
//   Data    [1]=0x42 [2..3]=packet number [5]=payload length (1..58) [6..] payload
//   Finish  [1]=0x44 [5]=4 [6..9]=checksum of the whole image
// The answers carry the command byte + 1, the same bytes 2..3, and a status at
// byte 6 (0 = accepted). The checksum is the 32-bit sum of the image bytes.
namespace BootloaderProtocol {

constexpr uint8_t kReportId = 0x01;
constexpr uint8_t kStart = 0x40;
constexpr uint8_t kData = 0x42;
constexpr uint8_t kFinish = 0x44;
constexpr uint8_t kAnswerOffset = 1;  // answer command byte = command + 1
constexpr int kPayloadSize = 58;
constexpr uint8_t kStatusOk = 0;

inline uint32_t checksum(const QByteArray &image)
{
    uint32_t sum = 0;
    for (const char c : image)
        sum += static_cast<uint8_t>(c);
    return sum;
}

}  // namespace BootloaderProtocol
