#pragma once

#include "db/Connection.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

namespace zedera::dbtool {

// What a command reports to the operator when it stops: a Portuguese sentence, never a raw stack.
class ToolError : public std::runtime_error {
public:
    explicit ToolError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// Switches synchronous writes of a database on or off. Every DDL statement commits on its own, so
// with them on, building the schema waits for the disk hundreds of times. A database being built
// is used by nobody else and is removed on failure, so it is built with them off and handed over
// with them on.
void setForcedWrites(const ConnectionSettings &settings, bool on);

// Makes a new database with the whole schema and then lets `fill` load rows into it. Refuses a
// file that already exists (and leaves it alone). When anything fails after the file was made, the
// database is dropped, so that no half-built file is left for the program to open later.
void createDatabase(const ConnectionSettings &settings, const std::function<void(Connection &)> &fill = {});

// Adds the program's own objects to a database that already holds the administration suite's
// tables, touching none of the suite's rows. Refuses a database that already has our tables, that
// lacks a suite table, or that holds an object with one of our names.
//
// Firebird commits every DDL statement on its own, so a plain script run that fails half way
// would leave a mixed database. Instead the statements that define objects run first, each
// committed; the statements that write rows then run together in one transaction, committed only
// at the very end. On any failure that transaction is rolled back and every object the install
// created (found by comparing the catalogue with a picture taken before) is dropped again.
void installFleet(const ConnectionSettings &settings, const QStringList &scriptPaths);

// The command line: `create FILE`, `install FILE`, `demo FILE`. Returns the process's exit code.
int run(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace zedera::dbtool
