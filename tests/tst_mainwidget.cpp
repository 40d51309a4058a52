#include "app/ddatamanager.h"
#include "app/devicechangefilter.h"
#include "app/dmainwidget.h"
#include "app/dsettingsdia.h"
#include "app/trayavailability.h"
#include "devicepage/ddevicelistitem.h"
#include "devicepage/ddevicepage.h"
#include "macros/dmacropage.h"
#include "platform/hotplugsource.h"
#include "platform/xdgautostart.h"
#include "sdk/devicecatalogue.h"
#include "support/testmain.h"
#include "widgets/cbnotice.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QString settingsPath()
{
    return DDataManager::getInstance()->getUserConfigDir() + "/TavrixConfig.ini";
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A listening socket like the one an emulated keyboard serves; -1 on failure.
int listenAt(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET, 0);
    if (fd < 0)
        return -1;
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= int(sizeof(address.sun_path))) {
        ::close(fd);
        return -1;
    }
    memcpy(address.sun_path, name.constData(), size_t(name.size()));
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0 || ::listen(fd, 4) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

QString autostartFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::ConfigLocation) + "/autostart";
}

}  // namespace

class TestMainWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void firstRunWritesTrayAndAutoStartKeys_data();
    void firstRunWritesTrayAndAutoStartKeys();
    void autoStartEntryNamesTheRunningProgram_data();
    void autoStartEntryNamesTheRunningProgram();
    void laterStartRewritesNothing();
    void libraryStartMakesStoreFilesOnce();
    void libraryFailureIsTold();
    void minimumSizeByScreen_data();
    void minimumSizeByScreen();
    void edgeUnderPointer_data();
    void edgeUnderPointer();
    void dragResize_data();
    void dragResize();
    void logoStripMovesWindowElsewhereNothing();
    void deviceListToggleFollowsDeviceNames();
    void themeNameInLogoPicture_data();
    void themeNameInLogoPicture();
    void maximiseButtonToggles();
    void dialogsShowOverDimmingLayer();
    void supportedDeviceFilter_data();
    void supportedDeviceFilter();
    void deviceChangeNotices_data();
    void deviceChangeNotices();
    void noticeBurstGivesOneEnumeration_data();
    void noticeBurstGivesOneEnumeration();
    void emulatedSocketsReachDevicePage();
    void firstWindowFitsScreen_data();
    void firstWindowFitsScreen();
    void trayFollowsDesktop();
    void crashDumpToldOncePerDump();
    void closeButtonHidesToTrayOrQuits_data();
    void closeButtonHidesToTrayOrQuits();
    void quitLeavesEventLoopWithZero();
};

void TestMainWidget::init()
{
    QFile::remove(settingsPath());
    QDir(autostartFolder()).removeRecursively();
    QFile::remove(autostartFolder());
}

void TestMainWidget::firstRunWritesTrayAndAutoStartKeys_data()
{
    QTest::addColumn<bool>("entryWritable");
    QTest::newRow("entry written") << true;
    QTest::newRow("entry cannot be written") << false;
}

