#include "support/testmain.h"
#include "widgets/arrowwidget.h"
#include "widgets/dcustomeventtipexplain.h"
#include "widgets/dtooltipexplain.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>

class TestPopupTips : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void constructedAsTranslucentPopup();
    void themeColourText_data();
    void themeColourText();
    void outlinePerArrowMode_data();
    void outlinePerArrowMode();
    void paintedArrowFollowsMode();
    void contentMarginsPerMode_data();
    void contentMarginsPerMode();
    void deactivationHidesOnce();
    void enterAndLeaveAreReported();
    void fittedOnScreen_data();
    void fittedOnScreen();
    void shownTipStaysOnScreen();
    void popupWindowReportsTheUsersClosing();
    void keyTipHighlight_data();
    void keyTipHighlight();
    void detailElidedAtWidthLimit();
    void tooltipText();
};

void TestPopupTips::constructedAsTranslucentPopup()
{
    ArrowWidget popup(1);
    QCOMPARE(popup.arrowPosX(), 50);
    QCOMPARE(popup.arrowMode(), 1);
    QVERIFY(popup.testAttribute(Qt::WA_TranslucentBackground));
    const Qt::WindowFlags flags = popup.windowFlags();
    QVERIFY(flags.testFlag(Qt::ToolTip) && flags.testFlag(Qt::FramelessWindowHint)
            && flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(qAbs(popup.windowOpacity() - 0.9) < 0.01);
    QVERIFY(popup.graphicsEffect());
    QVERIFY(!popup.isPopupShown());
    QCOMPARE(popup.backgroundColor().alpha(), 255);
}

void TestPopupTips::themeColourText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("three numbers") << "46,47,80" << QColor(46, 47, 80, 255);
    QTest::newRow("alpha ignored") << "46,47,80,128" << QColor(46, 47, 80, 255);
    QTest::newRow("blanks") << " 1, 2 ,3" << QColor(1, 2, 3, 255);
    QTest::newRow("too few") << "12" << QColor(12, 0, 0, 255);
    QTest::newRow("out of range") << "300,-4,x" << QColor(255, 0, 0, 255);
    QTest::newRow("empty") << "" << QColor(0, 0, 0, 255);
}

void TestPopupTips::themeColourText()
{
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QCOMPARE(ArrowWidget::colorFromThemeText(text), colour);
}

void TestPopupTips::outlinePerArrowMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPointF>("inside");
    QTest::addColumn<QPointF>("outside");
    // A 260 x 120 pop-up with the arrow at x 123: the tip is at x 130.
    QTest::newRow("top arrow: tip") << 0 << QPointF(130, 17) << QPointF(130, 13);
    QTest::newRow("top arrow: body starts at 25") << 0 << QPointF(20, 27) << QPointF(20, 22);
    QTest::newRow("top arrow: beside it") << 0 << QPointF(130, 24) << QPointF(120, 20);
    QTest::newRow("bottom arrow: tip") << 1 << QPointF(130, 118) << QPointF(130, 121);
    QTest::newRow("bottom arrow: beside it") << 1 << QPointF(130, 110) << QPointF(120, 110);
    QTest::newRow("bottom arrow: body top 15") << 1 << QPointF(20, 17) << QPointF(20, 13);
    QTest::newRow("no arrow below") << 2 << QPointF(130, 104) << QPointF(130, 110);
    QTest::newRow("no arrow above") << 2 << QPointF(130, 16) << QPointF(130, 13);
}

void TestPopupTips::outlinePerArrowMode()
{
    QFETCH(int, mode);
    QFETCH(QPointF, inside);
    QFETCH(QPointF, outside);
    const QPainterPath path = ArrowWidget::outline(mode, QSize(260, 120), 123);
    QVERIFY(path.contains(inside));
    QVERIFY(!path.contains(outside));
    // The 15-pixel band on the sides is always left for the shadow.
    QVERIFY(!path.contains(QPointF(10, 60)));
    QVERIFY(!path.contains(QPointF(250, 60)));
    QVERIFY(path.contains(QPointF(240, 60)));
}

void TestPopupTips::paintedArrowFollowsMode()
{
    for (int mode : {0, 1, 2}) {
        ArrowWidget popup(mode);
        popup.setFixedSize(230, 70);
        popup.setArrowPosX(30);
        popup.setGraphicsEffect(nullptr);  // paint only the body and arrow
        popup.setBackgroundColor(200, 10, 10);
        QImage image(popup.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        popup.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        auto opaque = [&image](int x, int y) { return image.pixelColor(x, y).alpha() == 255; };
        auto clear = [&image](int x, int y) { return image.pixelColor(x, y).alpha() == 0; };
        // The arrow (x 30 to 45) sticks out of the body where the body leaves the band empty.
        const bool topArrow = opaque(37, 20) && clear(20, 20);
        const bool bottomArrow = opaque(37, 65) && clear(20, 65);
        QCOMPARE(image.pixelColor(115, 40), QColor(200, 10, 10));
        QCOMPARE(topArrow, mode == 0);
        QCOMPARE(bottomArrow, mode == 1);
    }
}

void TestPopupTips::contentMarginsPerMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("top");
    QTest::newRow("top arrow") << 0 << 25;
    QTest::newRow("bottom arrow") << 1 << 15;
    QTest::newRow("no arrow") << 2 << 15;
}

