#pragma once

#include "db/Connection.h"

#include <QString>
#include <QStringList>

namespace zedera::schema {

// Splits an isql-style script into statements: ";" ends a statement, "SET TERM x ;" changes the
// terminator around procedure and trigger bodies, "--" and "/* */" comments and blank statements
// are dropped, and the terminator inside quoted text does not count. The scripts stay runnable
// by isql-fb as they are.
QStringList splitStatements(const QString &script);

// Runs every statement of a script in order, each in its own short transaction; throws DbError
// naming the failing statement.
void runScript(Connection &connection, const QString &script);
// Reads a script from the program's resources (":/schema/...") and runs it.
void runResourceScript(Connection &connection, const QString &resourcePath);

// Makes a new, empty database file (dialect 3, UTF8). Refuses a file that already exists.
void createDatabaseFile(const ConnectionSettings &settings);

// Switches the database's forced writes (synchronous page writes) on or off. Databases the program
// keeps stay on; throw-away test databases turn them off, which makes creating them many times faster.
void setForcedWrites(const ConnectionSettings &settings, bool on);

// True for a database named on a server ("host:path") rather than as a local file.
bool isRemoteDatabase(const QString &name);
// The user and password of `settings` as the client library's attach parameters.
QByteArray attachParameters(const ConnectionSettings &settings);

// The scripts that make up the database, in the order they must run.
// Suite part: the tables of the administration suite the program reads, and the login tables;
// they already exist in a municipality's database.
QStringList suiteScripts();
// Fleet part: the program's own tables, reference rows, procedures, function, trigger and the
// rows of code 0 it relies on.
QStringList fleetScripts();

// Everything a new database needs: suite part, then fleet part.
void createSchema(Connection &connection);
// Adds the fleet part to an existing database that holds the suite's tables.
void installFleetObjects(Connection &connection);
// True when the fleet tables are already present.
bool hasFleetObjects(Connection &connection);

} // namespace zedera::schema
