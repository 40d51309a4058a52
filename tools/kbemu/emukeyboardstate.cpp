#include "emukeyboardstate.h"

QByteArray EmuLightConfig::toWire() const
{
    const uint8_t b[WireSize] = {mode,      brightness, speed,     first[0],  first[1],   first[2],
                                 second[0], second[1],  second[2], direction, fullColour, extra};
    return QByteArray(reinterpret_cast<const char *>(b), WireSize);
}

EmuLightConfig EmuLightConfig::fromWire(const QByteArray &bytes)
{
    QByteArray b = bytes.left(WireSize);
    b.append(QByteArray(WireSize - b.size(), '\0'));
    const auto at = [&b](int i) { return static_cast<uint8_t>(b.at(i)); };
    EmuLightConfig c;
    c.mode = at(0);
    c.brightness = at(1);
    c.speed = at(2);
    for (int i = 0; i < 3; ++i) {
        c.first[i] = at(3 + i);
        c.second[i] = at(6 + i);
    }
    c.direction = at(9);
    c.fullColour = at(10);
    c.extra = at(11);
    return c;
}

QByteArray EmuOnboardMemory::keyCode(int layer, int k) const
{
    QByteArray code = keys.value(layer).mid(4 * k, 4);
    code.append(QByteArray(4 - code.size(), '\0'));
    return code;
}
