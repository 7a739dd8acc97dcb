#pragma once

#include "RegistryDescriptor.h"

#include <QAbstractTableModel>
#include <QVector>

namespace zedera::registry {

// The rows of a registry list, read at once when the list opens, shown through the descriptor's
// grid columns and display rules. Even rows (the 2nd, 4th ...) are painted light blue.
class RegistryListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RegistryListModel(const QList<GridColumn> &columns, QObject *parent = nullptr);

    // Replaces the rows with those of an executed query.
    void load(Query &query);
    void clear();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    RegistryRow row(int index) const;
    QVariant value(int row, const QString &column) const;
    // The displayed text of a grid cell.
    QString cellText(int row, int column) const;

    static QColor evenRowColour();

private:
    QList<GridColumn> m_columns;
    QStringList m_names;
    QVector<QVariantList> m_rows;
    QVector<qsizetype> m_columnIndex; // grid column -> result column
};

} // namespace zedera::registry
