// Pop-ups and hover tips under a real window manager, with real pointer input.
// tools/desktop-test.sh runs this on Xvfb with openbox (TAVRIX_DESKTOP=1,
// QT_QPA_PLATFORM=xcb), where focus and activation behave as on a user's
// desktop; the plain offscreen run only skips.
#include "app/ddatamanager.h"
#include "devicepage/dprofilemenutoolwidget.h"
#include "keyboardview/dsoftkeyboardpage.h"
#include "keyboardview/dvirtualkeyboardtool.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/keyselectframe.h"
#include "keyboardview/keytippopup.h"
#include "keyboardview/softkeyboardbutcustom.h"
#include "keys/dchangekeypage.h"
#include "keys/dkeycombinationpage.h"
#include "keys/keyoperateinfo.h"
#include "platform/windowcompositing.h"
#include "sdk/tavrixxml.h"
#include "support/layoutfixture.h"
#include "support/storefixture.h"
#include "support/testmain.h"
#include "widgets/arrowwidget.h"
#include "widgets/dcustomeventtipexplain.h"
#include "widgets/dtooltipexplain.h"
#include "widgets/questiondialog.h"
#include "widgets/readablecolour.h"

#include <QAccessible>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

#include <memory>

namespace {

const int kKeyA = 4, kKeyB = 5, kLeftCtrl = 224;
const int kAssignedKey = 41;

// Real input through the X server, so the window manager sees every click.
bool xdotool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    return p.waitForFinished(kChildProcessWaitMs) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool moveTo(const QPoint &global)
{
    // No --sync: it waits for a motion that never comes when the pointer is there already.
    const bool moved = xdotool({"mousemove", QString::number(global.x()), QString::number(global.y())});
    QTest::qWait(50);
    return moved;
}

bool clickAt(const QPoint &global)
{
    return moveTo(global) && xdotool({"click", "1"});
}

QPoint centreOf(const QWidget *w)
{
    return w->mapToGlobal(w->rect().center());
}

// Where the X server shows a top-level window. Qt's own idea can lag: a window manager
// that reparents a frameless window may leave Qt with the place inside its frame (0,0).
QRect shownOnScreen(QWidget *window)
{
    QProcess p;
    p.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window->winId())});
    if (!p.waitForFinished(kChildProcessWaitMs))
        return QRect();
    int x = 0, y = 0, w = 0, h = 0;
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        const QByteArray value = line.mid(line.indexOf(':') + 1).trimmed();
        if (line.contains("Absolute upper-left X:"))
            x = value.toInt();
        else if (line.contains("Absolute upper-left Y:"))
            y = value.toInt();
        else if (line.trimmed().startsWith("Width:"))
            w = value.toInt();
        else if (line.trimmed().startsWith("Height:"))
            h = value.toInt();
    }
    return QRect(x, y, w, h);
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 16 && qAbs(a.green() - b.green()) <= 16 && qAbs(a.blue() - b.blue()) <= 16;
}

QColor commonest(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb best = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(best))
            best = it.key();
    return QColor(best);
}

// Bounding box of the pixels in `area` that stand out from the body colour: text.
QRect inkIn(const QImage &image, const QRect &area, const QColor &body)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ReadableColour::contrast(QColor(image.pixel(x, y)), body) >= 1.8)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// Assistive tools find a window among the application's children; Qt leaves
// Qt::Popup windows out.
bool inApplicationTree(QWidget *window)
{
    QAccessibleInterface *app = QAccessible::queryAccessibleInterface(qApp);
    for (int i = 0; app && i < app->childCount(); ++i)
        if (app->child(i) && app->child(i)->object() == window)
            return true;
    return false;
}

QByteArray storedValue(const QByteArray &layer, int key)
{
    KeyOperateInfo info = KeyOperateInfo::empty();
    if (!CTavrixXML_SelectProFileKeyOperateInfo(layer, "2", QByteArray::number(key), &info))
        return QByteArray();
    return keyOperateField(info.value);
}

}  // namespace

