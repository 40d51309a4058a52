// Opens every tab, function page and dialog in each of the fifteen languages with
// the main window at its minimum size and the program's own font, and fails where a
// label's, button's or field's text does not fit the rectangle it is drawn in (font
// metrics against geometry), where a text is shown cut with an ellipsis, or where a
// button would eat an '&' of its text as a mnemonic. In English, German and Chinese
// it walks every screen, the pop-ups and the macro editor's states included.

#include "advancedkeys/dallkeysitemkey.h"
#include "advancedkeys/dseniorkeyspage.h"
#include "app/dapplication.h"
#include "app/dmainwidget.h"
#include "app/dsettingsdia.h"
#include "app/qtlinguist.h"
#include "devicepage/ddevicelistitem.h"
#include "devicepage/ddevicepage.h"
#include "emudevice.h"
#include "emufirmware.h"
#include "emumodel.h"
#include "firmware/dupdatefirmwaredia.h"
#include "keyboardview/dsoftkeyboardpage.h"
#include "keyboardview/dvirtualkeyboardtool.h"
#include "keyboardview/softkeyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "keys/keyfunctionpagetable.h"
#include "macros/dmacropage.h"
#include "support/mainwindowrig.h"
#include "support/screenwalk.h"
#include "support/testmain.h"
#include "widgets/textfit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolButton>

#include <memory>

