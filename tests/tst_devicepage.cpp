// The device page with emulated keyboards in this process: enumeration and cards, one
// link per keyboard, opening and switching, profile files, battery and receiver
// reports, hot-plug, and the guards against reports and events of the wrong keyboard.
#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicelink/magneticreport.h"
#include "devicelink/mainhidinterface.h"
#include "devicepage/ddevicelistitem.h"
#include "devicepage/ddevicepage.h"
#include "devicepage/dperformancepage.h"
#include "emudevice.h"
#include "emumodel.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "platform/pastebackend.h"
#include "sdk/emulateddevicedir.h"
#include "support/devicepagerig.h"
#include "support/kbemuexpect.h"
#include "support/testmain.h"
#include "support/waituntil.h"
#include "widgets/arrowwidget.h"
#include "widgets/batteryitem.h"
#include "widgets/cbnotice.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

QString text(const char *field, std::size_t size)
{
    return QString::fromLatin1(field, int(strnlen(field, size)));
}

// Index of the first received report that starts with these bytes, -1 when none did.
int indexOfReport(const QList<HidReport> &reports, const QString &hex, int from = 0)
{
    HidReport wanted;
    HidReport::fromHex(hex, &wanted);
    const QByteArray head = wanted.toByteArray().left(hex.split(' ', Qt::SkipEmptyParts).size());
    for (int i = from; i < reports.size(); ++i) {
        if (reports[i].toByteArray().startsWith(head))
            return i;
    }
    return -1;
}

int countReports(const QList<HidReport> &reports, const QString &hex)
{
    int n = 0;
    for (int i = indexOfReport(reports, hex); i >= 0; i = indexOfReport(reports, hex, i + 1))
        ++n;
    return n;
}

// The device page rig with what the tests read off the page.
class Rig : public DevicePageRig
{
public:
    QStringList cardTexts() const
    {
        QStringList texts;
        for (DDeviceListItem *card : page->deviceCardsInOrder())
            texts << card->deviceText();
        return texts;
    }
    QString shownPage() const
    {
        return page->findChild<QStackedWidget *>("stackedWidget_3")->currentWidget()->objectName();
    }
    QString tip() const { return page->findChild<QLabel *>("label_Tip")->text(); }
    QString currentPath() const
    {
        return page->currentDeviceCard() ? text(page->currentDeviceCard()->hidInfo().hidPath, 256) : QString();
    }
    QStringList lastNames() const
    {
        return names->isEmpty() ? QStringList()
                                : QStringList {names->last().at(0).toString(), names->last().at(1).toString()};
    }
    DDeviceListItem *card(EmuDevice *device) const { return page->deviceCardMap().value(device->socketPath()); }
    void click(EmuDevice *device) const { QTest::mouseClick(card(device), Qt::LeftButton); }
    bool waitIdle(int ms = 10000) const
    {
        return waitUntil([&] { return !page->isBusy(); }, ms);
    }
};

// Root opens any file whatever its mode. For the life of the object this thread
// (the GUI thread, which opens the devices) loses that override, so a node without
// permission is refused as it is for a normal user.
class NoFileAccessOverride
{
public:
    NoFileAccessOverride() { setEffective(false); }
    ~NoFileAccessOverride() { setEffective(true); }

private:
    static void setEffective(bool on)
    {
        __user_cap_header_struct header {_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2] {};
        if (syscall(SYS_capget, &header, data) != 0)
            return;
        const quint32 mask = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
        data[0].effective = on ? (data[0].effective | (mask & data[0].permitted)) : (data[0].effective & ~mask);
        syscall(SYS_capset, &header, data);
    }
};

QString profileFolder(const QString &model, const QByteArray &serial)
{
    return DDataManager::getInstance()->getUserConfigDir() + "/" + model + "/" + QString::fromLatin1(serial);
}

}  // namespace

// Counts the listings of a folder (each opening of it for reading).
class FolderListings
{
public:
    explicit FolderListings(const QString &dir) : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (m_fd >= 0)
            inotify_add_watch(m_fd, QFile::encodeName(dir).constData(), IN_OPEN | IN_ONLYDIR);
    }
    ~FolderListings() { ::close(m_fd); }
    int take()
    {
        int count = 0;
        alignas(inotify_event) char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                count += (event->mask & IN_ISDIR) && event->len == 0;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        return count;
    }

private:
    int m_fd;
};

class TestDevicePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cardShowsDeviceState_data();
    void cardShowsDeviceState();
    void recordCutsLongTexts();
    void oneCableKeyboardIsOpened_data();
    void oneCableKeyboardIsOpened();
    void receiverKeyboardOpensWhenPresent();
    void keyboardThatCannotBeOpenedIsTold();
    void eventsDuringStartUpWaitForIt();
    void clicksSwitchBetweenKeyboards();
    void clickDuringSwitchIsDropped();
    void reportsOfOtherKeyboardChangeNothing();
    void eachKeyboardKeepsItsFacts();
    void textKeyNoticeIsShown();
    void prohibitSleepFollowsTheCurrentModel();
    void batteryDisplay();
    void deviceWithoutSerialWaitsForIt();
    void unplugAndPlugBack();
    void plugAgainAtSamePathIsNewDevice();
    void twoArrivalsInOneNotice();
    void changeDuringAnotherIsHandledAfter();
    void changeWhileKeyboardOpens_data();
    void changeWhileKeyboardOpens();
    void leavingTriggerTabSendsOneReport();
    void magneticCommandsFromTheTriggerTab();
    void zoomStopsAtItsLimits();
    void tabTipsNameTheirButtons();
};