class TestDesktopPopups : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void keyPickerStaysOpenAndPicks_data();
    void keyPickerStaysOpenAndPicks();
    void menuPopupTakesAClickAfterASecond();
    void popupsStayOnTheScreen();
    void hoverMarkGoesWhenThePointerEntersTheTip();
    void popupsDrawnWholeInPlace_data();
    void popupsDrawnWholeInPlace();
    void questionWithoutWindowFrame();

private:
    std::unique_ptr<StoreFixture> m_store;
    QByteArray m_layer;
};

void TestDesktopPopups::initTestCase()
{
    if (qgetenv("TAVRIX_DESKTOP") != "1" || QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs tools/desktop-test.sh: an X server with a window manager");
    // Fills the data manager's caption map, as the device page's soft keyboard does.
    DVirtualKeyboardTool tool(0);
}

void TestDesktopPopups::init()
{
    m_store.reset(new StoreFixture);
    m_layer = m_store->newLayerFile("appProfile_Default.xml");
    CTavrixXML_CreateProFileXmlParentNode(m_layer, "2", "Profile2", 0);
    DDataManager *dm = DDataManager::getInstance();
    dm->setCurProfilePath(m_layer);
    dm->setCurProfileIndex(2);
    dm->setMagneticProfilePath(m_store->newLayerFile("appProfile_Magnetic.xml"));
    dm->setClickedKey(kAssignedKey, QStringLiteral("Esc"));
}

void TestDesktopPopups::keyPickerStaysOpenAndPicks_data()
{
    QTest::addColumn<bool>("combination");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("remap key") << false << QList<int> {kKeyB} << QByteArray("5");
    QTest::newRow("key combination") << true << QList<int> {kLeftCtrl, kKeyA} << QByteArray("1,4");
}

// The remap and combination pop-ups once closed by themselves about 100 ms after
// opening under a click-to-focus window manager: no key could be picked.
void TestDesktopPopups::keyPickerStaysOpenAndPicks()
{
    QFETCH(bool, combination);
    QFETCH(QList<int>, clicks);
    QFETCH(QByteArray, stored);
    std::unique_ptr<DKeyPickerPage> page;
    if (combination)
        page.reset(new DKeyCombinationPage);
    else
        page.reset(new DChangeKeyPage);
    page->resize(700, 400);
    page->move(80, 420);
    page->loadKeyInfo();
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    QTest::qWait(300);  // the window manager maps and focuses it

    QVERIFY(clickAt(centreOf(page->pickEdit())));
    ArrowWidget *popup = page->popup();
    QTRY_VERIFY(popup->isVisible());
    QTest::qWait(1000);
    QVERIFY2(popup->isVisible(), "the pop-up closed by itself");
    const QRect screen = popup->screen()->availableGeometry();
    QVERIFY(screen.contains(popup->frameGeometry()));
    QVERIFY2(inApplicationTree(popup), "assistive tools cannot reach the pop-up's keys");

    auto *keyboard = popup->findChild<DSoftKeyboardPage *>();
    QVERIFY(keyboard);
    for (int code : clicks) {
        QWidget *key = keyboard->keyButtons().value(code);
        QVERIFY(key);
        QVERIFY(clickAt(centreOf(key)));
        QTest::qWait(150);
    }
    QTRY_COMPARE(storedValue(m_layer, kAssignedKey), stored);

    // Escape closes it, as a click outside does.
    if (popup->isVisible()) {
        QVERIFY(xdotool({"key", "Escape"}));
        QTRY_VERIFY(!popup->isVisible());
    }
    QVERIFY(clickAt(centreOf(page->pickEdit())));
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(clickAt(page->mapToGlobal(QPoint(page->width() - 5, page->height() - 5))));
    QTRY_VERIFY(!popup->isVisible());
    QVERIFY(!popup->isPopupShown());
}

// Every menu built on the same frame (a profile's, a macro's) is opened this way.
void TestDesktopPopups::menuPopupTakesAClickAfterASecond()
{
    QWidget owner;
    owner.resize(400, 300);
    owner.move(300, 200);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QTest::qWait(300);
    ArrowWidget popup(ArrowWidget::ArrowTop, &owner);
    auto *content = new QWidget;
    auto *button = new QPushButton(QStringLiteral("Export"), content);
    (new QHBoxLayout(content))->addWidget(button);
    popup.setCenterWidget(content);
    popup.setFixedSize(160, 130);
    QSignalSpy clicked(button, &QPushButton::clicked);
    popup.popUpAt(owner.mapToGlobal(QPoint(100, 60)));
    QTest::qWait(1000);
    QVERIFY2(popup.isVisible(), "the menu closed by itself");
    QVERIFY(clickAt(centreOf(button)));
    QTRY_COMPARE(clicked.count(), 1);
}

// A pop-up opened near the edge of a small screen is moved back onto it, and its
// arrow keeps pointing at the control.
void TestDesktopPopups::popupsStayOnTheScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ArrowWidget menu(ArrowWidget::ArrowBottom);
    menu.setFixedSize(310, 173);
    menu.popUpAt(screen.bottomRight() - QPoint(100, 50));
    QTRY_VERIFY(menu.isVisible());
    QVERIFY(screen.contains(menu.frameGeometry()));
    QCOMPARE(menu.arrowShift(), 310 - 101);
    menu.hide();

    ArrowWidget tip(ArrowWidget::ArrowBottom);
    tip.setFixedSize(310, 173);
    tip.move(screen.left() - 40, screen.top() - 90);
    tip.show();
    QTRY_VERIFY(tip.isVisible());
    QVERIFY(screen.contains(tip.frameGeometry()));
}

