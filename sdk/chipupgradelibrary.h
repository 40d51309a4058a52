#pragma once

#include <QString>

// The chip vendor's upgrade library, which flashes the keyboards with a Bluetooth
// chip. It is not ours and not shipped: the program loads it at run time from
// beside its executable (lib<kFileName>.so) and, when any of the five calls is
// missing, offers those keyboards no update. These are the calls as this program
// binds them; every one returns 0 on success.
extern "C" {

// Progress of a flashing, in percent.
typedef void (*JlProgressCallback)(int percent);

// Loads an image (the library keeps its own copy); JL_upgradeDevice flashes the
// image loaded last.
typedef int (*JlLoadUfwDataFn)(const unsigned char *data, int length);
// Checksums of the loaded image.
typedef int (*JlGetUfwCrcFn)(unsigned short *crc16, unsigned int *crc32);
// Identity (a NUL-terminated text, buffer of 17) and version (4 bytes, a text of at
// most 4 characters) of the loaded image.
typedef int (*JlGetUfwPidVidFn)(char *identity, int identitySize, char *version, int versionSize);
// Asks drive `drive` ('A'..'Z') for a keyboard in its update mode: 0 found,
// -5 nothing there, anything else an error. Buffers of 16 and 8 bytes.
typedef int (*JlQueryDevicePidVidFn)(char drive, char *pidVid, int pidVidSize, char *version, int versionSize);
// Flashes the loaded image into the keyboard on `drive`; the two flags are 1 and 1.
typedef int (*JlUpgradeDeviceFn)(char drive, int flag1, int flag2, JlProgressCallback progress);
}

namespace ChipUpgradeLibrary {

constexpr const char *kFileName = "quorin_chipupgrade";
constexpr int kIdentitySize = 17;
constexpr int kVersionSize = 4;
constexpr int kResultNoDevice = -5;

// The text of a result for the debug lines: "Error -26" .. "Error -3" for the codes
// the library names, "Error -1" for any other; -10 reads "Error -1" after a drive
// query and "Error -10" after a flashing.
QString errorText(int result, bool afterUpgrade);

}  // namespace ChipUpgradeLibrary