void TestMainWidget::firstRunWritesTrayAndAutoStartKeys()
{
    QFETCH(bool, entryWritable);
    if (!entryWritable) {
        // A plain file where the autostart folder should be.
        QDir().mkpath(QFileInfo(autostartFolder()).absolutePath());
        QFile blocker(autostartFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    DMainWidget w;
    QSettings settings(settingsPath(), QSettings::IniFormat);
    // The setting never claims an auto start that the desktop will not do.
    QCOMPARE(settings.value("AutoStart/isAutoStart").toBool(), entryWritable);
    QCOMPARE(XdgAutoStart::exists(QCoreApplication::applicationName()), entryWritable);
    QCOMPARE(settings.value("MinimizeToTray/isMinimizeToTray").toBool(), true);
    QCOMPARE(settings.value("CloseToTray/isCloseToTray").toBool(), true);
    if (entryWritable) {
        const QByteArray entry = readFile(XdgAutoStart::entryPath(QCoreApplication::applicationName()));
        QVERIFY(entry.contains("Exec=" + QCoreApplication::applicationFilePath().toUtf8() + " --AutoUp\n"));
    }
}

void TestMainWidget::laterStartRewritesNothing()
{
    {
        DMainWidget first;
    }
    // The user switched things off and removed the entry by hand.
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.setValue("AutoStart/isAutoStart", false);
        settings.setValue("CloseToTray/isCloseToTray", false);
    }
    QVERIFY(XdgAutoStart::remove(QCoreApplication::applicationName()));
    const QByteArray before = readFile(settingsPath());

    DMainWidget second;
    QCOMPARE(readFile(settingsPath()), before);
    QVERIFY(!XdgAutoStart::exists(QCoreApplication::applicationName()));
}

void TestMainWidget::autoStartEntryNamesTheRunningProgram_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("entryProgram");  // empty: no entry
    QTest::addColumn<QString>("expected");      // empty: no entry after the start
    const QString self = QCoreApplication::applicationFilePath();
    const QString other = QStringLiteral("/home/someone/clone/build/bin/quorin-driver");
    QTest::newRow("on, entry of a build folder") << true << other << self;
    QTest::newRow("on, entry taken away by the user") << true << QString() << QString();
    QTest::newRow("on, entry of this program") << true << self << self;
    QTest::newRow("off, entry of a build folder") << false << other << other;
    QTest::newRow("off, no entry") << false << QString() << QString();
}

// A first start from a build folder wrote the entry with that folder's program; an
// installed program started later takes the entry over while auto start is on.
void TestMainWidget::autoStartEntryNamesTheRunningProgram()
{
    QFETCH(bool, on);
    QFETCH(QString, entryProgram);
    QFETCH(QString, expected);
    const QString app = QCoreApplication::applicationName();
    {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.setValue("AutoStart/isAutoStart", on);
    }
    if (!entryProgram.isEmpty())
        QVERIFY(XdgAutoStart::write(app, "Quorin", entryProgram));

    DMainWidget w;
    QCOMPARE(XdgAutoStart::exists(app), !expected.isEmpty());
    if (!expected.isEmpty())
        QVERIFY(XdgAutoStart::startsProgram(app, expected));
    QCOMPARE(QSettings(settingsPath(), QSettings::IniFormat).value("AutoStart/isAutoStart").toBool(), on);
}

void TestMainWidget::libraryStartMakesStoreFilesOnce()
{
    const QString dir = DDataManager::getInstance()->getUserConfigDir();
    QFile::remove(dir + "/appMacro.xml");
    QFile::remove(dir + "/SeniorKeyConfig.xml");
    {
        DMainWidget w;
        QVERIFY(w.isLibraryStarted());
        QCOMPARE(DDataManager::getInstance()->getMacroXmlPath(), QFile::encodeName(dir + "/appMacro.xml"));
        QCOMPARE(DDataManager::getInstance()->getSeniorKeyXmlPath(), QFile::encodeName(dir + "/SeniorKeyConfig.xml"));
        QVERIFY(readFile(dir + "/appMacro.xml").contains("<tavrixStore"));
        QVERIFY(readFile(dir + "/SeniorKeyConfig.xml").contains("<tavrixStore"));
    }
    // A file that is already there is never replaced, not even one that does not read.
    QFile broken(dir + "/appMacro.xml");
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("<not a store");
    broken.close();
    const QByteArray senior = readFile(dir + "/SeniorKeyConfig.xml");
    DMainWidget again;
    QCOMPARE(readFile(dir + "/appMacro.xml"), QByteArray("<not a store"));
    QCOMPARE(readFile(dir + "/SeniorKeyConfig.xml"), senior);
}

