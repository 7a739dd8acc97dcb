#include "TestDatabase.h"

#include <QSqlRecord>
#include <QtTest>

using namespace zedera;
using zedera::testing::TestDatabase;

namespace {

Decimal dec(const char *text)
{
    return *Decimal::parse(QString::fromLatin1(text));
}

void run(Connection &c, const QStringList &statements)
{
    WriteTransaction tx(c);
    for (const QString &sql : statements)
        c.execute(sql);
    tx.commit();
}

// Two vehicles with a driver, fuel, company, sector and destination each; the movements are
// added by the tests that need them.
void registries(Connection &c)
{
    run(c, {
        u"insert into setores values(2026, '01.01.01', 'GABINETE', 'GAB', null)"_qs,
        u"insert into setores values(2026, '02.01.00', 'OBRAS', 'SOB', null)"_qs,
        u"insert into vkl_motoristas values(1, 'JOAO DA SILVA', 'JOAO', '01')"_qs,
        u"insert into vkl_motoristas values(2, 'MARIA SOUZA', 'MARIA', '01')"_qs,
        u"insert into vkl_empr_usu values(1, 'SECRETARIA DE OBRAS')"_qs,
        u"insert into vkl_empr_usu values(2, 'SECRETARIA DE SAUDE')"_qs,
        u"insert into vkl_tipo_combust values(1, 'GASOLINA', 10, 5.00)"_qs,
        u"insert into vkl_tipo_combust values(2, 'DIESEL', 20, 4.00)"_qs,
        u"insert into vkl_destinos values(5, 'HOSPITAL REGIONAL')"_qs,
        u"insert into vkl_veiculos values(1, '0100', 'GOL 1.0', 'VW', 2020, 2020, 5, 'CH1', 1, 1, 50, "
         "'ABC', '1234', '03', null, 0, 0, 0, 0, 0, 0, 0, 0, 90, null, 1, 2026, '01.01.01', '', 0, 0, "
         "null, 'S', '00', null, '01', 'S', 100000, '0')"_qs,
        u"insert into vkl_veiculos values(2, '0200', 'CARGO 1722', 'FORD', 2018, 2018, 3, 'CH2', 2, 1, "
         "275, 'DEF', '0042', '05', null, 0, 0, 0, 0, 0, 0, 0, 0, 80, null, 2, 2026, '02.01.00', '', 0, "
         "0, null, 'S', '00', null, '01', 'S', 1000000, '0')"_qs,
    });
}

QString fuelling(int seq, int veic, int driver, const char *date, int km, int acum, const char *litres,
                 const char *value, const char *origin = "01", int company = 1)
{
    return QStringLiteral("insert into vkl_movto_abast values(2026, %1, %2, %3, '%4', %5, %2, %6, %7, 0, "
                          "null, 'D', 'NF', '%8', %9, %10, 'S')")
        .arg(seq).arg(veic).arg(driver).arg(QLatin1String(date)).arg(km)
        .arg(QLatin1String(litres), QLatin1String(value), QLatin1String(origin))
        .arg(company).arg(acum);
}

// Movements of every kind for the two vehicles, mostly in March 2026. Vehicle 0100 (sector
// GABINETE) has a trip charged to OBRAS; vehicle 0200 (sector OBRAS) has a licensing whose
// start is blank.
void movements(Connection &c)
{
    registries(c);
    run(c, {
        u"insert into vkl_movto_veic values(2026, 1, 1, 1, '2026-03-02', '08:00', 1000, '2026-03-02', "
         "'10:30', 1100, null, 5, 'CONSULTA', null, '02.01.00', '', 0, 1100, 'R', 'S')"_qs,
        u"insert into vkl_movto_veic values(2026, 2, 1, 1, '2026-02-27', '08:00', 900, '2026-02-27', "
         "'09:00', 950, null, 0, 'PRAÇA', null, '01.01.01', '', 0, 950, 'R', 'S')"_qs,
        u"insert into vkl_movto_veic values(2026, 1, 2, 2, '2026-03-04', '07:00', 5000, null, null, "
         "5000, null, 0, 'ENTREGA', null, '', '', 0, 5000, 'S', 'S')"_qs,
        fuelling(1, 1, 1, "2026-03-03", 1100, 1100, "40", "240.00", "01", 1),
        fuelling(1, 2, 2, "2026-03-05", 5000, 5000, "100", "600.00", "02", 2),
        u"insert into vkl_manut_veic values(2026, 1, 1, 2, '2026-03-10', '08:00', '2026-03-10', '13:30', "
         "5.30, 1150, 'P', 'M', 0, 0, null, 'N', null, null, null, 150)"_qs,
        u"insert into vkl_licenciamento values(2026, 1, '2026-03-15', '2027-03-31', 1160, 0, null, 'D1', null, 300)"_qs,
        u"insert into vkl_licenciamento values(2026, 2, null, '2026-03-31', 5010, 0, null, 'D2', null, 410)"_qs,
        u"insert into vkl_multas values(1, 1, 2, '2026-03-20', 1170, 'AV BRASIL', 'EXCESSO', 7455, 'AI1', 'M', "
         "null, 130.16, null)"_qs,
        u"insert into vkl_seguros values(1, 1, '2026-03-25', '2027-03-24', 1180, 1, null, 'AP1', 200, 1000, null)"_qs,
    });
}

struct ReportFilter {
    QDate ini = QDate(2026, 3, 1);
    QDate fin = QDate(2026, 3, 31);
    QString nroVeic, setor, tpSetor = u"V"_qs, posto;
    int motorista = 0, emprUsu = 0;
    QString kinds = u"SSSSSS"_qs; // trips, fuellings, maintenance, licensing, fines, insurance
};

} // namespace

