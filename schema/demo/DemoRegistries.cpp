// The registries of the demonstration municipality: its parameters, the suite's rows the fleet
// reads (sectors, projects, suppliers, materials with their prices, material requests,
// insurers) and the fleet's own registries.

#include "DemoModel.h"

namespace zedera::schema::demo {

namespace {

struct Named {
    int code;
    const char *text;
};

struct SectorRow {
    const char *code;
    const char *name;
    const char *abbreviation;
    const char *head;
};

const SectorRow kSectors[] = {
    {"01.01.00", "GABINETE DO PREFEITO", "GAB", "ANTÔNIO CARLOS DE MORAES"},
    {"02.01.00", "SECRETARIA DE ADMINISTRAÇÃO", "SEMAD", "MARIA HELENA FONSECA"},
    {"03.01.00", "SECRETARIA DE FINANÇAS", "SEFIN", "JOSÉ ROBERTO ALVES"},
    {"04.01.00", "SECRETARIA DE EDUCAÇÃO", "SEMED", "ANA PAULA RIBEIRO"},
    {"04.02.00", "TRANSPORTE ESCOLAR", "TRESC", "CLÁUDIO MENDES"},
    {"05.01.00", "SECRETARIA DE SAÚDE", "SEMSA", "DR. FERNANDO LIMA"},
    {"05.02.00", "PRONTO ATENDIMENTO MUNICIPAL", "PAM", "DRA. LUCIANA COSTA"},
    {"06.01.00", "SECRETARIA DE OBRAS", "SEMOB", "PAULO CÉSAR TEIXEIRA"},
    {"06.02.00", "LIMPEZA URBANA", "LIMPURB", "RAIMUNDO NONATO SILVA"},
    {"07.01.00", "AGRICULTURA E MEIO AMBIENTE", "SEAGRI", "JOÃO BATISTA PEREIRA"},
    {"08.01.00", "ASSISTÊNCIA SOCIAL", "SEMAS", "TEREZINHA APARECIDA ROCHA"},
};

struct ProjectRow {
    int project;
    int sub;
    const char *description;
    const char *abbreviation;
};

const ProjectRow kProjects[] = {
    {1, 1, "MANUTENÇÃO DA FROTA ADMINISTRATIVA", "FROTA ADM"},
    {2, 1, "TRANSPORTE ESCOLAR", "TRANSP ESC"},
    {3, 1, "MANUTENÇÃO DA FROTA DA SAÚDE", "FROTA SAUDE"},
    {4, 1, "CONSERVAÇÃO DE ESTRADAS VICINAIS", "ESTRADAS"},
    {4, 2, "COLETA DE LIXO E LIMPEZA URBANA", "LIMPEZA"},
    {5, 1, "PATRULHA MECANIZADA RURAL", "PATRULHA"},
};

struct SupplierRow {
    int code;
    const char *name;
    const char *trade;
};

// Codes by role, used below and by the movements.
enum : int {
    kStationCentral = 1,
    kStationHighway = 2,
    kDistributor = 3,
    kMechanic = 4,
    kElectrician = 5,
    kBodyShop = 6,
    kDispatcher = 7,
    kPartsShop = 8,
    kTyres = 9
};

const SupplierRow kSuppliers[] = {
    {kStationCentral, "AUTO POSTO CENTRAL LTDA", "POSTO CENTRAL"},
    {kStationHighway, "COMERCIAL DE COMBUSTÍVEIS RODOVIA LTDA", "POSTO RODOVIA"},
    {kDistributor, "DISTRIBUIDORA DE PETRÓLEO VALE VERDE S/A", "VALE VERDE"},
    {kMechanic, "RETÍFICA E MECÂNICA IRMÃOS SOUZA LTDA", "MECÂNICA SOUZA"},
    {kElectrician, "AUTO ELÉTRICA FAÍSCA LTDA - ME", "AUTO ELÉTRICA FAÍSCA"},
    {kBodyShop, "FUNILARIA E PINTURA BOM JESUS LTDA", "FUNILARIA BOM JESUS"},
    {kDispatcher, "DESPACHANTE MODELO LTDA - ME", "DESPACHANTE MODELO"},
    {kPartsShop, "COMERCIAL DE PEÇAS ZEDERA LTDA", "ZEDERA PEÇAS"},
    {kTyres, "PNEUS E ALINHAMENTO RODA VIVA LTDA", "RODA VIVA"},
};

enum class Kind { Fuel, Part, Oil, Service };

struct MaterialRow {
    int code;
    const char *description;
    int priceCents; // entry price at the start of the price history
    Kind kind;
};

const MaterialRow kMaterials[] = {
    {1001, "GASOLINA COMUM (LITRO)", 619, Kind::Fuel},
    {1002, "ÓLEO DIESEL S10 (LITRO)", 605, Kind::Fuel},
    {1003, "ETANOL HIDRATADO (LITRO)", 429, Kind::Fuel},
    {1004, "ÓLEO DIESEL S500 (LITRO)", 589, Kind::Fuel},
    {2001, "FILTRO DE ÓLEO DO MOTOR", 3250, Kind::Part},
    {2002, "FILTRO DE AR DO MOTOR", 5890, Kind::Part},
    {2003, "FILTRO DE COMBUSTÍVEL", 4500, Kind::Part},
    {2004, "PASTILHA DE FREIO DIANTEIRA (JOGO)", 18900, Kind::Part},
    {2005, "PNEU 175/70 R13", 38900, Kind::Part},
    {2006, "PNEU 275/80 R22.5", 215000, Kind::Part},
    {2007, "BATERIA 60 AH", 52000, Kind::Part},
    {2008, "BATERIA 150 AH", 118000, Kind::Part},
    {2009, "LÂMPADA H4 12V", 2490, Kind::Part},
    {2010, "CORREIA DENTADA", 14500, Kind::Part},
    {2011, "AMORTECEDOR DIANTEIRO", 31000, Kind::Part},
    {2012, "PALHETA DO LIMPADOR (PAR)", 3990, Kind::Part},
    {2101, "ÓLEO LUBRIFICANTE 15W40 (LITRO)", 2890, Kind::Oil},
    {2102, "ÓLEO HIDRÁULICO AW68 (LITRO)", 2450, Kind::Oil},
    {2103, "GRAXA DE CHASSI (KG)", 3200, Kind::Oil},
    {2104, "FLUIDO DE FREIO DOT4 (500 ML)", 2990, Kind::Oil},
    {3001, "MÃO DE OBRA MECÂNICA (HORA)", 9500, Kind::Service},
    {3002, "ALINHAMENTO E BALANCEAMENTO", 12000, Kind::Service},
    {3003, "MÃO DE OBRA ELÉTRICA (HORA)", 9000, Kind::Service},
    {3004, "FUNILARIA E PINTURA (HORA)", 11000, Kind::Service},
};

struct DriverName {
    const char *name;
    const char *nickname;
};

const DriverName kDrivers[] = {
    {"JOSÉ APARECIDO DOS SANTOS", "ZÉ APARECIDO"},
    {"ANTÔNIO MARCOS PEREIRA", "TONINHO"},
    {"JOÃO BATISTA DE OLIVEIRA", "JOÃO BATISTA"},
    {"FRANCISCO DAS CHAGAS LIMA", "CHICO"},
    {"SEBASTIÃO RODRIGUES ALVES", "TIÃO"},
    {"LUIZ CARLOS FERREIRA", "LUIZ CARLOS"},
    {"PAULO ROBERTO GOMES", "PAULINHO"},
    {"CARLOS EDUARDO MARTINS", "CADU"},
    {"MARCOS VINÍCIUS RIBEIRO", "MARCOS"},
    {"GERALDO MAGELA SOUZA", "GERALDO"},
    {"EDSON LUÍS CARVALHO", "EDSON"},
    {"RAIMUNDO NONATO COSTA", "RAIMUNDO"},
    {"ADEMIR JOSÉ BARBOSA", "ADEMIR"},
    {"VALDECIR ANTUNES", "VALDECIR"},
    {"ROSÂNGELA MARIA DIAS", "ROSÂNGELA"},
    {"CLÁUDIO ROBERTO NUNES", "CLÁUDIO"},
    {"WAGNER LUIZ MOREIRA", "WAGNER"},
    {"EVERALDO FERNANDES", "EVERALDO"},
    {"JOSUÉ PEDRO DA SILVA", "JOSUÉ"},
    {"MÁRCIA REGINA LOPES", "MÁRCIA"},
    {"OSMAR DONIZETE CAMPOS", "OSMAR"},
    {"REGINALDO APARECIDO MELO", "REGINALDO"},
    {"DONIZETI CARLOS PRADO", "DONIZETI"},
    {"ELIAS MOREIRA DE JESUS", "ELIAS"},
};

const char *const kSurnames[] = {"SILVA",     "SANTOS",  "OLIVEIRA",   "SOUZA",  "LIMA",   "PEREIRA", "COSTA",
                                 "RODRIGUES", "ALMEIDA", "NASCIMENTO", "ARAÚJO", "MENDES", "CASTRO"};

const Named kVehicleTypes[] = {{1, "AUTOMÓVEL"},   {2, "CAMINHONETE"},    {3, "MICRO-ÔNIBUS"},
                               {4, "ÔNIBUS"},      {5, "CAMINHÃO"},       {6, "AMBULÂNCIA"},
                               {7, "MOTOCICLETA"}, {8, "MÁQUINA PESADA"}, {9, "EQUIPAMENTO"}};
const char kVehicleTypeControl[] = {'K', 'K', 'K', 'K', 'K', 'K', 'K', 'H', 'N'};

const Named kFuels[] = {
    {1, "GASOLINA COMUM"}, {2, "ÓLEO DIESEL S10"}, {3, "ETANOL"}, {4, "ÓLEO DIESEL S500"}};

struct TableRow {
    int code;
    const char *description;
    const char *kind;
    const char *controlled;
    int km;
    int valueCents;
};

const TableRow kTable[] = {
    {1, "ÓLEO DO MOTOR 15W40", "06", "S", 10000, 2890},
    {2, "FILTRO DE ÓLEO", "01", "S", 10000, 3250},
    {3, "FILTRO DE AR", "01", "S", 20000, 5890},
    {4, "FILTRO DE COMBUSTÍVEL", "01", "S", 20000, 4500},
    {5, "ÓLEO HIDRÁULICO", "06", "S", 2000, 2450},
    {6, "GRAXA", "06", "N", 0, 3200},
    {7, "ALINHAMENTO E BALANCEAMENTO", "02", "S", 10000, 12000},
    {8, "PASTILHA DE FREIO", "01", "S", 30000, 18900},
    {9, "CORREIA DENTADA", "01", "S", 50000, 14500},
    {10, "FLUIDO DE FREIO", "06", "S", 20000, 2990},
    {11, "RUÍDO NA SUSPENSÃO", "03", "N", 0, 0},
    {12, "DESGASTE NATURAL", "04", "N", 0, 0},
    {13, "ÓLEO DIESEL S10", "05", "N", 0, 605},
    {14, "MÃO DE OBRA MECÂNICA", "02", "N", 0, 9500},
};

const Named kLines[] = {
    {1, "ESCOLAR - CÓRREGO FUNDO / CENTRO"},      {2, "ESCOLAR - SÃO JOSÉ DO PARAÍSO / CENTRO"},
    {3, "ESCOLAR - BOA VISTA / ESCOLA ESTADUAL"}, {4, "SAÚDE - ZEDERA / HOSPITAL REGIONAL"},
    {5, "COLETA DE LIXO - ROTA CENTRO"},          {6, "COLETA DE LIXO - ROTA DOS BAIRROS"}};

const Named kDestinations[] = {{1, "CENTRO ADMINISTRATIVO"},
                               {2, "HOSPITAL REGIONAL"},
                               {3, "SECRETARIA DE ESTADO - CAPITAL"},
                               {4, "DISTRITO DE SÃO JOSÉ DO PARAÍSO"},
                               {5, "ZONA RURAL - CÓRREGO FUNDO"},
                               {6, "ATERRO SANITÁRIO"},
                               {7, "ESCOLA MUNICIPAL PROFESSORA ALICE"},
                               {8, "POSTO DE SAÚDE DO BAIRRO NOVO"},
                               {9, "ESTRADAS VICINAIS"},
                               {10, "GARAGEM MUNICIPAL"},
                               {11, "FÓRUM E CARTÓRIO"},
                               {12, "HOSPITAL DAS CLÍNICAS - CAPITAL"}};

const Named kUserCompanies[] = {{1, "PREFEITURA MUNICIPAL DE ZEDERA"},
                                {2, "FUNDO MUNICIPAL DE SAÚDE"},
                                {3, "FUNDO MUNICIPAL DE EDUCAÇÃO"},
                                {4, "FUNDO MUN. DE ASSISTÊNCIA SOCIAL"},
                                {5, "SERVIÇO AUTÔNOMO DE ÁGUA E ESGOTO"}};

const Named kCauses[] = {{1, "DESGASTE NATURAL"},   {2, "REVISÃO PREVENTIVA"}, {3, "ACIDENTE DE TRÂNSITO"},
                         {4, "MAU USO DO VEÍCULO"}, {5, "QUEBRA MECÂNICA"},    {6, "PANE ELÉTRICA"}};

void insertNamed(Connection &c, const QString &sql, const Named *rows, size_t n)
{
    Query q(c, sql);
    for (size_t i = 0; i < n; ++i)
        q.bind(u":p_cod"_qs, rows[i].code).bind(u":p_descr"_qs, QString::fromUtf8(rows[i].text)).exec();
}

template <class T, size_t N> constexpr size_t count(const T (&)[N])
{
    return N;
}

void loadParameters(Connection &c, const QList<int> &years)
{
    Query q(c, u"insert into vkl_parametros values(:p_ano, :p_empresa, :p_sigla, :p_cnpj, :p_end, "
               ":p_compl, :p_bairro, :p_cid, :p_uf, :p_cep, :p_fone, :p_fax, "
               ":p_email, :p_detran, :p_resp1, :p_resp2, :p_resp3, :p_contr_km)"_qs);
    for (int year : years) {
        q.bind(u":p_ano"_qs, year)
            .bind(u":p_empresa"_qs, u"PREFEITURA MUNICIPAL DE ZEDERA"_qs)
            .bind(u":p_sigla"_qs, u"PMZ"_qs)
            .bind(u":p_cnpj"_qs, u"18.245.367/0001-52"_qs)
            .bind(u":p_end"_qs, u"PRAÇA DA MATRIZ, 100"_qs)
            .bind(u":p_compl"_qs, u"PAÇO MUNICIPAL"_qs)
            .bind(u":p_bairro"_qs, u"CENTRO"_qs)
            .bind(u":p_cid"_qs, u"ZEDERA"_qs)
            .bind(u":p_uf"_qs, u"MG"_qs)
            .bind(u":p_cep"_qs, u"37900-000"_qs)
            .bind(u":p_fone"_qs, u"(35) 3521-1000"_qs)
            .bind(u":p_fax"_qs, u"(35) 3521-1001"_qs)
            .bind(u":p_email"_qs, u"frota@zedera.mg.gov.br"_qs)
            .bind(u":p_detran"_qs, 4321)
            .bind(u":p_resp1"_qs, u"ANTÔNIO CARLOS DE MORAES"_qs)
            .bind(u":p_resp2"_qs, u"MARIA HELENA FONSECA"_qs)
            .bind(u":p_resp3"_qs, u"PAULO CÉSAR TEIXEIRA"_qs)
            // Trips keep the vehicles' current odometer, and the demo's trips are complete.
            .bind(u":p_contr_km"_qs, u"01"_qs)
            .exec();
    }
}

void loadSuite(Connection &c, const QList<int> &years, Registries &out)
{
    Query sector(c, u"insert into setores (st_exerc, st_cod, st_nome, st_sigla, st_resp) "
                    "values (:p_ano, :p_cod, :p_nome, :p_sigla, :p_resp)"_qs);
    for (int year : years)
        for (const SectorRow &s : kSectors)
            sector.bind(u":p_ano"_qs, year)
                .bind(u":p_cod"_qs, s.code)
                .bind(u":p_nome"_qs, s.name)
                .bind(u":p_sigla"_qs, s.abbreviation)
                .bind(u":p_resp"_qs, s.head)
                .exec();
    for (const SectorRow &s : kSectors)
        out.sectors << QString::fromUtf8(s.code);

    Query project(c, u"insert into proj_almoxarifado (pra_proj, pra_sproj, pra_descr, pra_sigla, pra_tipo, "
                     "pra_resp, pra_usando) values (:p_proj, :p_sproj, :p_descr, :p_sigla, 'A', "
                     "'MARIA HELENA FONSECA', 'S')"_qs);
    for (const ProjectRow &p : kProjects)
        project.bind(u":p_proj"_qs, p.project)
            .bind(u":p_sproj"_qs, p.sub)
            .bind(u":p_descr"_qs, p.description)
            .bind(u":p_sigla"_qs, p.abbreviation)
            .exec();

    Query supplier(
        c, u"insert into fornecedores (fo_cod, fo_nome, fo_fant) values (:p_cod, :p_nome, :p_fant)"_qs);
    for (const SupplierRow &s : kSuppliers)
        supplier.bind(u":p_cod"_qs, s.code).bind(u":p_nome"_qs, s.name).bind(u":p_fant"_qs, s.trade).exec();
    out.fuelDistributor = kDistributor;
    out.fuelStations = {kStationCentral, kStationHighway};
    out.workshops = {kMechanic, kElectrician, kBodyShop, kTyres};
    out.dispatcher = kDispatcher;

    Query insurer(c, u"insert into seguradoras_patrim values(:p_cod, :p_nome, :p_cnpj, :p_resp, :p_end, "
                     ":p_cid, :p_fone)"_qs);
    const char *const insurers[][6] = {
        {"SEGURADORA ALIANÇA DO VALE S/A", "33164021000100", "RENATA BORGES", "AV. AFONSO PENA, 1500",
         "BELO HORIZONTE", "3132145500"},
        {"MINAS PROTEÇÃO SEGUROS GERAIS S/A", "61074175000138", "MARCELO QUEIROZ", "RUA DOS GUAJAJARAS, 410",
         "BELO HORIZONTE", "3134087700"},
        {"CENTRAL BRASILEIRA DE SEGUROS S/A", "92682038000100", "SANDRA VIEIRA", "RUA XV DE NOVEMBRO, 88",
         "VARGINHA", "3532214000"},
    };
    int code = 0;
    for (const auto &row : insurers) {
        insurer.bind(u":p_cod"_qs, ++code)
            .bind(u":p_nome"_qs, row[0])
            .bind(u":p_cnpj"_qs, row[1])
            .bind(u":p_resp"_qs, row[2])
            .bind(u":p_end"_qs, row[3])
            .bind(u":p_cid"_qs, row[4])
            .bind(u":p_fone"_qs, row[5])
            .exec();
        out.insurers << code;
    }
}

// Materials with a price history from the start of the previous exercise to today: fuel is
// bought every two weeks or so, parts and services every month or two, each time at a price a
// little off the last one. Some parts also leave the warehouse, which must not count as prices.
void loadWarehouse(Connection &c, const DemoOptions &options, const QDate &firstDay, Dice &dice,
                   Registries &out)
{
    Query material(c, u"insert into material (mt_codigo, mt_descricao, mt_vrestoque, mt_estoque) "
                      "values (:p_cod, :p_descr, :p_valor, :p_estoque)"_qs);
    Query movement(c, u"insert into movimento_materiais (mo_ano, mo_num, mo_material, mo_data, mo_mov, "
                      "mo_orig, mo_quant, mo_vrunit) values (:p_ano, :p_num, :p_material, :p_data, :p_mov, "
                      "'E', :p_quant, :p_vrunit)"_qs);
    QHash<int, int> numberOfYear;
    const QDate historyStart(std::min(firstDay.year(), options.today.year() - 1), 1, 1);
    for (const MaterialRow &m : kMaterials) {
        qint64 price = qint64(m.priceCents) * 100; // four places
        const bool fuel = m.kind == Kind::Fuel;
        Decimal stock;
        for (QDate d = historyStart.addDays(dice.between(0, 20)); d <= options.today;
             d = d.addDays(fuel ? dice.between(10, 18) : dice.between(30, 75))) {
            price = price * dice.between(990, 1012) / 1000;
            const Decimal unit = Decimal::fromUnits(price);
            const Decimal quantity =
                fuel ? Decimal(dice.between(10, 30) * 500)
                     : Decimal(m.kind == Kind::Service ? dice.between(5, 40) : dice.between(4, 24));
            movement.bind(u":p_ano"_qs, d.year())
                .bind(u":p_num"_qs, ++numberOfYear[d.year()])
                .bind(u":p_material"_qs, m.code)
                .bind(u":p_data"_qs, d)
                .bind(u":p_mov"_qs, u"E"_qs)
                .bind(u":p_quant"_qs, quantity)
                .bind(u":p_vrunit"_qs, QVariant(unit.toString(4)))
                .exec();
            out.prices.add(m.code, d, unit);
            stock += quantity;
            if (m.kind == Kind::Part && dice.chance(50)) {
                const QDate out_ = d.addDays(dice.between(3, 20));
                if (out_ <= options.today) {
                    const Decimal taken = Decimal(dice.between(1, 3));
                    movement.bind(u":p_ano"_qs, out_.year())
                        .bind(u":p_num"_qs, ++numberOfYear[out_.year()])
                        .bind(u":p_material"_qs, m.code)
                        .bind(u":p_data"_qs, out_)
                        .bind(u":p_mov"_qs, u"S"_qs)
                        .bind(u":p_quant"_qs, taken)
                        .bind(u":p_vrunit"_qs, QVariant(unit.toString(4)))
                        .exec();
                    stock -= taken;
                }
            }
        }
        // Services are not stocked: their average price is left without a divisor on purpose.
        const bool stocked = m.kind != Kind::Service;
        const Decimal held = stocked ? Decimal(dice.between(2, 40)) : Decimal();
        material.bind(u":p_cod"_qs, m.code)
            .bind(u":p_descr"_qs, m.description)
            .bind(u":p_valor"_qs, (held * out.prices.priceAt(m.code, options.today)).rounded(2))
            .bind(u":p_estoque"_qs, held)
            .exec();
        switch (m.kind) {
        case Kind::Fuel:
            break;
        case Kind::Part:
            out.partMaterials << m.code;
            break;
        case Kind::Oil:
            out.oilMaterials << m.code;
            break;
        case Kind::Service:
            out.serviceMaterials << m.code;
            break;
        }
    }

    // Material requests of each exercise, each item served by a purchase-order item.
    Query request(c, u"insert into itens_solicitacao_entrada (ise_ano, ise_num, ise_seq, ise_material, "
                     "ise_quant) values (:p_ano, :p_num, :p_seq, :p_material, :p_quant)"_qs);
    Query order(c, u"insert into itens_pedido_empenho (ipe_ano, ipe_num, ipe_item, ipe_se_ano, ipe_se_num, "
                   "ipe_se_seq, ipe_quant, ipe_vrunit) values (:p_ano, :p_num, :p_item, :p_ano, :p_num, "
                   ":p_item, :p_quant, :p_vrunit)"_qs);
    const int requestsPerYear = std::max(6, options.vehicles / 2);
    for (int year : out.exercises) {
        for (int number = 1; number <= requestsPerYear; ++number) {
            const int items = dice.between(1, 3);
            for (int item = 1; item <= items; ++item) {
                RequestItem r;
                r.year = year;
                r.number = number;
                r.item = item;
                r.material = dice.pick(out.partMaterials);
                r.quantity = Decimal(dice.between(1, 4));
                const QDate priced = std::min(options.today, QDate(year, 6, 30));
                r.unitPrice =
                    (out.prices.priceAt(r.material, priced) * Decimal::fromUnits(dice.between(9500, 10500)))
                        .rounded(2);
                request.bind(u":p_ano"_qs, year)
                    .bind(u":p_num"_qs, number)
                    .bind(u":p_seq"_qs, item)
                    .bind(u":p_material"_qs, r.material)
                    .bind(u":p_quant"_qs, r.quantity)
                    .exec();
                order.bind(u":p_ano"_qs, year)
                    .bind(u":p_num"_qs, number)
                    .bind(u":p_item"_qs, item)
                    .bind(u":p_quant"_qs, r.quantity)
                    .bind(u":p_vrunit"_qs, QVariant(r.unitPrice.toString(4)))
                    .exec();
                out.requests << r;
            }
        }
    }
}

void loadDrivers(Connection &c, const DemoOptions &options, Registries &out, DemoCounts &counts)
{
    Query q(c, u"insert into vkl_motoristas values(:p_cod, :p_nome, :p_apelido, :p_situa)"_qs);
    const int total = std::max(int(count(kDrivers)), options.vehicles + options.vehicles / 4 + 2);
    for (int i = 0; i < total; ++i) {
        const int code = i + 1;
        QString name;
        QString nickname;
        if (i < int(count(kDrivers))) {
            name = QString::fromUtf8(kDrivers[i].name);
            nickname = QString::fromUtf8(kDrivers[i].nickname);
        } else {
            // Larger fleets: the same first names with other surnames, still unique.
            const DriverName &base = kDrivers[i % count(kDrivers)];
            const int round = i / int(count(kDrivers));
            name = QString::fromUtf8(base.name).section(u' ', 0, 0) + u' ' +
                   QString::fromUtf8(kSurnames[round % count(kSurnames)]) + u' ' +
                   QString::fromUtf8(kSurnames[(round / count(kSurnames) + i) % count(kSurnames)]) +
                   QStringLiteral(" %1").arg(code);
            nickname = (QString::fromUtf8(base.nickname).left(10) + QStringLiteral(" %1").arg(code)).left(15);
        }
        // One driver has left the service and one is on leave; the rest drive.
        const QString situation = code == 15 ? u"02"_qs : code == 20 ? u"03"_qs : u"01"_qs;
        q.bind(u":p_cod"_qs, code)
            .bind(u":p_nome"_qs, name.left(40))
            .bind(u":p_apelido"_qs, nickname)
            .bind(u":p_situa"_qs, situation)
            .exec();
        if (situation == u"01")
            out.activeDrivers << code;
        ++counts.drivers;
    }
}

} // namespace

void loadRegistries(Connection &c, const DemoOptions &options, const QDate &firstDay, Dice &dice,
                    Registries &out, DemoCounts &counts)
{
    for (int year = std::min(firstDay.year(), options.today.year() - 1); year <= options.today.year(); ++year)
        out.exercises << year;
    loadParameters(c, out.exercises);
    loadSuite(c, out.exercises, out);
    loadWarehouse(c, options, firstDay, dice, out);
    loadDrivers(c, options, out, counts);

    Query type(c, u"insert into vkl_tipo_veic values(:p_cod, :p_descr, :p_contr)"_qs);
    for (size_t i = 0; i < count(kVehicleTypes); ++i)
        type.bind(u":p_cod"_qs, kVehicleTypes[i].code)
            .bind(u":p_descr"_qs, kVehicleTypes[i].text)
            .bind(u":p_contr"_qs, QString(QChar::fromLatin1(kVehicleTypeControl[i])))
            .exec();

    // The fuel price is the material's last entry price, as the login's refresh would set it.
    Query fuel(c, u"insert into vkl_tipo_combust values(:p_cod, :p_descr, :p_material, :p_valor)"_qs);
    for (size_t i = 0; i < count(kFuels); ++i) {
        const int material = kMaterials[i].code;
        fuel.bind(u":p_cod"_qs, kFuels[i].code)
            .bind(u":p_descr"_qs, kFuels[i].text)
            .bind(u":p_material"_qs, material)
            .bind(u":p_valor"_qs, out.prices.priceAt(material, options.today))
            .exec();
        out.fuelMaterial.insert(kFuels[i].code, material);
    }

    Query table(c, u"insert into vkl_tabela values(:p_cod, :p_descr, :p_tipo, :p_contr, :p_km, :p_valor)"_qs);
    for (const TableRow &t : kTable) {
        out.tableValue.insert(t.code, cents(t.valueCents));
        table.bind(u":p_cod"_qs, t.code)
            .bind(u":p_descr"_qs, t.description)
            .bind(u":p_tipo"_qs, t.kind)
            .bind(u":p_contr"_qs, t.controlled)
            .bind(u":p_km"_qs, t.km)
            .bind(u":p_valor"_qs, cents(t.valueCents))
            .exec();
    }

    insertNamed(c, u"insert into vkl_linhas values(:p_cod, :p_descr)"_qs, kLines, count(kLines));
    insertNamed(c, u"insert into vkl_destinos values(:p_cod, :p_descr)"_qs, kDestinations,
                count(kDestinations));
    insertNamed(c, u"insert into vkl_empr_usu values(:p_cod, :p_descr)"_qs, kUserCompanies,
                count(kUserCompanies));
    insertNamed(c, u"insert into vkl_causa_manut values(:p_cod, :p_descr)"_qs, kCauses, count(kCauses));
}

} // namespace zedera::schema::demo
