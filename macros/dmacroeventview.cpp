#include "macros/dmacroeventview.h"

#include "app/ddatamanager.h"
#include "macros/macroeventmodel.h"
#include "macros/paintedlistview.h"
#include "widgets/accessiblecontrols.h"
#include "widgets/arrowwidget.h"

#include <QCursor>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

// Where a row's parts stand, from its left edge, as the rows were laid out before
// they were painted: the delay right-aligned in its column, a line, the two pictures
// and the caption; the delete button at the right.
constexpr int kDelayLeft = 12;
constexpr int kDelayWidth = 75;
constexpr int kColumnLine = 96;
constexpr int kKindLeft = 106;
constexpr int kKindWidth = 18;
constexpr int kStateLeft = 146;
constexpr int kStateWidth = 16;
constexpr int kCaptionLeft = 172;
constexpr int kPictureTop = 11;
constexpr int kPictureHeight = 23;
constexpr int kDeleteSize = 18;
constexpr int kDeleteRightGap = 12;
constexpr int kCaptionGap = 10;

}  // namespace

// Paints a row as the list shows it: background by look, a line below, the delay, its
// column line, the two pictures, the caption and, under the pointer, the delete button.
class MacroEventDelegate : public QStyledItemDelegate
{
public:
    explicit MacroEventDelegate(DMacroEventView *view) : QStyledItemDelegate(view), m_view(view) { }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return QSize(option.rect.width(), DMacroEventView::kRowHeight);
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const DMacroEventView::Look &look = m_view->m_look;
        const QRect r = option.rect;
        const int row = index.row();
        const bool selected = m_view->isShownSelected(row);
        const bool lit = selected || m_view->isShownHighlighted(row);
        const qreal ratio = painter->device()->devicePixelRatioF();
        painter->save();
        painter->fillRect(r, lit ? look.selectedBackground : look.background);
        painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), look.border);
        // Parts are placed left to right and turned over in a right-to-left layout.
        auto place = [&](const QRect &part) { return QStyle::visualRect(option.direction, r, part); };
        // Texts run in their own direction, as a label's do: "35 MS" stays so in any layout.
        auto align = [&](Qt::Alignment a, const QString &text) {
            return int(QStyle::visualAlignment(option.direction, a))
                | (text.isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
        };
        painter->fillRect(place(QRect(r.left() + kColumnLine, r.top(), 1, r.height() - 1)), look.border);

        painter->setFont(look.font);
        painter->setPen(selected ? look.selectedText : look.text);
        const QFontMetrics metrics(look.font);
        const QRect delay = place(QRect(r.left() + kDelayLeft, r.top(), kDelayWidth, r.height() - 1));
        const QString delayText
            = metrics.elidedText(index.data(MacroEventModel::DelayTextRole).toString(), Qt::ElideRight, delay.width());
        painter->drawText(delay, align(Qt::AlignRight | Qt::AlignVCenter, delayText), delayText);
        const QRect deleteButton = m_view->viewportDeleteRect(r);
        const QRect caption
            = place(QRect(r.left() + kCaptionLeft, r.top(),
                          r.width() - kDeleteRightGap - kDeleteSize - kCaptionGap - kCaptionLeft, r.height() - 1));
        const QString captionText
            = metrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, caption.width());
        painter->drawText(caption, align(Qt::AlignLeft | Qt::AlignVCenter, captionText), captionText);

        const QRect kind = place(QRect(r.left() + kKindLeft, r.top() + kPictureTop, kKindWidth, kPictureHeight));
        painter->drawPixmap(kind.topLeft(),
                            picture(index.data(MacroEventModel::KindPictureRole).toString(), kind.size(), ratio));
        const QRect state = place(QRect(r.left() + kStateLeft, r.top() + kPictureTop, kStateWidth, kPictureHeight));
        painter->drawPixmap(state.topLeft(),
                            picture(index.data(MacroEventModel::StatePictureRole).toString(), state.size(), ratio));
        if (row == m_view->m_hoverRow) {
            const bool on = m_view->m_hoverOnButton || m_view->m_pressedButtonRow == row;
            painter->drawPixmap(deleteButton.topLeft(),
                                picture(on ? QStringLiteral(":/images/macro/deleteSel.png")
                                           : QStringLiteral(":/images/macro/deleteDef.png"),
                                        deleteButton.size(), ratio));
        }
        painter->restore();
    }