Q_DECLARE_METATYPE(ReportFilter)

namespace {

// The report's own statement; a null text or a code 0 goes as NULL.
void openReport(Query &q, const ReportFilter &f)
{
    auto text = [&](const QString &name, const QString &value) {
        if (value.isNull())
            q.bindNull(name);
        else
            q.bind(name, value);
    };
    auto code = [&](const QString &name, int value) {
        if (value == 0)
            q.bindNull(name);
        else
            q.bind(name, value);
    };
    q.bind(u":p_dt_ini"_qs, f.ini).bind(u":p_dt_fin"_qs, f.fin);
    text(u":p_nro_veic"_qs, f.nroVeic);
    code(u":p_motorista"_qs, f.motorista);
    text(u":p_setor"_qs, f.setor);
    q.bind(u":p_tp_setor"_qs, f.tpSetor);
    code(u":p_empr_usu"_qs, f.emprUsu);
    text(u":p_posto"_qs, f.posto);
    const QStringList flags = {u":p_mv_mov"_qs, u":p_mv_abast"_qs, u":p_mv_manut"_qs,
                               u":p_mv_licen"_qs, u":p_mv_multa"_qs, u":p_mv_seg"_qs};
    for (int i = 0; i < flags.size(); ++i)
        q.bind(flags[i], f.kinds.mid(i, 1));
    q.exec();
}

const QString reportSql = u"select * from relat_movto_completo(:p_dt_ini, :p_dt_fin, :p_nro_veic, :p_motorista, "
                          ":p_setor, :p_tp_setor, :p_empr_usu, :p_posto, :p_mv_mov, :p_mv_abast, :p_mv_manut, "
                          ":p_mv_licen, :p_mv_multa, :p_mv_seg) order by r_veic, r_dt_movto, r_tp_mov, r_hr_saida"_qs;

} // namespace

class TestSchemaProcedures : public QObject {
    Q_OBJECT
private slots:
    void fRightTakesTheLastCharacters_data()
    {
        QTest::addColumn<QVariant>("text");
        QTest::addColumn<QVariant>("count");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("month padded") << QVariant(u"05"_qs) << QVariant(2) << QVariant(u"05"_qs);
        QTest::newRow("month cut") << QVariant(u"011"_qs) << QVariant(2) << QVariant(u"11"_qs);
        QTest::newRow("longer than text") << QVariant(u"ab"_qs) << QVariant(5) << QVariant(u"ab"_qs);
        QTest::newRow("accented") << QVariant(u"gestão"_qs) << QVariant(3) << QVariant(u"tão"_qs);
        QTest::newRow("zero") << QVariant(u"abc"_qs) << QVariant(0) << QVariant(u""_qs);
        QTest::newRow("negative") << QVariant(u"abc"_qs) << QVariant(-2) << QVariant(u""_qs);
        QTest::newRow("null text") << QVariant() << QVariant(2) << QVariant();
    }

