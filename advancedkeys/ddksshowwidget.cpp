#include "advancedkeys/ddksshowwidget.h"
#include "platform/logcategories.h"

#include "app/ddatamanager.h"
#include "widgets/accessiblecontrols.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kIcon = 16;
constexpr int kBarHeight = 16;
constexpr int kRadius = 8;

bool held(int state)
{
    return state == DksAction_Hold || state == DksAction_NewHold;
}

QDebug operator<<(QDebug debug, const DDksShowWidget::Row &row)
{
    return debug.nospace() << row[0] << ", " << row[1] << ", " << row[2] << ", " << row[3];
}

}  // namespace

DDksShowWidget::DDksShowWidget(QWidget *parent) : QWidget(parent)
{
    const QStringList rgb = DDataManager::getInstance()->getThemeColorInfo().TextCheckedColor.split(QLatin1Char(','));
    m_accent = QColor(rgb.value(0).trimmed().toInt(), rgb.value(1).trimmed().toInt(), rgb.value(2).trimmed().toInt());
    m_addDef.load(QStringLiteral(":/images/DKS/addEventDef.png"));
    m_addSel.load(QStringLiteral(":/images/DKS/addEventSel.png"));
    setMouseTracking(true);
    setAccessibleName(tr("Dynamic keystroke actions"));

    // Each point of each key row reads as a cell with its action; pressing it is a
    // click on the point.
    AccessibleControls::GridSource cells;
    cells.rows = 4;
    cells.columns = 4;
    cells.name = [](int key, int point) { return QObject::tr("Key %1, point %2").arg(key + 1).arg(point + 1); };
    cells.value = [this](int key, int point) { return actionText(state(point, key)); };
    cells.rect = [this](int key, int point) { return QRect(pointX(point) - 8, rowY(key) - 8, kIcon, kIcon); };
    cells.press = [this](int key, int point) { clickPoint(key, point); };
    AccessibleControls::publishGrid(this, cells);
}

QString DDksShowWidget::actionText(int state)
{
    switch (state) {
    case DksAction_Tap: return QObject::tr("Click");
    case DksAction_Hold: return QObject::tr("Hold");
    case DksAction_NewHold: return QObject::tr("Hold, as a new press");
    default: return QObject::tr("No action");
    }
}

void DDksShowWidget::clickPoint(int key, int point)
{
    if (key < 0 || key > 3 || point < 0 || point > 3)
        return;
    const QPoint at(pointX(point), rowY(key));
    const QPoint global = mapToGlobal(at);
    QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(this, &move);
    QApplication::sendEvent(this, &press);
    QApplication::sendEvent(this, &release);
}

void DDksShowWidget::initGrid(int width, int height)
{
    m_width = width;
    m_height = height;
    m_cellW = width / 4;
    m_cellH = height / 4;
}

void DDksShowWidget::setStuInfo(SeniorKeyInfo info)
{
    m_info = info;
    m_loaded = true;
    rebuildGrid();
    update();
}

void DDksShowWidget::rebuildGrid()
{
    for (int key = 0; key < 4; ++key) {
        for (int point = 0; point < 4; ++point)
            m_grid[point][key] = m_info.dksActions[key * 4 + point];
    }
}

bool DDksShowWidget::barEdit(const Row &a, int c, Row *edited)
{
    Row t = a;
    auto set = [&](int v0, int v1, int v2) {
        t = {v0, v1, v2, a[3]};
        *edited = t;
        return true;
    };
    if (a[0] == 2 && a[1] == 2 && a[2] == 2)
        return set(0, 0, 0);
    if (a[0] == 2 && a[1] == 2 && a[2] == 3)
        return c == 2 ? set(2, 2, 0) : set(0, 0, 2);
    if (a[0] == 2 && a[1] == 3 && a[2] == 2)
        return c == 0 ? set(0, 2, 2) : set(2, 0, 0);
    if (a[0] == 2 && a[1] == 3 && a[2] == 3) {
        if (c == 0)
            return set(0, 2, 3);
        return c == 1 ? set(2, 0, 2) : set(2, 3, 0);
    }
    if (a[0] == 2 && a[1] == 2)
        return set(0, 0, a[2]);
    if (a[0] != 2 && held(a[1]) && a[2] == 2)
        return set(a[0], 0, 0);
    if (a[0] == 2 || held(a[1]) || held(a[2])) {
        // A 3 left without a bar ending at its point becomes a plain hold.
        switch (c) {
        case 0: return set(0, a[1] == 3 ? 2 : a[1], a[2]);
        case 1: return set(a[0], 0, a[2] == 3 ? 2 : a[2]);
        case 2: return set(a[0], a[1], 0);
        default: break;
        }
    }
    return false;
}

