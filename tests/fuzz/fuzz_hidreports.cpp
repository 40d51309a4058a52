// Input reports of any length and content, as a keyboard might send them: the report copy
// and the light-type list scan must stay inside the 64 bytes.

#include "devicelink/hidreport.h"
#include "devicelink/lighttypelistinfo.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const HidReport report = HidReport::fromBytes(data, static_cast<int>(size));
    const LightTypeListInfo info = LightTypeListInfo::parse(report);
    if (info.lightTypeList.size() > HidReport::PayloadSize)
        __builtin_trap();
    HidReport parsed;
    HidReport::fromHex(QString::fromLatin1(reinterpret_cast<const char *>(data), static_cast<int>(size)), &parsed);
    return 0;
}
