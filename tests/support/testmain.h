#pragma once

#include "widgets/storefilequestion.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTest>

// Points HOME and the XDG folders into a fresh temporary folder for the life of
// the object, so no test reads or writes the real user's settings.
class TestHome
{
public:
    TestHome();
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

#define TAVRIX_TEST_MAIN(TestClass)                                                                                    \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        TestHome home;                                                                                                 \
        QApplication app(argc, argv);                                                                                  \
        /* Tests read the program's debug lines, which a normal start keeps off. */                                    \
        QLoggingCategory::setFilterRules(QStringLiteral("quorin.*.debug=true"));                                       \
        /* A damaged store file is kept unasked unless a test answers otherwise. */                                    \
        StoreFileQuestion::setAsker([](QWidget *, const QString &) { return StoreFileQuestion::Keep; });               \
        TestClass tc;                                                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
