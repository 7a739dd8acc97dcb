#include "TestDatabase.h"

#include "SchemaBuilder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

namespace zedera::testing {

namespace {

QTemporaryDir &tempDir()
{
    static QTemporaryDir dir;
    return dir;
}

QString newPath()
{
    return tempDir().filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".gdb"));
}

const QString &templateFile()
{
    static const QString path = [] {
        ConnectionSettings settings;
        settings.databaseName = tempDir().filePath(QStringLiteral("template.gdb"));
        schema::createDatabaseFile(settings);
        // Test databases are thrown away: no need to wait for the disk at every commit.
        schema::setForcedWrites(settings, false);
        {
            Connection c(QStringLiteral("zedera_test_template"), settings);
            c.open();
            schema::createSchema(c);
            c.close();
        }
        return settings.databaseName;
    }();
    return path;
}

} // namespace

QString TestDatabase::scratchDir()
{
    return tempDir().path();
}

QString TestDatabase::freshFile()
{
    const QString path = newPath();
    if (!QFile::copy(templateFile(), path))
        throw DbError(QStringLiteral("Não foi possível copiar o banco de teste para %1").arg(path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
    return path;
}

QString TestDatabase::emptyFile()
{
    ConnectionSettings settings;
    settings.databaseName = newPath();
    schema::createDatabaseFile(settings);
    schema::setForcedWrites(settings, false);
    return settings.databaseName;
}

ConnectionSettings TestDatabase::fresh()
{
    ConnectionSettings settings;
    settings.databaseName = freshFile();
    return settings;
}

std::unique_ptr<Connection> TestDatabase::connect(const ConnectionSettings &settings, const QString &name)
{
    auto c = std::make_unique<Connection>(
        name.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : name, settings);
    c->open();
    return c;
}

} // namespace zedera::testing