// A key kept its hover mark when the pointer glided from it into its tip.
void TestDesktopPopups::hoverMarkGoesWhenThePointerEntersTheTip()
{
    LayoutFixture f;
    f.setKey(0, 0, 4, 3, 3, 60, 60, "\"A\"");
    f.setKey(0, 1, 5, 67, 3, 60, 60, "\"B\"");
    keySelectFrame layer;
    QVERIFY(layer.parseKeyboardInfo(f.text()));
    layer.resize(300, 120);
    layer.move(400, 400);
    layer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&layer));
    QTest::qWait(300);
    keyboardButCustom *a = layer.keyAt(0, 0);
    QVERIFY(moveTo(centreOf(a)));
    QTRY_VERIFY(a->isHovered());
    QTRY_VERIFY(layer.tipPopup()->popup()->isVisible());
    // Glide up into the tip above the key.
    const QPoint tipInside = layer.tipPopup()->popup()->mapToGlobal(QPoint(130, 60));
    for (int step = 1; step <= 4; ++step)
        QVERIFY(moveTo(centreOf(a) + (tipInside - centreOf(a)) * step / 4));
    QTest::qWait(300);
    QVERIFY(!a->isHovered());
    int marked = 0;
    for (keyboardButCustom *key : layer.keyButtons())
        marked += key->isHovered() ? 1 : 0;
    QCOMPARE(marked, 0);
}

void TestDesktopPopups::popupsDrawnWholeInPlace_data()
{
    QTest::addColumn<int>("arrowMode");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("content");  // 0 key tip, 1 one-line tip, 2 profile menu
    QTest::addColumn<bool>("asPopup");
    QTest::newRow("key tip") << int(ArrowWidget::ArrowBottom) << QSize(260, 120) << 0 << false;
    QTest::newRow("type button tip") << int(ArrowWidget::ArrowBottom) << QSize(230, 70) << 1 << false;
    QTest::newRow("tip under its control") << int(ArrowWidget::ArrowTop) << QSize(230, 80) << 1 << false;
    QTest::newRow("profile menu") << int(ArrowWidget::ArrowBottom) << QSize(160, 180) << 2 << true;
}

