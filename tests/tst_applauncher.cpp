#include "platform/applauncher.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

class RefusingBackend : public AppLaunchBackend
{
public:
    int calls = 0;
    bool startDetached(const QString &) override
    {
        ++calls;
        return false;
    }
    bool openUrl(const QUrl &) override
    {
        ++calls;
        return false;
    }
};

bool writeFile(const QString &path, const QByteArray &content, bool executable)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return true;
}

}  // namespace

Q_DECLARE_METATYPE(AppLauncher::Action)

class TestAppLauncher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void plan_data();
    void plan();
    void refusedLaunchIsLogged();
    void launchesAScriptDirectly();

private:
    QTemporaryDir m_dir;
    QString m_program;   // an executable whose name holds shell characters
    QString m_document;  // a plain file
};

void TestAppLauncher::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_program = m_dir.filePath("run me; touch pwned");
    m_document = m_dir.filePath("notes.txt");
    // The script leaves a file beside itself, so the test sees that it ran.
    QVERIFY(writeFile(m_program, "#!/bin/sh\necho launched > \"$(dirname \"$0\")/launched.txt\"\n", true));
    QVERIFY(writeFile(m_document, "text", false));
}

void TestAppLauncher::plan_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<AppLauncher::Action>("action");
    QTest::addColumn<QString>("target");  // program path or URL text

    using A = AppLauncher::Action;
    const QString home = QDir::homePath();
    QVERIFY(writeFile(home + "/readme.txt", "x", false));
    QTest::newRow("empty") << "" << A::None << "";
    QTest::newRow("blanks") << "   " << A::None << "";
    QTest::newRow("program") << m_program << A::StartProgram << m_program;
    QTest::newRow("program in quotes") << "  \"" + m_program + "\" " << A::StartProgram << m_program;
    QTest::newRow("program as file URL") << QUrl::fromLocalFile(m_program).toString() << A::StartProgram << m_program;
    QTest::newRow("program on the search path") << "sh" << A::StartProgram << QStandardPaths::findExecutable("sh");
    QTest::newRow("document") << m_document << A::OpenUrl << QUrl::fromLocalFile(m_document).toString();
    QTest::newRow("folder") << m_dir.path() << A::OpenUrl << QUrl::fromLocalFile(m_dir.path()).toString();
    QTest::newRow("home-relative") << "~/readme.txt" << A::OpenUrl
                                   << QUrl::fromLocalFile(home + "/readme.txt").toString();
    QTest::newRow("web address") << "https://example.org/a?b=c" << A::OpenUrl << "https://example.org/a?b=c";
    QTest::newRow("missing file") << m_dir.filePath("absent") << A::None << "";
    QTest::newRow("missing program name") << "no-such-program-here" << A::None << "";
    // Texts a shell would run are one (missing) path here.
    QTest::newRow("command line") << "/bin/sh -c 'touch " + m_dir.filePath("pwned") + "'" << A::None << "";
    QTest::newRow("command chain") << m_document + "; touch pwned" << A::None << "";
    QTest::newRow("command substitution") << "$(touch pwned)" << A::None << "";
    QTest::newRow("Windows drive path") << "C:\\Program Files\\x.exe" << A::None << "";
}

void TestAppLauncher::plan()
{
    QFETCH(QString, value);
    QFETCH(AppLauncher::Action, action);
    QFETCH(QString, target);
    const AppLauncher::Plan p = AppLauncher::plan(value);
    QCOMPARE(p.action, action);
    if (action == AppLauncher::Action::StartProgram)
        QCOMPARE(p.program, target);
    if (action == AppLauncher::Action::OpenUrl)
        QCOMPARE(p.url.toString(), target);
}

void TestAppLauncher::refusedLaunchIsLogged()
{
    RefusingBackend backend;
    QTest::ignoreMessage(QtWarningMsg, qPrintable("Launch Application failed: " + m_program));
    QVERIFY(!AppLauncher::launch(m_program, &backend));
    QTest::ignoreMessage(QtWarningMsg, "Launch Application failed: /no/such/file");
    QVERIFY(!AppLauncher::launch("/no/such/file", &backend));
    QCOMPARE(backend.calls, 1);  // the missing file never reached the backend
}

void TestAppLauncher::launchesAScriptDirectly()
{
    QVERIFY(AppLauncher::launch(m_program));
    QTRY_VERIFY(QFile::exists(m_dir.filePath("launched.txt")));
    QVERIFY(!QFile::exists(m_dir.filePath("pwned")));
    QVERIFY(!QFile::exists(QDir::current().filePath("pwned")));
}

TAVRIX_TEST_MAIN(TestAppLauncher)
#include "tst_applauncher.moc"
