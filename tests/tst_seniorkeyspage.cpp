// The advanced-keys editor with a real advanced-key file: creating, selecting and deleting
// advanced keys, the limit, the change notice on closing, and filling the key slots.
#include "advancedkeys/dallkeysitemkey.h"
#include "advancedkeys/dallkeysshowpage.h"
#include "advancedkeys/ddksshowwidget.h"
#include "advancedkeys/dseniorkeyeventlistitem.h"
#include "advancedkeys/dseniorkeyspage.h"
#include "advancedkeys/dstrokeconfigview.h"
#include "advancedkeys/seniorkeys.h"
#include "app/ddatamanager.h"
#include "sdk/xmlstore/storefiles.h"
#include "support/storefixture.h"
#include "support/testmain.h"
#include "widgets/cbnotice.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStackedWidget>
#include <QToolButton>

#include <memory>

namespace {

constexpr int kA = 4, kF1 = 58, kLCtrl = 224, kLShift = 225, kLAlt = 226, kRCtrl = 228;

}  // namespace

class TestSeniorKeysPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        xmlstore::clearStoreCache();
        fx.reset(new StoreFixture);
        file = fx->path("SeniorKeyConfig.xml");
        QVERIFY(CTavrixXML_SeniorKey_CreateXMLFile(file));
        DDataManager::getInstance()->setSeniorKeyXmlPath(file);
    }

    void cleanup() { delete page.data(); }

    void emptyFileThenCreate()
    {
        open();
        QCOMPARE(stacked("stackedWidget_Left"), QString("page_EmptyTipAll"));
        QCOMPARE(label("label_EventTotalNum"), QString("0/40"));
        click("pushButton_NewCreate");
        QCOMPARE(page->notice()->text(), QString("Create senior keys successful"));
        QCOMPARE(stored(), (QList<int> {1}));
        QVERIFY(page->hasSelection());
        QCOMPARE(QByteArray(page->currentRecord().name), QByteArray("DKS1"));
        QCOMPARE(stacked("stackedWidget_Left"), QString("page_SeniorKesOperate"));
        QCOMPARE(stacked("stackedWidget_2"), QString("page_DKS"));
        QCOMPARE(label("label_Stroke02"), QString("3.6mm"));
        QVERIFY(label("label_Stroke01").contains(">1.5mm</span>"));
        QCOMPARE(label("label_EventTotalNum"), QString("1/40"));
        QCOMPARE(page->findChild<QToolButton *>("toolButton_SeniorKey01")->text(), QString());
    }

    void createdKeyOpensInTheEditor_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("slot");
        QTest::newRow("DKS") << "radioButton_DKS" << QByteArray("DKS3") << "page_DKS"
                             << "toolButton_SeniorKey01";
        QTest::newRow("MT") << "radioButton_MT" << QByteArray("MT3") << "page_MT"
                            << "toolButton_HoldKey";
        QTest::newRow("TGL") << "radioButton_TGL" << QByteArray("TGL3") << "page_TGL"
                             << "toolButton_TglKey";
    }

    // The item just created is the one shown for editing, whatever was selected before.
    void createdKeyOpensInTheEditor()
    {
        QFETCH(QString, type);
        QFETCH(QByteArray, name);
        QFETCH(QString, editor);
        QFETCH(QString, slot);
        add(SeniorKeyType_DKS);
        add(SeniorKeyType_MT);
        open();
        QCOMPARE(page->currentRecord().bindingIndex, 1);
        page->findChild<QRadioButton *>(type)->click();
        click("pushButton_NewCreate");
        QCOMPARE(stored(), (QList<int> {1, 2, 3}));
        QCOMPARE(QByteArray(page->currentRecord().name), name);
        QCOMPARE(page->currentRecord().bindingIndex, 3);
        QCOMPARE(stacked("stackedWidget_2"), editor);
        QVERIFY(page->findChild<QToolButton *>(slot)->isChecked());
        QCOMPARE(page->selectedRow(), page->row(3));
    }

    void limitOfForty()
    {
        for (int i = 0; i < 40; ++i)
            add(SeniorKeyType_TGL);
        open();
        click("pushButton_NewCreate");
        QCOMPARE(page->notice()->text(), QString("The number of senior keys has reached the maximum"));
        QCOMPARE(stored().size(), 40);
        QCOMPARE(label("label_EventTotalNum"), QString("40/40"));
    }

    void deleteReloadsAndSelectsTheLowest()
    {
        add(SeniorKeyType_DKS);
        add(SeniorKeyType_TGL);
        open();
        page->row(2)->findChild<QPushButton *>("pushButton_DeleteEvent")->click();
        QCOMPARE(page->notice()->text(), QString("Delete senior keys successful"));
        QCOMPARE(stored(), (QList<int> {1}));
        page->row(1)->findChild<QPushButton *>("pushButton_DeleteEvent")->click();
        QCOMPARE(stored(), QList<int>());
        QCOMPARE(stacked("stackedWidget_Left"), QString("page_EmptyTipAll"));
        QVERIFY(!page->hasSelection());
    }

    void closingTellsOnlyCreatesAndDeletes_data()
    {
        QTest::addColumn<bool>("create");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("notices");
        QTest::newRow("edits only, close button") << false << false << 0;
        QTest::newRow("created, close button") << true << false << 1;
        QTest::newRow("created, Escape") << true << true << 1;
    }
    void closingTellsOnlyCreatesAndDeletes()
    {
        QFETCH(bool, create);
        QFETCH(bool, escape);
        QFETCH(int, notices);
        add(SeniorKeyType_DKS);
        open();
        QSignalSpy changed(DDataManager::getInstance(), &DDataManager::sigSeniorKeysListItemHaveChanged);
        QSignalSpy closed(page.data(), &DSeniorKeysPage::sigSeniorKeysPageClose);
        pick(kA);  // an edit of an existing record
        if (create)
            click("pushButton_NewCreate");
        if (escape)
            QTest::keyClick(page.data(), Qt::Key_Escape);
        else
            click("pushButton_Close");
        QCOMPARE(closed.count(), 1);
        QCOMPARE(changed.count(), notices);
        QTRY_VERIFY(page.isNull());  // deletes itself
    }

    void singleKeysAndCombinations_data()
    {
        QTest::addColumn<bool>("combination");
        QTest::addColumn<QList<int>>("picks");
        QTest::addColumn<QByteArray>("k2");
        QTest::addColumn<QString>("shown");
        QTest::newRow("single A") << false << QList<int> {kA} << QByteArray("4") << "A";
        QTest::newRow("modifier as single key") << false << QList<int> {kLShift} << QByteArray("225") << "L_Shift";
        QTest::newRow("two modifiers") << true << QList<int> {kLCtrl, kLShift, kA} << QByteArray("3,4")
                                       << "L_CTRL+L_SHIFT+A";
        QTest::newRow("alt with F1") << true << QList<int> {kLAlt, kF1} << QByteArray("4,58") << "L_ALT+F1";
        QTest::newRow("plain key first ignored")
            << true << QList<int> {kA, kLCtrl, kA} << QByteArray("1,4") << "L_CTRL+A";
        QTest::newRow("modifier twice counts once")
            << true << QList<int> {kLCtrl, kLCtrl, kA} << QByteArray("1,4") << "L_CTRL+A";
        QTest::newRow("third modifier ignored")
            << true << QList<int> {kLCtrl, kLShift, kRCtrl, kA} << QByteArray("3,4") << "L_CTRL+L_SHIFT+A";
    }
    void singleKeysAndCombinations()
    {
        QFETCH(bool, combination);
        QFETCH(QList<int>, picks);
        QFETCH(QByteArray, k2);
        QFETCH(QString, shown);
        add(SeniorKeyType_DKS);
        open();
        if (combination)
            page->findChild<QRadioButton *>("radioButton_CombinationKeys")->click();
        page->findChild<QToolButton *>("toolButton_SeniorKey02")->click();
        for (int code : picks)
            pick(code);
        QCOMPARE(page->findChild<QToolButton *>("toolButton_SeniorKey02")->text(), shown);
        QCOMPARE(SeniorKeys::keyString(storedRecord(1), 1), k2);
        QCOMPARE(SeniorKeys::keyString(page->grid()->getStuInfo(), 1), k2);
        QCOMPARE(SeniorKeys::keyString(storedRecord(1), 0), QByteArray());
    }

    void toggleKeyAndRightClicks()
    {
        add(SeniorKeyType_TGL);
        open();
        pick(kA);
        QCOMPARE(storedRecord(1).tglKeySet, 1);
        auto *tgl = page->findChild<QToolButton *>("toolButton_TglKey");
        QCOMPARE(tgl->text(), QString("A"));
        rightClick(tgl);
        QCOMPARE(storedRecord(1).tglKeySet, 0);
        QCOMPARE(SeniorKeys::keyString(storedRecord(1), 0), QByteArray());
        QCOMPARE(tgl->text(), QString());
        QCOMPARE(page->row(1)->findChild<QLabel *>("label_SeniorKey01")->text(), QString());
    }

    void modTapKeysAndHoldTime()
    {
        add(SeniorKeyType_MT);
        open();
        QCOMPARE(stacked("stackedWidget_2"), QString("page_MT"));
        pick(kA);
        page->findChild<QToolButton *>("toolButton_ClickKey")->click();
        pick(kF1);
        QCOMPARE(SeniorKeys::keyString(storedRecord(1), 1), QByteArray("58"));
        rightClick(page->findChild<QToolButton *>("toolButton_ClickKey"));
        QCOMPARE(SeniorKeys::keyString(storedRecord(1), 1), QByteArray());
        QCOMPARE(SeniorKeys::keyString(storedRecord(1), 0), QByteArray("4"));

        auto *slider = page->findChild<QSlider *>("horizontalSlider_HoldDuration");
        slider->setValue(35);
        QCOMPARE(label("label_HoldDuration"), QString("350ms"));
        QCOMPARE(storedRecord(1).ValueTime, 10);  // moving alone stores nothing
        Q_EMIT slider->sliderReleased();
        QCOMPARE(storedRecord(1).ValueTime, 350);
    }

    // Keys on the focused hold-time slider: Return stores what the arrows chose, Escape
    // takes it back; neither closes the editor.
    void sliderKeysEndTheSliderOnly_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Return") << int(Qt::Key_Return) << 40 << "40ms";
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 10 << "10ms";
    }

    void sliderKeysEndTheSliderOnly()
    {
        QFETCH(int, key);
        add(SeniorKeyType_MT);
        open();
        QPointer<DSeniorKeysPage> guard(page.data());
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.data()));
        auto *slider = page->findChild<QSlider *>("horizontalSlider_HoldDuration");
        slider->setFocus();
        QTRY_VERIFY(slider->hasFocus());
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(label("label_HoldDuration"), QString("40ms"));
        QTest::keyClick(slider, Qt::Key(key));
        QVERIFY(!guard.isNull() && page->isVisible());
        QTEST(storedRecord(1).ValueTime, "stored");
        QTEST(label("label_HoldDuration"), "shown");
    }

    void gridEditsAreStored()
    {
        add(SeniorKeyType_DKS);
        open();
        SeniorKeyInfo edited = page->grid()->getStuInfo();
        edited.dksActions[5] = DksAction_Tap;
        page->grid()->setStuInfo(edited);
        Q_EMIT page->grid()->sigTheSeniorKeyInfoStuNeedUpdate_DKS();
        QCOMPARE(storedRecord(1).dksActions[5], int(DksAction_Tap));

        // Kept for a person to look at, once the themed scroll bars have come.
        QTRY_VERIFY(!page->findChild<QWidget *>("widget_5")->styleSheet().isEmpty());
        QDir().mkpath(QCoreApplication::applicationDirPath() + "/screenshots");
        QVERIFY(page->grab().save(QCoreApplication::applicationDirPath() + "/screenshots/seniorkeys_editor.png"));
    }

    void triggerPointsThroughTheLink()
    {
        add(SeniorKeyType_DKS);
        open();
        Q_EMIT page->findChild<QLabel *>("label_Stroke04")->linkActivated("Company|1.5mm|");
        auto *view = page->findChild<DStrokeConfigView *>();
        QVERIFY(view && view->isVisible());
        QWidget *layer = page->findChild<QWidget *>("widget");
        QVERIFY(layer && layer->isVisible());
        auto *slider = view->findChild<QSlider *>("horizontalSlider_StrokeView");
        slider->setValue(22);
        Q_EMIT slider->sliderReleased();
        QCOMPARE(page->currentRecord().strokes[0], 22);
        QCOMPARE(page->grid()->getStuInfo().strokes[3], 22);
        QVERIFY(label("label_Stroke01").contains(">2.2mm</span>"));
        QVERIFY(label("label_Stroke04").contains(">2.2mm</span>"));
        QCOMPARE(storedRecord(1).strokes[3], 22);
        view->findChild<QPushButton *>("pushButton_Close")->click();
        QVERIFY(!layer->isVisible());
    }

    // A damaged file is named, not shown as an empty "0/40" with a Create that
    // fails silently; moved aside on request, a new file starts.
    void damagedFileIsNamed()
    {
        const QByteArray damaged = "<tavrixStore version=\"1\"><seniorKey id=\"1\"";
        StoreFixture::write(file, damaged);
        StoreFileQuestion::reset();
        int asked = 0;
        StoreFileQuestion::setAsker([&asked](QWidget *, const QString &) {
            return ++asked == 1 ? StoreFileQuestion::Keep : StoreFileQuestion::MoveAside;
        });
        open();
        QCOMPARE(asked, 1);
        click("pushButton_NewCreate");
        QVERIFY2(page->notice()->text().contains(QFile::decodeName(file)), qPrintable(page->notice()->text()));
        QCOMPARE(StoreFixture::bytes(file), damaged);
        delete page.data();

        StoreFileQuestion::reset();
        open();
        QCOMPARE(asked, 2);
        QCOMPARE(QDir(QFileInfo(QFile::decodeName(file)).path()).entryList({"SeniorKeyConfig.xml.damaged-*"}).size(),
                 1);
        click("pushButton_NewCreate");
        QCOMPARE(page->notice()->text(), QObject::tr("Create senior keys successful"));
        QCOMPARE(stored().size(), 1);
        StoreFileQuestion::setAsker([](QWidget *, const QString &) { return StoreFileQuestion::Keep; });
    }

    void helpPopupFollowsThePointer()
    {
        open();
        auto *button = page->findChild<QToolButton *>("toolButton_ExplainInfo");
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(button, &enter);
        QVERIFY(page->explainPopup() && page->explainPopup()->isVisible());
        QCOMPARE(page->explainPopup()->size(), QSize(390, 290));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
        QVERIFY(!page->explainPopup()->isVisible());
    }

