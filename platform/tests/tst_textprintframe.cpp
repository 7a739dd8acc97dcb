// The page frame reports share: headings, the footer and the line counter's page rule, checked on
// whole rendered pages.
#include "ScriptedDialogService.h"
#include "textprint/PageFrame.h"
#include "textprint/TextPrinter.h"

#include <QTest>

using namespace zedera;
using zedera::testing::ScriptedDialogService;

namespace {

const QDateTime kNow(QDate(2026, 12, 11), QTime(13, 54));

QString at(int column, const QString &text)
{
    return QString(column - 1, u' ') + text;
}

// Lays a line into an expected page at its column, as the printer does.
void put(QStringList &page, int row, int column, const QString &text)
{
    QString &line = page[row - 1];
    if (line.size() < column - 1 + text.size())
        line = line.leftJustified(column - 1 + text.size(), u' ');
    line.replace(column - 1, text.size(), text);
}

int accept(QDialog &)
{
    return QDialog::Accepted;
}

} // namespace

class TestTextPrintFrame : public QObject {
    Q_OBJECT
private slots:
    void registryListOf53RowsTurnsThePageAfter52();
    void reportFooterOnAWidePage();
    void advanceHonoursItsOwnLastRow();
};

void TestTextPrintFrame::registryListOf53RowsTurnsThePageAfter52()
{
    TextPrinter printer;
    printer.setTamanhoQteColunas(80);
    const QString heading = QStringLiteral("Código  Nome").leftJustified(80, u' ');
    PageFrame frame(printer, {QStringLiteral("ZEDERA - ZUQ - "), 2026, 0, 0, kNow},
                    [&](TextPrinter &p, int) {
                        return printListHeading(p, {QStringLiteral("PREFEITURA MUNICIPAL"),
                                                    QStringLiteral("Relatório do cadastro de Motoristas"),
                                                    {heading}, 80, 41});
                    });

    ScriptedDialogService dialogs;
    dialogs.expectExec(QStringLiteral("PrintSetupDialog"), accept);
    dialogs.expectExec(QStringLiteral("TextPreview"), accept);
    printer.Abrir();
    QCOMPARE(frame.linha(), 11);
    QVERIFY(printer.Setup());
    QList<int> rows;
    for (int i = 1; i <= 53; ++i) {
        frame.breakIfPast();
        rows << printer.Pagina() * 100 + frame.linha();
        printer.ImpD(frame.linha(), 7, QString::number(i), textstyle::Bold);
        printer.Imp(frame.linha(), 9, QStringLiteral("MOTORISTA %1").arg(i));
        frame.advance(1, 99); // the list tests the rule before each row, not after
    }
    printer.Fechar();

    QCOMPARE(rows.first(), 111);
    QCOMPARE(rows.at(51), 162);
    QCOMPARE(rows.at(52), 211);
    QCOMPARE(printer.document().pageCount(), 2);

    QStringList page1(66);
    put(page1, 2, 31, QStringLiteral("PREFEITURA MUNICIPAL"));
    put(page1, 4, 30, QStringLiteral("ADMINISTRAÇÃO DE ZEDERA"));
    put(page1, 6, 24, QStringLiteral("Relatório do cadastro de Motoristas"));
    put(page1, 8, 1, QString(80, u'='));
    put(page1, 9, 1, QStringLiteral("Código  Nome"));
    put(page1, 10, 1, QString(80, u'='));
    QStringList page2 = page1;
    for (int i = 1; i <= 52; ++i) {
        const QString code = QString::number(i);
        put(page1, 10 + i, 7 - int(code.size()), code + QStringLiteral("  MOTORISTA ") + code);
    }
    put(page2, 11, 5, QStringLiteral("53  MOTORISTA 53"));
    for (QStringList *page : {&page1, &page2}) {
        put(*page, 64, 1, QString(80, u'-'));
        put(*page, 65, 1, QStringLiteral("ZEDERA - ZUQ - 2026"));
    }
    // 31 characters at 17 cpi reach into 19 columns of the 10 cpi page: they start at 80 - 19.
    put(page1, 65, 61, QStringLiteral("11/12/2026 - 13:54  Folha - 001"));
    put(page2, 65, 61, QStringLiteral("11/12/2026 - 13:54  Folha - 002"));
    QCOMPARE(printer.document().textLines(1), page1);
    QCOMPARE(printer.document().textLines(2), page2);
    // Page 2's heading is page 1's; the footer's mark and date are condensed.
    QCOMPARE(printer.document().spans(1).last().style, textstyle::Cpi17);
}

void TestTextPrintFrame::reportFooterOnAWidePage()
{
    TextPrinter printer;
    printer.setTamanhoQteColunas(160);
    printer.setFonteTamanhoPadrao(TextPitch::S20cpp);
    PageFrame frame(printer, {QStringLiteral("KORVA - ZUQ - "), 2025, 0, 0, kNow},
                    [](TextPrinter &p, int) {
                        printTitles(p, 81, {{2, QStringLiteral("PREFEITURA DE ZUQ"), true},
                                            {5, QStringLiteral("Relatório"), false}});
                        return printRuledHeading(p, 6, u'=', 160, {QStringLiteral("Setor"), QStringLiteral("Sigla")});
                    });
    printer.Abrir();
    QCOMPARE(frame.linha(), 10);
    ScriptedDialogService dialogs;
    dialogs.expectExec(QStringLiteral("TextPreview"), accept);
    printer.Fechar(); // no set-up asked: the preview opens with the pages
    const QStringList page = printer.document().textLines(1);
    QCOMPARE(page.at(1), at(73, QStringLiteral("PREFEITURA DE ZUQ")));
    QCOMPARE(page.at(4), at(77, QStringLiteral("Relatório")));
    QCOMPARE(page.at(5), QString(160, u'='));
    QCOMPARE(page.at(6), QStringLiteral("Setor"));
    QCOMPARE(page.at(7), QStringLiteral("Sigla"));
    QCOMPARE(page.at(8), QString(160, u'='));
    QCOMPARE(page.at(63), QString(160, u'-'));
    // 31 condensed characters take 31 * 7 / 6 = 36.2 columns of a 20 cpi page: 37.
    QCOMPARE(page.at(64), QStringLiteral("KORVA - ZUQ - 2025").leftJustified(122, u' ')
                              + QStringLiteral("11/12/2026 - 13:54  Folha - 001"));
}

void TestTextPrintFrame::advanceHonoursItsOwnLastRow()
{
    // A vehicle heading that needs three rows together turns the page from row 60 on.
    TextPrinter printer;
    PageFrame frame(printer, {}, [](TextPrinter &, int) { return 9; });
    printer.Abrir();
    frame.setLinha(57);
    frame.advance(2, 59);
    QCOMPARE(printer.Pagina(), 1);
    QCOMPARE(frame.linha(), 59);
    frame.advance(2, 59);
    QCOMPARE(printer.Pagina(), 2);
    QCOMPARE(frame.linha(), 9);
    QVERIFY(!frame.breakIfPast());
    // The footer went on the finished page only.
    QCOMPARE(printer.document().textLines(1).at(64).left(14), QStringLiteral("KORVA - ZUQ - "));
    QCOMPARE(printer.document().textLines(2).at(64), QString());
}

QTEST_MAIN(TestTextPrintFrame)
#include "tst_textprintframe.moc"