void TestPopupTips::contentMarginsPerMode()
{
    QFETCH(int, mode);
    QFETCH(int, top);
    ArrowWidget popup(mode);
    auto *tip = new DToolTipExplain(&popup);
    popup.setCenterWidget(tip);
    QCOMPARE(popup.layout()->contentsMargins(), QMargins(15, top, 15, 15));
    QCOMPARE(popup.layout()->spacing(), 0);
    QCOMPARE(popup.layout()->indexOf(tip), 0);

    // Replacing the content keeps one layout with the new content alone.
    auto *other = new DToolTipExplain(&popup);
    popup.setCenterWidget(other);
    QCOMPARE(popup.layout()->count(), 1);
    QCOMPARE(popup.layout()->indexOf(other), 0);
}

void TestPopupTips::deactivationHidesOnce()
{
    QWidget owner;
    ArrowWidget popup(1, &owner);
    QSignalSpy hidden(&popup, &ArrowWidget::sigArrowWidgetHide);
    popup.setFixedSize(230, 70);
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    popup.activateWindow();

    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&popup, &deactivate);
    QVERIFY(!popup.isVisible());
    QCOMPARE(hidden.count(), 1);
    QCoreApplication::sendEvent(&popup, &deactivate);
    QCOMPARE(hidden.count(), 1);

    // Shown again, it hides again.
    popup.show();
    QCoreApplication::sendEvent(&popup, &deactivate);
    QCOMPARE(hidden.count(), 2);
}

void TestPopupTips::fittedOnScreen_data()
{
    QTest::addColumn<QPoint>("wanted");
    QTest::addColumn<QPoint>("fitted");
    const QRect area(0, 0, 1366, 768);
    QTest::newRow("inside stays") << QPoint(100, 100) << QPoint(100, 100);
    QTest::newRow("past the right edge") << QPoint(1300, 100) << QPoint(1366 - 310, 100);
    QTest::newRow("past the bottom") << QPoint(100, 700) << QPoint(100, 768 - 173);
    QTest::newRow("above and left of the screen") << QPoint(-40, -90) << QPoint(0, 0);
}

void TestPopupTips::fittedOnScreen()
{
    QFETCH(QPoint, wanted);
    QFETCH(QPoint, fitted);
    QCOMPARE(ArrowWidget::fittedTopLeft(wanted, QSize(310, 173), QRect(0, 0, 1366, 768)), fitted);
    // Larger than the area: the top-left corner stays on it.
    QCOMPARE(ArrowWidget::fittedTopLeft(QPoint(500, 500), QSize(2000, 900), QRect(0, 0, 1366, 768)), QPoint(0, 0));
}

void TestPopupTips::shownTipStaysOnScreen()
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    ArrowWidget popup(1);
    popup.setFixedSize(310, 173);
    popup.setArrowPosX(30);
    popup.move(area.right() - 100, area.bottom() - 50);
    popup.show();
    QVERIFY(area.contains(popup.geometry()));
    // The arrow moves with the difference, so it still points at its control.
    QCOMPARE(popup.arrowShift(), popup.width() - 101);
    popup.hide();
    popup.move(area.topLeft() + QPoint(10, 10));
    popup.show();
    QCOMPARE(popup.pos(), area.topLeft() + QPoint(10, 10));
    QCOMPARE(popup.arrowShift(), 0);
}

void TestPopupTips::popupWindowReportsTheUsersClosing()
{
    QWidget owner;
    owner.show();
    ArrowWidget popup(0, &owner);
    popup.setFixedSize(160, 130);
    QSignalSpy hidden(&popup, &ArrowWidget::sigArrowWidgetHide);
    popup.popUpAt(QPoint(40, 40));
    QVERIFY(popup.isPopupWindow());
    QVERIFY(popup.isVisible());
    // It takes the input as the active window, and is no Qt::Popup, whose controls
    // assistive tools never see.
    QTRY_COMPARE(QApplication::activeWindow(), &popup);
    QVERIFY(popup.windowType() != Qt::Popup);
    // Escape closes it, as any pop-up.
    QTest::keyClick(&popup, Qt::Key_Escape);
    QVERIFY(!popup.isVisible());
    QCOMPARE(hidden.count(), 1);
    // The owner's own hide is not reported back, nor a deactivation after it.
    popup.popUpAt(QPoint(40, 40));
    popup.hide();
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&popup, &deactivate);
    QCOMPARE(hidden.count(), 1);
    // A click outside closes the pop-up through close().
    popup.popUpAt(QPoint(40, 40));
    popup.close();
    QVERIFY(!popup.isVisible());
    QCOMPARE(hidden.count(), 2);
    // A deactivation of the shown pop-up closes it once.
    popup.popUpAt(QPoint(40, 40));
    QCoreApplication::sendEvent(&popup, &deactivate);
    QCoreApplication::sendEvent(&popup, &deactivate);
    QVERIFY(!popup.isVisible());
    QCOMPARE(hidden.count(), 3);
}

