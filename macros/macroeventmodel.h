#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QVector>

// The events of the current macro, in the store's order, as rows of the editor's
// event list. Each row keeps the event's values as texts for the editor to read
// back; the roles give what a row shows.
class MacroEventModel : public QAbstractListModel
{
    Q_OBJECT

public:
    struct Event
    {
        QString mark;
        QString delay;
        QString type;
        QString keyCode;
        QString codeName;
        QString operateExplain;
    };

    enum Role
    {
        DelayTextRole = Qt::UserRole + 1,  // "250 MS"
        KindPictureRole,                   // resource path of the key, mouse or time picture
        StatePictureRole,                  // resource path of the press or release picture
        MarkRole,
        OperateExplainRole
    };

    using QAbstractListModel::QAbstractListModel;

    // What a row shows of an event.
    static QString caption(const QString &type, const QString &codeName);
    static QString delayText(const QString &delay);
    static QString kindPicture(const QString &type);
    static QString statePicture(const QString &type, const QString &operateExplain);
    // "Press, 10 MS": the state and the delay, for readers that cannot see the row.
    static QString description(const Event &event);

    void setEvents(QVector<Event> events);
    void clear();
    void append(const Event &event);
    void insertAt(int row, const Event &event);
    // Removes every row of the mark; returns the rows removed, in order. Rows that are
    // not side by side go with a reset of the model.
    QVector<Event> removeMark(const QString &mark);
    // Moves one row by one place up (-1) or down (+1).
    bool moveBy(int row, int step);
    void setAt(int row, const Event &event);

    int count() const { return m_events.size(); }
    const Event &at(int row) const { return m_events.at(row); }
    const QVector<Event> &events() const { return m_events; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QVector<Event> m_events;
};
