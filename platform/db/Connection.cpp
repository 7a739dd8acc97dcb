#include "db/Connection.h"

#include <QSqlField>
#include <QSqlRecord>

namespace zedera {

DbError::DbError(const QString &message, int sqlCode, const QString &statement)
    : std::runtime_error(message.toStdString()), m_message(message), m_sqlCode(sqlCode),
      m_statement(statement)
{
}

DbError DbError::fromSqlError(const QSqlError &error, const QString &statement)
{
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    if (text.isEmpty())
        text = error.driverText();
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return DbError(text, ok ? code : 0, statement);
}

Connection::Connection(const QString &name, const ConnectionSettings &settings)
    : m_name(name), m_settings(settings)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_name);
    db.setDatabaseName(m_settings.databaseName);
    db.setUserName(m_settings.user);
    db.setPassword(m_settings.password);
    db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
}

Connection::~Connection()
{
    close();
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase Connection::database() const
{
    return QSqlDatabase::database(m_name, false);
}

void Connection::open()
{
    QSqlDatabase db = database();
    if (db.isOpen())
        return;
    if (!db.isValid())
        throw DbError(QStringLiteral("O driver do Firebird (QIBASE) não está disponível."));
    if (!db.open())
        throw DbError::fromSqlError(db.lastError());
}

void Connection::close()
{
    QSqlDatabase db = database();
    if (!db.isValid() || !db.isOpen())
        return;
    if (m_inTransaction)
        rollback();
    db.close();
}

bool Connection::isOpen() const
{
    return database().isOpen();
}

void Connection::begin()
{
    if (m_inTransaction)
        throw DbError(QStringLiteral("Transação %1 já está ativa.").arg(m_name));
    QSqlDatabase db = database();
    if (!db.transaction())
        throw DbError::fromSqlError(db.lastError());
    m_inTransaction = true;
}

void Connection::commit()
{
    QSqlDatabase db = database();
    if (!m_inTransaction)
        return;
    if (!db.commit())
        throw DbError::fromSqlError(db.lastError());
    m_inTransaction = false;
}

void Connection::rollback()
{
    QSqlDatabase db = database();
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    if (!db.rollback())
        throw DbError::fromSqlError(db.lastError());
}

void Connection::execute(const QString &sql)
{
    QSqlQuery q(database());
    if (!q.exec(sql))
        throw DbError::fromSqlError(q.lastError(), sql);
}

Query::Query(Connection &connection, const QString &sql) : m_query(connection.database()), m_sql(sql)
{
    m_query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    m_query.setForwardOnly(true);
    if (!m_query.prepare(sql))
        throw DbError::fromSqlError(m_query.lastError(), sql);
}

Query &Query::bind(const QString &name, const QVariant &value)
{
    if (value.metaType().id() == qMetaTypeId<Decimal>())
        return bind(name, value.value<Decimal>());
    if (value.metaType().id() == QMetaType::QDate)
        return bind(name, value.toDate());
    if (value.metaType().id() == QMetaType::QTime)
        return bind(name, value.toTime());
    m_query.bindValue(name, value);
    return *this;
}

Query &Query::bind(const QString &name, const QString &value)
{
    m_query.bindValue(name, value);
    return *this;
}

Query &Query::bind(const QString &name, int value)
{
    m_query.bindValue(name, value);
    return *this;
}

Query &Query::bind(const QString &name, qint64 value)
{
    m_query.bindValue(name, value);
    return *this;
}

Query &Query::bind(const QString &name, Decimal value)
{
    // The driver converts text to the column's scaled integer; the text has exactly two places,
    // so the conversion is exact whatever path the driver takes.
    m_query.bindValue(name, value.toDatabaseString());
    return *this;
}

Query &Query::bind(const QString &name, const QDate &value)
{
    m_query.bindValue(name, value.isValid() ? QVariant(value) : QVariant(QMetaType::fromType<QDate>()));
    return *this;
}

Query &Query::bind(const QString &name, const QTime &value)
{
    m_query.bindValue(name, value.isValid() ? QVariant(value) : QVariant(QMetaType::fromType<QTime>()));
    return *this;
}

Query &Query::bind(const QString &name, const QDateTime &value)
{
    m_query.bindValue(name,
                      value.isValid() ? QVariant(value) : QVariant(QMetaType::fromType<QDateTime>()));
    return *this;
}

Query &Query::bindNull(const QString &name)
{
    m_query.bindValue(name, QVariant(QMetaType::fromType<QString>()));
    return *this;
}

Query &Query::exec()
{
    if (!m_query.exec())
        throw DbError::fromSqlError(m_query.lastError(), m_sql);
    constexpr int kSqlText = 452; // Firebird's CHAR(n)
    const QSqlRecord rec = m_query.record();
    m_fixedWidth.resize(rec.count());
    for (int i = 0; i < rec.count(); ++i)
        m_fixedWidth[i] = (rec.field(i).typeID() & ~1) == kSqlText; // odd: nullable
    return *this;
}

QVariant Query::value(int index) const
{
    QVariant v = m_query.value(index);
    if (index >= 0 && index < m_fixedWidth.size() && m_fixedWidth[index] && !v.isNull()) {
        QString text = v.toString();
        qsizetype end = text.size();
        while (end > 0 && text.at(end - 1) == u' ')
            --end;
        text.truncate(end);
        return text;
    }
    return v;
}

bool Query::next()
{
    return m_query.next();
}

QVariant Query::value(const QString &column) const
{
    const QSqlRecord rec = m_query.record();
    int index = rec.indexOf(column);
    if (index < 0)
        index = rec.indexOf(column.toUpper());
    if (index < 0)
        throw DbError(QStringLiteral("Coluna %1 não existe no resultado.").arg(column), 0, m_sql);
    return value(index);
}

QString Query::text(const QString &column) const
{
    return value(column).toString();
}

qint64 Query::integer(const QString &column) const
{
    return value(column).toLongLong();
}

Decimal Query::decimal(const QString &column) const
{
    return Decimal::fromVariant(value(column));
}

QDate Query::date(const QString &column) const
{
    const QVariant v = value(column);
    if (v.metaType().id() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return v.toDate();
}

QTime Query::time(const QString &column) const
{
    const QVariant v = value(column);
    if (v.metaType().id() == QMetaType::QDateTime)
        return v.toDateTime().time();
    return v.toTime();
}

std::optional<qint64> scalarInteger(Query &query)
{
    query.exec();
    if (!query.next() || query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toLongLong();
}

WriteTransaction::WriteTransaction(Connection &connection) : m_connection(connection)
{
    m_connection.begin();
}

WriteTransaction::~WriteTransaction()
{
    if (!m_done) {
        try {
            m_connection.rollback();
        } catch (const DbError &) {
            // Nothing more can be done while unwinding; the server drops the transaction
            // when the connection closes.
        }
    }
}

void WriteTransaction::commit()
{
    m_connection.commit();
    m_done = true;
}

} // namespace zedera
