#include "support/xvfbserver.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

XvfbServer::~XvfbServer()
{
    stop();
}

bool XvfbServer::start(const QSize &screen)
{
    stop();
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        return false;
    // -displayfd 1: the server chooses a free display and writes its number to stdout.
    m_process.start(xvfb,
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                     QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()), QStringLiteral("-nolisten"),
                     QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!m_process.waitForStarted(5000))
        return false;
    QByteArray out;
    QElapsedTimer timer;
    timer.start();
    while (!out.contains('\n') && timer.elapsed() < 10000 && m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(200);
        out += m_process.readAllStandardOutput();
    }
    bool ok = false;
    const int number = out.trimmed().toInt(&ok);
    if (!ok) {
        stop();
        return false;
    }
    m_display = QStringLiteral(":%1").arg(number);
    return true;
}

void XvfbServer::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(1000);
        }
    }
    m_display.clear();
}
