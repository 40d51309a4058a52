// The trigger-point pop-up of dynamic-keystroke keys (depth stored on release) and the help
// pop-up of the advanced-keys editor.
#include "advancedkeys/dseniorkeysrecordexplaindia.h"
#include "advancedkeys/dstrokeconfigview.h"
#include "advancedkeys/seniorkeys.h"
#include "app/ddatamanager.h"
#include "sdk/xmlstore/storefiles.h"
#include "support/storefixture.h"
#include "support/testmain.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStackedWidget>

class TestDksPopups : public QObject
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
        record = SeniorKeys::newRecord(1, SeniorKeyType_DKS);
        record.strokes[3] = 20;  // the release end may differ until the first release
        QVERIFY(CTavrixXML_SeniorKey_AddInfoItem(file, SeniorKeyType_DKS, record));
    }

    void releaseStoresPressAndReleaseEnd()
    {
        QPointer<DStrokeConfigView> view = new DStrokeConfigView;
        view->setStuInfo(record);
        auto *slider = view->findChild<QSlider *>("horizontalSlider_StrokeView");
        auto *label = view->findChild<QLabel *>("label_StrokeView");
        QCOMPARE(slider->value(), 15);
        QCOMPARE(label->text(), QString("1.5mm"));
        QSignalSpy stored(view.data(), &DStrokeConfigView::sigTheDKSStrokeStuChanged);

        slider->setValue(0);
        QCOMPARE(label->text(), QString("0.1mm"));
        slider->setValue(99);
        QCOMPARE(label->text(), QString("3.6mm"));
        QCOMPARE(stored.count(), 0);  // moving alone stores nothing
        slider->setValue(22);
        Q_EMIT slider->sliderReleased();
        QCOMPARE(stored.count(), 1);
        QList<SeniorKeyInfo> items;
        QVERIFY(CTavrixXML_SeniorKey_SelectAllInfoItem(file, items));
        QCOMPARE((QList<int> {items[0].strokes[0], items[0].strokes[1], items[0].strokes[2], items[0].strokes[3]}),
                 (QList<int> {22, 36, 36, 22}));
        QCOMPARE(view->getStuInfo().strokes[3], 22);

        // Releasing without a move writes again.
        Q_EMIT slider->sliderReleased();
        QCOMPARE(stored.count(), 2);

        QSignalSpy closed(view.data(), &DStrokeConfigView::sigTheStrokeConfigViewClose);
        view->show();
        view->findChild<QPushButton *>("pushButton_Close")->click();
        QCOMPARE(closed.count(), 1);
        QTRY_VERIFY(view.isNull());  // deletes itself on close

        // Closed otherwise (the window manager, Escape), it tells its editor just the same,
        // which takes away the layer dimming the editor.
        QPointer<DStrokeConfigView> other = new DStrokeConfigView;
        QSignalSpy closedOtherwise(other.data(), &DStrokeConfigView::sigTheStrokeConfigViewClose);
        other->show();
        other->close();
        QCOMPARE(closedOtherwise.count(), 1);
        QTRY_VERIFY(other.isNull());
    }

    void failedStoreIsSilent()
    {
        DStrokeConfigView view;
        SeniorKeyInfo missing = SeniorKeys::newRecord(9, SeniorKeyType_DKS);
        view.setStuInfo(missing);
        QSignalSpy stored(&view, &DStrokeConfigView::sigTheDKSStrokeStuChanged);
        auto *slider = view.findChild<QSlider *>("horizontalSlider_StrokeView");
        slider->setValue(30);
        Q_EMIT slider->sliderReleased();
        QCOMPARE(stored.count(), 0);
        QCOMPARE(view.getStuInfo().strokes[0], 30);  // the pop-up keeps the depth for the next try
    }

    void explanationPages_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("current");
        QTest::addColumn<int>("lines");
        QTest::newRow("page 1") << 1 << "page_Explain01" << 2;
        QTest::newRow("page 3") << 3 << "page_Explain03" << 0;
        QTest::newRow("other") << 7 << "page_Explain01" << 0;
    }
    void explanationPages()
    {
        QFETCH(int, page);
        QFETCH(QString, current);
        QFETCH(int, lines);
        DSeniorKeysRecordExplainDia explain(page);
        QCOMPARE(explain.findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName(), current);
        const QString text = explain.findChild<QLabel *>("label_KeyRecordExplain")->text();
        if (lines == 2) {
            const QStringList parts = text.split('\n');
            QCOMPARE(parts.size(), 2);
            QVERIFY(parts[0].startsWith("When \"Single Key\" is selected"));
            QVERIFY(parts[1].endsWith("L_Shift+L_Ctrl+A;"));
        } else {
            QVERIFY(text.contains(" \n"));  // the form's own text, untouched
        }
    }

private:
    std::unique_ptr<StoreFixture> fx;
    QByteArray file;
    SeniorKeyInfo record;
};

TAVRIX_TEST_MAIN(TestDksPopups)
#include "tst_dkspopups.moc"
