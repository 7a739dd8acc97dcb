#include "RegistryListModel.h"

#include <QColor>
#include <QSqlRecord>

namespace zedera::registry {

RegistryListModel::RegistryListModel(const QList<GridColumn> &columns, QObject *parent)
    : QAbstractTableModel(parent), m_columns(columns)
{
}

QColor RegistryListModel::evenRowColour()
{
    return QColor(223, 239, 255);
}

void RegistryListModel::load(Query &query)
{
    beginResetModel();
    m_rows.clear();
    const QSqlRecord record = query.raw().record();
    m_names.clear();
    for (int i = 0; i < record.count(); ++i)
        m_names << record.fieldName(i).toUpper();
    m_columnIndex.clear();
    for (const GridColumn &c : m_columns)
        m_columnIndex << m_names.indexOf(c.field.toUpper());
    while (query.next()) {
        QVariantList values;
        values.reserve(m_names.size());
        for (int i = 0; i < m_names.size(); ++i)
            values << query.value(i);
        m_rows << values;
    }
    endResetModel();
}

void RegistryListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

int RegistryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RegistryListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString RegistryListModel::cellText(int row, int column) const
{
    const qsizetype source = m_columnIndex.value(column, -1);
    const QVariant v = source < 0 ? QVariant() : m_rows.at(row).at(source);
    const GridColumn &c = m_columns.at(column);
    if (c.display)
        return c.display(v);
    return v.isNull() ? QString() : v.toString().trimmed();
}

QVariant RegistryListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::BackgroundRole:
        // Record numbers count from 1: the 2nd, 4th ... rows are the even ones.
        if (index.row() % 2 == 1)
            return evenRowColour();
        return {};
    case Qt::TextAlignmentRole:
        if (m_columns.at(index.column()).alignRight)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant RegistryListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_columns.size())
        return m_columns.at(section).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

RegistryRow RegistryListModel::row(int index) const
{
    if (index < 0 || index >= m_rows.size())
        return {};
    return RegistryRow(m_names, m_rows.at(index));
}

QVariant RegistryListModel::value(int row, const QString &column) const
{
    const qsizetype i = m_names.indexOf(column.toUpper());
    if (row < 0 || row >= m_rows.size() || i < 0)
        return {};
    return m_rows.at(row).at(i);
}

} // namespace zedera::registry
