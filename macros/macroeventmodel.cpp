#include "macros/macroeventmodel.h"

#include <QCoreApplication>
#include <QObject>

QString MacroEventModel::caption(const QString &type, const QString &codeName)
{
    if (!type.contains(QLatin1String("mouse")))
        return codeName;
    if (codeName.contains(QLatin1String("Left")))
        return QObject::tr("Left Click");
    if (codeName.contains(QLatin1String("Center")))
        return QObject::tr("Center Click");
    if (codeName.contains(QLatin1String("Right")))
        return QObject::tr("Right Click");
    return QString();
}

QString MacroEventModel::delayText(const QString &delay)
{
    return delay + QLatin1Char(' ') + QCoreApplication::translate("DMacroPage", "MS");
}

QString MacroEventModel::kindPicture(const QString &type)
{
    const char *kind = type == QLatin1String("key") ? "keyboardSel"
        : type == QLatin1String("mouse")            ? "mouseSel"
                                                    : "timeSel";
    return QStringLiteral(":/images/macro/%1.png").arg(QLatin1String(kind));
}

QString MacroEventModel::statePicture(const QString &type, const QString &operateExplain)
{
    // Only a key or mouse press shows the press picture; anything else the release one.
    const bool knownType = type == QLatin1String("key") || type == QLatin1String("mouse");
    return knownType && operateExplain == QLatin1String("down") ? QStringLiteral(":/images/macro/keyDownSel.png")
                                                                : QStringLiteral(":/images/macro/keyUpDef.png");
}

QString MacroEventModel::description(const Event &event)
{
    QStringList parts;
    if (event.operateExplain == QLatin1String("down"))
        parts << QObject::tr("Press");
    else if (event.operateExplain == QLatin1String("up"))
        parts << QObject::tr("Release");
    parts << delayText(event.delay);
    return parts.join(QStringLiteral(", "));
}

void MacroEventModel::setEvents(QVector<Event> events)
{
    beginResetModel();
    m_events = std::move(events);
    endResetModel();
}

void MacroEventModel::clear()
{
    setEvents({});
}

void MacroEventModel::append(const Event &event)
{
    insertAt(m_events.size(), event);
}

void MacroEventModel::insertAt(int row, const Event &event)
{
    row = qBound(0, row, m_events.size());
    beginInsertRows(QModelIndex(), row, row);
    m_events.insert(row, event);
    endInsertRows();
}

QVector<MacroEventModel::Event> MacroEventModel::removeMark(const QString &mark)
{
    QVector<Event> kept;
    QVector<Event> removed;
    int first = -1;
    int last = -1;
    for (int row = 0; row < m_events.size(); ++row) {
        if (m_events.at(row).mark != mark)
            continue;
        removed.append(m_events.at(row));
        if (first < 0)
            first = row;
        last = row;
    }
    if (removed.isEmpty())
        return removed;
    // One run of rows (a pair side by side) goes as a removal, which keeps the other rows'
    // places; rows spread over the list go at once, not one removal each.
    if (last - first + 1 == removed.size()) {
        beginRemoveRows(QModelIndex(), first, last);
        m_events.remove(first, removed.size());
        endRemoveRows();
        return removed;
    }
    kept.reserve(m_events.size() - removed.size());
    for (const Event &e : qAsConst(m_events))
        if (e.mark != mark)
            kept.append(e);
    setEvents(std::move(kept));
    return removed;
}

bool MacroEventModel::moveBy(int row, int step)
{
    const int target = row + step;
    if (row < 0 || row >= m_events.size() || target < 0 || target >= m_events.size() || step == 0)
        return false;
    // The model's move takes the row before which it lands.
    if (!beginMoveRows(QModelIndex(), row, row, QModelIndex(), step > 0 ? target + 1 : target))
        return false;
    m_events.move(row, target);
    endMoveRows();
    return true;
}

void MacroEventModel::setAt(int row, const Event &event)
{
    if (row < 0 || row >= m_events.size())
        return;
    m_events[row] = event;
    const QModelIndex changed = index(row);
    Q_EMIT dataChanged(changed, changed);
}

int MacroEventModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_events.size();
}

QVariant MacroEventModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_events.size())
        return QVariant();
    const Event &e = m_events.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return caption(e.type, e.codeName);
    case Qt::AccessibleDescriptionRole: return description(e);
    case DelayTextRole: return delayText(e.delay);
    case KindPictureRole: return kindPicture(e.type);
    case StatePictureRole: return statePicture(e.type, e.operateExplain);
    case MarkRole: return e.mark;
    case OperateExplainRole: return e.operateExplain;
    default: return QVariant();
    }
}
