// The layout direction follows the language: Arabic lays the windows out right to
// left, at once and in windows already open, and back again; the keyboard picture
// and the soft keyboard stay as the keyboard is.

#include "advancedkeys/dallkeysitemkey.h"
#include "advancedkeys/dseniorkeyspage.h"
#include "app/dmainwidget.h"
#include "app/dsettingsdia.h"
#include "app/qtlinguist.h"
#include "devicepage/ddevicepage.h"
#include "keyboardview/dsoftkeyboardpage.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/softkeyboardbutcustom.h"
#include "macros/dmacrolistview.h"
#include "support/mainwindowrig.h"
#include "support/testmain.h"

#include "widgets/joinedscriptweight.h"
#include "widgets/mirrorsafestyle.h"

#include <QComboBox>
#include <QLabel>
#include <QMetaEnum>
#include <QPainter>
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
    void softKeyCaptionsReadLeftToRight();
    void macroRowsMirror();
    void iconButtonKeepsItsTextBesideTheIcon();
    void thinWeightsRaisedAndBack_data();
    void thinWeightsRaisedAndBack();
    void arabicIsNeverDrawnThin();
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
        for (DSoftKeyboardPage *soft : softKeyboards) {
            const QList<QWidget *> keys = soft->findChildren<QWidget *>() << soft;
            for (QWidget *key : keys)
                QVERIFY2(key->layoutDirection() == Qt::LeftToRight, where + ' ' + key->metaObject()->className());
        }
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
    // The dynamic-keystroke grid's travel points and row keys keep the order of the
    // painted grid, in a page that is otherwise right to left.
    DSeniorKeysPage advanced;
    advanced.show();
    QCOMPARE(advanced.layoutDirection(), Qt::RightToLeft);
    auto *press = advanced.findChild<QWidget *>(QStringLiteral("label_Stroke01"));
    auto *release = advanced.findChild<QWidget *>(QStringLiteral("label_Stroke04"));
    QVERIFY(press && release);
    QTRY_VERIFY(press->mapTo(&advanced, QPoint()).x() < release->mapTo(&advanced, QPoint()).x());
}

void TestLayoutDirection::softKeyCaptionsReadLeftToRight()
{
    // "1!" stays "1!", "Num/" stays "Num/": the same picture in either direction.
    DSoftKeyboardPage page;
    QVERIFY(page.loadLayout(DSoftKeyboardPage::kUsLayoutCode));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QMap<int, SoftKeyboardButCustom *> keys = page.keyButtons();
    QList<QWidget *> shown = {keys.value(30), keys.value(84)};
    // And a key of the advanced keys' picker.
    DAllKeysItemKey pickerKey;
    pickerKey.setKeyInfo(30, QStringLiteral("1!"));
    pickerKey.resize(40, 30);
    pickerKey.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pickerKey));
    shown << &pickerKey;
    for (QWidget *key : shown) {
        QVERIFY(key);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        const QImage leftToRight = key->grab().toImage();
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        const QImage rightToLeft = key->grab().toImage();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QVERIFY2(leftToRight == rightToLeft, qPrintable(key->accessibleName()));
    }
}

void TestLayoutDirection::macroRowsMirror()
{
    // A macro row's menu dots stand at its reading end, where they are painted and
    // where a click opens the menu: the right, or the left in Arabic.
    DMacroListView list;
    list.resize(300, 200);
    list.setMacros({{"1", "Alpha"}});
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QRect row = list.rowRect(0);
    QVERIFY(row.isValid());
    QCOMPARE(list.menuButtonRect(0).right(), row.right());
    list.setLayoutDirection(Qt::RightToLeft);
    QCOMPARE(list.menuButtonRect(0).left(), row.left());
    QCOMPARE(list.menuButtonRect(0).size(), QSize(30, 35));
}

namespace {

// The widest run of empty columns between the first and the last inked column.
int widestInnerGap(const QImage &image, QRgb background)
{
    QList<bool> inked;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y)
            ink = image.pixel(x, y) != background;
        inked << ink;
    }
    const int first = inked.indexOf(true);
    const int last = inked.lastIndexOf(true);
    int widest = 0;
    int run = 0;
    for (int x = first; x >= 0 && x <= last; ++x) {
        run = inked.at(x) ? 0 : run + 1;
        widest = qMax(widest, run);
    }
    return widest;
}

}  // namespace