void TestDevicePage::init()
{
    QDir(DDataManager::getInstance()->getUserConfigDir()).removeRecursively();
}

void TestDevicePage::cardShowsDeviceState_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("online");
    QTest::addColumn<int>("connectType");
    QTest::addColumn<QString>("deviceText");
    QTest::addColumn<bool>("visible");
    QTest::newRow("cable") << "Quorin QR108" << 1 << 0 << "RGB(USB)" << true;
    QTest::newRow("receiver") << "Quorin QR108" << 1 << 1 << "RGB(2.4G)" << true;
    QTest::newRow("offline") << "Quorin QR108" << 0 << 0 << "RGB(OffLine)" << false;
    QTest::newRow("no product name") << "" << 1 << 0 << "RGB(USB)" << true;
}

void TestDevicePage::cardShowsDeviceState()
{
    QFETCH(QString, product);
    QFETCH(int, online);
    QFETCH(int, connectType);
    QFETCH(QString, deviceText);
    QFETCH(bool, visible);

    QWidget list;
    auto *card = new DDeviceListItem(&list);
    list.show();
    hidStructInfoAll info {};
    tavrixCopyText(info.productName, product.toUtf8().constData());
    tavrixCopyText(info.likeName, "RGB");
    tavrixCopyText(info.hidName, "NoSuchModel");
    info.onlineStatus = online;
    info.connectType = connectType;
    card->setDeviceInfo(info);

    QCOMPARE(card->size(), QSize(190, 140));
    QCOMPARE(card->productText(), product);
    QCOMPARE(card->deviceText(), deviceText);
    QCOMPARE(card->isVisible(), visible);
    QCOMPARE(card->isDimmed(), online == 0);
    QVERIFY(!card->hasPicture());

    // Every press reports the card's record, an offline one too; the page decides.
    QSignalSpy pressed(card, &DDeviceListItem::sigHidItemMouseClicked);
    card->press();
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.first().first().value<hidStructInfoAll>().onlineStatus, online);

    // A theme change keeps the selection border.
    card->setSelected(true);
    card->applyTheme();
    QVERIFY(card->isSelected());
    QVERIFY(card->imageFrameStyleSheet().contains(", 255)"));
}

void TestDevicePage::recordCutsLongTexts()
{
    HidDeviceInfoStu device {};
    FirmwareInfoStu firmware {};
    HidInfoStu model {};
    std::memset(model.productName, 'P', sizeof model.productName);  // no NUL at all
    std::memset(model.deviceKind, 'k', sizeof model.deviceKind);
    std::memset(firmware.text[FirmwareInfoStu::IdentityPart0], 'F', FirmwareInfoStu::TextSize);
    tavrixCopyText(device.hidPath, "/dev/x");
    device.connectType = 7;
    model.keyCount = 84;
    const hidStructInfoAll info = DDevicePage::deviceRecord(device, firmware, model);
    QCOMPARE(strnlen(info.productName, sizeof info.productName), sizeof info.productName - 1);
    QCOMPARE(strnlen(info.deviceKind, sizeof info.deviceKind), sizeof info.deviceKind - 1);
    // The firmware text (64 bytes) is not read past its own end into the next one.
    QCOMPARE(strnlen(info.firmwareIdPart0, sizeof info.firmwareIdPart0), std::size_t(FirmwareInfoStu::TextSize));
    QCOMPARE(info.connectType, 1);
    QCOMPARE(info.onlineStatus, 0);
    QCOMPARE(info.keyCount, 84);
}

void TestDevicePage::oneCableKeyboardIsOpened_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("cards");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("magnetic");
    QTest::newRow("full size") << "QR108"
                               << QStringList {"RGB Full-size(USB)", "Wireless 84(OffLine)", "Magnetic 68(OffLine)"}
                               << QStringList {"Quorin QR108", "RGB Full-size"} << false;
    QTest::newRow("magnetic") << "QM68"
                              << QStringList {"Magnetic 68(USB)", "Wireless 84(OffLine)", "RGB Full-size(OffLine)"}
                              << QStringList {"Quorin QM68", "Magnetic 68"} << true;
}

void TestDevicePage::oneCableKeyboardIsOpened()
{
    QFETCH(QString, model);
    QFETCH(QStringList, cards);
    QFETCH(QStringList, names);
    QFETCH(bool, magnetic);

    Rig rig;
    EmuDevice *keyboard = rig.add(model, "one");
    DDevicePage *page = rig.open();
    QCOMPARE(rig.enumerated->count(), 1);
    QCOMPARE(rig.cardTexts(), cards);
    QCOMPARE(rig.currentPath(), keyboard->socketPath());
    QCOMPARE(page->linkThreadIndex(keyboard->socketPath()), 1);
    QCOMPARE(rig.lastNames(), names);
    QCOMPARE(rig.shownPage(), QString("page_HaveDevice"));
    QVERIFY(page->keyboardPicture());
    QCOMPARE(page->keyboardPicture()->modelName(), model);
    QVERIFY(page->keyButtonAt(0, 0));
    QCOMPARE(page->findChild<QToolButton *>("toolButton_TriggerSetting")->isVisibleTo(page), magnetic);
    QCOMPARE(page->findChild<QWidget *>("frame_Battery")->isVisibleTo(page), !magnetic);

    const QByteArray serial = EmuKeyboard::defaultSerial(keyboard->model(), false, "one");
    QCOMPARE(page->currentSerialNumber(), QString::fromLatin1(serial));
    const QString folder = profileFolder(model, serial);
    QVERIFY(QFile::exists(folder + "/appProfile_Default.xml"));
    QVERIFY(QFile::exists(folder + "/appProfile_FN.xml"));
    QCOMPARE(QFile::exists(folder + "/appProfile_Magnetic.xml"), magnetic);
    QCOMPARE(page->currentProfileIndex(), 1);
    QCOMPARE(page->currentProfilePath(), QFile::encodeName(folder + "/appProfile_Default.xml"));
    QCOMPARE(page->findChild<QComboBox *>("comboBox_profileList")->currentText(), QString("Profile1"));

    // The sleep times are asked for once the query chain has run.
    QVERIFY(waitUntil([&] { return indexOfReport(keyboard->receivedReports(), "01 13 02") >= 0; }, 3000));
    const QList<HidReport> received = keyboard->receivedReports();
    const int chainEnd = indexOfReport(received, "01 01");
    QVERIFY(chainEnd > indexOfReport(received, "00 14"));
    QVERIFY(indexOfReport(received, "01 13 02") > chainEnd);
}