namespace {

// Texts the check lets pass, by object name, each with the reason.
const QHash<QString, QString> &knownExceptions()
{
    static const QHash<QString, QString> table {
        {"label_ElectricityNum", "the battery gauge paints its percentage; the label text is never drawn"},
    };
    return table;
}

// Names the user gave (profiles, macros, files): these may be cut, with the whole
// name in the tip.
const QSet<QString> &userNames()
{
    static const QSet<QString> names {"label_MacroName", "comboBox_profileList", "label_ProfileName", "label_FileName"};
    return names;
}

const QChar kEllipsis(0x2026);

// A text shown cut by TextFit: what is shown is not the whole text.
QString cutMisfit(QWidget *w, const QString &shown)
{
    const QString full = TextFit::fullText(w);
    if (userNames().contains(w->objectName()) || !shown.endsWith(kEllipsis) || full.endsWith(kEllipsis))
        return QString();
    if (w->toolTip().isEmpty())
        return QStringLiteral("cut, and the tip does not hold the whole text");
    return QStringLiteral("cut to \"%1\" (whole: \"%2\")").arg(shown, full);
}

// The part of w that its parents leave visible, in w's coordinates.
QRect shownPart(QWidget *w)
{
    QRect shown = w->rect();
    QPoint origin;
    for (QWidget *p = w; !p->isWindow() && p->parentWidget(); p = p->parentWidget()) {
        origin += p->pos();
        shown &= p->parentWidget()->rect().translated(-origin);
    }
    return shown;
}

// A text widget that its parents show only in part: a row cut at the bottom of its
// panel, an option pushed past the right edge. One wholly hidden (scrolled away)
// is not drawn at all and passes.
QString clipMisfit(QWidget *w, int textWidth, int textHeight)
{
    const QRect shown = shownPart(w);
    if (shown.isEmpty() || shown == w->rect())
        return QString();
    const int chrome = w->width() - TextFit::textRoom(w);
    const int needWidth = qMin(w->width(), textWidth + chrome);
    const int needHeight = qMin(w->height(), textHeight);
    if (shown.width() + 1 < needWidth || shown.height() + 1 < needHeight)
        return QStringLiteral("shown only %1x%2 of %3x%4 by its parents")
            .arg(shown.width())
            .arg(shown.height())
            .arg(w->width())
            .arg(w->height());
    return QString();
}

QString placeholderMisfit(QLineEdit *edit)
{
    const QString text = edit->text().isEmpty() ? edit->placeholderText() : edit->text();
    if (text.isEmpty())
        return QString();
    const int frame = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
    const QMargins margins = edit->textMargins();
    // The line edit keeps 2 px on either side of its text.
    const int room = edit->contentsRect().width() - margins.left() - margins.right() - 2 * frame - 4;
    const int need = edit->fontMetrics().horizontalAdvance(text);
    if (need > room + 1)
        return QStringLiteral("needs %1 px, has %2").arg(need).arg(room);
    return QString();
}

bool isRich(const QString &text, Qt::TextFormat format)
{
    return format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
}

// Whether the widget is drawn: shown, with a size, inside its window.
bool drawn(QWidget *w)
{
    return w->isVisible() && w->width() > 0 && w->height() > 0;
}

QString labelMisfit(QLabel *label)
{
    if (!label->pixmap(Qt::ReturnByValue).isNull() || label->movie())
        return QString();
    const QString text = label->text();
    if (text.trimmed().isEmpty())
        return QString();
    QRect room = label->contentsRect();
    const int margin = label->margin();
    room.adjust(margin, margin, -margin, -margin);
    room.setWidth(TextFit::textRoom(label));
    const QFontMetrics fm(label->font());
    if (isRich(text, label->textFormat())) {
        // Laid out as the label lays it out: the label's font, no document margin.
        QTextDocument doc;
        doc.setDefaultFont(label->font());
        doc.setDocumentMargin(0);
        doc.setHtml(text);
        if (doc.toPlainText().trimmed().isEmpty())
            return QString();
        if (label->wordWrap()) {
            doc.setTextWidth(room.width());
            if (doc.size().height() > room.height() + 1)
                return QStringLiteral("needs %1 px height, has %2").arg(doc.size().height()).arg(room.height());
        } else if (doc.idealWidth() > room.width() + 1) {
            return QStringLiteral("needs %1 px, has %2").arg(doc.idealWidth()).arg(room.width());
        }
        return QString();
    }
    if (label->wordWrap()) {
        const QRect need = fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text);
        // One pixel of rounding either way is not a cut.
        if (need.height() > room.height() + 1)
            return QStringLiteral("needs %1 px height, has %2").arg(need.height()).arg(room.height());
        return QString();
    }
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, fm.horizontalAdvance(line));
    if (widest > room.width() + 1)
        return QStringLiteral("needs %1 px, has %2").arg(widest).arg(room.width());
    const int lines = text.count(QLatin1Char('\n')) + 1;
    if (lines * fm.height() > room.height() + fm.descent())
        return QStringLiteral("needs %1 px height, has %2").arg(lines * fm.height()).arg(room.height());
    return QString();
}

bool hasLoneAmpersand(const QString &text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
            ++i;
        else
            return true;
    }
    return false;
}

