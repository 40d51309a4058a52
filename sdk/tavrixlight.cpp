#include "sdk/tavrixlight.h"

#include "lighting/lightmodecodes.h"
#include "sdk/tavrixinteractive.h"

#include <QtGlobal>

#include <chrono>
#include <cmath>
#include <cstring>
#include <deque>

namespace {

using namespace LightModes;

int64_t steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

struct Rgb
{
    int r, g, b;
};

struct EffectState
{
    colorInfoData record {};
    int64_t startMs = 0;
};

// One key press of the key-reactive effects, with the effect time it was taken at.
struct Press
{
    int row;
    int column;
    double at;  // seconds since the effect was selected
    uint32_t serial;
};

struct LightLibrary
{
    int64_t (*clock)() = steadyMs;
    EffectState keyboard;
    std::deque<Press> presses;
    uint32_t pressSerial = 0;
    double typingLevel = 0;  // Speed Respond: recent presses, decaying
    double typingAt = 0;
    EffectState side;
    int sideLedCount = 0;
    LightFrameCell keyFrame[kLightKeyCells] {};
    LightFrameCell sideFrame[kLightSideCells] {};
    AutoRippleLightConfig autoRipple {-1, -1, 0, 0, 0};
    SideCollisionLightConfig collision {};
};

LightLibrary &lib()
{
    static LightLibrary library;
    return library;
}

constexpr double kPi = 3.14159265358979323846;

// Colour wheel position (any real number, one turn per 1.0) at full saturation.
Rgb hue(double turns)
{
    double h = turns - std::floor(turns);
    const double x = h * 6.0;
    const int sector = int(x) % 6;
    const double f = x - std::floor(x);
    const int up = int(255 * f);
    const int down = 255 - up;
    switch (sector) {
    case 0: return {255, up, 0};
    case 1: return {down, 255, 0};
    case 2: return {0, 255, up};
    case 3: return {0, down, 255};
    case 4: return {up, 0, 255};
    default: return {255, 0, down};
    }
}

// Cycles per second of an effect at a speed level counted from 1.
double rate(const colorInfoData &d)
{
    return 0.25 + 0.2 * qMax(0, d.speed - 1);
}

Rgb top(const colorInfoData &d)
{
    return {d.topColorR, d.topColorG, d.topColorB};
}

Rgb bottom(const colorInfoData &d)
{
    return {d.bottomColorR, d.bottomColorG, d.bottomColorB};
}

bool isBlack(Rgb c)
{
    return c.r == 0 && c.g == 0 && c.b == 0;
}

// A full-colour cell carries its brightness in its colour: the engine shows full-colour
// cells as they are, so a beam or a fading trail must be in the colour itself.
Rgb scaled(Rgb c, double intensity)
{
    const double f = qBound(0.0, intensity, 255.0) / 255.0;
    return {int(c.r * f), int(c.g * f), int(c.b * f)};
}

// Neon with the chosen colours glides from the first colour to the second and back; with a
// black second colour it dims the first instead of going dark.
double neonLevel(const colorInfoData &d, double cycles)
{
    const double swing = 0.5 + 0.5 * std::cos(2 * kPi * cycles * 0.5);
    return isBlack(bottom(d)) ? 64 + 191 * swing : 255 * swing;
}

// How long a key press shows in the key-reactive effects, shorter at higher speeds.
double pressLifetime(const colorInfoData &d)
{
    return 2.0 / (1.0 + 0.35 * qMax(0, d.speed - 1));
}

// Keys per second a ring or a cross arm travels from a pressed key.
double pressTravel(const colorInfoData &d)
{
    return 8.0 + 4.0 * qMax(0, d.speed - 1);
}

// The modes that answer key presses: the key-assignment page captures presses for them.
bool isKeyReactive(int mode)
{
    return mode == KbReactive || mode == KbAurora || mode == KbRipple || mode == KbCross || mode == KbSpeedRespond
        || mode == KbFireworks;
}

// Ripple and Fireworks send rings out from a pressed key; they last until they leave the board.
bool pressSendsRing(int mode)
{
    return mode == KbRipple || mode == KbFireworks;
}

// Takes the presses queued since the last frame and forgets those that have faded.
void takePresses(double t)
{
    LightLibrary &l = lib();
    const colorInfoData &d = l.keyboard.record;
    const QList<QPoint> fresh = CTavrixHid_takeClickedKeyPoints();
    if (!isKeyReactive(d.lightMode))
        return;
    for (const QPoint &p : fresh) {
        l.presses.push_back({p.x(), p.y(), t, l.pressSerial++});
        if (l.presses.size() > 64)
            l.presses.pop_front();
    }
    // Speed Respond: every press adds one; the sum halves every second without typing.
    l.typingLevel = l.typingLevel * std::pow(0.5, qMax(0.0, t - l.typingAt)) + fresh.size();
    l.typingAt = t;
    const double lifetime = pressSendsRing(d.lightMode) ? 30.0 / pressTravel(d) : pressLifetime(d);
    while (!l.presses.empty() && t - l.presses.front().at > lifetime)
        l.presses.pop_front();
}

// The brightness (0..255) a key gets from the presses of a key-reactive effect.
double pressGlow(int mode, const colorInfoData &d, int row, int column, double t, uint32_t *serial)
{
    const LightLibrary &l = lib();
    double best = 0;
    for (const Press &p : l.presses) {
        const double age = t - p.at;
        double glow = 0;
        if (pressSendsRing(mode)) {  // Ripple and Fireworks: a ring spreading from the key
            const double dist = std::hypot(row - p.row, (column - p.column) * 0.6);
            const double ring = std::fabs(dist - age * pressTravel(d) * 0.6);
            glow = ring < 1.2 ? 255 * (1.2 - ring) / 1.2 * (1.0 - qMin(1.0, age * pressTravel(d) / 30.0)) : 0;
        } else {
            const double fade = 1.0 - age / pressLifetime(d);
            if (fade <= 0)
                continue;
            if (mode == KbAurora) {  // the curtain flares up around the key
                const double dist = std::hypot(row - p.row, (column - p.column) * 0.6);
                glow = dist < 2.5 ? 255 * fade * (1.0 - dist / 2.5) : 0;
            } else if (row == p.row && column == p.column) {
                glow = 255 * fade;
            } else if (mode == KbCross && (row == p.row || column == p.column)) {  // arms grow out
                const int along = row == p.row ? std::abs(column - p.column) : std::abs(row - p.row) * 2;
                glow = along <= age * pressTravel(d) ? 255 * fade : 0;
            }
        }
        if (glow > best) {
            best = glow;
            *serial = p.serial;
        }
    }
    return best;
}

// A fixed pseudo-random number 0..1 for an integer seed, so effects are repeatable.
double noise(uint32_t seed)
{
    seed ^= seed >> 16;
    seed *= 0x7feb352dU;
    seed ^= seed >> 15;
    seed *= 0x846ca68bU;
    seed ^= seed >> 16;
    return (seed & 0xFFFFFF) / double(0x1000000);
}

void setCell(LightFrameCell &cell, Rgb colour, double intensity)
{
    cell.red = colour.r;
    cell.green = colour.g;
    cell.blue = colour.b;
    cell.intensity = qBound(0, int(intensity), 255);
}

int clamp255(double v)
{
    return qBound(0, int(v), 255);
}

// Position of a key along the direction of travel: 0 right, 1 left, 2 up, 3 down,
// 4 dispersion (away from the centre), 5 gather (towards it); 6 and 7 turn around the centre.
double along(int direction, int row, int column)
{
    const double dx = column - (kLightKeyColumns - 1) / 2.0;
    const double dy = row - (kLightKeyRows - 1) / 2.0;
    switch (direction) {
    case DirLeft: return column / double(kLightKeyColumns);
    case DirUp: return row / double(kLightKeyRows) * 0.5;
    case DirDown: return -row / double(kLightKeyRows) * 0.5;
    case DirDispersion: return std::sqrt(dx * dx + dy * dy * 4) / kLightKeyColumns;
    case DirGather: return -std::sqrt(dx * dx + dy * dy * 4) / kLightKeyColumns;
    case DirClockwise: return std::atan2(dy, dx) / (2 * kPi);
    case DirAnticlockwise: return -std::atan2(dy, dx) / (2 * kPi);
    default: return -column / double(kLightKeyColumns);
    }
}

void keyboardFrame(double t)
{
    takePresses(t);
    LightLibrary &l = lib();
    const colorInfoData &d = l.keyboard.record;
    const double r = rate(d);
    const bool full = d.fullColor == 1;
    std::memset(l.keyFrame, 0, sizeof l.keyFrame);
    for (int row = 0; row < kLightKeyRows; ++row) {
        for (int column = 0; column < kLightKeyColumns; ++column) {
            LightFrameCell &cell = l.keyFrame[row * kLightKeyColumns + column];
            const uint32_t id = uint32_t(row * kLightKeyColumns + column);
            const double pos = along(d.direction, row, column);
            switch (d.lightMode) {
            case KbStatic: setCell(cell, top(d), 255); break;
            case KbBreath: {  // Breath: the whole board swells and fades
                // Down to a glow, never to black: a dark board would read as switched off.
                const double wave = 0.06 + 0.94 * (0.5 - 0.5 * std::cos(2 * kPi * r * t));
                // With two colours, each breath takes the next one.
                const bool second = !isBlack(bottom(d)) && int64_t(std::floor(r * t)) % 2 == 1;
                setCell(cell, full ? hue(std::floor(r * t) / 7.0) : second ? bottom(d) : top(d), 255 * wave);
                break;
            }
            case KbWave: {  // Wave: colour bands travel in the chosen direction
                const double phase = pos + r * t * 0.5;
                setCell(cell, full ? hue(phase) : top(d), 127.5 + 127.5 * std::sin(2 * kPi * phase));
                break;
            }
            case KbNeon:  // Neon: the board shifts hue, or glides between the two colours
                if (full)
                    setCell(cell, hue(r * t * 0.2), 255);
                else
                    setCell(cell, top(d), neonLevel(d, r * t));
                break;
            case KbRadar:        // Radar: a sweeping beam with a fading tail
            case KbStriation: {  // Striation: four beams
                const int arms = d.lightMode == KbRadar ? 1 : 4;
                double behind
                    = (r * t * 0.5 - along(d.direction >= DirClockwise ? d.direction : DirClockwise, row, column))
                    * arms;
                behind -= std::floor(behind);
                const double beam = 255 * (1.0 - behind) * (1.0 - behind);
                setCell(cell, full ? scaled(hue(pos), beam) : top(d), beam);
                cell.stepIndex = behind < 0.1 ? 1 : 0;
                break;
            }
            case KbSnake: {  // Snake: a ten-key body crawling along the rows
                const int path = (row % 2 == 0) ? row * kLightKeyColumns + column
                                                : row * kLightKeyColumns + (kLightKeyColumns - 1 - column);
                // Clockwise the snake runs the rows forwards, anticlockwise backwards.
                const int head = int(r * t * 20) % kLightKeyCells;
                const int behind = d.direction == DirAnticlockwise
                    ? (path - (kLightKeyCells - 1 - head) + kLightKeyCells) % kLightKeyCells
                    : (head - path + kLightKeyCells) % kLightKeyCells;
                if (behind < 10) {
                    setCell(cell, full ? hue(path / double(kLightKeyCells)) : top(d), 255 - behind * 20);
                    cell.stepIndex = behind + 1;
                }
                break;
            }
            case KbAurora: {  // Aurora: slow colour curtains that flare where a key is pressed
                const double phase = pos + r * t * 0.2;
                const double curtain = 160 + 95 * std::sin(2 * kPi * (phase + 0.1 * std::sin(t + row)));
                uint32_t serial = 0;
                const double flare = pressGlow(d.lightMode, d, row, column, t, &serial);
                // A flare lifts the curtain towards full light and, in full colour, turns it
                // half way round the colour wheel, so it shows on a bright curtain too.
                const double level = curtain + (255 - curtain) * flare / 255;
                setCell(cell, full ? hue(phase * 0.5 + 0.5 * flare / 255) : top(d), level);
                break;
            }
            case KbTwinkle: {  // Twinkle: each key glints on its own rhythm
                const double glint = std::sin(2 * kPi * (r * t * 0.7 + noise(id)));
                setCell(cell, full ? hue(noise(id + 977)) : top(d), glint > 0 ? 255 * glint : 0);
                break;
            }
            case KbAutoRipple:   // Auto Ripple and Fireworks: rings spread from points the effect picks;
            case KbFireworks: {  // in Fireworks a pressed key sends a burst of its own
                const double period = d.lightMode == KbAutoRipple ? 1.5 : 0.8;
                const int64_t slot = int64_t(std::floor(t / period));
                const int originRow = int(noise(uint32_t(slot) * 2 + 1) * kLightKeyRows);
                const int originColumn = int(noise(uint32_t(slot) * 2 + 2) * kLightKeyColumns);
                const double radius = (t - slot * period) * (4 + 4 * r);
                const double dist = std::hypot(row - originRow, (column - originColumn) * 0.6);
                const double ring = std::fabs(dist - radius);
                const Rgb colour = full ? hue(noise(uint32_t(slot) + 51)) : top(d);
                double glow = ring < 1.5 ? 255 * (1.5 - ring) / 1.5 : 0;
                Rgb shown = colour;
                if (d.lightMode == KbFireworks) {
                    uint32_t serial = 0;
                    const double burst = pressGlow(d.lightMode, d, row, column, t, &serial);
                    if (burst > glow) {
                        glow = burst;
                        shown = full ? hue(noise(serial + 7)) : top(d);
                    }
                }
                if (glow > 0)
                    setCell(cell, full ? scaled(shown, glow) : shown, glow);
                if (d.lightMode == KbAutoRipple && row == 0 && column == 0) {
                    cell.triggerFlag = (t - slot * period) < 0.05 ? 1 : 0;
                    l.autoRipple = {originRow, originColumn, colour.r, colour.g, colour.b};
                }
                break;
            }
            case KbReactive:        // Reactive: a pressed key lights and fades
            case KbRipple:          // Ripple: rings spread from a pressed key
            case KbCross:           // Cross: a cross through the pressed key
            case KbSpeedRespond: {  // Speed Respond: the faster the typing, the more rows light up
                uint32_t serial = 0;
                double glow = pressGlow(d.lightMode, d, row, column, t, &serial);
                if (d.lightMode == KbSpeedRespond) {
                    // Rows light from the bottom (direction up) or the top (down), one per
                    // press still counted; each row is a level of the keyboard's meter.
                    const double level = l.typingLevel * std::pow(0.5, qMax(0.0, t - l.typingAt));
                    const int rank = d.direction == DirDown ? row + 1 : kLightKeyRows - row;
                    double meter = qBound(0.0, level - (rank - 1), 1.0) * 255;
                    if (meter < 8)
                        meter = 0;  // the last trace of typing long ago
                    if (meter > 0)
                        cell.level = rank;
                    glow = qMax(glow, meter);
                }
                if (glow > 0)
                    setCell(cell, full ? scaled(hue(noise(serial + 7)), glow) : top(d), glow);
                break;
            }
            default: break;
            }
        }
    }
}

void sideFrame(double t)
{
    LightLibrary &l = lib();
    const colorInfoData &d = l.side.record;
    const double r = rate(d);
    const bool full = d.fullColor == 1;
    const int count = qBound(1, l.sideLedCount, kLightSideCells);
    std::memset(l.sideFrame, 0, sizeof l.sideFrame);
    const int left = int(r * t * 10) % (count / 2 + 1);
    const int right = count - 1 - left;
    l.collision = {uint8_t(left), uint8_t(right), uint8_t(d.topColorR), uint8_t(d.topColorG), uint8_t(d.topColorB)};
    for (int n = 0; n < kLightSideCells; ++n) {
        LightFrameCell &cell = l.sideFrame[n];
        switch (d.lightMode) {
        case SideStatic: setCell(cell, top(d), 255); break;
        case SideBreath: {
            const bool second = !isBlack(bottom(d)) && int64_t(std::floor(r * t)) % 2 == 1;
            setCell(cell,
                    full         ? hue(std::floor(r * t) / 7.0)
                        : second ? bottom(d)
                                 : top(d),
                    255 * (0.06 + 0.94 * (0.5 - 0.5 * std::cos(2 * kPi * r * t))));
            break;
        }
        case SideWave: {
            const double phase = n / double(count) + r * t * 0.5;
            setCell(cell, full ? hue(phase) : top(d), 127.5 + 127.5 * std::sin(2 * kPi * phase));
            break;
        }
        case SideCollision: {  // two runners meet in the middle
            const int distance = qMin(std::abs(n - left), std::abs(n - right));
            setCell(cell, full ? hue(n / double(count)) : top(d), distance < 4 ? 255 - distance * 60 : 0);
            cell.red2 = full ? hue(n / double(count) + 0.5).r : d.bottomColorR;
            cell.green2 = full ? hue(n / double(count) + 0.5).g : d.bottomColorG;
            cell.blue2 = full ? hue(n / double(count) + 0.5).b : d.bottomColorB;
            cell.stepIndex = distance < 4 ? distance + 1 : 0;
            break;
        }
        case SideNeon:
            if (full)
                setCell(cell, hue(r * t * 0.2), 255);
            else
                setCell(cell, top(d), neonLevel(d, r * t));
            break;
        default: break;  // Close and unknown modes: dark
        }
    }
}

double elapsedSeconds(const EffectState &effect)
{
    return double(lib().clock() - effect.startMs) / 1000.0;
}

}  // namespace

