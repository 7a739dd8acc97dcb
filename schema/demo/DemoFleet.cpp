// The demonstration fleet: the vehicles, and their trips, fuellings and maintenance simulated day
// by day on one physical odometer per vehicle.

#include "DemoWorkshop.h"

#include <QDateTime>

namespace zedera::schema::demo {

namespace {

enum class Use { Office, Health, School, Works, Garbage, Moto, Machine, Equipment, Transfer, Retired };

struct Model {
    const char *model;
    const char *make;
    int type; // tv_cod
    int fuel; // tc_cod
    int tank; // litres
    int seats;
    int age;     // years
    int consMin; // km per litre, in hundredths; 0 for no check
    int consMax;
    int kmMin; // kilometres of one trip
    int kmMax;
    int virada;        // odometer rollover point; 0 without kilometre control
    bool nearRollover; // an old five-digit odometer that turns during the demo
    const char *sector;
    int project;
    int subProject;
    int userCompany;
    const char *ownership;
    Use use;
};

// clang-format off
const Model kModels[] = {
    {"GOL 1.0 CITY", "VOLKSWAGEN", 1, 1, 55, 5, 3, 900, 1400, 2, 300, 999999, false, "02.01.00", 1, 1, 1, "01", Use::Office},
    {"UNO MILLE FIRE", "FIAT", 1, 1, 48, 5, 12, 850, 1350, 2, 300, 99999, true, "03.01.00", 1, 1, 1, "01", Use::Office},
    {"SAVEIRO 1.6 CS", "VOLKSWAGEN", 2, 1, 55, 2, 5, 800, 1250, 2, 300, 999999, false, "06.01.00", 4, 1, 1, "01", Use::Works},
    {"HILUX CD 4X4 2.8", "TOYOTA", 2, 2, 80, 5, 2, 700, 1150, 2, 500, 999999, false, "07.01.00", 5, 1, 1, "01", Use::Office},
    {"SPRINTER 415 AMBULÂNCIA", "MERCEDES-BENZ", 6, 2, 75, 4, 4, 650, 1050, 2, 600, 999999, false, "05.02.00", 3, 1, 2, "01", Use::Health},
    {"DUCATO AMBULÂNCIA", "FIAT", 6, 2, 80, 4, 7, 650, 1050, 2, 600, 999999, false, "05.02.00", 3, 1, 2, "01", Use::Health},
    {"VOLARE W9 ESCOLAR", "MARCOPOLO", 3, 2, 150, 29, 6, 400, 750, 10, 200, 999999, false, "04.02.00", 2, 1, 3, "01", Use::School},
    {"OF-1519 ESCOLAR", "MERCEDES-BENZ", 4, 4, 210, 44, 14, 250, 480, 10, 200, 99999, true, "04.02.00", 2, 1, 3, "01", Use::School},
    {"CARGO 1719 BASCULANTE", "FORD", 5, 2, 275, 3, 8, 300, 600, 2, 300, 999999, false, "06.01.00", 4, 1, 1, "01", Use::Works},
    {"ATEGO 1719 COLETOR", "MERCEDES-BENZ", 5, 2, 210, 3, 5, 250, 480, 5, 150, 999999, false, "06.02.00", 4, 2, 5, "01", Use::Garbage},
    {"CG 160 FAN", "HONDA", 7, 1, 14, 2, 3, 3000, 4600, 1, 150, 999999, false, "05.01.00", 3, 1, 2, "01", Use::Moto},
    {"SPIN 1.8 LTZ", "CHEVROLET", 1, 3, 53, 7, 4, 600, 1000, 2, 600, 999999, false, "05.01.00", 3, 1, 2, "01", Use::Health},
    {"ONIX 1.0 LT", "CHEVROLET", 1, 1, 54, 5, 1, 1000, 1550, 2, 600, 999999, false, "01.01.00", 1, 1, 1, "01", Use::Office},
    {"STRADA WORKING 1.4", "FIAT", 2, 3, 58, 2, 6, 650, 1050, 2, 300, 999999, false, "07.01.00", 5, 1, 1, "01", Use::Works},
    {"RETROESCAVADEIRA 416F2", "CATERPILLAR", 8, 2, 160, 1, 9, 0, 0, 0, 0, 99999, false, "06.01.00", 4, 1, 1, "01", Use::Machine},
    {"MOTONIVELADORA 120K", "CATERPILLAR", 8, 2, 300, 1, 10, 0, 0, 0, 0, 99999, false, "06.01.00", 4, 1, 1, "01", Use::Machine},
    {"TRATOR 4275 4X4", "MASSEY FERGUSON", 8, 4, 140, 1, 11, 0, 0, 0, 0, 99999, false, "07.01.00", 5, 1, 1, "01", Use::Machine},
    {"GERADOR 55 KVA", "BRANCO", 9, 2, 120, 0, 6, 0, 0, 0, 0, 0, false, "05.02.00", 3, 1, 2, "03", Use::Equipment},
    {"MASTER MINIBUS 16 LUGARES", "RENAULT", 3, 2, 80, 16, 2, 700, 1050, 5, 600, 999999, false, "08.01.00", 1, 1, 4, "02", Use::Transfer},
    {"PALIO WEEKEND 1.4", "FIAT", 1, 1, 51, 5, 16, 800, 1250, 2, 300, 99999, false, "02.01.00", 1, 1, 1, "01", Use::Retired},
};
// clang-format on

constexpr int kModelCount = int(sizeof kModels / sizeof kModels[0]);

bool isMachine(Use use)
{
    return use == Use::Machine;
}

// A trip plan: kilometres (hours for machines), destination, line and who travels.
struct Plan {
    int km;
    int destination;
    int line;
    int stopMinutes;
    QString passengers;
};

class FleetWriter {
public:
    FleetWriter(Connection &c, const DemoOptions &options, const QDate &firstDay, Dice &dice, Registries &reg,
                DemoCounts &counts, QList<TripRecord> &trips)
        : m_options(options), m_firstDay(firstDay), m_dice(dice), m_reg(reg), m_counts(counts),
          m_trips(trips),
          m_vehicle(c,
                    u"insert into vkl_veiculos values(:p_cod, :p_nro, :p_modelo, :p_marca, :p_ano_fabr, "
                    ":p_ano_mod, :p_lotacao, :p_nro_chassi, :p_tipo_combust, :p_tipo_veic, :p_capac_tanque, "
                    ":p_letra_placa, :p_nro_placa, :p_mes_licenc, :p_dt_aquis, :p_km_aquis, :p_veloc_min, "
                    ":p_veloc_max, :p_cons_min, :p_cons_max, :p_km_min, :p_km_max, :p_km_atual, :p_estado, "
                    ":p_placa_patrim, :p_motorista_padrao, :p_ano_setor, :p_setor, :p_setor_conv, :p_proj, "
                    ":p_sproj, :p_dt_alienacao, :p_declaravel, :p_baixa, :p_descr_baixa, :p_pertence, "
                    ":p_contr_km, :p_km_virada, :p_cad_atual)"_qs),
          m_trip(c, u"insert into vkl_movto_veic values(:p_ano, :p_seq, :p_veic, :p_motorista, :p_dt_saida, "
                    ":p_hr_saida, :p_km_saida, :p_dt_retorno, :p_hr_retorno, :p_km_retorno, :p_passageiros, "
                    ":p_destino, :p_descr_dest, :p_ocorr, :p_setor, :p_setor_conv, :p_linha, :p_km_acum, "
                    ":p_tp_movto, :p_km_contr)"_qs),
          m_fuelling(c,
                     u"insert into vkl_movto_abast values (:p_ano, :p_seq, :p_veic, :p_motorista, :p_data, "
                     ":p_km, :p_combust, :p_qtde, :p_valor, :p_forn, :p_forn_conv, :p_doc, :p_nt_fiscal, "
                     ":p_origem, :p_usuario, :p_km_acum, :p_km_contr)"_qs),
          m_workshop(c, dice, reg, counts),
          m_currentOdometer(c, u"update vkl_veiculos set ve_km_atual = :p_km_atual where ve_cod = :p_cod"_qs)
    {
    }

