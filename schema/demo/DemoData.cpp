#include "DemoData.h"

#include "DemoModel.h"

namespace zedera::schema {

namespace demo {

Decimal PriceBook::priceAt(int material, const QDate &date) const
{
    const auto entries = m_entries.constFind(material);
    if (entries == m_entries.cend() || entries->isEmpty())
        return {};
    auto it = entries->upperBound(date);
    if (it == entries->cbegin())
        return it.value();
    return std::prev(it).value();
}

int VehicleRecord::readingAt(const QDate &date) const
{
    qint64 total = firstTotal;
    if (!totals.isEmpty() && date < totals.firstKey()) {
        total = std::max<qint64>(1, firstTotal - qint64(dailyAverage) * date.daysTo(totals.firstKey()));
    } else if (!totals.isEmpty()) {
        const auto it = totals.lowerBound(date);
        total = it != totals.cend() ? it.value() : totals.last();
    }
    const int reading = readingOf(total, virada);
    return reading > 0 ? reading : 1;
}

} // namespace demo

QString DemoCounts::summary() const
{
    return QStringLiteral("%1 veículos, %2 motoristas, %3 viagens, %4 abastecimentos, %5 manutenções "
                          "(%6 itens), %7 licenciamentos, %8 multas, %9 seguros, %10 documentos, "
                          "%11 ordens de serviço, %12 lubrificações")
        .arg(vehicles)
        .arg(drivers)
        .arg(trips)
        .arg(fuellings)
        .arg(maintenance)
        .arg(maintenanceItems)
        .arg(licensing)
        .arg(fines)
        .arg(insurance)
        .arg(documents)
        .arg(serviceOrders)
        .arg(lubrications);
}

DemoData::DemoData(const DemoOptions &options) : m_options(options)
{
    if (!m_options.today.isValid())
        m_options.today = QDate::currentDate();
    m_options.vehicles = std::max(1, m_options.vehicles);
    m_options.months = std::max(1, m_options.months);
}

QDate DemoData::firstDay() const
{
    const QDate start = m_options.today.addMonths(-m_options.months);
    return QDate(start.year(), start.month(), 1);
}

DemoCounts DemoData::load(Connection &connection)
{
    demo::Dice dice(m_options.seed);
    DemoCounts counts;
    demo::Registries registries;
    {
        WriteTransaction tx(connection);
        demo::loadRegistries(connection, m_options, firstDay(), dice, registries, counts);
        tx.commit();
    }
    WriteTransaction tx(connection);
    QList<demo::TripRecord> trips;
    const QList<demo::VehicleRecord> vehicles =
        demo::loadFleet(connection, m_options, firstDay(), dice, registries, counts, trips);
    demo::loadDocuments(connection, m_options, firstDay(), dice, registries, vehicles, trips, counts);
    tx.commit();
    return counts;
}

} // namespace zedera::schema
