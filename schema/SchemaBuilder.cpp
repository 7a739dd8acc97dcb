#include "SchemaBuilder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <ibase.h>

// The scripts are compiled into this static library; a program that links it must register them
// before the first read, or the linker may drop them.
static void initSchemaResources()
{
    Q_INIT_RESOURCE(schema);
}

namespace zedera::schema {

namespace {

QString interpret(const ISC_STATUS *status)
{
    QString msg;
    char buf[512];
    const ISC_STATUS *p = status;
    while (fb_interpret(buf, sizeof buf, &p)) {
        if (!msg.isEmpty())
            msg += QStringLiteral(" - ");
        msg += QString::fromUtf8(buf);
    }
    return msg;
}

QStringList resourceScripts(const QString &folder)
{
    initSchemaResources();
    QDir dir(folder);
    QStringList names = dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    QStringList paths;
    for (const QString &name : names)
        paths << dir.filePath(name);
    return paths;
}

} // namespace

QStringList splitStatements(const QString &script)
{
    QStringList statements;
    QString terminator = QStringLiteral(";");
    QString current;
    static const QRegularExpression setTerm(
        QStringLiteral("^\\s*SET\\s+TERM\\s+(\\S+)\\s*(\\S*)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);

    auto flush = [&]() {
        const QString s = current.trimmed();
        if (!s.isEmpty())
            statements << s;
        current.clear();
    };

    const qsizetype n = script.size();
    qsizetype i = 0;
    while (i < n) {
        // A SET TERM command stands on a line of its own, at the start of a statement.
        if (current.trimmed().isEmpty()) {
            const qsizetype eol = script.indexOf(u'\n', i);
            const QString line = script.mid(i, eol < 0 ? n - i : eol - i);
            const auto m = setTerm.match(line);
            if (m.hasMatch()) {
                QString next = m.captured(1);
                // "SET TERM ^ ;" ends with the old terminator, which may stick to the new one.
                if (m.captured(2).isEmpty() && next.endsWith(terminator) && next != terminator)
                    next.chop(terminator.size());
                terminator = next;
                current.clear();
                i = eol < 0 ? n : eol + 1;
                continue;
            }
        }
        const QChar c = script.at(i);
        if (c == u'\'' || c == u'"') {
            const qsizetype close = script.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? n : close + 1;
            current += script.mid(i, end - i);
            i = end;
            continue;
        }
        if (c == u'-' && i + 1 < n && script.at(i + 1) == u'-') {
            const qsizetype eol = script.indexOf(u'\n', i);
            i = eol < 0 ? n : eol;
            continue;
        }
        if (c == u'/' && i + 1 < n && script.at(i + 1) == u'*') {
            const qsizetype close = script.indexOf(QStringLiteral("*/"), i + 2);
            i = close < 0 ? n : close + 2;
            continue;
        }
        if (QStringView(script).mid(i).startsWith(terminator)) {
            flush();
            i += terminator.size();
            continue;
        }
        current += c;
        ++i;
    }
    flush();
    return statements;
}

void runScript(Connection &connection, const QString &script)
{
    for (const QString &statement : splitStatements(script)) {
        try {
            connection.execute(statement);
        } catch (const DbError &e) {
            throw DbError(e.message() + QStringLiteral("\n") + statement.left(200), e.sqlCode(),
                          statement);
        }
    }
}

void runResourceScript(Connection &connection, const QString &resourcePath)
{
    initSchemaResources();
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("Script não encontrado: %1").arg(resourcePath));
    runScript(connection, QString::fromUtf8(file.readAll()));
}

void createDatabaseFile(const ConnectionSettings &settings)
{
    const QString name = settings.databaseName;
    if (!isRemoteDatabase(name) && QFileInfo::exists(name))
        throw DbError(QStringLiteral("O arquivo %1 já existe.").arg(name));

    auto quote = [](QString s) { return QStringLiteral("'") + s.replace(u'\'', QStringLiteral("''")) + u'\''; };
    const QByteArray sql = (QStringLiteral("CREATE DATABASE %1 USER %2 PASSWORD %3 PAGE_SIZE 8192 "
                                           "DEFAULT CHARACTER SET UTF8")
                                .arg(quote(name), quote(settings.user), quote(settings.password)))
                               .toUtf8();
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    isc_dsql_execute_immediate(status, &db, &tr, 0, sql.constData(), 3, nullptr);
    if (status[0] == 1 && status[1] > 0)
        throw DbError(interpret(status), int(isc_sqlcode(status)));
    isc_detach_database(status, &db);
}

bool isRemoteDatabase(const QString &name)
{
    return name.contains(u':') && !QFileInfo(name).isAbsolute();
}

QByteArray attachParameters(const ConnectionSettings &settings)
{
    const QByteArray user = settings.user.toUtf8();
    const QByteArray password = settings.password.toUtf8();
    QByteArray dpb;
    dpb.append(char(isc_dpb_version1));
    dpb.append(char(isc_dpb_user_name)).append(char(user.size())).append(user);
    dpb.append(char(isc_dpb_password)).append(char(password.size())).append(password);
    return dpb;
}

void setForcedWrites(const ConnectionSettings &settings, bool on)
{
    const QByteArray name = settings.databaseName.toUtf8();
    QByteArray dpb = attachParameters(settings);
    dpb.append(char(isc_dpb_force_write)).append(char(1)).append(char(on ? 1 : 0));
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_attach_database(status, short(name.size()), name.constData(), &db, short(dpb.size()), dpb.constData());
    if (status[0] == 1 && status[1] > 0)
        throw DbError(interpret(status), int(isc_sqlcode(status)));
    isc_detach_database(status, &db);
}

QStringList suiteScripts()
{
    return resourceScripts(QStringLiteral(":/schema/sql/suite"));
}

QStringList fleetScripts()
{
    return resourceScripts(QStringLiteral(":/schema/sql/fleet"));
}

void createSchema(Connection &connection)
{
    for (const QString &path : suiteScripts())
        runResourceScript(connection, path);
    installFleetObjects(connection);
}

void installFleetObjects(Connection &connection)
{
    for (const QString &path : fleetScripts())
        runResourceScript(connection, path);
}

bool hasFleetObjects(Connection &connection)
{
    Query q(connection, QStringLiteral("select count(*) from rdb$relations "
                                       "where rdb$relation_name starting with 'VKL_'"));
    return scalarInteger(q).value_or(0) > 0;
}

} // namespace zedera::schema