void DDksShowWidget::scanHover(int x, int y)
{
    m_hover = false;
    m_edge = false;
    for (int p = 0; p < 4 && !m_hover; ++p) {
        for (int k = 0; k < 4; ++k) {
            const int px = pointX(p);
            const int ky = rowY(k);
            if (px - 8 < x && x < px + 8 && ky - 8 < y && y < ky + 8) {
                m_hover = true;
                m_hoverPoint = p;
                m_hoverRow = k;
                m_mousePressPosX = px;
                m_mousePressPosY = ky;
                break;
            }
        }
    }
    if (m_hover && m_hoverPoint < 3 && pointX(m_hoverPoint) + 4 < x && state(m_hoverPoint, m_hoverRow) == 1) {
        m_edge = true;
        m_pointsRight = 3 - m_hoverPoint;
        m_dragX = x;
    }
    setCursor(m_edge ? Qt::SizeHorCursor : Qt::ArrowCursor);
}

void DDksShowWidget::mouseMoveEvent(QMouseEvent *event)
{
    const int x = event->pos().x();
    const int y = event->pos().y();
    Q_EMIT sigDksPageMouseMovePointXY(x, y);
    if (m_pressed && m_edge) {
        m_dragX = x;
        m_dragY = y;
        m_ghost = x > m_mousePressPosX && x > pointX(0) + m_cellW / 2;
        if (!m_dragStarted)
            startDrag();
    } else {
        scanHover(x, y);
    }
    update();
}

void DDksShowWidget::startDrag()
{
    m_dragStarted = true;
    m_pending = false;
    m_editRow = m_hoverRow;
    for (int p = 0; p < 4; ++p)
        m_OneHorizontalKeysTypeTemp[p] = state(p, m_editRow);
    m_maxCells = 1;
    for (int p = m_hoverPoint + 1; p < 4 && state(p, m_editRow) == 0; ++p)
        ++m_maxCells;
    m_lastWidth = 0;
}

void DDksShowWidget::mousePressEvent(QMouseEvent *event)
{
    // Nothing to edit before a record was handed over.
    if (!m_loaded)
        return;
    m_pressed = true;
    m_dragStarted = false;
    const int x = event->pos().x();
    const int y = event->pos().y();
    if (m_hover && !m_edge && !held(state(m_hoverPoint, m_hoverRow))) {
        int &cell = m_grid[m_hoverPoint][m_hoverRow];
        cell = cell == DksAction_Tap ? DksAction_None : DksAction_Tap;
        m_info.dksActions[m_hoverRow * 4 + m_hoverPoint] = cell;
        Q_EMIT sigTheSeniorKeyInfoStuNeedUpdate_DKS();
        update();
        return;
    }
    int row = -1;
    for (int k = 0; k < 4 && row < 0; ++k) {
        if (rowY(k) - 9 < y && y < rowY(k) + 9)
            row = k;
    }
    int column = -1;
    for (int p = 0; p < 4 && column < 0; ++p) {
        if (pointX(p) - 8 < x && x < pointX(p) + m_cellW - 8)
            column = p;
    }
    if (row < 0 || column < 0 || !held(state(column, row)))
        return;
    const Row before {state(0, row), state(1, row), state(2, row), state(3, row)};
    Row after;
    if (!barEdit(before, column, &after))
        return;
    qCDebug(lcKeys) << "[Change Befor] Line [0]:" << before;
    qCDebug(lcKeys) << "[Change After] Line [0]:" << after;
    m_OneHorizontalKeysTypeTemp = after;
    m_editRow = row;
    m_pending = true;
    update();
}

void DDksShowWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_hover = m_edge = m_pressed = m_ghost = m_dragStarted = false;
    m_mousePressPosX = m_mousePressPosY = m_dragX = m_dragY = 0;
    setCursor(Qt::ArrowCursor);
    if (m_pending && m_editRow >= 0) {
        m_pending = false;
        for (int p = 0; p < 4; ++p)
            m_info.dksActions[m_editRow * 4 + p] = m_OneHorizontalKeysTypeTemp[p];
        rebuildGrid();
        m_OneHorizontalKeysTypeTemp = {};
        Q_EMIT sigTheSeniorKeyInfoStuNeedUpdate_DKS();
    }
    update();
}

void DDksShowWidget::drawBar(QPainter &painter, int x, int y, int width, int alpha)
{
    QColor colour = m_accent;
    colour.setAlpha(alpha);
    QPainterPath path;
    path.addRoundedRect(QRectF(x - 8, y - 8, width, kBarHeight), kRadius, kRadius);
    painter.fillPath(path, colour);
}

