#pragma once

#include <QString>

// The style sheets write their fonts as "font: 75 12pt", which Qt reads as a CSS
// weight of 75: thinner than Light. Where the font of that weight has no Arabic
// letters, Qt draws them from a fallback font that spreads them apart instead of
// joining them. While the interface is in Arabic, every style sheet is read with
// that weight raised to Normal; switched off, each style sheet reads as it was.
namespace JoinedScriptWeight {

void setActive(bool active);
bool isActive();

// A style sheet with its thin weights raised to Normal, and back.
QString raised(const QString &sheet);
QString restored(const QString &sheet);

}  // namespace JoinedScriptWeight
