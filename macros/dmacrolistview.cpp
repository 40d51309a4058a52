#include "macros/dmacrolistview.h"

#include "app/ddatamanager.h"
#include "macros/macrolistmodel.h"
#include "macros/macromenutoolwidget.h"
#include "macros/macrosheet.h"
#include "macros/paintedlistview.h"
#include "sdk/tavrixxml.h"
#include "widgets/accessiblecontrols.h"
#include "widgets/arrowwidget.h"

#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace {

constexpr int kTextLeft = 10;
// The dots are stretched over the button as a border image would be.
constexpr QSize kButtonSize(30, 35);

// The menu button's picture, stretched over the button from its own size as the
// border image of a button is.
QPixmap buttonPixmap(const QString &path, qreal ratio)
{
    QPixmap pixmap = QPixmap(path).scaled(kButtonSize * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

}  // namespace

// Paints a row as the list shows it: background by state, a line below, the name, and
// the menu button's dots.
class MacroRowDelegate : public QStyledItemDelegate
{
public:
    explicit MacroRowDelegate(DMacroListView *view) : QStyledItemDelegate(view), m_view(view) { }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return QSize(option.rect.width(), DMacroListView::kRowHeight);
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const DMacroListView::Look &look = m_view->m_look;
        const QRect r = option.rect;
        const int row = index.row();
        painter->save();
        if (row == m_view->m_selectedRow)
            painter->fillRect(r, look.selected);
        else if (row == m_view->m_hoverRow)
            painter->fillRect(r, look.hover);
        painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), look.border);
        if (row != m_view->renamingRow()) {
            const QRect button = m_view->viewportButtonRect(r);
            const QRect text = textRect(r);
            painter->setFont(look.font);
            painter->setPen(look.text);
            const QString name = index.data(Qt::DisplayRole).toString();
            painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                              QFontMetrics(look.font).elidedText(name, Qt::ElideRight, text.width()));
            const bool lit
                = row == m_view->m_pressedButtonRow || (row == m_view->m_hoverRow && m_view->m_hoverOnButton);
            painter->drawPixmap(button.topLeft(), dots(lit, painter->device()->devicePixelRatioF()));
        }
        painter->restore();
    }

    // A name cut to fit is shown whole as the row's tip.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString name = index.data(Qt::DisplayRole).toString();
        if (QFontMetrics(m_view->m_look.font).horizontalAdvance(name) > textRect(option.rect).width())
            QToolTip::showText(event->globalPos(), name, view->viewport(), option.rect);
        else
            QToolTip::hideText();
        return true;
    }

private:
    // The name between the row's reading start and the button, mirrored in a
    // right-to-left language as the button is.
    QRect textRect(const QRect &row) const
    {
        const QRect logical(row.left() + kTextLeft, row.top(), row.width() - kButtonSize.width() - kTextLeft,
                            row.height() - 1);
        return QStyle::visualRect(m_view->layoutDirection(), row, logical);
    }

    const QPixmap &dots(bool lit, qreal ratio) const
    {
        QPixmap &pixmap = lit ? m_lit : m_plain;
        if (pixmap.isNull() || !qFuzzyCompare(pixmap.devicePixelRatio(), ratio))
            pixmap = buttonPixmap(lit ? QStringLiteral(":/images/publicIco/dianSel.png")
                                      : QStringLiteral(":/images/publicIco/dianDef.png"),
                                  ratio);
        return pixmap;
    }

    DMacroListView *m_view;
    mutable QPixmap m_plain;
    mutable QPixmap m_lit;
};

