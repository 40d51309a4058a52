// Feeds arbitrary bytes to the keyboard layout reader: it must reject or read
// them without crashing, and anything it accepts must be a complete grid.
#include "keyboardview/keylayoutfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    KeyLayout layout;
    const QByteArray text(reinterpret_cast<const char *>(data), int(size));
    if (KeyLayoutFile::parse(text, QStringLiteral("fuzz"), &layout)) {
        if (layout.keys.size() != KeyLayoutFile::kKeyCount)
            abort();
        for (const KeyLayoutKey &k : layout.keys) {
            if (k.row < 0 || k.row >= KeyLayoutFile::kRows || k.column < 0 || k.column >= KeyLayoutFile::kColumns)
                abort();
        }
    }
    return 0;
}
