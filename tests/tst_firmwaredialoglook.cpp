// How the firmware update dialog looks: its progress bar shows what is done in
// every theme, each row's columns show their texts whole in English, German and
// Chinese, and the dialog is as large as its rows and no larger.
#include "app/ddatamanager.h"
#include "app/qtlinguist.h"
#include "firmware/dupdatefirmwaredia.h"
#include "firmware/updatefirmwareinfoitem.h"
#include "support/testmain.h"
#include "widgets/readablecolour.h"
#include "widgets/textfit.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QMetaEnum>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace {

hidStructInfoAll device(int n)
{
    hidStructInfoAll d {};
    qstrcpy(d.productName, "Quorin");
    qstrcpy(d.likeName, "QR108 RGB Full-size");
    qstrcpy(d.hidPath, qPrintable(QStringLiteral("/no/link/%1").arg(n)));
    qstrcpy(d.firmwareVersion, "V1.00");
    qstrcpy(d.newFirmwareVersion, "V1.01");
    return d;
}

QList<hidStructInfoAll> devices(int count)
{
    QList<hidStructInfoAll> list;
    for (int i = 0; i < count; ++i)
        list << device(i);
    return list;
}

QString screenshotDir()
{
    const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
    QDir().mkpath(dir);
    return dir;
}

}  // namespace

class TestFirmwareDialogLook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filledBarStandsOutFromItsGroove_data();
    void filledBarStandsOutFromItsGroove();
    void columnsShowTheirTextsWhole_data();
    void columnsShowTheirTextsWhole();
    void heightFollowsTheRows_data();
    void heightFollowsTheRows();
    void rowsStayWholeWhenOneGrows();
    void cleanupTestCase();

private:
    QtLinguist m_linguist {QString::fromLocal8Bit(qgetenv("TAVRIX_BIN_DIR")) + "/translation"};
};

void TestFirmwareDialogLook::filledBarStandsOutFromItsGroove_data()
{
    QTest::addColumn<int>("theme");
    const char *const names[] = {"Black", "Light", "Blue", "Pink", "Other"};
    for (int i = 0; i < 5; ++i)
        QTest::newRow(names[i]) << i;
}

// The filled part was once darker than the groove: a full bar looked emptier than
// an empty one. Read from the drawn bar: the filled part differs from the groove
// at least as much as the parts of a control must (3:1).
void TestFirmwareDialogLook::filledBarStandsOutFromItsGroove()
{
    QFETCH(int, theme);
    DDataManager::getInstance()->setTheme(theme);
    UpdateFirmwareInfoItem row;
    row.setDeviceInfo(device(0), nullptr, QString());
    row.resize(900, 70);
    row.show();
    QVERIFY(QTest::qWaitForWindowExposed(&row));
    row.setProgress(50);
    auto *bar = row.findChild<QProgressBar *>("progressBar");
    QVERIFY(bar);
    const QImage image = bar->grab().toImage();
    image.save(QStringLiteral("%1/firmware_progress_%2.png").arg(screenshotDir(), QTest::currentDataTag()));
    const QColor filled(image.pixel(image.width() / 4, image.height() / 2));
    const QColor groove(image.pixel(image.width() * 3 / 4, image.height() / 2));
    const double ratio = ReadableColour::contrast(filled, groove);
    QVERIFY2(ratio >= ReadableColour::kMarkContrast,
             qPrintable(
                 QStringLiteral("filled %1, groove %2: %3:1").arg(filled.name(), groove.name()).arg(ratio, 0, 'f', 2)));
}

void TestFirmwareDialogLook::columnsShowTheirTextsWhole_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("rows");
    const QMetaEnum languages = QMetaEnum::fromType<QtLinguist::Language>();
    for (int i = 0; i < languages.keyCount(); ++i) {
        for (int rows : {2, 5})
            QTest::addRow("%s, %d rows", languages.key(i), rows) << languages.value(i) << rows;
    }
}

