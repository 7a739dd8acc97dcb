#include "textprint/TextPrinter.h"

#include "dialogs/DialogService.h"
#include "format/Format.h"
#include "textprint/TextExport.h"
#include "textprint/TextPreview.h"
#include "textprint/TextRenderer.h"

#include <QPrinter>

#include <algorithm>

namespace zedera {

TextPrinter::TextPrinter(QObject *parent) : QObject(parent) {}

TextPrinter::~TextPrinter() = default;

void TextPrinter::Abrir()
{
    m_document = TextDocument(m_rows, m_columns, m_pitch);
    m_document.addPage();
    m_setup = m_defaults;
    m_state = State::Open;
    m_page = 1;
    emit OnNewPage(this, m_page);
}

bool TextPrinter::Setup()
{
    if (m_state != State::Open)
        return false;
    PrintSetup proposed = m_defaults;
    if (proposed.destination == PrintSetup::Destination::Epson && proposed.target.isEmpty())
        proposed.target = m_port;
    PrintSetupDialog dialog(proposed);
    if (DialogService::instance().exec(dialog) != QDialog::Accepted) {
        m_state = State::Cancelled;
        return false;
    }
    m_setup = dialog.setup();
    // The next report proposes what the user chose now.
    m_defaults = m_setup;
    return true;
}

void TextPrinter::place(int row, int column, const QString &text, int style)
{
    if (!placing())
        return;
    m_document.place({row, std::max(1, column), text, style});
}

void TextPrinter::Imp(int row, int column, const QString &text)
{
    place(row, column, text, 0);
}

void TextPrinter::ImpF(int row, int column, const QString &text, int style)
{
    place(row, column, text, style);
}

void TextPrinter::ImpC(int row, int column, const QString &text, int style)
{
    // Half the text's width in page columns, truncated: n div 2 at the page's own pitch.
    const int k = int(text.size()) * m_document.cellDots(style) / (2 * m_document.pageCellDots());
    place(row, column - k, text, style);
}

void TextPrinter::ImpD(int row, int column, const QString &text, int style)
{
    // The whole columns the text reaches into, so a text at another pitch never passes the column
    // either; at the page's own pitch this is n.
    const int dots = int(text.size()) * m_document.cellDots(style);
    const int cell = m_document.pageCellDots();
    const int k = (dots + cell - 1) / cell;
    place(row, column - k, text, style);
}

void TextPrinter::ImpVal(int row, int column, const QString &mask, const Decimal &value, int style)
{
    const qsizetype width = mask.indexOf(u';') < 0 ? mask.size() : mask.indexOf(u';');
    place(row, column, formatNumber(mask, value).rightJustified(width, u' '), style);
}

void TextPrinter::NovaPagina()
{
    if (!placing())
        return;
    emit OnBeforeNewPage(this, m_page);
    m_document.addPage();
    ++m_page;
    emit OnNewPage(this, m_page);
}

void TextPrinter::Fechar()
{
    if (m_state != State::Open) {
        m_state = State::Idle;
        return;
    }
    emit OnBeforeNewPage(this, m_page);
    m_state = State::Idle;
    if (m_setup.preview) {
        TextPreview preview(m_document, m_setup, m_margin);
        preview.setWindowTitle(m_caption);
        preview.setZoom(m_zoom);
        DialogService::instance().exec(preview);
    } else {
        output(m_document, m_setup, m_margin);
    }
}

bool TextPrinter::output(const TextDocument &document, const PrintSetup &setup, int marginMm)
{
    switch (setup.destination) {
    case PrintSetup::Destination::Printer: {
        QPrinter printer(QPrinter::HighResolution);
        if (!setup.printerName.isEmpty())
            printer.setPrinterName(setup.printerName);
        printer.setCopyCount(std::max(1, setup.copies));
        if (!printer.isValid()) {
            dialogs().error(QStringLiteral("A impressora não está disponível."));
            return false;
        }
        return printDocument(document, printer, setup, marginMm);
    }
    case PrintSetup::Destination::Pdf:
        return writePdf(document, setup.target, setup, marginMm);
    case PrintSetup::Destination::Text:
        return writePlainText(document, setup.target, setup);
    case PrintSetup::Destination::Epson:
        return sendEpson(document, setup);
    }
    return false;
}

} // namespace zedera
