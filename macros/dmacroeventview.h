#pragma once

#include <QColor>
#include <QFont>
#include <QListView>
#include <QPersistentModelIndex>
#include <QString>

class MacroEventModel;

// The macro editor's event list: one painted row per event (its delay, the key or
// mouse picture, the press or release picture, the caption, and a delete button while
// the pointer is over the row), so a macro of tens of thousands of events costs that
// many model entries, not as many widget trees with style sheets of their own. A press
// on a row reports it; a click on its delete button asks for the event's deletion.
// The editor says which mark and state show selected: the rows of that mark and state
// show selected, the other rows of the mark (the partner) highlighted.
class DMacroEventView : public QListView
{
    Q_OBJECT

public:
    static constexpr int kRowHeight = 46;

    explicit DMacroEventView(MacroEventModel *model, QWidget *parent = nullptr);

    MacroEventModel *eventModel() const { return m_model; }

    void setSelectionLook(const QString &mark, const QString &operateExplain);
    void clearSelectionLook();
    // Whether the row shows selected (true) or, as the selected event's partner, highlighted.
    bool isShownSelected(int row) const;
    bool isShownHighlighted(int row) const;
    // The selected event's row, which follows the event when rows move, come or go
    // (-1: none); assistive tools hear it as the selected one.
    void setCurrentEventRow(int row);
    int currentEventRow() const { return m_current.isValid() ? m_current.row() : -1; }

    // The row's place in the view's own coordinates, and its delete button's.
    QRect rowRect(int row) const;
    QRect deleteButtonRect(int row) const;
    // The row whose delete button shows (the one under the pointer), or -1.
    int deleteButtonRow() const { return m_hoverRow; }

Q_SIGNALS:
    void sigEventClicked(int row);
    void sigDeleteEvent(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    friend class MacroEventDelegate;
    struct Look
    {
        QColor border;
        QColor background;
        QColor selectedBackground;
        QColor text;
        QColor selectedText;
        QFont font;
    };

    QRect viewportDeleteRect(const QRect &row) const;
    void pressAt(QMouseEvent *event);
    void setHover(int row, bool onButton);
    void followPointer();
    void publishRows();

    MacroEventModel *m_model;
    Look m_look;
    QString m_selectedMark;
    QString m_selectedState;
    QPersistentModelIndex m_current;
    int m_hoverRow = -1;
    bool m_hoverOnButton = false;
    int m_pressedButtonRow = -1;
};
