#include "macros/macroeventtext.h"

#include <cstring>

namespace MacroEventText {

int toInt(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 0;
}

namespace {

QString fieldText(const char *field, std::size_t width, bool utf8)
{
    const int length = static_cast<int>(strnlen(field, width));
    return utf8 ? QString::fromUtf8(field, length) : QString::fromLatin1(field, length);
}

template <std::size_t N> void copyField(char (&field)[N], const QString &text, bool utf8)
{
    QByteArray bytes = utf8 ? text.toUtf8() : text.toLatin1();
    if (bytes.size() > static_cast<int>(N) - 1) {
        int cut = static_cast<int>(N) - 1;
        // Never stop inside a multi-byte character: back up over continuation bytes.
        if (utf8)
            while (cut > 0 && (static_cast<unsigned char>(bytes.at(cut)) & 0xC0) == 0x80)
                --cut;
        bytes.truncate(cut);
    }
    std::memset(field, 0, N);
    std::memcpy(field, bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

Fields read(const MacroEventItem &item)
{
    Fields f;
    f.mark = fieldText(item.mark, sizeof(item.mark), false);
    f.delay = fieldText(item.delay, sizeof(item.delay), false);
    f.type = fieldText(item.type, sizeof(item.type), false);
    f.keyCode = fieldText(item.keyCode, sizeof(item.keyCode), false);
    f.codeName = fieldText(item.codeName, sizeof(item.codeName), true);
    f.operateExplain = fieldText(item.operateExplain, sizeof(item.operateExplain), false);
    return f;
}

MacroEventItem make(const Fields &fields)
{
    MacroEventItem item;
    copyField(item.mark, fields.mark, false);
    copyField(item.delay, fields.delay, false);
    copyField(item.type, fields.type, false);
    copyField(item.keyCode, fields.keyCode, false);
    copyField(item.codeName, fields.codeName, true);
    copyField(item.operateExplain, fields.operateExplain, false);
    return item;
}

int indexForAdd(const QList<MacroNode> &nodes)
{
    if (nodes.isEmpty())
        return 1;
    int previous = toInt(QString::fromLatin1(nodes.first().index));
    if (previous != 1)
        return 1;
    for (int i = 1; i < nodes.size(); ++i) {
        const int index = toInt(QString::fromLatin1(nodes.at(i).index));
        if (index - previous > 1)
            return previous + 1;
        previous = index;
    }
    return previous + 1;
}

int indexForImport(const QList<MacroNode> &nodes)
{
    if (nodes.isEmpty())
        return 1;
    return toInt(QString::fromLatin1(nodes.last().index)) + 1;
}

int nextMark(const QList<MacroEventItem> &events)
{
    if (events.isEmpty())
        return 0;
    int highest = 0;
    for (const MacroEventItem &event : events)
        highest = qMax(highest, toInt(fieldText(event.mark, sizeof(event.mark), false)));
    return highest + 1;
}

}  // namespace MacroEventText
