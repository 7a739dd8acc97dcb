#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace zedera {

class TextPrinter;

// The footer of every report page: a rule of "-" on row 64 and, on row 65 at 17 characters per
// inch, the system's mark with the exercise from column 1 and the date, time and page number
// right-aligned to the last column ("11/12/2026 - 13:54  Folha - 001").
struct PageFooter {
    QString mark = QStringLiteral("KORVA - ZUQ - "); // registry lists: "ZEDERA - ZUQ - "
    int exercicio = 0;
    int ruleWidth = 0;   // 0: the page's width
    int rightColumn = 0; // the column the date and page are right-aligned to; 0: the page's width
    QDateTime now;       // invalid: the time of printing
};
void printFooter(TextPrinter &printer, const PageFooter &footer);

// A title line of a page heading, centred on the heading's centre column.
struct TitleLine {
    int row = 1;
    QString text;
    bool bold = false;
};
void printTitles(TextPrinter &printer, int centre, const QList<TitleLine> &lines);

// A rule of `width` characters on `row` from column 1, the heading lines in bold on the rows below
// it, and the same rule closing them. Returns the row after the closing rule.
int printRuledHeading(TextPrinter &printer, int row, QChar rule, int width,
                      const QStringList &heading);

// The heading of a registry's printed list: the organisation in bold on row 2, the system's name
// on row 4, the list's title on row 6, all centred; then the column heading between rules of "="
// from row 8. Returns the first detail row (11 for a one-line heading).
struct ListHeading {
    QString organisation;
    QString title;
    QStringList heading;
    int width = 80;
    int centre = 41;
};
int printListHeading(TextPrinter &printer, const ListHeading &heading);

// Ties a report's page frame to its printer: each new page prints the report's heading and sets
// the line counter to the first detail row the heading returns; each finished page gets the
// footer. The counter and its page rule are here so reports do not write them again: a detail line
// goes on linha(), then the report advances, and the page turns once the counter passes the last
// detail row (62 unless lines must stay together).
class PageFrame : public QObject {
    Q_OBJECT
public:
    static constexpr int kLastDetailRow = 62;

    // Prints the heading of page `pagina`; returns the row of the page's first detail line.
    using Heading = std::function<int(TextPrinter &printer, int pagina)>;

    PageFrame(TextPrinter &printer, PageFooter footer, Heading heading);

    TextPrinter &printer() const { return m_printer; }
    PageFooter &footer() { return m_footer; }

    int linha() const { return m_linha; }
    void setLinha(int row) { m_linha = row; }
    // Moves the counter on by `rows`; past `lastRow` the page turns and the counter stands on the
    // new page's first detail row.
    void advance(int rows = 1, int lastRow = kLastDetailRow);
    // Turns the page when the counter is past `lastRow`; true when it did.
    bool breakIfPast(int lastRow = kLastDetailRow);

private:
    TextPrinter &m_printer;
    PageFooter m_footer;
    Heading m_heading;
    int m_linha = 0;
};

} // namespace zedera
