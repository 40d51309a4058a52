// Renders the shared widgets offscreen and saves the pictures under the build
// folder (tests/screenshots), so a person can look at them, and checks a few
// pixels that tell the shape is right.

#include "support/testmain.h"
#include "widgets/arrowwidget.h"
#include "widgets/batteryitem.h"
#include "widgets/cbnotice.h"
#include "widgets/dcustomeventtipexplain.h"
#include "widgets/dtooltipexplain.h"

#include <QDir>
#include <QHBoxLayout>

namespace {

QString screenshotDir()
{
    const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
    QDir().mkpath(dir);
    return dir;
}

bool save(const QImage &image, const QString &name)
{
    return image.save(screenshotDir() + "/" + name);
}

}  // namespace

class TestWidgetScreenshots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toast();
    void arrowPopups();
    void batteryGauges();
};

void TestWidgetScreenshots::toast()
{
    QWidget owner;
    owner.setFixedSize(420, 200);
    owner.setStyleSheet("background: rgb(30, 31, 50);");
    owner.setAttribute(Qt::WA_StyledBackground);
    auto *notice = new CbNotice(&owner);
    notice->setTextPixelSize(14);
    notice->setBackgroundColor(QColor(46, 47, 80, 200));
    notice->setTextColor(QColor(255, 143, 31, 255));
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    notice->showMessageAt("Set config success", QPoint(210, 40));
    const QImage image = owner.grab().toImage();
    QVERIFY(save(image, "toast.png"));

    const QRect box = notice->geometry();
    QCOMPARE(box.height(), 40);
    // Pill-shaped: the corner of the box shows the owner, its middle the box colour.
    QCOMPARE(image.pixelColor(box.topLeft()), QColor(30, 31, 50));
    const QColor middle = image.pixelColor(box.left() + 8, box.center().y());
    QVERIFY(middle != QColor(30, 31, 50));
}

void TestWidgetScreenshots::arrowPopups()
{
    ArrowWidget keyTipPopup(ArrowWidget::ArrowBottom);
    keyTipPopup.setFixedSize(260, 120);
    keyTipPopup.setArrowPosX(123);
    keyTipPopup.setBackgroundColor(46, 47, 80);
    auto *keyTip = new DCustomEventTipExplain(&keyTipPopup);
    keyTip->setInfo({"Fn", "Key Combination", "L_CTRL+L_SHIFT+L_ALT+L_WIN+R_CTRL+R_SHIFT+R_ALT+A", true});
    keyTipPopup.setCenterWidget(keyTip);
    keyTipPopup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keyTipPopup));
    const QImage keyImage = keyTipPopup.grab().toImage();
    QVERIFY(save(keyImage, "arrow_keytip_bottom.png"));
    QCOMPARE(keyImage.pixelColor(130, 110).rgb(), QColor(46, 47, 80).rgb());  // arrow below the body
    QCOMPARE(keyImage.pixelColor(60, 110).alpha() < 255, true);               // shadow band beside it

    ArrowWidget tipPopup(ArrowWidget::ArrowTop);
    tipPopup.setFixedSize(230, 80);
    tipPopup.setArrowPosX(30);
    tipPopup.setBackgroundColor(46, 47, 80);
    auto *tip = new DToolTipExplain(&tipPopup);
    tip->setText("Trigger point 1.5 mm");
    tipPopup.setCenterWidget(tip);
    tipPopup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tipPopup));
    const QImage tipImage = tipPopup.grab().toImage();
    QVERIFY(save(tipImage, "arrow_tooltip_top.png"));
    QCOMPARE(tipImage.pixelColor(37, 20).rgb(), QColor(46, 47, 80).rgb());  // arrow above the body
}

void TestWidgetScreenshots::batteryGauges()
{
    QWidget panel;
    panel.setStyleSheet("background: rgb(30, 31, 50);");
    panel.setAttribute(Qt::WA_StyledBackground);
    auto *row = new QHBoxLayout(&panel);
    row->setContentsMargins(6, 6, 6, 6);
    row->setSpacing(8);
    QList<BatteryItem *> gauges;
    for (int percent : {10, 25, 40, 80, 100, 255}) {
        auto *gauge = new BatteryItem(&panel);
        gauge->setFixedSize(34, 16);
        gauge->setValue(percent);
        row->addWidget(gauge);
        gauges << gauge;
    }
    auto *charging = new BatteryItem(&panel);
    charging->setFixedSize(34, 16);
    charging->setShowText(false);
    charging->setValue(60);
    row->addWidget(charging);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    const QImage image = panel.grab().toImage();
    QVERIFY(save(image, "battery.png"));
    QVERIFY(save(image.scaled(image.size() * 4, Qt::KeepAspectRatio, Qt::FastTransformation), "battery_x4.png"));

    // The 255 report draws a full bar (x 2 to 27) that stops inside the frame.
    const QImage full = gauges.last()->grab().toImage();
    auto barPixelsInColumn = [&full](int x) {
        int n = 0;
        for (int y = 0; y < full.height(); ++y)
            n += full.pixelColor(x, y).rgb() == QColor(100, 150, 100).rgb();
        return n;
    };
    QVERIFY(barPixelsInColumn(2) > 0);
    QVERIFY(barPixelsInColumn(27) > 0);
    for (int x = 28; x < full.width(); ++x)
        QCOMPARE(barPixelsInColumn(x), 0);
}

TAVRIX_TEST_MAIN(TestWidgetScreenshots)
#include "tst_widgetscreenshots.moc"
