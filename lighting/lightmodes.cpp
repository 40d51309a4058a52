#include "lighting/lightmodes.h"

#include "sdk/tavrixxml.h"

#include <QObject>

namespace LightModes {

const QList<ModeInfo> &keyboardModes()
{
    static const QList<ModeInfo> modes = {
        {KbStatic, QT_TRANSLATE_NOOP("QObject", "Static"), "toolButton_Static", 0, true, false, {}, false, 0},
        {KbBreath, QT_TRANSLATE_NOOP("QObject", "Breath"), "toolButton_Breath", 2, true, true, {}, true, 0},
        {KbWave, QT_TRANSLATE_NOOP("QObject", "Wave"), "toolButton_Wave", 3, true, true, {0, 1, 2, 3, 4, 5}, true, 0},
        {KbNeon, QT_TRANSLATE_NOOP("QObject", "Neon"), "toolButton_Neon", 1, true, true, {}, true, 0},
        {KbRadar, QT_TRANSLATE_NOOP("QObject", "Radar"), "toolButton_Radar", 6, true, true, {6, 7}, true, 6},
        {KbSnake, QT_TRANSLATE_NOOP("QObject", "Snake"), "toolButton_Snack", 5, true, true, {6, 7}, true, 6},
        {KbReactive, QT_TRANSLATE_NOOP("QObject", "Reactive"), "toolButton_Reactive", 11, true, true, {}, true, 0},
        {KbAurora, QT_TRANSLATE_NOOP("QObject", "Aurora"), "toolButton_Aurora", 9, true, true, {4, 5}, true, 4},
        {KbRipple, QT_TRANSLATE_NOOP("QObject", "Ripple"), "toolButton_Ripple", 10, true, true, {}, true, 4},
        {KbTwinkle, QT_TRANSLATE_NOOP("QObject", "Twinkle"), "toolButton_Twinkle", 4, true, true, {}, true, 0},
        {KbCustom, QT_TRANSLATE_NOOP("QObject", "Custom"), "toolButton_CustomLed", 17, true, false, {}, false, 0},
        {KbCross, QT_TRANSLATE_NOOP("QObject", "Cross"), "toolButton_Cross", 12, true, true, {}, true, 0},
        {KbSpeedRespond,
         QT_TRANSLATE_NOOP("QObject", "Speed Respond"),
         "toolButton_SpeedRespond",
         15,
         true,
         false,
         {2, 3},
         true,
         2},
        {KbAutoRipple,
         QT_TRANSLATE_NOOP("QObject", "Auto Ripple"),
         "toolButton_AutoRipple",
         7,
         true,
         true,
         {},
         true,
         4},
        {KbStriation,
         QT_TRANSLATE_NOOP("QObject", "Striation"),
         "toolButton_Striation",
         8,
         true,
         true,
         {6, 7},
         true,
         6},
        {KbFireworks, QT_TRANSLATE_NOOP("QObject", "Fireworks"), "toolButton_Fireworks", 14, true, true, {}, true, 4},
        {KbMusicalRhythm,
         QT_TRANSLATE_NOOP("QObject", "Musical Rhythm"),
         "toolButton_MusicalRhythm",
         16,
         true,
         false,
         {},
         true,
         2},
    };
    return modes;
}

const QList<ModeInfo> &sideModes()
{
    static const QList<ModeInfo> modes = {
        {SideStatic, QT_TRANSLATE_NOOP("QObject", "Static"), "toolButton_SideStatic", 50, true, false, {}, false, 0},
        {SideBreath, QT_TRANSLATE_NOOP("QObject", "Breath"), "toolButton_SideBreath", 52, true, true, {}, true, 0},
        {SideWave, QT_TRANSLATE_NOOP("QObject", "Wave"), "toolButton_SideWave", 53, true, true, {}, true, 0},
        {SideCollision,
         QT_TRANSLATE_NOOP("QObject", "Collision"),
         "toolButton_SideCollision",
         54,
         true,
         true,
         {},
         true,
         0},
        {SideNeon, QT_TRANSLATE_NOOP("QObject", "Neon"), "toolButton_SideNeon", 51, true, true, {}, true, 0},
        {SideClose, QT_TRANSLATE_NOOP("QObject", "Close"), "toolButton_SideClose", 55, false, false, {}, false, 0},
    };
    return modes;
}

namespace {

const ModeInfo *find(const QList<ModeInfo> &modes, int value, bool byButton)
{
    for (const ModeInfo &m : modes) {
        if ((byButton ? m.buttonId : m.code) == value)
            return &m;
    }
    return nullptr;
}

}  // namespace

const ModeInfo *keyboardMode(int code)
{
    return find(keyboardModes(), code, false);
}
const ModeInfo *keyboardModeByButton(int buttonId)
{
    return find(keyboardModes(), buttonId, true);
}
const ModeInfo *sideMode(int code)
{
    return find(sideModes(), code, false);
}
const ModeInfo *sideModeByButton(int buttonId)
{
    return find(sideModes(), buttonId, true);
}

const QList<const char *> &directionButtons()
{
    static const QList<const char *> names
        = {"pushButton_Right",      "pushButton_Left",   "pushButton_Up", "pushButton_Down",
           "pushButton_Dispersion", "pushButton_Gather", "pushButton_CW", "pushButton_UnCW"};
    return names;
}

QString keyboardModeName(int code)
{
    if (code == KbDpi)
        return QObject::tr("DPI");
    const ModeInfo *m = keyboardMode(code);
    return m ? QObject::tr(m->name) : QString();
}

QString sideModeName(int code)
{
    const ModeInfo *m = sideMode(code);
    return m ? QObject::tr(m->name) : QString();
}

colorInfoData defaultRecord(int target, int mode, int currentKeyboardMode, LevelCounts levels)
{
    constexpr int kDefaultLevel = 3;
    colorInfoData d;
    d.lightTarget = target;
    d.lightMode = mode;
    // A keyboard with fewer levels could show neither the slider step nor the level.
    d.brightness = levels.brightness > 0 ? qMin(kDefaultLevel, levels.brightness) : kDefaultLevel;
    d.speed = levels.speed > 0 ? qMin(kDefaultLevel, levels.speed) : kDefaultLevel;
    d.topColorR = 255;
    d.fullColor = 1;
    if (target == KeyboardTarget) {
        const ModeInfo *m = keyboardMode(mode);
        d.direction = m ? m->defaultDirection : 0;
    } else if (currentKeyboardMode == KbSnake) {
        d.topColorR = 0;
    }
    return d;
}

namespace {

HidReport recordReport(const colorInfoData &d, int target)
{
    HidReport r;
    r[0] = 0x01;
    r[1] = target == SideTarget ? 0x07 : 0x06;
    r[5] = target == SideTarget ? 0x0D : 0x0E;
    const int32_t fields[] = {d.lightMode,    d.brightness - 1, d.speed - 1,    d.topColorR, d.topColorG, d.topColorB,
                              d.bottomColorR, d.bottomColorG,   d.bottomColorB, d.direction, d.fullColor, d.extParam1};
    for (int i = 0; i < 12; ++i)
        r[6 + i] = static_cast<uint8_t>(fields[i] & 0xFF);
    return r;
}

}  // namespace

HidReport modeReport(const colorInfoData &data, int target, qint64 msecs)
{
    HidReport r = recordReport(data, target);
    if (data.lightMode == KbStatic)
        r[16] = 0;
    r[62] = static_cast<uint8_t>((msecs >> 8) & 0xFF);
    r[63] = static_cast<uint8_t>(msecs & 0xFF);
    return r;
}

HidReport customUploadModeReport(const colorInfoData &data)
{
    return recordReport(data, KeyboardTarget);
}

colorInfoData loadOrCreateRecord(const QByteArray &path, const QByteArray &index, int target, int mode,
                                 int currentKeyboardMode, LevelCounts levels, bool *stored)
{
    if (stored)
        *stored = true;
    colorInfoData d;
    if (!path.isEmpty() && CTavrixXML_SelectProfileColorDataInfo(path, index, target, mode, &d))
        return d;
    d = defaultRecord(target, mode, currentKeyboardMode, levels);
    if (!path.isEmpty()) {
        const bool ok = CTavrixXML_AddProFileLightInfoItem(path, index, d);
        if (stored)
            *stored = ok;
    }
    return d;
}

}  // namespace LightModes
