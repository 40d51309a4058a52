#pragma once

#include "sdk/chipupgradelibrary.h"
#include "sdk/tavrixrecords.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Decides which connected keyboards have a newer firmware image among the
// images the application carries. Pure logic over device records and image
// files; the main window runs it on the GUI thread and keeps the result.
namespace FirmwareImageCheck {

// Where the images for a device are: "<TAVRIX_EMU_DIR>/firmware/" for an
// emulated keyboard (its emulator writes test images there), otherwise the
// "firmware" folder of the application's data, which holds only images shipped
// as real firmware. Ends with "/".
QString imageFolderFor(const QString &devicePath);
QString realImageFolder();

// The calls of the chip vendor's library that read its images; all null when the
// library is not loaded.
struct ChipCalls
{
    JlLoadUfwDataFn loadUfwData = nullptr;
    JlGetUfwCrcFn getUfwCrc = nullptr;
    JlGetUfwPidVidFn getUfwPidVid = nullptr;
    bool isLoaded() const { return loadUfwData && getUfwCrc && getUfwPidVid; }
};

// The two kinds of image: flashed by the chip vendor's library, or through the
// keyboard's own USB bootloader.
enum class ImageKind
{
    None,
    ChipVendor,
    Bootloader
};

ImageKind imageKindOf(const QString &modelName);

// File name of a device's image: "<model>.bin" for a cable-connected bootloader
// model, "<model>_Dongle.bin" through the receiver (".ufw" for chip models);
// empty for a model without an image kind.
QString imageFileName(const QString &modelName, int connection);

// True when `image` sorts strictly after `device`: byte-wise text order with A-Z
// folded to lower case, a prefix sorting first. Version texts are compared as
// texts on purpose, so "V1.10" is not newer than "V1.9".
bool isVersionNewer(const QByteArray &image, const QByteArray &device);

// Offset and length of the identity text inside a bootloader image, and how much
// of an image is read at most.
constexpr int kIdentityOffset = 0x10840;
constexpr int kIdentityLength = 50;
constexpr int kMaxImageBytes = 0x80000;
// The keyboard's flash: an image larger than this would be cut when written.
constexpr int kFlashBytes = 0x80000;
// Chip-vendor images are checked by the vendor's library, which knows its chip's
// flash; the check itself only keeps a wrong file (a disk image under a .ufw name,
// say) from being read into memory whole. 16 MiB is more than the flash of any
// Bluetooth keyboard chip.
constexpr int kMaxChipImageBytes = 16 * 1024 * 1024;

// Why an image is refused before anything is written.
enum class ImageVerdict
{
    Valid,
    Empty,
    TooLarge,
    OtherModel
};

// Checks a bootloader image for a model: not empty, within the flash, and made
// for that model (identity field 4, any letter case).
ImageVerdict checkBootloaderImage(const QByteArray &image, const QString &modelName);

// The notice a refused image gives the user.
QString imageRefusedText();

// The six comma-separated identity fields of a bootloader image (missing ones
// empty, text after a sixth comma ignored).
QList<QByteArray> bootloaderIdentity(const QByteArray &image);

// Compares a bootloader image's identity with a device record; on a match sets
// `version` to the image's firmware version.
bool bootloaderImageFits(const QList<QByteArray> &identity, const hidStructInfoAll &device, QByteArray *version);

// The decision for one device: copies its image from `imageFolder` into a fresh
// temporary folder (removed afterwards), reads it and compares. Chip-vendor
// images are read through the vendor's library; without it they are never offered.
bool isFirmwareUpgradeable(const hidStructInfoAll &device, const QString &imageFolder, const ChipCalls &chip,
                           QByteArray *version);

// The whole decision for one device, with what the engine needs afterwards.
struct Examination
{
    bool upgradeable = false;
    bool refused = false;  // an image is there but fails checkBootloaderImage
    QByteArray version;    // the image's version when upgradeable
    QByteArray image;      // the validated image bytes when upgradeable
};
Examination examine(const hidStructInfoAll &device, const QString &imageFolder, const ChipCalls &chip);

// Runs the decision for every record in ascending order of the device path and
// returns copies of the upgradeable ones with their new version filled.
QList<hidStructInfoAll> upgradeableDevices(QList<hidStructInfoAll> devices, const QString &imageFolder,
                                           const ChipCalls &chip);

}  // namespace FirmwareImageCheck
