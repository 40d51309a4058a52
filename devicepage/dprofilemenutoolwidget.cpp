#include "devicepage/dprofilemenutoolwidget.h"

#include "app/ddatamanager.h"
#include "ui_dprofilemenutoolwidget.h"
#include "widgets/accessiblecontrols.h"

#include <QEvent>

namespace {

using EntrySignal = void (DProfileMenuToolWidget::*)();

const char *const kMenuStyle = "QLabel{color:rgb(%1);font:75 10pt \"%5\";background-color:rgb(%2);}"
                               "QLabel:hover{background-color:rgb(%3);}"
                               "QLabel:pressed{background-color:rgb(%4);}";

}  // namespace

DProfileMenuToolWidget::DProfileMenuToolWidget(QWidget *parent) : QWidget(parent), ui(new Ui::DProfileMenuToolWidget)
{
    ui->setupUi(this);

    ui->label_CreateNew->setText(QObject::tr("Create"));
    ui->label_Delete->setText(QObject::tr("Delete"));
    ui->label_Export->setText(QObject::tr("Export"));
    ui->label_Import->setText(QObject::tr("Import"));
    ui->label_ModifyName->setText(QObject::tr("Modify Name"));

    for (QLabel *entry :
         {ui->label_CreateNew, ui->label_Delete, ui->label_Export, ui->label_Import, ui->label_ModifyName}) {
        entry->installEventFilter(this);
        AccessibleControls::makePressable(entry);
    }

    // The theme is read once: a menu is built anew for every opening.
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    setStyleSheet(QString::fromLatin1(kMenuStyle)
                      .arg(theme.MacroListItemTextColor, theme.MacroLeftBgColor, theme.MacroListItemHoverColor,
                           theme.MacroListItemSelectedColor, theme.TextFont));
}

DProfileMenuToolWidget::~DProfileMenuToolWidget()
{
    delete ui;
}

bool DProfileMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const struct
        {
            QObject *entry;
            EntrySignal signal;
        } entries[] = {
            {ui->label_CreateNew, &DProfileMenuToolWidget::sigProfileCreate},
            {ui->label_Delete, &DProfileMenuToolWidget::sigProfileDelete},
            {ui->label_Export, &DProfileMenuToolWidget::sigProfileExport},
            {ui->label_Import, &DProfileMenuToolWidget::sigProfileImport},
            {ui->label_ModifyName, &DProfileMenuToolWidget::sigProfileModifyName},
        };
        for (const auto &e : entries) {
            if (e.entry != watched)
                continue;
            // The pop-up is hidden before the action runs, since some actions open
            // modal file dialogs.
            Q_EMIT sigCloseMenuWidow();
            Q_EMIT(this->*e.signal)();
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