private:
    // A picture stretched over its place as the border image of a button is; made once per
    // picture, place and screen scale.
    const QPixmap &picture(const QString &path, const QSize &size, qreal ratio) const
    {
        const QString key = QStringLiteral("%1@%2x%3@%4").arg(path).arg(size.width()).arg(size.height()).arg(ratio);
        auto found = m_pictures.find(key);
        if (found == m_pictures.end()) {
            QPixmap pixmap = QPixmap(path).scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            pixmap.setDevicePixelRatio(ratio);
            found = m_pictures.insert(key, pixmap);
        }
        return *found;
    }

    DMacroEventView *m_view;
    mutable QHash<QString, QPixmap> m_pictures;
};

DMacroEventView::DMacroEventView(MacroEventModel *model, QWidget *parent) : QListView(parent), m_model(model)
{
    PaintedListView::setUp(this, QStringLiteral("listView_Events"), kRowHeight);
    setModel(m_model);
    setItemDelegate(new MacroEventDelegate(this));

    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    m_look.border = ArrowWidget::colorFromThemeText(theme.MacroBorderColor);
    m_look.background = ArrowWidget::colorFromThemeText(theme.MacroCenterBgColor);
    m_look.selectedBackground = ArrowWidget::colorFromThemeText(theme.MacroListItemSelectedColor);
    m_look.text = ArrowWidget::colorFromThemeText(theme.MacroListItemTextColor);
    m_look.selectedText = ArrowWidget::colorFromThemeText(theme.TextCheckedColor);
    m_look.font = QFont(theme.TextFont);
    m_look.font.setPointSize(10);
    // "75" in a style sheet's font rule reads as a CSS weight: the texts show in normal weight.
    m_look.font.setWeight(QFont::Normal);

    // Rows that move, come or go take the hover and the pressed button with them; the
    // pointer tells again which row is under it.
    auto changed = [this] {
        m_pressedButtonRow = -1;
        followPointer();
        publishRows();
    };
    connect(m_model, &QAbstractItemModel::modelReset, this, changed);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, changed);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(m_model, &QAbstractItemModel::rowsMoved, this, [this, changed] {
        changed();
        AccessibleControls::childrenReordered(this);
    });
    publishRows();
}

void DMacroEventView::setSelectionLook(const QString &mark, const QString &operateExplain)
{
    m_selectedMark = mark;
    m_selectedState = operateExplain;
    viewport()->update();
}

void DMacroEventView::clearSelectionLook()
{
    setSelectionLook(QString(), QString());
    m_current = QPersistentModelIndex();
}

bool DMacroEventView::isShownSelected(int row) const
{
    if (m_selectedMark.isNull() || row < 0 || row >= m_model->count())
        return false;
    const MacroEventModel::Event &e = m_model->at(row);
    return e.mark == m_selectedMark && e.operateExplain == m_selectedState;
}

bool DMacroEventView::isShownHighlighted(int row) const
{
    if (m_selectedMark.isNull() || row < 0 || row >= m_model->count())
        return false;
    const MacroEventModel::Event &e = m_model->at(row);
    return e.mark == m_selectedMark && e.operateExplain != m_selectedState;
}

void DMacroEventView::setCurrentEventRow(int row)
{
    m_current
        = row >= 0 && row < m_model->count() ? QPersistentModelIndex(m_model->index(row)) : QPersistentModelIndex();
}

QRect DMacroEventView::rowRect(int row) const
{
    const QRect r = visualRect(m_model->index(row));
    return r.isValid() ? r.translated(viewport()->pos()) : QRect();
}

