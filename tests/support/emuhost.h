#pragma once

#include "devicelink/hidreport.h"

#include <QString>

// The host's side of an emulated keyboard through the library's transport, for tests
// that talk to the emulator report by report.
class EmuHost
{
public:
    EmuHost() = default;
    ~EmuHost() { close(); }
    EmuHost(const EmuHost &) = delete;
    EmuHost &operator=(const EmuHost &) = delete;

    // Opens the device (non-blocking reads); false when it cannot be opened.
    bool open(const QString &path);
    void close();
    int handle() const { return m_handle; }

    // The transport's write result: 64, or -1 when the report was not written.
    int write(const HidReport &report);
    int write(const QString &hex);
    // Waits up to timeoutMs for one input report, processing events meanwhile (so an
    // emulator in this thread can answer). False when none came.
    // The default is long for a loaded machine; a report that is due comes far sooner.
    bool read(HidReport *report, int timeoutMs = 10000);
    // Reads until nothing comes for quietMs; returns what came.
    QList<HidReport> readAll(int quietMs = 100);
    // Reads until count reports came or timeoutMs passed in all; returns what came.
    // For replies that are due: a pause between them on a busy machine ends no wait.
    QList<HidReport> readCount(int count, int timeoutMs = 10000);
    // Writes the request and waits for one input report.
    bool exchange(const QString &requestHex, HidReport *reply, int timeoutMs = 10000);

private:
    int m_handle = 0;
    QByteArray m_path;
};
