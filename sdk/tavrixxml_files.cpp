// Recovery of store files: damaged files moved aside, leftovers of saves removed.

#include "platform/logcategories.h"
#include "sdk/tavrixxmlfailure.h"

#include "sdk/tavrixxml.h"
#include "sdk/xmlstore/savefile.h"
#include "sdk/xmlstore/storefiles.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace xmlstore;

bool CTavrixXML_MoveDamagedAside(const QByteArray &path, QByteArray *movedTo)
{
    if (readStore(path) != FileState::Broken)
        return false;
    const QString file = QFile::decodeName(path);
    const QString base
        = file + QLatin1String(".damaged-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(file, target)) {
        qCDebug(lcStore).noquote() << "Store file" << file << "cannot be moved to" << target;
        return false;
    }
    readStore(path);  // forget the damaged copy
    if (movedTo)
        *movedTo = QFile::encodeName(target);
    return true;
}

int CTavrixXML_RemoveLeftoverTempFiles(const QByteArray &folder)
{
    if (folder.isEmpty())
        return 0;
    // Only the store's own temporary names are removed. Files named like the
    // "<name>.xml.XXXXXX" of earlier versions' saves stay: "appMacro.xml.before"
    // or "appProfile_Default.xml.backup" may be the user's own.
    int removed = 0;
    QDirIterator it(QFile::decodeName(folder), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (!isSaveTempName(it.fileName()))
            continue;
        if (QFile::remove(file))
            ++removed;
        else
            qCDebug(lcStore).noquote() << "Leftover save file" << file << "cannot be removed";
    }
    return removed;
}

CTavrixXMLBatch::CTavrixXMLBatch(const QByteArray &path) : m_path(path), m_owner(beginBatch(path))
{ }

CTavrixXMLBatch::~CTavrixXMLBatch()
{
    if (m_owner)
        discardBatch(m_path);
}

bool CTavrixXMLBatch::commit()
{
    if (!m_owner)
        return true;
    m_owner = false;
    return commitBatch(m_path);
}
