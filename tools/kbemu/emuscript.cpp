#include "emuscript.h"

#include "emudevice.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTimer>

#include <memory>

namespace {

const QRegularExpression &whitespace()
{
    static const QRegularExpression ws(QStringLiteral("\\s+"));
    return ws;
}

// A number in decimal or with a 0x prefix, inside [min, max].
bool number(const QString &text, int min, int max, int *out, QString *error)
{
    bool ok = false;
    const int value = text.toInt(&ok, 0);
    if (!ok || value < min || value > max) {
        *error = QStringLiteral("\"%1\" is not a number from %2 to %3").arg(text).arg(min).arg(max);
        return false;
    }
    *out = value;
    return true;
}

// Hex bytes given one per token ("01 13 0") or as one packed run ("011300").
bool hexBytes(const QStringList &tokens, QByteArray *out, QString *error)
{
    QStringList pairs;
    if (tokens.size() == 1 && tokens.first().size() > 2) {
        const QString &run = tokens.first();
        for (int i = 0; i < run.size(); i += 2)
            pairs.append(run.mid(i, 2));
    } else {
        pairs = tokens;
    }
    out->clear();
    for (const QString &p : pairs) {
        bool ok = false;
        const uint v = p.toUInt(&ok, 16);
        if (!ok || p.size() > 2) {
            *error = QStringLiteral("\"%1\" is not a hex byte").arg(p);
            return false;
        }
        out->append(static_cast<char>(v));
    }
    return true;
}

bool argCount(const QStringList &args, int min, int max, QString *error)
{
    if (args.size() >= min && (max < 0 || args.size() <= max))
        return true;
    *error = QStringLiteral("wrong number of arguments");
    return false;
}

// The single "on" or "off" argument of a switch verb.
bool onOff(const QStringList &args, const char *verb, bool *on, QString *error)
{
    if (!argCount(args, 1, 1, error))
        return false;
    if (args[0] != QLatin1String("on") && args[0] != QLatin1String("off")) {
        *error = QStringLiteral("%1 takes on or off").arg(QLatin1String(verb));
        return false;
    }
    *on = args[0] == QLatin1String("on");
    return true;
}

// A reply byte, or "any" for every reply.
bool replyByte(const QString &text, int *out, QString *error)
{
    if (text == QLatin1String("any")) {
        *out = EmuKeyboard::AllReplies;
        return true;
    }
    return number(text, 0, 255, out, error);
}

// A count, or "all".
bool count(const QString &text, int *out, QString *error)
{
    if (text == QLatin1String("all")) {
        *out = -1;
        return true;
    }
    return number(text, 0, 1000000, out, error);
}

}  // namespace

const QMap<QString, EmuScript::Verb> &EmuScript::verbs()
{
    static const QMap<QString, Verb> table = {
        {QStringLiteral("serial"), &EmuScript::verbSerial},
        {QStringLiteral("serial-hex"), &EmuScript::verbSerialHex},
        {QStringLiteral("silent"), &EmuScript::verbSilent},
        {QStringLiteral("serial-lock"), &EmuScript::verbSerialLock},
        {QStringLiteral("drop"), &EmuScript::verbDrop},
        {QStringLiteral("delay"), &EmuScript::verbDelay},
        {QStringLiteral("answer"), &EmuScript::verbAnswer},
        {QStringLiteral("answer-raw"), &EmuScript::verbAnswerRaw},
        {QStringLiteral("send"), &EmuScript::verbSend},
        {QStringLiteral("send-raw"), &EmuScript::verbSendRaw},
        {QStringLiteral("status"), &EmuScript::verbStatus},
        {QStringLiteral("link"), &EmuScript::verbLink},
        {QStringLiteral("download-result"), &EmuScript::verbDownloadResult},
        {QStringLiteral("calibration-result"), &EmuScript::verbCalibrationResult},
        {QStringLiteral("sixkey"), &EmuScript::verbSixKey},
        {QStringLiteral("fullkey"), &EmuScript::verbFullKey},
        {QStringLiteral("hostkey"), &EmuScript::verbHostKey},
        {QStringLiteral("travel"), &EmuScript::verbTravel},
        {QStringLiteral("bitmap"), &EmuScript::verbBitmap},
        {QStringLiteral("firmware"), &EmuScript::verbFirmware},
        {QStringLiteral("vanish"), &EmuScript::verbVanish},
        {QStringLiteral("return"), &EmuScript::verbReturn},
        {QStringLiteral("at"), &EmuScript::verbAt},
        {QStringLiteral("after"), &EmuScript::verbAfter},
        {QStringLiteral("repeat"), &EmuScript::verbRepeat},
    };
    return table;
}