// "Quorin QR108 RGB…" and "Update pr…" were cut in English in a dialog of fixed
// size, and with two keyboards the second row lay under the warning line. Every
// row now shows whole (scrolled to, past four) above the warning line, every text
// of it whole, with the room it needs, and the dialog still fits a 1366x768 screen.
void TestFirmwareDialogLook::columnsShowTheirTextsWhole()
{
    QFETCH(int, language);
    QFETCH(int, rows);
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    if (screen.width() < 1366 || screen.height() < 768)
        QSKIP("needs a 1366x768 screen (the Xvfb run)");
    QVERIFY(m_linguist.loadLanguage(language));
    DDataManager::getInstance()->setTheme(0);
    DUpdateFirmwareDia dialog;
    dialog.setDeviceList(devices(rows), {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCoreApplication::processEvents();
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(", ", "_").replace(' ', '_');
    dialog.grab().save(QStringLiteral("%1/firmware_dialog_%2.png").arg(screenshotDir(), tag));

    QVERIFY(dialog.width() <= screen.width() && dialog.height() <= screen.height());
    QCOMPARE(dialog.rows().size(), rows);
    auto *area = dialog.findChild<QScrollArea *>("scrollArea_2");
    auto *warning = dialog.findChild<QWidget *>("frame");
    QVERIFY(area && warning);
    const QRect shown(area->viewport()->mapTo(&dialog, QPoint(0, 0)), area->viewport()->size());
    const QRect warningPlace(warning->mapTo(&dialog, QPoint(0, 0)), warning->size());
    QVERIFY2(dialog.rect().contains(shown) && !shown.intersects(warningPlace),
             qPrintable(QStringLiteral("list %1,%2 %3x%4, warning line at %5, dialog %6x%7")
                            .arg(shown.x())
                            .arg(shown.y())
                            .arg(shown.width())
                            .arg(shown.height())
                            .arg(warningPlace.y())
                            .arg(dialog.width())
                            .arg(dialog.height())));
    QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
    QStringList cut;
    for (int i = 0; i < rows; ++i) {
        UpdateFirmwareInfoItem *row = dialog.rows().at(i);
        area->ensureWidgetVisible(row, 0, 0);
        const QRect rowPlace(row->mapTo(&dialog, QPoint(0, 0)), row->size());
        if (!shown.contains(rowPlace))
            cut << QStringLiteral("row %1 at %2,%3 %4x%5")
                       .arg(i)
                       .arg(rowPlace.x())
                       .arg(rowPlace.y())
                       .arg(rowPlace.width())
                       .arg(rowPlace.height());
        // Nothing drawn over anything else (the percentage once sat on the bar's end).
        QList<QWidget *> parts;
        for (QWidget *w : row->findChildren<QWidget *>()) {
            if (w->isVisible()
                && (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w) || qobject_cast<QProgressBar *>(w)))
                parts << w;
        }
        for (int a = 0; a < parts.size(); ++a) {
            for (int b = a + 1; b < parts.size(); ++b) {
                const QRect first(parts[a]->mapTo(row, QPoint(0, 0)), parts[a]->size());
                const QRect second(parts[b]->mapTo(row, QPoint(0, 0)), parts[b]->size());
                if (first.intersects(second))
                    cut << QStringLiteral("row %1: %2 overlaps %3")
                               .arg(i)
                               .arg(parts[a]->objectName(), parts[b]->objectName());
            }
        }
        for (QWidget *w : row->findChildren<QWidget *>()) {
            auto *label = qobject_cast<QLabel *>(w);
            auto *button = qobject_cast<QPushButton *>(w);
            if (!w->isVisible() || (!label && !button))
                continue;
            const QString text = label ? label->text() : button->text();
            if (text.isEmpty())
                continue;
            const QString full = TextFit::fullText(w);
            const int needed = w->fontMetrics().horizontalAdvance(full);
            const QRect place(w->mapTo(&dialog, QPoint(0, 0)), w->size());
            if (text != full || needed > TextFit::textRoom(w) + 1 || !shown.contains(place))
                cut << QStringLiteral("row %1: %2 \"%3\" shown as \"%4\", needs %5 px, has %6, at %7,%8 %9x%10")
                           .arg(i)
                           .arg(w->objectName(), full, text)
                           .arg(needed)
                           .arg(TextFit::textRoom(w))
                           .arg(place.x())
                           .arg(place.y())
                           .arg(place.width())
                           .arg(place.height());
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join("\n")));
}

void TestFirmwareDialogLook::heightFollowsTheRows_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("shown");
    QTest::newRow("one row") << 1 << 1;
    QTest::newRow("three rows") << 3 << 3;
    QTest::newRow("six rows scroll") << 6 << 4;
}

