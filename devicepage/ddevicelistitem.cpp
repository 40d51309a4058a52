#include "devicepage/ddevicelistitem.h"

#include "app/ddatamanager.h"
#include "ui_ddevicelistitem.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QPixmapCache>

namespace {

constexpr int kCardWidth = 190;
constexpr int kCardHeight = 140;

// Models whose pictures are narrow or small enough to need a box of their own.
struct PictureBox
{
    const char *model;
    int width;
    int height;
};
constexpr PictureBox kPictureBoxes[] = {
    {"QS34", 51, 91},
    {"QN18", 100, 89},
};

const char *const kSelectedSheet = "QFrame#frame_DeviceImageBg{ border: 1px solid rgba(%1, 255); } "
                                   "QFrame#frame_DeviceImageBg:hover{ border: 1px solid rgb(%1); }";
const char *const kUnselectedSheet = "QFrame#frame_DeviceImageBg{ border: 1px solid rgba(%1, 0); } "
                                     "QFrame#frame_DeviceImageBg:hover{ border: 1px solid rgb(%1); }";

QString recordText(const char *text, std::size_t size)
{
    return QString::fromUtf8(text, int(strnlen(text, size)));
}

// A model's picture scaled to its box. Cards are redrawn on every hot-plug change and
// receiver report; decoding the picture each time kept the GUI thread busy for
// milliseconds per card, so each scaled picture is made once.
QPixmap cardPicture(const QString &model, const QSize &box)
{
    const QString file = DDataManager::getAppDirPath() + QStringLiteral("/images/hidImages/Keyboard_") + model
        + QStringLiteral(".png");
    const QString key = QStringLiteral("DDeviceListItem:%1:%2x%3").arg(file).arg(box.width()).arg(box.height());
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    const QImage image(file);
    if (image.isNull())
        return QPixmap();
    picture = QPixmap::fromImage(image.scaled(box, Qt::KeepAspectRatio, Qt::FastTransformation));
    QPixmapCache::insert(key, picture);
    return picture;
}

// Lets screen readers and desktop automation name and press a card like a button.
class AccessibleDeviceCard : public QAccessibleWidget
{
public:
    explicit AccessibleDeviceCard(QWidget *w) : QAccessibleWidget(w, QAccessible::Button) { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            if (!name.isEmpty())
                return name;
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            static_cast<DDeviceListItem *>(widget())->press();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface *cardFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("DDeviceListItem") && object && object->isWidgetType())
        return new AccessibleDeviceCard(static_cast<QWidget *>(object));
    return nullptr;
}

}  // namespace

DDeviceListItem::DDeviceListItem(QWidget *parent) : QWidget(parent), ui(new Ui::DDeviceListItem)
{
    static const bool factoryInstalled = (QAccessible::installFactory(cardFactory), true);
    Q_UNUSED(factoryInstalled);

    ui->setupUi(this);
    setFixedSize(kCardWidth, kCardHeight);
    dimOverlay = new QWidget(this);
    dimOverlay->setWindowFlags(dimOverlay->windowFlags() | Qt::FramelessWindowHint);
    dimOverlay->resize(size());
    dimOverlay->hide();
    applyTheme();
}

DDeviceListItem::~DDeviceListItem()
{
    delete ui;
}

QString DDeviceListItem::connectionSuffix(const hidStructInfoAll &info)
{
    if (info.onlineStatus != 1)
        return QStringLiteral("(OffLine)");
    return info.connectType == 0 ? QStringLiteral("(USB)") : QStringLiteral("(2.4G)");
}

QSize DDeviceListItem::pictureBox(const QString &modelName, const QSize &cardSize)
{
    for (const PictureBox &box : kPictureBoxes) {
        if (modelName == QLatin1String(box.model))
            return QSize(box.width, box.height);
    }
    return QSize(cardSize.width() - 4, cardSize.height() - 4);
}

