#pragma once

#include "textprint/PrintSetup.h"
#include "textprint/TextDocument.h"

#include <QRectF>

class QPainter;
class QPagedPaintDevice;
class QPrinter;

namespace zedera {

// Draws report pages on any painter: the screen, a printer, a PDF. Every run of characters is
// drawn with a monospaced font stretched to exactly its pitch's width, so columns line up the same
// on screen, on paper and in the PDF whatever the font's own advance.
class TextPageRenderer {
public:
    explicit TextPageRenderer(const TextDocument &document);

    // The page's frame (8 inches wide for 80 columns at 10 cpi, 11 inches for 66 rows) scaled to
    // fit `target` without distortion, top-left aligned. `target` is in the painter's device pixels.
    void paint(QPainter &painter, int page, const QRectF &target) const;
    // The size of the frame in inches.
    QSizeF frameInches() const;

private:
    const TextDocument &m_document;
};

// Pages of the set-up's range, each on a new sheet of the device, inside a margin of `marginMm`.
// False when the device could not be painted on.
bool paintPages(const TextDocument &document, QPagedPaintDevice &device, const PrintSetup &setup,
                int marginMm);
bool printDocument(const TextDocument &document, QPrinter &printer, const PrintSetup &setup,
                   int marginMm);
// A PDF of the set-up's range at `path`, on A4 sheets, written whole or not at all. Tells the user
// and returns false when it cannot be written.
bool writePdf(const TextDocument &document, const QString &path, const PrintSetup &setup,
              int marginMm);

} // namespace zedera