bool EmuScript::compile(const QString &line, Action *action, QString *error)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) {
        *action = [] {};
        return true;
    }
    QStringList words = trimmed.split(whitespace(), Qt::SkipEmptyParts);
    const QString verb = words.takeFirst();
    const Verb handler = verbs().value(verb, nullptr);
    if (!handler) {
        *error = QStringLiteral("unknown instruction \"%1\"").arg(verb);
        return false;
    }
    return (this->*handler)(words, action, error);
}

bool EmuScript::run(const QString &line, QString *error)
{
    Action action;
    QString why;
    if (!compile(line, &action, &why)) {
        if (error)
            *error = why;
        return false;
    }
    action();
    return true;
}

bool EmuScript::runText(const QString &text, QString *error)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString why;
        if (!run(lines[i], &why)) {
            if (error)
                *error = QStringLiteral("line %1: %2").arg(i + 1).arg(why);
            return false;
        }
    }
    return true;
}

bool EmuScript::runFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return runText(QString::fromUtf8(file.readAll()), error);
}

// ---- verbs -----------------------------------------------------------------------------

bool EmuScript::verbSerial(const QStringList &args, Action *action, QString *error)
{
    // No argument: an empty serial number. The text is sent as Latin-1, cut to 32 bytes.
    const QByteArray serial = args.join(QLatin1Char(' ')).toLatin1().left(32);
    Q_UNUSED(error)
    EmuDevice *d = m_device;
    *action = [d, serial] { d->keyboard()->state().serial = serial; };
    return true;
}

bool EmuScript::verbSerialHex(const QStringList &args, Action *action, QString *error)
{
    QByteArray serial;
    if (!hexBytes(args, &serial, error))
        return false;
    EmuDevice *d = m_device;
    serial = serial.left(32);
    *action = [d, serial] { d->keyboard()->state().serial = serial; };
    return true;
}

bool EmuScript::verbSerialLock(const QStringList &args, Action *action, QString *error)
{
    bool on = false;
    if (!onOff(args, "serial-lock", &on, error))
        return false;
    EmuDevice *d = m_device;
    *action = [d, on] { d->keyboard()->setSerialLocked(on); };
    return true;
}

bool EmuScript::verbSilent(const QStringList &args, Action *action, QString *error)
{
    bool on = false;
    if (!onOff(args, "silent", &on, error))
        return false;
    EmuDevice *d = m_device;
    *action = [d, on] { d->keyboard()->setSilent(on); };
    return true;
}

bool EmuScript::verbDrop(const QStringList &args, Action *action, QString *error)
{
    int reply = 0;
    int n = 0;
    if (!argCount(args, 2, 2, error) || !replyByte(args[0], &reply, error) || !count(args[1], &n, error))
        return false;
    EmuDevice *d = m_device;
    *action = [d, reply, n] { d->keyboard()->dropReplies(reply, n); };
    return true;
}

bool EmuScript::verbDelay(const QStringList &args, Action *action, QString *error)
{
    int reply = 0;
    int ms = 0;
    int n = -1;
    if (!argCount(args, 2, 3, error) || !replyByte(args[0], &reply, error) || !number(args[1], 0, 600000, &ms, error)
        || (args.size() == 3 && !count(args[2], &n, error)))
        return false;
    EmuDevice *d = m_device;
    *action = [d, reply, ms, n] { d->keyboard()->delayReplies(reply, ms, n); };
    return true;
}

