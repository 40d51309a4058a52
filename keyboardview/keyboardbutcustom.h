#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QToolButton>
#include <QVector>

class QPainter;

// One key of the keyboard picture. It draws nothing but state markings over the
// keyboard image beneath it: hover, the key chosen by a click, an assigned
// function, a key that cannot be chosen, the key's light colour and the
// trigger-setting view. The states are independent flags; paintEvent decides
// which one shows. Callers (key layer, pages, light engine) set the flags.
class keyboardButCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit keyboardButCustom(QWidget *parent = nullptr);
    ~keyboardButCustom() override;

    void setKeySize(int w, int h);
    int keyWidth() const { return m_keyWidth; }
    int keyHeight() const { return m_keyHeight; }
    void setKeyPosition(int x, int y);
    QPoint keyPosition() const { return m_positionPoint; }
    void setKeyInfo(int code, const QString &caption);
    int keyDec() const { return m_keyCode; }
    QString keyCharacter() const { return m_caption; }
    void setMatrixPosition(int row, int column);
    int keyRow() const { return m_row; }
    int keyColumn() const { return m_column; }

    // The L-shaped Enter key: an upper rectangle the key's full width and dy high,
    // and a lower one from (dx, dy) to the key's bottom right.
    void setSpecialEnter(bool special);
    bool isSpecialEnter() const { return m_specialEnter; }
    void setSpecialEnterShape(int shape);
    void setEnterShape(int shape) { setSpecialEnterShape(shape); }
    void setSpecialEnterOffset(int dx, int dy);
    QPoint specialEnterOffset() const { return QPoint(m_enterDx, m_enterDy); }
    QSize lowerEnterSize() const { return QSize(m_lowerWidth, m_lowerHeight); }

    // Selected fill and border from selectedColor; hover, assigned and mark
    // colours from themeColor. Fills always at alpha 50.
    void setThemeColors(const QColor &selectedColor, const QColor &themeColor);
    void setAssignedFillColor(const QColor &color);
    void setAssignedBorderColor(const QColor &color);
    void setAssigned(bool assigned);
    bool isAssigned() const { return m_assigned; }

    // The key chosen by a click. (Also reachable as setChosen.)
    void setSelected(bool selected, bool repaint);
    void setChosen(bool chosen, bool repaint) { setSelected(chosen, repaint); }
    bool isChosen() const { return m_selected; }
    // The hover mark, the one the pointer entering the key sets. (setSelected with
    // one argument is the same mark.)
    void setHovered(bool hovered);
    void setSelected(bool hovered) { setHovered(hovered); }
    bool isHovered() const { return m_hovered; }
    void setDragSelected(bool selected);
    bool isDragSelected() const { return m_dragSelected; }
    void setSelectable(bool selectable) { m_selectable = selectable; }
    bool isSelectable() const { return m_selectable; }

    void setShowSelected(bool show) { m_showSelected = show; }
    bool showSelected() const { return m_showSelected; }
    void setLightPreview(bool on) { m_lightPreview = on; }
    bool isLightPreview() const { return m_lightPreview; }
    void setTriggerView(bool on);
    bool isTriggerView() const { return m_triggerView; }
    void setShowKeyColor(bool show) { m_showKeyColor = show; }
    bool showKeyColor() const { return m_showKeyColor; }
    void setKeyColor(const QColor &color);
    // The same without scheduling a repaint: for callers that repaint many keys at once.
    void setKeyColorQuietly(const QColor &color);
    QColor keyColor() const { return m_keyColor; }
    void setCustomLightColor(const QColor &color) { m_customLightColor = color; }
    QColor customLightColor() const { return m_customLightColor; }
    void refreshView(int) { update(); }

    // Colours the painting uses, for callers and checks.
    QColor hoverFill() const { return m_hoverFill; }
    QColor selectedFill() const { return m_selectedFill; }
    QColor assignedFill() const { return m_assignedFill; }
    QColor markColor() const { return m_markColor; }

    // Knob and roller pseudo keys: they carry no LED.
    static bool isRotaryCode(int code);

Q_SIGNALS:
    void sigCustomButMouseEnter();
    void sigCustomButMouseLeave();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void paintTriggerView(QPainter &p);
    void paintLightPreview(QPainter &p);
    void paintNormal(QPainter &p);
    void drawOutline(QPainter &p, const QColor &fill, const QColor &border);
    void drawRectOutline(QPainter &p, const QColor &fill, const QColor &border);
    void drawTintedOutline(QPainter &p, const QColor &colour);
    void buildOutlineMask();
    void drawEnterOutline(QPainter &p, const QColor &fill, const QColor &border);
    void updateEnterMask();
    static QColor withFillAlpha(QColor color);

    bool m_hovered = false;
    bool m_dragSelected = false;
    int m_keyWidth = 34;
    int m_keyHeight = 38;
    // The light preview's key shape: per pixel an index into the distinct pairs of face and
    // outline cover (face << 8 | outline), and the tinted image it is painted from.
    QVector<quint16> m_pixelPair;
    QVector<quint16> m_coverPairs;
    QSize m_maskKeySize;
    QImage m_tinted;
    bool m_assigned = false;
    bool m_selected = false;
    int m_posX = 0;
    int m_posY = 0;
    int m_row = 0;
    int m_column = 0;
    int m_keyCode = 0;
    QString m_caption;
    QPoint m_positionPoint;
    bool m_selectable = true;
    int m_enterShape = 0;
    bool m_specialEnter = false;
    int m_enterDx = 0;
    int m_enterDy = 0;
    int m_lowerWidth = 0;
    int m_lowerHeight = 0;
    QColor m_workingFill {0, 0, 0, 0};
    QColor m_workingBorder {0, 0, 0, 0};
    bool m_showSelected = true;
    bool m_lightPreview = false;
    bool m_showKeyColor = false;
    QColor m_hoverFill {255, 49, 53, 50};
    QColor m_hoverBorder {255, 49, 53, 255};
    QColor m_selectedFill {255, 128, 0, 50};
    QColor m_selectedBorder {255, 128, 0, 255};
    QColor m_assignedFill {255, 49, 53, 50};
    QColor m_assignedBorder {255, 49, 53, 255};
    QColor m_keyColor {0, 0, 0, 0};
    QColor m_markColor {255, 49, 53, 255};
    QColor m_customLightColor;
    bool m_triggerView = false;
};
