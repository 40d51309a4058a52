// Turning library frames into preview colours.
#include "keyboardview/keyboardbutcustom.h"
#include "lighting/lightdealmain.h"
#include "lighting/lightmodecodes.h"

#include <cstring>

using namespace LightModes;

namespace {

struct Rgb
{
    int r, g, b;
    bool isBlack() const { return r == 0 && g == 0 && b == 0; }
};

Rgb cellColour(const LightFrameCell &c)
{
    return {c.red, c.green, c.blue};
}

// Per channel (a * w + (255 - w) * b) / 256 with integer division.
Rgb mix(Rgb a, int w, Rgb b)
{
    return {(a.r * w + (255 - w) * b.r) / 256, (a.g * w + (255 - w) * b.g) / 256, (a.b * w + (255 - w) * b.b) / 256};
}

Rgb libColour(int index)
{
    const LightColorRgb c = CTavrixHid_lightColorMix(index / lightDealMain::kColumns, index % lightDealMain::kColumns);
    return {c.red, c.green, c.blue};
}

Rgb topOf(const LightWorkInfo &w)
{
    return {w.topColorR, w.topColorG, w.topColorB};
}

Rgb bottomOf(const LightWorkInfo &w)
{
    return {w.bottomColorR, w.bottomColorG, w.bottomColorB};
}

QColor toColor(Rgb c, int alpha)
{
    return QColor(qBound(0, c.r, 255), qBound(0, c.g, 255), qBound(0, c.b, 255), qBound(0, alpha, 255));
}

}  // namespace

void lightDealMain::onKeyboardFrame(const LightFrameCell *cells)
{
    m_keyFrameRendered = true;
    if (m_keyboardWork.lightMode == KbCustom) {
        for (int i = 0; i < kKeyCells; ++i) {
            const Rgb c = cellColour(m_keyFrame[i]);
            if (keyboardButCustom *button = keyButtons[i / kColumns][i % kColumns])
                button->setCustomLightColor(QColor(c.r, c.g, c.b, 255));
            m_preview[i] = darken(toColor(c, c.isBlack() ? 0 : 180), m_keyboardWork, m_keyboardCap);
        }
        return;
    }
    // A still effect hands over the same frame tick after tick: with the parameters unchanged
    // since it was rendered, the previews already hold it.
    if (!m_keyRenderDirty && std::memcmp(m_keyFrame, cells, sizeof m_keyFrame) == 0)
        return;
    m_keyRenderDirty = false;
    m_frameMoved = true;
    std::memcpy(m_keyFrame, cells, sizeof m_keyFrame);
    const int mode = m_keyboardInfo.lightMode;
    if (mode == 10 || mode == 13 || mode > 16 || mode < 0)
        return;
    if (mode == 12) {
        m_speedRespond.clear();
        const bool bottomBlack = bottomOf(m_keyboardWork).isBlack();
        for (int r = 0; r < kRows; ++r) {
            const LightFrameCell &cell = m_keyFrame[r * kColumns];
            const int v = bottomBlack ? qMin(cell.intensity, 200) : cell.intensity;
            if (v > 0)
                m_speedRespond.insert(cell.level, v);
        }
    }
    for (int i = 0; i < kKeyCells; ++i)
        renderKeyboardCell(i, m_keyFrame[i]);
}

