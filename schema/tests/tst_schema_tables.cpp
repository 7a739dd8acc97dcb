#include "SchemaBuilder.h"
#include "TestDatabase.h"

#include <QtTest>

using namespace zedera;
using zedera::testing::TestDatabase;

namespace {

// The declared type of a column as it would be written in a table definition.
QString typeText(const Query &q)
{
    const qint64 type = q.integer(u"ftype"_qs);
    const qint64 sub = q.integer(u"fsub"_qs);
    const qint64 precision = q.integer(u"fprec"_qs);
    const qint64 scale = -q.integer(u"fscale"_qs);
    const qint64 length = q.integer(u"flen"_qs);
    if ((type == 7 || type == 8 || type == 16) && (sub == 1 || sub == 2 || scale > 0))
        return QStringLiteral("numeric(%1,%2)").arg(precision).arg(scale);
    switch (type) {
    case 7: return u"smallint"_qs;
    case 8: return u"integer"_qs;
    case 16: return u"bigint"_qs;
    case 12: return u"date"_qs;
    case 13: return u"time"_qs;
    case 35: return u"timestamp"_qs;
    case 14: return QStringLiteral("char(%1)").arg(length);
    case 37: return QStringLiteral("varchar(%1)").arg(length);
    default: return QStringLiteral("type%1").arg(type);
    }
}

struct TableShape {
    QString columns; // "name type, name type, ..." in stored order
    QString key;     // primary-key columns in key order
    QString notNull; // NOT NULL columns outside the key, in stored order
};

TableShape describe(Connection &c, const QString &table)
{
    TableShape shape;
    QStringList columns, notNull;
    Query q(c, u"select trim(rf.rdb$field_name) as fname, f.rdb$field_type as ftype, "
               "coalesce(f.rdb$field_sub_type, 0) as fsub, coalesce(f.rdb$field_precision, 0) as fprec, "
               "f.rdb$field_scale as fscale, coalesce(f.rdb$character_length, 0) as flen, "
               "coalesce(rf.rdb$null_flag, 0) as fnotnull "
               "from rdb$relation_fields rf join rdb$fields f on f.rdb$field_name = rf.rdb$field_source "
               "where rf.rdb$relation_name = :p_table order by rf.rdb$field_position"_qs);
    q.bind(u":p_table"_qs, table.toUpper()).exec();
    while (q.next()) {
        const QString name = q.text(u"fname"_qs).toLower();
        columns << name + u' ' + typeText(q);
        if (q.integer(u"fnotnull"_qs))
            notNull << name;
    }
    QStringList key;
    Query k(c, u"select trim(s.rdb$field_name) as fname from rdb$relation_constraints rc "
               "join rdb$index_segments s on s.rdb$index_name = rc.rdb$index_name "
               "where rc.rdb$relation_name = :p_table and rc.rdb$constraint_type = 'PRIMARY KEY' "
               "order by s.rdb$field_position"_qs);
    k.bind(u":p_table"_qs, table.toUpper()).exec();
    while (k.next())
        key << k.text(u"fname"_qs).toLower();
    for (const QString &column : key)
        notNull.removeAll(column);
    shape.columns = columns.join(u", "_qs);
    shape.key = key.join(u", "_qs);
    shape.notNull = notNull.join(u", "_qs);
    return shape;
}

QStringList column(Connection &c, const QString &sql)
{
    Query q(c, sql);
    q.exec();
    QStringList values;
    while (q.next())
        values << q.value(0).toString().trimmed();
    return values;
}

} // namespace

class TestSchemaTables : public QObject {
    Q_OBJECT
    // The catalogue checks only read, so they share one database.
    std::unique_ptr<Connection> m_catalogue;

private slots:
    void initTestCase() { m_catalogue = TestDatabase::connect(TestDatabase::fresh()); }
    void cleanupTestCase() { m_catalogue.reset(); }

