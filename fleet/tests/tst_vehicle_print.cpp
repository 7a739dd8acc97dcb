// The printed vehicle list: the seven-row block against an expected page, the write-off
// description over two lines, page turns inside a block, and the list statements' columns.
#include "veiculos/TF_Cad_Veic.h"
#include "veiculos/VeiculoImpressao.h"

#include "VehicleTestKit.h"
#include "ScriptedDialogService.h"
#include "U_Funcoes.h"
#include "textprint/TextPrinter.h"

#include <QTest>

using namespace zedera;
using namespace zedera::fleet;
using namespace zedera::fleet::testing;
using namespace zedera::registry;
using namespace zedera::registry::testing;
using zedera::testing::ScriptedDialogService;

namespace {

// A printed row put together from texts at their columns.
class Line {
public:
    Line &at(int column, const QString &text)
    {
        if (m_text.size() < column - 1 + text.size())
            m_text.resize(column - 1 + text.size(), u' ');
        m_text.replace(column - 1, text.size(), text);
        return *this;
    }
    operator QString() const { return m_text; }

private:
    QString m_text;
};

// A vehicle with every column filled.
void addFullVehicle(RegistryFixture &f, int cod, const QString &nro, const QString &descrBaixa = {})
{
    Query q(*f.cad, u"insert into vkl_veiculos values(:cod, :nro, 'GOL 1.6', 'VW', 2019, 2020, 5, '9BW123', 1, 1, 50, "
                    "'ABC', '0123', '03', '2020-03-15', 100, 10, 110, 7.5, 12.25, 5, 400, 1000, 87.25, 'PAT-1', 1, "
                    "2026, '01.02.03', 'CONV', 5, 2, null, 'S', '03', :descr, '02', 'S', 999999, '0')"_qs);
    q.bind(u":cod"_qs, cod).bind(u":nro"_qs, nro).bind(u":descr"_qs, descrBaixa).exec();
}

// Prints the window's list and hands back the pages.
QList<QStringList> printList(TF_Cad_Veic &w, ScriptedDialogService &dialogs)
{
    QList<QStringList> pages;
    dialogs.expectExec(QDialog::Accepted); // print set-up
    dialogs.expectExec([&](QDialog &) {
        const TextDocument &doc = child<TextPrinter>(w, u"Impr_Veic"_qs)->document();
        for (int p = 1; p <= doc.pageCount(); ++p)
            pages << doc.textLines(p);
        return int(QDialog::Accepted);
    });
    click(w, u"b_imprimir_pesq"_qs);
    return pages;
}

QString words(const QString &word, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << word;
    return list.join(u' ');
}

} // namespace

class TestVehiclePrint : public QObject {
    Q_OBJECT
private slots:
    void writeOffDescription_data();
    void writeOffDescription();
    void block();
    void blockTurnsPage();
    void emptyList();
    void listStatementsKnowEveryColumn();
};

void TestVehiclePrint::writeOffDescription_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty") << u"   "_qs << QStringList();
    QTest::newRow("one line, blanks squeezed") << u"  ROUBADO NA   GARAGEM \t"_qs << QStringList{u"ROUBADO NA GARAGEM "_qs};
    // 17 words of 7 fill 136 columns; the 18th would pass 141.
    QStringList first;
    for (int i = 0; i < 17; ++i)
        first << u"PALAVRA"_qs;
    QString justified = first.join(u' ');
    for (int gap = 0, at = 7; gap < 7; ++gap, at += 9)
        justified.insert(at, u' '); // 7 more blanks, one in each of the first gaps
    QTest::newRow("two lines") << words(u"PALAVRA"_qs, 30) << QStringList{justified, words(u"PALAVRA"_qs, 13) + u' '};
    QTest::newRow("exactly 141") << QString(u"A"_qs.repeated(133) + u" BBBBBBB"_qs)
                                 << QStringList{u"A"_qs.repeated(133) + u" BBBBBBB "_qs};
    QTest::newRow("one past 141") << QString(u"A"_qs.repeated(133) + u" BBBBBBBB"_qs)
                                  << QStringList{u"A"_qs.repeated(133), u"BBBBBBBB "_qs};
}

