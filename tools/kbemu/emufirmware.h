#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class EmuBootloader;
class EmuDevice;

// Test firmware for emulated keyboards. The application offers a keyboard only
// the images in its image folder; for emulated keyboards that folder is
// "<emulator dir>/firmware/", and the emulator writes these test images there.
namespace EmuFirmwareImages {

// The folder the application reads for emulated keyboards.
QString folder(const QString &emuDir);

// A bootloader image that fits the device's identity (its sidecar's firmwareId and
// model) with the given version; 0x10900 bytes of a fixed pattern around the
// identity text.
QByteArray bootloaderImage(const EmuDevice &device, const QByteArray &version = "V1.01");

// A chip-vendor image for the test stand-in of the vendor's library: "QUFW", the
// identity (17 bytes, NUL-padded: the model name), the version (4 bytes), then a
// payload.
QByteArray chipImage(const QString &modelName, const QByteArray &version = "V1.1");

// Writes the image of the device's model and connection ("<model>[_Dongle].bin",
// or ".ufw" for a chip-vendor model) into folder(emuDir). False on a write error.
bool write(const QString &emuDir, const EmuDevice &device, QString *error = nullptr);

}  // namespace EmuFirmwareImages

// A keyboard that goes into its update mode when the host sends the update-mode
// report (01 0A 00): its socket goes away and its USB bootloader's (or, for a
// chip-vendor model, its chip-upgrade mode's) appears; after a flashing that goes
// and the keyboard comes back, with the version of the flashed image. Runs in the
// thread that creates it.
class EmuFirmwareCycle : public QObject
{
    Q_OBJECT

public:
    explicit EmuFirmwareCycle(EmuDevice *device, QObject *parent = nullptr);
    ~EmuFirmwareCycle() override;

    EmuBootloader *bootloader() const { return m_bootloader; }
    // Pauses between the report and the switch, and between flashing and return.
    void setLeaveDelayMs(int ms) { m_leaveDelayMs = ms; }
    void setReturnDelayMs(int ms) { m_returnDelayMs = ms; }
    // Misbehaviour: the keyboard ignores the update-mode report.
    void setIgnoreUpdateRequest(bool ignore) { m_ignore = ignore; }

    // The keyboard starts in its bootloader instead (a failed update before).
    bool startInBootloader(QString *error = nullptr);
    bool isInBootloader() const { return m_inBootloader; }

Q_SIGNALS:
    void sigEnteredBootloader();
    void sigReturned();

private:
    void enterBootloader();
    void returnFromBootloader();

    EmuDevice *m_device;
    EmuBootloader *m_bootloader;
    int m_leaveDelayMs = 100;
    int m_returnDelayMs = 300;
    bool m_ignore = false;
    bool m_inBootloader = false;
};
