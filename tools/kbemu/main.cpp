// kbemu: serves emulated keyboards as sockets in a folder, for the application's
// emulated transport. See README.md beside this file.

#include "emudevice.h"
#include "emufirmware.h"
#include "emuscript.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

struct DeviceOptions
{
    QString model;
    QString tag;
    QString serial;
    bool serialGiven = false;
    QString script;
    QString log;
    qint64 logLimit = 0;  // bytes; 0: no limit
    bool receiver = false;
    bool bootloader = false;
};

struct Options
{
    QString dir;
    QList<DeviceOptions> devices;
};

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    // Nothing else is safe in a signal handler; the event loop does the rest.
    (void)!::write(signalPipe[1], &byte, 1);
}

const char *usage()
{
    return "usage: kbemu --dir DIR --model NAME [--tag T] [--serial S] [--script FILE] [--receiver] [--bootloader]\n"
           "             [--log FILE [--log-limit BYTES]] [--model NAME [...]]...\n"
           "       kbemu --help\n"
           "Each --model starts a device; the options after it apply to that device.\n";
}

const char *help()
{
    return "Serves emulated keyboards as sockets in DIR (the application reads the folder named by\n"
           "TAVRIX_EMU_DIR) until SIGTERM or SIGINT.\n"
           "\n"
           "  --dir DIR        folder of the sockets (made when missing)\n"
           "  --model NAME     start a device of this model (QR108, QM68, QB84); the options below\n"
           "                   apply to the device of the --model before them\n"
           "  --tag T          tells alike devices apart ([A-Za-z0-9_-]+); part of the socket name\n"
           "  --serial S       serial number text (at most 32 bytes)\n"
           "  --script FILE    script lines run before the socket appears (see README.md)\n"
           "  --receiver       the device is the model's 2.4 GHz receiver\n"
           "  --bootloader     the keyboard starts in its firmware-update mode (its USB bootloader,\n"
           "                   or the chip-upgrade mode of QB84)\n"
           "                   and comes back as the keyboard once flashed\n"
           "  --log FILE       where the received reports go (default: standard output)\n"
           "  --log-limit BYTES  keeps the log file under BYTES: a full file becomes FILE.1\n"
           "                   (replacing the one before) and a new FILE starts\n"
           "  --help           print this text\n"
           "\n"
           "A keyboard answers the update-mode report by leaving for its update mode; DIR/firmware/\n"
           "gets a test image newer than the emulated firmware (V1.01, chip keyboards V1.1).\n";
}

bool parseArgs(const QStringList &args, Options *out, QString *error)
{
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--bootloader")) {
            if (out->devices.isEmpty())
                return (*error = QStringLiteral("--bootloader before --model")), false;
            out->devices.last().bootloader = true;
            continue;
        }
        if (a == QLatin1String("--receiver")) {
            if (out->devices.isEmpty())
                return (*error = QStringLiteral("--receiver before --model")), false;
            out->devices.last().receiver = true;
            continue;
        }
        if (i + 1 >= args.size())
            return (*error = QStringLiteral("%1 needs a value").arg(a)), false;
        const QString value = args[++i];
        if (a == QLatin1String("--dir")) {
            out->dir = value;
            continue;
        }
        if (a == QLatin1String("--model")) {
            out->devices.append(DeviceOptions {});
            out->devices.last().model = value;
            continue;
        }
        if (out->devices.isEmpty())
            return (*error = QStringLiteral("%1 before --model").arg(a)), false;
        DeviceOptions &d = out->devices.last();
        if (a == QLatin1String("--tag"))
            d.tag = value;
        else if (a == QLatin1String("--serial"))
            d.serial = value, d.serialGiven = true;
        else if (a == QLatin1String("--script"))
            d.script = value;
        else if (a == QLatin1String("--log"))
            d.log = value;
        else if (a == QLatin1String("--log-limit")) {
            bool ok = false;
            d.logLimit = value.toLongLong(&ok);
            if (!ok || d.logLimit < 1)
                return (*error = QStringLiteral("--log-limit needs a number of bytes above 0")), false;
        } else
            return (*error = QStringLiteral("unknown option %1").arg(a)), false;
    }
    if (out->dir.isEmpty() || out->devices.isEmpty())
        return (*error = QStringLiteral("--dir and --model are required")), false;
    for (const DeviceOptions &d : qAsConst(out->devices))
        if (d.logLimit > 0 && d.log.isEmpty())
            return (*error = QStringLiteral("--log-limit without --log")), false;
    return true;
}

