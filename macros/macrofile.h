#pragma once

#include "macros/macroeventitem.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// The file one macro is exported to and imported from: a Parameters root with
// one macro element and an item element per event.
namespace MacroFile {

// The bytes of an export: the declaration, the root with profileIndex "1", the
// macro with its index and name and the events in stored order.
QByteArray write(const QString &index, const QString &name, const QList<MacroEventItem> &events);

struct Content
{
    QList<MacroEventItem> events;
    QString name;  // of the first element with index and name
    bool hasName = false;
};

enum class ReadResult
{
    Read,
    Damaged,        // not XML, or it stops early
    TooManyEvents,  // more than maxEvents events
};

// Every element with both mark and type is an event, whatever its name and
// level; missing event attributes are empty. Stops at the first fault.
ReadResult read(QIODevice *device, int maxEvents, Content *content, QString *error = nullptr);

}  // namespace MacroFile
