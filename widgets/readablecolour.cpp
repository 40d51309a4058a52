#include "widgets/readablecolour.h"

#include <QString>

#include <cmath>

namespace ReadableColour {
namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    auto channel = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

}  // namespace

double luminance(const QColor &colour)
{
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor on(const QColor &background, const QColor &wanted, double minRatio)
{
    const QColor opaque = wanted.toRgb();
    if (contrast(background, opaque) >= minRatio)
        return QColor(opaque.red(), opaque.green(), opaque.blue());
    // One of black and white always has at least 4.58:1 against any colour.
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor end = contrast(background, black) >= contrast(background, white) ? black : white;
    // Contrast grows steadily on the way to the end colour: find the shortest step that reads.
    double low = 0.0;
    double high = 1.0;
    for (int i = 0; i < 16; ++i) {
        const double mid = (low + high) / 2;
        if (contrast(background, mixed(opaque, end, mid)) >= minRatio)
            high = mid;
        else
            low = mid;
    }
    const QColor found = mixed(opaque, end, high);
    return contrast(background, found) >= minRatio ? found : end;
}

QString sheetText(const QColor &colour)
{
    return QStringLiteral("%1,%2,%3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

}  // namespace ReadableColour
