// Two workstations on one database server: the keys they allocate at the same moment, and what
// each sees of the other's work. Runs against the Firebird server on 127.0.0.1, starting it when
// it is not running yet (the set-up script installs it).
#include "SchemaBuilder.h"
#include "db/KeyAllocation.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

using namespace zedera;

namespace {

bool serverListening()
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), 3050);
    return socket.waitForConnected(500);
}

QString sysdbaPassword()
{
    QFile file(QStringLiteral("/etc/firebird/3.0/SYSDBA.password"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const auto m = QRegularExpression(QStringLiteral("ISC_PASSWORD=\"?([^\"\\n]*)\"?"))
                       .match(QString::fromUtf8(file.readAll()));
    return m.hasMatch() ? m.captured(1) : QString();
}

} // namespace

class TestServerWorkstations : public QObject {
    Q_OBJECT
private:
    QProcess m_server;
    QTemporaryDir m_dir;
    ConnectionSettings m_settings;

private slots:
    void initTestCase()
    {
        const QString password = sysdbaPassword();
        if (password.isEmpty())
            QSKIP("The server's SYSDBA password file cannot be read (run the tests as root, as CI does).");
        if (!serverListening()) {
            m_server.setProgram(QStringLiteral("/usr/sbin/firebird"));
            m_server.start();
            QVERIFY2(m_server.waitForStarted(5000), "the Firebird server did not start");
            QTRY_VERIFY_WITH_TIMEOUT(serverListening(), 15000);
        }
        // The server process writes the file; the folder must be open to it.
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
        m_settings.databaseName = QStringLiteral("127.0.0.1:") + m_dir.filePath(QStringLiteral("contabil.gdb"));
        m_settings.user = QStringLiteral("SYSDBA");
        m_settings.password = password;
        schema::createDatabaseFile(m_settings);
        Connection c(QStringLiteral("setup"), m_settings);
        c.open();
        schema::createSchema(c);
    }

    void cleanupTestCase()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(5000))
                m_server.kill();
        }
    }

    // Both workstations read the same highest driver code; the one that stores second is given
    // the next code and keeps its typing.
    void simultaneousInsertsGetDistinctKeys()
    {
        Connection a(QStringLiteral("estacao_a"), m_settings);
        Connection b(QStringLiteral("estacao_b"), m_settings);
        a.open();
        b.open();
        const QString maxSql = QStringLiteral("select max(mo_cod) + 1 as proximo from vkl_motoristas");
        auto insert = [](Connection &c, const QString &nome) {
            return [&c, nome](qint64 key) {
                Query(c, QStringLiteral("insert into vkl_motoristas values(:p_cod, :p_nome, :p_apelido, :p_situa)"))
                    .bind(QStringLiteral(":p_cod"), key)
                    .bind(QStringLiteral(":p_nome"), nome)
                    .bind(QStringLiteral(":p_apelido"), nome.left(10))
                    .bind(QStringLiteral(":p_situa"), QStringLiteral("01"))
                    .exec();
            };
        };

        WriteTransaction txB(b);
        bool raced = false;
        const qint64 keyB = insertWithNextKey(b, maxSql, {}, [&](qint64 key) {
            if (!raced) {
                raced = true;
                WriteTransaction txA(a);
                QCOMPARE(insertWithNextKey(a, maxSql, {}, insert(a, QStringLiteral("JOSE DA SILVA"))), key);
                txA.commit();
            }
            insert(b, QStringLiteral("MARIA SOUZA"))(key);
        });
        txB.commit();

        Query rows(a, QStringLiteral("select mo_cod, mo_nome from vkl_motoristas where mo_cod > 0 order by mo_cod"));
        rows.exec();
        QStringList seen;
        while (rows.next())
            seen << QStringLiteral("%1 %2").arg(rows.integer(QStringLiteral("mo_cod"))).arg(rows.text(QStringLiteral("mo_nome")));
        QCOMPARE(seen, (QStringList{QStringLiteral("1 JOSE DA SILVA"), QStringLiteral("2 MARIA SOUZA")}));
        QCOMPARE(keyB, 2);
    }

    // A list read after another workstation's commit shows it, and one user cannot be connected
    // twice: the second row of the connected-users table is refused by its key.
    void workstationsSeeEachOthersCommits()
    {
        Connection a(QStringLiteral("estacao_c"), m_settings);
        Connection b(QStringLiteral("estacao_d"), m_settings);
        a.open();
        b.open();
        {
            WriteTransaction tx(a);
            Query(a, QStringLiteral("insert into ativos (usuario, hora) values(:p_usuario, :p_hora)"))
                .bind(QStringLiteral(":p_usuario"), QStringLiteral("ATENDENTE"))
                .bind(QStringLiteral(":p_hora"), QDateTime::currentDateTime())
                .exec();
            tx.commit();
        }
        Query who(b, QStringLiteral("select usuario from ativos where usuario = :p_usuario"));
        who.bind(QStringLiteral(":p_usuario"), QStringLiteral("ATENDENTE")).exec();
        QVERIFY(who.next());

        WriteTransaction tx(b);
        try {
            Query(b, QStringLiteral("insert into ativos (usuario, hora) values(:p_usuario, :p_hora)"))
                .bind(QStringLiteral(":p_usuario"), QStringLiteral("ATENDENTE"))
                .bind(QStringLiteral(":p_hora"), QDateTime::currentDateTime())
                .exec();
            QFAIL("the same user was connected twice");
        } catch (const DbError &e) {
            QVERIFY2(e.isDuplicateKey(), qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestServerWorkstations)
#include "tst_server_workstations.moc"