bool EmuScript::verbAnswer(const QStringList &args, Action *action, QString *error)
{
    int cmd = 0;
    if (!argCount(args, 2, -1, error) || !number(args[0], 0, 255, &cmd, error))
        return false;
    QList<QByteArray> messages;
    if (args[1] != QLatin1String("none")) {
        QByteArray bytes;
        if (!hexBytes(args.mid(1), &bytes, error))
            return false;
        if (bytes.size() > HidReport::Size) {
            *error = QStringLiteral("a report holds at most 64 bytes");
            return false;
        }
        messages.append(HidReport::fromByteArray(bytes).toByteArray());
    }
    EmuDevice *d = m_device;
    *action = [d, cmd, messages] { d->keyboard()->overrideAnswer(static_cast<uint8_t>(cmd), messages); };
    return true;
}

bool EmuScript::verbAnswerRaw(const QStringList &args, Action *action, QString *error)
{
    int cmd = 0;
    QByteArray bytes;
    if (!argCount(args, 2, -1, error) || !number(args[0], 0, 255, &cmd, error) || !hexBytes(args.mid(1), &bytes, error))
        return false;
    EmuDevice *d = m_device;
    *action = [d, cmd, bytes] { d->keyboard()->overrideAnswer(static_cast<uint8_t>(cmd), {bytes}); };
    return true;
}

bool EmuScript::verbSend(const QStringList &args, Action *action, QString *error)
{
    QByteArray bytes;
    if (!argCount(args, 1, -1, error) || !hexBytes(args, &bytes, error))
        return false;
    if (bytes.size() > HidReport::Size) {
        *error = QStringLiteral("a report holds at most 64 bytes");
        return false;
    }
    const HidReport report = HidReport::fromByteArray(bytes);
    EmuDevice *d = m_device;
    *action = [d, report] { d->keyboard()->sendReport(report); };
    return true;
}

bool EmuScript::verbSendRaw(const QStringList &args, Action *action, QString *error)
{
    QByteArray bytes;
    if (!hexBytes(args, &bytes, error))
        return false;
    EmuDevice *d = m_device;
    *action = [d, bytes] { d->keyboard()->sendRaw(bytes); };
    return true;
}

bool EmuScript::verbStatus(const QStringList &args, Action *action, QString *error)
{
    // Fields of the status report by name; values are bytes, so out-of-range ones can be sent.
    static const QMap<QString, uint8_t EmuStatus::*> fields = {
        {QStringLiteral("winlock"), &EmuStatus::winLock}, {QStringLiteral("charging"), &EmuStatus::charging},
        {QStringLiteral("battery"), &EmuStatus::battery}, {QStringLiteral("connection"), &EmuStatus::connection},
        {QStringLiteral("link"), &EmuStatus::linkAbsent}, {QStringLiteral("mode"), &EmuStatus::keyboardMode},
    };
    QList<QPair<uint8_t EmuStatus::*, uint8_t>> changes;
    int download = 0;
    for (const QString &arg : args) {
        const int eq = arg.indexOf(QLatin1Char('='));
        const QString name = arg.left(eq);
        int value = 0;
        if (eq < 0) {
            *error = QStringLiteral("expected field=value, got \"%1\"").arg(arg);
            return false;
        }
        if (!number(arg.mid(eq + 1), 0, 255, &value, error))
            return false;
        if (name == QLatin1String("download")) {
            download = value;
            continue;
        }
        if (!fields.contains(name)) {
            *error = QStringLiteral("unknown status field \"%1\"").arg(name);
            return false;
        }
        changes.append({fields.value(name), static_cast<uint8_t>(value)});
    }
    EmuDevice *d = m_device;
    *action = [d, changes, download] {
        EmuStatus &s = d->keyboard()->state().status;
        for (const auto &c : changes)
            s.*(c.first) = c.second;
        d->keyboard()->sendReport(d->keyboard()->statusReport(static_cast<uint8_t>(download)));
    };
    return true;
}

