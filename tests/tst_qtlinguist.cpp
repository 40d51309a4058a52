#include "app/dmainwidget.h"
#include "app/qtlinguist.h"
#include "firmware/dfirmwareinfoshow.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

QString builtTranslations()
{
    return QString::fromLocal8Bit(qgetenv("TAVRIX_BIN_DIR")) + "/translation";
}

QString closeTip(DMainWidget &w)
{
    w.onUpdateAllUI();
    return w.findChild<QPushButton *>("pushButton_Close")->toolTip();
}

}  // namespace

class TestQtLinguist : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void systemLanguageMapping_data();
    void systemLanguageMapping();
    void everyLanguageLoadsAndTranslatesTitleBar_data();
    void everyLanguageLoadsAndTranslatesTitleBar();
    void unknownLanguageChangesNothing();
    void missingFileFallsBackToSourceTexts();
    void englishShowsSourceMisspellingsMended_data();
    void englishShowsSourceMisspellingsMended();
    void formTextsFollowTheirClassName();
};

void TestQtLinguist::systemLanguageMapping_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("language");
    QTest::newRow("Chinese, China") << "zh_CN" << int(QtLinguist::Zh_SM);
    QTest::newRow("Chinese, Taiwan") << "zh_TW" << int(QtLinguist::Zh_TR);
    QTest::newRow("Chinese, Hong Kong") << "zh_HK" << int(QtLinguist::Zh_TR);
    QTest::newRow("English, UK") << "en_GB" << int(QtLinguist::English);
    QTest::newRow("Japanese") << "ja_JP" << int(QtLinguist::Japanese);
    QTest::newRow("Korean") << "ko_KR" << int(QtLinguist::Korean);
    QTest::newRow("Russian") << "ru_RU" << int(QtLinguist::Russian);
    QTest::newRow("Arabic") << "ar_EG" << int(QtLinguist::Arabic);
    QTest::newRow("Spanish") << "es_MX" << int(QtLinguist::Spanish);
    QTest::newRow("Portuguese, Brazil") << "pt_BR" << int(QtLinguist::Portugal);
    QTest::newRow("German") << "de_AT" << int(QtLinguist::German);
    QTest::newRow("Italian") << "it_IT" << int(QtLinguist::Italian);
    QTest::newRow("Polish") << "pl_PL" << int(QtLinguist::Polish);
    QTest::newRow("French, Canada") << "fr_CA" << int(QtLinguist::French);
    QTest::newRow("Ukrainian") << "uk_UA" << int(QtLinguist::Ukrainian);
    QTest::newRow("Czech") << "cs_CZ" << int(QtLinguist::Czech);
    QTest::newRow("Dutch falls back to English") << "nl_NL" << int(QtLinguist::English);
}

void TestQtLinguist::systemLanguageMapping()
{
    QFETCH(QString, locale);
    QFETCH(int, language);
    QCOMPARE(QtLinguist::languageForLocale(QLocale(locale)), language);
}

void TestQtLinguist::everyLanguageLoadsAndTranslatesTitleBar_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("close");
    const char *rows[][3] = {
        {"Zh_SM.qm", "关闭"},      {"Zh_TR.qm", "關閉"},        {"English.qm", "Close"},  {"Japanese.qm", "閉じる"},
        {"Korean.qm", "닫기"},     {"Russian.qm", "Закрыть"},   {"Arabic.qm", "إغلاق"},   {"Spanish.qm", "Cerrar"},
        {"Portugal.qm", "Fechar"}, {"German.qm", "Schließen"},  {"Italian.qm", "Chiudi"}, {"Polish.qm", "Zamknij"},
        {"French.qm", "Fermer"},   {"Ukrainian.qm", "Закрити"}, {"Czech.qm", "Zavřít"},
    };
    for (int i = 0; i < 15; ++i)
        QTest::newRow(rows[i][0]) << i + 1 << QString(rows[i][0]) << QString::fromUtf8(rows[i][1]);
}

void TestQtLinguist::everyLanguageLoadsAndTranslatesTitleBar()
{
    QFETCH(int, language);
    QFETCH(QString, file);
    QFETCH(QString, close);
    QtLinguist linguist(builtTranslations());
    QCOMPARE(linguist.fileName(language), file);
    QVERIFY(linguist.loadLanguage(language));
    DMainWidget w;
    QCOMPARE(closeTip(w), close);
    QCOMPARE(QObject::tr("Quit(&Q)").isEmpty(), false);
}

void TestQtLinguist::unknownLanguageChangesNothing()
{
    QtLinguist linguist(builtTranslations());
    QVERIFY(linguist.loadLanguage(QtLinguist::French));
    DMainWidget w;
    for (int outside : {0, 16, -1}) {
        QVERIFY(!linguist.loadLanguage(outside));
        QCOMPARE(closeTip(w), QString("Fermer"));
    }
}

void TestQtLinguist::missingFileFallsBackToSourceTexts()
{
    // Only French is there.
    QTemporaryDir dir;
    QVERIFY(QFile::copy(builtTranslations() + "/French.qm", dir.filePath("French.qm")));
    QtLinguist linguist(dir.path());
    DMainWidget w;
    QVERIFY(linguist.loadLanguage(QtLinguist::French));
    QCOMPARE(closeTip(w), QString("Fermer"));
    QVERIFY(!linguist.loadLanguage(QtLinguist::German));
    QCOMPARE(closeTip(w), QString("Close"));

    QtLinguist nowhere(dir.filePath("absent"));
    QVERIFY(!nowhere.loadLanguage(QtLinguist::English));
}

void TestQtLinguist::englishShowsSourceMisspellingsMended_data()
{
    // Stored files and the other languages key on the source texts, which stay as
    // they are; English shows them spelt right.
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("shown");
    QTest::newRow("key name") << "QObject"
                              << "Unknow"
                              << "Unknown";
    QTest::newRow("notice") << "DDevicePage"
                            << "Unknow"
                            << "Unknown";
    QTest::newRow("multimedia") << "QObject"
                                << "Continous playback on/off"
                                << "Continuous playback on/off";
    QTest::newRow("calibration") << "DDevicePage"
                                 << "The key calibration runing"
                                 << "The key calibration is running";
}

void TestQtLinguist::englishShowsSourceMisspellingsMended()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, shown);
    QtLinguist linguist(builtTranslations());
    QVERIFY(linguist.loadLanguage(QtLinguist::English));
    QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(source)), shown);
}

void TestQtLinguist::formTextsFollowTheirClassName()
{
    // A form's texts are translated in the context of its class name: the context in
    // the translation files must be renamed with the class.
    QTemporaryDir emu;
    qputenv("TAVRIX_EMU_DIR", emu.path().toLocal8Bit());
    QtLinguist linguist(builtTranslations());
    QVERIFY(linguist.loadLanguage(QtLinguist::German));
    DFirmwareInfoShow dialog;
    QCOMPARE(dialog.findChild<QLabel *>("label_10")->text(), QString("Firmware-Informationen"));
    qunsetenv("TAVRIX_EMU_DIR");
}

TAVRIX_TEST_MAIN(TestQtLinguist)
#include "tst_qtlinguist.moc"