void TestDevicePage::receiverKeyboardOpensWhenPresent()
{
    Rig rig;
    EmuDevice *receiver = rig.add("QB84", "rx", true, false);
    receiver->keyboard()->state().status.linkAbsent = 1;  // the keyboard behind it sleeps
    receiver->start();
    DDevicePage *page = rig.open();
    QCOMPARE(rig.shownPage(), QString("page_TipShow"));
    QCOMPARE(rig.tip(), QString("Device not connected"));
    QCOMPARE(rig.lastNames(), (QStringList {"HID", "RGB"}));
    QVERIFY(page->getKeyboardLinkMap().contains(receiver->socketPath()));
    QVERIFY(!page->currentDeviceLink());
    QVERIFY(waitUntil([&] { return page->dongleStateMap().value(receiver->socketPath()) == 1; }, 3000));

    // The keyboard wakes up: its card comes online and it is opened.
    receiver->keyboard()->setLinkPresent(true);
    QVERIFY(waitUntil([&] { return page->currentDeviceLink() && !page->isBusy(); }, 10000));
    QCOMPARE(rig.currentPath(), receiver->socketPath());
    QCOMPARE(rig.shownPage(), QString("page_HaveDevice"));
    QCOMPARE(rig.cardTexts().first(), QString("Wireless 84(2.4G)"));
    QCOMPARE(rig.lastNames(), (QStringList {"Quorin QB84", "Wireless 84"}));
}

void TestDevicePage::keyboardThatCannotBeOpenedIsTold()
{
    Rig rig;
    EmuDevice *device = rig.add("QR108", "locked", false, true);
    // The keyboard is there but its node is not the user's yet, as before the udev
    // rule reaches it: a socket without write permission refuses the connection.
    const QFileDevice::Permissions open = QFile::permissions(device->socketPath());
    QVERIFY(QFile::setPermissions(device->socketPath(), QFileDevice::ReadOwner));
    NoFileAccessOverride asNormalUser;
    DDevicePage *page = rig.open();
    QCOMPARE(rig.shownPage(), QString("page_TipShow"));
    QVERIFY2(rig.tip().startsWith("The keyboard was found but cannot be opened."), qPrintable(rig.tip()));
    QVERIFY(rig.tip().contains("sudo udevadm control --reload-rules && sudo udevadm trigger"));
    QVERIFY(device->receivedReports().isEmpty());

    // The rules are reloaded: the page opens the keyboard on its own.
    QVERIFY(QFile::setPermissions(device->socketPath(), open));
    QVERIFY(waitUntil([&] { return rig.shownPage() == "page_HaveDevice" && !page->isBusy(); }, 10000));
    QCOMPARE(rig.currentPath(), device->socketPath());
    QCOMPARE(rig.tip(), QString("Device not connected"));
}

void TestDevicePage::eventsDuringStartUpWaitForIt()
{
    // The first keyboard never answers: the start-up waits for its link. Inside that
    // wait the second keyboard's card is clicked and a third keyboard arrives with its
    // notice.
    Rig rig;
    EmuDevice *first = rig.add("QR108", "a", false, false);
    first->keyboard()->setSilent(true);
    first->start();
    EmuDevice *second = rig.add("QB84", "b");
    EmuDevice *third = nullptr;
    // Runs at every pass of the event loop until the start-up is inside the first
    // keyboard's wait: its link exists and the page is busy.
    QTimer during;
    during.setInterval(0);
    QObject::connect(&during, &QTimer::timeout, [&] {
        if (!rig.page || !rig.card(second) || !rig.page->getKeyboardLinkMap().contains(first->socketPath())
            || !rig.page->isBusy())
            return;
        during.stop();
        rig.click(second);
        third = rig.add("QM68", "c");
        rig.page->hidDeviceConnectChanging(DDevicePage::kChangeArrival, "hidPath");
    });
    during.start();
    DDevicePage *page = rig.open();
    QVERIFY(third);
    QVERIFY(
        waitUntil([&] { return page->getKeyboardLinkMap().contains(third->socketPath()) && !page->isBusy(); }, 30000));
    // The start-up opened the first keyboard as it would have; the click did nothing.
    QCOMPARE(rig.currentPath(), first->socketPath());
    QCOMPARE(page->getKeyboardLinkMap().size(), 3);
}

