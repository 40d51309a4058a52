#include "macros/macrofile.h"
#include "platform/logcategories.h"

#include "macros/macroeventtext.h"

#include <QBuffer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace MacroFile {

QByteArray write(const QString &index, const QString &name, const QList<MacroEventItem> &events)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter writer(&buffer);
    writer.setCodec("utf-8");
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement("Parameters");
    writer.writeAttribute("profileIndex", "1");
    writer.writeStartElement("macro");
    writer.writeAttribute("index", index);
    writer.writeAttribute("name", name);
    for (const MacroEventItem &event : events) {
        const MacroEventText::Fields f = MacroEventText::read(event);
        writer.writeEmptyElement("item");
        writer.writeAttribute("mark", f.mark);
        writer.writeAttribute("delay", f.delay);
        writer.writeAttribute("type", f.type);
        writer.writeAttribute("keyCode", f.keyCode);
        writer.writeAttribute("codeName", f.codeName);
        writer.writeAttribute("operateExplain", f.operateExplain);
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return writer.hasError() ? QByteArray() : bytes;
}

ReadResult read(QIODevice *device, int maxEvents, Content *content, QString *error)
{
    QXmlStreamReader reader(device);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartDocument()) {
            qCDebug(lcMacro) << reader.documentVersion() << reader.documentEncoding();
        } else if (reader.isStartElement()) {
            const QXmlStreamAttributes a = reader.attributes();
            if (a.hasAttribute("index") && a.hasAttribute("name")) {
                qCDebug(lcMacro) << a.value("index").toString() + " " + a.value("name").toString();
                if (!content->hasName) {
                    content->name = a.value("name").toString();
                    content->hasName = true;
                }
            }
            if (a.hasAttribute("mark") && a.hasAttribute("type")) {
                if (content->events.size() >= maxEvents)
                    return ReadResult::TooManyEvents;
                content->events.append(
                    MacroEventText::make({a.value("mark").toString(), a.value("delay").toString(),
                                          a.value("type").toString(), a.value("keyCode").toString(),
                                          a.value("codeName").toString(), a.value("operateExplain").toString()}));
            }
        }
    }
    if (reader.hasError()) {
        qCDebug(lcMacro) << "error: " << reader.errorString();
        if (error)
            *error = reader.errorString();
        return ReadResult::Damaged;
    }
    return ReadResult::Read;
}

}  // namespace MacroFile
