#include "keys/keytextlimit.h"

namespace {

int utf8Length(QChar c)
{
    const ushort u = c.unicode();
    if (u < 0x80)
        return 1;
    if (u < 0x800)
        return 2;
    // A surrogate pair is four bytes for the two units together.
    if (c.isSurrogate())
        return 2;
    return 3;
}

int utf8Length(const QString &text)
{
    int bytes = 0;
    for (const QChar c : text)
        bytes += utf8Length(c);
    return bytes;
}

// Units of the character that ends just before position pos (1 or 2).
int unitsBefore(const QString &text, int pos)
{
    if (pos >= 2 && text.at(pos - 1).isLowSurrogate() && text.at(pos - 2).isHighSurrogate())
        return 2;
    return 1;
}

int bytesOf(const QString &text, int pos, int units)
{
    return utf8Length(text.mid(pos, units));
}

}  // namespace

bool KeyTextLimit::fits(const QString &text)
{
    return text.size() <= kMaxChars && utf8Length(text) <= kMaxBytes && !text.contains(QChar(0));
}

KeyTextLimit KeyTextLimit::fit(const QString &input, int cursor)
{
    KeyTextLimit out;
    out.cursor = qBound(0, cursor, input.size());
    out.text.reserve(input.size());
    for (int i = 0; i < input.size(); ++i) {
        if (input.at(i).isNull()) {
            if (i < cursor)
                --out.cursor;
            out.changed = true;
            continue;
        }
        out.text.append(input.at(i));
    }

    int units = out.text.size();
    int bytes = utf8Length(out.text);
    if (units <= kMaxChars && bytes <= kMaxBytes)
        return out;

    out.changed = true;
    // Drop whole characters before the cursor, then from the end.
    int end = out.cursor;
    int start = end;
    while ((units > kMaxChars || bytes > kMaxBytes) && start > 0) {
        const int n = unitsBefore(out.text, start);
        start -= n;
        units -= n;
        bytes -= bytesOf(out.text, start, n);
    }
    out.text.remove(start, end - start);
    out.cursor = start;
    while ((units > kMaxChars || bytes > kMaxBytes) && !out.text.isEmpty()) {
        const int n = unitsBefore(out.text, out.text.size());
        units -= n;
        bytes -= bytesOf(out.text, out.text.size() - n, n);
        out.text.chop(n);
    }
    out.cursor = qMin(out.cursor, out.text.size());
    return out;
}