void TestDevicePage::clicksSwitchBetweenKeyboards()
{
    Rig rig;
    EmuDevice *first = rig.add("QR108", "a");
    EmuDevice *second = rig.add("QB84", "b");
    DDevicePage *page = rig.open();
    QCOMPARE(rig.currentPath(), first->socketPath());
    QCOMPARE(page->linkThreadIndex(second->socketPath()), 2);
    MainHidInterFace *firstHid = page->currentHidInterface();

    rig.click(second);
    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.currentPath(), second->socketPath());
    QVERIFY(rig.card(second)->isSelected());
    QVERIFY(!rig.card(first)->isSelected());
    QCOMPARE(rig.lastNames(), (QStringList {"Quorin QB84", "Wireless 84"}));
    // The keyboard left behind keeps its I/O thread.
    QVERIFY(firstHid->isOpen());
    QVERIFY(QFile::exists(profileFolder("QB84", EmuKeyboard::defaultSerial(second->model(), false, "b"))
                          + "/appProfile_Default.xml"));

    const int namesBefore = rig.names->count();
    rig.click(second);
    QCOMPARE(page->pageNotice()->text(), QString("The device has been turned on"));
    QCOMPARE(rig.names->count(), namesBefore);

    // An offline card (the model without a device) answers with its notice.
    DDeviceListItem *offline = page->deviceCardMap().value("QM68");
    QVERIFY(offline);
    offline->press();
    QCOMPARE(page->pageNotice()->text(), QString("The device is offline"));
    QCOMPARE(rig.currentPath(), second->socketPath());

    rig.click(first);
    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.currentPath(), first->socketPath());
}

void TestDevicePage::clickDuringSwitchIsDropped()
{
    Rig rig;
    EmuDevice *first = rig.add("QR108", "a");
    // The second keyboard never answers, so opening it waits the whole 1500 ms.
    EmuDevice *second = rig.add("QB84", "b", false, false);
    second->keyboard()->setSilent(true);
    second->start();
    DDevicePage *page = rig.open();
    QCOMPARE(rig.currentPath(), first->socketPath());
    rig.click(second);
    QVERIFY(page->isBusy());
    rig.click(first);
    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.currentPath(), second->socketPath());
}

void TestDevicePage::reportsOfOtherKeyboardChangeNothing()
{
    // Both keyboards report the same serial number: only the link tells them apart.
    const QByteArray serial = "0123456789abcdef0123456789ABCDEF";
    Rig rig;
    EmuDevice *first = rig.add("QR108", "a", false, true, serial);
    EmuDevice *second = rig.add("QB84", "b", false, true, serial);
    DDevicePage *page = rig.open();
    QCOMPARE(rig.currentPath(), first->socketPath());
    auto *battery = page->findChild<BatteryItem *>("label_ElectricityNum");
    auto *charging = page->findChild<QLabel *>("label_Charging");
    auto *mode = page->findChild<QLabel *>("label_Mode");
    QVERIFY(waitUntil([&] { return battery->value() == 100; }, 3000));

    second->keyboard()->state().status.charging = 0;
    second->keyboard()->state().status.battery = 12;
    second->keyboard()->state().status.keyboardMode = 2;
    second->keyboard()->sendStatus();
    QSignalSpy statusSeen(page->getKeyboardLinkMap().value(second->socketPath()),
                          &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity);
    QVERIFY(statusSeen.wait(3000));
    QCoreApplication::processEvents();  // whatever the report set going has run
    QCOMPARE(battery->value(), 100);
    QVERIFY(charging->isHidden());
    QCOMPARE(mode->text(), QString("USB"));

    // The current keyboard's own report does reach the display.
    first->keyboard()->state().status.battery = 57;
    first->keyboard()->sendStatus();
    QVERIFY(waitUntil([&] { return battery->value() == 57; }, 3000));
}

// A keyboard with side lights is current; a magnetic one without them arrives and answers
// its own queries. What the pages read is the current keyboard's, and a switch brings the
// other keyboard's facts along.
void TestDevicePage::eachKeyboardKeepsItsFacts()
{
    Rig rig;
    EmuDevice *lit = rig.add("QR108", "a");
    DDevicePage *page = rig.open();
    DDataManager *dm = DDataManager::getInstance();
    QWidget *sideLightButton = page->customKeysTab()->findChild<QWidget *>("toolButton_SideLightAbout");
    QVERIFY(sideLightButton);
    QVERIFY(dm->haveSideLight());
    QVERIFY(!sideLightButton->isHidden());
    const auto dataManagerFacts = [dm] {
        return QList<int> {dm->getMagneticPrecision(), dm->getKeyAntiShakeNum(), dm->getKeyRateOfReturnNum()};
    };
    const QList<int> litFacts = dataManagerFacts();

    EmuDevice *magnetic = rig.add("QM68", "b");
    magnetic->keyboard()->state().magnetic = [] {
        EmuMagnetic m;
        m.travelLevel = 55;
        m.debounce = 6;
        m.reportRate = 4;
        return m;
    }();
    magnetic->keyboard()->setCalibrationResult(0, 10);
    page->hidDeviceConnectChanging(DDevicePage::kChangeArrival, "hidPath");
    QVERIFY(rig.waitIdle());
    DDeviceKeyboardLink *magneticLink = page->getKeyboardLinkMap().value(magnetic->socketPath());
    QVERIFY(magneticLink);
    QVERIFY(waitUntil([&] { return magneticLink->getKeyRateOfReturnNum() == 4; }, 3000));
    QCOMPARE(rig.currentPath(), lit->socketPath());
    QVERIFY(dm->haveSideLight());
    QCOMPARE(dataManagerFacts(), litFacts);

    // Its magnetic events do not reach the pages while it is not the current keyboard.
    QSignalSpy calibrationShown(dm, &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack);
    QSignalSpy calibrationAnswered(magneticLink, &DDeviceKeyboardLink::sigMagneticCalibrationStatus);
    QVERIFY(MagneticReport::send(magneticLink->getHidInterface(), MagneticReport::calibrate(1, 1)));
    QTRY_COMPARE(calibrationAnswered.count(), 2);
    QCOMPARE(calibrationShown.count(), 0);

    rig.click(magnetic);
    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.currentPath(), magnetic->socketPath());
    QVERIFY(!dm->haveSideLight());
    QVERIFY(sideLightButton->isHidden());
    QCOMPARE(dataManagerFacts(), (QList<int> {55, 6, 4}));
    QVERIFY(MagneticReport::send(magneticLink->getHidInterface(), MagneticReport::calibrate(1, 1)));
    QTRY_COMPARE(calibrationShown.count(), 2);
    // A report rate chosen on the page is the keyboard's own from then on.
    page->onKeyRateOfReturnCurrentNum(2);

    rig.click(lit);
    QVERIFY(rig.waitIdle());
    QVERIFY(dm->haveSideLight());
    QVERIFY(!sideLightButton->isHidden());
    QCOMPARE(dataManagerFacts(), litFacts);

    rig.click(magnetic);
    QVERIFY(rig.waitIdle());
    QCOMPARE(dataManagerFacts(), (QList<int> {55, 6, 2}));
}

