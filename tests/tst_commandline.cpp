#include "app/commandline.h"
#include "support/testmain.h"

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7")); }
    void answers_data();
    void answers();
    void unknownOptions_data();
    void unknownOptions();
};

void TestCommandLine::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("answerStart");  // null: the program starts
    const QString version = QCoreApplication::applicationName() + QStringLiteral(" 9.8.7\n");
    QTest::newRow("no arguments") << QStringList() << QString();
    QTest::newRow("auto start") << QStringList {"--AutoUp"} << QString();
    QTest::newRow("argument for a running instance") << QStringList {"show"} << QString();
    QTest::newRow("Qt's own options pass") << QStringList {"-platform", "offscreen", "--AutoUp"} << QString();
    QTest::newRow("--version") << QStringList {"--version"} << version;
    QTest::newRow("-v") << QStringList {"-v"} << version;
    QTest::newRow("--version among others") << QStringList {"-platform", "offscreen", "--version"} << version;
    QTest::newRow("--help") << QStringList {"--help"} << QStringLiteral("Usage:");
    QTest::newRow("--help-all") << QStringList {"--help-all"} << QStringLiteral("Usage:");
    QTest::newRow("-h with --AutoUp") << QStringList {"--AutoUp", "-h"} << QStringLiteral("Usage:");
}

void TestCommandLine::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, answerStart);
    arguments.prepend(QStringLiteral("/usr/bin/quorin-driver"));
    QString answer;
    QCOMPARE(CommandLine::informationAnswer(arguments, &answer), !answerStart.isNull());
    QVERIFY2(answer.startsWith(answerStart), qPrintable(answer));
    if (answerStart.startsWith(QStringLiteral("Usage:"))) {
        for (const char *option : {"--help", "--version", "--AutoUp"})
            QVERIFY2(answer.contains(QLatin1String(option)), option);
    }
}

void TestCommandLine::unknownOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("unknown");
    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("unknown") << QStringList {"--bogus"} << "--bogus";
    QTest::newRow("unknown short") << QStringList {"-x"} << "-x";
    QTest::newRow("unknown after --AutoUp") << QStringList {"--AutoUp", "--bogus"} << "--bogus";
    QTest::newRow("--AutoUp") << QStringList {"--AutoUp"} << QString();
    QTest::newRow("any spelling of AutoUp") << QStringList {"-AutoUp"} << QString();
    QTest::newRow("Qt's option and its value") << QStringList {"-platform", "offscreen", "--AutoUp"} << QString();
    QTest::newRow("Qt's option with two dashes") << QStringList {"--platform", "offscreen"} << QString();
    QTest::newRow("Qt's option with =") << QStringList {"-style=fusion", "-reverse"} << QString();
    QTest::newRow("a value that looks like an option") << QStringList {"-title", "-x"} << QString();
    QTest::newRow("argument for a running instance") << QStringList {"show"} << QString();
    QTest::newRow("after --") << QStringList {"--", "--bogus"} << QString();
    QTest::newRow("--help with an unknown") << QStringList {"--help"} << QString();
}

// An option the program does not know is named on standard error with a pointer
// to --help; Qt's own options and the start-up's --AutoUp pass.
void TestCommandLine::unknownOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, unknown);
    arguments.prepend(QStringLiteral("/usr/bin/quorin-driver"));
    QCOMPARE(CommandLine::unknownOption(arguments), unknown);
    if (!unknown.isEmpty()) {
        const QString text = CommandLine::unknownOptionText(unknown);
        QVERIFY2(text.contains("'" + unknown + "'") && text.contains("--help"), qPrintable(text));
    }
}

TAVRIX_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
