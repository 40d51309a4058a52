// The device page's profile controls and performance relays with an emulated
// keyboard in this process: what reaches the keyboard, the profile files and the
// page when the user works the profile menu, the layer switch and the performance tab.
#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicepage/ddevicepage.h"
#include "devicepage/dperformancepage.h"
#include "devicepage/dprofilemenutoolwidget.h"
#include "devicepage/profilecontroller.h"
#include "emudevice.h"
#include "emumodel.h"
#include "keyboardview/hiddevicejoinframe.h"
#include "keyboardview/keyboardbutcustom.h"
#include "keys/dcustomkeyspage.h"
#include "lighting/dcustomlightlistitem.h"
#include "lighting/dlightsconfigpage.h"
#include "sdk/tavrixxml.h"
#include "support/testmain.h"
#include "widgets/arrowwidget.h"
#include "widgets/cbnotice.h"
#include "widgets/elidedcombo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>

#include <memory>

namespace {

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

class YesDialogs : public ProfileDialogs
{
public:
    QString chooseExportFolder(const QString &) override { return QString(); }
    QString chooseImportFile(const QString &) override { return QString(); }
    bool confirmReset() override { return true; }
    bool confirmOverwrite(const QString &) override { return true; }
};

}  // namespace

class TestDevicePageProfiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QDir(DDataManager::getInstance()->getUserConfigDir()).removeRecursively();
        dir.reset(new QTemporaryDir);
        qputenv("TAVRIX_EMU_DIR", dir->path().toLocal8Bit());
        device = std::make_unique<EmuDevice>(dir->path(), EmuModels::find("QR108"), "a");
        // The keyboard reserves Esc (row 0, column 0) and the key at row 5, column 21.
        QByteArray bitmap(22, '\0');
        bitmap[0] = 0x01;
        bitmap[21] = 0x20;
        device->keyboard()->state().customKeyBitmap = bitmap;
        QVERIFY(device->start());
        page = new DDevicePage;
        page->resize(1280, 700);
        page->show();
        QTRY_VERIFY_WITH_TIMEOUT(page->currentDeviceLink() && !page->isBusy() && !page->currentProfilePath().isEmpty(),
                                 20000);
        // The keyboard's answer to the last question of the opening (its sleep times)
        // is in, and with it those before: nothing of the opening lands in a test.
        QTRY_VERIFY_WITH_TIMEOUT(page->currentDeviceLink()->getProhibitSleep() >= 0, 20000);
        page->profileController()->setDialogs(&dialogs);
        layer = page->currentProfilePath();
    }

    void cleanup()
    {
        page->closeAllLinks();
        delete page;
        page = nullptr;
        device.reset();
        qunsetenv("TAVRIX_EMU_DIR");
    }

    void winLockChoicesStoredAndSent()
    {
        page->performanceTab()->reloadSettings();
        device->clearReceived();
        page->performanceTab()->findChild<QCheckBox *>("checkBox_disableALT_F4")->click();
        ProfileFunctionInfo info;
        QVERIFY(CTavrixXML_GetProFileFunctionInfo(layer, "1", &info));
        QCOMPARE((QByteArrayList {info.altTab, info.altF4, info.shiftTab, info.winKey}),
                 (QByteArrayList {"0", "1", "0", "0"}));
        // Windows key, Shift+Tab, Alt+F4, Alt+Tab at bytes 13 to 16.
        QTRY_VERIFY(indexOfReport(device->receivedReports(), "01 13 00 00 00 01 00 00 00 00 00 00 00 00 00 01 00")
                    >= 0);
    }

    void layerSwitchReservesKeys()
    {
        QTRY_VERIFY(!page->currentDeviceLink()->getCustomKeyList().isEmpty());
        DCustomKeysPage *keys = page->customKeysTab();
        QSignalSpy reloads(page->profileController(), &ProfileController::sigCurrentProfileChanged);
        Q_EMIT keys->sigDefaultLayerAndFnLayerSwitch(0);  // already current
        QCOMPARE(reloads.count(), 0);

        Q_EMIT keys->sigDefaultLayerAndFnLayerSwitch(1);
        QVERIFY(page->currentProfilePath().endsWith("/appProfile_FN.xml"));
        QCOMPARE(page->currentLayerIndex(), 1);
        QVERIFY(!page->keyButtonAt(0, 0)->isSelectable());
        QVERIFY(!page->keyButtonAt(5, 21)->isSelectable());
        QVERIFY(page->keyButtonAt(1, 1)->isSelectable());
        QCOMPARE(DDataManager::getInstance()->getCurProfilePath(), page->currentProfilePath());

        Q_EMIT keys->sigDefaultLayerAndFnLayerSwitch(0);
        QCOMPARE(page->currentProfilePath(), layer);
        QVERIFY(page->keyButtonAt(0, 0)->isSelectable());
        QVERIFY(page->keyButtonAt(5, 21)->isSelectable());
    }

    void sleepTimes_data()
    {
        QTest::addColumn<bool>("acknowledge");
        QTest::addColumn<QString>("notice");
        QTest::newRow("acknowledged") << true << "Sleep time has been set";
        QTest::newRow("not acknowledged") << false << "Sleep time set failed";
    }

    void sleepTimes()
    {
        QFETCH(bool, acknowledge);
        QFETCH(QString, notice);
        if (!acknowledge)
            device->keyboard()->dropReplies(0x14, -1);
        // What the keyboard reported when it was opened.
        ProfileSleepTimeInfo before;
        QVERIFY(CTavrixXML_GetProFileIntoSleepTimeInfo(layer, "1", &before));
        DPerformancePage *tab = page->performanceTab();
        tab->findChild<QLineEdit *>("lineEdit_LightSleep")->setText("120");
        tab->findChild<QLineEdit *>("lineEdit_KeyboardSleep")->setText("10");
        tab->findChild<QPushButton *>("pushButton_SubmitSleepTime")->click();
        QCOMPARE(page->pageNotice()->text(), notice);
        QVERIFY(indexOfReport(device->receivedReports(), "01 13 01 00 00 01 00 00 00 00 78 02 58 00") >= 0);
        ProfileSleepTimeInfo stored;
        CTavrixXML_GetProFileIntoSleepTimeInfo(layer, "1", &stored);
        QCOMPARE(stored.lightSleepTime, acknowledge ? 120 : before.lightSleepTime);
        QCOMPARE(stored.keyboardSleepTime, acknowledge ? 10 : before.keyboardSleepTime);
    }

    void resetFromThePerformanceTab()
    {
        CTavrixXML_AddProFileFunctionInfo(layer, "1", "1", "1", "1", "1");
        device->clearReceived();
        page->performanceTab()->findChild<QPushButton *>("pushButton_Restore")->click();
        QCOMPARE(page->pageNotice()->text(), QString("Reset the current profile successful"));
        ProfileFunctionInfo info;
        QVERIFY(!CTavrixXML_GetProFileFunctionInfo(layer, "1", &info));
        // The reset, then the question for the sleep times it reset.
        const auto reset = [&] { return indexOfReport(device->receivedReports(), "01 13 00 00 00 01 01"); };
        QTRY_VERIFY(reset() >= 0);
        QTRY_VERIFY(indexOfReport(device->receivedReports(), "01 13 02 00 00 01", reset()) > reset());
    }

    void keyboardAsksForProfile()
    {
        CTavrixXML_CreateProFileXmlParentNode(layer, "3", "Third", 0);
        page->loadProfileList();
        DDeviceKeyboardLink *link = page->currentDeviceLink();
        Q_EMIT link->sigCustomEventChangeProfile(7);  // no such profile
        QCOMPARE(page->currentProfileIndex(), 1);
        Q_EMIT link->sigCustomEventChangeProfile(3);
        QCOMPARE(page->currentProfileIndex(), 3);
        QCOMPARE(CTavrixXML_GetCreateXMLFileProfileIndex(layer), 3);
        QCOMPARE(page->findChild<QComboBox *>("comboBox_profileList")->currentText(), QString("Third"));
        QCOMPARE(page->performanceTab()->profileIndex(), 3);
    }

    void menuCreatesAndRenames()
    {
        page->findChild<QPushButton *>("pushButton_ProfileOperate")->click();
        ArrowWidget *popup = page->lastArrowPopup();
        QVERIFY(popup && popup->isVisible());
        QCOMPARE(popup->size(), QSize(160, 180));
        auto *menu = popup->findChild<DProfileMenuToolWidget *>();
        QVERIFY(menu);
        QTest::mouseRelease(menu->findChild<QLabel *>("label_CreateNew"), Qt::LeftButton);
        QVERIFY(!popup->isVisible());
        auto *combo = page->findChild<QComboBox *>("comboBox_profileList");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->currentText(), QString("Profile1"));
        QCOMPARE(page->pageNotice()->text(), QString("Create profile successful"));

        page->findChild<QPushButton *>("pushButton_ProfileOperate")->click();
        menu = page->lastArrowPopup()->findChild<DProfileMenuToolWidget *>();
        QTest::mouseRelease(menu->findChild<QLabel *>("label_ModifyName"), Qt::LeftButton);
        auto *names = page->findChild<QStackedWidget *>("stackedWidget_2");
        auto *edit = page->findChild<QLineEdit *>("lineEdit_profileName");
        QCOMPARE(names->currentWidget()->objectName(), QString("page_ModifyName"));
        QCOMPARE(edit->text(), QString("Profile1"));
        // The name field takes the keys at once; what is typed replaces the name.
        page->activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->selectedText(), QString("Profile1"));
        page->findChild<QPushButton *>("pushButton_Save")->click();
        QCOMPARE(names->currentWidget()->objectName(), QString("page_ModifyName"));
        QCOMPARE(page->pageNotice()->text(), QString("The profile name is unchanged"));
        edit->clear();
        page->findChild<QPushButton *>("pushButton_Save")->click();
        QCOMPARE(names->currentWidget()->objectName(), QString("page_ModifyName"));
        QCOMPARE(page->pageNotice()->text(), QString("Profile name can't empty"));
        edit->setText("Office");
        page->findChild<QPushButton *>("pushButton_Save")->click();
        QCOMPARE(names->currentWidget()->objectName(), QString("page_ProfileList"));
        QCOMPARE(combo->currentText(), QString("Office"));
    }

    // A long profile name is cut at a whole letter with "…" and shown whole as the
    // box's tip; the name field keeps its text clear of its rounded border.
    void longProfileNameShownWhole()
    {
        const QString longName = QStringLiteral("Gaming profile with a name far too long for the box");
        page->findChild<QPushButton *>("pushButton_ProfileOperate")->click();
        auto *menu = page->lastArrowPopup()->findChild<DProfileMenuToolWidget *>();
        QTest::mouseRelease(menu->findChild<QLabel *>("label_ModifyName"), Qt::LeftButton);
        auto *edit = page->findChild<QLineEdit *>("lineEdit_profileName");
        edit->setCursorPosition(0);
        const int textStart = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        QVERIFY2(textStart >= 8, qPrintable(QString::number(textStart)));
        QDir().mkpath(QCoreApplication::applicationDirPath() + "/screenshots");
        QVERIFY(edit->grab().save(QCoreApplication::applicationDirPath() + "/screenshots/profile_name_field.png"));
        edit->setText(longName);
        page->findChild<QPushButton *>("pushButton_Save")->click();

        auto *combo = page->findChild<QComboBox *>("comboBox_profileList");
        QCOMPARE(combo->currentText(), longName);
        const QString shown = ElidedCombo::shownText(combo);
        QVERIFY2(shown.endsWith(QChar(0x2026)) && shown.size() < longName.size(), qPrintable(shown));
        QVERIFY(longName.startsWith(shown.chopped(1)));
        QToolTip::hideText();
        const QPoint inside = combo->rect().center();
        QHelpEvent help(QEvent::ToolTip, inside, combo->mapToGlobal(inside));
        QCoreApplication::sendEvent(combo, &help);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), longName);
        QVERIFY(combo->grab().save(QCoreApplication::applicationDirPath() + "/screenshots/profile_long_name.png"));
    }

    // Return in the name field saves the name as the save button does, Escape leaves it
    // unchanged as the cancel button does; a refused name keeps the field open.
    void renameKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("renamed");
        QTest::newRow("Return saves") << "Office" << int(Qt::Key_Return) << true << true;
        QTest::newRow("Enter of the keypad saves") << "Office" << int(Qt::Key_Enter) << true << true;
        QTest::newRow("Escape cancels") << "Office" << int(Qt::Key_Escape) << true << false;
        QTest::newRow("Return on an empty name") << "" << int(Qt::Key_Return) << false << false;
    }

    void renameKeys()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(bool, closed);
        QFETCH(bool, renamed);
        auto *combo = page->findChild<QComboBox *>("comboBox_profileList");
        const QString before = combo->currentText();
        page->findChild<QPushButton *>("pushButton_ProfileOperate")->click();
        auto *menu = page->lastArrowPopup()->findChild<DProfileMenuToolWidget *>();
        QTest::mouseRelease(menu->findChild<QLabel *>("label_ModifyName"), Qt::LeftButton);
        auto *names = page->findChild<QStackedWidget *>("stackedWidget_2");
        auto *edit = page->findChild<QLineEdit *>("lineEdit_profileName");
        QCOMPARE(names->currentWidget()->objectName(), QString("page_ModifyName"));
        edit->setText(typed);
        QTest::keyClick(edit, Qt::Key(key));
        QCOMPARE(names->currentWidget()->objectName(), QString(closed ? "page_ProfileList" : "page_ModifyName"));
        QCOMPARE(combo->currentText(), renamed ? typed : before);
        QString stored;
        QVERIFY(page->profileController()->currentProfileName(&stored));
        QCOMPARE(stored, renamed ? typed : before);
    }

    // Custom colours on the lighting tab: a rubber band picks keys, the colour lands
    // on them and in the custom light in use; leaving the custom mode drops the pick.
    void customLightRelays()
    {
        page->onCurIndexChangedMainPage(1);
        colorInfoData mode;
        mode.lightMode = 10;
        Q_EMIT page->lightsConfigTab()->sigSelectCurrentLightTypeIndex_KB(10, mode);
        keyboardButCustom *esc = page->keyButtonAt(0, 0);
        // The rubber band's points are in the picture's frame, wherever the layout put the keys.
        const QPoint corner = esc->mapTo(page->keyboardPicture(), QPoint(0, 0));
        page->onDragArea_SelectKeys(corner.x() - 2, corner.y() - 2, corner.x() + 2, corner.y() + 2);
        QCOMPARE(page->keyboardPicture()->selectedKeys(), QList<keyboardButCustom *> {esc});

        colorInfoData colour;
        colour.topColorR = 1;
        colour.topColorG = 2;
        colour.topColorB = 3;
        // No custom light in use: the keys take the colour, the profile stays as it was.
        const QByteArray before = storeBytes(layer);
        Q_EMIT page->lightsConfigTab()->sigLightConfigHaveChanged_Custom(0, colour);
        QCOMPARE(esc->customLightColor(), QColor(1, 2, 3));
        QCOMPARE(storeBytes(layer), before);

        // The keyboard runs custom slot 0; the user then picks set "3", which is in no slot.
        page->lightsConfigTab()->followDeviceCustomLight(0, 10, 0);
        DCustomLightListItem *set3 = nullptr;
        for (DCustomLightListItem *row : page->lightsConfigTab()->customLightRows()) {
            if (row->lightIndex() == "3")
                set3 = row;
        }
        QVERIFY(set3);
        QTest::mouseClick(set3, Qt::LeftButton, {}, QPoint(150, 10));
        QCOMPARE(page->lightsConfigTab()->usingCustomLightIndex(), 3);
        page->onDragArea_SelectKeys(corner.x() - 2, corner.y() - 2, corner.x() + 2, corner.y() + 2);
        Q_EMIT page->lightsConfigTab()->sigLightConfigHaveChanged_Custom(0, colour);
        QList<CustomLightDataInfo> stored;
        CTavrixXML_ProFileCustomLightInfoSelectAll(layer, "1", "3", stored);
        QCOMPARE(stored.size(), 1);
        QCOMPARE(QByteArray(stored[0].keyCode), QByteArray::number(esc->keyDec()));

        mode.lightMode = 6;  // reacts to key presses
        Q_EMIT page->lightsConfigTab()->sigSelectCurrentLightTypeIndex_KB(6, mode);
        QVERIFY(page->keyboardPicture()->selectedKeys().isEmpty());
        QVERIFY(page->customKeysTab()->isInteractiveCapture());
        mode.lightMode = 2;
        Q_EMIT page->lightsConfigTab()->sigSelectCurrentLightTypeIndex_KB(2, mode);
        QVERIFY(!page->customKeysTab()->isInteractiveCapture());
        // Outside the custom mode the rubber band selects nothing.
        page->onDragArea_SelectKeys(corner.x() - 2, corner.y() - 2, corner.x() + 2, corner.y() + 2);
        QVERIFY(page->keyboardPicture()->selectedKeys().isEmpty());
    }

    // Kept for a person to look at: the page on its performance tab.
    void screenshot()
    {
        DDataManager::getInstance()->setTheme(0);
        page->applyTheme();
        page->findChild<QToolButton *>("toolButton_Performance")->click();
        QCOMPARE(page->currentMainTabId(), 2);
        QCoreApplication::processEvents();
        QDir().mkpath(QCoreApplication::applicationDirPath() + "/screenshots");
        QVERIFY(page->grab().save(QCoreApplication::applicationDirPath() + "/screenshots/devicepage_performance.png"));
    }

private:
    static QByteArray storeBytes(const QByteArray &path)
    {
        QFile file(QFile::decodeName(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<EmuDevice> device;
    DDevicePage *page = nullptr;
    YesDialogs dialogs;
    QByteArray layer;
};

TAVRIX_TEST_MAIN(TestDevicePageProfiles)
#include "tst_devicepageprofiles.moc"