void TestMainWidget::libraryFailureIsTold()
{
    // The notice is made as the window is built and shown from the event loop's next turn.
    auto libraryNotice = [](const DMainWidget &w) {
        QCoreApplication::processEvents();
        return w.findChild<QMessageBox *>("libraryNotice");
    };
    {
        DMainWidget started;
        QVERIFY(started.isLibraryStarted());
        QVERIFY(!libraryNotice(started));
    }
    // A catalogue that lists no keyboard is one way the device library fails to start.
    auto &catalogue = const_cast<DeviceCatalogue &>(DeviceCatalogue::instance());
    struct Restore
    {
        DeviceCatalogue &catalogue;
        ~Restore() { catalogue.loadFile(DeviceCatalogue::kResourcePath); }
    } restore {catalogue};
    QVERIFY(!catalogue.loadJson("not a catalogue"));
    QVERIFY(catalogue.isEmpty());
    std::unique_ptr<DMainWidget> w(new DMainWidget);
    QVERIFY(!w->isLibraryStarted());
    QMessageBox *notice = libraryNotice(*w);
    QVERIFY(notice && notice->isVisible());
    QCOMPARE(notice->text(), QString("The device library could not be started: no keyboard can be found."));
    // The notice does not hold the window up: it closes like any other and the window stays.
    QTest::keyClick(notice, Qt::Key_Escape);
    QTRY_VERIFY(!libraryNotice(*w));
}

void TestMainWidget::minimumSizeByScreen_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("minimum");
    QTest::newRow("1920x1080") << QSize(1920, 1080) << QSize(1280, 715);
    QTest::newRow("one pixel wider") << QSize(1921, 1080) << QSize(1450, 810);
    QTest::newRow("one pixel taller") << QSize(1920, 1081) << QSize(1450, 810);
    QTest::newRow("1366x768") << QSize(1366, 768) << QSize(1280, 715);
}

void TestMainWidget::minimumSizeByScreen()
{
    QFETCH(QSize, available);
    QFETCH(QSize, minimum);
    QCOMPARE(DMainWidget::minimumSizeFor(available), minimum);
}

void TestMainWidget::edgeUnderPointer_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<int>("edge");
    // Window from (100, 100) to (599, 399).
    QTest::newRow("top-left corner") << QPoint(104, 104) << int(DMainWidget::LEFTTOP);
    QTest::newRow("bottom-right corner") << QPoint(595, 395) << int(DMainWidget::RIGHTBOTTOM);
    QTest::newRow("bottom-left corner") << QPoint(100, 399) << int(DMainWidget::LEFTBOTTOM);
    QTest::newRow("top-right corner") << QPoint(599, 100) << int(DMainWidget::RIGHTTOP);
    QTest::newRow("left edge") << QPoint(102, 250) << int(DMainWidget::LEFT);
    QTest::newRow("right edge") << QPoint(597, 250) << int(DMainWidget::RIGHT);
    QTest::newRow("top edge") << QPoint(300, 101) << int(DMainWidget::UP);
    QTest::newRow("bottom edge") << QPoint(300, 398) << int(DMainWidget::DOWN);
    QTest::newRow("inside, 5 px from the left") << QPoint(105, 250) << int(DMainWidget::NONE);
    QTest::newRow("centre") << QPoint(300, 250) << int(DMainWidget::NONE);
}

void TestMainWidget::edgeUnderPointer()
{
    QFETCH(QPoint, pointer);
    QFETCH(int, edge);
    QCOMPARE(int(DMainWidget::edgeAt(QPoint(100, 100), QPoint(599, 399), pointer)), edge);
}

void TestMainWidget::dragResize_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QRect>("result");
    const QRect start(QPoint(100, 100), QPoint(599, 399));  // 500 x 300, minimum 300 x 200
    QTest::newRow("left edge moves left")
        << int(DMainWidget::LEFT) << QPoint(50, 250) << QRect(QPoint(50, 100), start.bottomRight());
    QTest::newRow("left edge stops at minimum width") << int(DMainWidget::LEFT) << QPoint(350, 250) << start;
    QTest::newRow("top edge stops at minimum height") << int(DMainWidget::UP) << QPoint(300, 250) << start;
    QTest::newRow("top edge moves up") << int(DMainWidget::UP) << QPoint(300, 60)
                                       << QRect(QPoint(100, 60), start.bottomRight());
    QTest::newRow("right edge follows") << int(DMainWidget::RIGHT) << QPoint(700, 250) << QRect(100, 100, 600, 300);
    QTest::newRow("bottom edge follows") << int(DMainWidget::DOWN) << QPoint(300, 450) << QRect(100, 100, 500, 350);
    QTest::newRow("bottom-left corner") << int(DMainWidget::LEFTBOTTOM) << QPoint(80, 420) << QRect(80, 100, 520, 320);
    QTest::newRow("no edge") << int(DMainWidget::NONE) << QPoint(700, 700) << start;
}