void TestDevicePage::textKeyNoticeIsShown()
{
    // Where nothing can type the paste shortcut the page tells the user to paste,
    // whichever keyboard's key asked for the text.
    struct NoTyping : PasteBackend
    {
        void setClipboardText(const QString &) override { }
        bool typePasteShortcut() override { return false; }
    } paste;
    Rig rig;
    rig.add("QR108", "a");
    EmuDevice *other = rig.add("QB84", "b");
    DDevicePage *page = rig.open();
    DDeviceKeyboardLink *link = page->getKeyboardLinkMap().value(other->socketPath());
    QVERIFY(link && link != page->currentDeviceLink());
    link->setPasteBackend(&paste);
    KeyOperateInfo item = KeyOperateInfo::empty();
    qstrncpy(item.value, "typed text", sizeof item.value);
    link->pasteKeyText(item, 1);
    QCOMPARE(page->pageNotice()->text(), QString("The text is on the clipboard: press Ctrl+V to paste it"));
}

void TestDevicePage::prohibitSleepFollowsTheCurrentModel()
{
    Rig rig;
    rig.add("QR108", "a");
    EmuDevice *sleeper = rig.add("QB84", "b");
    DDevicePage *page = rig.open();
    constexpr int performanceTab = 2;
    QWidget *frame = page->performanceTab()->findChild<QWidget *>("frame_ProhibitSleep");
    QVERIFY(frame);
    page->onCurIndexChangedMainPage(performanceTab);
    QVERIFY(!frame->isVisibleTo(page->performanceTab()));

    rig.click(sleeper);
    QVERIFY(rig.waitIdle());
    page->onCurIndexChangedMainPage(performanceTab);
    QVERIFY(frame->isVisibleTo(page->performanceTab()));
}

void TestDevicePage::batteryDisplay()
{
    Rig rig;
    DDevicePage *page = rig.open();
    auto *battery = page->findChild<BatteryItem *>("label_ElectricityNum");
    auto *charging = page->findChild<QLabel *>("label_Charging");
    auto *mode = page->findChild<QLabel *>("label_Mode");
    const QString sn = page->currentSerialNumber();  // no device: the empty serial number

    page->onSendChargingStatusAndElectricity(1, 40, 0, 0, sn);
    QVERIFY(!charging->isHidden());
    QVERIFY(!battery->showText());
    // The gauge showed 60 before; the animation starts again from 0.
    QVERIFY(waitUntil([&] { return battery->value() >= 3 && battery->value() < 60; }, 3000));
    // A second charging report leaves the running animation alone: it goes on, not back to 0.
    const int shown = battery->value();
    page->onSendChargingStatusAndElectricity(1, 40, 0, 0, sn);
    QVERIFY(waitUntil([&] { return battery->value() != shown; }, 3000));
    QVERIFY(battery->value() > shown);

    page->onSendChargingStatusAndElectricity(0, 57, 1, 0, sn);
    QVERIFY(charging->isHidden());
    QCOMPARE(battery->value(), 57);
    QVERIFY(battery->showText());
    QCOMPARE(mode->text(), QString("2.4G"));
    // The animation stopped: its timer no longer runs, so the gauge keeps its value.
    QVERIFY(!page->findChild<QTimer *>("batteryAnimation")->isActive());
    QCOMPARE(battery->value(), 57);

    page->onSendChargingStatusAndElectricity(2, 20, 0, 0, sn);
    QCOMPARE(battery->value(), 100);
    QVERIFY(battery->showText());
    QVERIFY(!charging->isHidden());

    // Another keyboard's serial number, or an absent keyboard behind its receiver: nothing.
    page->onSendChargingStatusAndElectricity(0, 5, 0, 0, "another");
    page->onSendChargingStatusAndElectricity(0, 5, 1, 1, sn);
    QCOMPARE(battery->value(), 100);
    QCOMPARE(mode->text(), QString("USB"));
}