// The dialog was 520 px high and empty below its one row: now the list is as tall
// as its rows, up to four; more scroll.
void TestFirmwareDialogLook::heightFollowsTheRows()
{
    QFETCH(int, rows);
    QFETCH(int, shown);
    QVERIFY(m_linguist.loadLanguage(QtLinguist::English));
    DUpdateFirmwareDia dialog;
    dialog.setDeviceList(devices(rows), {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *area = dialog.findChild<QScrollArea *>("scrollArea_2");
    QVERIFY(area);
    const int rowHeight = dialog.rows().first()->height();
    QCOMPARE(rowHeight, 70);
    // The list shows the rows it can and little else: at most a margin's worth of space.
    const int spare = area->viewport()->height() - shown * rowHeight;
    QVERIFY2(spare >= 0 && spare <= 24, qPrintable(QString::number(spare)));
    QCOMPARE(area->verticalScrollBar()->maximum() > 0, rows > shown);
    // Title bar, list and warning line: nothing else takes height.
    QVERIFY2(dialog.height() <= area->height() + 45 + 60, qPrintable(QString::number(dialog.height())));
}

// A reason under a row's button takes lines and the row grows: the dialog grows
// with it, so neither that row nor the one under it slips out of sight.
void TestFirmwareDialogLook::rowsStayWholeWhenOneGrows()
{
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    if (screen.width() < 1366 || screen.height() < 768)
        QSKIP("needs a screen as wide as the rows (the Xvfb run)");
    QVERIFY(m_linguist.loadLanguage(QtLinguist::English));
    DUpdateFirmwareDia dialog;
    dialog.setDeviceList(devices(2), {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *area = dialog.findChild<QScrollArea *>("scrollArea_2");
    QVERIFY(area);
    const int before = dialog.height();
    UpdateFirmwareInfoItem *first = dialog.rows().first();
    first->findChild<QPushButton *>("pushButton_Update")->click();
    dialog.upgradeRefused(QStringLiteral("Another keyboard is in update mode: finish or unplug it, then try again"));
    QTRY_VERIFY(first->height() > 70);
    QTRY_VERIFY(dialog.height() >= before + first->height() - 70);
    dialog.grab().save(screenshotDir() + "/firmware_dialog_row_with_reason.png");
    const QRect shown(QPoint(0, 0), area->viewport()->size());
    QVERIFY2(area->verticalScrollBar()->maximum() == 0,
             qPrintable(QStringLiteral("the list scrolls: %1 of %2 px shown, rows %3 and %4 px high")
                            .arg(shown.height())
                            .arg(area->widget()->height())
                            .arg(first->height())
                            .arg(dialog.rows().last()->height())));
    for (UpdateFirmwareInfoItem *row : dialog.rows()) {
        const QRect place(row->mapTo(area->viewport(), QPoint(0, 0)), row->size());
        QVERIFY2(shown.contains(place),
                 qPrintable(QStringLiteral("row at %1, %2 high, in a list %3 high")
                                .arg(place.y())
                                .arg(place.height())
                                .arg(shown.height())));
    }
}

void TestFirmwareDialogLook::cleanupTestCase()
{
    m_linguist.loadLanguage(QtLinguist::English);
    DDataManager::getInstance()->setTheme(0);
}

TAVRIX_TEST_MAIN(TestFirmwareDialogLook)
#include "tst_firmwaredialoglook.moc"
