#pragma once

#include "widgets/cbnoticeinterface.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>

class QGraphicsOpacityEffect;
class QPropertyAnimation;

// A toast: one line of text in a rounded box, fully visible for the hold time,
// then fading out over the fade time. A new message replaces the one on show.
// A click hides the box at once; the press still reaches the owner unless it
// falls on the box's leftmost pixels.
class CbNotice : public QWidget, public CbNoticeInterface
{
    Q_OBJECT

public:
    explicit CbNotice(QWidget *parent = nullptr);
    ~CbNotice() override;

    void showAgain() override;
    void showMessage(const QString &text) override;
    void showMessageAt(const QString &text, const QPoint &centre) override;

    void setTextPixelSize(int px);
    void setBackgroundColor(const QColor &color);
    void setTextColor(QColor color);
    void setTextFont(QFont font);

    // Timing and box height; the defaults are what every owner uses.
    void setHoldTime(int ms) { m_holdTime = ms; }
    void setFadeTime(int ms) { m_fadeTime = ms; }
    void setBoxHeight(int px) { m_boxHeight = px; }
    int holdTime() const { return m_holdTime; }
    int fadeTime() const { return m_fadeTime; }
    int boxHeight() const { return m_boxHeight; }
    QPoint anchor() const { return m_anchor; }
    QString text() const { return m_text; }
    QColor textColor() const { return m_textColor; }
    QColor backgroundColor() const { return m_backgroundColor; }
    // Corner radius the box is painted with for a given box height.
    static int cornerRadius(int boxHeight);

Q_SIGNALS:
    void sigFinished();

public Q_SLOTS:
    void onActiveHideAnimation();
    void onHideAnimationFinish();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    enum class SizeRule
    {
        Fix,
        ResizeOnly
    };
    void showAt(const QPoint &centre, SizeRule rule);
    void startShowAnimation();

    int m_boxHeight = 40;
    int m_holdTime = 1300;
    int m_fadeTime = 1000;
    QColor m_textColor {255, 143, 31, 255};
    QColor m_backgroundColor {52, 52, 85, 200};
    QPoint m_anchor;
    QString m_text;
    QPropertyAnimation *m_opacityAnimation = nullptr;
    QGraphicsOpacityEffect *m_opacityEffect = nullptr;
};
