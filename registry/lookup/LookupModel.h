#pragma once

#include "framework/RegistryDescriptor.h"

#include <QAbstractTableModel>
#include <QList>

#include <functional>
#include <memory>

namespace zedera::registry {

// The rows of a lookup list. The suite's tables can hold tens of thousands of rows, so the list
// opens with its first rows only and reads on, on one open cursor, as the grid is scrolled or a
// search needs rows further down. Even rows (the 2nd, 4th ...) are painted light blue.
class LookupModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Rows read when the list opens and each time the grid scrolls to its end.
    static constexpr int kBatch = 256;
    // Rows read at a time while a search runs through the list.
    static constexpr int kSearchBatch = 8192;

    explicit LookupModel(QList<GridColumn> columns, QObject *parent = nullptr);
    ~LookupModel() override;

    // Runs the statement and reads its first rows; throws DbError with the server's text (the list
    // is then empty).
    void open(Connection &connection, const QString &sql, const Bindings &bindings = {});
    void close();
    bool isOpen() const { return m_query != nullptr; }

    // Reads up to `count` further rows; returns how many came.
    int fetch(int count);
    bool canFetchMore(const QModelIndex &parent = {}) const override;
    void fetchMore(const QModelIndex &parent = {}) override;

    // The first row, in the list's order, for which `matches` holds, reading further rows as
    // needed; -1 when no row of the list does.
    using RowTest = std::function<bool(const LookupModel &model, int row)>;
    int findFirst(const RowTest &matches);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const QList<GridColumn> &columns() const { return m_columns; }
    // A result column's value by name (any case); a null variant for an unknown column.
    QVariant value(int row, const QString &column) const;
    // Position of a result column, -1 when the statement does not return it.
    int resultColumn(const QString &column) const;
    QVariant value(int row, int resultColumn) const { return m_cells.at(qsizetype(row) * m_width + resultColumn); }
    // The displayed text of a grid cell.
    QString cellText(int row, int column) const;

private:
    QList<GridColumn> m_columns;
    QStringList m_names;       // result columns, upper case
    QList<int> m_gridToResult; // grid column -> result column (-1 when absent)
    qsizetype m_width = 0;
    QList<QVariant> m_cells;   // row after row, m_width values each
    int m_rows = 0;
    std::unique_ptr<Query> m_query; // open while rows remain to be read
};

} // namespace zedera::registry