QString buttonMisfit(QAbstractButton *button)
{
    const QString text = button->text();
    if (text.trimmed().isEmpty())
        return QString();
    if (hasLoneAmpersand(text))
        return QStringLiteral("'&' is taken as a mnemonic and not shown");
    QString shown = text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    const QFontMetrics fm(button->font());
    if (auto *tool = qobject_cast<QToolButton *>(button); tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
        return QString();
    const int room = TextFit::textRoom(button);
    int widest = 0;
    for (const QString &line : shown.split(QLatin1Char('\n')))
        widest = qMax(widest, fm.horizontalAdvance(line));
    if (widest > room + 1)
        return QStringLiteral("needs %1 px, has %2").arg(widest).arg(room);
    return QString();
}

// cutsCount: whether a text shown cut with an ellipsis (and one clipped by its
// parents) is a fault, as in the languages every screen is checked in.
QStringList misfits(QWidget *root, const QString &language, const QString &where, bool cutsCount)
{
    QStringList found;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!drawn(w) || knownExceptions().contains(w->objectName()))
            continue;
        QString problem;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            text = label->text();
            problem = labelMisfit(label);
            if (problem.isEmpty() && cutsCount && label->pixmap(Qt::ReturnByValue).isNull() && !text.trimmed().isEmpty()
                && !isRich(text, label->textFormat())) {
                problem = cutMisfit(label, text);
                const QFontMetrics fm(label->font());
                if (problem.isEmpty())
                    problem
                        = clipMisfit(label, fm.horizontalAdvance(text.section(QLatin1Char('\n'), 0, 0)), fm.height());
            }
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            text = button->text();
            problem = buttonMisfit(button);
            if (problem.isEmpty() && cutsCount && !text.trimmed().isEmpty()) {
                problem = cutMisfit(button, text);
                const QFontMetrics fm(button->font());
                if (problem.isEmpty())
                    problem = clipMisfit(button, fm.horizontalAdvance(text), fm.height());
            }
        } else if (auto *edit = qobject_cast<QLineEdit *>(w); edit && !edit->isReadOnly()) {
            text = edit->text().isEmpty() ? edit->placeholderText() : edit->text();
            if (!userNames().contains(edit->objectName()))
                problem = placeholderMisfit(edit);
        }
        if (!problem.isEmpty())
            found << QStringLiteral("%1 | %2 | %3 '%4' | \"%5\": %6")
                         .arg(language, where, QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                              text.left(80), problem);
    }
    return found;
}

using Rig = MainWindowRig;

}  // namespace

class TestTextFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void everyTextFits_data();
    void everyTextFits();
    void cutTextsKeepTheirWhole();
    void softKeyCaptionsFit_data();
    void softKeyCaptionsFit();
    void chineseShowsNoLatinTimeUnit();

private:
    Rig *m_rig = nullptr;
    QtLinguist *m_linguist = nullptr;
};

void TestTextFit::initTestCase()
{
    // The screens are checked as they show on a 1366x768 desktop, which the offscreen
    // platform (800x600) is not; CTest runs this on Xvfb (tst_textfit_xvfb).
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->availableGeometry().width() < 1366 || screen->availableGeometry().height() < 768)
        QSKIP("needs a screen of at least 1366x768");
    // Texts are measured in the font the program lays its windows out in.
    DApplication::setInterfaceFont();
    m_linguist = new QtLinguist(QString::fromLocal8Bit(qgetenv("TAVRIX_BIN_DIR")) + "/translation");
    m_rig = new Rig;
    QVERIFY(m_rig->open());
}

void TestTextFit::cleanupTestCase()
{
    delete m_rig;
    if (m_linguist)  // none when the screen was too small and the test skipped
        m_linguist->loadLanguage(QtLinguist::English);
    delete m_linguist;
}

void TestTextFit::everyTextFits_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("everyScreen");
    const QMetaEnum languages = QMetaEnum::fromType<QtLinguist::Language>();
    for (int i = 0; i < languages.keyCount(); ++i) {
        const int language = languages.value(i);
        const bool everyScreen
            = language == QtLinguist::English || language == QtLinguist::German || language == QtLinguist::Zh_SM;
        QTest::newRow(languages.key(i)) << language << everyScreen;
    }
}

