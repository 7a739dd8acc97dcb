#pragma once

#include "db/Connection.h"

#include <QDate>
#include <QString>

namespace zedera::schema {

// How big and when the demonstration municipality is. The same options always give the same
// rows: every choice comes from a generator seeded with `seed`, and every date is counted from
// `today`, never from the clock.
struct DemoOptions {
    QDate today = QDate::currentDate();
    int vehicles = 20;
    // Movements cover the whole months before today's month, and today's month up to today.
    int months = 4;
    quint32 seed = 1;
};

// What a load wrote, table by table.
struct DemoCounts {
    int vehicles = 0;
    int drivers = 0;
    int trips = 0;
    int fuellings = 0;
    int maintenance = 0;
    int maintenanceItems = 0;
    int licensing = 0;
    int fines = 0;
    int insurance = 0;
    int documents = 0;
    int serviceOrders = 0;
    int lubrications = 0;

    QString summary() const;
};

// Loads a believable municipality into a database that has the complete schema and no rows of
// its own: yearly parameters, the suite's sectors, projects, suppliers, materials with entry
// prices and material requests, insurers, every registry, the vehicles with their odometer
// settings, and some months of trips, fuellings, maintenance with items, licensing, fines and
// insurance. Each vehicle's odometer is simulated day by day (rolling over at `ve_km_virada`
// where the vehicle is old enough), so the accumulated odometers of its trips and of its
// fuellings follow the same rule as the movement windows use. Writes in a few transactions; on
// a failure nothing of the failed transaction stays.
class DemoData {
public:
    explicit DemoData(const DemoOptions &options = {});
    DemoCounts load(Connection &connection);

    // The first day with movements.
    QDate firstDay() const;
    const DemoOptions &options() const { return m_options; }

private:
    DemoOptions m_options;
};

} // namespace zedera::schema
