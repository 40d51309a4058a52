#include "support/testmain.h"
#include "widgets/cbnotice.h"

#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QPropertyAnimation>
#include <QScreen>
#include <QSignalSpy>

namespace {

// The owner of a notice; counts the presses that reach it.
class Owner : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

QGraphicsOpacityEffect *effectOf(CbNotice &notice)
{
    return qobject_cast<QGraphicsOpacityEffect *>(notice.graphicsEffect());
}

QPropertyAnimation *animationOf(CbNotice &notice)
{
    return notice.findChild<QPropertyAnimation *>();
}

}  // namespace

class TestCbNotice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void constructedHiddenWithDefaults();
    void boxSizeAndPlace_data();
    void boxSizeAndPlace();
    void showAgainKeepsTextAndAnchor();
    void animationSettings_data();
    void animationSettings();
    void holdThenFadeThenOneFinish();
    void newMessageRestartsTheHold();
    void clickHidesAndReachesOwner_data();
    void clickHidesAndReachesOwner();
    void withoutParentIsAToolWindowOnThePrimaryScreen();
    void cornerRadiusByHeight_data();
    void cornerRadiusByHeight();

private:
    Owner *m_owner = nullptr;
    CbNotice *m_notice = nullptr;
};

void TestCbNotice::init()
{
    m_owner = new Owner;
    m_owner->resize(600, 300);
    m_notice = new CbNotice(m_owner);
    m_owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_owner));
}

void TestCbNotice::cleanup()
{
    delete m_owner;
    m_owner = nullptr;
    m_notice = nullptr;
}

void TestCbNotice::constructedHiddenWithDefaults()
{
    QVERIFY(!m_notice->isVisible());
    QCOMPARE(m_notice->anchor(), QPoint(300, 200));
    QCOMPARE(m_notice->font().pixelSize(), 20);
    QCOMPARE(m_notice->boxHeight(), 40);
    QCOMPARE(m_notice->textColor(), QColor(255, 143, 31, 255));
    QCOMPARE(m_notice->backgroundColor(), QColor(52, 52, 85, 200));
    QCOMPARE(effectOf(*m_notice)->opacity(), 1.0);
    QCOMPARE(animationOf(*m_notice)->easingCurve().type(), QEasingCurve::Linear);
}

void TestCbNotice::boxSizeAndPlace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<QPoint>("expectedCentre");
    QTest::newRow("anchor by null point") << "Set config success" << QPoint(0, 0) << QPoint(300, 200);
    QTest::newRow("given centre") << "Update successful" << QPoint(300, 40) << QPoint(300, 40);
    QTest::newRow("empty text") << QString() << QPoint(100, 100) << QPoint(100, 100);
    QTest::newRow("very long text") << QString(400, QLatin1Char('W')) << QPoint(300, 40) << QPoint(300, 40);
}

void TestCbNotice::boxSizeAndPlace()
{
    QFETCH(QString, text);
    QFETCH(QPoint, centre);
    QFETCH(QPoint, expectedCentre);
    m_notice->setTextPixelSize(14);
    m_notice->showMessageAt(text, centre);

    const QSize expected(QFontMetrics(m_notice->font()).horizontalAdvance(text) + 36, 40);
    QCOMPARE(m_notice->size(), expected);
    QCOMPARE(m_notice->minimumSize(), expected);
    QCOMPARE(m_notice->maximumSize(), expected);
    QCOMPARE(m_notice->pos(), expectedCentre - QPoint(expected.width() / 2, expected.height() / 2));
    QVERIFY(m_notice->isVisible());
    QCOMPARE(m_notice->text(), text);
}

void TestCbNotice::showAgainKeepsTextAndAnchor()
{
    m_notice->showMessageAt("Delete senior keys successful", QPoint(300, 40));
    const QSize size = m_notice->size();
    m_notice->hide();
    m_notice->showAgain();
    QVERIFY(m_notice->isVisible());
    QCOMPARE(m_notice->text(), QString("Delete senior keys successful"));
    QCOMPARE(m_notice->size(), size);
    QCOMPARE(m_notice->pos(), QPoint(300 - size.width() / 2, 200 - 20));

    m_notice->showMessage("Saved");
    QCOMPARE(m_notice->pos(), QPoint(300 - m_notice->width() / 2, 180));
}

void TestCbNotice::animationSettings_data()
{
    QTest::addColumn<int>("hold");
    QTest::addColumn<int>("fade");
    QTest::addColumn<double>("start");
    QTest::addColumn<int>("duration");
    QTest::addColumn<double>("end");
    QTest::newRow("defaults") << 1300 << 1000 << 2.3 << 2300 << 0.0;
    QTest::newRow("no fade") << 1300 << 0 << 1.3 << 1300 << 1.0;
    QTest::newRow("negative fade") << 1300 << -500 << 1.3 << 1300 << 1.0;
}

