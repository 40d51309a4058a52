#include "sdk/xmlstore/storefiles.h"

#include <QDebug>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QSaveFile>

#include <sys/stat.h>

namespace xmlstore {

namespace {

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

void remember(const QByteArray &path, const FileStamp &stamp, const DocPtr &doc)
{
    auto &entries = cache();
    if (entries.size() >= kMaxCachedFiles && !entries.contains(path))
        entries.clear();
    entries.insert(path, CacheEntry {stamp, doc});
}

FileState readLocked(const QByteArray &path, DocPtr *doc)
{
    FileStamp stamp;
    if (path.isEmpty() || !stampOf(path, &stamp)) {
        cache().remove(path);
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
        return it->doc ? FileState::Valid : FileState::Broken;
    }

    QString error;
    DocPtr parsed;
    if (stamp.size > kMaxFileSize) {
        error = QStringLiteral("the file is larger than %1 bytes").arg(kMaxFileSize);
    } else {
        QFile file(QFile::decodeName(path));
        if (!file.open(QIODevice::ReadOnly)) {
            error = file.errorString();
        } else {
            auto fresh = std::make_shared<StoreDocument>();
            if (StoreDocument::parse(file.read(kMaxFileSize + 1), fresh.get(), &error))
                parsed = fresh;
        }
    }
    if (!parsed)
        qDebug().noquote() << "Store file" << QFile::decodeName(path) << "cannot be read:" << error;
    remember(path, stamp, parsed);
    if (doc)
        *doc = parsed;
    return parsed ? FileState::Valid : FileState::Broken;
}

bool writeLocked(const QByteArray &path, const StoreDocument &doc)
{
    if (path.isEmpty())
        return false;
    auto kept = std::make_shared<StoreDocument>(doc);
    QSaveFile file(QFile::decodeName(path));
    // Unbuffered: through the write buffer, a short write on a full disk goes
    // unnoticed and commit() would put a truncated file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = kept->serialize();
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        // Not committed: the QSaveFile removes its temporary file, the old one stays.
        qDebug().noquote() << "Store file" << QFile::decodeName(path) << "cannot be written:" << written << "of"
                           << bytes.size() << "bytes written";
        return false;
    }
    if (!file.commit()) {
        qDebug().noquote() << "Store file" << QFile::decodeName(path) << "cannot be written:" << file.errorString();
        return false;
    }
    FileStamp stamp;
    if (stampOf(path, &stamp))
        remember(path, stamp, kept);
    else
        cache().remove(path);
    return true;
}

}  // namespace

FileState readStore(const QByteArray &path, DocPtr *doc)
{
    QMutexLocker lock(&cacheMutex());
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
    return writeLocked(path, doc);
}

void clearStoreCache()
{
    QMutexLocker lock(&cacheMutex());
    cache().clear();
}

}  // namespace xmlstore
