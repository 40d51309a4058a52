#include "emuexpect.h"

QList<HidReport> EmuExpect::without(const QList<HidReport> &reports, const QSet<uint8_t> &commands)
{
    QList<HidReport> kept;
    for (const HidReport &r : reports) {
        if (!commands.contains(r.code()))
            kept.append(r);
    }
    return kept;
}

QString EmuExpect::shortHex(const HidReport &report)
{
    int last = HidReport::Size - 1;
    while (last > 0 && report[last] == 0)
        --last;
    QString text = QString::fromLatin1(report.toByteArray().left(last + 1).toHex(' '));
    if (last < HidReport::Size - 1)
        text += QStringLiteral(" (%1 zero bytes)").arg(HidReport::Size - 1 - last);
    return text;
}

QString EmuExpect::compare(const QList<HidReport> &actual, const QStringList &expected)
{
    for (int i = 0; i < expected.size(); ++i) {
        HidReport want;
        if (!HidReport::fromHex(expected[i], &want))
            return QStringLiteral("expected report %1 is not hex of at most 64 bytes: \"%2\"").arg(i).arg(expected[i]);
        if (i >= actual.size()) {
            return QStringLiteral("received %1 reports, expected %2; first missing (report %3):\n  expected: %4")
                .arg(actual.size())
                .arg(expected.size())
                .arg(i)
                .arg(shortHex(want));
        }
        if (actual[i] != want) {
            int pos = 0;
            while (actual[i][pos] == want[pos])
                ++pos;
            return QStringLiteral("report %1 differs at byte %2 (got %3, expected %4):\n  got:      %5\n  expected: %6")
                .arg(i)
                .arg(pos)
                .arg(actual[i][pos], 2, 16, QLatin1Char('0'))
                .arg(want[pos], 2, 16, QLatin1Char('0'))
                .arg(shortHex(actual[i]), shortHex(want));
        }
    }
    if (actual.size() > expected.size()) {
        return QStringLiteral("received %1 reports, expected %2; first extra (report %3):\n  got:      %4")
            .arg(actual.size())
            .arg(expected.size())
            .arg(expected.size())
            .arg(shortHex(actual[expected.size()]));
    }
    return QString();
}
