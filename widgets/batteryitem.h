#pragma once

#include <QColor>
#include <QLabel>

// A 29 x 15 pixel battery gauge with its percentage.
class BatteryItem : public QLabel
{
    Q_OBJECT

public:
    explicit BatteryItem(QWidget *parent = nullptr);

    void setValue(int percent);
    void setShowText(bool show) { m_showText = show; }

    int value() const { return m_percentage; }
    int fillWidth() const { return m_fillWidth; }
    QColor fillColor() const { return m_fillColor; }
    bool showText() const { return m_showText; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_fillWidth = 0;
    QColor m_fillColor {100, 100, 100, 255};
    int m_percentage = 0;
    bool m_showText = true;
};