void TestCbNotice::animationSettings()
{
    QFETCH(int, hold);
    QFETCH(int, fade);
    QFETCH(double, start);
    QFETCH(int, duration);
    QFETCH(double, end);
    m_notice->setHoldTime(hold);
    m_notice->setFadeTime(fade);
    m_notice->showMessage("x");
    QPropertyAnimation *animation = animationOf(*m_notice);
    QCOMPARE(animation->targetObject(), effectOf(*m_notice));
    QCOMPARE(animation->propertyName(), QByteArray("opacity"));
    QCOMPARE(animation->startValue().toDouble(), start);
    QCOMPARE(animation->duration(), duration);
    QCOMPARE(animation->endValue().toDouble(), end);
    QCOMPARE(animation->state(), QAbstractAnimation::Running);
}

void TestCbNotice::holdThenFadeThenOneFinish()
{
    QSignalSpy finished(m_notice, &CbNotice::sigFinished);
    m_notice->showMessage("Operate successful");
    QPropertyAnimation *animation = animationOf(*m_notice);
    QGraphicsOpacityEffect *effect = effectOf(*m_notice);
    // The animation is set to points of its own time, so a busy machine cannot move them.
    animation->pause();
    const int hold = m_notice->holdTime();
    const int fade = m_notice->fadeTime();
    animation->setCurrentTime(hold - 50);
    QCOMPARE(effect->opacity(), 1.0);  // still holding
    animation->setCurrentTime(hold + fade / 2);
    QVERIFY2(effect->opacity() > 0.4 && effect->opacity() < 0.6, qPrintable(QString::number(effect->opacity())));
    QVERIFY(m_notice->isVisible());
    QCOMPARE(finished.count(), 0);

    animation->resume();
    QVERIFY(finished.wait(kChildProcessWaitMs));
    QVERIFY(!m_notice->isVisible());
    // Nothing is left running that could report a second time.
    QCOMPARE(animation->state(), QAbstractAnimation::Stopped);
    QCOMPARE(finished.count(), 1);
}

void TestCbNotice::newMessageRestartsTheHold()
{
    QSignalSpy finished(m_notice, &CbNotice::sigFinished);
    m_notice->showMessage("First");
    QPropertyAnimation *animation = animationOf(*m_notice);
    QGraphicsOpacityEffect *effect = effectOf(*m_notice);
    animation->pause();
    animation->setCurrentTime(m_notice->holdTime() + m_notice->fadeTime() / 2);
    QVERIFY(effect->opacity() < 1.0);

    m_notice->showMessage("A second and longer message");
    QCOMPARE(effect->opacity(), 1.0);
    QCOMPARE(m_notice->text(), QString("A second and longer message"));
    QCOMPARE(animation->state(), QAbstractAnimation::Running);
    animation->pause();
    QVERIFY(animation->currentTime() < m_notice->holdTime());
    animation->setCurrentTime(m_notice->holdTime() - 50);
    QCOMPARE(effect->opacity(), 1.0);  // a whole hold again
    animation->resume();
    QVERIFY(finished.wait(kChildProcessWaitMs));
    QCOMPARE(animation->state(), QAbstractAnimation::Stopped);
    QCOMPARE(finished.count(), 1);  // the first message, replaced, never reported
}

void TestCbNotice::clickHidesAndReachesOwner_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("ownerPresses");
    QTest::newRow("leftmost pixel") << 0 << 0;
    QTest::newRow("x 5 is consumed") << 5 << 0;
    QTest::newRow("x 6 reaches the owner") << 6 << 1;
    QTest::newRow("middle") << 40 << 1;
}

void TestCbNotice::clickHidesAndReachesOwner()
{
    QFETCH(int, x);
    QFETCH(int, ownerPresses);
    m_notice->setHoldTime(100);
    m_notice->setFadeTime(100);
    QSignalSpy finished(m_notice, &CbNotice::sigFinished);
    m_notice->showMessage("Click me");
    QTest::mouseClick(m_notice, Qt::LeftButton, Qt::NoModifier, QPoint(x, 20));
    QVERIFY(!m_notice->isVisible());
    QCOMPARE(m_owner->presses, ownerPresses);
    // The animation still runs to its end and reports once.
    QVERIFY(finished.wait(1000));
    QCOMPARE(finished.count(), 1);
}

void TestCbNotice::withoutParentIsAToolWindowOnThePrimaryScreen()
{
    CbNotice notice;
    QVERIFY(notice.windowFlags().testFlag(Qt::Tool));
    QVERIFY(notice.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(notice.testAttribute(Qt::WA_TranslucentBackground));
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QPoint anchor = screen->virtualGeometry().topLeft()
        + QPoint(screen->geometry().width() / 2, screen->geometry().height() * 2 / 3);
    QCOMPARE(notice.anchor(), anchor);
    notice.showMessage("No upgradeable devices found");
    QCOMPARE(notice.pos(), anchor - QPoint(notice.width() / 2, 20));
}

void TestCbNotice::cornerRadiusByHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("radius");
    QTest::newRow("40") << 40 << 22;
    QTest::newRow("38") << 38 << 22;
    QTest::newRow("37") << 37 << 12;
    QTest::newRow("25") << 25 << 12;
    QTest::newRow("24") << 24 << 3;
}

void TestCbNotice::cornerRadiusByHeight()
{
    QFETCH(int, height);
    QFETCH(int, radius);
    QCOMPARE(CbNotice::cornerRadius(height), radius);
}

TAVRIX_TEST_MAIN(TestCbNotice)
#include "tst_cbnotice.moc"
