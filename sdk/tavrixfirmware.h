#pragma once

#include <string>
#include <vector>

// The maker library's bootloader flashing, over the protocol of
// sdk/bootloaderprotocol.h.

// Paths of the keyboards present in their USB bootloader (real devices, then
// emulated ones).
int CTavrixHid_GetBootloaderPathList(std::vector<std::string> &paths);

// Result codes of CTavrixHid_FirmwareUpgrade besides 0 (flashed).
enum TavrixFirmwareResult
{
    TavrixFirmwareOk = 0,
    TavrixFirmwareNoImage = -1,      // the image cannot be read, or is empty
    TavrixFirmwareWriteFailed = -2,  // the device refused a report or is gone
    TavrixFirmwareNoAnswer = -3,     // no answer within a second
    TavrixFirmwareRefused = -4,      // the bootloader answered with a failure status
    TavrixFirmwareTooLarge = -5,     // the image holds more than maxSize bytes
};

// Flashes the image file at imagePath (local 8-bit encoding) through the opened
// bootloader handle; reserved must be 0. An image of more than maxSize bytes (the
// flash) is refused before anything is sent, never cut. Blocks until done, each
// answer awaited at most a second; progress (may be null) gets (total packets,
// packets sent).
int CTavrixHid_FirmwareUpgrade(int handle, const char *imagePath, int maxSize, int reserved, int isDongle,
                               void (*progress)(int total, int done));
