// Readable texts in every theme: the main window with two keyboards is taken through
// every screen (tabs, function pages, dialogs, question boxes, tips, menus and the
// open drop-down lists), and every label, button, field, closed drop-down, list
// item and toast shown is measured from the drawn pixels: each text pixel against
// the pixel drawn there without the text. Drop-down lists also stay on the screen
// and show their selected item apart. Also the contrast arithmetic the pages use
// to pick text colours that read.
#include "advancedkeys/seniorkeys.h"
#include "app/dapplication.h"
#include "app/ddatamanager.h"
#include "app/dmainwidget.h"
#include "sdk/tavrixxml.h"
#include "support/mainwindowrig.h"
#include "support/screenwalk.h"
#include "support/testmain.h"
#include "widgets/arrowwidget.h"
#include "widgets/cbnotice.h"
#include "widgets/readablecolour.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFontInfo>
#include <QGraphicsEffect>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QScreen>
#include <QSet>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace {

const char *const kThemeNames[] = {"Black", "Light", "Blue", "Pink", "Other"};

struct Measured
{
    QColor background;
    QColor text;
    int textPixels = 0;
    double ratio = 21.0;
};

// The text's pixels are those the text changes. Each is measured against the pixel
// drawn there without the text; the text reads when a fair share of its pixels (not
// only a few that happen to fall on a darker edge) reach the ratio. Edge pixels
// blend toward the background and are the share that may fall short.
Measured measureDifference(const QImage &with, const QImage &without)
{
    struct Pixel
    {
        double ratio;
        QRgb text, background;
    };
    QVector<Pixel> pixels;
    const int w = qMin(with.width(), without.width());
    const int h = qMin(with.height(), without.height());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb a = with.pixel(x, y) | 0xff000000u;
            const QRgb b = without.pixel(x, y) | 0xff000000u;
            if (a != b)
                pixels.append({ReadableColour::contrast(QColor(a), QColor(b)), a, b});
        }
    Measured m;
    m.textPixels = pixels.size();
    if (pixels.isEmpty())
        return m;
    std::sort(pixels.begin(), pixels.end(), [](const Pixel &l, const Pixel &r) { return l.ratio > r.ratio; });
    // The ratio at least a few pixels and one in fifty reach.
    const int share = qMin(pixels.size() - 1, qMax(3, pixels.size() / 50));
    const Pixel &p = pixels.at(share);
    m.ratio = p.ratio;
    m.text = QColor(p.text);
    m.background = QColor(p.background);
    return m;
}

// For an item a model will not blank: the most common colour of the item's rectangle
// is its background, the text the colour farthest from it that a few pixels have.
Measured measureItem(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
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
    m.ratio = farthest;
    return m;
}

QString screenshotDir()
{
    const QString dir = QCoreApplication::applicationDirPath() + "/screenshots/contrast";
    QDir().mkpath(dir);
    return dir;
}

QByteArray imageKey(const QImage &image)
{
    return QCryptographicHash::hash(
        QByteArray::fromRawData(reinterpret_cast<const char *>(image.constBits()), int(image.sizeInBytes())),
        QCryptographicHash::Md5);
}

// Virtual keyboard captions of hairline marks alone: too few of their pixels reach
// their colour for the measure, whatever the colour.
bool hairlineCaption(QWidget *w)
{
    static const QSet<QString> captions {"' \"", ";:", "`~"};
    return w->inherits("SoftKeyboardButCustom") && captions.contains(w->property("text").toString());
}

// A window another window keeps modal over it is dimmed and out of use meanwhile.
bool coveredByModal(QWidget *window, const QList<QWidget *> &shown)
{
    for (QWidget *other : shown)
        if (other != window && other->windowModality() != Qt::NonModal && other->parentWidget()
            && other->parentWidget()->window() == window)
            return true;
    return false;
}

// Texts drawn in one theme and what they measured, walked screen by screen.
class TextCheck
{
public:
    explicit TextCheck(const QString &theme) : m_theme(theme) { }