    // Every table the program writes is written by an insert without a column list, so a column
    // out of place stores values in the wrong column. The expected lists are those of the
    // program's insert statements.
    void writtenTablesHaveTheirStoredShape_data()
    {
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("notNull");

        QTest::newRow("vkl_parametros")
            << u"pr_ano integer, pr_empresa varchar(40), pr_sigla varchar(15), pr_cnpj varchar(18), "
               "pr_end varchar(40), pr_compl varchar(15), pr_bairro varchar(40), pr_cid varchar(40), "
               "pr_uf char(2), pr_cep varchar(9), pr_fone varchar(14), pr_fax varchar(14), "
               "pr_email varchar(60), pr_detran integer, pr_resp1 varchar(40), pr_resp2 varchar(40), "
               "pr_resp3 varchar(40), pr_contr_km char(2)"_qs
            << u"pr_ano"_qs << QString();
        QTest::newRow("vkl_motoristas")
            << u"mo_cod integer, mo_nome varchar(40), mo_apelido varchar(15), mo_situa char(2)"_qs
            << u"mo_cod"_qs << QString();
        QTest::newRow("vkl_tipo_veic")
            << u"tv_cod integer, tv_descr varchar(20), tv_contr char(1)"_qs << u"tv_cod"_qs << QString();
        QTest::newRow("vkl_tipo_combust")
            << u"tc_cod integer, tc_descr varchar(25), tc_material integer, tc_valor numeric(18,2)"_qs
            << u"tc_cod"_qs << QString();
        QTest::newRow("vkl_tabela")
            << u"tb_cod integer, tb_descr varchar(40), tb_tipo char(2), tb_contr char(1), tb_km integer, "
               "tb_valor numeric(18,2)"_qs
            << u"tb_cod"_qs << QString();
        QTest::newRow("vkl_linhas") << u"li_cod integer, li_descr varchar(60)"_qs << u"li_cod"_qs << QString();
        QTest::newRow("vkl_destinos") << u"de_cod integer, de_descr varchar(60)"_qs << u"de_cod"_qs << QString();
        QTest::newRow("vkl_empr_usu") << u"eu_cod integer, eu_nome varchar(40)"_qs << u"eu_cod"_qs << QString();
        QTest::newRow("vkl_causa_manut") << u"cm_cod integer, cm_descr varchar(40)"_qs << u"cm_cod"_qs << QString();
        QTest::newRow("vkl_veiculos")
            << u"ve_cod integer, ve_nro varchar(7), ve_modelo varchar(40), ve_marca varchar(30), "
               "ve_ano_fabr integer, ve_ano_mod integer, ve_lotacao integer, ve_nro_chassi varchar(40), "
               "ve_tipo_combust integer, ve_tipo_veic integer, ve_capac_tanque integer, "
               "ve_letra_placa varchar(4), ve_nro_placa varchar(4), ve_mes_licenc char(2), ve_dt_aquis date, "
               "ve_km_aquis integer, ve_veloc_min integer, ve_veloc_max integer, ve_cons_min numeric(18,2), "
               "ve_cons_max numeric(18,2), ve_km_min integer, ve_km_max integer, ve_km_atual integer, "
               "ve_estado numeric(4,2), ve_placa_patrim varchar(12), ve_motorista_padrao integer, "
               "ve_ano_setor integer, ve_setor char(8), ve_setor_conv varchar(40), ve_proj integer, "
               "ve_sproj integer, ve_dt_alienacao date, ve_declaravel char(1), ve_baixa char(2), "
               "ve_descr_baixa varchar(200), ve_pertence char(2), ve_contr_km char(1), ve_km_virada integer, "
               "ve_cad_atual char(1)"_qs
            << u"ve_cod"_qs
            << u"ve_nro, ve_tipo_combust, ve_tipo_veic, ve_motorista_padrao, ve_ano_setor, ve_setor"_qs;
        QTest::newRow("vkl_movto_veic")
            << u"mv_ano integer, mv_seq integer, mv_veic integer, mv_motorista integer, mv_dt_saida date, "
               "mv_hr_saida time, mv_km_saida integer, mv_dt_retorno date, mv_hr_retorno time, "
               "mv_km_retorno integer, mv_passageiros varchar(60), mv_destino integer, "
               "mv_descr_dest varchar(60), mv_ocorr varchar(200), mv_setor varchar(8), "
               "mv_setor_conv varchar(40), mv_linha integer, mv_km_acum integer, mv_tp_movto char(1), "
               "mv_km_contr char(1)"_qs
            << u"mv_ano, mv_seq, mv_veic"_qs << QString();
        QTest::newRow("vkl_movto_abast")
            << u"ma_ano integer, ma_seq integer, ma_veic integer, ma_motorista integer, ma_data date, "
               "ma_km integer, ma_combust integer, ma_qtde numeric(18,2), ma_valor numeric(18,2), "
               "ma_forn integer, ma_forn_conv varchar(40), ma_doc varchar(15), ma_nt_fiscal varchar(15), "
               "ma_origem char(2), ma_usuario integer, ma_km_acum integer, ma_km_contr char(1)"_qs
            << u"ma_ano, ma_seq, ma_veic"_qs << u"ma_combust"_qs;
        QTest::newRow("vkl_manut_veic")
            << u"mtv_ano integer, mtv_seq integer, mtv_veic integer, mtv_motorista integer, "
               "mtv_dt_entr date, mtv_hr_entr time, mtv_dt_saida date, mtv_hr_saida time, "
               "mtv_hrs_manut numeric(18,2), mtv_km integer, mtv_situa char(1), mtv_tipo char(1), "
               "mtv_causa integer, mtv_forn integer, mtv_emitente varchar(40), mtv_serv_terc char(1), "
               "mtv_doc varchar(15), mtv_especif varchar(500), mtv_obs varchar(50), "
               "mtv_vr_total numeric(18,2)"_qs
            << u"mtv_ano, mtv_seq, mtv_veic"_qs << u"mtv_motorista, mtv_causa, mtv_forn"_qs;
        QTest::newRow("vkl_itens_manut_veic")
            << u"imtv_ano integer, imtv_seq integer, imtv_veic integer, imtv_item integer, "
               "imtv_material integer, imtv_quant numeric(18,2), imtv_valor numeric(18,2), "
               "imtv_se_ano integer, imtv_se_nro integer, imtv_se_item integer"_qs
            << u"imtv_ano, imtv_seq, imtv_veic, imtv_item"_qs << u"imtv_material"_qs;
        QTest::newRow("vkl_resumo_mensal")
            << u"rm_ano integer, rm_mes integer, rm_veic integer, rm_litros_consu numeric(18,2), "
               "rm_km_rod_abast integer, rm_qt_abast integer, rm_km_rodado integer, rm_minuto_rodado integer, "
               "rm_dias_rodado integer, rm_qt_manut integer, rm_hrs_manut numeric(18,2), rm_qt_multas integer, "
               "rm_vr_combust numeric(18,2), rm_vr_manut numeric(18,2), rm_vr_licenc numeric(18,2), "
               "rm_vr_multas numeric(18,2), rm_vr_seguro numeric(18,2), rm_ult_km_abast integer, "
               "rm_ult_lts_abast numeric(18,2)"_qs
            << u"rm_ano, rm_mes, rm_veic"_qs << QString();
        QTest::newRow("vkl_doc_veic")
            << u"dv_veic integer, dv_cod_mod integer, dv_descr_mod varchar(40), dv_letra_placa varchar(4), "
               "dv_nro_placa varchar(4), dv_ano_fabr integer, dv_ano_mod integer, dv_chassi varchar(40), "
               "dv_chas_regr char(1), dv_prot_regr varchar(12), dv_qt_passag integer, dv_potencia integer, "
               "dv_cil_motor integer, dv_importado char(1), dv_fx_ipva integer, dv_sit_ipva char(2), "
               "dv_cga_capac numeric(18,2), dv_cga_cmt numeric(18,2), dv_cga_pbt numeric(18,2), "
               "dv_qt_eixo integer, dv_cga_rtb varchar(20), dv_renavan varchar(20), dv_cod_cid_renav integer, "
               "dv_cid_renav varchar(40), dv_espelho varchar(12), dv_uf_espelho char(2), "
               "dv_prop_ant varchar(60), dv_cod_mun_ant integer, dv_mun_ant varchar(40), dv_uf_ant char(2), "
               "dv_ant_plc_l varchar(4), dv_ant_plc_n varchar(4), dv_cod_fin integer, "
               "dv_fin_nome varchar(40), dv_contr varchar(15), dv_dtv_contr date, dv_cor char(2), "
               "dv_tipo integer, dv_combust integer, dv_especie char(2), dv_carroceria char(3), "
               "dv_restricao char(2), dv_categoria char(2)"_qs
            << u"dv_veic"_qs
            << u"dv_cor, dv_tipo, dv_combust, dv_especie, dv_carroceria, dv_restricao, dv_categoria"_qs;
        QTest::newRow("vkl_licenciamento")
            << u"lc_ano integer, lc_veic integer, lc_dt_ini date, lc_dt_term date, lc_km integer, "
               "lc_forn integer, lc_despach varchar(40), lc_doc varchar(15), lc_obs varchar(200), "
               "lc_vr_total numeric(18,2)"_qs
            << u"lc_ano, lc_veic"_qs << u"lc_forn"_qs;
        QTest::newRow("vkl_multas")
            << u"mu_seq integer, mu_veic integer, mu_motorista integer, mu_data date, mu_km integer, "
               "mu_local varchar(60), mu_descr varchar(200), mu_cod_infr integer, mu_doc_infr varchar(15), "
               "mu_resp_infr char(1), mu_obs varchar(50), mu_vr_total numeric(18,2), mu_dt_pagto date"_qs
            << u"mu_seq, mu_veic"_qs << u"mu_motorista"_qs;
        QTest::newRow("vkl_seguros")
            << u"sv_seq integer, sv_veic integer, sv_dt_ini date, sv_dt_term date, sv_km integer, "
               "sv_segur integer, sv_segur_conv varchar(40), sv_doc varchar(15), sv_vr_franq numeric(18,2), "
               "sv_vr_premio numeric(18,2), sv_obs varchar(200)"_qs
            << u"sv_seq, sv_veic"_qs << u"sv_segur"_qs;
        QTest::newRow("vkl_ord_serv")
            << u"os_empr integer, os_ano integer, os_nro integer, os_motorista integer, os_dt_requer date, "
               "os_hr_requer time, os_veic integer, os_km_requer integer, os_tipo_def char(2), "
               "os_dt_entr date, os_dt_sai date, os_hr_entr time, os_hr_sai time, os_causa integer, "
               "os_mecanico varchar(40), os_obs varchar(500), os_motivo char(1)"_qs
            << u"os_empr, os_ano, os_nro"_qs << u"os_motorista, os_veic, os_causa"_qs;
        QTest::newRow("vkl_itens_ord_serv")
            << u"ios_empr integer, ios_ano integer, ios_nro integer, ios_item integer, ios_tipo char(1), "
               "ios_descr varchar(200), ios_ano_rm integer, ios_nro_rm integer, ios_item_rm integer"_qs
            << u"ios_empr, ios_ano, ios_nro, ios_item, ios_tipo"_qs << QString();
        QTest::newRow("vkl_cad_lub")
            << u"cl_ano integer, cl_nro integer, cl_compl char(1), cl_veic integer, cl_motorista integer, "
               "cl_data date, cl_km integer"_qs
            << u"cl_ano, cl_nro, cl_compl"_qs << u"cl_veic, cl_motorista"_qs;
        QTest::newRow("vkl_itens_cad_lub")
            << u"icl_ano integer, icl_nro integer, icl_compl char(1), icl_item integer, "
               "icl_km_prox integer, icl_tabela integer, icl_especif varchar(40), icl_quant numeric(18,2), "
               "icl_valor numeric(18,2), icl_obs varchar(200)"_qs
            << u"icl_ano, icl_nro, icl_compl, icl_item"_qs << u"icl_tabela"_qs;
        QTest::newRow("seguradoras_patrim")
            << u"sg_cod integer, sg_nome varchar(40), sg_cnpj varchar(14), sg_resp varchar(40), "
               "sg_end varchar(50), sg_cid varchar(40), sg_fone varchar(11)"_qs
            << u"sg_cod"_qs << QString();
        QTest::newRow("ativos")
            << u"usuario varchar(15), hora timestamp, local varchar(120)"_qs << u"usuario"_qs << QString();
        QTest::newRow("acessos")
            << u"seq integer, usuario varchar(15), data date, hora time, evento varchar(10)"_qs
            << u"seq"_qs << QString();
    }

