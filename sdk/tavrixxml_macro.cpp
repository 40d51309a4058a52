// The macro file: macros in ascending index order and their events.

#include "sdk/tavrixxml.h"

#include "sdk/xmlstore/storeaccess.h"
#include "sdk/xmlstore/storetext.h"

using namespace xmlstore;

namespace {

// Applies change to the macro with that index; refused when there is none.
bool updateMacro(const QByteArray &path, const QByteArray &index, const std::function<Change(Macro &)> &change)
{
    int number = 0;
    if (!parseIndex(index, &number))
        return false;
    return updateStore(path, [&](StoreDocument &doc) {
        const int pos = doc.findMacro(number);
        return pos >= 0 ? change(doc.macros[pos]) : Change::Refused;
    });
}

// Position of the event with mark in the "down" (isUp 0) or "up" (isUp 1) state.
int findEvent(const Macro &macro, const QByteArray &mark, int isUp)
{
    const QByteArray state = isUp ? QByteArrayLiteral("up") : QByteArrayLiteral("down");
    for (int i = 0; i < macro.events.size(); ++i) {
        if (macro.events.at(i).mark == mark && macro.events.at(i).operateExplain == state)
            return i;
    }
    return -1;
}

}  // namespace

bool CTavrixXML_SelectMacroAllNodes(const QByteArray &path, QList<MacroNode> &nodes)
{
    const DocPtr doc = loadStore(path);
    if (!doc)
        return false;
    for (const Macro &macro : doc->macros)
        nodes.append(MacroNode {QByteArray::number(macro.index), macro.name});
    return true;
}

bool CTavrixXML_CreateMacroXmlParentNode(const QByteArray &path, const QByteArray &index, const QByteArray &name)
{
    int number = 0;
    if (!parseIndex(index, &number))
        return false;
    return updateStore(path, [&](StoreDocument &doc) {
        if (doc.findMacro(number) >= 0)
            return Change::Refused;
        int at = 0;
        while (at < doc.macros.size() && doc.macros.at(at).index < number)
            ++at;
        doc.macros.insert(at, Macro {number, name, {}});
        return Change::Changed;
    });
}

bool CTavrixXML_DeleteMacroNode(const QByteArray &path, const QByteArray &index)
{
    int number = 0;
    if (!parseIndex(index, &number))
        return false;
    return updateStore(path, [&](StoreDocument &doc) {
        const int pos = doc.findMacro(number);
        if (pos < 0)
            return Change::Unchanged;
        doc.macros.removeAt(pos);
        return Change::Changed;
    });
}

bool CTavrixXML_ModifyMacroNodeName(const QByteArray &path, const QByteArray &index, const QByteArray &name)
{
    return updateMacro(path, index, [&](Macro &macro) {
        if (macro.name == name)
            return Change::Unchanged;
        macro.name = name;
        return Change::Changed;
    });
}

bool CTavrixXML_SelectAllKeyOrMouseEvent(const QByteArray &path, const QByteArray &index, QList<MacroEventItem> &events)
{
    int number = 0;
    const DocPtr doc = loadStore(path);
    if (!doc || !parseIndex(index, &number))
        return false;
    const int pos = doc->findMacro(number);
    if (pos < 0 || doc->macros.at(pos).events.isEmpty())
        return false;
    appendItems(doc->macros.at(pos).events, events);
    return true;
}

bool CTavrixXML_AddKeyOrMouseEventItem(const QByteArray &path, const QList<MacroEventItem> &events,
                                       const QByteArray &index)
{
    const QList<MacroEvent> added = eventsFromItems(events);
    return updateMacro(path, index, [&](Macro &macro) {
        if (added.isEmpty())
            return Change::Unchanged;
        macro.events.append(added);
        return Change::Changed;
    });
}

bool CTavrixXML_DeleteEventItem(const QByteArray &path, const QByteArray &index, const QByteArray &mark)
{
    return updateMacro(path, index, [&](Macro &macro) {
        const int before = macro.events.size();
        macro.events.erase(std::remove_if(macro.events.begin(), macro.events.end(),
                                          [&](const MacroEvent &event) { return event.mark == mark; }),
                           macro.events.end());
        return macro.events.size() == before ? Change::Unchanged : Change::Changed;
    });
}

bool CTavrixXML_UpdateEventItem(const QByteArray &path, const QByteArray &index, const QByteArray &mark, int isUp,
                                MacroEventItem item)
{
    const MacroEvent replacement = eventFromItem(item);
    return updateMacro(path, index, [&](Macro &macro) {
        const int pos = findEvent(macro, mark, isUp);
        if (pos < 0)
            return Change::Refused;
        macro.events[pos] = replacement;
        return Change::Changed;
    });
}

bool CTavrixXML_MacroEventItemUpOrDownOperate(const QByteArray &path, const QByteArray &index, const QByteArray &mark,
                                              int direction, int isUp)
{
    if (direction != 0 && direction != 1)
        return false;
    return updateMacro(path, index, [&](Macro &macro) {
        const int pos = findEvent(macro, mark, isUp);
        const int other = direction == 1 ? pos - 1 : pos + 1;
        if (pos < 0 || other < 0 || other >= macro.events.size())
            return Change::Refused;
        macro.events.swapItemsAt(pos, other);
        return Change::Changed;
    });
}
