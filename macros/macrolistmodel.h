#pragma once

#include "macros/macronode.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>
#include <QVector>

// The macros of the macro file, in the store's order, as rows of the editor's macro list.
class MacroListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role
    {
        MacroIndexRole = Qt::UserRole + 1
    };

    using QAbstractListModel::QAbstractListModel;

    void setMacros(const QList<MacroNode> &nodes);
    void clear();
    void setNameAt(int row, const QString &name);
    void removeAt(int row);

    QString indexAt(int row) const;
    QString nameAt(int row) const;
    // The row of the macro with this index, or -1.
    int rowOfIndex(const QString &index) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    struct Entry
    {
        QString index;
        QString name;
    };
    QVector<Entry> m_entries;
};
