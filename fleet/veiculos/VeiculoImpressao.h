#pragma once

#include "framework/RegistryDescriptor.h"

#include <QDateTime>
#include <QStringList>

namespace zedera {
class PageFrame;
class TextPrinter;
} // namespace zedera

namespace zedera::registry {
class RegistryListModel;
}

namespace zedera::fleet {

// The write-off description as the printed list lays it out: cut at blanks into a first line of
// at most 141 characters (words each followed by a blank) and a second line with the rest; with a
// second line, the first is justified to 142 columns. Empty for an empty description.
QStringList linhasDescrBaixa(const QString &descricao);

// The printed list of the vehicles: a block of seven rows per vehicle on a 160-column page, the
// write-off description below it when there is one, a rule between vehicles.
class VeiculoImpressao {
public:
    VeiculoImpressao(TextPrinter &printer, const registry::RegistryEnvironment &environment);

    // Opens the report, asks the set-up and prints every row of the list in its order; closes it
    // also when the set-up is cancelled (which prints nothing).
    void imprimir(const registry::RegistryListModel &lista);
    // The moment printed in the footer; the time of printing unless set.
    void setNow(const QDateTime &now) { m_now = now; }

    // The highest accumulated odometer reading of the vehicle's trips and fuellings; 0 when it
    // has none.
    static qint64 kmAcumulado(Connection &connection, qint64 veiculo);

private:
    void bloco(PageFrame &frame, const registry::RegistryRow &row);

    TextPrinter &m_printer;
    registry::RegistryEnvironment m_env;
    QDateTime m_now;
};

} // namespace zedera::fleet
