#pragma once

// The workshop side of the demonstration: maintenance entries with their items, the service
// orders of the administration's own workshop and the oil changes.

#include "DemoModel.h"

#include <QDateTime>

namespace zedera::schema::demo {

// One stay of a vehicle at a workshop.
struct WorkshopVisit {
    int vehicle = 0;
    int driver = 0;
    int reading = 0;
    int userCompany = 0;
    QDateTime entry;
    QDateTime exit;
};

class WorkshopWriter {
public:
    WorkshopWriter(Connection &c, Dice &dice, Registries &registries, DemoCounts &counts);

    // The maintenance entry with its items; a visit to the administration's own workshop also
    // has its service order with defects and solutions.
    void maintenance(const WorkshopVisit &visit);
    // An oil change at `reading`; the next one is due `interval` later on the same odometer.
    void lubrication(const WorkshopVisit &visit, int interval, int virada, bool machine, bool heavy);

private:
    void serviceOrder(const WorkshopVisit &visit, const QString &type, int cause, const QString &work);

    Dice &m_dice;
    Registries &m_reg;
    DemoCounts &m_counts;
    Query m_entry, m_item, m_order, m_orderItem, m_lubrication, m_lubricationItem;
    QHash<QPair<int, int>, int> m_entrySeq; // (vehicle, year)
    QHash<int, int> m_orderNumber;          // year
    QHash<int, int> m_lubricationNumber;    // year
};

} // namespace zedera::schema::demo