    void screen(const QString &where)
    {
        const QList<QWidget *> shown = ScreenWalk::shownWindows();
        const int before = m_problems.size();
        for (QWidget *window : shown) {
            if (coveredByModal(window, shown))
                continue;
            if (window->inherits("QComboBoxPrivateContainer"))
                dropDown(window, where);
            QList<QWidget *> widgets = window->findChildren<QWidget *>();
            widgets.prepend(window);
            for (QWidget *w : qAsConst(widgets))
                if (w->isVisible() && !w->visibleRegion().isEmpty())
                    widget(w, where);
        }
        // The screens where a text first fell short, to look at.
        if (m_problems.size() > before)
            QGuiApplication::primaryScreen()->grabWindow(0).save(
                QStringLiteral("%1/%2-%3.png").arg(screenshotDir(), m_theme, where));
    }

    QStringList problems() const { return m_problems.values(); }
    int measured() const { return m_measured; }

private:
    // The part of w shown, in its window's coordinates.
    static QRect shownRect(QWidget *w)
    {
        const QRect part = w->visibleRegion().boundingRect();
        return QRect(w->mapTo(w->window(), part.topLeft()), part.size());
    }

    static QImage grab(QWidget *w, const QRect &inWindow)
    {
        return w->window()->grab(inWindow).toImage().convertToFormat(QImage::Format_RGB32);
    }

    void widget(QWidget *w, const QString &where)
    {
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (!label->pixmap(Qt::ReturnByValue).isNull() || label->movie() || label->text().trimmed().isEmpty())
                return;
            const QString text = label->text();
            measure(
                w, where, text, [label] { label->setText(QString()); }, [label, text] { label->setText(text); });
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            if (button->text().trimmed().isEmpty())
                return;
            if (auto *tool = qobject_cast<QToolButton *>(button);
                tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
                return;
            const QString text = button->text();
            measure(
                w, where, text, [button] { button->setText(QString()); }, [button, text] { button->setText(text); });
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            lineEdit(edit, where);
        } else if (auto *box = qobject_cast<QComboBox *>(w); box && !box->isEditable()) {
            closedBox(box, where);
        } else if (auto *view = qobject_cast<QAbstractItemView *>(w)) {
            items(view, where);
        } else if (auto *notice = qobject_cast<CbNotice *>(w)) {
            toast(notice, where);
        }
    }

    void lineEdit(QLineEdit *edit, const QString &where)
    {
        const QString text = edit->text();
        const QString placeholder = edit->placeholderText();
        if (!text.isEmpty()) {
            measure(
                edit, where, text,
                [edit] {
                    const QSignalBlocker block(edit);
                    edit->setText(QString());
                    edit->setPlaceholderText(QString());
                },
                [edit, text, placeholder] {
                    const QSignalBlocker block(edit);
                    edit->setText(text);
                    edit->setPlaceholderText(placeholder);
                });
        } else if (!placeholder.isEmpty()) {
            measure(
                edit, where, placeholder, [edit] { edit->setPlaceholderText(QString()); },
                [edit, placeholder] { edit->setPlaceholderText(placeholder); });
        }
    }

    void closedBox(QComboBox *box, const QString &where)
    {
        if (box->currentIndex() < 0) {
            const QString placeholder = box->placeholderText();
            if (!placeholder.isEmpty())
                measure(
                    box, where, placeholder, [box] { box->setPlaceholderText(QString()); },
                    [box, placeholder] { box->setPlaceholderText(placeholder); });
            return;
        }
        QAbstractItemModel *model = box->model();
        const QModelIndex index = model->index(box->currentIndex(), box->modelColumn(), box->rootModelIndex());
        const QVariant text = model->data(index, Qt::DisplayRole);
        if (text.toString().trimmed().isEmpty())
            return;
        // The box draws its current item's text from the model when it paints.
        measure(
            box, where, text.toString(),
            [model, index] {
                const QSignalBlocker block(model);
                model->setData(index, QString(), Qt::DisplayRole);
            },
            [model, index, text] {
                const QSignalBlocker block(model);
                model->setData(index, text, Qt::DisplayRole);
            });
    }