private:
    void add(int type)
    {
        const SeniorKeyInfo info = SeniorKeys::newRecord(SeniorKeys::nextBindingIndex(stored()), type);
        QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(file, type, info));
    }
    QList<int> stored()
    {
        QList<SeniorKeyInfo> items;
        CTavrixXML_SeniorKey_SelectAllInfoItem(file, items);
        QList<int> ids;
        for (const SeniorKeyInfo &info : qAsConst(items))
            ids << info.bindingIndex;
        return ids;
    }
    SeniorKeyInfo storedRecord(int id)
    {
        QList<SeniorKeyInfo> items;
        CTavrixXML_SeniorKey_SelectAllInfoItem(file, items);
        for (const SeniorKeyInfo &info : qAsConst(items)) {
            if (info.bindingIndex == id)
                return info;
        }
        return SeniorKeyInfo();
    }
    void open()
    {
        page = new DSeniorKeysPage;
        page->show();
        QTRY_VERIFY(page->picker());  // the deferred load
    }
    void click(const char *name) { page->findChild<QPushButton *>(name)->click(); }
    QString label(const char *name) { return page->findChild<QLabel *>(name)->text(); }
    QString stacked(const char *name) { return page->findChild<QStackedWidget *>(name)->currentWidget()->objectName(); }
    void pick(int code)
    {
        for (DAllKeysItemKey *key : page->picker()->findChildren<DAllKeysItemKey *>()) {
            if (key->keyDec() == code) {
                key->click();
                return;
            }
        }
        QFAIL("no such key in the picker");
    }
    void rightClick(QToolButton *button)
    {
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(button, &enter);
        QTest::mouseClick(button, Qt::RightButton);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
    }

    std::unique_ptr<StoreFixture> fx;
    QByteArray file;
    QPointer<DSeniorKeysPage> page;
};

TAVRIX_TEST_MAIN(TestSeniorKeysPage)
#include "tst_seniorkeyspage.moc"
