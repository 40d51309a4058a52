#include "lighting/dcustomlightlistitem.h"

#include "app/ddatamanager.h"
#include "sdk/tavrixxml.h"
#include "ui_dcustomlightlistitem.h"

#include <QMouseEvent>

DCustomLightListItem::DCustomLightListItem(QWidget *parent) : QWidget(parent), ui(new Ui::DCustomLightListItem)
{
    ui->setupUi(this);
    ui->pushButton_CustomOperate->hide();
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
    ui->checkBox->setAccessibleName(tr("Use this custom light"));
    ui->pushButton_Save->setAccessibleName(tr("Save"));
    ui->pushButton_Cancel->setAccessibleName(tr("Cancel"));
}

DCustomLightListItem::~DCustomLightListItem()
{
    delete ui;
}

void DCustomLightListItem::setCustomLightInfo(QString index, QString name, QString usingText, int usingState)
{
    m_index = index;
    m_name = name;
    m_usingText = usingText;
    m_usingState = usingState;
    ui->checkBox->setChecked(usingText == QLatin1String("Using"));
    ui->label_CustomItemName->setText(name);
}

void DCustomLightListItem::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    m_selectedBg = theme.MacroListItemSelectedColor;
    m_hoverBg = theme.MacroListItemHoverColor;
    m_normalBg = theme.DeviceRightBgColor;
    m_textColour = theme.TextDefaultColor;
    m_selectedTextColour = theme.TextCheckedColor;
    m_fontFamily = theme.TextFont;
    ui->lineEdit_CustomItemName->setStyleSheet(
        QStringLiteral("\t\t\t\tQLineEdit\t\t\t\t{\t\t\t\t\tcolor: rgb(%1);\t\t\t\t\tbackground-color: "
                       "rgb(%2);\t\t\t\t\tborder: 1px solid rgb(%3);\t\t\t\t}\t\t\t\tQLineEdit:hover\t\t\t\t{\t\t\t\t"
                       "\tborder: 1px solid rgb(%4);\t\t\t\t}\t\t\t\tQLineEdit:pressed\t\t\t\t{\t\t\t\t\tborder: 1px "
                       "solid rgb(%4);\t\t\t\t}\t\t")
            .arg(theme.TextDefaultColor, theme.DeviceRightBgColor, theme.DeviceBorderColor, theme.TextCheckedColor));
    setSelected(m_selected);
}

void DCustomLightListItem::setSelected(bool selected)
{
    m_selected = selected;
    const QString labelSheet = QStringLiteral("QLabel#label_CustomItemName{color: rgb(%1); font: 75 9pt \"%2\";}");
    if (selected) {
        ui->frame_5->setStyleSheet(QStringLiteral("QFrame#frame_5{ border: none; border-bottom: 0px solid "
                                                  "rgb(50,50,50);} QFrame#frame_5{\tbackground-color: rgb(%1); }")
                                       .arg(m_selectedBg));
        ui->label_CustomItemName->setStyleSheet(labelSheet.arg(m_selectedTextColour, m_fontFamily));
    } else {
        ui->frame_5->setStyleSheet(QStringLiteral("QFrame#frame_5{ border: none; border-bottom: 0px solid "
                                                  "rgb(50,50,50); background-color: rgb(%1); } "
                                                  "QFrame#frame_5:hover{ background-color: rgb(%2); }")
                                       .arg(m_normalBg, m_hoverBg));
        ui->label_CustomItemName->setStyleSheet(labelSheet.arg(m_textColour, m_fontFamily));
    }
}

void DCustomLightListItem::setUsingChecked(bool checked)
{
    const QSignalBlocker blocker(ui->checkBox);
    ui->checkBox->setChecked(checked);
}

void DCustomLightListItem::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    Q_EMIT sigCustomLightItemMouseClicked(m_index, m_name);
}

void DCustomLightListItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    ui->lineEdit_CustomItemName->setText(m_name);
    ui->stackedWidget->setCurrentWidget(ui->page_ModifyName);
}

void DCustomLightListItem::on_checkBox_clicked()
{
    if (!ui->checkBox->isChecked()) {
        // Lights are only taken out of use by the page, when another takes their slot.
        setUsingChecked(true);
        return;
    }
    Q_EMIT sigCustomLightUsingStatus(true);
    ui->checkBox->clearFocus();
}

void DCustomLightListItem::on_pushButton_Save_clicked()
{
    const QString name = ui->lineEdit_CustomItemName->text();
    if (name.isEmpty()) {
        Q_EMIT sigModifyCustomLightItemNameIsEmpty();
        return;
    }
    DDataManager *dm = DDataManager::getInstance();
    const QByteArray path = dm->getCurProfilePath();
    if (!path.isEmpty()
        && !CTavrixXML_ModifyProFileCustomLightNodeName(path, QByteArray::number(dm->getCurProfileIndex()),
                                                        m_index.toLatin1(), name.toUtf8())) {
        const QString reason = CTavrixXML_FailureText(CTavrixXML_LastFailure());
        Q_EMIT sigModifyCustomLightItemNameFailed(reason.isEmpty() ? tr("Renaming the custom light failed") : reason);
        return;
    }
    m_name = name;
    ui->label_CustomItemName->setText(name);
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
    Q_EMIT sigModifyCustomLightItemNameSuccess();
}

void DCustomLightListItem::on_pushButton_Cancel_clicked()
{
    ui->stackedWidget->setCurrentWidget(ui->page_Default);
}
