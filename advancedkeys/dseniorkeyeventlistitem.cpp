#include "advancedkeys/dseniorkeyeventlistitem.h"

#include "advancedkeys/seniorkeys.h"
#include "app/ddatamanager.h"
#include "ui_dseniorkeyeventlistitem.h"

#include <QMouseEvent>

DSeniorKeyEventListItem::DSeniorKeyEventListItem(QWidget *parent) : QWidget(parent), ui(new Ui::DSeniorKeyEventListItem)
{
    ui->setupUi(this);
    setFixedHeight(45);
    ui->pushButton_DeleteEvent->setAccessibleName(tr("Delete"));
    const ThemeColorInfo t = DDataManager::getInstance()->getThemeColorInfo();
    ui->frame_Center->setStyleSheet(
        QStringLiteral("QLabel{color:rgb(%1);font:75 8pt \"%2\";border:1px solid rgb(%1);border-radius:6px;}")
            .arg(t.TextDefaultColor, t.TextFont));
}

DSeniorKeyEventListItem::~DSeniorKeyEventListItem()
{
    delete ui;
}

void DSeniorKeyEventListItem::setInfo(SeniorKeyInfo info)
{
    m_info = info;
    QLabel *const keys[4]
        = {ui->label_SeniorKey01, ui->label_SeniorKey02, ui->label_SeniorKey03, ui->label_SeniorKey04};
    for (QLabel *label : keys)
        label->show();
    auto caption = [&](int slot) { return SeniorKeys::keyCaption(SeniorKeys::keyString(info, slot), m_keysMap); };
    const QString name = QString::fromUtf8(info.name, int(strnlen(info.name, sizeof(info.name))));
    switch (info.keyType) {
    case SeniorKeyType_DKS:
        ui->label_Type->setText(name);
        for (int slot = 0; slot < 4; ++slot)
            keys[slot]->setText(caption(slot));
        break;
    case SeniorKeyType_MT:
        ui->label_Type->setText(name);
        keys[0]->setText(caption(0));
        keys[1]->setText(caption(1));
        keys[2]->hide();
        keys[3]->hide();
        break;
    case SeniorKeyType_TGL:
        ui->label_Type->setText(name);
        keys[0]->setText(info.tglKeySet == 1 ? caption(0) : QString());
        for (int slot = 1; slot < 4; ++slot)
            keys[slot]->hide();
        break;
    default: ui->label_Type->clear(); break;
    }
}

void DSeniorKeyEventListItem::setSelected(bool selected)
{
    const ThemeColorInfo t = DDataManager::getInstance()->getThemeColorInfo();
    const QString separators = QStringLiteral("QFrame#frame_Left{border:none;border-right:1px solid rgb(%1);}"
                                              "QFrame#frame_Right{border:none;border-left:1px solid rgb(%1);}")
                                   .arg(t.MacroBorderColor);
    // Colours with an alpha of their own stay as they are; the unselected background is half transparent.
    const QString rgb = t.DeviceListAreaDefaultBgColor.section(QLatin1Char(','), 0, 2);
    if (selected) {
        ui->frame_BgABC01->setStyleSheet(
            QStringLiteral("QFrame#frame_BgABC01{background-color:rgb(30, 30, 55);border-radius:6px;}"
                           "QFrame#frame_BgABC01{background-color:rgb(%1);border-radius:6px;border-bottom:none;}")
                .arg(t.MacroListItemSelectedColor.section(QLatin1Char(','), 0, 2))
            + separators);
    } else {
        ui->frame_BgABC01->setStyleSheet(
            QStringLiteral("QFrame#frame_BgABC01{background-color:rgba(%1,128);border-radius:6px;}"
                           "QFrame#frame_BgABC01:hover{background-color:rgb(%2);}")
                .arg(rgb, t.MacroListItemHoverColor.section(QLatin1Char(','), 0, 2))
            + separators);
    }
}

void DSeniorKeyEventListItem::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT sigSeniorKeyEventItemClick(m_info.bindingIndex);
    QWidget::mousePressEvent(event);
}

void DSeniorKeyEventListItem::on_pushButton_DeleteEvent_clicked()
{
    Q_EMIT sigDeleteSeniorKeyEventItem(m_info.keyType, m_info.bindingIndex);
}