DMacroListView::DMacroListView(QWidget *parent) : QListView(parent), m_model(new MacroListModel(this))
{
    PaintedListView::setUp(this, QStringLiteral("listView_Macros"), kRowHeight);
    setModel(m_model);
    setItemDelegate(new MacroRowDelegate(this));

    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    m_look.border = ArrowWidget::colorFromThemeText(theme.MacroBorderColor);
    m_look.selected = ArrowWidget::colorFromThemeText(theme.MacroListItemSelectedColor);
    m_look.hover = ArrowWidget::colorFromThemeText(theme.MacroListItemHoverColor);
    m_look.text = ArrowWidget::colorFromThemeText(theme.MacroListItemTextColor);
    m_look.font = QFont(theme.TextFont);
    m_look.font.setPointSize(10);
    // "75" in a style sheet's font rule reads as a CSS weight: the names show in normal weight.
    m_look.font.setWeight(QFont::Normal);
    publishRows();
}

void DMacroListView::setMacros(const QList<MacroNode> &nodes)
{
    m_selectedRow = -1;
    m_hoverRow = -1;
    m_pressedButtonRow = -1;
    m_model->setMacros(nodes);
    publishRows();
}

void DMacroListView::clearMacros()
{
    setMacros({});
}

void DMacroListView::removeMacro(const QString &macroIndex)
{
    const int row = rowOfMacro(macroIndex);
    if (row < 0)
        return;
    if (row == renamingRow())
        cancelRename();
    if (m_popup)
        m_popup->hide();
    m_selectedRow = m_selectedRow == row ? -1 : (m_selectedRow > row ? m_selectedRow - 1 : m_selectedRow);
    m_hoverRow = -1;
    m_pressedButtonRow = -1;
    m_model->removeAt(row);
    publishRows();
}

int DMacroListView::macroCount() const
{
    return m_model->rowCount();
}

QString DMacroListView::macroIndexAt(int row) const
{
    return m_model->indexAt(row);
}

QString DMacroListView::macroNameAt(int row) const
{
    return m_model->nameAt(row);
}

int DMacroListView::rowOfMacro(const QString &macroIndex) const
{
    return m_model->rowOfIndex(macroIndex);
}

void DMacroListView::setSelectedRow(int row)
{
    if (row == m_selectedRow)
        return;
    const int before = m_selectedRow;
    m_selectedRow = row;
    for (int changed : {before, row})
        if (changed >= 0)
            update(m_model->index(changed));
}

QRect DMacroListView::rowRect(int row) const
{
    const QRect r = visualRect(m_model->index(row));
    return r.isValid() ? r.translated(viewport()->pos()) : QRect();
}

QRect DMacroListView::viewportButtonRect(const QRect &row) const
{
    // At the row's reading end: the right, or the left in a right-to-left language.
    const QRect logical(
        QPoint(row.right() + 1 - kButtonSize.width(), row.top() + (row.height() - 1 - kButtonSize.height()) / 2),
        kButtonSize);
    return QStyle::visualRect(layoutDirection(), row, logical);
}

QRect DMacroListView::menuButtonRect(int row) const
{
    const QRect r = visualRect(m_model->index(row));
    return r.isValid() ? viewportButtonRect(r).translated(viewport()->pos()) : QRect();
}

void DMacroListView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid())
        return;
    if (viewportButtonRect(visualRect(index)).contains(event->pos())) {
        m_pressedButtonRow = index.row();
        update(index);
        return;
    }
    Q_EMIT sigMacroItemMouseClicked(macroIndexAt(index.row()), macroNameAt(index.row()));
}

void DMacroListView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const int row = m_pressedButtonRow;
    if (row < 0)
        return;
    m_pressedButtonRow = -1;
    update(m_model->index(row));
    // A button clicks when the press and the release are both on it.
    if (viewportButtonRect(visualRect(m_model->index(row))).contains(event->pos()))
        openMenu(row);
}

void DMacroListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid())
        return;
    if (viewportButtonRect(visualRect(index)).contains(event->pos())) {
        m_pressedButtonRow = index.row();  // the second click of the button
        return;
    }
    startRename(index.row());
}

void DMacroListView::mouseMoveEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->pos());
    setHover(index.isValid() ? index.row() : -1,
             index.isValid() && viewportButtonRect(visualRect(index)).contains(event->pos()));
    event->accept();
}