void TestMainWidget::dragResize()
{
    QFETCH(int, edge);
    QFETCH(QPoint, pointer);
    QFETCH(QRect, result);
    QCOMPARE(DMainWidget::resizedRect(QPoint(100, 100), QPoint(599, 399), pointer, DMainWidget::ResizeEdge(edge),
                                      QSize(300, 200)),
             result);
}

void TestMainWidget::logoStripMovesWindowElsewhereNothing()
{
    DMainWidget w;
    w.move(100, 100);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QPoint start = w.pos();
    auto *logo = w.findChild<QWidget *>("frame_4");
    const QPoint inLogo = logo->mapTo(&w, QPoint(20, 10));

    QTest::mousePress(&w, Qt::LeftButton, Qt::NoModifier, inLogo);
    QMouseEvent move(QEvent::MouseMove, inLogo + QPoint(40, 30), w.mapToGlobal(inLogo + QPoint(40, 30)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
    QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, inLogo + QPoint(40, 30));
    QCOMPARE(w.pos(), start + QPoint(40, 30));

    // A press in the middle of the title bar, away from every edge, does nothing.
    const QRect geometry = w.geometry();
    const QPoint inTitle(w.width() / 2, 20);
    QTest::mousePress(&w, Qt::LeftButton, Qt::NoModifier, inTitle);
    QMouseEvent move2(QEvent::MouseMove, inTitle + QPoint(40, 30), w.mapToGlobal(inTitle + QPoint(40, 30)),
                      Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &move2);
    QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, inTitle + QPoint(40, 30));
    QCOMPARE(w.geometry(), geometry);
}

void TestMainWidget::deviceListToggleFollowsDeviceNames()
{
    DMainWidget w;
    w.resize(1400, 800);
    auto *toggle = w.findChild<QPushButton *>("pushButton_ListToggle");
    QVERIFY(toggle);
    QVERIFY(!w.isDeviceListVisible());
    QCOMPARE(toggle->x(), 5);
    QVERIFY(toggle->styleSheet().contains("listCtrlShowDef.png"));
    QCOMPARE(w.findChild<QLabel *>("label_ProductName")->text(), QString());

    w.onReturnHidLikeName("Quorin QR108", "QR108");
    QVERIFY(w.isDeviceListVisible());
    QCOMPARE(toggle->geometry(), QRect(233, (800 - 300) / 2 + 50 - 50, 10, 100));
    QVERIFY(toggle->styleSheet().contains("listCtrlHideDef.png"));
    QCOMPARE(w.findChild<QLabel *>("label_ProductName")->text(), QString("Quorin QR108"));

    w.onReturnHidLikeName("HID", "RGB");
    QVERIFY(!w.isDeviceListVisible());
    QCOMPARE(toggle->x(), 5);
    // The placeholder names mean "no keyboard" and are not shown.
    QCOMPARE(w.findChild<QLabel *>("label_ProductName")->text(), QString());
    QCOMPARE(w.findChild<QLabel *>("label_DeviceName")->text(), QString());

    toggle->click();
    QVERIFY(w.isDeviceListVisible());
    QCOMPARE(toggle->x(), 233);
}

void TestMainWidget::themeNameInLogoPicture_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("picture");
    QTest::newRow("Black") << 0 << "leftTopLogo_Black.png";
    QTest::newRow("Blue") << 2 << "leftTopLogo_Blue.png";
    QTest::newRow("Other") << 4 << "leftTopLogo_Other.png";
    QTest::newRow("unknown index") << 7 << "leftTopLogo_.png";
}

void TestMainWidget::themeNameInLogoPicture()
{
    QFETCH(int, index);
    QFETCH(QString, picture);
    DMainWidget w;
    w.onChangeAppTheme(index);
    QVERIFY(w.findChild<QPushButton *>("pushButton")->styleSheet().contains(picture));
}

