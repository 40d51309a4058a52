// Readable drop-down lists in every theme: each list is opened and drawn, and the
// text of every item, selected or not, is measured against the item's background
// from the drawn pixels. Also the contrast arithmetic the pages use to pick text
// colours that read.
#include "app/ddatamanager.h"
#include "app/dsettingsdia.h"
#include "keys/dchangeprofilepage.h"
#include "keys/dmacrocmdpage.h"
#include "keys/dseniorkeysbindingpage.h"
#include "support/devicepagerig.h"
#include "support/testmain.h"
#include "widgets/readablecolour.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QHash>

#include <functional>
#include <memory>

namespace {

const char *const kThemeNames[] = {"Black", "Light", "Blue", "Pink", "Other"};

struct Measured
{
    QColor background;
    QColor text;
    int textPixels = 0;
};

// The most common colour of the item's rectangle is its background; the text is
// the colour of the glyphs' solid pixels, the one farthest from the background
// that at least a few pixels have (edge pixels blend toward the background).
Measured measureItem(const QImage &image, const QRect &item)
{
    QHash<QRgb, int> counts;
    const QRect area = item.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    Measured m;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            m.background = QColor(it.key());
        }
    double farthest = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = ReadableColour::contrast(m.background, QColor(it.key()));
        if (it.value() >= 4 && ratio > farthest) {
            farthest = ratio;
            m.text = QColor(it.key());
        }
        if (ratio > 1.5)
            m.textPixels += it.value();
    }
    return m;
}

QString screenshotDir()
{
    const QString dir = QCoreApplication::applicationDirPath() + "/screenshots/contrast";
    QDir().mkpath(dir);
    return dir;
}

}  // namespace

class TestThemeContrast : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contrastRatio_data();
    void contrastRatio();
    void readableColourMovesOnlyAsFarAsNeeded_data();
    void readableColourMovesOnlyAsFarAsNeeded();
    void dropDownListsReadInEveryTheme_data();
    void dropDownListsReadInEveryTheme();
    void cleanupTestCase();

private:
    void checkList(QComboBox *box, const QString &name);
};

void TestThemeContrast::contrastRatio_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(0, 0, 0) << QColor(255, 255, 255) << 21.0;
    QTest::newRow("same colour") << QColor(120, 30, 200) << QColor(120, 30, 200) << 1.0;
    QTest::newRow("mid grey on white") << QColor(118, 118, 118) << QColor(255, 255, 255) << 4.54;
    QTest::newRow("the reported list grey") << QColor(0xCE, 0xCE, 0xCE) << QColor(0xEF, 0xEF, 0xEF) << 1.36;
}

void TestThemeContrast::contrastRatio()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(ReadableColour::contrast(a, b) - ratio) < 0.01,
             qPrintable(QString::number(ReadableColour::contrast(a, b))));
    QCOMPARE(ReadableColour::contrast(a, b), ReadableColour::contrast(b, a));
}

void TestThemeContrast::readableColourMovesOnlyAsFarAsNeeded_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("wanted");
    QTest::addColumn<bool>("kept");
    QTest::newRow("light text on dark keeps") << QColor(26, 27, 49) << QColor(205, 205, 205) << true;
    QTest::newRow("grey on light grey darkens") << QColor(240, 240, 240) << QColor(140, 140, 140) << false;
    QTest::newRow("pale pink on pink") << QColor(255, 90, 255) << QColor(225, 205, 225) << false;
    QTest::newRow("lighter text than a mid background") << QColor(235, 0, 235) << QColor(255, 90, 255) << false;
    QTest::newRow("same colour") << QColor(128, 128, 128) << QColor(128, 128, 128) << false;
}

void TestThemeContrast::readableColourMovesOnlyAsFarAsNeeded()
{
    QFETCH(QColor, background);
    QFETCH(QColor, wanted);
    QFETCH(bool, kept);
    const QColor got = ReadableColour::on(background, wanted);
    QVERIFY2(ReadableColour::contrast(background, got) >= ReadableColour::kTextContrast, qPrintable(got.name()));
    QCOMPARE(got == wanted, kept);
    // Moved just far enough, not all the way to black or white.
    if (!kept)
        QVERIFY2(ReadableColour::contrast(background, got) < ReadableColour::kTextContrast + 0.2,
                 qPrintable(got.name()));
}

void TestThemeContrast::dropDownListsReadInEveryTheme_data()
{
    QTest::addColumn<int>("theme");
    for (int i = 0; i < 5; ++i)
        QTest::newRow(kThemeNames[i]) << i;
}

