#include "macros/macromenutoolwidget.h"

#include "app/ddatamanager.h"
#include "macros/macrosheet.h"
#include "ui_macromenutoolwidget.h"
#include "widgets/accessiblecontrols.h"

#include <QEvent>

macroMenuToolWidget::macroMenuToolWidget(QWidget *parent) : QWidget(parent), ui(new Ui::macroMenuToolWidget)
{
    ui->setupUi(this);
    ui->label_Delete->setText(QObject::tr("Delete"));
    ui->label_Export->setText(QObject::tr("Export"));
    ui->label_ModifyName->setText(QObject::tr("Modify Name"));
    for (QWidget *label : {ui->label_Export, ui->label_Delete, ui->label_ModifyName}) {
        label->installEventFilter(this);
        AccessibleControls::makePressable(label);
    }

    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    setStyleSheet(
        macroSheet(QString("QLabel{\tcolor: rgb(%1);\tfont: 75 10pt \"%5\";\tbackground-color: rgb(%2);}"
                           "QLabel:hover{\tbackground-color: rgb(%3);}"
                           "QLabel:pressed{\tbackground-color: rgb(%4);}")
                       .arg(theme.MacroListItemTextColor, theme.MacroLeftBgColor, theme.MacroListItemHoverColor,
                            theme.MacroListItemSelectedColor, theme.TextFont)));
}

macroMenuToolWidget::~macroMenuToolWidget()
{
    delete ui;
}

bool macroMenuToolWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == ui->label_Export) {
            Q_EMIT sigCloseMenuWidow();
            Q_EMIT sigMacroExport();
        } else if (watched == ui->label_Delete) {
            Q_EMIT sigCloseMenuWidow();
            Q_EMIT sigMacroDelete();
        } else if (watched == ui->label_ModifyName) {
            Q_EMIT sigCloseMenuWidow();
            Q_EMIT sigMacroModifyName();
        }
    }
    return QWidget::eventFilter(watched, event);
}
