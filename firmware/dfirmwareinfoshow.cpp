#include "firmware/dfirmwareinfoshow.h"

#include "app/ddatamanager.h"
#include "firmware/dfirmwareinfoitem.h"
#include "sdk/tavrixhid.h"
#include "ui_dfirmwareinfoshow.h"
#include "widgets/themeddialog.h"

#include <QTimer>

#include <string>
#include <vector>

namespace {

constexpr int kLoadDelayMs = 200;

QString firmwareText(const FirmwareInfoStu &firmware, int index)
{
    const char *text = firmware.text[index];
    return QString::fromUtf8(text, int(strnlen(text, FirmwareInfoStu::TextSize)));
}

}  // namespace

DFirmwareInfoShow::DFirmwareInfoShow(QWidget *parent) : QDialog(parent), ui(new Ui::DFirmwareInfoShow)
{
    ui->setupUi(this);
    m_listLayout = ui->verticalLayout_17;
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(QObject::tr("Firmware Info"));
    setFixedSize(350, 370);
    ui->frame_26->hide();
    ThemedDialog::apply(this);
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    ui->frame_2->setStyleSheet(QStringLiteral("QFrame#frame_2 { border: none; border-top: 2px solid rgb(%1); }")
                                   .arg(theme.SettingsBorderColor));
    ui->scrollAreaWidgetContents_2->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_2 { background-color: rgb(%1); }").arg(theme.SettingsBgColor));
    QTimer::singleShot(kLoadDelayMs, this, &DFirmwareInfoShow::onLoadingFirmwareInfo);
}

DFirmwareInfoShow::~DFirmwareInfoShow()
{
    delete ui;
}

void DFirmwareInfoShow::onLoadingFirmwareInfo()
{
    QMap<QString, QString> infos;
    std::vector<std::string> paths;
    CTavrixHid_GetHidInfoList(paths);
    for (const std::string &path : paths) {
        HidDeviceInfoStu device {};
        FirmwareInfoStu firmware {};
        if (!CTavrixHid_GetHidAndFirmwareInfoStu(path.c_str(), &device, &firmware))
            continue;
        const QString identity = firmwareText(firmware, FirmwareInfoStu::IdentityPart0)
            + firmwareText(firmware, FirmwareInfoStu::IdentityPart1)
            + firmwareText(firmware, FirmwareInfoStu::IdentityPart2)
            + firmwareText(firmware, FirmwareInfoStu::IdentityPart3) + QLatin1Char(',')
            + firmwareText(firmware, FirmwareInfoStu::IdentityPart4);
        // Keyboards with one firmware share an entry; the later one's line wins.
        infos.insert(identity,
                     firmwareText(firmware, FirmwareInfoStu::CurrentVersion) + QStringLiteral("---")
                         + firmwareText(firmware, FirmwareInfoStu::SecondVersion));
    }
    setFirmwareInfoList(infos);
}

void DFirmwareInfoShow::setFirmwareInfoList(QMap<QString, QString> infos)
{
    clearFirmwareInfoList();
    for (auto it = infos.cbegin(); it != infos.cend(); ++it) {
        auto *entry = new DFirmwareInfoItem(ui->scrollAreaWidgetContents_2);
        entry->setFirmwareInfo(it.key(), it.value());
        m_listLayout->insertWidget(m_listLayout->count() - 1, entry);
    }
}

void DFirmwareInfoShow::clearFirmwareInfoList()
{
    while (m_listLayout->count() > 1) {
        QLayoutItem *item = m_listLayout->takeAt(0);
        if (QWidget *widget = item->widget())
            widget->deleteLater();
        delete item;
    }
}

QList<DFirmwareInfoItem *> DFirmwareInfoShow::entries() const
{
    QList<DFirmwareInfoItem *> list;
    for (int i = 0; i < m_listLayout->count(); ++i) {
        if (auto *entry = qobject_cast<DFirmwareInfoItem *>(m_listLayout->itemAt(i)->widget()))
            list.append(entry);
    }
    return list;
}
