// Lays out a 1,000-page report of 160 columns at 20 cpi (page frame, ruled heading, 52 detail lines
// printed over a column frame, condensed footer) and writes it to PDF; the baseline lays out the
// same report and writes it as plain text. Prints pages per second for both.
#include "textprint/PageFrame.h"
#include "textprint/TextPrinter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

using namespace zedera;

namespace {

constexpr int kPages = 1000;
constexpr int kDetailsPerPage = 52;

// Lays the report out and closes it, which writes it to `setup`'s destination. Returns seconds.
double run(const PrintSetup &setup)
{
    QElapsedTimer timer;
    timer.start();
    TextPrinter printer;
    printer.setTamanhoQteColunas(160);
    printer.setFonteTamanhoPadrao(TextPitch::S20cpp);
    printer.setDefaultSetup(setup);
    const QString heading = QStringLiteral(
        "Dt. Saída | Hr. Saída | Dt. Retorn | Hr. Retorn | Km Saída   | Km Retorno | Km Rodado  | "
        "Tempo          | Destino                             | Motorista       ");
    const QString columns = QStringLiteral(
        "          |           |            |            |            |            |            | "
        "               |                                     |                 ");
    PageFrame frame(printer, {QStringLiteral("KORVA - ZUQ - "), 2026, 0, 0, {}},
                    [&](TextPrinter &p, int) {
                        printTitles(p, 81, {{2, QStringLiteral("PREFEITURA MUNICIPAL DE ZUQ"), true},
                                            {3, QStringLiteral("ADMINISTRAÇÃO DE ZEDERA"), true},
                                            {5, QStringLiteral("Relatório de Movimentação de Veículos"), false}});
                        return printRuledHeading(p, 8, u'=', 160, {heading});
                    });
    printer.Abrir();
    for (int i = 0; i < kPages * kDetailsPerPage; ++i) {
        frame.breakIfPast();
        const int row = frame.linha();
        printer.Imp(row, 1, columns);
        printer.Imp(row, 1, QStringLiteral("%1/03/2026").arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
        printer.Imp(row, 13, QStringLiteral("08:30"));
        printer.ImpVal(row, 51, QStringLiteral(",#0"), Decimal(10000 + i));
        printer.ImpVal(row, 64, QStringLiteral(",#0"), Decimal(10120 + i));
        printer.ImpD(row, 104, QStringLiteral("0 D 02:15 Hrs"));
        printer.Imp(row, 107, QStringLiteral("SECRETARIA DE SAÚDE - POSTO CENTRAL"));
        printer.ImpF(row, 145, QStringLiteral("MOTORISTA %1").arg(i % 97), textstyle::Bold);
        frame.advance(1, 999);
    }
    printer.Fechar();
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    PrintSetup pdf;
    pdf.destination = PrintSetup::Destination::Pdf;
    pdf.target = dir.filePath(QStringLiteral("bench.pdf"));
    pdf.preview = false;
    PrintSetup text = pdf;
    text.destination = PrintSetup::Destination::Text;
    text.target = dir.filePath(QStringLiteral("bench.txt"));

    // Best of a few runs each, the plain text first so neither profits from the other's warm-up.
    double textSeconds = 1e9, pdfSeconds = 1e9;
    for (int i = 0; i < 3; ++i)
        textSeconds = std::min(textSeconds, run(text));
    for (int i = 0; i < 2; ++i)
        pdfSeconds = std::min(pdfSeconds, run(pdf));
    if (QFileInfo(pdf.target).size() == 0 || QFileInfo(text.target).size() == 0) {
        std::fprintf(stderr, "textprint_pdf: no output written\n");
        return 1;
    }
    const double value = kPages / pdfSeconds;
    const double baseline = kPages / textSeconds;
    std::printf("{\"bench\": \"textprint_pdf\", \"value\": %.2f, \"baseline\": %.2f, "
                "\"ratio\": %.5f, \"unit\": \"pages/s\"}\n",
                value, baseline, value / baseline);
    std::fprintf(stderr, "textprint_pdf: PDF %.2f s (%lld bytes), text %.3f s\n", pdfSeconds,
                 QFileInfo(pdf.target).size(), textSeconds);
    return 0;
}