void TestMainWidget::maximiseButtonToggles()
{
    DMainWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *max = w.findChild<QPushButton *>("pushButton_Max");
    max->click();
    QVERIFY(w.isMaximized());
    QVERIFY(max->styleSheet().contains("intoMaxWindowDef.png"));
    max->click();
    QVERIFY(!w.isMaximized());
    QVERIFY(max->styleSheet().contains("/maxWindowDef.png"));
}

void TestMainWidget::dialogsShowOverDimmingLayer()
{
    DMainWidget w;
    w.resize(1400, 800);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // The device list's first enumeration (a moment after start) gives every model
    // without a keyboard an offline card, whose dimming overlay has the layer's
    // object name too: wait for it, so the checks below see the same tree however
    // fast the test runs, and look for the layer among the window's own children.
    QTRY_VERIFY(!w.devicePage()->findChildren<DDeviceListItem *>().isEmpty());

    w.findChild<QPushButton *>("pushButton_Setting")->click();
    auto *layer = w.findChild<QWidget *>("widget", Qt::FindDirectChildrenOnly);
    QVERIFY(layer && layer->isVisible());
    QCOMPARE(layer->size(), w.size());
    auto *settings = w.findChild<DSettingsDia *>();
    QVERIFY(settings && settings->isVisible());
    QCOMPARE(settings->windowModality(), Qt::WindowModal);
    QCOMPARE(settings->pos(), QPoint(w.x() + (w.width() - 700) / 2, w.y() + (w.height() - 500) / 2));
    // With no firmware engine yet, the check finds nothing and says so.
    Q_EMIT settings->sigFirmwareUpgradeCheck();
    QVERIFY(settings->notice()->isVisible());
    QCOMPARE(settings->notice()->text(), QString("No upgradeable devices found"));
    QTest::keyClick(settings, Qt::Key_Escape);
    QVERIFY(!layer->isVisible());

    // The macro editor's list changes reach the device page.
    Q_EMIT w.devicePage()->sigShowMacroPage();
    QVERIFY(layer->isVisible());
    auto *macros = w.findChild<DMacroPage *>();
    QVERIFY(macros);
    QSignalSpy relayed(w.devicePage(), &DDevicePage::sigMacroListHaveChangedSendToDevice);
    Q_EMIT macros->sigMacroListHaveChanged("3", "Macro 3");
    QCOMPARE(relayed.count(), 1);
    macros->close();
    QVERIFY(!layer->isVisible());
    QCOMPARE(w.findChildren<QWidget *>("widget", Qt::FindDirectChildrenOnly).size(), 1);
}

void TestMainWidget::supportedDeviceFilter_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("match");
    QTest::newRow("emulated cable keyboard") << "/run/emu/vid_1209&pid_0003.sock" << 1;
    QTest::newRow("upper-case list, lower-case path") << "/sys/hid:1209:000a.0001" << 2;
    QTest::newRow("first of several matches wins") << "/dev/x/1209-0003-000A" << 1;
    QTest::newRow("digits only in the serial part") << "usb#vid_0000#serial_12090003" << 1;
    QTest::newRow("USB stick") << "/dev/disk/by-id/usb-0781_5567" << -1;
    QTest::newRow("empty path") << "" << -1;
}

void TestMainWidget::supportedDeviceFilter()
{
    QFETCH(QString, path);
    QFETCH(int, match);
    // The empty first entry must match nothing, not everything.
    const QList<DeviceChangeFilter::SupportId> supported {
        {"", ""}, {"1209", "0003"}, {"1209", "000A"}, {"1209", "0003"}};
    QCOMPARE(DeviceChangeFilter::firstMatch(supported, path), match);
}

void TestMainWidget::deviceChangeNotices_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("arrival");
    QTest::addColumn<int>("into");
    QTest::addColumn<int>("remove");
    QTest::addColumn<bool>("handOff");
    QTest::newRow("compact keyboard arrives") << "/e/vid_1209&pid_0003.sock" << true << 1 << 0 << false;
    QTest::newRow("receiver removed") << "/e/vid_1209&pid_0002&b.sock" << false << 0 << 1 << false;
    QTest::newRow("real hidraw node, upper case")
        << "/sys/devices/pci0000:00/usb1/1-2/1-2:1.1/0003:1209:0004.000A/hidraw/hidraw3" << true << 1 << 0 << false;
    QTest::newRow("unknown device") << "/e/vid_1234&pid_5678.sock" << true << 0 << 0 << false;
    QTest::newRow("bootloader arrives") << "/e/vid_1209&pid_000e.sock" << true << 0 << 0 << true;
    QTest::newRow("bootloader leaves") << "/e/vid_1209&pid_000e.sock" << false << 0 << 0 << false;
}

