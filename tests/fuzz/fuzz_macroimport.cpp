// Any bytes as a macro file to import: the reader must stop at its event limit,
// and the events it reads must survive an export and a second import unchanged,
// as the user's exported macros must.

#include "fuzzsupport.h"
#include "macros/macroeventtext.h"
#include "macros/macrofile.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstdint>
#include <cstring>

namespace {

constexpr int kMaxEvents = 1000;

bool sameEvents(const QList<MacroEventItem> &a, const QList<MacroEventItem> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (std::memcmp(&a.at(i), &b.at(i), sizeof(MacroEventItem)) != 0)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::silenceMessages();
    new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    MacroFile::Content content;
    const MacroFile::ReadResult result = MacroFile::read(&file, kMaxEvents, &content);
    if (content.events.size() > kMaxEvents)
        __builtin_trap();
    if (result != MacroFile::ReadResult::Read)
        return 0;

    // What was imported exports and imports again as the same events.
    QByteArray exported = MacroFile::write(QStringLiteral("7"), QStringLiteral("Macro7"), content.events);
    if (exported.isEmpty())
        __builtin_trap();
    QBuffer again(&exported);
    again.open(QIODevice::ReadOnly);
    MacroFile::Content reread;
    if (MacroFile::read(&again, kMaxEvents, &reread) != MacroFile::ReadResult::Read)
        __builtin_trap();
    if (!sameEvents(content.events, reread.events) || reread.name != QLatin1String("Macro7"))
        __builtin_trap();
    return 0;
}
