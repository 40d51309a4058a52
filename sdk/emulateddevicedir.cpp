#include "sdk/emulateddevicedir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString EmulatedDeviceDir::directory()
{
    const QString dir = qEnvironmentVariable(kEnvironmentVariable);
    if (dir.isEmpty())
        return QString();
    const QFileInfo info(dir);
    if (!info.isDir())
        return QString();
    return QDir::cleanPath(info.absoluteFilePath());
}

QByteArray EmulatedDeviceDir::instanceOf(const QString &path)
{
    if (!parsePath(path, nullptr))
        return QByteArray();
    struct stat status;
    if (lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISSOCK(status.st_mode))
        return QByteArray();
    return QByteArray::number(quint64(status.st_ino)) + ':' + QByteArray::number(qint64(status.st_ctim.tv_sec)) + '.'
        + QByteArray::number(qint64(status.st_ctim.tv_nsec));
}

bool EmulatedDeviceDir::parseFileName(const QString &fileName, Name *name)
{
    static const QRegularExpression pattern(
        QStringLiteral("^vid_([0-9a-f]{4})&pid_([0-9a-f]{4})(?:&([A-Za-z0-9_-]+))?\\.sock$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return false;
    if (name) {
        name->vid = quint16(match.captured(1).toUInt(nullptr, 16));
        name->pid = quint16(match.captured(2).toUInt(nullptr, 16));
        name->tag = match.captured(3);
    }
    return true;
}

bool EmulatedDeviceDir::parsePath(const QString &path, Name *name)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash >= 0 && parseFileName(path.mid(slash + 1), name);
}

QVector<EmulatedDeviceDir::Entry> EmulatedDeviceDir::scan(const QString &dir)
{
    QVector<Entry> entries;
    if (dir.isEmpty())
        return entries;
    const QByteArray encodedDir = QFile::encodeName(dir);
    DIR *handle = opendir(encodedDir.constData());
    if (!handle)
        return entries;
    const int dirFd = dirfd(handle);
    while (const dirent *item = readdir(handle)) {
        const QString fileName = QFile::decodeName(item->d_name);
        if (!parseFileName(fileName, nullptr))
            continue;
        struct stat status;
        if (fstatat(dirFd, item->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISSOCK(status.st_mode))
            continue;
        entries.append({dir + QLatin1Char('/') + fileName, quint64(status.st_ino)});
    }
    closedir(handle);
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.path < b.path; });
    return entries;
}

QJsonObject EmulatedDeviceDir::sidecar(const QString &socketPath)
{
    QFile file(socketPath + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly))
        return QJsonObject();
    // A sidecar is a few lines; anything huge is not one.
    const QByteArray json = file.read(1 << 20);
    return QJsonDocument::fromJson(json).object();
}

QByteArray tavrixFileSystemPath(const char *libraryText)
{
    if (!libraryText)
        return QByteArray();
    const QByteArray raw(libraryText);
    if (raw.isEmpty() || access(raw.constData(), F_OK) == 0)
        return raw;
    const QByteArray fromLatin1 = QFile::encodeName(QString::fromLatin1(raw));
    if (fromLatin1 != raw && access(fromLatin1.constData(), F_OK) == 0)
        return fromLatin1;
    return raw;
}
