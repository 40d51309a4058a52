#pragma once

#include <QRegularExpression>
#include <QString>

// Theme colours are "r,g,b" or "r,g,b,a" texts; style sheets want rgba() for
// the second form. Rewrites every rgb(...) with four numbers as rgba(...).
inline QString macroSheet(QString sheet)
{
    static const QRegularExpression fourNumbers(
        QStringLiteral("rgb\\((\\s*\\d+\\s*,\\s*\\d+\\s*,\\s*\\d+\\s*,\\s*\\d+\\s*)\\)"));
    return sheet.replace(fourNumbers, QStringLiteral("rgba(\\1)"));
}