void TestVehiclePrint::writeOffDescription()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    const QStringList got = linhasDescrBaixa(text);
    QCOMPARE(got, lines);
    if (got.size() == 2 && got.first().contains(u' '))
        QCOMPARE(got.first().size(), 142);
}

void TestVehiclePrint::block()
{
    RegistryFixture f;
    seed(f);
    const QString descr = words(u"PALAVRA"_qs, 20);
    addFullVehicle(f, 1, u"10"_qs, descr);
    addFullVehicle(f, 2, u"20"_qs);
    f.exec(u"insert into vkl_movto_veic (mv_ano, mv_seq, mv_veic, mv_km_acum) values (2026, 1, 1, 5000)"_qs);
    f.exec(u"insert into vkl_movto_abast (ma_ano, ma_seq, ma_veic, ma_combust, ma_km_acum) values (2026, 1, 1, 1, 7300)"_qs);
    f.exec(u"insert into vkl_movto_abast (ma_ano, ma_seq, ma_veic, ma_combust, ma_km_acum) values (2026, 2, 1, 1, null)"_qs);
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    const QList<QStringList> pages = printList(w, dialogs);
    QCOMPARE(pages.size(), 1);
    const QStringList &p = pages.first();

    QCOMPARE(p.value(1).trimmed(), u"PREFEITURA MUNICIPAL DE VILA NOVA"_qs);
    QCOMPARE(p.value(3).trimmed(), u"ADMINISTRAÇÃO DE ZEDERA"_qs);
    QCOMPARE(p.value(5).trimmed(), u"Relatório do cadastro de veículos"_qs);
    QCOMPARE(p.value(7), QString(160, u'='));
    const QStringList expected{
        Line().at(1, u"Nro.:"_qs).at(7, u"10"_qs).at(16, u"Modelo.:"_qs).at(26, u"GOL 1.6"_qs).at(68, u"Marca.:"_qs)
            .at(76, u"VW"_qs).at(108, u"Ano fabr.:"_qs).at(119, u"2019"_qs).at(125, u"Ano mod.:"_qs)
            .at(135, u"2020"_qs).at(141, u"Tipo.:"_qs).at(148, u"1 - CAMINHAO"_qs),
        Line().at(1, u"Combust.:"_qs).at(11, u"1 - DIESEL"_qs).at(45, u"Chassi.:"_qs).at(54, u"9BW123"_qs)
            .at(96, u"Placa.:"_qs).at(104, u"ABC-0123"_qs).at(115, u"Mês licenc.:"_qs).at(128, u"Março"_qs)
            .at(141, u"Lotação.:"_qs).at(151, u"5"_qs),
        Line().at(1, u"Veloc. Min.:"_qs).at(14, u"10"_qs).at(27, u"Veloc. Max.:"_qs).at(40, u"110"_qs)
            .at(53, u"Km min.:"_qs).at(62, u"5"_qs).at(75, u"Km max.:"_qs).at(84, u"400"_qs)
            .at(97, u"Cap. Tanque.:"_qs).at(111, u"50"_qs).at(124, u"Cons. Min.:"_qs).at(136, u"7,50"_qs),
        Line().at(1, u"Cons. Max.:"_qs).at(13, u"12,25"_qs).at(26, u"Dt. aquis.:"_qs).at(38, u"15/03/2020"_qs)
            .at(51, u"Km aquis.:"_qs).at(62, u"100"_qs).at(75, u"Km atual.:"_qs).at(86, u"1000"_qs)
            .at(99, u"Est. conserv.:"_qs).at(114, u"    %87,25"_qs).at(125, u"Placa Patrimônio.:"_qs)
            .at(144, u"PAT-1"_qs),
        Line().at(1, u"Setor.:"_qs).at(9, u"01.02.03 - OBRAS"_qs).at(62, u"Setor conversão.:"_qs).at(80, u"CONV"_qs),
        Line().at(1, u"Projeto.:"_qs).at(11, u"5.2 - ESTRADAS"_qs).at(68, u"Motorista.:"_qs)
            .at(80, u"1 - JOAO DA SILVA"_qs).at(129, u"Dt. Alienação.:"_qs),
        Line().at(1, u"Declarável.:"_qs).at(14, u"SIM"_qs).at(19, u"Pertence.:"_qs).at(30, u"02 - Terceiros"_qs)
            .at(50, u"Controlar KM.:"_qs).at(65, u"SIM"_qs).at(73, u"Km virada.:"_qs).at(82, u"999999"_qs)
            .at(100, u"Km acum.:"_qs).at(110, u"7300"_qs).at(130, u"Baixa.:"_qs).at(138, u"03 - Furtado"_qs),
        // 20 words: 17 on the first line, justified to 142; the rest below.
        Line().at(1, u"Descr. Baixa..:"_qs).at(18, Justificar(words(u"PALAVRA"_qs, 17), 142)),
        Line().at(18, words(u"PALAVRA"_qs, 3)),
        QString(160, u'-'),
    };
    QCOMPARE(p.mid(8, expected.size()), expected);
    // The next vehicle starts right below the rule, with no description rows; it has no
    // movements, so its accumulated reading is 0.
    QVERIFY(p.value(18).startsWith(u"Nro.: 20"_qs));
    QCOMPARE(p.value(24).mid(99, 11), u"Km acum.: 0"_qs);
    QCOMPARE(p.value(25), QString(160, u'-'));
    QCOMPARE(p.value(63), QString(160, u'-'));
    QVERIFY(p.value(64).startsWith(u"ZEDERA - ZUQ - 2026"_qs));
    QVERIFY(p.value(64).endsWith(u"  Folha - 001"_qs));
}

