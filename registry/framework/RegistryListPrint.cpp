#include "RegistryListPrint.h"

#include "RegistryListModel.h"

#include "db/Decimal.h"
#include "textprint/TextPrinter.h"

namespace zedera::registry {

RegistryListPrint::RegistryListPrint(TextPrinter &printer, const PrintLayout &layout,
                                     const RegistryEnvironment &environment)
    : m_printer(printer), m_layout(layout), m_env(environment),
      m_frame(printer, footerOf(layout, environment),
              [this](TextPrinter &p, int) { return pageHeading(p); })
{
    m_printer.setTamanhoQteLinhas(66);
    m_printer.setTamanhoQteColunas(layout.width);
    m_printer.setFonteTamanhoPadrao(layout.pitch == 12 ? TextPitch::S12cpp : TextPitch::S10cpp);
}

PageFooter RegistryListPrint::footerOf(const PrintLayout &layout, const RegistryEnvironment &environment)
{
    PageFooter footer;
    footer.mark = QStringLiteral("ZEDERA - ZUQ - ");
    footer.exercicio = environment.exercicio;
    footer.ruleWidth = layout.width;
    // The date and page end on the list's last column.
    footer.rightColumn = layout.width + 1;
    return footer;
}

int RegistryListPrint::pageHeading(TextPrinter &printer) const
{
    const QString company = m_layout.companyOnly ? m_env.empresa
                                                 : m_env.empresa + QStringLiteral(" DE ") + m_env.cidade;
    return printListHeading(printer, {company, m_layout.title, m_layout.heading, m_layout.width, m_layout.centre});
}

void RegistryListPrint::printRecord(const RegistryRow &row)
{
    for (int r = 0; r < m_layout.recordRows; ++r) {
        const int linha = m_frame.linha();
        for (const PrintCell &cell : m_layout.cells) {
            if (cell.rowOffset != r)
                continue;
            const QVariant v = row.value(cell.field);
            const int style = cell.bold ? textstyle::Bold : 0;
            if (!cell.numberMask.isEmpty()) {
                m_printer.ImpVal(linha, cell.column, cell.numberMask, Decimal::fromVariant(v), style);
                continue;
            }
            const QString text = cell.display ? cell.display(v) : (v.isNull() ? QString() : v.toString().trimmed());
            if (text.isEmpty())
                continue;
            if (cell.rightAlign)
                m_printer.ImpD(linha, cell.column + 1, text, style);
            else
                m_printer.ImpF(linha, cell.column, text, style);
        }
        // A record of several rows may turn the page between its rows.
        if (r + 1 < m_layout.recordRows)
            m_frame.advance();
    }
    m_frame.setLinha(m_frame.linha() + m_layout.advanceAfterRecord);
}

void RegistryListPrint::print(const RegistryListModel &rows)
{
    m_printer.Abrir();
    if (m_printer.Setup()) {
        for (int i = 0; i < rows.rowCount(); ++i) {
            m_frame.breakIfPast();
            printRecord(rows.row(i));
        }
    }
    m_printer.Fechar();
}

} // namespace zedera::registry

// The window's print button lives here, beside the only code that knows the printer.
#include "RegistryWindow.h"
#include "dialogs/DialogService.h"

namespace zedera::registry {

void RegistryWindow::imprimir()
{
    if (m_model->rowCount() == 0) {
        dialogs().information(QStringLiteral("Não existe registros para impressão."), titulo());
        return;
    }
    auto *printer = findChild<TextPrinter *>(m_descriptor.printerName);
    if (!printer) {
        printer = new TextPrinter(this);
        printer->setObjectName(m_descriptor.printerName);
    }
    setCurrentRow(0);
    RegistryListPrint job(*printer, m_descriptor.print, m_env);
    job.print(*m_model);
    setCurrentRow(m_model->rowCount() - 1);
}

} // namespace zedera::registry
