#include "sdk/xmlstore/storefiles.h"
#include "platform/logcategories.h"

#include "sdk/tavrixxmlfailure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace xmlstore {

namespace {

thread_local CTavrixXMLFailure t_failure;

void setFailure(CTavrixXMLFailureKind kind, const QByteArray &path, const QString &detail, int line = 0)
{
    t_failure = CTavrixXMLFailure {kind, path, line, detail};
}

// A write that stopped for want of room: a full disk, a quota, or a file-size
// limit of the process.
bool isOutOfSpace(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

// What identifies one version of a file on disk. QSaveFile replaces a file by
// renaming a new one over it, so a rewrite changes the inode even within the
// resolution of the file times.
struct FileStamp
{
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified = {};
    timespec changed = {};

    bool operator==(const FileStamp &o) const
    {
        return device == o.device && inode == o.inode && size == o.size && modified.tv_sec == o.modified.tv_sec
            && modified.tv_nsec == o.modified.tv_nsec && changed.tv_sec == o.changed.tv_sec
            && changed.tv_nsec == o.changed.tv_nsec;
    }
};

bool stampOf(const QByteArray &path, FileStamp *stamp)
{
    struct stat st;
    if (::stat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    stamp->device = st.st_dev;
    stamp->inode = st.st_ino;
    stamp->size = st.st_size;
    stamp->modified = st.st_mtim;
    stamp->changed = st.st_ctim;
    return true;
}

struct CacheEntry
{
    FileStamp stamp;
    DocPtr doc;  // nullptr: the file at this stamp is broken
    // Why a broken file is broken, told again at every call on it.
    CTavrixXMLFailureKind failure = CTavrixXMLFailureKind::None;
    int errorLine = 0;
    QString error;
};

// Only a handful of store files are in use at a time (the layer files of one
// device, the macro and advanced-key files, an export or import file).
constexpr int kMaxCachedFiles = 32;

QMutex &cacheMutex()
{
    static QMutex mutex;
    return mutex;
}

QHash<QByteArray, CacheEntry> &cache()
{
    static QHash<QByteArray, CacheEntry> entries;
    return entries;
}

void remember(const QByteArray &path, const CacheEntry &entry)
{
    auto &entries = cache();
    if (entries.size() >= kMaxCachedFiles && !entries.contains(path))
        entries.clear();
    entries.insert(path, entry);
}

FileState readLocked(const QByteArray &path, DocPtr *doc)
{
    FileStamp stamp;
    if (path.isEmpty() || !stampOf(path, &stamp)) {
        cache().remove(path);
        setFailure(CTavrixXMLFailureKind::Missing, path, QStringLiteral("no such file"));
        return FileState::Missing;
    }
    if (stamp.size == 0) {
        cache().remove(path);
        return FileState::Empty;
    }
    const auto it = cache().constFind(path);
    if (it != cache().constEnd() && it->stamp == stamp) {
        if (doc)
            *doc = it->doc;
        if (!it->doc)
            setFailure(it->failure, path, it->error, it->errorLine);
        return it->doc ? FileState::Valid : FileState::Broken;
    }

    CacheEntry entry;
    entry.stamp = stamp;
    if (stamp.size > kMaxFileSize) {
        entry.failure = CTavrixXMLFailureKind::Damaged;
        entry.error = QStringLiteral("the file is larger than %1 bytes").arg(kMaxFileSize);
    } else {
        QFile file(QFile::decodeName(path));
        if (!file.open(QIODevice::ReadOnly)) {
            entry.failure = CTavrixXMLFailureKind::CannotOpen;
            entry.error = file.errorString();
        } else {
            auto fresh = std::make_shared<StoreDocument>();
            if (StoreDocument::parse(file.read(kMaxFileSize + 1), fresh.get(), &entry.error, &entry.errorLine))
                entry.doc = fresh;
            else
                entry.failure = CTavrixXMLFailureKind::Damaged;
        }
    }
    if (!entry.doc) {
        qCDebug(lcStore).noquote() << "Store file" << QFile::decodeName(path) << "cannot be read:" << entry.error;
        setFailure(entry.failure, path, entry.error, entry.errorLine);
    }
    remember(path, entry);
    if (doc)
        *doc = entry.doc;
    return entry.doc ? FileState::Valid : FileState::Broken;
}

bool writeFailed(const QByteArray &path, int error, const QString &what)
{
    const CTavrixXMLFailureKind kind
        = isOutOfSpace(error) ? CTavrixXMLFailureKind::DiskFull : CTavrixXMLFailureKind::CannotWrite;
    const QString detail = error ? QString::fromLocal8Bit(std::strerror(error)) : what;
    qCDebug(lcStore).noquote() << "Store file" << QFile::decodeName(path) << "cannot be written:" << what << detail;
    setFailure(kind, path, detail);
    return false;
}

bool writeLocked(const QByteArray &path, const StoreDocument &doc)
{
    if (path.isEmpty()) {
        setFailure(CTavrixXMLFailureKind::CannotWrite, path, QStringLiteral("no file name"));
        return false;
    }
    auto kept = std::make_shared<StoreDocument>(doc);
    QSaveFile file(QFile::decodeName(path));
    // Unbuffered: through the write buffer, a short write on a full disk goes
    // unnoticed and commit() would put a truncated file in place of the old one.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailed(path, errno, file.errorString());
    const QByteArray bytes = kept->serialize();
    errno = 0;
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        // Not committed: the QSaveFile removes its temporary file, the old one stays.
        const int error = errno;
        return writeFailed(path, error ? error : ENOSPC,
                           QStringLiteral("%1 of %2 bytes written").arg(written).arg(bytes.size()));
    }
    errno = 0;
    if (!file.commit())
        return writeFailed(path, errno, file.errorString());
    FileStamp stamp;
    if (stampOf(path, &stamp))
        remember(path, CacheEntry {stamp, kept, CTavrixXMLFailureKind::None, 0, QString()});
    else
        cache().remove(path);
    return true;
}

}  // namespace

FileState readStore(const QByteArray &path, DocPtr *doc)
{
    QMutexLocker lock(&cacheMutex());
    t_failure = CTavrixXMLFailure();
    return readLocked(path, doc);
}

DocPtr loadStore(const QByteArray &path)
{
    DocPtr doc;
    return readStore(path, &doc) == FileState::Valid ? doc : nullptr;
}

bool updateStore(const QByteArray &path, const std::function<Change(StoreDocument &)> &change)
{
    QMutexLocker lock(&cacheMutex());
    t_failure = CTavrixXMLFailure();
    DocPtr current;
    if (readLocked(path, &current) != FileState::Valid)
        return false;
    StoreDocument edited = *current;
    switch (change(edited)) {
    case Change::Refused: return false;
    case Change::Unchanged: return true;
    case Change::Changed: break;
    }
    return writeLocked(path, edited);
}

bool writeStore(const QByteArray &path, const StoreDocument &doc)
{
    QMutexLocker lock(&cacheMutex());
    t_failure = CTavrixXMLFailure();
    return writeLocked(path, doc);
}

void clearStoreCache()
{
    QMutexLocker lock(&cacheMutex());
    cache().clear();
}

}  // namespace xmlstore

