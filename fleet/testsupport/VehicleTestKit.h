#pragma once

#include "veiculos/TF_Cad_Veic.h"

#include "RegistryTestKit.h"

#include <QVariantHash>

namespace zedera::fleet::testing {

// One vehicle type (1), fuel (1), drivers 1 and 2, sector 01.02.03 of 2025 and 2026, project 5.2
// and the "no project" row 0.0 that vehicles without a project are listed through.
void seed(registry::testing::RegistryFixture &f);
// A vehicle that the list shows, with `changes` (column -> value) over the defaults.
void addVehicle(registry::testing::RegistryFixture &f, int cod, const QString &nro, const QVariantHash &changes = {});

// Sets a field of the edit page as the user leaves it: a pick list by its item's text, a number
// field by its value.
void set(QWidget &w, const QString &name, const QString &value);
// The text a field of the edit page shows (a pick list's current item).
QString text(const QWidget &w, const QString &name);
// The objectName of the focused control.
QString focused();
// Focuses the list and makes `row` its current row.
void focusRow(TF_Cad_Veic &w, int row);

} // namespace zedera::fleet::testing
