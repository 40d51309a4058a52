// Recovery of store files: damaged files moved aside, leftovers of saves removed.

#include "platform/logcategories.h"
#include "sdk/tavrixxmlfailure.h"

#include "sdk/xmlstore/storefiles.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

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
    // QSaveFile writes "<name>.XXXXXX" beside the file and renames it over the
    // file at commit; a process killed before that leaves it behind.
    static const QRegularExpression leftover(QStringLiteral("^.+\\.xml\\.[A-Za-z0-9]{6}$"));
    int removed = 0;
    QDirIterator it(QFile::decodeName(folder), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        if (!leftover.match(it.fileName()).hasMatch())
            continue;
        if (QFile::remove(file))
            ++removed;
        else
            qCDebug(lcStore).noquote() << "Leftover save file" << file << "cannot be removed";
    }
    return removed;
}