void TestLayoutDirection::iconButtonKeepsItsTextBesideTheIcon()
{
    // An icon-and-text button styled by a style sheet, as Apply on the trigger page:
    // in Arabic the text stands beside its icon, not at the button's far edge.
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    MirrorSafeStyle style;
    QPushButton button(QIcon(picture), QString::fromUtf8("\u062a\u0637\u0628\u064a\u0642"));
    button.setStyle(&style);
    button.setStyleSheet(QStringLiteral("QPushButton{border:none;background-color:rgb(30,30,50);color:white;}"));
    button.resize(240, 40);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    const QRgb background = qRgb(30, 30, 50);
    for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QGuiApplication::setLayoutDirection(direction);
        QCOMPARE(button.layoutDirection(), direction);
        const QImage image = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(widestInnerGap(image, background) <= 12,
                 qPrintable(QString::number(widestInnerGap(image, background))));
    }
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

void TestLayoutDirection::thinWeightsRaisedAndBack_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("raised");
    QTest::newRow("shorthand") << "QLabel{color: rgb(1, 2, 3); font: 75 12pt \"X\";}"
                               << "QLabel{color: rgb(1, 2, 3); font: 401 12pt \"X\";}";
    QTest::newRow("no space, twice") << "A{font:75 8pt \"X\";} B{font:75 10pt \"X\";}"
                                     << "A{font:401 8pt \"X\";} B{font:401 10pt \"X\";}";
    QTest::newRow("weight property") << "QLabel { font-weight: 75; font-size: 13pt; }"
                                     << "QLabel { font-weight: 401; font-size: 13pt; }";
    QTest::newRow("last in a rule") << "QLabel{font-weight:75}"
                                    << "QLabel{font-weight:401}";
    // Sizes, other weights and colours stay as they are.
    QTest::newRow("a size of 75") << "QLabel{font: 75pt \"X\"; font-size: 75px;}"
                                  << "QLabel{font: 75pt \"X\"; font-size: 75px;}";
    QTest::newRow("bold") << "QLabel{font: bold 12pt; color: rgb(75, 75, 75);}"
                          << "QLabel{font: bold 12pt; color: rgb(75, 75, 75);}";
    QTest::newRow("empty") << ""
                           << "";
}

void TestLayoutDirection::thinWeightsRaisedAndBack()
{
    QFETCH(QString, sheet);
    QFETCH(QString, raised);
    QCOMPARE(JoinedScriptWeight::raised(sheet), raised);
    QCOMPARE(JoinedScriptWeight::restored(raised), sheet);
}

void TestLayoutDirection::arabicIsNeverDrawnThin()
{
    // Drawn thinner than Light, Arabic comes out with its letters spread apart.
    const QString sheet = QStringLiteral("QLabel { font: 75 12pt \"Microsoft YaHei\"; }");
    QWidget holder;
    holder.setStyleSheet(QStringLiteral("QFrame { font: 75 10pt \"Microsoft YaHei\"; }"));
    auto *before = new QLabel(QStringLiteral("Typ:"), &holder);
    before->setStyleSheet(sheet);
    auto *framed = new QFrame(&holder);
    holder.show();
    QVERIFY(QTest::qWaitForWindowExposed(&holder));
    const int thin = before->font().weight();
    QVERIFY(thin < QFont::Light);
    QVERIFY(framed->font().weight() < QFont::Light);

    QtLinguist linguist(builtTranslations());
    QVERIFY(switchTo(linguist, QtLinguist::Arabic));
    QVERIFY(before->font().weight() >= QFont::Normal);
    QVERIFY(framed->font().weight() >= QFont::Normal);  // by its parent's sheet
    // A widget made, or styled again, while Arabic is on.
    auto *after = new QLabel(QString::fromUtf8("\u0627\u0644\u0646\u0648\u0639:"), &holder);
    after->setStyleSheet(sheet);
    after->show();
    QVERIFY(after->font().weight() >= QFont::Normal);
    before->setStyleSheet(sheet + QStringLiteral(" QLabel { color: red; }"));
    QVERIFY(before->font().weight() >= QFont::Normal);

    // The other languages read every sheet as written.
    QVERIFY(switchTo(linguist, QtLinguist::German));
    QCOMPARE(before->styleSheet(), sheet + QStringLiteral(" QLabel { color: red; }"));
    QCOMPARE(after->styleSheet(), sheet);
    QCOMPARE(before->font().weight(), thin);
    QCOMPARE(after->font().weight(), thin);
    QVERIFY(framed->font().weight() < QFont::Light);
}

TAVRIX_TEST_MAIN(TestLayoutDirection)
#include "tst_layoutdirection.moc"
