#include "DemoWorkshop.h"

namespace zedera::schema::demo {

WorkshopWriter::WorkshopWriter(Connection &c, Dice &dice, Registries &registries, DemoCounts &counts)
    : m_dice(dice), m_reg(registries), m_counts(counts),
      m_entry(c, u"insert into vkl_manut_veic values(:p_ano, :p_seq, :p_veic, :p_motorista, :p_dt_entr, "
                 ":p_hr_entr, :p_dt_saida, :p_hr_saida, :p_hrs_manut, :p_km, :p_situa, :p_tipo, :p_causa, "
                 ":p_forn, :p_emitente, :p_serv_terc, :p_doc, :p_especif, :p_obs, :p_vr_total)"_qs),
      m_item(c, u"insert into vkl_itens_manut_veic values(:p_ano, :p_seq, :p_veic, :p_item, :p_material, "
                ":p_quant, :p_valor, :p_se_ano, :p_se_nro, :p_se_item)"_qs),
      m_order(c, u"insert into vkl_ord_serv values(:p_empr, :p_ano, :p_nro, :p_motorista, :p_dt_requer, "
                 ":p_hr_requer, :p_veic, :p_km_requer, :p_tipo_def, :p_dt_entr, :p_dt_sai, :p_hr_entr, "
                 ":p_hr_sai, :p_causa, :p_mecanico, :p_obs, :p_motivo)"_qs),
      m_orderItem(c, u"insert into vkl_itens_ord_serv values(:p_empr, :p_ano, :p_nro, :p_item, :p_tipo, "
                     ":p_descr, :p_ano_rm, :p_nro_rm, :p_item_rm)"_qs),
      m_lubrication(c, u"insert into vkl_cad_lub values(:p_ano, :p_nro, :p_compl, :p_veic, :p_motorista, "
                       ":p_data, :p_km)"_qs),
      m_lubricationItem(c, u"insert into vkl_itens_cad_lub values(:p_ano, :p_nro, :p_compl, :p_item, "
                           ":p_km_prox, :p_tabela, :p_especif, :p_quant, :p_valor, :p_obs)"_qs)
{
}

void WorkshopWriter::maintenance(const WorkshopVisit &mt)
{
    // The duration as the maintenance window computes it: whole days times 24 plus the hours,
    // with the minutes as the two decimals (1 day, 2 h 30 min is 26.30).
    const qint64 minutes = mt.entry.secsTo(mt.exit) / 60;
    const qint64 days = minutes / (24 * 60);
    const qint64 rest = minutes % (24 * 60);
    const Decimal hours = Decimal::fromUnits((days * 24 + rest / 60) * Decimal::kFactor + (rest % 60) * 100);

    const int kind = m_dice.between(1, 10);
    const QString type = kind <= 7 ? u"M"_qs : kind <= 9 ? u"E"_qs : u"F"_qs;
    const bool outside = m_dice.chance(55);
    const int supplier = !outside ? 0 : type == u"M" ? 4 : type == u"E" ? 5 : 6;
    const int cause = type == u"E"   ? 6
                      : type == u"F" ? m_dice.pick(QList<int>{3, 4})
                                     : m_dice.pick(QList<int>{1, 2, 5});
    static const QStringList mechanical = {
        u"REVISÃO DOS 10.000 KM: TROCA DE ÓLEO E FILTROS"_qs, u"TROCA DAS PASTILHAS DE FREIO DIANTEIRAS"_qs,
        u"ALINHAMENTO, BALANCEAMENTO E TROCA DE PNEUS"_qs, u"TROCA DA CORREIA DENTADA E TENSOR"_qs,
        u"SUBSTITUIÇÃO DOS AMORTECEDORES DIANTEIROS"_qs};
    static const QStringList electrical = {u"SUBSTITUIÇÃO DA BATERIA E REVISÃO DO SISTEMA DE CARGA"_qs,
                                           u"REPARO NO CHICOTE DOS FARÓIS E TROCA DE LÂMPADAS"_qs};
    static const QStringList body = {u"REPARO NA LATARIA DO PARA-CHOQUE TRASEIRO E PINTURA"_qs,
                                     u"FUNILARIA DA PORTA DIANTEIRA DIREITA APÓS COLISÃO"_qs};
    const QStringList &works = type == u"M" ? mechanical : type == u"E" ? electrical : body;
    const QString work = m_dice.pick(works);
    const int year = mt.entry.date().year();
    const int seq = ++m_entrySeq[{mt.vehicle, year}];
    m_entry.bind(u":p_ano"_qs, year)
        .bind(u":p_seq"_qs, seq)
        .bind(u":p_veic"_qs, mt.vehicle)
        .bind(u":p_motorista"_qs, mt.driver)
        .bind(u":p_dt_entr"_qs, mt.entry.date())
        .bind(u":p_hr_entr"_qs, mt.entry.time())
        .bind(u":p_dt_saida"_qs, mt.exit.date())
        .bind(u":p_hr_saida"_qs, mt.exit.time())
        .bind(u":p_hrs_manut"_qs, hours)
        .bind(u":p_km"_qs, mt.reading)
        .bind(u":p_situa"_qs, m_dice.chance(70)   ? u"P"_qs
                              : m_dice.chance(80) ? u"C"_qs
                                                  : u"R"_qs)
        .bind(u":p_tipo"_qs, type)
        .bind(u":p_causa"_qs, cause)
        .bind(u":p_forn"_qs, supplier)
        .bind(u":p_emitente"_qs, outside ? QStringLiteral("OFICINA CREDENCIADA") : u"OFICINA MUNICIPAL"_qs)
        .bind(u":p_serv_terc"_qs, outside ? u"S"_qs : u"N"_qs)
        .bind(u":p_doc"_qs,
              outside ? QStringLiteral("NF %1").arg(m_dice.between(1000, 9999)) : QString(u""_qs))
        .bind(u":p_especif"_qs, work)
        .bind(u":p_obs"_qs, QString(u""_qs))
        .bind(u":p_vr_total"_qs, Decimal(0))
        .exec();
    ++m_counts.maintenance;
    if (!outside)
        serviceOrder(mt, type, cause, work);

    const int items = m_dice.between(1, 4);
    for (int item = 1; item <= items; ++item) {
        int material = 0;
        Decimal quantity;
        Decimal value;
        int requestYear = 0, requestNumber = 0, requestItem = 0;
        RequestItem *request = nullptr;
        if (m_dice.chance(25)) {
            for (RequestItem &r : m_reg.requests)
                if (!r.used && r.year == year && !request)
                    request = &r;
        }
        if (request) {
            request->used = true;
            material = request->material;
            quantity = request->quantity;
            value = (quantity * request->unitPrice).rounded(2);
            requestYear = request->year;
            requestNumber = request->number;
            requestItem = request->item;
        } else {
            const int pool = m_dice.between(1, 3);
            const QList<int> &from = pool == 1   ? m_reg.partMaterials
                                     : pool == 2 ? m_reg.oilMaterials
                                                 : m_reg.serviceMaterials;
            material = m_dice.pick(from);
            quantity = Decimal(pool == 2 ? m_dice.between(1, 12) : m_dice.between(1, 4));
            value = (quantity * m_reg.prices.priceAt(material, mt.entry.date())).rounded(2);
        }
        m_item.bind(u":p_ano"_qs, year)
            .bind(u":p_seq"_qs, seq)
            .bind(u":p_veic"_qs, mt.vehicle)
            .bind(u":p_item"_qs, item)
            .bind(u":p_material"_qs, material)
            .bind(u":p_quant"_qs, quantity)
            .bind(u":p_valor"_qs, value)
            .bind(u":p_se_ano"_qs, requestYear)
            .bind(u":p_se_nro"_qs, requestNumber)
            .bind(u":p_se_item"_qs, requestItem)
            .exec();
        ++m_counts.maintenanceItems;
    }
}

void WorkshopWriter::serviceOrder(const WorkshopVisit &visit, const QString &type, int cause,
                                  const QString &work)
{
    struct Finding {
        const char *defect;
        const char *solution;
    };
    static const Finding mechanical[] = {
        {"BARULHO NA SUSPENSÃO DIANTEIRA AO PASSAR EM BURACOS", "SUBSTITUÍDOS OS AMORTECEDORES E AS BUCHAS"},
        {"FREIO PUXANDO PARA A DIREITA", "TROCADAS AS PASTILHAS E REGULADO O FREIO"},
        {"VAZAMENTO DE ÓLEO NO CÁRTER", "SUBSTITUÍDA A JUNTA DO CÁRTER E COMPLETADO O ÓLEO"},
        {"MOTOR FALHANDO EM MARCHA LENTA", "LIMPOS OS BICOS INJETORES E TROCADO O FILTRO DE COMBUSTÍVEL"}};
    static const Finding electrical[] = {
        {"VEÍCULO NÃO DÁ PARTIDA PELA MANHÃ", "SUBSTITUÍDA A BATERIA E REAPERTADOS OS TERMINAIS"},
        {"FAROL BAIXO DO LADO ESQUERDO APAGADO", "TROCADA A LÂMPADA E REPARADO O CONECTOR"}};
    const int year = visit.entry.date().year();
    const int number = ++m_orderNumber[year];
    const bool electric = type == u"E";
    static const QStringList mechanics = {u"JOSÉ CARLOS DA SILVA"_qs, u"ANTÔNIO FERREIRA"_qs,
                                          u"MÁRIO SÉRGIO LIMA"_qs};
    m_order.bind(u":p_empr"_qs, visit.userCompany)
        .bind(u":p_ano"_qs, year)
        .bind(u":p_nro"_qs, number)
        .bind(u":p_motorista"_qs, visit.driver)
        .bind(u":p_dt_requer"_qs, visit.entry.date())
        .bind(u":p_hr_requer"_qs, visit.entry.time().addSecs(-60 * m_dice.between(10, 40)))
        .bind(u":p_veic"_qs, visit.vehicle)
        .bind(u":p_km_requer"_qs, visit.reading)
        .bind(u":p_tipo_def"_qs, electric            ? u"02"_qs
                                 : m_dice.chance(15) ? u"03"_qs
                                                     : u"01"_qs)
        .bind(u":p_dt_entr"_qs, visit.entry.date())
        .bind(u":p_dt_sai"_qs, visit.exit.date())
        .bind(u":p_hr_entr"_qs, visit.entry.time())
        .bind(u":p_hr_sai"_qs, visit.exit.time())
        .bind(u":p_causa"_qs, cause)
        .bind(u":p_mecanico"_qs, m_dice.pick(mechanics))
        .bind(u":p_obs"_qs, work)
        .bind(u":p_motivo"_qs, cause == 2 ? u"P"_qs : u"C"_qs)
        .exec();
    ++m_counts.serviceOrders;

    const int findings = m_dice.between(1, 2);
    for (int item = 1; item <= findings; ++item) {
        const Finding &f = electric ? electrical[m_dice.between(0, 1)] : mechanical[m_dice.between(0, 3)];
        for (const auto &[kind, text] : {std::pair{u"D"_qs, f.defect}, std::pair{u"S"_qs, f.solution}})
            m_orderItem.bind(u":p_empr"_qs, visit.userCompany)
                .bind(u":p_ano"_qs, year)
                .bind(u":p_nro"_qs, number)
                .bind(u":p_item"_qs, item)
                .bind(u":p_tipo"_qs, kind)
                .bind(u":p_descr"_qs, text)
                .bind(u":p_ano_rm"_qs, 0)
                .bind(u":p_nro_rm"_qs, 0)
                .bind(u":p_item_rm"_qs, 0)
                .exec();
    }
}

void WorkshopWriter::lubrication(const WorkshopVisit &visit, int interval, int virada, bool machine,
                                 bool heavy)
{
    const QDate date = visit.entry.date();
    const int year = date.year();
    const int number = ++m_lubricationNumber[year];
    m_lubrication.bind(u":p_ano"_qs, year)
        .bind(u":p_nro"_qs, number)
        .bind(u":p_compl"_qs, u"A"_qs)
        .bind(u":p_veic"_qs, visit.vehicle)
        .bind(u":p_motorista"_qs, visit.driver)
        .bind(u":p_data"_qs, date)
        .bind(u":p_km"_qs, visit.reading)
        .exec();
    ++m_counts.lubrications;

    // Engine oil and its filter are due again after the interval; machines are greased as well.
    const int due = readingOf(qint64(visit.reading) + interval, virada);
    struct Line {
        int table;
        int quantity;
        int nextReading;
        const char *especificacao;
    };
    QList<Line> lines = {{1, machine ? 18 : heavy ? 20 : 4, due, "15W40 API CI-4"}, {2, 1, due, "ORIGINAL"}};
    if (machine)
        lines.append({6, 2, 0, "GRAXA DE LÍTIO"});
    int item = 0;
    for (const Line &l : lines)
        m_lubricationItem.bind(u":p_ano"_qs, year)
            .bind(u":p_nro"_qs, number)
            .bind(u":p_compl"_qs, u"A"_qs)
            .bind(u":p_item"_qs, ++item)
            .bind(u":p_km_prox"_qs, l.nextReading)
            .bind(u":p_tabela"_qs, l.table)
            .bind(u":p_especif"_qs, l.especificacao)
            .bind(u":p_quant"_qs, Decimal(l.quantity))
            .bind(u":p_valor"_qs, Decimal(l.quantity) * m_reg.tableValue.value(l.table))
            .bind(u":p_obs"_qs, QString(u""_qs))
            .exec();
}

} // namespace zedera::schema::demo