// Without a compositor the pop-ups once drew their content shifted up and left
// under their shape mask: the first line cut at the top, the left column cut and a
// black band along the right and bottom edges. The pop-up is read back from the
// screen: its body shows its colour up to every edge, its first line sits whole
// inside it, and the margin around the body shows what lies behind.
// tools/desktop-test.sh runs this with and without xcompmgr (TAVRIX_COMPOSITOR).
void TestDesktopPopups::popupsDrawnWholeInPlace()
{
    QFETCH(int, arrowMode);
    QFETCH(QSize, size);
    QFETCH(int, content);
    QFETCH(bool, asPopup);
    const QByteArray compositor = qgetenv("TAVRIX_COMPOSITOR");
    if (!compositor.isEmpty())
        QTRY_COMPARE(WindowCompositing::isActive(), compositor == "1");  // a compositor just started takes its time

    QWidget backdrop;
    backdrop.setWindowFlags(Qt::FramelessWindowHint);
    backdrop.setStyleSheet("background: white;");
    backdrop.setAttribute(Qt::WA_StyledBackground);
    backdrop.setGeometry(QGuiApplication::primaryScreen()->geometry());
    backdrop.show();
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop));

    ArrowWidget popup(arrowMode);
    QWidget *firstLine = nullptr;
    if (content == 0) {
        auto *tip = new DCustomEventTipExplain;
        tip->setInfo(
            {QStringLiteral("Esc"), QStringLiteral("Key Combination"), QStringLiteral("Ctrl + Certain"), true});
        firstLine = tip->keyNameLabel();
        popup.setCenterWidget(tip);
    } else if (content == 1) {
        auto *tip = new DToolTipExplain;
        tip->setText(QStringLiteral("Combination"));
        firstLine = tip->findChild<QLabel *>();
        popup.setCenterWidget(tip);
    } else {
        auto *menu = new DProfileMenuToolWidget;
        firstLine = menu->findChild<QLabel *>(QStringLiteral("label_CreateNew"));
        popup.setCenterWidget(menu);
    }
    QVERIFY(firstLine);
    popup.setFixedSize(size);
    popup.setArrowPosX(30);
    if (asPopup) {
        popup.popUpAt(QPoint(400, 200));
    } else {
        popup.move(400, 200);
        popup.show();
    }
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    QTest::qWait(300);  // the window system draws it
    QCOMPARE(popup.geometry().topLeft(), QPoint(400, 200));

    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, popup.x(), popup.y(), popup.width(), popup.height())
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    const QString dir = QCoreApplication::applicationDirPath() + "/screenshots/desktop";
    QDir().mkpath(dir);
    shot.save(QStringLiteral("%1/popup_%2_%3.png")
                  .arg(dir, QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'),
                       WindowCompositing::isActive() ? "composed" : "plain"));

    const int top = arrowMode == ArrowWidget::ArrowTop ? 25 : 15;
    const QRect body(15, top, size.width() - 30, size.height() - top - 15);
    const QColor fill = commonest(shot, body.adjusted(6, 6, -6, -6));
    QVERIFY2(fill.lightness() < 200, qPrintable(fill.name()));  // the body, not the white behind
    // The body's colour reaches each edge of the body: no band drawn see-through.
    QList<QPoint> edges;
    for (int y = body.top() + 6; y <= body.bottom() - 6; ++y)
        edges << QPoint(body.left() + 2, y) << QPoint(body.right() - 2, y);
    for (int x = body.left() + 6; x <= body.right() - 6; ++x)
        edges << QPoint(x, body.top() + 2) << QPoint(x, body.bottom() - 2);
    for (const QPoint &p : qAsConst(edges))
        QVERIFY2(near(QColor(shot.pixel(p)), fill),
                 qPrintable(QStringLiteral("(%1,%2) is %3, the body %4")
                                .arg(p.x())
                                .arg(p.y())
                                .arg(QColor(shot.pixel(p)).name(), fill.name())));
    // Beside the body the white window behind shows (at most a soft shadow on it).
    QVERIFY2(QColor(shot.pixel(3, size.height() / 2)).lightness() > 200,
             qPrintable(QColor(shot.pixel(3, size.height() / 2)).name()));

    // The first line: its text lies inside its own place, clear of the body's edges,
    // as tall as the font draws it.
    const QRect place(firstLine->mapTo(&popup, QPoint(0, 0)), firstLine->size());
    const QRect area = place & body.adjusted(2, 2, -2, -2);  // clear of the body's soft edge
    const QRect ink = inkIn(shot, area, fill);
    QVERIFY2(!ink.isEmpty(), "the first line shows no text");
    const auto *label = qobject_cast<QLabel *>(firstLine);
    const QRect glyphs = label->fontMetrics().tightBoundingRect(label->text());
    const QString where = QStringLiteral("text at %1,%2 %3x%4 in its place at %5,%6 %7x%8, glyphs %9 high")
                              .arg(ink.x())
                              .arg(ink.y())
                              .arg(ink.width())
                              .arg(ink.height())
                              .arg(place.x())
                              .arg(place.y())
                              .arg(place.width())
                              .arg(place.height())
                              .arg(glyphs.height());
    QVERIFY2(ink.top() > area.top() && ink.left() > area.left() && ink.right() < area.right(), qPrintable(where));
    QVERIFY2(ink.height() >= glyphs.height() - 2, qPrintable(where));
    // Centred where its label centres it (the tips) or at its left margin (the menu).
    if (label->alignment() & Qt::AlignHCenter)
        QVERIFY2(qAbs(ink.center().x() - place.center().x()) <= 3, qPrintable(where));
}

