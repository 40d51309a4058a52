#include "app/ddatamanager.h"
#include "devicepage/dprofilemenutoolwidget.h"
#include "support/testmain.h"
#include "widgets/arrowwidget.h"

#include <QDir>
#include <QLabel>
#include <QWindow>

// Records the menu's signals in the order they come.
class MenuRecorder : public QObject
{
public:
    explicit MenuRecorder(DProfileMenuToolWidget *menu)
    {
        const struct
        {
            void (DProfileMenuToolWidget::*signal)();
            const char *name;
        } signals_[] = {
            {&DProfileMenuToolWidget::sigCloseMenuWidow, "close"},
            {&DProfileMenuToolWidget::sigProfileCreate, "create"},
            {&DProfileMenuToolWidget::sigProfileDelete, "delete"},
            {&DProfileMenuToolWidget::sigProfileExport, "export"},
            {&DProfileMenuToolWidget::sigProfileImport, "import"},
            {&DProfileMenuToolWidget::sigProfileModifyName, "rename"},
        };
        for (const auto &s : signals_) {
            const QString name = QLatin1String(s.name);
            connect(menu, s.signal, this, [this, name] { emitted << name; });
        }
    }
    QStringList emitted;
};

class TestProfileMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        menu.reset(new DProfileMenuToolWidget(nullptr));
        menu->resize(160, 180);
        recorder.reset(new MenuRecorder(menu.data()));
    }

    void entriesShowTranslatedTexts()
    {
        const QStringList texts = {"Create", "Delete", "Export", "Import", "Modify Name"};
        const QStringList names
            = {"label_CreateNew", "label_Delete", "label_Export", "label_Import", "label_ModifyName"};
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(menu->findChild<QLabel *>(names[i])->text(), texts[i]);
    }

    void releaseChoosesEntry_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("signal");
        const QList<QPair<QString, QString>> entries = {{"label_CreateNew", "create"},
                                                        {"label_Delete", "delete"},
                                                        {"label_Export", "export"},
                                                        {"label_Import", "import"},
                                                        {"label_ModifyName", "rename"}};
        for (const auto &e : entries) {
            QTest::newRow(qPrintable(e.first + " left")) << e.first << int(Qt::LeftButton) << e.second;
        }
        QTest::newRow("right button") << "label_Delete" << int(Qt::RightButton) << "delete";
        QTest::newRow("middle button") << "label_Import" << int(Qt::MiddleButton) << "import";
    }

    void releaseChoosesEntry()
    {
        QFETCH(QString, entry);
        QFETCH(int, button);
        QFETCH(QString, signal);
        QLabel *label = menu->findChild<QLabel *>(entry);
        QTest::mousePress(label, Qt::MouseButton(button));
        QVERIFY(recorder->emitted.isEmpty());  // a press alone chooses nothing
        QTest::mouseRelease(label, Qt::MouseButton(button));
        QCOMPARE(recorder->emitted, QStringList({"close", signal}));
    }

    void releaseOutsideEntriesEmitsNothing()
    {
        QTest::mouseRelease(menu->findChild<QWidget *>("frame_Normal"), Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseRelease(menu.data(), Qt::LeftButton, {}, QPoint(1, 1));
        QVERIFY(recorder->emitted.isEmpty());
    }

    // The label that took the press gets the release, wherever the pointer is then.
    void pressOnEntryReleaseElsewhere()
    {
        menu->show();
        QVERIFY(QTest::qWaitForWindowExposed(menu.data()));
        QLabel *label = menu->findChild<QLabel *>("label_Export");
        QWindow *window = menu->windowHandle();
        const QPoint inside = label->mapTo(menu.data(), label->rect().center());
        QTest::mousePress(window, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(menu->width() + 40, menu->height() + 40));
        QCOMPARE(recorder->emitted, QStringList({"close", "export"}));
    }

    void themeIsReadAtConstruction()
    {
        DDataManager *data = DDataManager::getInstance();
        data->setTheme(0);
        DProfileMenuToolWidget before(nullptr);
        const ThemeColorInfo first = data->getThemeColorInfo();
        QVERIFY(before.styleSheet().contains(QStringLiteral("rgb(%1)").arg(first.MacroListItemTextColor)));
        QVERIFY(before.styleSheet().contains(QStringLiteral("rgb(%1)").arg(first.MacroListItemHoverColor)));
        const QString old = before.styleSheet();

        data->setTheme(1);
        const ThemeColorInfo second = data->getThemeColorInfo();
        QVERIFY(first.MacroLeftBgColor != second.MacroLeftBgColor);
        QCOMPARE(before.styleSheet(), old);
        DProfileMenuToolWidget after(nullptr);
        QVERIFY(after.styleSheet().contains(QStringLiteral("rgb(%1)").arg(second.MacroLeftBgColor)));
        data->setTheme(0);
    }

    // Kept for a person to look at: the menu in its pop-up, as the device page opens it.
    void screenshot()
    {
        DDataManager::getInstance()->setTheme(0);
        QWidget page;
        page.resize(400, 300);
        ArrowWidget popup(ArrowWidget::ArrowBottom, &page);
        auto *content = new DProfileMenuToolWidget(&page);
        popup.setCenterWidget(content);
        popup.setFixedSize(160, 180);
        popup.setArrowPosX(120);
        popup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popup));
        // The pointer rests on the second entry, as it would while choosing.
        QTest::mouseMove(content->findChild<QLabel *>("label_Delete"));
        QDir().mkpath(QCoreApplication::applicationDirPath() + "/screenshots");
        QVERIFY(popup.grab().save(QCoreApplication::applicationDirPath() + "/screenshots/profilemenu.png"));
        QVERIFY(content->findChild<QLabel *>("label_ModifyName")->geometry().bottom() < 180);
    }

private:
    QScopedPointer<DProfileMenuToolWidget> menu;
    QScopedPointer<MenuRecorder> recorder;
};

TAVRIX_TEST_MAIN(TestProfileMenu)
#include "tst_profilemenu.moc"
