#include "platform/xdgautostart.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

class TestXdgAutoStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void execLineQuotesThePath_data();
    void execLineQuotesThePath();
    void writeThenRemove();
    void writeFailsWhereNoFolderCanBe();
    void startsProgramComparesWholePaths();
};

void TestXdgAutoStart::execLineQuotesThePath_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");
    QTest::newRow("plain") << "/usr/bin/quorin-driver"
                           << "/usr/bin/quorin-driver --AutoUp";
    QTest::newRow("space") << "/opt/My Apps/quorin-driver"
                           << "\"/opt/My Apps/quorin-driver\" --AutoUp";
    QTest::newRow("dollar and quote") << "/opt/a$b\"c/q"
                                      << "\"/opt/a\\$b\\\"c/q\" --AutoUp";
    QTest::newRow("backslash") << "/opt/a\\b/q"
                               << "\"/opt/a\\\\b/q\" --AutoUp";
    QTest::newRow("percent") << "/opt/100%/q"
                             << "/opt/100%%/q --AutoUp";
}

void TestXdgAutoStart::execLineQuotesThePath()
{
    QFETCH(QString, program);
    QFETCH(QString, exec);
    QCOMPARE(XdgAutoStart::execLine(program), exec);
}

void TestXdgAutoStart::writeThenRemove()
{
    const QString path = XdgAutoStart::entryPath("quorin-driver");
    QCOMPARE(path,
             QStandardPaths::writableLocation(QStandardPaths::ConfigLocation) + "/autostart/quorin-driver.desktop");
    QVERIFY(XdgAutoStart::write("quorin-driver", "Quorin", "/opt/a\\b/quorin-driver"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.startsWith("[Desktop Entry]\n"));
    QVERIFY(text.contains("\nType=Application\n"));
    QVERIFY(text.contains("\nName=Quorin\n"));
    // The quoted argument's backslash is escaped once more at the file level.
    QVERIFY(text.contains("\nExec=\"/opt/a\\\\\\\\b/quorin-driver\" --AutoUp\n"));
    // TryExec takes the path as a plain string value: no quoting, one escape.
    QVERIFY(text.contains("\nTryExec=/opt/a\\\\b/quorin-driver\n"));
    QVERIFY(text.contains("\nIcon=quorin-driver\n"));
    QVERIFY(XdgAutoStart::exists("quorin-driver"));

    QVERIFY(XdgAutoStart::remove("quorin-driver"));
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(XdgAutoStart::remove("quorin-driver"));
}

void TestXdgAutoStart::writeFailsWhereNoFolderCanBe()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation) + "/autostart";
    QDir(folder).removeRecursively();
    QDir().mkpath(QFileInfo(folder).absolutePath());
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!XdgAutoStart::write("quorin-driver", "Quorin", "/usr/bin/quorin-driver"));
    QVERIFY(!XdgAutoStart::exists("quorin-driver"));
    QFile::remove(folder);
}

// The entry is told apart by the program it starts, quoting and all; a path that
// only begins like it is another program.
void TestXdgAutoStart::startsProgramComparesWholePaths()
{
    const QString program = QStringLiteral("/opt/My Apps/quorin-driver");
    QVERIFY(!XdgAutoStart::startsProgram("quorin-driver", program));  // no entry
    QVERIFY(XdgAutoStart::write("quorin-driver", "Quorin", program));
    QVERIFY(XdgAutoStart::startsProgram("quorin-driver", program));
    QVERIFY(!XdgAutoStart::startsProgram("quorin-driver", "/opt/My Apps/quorin"));
    QVERIFY(!XdgAutoStart::startsProgram("quorin-driver", "/usr/bin/quorin-driver"));
    QVERIFY(XdgAutoStart::remove("quorin-driver"));
}

TAVRIX_TEST_MAIN(TestXdgAutoStart)
#include "tst_xdgautostart.moc"
