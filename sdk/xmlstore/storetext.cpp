#include "sdk/xmlstore/storetext.h"

#include "sdk/xmlstore/storedocument.h"

#include <QXmlStreamAttributes>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <limits>

namespace xmlstore {

bool parseInt(const QByteArray &text, int *value)
{
    int pos = 0;
    const bool negative = text.startsWith('-');
    if (negative)
        pos = 1;
    if (pos >= text.size() || text.size() - pos > 10)
        return false;
    qint64 result = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text.at(pos);
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + (c - '0');
    }
    if (negative)
        result = -result;
    if (result < std::numeric_limits<int>::min() || result > std::numeric_limits<int>::max())
        return false;
    *value = int(result);
    return true;
}

bool parseIndex(const QByteArray &text, int *value)
{
    int parsed = 0;
    if (text.startsWith('-') || !parseInt(text, &parsed) || parsed < 1 || parsed > kMaxIndex)
        return false;
    *value = parsed;
    return true;
}

bool parseIntList(const QByteArray &text, int count, int *values)
{
    const QList<QByteArray> parts = text.split(',');
    if (parts.size() != count)
        return false;
    for (int i = 0; i < count; ++i) {
        if (!parseInt(parts.at(i), &values[i]))
            return false;
    }
    return true;
}

QByteArray joinInts(const int *values, int count)
{
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        if (i)
            text += ',';
        text += QByteArray::number(values[i]);
    }
    return text;
}

namespace {

// Characters of the XML 1.0 Char production, without U+FEFF, which some decoders
// take for a byte-order mark.
bool isXmlChar(uint c)
{
    if (c == 0x9 || c == 0xA || c == 0xD)
        return true;
    if (c < 0x20)
        return false;
    if (c >= 0xD800 && c <= 0xDFFF)
        return false;
    if (c == 0xFEFF || c == 0xFFFE || c == 0xFFFF)
        return false;
    return c <= 0x10FFFF;
}

}  // namespace

bool isXmlSafeUtf8(const QByteArray &bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    const int n = bytes.size();
    int i = 0;
    while (i < n) {
        const uchar lead = p[i];
        int extra = 0;
        uint c = 0;
        uint min = 0;
        if (lead < 0x80) {
            c = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1, c = lead & 0x1F, min = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2, c = lead & 0x0F, min = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3, c = lead & 0x07, min = 0x10000;
        } else {
            return false;
        }
        if (i + extra >= n)
            return false;
        for (int k = 1; k <= extra; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (p[i + k] & 0x3F);
        }
        if (c < min || !isXmlChar(c))
            return false;
        i += extra + 1;
    }
    return true;
}

qint64 utf8Length(const QStringRef &text)
{
    qint64 length = 0;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const ushort c = text.at(i).unicode();
        if (c < 0x80) {
            length += 1;
        } else if (c < 0x800) {
            length += 2;
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            length += 4;
            ++i;
        } else {
            length += 3;
        }
    }
    return length;
}

bool OutsideTextLimit::fits(const QXmlStreamReader &reader, QString *what, int *line)
{
    // The line the token starts at: the reader stands at its end.
    auto startLine = [&reader](const QStringRef &text) { return int(reader.lineNumber()) - int(text.count('\n')); };
    switch (reader.tokenType()) {
    case QXmlStreamReader::Characters:
        // The indentation the store writes, however much of it, is no text.
        if (reader.isWhitespace())
            return true;
        if (m_run == 0)
            m_runLine = startLine(reader.text());
        m_run += utf8Length(reader.text());
        *what = QStringLiteral("a text between elements");
        *line = m_runLine;
        return m_run <= kMaxTextBytes;
    case QXmlStreamReader::Comment:
        m_run = 0;
        *what = QStringLiteral("a comment");
        *line = startLine(reader.text());
        return utf8Length(reader.text()) <= kMaxTextBytes;
    case QXmlStreamReader::ProcessingInstruction:
        m_run = 0;
        *what = QStringLiteral("a processing instruction");
        *line = startLine(reader.processingInstructionData());
        return utf8Length(reader.processingInstructionData()) <= kMaxTextBytes;
    default: m_run = 0; return true;
    }
}

void writeText(QXmlStreamWriter &writer, const QString &name, const QByteArray &text)
{
    if (isXmlSafeUtf8(text))
        writer.writeAttribute(name, QString::fromUtf8(text));
    else
        writer.writeAttribute(name + QLatin1String("Base64"), QString::fromLatin1(text.toBase64()));
}

bool readText(const QXmlStreamAttributes &attributes, const QString &name, QByteArray *text)
{
    if (attributes.hasAttribute(name)) {
        *text = attributes.value(name).toUtf8();
        return true;
    }
    const QString encodedName = name + QLatin1String("Base64");
    if (!attributes.hasAttribute(encodedName))
        return false;
    const auto result = QByteArray::fromBase64Encoding(attributes.value(encodedName).toLatin1(),
                                                       QByteArray::AbortOnBase64DecodingErrors);
    if (!result)
        return false;
    *text = result.decoded;
    return true;
}

void copyToField(char *field, size_t size, const QByteArray &text)
{
    if (size == 0)
        return;
    size_t length = std::min(size_t(text.size()), size - 1);
    if (length < size_t(text.size())) {
        // Step back over continuation bytes to the lead byte of the cut character.
        while (length > 0 && (uchar(text.at(int(length))) & 0xC0) == 0x80)
            --length;
    }
    std::memcpy(field, text.constData(), length);
    std::memset(field + length, 0, size - length);
}

}  // namespace xmlstore