void lightDealMain::renderKeyboardCell(int index, const LightFrameCell &cell)
{
    const LightWorkInfo &w = m_keyboardWork;
    const Rgb top = topOf(w);
    const Rgb bottom = bottomOf(w);
    const int i = cell.intensity;
    const int cap = qMin(i, 200);
    const bool stepped = cell.stepIndex >= 1 && cell.stepIndex <= 9;
    // The alpha rule shared by the effects whose trail steps stay visible at low intensity.
    const int reactiveAlpha
        = w.fullColorOn ? ((!bottom.isBlack() || stepped) ? 180 : cap) : (!bottom.isBlack() ? 180 : cap);
    const int bottomAlpha = !bottom.isBlack() ? 180 : cap;
    Rgb colour {0, 0, 0};
    int alpha = 0;
    switch (m_keyboardInfo.lightMode) {
    case 0:
        colour = cellColour(cell);
        alpha = top.isBlack() ? 0 : 180;
        break;
    case 1:
        colour = mix(cellColour(cell), i, Rgb {0, 0, 0});
        alpha = !top.isBlack() ? cap : (!colour.isBlack() ? cap : 0);
        break;
    case 2:
        colour = w.fullColorOn ? cellColour(cell) : mix(top, i, bottom);
        alpha = w.fullColorOn ? 180 : (!top.isBlack() ? 180 : cap);
        break;
    case 3:
        colour = w.fullColorOn ? cellColour(cell) : mix(cellColour(cell), i, bottom);
        alpha = w.fullColorOn ? 180 : (!top.isBlack() ? 180 : cap);
        break;
    case 4:
        colour = w.fullColorOn ? cellColour(cell) : mix(top, i, bottom);
        alpha = w.fullColorOn ? 180 : bottomAlpha;
        break;
    case 5:
        colour = w.fullColorOn ? libColour(index) : mix(cellColour(cell), i, bottom);
        alpha = reactiveAlpha;
        break;
    case 6:
    case 7:
    case 11:
    case 15:
    case 16:
        colour = libColour(index);
        alpha = reactiveAlpha;
        break;
    case 8:
    case 12:
    case 14:
        colour = libColour(index);
        alpha = bottomAlpha;
        break;
    case 9:
        colour = !bottom.isBlack() ? mix(cellColour(cell), i, bottom) : mix(cellColour(cell), cap, bottom);
        alpha = !bottom.isBlack() ? 180 : cap;
        break;
    default: return;
    }
    m_preview[index] = darken(toColor(colour, alpha), w, m_keyboardCap);
}

void lightDealMain::onSideFrame(const LightFrameCell *cells)
{
    if (!m_sideRenderDirty && std::memcmp(m_sideFrame, cells, sizeof m_sideFrame) == 0)
        return;
    m_sideRenderDirty = false;
    m_frameMoved = true;
    std::memcpy(m_sideFrame, cells, sizeof m_sideFrame);
    const int count = qMin(m_sideLeds.size(), int(kSideCells));
    for (int n = 0; n < count; ++n)
        renderSideCell(n, m_sideFrame[n]);
}

void lightDealMain::renderSideCell(int n, const LightFrameCell &cell)
{
    const LightWorkInfo &w = m_sideWork;
    const Rgb top = topOf(w);
    const Rgb bottom = bottomOf(w);
    const int i = cell.intensity;
    const int cap = qMin(i, 200);
    const bool stepped = cell.stepIndex >= 1 && cell.stepIndex <= 9;
    Rgb colour {0, 0, 0};
    int alpha = 0;
    switch (m_sideInfo.lightMode) {
    case 0:
        colour = cellColour(cell);
        alpha = top.isBlack() ? 0 : 250;
        break;
    case 1:
        colour = mix(cellColour(cell), i, Rgb {0, 0, 0});
        alpha = !bottom.isBlack() ? cap : (!colour.isBlack() ? cap : 0);
        break;
    case 2:
        colour = w.fullColorOn ? cellColour(cell) : mix(top, i, bottom);
        alpha = w.fullColorOn ? 250 : (!bottom.isBlack() ? 250 : cap);
        break;
    case 3:
        colour = w.fullColorOn ? mix(cellColour(cell), i, Rgb {cell.red2, cell.green2, cell.blue2})
                               : mix(cellColour(cell), i, bottom);
        alpha = w.fullColorOn ? ((!bottom.isBlack() || stepped) ? 250 : cap) : (!bottom.isBlack() ? 250 : cap);
        break;
    case 4:
        colour = w.fullColorOn ? cellColour(cell) : mix(cellColour(cell), i, bottom);
        alpha = w.fullColorOn ? 250 : (!bottom.isBlack() ? 250 : cap);
        break;
    case 5: m_preview[kKeyCells + n] = QColor(0, 0, 0, 0); return;
    default: return;
    }
    m_preview[kKeyCells + n] = darken(toColor(colour, alpha), w, m_sideCap);
}

void lightDealMain::setCustomLightColors(int source, int customIndex)
{
    wakeTicks();
    m_keyRenderDirty = true;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            LightFrameCell cell {};
            if (keyboardButCustom *button = keyButtons[r][c]) {
                const QColor colour = button->customLightColor();
                cell.red = colour.red();
                cell.green = colour.green();
                cell.blue = colour.blue();
            }
            cell.intensity = 255;
            m_keyFrame[r * kColumns + c] = cell;
        }
    }
    if (m_device.connectType == 1 && (source == 0 || (source == 1 && customIndex == -1))) {
        for (const HidReport &report : customLedReports())
            queueCommand(report, "A custom colour report could not be queued: the keyboard is not open");
    }
}
