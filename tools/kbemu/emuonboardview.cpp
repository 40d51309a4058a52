#include "emuonboardview.h"

#include <QStringList>

namespace {

// Bytes a key without an item is stored as, by its own code.
struct OwnRow
{
    int own;
    uint8_t b0;
    uint8_t b1;
};
const OwnRow kOwnRows[]
    = {{-10, 0x01, 0x00}, {215, 0x07, 0x32}, {127, 0x07, 0x12}, {129, 0x07, 0x11}, {128, 0x07, 0x10}};

// Function groups that carry a light value in b1, with their item type.
struct GroupRow
{
    uint8_t b0;
    int type;
};
const GroupRow kValueGroups[] = {{0x02, 20}, {0x03, 21}, {0x04, 22}, {0x05, 23}, {0x06, 24},
                                 {0x08, 25}, {0x0A, 30}, {0x0B, 31}, {0x0C, 32}, {0x0D, 33}};

// The keyboard's multimedia codes, indexed by the profile's MultimediaCode.
const uint8_t kMultimedia[]
    = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x30, 0x32, 0x34, 0x23, 0x20, 0x38, 0x39, 0x21};

// (wheel, button) indexed by the profile's MouseKeyCode.
const uint8_t kMouse[][2] = {{0, 0x01}, {0, 0x04}, {0, 0x02}, {1, 0x01}, {1, 0xFF}, {0, 0x08}, {0, 0x10}, {0, 0x00}};

// Mouse button code to the (down, up) mouse messages of a macro event.
struct MouseButtonRow
{
    uint8_t button;
    int down;
    int up;
};
const MouseButtonRow kMouseButtons[] = {{0x01, 513, 514}, {0x02, 516, 517}, {0x04, 519, 520}};

uint8_t at(const QByteArray &bytes, int i)
{
    return i >= 0 && i < bytes.size() ? static_cast<uint8_t>(bytes.at(i)) : 0;
}

int modifierBit(uint8_t usage)
{
    return usage >= 0xE0 && usage <= 0xE7 ? 1 << (usage - 0xE0) : 0;
}

QByteArray num(int n)
{
    return QByteArray::number(n);
}

}  // namespace

QString EmuKeyItem::toString() const
{
    return QStringLiteral("type %1 param1 %2 param2 %3 value \"%4\"")
        .arg(type)
        .arg(param1)
        .arg(param2)
        .arg(QString::fromUtf8(value));
}

QByteArray EmuOnboardView::keyText(const QByteArray &b)
{
    if (at(b, 0) == 0x13) {
        int mask = modifierBit(at(b, 1));
        int key = at(b, 2);
        if (at(b, 3) != 0) {
            mask |= modifierBit(at(b, 2));
            key = at(b, 3);
        }
        return num(mask) + ',' + num(key);
    }
    return at(b, 1) == 0 ? QByteArray() : num(at(b, 1));
}