void TestDevicePage::deviceWithoutSerialWaitsForIt()
{
    Rig rig;
    EmuDevice *keyboard = rig.add("QR108", "nosn", false, false);
    keyboard->keyboard()->overrideAnswer(0x14, {});  // the serial query goes unanswered
    keyboard->start();
    DDevicePage *page = rig.open();
    QCOMPARE(rig.currentPath(), keyboard->socketPath());
    QVERIFY(page->isWaitingForSerial());
    QCOMPARE(rig.shownPage(), QString("page_TipShow"));
    QCOMPARE(rig.tip(), QString("The device is not ready"));
    QVERIFY(!QDir(DDataManager::getInstance()->getUserConfigDir() + "/QR108").exists());

    // The serial number arrives late: the files are prepared then.
    const QByteArray serial = "fedcba9876543210fedcba9876543210";
    HidReport reply = HidReport::reply(HidReply::SerialNumber, 0, 0x20);
    reply.setBytes(6, serial);
    keyboard->keyboard()->sendReport(reply);
    QVERIFY(waitUntil([&] { return !page->isWaitingForSerial(); }, 3000));
    QCOMPARE(rig.shownPage(), QString("page_HaveDevice"));
    QVERIFY(QFile::exists(profileFolder("QR108", serial) + "/appProfile_FN.xml"));
}

void TestDevicePage::unplugAndPlugBack()
{
    Rig rig;
    EmuDevice *keyboard = rig.add("QR108", "hp");
    DDevicePage *page = rig.open();
    MainHidInterFace *hid = page->currentHidInterface();
    QSignalSpy over(page, &DDevicePage::sigIntoOrRemoveHidOver);

    keyboard->vanish();
    page->hidDeviceConnectChanging(DDevicePage::kChangeRemoval, "hidPath");
    QVERIFY(!hid->isOpen());
    QVERIFY(!page->currentDeviceLink());
    QCOMPARE(over.count(), 1);
    QCOMPARE(rig.shownPage(), QString("page_TipShow"));
    QCOMPARE(rig.lastNames(), (QStringList {"HID", "RGB"}));
    QVERIFY(!page->getKeyboardLinkMap().contains(keyboard->socketPath()));
    // Its card stays as the model's offline card, at the end of the list.
    QCOMPARE(rig.cardTexts().last(), QString("RGB Full-size(OffLine)"));
    QVERIFY(page->deviceCardMap().contains("QR108"));

    keyboard->comeBack();
    page->hidDeviceConnectChanging(DDevicePage::kChangeArrival, "hidPath");
    QVERIFY(rig.waitIdle());
    QCOMPARE(rig.currentPath(), keyboard->socketPath());
    QCOMPARE(page->linkThreadIndex(keyboard->socketPath()), 2);
    QCOMPARE(rig.cardTexts().first(), QString("RGB Full-size(USB)"));
    QCOMPARE(rig.shownPage(), QString("page_HaveDevice"));
}

// Unplugged and plugged again at the same path before the page enumerates: the
// set of paths is the same, but it is a new plug and gets a new link.
void TestDevicePage::plugAgainAtSamePathIsNewDevice()
{
    Rig rig;
    EmuDevice *keyboard = rig.add("QR108", "again");
    DDevicePage *page = rig.open();
    // The old plug's I/O thread goes with its link once the change is handled.
    const QPointer<MainHidInterFace> hid = page->currentHidInterface();
    QVERIFY(hid && hid->isOpen());
    const QByteArray before = EmulatedDeviceDir::instanceOf(keyboard->socketPath());
    QVERIFY(!before.isEmpty());

    keyboard->vanish();
    keyboard->comeBack();
    QVERIFY(EmulatedDeviceDir::instanceOf(keyboard->socketPath()) != before);
    QSignalSpy over(page, &DDevicePage::sigIntoOrRemoveHidOver);
    page->hidDeviceConnectChanging(DDevicePage::kChangeRemoval, "hidPath");
    QVERIFY(rig.waitIdle());
    QCOMPARE(over.count(), 1);
    QVERIFY(!hid || !hid->isOpen());
    QCOMPARE(rig.currentPath(), keyboard->socketPath());
    QVERIFY(page->currentHidInterface() && page->currentHidInterface() != hid.data());
    QVERIFY(page->currentHidInterface()->isOpen());
    QCOMPARE(page->linkThreadIndex(keyboard->socketPath()), 2);
    QCOMPARE(rig.shownPage(), QString("page_HaveDevice"));

    // A notice with nothing new changes nothing.
    MainHidInterFace *now = page->currentHidInterface();
    page->hidDeviceConnectChanging(DDevicePage::kChangeArrival, "hidPath");
    QVERIFY(rig.waitIdle());
    QCOMPARE(page->currentHidInterface(), now);
}

void TestDevicePage::twoArrivalsInOneNotice()
{
    Rig rig;
    EmuDevice *first = rig.add("QR108", "a");
    DDevicePage *page = rig.open();
    EmuDevice *second = rig.add("QB84", "b");
    EmuDevice *third = rig.add("QM68", "c");
    // One notice, one listing of the devices, however many came.
    FolderListings listings(EmulatedDeviceDir::directory());
    page->hidDeviceConnectChanging(DDevicePage::kChangeArrival, "hidPath");
    QVERIFY(rig.waitIdle());
    QCOMPARE(listings.take(), 1);
    QVERIFY(page->getKeyboardLinkMap().contains(second->socketPath()));
    QVERIFY(page->getKeyboardLinkMap().contains(third->socketPath()));
    // The current keyboard stays; the newcomers follow it in path order.
    QCOMPARE(rig.currentPath(), first->socketPath());
    QCOMPARE(rig.cardTexts(), (QStringList {"RGB Full-size(USB)", "Magnetic 68(USB)", "Wireless 84(USB)"}));

    // Two removals in one notice, the current keyboard among them: the one left is
    // opened, never the other one that went.
    first->vanish();
    third->vanish();
    QSignalSpy names(page, &DDevicePage::sigReturnHidLikeName);
    listings.take();
    page->hidDeviceConnectChanging(DDevicePage::kChangeRemoval, "hidPath");
    QVERIFY(rig.waitIdle());
    QCOMPARE(listings.take(), 1);
    QCOMPARE(page->getKeyboardLinkMap().keys(), QStringList {second->socketPath()});
    QCOMPARE(rig.currentPath(), second->socketPath());
    QCOMPARE(names.count(), 1);
}

