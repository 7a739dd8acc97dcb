#pragma once

#include <QSqlError>
#include <QString>

#include <stdexcept>

namespace zedera {

// The one exception of the database layer. It carries the server's own text, which the window
// that catches it shows in its error box, and the server's SQL code for the few callers that react
// to a particular failure (a duplicate key).
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &message, int sqlCode = 0, const QString &statement = {});
    static DbError fromSqlError(const QSqlError &error, const QString &statement = {});

    const QString &message() const { return m_message; }
    int sqlCode() const { return m_sqlCode; }
    const QString &statement() const { return m_statement; }
    // -803: a primary or unique key already holds this value.
    bool isDuplicateKey() const { return m_sqlCode == -803; }

private:
    QString m_message;
    int m_sqlCode;
    QString m_statement;
};

} // namespace zedera
