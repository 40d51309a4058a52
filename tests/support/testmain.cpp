#include "support/testmain.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <unistd.h>

TestTempRoot::TestTempRoot()
{
    const QString memory = qEnvironmentVariable("TAVRIX_TEST_TMPFS");
    if (memory.isEmpty() || !QFileInfo(memory).isDir())
        return;
    const QString base = memory + QStringLiteral("/quorin-tests-%1").arg(getuid());
    if (!QDir().mkpath(base))
        return;
    QFile::setPermissions(base, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // Left by runs that were killed: named after a process that is gone.
    for (const QString &name : QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool ok = false;
        const pid_t pid = name.section(QLatin1Char('-'), 0, 0).toInt(&ok);
        if (ok && pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
            QDir(base + QLatin1Char('/') + name).removeRecursively();
    }
    QByteArray folder = QFile::encodeName(base + QStringLiteral("/%1-XXXXXX").arg(getpid()));
    if (!mkdtemp(folder.data()))
        return;
    m_path = QFile::decodeName(folder);
    qputenv("TMPDIR", folder);
}

TestTempRoot::~TestTempRoot()
{
    if (!m_path.isEmpty())
        QDir(m_path).removeRecursively();
}

TestHome::TestHome()
{
    m_path = qEnvironmentVariable("TAVRIX_TEST_HOME");
    if (m_path.isEmpty()) {
        m_dir = std::make_unique<QTemporaryDir>();
        m_path = m_dir->path();
    }
    const QByteArray root = m_path.toLocal8Bit();
    qputenv("HOME", root);
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
    qputenv("XDG_RUNTIME_DIR", root + "/run");
    QDir().mkpath(m_path + "/run");
    QFile::setPermissions(m_path + "/run", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

namespace {

// Reads the TAP record of a run: true when no test function other than initTestCase and
// cleanupTestCase ran to an outcome other than a skip.
bool nothingRan(const QString &tapFile)
{
    QFile file(tapFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    static const QRegularExpression result(QStringLiteral("^(not )?ok \\d+ - (\\w+)\\((.*)$"));
    QTextStream in(&file);
    bool any = false;
    while (!in.atEnd()) {
        const QRegularExpressionMatch m = result.match(in.readLine());
        if (!m.hasMatch())
            continue;
        const QString function = m.captured(2);
        const bool skipped = m.captured(3).contains(QLatin1String("# SKIP"));
        if (function == QLatin1String("initTestCase") && skipped)
            return true;
        if (function == QLatin1String("initTestCase") || function == QLatin1String("cleanupTestCase"))
            continue;
        any = true;
        if (!skipped)
            return false;
    }
    return any;
}

}  // namespace

int runTestObject(QObject *test, int argc, char *argv[])
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // A caller that chose its own output keeps it, and the plain exit code.
    if (args.contains(QLatin1String("-o")))
        return QTest::qExec(test, args);
    QTemporaryDir dir;
    if (!dir.isValid())
        return QTest::qExec(test, args);
    const QString tap = dir.filePath(QStringLiteral("result.tap"));
    args << QStringLiteral("-o") << tap + QStringLiteral(",tap") << QStringLiteral("-o") << QStringLiteral("-,txt");
    const int failed = QTest::qExec(test, args);
    if (failed == 0 && nothingRan(tap)) {
        QTextStream(stdout) << "Every test function skipped: reported as skipped\n";
        return kTestSkippedExitCode;
    }
    return failed;
}