// A log file kept under a size: the full file becomes FILE.1 and a new one starts,
// so a long run with live lighting takes at most twice the limit on disk.
class LogFile
{
public:
    LogFile(const QString &path, qint64 limit) : m_file(path), m_limit(limit) { }

    bool open(QString *error)
    {
        if (m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            return true;
        *error = m_file.errorString();
        return false;
    }

    void write(const QByteArray &line)
    {
        if (m_limit > 0 && m_file.size() > 0 && m_file.size() + line.size() > m_limit)
            turnOver();
        if (!m_file.isOpen())
            return;
        m_file.write(line);
        m_file.flush();
    }

private:
    void turnOver()
    {
        const QString path = m_file.fileName();
        m_file.close();
        QFile::remove(path + QStringLiteral(".1"));
        if (!QFile::rename(path, path + QStringLiteral(".1")))
            QFile::remove(path);
        // Not reopened when the folder went away: the log stops, the keyboard goes on.
        (void)m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
    }

    QFile m_file;
    qint64 m_limit;
};

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);

    if (app.arguments().contains(QStringLiteral("--help")) || app.arguments().contains(QStringLiteral("-h"))) {
        QTextStream(stdout) << usage() << "\n" << help();
        return 0;
    }

    Options options;
    QString error;
    if (!parseArgs(app.arguments(), &options, &error)) {
        err << "kbemu: " << error << "\n" << usage();
        return 2;
    }

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        err << "kbemu: cannot set up signal handling\n";
        return 1;
    }
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::quit(); });
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);

    std::vector<std::unique_ptr<EmuDevice>> devices;
    std::vector<std::unique_ptr<EmuFirmwareCycle>> cycles;
    std::vector<std::unique_ptr<LogFile>> logs;
    QFile stdoutFile;
    stdoutFile.open(stdout, QIODevice::WriteOnly);
    const bool severalOnStdout = std::count_if(options.devices.begin(), options.devices.end(),
                                               [](const DeviceOptions &d) { return d.log.isEmpty(); })
        > 1;

    for (const DeviceOptions &o : options.devices) {
        const EmuModelInfo model = EmuModels::find(o.model);
        if (!model.isValid()) {
            err << "kbemu: unknown model " << o.model << "\n";
            return 2;
        }
        if (o.receiver && !model.hasReceiver()) {
            err << "kbemu: " << model.name << " has no receiver\n";
            return 2;
        }
        auto device = std::make_unique<EmuDevice>(options.dir, model, o.tag, o.receiver);
        LogFile *file = nullptr;
        if (!o.log.isEmpty()) {
            logs.push_back(std::make_unique<LogFile>(o.log, o.logLimit));
            if (!logs.back()->open(&error)) {
                err << "kbemu: " << o.log << ": " << error << "\n";
                return 1;
            }
            file = logs.back().get();
        }
        const QString prefix = (severalOnStdout && o.log.isEmpty())
            ? EmuDevice::socketFileName(model.vid, device->keyboard()->pid(), o.tag) + QLatin1Char(' ')
            : QString();
        device->setLineSink([file, &stdoutFile, prefix](const QString &line) {
            const QByteArray bytes = (prefix + line + QLatin1Char('\n')).toLatin1();
            if (file) {
                file->write(bytes);
            } else {
                stdoutFile.write(bytes);
                stdoutFile.flush();
            }
        });
        device->setKeepReceived(false);
        if (o.serialGiven)
            device->keyboard()->state().serial = o.serial.toLatin1().left(32);
        EmuScript script(device.get());
        if (!o.script.isEmpty() && !script.runFile(o.script, &error)) {
            err << "kbemu: " << o.script << ": " << error << "\n";
            return 2;
        }
        if (!EmuFirmwareImages::write(options.dir, *device, &error)) {
            err << "kbemu: " << EmuFirmwareImages::folder(options.dir) << ": " << error << "\n";
            return 1;
        }
        // The keyboard leaves for its bootloader when asked to, and comes back flashed.
        auto cycle = std::make_unique<EmuFirmwareCycle>(device.get());
        const bool started = o.bootloader ? cycle->startInBootloader(&error) : device->start(&error);
        if (!started) {
            err << "kbemu: " << device->socketPath() << ": " << error << "\n";
            return 1;
        }
        cycles.push_back(std::move(cycle));
        devices.push_back(std::move(device));
    }

    const int rc = app.exec();
    // Sockets go away before the process does, so the host sees a removal.
    cycles.clear();
    devices.clear();
    return rc;
}
