#pragma once

#include "advancedkeys/seniorkeyinfo.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <array>

// The action grid of a dynamic-keystroke key: four key rows by four travel points. A click on
// a point toggles a tap, dragging the right edge of a tap stretches it into a held bar, and a
// click on a bar removes it. The grid edits its own copy of the record and reports every
// finished edit; the owner stores the record.
class DDksShowWidget : public QWidget
{
    Q_OBJECT

public:
    using Row = std::array<int, 4>;

    explicit DDksShowWidget(QWidget *parent = nullptr);

    void initGrid(int width, int height);
    void setStuInfo(SeniorKeyInfo info);
    SeniorKeyInfo getStuInfo() const { return m_info; }

    // Geometry of point p of row k, for the owner's tests and tools.
    int pointX(int point) const { return 20 + point * m_cellW; }
    int rowY(int row) const { return 15 + row * m_cellH; }
    int cellWidth() const { return m_cellW; }
    bool isHovering() const { return m_hover; }
    bool isOnDragHandle() const { return m_edge; }

    // The row a click on the bar starting at or running through column c leaves, or false
    // when the row matches no edit (states the grid never makes itself).
    static bool barEdit(const Row &row, int column, Row *edited);

    // What a click on point p of key row k does (the accessible press of that cell).
    void clickPoint(int key, int point);
    // The spoken name of a cell's action state.
    static QString actionText(int state);

Q_SIGNALS:
    void sigDksPageMouseMovePointXY(int posX, int posY);
    void sigTheSeniorKeyInfoStuNeedUpdate_DKS();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int state(int point, int row) const { return m_grid[point][row]; }
    void rebuildGrid();
    void scanHover(int x, int y);
    void startDrag();
    void followDrag(QPainter &painter);
    void drawBar(QPainter &painter, int x, int y, int width, int alpha);

    SeniorKeyInfo m_info;
    bool m_loaded = false;
    int m_grid[4][4] = {};  // [point][key]
    Row m_OneHorizontalKeysTypeTemp {};
    bool m_pending = false;
    int m_editRow = -1;

    int m_width = 0;
    int m_height = 0;
    int m_cellW = 0;
    int m_cellH = 0;

    bool m_hover = false;
    int m_hoverPoint = -1;
    int m_hoverRow = -1;
    bool m_edge = false;

    bool m_pressed = false;
    int m_mousePressPosX = 0;
    int m_mousePressPosY = 0;
    int m_dragX = 0;
    int m_dragY = 0;
    bool m_dragStarted = false;
    int m_pointsRight = 0;
    int m_maxCells = 0;
    int m_lastWidth = 0;
    bool m_ghost = false;

    QColor m_accent;
    QPixmap m_addDef;
    QPixmap m_addSel;
};
