#include "textprint/TextRenderer.h"

#include "dialogs/DialogService.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

#include <array>

namespace zedera {

namespace {

QFont reportFont(int style)
{
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setKerning(false);
    font.setBold(style & textstyle::Bold);
    font.setItalic(style & textstyle::Italic);
    font.setUnderline(style & textstyle::Underline);
    return font;
}

} // namespace

TextPageRenderer::TextPageRenderer(const TextDocument &document) : m_document(document) {}

QSizeF TextPageRenderer::frameInches() const
{
    return {double(m_document.pageWidthDots()) / TextDocument::kDotsPerInch,
            double(m_document.pageHeightDots()) / TextDocument::kDotsPerInch};
}

void TextPageRenderer::paint(QPainter &painter, int page, const QRectF &target) const
{
    const double scale = std::min(target.width() / m_document.pageWidthDots(),
                                  target.height() / m_document.pageHeightDots());
    if (scale <= 0)
        return;
    const double rowHeight = TextDocument::kRowDots * scale;

    // One font per style combination that matters to the glyphs (bold, italic, underline), sized
    // to the row's height; its advance is measured once to stretch runs to their pitch.
    struct Face {
        bool ready = false;
        QFont font;
        double advance = 1;
        double ascent = 0;
        double descent = 0;
    };
    std::array<Face, 8> faces;
    auto face = [&](int style) -> const Face & {
        Face &f = faces[size_t(style & 0x07)];
        if (!f.ready) {
            f.font = reportFont(style);
            f.font.setPixelSize(std::max(1, qRound(rowHeight * 0.72)));
            const QFontMetricsF metrics(f.font, painter.device());
            f.advance = std::max(0.01, metrics.horizontalAdvance(QLatin1Char('M')));
            f.ascent = metrics.ascent();
            f.descent = metrics.descent();
            f.ready = true;
        }
        return f;
    };

    painter.save();
    painter.setPen(Qt::black);
    const QList<QList<TextRun>> rows = m_document.pageRuns(page);
    for (int r = 0; r < rows.size(); ++r) {
        const double top = target.top() + r * rowHeight;
        for (const TextRun &run : rows.at(r)) {
            const Face &f = face(run.style);
            const double cell = run.cellWidth * scale;
            painter.save();
            painter.translate(target.left() + run.x * scale,
                              top + (rowHeight + f.ascent - f.descent) / 2);
            painter.scale(cell / f.advance, 1.0);
            painter.setFont(f.font);
            painter.drawText(QPointF(0, 0), run.text);
            painter.restore();
        }
    }
    painter.restore();
}

bool paintPages(const TextDocument &document, QPagedPaintDevice &device, const PrintSetup &setup,
                int marginMm)
{
    device.setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm),
                          QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const TextPageRenderer renderer(document);
    const QRectF area(QPointF(0, 0), QSizeF(painter.viewport().size()));
    bool first = true;
    for (int page = 1; page <= document.pageCount(); ++page) {
        if (!setup.includes(page))
            continue;
        if (!first && !device.newPage()) {
            painter.end();
            return false;
        }
        first = false;
        renderer.paint(painter, page, area);
    }
    return painter.end();
}

bool printDocument(const TextDocument &document, QPrinter &printer, const PrintSetup &setup,
                   int marginMm)
{
    printer.setFullPage(false);
    if (!paintPages(document, printer, setup, marginMm)) {
        dialogs().error(QStringLiteral("Não foi possível imprimir o relatório."));
        return false;
    }
    return true;
}

bool writePdf(const TextDocument &document, const QString &path, const PrintSetup &setup,
              int marginMm)
{
    // Written beside the target and moved over it at the end, so a failure never leaves half a
    // file where the user expects the report.
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(QFileInfo(path).completeBaseName());
        writer.setCreator(QStringLiteral("Zedera"));
        ok = paintPages(document, writer, setup, marginMm);
    }
    ok = ok && file.commit();
    if (!ok) {
        dialogs().error(QStringLiteral("Não foi possível gravar o arquivo %1.").arg(path));
        file.cancelWriting();
    }
    return ok;
}

} // namespace zedera
