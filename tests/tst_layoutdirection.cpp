// The layout direction follows the language: Arabic lays the windows out right to
// left, at once and in windows already open, and back again; the keyboard picture
// and the soft keyboard stay as the keyboard is.

#include "app/dmainwidget.h"
#include "app/dsettingsdia.h"
#include "app/qtlinguist.h"
#include "devicepage/ddevicepage.h"
#include "keyboardview/dsoftkeyboardpage.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "support/mainwindowrig.h"
#include "support/testmain.h"

#include <QComboBox>
#include <QMetaEnum>
#include <QPointer>
#include <QPushButton>

namespace {

QString builtTranslations()
{
    return QString::fromLocal8Bit(qgetenv("TAVRIX_BIN_DIR")) + "/translation";
}

// Loads a language and lets the application handle the language change it posts,
// which is where Qt itself sets the direction again from the translation.
bool switchTo(QtLinguist &linguist, int language)
{
    if (!linguist.loadLanguage(language))
        return false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::processEvents();
    return true;
}

}  // namespace

class TestLayoutDirection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void everyLanguageHasItsDirection_data();
    void everyLanguageHasItsDirection();
    void missingTranslationReadsLeftToRight();
    void openWindowsTurnLiveAndKeyboardsStay();
};

void TestLayoutDirection::cleanup()
{
    QtLinguist linguist(builtTranslations());
    QVERIFY(switchTo(linguist, QtLinguist::English));
}

void TestLayoutDirection::everyLanguageHasItsDirection_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    const QMetaEnum languages = QMetaEnum::fromType<QtLinguist::Language>();
    for (int i = 0; i < languages.keyCount(); ++i) {
        const int language = languages.value(i);
        QTest::newRow(languages.key(i)) << language
                                        << (language == QtLinguist::Arabic ? Qt::RightToLeft : Qt::LeftToRight);
    }
}

void TestLayoutDirection::everyLanguageHasItsDirection()
{
    QFETCH(int, language);
    QFETCH(Qt::LayoutDirection, direction);
    QtLinguist linguist(builtTranslations());
    // From the other direction, so that each row shows a turn.
    const int other = direction == Qt::RightToLeft ? QtLinguist::German : QtLinguist::Arabic;
    QVERIFY(switchTo(linguist, other));
    QVERIFY(QGuiApplication::layoutDirection() != direction);
    QVERIFY(linguist.loadLanguage(language));
    QCOMPARE(QGuiApplication::layoutDirection(), direction);  // at once
    QCOMPARE(QtLinguist::layoutDirection(language), direction);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::processEvents();
    QCOMPARE(QGuiApplication::layoutDirection(), direction);  // and Qt's own turn agrees
}

void TestLayoutDirection::missingTranslationReadsLeftToRight()
{
    QTemporaryDir empty;
    QtLinguist built(builtTranslations());
    QVERIFY(switchTo(built, QtLinguist::Arabic));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    // Without its file the texts are the English sources.
    QtLinguist nowhere(empty.path());
    QVERIFY(!nowhere.loadLanguage(QtLinguist::Arabic));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

void TestLayoutDirection::openWindowsTurnLiveAndKeyboardsStay()
{
    QtLinguist linguist(builtTranslations());
    QVERIFY(switchTo(linguist, QtLinguist::German));
    MainWindowRig rig;
    QVERIFY(rig.open());
    DMainWidget *w = rig.window.get();
    QVERIFY(rig.selectModel(QStringLiteral("QR108")));
    w->on_pushButton_Setting_clicked();
    QPointer<DSettingsDia> settings = w->findChild<DSettingsDia *>();
    QVERIFY(settings);
    hidDeviceJoinFrame *picture = rig.page()->keyboardPicture();
    QVERIFY(picture);
    const QList<DSoftKeyboardPage *> softKeyboards = w->findChildren<DSoftKeyboardPage *>();
    QVERIFY(!softKeyboards.isEmpty());
    auto *toggle = w->findChild<QPushButton *>(QStringLiteral("pushButton_ListToggle"));
    QVERIFY(toggle);
    auto *languageBox = settings->findChild<QComboBox *>(QStringLiteral("comboBox_Language"));
    QVERIFY(languageBox);

    struct Step
    {
        int language;
        Qt::LayoutDirection direction;
    };
    for (const Step &step : {Step {QtLinguist::Arabic, Qt::RightToLeft}, Step {QtLinguist::German, Qt::LeftToRight}}) {
        QVERIFY(switchTo(linguist, step.language));
        const QByteArray where = QMetaEnum::fromType<QtLinguist::Language>().valueToKey(step.language);
        QVERIFY2(w->layoutDirection() == step.direction, where);
        QVERIFY2(rig.page()->layoutDirection() == step.direction, where);
        QVERIFY2(settings && settings->layoutDirection() == step.direction, where);
        QVERIFY2(languageBox->layoutDirection() == step.direction, where);
        QVERIFY2(picture->layoutDirection() == Qt::LeftToRight, where);
        for (QWidget *key : picture->findChildren<QWidget *>())
            QVERIFY2(key->layoutDirection() == Qt::LeftToRight, where);
        for (DSoftKeyboardPage *soft : softKeyboards)
            QVERIFY2(soft->layoutDirection() == Qt::LeftToRight, where);
        // The device list's toggle sits at the list's inner edge: right of the
        // middle when the list stands at the right.
        const bool toggleRight = toggle->geometry().center().x() > w->width() / 2;
        QVERIFY2(toggleRight == (step.direction == Qt::RightToLeft), where);
    }
    // A dialog opened in Arabic is laid out right to left from the start.
    delete settings;
    QVERIFY(switchTo(linguist, QtLinguist::Arabic));
    DSettingsDia fresh;
    QCOMPARE(fresh.layoutDirection(), Qt::RightToLeft);
}

TAVRIX_TEST_MAIN(TestLayoutDirection)
#include "tst_layoutdirection.moc"