void TestTextFit::everyTextFits()
{
    QFETCH(int, language);
    QFETCH(bool, everyScreen);
    const QString name = QString::fromLatin1(QMetaEnum::fromType<QtLinguist::Language>().valueToKey(language));
    QVERIFY(m_linguist->loadLanguage(language));
    DMainWidget *w = m_rig->window.get();
    DDevicePage *page = m_rig->page();
    w->onUpdateAllUI();
    QCoreApplication::processEvents();

    // One line per widget and problem, however many screens show it.
    QMap<QString, QString> problems;
    auto check = [&](QWidget *root, const QString &where) {
        // Measured after the layouts a busy machine left pending: a label's size is
        // only its own once its layout ran.
        for (int i = 0; i < 3; ++i)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (const QString &line : misfits(root, name, where, everyScreen)) {
            const QString key = line.section(QStringLiteral(" | "), 2);
            if (!problems.contains(key))
                problems.insert(key, line);
        }
    };

    if (everyScreen) {
        // The window as the program opens it on the desktop.
        w->resize(w->screen()->availableGeometry().size());
        ScreenWalk walk(w, [&](const QString &where) {
            for (QWidget *window : ScreenWalk::shownWindows())
                check(window, where);
        });
        walk.run();
        // A screen not reached is told, not failed: a pop-up that needs a window
        // manager to open does not open on the bare X server this runs on.
        for (const QString &screen : walk.missed())
            qWarning("%s | %s: not shown, its texts are not checked", qPrintable(name), qPrintable(screen));
        w->resize(w->minimumSize());
    } else {
        for (const MainWindowRig::Tab &tab : MainWindowRig::kTabs) {
            QVERIFY(m_rig->selectModel(tab.model));
            page->findChild<QAbstractButton *>(tab.button)->click();
            QCoreApplication::processEvents();
            check(w, QString::fromLatin1(tab.button));
        }
        QVERIFY(m_rig->selectModel("QR108"));
        page->findChild<QAbstractButton *>("toolButton_CustomKey")->click();
        DCustomKeysPage *keys = page->customKeysTab();
        for (int i = 0; i < KeyFunctionPages::kCount; ++i) {
            const KeyFunctionPageEntry &entry = KeyFunctionPages::entries()[i];
            QToolButton *button = keys->functionButton(entry.buttonId);
            if (!button || !button->isVisible())
                continue;
            button->click();
            QCoreApplication::processEvents();
            check(keys, QString::fromLatin1(entry.tipName));
        }
        auto dialog = [&](QWidget *d, const QString &where) {
            QVERIFY2(d, qPrintable(where));
            QVERIFY(QTest::qWaitForWindowExposed(d));
            check(d, where);
            delete d;
        };
        w->on_pushButton_Setting_clicked();
        auto *settings = w->findChild<DSettingsDia *>();
        QVERIFY(settings);
        check(settings, "settings");
        settings->findChild<QAbstractButton *>("pushButton_About")->click();
        dialog(settings, "settings about");
        w->onShowMacroPage();
        dialog(w->findChild<DMacroPage *>(), "macros");
        QVERIFY(m_rig->selectModel("QM68"));
        w->onShowSeniorKeysPage();
        dialog(w->findChild<DSeniorKeysPage *>(), "advanced keys");
        if (!w->updateFirmwareDialog())
            QVERIFY(w->checkUpgradeableDevices(true));
        dialog(w->updateFirmwareDialog(), "firmware update");
    }

    if (!problems.isEmpty())
        QFAIL(qPrintable("\n" + QStringList(problems.values()).join('\n')));
}

void TestTextFit::cutTextsKeepTheirWhole()
{
    // A key caption with an ampersand is shown with it.
    DAllKeysItemKey key;
    key.setKeyInfo(36, QStringLiteral("7&"));
    QVERIFY(!hasLoneAmpersand(key.text()));
    QCOMPARE(key.accessibleName(), QStringLiteral("7&"));

    // A text too wide for a fixed width is cut with an ellipsis, the tip holds all of
    // it, and widening the widget shows it whole again.
    QWidget holder;
    holder.resize(700, 100);
    holder.show();
    QVERIFY(QTest::qWaitForWindowExposed(&holder));
    auto *label = new QLabel(&holder);
    label->setFixedWidth(60);
    label->show();
    const QString text = QStringLiteral("Geschwindigkeit der Beleuchtung:");
    TextFit::setText(label, text);
    QVERIFY(label->text() != text);
    QVERIFY(label->text().endsWith(QChar(0x2026)));
    QCOMPARE(label->toolTip(), text);
    QCOMPARE(TextFit::fullText(label), text);
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= TextFit::textRoom(label));
    label->setFixedWidth(600);
    QCOMPARE(label->text(), text);
    QVERIFY(label->toolTip().isEmpty());

    auto *option = new QCheckBox(&holder);
    option->setFixedWidth(600);
    TextFit::setText(option, QStringLiteral("Copy & paste"));
    QCOMPARE(option->text(), QStringLiteral("Copy && paste"));
    QCOMPARE(TextFit::fullText(option), QStringLiteral("Copy & paste"));
}