// The reset question under a window manager: no frame of the window manager's (so
// no maximise button), over the middle of its window, and its "Yes" takes a click.
void TestDesktopPopups::questionWithoutWindowFrame()
{
    QWidget owner;
    owner.resize(700, 450);
    owner.move(200, 120);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    // The window manager frames and places the owner: its frame is wider than its inside.
    QTRY_VERIFY_WITH_TIMEOUT(owner.frameGeometry().width() > owner.width(), 10000);
    QuestionDialog question(QStringLiteral("Tip"), QStringLiteral("Whether to reset the current profile?"),
                            QuestionDialog::Escape::IsIgnored, &owner);
    question.open();
    QVERIFY(QTest::qWaitForWindowExposed(&question));
    QVERIFY(question.isVisible());
    // Mapped and placed by the window manager, over its owner, without a frame: the
    // window shown is as large as the question.
    QRect shown;
    const auto where = [&] {
        const auto text = [](const QRect &r) {
            return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        };
        return QStringLiteral("question at %1, owner at %2").arg(text(shown), text(owner.frameGeometry()));
    };
    QTRY_VERIFY2_WITH_TIMEOUT((shown = shownOnScreen(&question), owner.frameGeometry().contains(shown.center())),
                              qPrintable(where()), 10000);
    QCOMPARE(shown.size(), question.size());
    QCOMPARE(question.frameGeometry().size(), question.geometry().size());
    const QString dir = QCoreApplication::applicationDirPath() + "/screenshots/desktop";
    QDir().mkpath(dir);
    QGuiApplication::primaryScreen()
        ->grabWindow(0, shown.x() - 20, shown.y() - 20, shown.width() + 40, shown.height() + 40)
        .save(dir + "/question_reset.png");
    QVERIFY(xdotool({"key", "Escape"}));
    QTest::qWait(200);
    QVERIFY2(question.isVisible(), "Escape closed a question that needs a choice");
    const QWidget *yes = question.yesButton();
    QVERIFY(clickAt(shown.topLeft() + yes->mapTo(&question, yes->rect().center())));
    QTRY_VERIFY(!question.isVisible());
    QCOMPARE(question.result(), int(QDialog::Accepted));
}

TAVRIX_TEST_MAIN(TestDesktopPopups)
#include "tst_desktoppopups.moc"
