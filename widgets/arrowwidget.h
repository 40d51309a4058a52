#pragma once

#include <QColor>
#include <QDialog>
#include <QPainterPath>

// Frameless, translucent, always-on-top pop-up with a rounded body and a small
// arrow pointing at the control that opened it. It hosts one content widget.
// Owners create it once, then move, show and hide it as often as they need.
// A tip (move + show) never takes the focus; a pop-up that takes input is
// opened with popUpAt() as a frameless tool window that takes the focus, stays
// open under a window manager and closes when it loses the focus (a click
// outside) or on Escape. It is not a Qt::Popup: assistive tools never see the
// controls of those, and a user must reach these. Either kind is kept inside the
// available area of its screen.
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

    // Opens the pop-up as a window that takes input until it closes, with its
    // top-left at the global point, moved onto the screen.
    // sigArrowWidgetHide follows each closing by the user (a click outside, Escape).
    void popUpAt(const QPoint &globalTopLeft);
    bool isPopupWindow() const { return m_takesInput; }
    // Top-left that puts a rectangle of `size` at `wanted` inside `area` (as far
    // as it fits; a rectangle larger than the area keeps its top-left corner in it).
    static QPoint fittedTopLeft(const QPoint &wanted, const QSize &size, const QRect &area);
    // Horizontal shift of the arrow after the pop-up was moved to stay on screen,
    // so that it still points at its control.
    int arrowShift() const { return m_arrowShift; }

    // Body and arrow outline of a pop-up of the given size.
    static QPainterPath outline(int arrowMode, const QSize &size, int arrowX);
    // x of the arrow as painted: shifted with the pop-up and kept on the body.
    int drawnArrowX() const;
    // Opaque colour from a theme text "r,g,b" or "r,g,b,a"; a fourth field is ignored.
    static QColor colorFromThemeText(const QString &text);

Q_SIGNALS:
    void sigArrowWidgetHide();
    // Escape pressed in a pop-up window, just before it closes: the user cancels.
    void sigArrowWidgetEscape();
    void sigArrowWidgetMouseEnter();
    void sigArrowWidgetMouseLeave();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

public Q_SLOTS:
    void reject() override;

private:
    void keepOnScreen();

    int m_arrowX = 50;
    int m_arrowMode = ArrowTop;
    QColor m_backgroundColor;
    bool m_popupShown = false;
    QWidget *m_content = nullptr;
    int m_arrowShift = 0;
    bool m_closingReported = true;  // the current showing's hide signal is out
    bool m_takesInput = false;      // opened by popUpAt()
};
