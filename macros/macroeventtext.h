#pragma once

#include "macros/macroeventitem.h"
#include "macros/macronode.h"

#include <QList>
#include <QString>

// Helpers that turn macro-store records into texts and back, and the index and
// mark rules every writer of the macro store follows.
namespace MacroEventText {

// A stored number: decimal text; anything that is not a number counts as 0.
int toInt(const QString &text);

// The six texts of an event, decoded (caption as UTF-8, the rest as Latin-1).
struct Fields
{
    QString mark;
    QString delay;
    QString type;
    QString keyCode;
    QString codeName;
    QString operateExplain;
};
Fields read(const MacroEventItem &item);

// Builds a record; a text longer than its field is cut to fit, a caption only
// between whole UTF-8 characters, so a record never holds a broken character
// or loses its terminating zero.
MacroEventItem make(const Fields &fields);

// Index of a macro made by adding: the smallest free index from 1 upward,
// following the store's ascending listing.
int indexForAdd(const QList<MacroNode> &nodes);
// Index of a macro made by importing: the last listed index plus 1, 1 in an empty store.
int indexForImport(const QList<MacroNode> &nodes);
// Highest mark of the events plus 1; 0 without events.
int nextMark(const QList<MacroEventItem> &events);

}  // namespace MacroEventText
