// Opens every tab, function page and dialog in each of the fifteen languages with
// the main window at its minimum size, and fails where a label's or button's text
// does not fit the rectangle it is drawn in (font metrics against geometry), or
// where a button would eat an '&' of its text as a mnemonic.

#include "advancedkeys/dallkeysitemkey.h"
#include "advancedkeys/dseniorkeyspage.h"
#include "app/dmainwidget.h"
#include "app/dsettingsdia.h"
#include "app/qtlinguist.h"
#include "devicepage/ddevicelistitem.h"
#include "devicepage/ddevicepage.h"
#include "emudevice.h"
#include "emufirmware.h"
#include "emumodel.h"
#include "firmware/dupdatefirmwaredia.h"
#include "keys/dcustomkeyspage.h"
#include "keys/keyfunctionpagetable.h"
#include "macros/dmacropage.h"
#include "support/mainwindowrig.h"
#include "support/testmain.h"
#include "widgets/textfit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMetaEnum>
#include <QRadioButton>
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
    if (label->pixmap() || label->movie())
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

QStringList misfits(QWidget *root, const QString &language, const QString &where)
{
    QStringList found;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!drawn(w) || knownExceptions().contains(w->objectName()))
            continue;
        QString problem;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            problem = labelMisfit(label);
            text = label->text();
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            problem = buttonMisfit(button);
            text = button->text();
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

private:
    Rig *m_rig = nullptr;
    QtLinguist *m_linguist = nullptr;
};

void TestTextFit::initTestCase()
{
    m_linguist = new QtLinguist(QString::fromLocal8Bit(qgetenv("TAVRIX_BIN_DIR")) + "/translation");
    m_rig = new Rig;
    QVERIFY(m_rig->open());
}

void TestTextFit::cleanupTestCase()
{
    delete m_rig;
    m_linguist->loadLanguage(QtLinguist::English);
    delete m_linguist;
}

void TestTextFit::everyTextFits_data()
{
    QTest::addColumn<int>("language");
    const QMetaEnum languages = QMetaEnum::fromType<QtLinguist::Language>();
    for (int i = 0; i < languages.keyCount(); ++i)
        QTest::newRow(languages.key(i)) << languages.value(i);
}

void TestTextFit::everyTextFits()
{
    QFETCH(int, language);
    const QString name = QString::fromLatin1(QMetaEnum::fromType<QtLinguist::Language>().valueToKey(language));
    QVERIFY(m_linguist->loadLanguage(language));
    DMainWidget *w = m_rig->window.get();
    DDevicePage *page = m_rig->page();
    w->omUpdataAllUI();
    QCoreApplication::processEvents();

    QStringList problems;
    for (const MainWindowRig::Tab &tab : MainWindowRig::kTabs) {
        QVERIFY(m_rig->selectModel(tab.model));
        page->findChild<QAbstractButton *>(tab.button)->click();
        QCoreApplication::processEvents();
        problems += misfits(w, name, QString::fromLatin1(tab.button));
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
        problems += misfits(keys, name, QString::fromLatin1(entry.tipName));
    }

    auto dialog = [&](QWidget *d, const QString &where) {
        QVERIFY2(d, qPrintable(where));
        QVERIFY(QTest::qWaitForWindowExposed(d));
        problems += misfits(d, name, where);
        delete d;
    };
    w->on_pushButton_Setting_clicked();
    auto *settings = w->findChild<DSettingsDia *>();
    QVERIFY(settings);
    problems += misfits(settings, name, "settings");
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

    if (!problems.isEmpty())
        QFAIL(qPrintable("\n" + problems.join('\n')));
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

TAVRIX_TEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