void TestTextFit::softKeyCaptionsFit_data()
{
    QTest::addColumn<int>("language");
    const QMetaEnum languages = QMetaEnum::fromType<QtLinguist::Language>();
    for (int i = 0; i < languages.keyCount(); ++i)
        QTest::newRow(languages.key(i)) << languages.value(i);
}

void TestTextFit::softKeyCaptionsFit()
{
    // Every caption of the soft keyboard within its key, in the language switched to
    // while the keyboard is open, as the key picker shows it.
    QFETCH(int, language);
    QVERIFY(m_linguist->loadLanguage(QtLinguist::English));
    DVirtualKeyboardTool panel(0);
    panel.applyTheme();
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QVERIFY(m_linguist->loadLanguage(language));
    panel.retranslateTexts();
    QCoreApplication::processEvents();

    const QMap<int, SoftKeyboardButCustom *> keys = panel.softKeyboard()->keyButtons();
    QVERIFY(!keys.isEmpty());
    QCOMPARE(keys.value(145)->accessibleName(), QCoreApplication::translate("QObject", "Chinese"));
    QStringList problems;
    for (SoftKeyboardButCustom *key : keys) {
        const QFontMetrics fm(key->font());
        const QStringList lines = key->text().replace(QStringLiteral("&&"), QStringLiteral("&")).split('\n');
        int widest = 0;
        for (const QString &line : lines)
            widest = qMax(widest, fm.horizontalAdvance(line));
        if (widest > key->width() || lines.size() * fm.height() > key->height())
            problems << QStringLiteral("key %1 \"%2\": needs %3x%4 px, has %5x%6")
                            .arg(key->keyDec())
                            .arg(key->accessibleName())
                            .arg(widest)
                            .arg(lines.size() * fm.height())
                            .arg(key->width())
                            .arg(key->height());
    }
    if (!problems.isEmpty())
        QFAIL(qPrintable("\n" + problems.join('\n')));
}

void TestTextFit::chineseShowsNoLatinTimeUnit()
{
    // The translation writes milliseconds in Chinese; no screen may show them as
    // "ms" (the macro editor's delays and total, the advanced keys' hold time).
    QVERIFY(m_linguist->loadLanguage(QtLinguist::Zh_SM));
    DMainWidget *w = m_rig->window.get();
    w->onUpdateAllUI();
    w->resize(w->screen()->availableGeometry().size());
    const QRegularExpression latinUnit(QStringLiteral("(^|[\\d\\s])ms\\b"), QRegularExpression::CaseInsensitiveOption);
    QMap<QString, QString> found;
    ScreenWalk walk(w, [&](const QString &where) {
        for (QWidget *window : ScreenWalk::shownWindows()) {
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                if (!drawn(widget))
                    continue;
                QString text;
                if (auto *label = qobject_cast<QLabel *>(widget))
                    text = label->text();
                else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                    text = button->text();
                else if (auto *edit = qobject_cast<QLineEdit *>(widget))
                    text = edit->text().isEmpty() ? edit->placeholderText() : edit->text();
                if (text.contains(latinUnit))
                    found.insert(widget->objectName() + QStringLiteral(" \"") + text + '"', where);
            }
        }
    });
    walk.run();
    w->resize(w->minimumSize());
    QStringList lines;
    for (auto it = found.constBegin(); it != found.constEnd(); ++it)
        lines << it.key() + QStringLiteral(" on ") + it.value();
    if (!lines.isEmpty())
        QFAIL(qPrintable("\n" + lines.join('\n')));
}

TAVRIX_TEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
