#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QLabel;
class QTimer;

// A one-line marquee: its text moves sideways by a step on every timer tick.
class TextMoveWidget : public QWidget
{
    Q_OBJECT

public:
    enum MoveStyle
    {
        MoveStyle_LeftAndRight = 0,
        MoveStyle_LeftToRight = 1,
        MoveStyle_RightToLeft = 2
    };

    explicit TextMoveWidget(QWidget *parent = nullptr);
    ~TextMoveWidget() override;

    QString text() const { return m_text; }
    int step() const { return m_step; }
    int interval() const { return m_interval; }
    int moveStyle() const { return m_moveStyle; }
    QColor foreground() const { return m_foreground; }
    QColor background() const { return m_background; }
    QPoint textPos() const { return QPoint(m_x, m_y); }

public Q_SLOTS:
    void updatePos();
    void setText(QString text);
    void setTextFont(QString textFont, int textFontSize);
    void setStep(int step);
    void setInterval(int interval);
    void setMouseHoverStop(bool mouseHoverStop);
    void setForeground(QColor foreground);
    void setBackground(QColor background);
    void setMoveStyle(TextMoveWidget::MoveStyle moveStyle);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void setUnderline(bool on);
    void applyLabelSheet();

    QString m_text = QStringLiteral("0123456789");
    int m_step = 2;
    int m_interval = 20;
    bool m_mouseHoverStop = false;
    QColor m_foreground {200, 80, 0, 255};
    QColor m_background {30, 30, 30, 0};
    int m_moveStyle = MoveStyle_LeftAndRight;
    bool m_hovered = false;
    bool m_movingRight = true;
    int m_x = 0;
    int m_y = 0;
    QLabel *m_label = nullptr;
    QTimer *m_timer = nullptr;
};
