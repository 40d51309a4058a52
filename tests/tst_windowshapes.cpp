// Shaped windows and themed dialogs. Offscreen it checks that message boxes take
// the theme's colours; run under Xvfb on the xcb platform (no compositing manager
// there) it shows the arrow pop-up and the firmware dialog over a white window,
// saves screen pictures under tests/screenshots and checks that the transparent
// margins show what is behind them, not black.

#include "app/ddatamanager.h"
#include "app/dsettingsdia.h"
#include "app/themecolorinfo.h"
#include "devicepage/profiledialogs.h"
#include "firmware/dupdatefirmwaredia.h"
#include "macros/dmacropage.h"
#include "platform/windowcompositing.h"
#include "support/testmain.h"
#include "widgets/arrowwidget.h"
#include "widgets/dtooltipexplain.h"
#include "widgets/questiondialog.h"
#include "widgets/themeddialog.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

QString screenshotDir()
{
    const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
    QDir().mkpath(dir);
    return dir;
}

QColor themeColour(const QString &text)
{
    const QStringList parts = text.split(',');
    return parts.size() >= 3
        ? QColor(parts[0].trimmed().toInt(), parts[1].trimmed().toInt(), parts[2].trimmed().toInt())
        : QColor();
}

bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// What the screen shows in the rectangle, as an X server without a compositor draws it.
QImage screenAt(const QRect &rect)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height()).toImage();
}

// The screen at rect once the window there has drawn itself: its middle shows neither
// the white backdrop nor black. The last picture taken when that never happens.
QImage paintedScreenAt(const QRect &rect)
{
    QImage image;
    const auto painted = [&] {
        image = screenAt(rect);
        const QColor middle = image.pixelColor(image.width() / 2, image.height() / 2);
        return middle != QColor(Qt::white) && middle != QColor(Qt::black);
    };
    // A picture that never shows the window is judged by the checks that follow it.
    static_cast<void>(QTest::qWaitFor(painted, kChildProcessWaitMs));
    return image;
}

// A white window under the pop-ups, so a cut-out shows white and a black
// transparent margin shows black.
struct WhiteBackdrop
{
    QWidget window;
    WhiteBackdrop()
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setStyleSheet("background: white;");
        window.setAttribute(Qt::WA_StyledBackground);
        window.setGeometry(QGuiApplication::primaryScreen()->geometry());
        window.show();
    }
};

}  // namespace

class TestWindowShapes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messageBoxTakesTheTheme();
    void questionInTheProgramsStyle_data();
    void questionInTheProgramsStyle();
    void arrowPopupWithoutCompositor();
    void firmwareDialogWithoutCompositor();
    void questionWithoutEscape();
    void roundedDialogsWithoutCompositor();
};

void TestWindowShapes::messageBoxTakesTheTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    QMessageBox box(QMessageBox::Question, "Tip", "Whether to reset the current profile?", QMessageBox::NoButton);
    box.addButton("Yes", QMessageBox::YesRole);
    box.addButton("No", QMessageBox::NoRole);
    ThemedDialog::apply(&box);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QImage image = box.grab().toImage();
    QVERIFY(image.save(screenshotDir() + "/messagebox_themed.png"));
    QCOMPARE(image.pixelColor(2, image.height() / 2).rgb(), themeColour(theme.SettingsBgColor).rgb());
    auto *label = box.findChild<QLabel *>("qt_msgbox_label");
    QVERIFY(label);
    QCOMPARE(label->palette().color(QPalette::WindowText).rgb(), themeColour(theme.TextDefaultColor).rgb());
}

void TestWindowShapes::questionInTheProgramsStyle_data()
{
    QTest::addColumn<int>("answer");  // 0 "Yes", 1 "No", 2 Escape
    QTest::addColumn<bool>("result");
    QTest::newRow("Yes") << 0 << true;
    QTest::newRow("No") << 1 << false;
    QTest::newRow("Escape") << 2 << false;
}

// The reset question (and the profile page's other questions) is drawn as the
// program's dialogs are: no window-manager frame, no maximise button, no icon,
// rounded, in the theme's colours, with its texts as they are.
void TestWindowShapes::questionInTheProgramsStyle()
{
    QFETCH(int, answer);
    QFETCH(bool, result);
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    QWidget owner;
    owner.resize(600, 400);
    owner.show();
    QStringList problems;
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            problems << "no modal question";
            return;
        }
        inspected = true;
        const Qt::WindowFlags flags = dialog->windowFlags();
        if (!flags.testFlag(Qt::FramelessWindowHint))
            problems << "framed by the window manager";
        if (flags.testFlag(Qt::WindowMaximizeButtonHint))
            problems << "has a maximise button";
        QStringList texts;
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            if (!label->pixmap(Qt::ReturnByValue).isNull())
                problems << "shows an icon";
            texts << label->text();
        }
        if (!texts.contains("Tip") || !texts.contains("Whether to reset the current profile?"))
            problems << "texts: " + texts.join(" | ");
        if (!QTest::qWaitForWindowExposed(dialog))
            problems << "never shown";
        const QImage image = dialog->grab().toImage();
        image.save(screenshotDir() + "/question_reset.png");
        if (image.pixelColor(0, 0).alpha() != 0)
            problems << "square corners";
        if (image.pixelColor(image.width() / 2, image.height() - 8).rgb() != themeColour(theme.SettingsBgColor).rgb())
            problems << "body not in the theme's colour";
        QPushButton *yes = nullptr, *no = nullptr;
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text() == "Yes")
                yes = button;
            else if (button->text() == "No")
                no = button;
        }
        if (!yes || !no) {
            problems << "no Yes and No buttons";
            dialog->done(QDialog::Rejected);
            return;
        }
        if (answer == 0)
            yes->click();
        else if (answer == 1)
            no->click();
        else
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    const bool answered = WidgetProfileDialogs::askYesNo(&owner, "Tip", "Whether to reset the current profile?");
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    QVERIFY(inspected);
    QCOMPARE(answered, result);
}

