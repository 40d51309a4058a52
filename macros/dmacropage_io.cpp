// Export of one macro to its own XML file and import of such a file as a new macro.

#include "devicepage/profilecontroller.h"
#include "devicepage/profiledialogs.h"
#include "macros/dmacropage.h"
#include "macros/macroeventtext.h"
#include "macros/macrofile.h"
#include "platform/logcategories.h"
#include "sdk/tavrixxml.h"
#include "widgets/dialogstartfolder.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

void DMacroPage::onExportMacroChildList(QString strMacroIndex, QString strMacroName)
{
    // The desktop folder may have been made or removed since the editor opened.
    dialogStartDir = dialogStartFolder();
    const QString folder
        = QFileDialog::getExistingDirectory(this, QObject::tr("Save directory"), dialogStartDir,
                                            QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty()) {
        showNotice(QObject::tr("Please select save directory first"));
        return;
    }
    exportMacroTo(folder, strMacroIndex, strMacroName);
}

bool DMacroPage::exportMacroTo(const QString &folder, const QString &strMacroIndex, const QString &strMacroName)
{
    // The name becomes one file name inside the chosen folder, never a path.
    const QString fileName = ProfileController::exportFileName(strMacroName);
    if (fileName.isEmpty()) {
        showNotice(QObject::tr("The macro name cannot be used as a file name"));
        return false;
    }
    const QString target = QDir(folder).filePath(fileName + QLatin1String(".xml"));
    if (QFileInfo::exists(target)) {
        const bool replace
            = m_overwriteQuestion ? m_overwriteQuestion(target) : WidgetProfileDialogs(this).confirmOverwrite(target);
        if (!replace)
            return false;
    }

    QList<MacroEventItem> events;
    CTavrixXML_SelectAllKeyOrMouseEvent(m_macroXmlPath, strMacroIndex.toLatin1(), events);

    // Written whole or not at all: an older export of the same name survives a failed write.
    const QByteArray bytes = MacroFile::write(strMacroIndex, strMacroName, events);
    QSaveFile file(target);
    if (!bytes.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
        && file.commit()) {
        showNotice(QObject::tr("Export macro successful"));
        return true;
    }
    qCDebug(lcMacro).noquote() << "Macro export to" << target << "failed:" << file.errorString();
    showNotice(QObject::tr("Export macro failed: the file %1 cannot be written").arg(QDir::toNativeSeparators(target)));
    return false;
}

void DMacroPage::on_pushButton_Import_clicked()
{
    dialogStartDir = dialogStartFolder();
    const QString path = QFileDialog::getOpenFileName(this, QObject::tr("Open macro file"), dialogStartDir,
                                                      QObject::tr("Macro files(*.xml)"));
    if (path.isEmpty())
        return;
    importMacroFile(path);
}

bool DMacroPage::importMacroFile(const QString &filePath)
{
    QFile file(filePath);
    // Read the file before touching the store, so a file that cannot be read, is
    // damaged or is beyond the limits leaves no half-made macro behind.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCDebug(lcMacro) << "Error: cannot open file";
        showNotice(
            QObject::tr("Import macro failed: the file %1 cannot be opened").arg(QDir::toNativeSeparators(filePath)));
        return false;
    }
    if (file.size() > kMaxImportFileBytes) {
        showNotice(QObject::tr("Import macro failed: the file is larger than %1 KiB").arg(kMaxImportFileBytes / 1024));
        return false;
    }
    MacroFile::Content content;
    const MacroFile::ReadResult read = MacroFile::read(&file, kMaxImportEvents, &content);
    file.close();
    if (read == MacroFile::ReadResult::TooManyEvents) {
        showNotice(QObject::tr("Import macro failed: the file holds more than %1 events").arg(kMaxImportEvents));
        return false;
    }
    if (read == MacroFile::ReadResult::Damaged) {
        showNotice(QObject::tr("Import macro failed: the file is damaged"));
        return false;
    }
    const QList<MacroEventItem> &events = content.events;
    const QString &storedName = content.name;
    const bool haveStoredName = content.hasName;

    const QString fileName = QFileInfo(filePath).fileName();
    QString name = fileName.left(fileName.indexOf('.') < 0 ? fileName.size() : fileName.indexOf('.'));
    // An export replaces the characters a file name cannot carry; the name in
    // the file brings the macro's own name back.
    if (haveStoredName && !storedName.contains(QLatin1Char('.'))
        && ProfileController::exportFileName(storedName) == name)
        name = storedName;
    QList<MacroNode> nodes;
    if (!CTavrixXML_SelectMacroAllNodes(m_macroXmlPath, nodes))
        return stored(false);
    if (nodes.size() >= kMaxMacros) {
        showNotice(QObject::tr("Import macro failed: the store already holds %1 macros").arg(kMaxMacros));
        return false;
    }
    const QByteArray index = QByteArray::number(MacroEventText::indexForImport(nodes));
    if (!stored(CTavrixXML_CreateMacroXmlParentNode(m_macroXmlPath, index, name.toUtf8())))
        return false;
    const bool added = stored(CTavrixXML_AddKeyOrMouseEventItem(m_macroXmlPath, events, index));
    if (!added)
        CTavrixXML_DeleteMacroNode(m_macroXmlPath, index);  // no empty macro in its place
    loadMacroList();
    if (added)
        showNotice(QObject::tr("Import macro successful"));
    return added;
}