void TestMainWidget::deviceChangeNotices()
{
    QFETCH(QString, path);
    QFETCH(bool, arrival);
    QFETCH(int, into);
    QFETCH(int, remove);
    QFETCH(bool, handOff);
    DMainWidget w;
    QVERIFY(w.isLibraryStarted());
    QSignalSpy intoSpy(&w, &DMainWidget::sigHidDeviceConnectChanging_Into);
    QSignalSpy removeSpy(&w, &DMainWidget::sigHidDeviceConnectChanging_Remove);
    QElapsedTimer timer;
    timer.start();
    if (arrival)
        w.onDeviceArrived(path);
    else
        w.onDeviceRemoved(path);
    // The notice never holds the window up: it only starts the waits.
    QCOMPARE(w.findChild<QTimer *>("deviceSettle")->isActive(), into + remove > 0);
    auto *handOffTimer = w.findChild<QTimer *>("bootloaderHandOff");
    QCOMPARE(handOffTimer->isActive(), handOff);
    QCOMPARE(intoSpy.count() + removeSpy.count(), 0);
    // A matching change waits for the device to settle before it is handed on.
    if (into + remove > 0) {
        QVERIFY((into ? intoSpy : removeSpy).wait(20000));
        QVERIFY(timer.elapsed() >= 290);
    }
    // No settle wait is left running, so nothing more can be handed on.
    QVERIFY(!w.findChild<QTimer *>("deviceSettle")->isActive());
    QCOMPARE(intoSpy.count(), into);
    QCOMPARE(removeSpy.count(), remove);
    QCOMPARE(handOffTimer->interval(), 600);
}

void TestMainWidget::noticeBurstGivesOneEnumeration_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("into");
    QTest::addColumn<int>("remove");
    // a: arrival, r: removal of the same keyboard, one letter per notice.
    QTest::newRow("plug: USB device and its interfaces") << "aaaaaaaaaa" << 1 << 0;
    QTest::newRow("unplug") << "rrrrrrrrrr" << 0 << 1;
    QTest::newRow("unplugged and plugged again") << "rrrrraaaaa" << 0 << 1;
}

void TestMainWidget::noticeBurstGivesOneEnumeration()
{
    QFETCH(QString, pattern);
    QFETCH(int, into);
    QFETCH(int, remove);
    DMainWidget w;
    QVERIFY(w.isLibraryStarted());
    QSignalSpy intoSpy(&w, &DMainWidget::sigHidDeviceConnectChanging_Into);
    QSignalSpy removeSpy(&w, &DMainWidget::sigHidDeviceConnectChanging_Remove);
    auto *settle = w.findChild<QTimer *>("deviceSettle");
    QVERIFY(settle);
    // The whole burst falls into one settle window, however slowly it arrives.
    settle->setInterval(600000);
    const QString path = "/sys/devices/usb1/1-2/1-2:1.0/0003:1209:0003.0007/hidraw/hidraw2";
    for (const QChar c : pattern) {
        if (c == 'a')
            w.onDeviceArrived(path);
        else
            w.onDeviceRemoved(path);
        // The window is not held up: the notice only starts the wait.
        QVERIFY(settle->isActive());
        QCOMPARE(intoSpy.count() + removeSpy.count(), 0);
        QTest::qWait(20);
    }
    QCOMPARE(intoSpy.count() + removeSpy.count(), 0);
    // The wait started with the first notice and was not restarted by the others.
    QVERIFY2(settle->remainingTime() <= 600000 - 20 * (pattern.size() - 1),
             qPrintable(QString::number(settle->remainingTime())));
    settle->setInterval(0);  // the window ends now
    QTRY_COMPARE(intoSpy.count() + removeSpy.count(), 1);
    QVERIFY(!settle->isActive());  // nothing more is on its way
    QCOMPARE(intoSpy.count(), into);
    QCOMPARE(removeSpy.count(), remove);
}

