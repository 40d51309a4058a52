// Export of one macro to its own XML file and import of such a file as a new macro.

#include "macros/dmacropage.h"
#include "macros/macroeventtext.h"
#include "sdk/tavrixxml.h"

#include <QDebug>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

void DMacroPage::onExportMacroChildList(QString strMacroIndex, QString strMacroName)
{
    const QString folder
        = QFileDialog::getExistingDirectory(this, QObject::tr("Save directory"), dialogStartDir,
                                            QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty()) {
        showNotice(QObject::tr("Please select save directory first"));
        return;
    }
    exportMacroTo(folder, strMacroIndex, strMacroName);
}

void DMacroPage::exportMacroTo(const QString &folder, const QString &strMacroIndex, const QString &strMacroName)
{
    QList<MacroEventItem> events;
    CTavrixXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, strMacroIndex.toLatin1(), events);

    // Written whole or not at all: an older export of the same name survives a failed write.
    QSaveFile file(QString("%1/%2.xml").arg(folder, strMacroName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    QXmlStreamWriter writer(&file);
    writer.setCodec("utf-8");
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement("Parameters");
    writer.writeAttribute("profileIndex", "1");
    writer.writeStartElement("macro");
    writer.writeAttribute("index", strMacroIndex);
    writer.writeAttribute("name", strMacroName);
    for (const MacroEventItem &event : qAsConst(events)) {
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
    if (writer.hasError() || !file.commit())
        return;
    showNotice(QObject::tr("Export macro successful"));
}

void DMacroPage::on_pushButton_Import_clicked()
{
    const QString path = QFileDialog::getOpenFileName(this, QObject::tr("Open macro file"), dialogStartDir,
                                                      QObject::tr("Macro files(*.xml)"));
    if (path.isEmpty())
        return;
    importMacroFile(path);
}

void DMacroPage::importMacroFile(const QString &filePath)
{
    QFile file(filePath);
    // Read the file before touching the store, so a file that cannot be read or
    // is damaged leaves no half-made macro behind.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug() << "Error: cannot open file";
        return;
    }
    QList<MacroEventItem> events;
    QXmlStreamReader reader(&file);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartDocument()) {
            qDebug() << reader.documentVersion() << reader.documentEncoding();
        } else if (reader.isStartElement()) {
            const QXmlStreamAttributes a = reader.attributes();
            if (a.hasAttribute("index") && a.hasAttribute("name"))
                qDebug() << a.value("index").toString() + " " + a.value("name").toString();
            if (a.hasAttribute("mark") && a.hasAttribute("type"))
                events.append(
                    MacroEventText::make({a.value("mark").toString(), a.value("delay").toString(),
                                          a.value("type").toString(), a.value("keyCode").toString(),
                                          a.value("codeName").toString(), a.value("operateExplain").toString()}));
        }
    }
    file.close();
    if (reader.hasError()) {
        qDebug() << "error: " << reader.errorString();
        showNotice(QObject::tr("Import macro failed: the file is damaged"));
        return;
    }

    const QString fileName = QFileInfo(filePath).fileName();
    const QString name = fileName.left(fileName.indexOf('.') < 0 ? fileName.size() : fileName.indexOf('.'));
    QList<MacroNode> nodes;
    CTavrixXML_SelectMacroAllNodes(m_macroXmlPath, nodes);
    const QByteArray index = QByteArray::number(MacroEventText::indexForImport(nodes));
    CTavrixXML_CreateMacroXmlParentNode(m_macroXmlPath, index, name.toUtf8());
    CTavrixXML_AddKeyOrMouseEventItem(m_macroXmlPath, events, index);
    loadMacroList();
    showNotice(QObject::tr("Import macro successful"));
}
