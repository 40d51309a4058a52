#include "sdk/tavrixsdk.h"

#include "sdk/devicecatalogue.h"

#include <hidapi/hidapi.h>

#include <cstring>

int CTavrixSDK_VersionStr(char *buffer, int bufferSize)
{
    if (!buffer || bufferSize <= 0)
        return -1;
    static const char version[] = "TavrixSDK V" TAVRIX_SDK_VERSION;
    const int length = qMin(int(sizeof version) - 1, bufferSize - 1);
    std::memcpy(buffer, version, size_t(length));
    buffer[length] = '\0';
    return length;
}

int CTavrixXML_Init()
{
    // Nothing to ready: every store call works on the file it is given.
    return 0;
}

int CTavrixHid_Init()
{
    if (hid_init() != 0)
        return -1;
    return DeviceCatalogue::instance().isEmpty() ? -1 : 0;
}

int CTavrixLight_Init()
{
    return 0;
}
