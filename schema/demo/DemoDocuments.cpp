// The vehicles' papers in the demonstration: registration documents, yearly licensing, traffic
// fines and insurance policies, with odometer readings taken from the simulated odometers.

#include "DemoModel.h"

namespace zedera::schema::demo {

namespace {

// The code of a reference row by its description, so that the demo follows whatever codes the
// reference tables carry; the lowest code when the description is not there.
QString referenceCode(Connection &c, const QString &table, const QString &codeColumn,
                      const QString &descriptionColumn, const QString &description)
{
    // Table and column names are ours, never typed by anyone.
    Query q(
        c, QStringLiteral("select %2 from %1 where %3 = :p_descr").arg(table, codeColumn, descriptionColumn));
    q.bind(u":p_descr"_qs, description).exec();
    if (q.next())
        return q.value(0).toString().trimmed();
    Query lowest(c, QStringLiteral("select min(%2) from %1").arg(table, codeColumn));
    lowest.exec();
    return lowest.next() ? lowest.value(0).toString().trimmed() : QString();
}

struct Infraction {
    int code;
    const char *description;
    int valueCents;
};

const Infraction kInfractions[] = {
    {74550, "TRANSITAR EM VELOCIDADE SUPERIOR À MÁXIMA PERMITIDA EM ATÉ 20%", 13016},
    {74630, "TRANSITAR EM VELOCIDADE SUPERIOR À MÁXIMA PERMITIDA EM MAIS DE 20% ATÉ 50%", 19523},
    {55412, "ESTACIONAR EM LOCAL PROIBIDO PELA SINALIZAÇÃO", 19523},
    {60501, "AVANÇAR O SINAL VERMELHO DO SEMÁFORO", 29347},
    {73662, "DIRIGIR O VEÍCULO MANUSEANDO TELEFONE CELULAR", 29347},
};

const char *const kPlaces[] = {
    "AV. JOÃO PINHEIRO, 450 - CENTRO",        "RODOVIA MG-050, KM 82",
    "RUA SETE DE SETEMBRO, 120 - CENTRO",     "BR-381, KM 655 - SENTIDO CAPITAL",
    "AV. DO CONTORNO, 2300 - BELO HORIZONTE",
};

void loadRegistrationDocuments(Connection &c, Dice &dice, const QList<VehicleRecord> &vehicles,
                               DemoCounts &counts)
{
    const QString colours[] = {u"BRANCA"_qs, u"PRATA"_qs, u"BRANCA"_qs, u"AMARELA"_qs};
    const QString official =
        referenceCode(c, u"vkl_categorias"_qs, u"cat_cod"_qs, u"cat_descr"_qs, u"OFICIAL"_qs);
    const QString noRestriction =
        referenceCode(c, u"vkl_restricoes"_qs, u"rt_cod"_qs, u"rt_descr"_qs, u"NENHUMA"_qs);
    Query q(
        c,
        u"insert into vkl_doc_veic values(:p_veic, :p_cod_mod, :p_descr_mod, :p_letra_placa, :p_nro_placa, "
        ":p_ano_fabr, :p_ano_mod, :p_chassi, :p_chas_regr, :p_prot_regr, :p_qt_passag, :p_potencia, "
        ":p_cil_motor, :p_importado, :p_fx_ipva, :p_sit_ipva, :p_cga_capac, :p_cga_cmt, :p_cga_pbt, "
        ":p_qt_eixo, :p_cga_rtb, :p_renavan, :p_cod_cid_renav, :p_cid_renav, :p_espelho, :p_uf_espelho, "
        ":p_prop_ant, :p_cod_mun_ant, :p_mun_ant, :p_uf_ant, :p_ant_plc_l, :p_ant_plc_n, :p_cod_fin, "
        ":p_fin_nome, :p_contr, :p_dtv_contr, :p_cor, :p_tipo, :p_combust, :p_especie, :p_carroceria, "
        ":p_restricao, :p_categoria)"_qs);
    for (const VehicleRecord &v : vehicles) {
        if (v.licensingMonth == 0)
            continue; // machines and equipment have no road document
        const bool bus = v.capacity > 8;
        const QString docType = v.heavy ? (bus ? u"ÔNIBUS"_qs : u"CAMINHÃO"_qs)
                                : bus   ? u"MICROÔNIBUS"_qs
                                : v.capacity <= 2 && v.model.startsWith(u"CG") ? u"MOTOCICLETA"_qs
                                : v.capacity <= 2                              ? u"CAMINHONETE"_qs
                                                                               : u"AUTOMÓVEL"_qs;
        const QString species = v.heavy && !bus ? u"CARGA"_qs : u"PASSAGEIRO"_qs;
        const QString body = v.model.contains(u"AMBULÂNCIA")   ? u"AMBULÂNCIA"_qs
                             : v.model.contains(u"ESCOLAR")    ? u"TRANSPORTE ESCOLAR"_qs
                             : v.model.contains(u"COLETOR")    ? u"COLETOR DE LIXO"_qs
                             : v.model.contains(u"BASCULANTE") ? u"BASCULANTE"_qs
                                                               : u"NENHUMA"_qs;
        q.bind(u":p_veic"_qs, v.code)
            .bind(u":p_cod_mod"_qs, 150000 + v.code * 37)
            .bind(u":p_descr_mod"_qs, (v.make.section(u' ', 0, 0).left(6) + u'/' + v.model).left(40))
            .bind(u":p_letra_placa"_qs, v.letters)
            .bind(u":p_nro_placa"_qs, v.digits)
            .bind(u":p_ano_fabr"_qs, v.yearMade)
            .bind(u":p_ano_mod"_qs, v.yearMade)
            .bind(u":p_chassi"_qs, v.chassis)
            .bind(u":p_chas_regr"_qs, u"N"_qs)
            .bind(u":p_prot_regr"_qs, QString(u""_qs))
            .bind(u":p_qt_passag"_qs, v.capacity)
            .bind(u":p_potencia"_qs, v.heavy ? dice.between(150, 190) : dice.between(70, 160))
            .bind(u":p_cil_motor"_qs, v.heavy ? 4800 : dice.pick(QList<int>{999, 1368, 1598, 1796, 2800}))
            .bind(u":p_importado"_qs, u"N"_qs)
            .bind(u":p_fx_ipva"_qs, 0)
            // A municipality's vehicles are immune from the state vehicle tax.
            .bind(u":p_sit_ipva"_qs, u"02"_qs)
            .bind(u":p_cga_capac"_qs, v.heavy && !bus ? Decimal(10) : Decimal(0))
            .bind(u":p_cga_cmt"_qs, v.heavy && !bus ? Decimal(23) : Decimal(0))
            .bind(u":p_cga_pbt"_qs, v.heavy ? Decimal(16) : Decimal(0))
            .bind(u":p_qt_eixo"_qs, v.heavy ? 2 : 2)
            .bind(u":p_cga_rtb"_qs, QString(u""_qs))
            .bind(u":p_renavan"_qs,
                  QStringLiteral("%1%2").arg(dice.between(100000, 999999)).arg(dice.between(10000, 99999)))
            .bind(u":p_cod_cid_renav"_qs, 4321)
            .bind(u":p_cid_renav"_qs, u"ZEDERA"_qs)
            .bind(u":p_espelho"_qs, QString::number(dice.between(100000000, 999999999)))
            .bind(u":p_uf_espelho"_qs, u"MG"_qs)
            .bind(u":p_prop_ant"_qs, QString(u""_qs))
            .bind(u":p_cod_mun_ant"_qs, 0)
            .bind(u":p_mun_ant"_qs, QString(u""_qs))
            .bind(u":p_uf_ant"_qs, QString(u""_qs))
            .bind(u":p_ant_plc_l"_qs, QString(u""_qs))
            .bind(u":p_ant_plc_n"_qs, QString(u""_qs))
            .bind(u":p_cod_fin"_qs, 0)
            .bind(u":p_fin_nome"_qs, QString(u""_qs))
            .bind(u":p_contr"_qs, QString(u""_qs))
            .bind(u":p_dtv_contr"_qs, QDate())
            .bind(u":p_cor"_qs,
                  referenceCode(c, u"vkl_cores"_qs, u"cor_cod"_qs, u"cor_descr"_qs, colours[v.code % 4]))
            .bind(u":p_tipo"_qs,
                  referenceCode(c, u"vkl_tp_veic_doc"_qs, u"tvd_cod"_qs, u"tvd_descr"_qs, docType).toInt())
            .bind(u":p_combust"_qs, v.fuel)
            .bind(u":p_especie"_qs,
                  referenceCode(c, u"vkl_espec_veic"_qs, u"esv_cod"_qs, u"esv_descr"_qs, species))
            .bind(u":p_carroceria"_qs,
                  referenceCode(c, u"vkl_tipos_carroc"_qs, u"tpc_cod"_qs, u"tpc_descr"_qs, body))
            .bind(u":p_restricao"_qs, noRestriction)
            .bind(u":p_categoria"_qs, official)
            .exec();
        ++counts.documents;
    }
}

void loadLicensing(Connection &c, const DemoOptions &options, const Registries &reg,
                   const QList<VehicleRecord> &vehicles, DemoCounts &counts)
{
    Query q(c,
            u"insert into vkl_licenciamento values(:p_ano, :p_veic, :p_dt_ini, :p_dt_term, :p_km, :p_forn, "
            ":p_despach, :p_doc, :p_obs, :p_vr_total)"_qs);
    for (const VehicleRecord &v : vehicles) {
        if (!v.licensable)
            continue;
        for (int year = options.today.year() - 1; year <= options.today.year(); ++year) {
            const QDate start(year, v.licensingMonth, 5 + v.code % 20);
            if (start > options.today)
                continue;
            const int fee = (v.heavy ? 28952 : 15220) * (year == options.today.year() ? 105 : 100) / 100;
            q.bind(u":p_ano"_qs, year)
                .bind(u":p_veic"_qs, v.code)
                .bind(u":p_dt_ini"_qs, start)
                .bind(u":p_dt_term"_qs, start.addYears(1).addDays(-1))
                .bind(u":p_km"_qs, v.readingAt(start))
                .bind(u":p_forn"_qs, reg.dispatcher)
                .bindNull(u":p_despach"_qs)
                .bind(u":p_doc"_qs, QStringLiteral("DAE %1").arg(year * 1000 + v.code))
                .bind(u":p_obs"_qs,
                      v.heavy ? u"LICENCIAMENTO ANUAL COM VISTORIA"_qs : u"LICENCIAMENTO ANUAL"_qs)
                .bind(u":p_vr_total"_qs, cents(fee))
                .exec();
            ++counts.licensing;
        }
    }
}

void loadFines(Connection &c, const DemoOptions &options, Dice &dice, const QList<VehicleRecord> &vehicles,
               const QList<TripRecord> &trips, DemoCounts &counts)
{
    QSet<int> onRoads;
    for (const VehicleRecord &v : vehicles)
        if (v.licensable)
            onRoads.insert(v.code);
    QList<TripRecord> candidates;
    for (const TripRecord &t : trips)
        if (onRoads.contains(t.vehicle) && t.date < options.today)
            candidates << t;
    if (candidates.isEmpty())
        return;

    Query q(c, u"insert into vkl_multas values(:p_seq, :p_veic, :p_motorista, :p_data, :p_km, :p_local, "
               ":p_descr, :p_cod_infr, :p_doc_infr, :p_resp_infr, :p_obs, :p_vr_total, :p_dt_pagto)"_qs);
    QHash<int, int> seqOfVehicle;
    const int wanted = std::max(2, options.vehicles * options.months / 12);
    for (int i = 0; i < wanted; ++i) {
        const TripRecord t = dice.pick(candidates);
        const Infraction &inf = kInfractions[dice.between(0, int(std::size(kInfractions)) - 1)];
        const QDate paid = t.date.addDays(dice.between(25, 50));
        const bool driverPays = dice.chance(60);
        q.bind(u":p_seq"_qs, ++seqOfVehicle[t.vehicle])
            .bind(u":p_veic"_qs, t.vehicle)
            .bind(u":p_motorista"_qs, t.driver)
            .bind(u":p_data"_qs, t.date)
            .bind(u":p_km"_qs, t.reading)
            .bind(u":p_local"_qs, kPlaces[dice.between(0, int(std::size(kPlaces)) - 1)])
            .bind(u":p_descr"_qs, inf.description)
            .bind(u":p_cod_infr"_qs, inf.code)
            .bind(u":p_doc_infr"_qs, QStringLiteral("AIT %1").arg(dice.between(1000000, 9999999)))
            .bind(u":p_resp_infr"_qs, driverPays ? u"M"_qs : u"E"_qs)
            .bind(u":p_obs"_qs,
                  driverPays ? u"DESCONTADA EM FOLHA DO MOTORISTA"_qs : u"PAGA PELA PREFEITURA"_qs)
            .bind(u":p_vr_total"_qs, cents(inf.valueCents))
            // Recent fines are still unpaid.
            .bind(u":p_dt_pagto"_qs, paid <= options.today ? paid : QDate())
            .exec();
        ++counts.fines;
    }
}

void loadInsurance(Connection &c, const DemoOptions &options, const QDate &firstDay, Dice &dice,
                   const Registries &reg, const QList<VehicleRecord> &vehicles, DemoCounts &counts)
{
    Query q(c, u"insert into vkl_seguros values(:p_seq, :p_veic, :p_dt_ini, :p_dt_term, :p_km, :p_segur, "
               ":p_segur_conv, :p_doc, :p_vr_franq, :p_vr_premio, :p_obs)"_qs);
    for (const VehicleRecord &v : vehicles) {
        if (!v.insured)
            continue;
        QDate start = firstDay.addDays(-dice.between(30, 330));
        int seq = 0;
        while (start <= options.today) {
            const QDate end = start.addYears(1).addDays(-1);
            q.bind(u":p_seq"_qs, ++seq)
                .bind(u":p_veic"_qs, v.code)
                .bind(u":p_dt_ini"_qs, start)
                .bind(u":p_dt_term"_qs, end)
                .bind(u":p_km"_qs, v.readingAt(start))
                .bind(u":p_segur"_qs, dice.pick(reg.insurers))
                .bindNull(u":p_segur_conv"_qs)
                .bind(u":p_doc"_qs, QStringLiteral("AP %1").arg(dice.between(10000000, 99999999)))
                .bind(u":p_vr_franq"_qs, cents((v.heavy ? 650000 : 280000) + dice.between(0, 500) * 100))
                .bind(u":p_vr_premio"_qs, cents(dice.between(1800, 5200) * 100 + dice.between(0, 99)))
                .bind(u":p_obs"_qs, u"COBERTURA COMPREENSIVA, TERCEIROS E APP"_qs)
                .exec();
            ++counts.insurance;
            start = end.addDays(1);
        }
    }
}

} // namespace

void loadDocuments(Connection &c, const DemoOptions &options, const QDate &firstDay, Dice &dice,
                   Registries &registries, const QList<VehicleRecord> &vehicles,
                   const QList<TripRecord> &trips, DemoCounts &counts)
{
    loadRegistrationDocuments(c, dice, vehicles, counts);
    loadLicensing(c, options, registries, vehicles, counts);
    loadFines(c, options, dice, vehicles, trips, counts);
    loadInsurance(c, options, firstDay, dice, registries, vehicles, counts);
}

} // namespace zedera::schema::demo
