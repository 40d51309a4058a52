#include "macros/macrolistmodel.h"

void MacroListModel::setMacros(const QList<MacroNode> &nodes)
{
    beginResetModel();
    m_entries.clear();
    m_entries.reserve(nodes.size());
    for (const MacroNode &node : nodes)
        m_entries.append({QString::fromLatin1(node.index), QString::fromUtf8(node.name)});
    endResetModel();
}

void MacroListModel::clear()
{
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

void MacroListModel::setNameAt(int row, const QString &name)
{
    if (row < 0 || row >= m_entries.size())
        return;
    m_entries[row].name = name;
    const QModelIndex changed = index(row);
    Q_EMIT dataChanged(changed, changed);
}

void MacroListModel::removeAt(int row)
{
    if (row < 0 || row >= m_entries.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_entries.remove(row);
    endRemoveRows();
}

QString MacroListModel::indexAt(int row) const
{
    return row >= 0 && row < m_entries.size() ? m_entries.at(row).index : QString();
}

QString MacroListModel::nameAt(int row) const
{
    return row >= 0 && row < m_entries.size() ? m_entries.at(row).name : QString();
}

int MacroListModel::rowOfIndex(const QString &index) const
{
    for (int row = 0; row < m_entries.size(); ++row)
        if (m_entries.at(row).index == index)
            return row;
    return -1;
}

int MacroListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

QVariant MacroListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return QVariant();
    const Entry &entry = m_entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return entry.name;
    case MacroIndexRole: return entry.index;
    default: return QVariant();
    }
}