void CTavrixHid_SetKeyboardColorInfoDataStu(colorInfoData data, int, const char *, unsigned char)
{
    lib().keyboard.record = data;
    lib().keyboard.startMs = lib().clock();
    // Presses belong to the effect they were made in; the new one starts from a still board.
    lib().presses.clear();
    lib().typingLevel = 0;
    lib().typingAt = 0;
}

void CTavrixHid_SetSideColorInfoDataStu(colorInfoData data, int sideLedCount, QList<int>)
{
    lib().side.record = data;
    lib().side.startMs = lib().clock();
    lib().sideLedCount = sideLedCount;
}

void CTavrixHid_SetKeyboardColorInfoDataStuHaveChanged(colorInfoData data)
{
    // Parameters change in place: the animation goes on from where it is.
    lib().keyboard.record = data;
}

void CTavrixHid_SetSideColorInfoDataStuHaveChanged(colorInfoData data)
{
    lib().side.record = data;
}

void CTavrixHid_keyboardLightColorRunning(LightFrameCallback callback)
{
    keyboardFrame(elapsedSeconds(lib().keyboard));
    if (callback)
        callback(lib().keyFrame);
}

void CTavrixHid_sideLightColorRunning(LightFrameCallback callback)
{
    sideFrame(elapsedSeconds(lib().side));
    if (callback)
        callback(lib().sideFrame);
}