    VehicleRecord vehicle(int code);

private:
    struct State {
        int code = 0;
        const Model *model = nullptr;
        int virada = 0;
        qint64 total = 0; // physical odometer (hours for machines)
        int driver = 0;
        QString sector;
        // Trip chain: previous trip's accumulated value and return reading.
        qint64 tripAccumulated = 0;
        int tripReading = 0;
        // Fuelling chain: previous fuelling's accumulated value and reading.
        qint64 fuelAccumulated = 0;
        int fuelReading = 0;
        qint64 totalAtFuelling = 0;
        int consumption = 0; // km per litre in hundredths, for this vehicle
        int lastReading = 0; // what ve_km_atual ends as
        QHash<int, int> tripSeq, fuelSeq;
        qint64 totalAtOilChange = 0;
        int oilInterval = 0;
    };

    int reading(const State &s) const { return readingOf(s.total, s.virada); }
    // Moves the odometer on, never stopping on a reading of 0, which the windows refuse.
    void advance(State &s, int km)
    {
        s.total += km;
        while (s.virada > 0 && reading(s) == 0)
            ++s.total;
    }
    bool worksOn(const State &s, const QDate &d);
    Plan plan(const State &s);
    void day(State &s, const QDate &d, bool today);
    void trip(State &s, const QDate &d, const QTime &departure, const Plan &p, bool leaveOpen,
              QTime *returned);
    void fuelling(State &s, const QDate &d);
    QList<WorkshopVisit> scheduleMaintenance();

