#include "platform/keyboardsettingslauncher.h"
#include "support/testmain.h"

#include <QFile>
#include <QTemporaryDir>

class TestKeyboardSettingsLauncher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void runningDesktopFirst_data()
    {
        QTest::addColumn<QString>("desktops");
        QTest::addColumn<QString>("first");
        QTest::newRow("none named") << ""
                                    << "gnome-control-center";
        QTest::newRow("unknown desktop") << "Sway"
                                         << "gnome-control-center";
        QTest::newRow("kde") << "KDE"
                             << "systemsettings";
        QTest::newRow("list, case ignored") << "ubuntu:xfce"
                                            << "xfce4-keyboard-settings";
        QTest::newRow("cinnamon") << "X-Cinnamon"
                                  << "cinnamon-settings";
    }

    void runningDesktopFirst()
    {
        QFETCH(QString, desktops);
        QFETCH(QString, first);
        const auto ordered = KeyboardSettingsLauncher::orderedCandidates(desktops);
        QCOMPARE(ordered.size(), KeyboardSettingsLauncher::candidates().size());
        QCOMPARE(QString::fromLatin1(ordered.first().program), first);
    }

    // The first program found in list order is started directly with its arguments.
    void startsFirstFoundWithoutShell()
    {
        QTemporaryDir bin;
        const QString marker = bin.filePath("args");
        for (const char *name : {"cinnamon-settings", "lxqt-config-input"}) {
            QFile script(bin.filePath(QLatin1String(name)));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(QStringLiteral("#!/bin/sh\nprintf '%s|' \"$0\" \"$@\" > '%1'\n").arg(marker).toUtf8());
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qunsetenv("XDG_CURRENT_DESKTOP");
        QString started;
        QVERIFY(KeyboardSettingsLauncher::launch(&started, {bin.path()}));
        QCOMPARE(started, bin.filePath("cinnamon-settings"));
        const auto written = [&] {
            QFile out(marker);
            return out.open(QIODevice::ReadOnly) ? QString::fromUtf8(out.readAll()) : QString();
        };
        QTRY_COMPARE(written(), bin.filePath("cinnamon-settings") + "|keyboard|");
    }

    void nothingFound()
    {
        QTemporaryDir empty;
        QString started = "unchanged";
        QVERIFY(!KeyboardSettingsLauncher::launch(&started, {empty.path()}));
        QCOMPARE(started, QString("unchanged"));
    }
};

TAVRIX_TEST_MAIN(TestKeyboardSettingsLauncher)
#include "tst_keyboardsettingslauncher.moc"
