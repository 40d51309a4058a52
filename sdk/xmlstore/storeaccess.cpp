#include "sdk/xmlstore/storeaccess.h"

#include "sdk/xmlstore/storetext.h"

namespace xmlstore {

const Profile *profileOf(const DocPtr &doc, const QByteArray &indexText)
{
    int index = 0;
    if (!doc || !parseIndex(indexText, &index))
        return nullptr;
    const int pos = doc->findProfile(index);
    return pos >= 0 ? &doc->profiles.at(pos) : nullptr;
}

bool updateProfile(const QByteArray &path, const QByteArray &indexText, const std::function<Change(Profile &)> &change)
{
    int index = 0;
    if (!parseIndex(indexText, &index))
        return false;
    return updateStore(path, [&](StoreDocument &doc) {
        const int pos = doc.findProfile(index);
        return pos >= 0 ? change(doc.profiles[pos]) : Change::Refused;
    });
}

MacroEvent eventFromItem(const MacroEventItem &item)
{
    return MacroEvent {fieldText(item.mark),    fieldText(item.delay),    fieldText(item.type),
                       fieldText(item.keyCode), fieldText(item.codeName), fieldText(item.operateExplain)};
}

MacroEventItem itemFromEvent(const MacroEvent &event)
{
    MacroEventItem item;
    copyToField(item.mark, event.mark);
    copyToField(item.delay, event.delay);
    copyToField(item.type, event.type);
    copyToField(item.keyCode, event.keyCode);
    copyToField(item.codeName, event.codeName);
    copyToField(item.operateExplain, event.operateExplain);
    return item;
}

QList<MacroEvent> eventsFromItems(const QList<MacroEventItem> &items)
{
    QList<MacroEvent> events;
    events.reserve(items.size());
    for (const MacroEventItem &item : items)
        events.append(eventFromItem(item));
    return events;
}

void appendItems(const QList<MacroEvent> &events, QList<MacroEventItem> &items)
{
    for (const MacroEvent &event : events)
        items.append(itemFromEvent(event));
}

}  // namespace xmlstore
