#include "sdk/xmlstore/storefiles.h"
#include "platform/logcategories.h"

#include "sdk/tavrixxmlfailure.h"
#include "sdk/xmlstore/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xmlstore {

namespace {

thread_local CTavrixXMLFailure t_failure;

void setFailure(CTavrixXMLFailureKind kind, const QByteArray &path, const QString &detail, int line = 0,
                CTavrixXMLDamage damage = CTavrixXMLDamage::Unknown, int systemError = 0)
{
    t_failure = CTavrixXMLFailure {kind, path, line, detail, damage, systemError};
}

// A write that stopped for want of room: a full disk, a quota, or a file-size
// limit of the process.
bool isOutOfSpace(int error)
{
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

// What identifies one version of a file on disk. A save replaces a file by
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

// 0 when path names a regular file (links followed), else why not: an errno
// value, EINVAL for something that is no regular file (a folder, a FIFO, a device).
int statOf(const QByteArray &path, FileStamp *stamp)
{
    struct stat st;
    if (path.isEmpty())
        return ENOENT;
    if (::stat(path.constData(), &st) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    stamp->device = st.st_dev;
    stamp->inode = st.st_ino;
    stamp->size = st.st_size;
    stamp->modified = st.st_mtim;
    stamp->changed = st.st_ctim;
    return 0;
}

bool stampOf(const QByteArray &path, FileStamp *stamp)
{
    return statOf(path, stamp) == 0;
}

struct CacheEntry
{
    FileStamp stamp;
    DocPtr doc;  // nullptr: the file at this stamp is broken
    // Why a broken file is broken, told again at every call on it.
    CTavrixXMLFailureKind failure = CTavrixXMLFailureKind::None;
    int errorLine = 0;
    QString error;
    CTavrixXMLDamage damage = CTavrixXMLDamage::Unknown;
    int systemError = 0;
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

// Batched paths and what was collected for each (nullptr: nothing written yet,
// reads still come from the file).
QHash<QByteArray, DocPtr> &batches()
{
    static QHash<QByteArray, DocPtr> pending;
    return pending;
}

// The failure of the last write to each path that could not be made, until one
// succeeds: a file that is missing because it could not be saved is told by that
// reason (a full disk), not as one that does not exist.
QHash<QByteArray, CTavrixXMLFailure> &failedWrites()
{
    static QHash<QByteArray, CTavrixXMLFailure> failures;
    return failures;
}

std::function<void(const QByteArray &)> &writeHook()
{
    static std::function<void(const QByteArray &)> hook;
    return hook;
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
    const auto batched = batches().constFind(path);
    if (batched != batches().constEnd() && *batched) {
        if (doc)
            *doc = *batched;
        return FileState::Valid;
    }
    FileStamp stamp;
    const int statError = statOf(path, &stamp);
    if (statError == ENOENT || statError == ENOTDIR) {
        cache().remove(path);
        const auto failedWrite = failedWrites().constFind(path);
        if (failedWrite != failedWrites().constEnd())
            t_failure = *failedWrite;
        else
            setFailure(CTavrixXMLFailureKind::Missing, path, QStringLiteral("no such file"));
        return FileState::Missing;
    }
    if (statError != 0) {
        // Never opened: a FIFO would block the reader, a folder reads as nothing.
        cache().remove(path);
        const QString detail = statError == EINVAL ? QStringLiteral("not a regular file")
                                                   : QString::fromLocal8Bit(std::strerror(statError));
        qCDebug(lcStore).noquote() << "Store file" << QFile::decodeName(path) << "cannot be read:" << detail;
        setFailure(CTavrixXMLFailureKind::CannotOpen, path, detail, 0, CTavrixXMLDamage::Unknown, statError);
        return FileState::Broken;
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
            setFailure(it->failure, path, it->error, it->errorLine, it->damage, it->systemError);
        return it->doc ? FileState::Valid : FileState::Broken;
    }

    CacheEntry entry;
    entry.stamp = stamp;
    if (stamp.size > kMaxFileSize) {
        entry.failure = CTavrixXMLFailureKind::TooLarge;
        entry.error = QStringLiteral("the file is larger than %1 bytes").arg(kMaxFileSize);
    } else {
        QFile file(QFile::decodeName(path));
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            entry.failure = CTavrixXMLFailureKind::CannotOpen;
            entry.systemError = fd < 0 ? errno : 0;
            entry.error = fd < 0 ? QString::fromLocal8Bit(std::strerror(entry.systemError)) : file.errorString();
            if (fd >= 0)
                ::close(fd);
        } else {
            auto fresh = std::make_shared<StoreDocument>();
            if (StoreDocument::parse(file.read(kMaxFileSize + 1), fresh.get(), &entry.error, &entry.errorLine,
                                     &entry.damage))
                entry.doc = fresh;
            else
                entry.failure = entry.damage == CTavrixXMLDamage::LongText ? CTavrixXMLFailureKind::TooLarge
                                                                           : CTavrixXMLFailureKind::Damaged;
        }
    }
    if (!entry.doc) {
        qCDebug(lcStore).noquote() << "Store file" << QFile::decodeName(path) << "cannot be read:" << entry.error;
        setFailure(entry.failure, path, entry.error, entry.errorLine, entry.damage, entry.systemError);
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
    setFailure(kind, path, detail, 0, CTavrixXMLDamage::Unknown, error);
    if (!path.isEmpty())
        failedWrites().insert(path, t_failure);
    return false;
}

bool writeToDisk(const QByteArray &path, const std::shared_ptr<const StoreDocument> &kept);

bool writeLocked(const QByteArray &path, const StoreDocument &doc)
{
    if (path.isEmpty()) {
        setFailure(CTavrixXMLFailureKind::CannotWrite, path, QStringLiteral("no file name"));
        return false;
    }
    auto kept = std::make_shared<const StoreDocument>(doc);
    const auto batched = batches().find(path);
    if (batched != batches().end()) {
        *batched = kept;
        return true;
    }
    return writeToDisk(path, kept);
}

bool writeToDisk(const QByteArray &path, const std::shared_ptr<const StoreDocument> &kept)
{
    const QByteArray bytes = kept->serialize();
    // A file the next read would refuse is not written: the old one stays usable.
    if (bytes.size() > kMaxFileSize)
        return writeFailed(path, 0, QStringLiteral("%1 bytes are above the store's limit").arg(bytes.size()));
    // An exported profile goes where the user chose, to be kept or passed on as
    // the user sees fit; every other store file is the program's own.
    const FileAccess access = kept->exported ? FileAccess::UserChoice : FileAccess::OwnerOnly;
    const SaveResult saved = saveWhole(
        path, bytes,
        [&path] {
            if (writeHook())
                writeHook()(path);
        },
        access);
    if (!saved.ok)
        return writeFailed(path, saved.error, saved.what);
    failedWrites().remove(path);
    FileStamp stamp;
    if (stampOf(path, &stamp))
        remember(path,
                 CacheEntry {stamp, kept, CTavrixXMLFailureKind::None, 0, QString(), CTavrixXMLDamage::Unknown, 0});
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

bool beginBatch(const QByteArray &path)
{
    QMutexLocker lock(&cacheMutex());
    if (path.isEmpty() || batches().contains(path))
        return false;
    batches().insert(path, nullptr);
    return true;
}

bool commitBatch(const QByteArray &path)
{
    QMutexLocker lock(&cacheMutex());
    t_failure = CTavrixXMLFailure();
    const DocPtr collected = batches().take(path);
    return !collected || writeToDisk(path, collected);
}

void discardBatch(const QByteArray &path)
{
    QMutexLocker lock(&cacheMutex());
    batches().remove(path);
}

void setWriteHook(std::function<void(const QByteArray &path)> hook)
{
    QMutexLocker lock(&cacheMutex());
    writeHook() = std::move(hook);
}

void clearStoreCache()
{
    QMutexLocker lock(&cacheMutex());
    cache().clear();
    failedWrites().clear();
}

}  // namespace xmlstore

CTavrixXMLFailure CTavrixXML_LastFailure()
{
    return xmlstore::t_failure;
}

namespace {

// What is wrong in a damaged file, in words for the user; empty when unknown.
QString damageText(CTavrixXMLDamage damage)
{
    switch (damage) {
    case CTavrixXMLDamage::Unknown:
    case CTavrixXMLDamage::LongText: break;
    case CTavrixXMLDamage::NotXml: return QCoreApplication::translate("CTavrixXML", "its text is not well-formed XML");
    case CTavrixXMLDamage::CutShort:
        return QCoreApplication::translate("CTavrixXML", "it ends too early, as if its writing was cut short");
    case CTavrixXMLDamage::Declarations:
        return QCoreApplication::translate(
            "CTavrixXML", "it holds a document type declaration, which no settings file of this program holds");
    case CTavrixXMLDamage::NulBytes:
        return QCoreApplication::translate("CTavrixXML", "it holds NUL bytes, as binary data does, not text");
    case CTavrixXMLDamage::BadEncoding:
        return QCoreApplication::translate("CTavrixXML", "it holds bytes that are not UTF-8 text");
    case CTavrixXMLDamage::WrongRoot:
        return QCoreApplication::translate("CTavrixXML", "it is no settings file of this program");
    case CTavrixXMLDamage::NewerVersion:
        return QCoreApplication::translate("CTavrixXML", "it was written by a newer version of this program");
    case CTavrixXMLDamage::UnknownElement:
        return QCoreApplication::translate(
            "CTavrixXML", "it holds an element this program does not know, or one nested where it does not belong");
    case CTavrixXMLDamage::MissingValue:
        return QCoreApplication::translate("CTavrixXML", "a value is missing or cannot be read");
    case CTavrixXMLDamage::BadValue:
        return QCoreApplication::translate("CTavrixXML", "a value is not a number or is out of its range");
    case CTavrixXMLDamage::Twice:
        return QCoreApplication::translate("CTavrixXML", "an entry that must be unique appears twice");
    case CTavrixXMLDamage::TooMany:
        return QCoreApplication::translate("CTavrixXML",
                                           "it holds more profiles or advanced keys than this program allows");
    }
    return QString();
}

// Why a file could not be opened or written, for the user; empty when unknown.
QString systemErrorText(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return QCoreApplication::translate("CTavrixXML", "you have no permission for it or its folder");
    case EROFS: return QCoreApplication::translate("CTavrixXML", "it is on a read-only disk");
    case EISDIR: return QCoreApplication::translate("CTavrixXML", "it is a folder");
    case EINVAL: return QCoreApplication::translate("CTavrixXML", "it is no regular file");
    case ENOTDIR: return QCoreApplication::translate("CTavrixXML", "a part of its path is no folder");
    case EFBIG: return QCoreApplication::translate("CTavrixXML", "the file-size limit of the program is reached");
    case EIO: return QCoreApplication::translate("CTavrixXML", "the disk reports an input/output error");
    default: return QString();
    }
}

}  // namespace

QString CTavrixXML_FailureText(const CTavrixXMLFailure &failure)
{
    const QString file = QDir::toNativeSeparators(QFile::decodeName(failure.path));
    const QString cause = systemErrorText(failure.systemError);
    switch (failure.kind) {
    case CTavrixXMLFailureKind::None: break;
    case CTavrixXMLFailureKind::Missing:
        return QCoreApplication::translate("CTavrixXML", "The file %1 does not exist").arg(file);
    case CTavrixXMLFailureKind::CannotOpen:
        if (!cause.isEmpty())
            return QCoreApplication::translate("CTavrixXML", "The file %1 cannot be read: %2").arg(file, cause);
        return QCoreApplication::translate("CTavrixXML", "The file %1 cannot be opened").arg(file);
    case CTavrixXMLFailureKind::CannotWrite:
        if (!cause.isEmpty())
            return QCoreApplication::translate("CTavrixXML", "The file %1 cannot be written: %2").arg(file, cause);
        return QCoreApplication::translate("CTavrixXML", "The file %1 cannot be written").arg(file);
    case CTavrixXMLFailureKind::DiskFull:
        if (failure.systemError == EFBIG)
            return QCoreApplication::translate("CTavrixXML", "The file %1 cannot be saved: %2").arg(file, cause);
        return QCoreApplication::translate("CTavrixXML", "The file %1 cannot be saved: the disk is full").arg(file);
    case CTavrixXMLFailureKind::TooLarge:
        if (failure.line > 0)
            return QCoreApplication::translate(
                       "CTavrixXML",
                       "The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings "
                       "file holds")
                .arg(file)
                .arg(failure.line)
                .arg(xmlstore::kMaxTextBytes / 1024);
        return QCoreApplication::translate(
                   "CTavrixXML", "The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds")
            .arg(file)
            .arg(xmlstore::kMaxFileSize / (1024 * 1024));
    case CTavrixXMLFailureKind::Damaged: {
        const QString what = damageText(failure.damage);
        if (failure.line > 0 && !what.isEmpty())
            return QCoreApplication::translate("CTavrixXML", "The file %1 is damaged (line %2): %3")
                .arg(file)
                .arg(failure.line)
                .arg(what);
        if (!what.isEmpty())
            return QCoreApplication::translate("CTavrixXML", "The file %1 is damaged: %2").arg(file, what);
        if (failure.line > 0)
            return QCoreApplication::translate("CTavrixXML", "The file %1 is damaged (line %2)")
                .arg(file)
                .arg(failure.line);
        return QCoreApplication::translate("CTavrixXML", "The file %1 is damaged").arg(file);
    }
    }
    return QString();
}
