#include "textprint/TextDocument.h"

#include <algorithm>
#include <vector>

namespace zedera {

int pitchDots(TextPitch pitch)
{
    switch (pitch) {
    case TextPitch::S10cpp: return 12;
    case TextPitch::S12cpp: return 10;
    case TextPitch::S17cpp: return 7; // condensed: 120/7 = 17.14 characters per inch
    case TextPitch::S20cpp: return 6;
    }
    return 12;
}

TextDocument::TextDocument(int rows, int columns, TextPitch pitch)
    : m_rows(std::max(1, rows)), m_columns(std::max(1, columns)), m_pitch(pitch)
{
}

void TextDocument::place(TextSpan span)
{
    if (m_pages.isEmpty())
        addPage();
    span.column = std::max(1, span.column);
    m_pages.last().append(std::move(span));
}

int TextDocument::pageCellDots() const
{
    return pitchDots(m_pitch);
}

int TextDocument::cellDots(int style) const
{
    int dots = pageCellDots();
    if (style & textstyle::Cpi10)
        dots = 12;
    else if (style & textstyle::Cpi12)
        dots = 10;
    else if (style & textstyle::Cpi17)
        dots = 7;
    else if (style & textstyle::Cpi20)
        dots = 6;
    if (style & textstyle::Expanded)
        dots *= 2;
    return dots;
}

QStringList TextDocument::textLines(int page) const
{
    QStringList lines(m_rows);
    for (const TextSpan &span : spans(page)) {
        if (span.row < 1 || span.row > m_rows || span.text.isEmpty())
            continue;
        QString &line = lines[span.row - 1];
        const int start = span.column - 1;
        const int end = start + int(span.text.size());
        if (line.size() < end)
            line.append(QString(end - line.size(), u' '));
        line.replace(start, span.text.size(), span.text);
    }
    for (QString &line : lines) {
        qsizetype n = line.size();
        while (n > 0 && line.at(n - 1) == u' ')
            --n;
        line.truncate(n);
    }
    return lines;
}

QString TextDocument::pageText(int page) const
{
    return textLines(page).join(u'\n');
}

namespace {

struct Glyph {
    int x;
    int width;
    int style;
    QChar ch;
};

} // namespace

QList<QList<TextRun>> TextDocument::pageRuns(int page) const
{
    std::vector<std::vector<Glyph>> rows(static_cast<size_t>(m_rows));
    const int right = pageWidthDots();
    for (const TextSpan &span : spans(page)) {
        if (span.row < 1 || span.row > m_rows || span.text.isEmpty())
            continue;
        std::vector<Glyph> &row = rows[size_t(span.row - 1)];
        const int w = cellDots(span.style);
        const int x0 = (span.column - 1) * pageCellDots();
        int n = int(span.text.size());
        // Characters past the page's edge do not print.
        n = std::min(n, std::max(0, (right - x0) / w));
        if (n == 0)
            continue;
        const int x1 = x0 + n * w;
        // The row's glyphs are kept in order and never overlap, so the ones this text covers are
        // one contiguous stretch: it replaces them, as a character printer's line buffer does.
        auto first = std::find_if(row.begin(), row.end(),
                                  [x0](const Glyph &g) { return g.x + g.width > x0; });
        auto last = std::find_if(first, row.end(), [x1](const Glyph &g) { return g.x >= x1; });
        first = row.erase(first, last);
        std::vector<Glyph> added;
        added.reserve(size_t(n));
        for (int i = 0; i < n; ++i)
            added.push_back({x0 + i * w, w, span.style, span.text.at(i)});
        row.insert(first, added.begin(), added.end());
    }

    QList<QList<TextRun>> result(m_rows);
    for (int r = 0; r < m_rows; ++r) {
        QList<TextRun> &runs = result[r];
        for (const Glyph &g : rows[size_t(r)]) {
            if (!runs.isEmpty()) {
                TextRun &run = runs.last();
                if (run.style == g.style && run.cellWidth == g.width
                    && run.x + run.cellWidth * int(run.text.size()) == g.x) {
                    run.text.append(g.ch);
                    continue;
                }
            }
            runs.append({g.x, g.width, g.style, QString(g.ch)});
        }
    }
    return result;
}

} // namespace zedera
