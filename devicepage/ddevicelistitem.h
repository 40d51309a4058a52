#pragma once

#include "sdk/tavrixrecords.h"

#include <QSize>
#include <QString>
#include <QWidget>

namespace Ui {
class DDeviceListItem;
}

// One card of the device list: the model's picture, its product name and its
// second name followed by the connection state. It keeps a copy of the device's
// record, marks itself when its device is current, dims (and, while the list
// hides offline devices, hides) itself while the device is offline, and reports
// every mouse press with its record.
class DDeviceListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DDeviceListItem(QWidget *parent = nullptr);
    ~DDeviceListItem() override;

    void setDeviceInfo(hidStructInfoAll info);
    void setSelected(bool selected);
    void setOnlineStatus(int online);
    void applyTheme();

    hidStructInfoAll hidInfo() const { return deviceInfo; }
    int onlineStatus() const { return onlineState; }
    bool isSelected() const { return m_isSelected; }

    // What the card shows, for callers that look at it from outside.
    QString productText() const;
    QString deviceText() const;
    bool hasPicture() const;
    bool isDimmed() const;
    QString imageFrameStyleSheet() const;

    // Box the model's picture is scaled into on a card of the given size.
    static QSize pictureBox(const QString &modelName, const QSize &cardSize);
    // "(USB)", "(2.4G)" or "(OffLine)" for a record's connection and state.
    static QString connectionSuffix(const hidStructInfoAll &info);

    // A press as the mouse or an assistive tool gives it.
    void press();

Q_SIGNALS:
    void sigHidItemMouseClicked(hidStructInfoAll info);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    Ui::DDeviceListItem *ui;
    QWidget *dimOverlay = nullptr;
    int onlineState = 0;
    hidStructInfoAll deviceInfo {};
    QString borderColor;
    bool m_isSelected = false;
};