void DDksShowWidget::followDrag(QPainter &painter)
{
    if (m_mousePressPosX > m_dragX) {
        qCDebug(lcKeys) << "m_mousePressPosX:" << m_mousePressPosX;
        return;
    }
    if (m_pointsRight <= 0 || m_cellW <= 0)
        return;
    if (m_dragX - m_mousePressPosX > m_pointsRight * m_cellW - 6)
        m_dragX = 3 * m_cellW + 14;
    const int d = m_dragX - m_mousePressPosX;
    const int longest = m_cellW * m_maxCells;
    if (m_ghost) {
        int cells = d / m_cellW + (d % m_cellW > m_cellW / 2 ? 1 : 0);
        const int ghost = d + 6 > longest ? longest : cells * m_cellW;
        drawBar(painter, m_mousePressPosX, m_mousePressPosY, ghost, 160);
    }
    const int w = qMin(d + 6, longest);
    drawBar(painter, m_mousePressPosX, m_mousePressPosY, w, 255);

    Row &t = m_OneHorizontalKeysTypeTemp;
    const int c = m_hoverPoint;
    const int half = m_cellW / 2 + 5;
    if (w == m_lastWidth)
        return;
    if (w > m_lastWidth) {
        qCDebug(lcKeys) << "[Move] Left->Right";
        if (w > 10) {
            m_pending = true;
            if (half < w && w < m_cellW) {
                if (c == 0) {
                    t[0] = 2;
                    if (t[1] == 2)
                        t[1] = 3;
                } else if (c == 1) {
                    if (t[0] == 2 || t[2] == 1 || t[2] == 2) {
                        t[1] = 3;
                        if (t[2] == 2)
                            t[2] = 3;
                    } else {
                        t[1] = 2;
                    }
                } else if (c == 2) {
                    t[2] = held(t[1]) ? 3 : 2;
                }
            } else if (m_cellW + half < w && w < 2 * m_cellW) {
                if (c == 0) {
                    t[1] = 2;
                    if (t[2] == 2)
                        t[2] = 3;
                } else if (c == 1) {
                    t[2] = 2;
                }
            } else if (w > 2 * m_cellW + half && c + 2 < 4 && t[c + 2] == 0) {
                t[c + 2] = 2;
            }
        }
    } else {
        qCDebug(lcKeys) << "[Move] Right->Left";
        if (w > 10) {
            m_pending = true;
            if (m_cellW + half < w && w < 2 * m_cellW + half) {
                if (c + 2 < 4)
                    t[c + 2] = 0;
            } else if (half < w && w < m_cellW + half) {
                t[c + 1] = 0;
            } else if (w < half) {
                t[c] = 1;
            }
        }
    }
    qCDebug(lcKeys) << "m_OneHorizontalKeysTypeTemp [0]:" << t;
    m_lastWidth = w;
}

void DDksShowWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setPen(QPen(QColor(98, 98, 98, 128), 2));
    for (int k = 0; k < 4; ++k)
        painter.drawLine(0, rowY(k), m_width - 50, rowY(k));
    for (int p = 0; p < 4; ++p)
        painter.drawLine(pointX(p), 0, pointX(p), m_height);
    for (int k = 0; k < 4; ++k) {
        for (int p = 0; p < 4; ++p)
            painter.drawPixmap(pointX(p) - 8, rowY(k) - 8, kIcon, kIcon, m_addDef);
    }
    painter.setPen(Qt::NoPen);
    if (m_pressed && m_edge)
        followDrag(painter);

    if (m_loaded) {
        for (int k = 0; k < 4; ++k) {
            for (int p = 0; p < 4; ++p) {
                const int s = state(p, k);
                if (s == 0)
                    painter.drawPixmap(pointX(p) - 8, rowY(k) - 8, kIcon, kIcon, m_addDef);
                else if (s >= 1 && s <= 3)
                    painter.drawPixmap(pointX(p) - 8, rowY(k) - 8, kIcon, kIcon, m_addSel);
            }
            for (int p = 0; p < 3; ++p) {
                if (held(state(p, k)))
                    drawBar(painter, pointX(p), rowY(k), m_cellW, 255);
            }
            const int a0 = state(0, k), a1 = state(1, k), a2 = state(2, k);
            if (a0 == 2 && a1 == 2 && a2 == 2)
                drawBar(painter, pointX(0), rowY(k), 3 * m_cellW, 255);
            else if (a0 == 2 && a1 == 2)
                drawBar(painter, pointX(0), rowY(k), 2 * m_cellW, 255);
            else if (a1 == 2 && a2 == 2)
                drawBar(painter, pointX(1), rowY(k), 2 * m_cellW, 255);
            else if (a1 == 3 && a2 == 2)
                drawBar(painter, pointX(1), rowY(k), 2 * m_cellW, 255);
        }
    }
    if (m_hover)
        painter.drawPixmap(m_mousePressPosX - 8, m_mousePressPosY - 8, kIcon, kIcon, m_addSel);
}