void DDeviceListItem::setDeviceInfo(hidStructInfoAll info)
{
    deviceInfo = info;
    const QString product = recordText(info.productName, sizeof info.productName);
    if (product.isEmpty()) {
        ui->label_ProductName->hide();
        ui->label_DeviceName->setAlignment(Qt::AlignCenter);
    } else {
        ui->label_ProductName->show();
        ui->label_ProductName->setText(product);
    }
    ui->label_DeviceName->setText(recordText(info.likeName, sizeof info.likeName) + connectionSuffix(info));

    const QString model = recordText(info.hidName, sizeof info.hidName);
    const QPixmap picture = cardPicture(model, pictureBox(model, size()));
    if (picture.isNull())
        ui->label_DeviceImage->clear();
    else
        ui->label_DeviceImage->setPixmap(picture);

    // The card answers to the model it stands for, with its state.
    setAccessibleName(product.isEmpty() ? ui->label_DeviceName->text()
                                        : product + QLatin1Char(' ') + ui->label_DeviceName->text());
    setOnlineStatus(info.onlineStatus);
}

void DDeviceListItem::setOnlineStatus(int online)
{
    deviceInfo.onlineStatus = online;
    onlineState = online;
    const bool autoHide = DDataManager::getInstance()->isDeviceListAutoHide();
    if (online == 0) {
        dimOverlay->setObjectName(QStringLiteral("widget"));
        dimOverlay->setStyleSheet(QStringLiteral("#widget {background-color:rgba(10, 10, 10, 100);}"));
        dimOverlay->resize(size());
        dimOverlay->show();
        dimOverlay->raise();
        ui->frame_DeviceImageBg->setStyleSheet(QString::fromLatin1(kUnselectedSheet).arg(borderColor));
        if (autoHide)
            hide();
    } else {
        dimOverlay->hide();
        if (autoHide)
            show();
    }
}

void DDeviceListItem::setSelected(bool selected)
{
    m_isSelected = selected;
    ui->frame_DeviceImageBg->setStyleSheet(
        QString::fromLatin1(selected ? kSelectedSheet : kUnselectedSheet).arg(borderColor));
}

void DDeviceListItem::applyTheme()
{
    DDataManager *dm = DDataManager::getInstance();
    const ThemeColorInfo theme = dm->getThemeColorInfo();
    borderColor = theme.TextCheckedColor;
    ui->frame->setStyleSheet(
        QStringLiteral("QFrame#frame{ background-color: rgb(%1);}").arg(theme.DeviceListAreaDefaultBgColor));
    ui->label_ProductName->setStyleSheet(
        QStringLiteral("QLabel#label_ProductName{ color: rgb(%1);}").arg(theme.TextCheckedColor));
    QFont bold = dm->getFont(0);
    bold.setPointSize(11);
    ui->label_ProductName->setFont(bold);
    ui->label_DeviceName->setStyleSheet(
        QStringLiteral("QLabel#label_DeviceName{ color: rgb(%1);}").arg(theme.TextDefaultColor));
    QFont normal = dm->getFont(1);
    normal.setPointSize(12);
    ui->label_DeviceName->setFont(normal);
    setSelected(m_isSelected);
}

QString DDeviceListItem::productText() const
{
    return ui->label_ProductName->isHidden() ? QString() : ui->label_ProductName->text();
}

QString DDeviceListItem::deviceText() const
{
    return ui->label_DeviceName->text();
}

bool DDeviceListItem::hasPicture() const
{
    return !ui->label_DeviceImage->pixmap(Qt::ReturnByValue).isNull();
}

bool DDeviceListItem::isDimmed() const
{
    return !dimOverlay->isHidden();
}

QString DDeviceListItem::imageFrameStyleSheet() const
{
    return ui->frame_DeviceImageBg->styleSheet();
}

void DDeviceListItem::press()
{
    Q_EMIT sigHidItemMouseClicked(deviceInfo);
}

void DDeviceListItem::mousePressEvent(QMouseEvent *event)
{
    // The page decides what a press on an offline card means; the press stops here.
    event->accept();
    press();
}
