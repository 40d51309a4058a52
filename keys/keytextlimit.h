#pragma once

#include <QString>

// Keeps the text a key types within what its stored item can carry back: at
// most 5000 characters (UTF-16 code units, as the text box counts them) and at
// most 5119 bytes of UTF-8, the value field less its terminating zero. NUL
// characters are removed: the stored value ends at the first one.
struct KeyTextLimit
{
    static constexpr int kMaxChars = 5000;
    static constexpr int kMaxBytes = 5119;

    QString text;
    int cursor = 0;  // where the text cursor belongs afterwards
    bool changed = false;

    // Fits text, whose cursor stands at cursor. The surplus is removed from
    // just before the cursor (what was typed or pasted last), whole characters
    // only; when the part before the cursor does not suffice, from the end.
    static KeyTextLimit fit(const QString &text, int cursor);
    static bool fits(const QString &text);
};
