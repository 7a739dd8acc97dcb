#include "RegistryListPrint.h"

#include "RegistryListModel.h"

#include "db/Decimal.h"
#include "textprint/TextPrinter.h"

namespace zedera::registry {

namespace {
constexpr int kLastDetailRow = 62;
}

RegistryListPrint::RegistryListPrint(TextPrinter &printer, const PrintLayout &layout,
                                     const RegistryEnvironment &environment)
    : m_printer(printer), m_layout(layout), m_env(environment)
{
    m_printer.setTamanhoQteLinhas(66);
    m_printer.setTamanhoQteColunas(layout.width);
    m_printer.setFonteTamanhoPadrao(layout.pitch == 12 ? TextPitch::S12cpp : TextPitch::S10cpp);
    connect(&m_printer, &TextPrinter::OnNewPage, this, [this] { pageHeader(); });
    connect(&m_printer, &TextPrinter::OnBeforeNewPage, this, [this](TextPrinter *, int pagina) { pageFooter(pagina); });
}

void RegistryListPrint::pageHeader()
{
    const int w = m_layout.width;
    const int c = m_layout.centre;
    const QString company = m_layout.companyOnly ? m_env.empresa
                                                 : m_env.empresa + QStringLiteral(" DE ") + m_env.cidade;
    m_printer.ImpC(2, c, company, textstyle::Bold);
    m_printer.ImpC(4, c, QStringLiteral("ADMINISTRAÇÃO DE ZEDERA"));
    m_printer.ImpC(6, c, m_layout.title);
    const QString rule(w, u'=');
    m_printer.Imp(8, 1, rule);
    int row = 9;
    for (const QString &line : m_layout.heading)
        m_printer.ImpF(row++, 1, line, textstyle::Bold);
    m_printer.Imp(row, 1, rule);
    m_linha = row + 1;
}

void RegistryListPrint::pageFooter(int pagina)
{
    const int w = m_layout.width;
    m_printer.Imp(64, 1, QString(w, u'-'));
    m_printer.ImpF(65, 1, QStringLiteral("ZEDERA - ZUQ - ") + QString::number(m_env.exercicio), textstyle::Cpi17);
    const QDateTime now = m_now.isValid() ? m_now : QDateTime::currentDateTime();
    m_printer.ImpD(65, w + 1,
                   now.toString(QStringLiteral("dd/MM/yyyy - hh:mm")) + QStringLiteral("  Folha - ") +
                       QStringLiteral("%1").arg(pagina, 3, 10, QLatin1Char('0')),
                   textstyle::Cpi17);
}

void RegistryListPrint::printRecord(const RegistryRow &row)
{
    for (int r = 0; r < m_layout.recordRows; ++r) {
        for (const PrintCell &cell : m_layout.cells) {
            if (cell.rowOffset != r)
                continue;
            const QVariant v = row.value(cell.field);
            const int style = cell.bold ? textstyle::Bold : 0;
            if (!cell.numberMask.isEmpty()) {
                m_printer.ImpVal(m_linha, cell.column, cell.numberMask, Decimal::fromVariant(v), style);
                continue;
            }
            const QString text = cell.display ? cell.display(v) : (v.isNull() ? QString() : v.toString().trimmed());
            if (text.isEmpty())
                continue;
            if (cell.rightAlign)
                m_printer.ImpD(m_linha, cell.column + 1, text, style);
            else
                m_printer.ImpF(m_linha, cell.column, text, style);
        }
        if (r + 1 < m_layout.recordRows) {
            // A record of several rows may turn the page between its rows.
            ++m_linha;
            if (m_linha > kLastDetailRow)
                m_printer.NovaPagina();
        }
    }
    m_linha += m_layout.advanceAfterRecord;
}

void RegistryListPrint::print(const RegistryListModel &rows)
{
    m_printer.Abrir();
    if (m_printer.Setup()) {
        for (int i = 0; i < rows.rowCount(); ++i) {
            if (m_linha > kLastDetailRow)
                m_printer.NovaPagina();
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
