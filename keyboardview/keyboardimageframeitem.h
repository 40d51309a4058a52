#pragma once

#include <QWidget>

struct HidDeviceInfoStu;
namespace Ui {
class keyboardImageFrameItem;
}

// The picture layer of the keyboard picture: the model's keyboard picture,
// stretched over the layer less a 10-pixel margin (the same margin the key
// layer adds to every key). The pictures lie beside the executable under
// images/hidImages/.
class keyboardImageFrameItem : public QWidget
{
    Q_OBJECT

public:
    explicit keyboardImageFrameItem(QWidget *parent = nullptr);
    ~keyboardImageFrameItem() override;

    // Shows the picture of the model named in the device record.
    void setDevice(const HidDeviceInfoStu &device);
    void setModel(const QString &modelName);
    QString modelName() const { return m_modelName; }
    // Variants 0, 1 and 2 show "Keyboard_<model>_<n>.png"; any other value the plain picture.
    void setPictureVariant(int variant);
    // Path of the picture now shown; empty when its file is missing.
    QString picturePath() const { return m_picturePath; }

    static QString picturePathFor(const QString &modelName, int variant);

private:
    void showPicture(int variant);

    Ui::keyboardImageFrameItem *ui;
    QString m_modelName;
    QString m_picturePath;
};
