#pragma once

// Pieces shared by the parts of the demonstration loader; not used outside schema/demo.

#include "DemoData.h"
#include "db/Decimal.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QPair>
#include <QRandomGenerator>
#include <QStringList>

namespace zedera::schema::demo {

// The one source of chance: seeded, so a load is repeatable.
class Dice {
public:
    explicit Dice(quint32 seed) : m_rng(seed) {}
    // A whole number from lo to hi, both included.
    int between(int lo, int hi) { return hi <= lo ? lo : lo + int(m_rng.bounded(quint32(hi - lo + 1))); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <class List> auto pick(const List &list) { return list[between(0, int(list.size()) - 1)]; }

private:
    QRandomGenerator m_rng;
};

inline Decimal cents(qint64 value)
{
    return Decimal::fromUnits(value * (Decimal::kFactor / 100));
}

// Every entry price the warehouse got, so that fuel and maintenance values match the prices the
// program would propose on the same day.
class PriceBook {
public:
    void add(int material, const QDate &date, Decimal unitPrice)
    {
        m_entries[material].insert(date, unitPrice);
    }
    // The last entry on or before the date; the first entry for an earlier date.
    Decimal priceAt(int material, const QDate &date) const;

private:
    QHash<int, QMap<QDate, Decimal>> m_entries;
};

struct RequestItem {
    int year = 0;
    int number = 0;
    int item = 0;
    int material = 0;
    Decimal quantity;
    Decimal unitPrice; // paid on the purchase order that served the request
    bool used = false;
};

// What the movements need to know about the registries the loader wrote.
struct Registries {
    QList<int> exercises;     // every year that has parameters and sectors
    QStringList sectors;      // st_cod, the same codes in every exercise
    QList<int> activeDrivers; // mo_cod with situation 01
    int fuelDistributor = 0;  // supplier of the administration's own pump
    QList<int> fuelStations;  // private stations
    QList<int> workshops;     // mechanics, electricians, body shops
    int dispatcher = 0;       // licensing dispatcher
    QList<int> insurers;
    QHash<int, int> fuelMaterial; // tc_cod -> mt_codigo
    QList<int> partMaterials;
    QList<int> oilMaterials;
    QList<int> serviceMaterials;
    QList<RequestItem> requests;
    QHash<int, Decimal> tableValue; // vkl_tabela: tb_cod -> tb_valor
    PriceBook prices;
};

// A trip the loader wrote, kept for the fines.
struct TripRecord {
    int vehicle = 0;
    int driver = 0;
    QDate date;
    int reading = 0;
};

// The per-vehicle facts the documents and fines need after the simulation.
struct VehicleRecord {
    int code = 0;
    bool licensable = false; // runs on public roads
    bool retired = false;    // written off before the first day
    bool insured = false;
    bool heavy = false;
    int licensingMonth = 0; // 0: none
    int virada = 0;
    qint64 firstTotal = 0;      // physical odometer on the first day
    int dailyAverage = 0;       // for readings before the first day
    QMap<QDate, qint64> totals; // physical odometer at the start of each simulated day
    QString letters;
    QString digits;
    QString chassis;
    QString model;
    QString make;
    int fuel = 0;
    int yearMade = 0;
    int capacity = 0;

    // The odometer reading on a day, before any movement of that day.
    int readingAt(const QDate &date) const;
};

// The odometer reading of a physical total, rolling over at `virada` (0: never rolls over).
inline int readingOf(qint64 total, int virada)
{
    return int(virada > 0 ? total % virada : total);
}

// The accumulated odometer after a movement at `reading`, given the previous movement's
// accumulated value and reading: the kilometres since then are added, and when the reading did
// not grow the odometer has rolled over, so a whole turn is added too.
inline qint64 accumulate(qint64 previousAccumulated, int previousReading, int reading, int virada)
{
    qint64 d = qint64(reading) - previousReading;
    if (d <= 0)
        d += virada;
    return previousAccumulated + d;
}

void loadRegistries(Connection &c, const DemoOptions &options, const QDate &firstDay, Dice &dice,
                    Registries &out, DemoCounts &counts);
QList<VehicleRecord> loadFleet(Connection &c, const DemoOptions &options, const QDate &firstDay, Dice &dice,
                               Registries &registries, DemoCounts &counts, QList<TripRecord> &trips);
void loadDocuments(Connection &c, const DemoOptions &options, const QDate &firstDay, Dice &dice,
                   Registries &registries, const QList<VehicleRecord> &vehicles,
                   const QList<TripRecord> &trips, DemoCounts &counts);

} // namespace zedera::schema::demo