void TestThemeContrast::dropDownListsReadInEveryTheme()
{
    QFETCH(int, theme);
    const QString themeName = QLatin1String(kThemeNames[theme]);
    // Each window is made in another theme and then switched, as the settings do.
    DDataManager *data = DDataManager::getInstance();
    const int before = (theme + 1) % 5;

    // The key-function pages that choose from a list: macro, advanced key, profile.
    struct FunctionPage
    {
        std::function<DKeyFunctionPage *()> make;
        const char *box;
    };
    const FunctionPage pages[] = {
        {[] { return new DMacroCmdPage; }, "comboBox_Macro"},
        {[] { return new DSeniorKeysBindingPage; }, "comboBox_SeniorKeys"},
        {[] { return new DChangeProfilePage; }, "comboBox_Profile"},
    };
    for (const FunctionPage &p : pages) {
        data->setTheme(before);
        std::unique_ptr<DKeyFunctionPage> page(p.make());
        page->applyTheme();
        page->resize(460, 300);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
        auto *box = page->findChild<QComboBox *>(p.box);
        QVERIFY(box);
        box->showPopup();
        box->hidePopup();
        data->setTheme(theme);
        page->applyTheme();
        checkList(box, themeName + "_" + p.box);
        if (QTest::currentTestFailed())
            return;
    }

    // The device page's profile list.
    {
        data->setTheme(before);
        DevicePageRig rig;
        DDevicePage *page = rig.open();
        QVERIFY(page);
        page->applyTheme();
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        auto *box = page->findChild<QComboBox *>("comboBox_profileList");
        QVERIFY(box);
        box->showPopup();
        box->hidePopup();
        data->setTheme(theme);
        page->applyTheme();
        checkList(box, themeName + "_comboBox_profileList");
        if (QTest::currentTestFailed())
            return;
    }

    // The settings dialog's language and theme lists.
    data->setTheme(theme);
    DSettingsDia settings;
    settings.show();
    QVERIFY(QTest::qWaitForWindowExposed(&settings));
    for (const char *name : {"comboBox_Language", "comboBox_Theme"}) {
        auto *box = settings.findChild<QComboBox *>(name);
        QVERIFY(box);
        checkList(box, themeName + "_" + name);
        if (QTest::currentTestFailed())
            return;
    }
}

// Opens the list with the second item selected and measures each shown item.
void TestThemeContrast::checkList(QComboBox *box, const QString &name)
{
    if (box->count() < 3) {
        box->clear();
        box->addItems({"Profile 1", "Macro Copy Paste", "Default settings", "WASD Fire"});
    }
    box->setCurrentIndex(1);
    box->showPopup();
    QAbstractItemView *view = box->view();
    QWidget *popup = view->window();
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    const QImage image = popup->grab().toImage();
    QVERIFY(image.save(screenshotDir() + "/" + name + ".png"));
    int measured = 0;
    QColor selectedBackground;
    QColor otherBackground;
    for (int row = 0; row < box->count(); ++row) {
        QRect item = view->visualRect(view->model()->index(row, 0));
        if (!item.isValid() || !view->viewport()->rect().intersects(item))
            continue;
        item.moveTopLeft(view->viewport()->mapTo(popup, item.topLeft()));
        item.adjust(2, 2, -2, -2);  // the item alone, not the list's frame around it
        const Measured m = measureItem(image, item);
        const bool selected = row == box->currentIndex();
        const double ratio = ReadableColour::contrast(m.background, m.text);
        const QString what = QStringLiteral("%1 item %2%3: text %4 on %5, %6:1")
                                 .arg(name)
                                 .arg(row)
                                 .arg(selected ? " (selected)" : "")
                                 .arg(m.text.name(), m.background.name())
                                 .arg(ratio, 0, 'f', 2);
        QVERIFY2(m.textPixels > 10, qPrintable(what + ", no text drawn"));
        QVERIFY2(ratio >= ReadableColour::kTextContrast, qPrintable(what));
        (selected ? selectedBackground : otherBackground) = m.background;
        ++measured;
    }
    QVERIFY2(measured >= 3, qPrintable(name));
    // The selected item is told apart by its background.
    QVERIFY2(selectedBackground.isValid() && selectedBackground != otherBackground,
             qPrintable(QStringLiteral("%1: selected on %2, others on %3")
                            .arg(name, selectedBackground.name(), otherBackground.name())));
    box->hidePopup();
}

void TestThemeContrast::cleanupTestCase()
{
    DDataManager::getInstance()->setTheme(0);
}

TAVRIX_TEST_MAIN(TestThemeContrast)
#include "tst_themecontrast.moc"
