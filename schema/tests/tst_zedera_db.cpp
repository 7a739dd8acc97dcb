#include "Catalogue.h"
#include "DbTool.h"
#include "SchemaBuilder.h"
#include "TestDatabase.h"
#include "demo/DemoData.h"

#include <QProcess>
#include <QSqlRecord>
#include <QTemporaryFile>
#include <QtTest>

using namespace zedera;
using zedera::testing::TestDatabase;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun runTool(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(ZEDERA_DB_TOOL), arguments);
    p.waitForFinished(300000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

QString newPath(const QString &name)
{
    static int n = 0;
    return TestDatabase::scratchDir() + QStringLiteral("/%1_%2.gdb").arg(name).arg(++n);
}

ConnectionSettings settingsFor(const QString &path)
{
    ConnectionSettings s;
    s.databaseName = path;
    return s;
}

qint64 count(Connection &c, const QString &sql)
{
    Query q(c, sql);
    return scalarInteger(q).value_or(-1);
}

// A municipality's database before the fleet arrives: the suite's tables with a few rows,
// including a supplier 0 of its own.
QString suiteDatabase()
{
    const QString path = TestDatabase::emptyFile();
    dbtool::setForcedWrites(settingsFor(path), false); // a scratch file: no need to wait for the disk
    auto c = TestDatabase::connect(settingsFor(path));
    for (const QString &script : schema::suiteScripts())
        schema::runResourceScript(*c, script);
    c->execute(u"insert into setores (st_exerc, st_cod, st_nome) values (2026, '01.01.00', 'GABINETE')"_qs);
    c->execute(
        u"insert into fornecedores (fo_cod, fo_nome, fo_fant) values (0, 'CAIXA INTERNA', 'CAIXA')"_qs);
    c->execute(u"insert into fornecedores (fo_cod, fo_nome, fo_fant) values (7, 'AUTO POSTO SOL', 'SOL')"_qs);
    c->execute(u"insert into material (mt_codigo, mt_descricao, mt_vrestoque, mt_estoque) "
               "values (1, 'GASOLINA', 600.00, 100.00)"_qs);
    return path;
}

// Every row of the suite tables the fixture fills, as text, to show that nothing changed.
QString suiteRows(Connection &c)
{
    QString all;
    for (const QString &table : {u"setores"_qs, u"fornecedores"_qs, u"material"_qs}) {
        Query q(c, QStringLiteral("select * from %1 order by 1, 2").arg(table));
        q.exec();
        while (q.next()) {
            for (int i = 0; i < q.raw().record().count(); ++i)
                all += q.value(i).toString() + u'|';
            all += u'\n';
        }
    }
    return all;
}

QString writeScript(const QString &text)
{
    auto *file = new QTemporaryFile(TestDatabase::scratchDir() + QStringLiteral("/extra_XXXXXX.sql"));
    file->setAutoRemove(true);
    file->open();
    file->write(text.toUtf8());
    file->close();
    return file->fileName(); // the file lives until the test program ends
}

} // namespace

