#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

class EmuDevice;

// Drives an emulated device from text lines, one instruction a line (the verbs are listed
// in README.md). The same lines work from a --script file and from tests.
class EmuScript
{
public:
    explicit EmuScript(EmuDevice *device) : m_device(device) { }

    // Runs one line now ("at" and "after" lines schedule their action). Blank lines and
    // lines starting with "#" do nothing. False, with the reason, for a line not understood.
    bool run(const QString &line, QString *error = nullptr);
    // Runs every line of a text or file; the first bad line stops it and names its number.
    bool runText(const QString &text, QString *error = nullptr);
    bool runFile(const QString &path, QString *error = nullptr);

private:
    using Action = std::function<void()>;
    using Verb = bool (EmuScript::*)(const QStringList &args, Action *action, QString *error);
    static const QMap<QString, Verb> &verbs();

    // Turns a line into the action it stands for, without running it.
    bool compile(const QString &line, Action *action, QString *error);

    bool verbSerial(const QStringList &args, Action *action, QString *error);
    bool verbSerialHex(const QStringList &args, Action *action, QString *error);
    bool verbSilent(const QStringList &args, Action *action, QString *error);
    bool verbSerialLock(const QStringList &args, Action *action, QString *error);
    bool verbDrop(const QStringList &args, Action *action, QString *error);
    bool verbDelay(const QStringList &args, Action *action, QString *error);
    bool verbAnswer(const QStringList &args, Action *action, QString *error);
    bool verbAnswerRaw(const QStringList &args, Action *action, QString *error);
    bool verbSend(const QStringList &args, Action *action, QString *error);
    bool verbSendRaw(const QStringList &args, Action *action, QString *error);
    bool verbStatus(const QStringList &args, Action *action, QString *error);
    bool verbLink(const QStringList &args, Action *action, QString *error);
    bool verbDownloadResult(const QStringList &args, Action *action, QString *error);
    bool verbCalibrationResult(const QStringList &args, Action *action, QString *error);
    bool verbSixKey(const QStringList &args, Action *action, QString *error);
    bool verbFullKey(const QStringList &args, Action *action, QString *error);
    bool verbHostKey(const QStringList &args, Action *action, QString *error);
    bool verbTravel(const QStringList &args, Action *action, QString *error);
    bool verbBitmap(const QStringList &args, Action *action, QString *error);
    bool verbFirmware(const QStringList &args, Action *action, QString *error);
    bool verbVanish(const QStringList &args, Action *action, QString *error);
    bool verbReturn(const QStringList &args, Action *action, QString *error);
    bool verbAt(const QStringList &args, Action *action, QString *error);
    bool verbAfter(const QStringList &args, Action *action, QString *error);
    bool verbRepeat(const QStringList &args, Action *action, QString *error);

    EmuDevice *m_device;
};