void TestVehiclePrint::blockTurnsPage()
{
    RegistryFixture f;
    seed(f);
    for (int i = 1; i <= 8; ++i)
        addFullVehicle(f, i, QString::number(10 + i));
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    const QList<QStringList> pages = printList(w, dialogs);
    QCOMPARE(pages.size(), 2);
    // Blocks of eight rows from row 9: the seventh starts on row 57 and its last row, with the
    // counter past 62, goes to the next page, followed by its rule.
    QVERIFY(pages.at(0).value(56).startsWith(u"Nro.: 17"_qs));
    QVERIFY(pages.at(0).value(61).startsWith(u"Projeto.:"_qs));
    QCOMPARE(pages.at(0).value(62), QString());
    QVERIFY(pages.at(1).value(8).startsWith(u"Declarável.:"_qs));
    QCOMPARE(pages.at(1).value(9), QString(160, u'-'));
    QVERIFY(pages.at(1).value(10).startsWith(u"Nro.: 18"_qs));
    QCOMPARE(pages.at(1).value(5).trimmed(), u"Relatório do cadastro de veículos"_qs);
    QVERIFY(pages.at(1).value(64).endsWith(u"  Folha - 002"_qs));
}

void TestVehiclePrint::emptyList()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    click(w, u"b_imprimir_pesq"_qs);
    QCOMPARE(dialogs.texts(ScriptedDialogService::Kind::Information),
             QStringList{u"Não existe registros para impressão."_qs});
}

// Every grid column, search order and filter column must name a column of the list's join: a
// wrong name would only show up when a user picks it.
void TestVehiclePrint::listStatementsKnowEveryColumn()
{
    RegistryFixture f;
    const RegistryDescriptor d = TF_Cad_Veic::describe();
    QCOMPARE(d.columns.size(), 44);
    QCOMPARE(d.searchItems.size(), 38);
    QCOMPARE(d.filterFields.size(), 40);
    for (const GridColumn &c : d.columns)
        f.column(d.statements.list + c.field);
    for (const SearchItem &s : d.searchItems) {
        f.column(d.statements.list + s.column);
        Query q(*f.cad, d.statements.letter + s.column.section(u',', 0, 0) + u" like :p_letra order by "_qs + s.column);
        q.bind(u":p_letra"_qs, u"A%"_qs).exec();
    }
    for (const FilterField &ff : d.filterFields) {
        QVERIFY(ff.campo.startsWith(u' ') && ff.campo.endsWith(u' '));
        f.column(d.statements.filterBase + ff.campo + u" is not null order by ve_nro"_qs);
    }
}

QTEST_MAIN(TestVehiclePrint)
#include "tst_vehicle_print.moc"
