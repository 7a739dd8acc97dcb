#pragma once

#include "db/DbError.h"
#include "db/Decimal.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QTime>
#include <QVariant>

#include <optional>

namespace zedera {

struct ConnectionSettings {
    // A file path opens the embedded engine; "host:/path/file.gdb" goes to a server.
    QString databaseName;
    QString user = QStringLiteral("SYSDBA");
    QString password = QStringLiteral("pinewheel");
};

// One connection to the database with at most one explicit transaction at a time. The program
// keeps three of them, one per transaction name, so that a window's write never closes the lists
// another name has open. Outside an explicit transaction every statement runs in its own short
// transaction and therefore sees what other workstations have committed.
class Connection {
public:
    Connection(const QString &name, const ConnectionSettings &settings);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Throws DbError with the server's text when the database cannot be opened.
    void open();
    void close();
    bool isOpen() const;

    const QString &name() const { return m_name; }
    const ConnectionSettings &settings() const { return m_settings; }
    QSqlDatabase database() const;

    void begin();
    void commit();
    void rollback();
    bool inTransaction() const { return m_inTransaction; }

    // Runs a statement without parameters (DDL, fixed statements).
    void execute(const QString &sql);

private:
    QString m_name;
    ConnectionSettings m_settings;
    bool m_inTransaction = false;
};

// A statement with named parameters (":p_cod"), bound by name as written. Values typed by the user
// are always bound, never pasted into the text.
class Query {
public:
    Query(Connection &connection, const QString &sql);

    Query &bind(const QString &name, const QVariant &value);
    Query &bind(const QString &name, const QString &value);
    Query &bind(const QString &name, const char *value) { return bind(name, QString::fromUtf8(value)); }
    Query &bind(const QString &name, int value);
    Query &bind(const QString &name, qint64 value);
    // Money, litres and quantities go to NUMERIC(18,2) rounded half away from zero to two places.
    Query &bind(const QString &name, Decimal value);
    // An invalid date or time (a blank field) is stored as NULL.
    Query &bind(const QString &name, const QDate &value);
    Query &bind(const QString &name, const QTime &value);
    Query &bind(const QString &name, const QDateTime &value);
    Query &bindNull(const QString &name);

    // Throws DbError carrying the server's message.
    Query &exec();
    bool next();
    bool isActive() const { return m_query.isActive(); }
    int rowsAffected() const { return m_query.numRowsAffected(); }

    // Column values by name (case-insensitive, as the server returns upper case) or position.
    QVariant value(const QString &column) const;
    QVariant value(int index) const;
    bool isNull(const QString &column) const { return value(column).isNull(); }
    QString text(const QString &column) const;
    qint64 integer(const QString &column) const;
    Decimal decimal(const QString &column) const;
    QDate date(const QString &column) const;
    QTime time(const QString &column) const;

    QSqlQuery &raw() { return m_query; }
    const QString &sql() const { return m_sql; }

private:
    QSqlQuery m_query;
    QString m_sql;
    // Columns of fixed width (CHAR): the driver hands them back padded to four bytes per character
    // of the UTF8 connection, so "S" would read "S   " and never equal a stored code.
    QList<bool> m_fixedWidth;
};

// Runs a statement that returns one integer (counts, max + 1) and gives it, or nullopt on NULL.
std::optional<qint64> scalarInteger(Query &query);

// A write transaction that rolls back unless committed: every save is one short explicit
// transaction (begin, allocate the key, write, commit).
class WriteTransaction {
public:
    explicit WriteTransaction(Connection &connection);
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;

    void commit();
    Connection &connection() { return m_connection; }

private:
    Connection &m_connection;
    bool m_done = false;
};

} // namespace zedera
