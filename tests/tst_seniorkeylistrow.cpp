// One row of the advanced-key list: what each kind of key shows, and its two signals.
#include "advancedkeys/dseniorkeyeventlistitem.h"
#include "advancedkeys/seniorkeys.h"
#include "support/testmain.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

namespace {

const QMap<int, QString> kNames {{4, "A"}, {5, "B"}, {225, "L_Shift"}};

SeniorKeyInfo record(int type, const QList<QByteArray> &keys, int tglSet = 0)
{
    SeniorKeyInfo info = SeniorKeys::newRecord(3, type);
    for (int slot = 0; slot < keys.size(); ++slot)
        SeniorKeys::setKeyString(info, slot, keys[slot]);
    info.tglKeySet = tglSet;
    return info;
}

}  // namespace

class TestSeniorKeyListRow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsItsKey_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<QByteArray>>("keys");
        QTest::addColumn<int>("tglSet");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("shown");  // texts of the visible key labels
        QTest::newRow("DKS") << int(SeniorKeyType_DKS) << QList<QByteArray> {"4", "5,4", "", "0,5"} << 0 << "DKS3"
                             << QStringList {"A", "L_CTRL+L_ALT+A", "", "B"};
        QTest::newRow("MT without click key")
            << int(SeniorKeyType_MT) << QList<QByteArray> {"225", ""} << 0 << "MT3" << QStringList {"L_Shift", ""};
        QTest::newRow("TGL without key") << int(SeniorKeyType_TGL) << QList<QByteArray> {"4"} << 0 << "TGL3"
                                         << QStringList {""};
        QTest::newRow("TGL with key") << int(SeniorKeyType_TGL) << QList<QByteArray> {"4"} << 1 << "TGL3"
                                      << QStringList {"A"};
        QTest::newRow("unknown code") << int(SeniorKeyType_TGL) << QList<QByteArray> {"250"} << 1 << "TGL3"
                                      << QStringList {""};
    }
    void showsItsKey()
    {
        QFETCH(int, type);
        QFETCH(QList<QByteArray>, keys);
        QFETCH(int, tglSet);
        QFETCH(QString, name);
        QFETCH(QStringList, shown);
        DSeniorKeyEventListItem row;
        row.setAllKeysMap(kNames);
        // A row shown before keeps nothing of the earlier record.
        row.setInfo(record(SeniorKeyType_DKS, {"4", "4", "4", "4"}));
        row.setInfo(record(type, keys, tglSet));
        QCOMPARE(row.findChild<QLabel *>("label_Type")->text(), name);
        QStringList visible;
        for (int i = 1; i <= 4; ++i) {
            auto *label = row.findChild<QLabel *>(QString("label_SeniorKey0%1").arg(i));
            if (label->isVisibleTo(&row))
                visible << label->text();
        }
        QCOMPARE(visible, shown);
        QCOMPARE(row.height(), 45);
    }

    void rowSignals()
    {
        DSeniorKeyEventListItem row;
        row.setInfo(record(SeniorKeyType_MT, {}));
        row.show();
        QSignalSpy clicked(&row, &DSeniorKeyEventListItem::sigSeniorKeyEventItemClick);
        QSignalSpy deleted(&row, &DSeniorKeyEventListItem::sigDeleteSeniorKeyEventItem);
        QTest::mouseClick(row.findChild<QPushButton *>("pushButton_DeleteEvent"), Qt::LeftButton);
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(deleted[0], (QList<QVariant> {int(SeniorKeyType_MT), 3}));
        QCOMPARE(clicked.count(), 0);  // the delete button is not a row click
        QTest::mouseClick(&row, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked[0][0].toInt(), 3);
    }
};

TAVRIX_TEST_MAIN(TestSeniorKeyListRow)
#include "tst_seniorkeylistrow.moc"
