#include "sdk/xmlstore/savefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xmlstore {

namespace {

// ".<file name>.quorin-save-XXXXXX": hidden, and with a word no user types into a
// file name, unlike the "<name>.XXXXXX" of a generic save (".backup", ".before").
const char kTempTag[] = ".quorin-save-";
constexpr int kTempSuffixLength = 6;

QByteArray randomSuffix()
{
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray suffix(kTempSuffixLength, 'x');
    for (char &c : suffix)
        c = alphabet[QRandomGenerator::global()->bounded(int(sizeof alphabet - 1))];
    return suffix;
}

SaveResult failed(const char *what, int error = errno)
{
    return SaveResult {false, error, QString::fromLatin1(what)};
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

}  // namespace

SaveResult saveWhole(const QByteArray &path, const QByteArray &bytes, const std::function<void()> &beforeReplace,
                     FileAccess access)
{
    QByteArray target = path;
    const QFileInfo info(QFile::decodeName(path));
    if (info.isSymLink()) {
        const QString resolved = info.symLinkTarget();
        if (!resolved.isEmpty())
            target = QFile::encodeName(resolved);
    }
    const int slash = target.lastIndexOf('/');
    const QByteArray folder = slash >= 0 ? target.left(slash + 1) : QByteArray();
    const QByteArray name = target.mid(slash + 1);
    if (name.isEmpty())
        return failed("no file name", EISDIR);

    // The new file gets the permissions of the one it replaces, less what others
    // may do with a file of the program's own.
    const mode_t allowed = access == FileAccess::OwnerOnly ? 0600 : 07777;
    mode_t mode = access == FileAccess::OwnerOnly ? 0600 : 0666;
    bool replacing = false;
    struct stat st;
    if (::stat(target.constData(), &st) == 0) {
        mode = st.st_mode & allowed;
        replacing = true;
        // The rename needs only the folder's permission: a file made read-only
        // would be replaced all the same without this check.
        if (::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
            return failed("the file is read-only");
    }
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = folder + '.' + name + kTempTag + randomSuffix();
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            return failed("cannot create the temporary file");
    }
    if (fd < 0)
        return failed("cannot create the temporary file");
    // open() applies the umask; a replacement keeps exactly the mode it was given.
    if ((replacing || access == FileAccess::OwnerOnly) && ::fchmod(fd, mode) != 0) {
        const SaveResult result = failed("cannot set the temporary file's permissions");
        ::close(fd);
        ::unlink(temp.constData());
        return result;
    }
    if (!writeAll(fd, bytes) || ::fdatasync(fd) != 0) {
        const SaveResult result = failed("cannot write the temporary file");
        ::close(fd);
        ::unlink(temp.constData());
        return result;
    }
    if (::close(fd) != 0) {
        const SaveResult result = failed("cannot write the temporary file");
        ::unlink(temp.constData());
        return result;
    }
    if (beforeReplace)
        beforeReplace();
    if (::rename(temp.constData(), target.constData()) != 0) {
        const SaveResult result = failed("cannot replace the file");
        ::unlink(temp.constData());
        return result;
    }
    return SaveResult {true, 0, QString()};
}

bool restrictToOwner(const QByteArray &path)
{
    struct stat st;
    if (path.isEmpty() || ::stat(path.constData(), &st) != 0)
        return false;
    const mode_t allowed = S_ISDIR(st.st_mode) ? 0700 : 0600;
    const mode_t mode = st.st_mode & 07777;
    return (mode & ~allowed) == 0 || ::chmod(path.constData(), mode & allowed) == 0;
}

bool makePrivateFolder(const QByteArray &folder)
{
    if (folder.isEmpty())
        return false;
    // Made 0700 from the start: never open to others between mkdir and chmod.
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) {
        if (errno != ENOENT)
            return false;
        const int slash = folder.lastIndexOf('/', folder.endsWith('/') ? folder.size() - 2 : -1);
        // The folders above are not the program's: they get the umask.
        if (slash <= 0 || !QDir().mkpath(QFile::decodeName(folder.left(slash)))
            || (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST))
            return false;
    }
    struct stat st;
    return ::stat(folder.constData(), &st) == 0 && S_ISDIR(st.st_mode) && restrictToOwner(folder);
}

bool makePrivateFile(const QByteArray &path)
{
    if (path.isEmpty())
        return false;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno == EEXIST && restrictToOwner(path);
}

bool isSaveTempName(const QString &fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^\\..+%1[A-Za-z0-9]{%2}$")
                                                .arg(QRegularExpression::escape(QLatin1String(kTempTag)))
                                                .arg(kTempSuffixLength));
    return pattern.match(fileName).hasMatch();
}

}  // namespace xmlstore