void DMacroListView::leaveEvent(QEvent *event)
{
    setHover(-1, false);
    QListView::leaveEvent(event);
}

void DMacroListView::setHover(int row, bool onButton)
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

void DMacroListView::openMenu(int row)
{
    if (row < 0 || row >= macroCount())
        return;
    const QString index = macroIndexAt(row);
    const QString name = macroNameAt(row);
    auto *menu = new macroMenuToolWidget(this);
    connect(menu, &macroMenuToolWidget::sigCloseMenuWidow, this, [this] {
        if (m_popup)
            m_popup->hide();
    });
    connect(menu, &macroMenuToolWidget::sigMacroExport, this,
            [this, index, name] { Q_EMIT sigExportMacroChildList(index, name); });
    connect(menu, &macroMenuToolWidget::sigMacroDelete, this,
            [this, index, name] { Q_EMIT sigDeleteMacro(index, name); });
    connect(menu, &macroMenuToolWidget::sigMacroModifyName, this, [this, index] { startRename(rowOfMacro(index)); });

    // One menu at a time: the frame of an earlier opening goes.
    if (m_popup)
        m_popup->deleteLater();
    m_popup = new ArrowWidget(ArrowWidget::ArrowTop, this);
    m_popup->setFixedSize(160, 130);
    m_popup->setArrowPosX(73);
    m_popup->setCenterWidget(menu);
    const QRect button = menuButtonRect(row);
    const QPoint anchor = mapToGlobal(QPoint(button.left() + button.width() / 2, button.bottom() + 1 - 6));
    m_popup->popUpAt(anchor - QPoint(80, 20));
}

ArrowWidget *DMacroListView::popupFrame() const
{
    return m_popup;
}

int DMacroListView::renamingRow() const
{
    return m_nameEditor && m_renaming.isValid() ? m_renaming.row() : -1;
}

QLineEdit *DMacroListView::nameField() const
{
    return m_nameEditor ? m_nameEditor->findChild<QLineEdit *>(QStringLiteral("lineEdit_MacroName")) : nullptr;
}

QWidget *DMacroListView::makeNameEditor(const QString &name)
{
    const ThemeColorInfo t = DDataManager::getInstance()->getThemeColorInfo();
    auto *editor = new QFrame(viewport());
    editor->setObjectName(QStringLiteral("frame_RenameMacro"));
    auto *layout = new QHBoxLayout(editor);
    layout->setContentsMargins(kTextLeft - 2, 3, 6, 4);
    layout->setSpacing(10);
    auto *field = new QLineEdit(name, editor);
    field->setObjectName(QStringLiteral("lineEdit_MacroName"));
    field->setMinimumHeight(22);
    field->setAccessibleName(QObject::tr("Modify Name"));
    layout->addWidget(field, 1);
    auto button = [editor, layout](const char *objectName, const QString &accessibleName) {
        auto *b = new QPushButton(editor);
        b->setObjectName(QString::fromLatin1(objectName));
        b->setFixedSize(20, 20);
        b->setAccessibleName(accessibleName);
        layout->addWidget(b);
        return b;
    };
    QPushButton *save = button("pushButton_Save", QObject::tr("Save"));
    QPushButton *cancel = button("pushButton_Cancel", QObject::tr("Cancel"));
    editor->setStyleSheet(
        macroSheet(QString("QFrame#frame_RenameMacro{background: transparent; border: none;}"
                           "QLineEdit{color: rgb(%1); font: 75 12pt \"%5\"; background-color: rgb(%2, 0);"
                           " border: 0px solid rgb(%3);}"
                           "QLineEdit:hover{border: 0px solid rgb(%4);}"
                           "QLineEdit:pressed{border: 0px solid rgb(%4);}"
                           "QPushButton#pushButton_Save{border-image: url(:/images/macro/sureDef.png);}"
                           "QPushButton#pushButton_Save:hover, QPushButton#pushButton_Save:pressed"
                           "{border-image: url(:/images/macro/sureSel.png);}"
                           "QPushButton#pushButton_Cancel{border-image: url(:/images/macro/cancelDef.png);}"
                           "QPushButton#pushButton_Cancel:hover, QPushButton#pushButton_Cancel:pressed"
                           "{border-image: url(:/images/macro/cancelSel.png);}")
                       .arg(t.TextDefaultColor, t.MacroListItemSelectedColor, t.MacroBorderColor, t.TextCheckedColor,
                            t.TextFont)));
    connect(save, &QPushButton::clicked, this, &DMacroListView::saveRename);
    connect(cancel, &QPushButton::clicked, this, &DMacroListView::cancelRename);
    return editor;
}

