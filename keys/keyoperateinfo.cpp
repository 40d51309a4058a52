#include "keys/keyoperateinfo.h"

#include <climits>

KeyOperateInfo KeyOperateInfo::empty()
{
    KeyOperateInfo info;
    memset(&info, 0, sizeof info);
    const QByteArray none("-1");
    setKeyOperateField(info.keyDec, none);
    setKeyOperateField(info.operateType, none);
    setKeyOperateField(info.param1, none);
    setKeyOperateField(info.param2, none);
    setKeyOperateField(info.value, none);
    return info;
}

int keyOperateNumber(const QByteArray &text)
{
    int i = 0;
    const int n = text.size();
    auto isBlank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < n && isBlank(text.at(i)))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == '+' || text.at(i) == '-')) {
        negative = text.at(i) == '-';
        ++i;
    }
    long long result = 0;
    for (; i < n && text.at(i) >= '0' && text.at(i) <= '9'; ++i) {
        result = result * 10 + (text.at(i) - '0');
        if (result > static_cast<long long>(INT_MAX) + 1)
            result = static_cast<long long>(INT_MAX) + 1;  // keep reading digits, but stay bounded
    }
    if (negative)
        return static_cast<int>(-result < INT_MIN ? INT_MIN : -result);
    return static_cast<int>(result > INT_MAX ? INT_MAX : result);
}