void TestMainWidget::emulatedSocketsReachDevicePage()
{
    QTemporaryDir emu;
    qputenv("TAVRIX_EMU_DIR", emu.path().toLocal8Bit());
    DMainWidget w;
    qunsetenv("TAVRIX_EMU_DIR");
    QSignalSpy intoSpy(&w, &DMainWidget::sigHidDeviceConnectChanging_Into);
    QSignalSpy removeSpy(&w, &DMainWidget::sigHidDeviceConnectChanging_Remove);
    // What the folder watcher saw: the window handles each of its notices as it comes.
    auto *source = w.findChild<HotPlugSource *>();
    QVERIFY(source);
    QSignalSpy seenArrivals(source, &HotPlugSource::sigDeviceArrived);
    QSignalSpy seenRemovals(source, &HotPlugSource::sigDeviceRemoved);
    auto *settle = w.findChild<QTimer *>("deviceSettle");

    const QString supported = emu.filePath("vid_1209&pid_0003.sock");
    int fd = listenAt(supported);
    QVERIFY(fd >= 0);
    QVERIFY(intoSpy.wait(kChildProcessWaitMs));
    QVERIFY(!settle->isActive());  // nothing more is on its way
    QCOMPARE(intoSpy.count(), 1);
    QCOMPARE(intoSpy.first().first().toString(), supported);

    ::close(fd);
    QFile::remove(supported);
    QVERIFY(removeSpy.wait(kChildProcessWaitMs));
    QVERIFY(!settle->isActive());
    QCOMPARE(removeSpy.count(), 1);
    QCOMPARE(intoSpy.count(), 1);

    // A keyboard the catalogue does not know: seen by the watcher, never handed on.
    const QString unknown = emu.filePath("vid_1234&pid_5678.sock");
    fd = listenAt(unknown);
    QVERIFY(fd >= 0);
    QTRY_VERIFY_WITH_TIMEOUT(!seenArrivals.isEmpty() && seenArrivals.last().first() == unknown, kChildProcessWaitMs);
    QVERIFY(!settle->isActive());
    ::close(fd);
    QFile::remove(unknown);
    QTRY_VERIFY_WITH_TIMEOUT(!seenRemovals.isEmpty() && seenRemovals.last().first() == unknown, kChildProcessWaitMs);
    QVERIFY(!settle->isActive());
    QCOMPARE(intoSpy.count(), 1);
    QCOMPARE(removeSpy.count(), 1);
}

void TestMainWidget::firstWindowFitsScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("first");
    QTest::newRow("large screen") << QRect(0, 0, 2560, 1440) << QRect(555, 315, 1450, 810);
    QTest::newRow("1366x768") << QRect(0, 0, 1366, 768) << QRect(0, 0, 1366, 768);
    QTest::newRow("1280x1024, panel on top") << QRect(0, 30, 1280, 994) << QRect(0, 122, 1280, 810);
    QTest::newRow("second screen") << QRect(1920, 0, 1920, 1080) << QRect(2155, 135, 1450, 810);
}

void TestMainWidget::firstWindowFitsScreen()
{
    QFETCH(QRect, available);
    QFETCH(QRect, first);
    QCOMPARE(DMainWidget::firstGeometry(available), first);
    QVERIFY(available.contains(first));
}

namespace {
bool g_trayShown = true;
bool trayProbe()
{
    return g_trayShown;
}
}  // namespace

void TestMainWidget::trayFollowsDesktop()
{
    TrayAvailability::setProbe(&trayProbe);
    g_trayShown = true;
    QSettings(settingsPath(), QSettings::IniFormat).setValue("CloseToTray/isCloseToTray", true);
    DMainWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.trayIcon());
    w.findChild<QPushButton *>("pushButton_Close")->click();
    QVERIFY(!w.isVisible());
    QVERIFY(w.isHiddenToTray());

    // The tray goes away: the window comes back rather than staying out of reach.
    g_trayShown = false;
    QTRY_VERIFY_WITH_TIMEOUT(w.isVisible(), 5000);
    QVERIFY(!w.trayIcon());
    QVERIFY(!w.isHiddenToTray());

    // An auto start with no tray is minimised, not invisible.
    DMainWidget second;
    second.startHidden();
    QVERIFY(second.isVisible());
    QVERIFY(second.isMinimized());
    TrayAvailability::setProbe(nullptr);
}

