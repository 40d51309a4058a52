#include "app/ddatamanager.h"
#include "devicepage/dperformancepage.h"
#include "support/storefixture.h"
#include "support/testmain.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {

// Stored Win-lock choices in the store's order: Alt+Tab, Alt+F4, Shift+Tab, Windows key.
QStringList storedWinLock(const QByteArray &layer)
{
    ProfileFunctionInfo info;
    for (char *field : {info.altTab, info.altF4, info.shiftTab, info.winKey})
        qstrcpy(field, "-");
    CTavrixXML_GetProFileFunctionInfo(layer, "1", &info);
    return {info.altTab, info.altF4, info.shiftTab, info.winKey};
}

}  // namespace

class TestPerformancePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        store.reset(new StoreFixture);
        layer = store->newLayerFile("appProfile_Default.xml");
        DDataManager *data = DDataManager::getInstance();
        data->setCurProductName("QR108");
        data->setMagneticKeyboard(false);
        data->setHidDeviceType(3);
        data->setProhibitSleep(0);
        page.reset(new DPerformancePage(nullptr));
        page->setProfilePath(layer);
        page->setProfileIndex(1);
        page->reloadSettings();
    }

    void winLockClickStoresAndSendsAll_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("stored");  // Alt+Tab, Alt+F4, Shift+Tab, Windows key
        QTest::addColumn<QList<int>>("sent");     // Windows key, Shift+Tab, Alt+Tab, Alt+F4
        QTest::newRow("windows key") << QStringList {"checkBox_disableWindowsKey"} << QStringList {"0", "0", "0", "1"}
                                     << QList<int> {1, 0, 0, 0};
        QTest::newRow("shift tab") << QStringList {"checkBox_disableSHIFT_TAB"} << QStringList {"0", "0", "1", "0"}
                                   << QList<int> {0, 1, 0, 0};
        QTest::newRow("alt tab") << QStringList {"checkBox_disableALT_TAB"} << QStringList {"1", "0", "0", "0"}
                                 << QList<int> {0, 0, 1, 0};
        QTest::newRow("alt f4") << QStringList {"checkBox_disableALT_F4"} << QStringList {"0", "1", "0", "0"}
                                << QList<int> {0, 0, 0, 1};
        QTest::newRow("two, then one off")
            << QStringList {"checkBox_disableALT_F4", "checkBox_disableWindowsKey", "checkBox_disableALT_F4"}
            << QStringList {"0", "0", "0", "1"} << QList<int> {1, 0, 0, 0};
    }

    void winLockClickStoresAndSendsAll()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, stored);
        QFETCH(QList<int>, sent);
        QSignalSpy spy(page.data(), &DPerformancePage::sigLockWinKeyAbout);
        for (const QString &name : clicks)
            page->findChild<QCheckBox *>(name)->click();
        QCOMPARE(spy.count(), clicks.size());
        const QList<QVariant> last = spy.last();
        QCOMPARE((QList<int> {last[0].toInt(), last[1].toInt(), last[2].toInt(), last[3].toInt()}), sent);
        QCOMPARE(storedWinLock(layer), stored);
    }

    void reloadShowsProfileWithoutStoring()
    {
        CTavrixXML_AddProFileFunctionInfo(layer, "1", "1", "0", "7", "0");
        CTavrixXML_SetProFileIntoSleepTimeInfo(layer, "1", 120, 15);
        const QByteArray before = StoreFixture::bytes(layer);
        QSignalSpy spy(page.data(), &DPerformancePage::sigLockWinKeyAbout);
        page->reloadSettings();
        QVERIFY(page->findChild<QCheckBox *>("checkBox_disableALT_TAB")->isChecked());
        QVERIFY(!page->findChild<QCheckBox *>("checkBox_disableALT_F4")->isChecked());
        QVERIFY(page->findChild<QCheckBox *>("checkBox_disableSHIFT_TAB")->isChecked());  // any non-zero value
        QVERIFY(!page->findChild<QCheckBox *>("checkBox_disableWindowsKey")->isChecked());
        QCOMPARE(edit("lineEdit_LightSleep")->text(), QString("120"));
        QCOMPARE(edit("lineEdit_KeyboardSleep")->text(), QString("15"));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(StoreFixture::bytes(layer), before);
    }

    void profileWithoutSettingsShowsDefaults()
    {
        for (QCheckBox *box : page->findChildren<QCheckBox *>())
            QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
        QCOMPARE(edit("lineEdit_LightSleep")->text(), QString("600"));
        QCOMPARE(edit("lineEdit_KeyboardSleep")->text(), QString("30"));
    }

    void winLockThatCannotBeStoredIsNotSent()
    {
        page->setProfileIndex(7);  // no such profile
        QSignalSpy sent(page.data(), &DPerformancePage::sigLockWinKeyAbout);
        QSignalSpy notices(page.data(), &DPerformancePage::sigSomeMessageTip_PerformancePage);
        page->findChild<QCheckBox *>("checkBox_disableALT_TAB")->click();
        QCOMPARE(sent.count(), 0);
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices[0][0].toString(), QString("Saving the Win lock choices failed"));
        QVERIFY(!page->findChild<QCheckBox *>("checkBox_disableALT_TAB")->isChecked());
    }

    void submitReportsSeconds_data()
    {
        QTest::addColumn<QString>("light");
        QTest::addColumn<QString>("keyboard");
        QTest::addColumn<bool>("prohibit");
        QTest::addColumn<QList<int>>("sent");
        QTest::newRow("minutes become seconds") << "600"
                                                << "5" << false << QList<int> {600, 300, 0};
        QTest::newRow("too short still submitted") << "0"
                                                   << "3" << false << QList<int> {0, 180, 0};
        QTest::newRow("empty edits count as 0") << ""
                                                << "" << false << QList<int> {0, 0, 0};
        QTest::newRow("maxima") << "60000"
                                << "1000" << true << QList<int> {60000, 60000, 1};
    }

    void submitReportsSeconds()
    {
        QFETCH(QString, light);
        QFETCH(QString, keyboard);
        QFETCH(bool, prohibit);
        QFETCH(QList<int>, sent);
        edit("lineEdit_LightSleep")->setText(light);
        edit("lineEdit_KeyboardSleep")->setText(keyboard);
        page->findChild<QCheckBox *>("checkBox_ProhibitSleep")->setChecked(prohibit);
        QSignalSpy spy(page.data(), &DPerformancePage::sigLightAndKeyboardSleepTime);
        page->findChild<QPushButton *>("pushButton_SubmitSleepTime")->click();
        QCOMPARE(spy.count(), 1);
        QCOMPARE((QList<int> {spy[0][0].toInt(), spy[0][1].toInt(), spy[0][2].toInt()}), sent);
    }

    void validatorsBoundTheEdits()
    {
        edit("lineEdit_LightSleep")->clear();
        QTest::keyClicks(edit("lineEdit_LightSleep"), "600001");
        QCOMPARE(edit("lineEdit_LightSleep")->text(), QString("60000"));
        edit("lineEdit_KeyboardSleep")->clear();
        QTest::keyClicks(edit("lineEdit_KeyboardSleep"), "10001");
        QCOMPARE(edit("lineEdit_KeyboardSleep")->text(), QString("1000"));
    }

    // Shown with the FN layer, the page shows and stores the Default layer's settings.
    void fnLayerShowsTheKeyboardsSettings()
    {
        QVERIFY(CTavrixXML_AddProFileFunctionInfo(layer, "1", "1", "0", "0", "0"));
        QVERIFY(CTavrixXML_SetProFileIntoSleepTimeInfo(layer, "1", 120, 15));
        const QByteArray fnLayer = store->newLayerFile("appProfile_FN.xml");
        page->setProfilePath(fnLayer);
        page->reloadSettings();
        QVERIFY(page->findChild<QCheckBox *>("checkBox_disableALT_TAB")->isChecked());
        QCOMPARE(edit("lineEdit_LightSleep")->text(), QString("120"));
        QCOMPARE(edit("lineEdit_KeyboardSleep")->text(), QString("15"));

        page->findChild<QCheckBox *>("checkBox_disableWindowsKey")->click();
        QCOMPARE(storedWinLock(layer), (QStringList {"1", "0", "0", "1"}));
        QVERIFY(storedWinLock(fnLayer).last() != "1");
    }

    void prohibitSleepOnlyForItsModel()
    {
        DDataManager *data = DDataManager::getInstance();
        data->setProhibitSleep(1);
        page->reloadSettings();
        QVERIFY(!page->findChild<QFrame *>("frame_ProhibitSleep")->isVisibleTo(page.data()));
        QVERIFY(!edit("lineEdit_KeyboardSleep")->isReadOnly());

        data->setCurProductName("QB84");
        page->reloadSettings();
        QCheckBox *box = page->findChild<QCheckBox *>("checkBox_ProhibitSleep");
        QVERIFY(page->findChild<QFrame *>("frame_ProhibitSleep")->isVisibleTo(page.data()));
        QVERIFY(box->isChecked());
        QVERIFY(edit("lineEdit_KeyboardSleep")->isReadOnly());

        QSignalSpy spy(page.data(), &DPerformancePage::sigLightAndKeyboardSleepTime);
        box->click();
        QVERIFY(!edit("lineEdit_KeyboardSleep")->isReadOnly());
        QCOMPARE(spy.count(), 0);
    }

    void sleepColumnHiddenWithoutSleepTimes_data()
    {
        QTest::addColumn<bool>("magnetic");
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<bool>("shown");
        QTest::newRow("plain keyboard") << false << 3 << true;
        QTest::newRow("magnetic keyboard") << true << 4 << false;
        QTest::newRow("device type 5") << false << 5 << false;
    }

    void sleepColumnHiddenWithoutSleepTimes()
    {
        QFETCH(bool, magnetic);
        QFETCH(int, deviceType);
        QFETCH(bool, shown);
        DDataManager::getInstance()->setMagneticKeyboard(magnetic);
        DDataManager::getInstance()->setHidDeviceType(deviceType);
        page->reloadSettings();
        QCOMPARE(page->findChild<QFrame *>("frame_Center")->isVisibleTo(page.data()), shown);
        QVERIFY(page->findChild<QFrame *>("frame_Left")->isVisibleTo(page.data()));
        QVERIFY(page->findChild<QFrame *>("frame_Right")->isVisibleTo(page.data()));
    }

    void languageChangeKeepsStoredValues()
    {
        CTavrixXML_SetProFileIntoSleepTimeInfo(layer, "1", 42, 9);
        page->retranslateTexts();
        QCOMPARE(edit("lineEdit_LightSleep")->text(), QString("42"));
        QCOMPARE(edit("lineEdit_KeyboardSleep")->text(), QString("9"));
        QCOMPARE(page->findChild<QPushButton *>("pushButton_Restore")->text(), QString("Reset current profile"));
    }

    void resetButtonOnlyAsks()
    {
        QSignalSpy spy(page.data(), &DPerformancePage::sigRestoreCurrentProfile);
        const QByteArray before = StoreFixture::bytes(layer);
        page->findChild<QPushButton *>("pushButton_Restore")->click();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(StoreFixture::bytes(layer), before);
    }

    // The desktop's keyboard settings: the first program found on PATH is started.
    void keyboardSettingsButton()
    {
        QTemporaryDir bin;
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        QSignalSpy notices(page.data(), &DPerformancePage::sigSomeMessageTip_PerformancePage);
        QPushButton *button = page->findChild<QPushButton *>("pushButton_keyboardProperties");
        button->click();
        QCOMPARE(notices.count(), 1);
        QCOMPARE(notices[0][0].toString(), QString("The desktop's keyboard settings could not be opened"));

        const QString marker = bin.filePath("started");
        QFile script(bin.filePath("xfce4-keyboard-settings"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\n").arg(marker).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        button->click();
        QTRY_VERIFY(QFile::exists(marker));
        QCOMPARE(notices.count(), 1);
        qputenv("PATH", oldPath);
    }

    // Kept for a person to look at: the tab as the device page shows it.
    void screenshot()
    {
        DDataManager *data = DDataManager::getInstance();
        data->setTheme(0);
        CTavrixXML_AddProFileFunctionInfo(layer, "1", "1", "0", "0", "1");
        data->setCurProductName("QB84");
        QWidget host;
        host.setObjectName("host");
        host.setStyleSheet(QStringLiteral("QWidget#host{background-color:rgb(%1);}")
                               .arg(data->getThemeColorInfo().DeviceRightBgColor));
        host.setAttribute(Qt::WA_StyledBackground);
        auto *layout = new QHBoxLayout(&host);
        page->setParent(&host);
        layout->addWidget(page.data());
        page->applyTheme();
        page->reloadSettings();
        host.resize(1096, 260);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QDir().mkpath(QCoreApplication::applicationDirPath() + "/screenshots");
        QVERIFY(host.grab().save(QCoreApplication::applicationDirPath() + "/screenshots/performancepage.png"));
        page->setParent(nullptr);
    }

private:
    QLineEdit *edit(const char *name) { return page->findChild<QLineEdit *>(name); }

    QScopedPointer<StoreFixture> store;
    QByteArray layer;
    QScopedPointer<DPerformancePage> page;
};

TAVRIX_TEST_MAIN(TestPerformancePage)
#include "tst_performancepage.moc"