void DMacroListView::startRename(int row)
{
    if (row < 0 || row >= macroCount())
        return;
    if (renamingRow() == row) {
        nameField()->setText(macroNameAt(row));
        nameField()->selectAll();
        nameField()->setFocus(Qt::OtherFocusReason);
        return;
    }
    cancelRename();
    m_renaming = m_model->index(row);
    m_nameEditor = makeNameEditor(macroNameAt(row));
    setIndexWidget(m_renaming, m_nameEditor);
    publishRows();
    // The field takes the focus with the kept name selected, so typing replaces it.
    QLineEdit *field = nameField();
    field->installEventFilter(this);
    field->selectAll();
    field->setFocus(Qt::OtherFocusReason);
}

bool DMacroListView::eventFilter(QObject *watched, QEvent *event)
{
    // Return saves the name and Escape cancels the rename; neither reaches the dialog,
    // which would close on them.
    if (event->type() == QEvent::KeyPress && m_nameEditor && watched == nameField()) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            saveRename();
            return true;
        }
        if (key == Qt::Key_Escape) {
            cancelRename();
            return true;
        }
    }
    return QListView::eventFilter(watched, event);
}

void DMacroListView::saveRename()
{
    const int row = renamingRow();
    QLineEdit *field = nameField();
    if (row < 0 || !field)
        return;
    const QString text = field->text();
    if (text.isEmpty()) {
        Q_EMIT sigModifyMacroItemNameIsEmpty();
        return;
    }
    if (!CTavrixXML_ModifyMacroNodeName(m_macroXmlPath, macroIndexAt(row).toLatin1(), text.toUtf8())) {
        const QString reason = CTavrixXML_FailureText(CTavrixXML_LastFailure());
        Q_EMIT sigModifyMacroItemNameFailed(reason.isEmpty() ? QObject::tr("Saving the macro failed") : reason);
        return;
    }
    m_model->setNameAt(row, text);
    cancelRename();
    Q_EMIT sigModifyMacroItemNameSuccess();
}

void DMacroListView::cancelRename()
{
    if (m_renaming.isValid())
        setIndexWidget(m_renaming, nullptr);  // the field goes once its own click is done
    else if (m_nameEditor)
        m_nameEditor->deleteLater();
    m_nameEditor = nullptr;
    m_renaming = QPersistentModelIndex();
    viewport()->update();
    publishRows();
}

void DMacroListView::publishRows()
{
    AccessibleControls::GridSource rows;
    rows.rows = macroCount();
    rows.columns = 1;
    rows.role = QAccessible::List;
    rows.cellRole = QAccessible::ListItem;
    rows.name = [this](int row, int) { return macroNameAt(row); };
    rows.rect = [this](int row, int) { return rowRect(row); };
    // Assistive tools choose a macro as a click on its row does, and open its menu.
    rows.press = [this](int row, int) { Q_EMIT sigMacroItemMouseClicked(macroIndexAt(row), macroNameAt(row)); };
    rows.selected = [this](int row, int) { return row == m_selectedRow; };
    rows.menu = [this](int row, int) { openMenu(row); };
    rows.extraChildren = [this] { return m_nameEditor ? QList<QWidget *> {m_nameEditor} : QList<QWidget *>(); };
    AccessibleControls::publishGrid(this, rows);
}