    void items(QAbstractItemView *view, const QString &where)
    {
        QAbstractItemModel *model = view->model();
        if (!model)
            return;
        const QRect viewport = view->viewport()->rect();
        for (int row = 0; row < model->rowCount(view->rootIndex()); ++row)
            for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
                const QModelIndex index = model->index(row, column, view->rootIndex());
                const QVariant text = model->data(index, Qt::DisplayRole);
                QRect item = view->visualRect(index) & viewport;
                if (text.toString().trimmed().isEmpty() || item.isEmpty())
                    continue;
                item.moveTopLeft(view->viewport()->mapTo(view->window(), item.topLeft()));
                const QString what = QStringLiteral("%1 item %2").arg(describe(view)).arg(row);
                const QImage with = grab(view, item);
                if (!firstTime(with, what))
                    continue;
                QImage without;
                {
                    const QSignalBlocker block(model);
                    if (model->setData(index, QString(), Qt::DisplayRole)) {
                        without = grab(view, item);
                        model->setData(index, text, Qt::DisplayRole);
                    }
                }
                if (without.isNull()) {
                    // A model that keeps its texts: the item alone, not the list's frame.
                    judge(view, where, what, measureItem(with.copy(with.rect().adjusted(2, 2, -2, -2))));
                } else {
                    judge(view, where, what, measureDifference(with, without));
                }
            }
    }

    // A toast is measured as it stands at full opacity, before it starts to fade.
    void toast(CbNotice *notice, const QString &where)
    {
        if (notice->text().trimmed().isEmpty())
            return;
        // Without its fading effect, which would also draw from a picture it keeps.
        QGraphicsEffect *effect = notice->graphicsEffect();
        const bool fading = effect && effect->isEnabled();
        if (effect)
            effect->setEnabled(false);
        const QColor colour = notice->textColor();
        measure(
            notice, where, notice->text(), [notice] { notice->setTextColor(Qt::transparent); },
            [notice, colour] { notice->setTextColor(colour); });
        if (effect)
            effect->setEnabled(fading);
    }

    // The list of an open drop-down lies on the screen, its selected item apart.
    void dropDown(QWidget *popup, const QString &where)
    {
        const QRect screen = popup->screen()->availableGeometry();
        if (!screen.contains(popup->frameGeometry()))
            m_problems.insert(where + " list",
                              QStringLiteral("%1 | %2 | drop-down list at %3,%4 %5x%6 leaves the screen %7x%8")
                                  .arg(m_theme, where)
                                  .arg(popup->x())
                                  .arg(popup->y())
                                  .arg(popup->width())
                                  .arg(popup->height())
                                  .arg(screen.width())
                                  .arg(screen.height()));
        auto *view = popup->findChild<QAbstractItemView *>();
        if (!view || !view->model() || view->model()->rowCount() < 2)
            return;
        // A long list scrolls: it shows as many items as the box allows, not all at
        // once in a list as tall as the screen.
        auto *box = qobject_cast<QComboBox *>(popup->parentWidget());
        const int rows = view->model()->rowCount(view->rootIndex());
        if (box && rows > box->maxVisibleItems()
            && popup->height() > (box->maxVisibleItems() + 1) * view->sizeHintForRow(0))
            m_problems.insert(where + " list height",
                              QStringLiteral("%1 | %2 | drop-down list shows all %3 items, %4 px tall")
                                  .arg(m_theme, where)
                                  .arg(rows)
                                  .arg(popup->height()));
        // A box with no item chosen opens its list with none marked.
        if (!view->selectionModel() || !view->selectionModel()->isSelected(view->currentIndex()))
            return;
        const QModelIndex current = view->currentIndex();
        const QModelIndex other = view->model()->index(current.row() == 0 ? 1 : 0, current.column());
        const QImage image = view->viewport()->grab().toImage();
        auto backgroundOf = [&](const QModelIndex &index) {
            return measureItem(image.copy(view->visualRect(index).adjusted(2, 2, -2, -2))).background;
        };
        if (backgroundOf(current) == backgroundOf(other))
            m_problems.insert(
                where + " selected",
                QStringLiteral("%1 | %2 | the selected item of the list is not told apart").arg(m_theme, where));
    }

    static QString describe(QWidget *w)
    {
        QString path = w->objectName();
        for (QWidget *p = w->parentWidget(); p && path.count('/') < 2; p = p->parentWidget())
            if (!p->objectName().isEmpty() && !p->objectName().startsWith("qt_"))
                path = p->objectName() + '/' + path;
        return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(w->metaObject()->className()), path);
    }

    // Identical pixels of the same widget measure the same: each is measured once.
    bool firstTime(const QImage &with, const QString &what)
    {
        const QByteArray key = imageKey(with) + what.toUtf8();
        if (m_seen.contains(key))
            return false;
        m_seen.insert(key);
        return true;
    }

    // A toast lies over what it covers for a moment; what it hides is measured elsewhere.
    static bool underToast(QWidget *w, const QRect &rect)
    {
        for (CbNotice *notice : w->window()->findChildren<CbNotice *>())
            if (notice != w && notice->isVisible() && !w->isAncestorOf(notice) && shownRect(notice).intersects(rect))
                return true;
        return false;
    }

    void measure(QWidget *w, const QString &where, const QString &text, const std::function<void()> &blank,
                 const std::function<void()> &restore)
    {
        const QRect rect = shownRect(w);
        if (rect.isEmpty() || underToast(w, rect))
            return;
        const QString what = describe(w) + " \"" + text.left(60) + '"';
        const QImage with = grab(w, rect);
        if (!firstTime(with, what))
            return;
        blank();
        const QImage without = grab(w, rect);
        restore();
        judge(w, where, what, measureDifference(with, without));
    }

    void judge(QWidget *w, const QString &where, const QString &what, const Measured &m)
    {
        if (hairlineCaption(w))
            return;
        // No pixel changed: the text is drawn elsewhere (a painted caption) or not at all.
        // Text of a control that is off is exempt from the rule, as it is for readable text.
        if (m.textPixels < 4 || !w->isEnabled())
            return;
        ++m_measured;
        if (m.ratio >= ReadableColour::kTextContrast)
            return;
        // One line per widget and text, however many screens show it.
        if (m_problems.contains(what))
            return;
        m_problems.insert(what,
                          QStringLiteral("%1 | %2 | %3: %4 on %5, %6:1 (%7 px, weight %8)")
                              .arg(m_theme, where, what, m.text.name(), m.background.name())
                              .arg(m.ratio, 0, 'f', 2)
                              .arg(QFontInfo(w->font()).pixelSize())
                              .arg(w->font().weight()));
    }

    QString m_theme;
    QMap<QString, QString> m_problems;
    QSet<QByteArray> m_seen;
    int m_measured = 0;
};

}  // namespace