void TestDevicePage::changeDuringAnotherIsHandledAfter()
{
    Rig rig;
    rig.add("QR108", "a");
    DDevicePage *page = rig.open();
    // The arriving keyboard stays silent, so its link's ready wait runs its full time;
    // a second keyboard arrives, with its notice, inside that wait.
    EmuDevice *slow = rig.add("QB84", "slow", false, false);
    slow->keyboard()->setSilent(true);
    slow->start();
    EmuDevice *late = nullptr;
    QTimer::singleShot(300, page, [&] {
        late = rig.add("QM68", "late");
        page->hidDeviceConnectChanging(DDevicePage::kChangeArrival, "hidPath");
    });
    page->hidDeviceConnectChanging(DDevicePage::kChangeArrival, "hidPath");
    QVERIFY(waitUntil([&] { return late && page->getKeyboardLinkMap().contains(late->socketPath()); }, 10000));
    QVERIFY(page->getKeyboardLinkMap().contains(slow->socketPath()));
}

void TestDevicePage::changeWhileKeyboardOpens_data()
{
    QTest::addColumn<bool>("secondArrives");  // else the opening keyboard leaves
    QTest::newRow("second keyboard arrives") << true;
    QTest::newRow("opening keyboard leaves") << false;
}

// A keyboard that tells its light lists late is opened without an event loop inside the
// page: the notice returns at once with the page busy, and a change that comes while the
// keyboard opens is handled after it.
void TestDevicePage::changeWhileKeyboardOpens()
{
    QFETCH(bool, secondArrives);
    Rig rig;
    DDevicePage *page = rig.open();
    EmuDevice *slow = rig.add("QR108", "slow", false, false);
    slow->keyboard()->delayReplies(int(HidReply::SideLightTypeList), 600);
    slow->start();

    // A timer that fires while one of our calls into the page runs was run by a loop
    // the page nested.
    bool inCall = false;
    int firedInCall = 0;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] { firedInCall += inCall ? 1 : 0; });
    probe.start();
    const auto notice = [&](int change) {
        inCall = true;
        page->hidDeviceConnectChanging(change, "hidPath");
        inCall = false;
    };

    notice(DDevicePage::kChangeArrival);
    QVERIFY(page->isBusy());
    QVERIFY(page->getKeyboardLinkMap().contains(slow->socketPath()));
    QVERIFY(!page->getKeyboardLinkMap().value(slow->socketPath())->isLightListReady());
    EmuDevice *fast = nullptr;
    if (secondArrives) {
        fast = rig.add("QM68", "fast");
        notice(DDevicePage::kChangeArrival);
        QVERIFY(waitUntil([&] { return page->getKeyboardLinkMap().contains(fast->socketPath()) && !page->isBusy(); },
                          10000));
    } else {
        slow->vanish();
        notice(DDevicePage::kChangeRemoval);
        QVERIFY(waitUntil([&] { return page->getKeyboardLinkMap().isEmpty() && !page->isBusy(); }, 10000));
    }
    QCOMPARE(firedInCall, 0);

    if (secondArrives) {
        // The keyboard that came first is the current one, with its own files.
        QCOMPARE(rig.currentPath(), slow->socketPath());
        const QByteArray serial = EmuKeyboard::defaultSerial(slow->model(), false, "slow");
        QCOMPARE(page->currentSerialNumber(), QString::fromLatin1(serial));
        QCOMPARE(page->currentProfilePath(),
                 QFile::encodeName(profileFolder("QR108", serial) + "/appProfile_Default.xml"));
        QCOMPARE(rig.shownPage(), QString("page_HaveDevice"));
        QCOMPARE(page->getKeyboardLinkMap().size(), 2);
    } else {
        QVERIFY(!page->currentDeviceLink());
        QCOMPARE(rig.shownPage(), QString("page_TipShow"));
        QCOMPARE(rig.tip(), QString("Device not connected"));
    }
}

void TestDevicePage::leavingTriggerTabSendsOneReport()
{
    Rig rig;
    EmuDevice *keyboard = rig.add("QM68", "t");
    DDevicePage *page = rig.open();
    keyboard->clearReceived();
    page->onCurIndexChangedMainPage(4);
    page->onCurIndexChangedMainPage(4);
    page->onCurIndexChangedMainPage(1);
    page->onCurIndexChangedMainPage(2);
    // Reports reach the keyboard in their order: once a later one is there, so are these.
    HidReport marker = HidReport::command(HidCmd::ShakeHands, 0, 0x01);
    marker[10] = 0xA5;
    QCOMPARE(page->currentDeviceLink()->getHidInterface()->appendCmdData(marker.data()), 0);
    QVERIFY(waitUntil([&] { return keyboard->receivedReports().contains(marker); }, kChildProcessWaitMs));
    QCOMPARE(countReports(keyboard->receivedReports(), "01 29 00 00 00 18 03"), 1);

    // Id 3 shows no tab page of its own but asks for the macro editor.
    QSignalSpy macro(page, &DDevicePage::sigShowMacroPage);
    auto *tabs = page->findChild<QStackedWidget *>("stackedWidget");
    QWidget *before = tabs->currentWidget();
    page->onCurIndexChangedMainPage(3);
    QCOMPARE(macro.count(), 1);
    QCOMPARE(tabs->currentWidget(), before);
}

