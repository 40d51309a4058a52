#include "devicelink/hidreport.h"

#include <QRegExp>
#include <QStringList>

#include <algorithm>
#include <cstring>

uint8_t HidReport::reportIdFor(HidCmd cmd)
{
    return (cmd == HidCmd::ShakeHands || cmd == HidCmd::QuerySerialNumber) ? 0x00 : 0x01;
}

HidReport HidReport::command(HidCmd cmd, uint8_t sub, uint8_t length)
{
    HidReport r;
    r.bytes[0] = reportIdFor(cmd);
    r.bytes[1] = static_cast<uint8_t>(cmd);
    r.bytes[2] = sub;
    r.bytes[5] = length;
    return r;
}

HidReport HidReport::reply(HidReply rep, uint8_t sub, uint8_t length)
{
    HidReport r;
    r.bytes[0] = 0x01;
    r.bytes[1] = static_cast<uint8_t>(rep);
    r.bytes[2] = sub;
    r.bytes[5] = length;
    return r;
}

HidReport HidReport::fromBytes(const uint8_t *data, int length)
{
    HidReport r;
    if (data && length > 0)
        std::memcpy(r.bytes.data(), data, static_cast<size_t>(std::min(length, Size)));
    return r;
}

bool HidReport::fromHex(const QString &text, HidReport *out)
{
    // Either bytes separated by spaces or commas ("1 14 0"), or one packed run ("011400").
    const QStringList tokens = text.split(QRegExp(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    QStringList pairs;
    if (tokens.size() == 1 && tokens.first().size() > 2) {
        const QString &run = tokens.first();
        if (run.size() % 2 != 0)
            return false;
        for (int i = 0; i < run.size(); i += 2)
            pairs.append(run.mid(i, 2));
    } else {
        pairs = tokens;
    }
    if (pairs.size() > Size)
        return false;
    HidReport r;
    for (int i = 0; i < pairs.size(); ++i) {
        bool ok = false;
        const uint value = pairs[i].toUInt(&ok, 16);
        if (!ok || pairs[i].size() > 2)
            return false;
        r.bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(value);
    }
    if (out)
        *out = r;
    return true;
}

void HidReport::setU16(int pos, int value)
{
    if (pos < 0 || pos + 1 >= Size)
        return;
    bytes[static_cast<size_t>(pos)] = static_cast<uint8_t>((value >> 8) & 0xFF);
    bytes[static_cast<size_t>(pos + 1)] = static_cast<uint8_t>(value & 0xFF);
}

void HidReport::setBytes(int pos, const uint8_t *src, int count)
{
    if (!src || pos < 0 || pos >= Size || count <= 0)
        return;
    std::memcpy(bytes.data() + pos, src, static_cast<size_t>(std::min(count, Size - pos)));
}

QByteArray HidReport::mid(int pos, int count) const
{
    return toByteArray().mid(pos, count);
}

QString HidReport::toHex() const
{
    return QString::fromLatin1(toByteArray().toHex(' '));
}
