#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstring>

class QStringRef;
class QXmlStreamAttributes;
class QXmlStreamReader;
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

// The length of a text in UTF-8, the measure of the store's text limit.
qint64 utf8Length(const QStringRef &text);

// The store keeps all its texts in attributes. Text, comments and processing
// instructions around elements are no part of it and are not written back; they
// are held to the limit of attribute texts all the same, since a file carrying a
// longer one is no file the program wrote, and rewriting it would drop that text.
// Feed it every token of a reader: the characters between two tags may come as
// several tokens (CDATA sections, entity references) and are counted together.
class OutsideTextLimit
{
public:
    // False when the current token makes a text longer than kMaxTextBytes;
    // *what then names that text for the debug output and *line is where it starts.
    bool fits(const QXmlStreamReader &reader, QString *what, int *line);

private:
    qint64 m_run = 0;  // UTF-8 bytes of the characters since the last other token
    int m_runLine = 0;
};

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
