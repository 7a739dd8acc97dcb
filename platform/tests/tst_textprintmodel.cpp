// The text-report printer's page model: where each operation puts its text, how texts print over
// each other, the page events, and what a cancelled set-up leaves.
#include "ScriptedDialogService.h"
#include "textprint/TextPrinter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace zedera;
using zedera::testing::ScriptedDialogService;

namespace {

enum class Op { Imp, ImpC, ImpD, ImpVal };

// A report opened on a page of the given width and pitch whose set-up is never asked.
struct OpenReport {
    TextPrinter printer;
    OpenReport(int columns, TextPitch pitch)
    {
        printer.setTamanhoQteColunas(columns);
        printer.setFonteTamanhoPadrao(pitch);
        printer.Abrir();
    }
    QString line(int row, int page = 1) const
    {
        return printer.document().textLines(page).at(row - 1);
    }
};

// Answers the set-up dialog: output to a plain text file without preview, or cancel.
ScriptedDialogService::ExecHandler setupToTextFile(const QString &path)
{
    return [path](QDialog &dialog) {
        auto *destination = dialog.findChild<QComboBox *>(QStringLiteral("cb_impressora"));
        destination->setCurrentIndex(destination->findText(QStringLiteral("Arquivo texto")));
        dialog.findChild<QLineEdit *>(QStringLiteral("t_arquivo"))->setText(path);
        dialog.findChild<QCheckBox *>(QStringLiteral("ck_visualizar"))->setChecked(false);
        dialog.findChild<QPushButton *>(QStringLiteral("b_confirmar"))->click();
        return dialog.result();
    };
}

QString readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(zedera::TextPitch)

class TestTextPrint : public QObject {
    Q_OBJECT
private slots:
    void placement_data();
    void placement();
    void laterTextsPrintOverEarlierOnes();
    void runsResolveOverprintAcrossPitches();
    void pageEventsComeInOrderAndLandOnTheirPage();
    void cancelledSetupPrintsNothing();
    void confirmedSetupWithoutPreviewWritesTheDestination();
    void setupRefusesAFileDestinationWithoutAPath();
};

void TestTextPrint::placement_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<TextPitch>("pitch");
    QTest::addColumn<Op>("op");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text"); // the mask for ImpVal
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("start");     // the column the first character lands in
    QTest::addColumn<QString>("placed"); // the text as it lands

    const QString admin = QStringLiteral("ADMINISTRAÇÃO DE ZEDERA"); // 23 characters
    const QString footer = QStringLiteral("11/12/2026 - 13:54  Folha - 001"); // 31
    const auto S10 = TextPitch::S10cpp, S20 = TextPitch::S20cpp;
    using namespace textstyle;

    QTest::newRow("Imp from its column") << 80 << S10 << Op::Imp << 9 << "Nome" << "" << 0 << 9 << "Nome";
    QTest::newRow("Imp column 0 clamps to 1") << 80 << S10 << Op::Imp << 0 << "X" << "" << 0 << 1 << "X";
    QTest::newRow("ImpC odd length, 10 cpi") << 80 << S10 << Op::ImpC << 41 << admin << "" << 0 << 30 << admin;
    QTest::newRow("ImpC even length") << 80 << S10 << Op::ImpC << 41 << "ABCD" << "" << 0 << 39 << "ABCD";
    QTest::newRow("ImpC bold keeps the width") << 80 << S10 << Op::ImpC << 41 << "ABCD" << "" << Bold << 39 << "ABCD";
    QTest::newRow("ImpC 20 cpi page, centre 81") << 160 << S20 << Op::ImpC << 81 << admin << "" << 0 << 70 << admin;
    QTest::newRow("ImpC past the left edge") << 80 << S10 << Op::ImpC << 3 << "ABCDEFGH" << "" << 0 << 1 << "ABCDEFGH";
    QTest::newRow("ImpD ends before its column") << 80 << S10 << Op::ImpD << 7 << "123" << "" << Bold << 4 << "123";
    QTest::newRow("ImpD 20 cpi page") << 160 << S20 << Op::ImpD << 160 << footer << "" << 0 << 129 << footer;
    QTest::newRow("ImpD past the left edge") << 80 << S10 << Op::ImpD << 3 << "ABCDEF" << "" << 0 << 1 << "ABCDEF";
    // 31 characters at 17 cpi take 31 * 7/12 = 18.1 columns of a 10 cpi page: 19 whole columns.
    QTest::newRow("ImpD 17 cpi on a 10 cpi page") << 80 << S10 << Op::ImpD << 80 << footer << "" << Cpi17 << 61 << footer;
    // 20 characters at 17 cpi: 11.7 columns, half of it 5.8: centred five columns back.
    QTest::newRow("ImpC 17 cpi on a 10 cpi page") << 80 << S10 << Op::ImpC << 41 << QString(20, u'x') << "" << Cpi17 << 36 << QString(20, u'x');
    QTest::newRow("ImpD 17 cpi on a 20 cpi page") << 160 << S20 << Op::ImpD << 160 << footer << "" << Cpi17 << 123 << footer;
    QTest::newRow("ImpD 10 cpi on a 20 cpi page") << 160 << S20 << Op::ImpD << 160 << "ABC" << "" << Cpi10 << 154 << "ABC";
    QTest::newRow("ImpC expanded doubles the width") << 80 << S10 << Op::ImpC << 41 << "ABCD" << "" << Expanded << 37 << "ABCD";
    QTest::newRow("ImpVal pads to the first section") << 160 << S20 << Op::ImpVal << 104 << "###,##0.00;;0.00" << "1234.5" << 0 << 104 << "  1.234,50";
    QTest::newRow("ImpVal zero section") << 160 << S20 << Op::ImpVal << 104 << "###,##0.00;;0.00" << "0" << 0 << 104 << "      0,00";
    QTest::newRow("ImpVal mask without sections") << 80 << S10 << Op::ImpVal << 20 << ",#0.00" << "-12.5" << Bold << 20 << "-12,50";
    QTest::newRow("ImpVal never cuts a long value") << 80 << S10 << Op::ImpVal << 20 << "#0;;0" << "123456" << 0 << 20 << "123456";
    QTest::newRow("ImpVal 10 cpi at column 10") << 80 << S10 << Op::ImpVal << 10 << "###,##0.00;0.00" << "7" << 0 << 10 << "      7,00";
}