class TestThemeContrast : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contrastRatio_data();
    void contrastRatio();
    void readableColourMovesOnlyAsFarAsNeeded_data();
    void readableColourMovesOnlyAsFarAsNeeded();
    void toastReadsOverAnyContent_data();
    void toastReadsOverAnyContent();
    void everyTextReadsInEveryTheme_data();
    void everyTextReadsInEveryTheme();
    void cleanupTestCase();

private:
    MainWindowRig *m_rig = nullptr;
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

void TestThemeContrast::toastReadsOverAnyContent_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<QColor>("content");
    for (int i = 0; i < 5; ++i) {
        QTest::addRow("%s over white", kThemeNames[i]) << i << QColor(Qt::white);
        QTest::addRow("%s over black", kThemeNames[i]) << i << QColor(Qt::black);
    }
}

// A toast stands over the page's content at full opacity before it fades: its text
// reads there whatever the content, with the colours every owner gives it.
void TestThemeContrast::toastReadsOverAnyContent()
{
    QFETCH(int, theme);
    QFETCH(QColor, content);
    DDataManager::getInstance()->setTheme(theme);
    const ThemeColorInfo colours = DDataManager::getInstance()->getThemeColorInfo();
    QWidget page;
    page.resize(400, 200);
    page.setAutoFillBackground(true);
    QPalette palette = page.palette();
    palette.setColor(QPalette::Window, content);
    page.setPalette(palette);
    auto *toast = new CbNotice(&page);
    QColor background = ArrowWidget::colorFromThemeText(colours.AllBgColor);
    background.setAlpha(200);
    toast->setBackgroundColor(background);
    const QColor text = ArrowWidget::colorFromThemeText(colours.TextCheckedColor);
    toast->setTextColor(text);
    toast->setTextPixelSize(14);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    toast->showMessage(QStringLiteral("Add macro successful"));
    const QRect box = toast->geometry();
    const QImage with = page.grab(box).toImage().convertToFormat(QImage::Format_RGB32);
    toast->setTextColor(Qt::transparent);
    const QImage without = page.grab(box).toImage().convertToFormat(QImage::Format_RGB32);
    toast->setTextColor(text);
    const Measured m = measureDifference(with, without);
    QVERIFY(m.textPixels > 20);
    QVERIFY2(m.ratio >= ReadableColour::kTextContrast,
             qPrintable(QStringLiteral("%1 on %2, %3:1").arg(m.text.name(), m.background.name()).arg(m.ratio)));
}