LightColorRgb CTavrixHid_lightColorMix(int row, int column)
{
    if (row < 0 || row >= kLightKeyRows || column < 0 || column >= kLightKeyColumns)
        return {0, 0, 0};
    const colorInfoData &d = lib().keyboard.record;
    const LightFrameCell &cell = lib().keyFrame[row * kLightKeyColumns + column];
    if (d.fullColor == 1)
        return {cell.red, cell.green, cell.blue};
    const int w = cell.intensity;
    return {clamp255((cell.red * w + (255 - w) * d.bottomColorR) / 256),
            clamp255((cell.green * w + (255 - w) * d.bottomColorG) / 256),
            clamp255((cell.blue * w + (255 - w) * d.bottomColorB) / 256)};
}

LightColorRgb CTavrixHid_GetCurrentRippleLightColor()
{
    const colorInfoData &d = lib().keyboard.record;
    if (d.fullColor == 1) {
        const Rgb c = hue(elapsedSeconds(lib().keyboard) * 0.1);
        return {c.r, c.g, c.b};
    }
    return {d.topColorR, d.topColorG, d.topColorB};
}

AutoRippleLightConfig CTavrixHid_GetCurrentAutoRippleLightConfig()
{
    return lib().autoRipple;
}

SideCollisionLightConfig CTavrixHid_GetSideCollisionLightRunningConfig()
{
    return lib().collision;
}

void CTavrixLight_SetClock(int64_t (*clock)())
{
    lib().clock = clock ? clock : steadyMs;
}
