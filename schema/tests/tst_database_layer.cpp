#include "SchemaBuilder.h"
#include "TestDatabase.h"
#include "db/KeyAllocation.h"

#include <QtTest>

using namespace zedera;
using zedera::testing::TestDatabase;

class TestDatabaseLayer : public QObject {
    Q_OBJECT
private slots:
    void splitsScripts()
    {
        const QString script = QStringLiteral(
            "-- a comment; with a terminator\n"
            "create table a (x varchar(10) default ';');\n"
            "/* block; */ insert into a values('it''s; fine');\n"
            "SET TERM ^ ;\n"
            "create procedure p as begin\n  insert into a values('x');\nend^\n"
            "SET TERM ; ^\n"
            "commit;\n");
        const QStringList s = schema::splitStatements(script);
        QCOMPARE(s.size(), 4);
        QCOMPARE(s[0], QStringLiteral("create table a (x varchar(10) default ';')"));
        QCOMPARE(s[1], QStringLiteral("insert into a values('it''s; fine')"));
        QVERIFY(s[2].startsWith(QStringLiteral("create procedure p as begin")));
        QVERIFY(s[2].endsWith(QStringLiteral("end")));
        QCOMPARE(s[3], QStringLiteral("commit"));
    }

    void decimalsRoundTripWithoutLosingACent()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        c->execute(QStringLiteral("create table money_t (v numeric(18,2))"));
        Decimal expected;
        {
            WriteTransaction tx(*c);
            // Values whose doubles sit just below the half cent.
            const QStringList values = {u"0.29"_qs, u"1.005"_qs, u"2.675"_qs, u"0.285"_qs, u"1234.56"_qs,
                                        u"-0.005"_qs, u"99999999.99"_qs, u"0.1"_qs};
            for (int i = 0; i < 300; ++i) {
                const Decimal v = *Decimal::parse(values[i % values.size()]);
                Query(*c, u"insert into money_t values(:p_v)"_qs).bind(u":p_v"_qs, v).exec();
                expected += v.rounded(2);
            }
            tx.commit();
        }
        Query q(*c, u"select sum(v) as total, min(v) as lo from money_t"_qs);
        q.exec();
        QVERIFY(q.next());
        QCOMPARE(q.decimal(u"total"_qs), expected);
        QCOMPARE(q.decimal(u"lo"_qs), *Decimal::parse(u"-0.01"));
    }

    void blankDatesAndTimesAreNull()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        c->execute(u"create table dt_t (d date, t time)"_qs);
        Query(*c, u"insert into dt_t values(:p_d, :p_t)"_qs).bind(u":p_d"_qs, QDate()).bind(u":p_t"_qs, QTime()).exec();
        Query(*c, u"insert into dt_t values(:p_d, :p_t)"_qs)
            .bind(u":p_d"_qs, QDate(2026, 2, 28))
            .bind(u":p_t"_qs, QTime(7, 45))
            .exec();
        Query q(*c, u"select count(*) from dt_t where d is null and t is null"_qs);
        QCOMPARE(scalarInteger(q).value_or(-1), 1);
        Query r(*c, u"select d, t from dt_t where d is not null"_qs);
        r.exec();
        QVERIFY(r.next());
        QCOMPARE(r.date(u"d"_qs), QDate(2026, 2, 28));
        QCOMPARE(r.time(u"t"_qs), QTime(7, 45));
    }

    void fixedWidthCodesReadWithoutPadding()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        c->execute(u"create table code_t (c1 char(1), c2 char(2), v varchar(5))"_qs);
        Query(*c, u"insert into code_t values('S', '01', 'ab ')"_qs).exec();
        Query q(*c, u"select c1, c2, v from code_t"_qs);
        q.exec();
        QVERIFY(q.next());
        QCOMPARE(q.text(u"c1"_qs), u"S"_qs);
        QCOMPARE(q.value(1).toString(), u"01"_qs);
        // Variable-width text keeps what was stored.
        QCOMPARE(q.text(u"v"_qs), u"ab "_qs);
    }

    void errorsCarryTheServersText()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        try {
            Query(*c, u"select * from no_such_table"_qs).exec();
            QFAIL("no error");
        } catch (const DbError &e) {
            QVERIFY2(e.message().contains(u"Table unknown"_qs), qPrintable(e.message()));
            QCOMPARE(e.sqlCode(), -204);
        }
    }

    void writeTransactionRollsBackUnlessCommitted()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        c->execute(u"create table tx_t (k integer)"_qs);
        {
            WriteTransaction tx(*c);
            Query(*c, u"insert into tx_t values(1)"_qs).exec();
        }
        {
            WriteTransaction tx(*c);
            Query(*c, u"insert into tx_t values(2)"_qs).exec();
            tx.commit();
        }
        Query q(*c, u"select sum(k) from tx_t"_qs);
        QCOMPARE(scalarInteger(q).value_or(-1), 2);
        QVERIFY(!c->inTransaction());
    }

    void readsSeeOtherConnectionsCommits()
    {
        const auto settings = TestDatabase::fresh();
        auto a = TestDatabase::connect(settings);
        auto b = TestDatabase::connect(settings);
        a->execute(u"create table seen_t (k integer)"_qs);
        Query before(*b, u"select count(*) from seen_t"_qs);
        QCOMPARE(scalarInteger(before).value_or(-1), 0);
        {
            WriteTransaction tx(*a);
            Query(*a, u"insert into seen_t values(1)"_qs).exec();
            tx.commit();
        }
        Query after(*b, u"select count(*) from seen_t"_qs);
        QCOMPARE(scalarInteger(after).value_or(-1), 1);
    }

    // Two workstations read the same "max + 1" and both insert: the second one's insert fails on
    // the primary key, is given the next key and stores its row; nothing is lost or doubled.
    void keyAllocationRetriesAfterADuplicate()
    {
        const auto settings = TestDatabase::fresh();
        auto a = TestDatabase::connect(settings);
        auto b = TestDatabase::connect(settings);
        a->execute(u"create table key_t (k integer not null primary key, owner varchar(10))"_qs);
        const QString maxSql = u"select max(k) + 1 as proximo from key_t"_qs;
        auto insertFor = [](Connection &c, const QString &owner) {
            return [&c, owner](qint64 key) {
                Query(c, u"insert into key_t values(:p_k, :p_owner)"_qs)
                    .bind(u":p_k"_qs, key)
                    .bind(u":p_owner"_qs, owner)
                    .exec();
            };
        };

        WriteTransaction txB(*b);
        // b reads its key first, then a stores the same key and commits before b inserts.
        bool raced = false;
        const qint64 keyB = insertWithNextKey(*b, maxSql, {}, [&](qint64 key) {
            if (!raced) {
                raced = true;
                WriteTransaction txA(*a);
                QCOMPARE(insertWithNextKey(*a, maxSql, {}, insertFor(*a, u"a"_qs)), key);
                txA.commit();
            }
            insertFor(*b, u"b"_qs)(key);
        });
        txB.commit();
        QCOMPARE(keyB, 2);

        Query rows(*a, u"select k, owner from key_t order by k"_qs);
        rows.exec();
        QStringList seen;
        while (rows.next())
            seen << QStringLiteral("%1=%2").arg(rows.integer(u"k"_qs)).arg(rows.text(u"owner"_qs));
        QCOMPARE(seen, (QStringList{u"1=a"_qs, u"2=b"_qs}));
    }

    void keyAllocationGivesUpOnOtherErrors()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        c->execute(u"create table key2_t (k integer not null primary key, v integer not null)"_qs);
        int calls = 0;
        QVERIFY_THROWS_EXCEPTION(DbError, insertWithNextKey(*c, u"select max(k) + 1 from key2_t"_qs, {},
                                                            [&](qint64 key) {
                                                                ++calls;
                                                                Query(*c, u"insert into key2_t values(:k, null)"_qs)
                                                                    .bind(u":k"_qs, key)
                                                                    .exec();
                                                            }));
        QCOMPARE(calls, 1);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseLayer)
#include "tst_database_layer.moc"