bool EmuScript::verbLink(const QStringList &args, Action *action, QString *error)
{
    if (!argCount(args, 1, 1, error))
        return false;
    if (args[0] != QLatin1String("present") && args[0] != QLatin1String("absent")) {
        *error = QStringLiteral("link takes present or absent");
        return false;
    }
    const bool present = args[0] == QLatin1String("present");
    EmuDevice *d = m_device;
    *action = [d, present] { d->keyboard()->setLinkPresent(present); };
    return true;
}

bool EmuScript::verbDownloadResult(const QStringList &args, Action *action, QString *error)
{
    int status = -1;
    if (!argCount(args, 1, 1, error) || (args[0] != QLatin1String("none") && !number(args[0], 1, 255, &status, error)))
        return false;
    EmuDevice *d = m_device;
    *action = [d, status] { d->keyboard()->setDownloadResult(status); };
    return true;
}

bool EmuScript::verbCalibrationResult(const QStringList &args, Action *action, QString *error)
{
    int status = 0;
    int ms = 300;
    if (!argCount(args, 1, 2, error) || !number(args[0], 0, 255, &status, error)
        || (args.size() == 2 && !number(args[1], 0, 600000, &ms, error)))
        return false;
    EmuDevice *d = m_device;
    *action = [d, status, ms] { d->keyboard()->setCalibrationResult(status, ms); };
    return true;
}

bool EmuScript::verbSixKey(const QStringList &args, Action *action, QString *error)
{
    QByteArray bytes;
    if (!argCount(args, 1, 7, error) || !hexBytes(args, &bytes, error))
        return false;
    const uint8_t modifiers = static_cast<uint8_t>(bytes.at(0));
    QList<uint8_t> keys;
    for (int i = 1; i < bytes.size(); ++i)
        keys.append(static_cast<uint8_t>(bytes.at(i)));
    EmuDevice *d = m_device;
    *action = [d, modifiers, keys] { d->keyboard()->sendSixKey(modifiers, keys); };
    return true;
}

bool EmuScript::verbFullKey(const QStringList &args, Action *action, QString *error)
{
    QByteArray bytes;
    if (!argCount(args, 1, 13, error) || !hexBytes(args, &bytes, error))
        return false;
    EmuDevice *d = m_device;
    *action = [d, bytes] { d->keyboard()->sendFullKey(bytes); };
    return true;
}

bool EmuScript::verbHostKey(const QStringList &args, Action *action, QString *error)
{
    int code = 0;
    int run = 1;
    if (!argCount(args, 1, 2, error) || !number(args[0], 0, 255, &code, error)
        || (args.size() == 2 && !number(args[1], 0, 1, &run, error)))
        return false;
    EmuDevice *d = m_device;
    *action = [d, code, run] { d->keyboard()->sendHostKey(static_cast<uint8_t>(code), run != 0); };
    return true;
}

bool EmuScript::verbTravel(const QStringList &args, Action *action, QString *error)
{
    int row = 0;
    int column = 0;
    int level = 0;
    if (!argCount(args, 3, 3, error) || !number(args[0], 0, 255, &row, error)
        || !number(args[1], 0, 255, &column, error) || !number(args[2], 0, 255, &level, error))
        return false;
    EmuDevice *d = m_device;
    *action = [d, row, column, level] {
        d->keyboard()->sendLiveTravel(static_cast<uint8_t>(row), static_cast<uint8_t>(column),
                                      static_cast<uint8_t>(level));
    };
    return true;
}

bool EmuScript::verbBitmap(const QStringList &args, Action *action, QString *error)
{
    QByteArray bytes;
    if (!hexBytes(args, &bytes, error))
        return false;
    if (bytes.size() != EmuMagnetic::Columns) {
        *error = QStringLiteral("the key bitmap has 22 bytes");
        return false;
    }
    EmuDevice *d = m_device;
    *action = [d, bytes] { d->keyboard()->state().customKeyBitmap = bytes; };
    return true;
}

