#include "keyboardview/keyboardimageframeitem.h"

#include "app/ddatamanager.h"
#include "keyboardview/keyboardpicturetable.h"
#include "sdk/tavrixrecords.h"
#include "ui_keyboardimageframeitem.h"

#include <QFileInfo>

keyboardImageFrameItem::keyboardImageFrameItem(QWidget *parent) : QWidget(parent), ui(new Ui::keyboardImageFrameItem)
{
    ui->setupUi(this);
}

keyboardImageFrameItem::~keyboardImageFrameItem()
{
    delete ui;
}

QString keyboardImageFrameItem::picturePathFor(const QString &modelName, int variant)
{
    return DDataManager::getAppDirPath() + QStringLiteral("/images/hidImages/")
        + KeyboardPictureTable::pictureFileName(modelName, variant);
}

void keyboardImageFrameItem::setDevice(const HidDeviceInfoStu &device)
{
    setModel(QString::fromLatin1(device.modelName, int(tavrixTextLength(device.modelName))));
}

void keyboardImageFrameItem::setModel(const QString &modelName)
{
    m_modelName = modelName;
    showPicture(-1);
}

void keyboardImageFrameItem::setPictureVariant(int variant)
{
    showPicture(variant);
}

void keyboardImageFrameItem::showPicture(int variant)
{
    const QString path = picturePathFor(m_modelName, variant);
    if (!QFileInfo(path).isFile()) {
        m_picturePath.clear();
        ui->frame->setStyleSheet(QString());
        return;
    }
    m_picturePath = path;
    // Quoted, so a folder name with spaces or brackets still reads as one URL.
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{border-image: url(\"%1\");}").arg(path));
}