void TestTextPrint::placement()
{
    QFETCH(int, columns);
    QFETCH(TextPitch, pitch);
    QFETCH(Op, op);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(QString, value);
    QFETCH(int, style);
    QFETCH(int, start);
    QFETCH(QString, placed);

    OpenReport report(columns, pitch);
    TextPrinter &p = report.printer;
    switch (op) {
    case Op::Imp: style ? p.ImpF(5, column, text, style) : p.Imp(5, column, text); break;
    case Op::ImpC: p.ImpC(5, column, text, style); break;
    case Op::ImpD: p.ImpD(5, column, text, style); break;
    case Op::ImpVal: p.ImpVal(5, column, text, *Decimal::parse(value), style); break;
    }

    const QList<TextSpan> &spans = p.document().spans(1);
    QCOMPARE(spans.size(), 1);
    QCOMPARE(spans.first().column, start);
    QCOMPARE(spans.first().style, style);
    QCOMPARE(report.line(5), QString(start - 1, u' ') + placed);
    QCOMPARE(report.line(4), QString());
}

void TestTextPrint::laterTextsPrintOverEarlierOnes()
{
    // A trip line: the column frame first, the values over it.
    OpenReport report(80, TextPitch::S10cpp);
    TextPrinter &p = report.printer;
    p.Imp(11, 1, QStringLiteral("          |           |            |"));
    p.Imp(11, 1, QStringLiteral("01/02/2026"));
    p.Imp(11, 13, QStringLiteral("08:30"));
    p.ImpD(11, 36, QStringLiteral("12.345"), textstyle::Bold);
    p.Imp(11, 30, QStringLiteral(" ")); // blanks print over too
    QCOMPARE(report.line(11), QStringLiteral("01/02/2026| 08:30     |       2.345|"));
}

void TestTextPrint::runsResolveOverprintAcrossPitches()
{
    OpenReport report(80, TextPitch::S10cpp);
    TextPrinter &p = report.printer;
    p.Imp(3, 1, QString(20, u'-'));
    p.ImpF(3, 5, QStringLiteral("AB"), textstyle::Bold);
    // Three 17 cpi characters from column 11 cover 21 of the 24 dots of the cells 11 and 12: those
    // two dashes make way for them, the one at 13 stays.
    p.ImpF(3, 11, QStringLiteral("xyz"), textstyle::Cpi17);

    const QList<TextRun> runs = p.document().pageRuns(1).at(2);
    QCOMPARE(runs.size(), 5);
    auto check = [&](int i, int x, int cell, int style, const QString &text) {
        QCOMPARE(runs.at(i).x, x);
        QCOMPARE(runs.at(i).cellWidth, cell);
        QCOMPARE(runs.at(i).style, style);
        QCOMPARE(runs.at(i).text, text);
    };
    check(0, 0, 12, 0, QStringLiteral("----"));
    check(1, 48, 12, textstyle::Bold, QStringLiteral("AB"));
    check(2, 72, 12, 0, QStringLiteral("----"));
    check(3, 120, 7, textstyle::Cpi17, QStringLiteral("xyz"));
    check(4, 144, 12, 0, QStringLiteral("--------"));

    // Text past the right edge of the page is cut there on devices, kept in plain text.
    p.Imp(4, 78, QStringLiteral("ABCDE"));
    QCOMPARE(p.document().pageRuns(1).at(3).first().text, QStringLiteral("ABC"));
    QCOMPARE(report.line(4), QString(77, u' ') + QStringLiteral("ABCDE"));
}

