// Pop-ups and hover tips under a real window manager, with real pointer input.
// tools/desktop-test.sh runs this on Xvfb with openbox (TAVRIX_DESKTOP=1,
// QT_QPA_PLATFORM=xcb), where focus and activation behave as on a user's
// desktop; the plain offscreen run only skips.
#include "app/ddatamanager.h"
#include "keyboardview/dsoftkeyboardpage.h"
#include "keyboardview/dvirtualkeyboardtool.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keyboardview/softkeyboardbutcustom.h"
#include "keyboardview/keyselectframe.h"
#include "keyboardview/keytippopup.h"
#include "keys/dchangekeypage.h"
#include "keys/dkeycombinationpage.h"
#include "keys/keyoperateinfo.h"
#include "sdk/tavrixxml.h"
#include "support/layoutfixture.h"
#include "support/storefixture.h"
#include "support/testmain.h"
#include "widgets/arrowwidget.h"

#include <QGuiApplication>
#include <QHBoxLayout>
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
    return p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
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

TAVRIX_TEST_MAIN(TestDesktopPopups)
#include "tst_desktoppopups.moc"