    void writtenTablesHaveTheirStoredShape()
    {
        QFETCH(QString, columns);
        QFETCH(QString, key);
        QFETCH(QString, notNull);
        const TableShape shape = describe(*m_catalogue, QString::fromUtf8(QTest::currentDataTag()));
        QCOMPARE(shape.columns, columns);
        QCOMPARE(shape.key, key);
        QCOMPARE(shape.notNull, notNull);
    }

    // The document window picks colour, species, restriction and category by the position of
    // the item in the list read without an order, so code n must come back n-th, from 0.
    void referenceListsComeBackInCodeOrderFromZero_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("cores") << u"select cor_cod from vkl_cores"_qs;
        QTest::newRow("especies") << u"select esv_cod from vkl_espec_veic"_qs;
        QTest::newRow("restricoes") << u"select rt_cod from vkl_restricoes"_qs;
        QTest::newRow("categorias") << u"select cat_cod from vkl_categorias"_qs;
    }

    void referenceListsComeBackInCodeOrderFromZero()
    {
        QFETCH(QString, sql);
        Connection *c = m_catalogue.get();
        const QStringList codes = column(*c, sql);
        QVERIFY(codes.size() > 3);
        for (int i = 0; i < codes.size(); ++i)
            QCOMPARE(codes[i], QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
        QCOMPARE(column(*c, u"select tpc_cod from vkl_tipos_carroc"_qs).value(0), u"000"_qs);
        QCOMPARE(column(*c, u"select tvd_cod from vkl_tp_veic_doc"_qs).value(0), u"0"_qs);
    }

    // Trips without line or destination, maintenance and licensing without supplier and
    // service orders without cause store code 0 and check it against its table. Installing the
    // fleet objects again leaves those rows single.
    void codeZeroRowsExistOnceAfterRepeatedInstall()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        schema::runResourceScript(*c, u":/schema/sql/fleet/90_codigo_zero.sql"_qs);
        const QStringList checks = {
            u"select count(*) from vkl_linhas where li_cod = 0"_qs,
            u"select count(*) from vkl_destinos where de_cod = 0"_qs,
            u"select count(*) from fornecedores where fo_cod = 0"_qs,
            u"select count(*) from vkl_causa_manut where cm_cod = 0"_qs,
        };
        for (const QString &sql : checks) {
            Query q(*c, sql);
            QCOMPARE(scalarInteger(q).value_or(-1), 1);
        }
        // Hidden from the registry lists, which show codes above 0 only.
        Query lines(*c, u"select count(*) from vkl_linhas where li_cod > 0"_qs);
        QCOMPARE(scalarInteger(lines).value_or(-1), 0);
    }

    // Databases with and without the workstation column: the login asks the catalogue and
    // writes three or two values; one line per user.
    void connectedUsersWithAndWithoutWorkstation()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        const QString catalogue = u"SELECT RDB$FIELD_NAME FROM RDB$RELATION_FIELDS WHERE "
                                  "RDB$RELATION_NAME = 'ATIVOS' and RDB$FIELD_NAME = 'LOCAL'"_qs;
        QCOMPARE(column(*c, catalogue), QStringList{u"LOCAL"_qs});
        const QDateTime when(QDate(1899, 12, 30), QTime(8, 15, 30));
        Query(*c, u"insert into ativos values(:p_usuario,:p_hora, :p_ip)"_qs)
            .bind(u":p_usuario"_qs, u"ANA"_qs)
            .bind(u":p_hora"_qs, when)
            .bind(u":p_ip"_qs, u"SALA-07 (192.168.0.17)"_qs)
            .exec();
        try {
            Query(*c, u"insert into ativos values(:p_usuario,:p_hora, :p_ip)"_qs)
                .bind(u":p_usuario"_qs, u"ANA"_qs)
                .bind(u":p_hora"_qs, when.addSecs(60))
                .bind(u":p_ip"_qs, u"SALA-08 (192.168.0.18)"_qs)
                .exec();
            QFAIL("a user was registered twice");
        } catch (const DbError &e) {
            QCOMPARE(e.sqlCode(), -803);
        }

        c->execute(u"delete from ativos"_qs);
        c->execute(u"alter table ativos drop local"_qs);
        QVERIFY(column(*c, catalogue).isEmpty());
        Query(*c, u"insert into ativos values(:p_usuario,:p_hora)"_qs)
            .bind(u":p_usuario"_qs, u"ANA"_qs)
            .bind(u":p_hora"_qs, when)
            .exec();
        Query q(*c, u"select * from ativos where usuario = :p_usuario and hora = :p_hora"_qs);
        q.bind(u":p_usuario"_qs, u"ANA"_qs).bind(u":p_hora"_qs, when).exec();
        QVERIFY(q.next());
        QCOMPARE(q.value(u"hora"_qs).toDateTime().time(), QTime(8, 15, 30));
    }

    // A municipality's database already holds the suite's tables, with columns of their own and
    // only some of those the fleet program knows. The fleet objects install beside them and the
    // login's price refresh runs there.
    void fleetObjectsInstallBesideAnExistingSuite()
    {
        ConnectionSettings settings;
        settings.databaseName = TestDatabase::emptyFile();
        auto c = TestDatabase::connect(settings);
        c->execute(u"create table setores (st_cod varchar(8), st_exerc integer, st_nome varchar(40), "
                   "st_outro integer)"_qs);
        c->execute(u"create table fornecedores (fo_cod integer, fo_nome varchar(40), fo_fant varchar(40), "
                   "fo_cnpj varchar(18))"_qs);
        c->execute(u"create table movimento_materiais (mo_id integer, mo_vrunit numeric(15,4), mo_mov char(1), "
                   "mo_orig char(1), mo_data date, mo_ano integer, mo_material integer)"_qs);
        c->execute(u"insert into movimento_materiais values(1, 6.1234, 'E', 'E', '2026-01-05', 2026, 10)"_qs);
        QVERIFY(!schema::hasFleetObjects(*c));

        schema::installFleetObjects(*c);
        QVERIFY(schema::hasFleetObjects(*c));
        c->execute(u"insert into vkl_tipo_combust values(1, 'GASOLINA', 10, 5.00)"_qs);
        c->execute(u"execute procedure atual_vr_tp_combust"_qs);
        Query q(*c, u"select tc_valor from vkl_tipo_combust where tc_cod = 1"_qs);
        q.exec();
        QVERIFY(q.next());
        QCOMPARE(q.decimal(u"tc_valor"_qs), *Decimal::parse(u"6.12"));
        Query zero(*c, u"select count(*) from fornecedores where fo_cod = 0"_qs);
        QCOMPARE(scalarInteger(zero).value_or(-1), 1);
    }

    // A vehicle in perfect state is 100 % and a blank acquisition date is NULL.
    void vehicleAcceptsFullStateAndBlankDates()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        Query(*c, u"insert into vkl_veiculos (ve_cod, ve_nro, ve_tipo_combust, ve_tipo_veic, "
                  "ve_motorista_padrao, ve_ano_setor, ve_setor, ve_estado, ve_dt_aquis) "
                  "values (1, '0001', 1, 1, 1, 2026, '01.01.01', :p_estado, :p_dt)"_qs)
            .bind(u":p_estado"_qs, *Decimal::parse(u"100.00"))
            .bind(u":p_dt"_qs, QDate())
            .exec();
        Query q(*c, u"select ve_estado, ve_dt_aquis from vkl_veiculos"_qs);
        q.exec();
        QVERIFY(q.next());
        QCOMPARE(q.decimal(u"ve_estado"_qs), *Decimal::parse(u"100"));
        QVERIFY(q.isNull(u"ve_dt_aquis"_qs));
    }
};

QTEST_GUILESS_MAIN(TestSchemaTables)
#include "tst_schema_tables.moc"
