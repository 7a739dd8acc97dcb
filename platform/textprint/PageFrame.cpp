#include "textprint/PageFrame.h"

#include "textprint/TextPrinter.h"

namespace zedera {

void printFooter(TextPrinter &printer, const PageFooter &footer)
{
    const int width = printer.TamanhoQteColunas();
    printer.Imp(64, 1, QString(footer.ruleWidth > 0 ? footer.ruleWidth : width, u'-'));
    printer.ImpF(65, 1, footer.mark + QString::number(footer.exercicio), textstyle::Cpi17);
    const QDateTime now = footer.now.isValid() ? footer.now : QDateTime::currentDateTime();
    printer.ImpD(65, footer.rightColumn > 0 ? footer.rightColumn : width,
                 now.toString(QStringLiteral("dd/MM/yyyy - hh:mm")) + QStringLiteral("  Folha - ")
                     + QStringLiteral("%1").arg(printer.Pagina(), 3, 10, QLatin1Char('0')),
                 textstyle::Cpi17);
}

void printTitles(TextPrinter &printer, int centre, const QList<TitleLine> &lines)
{
    for (const TitleLine &line : lines)
        printer.ImpC(line.row, centre, line.text, line.bold ? textstyle::Bold : 0);
}

int printRuledHeading(TextPrinter &printer, int row, QChar rule, int width,
                      const QStringList &heading)
{
    const QString line(width, rule);
    printer.Imp(row++, 1, line);
    for (const QString &text : heading)
        printer.ImpF(row++, 1, text, textstyle::Bold);
    printer.Imp(row++, 1, line);
    return row;
}

int printListHeading(TextPrinter &printer, const ListHeading &heading)
{
    printTitles(printer, heading.centre,
                {{2, heading.organisation, true},
                 {4, QStringLiteral("ADMINISTRAÇÃO DE ZEDERA"), false},
                 {6, heading.title, false}});
    return printRuledHeading(printer, 8, u'=', heading.width, heading.heading);
}

PageFrame::PageFrame(TextPrinter &printer, PageFooter footer, Heading heading)
    : m_printer(printer), m_footer(std::move(footer)),
      m_heading(std::move(heading))
{
    connect(&printer, &TextPrinter::OnNewPage, this, [this](TextPrinter *p, int pagina) {
        m_linha = m_heading ? m_heading(*p, pagina) : 1;
    });
    connect(&printer, &TextPrinter::OnBeforeNewPage, this,
            [this](TextPrinter *p, int) { printFooter(*p, m_footer); });
}

void PageFrame::advance(int rows, int lastRow)
{
    m_linha += rows;
    breakIfPast(lastRow);
}

bool PageFrame::breakIfPast(int lastRow)
{
    if (m_linha <= lastRow)
        return false;
    m_printer.NovaPagina();
    return true;
}

} // namespace zedera