EmuKeyItem EmuOnboardView::keyItem(int layer, int k, int ownCode) const
{
    const QByteArray b = m_memory.keyCode(layer, k);
    const int own = ownCode > 255 ? 255 : ownCode;
    QByteArray ownBytes(4, '\0');
    ownBytes[1] = static_cast<char>(own);
    for (const OwnRow &row : kOwnRows) {
        if (row.own == own) {
            ownBytes[0] = static_cast<char>(row.b0);
            ownBytes[1] = static_cast<char>(row.b1);
        }
    }
    EmuKeyItem item;
    if (b == ownBytes)
        return item;  // the key's own function: no item

    const uint8_t b0 = at(b, 0), b1 = at(b, 1), b2 = at(b, 2), b3 = at(b, 3);
    for (const GroupRow &row : kValueGroups) {
        if (row.b0 == b0) {
            item.type = row.type;
            item.value = num(b1);
            return item;
        }
    }
    switch (b0) {
    case 0x00:
        item.type = b1 == 0 ? 5 : 0;
        item.value = b1 == 0 ? QByteArray("-1") : num(b1);
        break;
    case 0x01:
        item.type = 0;
        item.value = "-10";
        break;
    case 0x14:
        item.type = 0;
        item.value = "-20";
        break;
    case 0x07:
        item.type = 3;
        item.value = "-1";
        for (int i = 0; i < int(sizeof kMultimedia); ++i) {
            if (kMultimedia[i] == b1)
                item.value = num(i);
        }
        break;
    case 0x09:
        item.type = 27;
        item.value = "0";
        break;
    case 0x10: {
        const EmuMacro m = macro(b2);
        item.type = 1;
        item.param1 = m.repeat;
        item.param2 = m.playMode;
        item.value = num(b2);
        break;
    }
    case 0x11:
        item.type = 19;
        item.param2 = b1;
        if (b1 == 0)
            item.value = "0";
        else if (b1 == 3)
            item.value = num((b2 << 8) | b3);
        else if (b1 == 0x0B)
            item.value = num(b2) + ',' + num(b3);
        else
            item.value = num(b2);
        break;
    case 0x12:
        item.type = 4;
        item.value = "-1";
        for (int i = 0; i < int(sizeof kMouse / sizeof kMouse[0]); ++i) {
            if (kMouse[i][0] == b1 && kMouse[i][1] == b2)
                item.value = num(i);
        }
        break;
    case 0x13:
        item.type = 2;
        item.value = keyText(b);
        break;
    case 0x16:
        item.type = 6;
        item.value = QByteArray();
        break;
    case 0x17:
        item.type = 40;
        item.value = num(b1);
        break;
    default: item.type = -2, item.value = b.toHex(' '); break;  // nothing a profile can say
    }
    return item;
}

EmuMacro EmuOnboardView::macro(int slot) const
{
    const QByteArray r = m_memory.macros.value(slot);
    EmuMacro m;
    m.playMode = at(r, 1) + 1;
    m.repeat = at(r, 5);
    const int count = at(r, 3) / 4;
    for (int i = 0; i < count; ++i) {
        const int pos = 8 + 4 * i;
        const uint8_t code = at(r, pos), flags = at(r, pos + 1);
        EmuMacroEvent e;
        e.down = flags & 0x10;
        e.delay = (at(r, pos + 2) << 8) | at(r, pos + 3);
        if (flags & 0x01) {
            e.type = "mouse";
            for (const MouseButtonRow &row : kMouseButtons) {
                if (row.button == code)
                    e.keyCode = e.down ? row.down : row.up;
            }
        } else {
            e.type = "key";
            e.keyCode = code;
        }
        m.events.append(e);
    }
    return m;
}

EmuSeniorKey EmuOnboardView::seniorKey(int slot) const
{
    // Stored from byte 6 of the packet on.
    const QByteArray s = m_memory.seniorKeys.value(slot);
    const auto byte = [&s](int packetByte) { return at(s, packetByte - 6); };
    const auto keyAt = [&s](int packetByte) { return keyText(s.mid(packetByte - 6, 4)); };
    EmuSeniorKey key;
    key.type = byte(6);
    switch (key.type) {
    case 1:
        for (int p = 0; p < 4; ++p)
            key.strokes[p] = byte(7 + p);
        for (int k = 0; k < 4; ++k) {
            key.keys[k] = keyAt(11 + 8 * k);
            for (int p = 0; p < 4; ++p)
                key.dksActions[4 * k + p] = byte(15 + 8 * k + p);
        }
        break;
    case 2:
        key.keys[0] = keyAt(7);
        key.keys[1] = keyAt(11);
        key.holdTimeMs = byte(15) * 10;
        break;
    case 3: key.keys[0] = keyAt(7); break;
    default: break;
    }
    return key;
}

bool EmuOnboardView::isEmptyMacroSlot(int slot) const
{
    const auto it = m_memory.macros.constFind(slot);
    return it != m_memory.macros.constEnd() && it->count('\0') == it->size();
}

bool EmuOnboardView::isEmptySeniorKeySlot(int slot) const
{
    const auto it = m_memory.seniorKeys.constFind(slot);
    return it != m_memory.seniorKeys.constEnd() && it->count('\0') == it->size();
}
