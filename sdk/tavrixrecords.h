#pragma once

// Records that cross the boundary of the device library. Other code reads them
// by byte position, so every size and every offset that is read is fixed here
// and checked at compile time. Texts are NUL-terminated 8-bit texts in fixed
// arrays; a zero-filled record is a valid empty record.

#include <QMetaType>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

// One USB interface the library supports (a model's cable or receiver side).
struct SupportInfoStu
{
    char modelName[128];  // model the interface belongs to
    char vid[16];         // 4 upper-case hex digits
    char pid[16];         // 4 upper-case hex digits
    int32_t connectType;  // 0 cable, 1 receiver
};

// One connected device as the enumeration sees it.
struct HidDeviceInfoStu
{
    uint16_t vendorId;
    uint16_t productId;
    uint16_t releaseNumber;  // the interface's binary-coded release number, 0 for emulated devices
    uint16_t reserved;
    char hidPath[256];       // device path: holds the VID and PID, see tavrixhid.h
    char serialNumber[128];  // USB serial string, or the tag of an emulated device
    char modelName[128];     // catalogue model name
    char productName[128];   // catalogue product name
    char reservedTail[4];
    int32_t connectType;  // 0 cable, else receiver
};

// Firmware texts of one connected device: 13 texts of 64 bytes.
struct FirmwareInfoStu
{
    enum Text
    {
        IdentityPart0 = 0,
        IdentityPart1 = 1,
        IdentityPart2 = 2,
        IdentityPart3 = 3,
        IdentityPart4 = 4,
        CurrentVersion = 6,
        SecondVersion = 7,  // the firmware's build date and time
        TextCount = 13,
        TextSize = 64
    };
    char text[TextCount][TextSize];
};

// One supported model, as the device catalogue describes it.
struct HidInfoStu
{
    char deviceKind[128];  // "keyboard" for keyboards
    int32_t modelValue1;   // VID
    int32_t modelValue2;   // cable PID
    int32_t modelValue3;   // receiver PID, 0 when the model has no receiver
    int32_t modelValue4;   // device type of the model's layout file
    char modelName[128];
    int32_t keyCount;
    char productName[128];
    char secondName[128];
};

// Pacing timer record. The two words are opaque to callers: they name a timer
// kept inside the library, so the record can be passed by value.
struct HighPrecisionTimerStu
{
    uint32_t id;
    uint32_t generation;
};

// The application's record of one device (or of a model without a device):
// built from the three library records above, copied whole wherever it goes.
struct hidStructInfoAll
{
    char deviceKind[64];
    char hidPath[256];
    char hidName[128];
    char productName[128];
    char likeName[128];
    char firmwareVersion[64];
    char firmwareIdPart0[128];
    char firmwareIdPart1[64];
    char firmwareIdPart3[64];
    int32_t onlineStatus;  // 1 online, 0 offline
    int32_t connectType;   // 0 USB cable, 1 2.4 GHz receiver
    int32_t modelValue1;
    int32_t modelValue2;
    int32_t modelValue3;
    int32_t modelValue4;
    int32_t keyCount;
    char newFirmwareVersion[64];
};

Q_DECLARE_METATYPE(hidStructInfoAll)

// Copies a NUL-terminated text into a fixed array, cutting it so that the last
// byte stays NUL, and zero-fills the rest. A null source gives an empty text.
template <std::size_t N> inline void tavrixCopyText(char (&destination)[N], const char *source)
{
    static_assert(N > 0, "text field without room");
    std::memset(destination, 0, N);
    if (!source)
        return;
    const std::size_t length = strnlen(source, N - 1);
    std::memcpy(destination, source, length);
}

// Reads a fixed text array that may lack its NUL (a record from elsewhere).
template <std::size_t N> inline std::size_t tavrixTextLength(const char (&text)[N])
{
    return strnlen(text, N);
}

#define TAVRIX_RECORD_OFFSET(record, field, offset)                                                                    \
    static_assert(offsetof(record, field) == (offset), #record "::" #field " moved")

static_assert(std::is_standard_layout<SupportInfoStu>::value && std::is_trivially_copyable<SupportInfoStu>::value);
TAVRIX_RECORD_OFFSET(SupportInfoStu, vid, 128);
TAVRIX_RECORD_OFFSET(SupportInfoStu, pid, 144);
static_assert(sizeof(SupportInfoStu) == 164);

static_assert(std::is_standard_layout<HidDeviceInfoStu>::value && std::is_trivially_copyable<HidDeviceInfoStu>::value);
TAVRIX_RECORD_OFFSET(HidDeviceInfoStu, hidPath, 8);
TAVRIX_RECORD_OFFSET(HidDeviceInfoStu, modelName, 392);
TAVRIX_RECORD_OFFSET(HidDeviceInfoStu, connectType, 652);
static_assert(sizeof(HidDeviceInfoStu) == 656);

static_assert(std::is_standard_layout<FirmwareInfoStu>::value && std::is_trivially_copyable<FirmwareInfoStu>::value);
static_assert(sizeof(FirmwareInfoStu) == 832);

static_assert(std::is_standard_layout<HidInfoStu>::value && std::is_trivially_copyable<HidInfoStu>::value);
TAVRIX_RECORD_OFFSET(HidInfoStu, deviceKind, 0);
TAVRIX_RECORD_OFFSET(HidInfoStu, modelValue1, 128);
TAVRIX_RECORD_OFFSET(HidInfoStu, modelValue2, 132);
TAVRIX_RECORD_OFFSET(HidInfoStu, modelValue3, 136);
TAVRIX_RECORD_OFFSET(HidInfoStu, modelValue4, 140);
TAVRIX_RECORD_OFFSET(HidInfoStu, modelName, 144);
TAVRIX_RECORD_OFFSET(HidInfoStu, keyCount, 272);
TAVRIX_RECORD_OFFSET(HidInfoStu, productName, 276);
TAVRIX_RECORD_OFFSET(HidInfoStu, secondName, 404);
static_assert(sizeof(HidInfoStu) == 532);

static_assert(sizeof(HighPrecisionTimerStu) == 8);

static_assert(std::is_standard_layout<hidStructInfoAll>::value && std::is_trivially_copyable<hidStructInfoAll>::value);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, deviceKind, 0);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, hidPath, 64);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, hidName, 320);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, productName, 448);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, likeName, 576);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, firmwareVersion, 704);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, firmwareIdPart0, 768);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, firmwareIdPart1, 896);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, firmwareIdPart3, 960);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, onlineStatus, 1024);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, connectType, 1028);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, modelValue1, 1032);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, modelValue4, 1044);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, keyCount, 1048);
TAVRIX_RECORD_OFFSET(hidStructInfoAll, newFirmwareVersion, 1052);
static_assert(sizeof(hidStructInfoAll) == 1116);

#undef TAVRIX_RECORD_OFFSET