void TestDevicePage::magneticCommandsFromTheTriggerTab()
{
    Rig rig;
    EmuDevice *keyboard = rig.add("QM68", "m");
    DDevicePage *page = rig.open();
    page->onCurIndexChangedMainPage(4);
    QVERIFY(waitUntil([&] { return indexOfReport(keyboard->receivedReports(), "01 13 02") >= 0; }, 3000));
    keyboard->clearReceived();

    // Nothing selected: a notice and no report.
    page->onMagnetsKeysApplyConfig(13, 20, 15, 5, 3);
    QCOMPARE(page->pageNotice()->text(), QString("Please select one Key first"));

    // The first key of the picture selected with the rubber band: the selection report,
    // then the apply report with that key's bit and the four values.
    keyboardButCustom *key = nullptr;
    for (int cell = 0; cell < DDevicePage::kRows * DDevicePage::kColumns && !key; ++cell) {
        keyboardButCustom *candidate = page->keyButtonAt(cell / DDevicePage::kColumns, cell % DDevicePage::kColumns);
        if (candidate && candidate->keyDec() != 0)
            key = candidate;
    }
    QVERIFY(key);
    const QPoint corner = key->mapTo(page->keyboardPicture(), QPoint(0, 0));
    page->keyboardPicture()->selectKeysInRect(corner.x() - 2, corner.y() - 2, corner.x() + 2, corner.y() + 2);
    QByteArray bitmap(22, '\0');
    bitmap[key->keyColumn()] = char(1 << key->keyRow());
    const QString bitmapHex = QString::fromLatin1(bitmap.toHex(' '));
    page->onMagnetsKeysApplyConfig(13, 20, 15, 5, 3);
    QCOMPARE(page->pageNotice()->text(), QString("Operate successful"));
    page->onKeyRateOfReturnCurrentNum(8);
    QCOMPARE(DDataManager::getInstance()->getKeyRateOfReturnNum(), 8);

    // Calibration needs its mode and a key first.
    page->onKeyCalibrationStartRunning();
    QCOMPARE(page->pageNotice()->text(), QString("Please switch to key calibration mode first"));
    page->onCalibrationMode(1);
    page->onKeyCalibrationStartRunning();
    QCOMPARE(page->pageNotice()->text(), QString("Please select one Key first"));
    page->onTheMagneticKeyboardCalibrationStatusBack(3);
    QCOMPARE(page->pageNotice()->text(), QString("Unknow"));
    page->onCalibrationMode(0);

    QVERIFY(waitUntil([&] { return countReports(keyboard->receivedReports(), "01 29") >= 5; }, 3000));
    const QString select = "01 29 00 00 00 18 02 " + bitmapHex;
    const QString apply = "01 29 00 00 00 18 0d " + bitmapHex + " 14 0f 05 03";
    KBEMU_COMPARE_REPORTS(*keyboard, select, apply, "01 29 00 00 00 18 09 01 08", "01 29 00 00 00 18 02",
                          "01 29 00 00 00 18 02");
}

void TestDevicePage::zoomStopsAtItsLimits()
{
    Rig rig;
    rig.add("QB84", "z");
    DDevicePage *page = rig.open();
    auto *factor = page->findChild<QLabel *>("label_Multiple");
    auto *bigger = page->findChild<QPushButton *>("pushButton_MoreBig");
    auto *smaller = page->findChild<QPushButton *>("pushButton_MoreSmall");
    smaller->click();
    QCOMPARE(factor->text(), QString("1.0"));
    for (int i = 0; i < 11; ++i)
        bigger->click();
    QCOMPARE(factor->text(), QString("2.0"));
    QVERIFY(qAbs(page->currentZoomFactor() - 2.0f) < 0.01f);
    QVERIFY(qAbs(page->keyboardPicture()->scale() - 2.0f) < 0.01f);
    for (int i = 0; i < 12; ++i)
        smaller->click();
    QCOMPARE(factor->text(), QString("1.0"));
}

void TestDevicePage::tabTipsNameTheirButtons()
{
    Rig rig;
    DDevicePage *page = rig.open();
    const QStringList buttons = {"toolButton_CustomKey",   "toolButton_LightConfig",    "toolButton_MacroDialog",
                                 "toolButton_Performance", "toolButton_TriggerSetting", "toolButton_SeniorKey"};
    const QStringList texts = {"Key Custom", "Light Setting", "Macro", "Performance", "Trigger Setting", "Senior Keys"};
    for (int i = 0; i < buttons.size(); ++i) {
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(page->findChild<QToolButton *>(buttons[i]), &enter);
        QVERIFY(page->lastArrowPopup());
        QVERIFY(page->lastArrowPopup()->isVisible());
        QCOMPARE(page->lastArrowPopup()->findChild<QLabel *>()->text(), texts[i]);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(page->findChild<QToolButton *>(buttons[i]), &leave);
        QVERIFY(!page->lastArrowPopup()->isVisible());
    }
}

TAVRIX_TEST_MAIN(TestDevicePage)
#include "tst_devicepage.moc"