void TestThemeContrast::everyTextReadsInEveryTheme_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<bool>("switched");
    for (int i = 0; i < 5; ++i) {
        QTest::newRow(kThemeNames[i]) << i << false;
        QTest::addRow("%s, switched to from %s", kThemeNames[i], kThemeNames[(i + 1) % 5]) << i << true;
    }
}

void TestThemeContrast::everyTextReadsInEveryTheme()
{
    // Drop-down lists are placed as on a 1366x768 desktop, which the offscreen
    // platform (800x600) is not; CTest runs this on Xvfb (tst_themecontrast_xvfb).
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->availableGeometry().width() < 1366 || screen->availableGeometry().height() < 768)
        QSKIP("needs a screen of at least 1366x768");
    QFETCH(int, theme);
    QFETCH(bool, switched);
    // As the program starts with the theme its settings file selects.
    DApplication::setInterfaceFont();
    DDataManager::getInstance()->setTheme(switched ? (theme + 1) % 5 : theme);
    delete m_rig;
    m_rig = new MainWindowRig;
    QVERIFY(m_rig->open());
    // Lists as long as a user's: the macro list's drop-down is taller than the screen;
    // and advanced keys, so their list on the key page opens. Stored once, and read
    // by a window opened afresh, as the program reads its stores when it starts.
    const QByteArray macros = DDataManager::getInstance()->getMacroXmlPath();
    const QByteArray seniorKeys = DDataManager::getInstance()->getSeniorKeyXmlPath();
    QList<MacroNode> stored;
    CTavrixXML_SelectMacroAllNodes(macros, stored);
    QList<SeniorKeyInfo> records;
    CTavrixXML_SeniorKey_SelectAllInfoItem(seniorKeys, records);
    if (stored.size() < 30 || records.size() < 3) {
        for (int i = stored.size() + 1; i <= 30; ++i)
            QVERIFY(
                CTavrixXML_CreateMacroXmlParentNode(macros, QByteArray::number(i), "Macro" + QByteArray::number(i)));
        for (int i = records.size() + 1; i <= 3; ++i)
            QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(seniorKeys, SeniorKeyType_MT,
                                                     SeniorKeys::newRecord(i, SeniorKeyType_MT)));
        delete m_rig;
        m_rig = new MainWindowRig;
        QVERIFY(m_rig->open());
    }
    DMainWidget *w = m_rig->window.get();
    if (switched) {
        // As the settings dialog switches the theme of an open window.
        DDataManager::getInstance()->setTheme(theme);
        w->onChangeAppTheme(theme);
    }
    w->resize(w->screen()->availableGeometry().size());

    TextCheck check(QLatin1String(kThemeNames[theme]));
    ScreenWalk walk(w, [&check](const QString &where) { check.screen(where); });
    walk.run();
    for (const QString &missed : walk.missed())
        qWarning("%s: not shown, its texts are not measured", qPrintable(missed));
    QVERIFY2(check.measured() > 100, qPrintable(QString::number(check.measured())));
    const QStringList problems = check.problems();
    if (!problems.isEmpty())
        qWarning("%s",
                 qPrintable(QStringLiteral("\n%1 texts below %2:1 or lists off the screen (screens in %3)\n")
                                .arg(problems.size())
                                .arg(ReadableColour::kTextContrast)
                                .arg(screenshotDir())
                            + problems.join('\n')));
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 shortfalls").arg(problems.size())));
}

void TestThemeContrast::cleanupTestCase()
{
    delete m_rig;
    DDataManager::getInstance()->setTheme(0);
}

TAVRIX_TEST_MAIN(TestThemeContrast)
#include "tst_themecontrast.moc"
