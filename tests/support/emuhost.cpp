#include "support/emuhost.h"

#include "sdk/tavrixhid.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

bool EmuHost::open(const QString &path)
{
    close();
    m_path = path.toLatin1();
    m_handle = CTavrixHid_OpenPath(m_path.constData());
    if (m_handle == 0)
        return false;
    CTavrixHid_SetNonblocking(m_handle, 1);
    return true;
}

void EmuHost::close()
{
    if (m_handle != 0)
        CTavrixHid_Close(m_handle);
    m_handle = 0;
}

int EmuHost::write(const HidReport &report)
{
    return CTavrixHid_HidWriteBuff(m_handle, report.data(), m_path.constData());
}

int EmuHost::write(const QString &hex)
{
    HidReport report;
    if (!HidReport::fromHex(hex, &report))
        return -1;
    return write(report);
}

bool EmuHost::read(HidReport *report, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents();
        unsigned char buffer[HidReport::Size] = {};
        if (CTavrixHid_HidReadBuff(m_handle, buffer) > 0) {
            *report = HidReport::fromBytes(buffer, HidReport::Size);
            return true;
        }
        QThread::usleep(200);
    } while (clock.elapsed() < timeoutMs);
    return false;
}

QList<HidReport> EmuHost::readAll(int quietMs)
{
    QList<HidReport> reports;
    HidReport r;
    while (read(&r, quietMs))
        reports.append(r);
    return reports;
}

QList<HidReport> EmuHost::readCount(int count, int timeoutMs)
{
    QList<HidReport> reports;
    QElapsedTimer clock;
    clock.start();
    HidReport r;
    while (reports.size() < count && read(&r, qMax(1, timeoutMs - int(clock.elapsed()))))
        reports.append(r);
    return reports;
}

bool EmuHost::exchange(const QString &requestHex, HidReport *reply, int timeoutMs)
{
    return write(requestHex) == HidReport::Size && read(reply, timeoutMs);
}