void TestPopupTips::enterAndLeaveAreReported()
{
    ArrowWidget popup(0);
    QSignalSpy entered(&popup, &ArrowWidget::sigArrowWidgetMouseEnter);
    QSignalSpy left(&popup, &ArrowWidget::sigArrowWidgetMouseLeave);
    QEvent enter(QEvent::Enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&popup, &enter);
    QCoreApplication::sendEvent(&popup, &leave);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(left.count(), 1);
}

void TestPopupTips::keyTipHighlight_data()
{
    QTest::addColumn<QString>("keyName");
    QTest::addColumn<bool>("canRemap");
    QTest::addColumn<bool>("highlighted");
    QTest::newRow("Fn") << "Fn" << true << true;
    QTest::newRow("fn") << "fn" << true << true;
    QTest::newRow("FN") << "FN" << true << true;
    QTest::newRow("fN is not Fn") << "fN" << true << false;
    QTest::newRow("Fn1 is not Fn") << "Fn1" << true << false;
    QTest::newRow("not remappable") << "Esc" << false << true;
    QTest::newRow("plain key") << "A" << true << false;
}

void TestPopupTips::keyTipHighlight()
{
    QFETCH(QString, keyName);
    QFETCH(bool, canRemap);
    QFETCH(bool, highlighted);
    DCustomEventTipExplain tip;
    QCOMPARE(tip.keyNameLabel()->size(), QSize(230, 30));
    QVERIFY(tip.keyNameLabel()->styleSheet().contains("14pt"));

    tip.setInfo({keyName, "Macro", "Copy burst", canRemap});
    QCOMPARE(tip.keyNameLabel()->text(), keyName);
    QCOMPARE(tip.functionNameLabel()->text(), QString("Macro"));
    QCOMPARE(tip.detailLabel()->text(), QString("Copy burst"));
    const QString colour = highlighted ? "255,143,31" : "245,245,245";
    for (QLabel *label : {tip.keyNameLabel(), tip.detailLabel()}) {
        QCOMPARE(label->styleSheet(), QString("color: rgb(%1); font: 75 12pt \"Microsoft YaHei\";").arg(colour));
    }
    QVERIFY(tip.functionNameLabel()->styleSheet().contains("rgb(245, 245, 245)"));
}

void TestPopupTips::detailElidedAtWidthLimit()
{
    QFont font("Microsoft YaHei");
    font.setPointSize(12);
    const QFontMetrics metrics(font);
    const QString text = "Launch /usr/local/bin/some-long-application-name";
    const int full = metrics.horizontalAdvance(text);
    QVERIFY(full > 100);

    // A text exactly as wide as the limit stays whole; one pixel narrower a limit cuts it.
    QCOMPARE(DCustomEventTipExplain::elideToWidth(text, font, full), text);
    const QString cut = DCustomEventTipExplain::elideToWidth(text, font, full - 1);
    QVERIFY(cut.endsWith(QChar(0x2026)));
    QVERIFY(metrics.horizontalAdvance(cut) <= full - 1);
    QCOMPARE(DCustomEventTipExplain::elideToWidth("Mute", font, 215), QString("Mute"));

    // The tip cuts its detail at 215 pixels.
    DCustomEventTipExplain tip;
    const QString longDetail = QString(80, QLatin1Char('W'));
    tip.setInfo({"A", "Text", longDetail, true});
    QVERIFY(tip.detailLabel()->text().endsWith(QChar(0x2026)));
    QVERIFY(metrics.horizontalAdvance(tip.detailLabel()->text()) <= DCustomEventTipExplain::kDetailWidth);
}

void TestPopupTips::tooltipText()
{
    DToolTipExplain tip;
    QCOMPARE(tip.text(), QString("ABC66666666666"));
    tip.setText("Trigger point");
    QCOMPARE(tip.text(), QString("Trigger point"));
    QVERIFY(tip.findChild<QLabel *>()->minimumHeight() >= 40);
}

TAVRIX_TEST_MAIN(TestPopupTips)
#include "tst_popuptips.moc"