CTavrixXMLFailure CTavrixXML_LastFailure()
{
    return xmlstore::t_failure;
}

QString CTavrixXML_FailureText(const CTavrixXMLFailure &failure)
{
    const QString file = QDir::toNativeSeparators(QFile::decodeName(failure.path));
    switch (failure.kind) {
    case CTavrixXMLFailureKind::None: break;
    case CTavrixXMLFailureKind::Missing:
        return QCoreApplication::translate("CTavrixXML", "The file %1 does not exist").arg(file);
    case CTavrixXMLFailureKind::CannotOpen:
        return QCoreApplication::translate("CTavrixXML", "The file %1 cannot be opened").arg(file);
    case CTavrixXMLFailureKind::CannotWrite:
        return QCoreApplication::translate("CTavrixXML", "The file %1 cannot be written").arg(file);
    case CTavrixXMLFailureKind::DiskFull:
        return QCoreApplication::translate("CTavrixXML", "The file %1 cannot be saved: the disk is full").arg(file);
    case CTavrixXMLFailureKind::Damaged:
        if (failure.line > 0)
            return QCoreApplication::translate("CTavrixXML", "The file %1 is damaged (line %2)")
                .arg(file)
                .arg(failure.line);
        return QCoreApplication::translate("CTavrixXML", "The file %1 is damaged").arg(file);
    }
    return QString();
}