// A crash dump is told of once, at the first start after it was written.
void TestMainWidget::crashDumpToldOncePerDump()
{
    QTemporaryDir dumps;
    DMainWidget w;
    QVERIFY(!w.noticeNewCrashDump(dumps.path()));
    auto writeDump = [&](const QString &name) {
        QFile f(dumps.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    };
    writeDump("2026_01_02_10_00_00.dmp");
    QWidget *notice = w.noticeNewCrashDump(dumps.path());
    QVERIFY(notice && notice->isVisible());
    auto *box = qobject_cast<QMessageBox *>(notice);
    QVERIFY(box);
    QVERIFY(box->text().startsWith("The program ended unexpectedly last time."));
    QVERIFY(box->text().contains("2026_01_02_10_00_00.dmp"));
    box->close();
    // The next start says nothing about the same dump, not even in a new window.
    DMainWidget later;
    QVERIFY(!later.noticeNewCrashDump(dumps.path()));
    // A newer dump is told of again; an older one left behind is not.
    writeDump("2025_12_31_09_00_00.dmp");
    QVERIFY(!later.noticeNewCrashDump(dumps.path()));
    writeDump("2026_02_01_08_00_00.dmp");
    QVERIFY(later.noticeNewCrashDump(dumps.path()));
}

void TestMainWidget::closeButtonHidesToTrayOrQuits_data()
{
    QTest::addColumn<bool>("closeToTray");
    QTest::addColumn<bool>("tray");
    QTest::addColumn<bool>("fromWindowManager");
    QTest::addColumn<bool>("quits");
    QTest::newRow("close to tray") << true << true << false << false;
    QTest::newRow("close to tray, but no tray") << true << false << false << true;
    QTest::newRow("close ends the program") << false << true << false << true;
    // Alt+F4 or the window menu's Close: the program ends, close to tray or not.
    QTest::newRow("window manager, close to tray") << true << true << true << true;
    QTest::newRow("window manager") << false << true << true << true;
}

void TestMainWidget::closeButtonHidesToTrayOrQuits()
{
    QFETCH(bool, closeToTray);
    QFETCH(bool, tray);
    QFETCH(bool, fromWindowManager);
    QFETCH(bool, quits);
    g_trayShown = tray;
    TrayAvailability::setProbe(&trayProbe);
    DMainWidget w;
    QSettings(settingsPath(), QSettings::IniFormat).setValue("CloseToTray/isCloseToTray", closeToTray);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTimer::singleShot(0, &w, [&] {
        if (fromWindowManager) {
            // What the window system delivers for Alt+F4: a spontaneous close event
            // (handed over directly, since sending an event marks it as the program's own).
            QCloseEvent close;
            QSpontaneKeyEvent::setSpontaneous(&close);
            static_cast<QObject &>(w).event(&close);
        } else {
            w.findChild<QPushButton *>("pushButton_Close")->click();
        }
    });
    // The loop ends by the quit, or here once the window went to the tray.
    QTimer watch;
    connect(&watch, &QTimer::timeout, &w, [&] {
        if (w.isHiddenToTray())
            QCoreApplication::exit(42);
    });
    watch.start(10);
    const int code = QCoreApplication::exec();
    watch.stop();
    TrayAvailability::setProbe(nullptr);
    QCOMPARE(code, quits ? 0 : 42);
    QVERIFY(!w.isVisible());
    QCOMPARE(w.isHiddenToTray(), !quits);
}

void TestMainWidget::quitLeavesEventLoopWithZero()
{
    DMainWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTimer::singleShot(0, &w, &DMainWidget::onQuitApp);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!w.isVisible());
}

TAVRIX_TEST_MAIN(TestMainWidget)
#include "tst_mainwidget.moc"
