#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zedera {

// The pitch a report page is laid out in: its columns are characters of this width.
enum class TextPitch { S10cpp, S12cpp, S17cpp, S20cpp };

// Style bits of a printed text, in the order the reports give them as numbers (bold is 1, 17
// characters per inch is 64). No bits means the page's own pitch, upright and plain.
namespace textstyle {
inline constexpr int Bold = 0x01;
inline constexpr int Italic = 0x02;
inline constexpr int Underline = 0x04;
inline constexpr int Expanded = 0x08;
inline constexpr int Cpi10 = 0x10;
inline constexpr int Cpi12 = 0x20;
inline constexpr int Cpi17 = 0x40;
inline constexpr int Cpi20 = 0x80;
inline constexpr int PitchMask = Cpi10 | Cpi12 | Cpi17 | Cpi20;
} // namespace textstyle

// One text as the report placed it: its first character sits in (row, column) of the page grid,
// both counted from 1. Later texts print over earlier ones.
struct TextSpan {
    int row = 1;
    int column = 1;
    QString text;
    int style = 0;
};

// A stretch of characters of one style and one width, resolved for a device: what remains
// visible of a row once every text is printed over the ones before it. Positions and widths are
// in dots of 1/120 inch, the unit every pitch divides evenly (10 cpi = 12 dots, 17 cpi = 7).
struct TextRun {
    int x = 0;
    int cellWidth = 12;
    int style = 0;
    QString text;
};

// The laid-out report: pages of rows x columns at one pitch, each page the texts placed on it.
// Device independent: the preview, the printer, PDF, plain text and the dot-matrix codes all read
// it, none of them writes it.
class TextDocument {
public:
    static constexpr int kDotsPerInch = 120;
    static constexpr int kRowDots = 20; // six lines per inch

    TextDocument() = default;
    TextDocument(int rows, int columns, TextPitch pitch);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    TextPitch pitch() const { return m_pitch; }

    int pageCount() const { return int(m_pages.size()); }
    void addPage() { m_pages.append(QList<TextSpan>()); }
    // Places a text on the last page (a page is added when there is none).
    void place(TextSpan span);
    // Pages are counted from 1, as the reports number them.
    const QList<TextSpan> &spans(int page) const { return m_pages.at(page - 1); }

    // Width in dots of one character of the page's own pitch, and of a character in `style`
    // (its pitch bit, or the page's; expanded doubles it).
    int pageCellDots() const;
    int cellDots(int style) const;
    int pageWidthDots() const { return m_columns * pageCellDots(); }
    int pageHeightDots() const { return m_rows * kRowDots; }

    // The page as text, one line per row, one character per cell: each text from the column it
    // starts in, later texts replacing the characters under them, trailing blanks dropped. Texts at
    // another pitch keep their starting column and take one cell per character, so nothing of them
    // is lost in plain text.
    QStringList textLines(int page) const;
    // The same joined with '\n' (every row, so row numbers are line numbers).
    QString pageText(int page) const;
    // The visible runs of each row (index 0 is row 1), clipped at the page's right edge.
    QList<QList<TextRun>> pageRuns(int page) const;

private:
    int m_rows = 66;
    int m_columns = 80;
    TextPitch m_pitch = TextPitch::S10cpp;
    QList<QList<TextSpan>> m_pages;
};

int pitchDots(TextPitch pitch);

} // namespace zedera
