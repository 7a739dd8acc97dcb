#pragma once

#include "RegistryDescriptor.h"

#include "textprint/PageFrame.h"

#include <QDateTime>
#include <QObject>

namespace zedera::registry {

class RegistryListModel;

// The printed list of a registry: the rows of the list as it stands, in its order, with the
// registry's title, heading and columns in the common page frame (three centred title lines, the
// heading between two rules, the footer on rows 64 and 65).
class RegistryListPrint : public QObject {
    Q_OBJECT
public:
    RegistryListPrint(TextPrinter &printer, const PrintLayout &layout, const RegistryEnvironment &environment);

    // Opens the report, asks the set-up and prints every row; closes it also when the set-up is
    // cancelled (which prints nothing).
    void print(const RegistryListModel &rows);
    // The moment printed in the footer; the current time unless set.
    void setNow(const QDateTime &now) { m_frame.footer().now = now; }
    int linha() const { return m_frame.linha(); }

private:
    static PageFooter footerOf(const PrintLayout &layout, const RegistryEnvironment &environment);
    int pageHeading(TextPrinter &printer) const;
    void printRecord(const RegistryRow &row);

    TextPrinter &m_printer;
    const PrintLayout &m_layout;
    RegistryEnvironment m_env;
    PageFrame m_frame;
};

} // namespace zedera::registry
