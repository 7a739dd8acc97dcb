#include "Catalogue.h"

#include <QRegularExpression>

#include <algorithm>

namespace zedera::dbtool {

namespace {

QString quoted(const QString &name)
{
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// Reads one or two trimmed text columns of a catalogue query.
QList<QStringList> rows(Connection &connection, const QString &sql, int columns)
{
    QList<QStringList> result;
    Query q(connection, sql);
    q.exec();
    while (q.next()) {
        QStringList row;
        for (int i = 0; i < columns; ++i)
            row << q.value(i).toString().trimmed();
        result << row;
    }
    return result;
}

} // namespace

QString CatalogueObject::dropStatement() const
{
    switch (kind) {
    case Trigger:
        return QStringLiteral("drop trigger ") + quoted(name);
    case Procedure:
        return QStringLiteral("drop procedure ") + quoted(name);
    case Function:
        return QStringLiteral("drop function ") + quoted(name);
    case ExternalFunction:
        return QStringLiteral("drop external function ") + quoted(name);
    case View:
        return QStringLiteral("drop view ") + quoted(name);
    case Constraint:
        return QStringLiteral("alter table %1 drop constraint %2").arg(quoted(owner), quoted(name));
    case Index:
        return QStringLiteral("drop index ") + quoted(name);
    case Table:
        return QStringLiteral("drop table ") + quoted(name);
    case Column:
        return QStringLiteral("alter table %1 drop %2").arg(quoted(owner), quoted(name));
    case Generator:
        return QStringLiteral("drop sequence ") + quoted(name);
    case Exception:
        return QStringLiteral("drop exception ") + quoted(name);
    case Domain:
        return QStringLiteral("drop domain ") + quoted(name);
    }
    return {};
}

size_t qHash(const CatalogueObject &o, size_t seed)
{
    return qHashMulti(seed, int(o.kind), o.name, o.owner);
}

QSet<CatalogueObject> readCatalogue(Connection &connection)
{
    using K = CatalogueObject::Kind;
    QSet<CatalogueObject> objects;
    auto add = [&](K kind, const QString &sql) {
        for (const QStringList &r : rows(connection, sql, 1))
            objects.insert({kind, r[0], {}});
    };
    auto addOwned = [&](K kind, const QString &sql) {
        for (const QStringList &r : rows(connection, sql, 2))
            objects.insert({kind, r[1], r[0]});
    };
    const QString user = QStringLiteral(" coalesce(rdb$system_flag, 0) = 0 ");
    add(K::Table, QStringLiteral("select rdb$relation_name from rdb$relations where") + user +
                      QStringLiteral("and rdb$view_blr is null"));
    add(K::View, QStringLiteral("select rdb$relation_name from rdb$relations where") + user +
                     QStringLiteral("and rdb$view_blr is not null"));
    add(K::Trigger, QStringLiteral("select rdb$trigger_name from rdb$triggers where") + user);
    add(K::Procedure, QStringLiteral("select rdb$procedure_name from rdb$procedures where") + user +
                          QStringLiteral("and rdb$package_name is null"));
    add(K::Function, QStringLiteral("select rdb$function_name from rdb$functions where") + user +
                         QStringLiteral("and rdb$package_name is null and coalesce(rdb$legacy_flag, 0) = 0"));
    add(K::ExternalFunction, QStringLiteral("select rdb$function_name from rdb$functions where") + user +
                                 QStringLiteral("and rdb$legacy_flag = 1"));
    add(K::Generator, QStringLiteral("select rdb$generator_name from rdb$generators where") + user);
    add(K::Exception, QStringLiteral("select rdb$exception_name from rdb$exceptions where") + user);
    add(K::Domain, QStringLiteral("select rdb$field_name from rdb$fields where") + user +
                       QStringLiteral("and rdb$field_name not starting with 'RDB$'"));
    // Indexes that belong to a constraint go with it; only the ones made by "create index" count.
    add(K::Index,
        QStringLiteral("select i.rdb$index_name from rdb$indices i where coalesce(i.rdb$system_flag, 0) = 0 "
                       "and not exists (select 1 from rdb$relation_constraints c "
                       "where c.rdb$index_name = i.rdb$index_name)"));
    addOwned(K::Constraint, QStringLiteral("select c.rdb$relation_name, c.rdb$constraint_name "
                                           "from rdb$relation_constraints c join rdb$relations r "
                                           "on r.rdb$relation_name = c.rdb$relation_name "
                                           "where coalesce(r.rdb$system_flag, 0) = 0 "
                                           "and c.rdb$constraint_type <> 'NOT NULL'"));
    addOwned(K::Column,
             QStringLiteral("select f.rdb$relation_name, f.rdb$field_name from rdb$relation_fields f "
                            "join rdb$relations r on r.rdb$relation_name = f.rdb$relation_name "
                            "where coalesce(r.rdb$system_flag, 0) = 0 and r.rdb$view_blr is null"));
    return objects;
}

QStringList dropObjects(Connection &connection, const QSet<CatalogueObject> &objects)
{
    QSet<QString> newTables;
    for (const CatalogueObject &o : objects)
        if (o.kind == CatalogueObject::Table || o.kind == CatalogueObject::View)
            newTables.insert(o.name);

    // Columns and constraints of a table that is itself new go away with the table.
    QList<CatalogueObject> pending;
    for (const CatalogueObject &o : objects) {
        const bool owned = o.kind == CatalogueObject::Column || o.kind == CatalogueObject::Constraint;
        if (!(owned && newTables.contains(o.owner)))
            pending << o;
    }
    // Dependants first: triggers and code refer to tables, views to tables, keys to other keys.
    std::sort(pending.begin(), pending.end(), [](const CatalogueObject &a, const CatalogueObject &b) {
        return a.kind != b.kind ? a.kind < b.kind : a.name < b.name;
    });

    QStringList reasons;
    bool progress = true;
    while (!pending.isEmpty() && progress) {
        progress = false;
        reasons.clear();
        QList<CatalogueObject> left;
        for (const CatalogueObject &o : std::as_const(pending)) {
            try {
                connection.execute(o.dropStatement());
                progress = true;
            } catch (const DbError &e) {
                left << o;
                reasons << o.dropStatement() + QStringLiteral(": ") + e.message();
            }
        }
        pending = left;
    }
    return pending.isEmpty() ? QStringList() : reasons;
}

QStringList createdNames(const QStringList &statements)
{
    static const QRegularExpression create(
        QStringLiteral("^\\s*(?:create\\s+or\\s+alter|recreate|create)\\s+"
                       "(?:(?:unique|asc|ascending|desc|descending|global\\s+temporary)\\s+)*"
                       "(table|view|procedure|function|trigger|index|generator|sequence|exception|domain)"
                       "\\s+(\"[^\"]+\"|[A-Za-z0-9_$]+)"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    for (const QString &s : statements) {
        const auto m = create.match(s);
        if (!m.hasMatch())
            continue;
        QString kind = m.captured(1).toUpper();
        if (kind == u"VIEW")
            kind = QStringLiteral("TABLE");
        if (kind == u"SEQUENCE")
            kind = QStringLiteral("GENERATOR");
        QString name = m.captured(2);
        name = name.startsWith(u'"') ? name.mid(1, name.size() - 2) : name.toUpper();
        names << kind + u' ' + name;
    }
    return names;
}

QSet<QString> catalogueNames(const QSet<CatalogueObject> &objects)
{
    QSet<QString> names;
    for (const CatalogueObject &o : objects) {
        switch (o.kind) {
        case CatalogueObject::Table:
        case CatalogueObject::View:
            names.insert(QStringLiteral("TABLE ") + o.name);
            break;
        case CatalogueObject::Trigger:
            names.insert(QStringLiteral("TRIGGER ") + o.name);
            break;
        case CatalogueObject::Procedure:
            names.insert(QStringLiteral("PROCEDURE ") + o.name);
            break;
        case CatalogueObject::Function:
        case CatalogueObject::ExternalFunction:
            names.insert(QStringLiteral("FUNCTION ") + o.name);
            break;
        case CatalogueObject::Index:
            names.insert(QStringLiteral("INDEX ") + o.name);
            break;
        case CatalogueObject::Generator:
            names.insert(QStringLiteral("GENERATOR ") + o.name);
            break;
        case CatalogueObject::Exception:
            names.insert(QStringLiteral("EXCEPTION ") + o.name);
            break;
        case CatalogueObject::Domain:
            names.insert(QStringLiteral("DOMAIN ") + o.name);
            break;
        case CatalogueObject::Constraint:
        case CatalogueObject::Column:
            break;
        }
    }
    return names;
}

} // namespace zedera::dbtool
