#pragma once

#include <QColor>
#include <QDialog>
#include <QPainterPath>

// Frameless, translucent, always-on-top pop-up with a rounded body and a small
// arrow pointing at the control that opened it. It hosts one content widget.
// Owners create it once, then move, show and hide it as often as they need;
// it hides itself when the user clicks elsewhere.
class ArrowWidget : public QDialog
{
    Q_OBJECT

public:
    enum ArrowMode
    {
        ArrowTop = 0,
        ArrowBottom = 1
    };  // any other value: no arrow

    ArrowWidget(int arrowMode, QWidget *parent = nullptr);

    void setArrowPosX(int x) { m_arrowX = x; }
    int arrowPosX() const { return m_arrowX; }
    int arrowMode() const { return m_arrowMode; }
    void setCenterWidget(QWidget *content);
    void setBackgroundColor(int r, int g, int b);
    QColor backgroundColor() const { return m_backgroundColor; }
    bool isPopupShown() const { return m_popupShown; }
    void setPopupShown(bool shown) { m_popupShown = shown; }

    // Body and arrow outline of a pop-up of the given size.
    static QPainterPath outline(int arrowMode, const QSize &size, int arrowX);
    // Opaque colour from a theme text "r,g,b" or "r,g,b,a"; a fourth field is ignored.
    static QColor colorFromThemeText(const QString &text);

Q_SIGNALS:
    void sigArrowWidgetHide();
    void sigArrowWidgetMouseEnter();
    void sigArrowWidgetMouseLeave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_arrowX = 50;
    int m_arrowMode = ArrowTop;
    QColor m_backgroundColor;
    bool m_popupShown = false;
    QWidget *m_content = nullptr;
};
