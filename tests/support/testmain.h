#pragma once

#include "widgets/storefilequestion.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// How long a test waits for a child process (the emulator, a tool, the fake tray) to
// start, answer or end. A loaded machine, or one running the sanitized build, can take
// seconds where an idle one takes milliseconds; a wait this long ends only on a hang.
constexpr int kChildProcessWaitMs = 60000;

// When TAVRIX_TEST_TMPFS names a folder in memory, the temporary folder (and with it
// HOME below and every QTemporaryDir) moves into a folder of this run's own there: every
// store write ends in an fdatasync, which a busy disk makes slow. The folder goes at the
// end; folders of runs that were killed go at the next run's start.
class TestTempRoot
{
public:
    TestTempRoot();
    ~TestTempRoot();
    TestTempRoot(const TestTempRoot &) = delete;
    TestTempRoot &operator=(const TestTempRoot &) = delete;

private:
    QString m_path;
};

// Points HOME and the XDG folders into a fresh temporary folder for the life of
// the object, so no test reads or writes the real user's settings. A test that
// runs its own executable as a child hands the child its home through
// TAVRIX_TEST_HOME, so both see the same files.
class TestHome
{
public:
    TestHome();
    QString path() const { return m_path; }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

// The exit code CTest reads as "skipped" (SKIP_RETURN_CODE): a test program whose every
// test function skipped ran nothing, and must not be counted as passed.
constexpr int kTestSkippedExitCode = 77;

// Runs the test object as QTest::qExec does. When every test function skipped (or the
// whole object did, from initTestCase) and nothing failed, returns kTestSkippedExitCode.
int runTestObject(QObject *test, int argc, char *argv[]);

#define TAVRIX_TEST_MAIN(TestClass)                                                                                    \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        TestTempRoot tempRoot;                                                                                         \
        TestHome home;                                                                                                 \
        QApplication app(argc, argv);                                                                                  \
        /* Tests read the program's debug lines, which a normal start keeps off. */                                    \
        QLoggingCategory::setFilterRules(QStringLiteral("quorin.*.debug=true"));                                       \
        /* A damaged store file is kept unasked unless a test answers otherwise. */                                    \
        StoreFileQuestion::setAsker([](QWidget *, const QString &) { return StoreFileQuestion::Keep; });               \
        TestClass tc;                                                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return runTestObject(&tc, argc, argv);                                                                         \
    }