    const DemoOptions &m_options;
    QDate m_firstDay;
    Dice &m_dice;
    Registries &m_reg;
    DemoCounts &m_counts;
    QList<TripRecord> &m_trips;
    Query m_vehicle, m_trip, m_fuelling;
    WorkshopWriter m_workshop;
    Query m_currentOdometer;
    int m_documentNumber = 0;
};

QString plateLetters(Dice &dice)
{
    QString s = QStringLiteral("H");
    s += QChar(u'A' + dice.between(0, 25));
    s += QChar(u'A' + dice.between(0, 25));
    return s;
}

QString chassisNumber(Dice &dice)
{
    static const QString alphabet = QStringLiteral("ABCDEFGHJKLMNPRSTUVWXYZ0123456789");
    QString s = QStringLiteral("9B");
    while (s.size() < 17)
        s += alphabet.at(dice.between(0, int(alphabet.size()) - 1));
    return s;
}

VehicleRecord FleetWriter::vehicle(int code)
{
    const Model &m = kModels[(code - 1) % kModelCount];
    const QDate today = m_options.today;
    State s;
    s.code = code;
    s.model = &m;
    s.virada = m.virada;
    s.driver = m_reg.activeDrivers[(code - 1) % m_reg.activeDrivers.size()];
    s.sector = QString::fromUtf8(m.sector);
    s.consumption = m.consMin > 0 ? m_dice.between(m.consMin + (m.consMax - m.consMin) / 5,
                                                   m.consMax - (m.consMax - m.consMin) / 5)
                                  : 0;

    VehicleRecord r;
    r.code = code;
    r.model = QString::fromUtf8(m.model);
    r.make = QString::fromUtf8(m.make);
    r.retired = m.use == Use::Retired;
    r.fuel = m.fuel;
    r.virada = m.virada;
    r.yearMade = today.year() - m.age;
    r.capacity = m.seats;
    const bool road = m.use != Use::Machine && m.use != Use::Equipment;
    r.licensable = road && m.use != Use::Retired;
    r.insured = m.use == Use::Health || m.use == Use::School || (m.use == Use::Office && m.age < 5);
    r.heavy = m.type == 4 || m.type == 5;
    r.letters = plateLetters(m_dice);
    r.digits = QStringLiteral("%1").arg(m_dice.between(1, 9999), 4, 10, QChar(u'0'));
    r.chassis = chassisNumber(m_dice);
    // Licensing month follows the plate's last digit, as the state's calendar does.
    const int lastDigit = r.digits.right(1).toInt();
    r.licensingMonth = road ? (lastDigit == 0 ? 12 : lastDigit + 2) : 0;

    const int yearlyUse = isMachine(m.use) ? m_dice.between(600, 1100) : m_dice.between(12000, 30000);
    r.dailyAverage = yearlyUse / 300;
    const QDate acquired(r.yearMade, m_dice.between(1, 12), m_dice.between(1, 28));
    const int kmAtAcquisition = m.age > 10 ? m_dice.between(20000, 60000) : m_dice.between(0, 30);
    if (m.use == Use::Equipment) {
        s.total = 0;
    } else if (m.nearRollover) {
        // Somewhere in the first third of the demo the odometer turns.
        const int days = int(m_firstDay.daysTo(today));
        s.total = qint64(m.virada) * (2 + m.age / 10) + m.virada - std::max(50, r.dailyAverage * days / 6);
    } else {
        s.total = kmAtAcquisition + qint64(yearlyUse) * std::max(0, int(acquired.daysTo(m_firstDay))) / 365;
    }
    advance(s, 0);
    r.firstTotal = s.total;
    // The tank was last filled some way back before the first day.
    const int range = isMachine(m.use) ? m.tank / 16 : m.tank * m.consMin / 100;
    s.totalAtFuelling = std::max<qint64>(0, s.total - m_dice.between(0, range * 2 / 5));
    s.oilInterval = isMachine(m.use) ? 250 : r.heavy ? 15000 : 10000;
    s.totalAtOilChange = std::max<qint64>(0, s.total - m_dice.between(0, s.oilInterval));

    const bool retired = m.use == Use::Retired;
    const QDate disposal = retired ? m_firstDay.addDays(-m_dice.between(40, 120)) : QDate();
    m_vehicle.bind(u":p_cod"_qs, code)
        .bind(u":p_nro"_qs, QStringLiteral("%1").arg(code, 3, 10, QChar(u'0')))
        .bind(u":p_modelo"_qs, r.model)
        .bind(u":p_marca"_qs, m.make)
        .bind(u":p_ano_fabr"_qs, r.yearMade)
        .bind(u":p_ano_mod"_qs, r.yearMade + (m_dice.chance(50) ? 1 : 0))
        .bind(u":p_lotacao"_qs, m.seats)
        .bind(u":p_nro_chassi"_qs, r.chassis)
        .bind(u":p_tipo_combust"_qs, m.fuel)
        .bind(u":p_tipo_veic"_qs, m.type)
        .bind(u":p_capac_tanque"_qs, m.tank)
        .bind(u":p_letra_placa"_qs, road ? r.letters : QString())
        .bind(u":p_nro_placa"_qs, road ? r.digits : QString())
        .bind(u":p_mes_licenc"_qs, QStringLiteral("%1").arg(r.licensingMonth, 2, 10, QChar(u'0')))
        .bind(u":p_dt_aquis"_qs, acquired)
        .bind(u":p_km_aquis"_qs, kmAtAcquisition)
        .bind(u":p_veloc_min"_qs, isMachine(m.use) ? 0 : 20)
        .bind(u":p_veloc_max"_qs, isMachine(m.use) ? 40 : (m.type >= 3 && m.type <= 5 ? 80 : 110))
        .bind(u":p_cons_min"_qs, cents(m.consMin))
        .bind(u":p_cons_max"_qs, cents(m.consMax))
        .bind(u":p_km_min"_qs, m.kmMin)
        .bind(u":p_km_max"_qs, m.kmMax)
        .bind(u":p_km_atual"_qs, 0)
        .bind(u":p_estado"_qs, Decimal(retired ? 10 : m_dice.between(55, 95)))
        .bind(u":p_placa_patrim"_qs, QStringLiteral("%1").arg(4000 + code * 7, 6, 10, QChar(u'0')))
        .bind(u":p_motorista_padrao"_qs, s.driver)
        .bind(u":p_ano_setor"_qs, today.year())
        .bind(u":p_setor"_qs, s.sector)
        .bind(u":p_setor_conv"_qs, QString(u""_qs))
        .bind(u":p_proj"_qs, m.project)
        .bind(u":p_sproj"_qs, m.subProject)
        .bind(u":p_dt_alienacao"_qs, disposal)
        .bind(u":p_declaravel"_qs, u"S"_qs)
        .bind(u":p_baixa"_qs, retired ? u"02"_qs : u"00"_qs)
        .bind(u":p_descr_baixa"_qs,
              retired ? u"VEÍCULO INUTILIZADO APÓS SINISTRO, AGUARDANDO LEILÃO"_qs : QString(u""_qs))
        .bind(u":p_pertence"_qs, m.ownership)
        .bind(u":p_contr_km"_qs, m.virada > 0 ? u"S"_qs : u"N"_qs)
        .bind(u":p_km_virada"_qs, m.virada)
        .bind(u":p_cad_atual"_qs, u"0"_qs)
        .exec();
    ++m_counts.vehicles;

    if (!retired) {
        const QList<WorkshopVisit> stops = scheduleMaintenance();
        for (QDate d = m_firstDay; d <= today; d = d.addDays(1)) {
            r.totals.insert(d, s.total);
            const WorkshopVisit *stop = nullptr;
            for (const WorkshopVisit &mt : stops)
                if (d >= mt.entry.date() && d <= mt.exit.date())
                    stop = &mt;
            if (stop) {
                if (d == stop->entry.date()) {
                    WorkshopVisit visit = *stop;
                    visit.vehicle = code;
                    visit.driver = s.driver;
                    visit.reading = reading(s);
                    visit.userCompany = m.userCompany;
                    m_workshop.maintenance(visit);
                }
                continue;
            }
            day(s, d, d == today);
        }
    } else {
        s.lastReading = readingOf(s.total, s.virada);
    }
    m_currentOdometer.bind(u":p_km_atual"_qs, s.lastReading).bind(u":p_cod"_qs, code).exec();
    return r;
}

bool FleetWriter::worksOn(const State &s, const QDate &d)
{
    const int weekday = d.dayOfWeek();
    switch (s.model->use) {
    case Use::Health:
        return weekday <= 5 || m_dice.chance(50);
    case Use::Garbage:
        return weekday <= 6;
    case Use::Transfer:
        return weekday == 1 || weekday == 3 || weekday == 5;
    case Use::School: {
        const bool holidays = (d.month() == 1) || (d.month() == 2 && d.day() < 6) ||
                              (d.month() == 7 && d.day() > 10) || (d.month() == 12 && d.day() > 18);
        return weekday <= 5 && !holidays;
    }
    case Use::Equipment:
        return weekday == 1;
    case Use::Retired:
        return false;
    default:
        return weekday <= 5 && !m_dice.chance(10);
    }
}

Plan FleetWriter::plan(const State &s)
{
    Plan p{0, 1, 0, m_dice.between(15, 90), {}};
    switch (s.model->use) {
    case Use::Health:
        if (m_dice.chance(25)) {
            p = {m_dice.between(190, 260), 12, 0, m_dice.between(120, 300), u"PACIENTE E ACOMPANHANTE"_qs};
        } else if (m_dice.chance(40)) {
            p = {m_dice.between(60, 90), 2, 4, m_dice.between(60, 150), u"PACIENTE E ACOMPANHANTE"_qs};
        } else {
            p = {m_dice.between(4, 25), 8, 0, m_dice.between(20, 60), u"EQUIPE DE SAÚDE"_qs};
        }
        break;
    case Use::School:
        p = {m_dice.between(38, 62), 7, 1 + s.code % 3, 10, u"ALUNOS DA REDE MUNICIPAL"_qs};
        break;
    case Use::Works:
        p = {m_dice.between(5, 30), m_dice.chance(50) ? 9 : 5, 0, m_dice.between(30, 120),
             u"EQUIPE DE OBRAS"_qs};
        break;
    case Use::Garbage:
        p = {m_dice.between(25, 45), 6, 5 + s.code % 2, 30, u"EQUIPE DA COLETA"_qs};
        break;
    case Use::Moto:
        p = {m_dice.between(3, 15), 8, 0, m_dice.between(15, 45), u"AGENTE DE SAÚDE"_qs};
        break;
    case Use::Machine:
        p = {m_dice.between(3, 8), m_dice.chance(70) ? 9 : 5, 0, 0, QString()};
        break;
    case Use::Transfer:
        p = {m_dice.between(190, 260), 12, 0, m_dice.between(240, 420), u"PACIENTES DO TFD"_qs};
        break;
    default:
        if (m_dice.chance(6))
            p = {m_dice.between(160, 240), 3, 0, m_dice.between(120, 300), u"SECRETÁRIO E ASSESSOR"_qs};
        else
            p = {m_dice.between(4, 35), m_dice.pick(QList<int>{1, 4, 10, 11}), 0, m_dice.between(15, 90),
                 m_dice.chance(50) ? u"SERVIDOR DA SECRETARIA"_qs : QString()};
        break;
    }
    return p;
}

void FleetWriter::day(State &s, const QDate &d, bool today)
{
    if (!worksOn(s, d))
        return;
    if (s.model->use == Use::Equipment) {
        fuelling(s, d);
        return;
    }
    const Use use = s.model->use;
    QTime clock = use == Use::School || use == Use::Garbage ? QTime(6, m_dice.between(0, 20))
                                                            : QTime(7, m_dice.between(0, 59));
    const int tripsToday = use == Use::School                            ? 2
                           : use == Use::Machine || use == Use::Transfer ? 1
                           : use == Use::Garbage
                               ? 2
                               : m_dice.between(1, use == Use::Moto || use == Use::Works ? 4 : 3);
    // On the last day only the morning is recorded, and some vehicles are still out.
    const int trips = today ? 1 : tripsToday;
    const bool leaveOpen = today && s.code % 3 == 0;
    for (int i = 0; i < trips; ++i) {
        Plan p = plan(s);
        if (p.km >= 150 && i == 0)
            clock = std::min(clock, QTime(5, 30));
        if (use == Use::School && i == 1)
            clock = QTime(16, m_dice.between(20, 40));
        // A long trip needs fuel for the way back: fill up first when the tank will not do.
        const qint64 run = s.total - s.totalAtFuelling;
        if (isMachine(use) ? run + p.km >= s.model->tank / 16
                           : (run + p.km) * 100 >= qint64(s.model->tank) * s.model->consMin * 9 / 10)
            fuelling(s, d);
        QTime back;
        trip(s, d, clock, p, leaveOpen && i == trips - 1, &back);
        if (!back.isValid())
            break;
        clock = back.addSecs(60 * m_dice.between(15, 90));
        if (back > QTime(18, 0) || clock < back)
            break;
    }
    // Oil is changed at the garage once the interval has been run, after the day's work.
    if (!today && s.total - s.totalAtOilChange >= s.oilInterval) {
        WorkshopVisit visit;
        visit.vehicle = s.code;
        visit.driver = s.driver;
        visit.reading = reading(s);
        visit.entry = QDateTime(d, QTime(18, 30));
        m_workshop.lubrication(visit, s.oilInterval, s.virada, isMachine(use),
                               s.model->type == 4 || s.model->type == 5);
        s.totalAtOilChange = s.total;
    }
}

void FleetWriter::trip(State &s, const QDate &d, const QTime &departure, const Plan &p, bool leaveOpen,
                       QTime *returned)
{
    const Use use = s.model->use;
    if (m_dice.chance(15))
        advance(s, m_dice.between(1, 3)); // a short run nobody recorded
    const int out = reading(s);
    const int driver = m_dice.chance(80) ? s.driver : m_dice.pick(m_reg.activeDrivers);
    const int year = d.year();
    const int seq = ++s.tripSeq[year];
    const QString sector = m_dice.chance(85) ? s.sector : m_dice.pick(m_reg.sectors);

    m_trip.bind(u":p_ano"_qs, year)
        .bind(u":p_seq"_qs, seq)
        .bind(u":p_veic"_qs, s.code)
        .bind(u":p_motorista"_qs, driver)
        .bind(u":p_dt_saida"_qs, d)
        .bind(u":p_hr_saida"_qs, departure)
        .bind(u":p_km_saida"_qs, out)
        .bind(u":p_passageiros"_qs, p.passengers)
        .bind(u":p_destino"_qs, p.destination)
        .bind(u":p_ocorr"_qs,
              m_dice.chance(3) ? u"PNEU FURADO NO TRAJETO, TROCADO PELO MOTORISTA."_qs : QString(u""_qs))
        .bind(u":p_setor"_qs, sector)
        .bind(u":p_setor_conv"_qs, QString(u""_qs))
        .bind(u":p_linha"_qs, p.line)
        .bind(u":p_km_contr"_qs, u"S"_qs);
    static const QStringList destinations = {{},
                                             u"CENTRO ADMINISTRATIVO"_qs,
                                             u"HOSPITAL REGIONAL"_qs,
                                             u"SECRETARIA DE ESTADO - CAPITAL"_qs,
                                             u"DISTRITO DE SÃO JOSÉ DO PARAÍSO"_qs,
                                             u"ZONA RURAL - CÓRREGO FUNDO"_qs,
                                             u"ATERRO SANITÁRIO"_qs,
                                             u"ESCOLA MUNICIPAL PROFESSORA ALICE"_qs,
                                             u"POSTO DE SAÚDE DO BAIRRO NOVO"_qs,
                                             u"ESTRADAS VICINAIS"_qs,
                                             u"GARAGEM MUNICIPAL"_qs,
                                             u"FÓRUM E CARTÓRIO"_qs,
                                             u"HOSPITAL DAS CLÍNICAS - CAPITAL"_qs};
    m_trip.bind(u":p_descr_dest"_qs, destinations.value(p.destination, destinations[1]));

    if (leaveOpen) {
        // Departure only: the return is recorded later; the accumulated value waits for it.
        m_trip.bind(u":p_dt_retorno"_qs, QDate())
            .bind(u":p_hr_retorno"_qs, QTime())
            .bind(u":p_km_retorno"_qs, 0)
            .bind(u":p_km_acum"_qs, s.tripAccumulated != 0 ? s.tripAccumulated : qint64(out))
            .bind(u":p_tp_movto"_qs, u"S"_qs)
            .exec();
        s.lastReading = out;
        *returned = QTime();
    } else {
        advance(s, p.km);
        const int in = reading(s);
        const int minutes = isMachine(use) ? p.km * 60 + 30 : p.km * 60 / 45 + p.stopMinutes + 5;
        QTime back = departure.addSecs(60 * std::max(minutes, 10));
        if (back < departure) // past midnight: keep the return on the same day, late at night
            back = QTime(23, 50);
        const qint64 accumulated = accumulate(s.tripAccumulated, s.tripReading, in, s.virada);
        m_trip.bind(u":p_dt_retorno"_qs, d)
            .bind(u":p_hr_retorno"_qs, back)
            .bind(u":p_km_retorno"_qs, in)
            .bind(u":p_km_acum"_qs, accumulated)
            .bind(u":p_tp_movto"_qs, u"R"_qs)
            .exec();
        s.tripAccumulated = accumulated;
        s.tripReading = in;
        s.lastReading = in;
        *returned = back;
    }
    ++m_counts.trips;
    m_trips << TripRecord{s.code, driver, d, out};
}

void FleetWriter::fuelling(State &s, const QDate &d)
{
    const Model &m = *s.model;
    const bool controlled = s.virada > 0;
    const qint64 run = s.total - s.totalAtFuelling;
    if (controlled && run <= 0)
        return; // the odometer has not moved since the last fill
    Decimal litres;
    if (!controlled)
        litres = Decimal(m_dice.between(m.tank / 3, m.tank * 2 / 3));
    else if (isMachine(m.use))
        litres = Decimal(qint64(run) * m_dice.between(10, 15));
    else
        litres = (Decimal(qint64(run)) / cents(s.consumption + m_dice.between(-30, 30))).rounded(2);
    litres = std::min(litres, Decimal(m.tank));
    if (litres <= Decimal(0))
        litres = Decimal(1);

    int km = s.fuelReading; // without control the previous reading is repeated
    qint64 accumulated = s.fuelAccumulated;
    if (controlled) {
        km = reading(s);
        accumulated = accumulate(s.fuelAccumulated, s.fuelReading, km, s.virada);
    }
    const bool ownPump = m.fuel != 1 && m.fuel != 3 ? m_dice.chance(70) : m_dice.chance(20);
    // The price per litre as the fuel registry shows it that day: two places.
    const Decimal price = m_reg.prices.priceAt(m_reg.fuelMaterial.value(m.fuel), d).rounded(2);
    const int year = d.year();
    ++m_documentNumber;
    m_fuelling.bind(u":p_ano"_qs, year)
        .bind(u":p_seq"_qs, ++s.fuelSeq[year])
        .bind(u":p_veic"_qs, s.code)
        .bind(u":p_motorista"_qs, s.driver)
        .bind(u":p_data"_qs, d)
        .bind(u":p_km"_qs, km)
        .bind(u":p_combust"_qs, m.fuel)
        .bind(u":p_qtde"_qs, litres)
        .bind(u":p_valor"_qs, (litres * price).rounded(2))
        .bind(u":p_forn"_qs, ownPump ? m_reg.fuelDistributor : m_dice.pick(m_reg.fuelStations))
        .bindNull(u":p_forn_conv"_qs)
        .bind(u":p_doc"_qs, QStringLiteral("REQ %1").arg(m_documentNumber, 5, 10, QChar(u'0')))
        .bind(u":p_nt_fiscal"_qs,
              ownPump ? QString(u""_qs) : QStringLiteral("NF %1").arg(m_dice.between(10000, 99999)))
        .bind(u":p_origem"_qs, ownPump ? u"01"_qs : u"02"_qs)
        .bind(u":p_usuario"_qs, m.userCompany)
        .bind(u":p_km_acum"_qs, accumulated)
        .bind(u":p_km_contr"_qs, controlled ? u"S"_qs : u"N"_qs)
        .exec();
    s.fuelAccumulated = accumulated;
    s.fuelReading = km;
    s.totalAtFuelling = s.total;
    ++m_counts.fuellings;
}

QList<WorkshopVisit> FleetWriter::scheduleMaintenance()
{
    QList<WorkshopVisit> stops;
    const int span = int(m_firstDay.daysTo(m_options.today));
    const int wanted = m_dice.between(std::max(1, m_options.months / 4), m_options.months / 2 + 1);
    for (int attempt = 0; attempt < wanted * 4 && stops.size() < wanted && span > 2; ++attempt) {
        QDate entry = m_firstDay.addDays(m_dice.between(1, span - 1));
        while (entry.dayOfWeek() > 5)
            entry = entry.addDays(1);
        const QDate exitDay = m_dice.chance(60) ? entry : entry.addDays(m_dice.between(1, 4));
        if (exitDay >= m_options.today)
            continue;
        bool clash = false;
        for (const WorkshopVisit &m : stops)
            clash = clash || (entry <= m.exit.date().addDays(1) && exitDay >= m.entry.date().addDays(-1));
        if (clash)
            continue;
        const QTime in(7, 30 + m_dice.between(0, 29));
        const QTime out = exitDay == entry ? QTime(m_dice.between(14, 16), m_dice.between(0, 59))
                                           : QTime(m_dice.between(9, 17), m_dice.between(0, 59));
        WorkshopVisit visit;
        visit.entry = QDateTime(entry, in);
        visit.exit = QDateTime(exitDay, out);
        stops << visit;
    }
    return stops;
}

} // namespace

QList<VehicleRecord> loadFleet(Connection &c, const DemoOptions &options, const QDate &firstDay, Dice &dice,
                               Registries &registries, DemoCounts &counts, QList<TripRecord> &trips)
{
    FleetWriter writer(c, options, firstDay, dice, registries, counts, trips);
    QList<VehicleRecord> vehicles;
    for (int code = 1; code <= options.vehicles; ++code)
        vehicles << writer.vehicle(code);
    return vehicles;
}

} // namespace zedera::schema::demo
