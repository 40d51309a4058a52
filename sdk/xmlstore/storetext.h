#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstring>

class QXmlStreamAttributes;
class QXmlStreamWriter;

// Texts and numbers as the store reads and writes them.
namespace xmlstore {

// A decimal int32: an optional '-' and digits, nothing else.
bool parseInt(const QByteArray &text, int *value);
// An index or id: digits only, 1..kMaxIndex.
bool parseIndex(const QByteArray &text, int *value);
// Exactly count comma-separated int32 values.
bool parseIntList(const QByteArray &text, int count, int *values);
QByteArray joinInts(const int *values, int count);

// True when the bytes are UTF-8 made only of characters an XML document may hold.
bool isXmlSafeUtf8(const QByteArray &bytes);

// Writes the text as the attribute name; a text that XML cannot carry (bytes that
// are not UTF-8, control characters) goes Base64-encoded as nameBase64, so every
// byte string comes back unchanged.
void writeText(QXmlStreamWriter &writer, const QString &name, const QByteArray &text);
// Reads what writeText wrote; false when neither attribute is present or the
// Base64 text is not valid.
bool readText(const QXmlStreamAttributes &attributes, const QString &name, QByteArray *text);

// The text of a NUL-terminated field, never reading past its end.
inline QByteArray fieldText(const char *field, size_t size)
{
    const void *nul = std::memchr(field, 0, size);
    return QByteArray(field, nul ? int(static_cast<const char *>(nul) - field) : int(size));
}
template <size_t N> QByteArray fieldText(const char (&field)[N])
{
    return fieldText(field, N);
}

// Copies text into a NUL-terminated field and zeroes the rest. A text longer than
// the field is cut before the first character that does not fit whole, so a
// multi-byte UTF-8 character is never split.
void copyToField(char *field, size_t size, const QByteArray &text);
template <size_t N> void copyToField(char (&field)[N], const QByteArray &text)
{
    copyToField(field, N, text);
}

}  // namespace xmlstore
