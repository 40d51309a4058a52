#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

// The folder of emulated keyboards. When TAVRIX_EMU_DIR names a directory,
// every listening SOCK_SEQPACKET socket in it named
//   vid_VVVV&pid_PPPP.sock  or  vid_VVVV&pid_PPPP&TAG.sock
// (VVVV, PPPP four lower-case hex digits, TAG [A-Za-z0-9_-]+) is a device whose
// path is the socket's absolute path. Other files are ignored.
class EmulatedDeviceDir
{
public:
    static constexpr const char *kEnvironmentVariable = "TAVRIX_EMU_DIR";

    struct Name
    {
        quint16 vid = 0;
        quint16 pid = 0;
        QString tag;
    };

    struct Entry
    {
        QString path;       // absolute
        quint64 inode = 0;  // tells a socket apart from one made again under the same name
    };

    // The absolute folder named by the environment, or empty when it is unset
    // or not a directory.
    static QString directory();

    static bool parseFileName(const QString &fileName, Name *name);
    // True when the path's file name fits the pattern (whatever its folder).
    static bool parsePath(const QString &path, Name *name);

    // What tells one plug of a device from the next at the same path: for an
    // emulated socket its inode and change time (a socket made again gets new
    // ones); empty for any other path (a real device's sysfs path already names
    // its kernel instance, which a new plug changes) and for a path that is gone.
    static QByteArray instanceOf(const QString &path);

    // The sockets in dir whose names fit, sorted by path.
    static QVector<Entry> scan(const QString &dir);

    // The optional "<socket path>.json" beside a device; empty when absent or
    // not a JSON object.
    static QJsonObject sidecar(const QString &socketPath);
};

// Turns a path text handed to the library (Latin-1 by convention, though paths
// the library reported are file-system bytes) into the file-system path.
QByteArray tavrixFileSystemPath(const char *libraryText);
