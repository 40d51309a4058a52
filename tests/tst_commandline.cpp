#include "app/commandline.h"
#include "support/testmain.h"

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7")); }
    void answers_data();
    void answers();
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

TAVRIX_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