bool EmuScript::verbFirmware(const QStringList &args, Action *action, QString *error)
{
    // firmware id INDEX TEXT | firmware version TEXT | firmware date TEXT
    if (!argCount(args, 1, -1, error))
        return false;
    EmuDevice *d = m_device;
    if (args[0] == QLatin1String("id")) {
        int index = 0;
        if (!argCount(args, 2, -1, error) || !number(args[1], 0, 4, &index, error))
            return false;
        const QString text = args.mid(2).join(QLatin1Char(' '));
        *action = [d, index, text] {
            QJsonArray ids = d->sidecar().value(QStringLiteral("firmwareId")).toArray();
            while (ids.size() <= index)
                ids.append(QString());
            ids.replace(index, text);
            d->setSidecarValue(QStringLiteral("firmwareId"), ids);
        };
        return true;
    }
    static const QMap<QString, QString> keys = {{QStringLiteral("version"), QStringLiteral("firmwareVersion")},
                                                {QStringLiteral("date"), QStringLiteral("firmwareDate")}};
    if (!keys.contains(args[0])) {
        *error = QStringLiteral("firmware takes id, version or date");
        return false;
    }
    const QString key = keys.value(args[0]);
    const QString text = args.mid(1).join(QLatin1Char(' '));
    *action = [d, key, text] { d->setSidecarValue(key, text); };
    return true;
}

bool EmuScript::verbVanish(const QStringList &args, Action *action, QString *error)
{
    int ms = -1;
    if (!argCount(args, 0, 1, error) || (args.size() == 1 && !number(args[0], 0, 600000, &ms, error)))
        return false;
    EmuDevice *d = m_device;
    *action = [d, ms] { d->vanish(ms); };
    return true;
}

bool EmuScript::verbReturn(const QStringList &args, Action *action, QString *error)
{
    if (!argCount(args, 0, 0, error))
        return false;
    EmuDevice *d = m_device;
    *action = [d] { d->comeBack(); };
    return true;
}

bool EmuScript::verbAt(const QStringList &args, Action *action, QString *error)
{
    int ms = 0;
    Action later;
    if (!argCount(args, 2, -1, error) || !number(args[0], 0, 86400000, &ms, error)
        || !compile(args.mid(1).join(QLatin1Char(' ')), &later, error))
        return false;
    EmuDevice *d = m_device;
    *action = [d, ms, later] { d->at(ms, later); };
    return true;
}

bool EmuScript::verbAfter(const QStringList &args, Action *action, QString *error)
{
    int cmd = 0;
    int nth = 0;
    Action then;
    if (!argCount(args, 3, -1, error) || !number(args[0], 0, 255, &cmd, error)
        || !number(args[1], 1, 100000000, &nth, error) || !compile(args.mid(2).join(QLatin1Char(' ')), &then, error))
        return false;
    EmuDevice *d = m_device;
    *action = [d, cmd, nth, then] { d->keyboard()->onReceived(static_cast<uint8_t>(cmd), nth, then); };
    return true;
}

bool EmuScript::verbRepeat(const QStringList &args, Action *action, QString *error)
{
    // repeat RATE MS LINE: LINE RATE times a second for MS milliseconds from now.
    int rate = 0;
    int ms = 0;
    Action each;
    if (!argCount(args, 3, -1, error) || !number(args[0], 1, 100000, &rate, error)
        || !number(args[1], 1, 86400000, &ms, error) || !compile(args.mid(2).join(QLatin1Char(' ')), &each, error))
        return false;
    EmuDevice *d = m_device;
    *action = [d, rate, ms, each] {
        // Paced by the clock, not by counting ticks: a tick that comes late runs every
        // action that fell due meanwhile, so the rate holds on a busy machine.
        const qint64 total = qint64(rate) * ms / 1000;
        auto *timer = new QTimer(d);
        timer->setObjectName(QStringLiteral("repeat"));  // found by tests waiting for the end
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(1);
        auto clock = std::make_shared<QElapsedTimer>();
        auto done = std::make_shared<qint64>(0);
        clock->start();
        QObject::connect(timer, &QTimer::timeout, d, [timer, clock, done, total, rate, each] {
            const qint64 due = qMin(total, clock->elapsed() * rate / 1000);
            while (*done < due) {
                ++*done;
                each();
            }
            if (*done >= total)
                timer->deleteLater();
        });
        timer->start();
    };
    return true;
}