void TestTextPrint::pageEventsComeInOrderAndLandOnTheirPage()
{
    TextPrinter p;
    QStringList events;
    connect(&p, &TextPrinter::OnNewPage, &p, [&](TextPrinter *sender, int page) {
        QCOMPARE(sender, &p);
        QCOMPARE(sender->Pagina(), page);
        events << QStringLiteral("new %1").arg(page);
        sender->Imp(1, 1, QStringLiteral("head %1").arg(page));
    });
    connect(&p, &TextPrinter::OnBeforeNewPage, &p, [&](TextPrinter *sender, int page) {
        events << QStringLiteral("before %1").arg(page);
        sender->Imp(65, 1, QStringLiteral("foot %1").arg(page));
    });

    p.Abrir();
    QCOMPARE(events, QStringList{QStringLiteral("new 1")});
    p.Imp(11, 1, QStringLiteral("detail"));
    p.NovaPagina();
    p.NovaPagina();

    ScriptedDialogService dialogs;
    dialogs.expectExec(QStringLiteral("TextPreview"), [](QDialog &) { return int(QDialog::Accepted); });
    p.Fechar();
    QCOMPARE(events, (QStringList{"new 1", "before 1", "new 2", "before 2", "new 3", "before 3"}));
    QCOMPARE(p.document().pageCount(), 3);
    for (int page = 1; page <= 3; ++page) {
        const QStringList lines = p.document().textLines(page);
        QCOMPARE(lines.size(), 66);
        QCOMPARE(lines.at(0), QStringLiteral("head %1").arg(page));
        QCOMPARE(lines.at(64), QStringLiteral("foot %1").arg(page));
        QCOMPARE(lines.at(10), page == 1 ? QStringLiteral("detail") : QString());
    }
    // Closed: a second Fechar does nothing.
    p.Fechar();
    QCOMPARE(events.size(), 6);
}

void TestTextPrint::cancelledSetupPrintsNothing()
{
    const QString path = QDir::temp().filePath(QStringLiteral("zedera_cancelled.txt"));
    QFile::remove(path);
    TextPrinter p;
    p.setDefaultSetup({PrintSetup::Destination::Text, {}, path, false, 1, 0, 0});
    int footers = 0;
    connect(&p, &TextPrinter::OnBeforeNewPage, &p, [&] { ++footers; });

    ScriptedDialogService dialogs;
    dialogs.expectExec(QStringLiteral("PrintSetupDialog"), [](QDialog &dialog) {
        dialog.findChild<QPushButton *>(QStringLiteral("b_cancelar"))->click();
        return dialog.result();
    });
    p.Abrir();
    p.Imp(2, 1, QStringLiteral("header"));
    QVERIFY(!p.Setup());
    p.Imp(11, 1, QStringLiteral("detail"));
    p.NovaPagina();
    p.Fechar(); // no preview window may open: the scripted service would flag it
    QCOMPARE(footers, 0);
    QCOMPARE(p.Pagina(), 1);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(dialogs.unexpected(), QStringList());
    QCOMPARE(p.document().textLines(1).at(10), QString());
}

void TestTextPrint::confirmedSetupWithoutPreviewWritesTheDestination()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("relatorio.txt"));
    TextPrinter p;
    p.setTamanhoQteColunas(40);
    connect(&p, &TextPrinter::OnBeforeNewPage, &p, [](TextPrinter *s, int page) {
        s->ImpD(65, 40, QStringLiteral("Folha - %1").arg(page, 3, 10, QLatin1Char('0')));
    });
    ScriptedDialogService dialogs;
    dialogs.expectExec(QStringLiteral("PrintSetupDialog"), setupToTextFile(path));
    p.Abrir();
    QVERIFY(p.Setup());
    QCOMPARE(p.currentSetup().destination, PrintSetup::Destination::Text);
    p.ImpC(1, 21, QStringLiteral("TITULO"));
    p.NovaPagina();
    p.Imp(2, 3, QStringLiteral("segunda"));
    p.Fechar();

    const QString expected = QStringLiteral("                 TITULO\n") + QString(63, u'\n')
        + QString(28, u' ') + QStringLiteral("Folha - 001\n") + u'\f' + u'\n'
        + QStringLiteral("  segunda\n") + QString(62, u'\n')
        + QString(28, u' ') + QStringLiteral("Folha - 002\n");
    QCOMPARE(readFile(path), expected);
    // The next report proposes the same choice.
    QCOMPARE(p.defaultSetup().target, path);
    QVERIFY(!p.defaultSetup().preview);
}

void TestTextPrint::setupRefusesAFileDestinationWithoutAPath()
{
    TextPrinter p;
    ScriptedDialogService dialogs;
    dialogs.expectExec(QStringLiteral("PrintSetupDialog"), [&](QDialog &dialog) {
        setupToTextFile(QString())(dialog);
        // Still open, with the reason given; the user then gives up.
        [&] { QCOMPARE(dialog.result(), int(QDialog::Rejected)); }();
        dialog.reject();
        return dialog.result();
    });
    p.Abrir();
    QVERIFY(!p.Setup());
    QCOMPARE(dialogs.texts(ScriptedDialogService::Kind::Information),
             QStringList{QStringLiteral("Informe o arquivo, a porta ou a fila de destino.")});
}

QTEST_MAIN(TestTextPrint)
#include "tst_textprintmodel.moc"
