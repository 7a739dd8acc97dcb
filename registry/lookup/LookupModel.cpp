#include "LookupModel.h"

#include "framework/RegistryListModel.h"

#include <QColor>
#include <QSqlRecord>

namespace zedera::registry {

LookupModel::LookupModel(QList<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns))
{
}

LookupModel::~LookupModel() = default;

void LookupModel::open(Connection &connection, const QString &sql, const Bindings &bindings)
{
    close();
    auto query = std::make_unique<Query>(connection, sql);
    for (const auto &[name, value] : bindings)
        query->bind(name, value);
    query->exec();

    const QSqlRecord record = query->raw().record();
    m_names.clear();
    for (int i = 0; i < record.count(); ++i)
        m_names << record.fieldName(i).toUpper();
    m_width = m_names.size();
    m_gridToResult.clear();
    for (const GridColumn &c : m_columns)
        m_gridToResult << int(m_names.indexOf(c.field.toUpper()));
    m_query = std::move(query);
    fetch(kBatch);
}

void LookupModel::close()
{
    beginResetModel();
    m_query.reset();
    m_cells.clear();
    m_rows = 0;
    endResetModel();
}

int LookupModel::fetch(int count)
{
    if (!m_query || count <= 0)
        return 0;
    // Read first, announce after: the grid learns of a whole batch at once.
    QList<QVariant> batch;
    batch.reserve(qsizetype(std::min(count, kSearchBatch)) * m_width);
    int read = 0;
    while (read < count) {
        if (!m_query->next()) {
            // The whole result is here; let the cursor and its transaction go.
            m_query.reset();
            break;
        }
        for (qsizetype i = 0; i < m_width; ++i)
            batch.append(m_query->value(int(i)));
        ++read;
    }
    if (read > 0) {
        beginInsertRows({}, m_rows, m_rows + read - 1);
        m_cells.append(std::move(batch));
        m_rows += read;
        endInsertRows();
    }
    return read;
}

bool LookupModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_query != nullptr;
}

void LookupModel::fetchMore(const QModelIndex &parent)
{
    if (!parent.isValid())
        fetch(kBatch);
}

int LookupModel::findFirst(const RowTest &matches)
{
    for (int row = 0;; ++row) {
        if (row >= m_rows && fetch(kSearchBatch) == 0)
            return -1;
        if (matches(*this, row))
            return row;
    }
}

int LookupModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int LookupModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

int LookupModel::resultColumn(const QString &column) const
{
    return int(m_names.indexOf(column.toUpper()));
}

QVariant LookupModel::value(int row, const QString &column) const
{
    const int c = resultColumn(column);
    if (row < 0 || row >= m_rows || c < 0)
        return {};
    return value(row, c);
}

QString LookupModel::cellText(int row, int column) const
{
    const int source = m_gridToResult.value(column, -1);
    const QVariant v = source < 0 ? QVariant() : value(row, source);
    const GridColumn &c = m_columns.at(column);
    if (c.display)
        return c.display(v);
    return v.isNull() ? QString() : v.toString().trimmed();
}

QVariant LookupModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::BackgroundRole:
        // Record numbers count from 1: the 2nd, 4th ... rows are the even ones.
        return index.row() % 2 == 1 ? QVariant(RegistryListModel::evenRowColour()) : QVariant();
    case Qt::TextAlignmentRole:
        return m_columns.at(index.column()).alignRight ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                                                       : QVariant();
    default:
        return {};
    }
}

QVariant LookupModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_columns.size())
        return m_columns.at(section).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace zedera::registry