class TestZederaDb : public QObject {
    Q_OBJECT
private slots:
    void commandLineRefusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("existingFile");
        QTest::addColumn<QString>("message");
        QTest::newRow("create over a file") << QStringList{u"create"_qs} << true << u"já existe"_qs;
        QTest::newRow("demo over a file") << QStringList{u"demo"_qs} << true << u"já existe"_qs;
        QTest::newRow("install into nothing") << QStringList{u"install"_qs} << false << u"não existe"_qs;
        QTest::newRow("unknown command") << QStringList{u"apagar"_qs} << false << u"Comando desconhecido"_qs;
        QTest::newRow("no file") << QStringList{} << false << u"Uso: zedera-db"_qs;
        QTest::newRow("bad size") << QStringList{u"demo"_qs, u"--veiculos"_qs, u"zero"_qs} << false
                                  << u"Valor inválido para --veiculos"_qs;
    }

    // The tool never overwrites or half-builds: a refusal is a message, a non-zero exit, and the
    // file as it was (or no file at all).
    void commandLineRefusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, existingFile);
        QFETCH(QString, message);
        const QString path = newPath(u"cli"_qs);
        const QByteArray content = "not a database, but somebody's file";
        if (existingFile) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        if (!arguments.isEmpty())
            arguments.insert(1, path);
        const ToolRun r = runTool(arguments);
        QCOMPARE_NE(r.exitCode, 0);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        if (existingFile) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), content);
        } else {
            QVERIFY(!QFileInfo::exists(path));
        }
    }

    void installAddsOursAndKeepsTheSuitesRows()
    {
        const QString path = suiteDatabase();
        QString rowsBefore;
        {
            auto c = TestDatabase::connect(settingsFor(path));
            rowsBefore = suiteRows(*c);
        }
        ToolRun r = runTool({u"install"_qs, path});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QSet<dbtool::CatalogueObject> installed;
        {
            auto c = TestDatabase::connect(settingsFor(path));
            QVERIFY(schema::hasFleetObjects(*c));
            QCOMPARE(suiteRows(*c), rowsBefore);
            QCOMPARE(count(*c, u"select count(*) from vkl_linhas where li_cod = 0"_qs), 1);
            QCOMPARE_GT(count(*c, u"select count(*) from vkl_cores"_qs), 0);
            // The code and trigger came along: an item's value reaches its entry's total.
            QCOMPARE(
                count(
                    *c,
                    u"select count(*) from rdb$triggers where rdb$trigger_name = 'TR_ITENS_MANUT_VEIC_TOTAL'"_qs),
                1);
            QCOMPARE(count(*c, u"select cast(f_right('2026' || '07', 2) as integer) from rdb$database"_qs),
                     7);
            installed = dbtool::readCatalogue(*c);
        }

        r = runTool({u"install"_qs, path});
        QCOMPARE_NE(r.exitCode, 0);
        QVERIFY2(r.err.contains(u"já contém as tabelas do sistema de frota"_qs), qPrintable(r.err));
        auto c = TestDatabase::connect(settingsFor(path));
        QVERIFY(dbtool::readCatalogue(*c) == installed);
    }

    void failedInstallLeavesTheDatabaseAsItWas_data()
    {
        QTest::addColumn<QString>("prepare"); // run on the suite database first
        QTest::addColumn<QString>("extra");   // an extra script after ours, to fail late
        QTest::addColumn<QString>("message");
        QTest::newRow("an object fails after ours were made")
            << QString() << u"create table vkl_quebrada (x tipo_que_nao_existe);"_qs
            << u"O banco foi deixado como estava"_qs;
        QTest::newRow("a row fails after suite rows were changed")
            << QString()
            << u"update fornecedores set fo_nome = 'ALTERADO';\ninsert into vkl_linhas values (0, 'DE NOVO');"_qs
            << u"O banco foi deixado como estava"_qs;
        QTest::newRow("a suite table is missing") << u"drop table proj_almoxarifado"_qs << QString()
                                                  << u"não contém as tabelas do sistema de administração"_qs;
        QTest::newRow("one of our index names is taken")
            << u"create index ix_vkl_veiculos_nro on setores (st_nome)"_qs << QString()
            << u"já contém objetos"_qs;
        QTest::newRow("our function's name is taken")
            << u"create procedure f_right as begin end"_qs << QString() << u"já contém objetos"_qs;
    }

    void failedInstallLeavesTheDatabaseAsItWas()
    {
        QFETCH(QString, prepare);
        QFETCH(QString, extra);
        QFETCH(QString, message);
        const QString path = suiteDatabase();
        QSet<dbtool::CatalogueObject> before;
        QString rowsBefore;
        {
            auto c = TestDatabase::connect(settingsFor(path));
            if (!prepare.isEmpty())
                c->execute(prepare);
            before = dbtool::readCatalogue(*c);
            rowsBefore = suiteRows(*c);
        }
        QStringList scripts = schema::fleetScripts();
        if (!extra.isEmpty())
            scripts << writeScript(extra);
        try {
            dbtool::installFleet(settingsFor(path), scripts);
            QFAIL("the install went through");
        } catch (const dbtool::ToolError &e) {
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
        auto c = TestDatabase::connect(settingsFor(path));
        const QSet<dbtool::CatalogueObject> after = dbtool::readCatalogue(*c);
        QVERIFY2(after == before,
                 qPrintable(QStringLiteral("%1 objects left over").arg((after - before).size())));
        QCOMPARE(suiteRows(*c), rowsBefore);
    }

    // A load that fails half way leaves no database behind for the program to open.
    void failedCreationRemovesTheFile()
    {
        const QString path = newPath(u"failed"_qs);
        schema::DemoOptions options;
        options.today = QDate(2026, 5, 20);
        options.vehicles = 2;
        options.months = 1;
        try {
            dbtool::createDatabase(settingsFor(path), [&](Connection &c) {
                schema::DemoData(options).load(c);
                c.execute(u"insert into vkl_veiculos (ve_cod) values (1)"_qs);
            });
            QFAIL("the creation went through");
        } catch (const dbtool::ToolError &e) {
            QVERIFY2(e.message().contains(u"removido"_qs), qPrintable(e.message()));
        }
        QVERIFY(!QFileInfo::exists(path));
    }

    void demoOdometersFollowTheRule()
    {
        // A period that crosses the turn of the year: sequences restart, both exercises are used.
        const QString path = newPath(u"demo"_qs);
        const ToolRun r = runTool({u"demo"_qs, path, u"--hoje"_qs, u"2026-02-10"_qs, u"--meses"_qs, u"4"_qs});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        auto c = TestDatabase::connect(settingsFor(path));

        // Each trip's accumulated odometer is the previous one plus the kilometres since the
        // previous return, a whole turn added when the reading did not grow; an open trip (the
        // vehicle's last) repeats the previous value.
        const QString trips =
            u"select mv_veic, mv_tp_movto tp, mv_km_saida dep, mv_km_retorno ret, mv_km_acum acc, "
            "ve_km_virada v, "
            "lag(mv_km_acum) over (partition by mv_veic order by mv_dt_saida, mv_hr_saida) pacc, "
            "lag(mv_km_retorno) over (partition by mv_veic order by mv_dt_saida, mv_hr_saida) pret, "
            "lead(mv_seq) over (partition by mv_veic order by mv_dt_saida, mv_hr_saida) nxt "
            "from vkl_movto_veic join vkl_veiculos on ve_cod = mv_veic"_qs;
        QCOMPARE(count(*c, u"select count(*) from ("_qs + trips +
                               u") where tp = 'R' and acc <> coalesce(pacc, 0) + ret - coalesce(pret, 0) "
                               "+ iif(ret - coalesce(pret, 0) <= 0, v, 0)"_qs),
                 0);
        QCOMPARE(
            count(
                *c,
                u"select count(*) from ("_qs + trips +
                    u") where tp = 'S' and (nxt is not null or acc <> iif(coalesce(pacc, 0) <> 0, pacc, dep))"_qs),
            0);
        QCOMPARE(count(*c, u"select count(*) from ("_qs + trips + u") where acc < pacc"_qs), 0);
        // The fixture must really turn an odometer and leave trips open.
        QCOMPARE_GT(count(*c, u"select count(*) from ("_qs + trips + u") where tp = 'R' and ret < pret"_qs),
                    0);
        QCOMPARE_GT(count(*c, u"select count(*) from vkl_movto_veic where mv_tp_movto = 'S'"_qs), 0);

        // Fuellings follow the same rule between fuellings; without control they repeat the
        // previous reading and accumulated value.
        const QString fuel = u"select ma_km km, ma_km_acum acc, ma_km_contr ctl, ve_km_virada v, "
                             "lag(ma_km_acum) over (partition by ma_veic order by ma_data, ma_km_acum) pacc, "
                             "lag(ma_km) over (partition by ma_veic order by ma_data, ma_km_acum) pkm "
                             "from vkl_movto_abast join vkl_veiculos on ve_cod = ma_veic"_qs;
        QCOMPARE(count(*c, u"select count(*) from ("_qs + fuel +
                               u") where (ctl = 'S' and acc <> coalesce(pacc, 0) + km - coalesce(pkm, 0) "
                               "+ iif(km - coalesce(pkm, 0) <= 0, v, 0)) "
                               "or (ctl = 'N' and (acc <> coalesce(pacc, 0) or km <> coalesce(pkm, 0)))"_qs),
                 0);
        QCOMPARE_GT(count(*c, u"select count(*) from ("_qs + fuel + u") where ctl = 'S' and km < pkm"_qs), 0);
        QCOMPARE_GT(count(*c, u"select count(*) from vkl_movto_abast where ma_km_contr = 'N'"_qs), 0);

        // Trips keep the current odometer: it is the last trip's return, or its departure while open.
        QCOMPARE(
            count(*c,
                  u"select count(*) from vkl_veiculos where ve_km_atual <> "
                  "(select first 1 iif(mv_km_retorno >= 1, mv_km_retorno, mv_km_saida) from vkl_movto_veic "
                  "where mv_veic = ve_cod order by mv_dt_saida desc, mv_hr_saida desc) "
                  "and exists (select 1 from vkl_movto_veic where mv_veic = ve_cod)"_qs),
            0);
        // No reading the windows would refuse: 0, or above the rollover point.
        QCOMPARE(count(*c,
                       u"select count(*) from vkl_movto_veic join vkl_veiculos on ve_cod = mv_veic "
                       "where mv_km_saida < 1 or mv_km_saida > ve_km_virada "
                       "or (mv_tp_movto = 'R' and (mv_km_retorno < 1 or mv_km_retorno > ve_km_virada))"_qs),
                 0);
    }

    void demoRowsAreWhatTheProgramShows()
    {
        const QString path = newPath(u"rows"_qs);
        schema::DemoOptions options;
        options.today = QDate(2026, 2, 10);
        schema::DemoCounts counts;
        dbtool::createDatabase(settingsFor(path),
                               [&](Connection &c) { counts = schema::DemoData(options).load(c); });
        auto c = TestDatabase::connect(settingsFor(path));

        const QList<QPair<QString, int>> tables = {{u"vkl_veiculos"_qs, counts.vehicles},
                                                   {u"vkl_motoristas"_qs, counts.drivers},
                                                   {u"vkl_movto_veic"_qs, counts.trips},
                                                   {u"vkl_movto_abast"_qs, counts.fuellings},
                                                   {u"vkl_manut_veic"_qs, counts.maintenance},
                                                   {u"vkl_itens_manut_veic"_qs, counts.maintenanceItems},
                                                   {u"vkl_licenciamento"_qs, counts.licensing},
                                                   {u"vkl_multas"_qs, counts.fines},
                                                   {u"vkl_seguros"_qs, counts.insurance},
                                                   {u"vkl_doc_veic"_qs, counts.documents},
                                                   {u"vkl_ord_serv"_qs, counts.serviceOrders},
                                                   {u"vkl_cad_lub"_qs, counts.lubrications}};
        for (const auto &[table, expected] : tables) {
            QVERIFY2(expected > 0, qPrintable(table));
            QCOMPARE(count(*c, u"select count(*) from "_qs + table), expected);
        }
        QCOMPARE(counts.vehicles, 20);
        QCOMPARE(count(*c, u"select count(*) from vkl_parametros where pr_ano in (2025, 2026)"_qs), 2);

        // The windows list through inner joins: a row missing a partner would vanish from them.
        QCOMPARE(count(*c,
                       u"select count(*) from vkl_veiculos, vkl_tipo_combust, vkl_tipo_veic, vkl_motoristas, "
                       "setores, proj_almoxarifado where ve_tipo_combust = tc_cod and ve_tipo_veic = tv_cod "
                       "and ve_motorista_padrao = mo_cod and ve_ano_setor = st_exerc and ve_setor = st_cod "
                       "and ve_proj = pra_proj and ve_sproj = pra_sproj"_qs),
                 counts.vehicles);
        QCOMPARE(
            count(*c,
                  u"select count(*) from vkl_movto_veic, vkl_motoristas, vkl_destinos, setores, vkl_linhas "
                  "where mv_motorista = mo_cod and mv_destino = de_cod and mv_ano = st_exerc "
                  "and mv_setor = st_cod and mv_linha = li_cod"_qs),
            counts.trips);
        QCOMPARE(
            count(*c,
                  u"select count(*) from vkl_movto_abast, vkl_motoristas, vkl_tipo_combust, fornecedores, "
                  "vkl_empr_usu where ma_motorista = mo_cod and ma_combust = tc_cod and ma_forn = fo_cod "
                  "and ma_usuario = eu_cod"_qs),
            counts.fuellings);
        QCOMPARE(count(*c,
                       u"select count(*) from vkl_doc_veic, vkl_veiculos, vkl_cores, vkl_tp_veic_doc, "
                       "vkl_tipo_combust, vkl_espec_veic, vkl_tipos_carroc, vkl_restricoes, vkl_categorias "
                       "where dv_veic = ve_cod and dv_cor = cor_cod and dv_tipo = tvd_cod "
                       "and dv_combust = tc_cod and dv_especie = esv_cod and dv_carroceria = tpc_cod "
                       "and dv_restricao = rt_cod and dv_categoria = cat_cod"_qs),
                 counts.documents);
        // Sequences start at 1 for every exercise and vehicle and leave no gap.
        const QStringList sequences[] = {{u"mv_seq"_qs, u"vkl_movto_veic"_qs, u"mv_ano, mv_veic"_qs},
                                         {u"ma_seq"_qs, u"vkl_movto_abast"_qs, u"ma_ano, ma_veic"_qs},
                                         {u"mtv_seq"_qs, u"vkl_manut_veic"_qs, u"mtv_ano, mtv_veic"_qs}};
        for (const QStringList &s : sequences)
            QCOMPARE(
                count(*c, QStringLiteral("select count(*) from (select count(*) n, min(%1) lo, max(%1) hi "
                                         "from %2 group by %3) where n <> hi or lo <> 1")
                              .arg(s[0], s[1], s[2])),
                0);
        QCOMPARE_GT(count(*c, u"select count(distinct mv_ano) from vkl_movto_veic"_qs), 1);
        QCOMPARE(count(*c,
                       u"select count(*) from vkl_manut_veic where mtv_vr_total <> (select sum(imtv_valor) "
                       "from vkl_itens_manut_veic where imtv_ano = mtv_ano and imtv_seq = mtv_seq "
                       "and imtv_veic = mtv_veic)"_qs),
                 0);
        // A fuelling is worth its litres at the day's price of the fuel, as the window proposes it.
        QCOMPARE(count(*c,
                       u"select count(*) from vkl_movto_abast join vkl_tipo_combust on tc_cod = ma_combust "
                       "where ma_valor <> cast(ma_qtde * (select first 1 cast(mo_vrunit as numeric(18,2)) "
                       "from movimento_materiais where mo_material = tc_material and mo_mov = 'E' "
                       "and mo_data <= ma_data order by mo_data desc) as numeric(18,2))"_qs),
                 0);
    }

    void demoIsRepeatable()
    {
        auto digest = [](quint32 seed) {
            const QString path = newPath(u"repeat"_qs);
            schema::DemoOptions options;
            options.today = QDate(2026, 9, 15);
            options.vehicles = 4;
            options.months = 2;
            options.seed = seed;
            dbtool::createDatabase(settingsFor(path),
                                   [&](Connection &c) { schema::DemoData(options).load(c); });
            auto c = TestDatabase::connect(settingsFor(path));
            Query q(*c, u"select (select count(*) || ':' || sum(mv_km_acum) || ':' || sum(mv_motorista) "
                        "from vkl_movto_veic) || '/' || (select sum(ma_valor) || ':' || sum(ma_km_acum) "
                        "from vkl_movto_abast) || '/' || (select sum(mtv_vr_total) from vkl_manut_veic) "
                        "from rdb$database"_qs);
            q.exec();
            q.next();
            return q.value(0).toString();
        };
        const QString first = digest(7);
        QCOMPARE(digest(7), first);
        QCOMPARE_NE(digest(8), first);
    }
};

QTEST_GUILESS_MAIN(TestZederaDb)
#include "tst_zedera_db.moc"
