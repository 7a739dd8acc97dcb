#include "DbTool.h"

#include "Catalogue.h"
#include "SchemaBuilder.h"
#include "demo/DemoData.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUuid>

#include <ibase.h>

#include <memory>

namespace zedera::dbtool {

namespace {

std::unique_ptr<Connection> openConnection(const ConnectionSettings &settings)
{
    auto c = std::make_unique<Connection>(
        QStringLiteral("zedera_db_") + QUuid::createUuid().toString(QUuid::WithoutBraces), settings);
    c->open();
    return c;
}

// Removes a database the tool itself created. Dropping through the client library also works for
// a database on a server; a local file that is still there afterwards is deleted directly.
bool dropDatabase(const ConnectionSettings &settings)
{
    const QByteArray name = settings.databaseName.toUtf8();
    const QByteArray dpb = schema::attachParameters(settings);
    ISC_STATUS_ARRAY status{};
    isc_db_handle db = 0;
    isc_attach_database(status, short(name.size()), name.constData(), &db, short(dpb.size()),
                        dpb.constData());
    bool dropped = false;
    if (!(status[0] == 1 && status[1] > 0)) {
        isc_drop_database(status, &db);
        dropped = !(status[0] == 1 && status[1] > 0);
    }
    if (schema::isRemoteDatabase(settings.databaseName))
        return dropped;
    if (QFileInfo::exists(settings.databaseName))
        QFile::remove(settings.databaseName);
    return !QFileInfo::exists(settings.databaseName);
}

bool isRowStatement(const QString &statement)
{
    static const QRegularExpression dml(
        QStringLiteral("^\\s*(insert|update|delete|merge|execute\\s+procedure|execute\\s+block|select)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return dml.match(statement).hasMatch();
}

bool isTransactionControl(const QString &statement)
{
    static const QRegularExpression tx(QStringLiteral("^\\s*(commit|rollback)(\\s+work)?\\s*$"),
                                       QRegularExpression::CaseInsensitiveOption);
    return tx.match(statement).hasMatch();
}

QStringList readStatements(const QStringList &scriptPaths)
{
    QStringList statements;
    for (const QString &path : scriptPaths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw ToolError(QStringLiteral("Script de instalação não encontrado: %1").arg(path));
        statements << schema::splitStatements(QString::fromUtf8(file.readAll()));
    }
    return statements;
}

// The tables of the suite are those its scripts create.
QStringList suiteTableNames()
{
    QStringList tables;
    for (const QString &name : createdNames(readStatements(schema::suiteScripts())))
        if (name.startsWith(QStringLiteral("TABLE ")))
            tables << name.mid(6);
    return tables;
}

void checkInstallPreconditions(Connection &connection, const QSet<CatalogueObject> &before,
                               const QStringList &statements)
{
    const QString file = connection.settings().databaseName;
    if (schema::hasFleetObjects(connection))
        throw ToolError(QStringLiteral("O banco %1 já contém as tabelas do sistema de frota; "
                                       "nada foi instalado.")
                            .arg(file));
    const QSet<QString> present = catalogueNames(before);
    QStringList missing;
    for (const QString &table : suiteTableNames())
        if (!present.contains(QStringLiteral("TABLE ") + table))
            missing << table.toLower();
    if (!missing.isEmpty())
        throw ToolError(QStringLiteral("O banco %1 não contém as tabelas do sistema de administração "
                                       "que a frota usa: %2. Nada foi instalado.")
                            .arg(file, missing.join(QStringLiteral(", "))));
    // Tables, procedures and functions share their names in practice; any object of the name
    // counts as taken.
    QSet<QString> taken;
    for (const QString &name : present)
        taken.insert(name.section(u' ', 1));
    QStringList clashes;
    for (const QString &name : createdNames(statements))
        if (taken.contains(name.section(u' ', 1)))
            clashes << name.section(u' ', 1).toLower();
    if (!clashes.isEmpty())
        throw ToolError(QStringLiteral("O banco %1 já contém objetos com nomes usados pelo sistema de "
                                       "frota: %2. Nada foi instalado.")
                            .arg(file, clashes.join(QStringLiteral(", "))));
}

void runStatement(Connection &connection, const QString &statement)
{
    try {
        connection.execute(statement);
    } catch (const DbError &e) {
        throw DbError(e.message() + QStringLiteral("\n") + statement.left(200), e.sqlCode(), statement);
    }
}

} // namespace

void setForcedWrites(const ConnectionSettings &settings, bool on)
{
    try {
        schema::setForcedWrites(settings, on);
    } catch (const DbError &) {
        throw DbError(
            QStringLiteral("Não foi possível ajustar a gravação do banco %1.").arg(settings.databaseName));
    }
}

void createDatabase(const ConnectionSettings &settings, const std::function<void(Connection &)> &fill)
{
    try {
        schema::createDatabaseFile(settings);
    } catch (const DbError &e) {
        throw ToolError(
            QStringLiteral("Não foi possível criar o banco %1: %2").arg(settings.databaseName, e.message()));
    }
    try {
        setForcedWrites(settings, false);
        {
            auto c = openConnection(settings);
            schema::createSchema(*c);
            if (fill)
                fill(*c);
            c->close();
        }
        setForcedWrites(settings, true);
    } catch (const std::exception &e) {
        const QString reason = dynamic_cast<const DbError *>(&e) ? static_cast<const DbError &>(e).message()
                                                                 : QString::fromUtf8(e.what());
        const QString outcome = dropDatabase(settings)
                                    ? QStringLiteral("O arquivo criado foi removido.")
                                    : QStringLiteral("ATENÇÃO: não foi possível remover o arquivo criado; "
                                                     "apague-o antes de usar o sistema.");
        throw ToolError(QStringLiteral("Não foi possível criar o banco %1: %2\n%3")
                            .arg(settings.databaseName, reason, outcome));
    }
}

void installFleet(const ConnectionSettings &settings, const QStringList &scriptPaths)
{
    const QString file = settings.databaseName;
    if (!schema::isRemoteDatabase(file) && !QFileInfo::exists(file))
        throw ToolError(QStringLiteral("O arquivo %1 não existe.").arg(file));

    QStringList objectStatements;
    QStringList rowStatements;
    const QStringList statements = readStatements(scriptPaths);
    for (const QString &s : statements) {
        if (isTransactionControl(s))
            continue;
        (isRowStatement(s) ? rowStatements : objectStatements) << s;
    }

    QSet<CatalogueObject> before;
    try {
        auto c = openConnection(settings);
        before = readCatalogue(*c);
        checkInstallPreconditions(*c, before, statements);
    } catch (const DbError &e) {
        throw ToolError(QStringLiteral("Não foi possível abrir o banco %1: %2").arg(file, e.message()));
    }

    QString failure;
    {
        auto c = openConnection(settings);
        try {
            for (const QString &s : objectStatements)
                runStatement(*c, s);
            WriteTransaction tx(*c);
            for (const QString &s : rowStatements)
                runStatement(*c, s);
            tx.commit();
            return;
        } catch (const DbError &e) {
            failure = e.message();
        }
    }

    // Undo on a fresh attachment, so that nothing this one compiled keeps an object in use.
    QStringList leftOver;
    try {
        auto c = openConnection(settings);
        const QSet<CatalogueObject> after = readCatalogue(*c);
        leftOver = dropObjects(*c, after - before);
    } catch (const DbError &e) {
        leftOver << e.message();
    }
    if (!leftOver.isEmpty())
        throw ToolError(QStringLiteral("Não foi possível instalar o sistema de frota em %1: %2\n"
                                       "ATENÇÃO: nem tudo o que foi criado pôde ser removido:\n%3")
                            .arg(file, failure, leftOver.join(u'\n')));
    throw ToolError(QStringLiteral("Não foi possível instalar o sistema de frota em %1: %2\n"
                                   "O banco foi deixado como estava.")
                        .arg(file, failure));
}

namespace {

const char *const kUsage =
    "Uso: zedera-db <comando> ARQUIVO [opções]\n"
    "  create ARQUIVO    cria um banco novo com todas as tabelas, sem movimentos\n"
    "  install ARQUIVO   instala as tabelas da frota num banco que já tem as do sistema de administração\n"
    "  demo ARQUIVO      cria um banco com um município de demonstração\n"
    "Opções:\n"
    "  --usuario NOME --senha SENHA   usuário do banco (padrão SYSDBA)\n"
    "  --veiculos N --meses N --semente N --hoje AAAA-MM-DD   tamanho e data da demonstração\n";

struct Arguments {
    QString command;
    QString file;
    ConnectionSettings settings;
    schema::DemoOptions demo;
};

int positiveNumber(const QString &option, const QString &value)
{
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok || n < 1)
        throw ToolError(QStringLiteral("Valor inválido para %1: %2").arg(option, value));
    return n;
}

Arguments parse(const QStringList &arguments)
{
    Arguments a;
    QStringList positional;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (!arg.startsWith(QStringLiteral("--"))) {
            positional << arg;
            continue;
        }
        if (i + 1 >= arguments.size())
            throw ToolError(QStringLiteral("Falta o valor da opção %1.").arg(arg));
        const QString value = arguments[++i];
        if (arg == u"--usuario")
            a.settings.user = value;
        else if (arg == u"--senha")
            a.settings.password = value;
        else if (arg == u"--veiculos")
            a.demo.vehicles = positiveNumber(arg, value);
        else if (arg == u"--meses")
            a.demo.months = positiveNumber(arg, value);
        else if (arg == u"--semente")
            a.demo.seed = quint32(positiveNumber(arg, value));
        else if (arg == u"--hoje") {
            a.demo.today = QDate::fromString(value, Qt::ISODate);
            if (!a.demo.today.isValid())
                throw ToolError(QStringLiteral("Data inválida para --hoje: %1").arg(value));
        } else
            throw ToolError(QStringLiteral("Opção desconhecida: %1").arg(arg));
    }
    if (positional.size() != 2)
        throw ToolError(QString::fromUtf8(kUsage).trimmed());
    a.command = positional[0];
    a.file = positional[1];
    if (!schema::isRemoteDatabase(a.file))
        a.file = QFileInfo(a.file).absoluteFilePath();
    a.settings.databaseName = a.file;
    return a;
}

} // namespace

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    try {
        const Arguments a = parse(arguments);
        if (a.command == u"create") {
            createDatabase(a.settings);
            out << QStringLiteral("Banco criado: %1\n").arg(a.file);
        } else if (a.command == u"install") {
            installFleet(a.settings, schema::fleetScripts());
            out << QStringLiteral("Sistema de frota instalado em %1\n").arg(a.file);
        } else if (a.command == u"demo") {
            schema::DemoCounts counts;
            createDatabase(a.settings, [&](Connection &c) { counts = schema::DemoData(a.demo).load(c); });
            out << QStringLiteral("Banco de demonstração criado: %1\n%2\n").arg(a.file, counts.summary());
        } else {
            throw ToolError(QStringLiteral("Comando desconhecido: %1\n%2")
                                .arg(a.command, QString::fromUtf8(kUsage).trimmed()));
        }
        out.flush();
        return 0;
    } catch (const ToolError &e) {
        err << e.message() << u'\n';
    } catch (const std::exception &e) {
        err << QString::fromUtf8(e.what()) << u'\n';
    }
    err.flush();
    return 1;
}

} // namespace zedera::dbtool
