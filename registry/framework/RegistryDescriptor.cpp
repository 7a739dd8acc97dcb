#include "RegistryDescriptor.h"

namespace zedera::registry {

RegistryRow::RegistryRow(QStringList columns, QVariantList values)
    : m_columns(std::move(columns)), m_values(std::move(values))
{
    for (QString &c : m_columns)
        c = c.toUpper();
}

QVariant RegistryRow::value(const QString &column) const
{
    const qsizetype i = m_columns.indexOf(column.toUpper());
    return i < 0 ? QVariant() : m_values.at(i);
}

QString RegistryRow::text(const QString &column) const
{
    const QVariant v = value(column);
    return v.isNull() ? QString() : v.toString().trimmed();
}

qint64 RegistryRow::integer(const QString &column) const
{
    return value(column).toLongLong();
}

} // namespace zedera::registry