void TestWindowShapes::arrowPopupWithoutCompositor()
{
    if (!onX11())
        QSKIP("needs an X server without a compositing manager (the Xvfb run)");
    QVERIFY(!WindowCompositing::isActive());
    WhiteBackdrop backdrop;
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop.window));

    ArrowWidget popup(ArrowWidget::ArrowTop);
    popup.setFixedSize(230, 80);
    popup.setArrowPosX(30);
    popup.setBackgroundColor(46, 47, 80);
    auto *tip = new DToolTipExplain(&popup);
    tip->setText("Trigger point 1.5 mm");
    popup.setCenterWidget(tip);
    popup.move(100, 100);
    popup.show();
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    QVERIFY(!popup.mask().isEmpty());
    const QImage image = paintedScreenAt(popup.geometry());
    QVERIFY(image.save(screenshotDir() + "/arrow_popup_xvfb.png"));
    // The shadow band's corner shows the white window behind, the body its colour.
    QCOMPARE(image.pixelColor(2, 2).rgb(), QColor(Qt::white).rgb());
    QCOMPARE(image.pixelColor(image.width() - 3, image.height() - 3).rgb(), QColor(Qt::white).rgb());
    const QColor body = image.pixelColor(image.width() / 2, image.height() / 2);
    QVERIFY2(body != QColor(Qt::white) && body != QColor(Qt::black), qPrintable(body.name()));
}

void TestWindowShapes::firmwareDialogWithoutCompositor()
{
    if (!onX11())
        QSKIP("needs an X server without a compositing manager (the Xvfb run)");
    WhiteBackdrop backdrop;
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop.window));

    DUpdateFirmwareDia dialog;
    hidStructInfoAll device {};
    qstrcpy(device.productName, "Quorin");
    qstrcpy(device.likeName, "QR108 RGB Full-size");
    qstrcpy(device.hidPath, "/no/link");
    qstrcpy(device.firmwareVersion, "V1.00");
    qstrcpy(device.newFirmwareVersion, "V1.01");
    dialog.setDeviceList({device}, {});
    dialog.move(60, 60);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QImage image = paintedScreenAt(dialog.geometry());
    QVERIFY(image.save(screenshotDir() + "/firmware_dialog_xvfb.png"));
    // Rounded corners cut away; the list area drawn in the dialog's colour.
    QCOMPARE(image.pixelColor(0, 0).rgb(), QColor(Qt::white).rgb());
    const QColor list = image.pixelColor(image.width() / 2, image.height() - 20);
    const QColor wanted = themeColour(DDataManager::getInstance()->getThemeColorInfo().UpgradeBgColor);
    QVERIFY2(list.rgb() == wanted.rgb() || list != QColor(Qt::black), qPrintable(list.name()));
    int black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            black += image.pixelColor(x, y) == QColor(Qt::black);
    QVERIFY2(black < image.width() * image.height() / 10, qPrintable(QString::number(black)));
}

void TestWindowShapes::questionWithoutEscape()
{
    // The magnetic keyboard's reset question cannot be closed without a choice.
    QuestionDialog dialog("Tip", "Whether to reset the current profile?", QuestionDialog::Escape::IsIgnored);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    dialog.yesButton()->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestWindowShapes::roundedDialogsWithoutCompositor()
{
    if (!onX11())
        QSKIP("needs an X server without a compositing manager (the Xvfb run)");
    WhiteBackdrop backdrop;
    QVERIFY(QTest::qWaitForWindowExposed(&backdrop.window));
    const struct
    {
        QWidget *dialog;
        const char *picture;
    } dialogs[] = {{new DSettingsDia, "settings_xvfb.png"}, {new DMacroPage, "macros_xvfb.png"}};
    for (const auto &d : dialogs) {
        d.dialog->move(20, 20);
        d.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.dialog));
        const QImage image = paintedScreenAt(d.dialog->geometry());
        QVERIFY(image.save(screenshotDir() + "/" + d.picture));
        QCOMPARE(image.pixelColor(0, 0).rgb(), QColor(Qt::white).rgb());
        delete d.dialog;
    }
}

TAVRIX_TEST_MAIN(TestWindowShapes)
#include "tst_windowshapes.moc"
