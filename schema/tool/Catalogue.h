#pragma once

#include "db/Connection.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace zedera::dbtool {

// One user object of a database as the system tables describe it. Columns and constraints added
// to a table that existed before carry that table in `owner`.
struct CatalogueObject {
    enum Kind {
        Trigger,
        Procedure,
        Function,
        ExternalFunction,
        View,
        Constraint,
        Index,
        Table,
        Column,
        Generator,
        Exception,
        Domain
    };
    Kind kind;
    QString name;
    QString owner;

    bool operator==(const CatalogueObject &o) const
    {
        return kind == o.kind && name == o.name && owner == o.owner;
    }
    // The statement that removes it.
    QString dropStatement() const;
};

size_t qHash(const CatalogueObject &o, size_t seed = 0);

// Every user-defined object of the database (system objects are left out), read from the system
// tables. Taken before an install, it tells afterwards exactly what the install added.
QSet<CatalogueObject> readCatalogue(Connection &connection);

// Drops the given objects, dependants first; an object that cannot be dropped yet because another
// one still refers to it is tried again after the others, as long as some progress is made.
// Returns the objects that could not be dropped, with the server's reason.
QStringList dropObjects(Connection &connection, const QSet<CatalogueObject> &objects);

// The names a script creates ("create table x", "create or alter procedure y", "create index z"
// ...), upper case, as "TABLE X", "PROCEDURE Y", "INDEX Z". Relations (tables and views) are all
// called "TABLE".
QStringList createdNames(const QStringList &statements);
// The same naming for what a catalogue holds, to compare with createdNames().
QSet<QString> catalogueNames(const QSet<CatalogueObject> &objects);

} // namespace zedera::dbtool