QRect DMacroEventView::viewportDeleteRect(const QRect &row) const
{
    const QRect ltr(row.right() + 1 - kDeleteRightGap - kDeleteSize,
                    row.top() + kPictureTop + (kPictureHeight - kDeleteSize) / 2, kDeleteSize, kDeleteSize);
    return QStyle::visualRect(layoutDirection(), row, ltr);
}

QRect DMacroEventView::deleteButtonRect(int row) const
{
    const QRect r = visualRect(m_model->index(row));
    return r.isValid() ? viewportDeleteRect(r).translated(viewport()->pos()) : QRect();
}

void DMacroEventView::pressAt(QMouseEvent *event)
{
    event->accept();
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid())
        return;
    // The delete button shows under the pointer and takes the left button's clicks.
    if (event->button() == Qt::LeftButton && viewportDeleteRect(visualRect(index)).contains(event->pos())) {
        m_pressedButtonRow = index.row();
        setHover(index.row(), true);
        update(index);
        return;
    }
    // The editor may change the rows at once: nothing of this view's state is used after.
    Q_EMIT sigEventClicked(index.row());
}

void DMacroEventView::mousePressEvent(QMouseEvent *event)
{
    pressAt(event);
}

void DMacroEventView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click selects again, as a press does. On the delete
    // button it does nothing: the first click's delete moved another event under it.
    const QModelIndex index = indexAt(event->pos());
    if (event->button() == Qt::LeftButton && index.isValid()
        && viewportDeleteRect(visualRect(index)).contains(event->pos())) {
        event->accept();
        return;
    }
    pressAt(event);
}

void DMacroEventView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const int row = m_pressedButtonRow;
    if (row < 0 || event->button() != Qt::LeftButton)
        return;
    m_pressedButtonRow = -1;
    update(m_model->index(row));
    // A button clicks when the press and the release are both on it.
    if (viewportDeleteRect(visualRect(m_model->index(row))).contains(event->pos()))
        Q_EMIT sigDeleteEvent(row);
}

void DMacroEventView::mouseMoveEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    setHover(index.isValid() ? index.row() : -1,
             index.isValid() && viewportDeleteRect(visualRect(index)).contains(event->pos()));
    event->accept();
}

void DMacroEventView::leaveEvent(QEvent *event)
{
    setHover(-1, false);
    QListView::leaveEvent(event);
}

void DMacroEventView::setHover(int row, bool onButton)
{
    if (row == m_hoverRow && onButton == m_hoverOnButton)
        return;
    const int before = m_hoverRow;
    m_hoverRow = row;
    m_hoverOnButton = onButton;
    for (int changed : {before, row})
        if (changed >= 0)
            update(m_model->index(changed));
}

void DMacroEventView::followPointer()
{
    m_hoverRow = -1;
    m_hoverOnButton = false;
    if (!underMouse())
        return;
    const QPoint pos = viewport()->mapFromGlobal(QCursor::pos());
    const QModelIndex index = indexAt(pos);
    setHover(index.isValid() ? index.row() : -1,
             index.isValid() && viewportDeleteRect(visualRect(index)).contains(pos));
}

void DMacroEventView::publishRows()
{
    AccessibleControls::GridSource rows;
    rows.rows = m_model->count();
    rows.columns = 1;
    rows.role = QAccessible::List;
    rows.cellRole = QAccessible::ListItem;
    rows.name = [this](int row, int) { return m_model->data(m_model->index(row), Qt::DisplayRole).toString(); };
    rows.description = [this](int row, int) {
        return row < m_model->count() ? MacroEventModel::description(m_model->at(row)) : QString();
    };
    rows.rect = [this](int row, int) { return rowRect(row); };
    // Assistive tools select an event as a click on its row does.
    rows.press = [this](int row, int) { Q_EMIT sigEventClicked(row); };
    rows.selected = [this](int row, int) { return row == currentEventRow(); };
    // The delete button shows only under the pointer; tools reach it as the row's action.
    rows.extraActionName = QObject::tr("Delete");
    rows.extraAction = [this](int row, int) { Q_EMIT sigDeleteEvent(row); };
    AccessibleControls::publishGrid(this, rows);
}
