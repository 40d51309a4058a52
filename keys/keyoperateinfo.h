#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstring>

// The function stored for one key in one layer of a profile: five NUL-terminated
// 8-bit text fields, filled by the profile store through a pointer and copied by
// value. The layout is fixed because the store and its callers share it.
struct KeyOperateInfo
{
    char keyDec[80];      // key code, decimal
    char operateType[8];  // KeyOperateType code, decimal
    char param1[8];       // decimal; "1" unless the type gives it a meaning
    char param2[8];       // decimal; "1" unless the type gives it a meaning
    char value[5120];     // the function's value: decimal codes, or UTF-8 text

    // A record whose every field reads "-1", as readers preset it before a lookup.
    static KeyOperateInfo empty();
};

static_assert(sizeof(KeyOperateInfo) == 5224, "KeyOperateInfo layout");
static_assert(offsetof(KeyOperateInfo, operateType) == 80, "KeyOperateInfo layout");
static_assert(offsetof(KeyOperateInfo, param1) == 88, "KeyOperateInfo layout");
static_assert(offsetof(KeyOperateInfo, param2) == 96, "KeyOperateInfo layout");
static_assert(offsetof(KeyOperateInfo, value) == 104, "KeyOperateInfo layout");

// Text of a field up to its NUL, never past the field's end.
template <std::size_t N> QByteArray keyOperateField(const char (&field)[N])
{
    return QByteArray(field, static_cast<int>(qstrnlen(field, N)));
}

// Copies text into a field, cut to fit and always NUL-terminated.
template <std::size_t N> void setKeyOperateField(char (&field)[N], const QByteArray &text)
{
    const std::size_t n = qMin<std::size_t>(static_cast<std::size_t>(text.size()), N - 1);
    memcpy(field, text.constData(), n);
    field[n] = '\0';
}

// The plain decimal reading of a stored number: leading blanks, an optional
// sign, then digits up to the first non-digit; no digits gives 0. Values past
// the int range saturate instead of overflowing.
int keyOperateNumber(const QByteArray &text);

template <std::size_t N> int keyOperateNumber(const char (&field)[N])
{
    return keyOperateNumber(keyOperateField(field));
}