    void fRightTakesTheLastCharacters()
    {
        QFETCH(QVariant, text);
        QFETCH(QVariant, count);
        QFETCH(QVariant, expected);
        auto c = TestDatabase::connect(TestDatabase::fresh());
        Query q(*c, u"select f_right(cast(:p_t as varchar(20)), :p_n) from rdb$database"_qs);
        if (text.isNull())
            q.bindNull(u":p_t"_qs);
        else
            q.bind(u":p_t"_qs, text.toString());
        q.bind(u":p_n"_qs, count.toInt()).exec();
        QVERIFY(q.next());
        QCOMPARE(q.value(0).isNull(), expected.isNull());
        QCOMPARE(q.value(0).toString(), expected.toString());
    }

    // The movement summary report keys months as year || f_right(0 || month, 2) and compares
    // them with yyyymm bounds; a range across the turn of the year takes its four months.
    void monthKeysCompareInCalendarOrder()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        QStringList rows;
        const QList<QPair<int, int>> months = {{2007, 10}, {2007, 11}, {2007, 12}, {2008, 1}, {2008, 2}, {2008, 3}};
        for (const auto &[year, month] : months)
            rows << QStringLiteral("insert into vkl_resumo_mensal values(%1, %2, 7, 0, 0, 0, %2, 0, 0, 0, 0, "
                                   "0, 0, 0, 0, 0, 0, 0, 0)").arg(year).arg(month);
        run(*c, rows);
        Query q(*c, u"select sum(rm_km_rodado) as km_rodado from vkl_resumo_mensal where rm_veic = :p_veic "
                    "and (rm_ano||f_right(0||rm_mes,2)) >= :p_ini and (rm_ano||f_right(0||rm_mes,2)) <= :p_fin"_qs);
        q.bind(u":p_veic"_qs, 7).bind(u":p_ini"_qs, 200711).bind(u":p_fin"_qs, 200802).exec();
        QVERIFY(q.next());
        QCOMPARE(q.integer(u"km_rodado"_qs), 11 + 12 + 1 + 2);
    }

    // The entry's total follows every insert, change and delete of its items, touching no other
    // entry; deleting an entry takes its items with it, so the next entry of the vehicle, which
    // gets the freed sequence, starts empty.
    void maintenanceTotalFollowsItsItems()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        const QString header = u"insert into vkl_manut_veic values(2026, %1, 3, 1, '2026-03-10', '08:00', "
                               "null, null, 0, 1000, 'P', 'M', 0, 0, null, 'N', null, null, null, 0)"_qs;
        run(*c, {header.arg(1), header.arg(2)});
        const QString item = u"insert into vkl_itens_manut_veic values(2026, :p_seq, 3, :p_item, 99, 1, :p_valor, 0, 0, 0)"_qs;
        auto addItem = [&](int seq, int number, const char *value) {
            WriteTransaction tx(*c);
            Query(*c, item).bind(u":p_seq"_qs, seq).bind(u":p_item"_qs, number).bind(u":p_valor"_qs, dec(value)).exec();
            tx.commit();
        };
        auto total = [&](int seq) {
            Query q(*c, u"select mtv_vr_total from vkl_manut_veic where mtv_ano = 2026 and mtv_seq = :p_seq and mtv_veic = 3"_qs);
            q.bind(u":p_seq"_qs, seq).exec();
            return q.next() ? q.decimal(u"mtv_vr_total"_qs) : dec("-1");
        };

        addItem(1, 1, "120.50");
        addItem(1, 2, "79.49");
        addItem(2, 1, "10.00");
        QCOMPARE(total(1), dec("199.99"));
        QCOMPARE(total(2), dec("10.00"));

        run(*c, {u"update vkl_itens_manut_veic set imtv_valor = 100.01 where imtv_seq = 1 and imtv_item = 2"_qs});
        QCOMPARE(total(1), dec("220.51"));

        run(*c, {u"delete from vkl_itens_manut_veic where imtv_seq = 1 and imtv_item = 1"_qs});
        QCOMPARE(total(1), dec("100.01"));
        run(*c, {u"delete from vkl_itens_manut_veic where imtv_seq = 1 and imtv_item = 2"_qs});
        QCOMPARE(total(1), dec("0"));

        // An item moved to the other entry leaves its old entry and joins the new one.
        addItem(1, 3, "5.00");
        run(*c, {u"update vkl_itens_manut_veic set imtv_seq = 2, imtv_item = 9 where imtv_seq = 1 and imtv_item = 3"_qs});
        QCOMPARE(total(1), dec("0"));
        QCOMPARE(total(2), dec("15.00"));

        run(*c, {u"delete from vkl_manut_veic where mtv_ano = 2026 and mtv_seq = 2 and mtv_veic = 3"_qs});
        Query left(*c, u"select count(*) from vkl_itens_manut_veic where imtv_seq = 2"_qs);
        QCOMPARE(scalarInteger(left).value_or(-1), 0);
        run(*c, {header.arg(2)});
        addItem(2, 1, "7.00");
        QCOMPARE(total(2), dec("7.00"));
    }

    // Each fuel takes the unit price of its material's latest priced entry (of two on one date,
    // the one recorded last); exits, unpriced entries and fuels without material or entry
    // change nothing.
    void fuelPricesFollowTheLatestEntry()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        run(*c, {
            u"insert into vkl_tipo_combust values(1, 'GASOLINA', 10, 5.00)"_qs,
            u"insert into vkl_tipo_combust values(2, 'DIESEL', 20, 4.00)"_qs,
            u"insert into vkl_tipo_combust values(3, 'ETANOL', null, 3.00)"_qs,
            u"insert into vkl_tipo_combust values(4, 'GNV', 40, 2.50)"_qs,
            u"insert into vkl_tipo_combust values(5, 'ARLA', 50, 1.00)"_qs,
            u"insert into movimento_materiais values(2026, 1, 10, '2026-01-10', 'E', 'E', 1000, 5.1000)"_qs,
            u"insert into movimento_materiais values(2026, 2, 10, '2026-03-01', 'E', 'E', 1000, 5.8990)"_qs,
            u"insert into movimento_materiais values(2026, 3, 10, '2026-03-05', 'S', 'E', 200, 9.9900)"_qs,
            u"insert into movimento_materiais values(2026, 4, 10, '2026-03-06', 'E', 'E', 10, 0)"_qs,
            u"insert into movimento_materiais values(2025, 9, 40, '2026-02-01', 'E', 'E', 10, 3.1000)"_qs,
            u"insert into movimento_materiais values(2026, 5, 40, '2026-02-01', 'E', 'E', 10, 3.2000)"_qs,
            u"insert into movimento_materiais values(2026, 6, 50, '2026-02-01', 'S', 'E', 10, 8.0000)"_qs,
        });
        c->execute(u"execute procedure atual_vr_tp_combust"_qs);
        Query q(*c, u"select tc_cod, tc_valor from vkl_tipo_combust order by tc_cod"_qs);
        q.exec();
        QStringList values;
        while (q.next())
            values << q.decimal(u"tc_valor"_qs).toString(2);
        QCOMPARE(values, (QStringList{u"5.90"_qs, u"4.00"_qs, u"3.00"_qs, u"3.20"_qs, u"1.00"_qs}));
    }

    // One row per fuelling of the period, grouped by fleet number; the distance runs from the
    // vehicle's previous fuelling, which may lie before the period, and is 0 for its first.
    void averageConsumptionRows()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        registries(*c);
        run(*c, {
            fuelling(1, 1, 1, "2025-12-30", 900, 1000, "30", "180.00"),
            fuelling(2, 1, 1, "2026-03-03", 1200, 1300, "40", "240.00"),
            fuelling(3, 1, 2, "2026-03-20", 1400, 1500, "30", "181.50", "02", 2),
            fuelling(4, 1, 1, "2026-04-02", 1600, 1700, "20", "120.00"),
            fuelling(1, 2, 2, "2026-03-05", 500, 500, "100", "600.00"),
            fuelling(2, 2, 2, "2026-03-06", 800, 800, "0", "0"),
        });
        Query q(*c, u"select * from vkl_list_movto_abast_cons(:p_ma_data_ini, :p_ma_data_fin) where 0 = 0"_qs);
        q.bind(u":p_ma_data_ini"_qs, QDate(2026, 3, 1)).bind(u":p_ma_data_fin"_qs, QDate(2026, 3, 31)).exec();
        QStringList rows;
        while (q.next())
            rows << QStringLiteral("%1 %2 %3 %4 %5")
                        .arg(q.text(u"r_ve_nro"_qs), q.date(u"r_ma_data"_qs).toString(Qt::ISODate))
                        .arg(q.integer(u"r_km_percorr"_qs))
                        .arg(q.decimal(u"r_km_consumo"_qs).toString(2), q.decimal(u"r_vr_tot_abast"_qs).toString(2));
        QCOMPARE(rows, (QStringList{
                           u"0100 2026-03-03 300 7.50 240.00"_qs,
                           u"0100 2026-03-20 200 6.67 181.50"_qs,
                           u"0200 2026-03-05 0 0.00 600.00"_qs,
                           u"0200 2026-03-06 300 0.00 0.00"_qs,
                       }));

        Query one(*c, u"select * from vkl_list_movto_abast_cons(:p_ma_data_ini, :p_ma_data_fin) where 0 = 0 "
                      "and r_ve_nro = :p_nro and r_ma_usuario = :p_usu"_qs);
        one.bind(u":p_ma_data_ini"_qs, QDate(2026, 3, 1)).bind(u":p_ma_data_fin"_qs, QDate(2026, 3, 31));
        one.bind(u":p_nro"_qs, u"0100"_qs).bind(u":p_usu"_qs, 2).exec();
        QVERIFY(one.next());
        QCOMPARE(one.integer(u"r_ma_veic"_qs), 1);
        QCOMPARE(one.text(u"r_ve_modelo"_qs), u"GOL 1.0"_qs);
        QCOMPARE(one.text(u"r_ve_letra_placa"_qs) + u'-' + one.text(u"r_ve_nro_placa"_qs), u"ABC-1234"_qs);
        QCOMPARE(one.integer(u"r_ma_km"_qs), 1400);
        QCOMPARE(one.integer(u"r_ma_combust"_qs), 1);
        QCOMPARE(one.text(u"r_tc_descr"_qs), u"GASOLINA"_qs);
        QCOMPARE(one.decimal(u"r_ma_qtde"_qs), dec("30"));
        QCOMPARE(one.decimal(u"r_ma_valor"_qs), dec("181.50"));
        QCOMPARE(one.text(u"r_mo_nome"_qs), u"MARIA SOUZA"_qs);
        QCOMPARE(one.text(u"r_eu_nome"_qs), u"SECRETARIA DE SAUDE"_qs);
        QVERIFY(!one.next());
    }

    // Which movements the complete movement report gets for each choice of kinds and filters.
    void completeReportSelectsMovements_data()
    {
        QTest::addColumn<ReportFilter>("filter");
        QTest::addColumn<QStringList>("expected");
        const QStringList all = {u"0100 1 2026-03-02"_qs, u"0100 2 2026-03-03"_qs, u"0100 3 2026-03-10"_qs,
                                 u"0100 4 2026-03-15"_qs, u"0100 5 2026-03-20"_qs, u"0100 6 2026-03-25"_qs,
                                 u"0200 1 2026-03-04"_qs, u"0200 2 2026-03-05"_qs, u"0200 4 2026-03-31"_qs};
        ReportFilter f;
        QTest::newRow("every kind, no filter") << f << all;

        f = {};
        f.setor = u"  .  .  "_qs;
        f.nroVeic = u""_qs;
        f.posto = u""_qs;
        QTest::newRow("blank fields filter nothing") << f << all;

        f = {};
        f.kinds = u"NNNNNN"_qs;
        QTest::newRow("no kind") << f << QStringList();

        f = {};
        f.kinds = u"NSNNNN"_qs;
        f.posto = u"02"_qs;
        QTest::newRow("private station fuellings") << f << QStringList{u"0200 2 2026-03-05"_qs};

        f = {};
        f.motorista = 2;
        QTest::newRow("driver leaves out licensing and insurance")
            << f << QStringList{u"0100 3 2026-03-10"_qs, u"0100 5 2026-03-20"_qs, u"0200 1 2026-03-04"_qs,
                                u"0200 2 2026-03-05"_qs};

        f = {};
        f.nroVeic = u"0200"_qs;
        QTest::newRow("vehicle") << f << all.mid(6);

        f = {};
        f.setor = u"02.01.00"_qs;
        QTest::newRow("vehicle's sector") << f << all.mid(6);

        f = {};
        f.setor = u"02.01.00"_qs;
        f.tpSetor = u"A"_qs;
        QTest::newRow("movement's sector: trip charged elsewhere")
            << f << (QStringList{u"0100 1 2026-03-02"_qs} + all.mid(6));

        f = {};
        f.setor = u"01.01.01"_qs;
        f.tpSetor = u"A"_qs;
        QTest::newRow("movement's sector: the rest of the vehicle") << f << all.mid(1, 5);

        f = {};
        f.kinds = u"SSNNNN"_qs;
        f.emprUsu = 1;
        QTest::newRow("company restricts fuellings only")
            << f << QStringList{u"0100 1 2026-03-02"_qs, u"0100 2 2026-03-03"_qs, u"0200 1 2026-03-04"_qs};

        f = {};
        f.kinds = u"NNNSSS"_qs;
        f.ini = QDate(2026, 3, 16);
        QTest::newRow("licensing by its end when the start is blank")
            << f << QStringList{u"0100 5 2026-03-20"_qs, u"0100 6 2026-03-25"_qs, u"0200 4 2026-03-31"_qs};
    }

    void completeReportSelectsMovements()
    {
        QFETCH(ReportFilter, filter);
        QFETCH(QStringList, expected);
        auto c = TestDatabase::connect(TestDatabase::fresh());
        movements(*c);
        Query q(*c, reportSql);
        openReport(q, filter);
        QStringList rows;
        while (q.next())
            rows << QStringLiteral("%1 %2 %3").arg(q.text(u"r_veic"_qs), q.text(u"r_tp_mov"_qs),
                                                  q.date(u"r_dt_movto"_qs).toString(Qt::ISODate));
        QCOMPARE(rows, expected);
    }

    // The columns each kind of row carries, and the descriptions the page heading reads.
    void completeReportColumns()
    {
        auto c = TestDatabase::connect(TestDatabase::fresh());
        movements(*c);
        Query q(*c, reportSql);
        openReport(q, ReportFilter());
        QList<QVariantMap> rows;
        while (q.next()) {
            QVariantMap row;
            const QSqlRecord record = q.raw().record();
            for (int i = 0; i < record.count(); ++i)
                row.insert(record.fieldName(i).toLower(), q.value(i));
            rows << row;
        }
        QCOMPARE(rows.size(), 9);
        auto text = [](const QVariant &v) { return v.toString().trimmed(); };
        auto money = [](const QVariant &v) { return Decimal::fromVariant(v).toString(2); };

        const QVariantMap &trip = rows[0];
        QCOMPARE(text(trip[u"r_modelo"_qs]), u"GOL 1.0"_qs);
        QCOMPARE(text(trip[u"r_placa"_qs]), u"ABC-1234"_qs);
        QCOMPARE(text(trip[u"r_set_veic"_qs]), u"01.01.01"_qs);
        QCOMPARE(text(trip[u"r_dsc_set_veic"_qs]), u"GABINETE"_qs);
        QCOMPARE(text(trip[u"r_descr_setor"_qs]), u"OBRAS"_qs);
        QCOMPARE(text(trip[u"r_apel_mot"_qs]), u"JOAO"_qs);
        QCOMPARE(text(trip[u"r_nome_mot"_qs]), u"JOAO DA SILVA"_qs);
        QCOMPARE(trip[u"r_hr_saida"_qs].toTime(), QTime(8, 0));
        QCOMPARE(trip[u"r_km_saida"_qs].toInt(), 1000);
        QCOMPARE(text(trip[u"r_dest_02"_qs]), u"HOSPITAL REGIONAL - CONSULTA"_qs);
        QCOMPARE(trip[u"r_dt_retorno"_qs].toDate(), QDate(2026, 3, 2));
        QCOMPARE(trip[u"r_hr_retorno"_qs].toTime(), QTime(10, 30));
        QCOMPARE(trip[u"r_km_retorno"_qs].toInt(), 1100);
        QCOMPARE(trip[u"r_km_virada"_qs].toInt(), 100000);
        QVERIFY(trip[u"r_km_ab"_qs].isNull() && trip[u"r_vr_man"_qs].isNull());

        const QVariantMap &fuel = rows[1];
        QCOMPARE(fuel[u"r_km_ab"_qs].toInt(), 1100);
        QCOMPARE(fuel[u"r_km_acum_ab"_qs].toInt(), 1100);
        QCOMPARE(money(fuel[u"r_qt_ab"_qs]), u"40.00"_qs);
        QCOMPARE(text(fuel[u"r_descr_comb"_qs]), u"GASOLINA"_qs);
        QCOMPARE(money(fuel[u"r_vr_ab"_qs]), u"240.00"_qs);
        QCOMPARE(text(fuel[u"r_nome_empr_ab"_qs]), u"SECRETARIA DE OBRAS"_qs);
        QCOMPARE(text(fuel[u"r_descr_setor"_qs]), u"GABINETE"_qs);
        QVERIFY(fuel[u"r_hr_saida"_qs].isNull() && fuel[u"r_km_saida"_qs].isNull() && fuel[u"r_dest_02"_qs].isNull());

        const QVariantMap &repair = rows[2];
        QCOMPARE(repair[u"r_km_man"_qs].toInt(), 1150);
        QCOMPARE(repair[u"r_hr_entr_man"_qs].toTime(), QTime(8, 0));
        QCOMPARE(repair[u"r_dt_sai_man"_qs].toDate(), QDate(2026, 3, 10));
        QCOMPARE(repair[u"r_hr_sai_man"_qs].toTime(), QTime(13, 30));
        QCOMPARE(text(repair[u"r_situa_man"_qs]), u"P"_qs);
        QCOMPARE(money(repair[u"r_hrs_man"_qs]), u"5.30"_qs);
        QCOMPARE(money(repair[u"r_vr_man"_qs]), u"150.00"_qs);
        QCOMPARE(text(repair[u"r_apel_mot"_qs]), u"MARIA"_qs);
        QVERIFY(repair[u"r_qt_ab"_qs].isNull() && repair[u"r_nome_empr_ab"_qs].isNull());

        QCOMPARE(rows[3][u"r_km_lic"_qs].toInt(), 1160);
        QCOMPARE(money(rows[3][u"r_vr_lic"_qs]), u"300.00"_qs);
        QVERIFY(rows[3][u"r_apel_mot"_qs].isNull());
        QCOMPARE(rows[4][u"r_km_mult"_qs].toInt(), 1170);
        QCOMPARE(money(rows[4][u"r_vr_mult"_qs]), u"130.16"_qs);
        QCOMPARE(rows[5][u"r_km_seg"_qs].toInt(), 1180);
        QCOMPARE(money(rows[5][u"r_vr_seg"_qs]), u"1200.00"_qs); // premium plus deductible
        QVERIFY(rows[5][u"r_vr_mult"_qs].isNull() && rows[5][u"r_km_lic"_qs].isNull());

        // An open trip has no return and its destination is only what the user wrote.
        const QVariantMap &open = rows[6];
        QCOMPARE(text(open[u"r_dest_02"_qs]), u"ENTREGA"_qs);
        QVERIFY(open[u"r_dt_retorno"_qs].isNull() && open[u"r_hr_retorno"_qs].isNull());
        QCOMPARE(text(open[u"r_descr_setor"_qs]), u"OBRAS"_qs);

        // With a company chosen, rows that are not fuellings still name it for the heading.
        ReportFilter byCompany;
        byCompany.emprUsu = 1;
        byCompany.kinds = u"SNNNNN"_qs;
        Query trips(*c, reportSql);
        openReport(trips, byCompany);
        QVERIFY(trips.next());
        QCOMPARE(trips.text(u"r_nome_empr_ab"_qs), u"SECRETARIA DE OBRAS"_qs);
    }
};

QTEST_GUILESS_MAIN(TestSchemaProcedures)
#include "tst_schema_procedures.moc"
