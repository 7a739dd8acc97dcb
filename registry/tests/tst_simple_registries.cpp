// The eight small registries, each checked against its own facts: statements (list, insert,
// duplicate test), display rules, delete guards in order, validation messages and printed columns.
#include "cadastros/SimpleRegistries.h"
#include "framework/RegistryListModel.h"

#include "RegistryTestKit.h"
#include "ScriptedDialogService.h"
#include "textprint/TextPrinter.h"
#include "widgets/NumericEdit.h"

#include <QComboBox>
#include <QDialog>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <functional>

using namespace zedera;
using namespace zedera::registry;
using namespace zedera::registry::testing;
using zedera::testing::ScriptedDialogService;
using Kind = ScriptedDialogService::Kind;
using Opener = RegistryWindow::Opener;

namespace {

const QString kRefusal = QStringLiteral("ATENÇÃO: Registro não pode ser excluído.\r\r");
const QString kVeiculo = u"insert into vkl_veiculos (ve_cod, ve_nro, ve_tipo_combust, ve_tipo_veic, ve_motorista_padrao, "
                         "ve_ano_setor, ve_setor) values (1, '1', %1, %2, 9, 2026, '01.01.01')"_qs;
const QString kDocVeic = u"insert into vkl_doc_veic (dv_veic, dv_cor, dv_tipo, dv_combust, dv_especie, dv_carroceria, "
                         "dv_restricao, dv_categoria) values (5, '01', %1, %2, '01', '001', '01', '01')"_qs;

// Texts placed at page columns (from 1), as a printed row reads.
QString atColumns(const QList<QPair<int, QString>> &texts)
{
    QString line;
    for (const auto &[column, text] : texts) {
        line = line.leftJustified(column - 1, u' ');
        line = line.left(column - 1) + text + line.mid(column - 1 + text.size());
    }
    return line;
}

struct Facts {
    QString name;
    std::function<RegistryWindow *(const RegistryEnvironment &)> make;
    QString sampleRow;   // the row of code 1
    QString zeroRow;     // a row of code 0 (empty: the schema already has one)
    bool hidesZero;
    QStringList grid;    // the cells of row 1
    QString descrField;
    QString emptyMessage;
    QString duplicateMessage; // for the sample's description
    QString sampleDescr;
    QList<QPair<QString, QString>> typed; // further fields typed for a new row
    QString saved;       // the new row (code 2), columns joined by '|'
    QString savedExpected;
    QList<QPair<QString, QString>> guards; // reference row, message
    QString printed;     // the first detail row of page 1
};

template <typename W>
std::function<RegistryWindow *(const RegistryEnvironment &)> maker()
{
    return [](const RegistryEnvironment &env) { return new W(env, Opener::Menu); };
}

const QString kDescricao = u"A descrição deve ser informada."_qs;
const QString kDuplicada = u"Descrição já existe cadastrada com o código --> 1"_qs;

QList<Facts> &facts()
{
    static QList<Facts> all{
        {u"vehicle types"_qs, maker<TF_Cad_Tipo_Veic>(), u"insert into vkl_tipo_veic values (1, 'CAMINHAO', 'H')"_qs,
         u"insert into vkl_tipo_veic values (0, 'ZERO', 'K')"_qs, false, {u"1"_qs, u"CAMINHAO"_qs, u"Horas"_qs},
         u"t_descr_cad"_qs, kDescricao, kDuplicada, u"CAMINHAO"_qs, {},
         u"select tv_cod || '|' || tv_descr || '|' || tv_contr from vkl_tipo_veic where tv_cod = 2"_qs, u"2|NOVO|K"_qs,
         {{kVeiculo.arg(9).arg(1), u"Tem veículo cadastrado com este tipo."_qs},
          {kDocVeic.arg(1).arg(9), u"Tem documento de veículo cadastrado com este tipo."_qs}},
         atColumns({{1, u"      1"_qs}, {9, u"CAMINHAO"_qs}, {41, u"Horas"_qs}})},
        {u"fuel types"_qs, maker<TF_Cad_Combust>(), u"insert into vkl_tipo_combust values (1, 'DIESEL', 0, 5.25)"_qs,
         u"insert into vkl_tipo_combust values (0, 'ZERO', 0, 0)"_qs, false,
         {u"1"_qs, u"DIESEL"_qs, u"0"_qs, u"5,25"_qs}, u"t_descr_cad"_qs, kDescricao, kDuplicada, u"DIESEL"_qs, {},
         u"select tc_cod || '|' || tc_descr || '|' || tc_material || '|' || tc_valor from vkl_tipo_combust where tc_cod = 2"_qs,
         u"2|NOVO|0|0.00"_qs,
         {{kVeiculo.arg(1).arg(9), u"Tem veículo cadastrado com este combustivel."_qs},
          {kDocVeic.arg(9).arg(1), u"Tem veículo cadastrado com este combustivel."_qs}},
         atColumns({{1, u"      1"_qs}, {9, u"DIESEL"_qs}, {36, u"0"_qs}, {52, u"      5,2500"_qs}})},
        {u"parts and services"_qs, maker<TF_Cad_Tabela>(),
         u"insert into vkl_tabela values (1, 'FILTRO DE OLEO', '02', 'S', 5000, 12.5)"_qs,
         u"insert into vkl_tabela values (0, 'ZERO', '01', 'N', 0, 0)"_qs, false,
         {u"1"_qs, u"FILTRO DE OLEO"_qs, u"02 - Serviço"_qs, u"SIM"_qs, u"5000"_qs, u"12,50"_qs}, u"t_descr"_qs, kDescricao,
         kDuplicada, u"FILTRO DE OLEO"_qs, {{u"t_km"_qs, u"10000"_qs}},
         u"select tb_cod || '|' || tb_descr || '|' || tb_tipo || '|' || tb_contr || '|' || tb_km || '|' || tb_valor "
         "from vkl_tabela where tb_cod = 2"_qs,
         u"2|NOVO|01|S|10000|0.00"_qs,
         {{u"insert into vkl_itens_cad_lub (icl_ano, icl_nro, icl_compl, icl_item, icl_tabela) values (2026, 1, 'A', 1, 1)"_qs,
           u"Tem itens da lubrificação cadastrado com este código."_qs}},
         atColumns({{1, u"      1"_qs}, {9, u"FILTRO DE OLEO"_qs}, {51, u"02-Serviço"_qs}, {70, u"SIM"_qs}, {78, u"    12,50"_qs}})},
        {u"lines"_qs, maker<TF_Cad_Linhas>(), u"insert into vkl_linhas values (1, 'CENTRO - BAIRRO')"_qs, QString(), true,
         {u"1"_qs, u"CENTRO - BAIRRO"_qs}, u"t_descr"_qs, kDescricao, kDuplicada, u"CENTRO - BAIRRO"_qs, {},
         u"select li_cod || '|' || li_descr from vkl_linhas where li_cod = 2"_qs, u"2|NOVO"_qs,
         {{u"insert into vkl_movto_veic (mv_ano, mv_seq, mv_veic, mv_linha) values (2026, 1, 1, 1)"_qs,
           u"Tem movimento de veículo cadastrado com esta linha."_qs}},
         atColumns({{1, u"      1"_qs}, {9, u"CENTRO - BAIRRO"_qs}})},
        {u"destinations"_qs, maker<TF_Cad_Destino>(), u"insert into vkl_destinos values (1, 'HOSPITAL')"_qs, QString(), true,
         {u"1"_qs, u"HOSPITAL"_qs}, u"t_descr"_qs, kDescricao, kDuplicada, u"HOSPITAL"_qs, {},
         u"select de_cod || '|' || de_descr from vkl_destinos where de_cod = 2"_qs, u"2|NOVO"_qs,
         {{u"insert into vkl_movto_veic (mv_ano, mv_seq, mv_veic, mv_destino) values (2026, 1, 1, 1)"_qs,
           u"Tem movimento de veículos cadastrado com este destino."_qs}},
         atColumns({{1, u"      1"_qs}, {9, u"HOSPITAL"_qs}})},
        {u"user companies"_qs, maker<TF_Cad_Empr_Usu>(), u"insert into vkl_empr_usu values (1, 'SECRETARIA DE SAUDE')"_qs,
         u"insert into vkl_empr_usu values (0, 'ZERO')"_qs, true, {u"1"_qs, u"SECRETARIA DE SAUDE"_qs}, u"t_descr"_qs,
         kDescricao, kDuplicada, u"SECRETARIA DE SAUDE"_qs, {},
         u"select eu_cod || '|' || eu_nome from vkl_empr_usu where eu_cod = 2"_qs, u"2|NOVO"_qs,
         {{u"insert into vkl_movto_abast (ma_ano, ma_seq, ma_veic, ma_combust, ma_usuario) values (2026, 1, 1, 1, 1)"_qs,
           u"Tem movto de abastecimento cadastrado com este código."_qs}},
         atColumns({{1, u"      1"_qs}, {9, u"SECRETARIA DE SAUDE"_qs}})},
        {u"maintenance causes"_qs, maker<TF_Cad_Causa_Manut>(), u"insert into vkl_causa_manut values (1, 'DESGASTE')"_qs,
         QString(), false, {u"1"_qs, u"DESGASTE"_qs}, u"t_descr"_qs, kDescricao, kDuplicada, u"DESGASTE"_qs, {},
         u"select cm_cod || '|' || cm_descr from vkl_causa_manut where cm_cod = 2"_qs, u"2|NOVO"_qs,
         {{u"insert into vkl_manut_veic (mtv_ano, mtv_seq, mtv_veic, mtv_motorista, mtv_causa, mtv_forn) values (2026, 1, 1, 1, 1, 0)"_qs,
           u"Tem movimento de manutenção cadastrado com esta causa."_qs},
          {u"insert into vkl_ord_serv (os_empr, os_ano, os_nro, os_motorista, os_veic, os_causa) values (1, 2026, 1, 1, 1, 1)"_qs,
           u"Tem ordem de serviço cadastrado com esta causa."_qs}},
         atColumns({{1, u"      1"_qs}, {9, u"DESGASTE"_qs}})},
        {u"insurers"_qs, maker<TF_Cad_Seguradora>(),
         u"insert into seguradoras_patrim values (1, 'SEGURADORA UM', '12345678000190', 'FULANO', 'RUA A', 'VILA NOVA', '1133334444')"_qs,
         u"insert into seguradoras_patrim values (0, 'ZERO', '', '', '', '', '')"_qs, true,
         {u"1"_qs, u"SEGURADORA UM"_qs, u"12.345.678/0001-90"_qs, u"FULANO"_qs, u"RUA A"_qs, u"VILA NOVA"_qs, u"(11) 3333-4444"_qs},
         u"t_nome"_qs, u"O nome deve ser informado."_qs, u"Nome já existe cadastrado com o código --> 1"_qs,
         u"SEGURADORA UM"_qs, {{u"t_cnpj"_qs, u"98765432000110"_qs}, {u"t_fone"_qs, u"4432221111"_qs}, {u"t_cid"_qs, u"porto"_qs}},
         u"select sg_cod || '|' || sg_nome || '|' || sg_cnpj || '|' || sg_cid || '|' || sg_fone from seguradoras_patrim where sg_cod = 2"_qs,
         u"2|NOVO|98765432000110|PORTO|4432221111"_qs,
         {{u"insert into vkl_seguros (sv_seq, sv_veic, sv_segur) values (1, 1, 1)"_qs,
           u"Tem seguros cadastrado com este código."_qs}},
         atColumns({{1, u"      1"_qs}, {9, u"SEGURADORA UM"_qs}, {52, u"12.345.678/0001-90"_qs}})},
    };
    return all;
}

int rowOfCode(const RegistryWindow &w, qint64 code)
{
    for (int r = 0; r < w.listModel().rowCount(); ++r)
        if (w.listModel().row(r).integer(w.descriptor().codeColumn) == code)
            return r;
    return -1;
}

void selectRow(RegistryWindow &w, int row)
{
    auto *grid = child<QTableView>(w, w.descriptor().listName);
    grid->setFocus();
    grid->setCurrentIndex(w.listModel().index(row, 0));
}

// Prints the list and hands back the pages as text.
QList<QStringList> printPages(RegistryWindow &w, ScriptedDialogService &dialogs)
{
    QList<QStringList> pages;
    dialogs.expectExec(QDialog::Accepted);
    dialogs.expectExec([&](QDialog &) {
        const TextDocument &doc = child<TextPrinter>(w, w.descriptor().printerName)->document();
        for (int p = 1; p <= doc.pageCount(); ++p)
            pages << doc.textLines(p);
        return int(QDialog::Accepted);
    });
    click(w, u"b_imprimir_pesq"_qs);
    return pages;
}

void addRegistries()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < facts().size(); ++i)
        QTest::newRow(qPrintable(facts().at(i).name)) << i;
}

} // namespace

class TestSimpleRegistries : public QObject {
    Q_OBJECT
private slots:
    void listAndDisplay_data() { addRegistries(); }
    void listAndDisplay();
    void insertValidatesAndSaves_data() { addRegistries(); }
    void insertValidatesAndSaves();
    void deleteGuardsInOrder_data() { addRegistries(); }
    void deleteGuardsInOrder();
    void printedList_data() { addRegistries(); }
    void printedList();

    void userCompanyMessagesAndNameSearch();
    void fuelTypeProposesLastPurchasePrice();
    void partsTableKilometresFollowControl();
    void typedCauseCodeAltersIt();
    void insurerBlocksTurnPages();
};

void TestSimpleRegistries::listAndDisplay()
{
    QFETCH(int, index);
    const Facts &x = facts().at(index);
    RegistryFixture f;
    ScriptedDialogService dialogs;
    f.exec(x.sampleRow);
    if (!x.zeroRow.isEmpty())
        f.exec(x.zeroRow);
    std::unique_ptr<RegistryWindow> w(x.make(f.env));
    showActive(*w);
    QCOMPARE(rowOfCode(*w, 0) >= 0, !x.hidesZero);
    const int row = rowOfCode(*w, 1);
    QVERIFY(row >= 0);
    QStringList cells;
    for (int c = 0; c < w->listModel().columnCount(); ++c)
        cells << w->listModel().cellText(row, c);
    QCOMPARE(cells, x.grid);
}

void TestSimpleRegistries::insertValidatesAndSaves()
{
    QFETCH(int, index);
    const Facts &x = facts().at(index);
    RegistryFixture f;
    ScriptedDialogService dialogs;
    f.exec(x.sampleRow);
    std::unique_ptr<RegistryWindow> w(x.make(f.env));
    showActive(*w);
    press(*w, Qt::Key_F3);
    QCOMPARE(QApplication::focusWidget()->objectName(), w->descriptor().codeField);
    click(*w, u"b_gravar_cad"_qs);
    typeInto(*w, x.descrField, x.sampleDescr.toLower());
    click(*w, u"b_gravar_cad"_qs);
    QCOMPARE(dialogs.texts(Kind::Information), (QStringList{x.emptyMessage, x.duplicateMessage}));
    QCOMPARE(QApplication::focusWidget()->objectName(), x.descrField);

    typeInto(*w, x.descrField, u"novo"_qs);
    for (const auto &[field, text] : x.typed)
        typeInto(*w, field, text);
    dialogs.expectQuestion(u"Confirma a inclusão do novo registro."_qs, true);
    click(*w, u"b_gravar_cad"_qs);
    QCOMPARE(f.column(x.saved), QStringList{x.savedExpected});
    QCOMPARE(w->modo(), u'N');
}

void TestSimpleRegistries::deleteGuardsInOrder()
{
    QFETCH(int, index);
    const Facts &x = facts().at(index);
    RegistryFixture f;
    ScriptedDialogService dialogs;
    f.exec(x.sampleRow);
    const RegistryDescriptor d = std::unique_ptr<RegistryWindow>(x.make(f.env))->descriptor();
    for (int first = 0; first < x.guards.size(); ++first) {
        // Every reference from `first` on is present: the first of them is the one named.
        for (int i = first; i < x.guards.size(); ++i)
            f.exec(x.guards.at(i).first);
        std::unique_ptr<RegistryWindow> w(x.make(f.env));
        showActive(*w);
        selectRow(*w, rowOfCode(*w, 1));
        click(*w, u"b_excluir_pesq"_qs);
        QCOMPARE(dialogs.lastMessage().text, kRefusal + x.guards.at(first).second);
        for (int i = first; i < x.guards.size(); ++i) {
            const QString ref = x.guards.at(i).first;
            f.exec(u"delete from "_qs + ref.section(u' ', 2, 2));
        }
    }
    std::unique_ptr<RegistryWindow> w(x.make(f.env));
    showActive(*w);
    selectRow(*w, rowOfCode(*w, 1));
    dialogs.expectQuestion(u"Confirma a exclusão do registro selecionado."_qs, true);
    click(*w, u"b_excluir_pesq"_qs);
    const QString table = d.statements.remove.section(u' ', 2, 2);
    QCOMPARE(f.count(u"select count(*) from %1 where %2 = 1"_qs.arg(table, d.codeColumn)), qint64(0));
}

void TestSimpleRegistries::printedList()
{
    QFETCH(int, index);
    const Facts &x = facts().at(index);
    RegistryFixture f;
    ScriptedDialogService dialogs;
    f.exec(x.sampleRow);
    {
        // The causes list shows the schema's cause 0; only the sample is wanted here.
        const RegistryDescriptor d = std::unique_ptr<RegistryWindow>(x.make(f.env))->descriptor();
        f.exec(u"delete from %1 where %2 = 0"_qs.arg(d.statements.remove.section(u' ', 2, 2), d.codeColumn));
    }
    std::unique_ptr<RegistryWindow> w(x.make(f.env));
    showActive(*w);
    const QList<QStringList> pages = printPages(*w, dialogs);
    QCOMPARE(pages.size(), 1);
    const PrintLayout &layout = w->descriptor().print;
    const QStringList &page = pages.first();
    QCOMPARE(page.value(1).trimmed(), u"PREFEITURA MUNICIPAL DE VILA NOVA"_qs);
    QCOMPARE(page.value(5).trimmed(), layout.title);
    QCOMPARE(page.value(7), QString(layout.width, u'='));
    QCOMPARE(page.value(8), layout.heading.first().trimmed());
    const int first = 9 + int(layout.heading.size());
    QCOMPARE(page.value(first - 1), QString(layout.width, u'='));
    QCOMPARE(page.value(first), x.printed);
    QCOMPARE(page.value(63), QString(layout.width, u'-'));
}

void TestSimpleRegistries::userCompanyMessagesAndNameSearch()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    f.exec(u"insert into vkl_empr_usu values (1, 'SECRETARIA DE SAUDE')"_qs);
    f.exec(u"insert into vkl_empr_usu values (2, 'GABINETE')"_qs);
    f.exec(u"insert into vkl_movto_abast (ma_ano, ma_seq, ma_veic, ma_combust, ma_usuario) values (2026, 1, 1, 1, 1)"_qs);
    TF_Cad_Empr_Usu w(f.env, Opener::Menu);
    showActive(w);
    auto *combo = child<QComboBox>(w, u"t_campo_pesq"_qs);
    combo->setCurrentIndex(combo->findText(u"Descrição"_qs));
    QCOMPARE(w.campoOrdem(), u"eu_nome"_qs);
    QCOMPARE(w.listModel().cellText(0, 1), u"GABINETE"_qs);
    typeInto(w, u"t_vr_pesq"_qs, u"SEC"_qs);
    click(w, u"b_localizar_pesq"_qs);
    QCOMPARE(w.currentRecord().integer(u"eu_cod"_qs), qint64(1));
    // The same reference is worded differently on the two pages.
    click(w, u"b_excluir_pesq"_qs);
    press(w, Qt::Key_F4);
    click(w, u"b_excluir_cad"_qs);
    QCOMPARE(dialogs.texts(Kind::Information),
             (QStringList{kRefusal + u"Tem movto de abastecimento cadastrado com este código."_qs,
                          kRefusal + u"Tem movimento de abastecimento cadastrado com este código."_qs}));
}

void TestSimpleRegistries::fuelTypeProposesLastPurchasePrice()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    f.exec(u"insert into material (mt_codigo, mt_descricao) values (77, 'OLEO DIESEL S10')"_qs);
    f.exec(u"insert into material (mt_codigo, mt_descricao) values (78, 'GASOLINA')"_qs);
    f.exec(u"insert into movimento_materiais (mo_ano, mo_num, mo_material, mo_data, mo_mov, mo_vrunit) values (2026, 2, 77, '2026-03-01', 'E', 5.4321)"_qs);
    f.exec(u"insert into movimento_materiais (mo_ano, mo_num, mo_material, mo_data, mo_mov, mo_vrunit) values (2026, 1, 77, '2026-01-10', 'E', 5.10)"_qs);
    f.exec(u"insert into movimento_materiais (mo_ano, mo_num, mo_material, mo_data, mo_mov, mo_vrunit) values (2026, 3, 77, '2026-04-01', 'S', 9.99)"_qs);
    TF_Cad_Combust w(f.env, Opener::Menu);
    showActive(w);
    press(w, Qt::Key_F3);
    typeInto(w, u"t_descr_cad"_qs, u"DIESEL"_qs);
    // The material comes from the warehouse lookup: closed without a pick it leaves the field.
    typeInto(w, u"t_cod_mat_cad"_qs, u"5"_qs);
    dialogs.expectExec(u"TF_Loc_Mat_Almox"_qs, [](QDialog &) { return int(QDialog::Rejected); });
    click(w, u"b_loc_mat_cad"_qs);
    QCOMPARE(child<QLineEdit>(w, u"t_cod_mat_cad"_qs)->text(), u"5"_qs);
    dialogs.expectExec(u"TF_Loc_Mat_Almox"_qs, [](QDialog &lookup) {
        // Ordered by description: GASOLINA, then OLEO DIESEL S10.
        auto *grid = lookup.findChild<QTableView *>(u"Lista"_qs);
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, 0));
        QTest::keyClick(grid, Qt::Key_Return);
        return lookup.result();
    });
    click(w, u"b_loc_mat_cad"_qs);
    QCOMPARE(child<QLineEdit>(w, u"t_cod_mat_cad"_qs)->text(), u"77"_qs);
    child<QWidget>(w, u"t_vr_compra_cad"_qs)->setFocus();
    QCOMPARE(child<QLineEdit>(w, u"t_descr_mat_cad"_qs)->text(), u"OLEO DIESEL S10"_qs);
    dialogs.expectQuestion(u"Confirma a inclusão do novo registro."_qs, true);
    click(w, u"b_gravar_cad"_qs);
    // The latest entry by date, not the latest typed in, and never an exit.
    QCOMPARE(f.column(u"select tc_material || '|' || tc_valor from vkl_tipo_combust"_qs), QStringList{u"77|5.43"_qs});

    // A material never bought proposes nothing.
    press(w, Qt::Key_F4);
    typeInto(w, u"t_cod_mat_cad"_qs, u"78"_qs);
    child<QWidget>(w, u"t_vr_compra_cad"_qs)->setFocus();
    QCOMPARE(child<QLineEdit>(w, u"t_descr_mat_cad"_qs)->text(), QString());
    QCOMPARE(child<DecimalEdit>(w, u"t_vr_compra_cad"_qs)->value(), Decimal());
}

void TestSimpleRegistries::partsTableKilometresFollowControl()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    TF_Cad_Tabela w(f.env, Opener::Menu);
    showActive(w);
    press(w, Qt::Key_F3);
    auto *km = child<QLineEdit>(w, u"t_km"_qs);
    QCOMPARE(child<QComboBox>(w, u"t_tipo"_qs)->currentText(), u"01 - Peça"_qs);
    QVERIFY(km->isEnabled());
    typeInto(w, u"t_descr"_qs, u"OLEO"_qs);
    typeInto(w, u"t_km"_qs, u"5000"_qs);
    child<QComboBox>(w, u"t_tipo"_qs)->setCurrentIndex(5);
    child<QWidget>(w, u"t_contr"_qs)->findChildren<QRadioButton *>().at(1)->setChecked(true); // NÃO
    QVERIFY(!km->isEnabled());
    QCOMPARE(km->text(), QString());
    dialogs.expectQuestion(u"Confirma a inclusão do novo registro."_qs, true);
    click(w, u"b_gravar_cad"_qs);
    QCOMPARE(f.column(u"select tb_tipo || '|' || tb_contr || '|' || tb_km from vkl_tabela"_qs), QStringList{u"06|N|0"_qs});
    QCOMPARE(w.listModel().cellText(0, 3), u"NÃO"_qs);
    QVERIFY(!km->isEnabledTo(km->parentWidget()));
}

void TestSimpleRegistries::typedCauseCodeAltersIt()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    f.exec(u"insert into vkl_causa_manut values (1, 'DESGASTE')"_qs);
    f.exec(u"insert into vkl_causa_manut values (2, 'ACIDENTE')"_qs);
    TF_Cad_Causa_Manut w(f.env, Opener::Menu);
    showActive(w);
    press(w, Qt::Key_F3);
    QTest::keyClicks(QApplication::focusWidget(), u"1"_qs);
    press(w, Qt::Key_Return);
    QCOMPARE(w.modo(), u'A');
    QCOMPARE(child<QLineEdit>(w, u"t_descr"_qs)->text(), u"DESGASTE"_qs);
    QCOMPARE(w.currentRecord().integer(u"cm_cod"_qs), qint64(1));
}

void TestSimpleRegistries::insurerBlocksTurnPages()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    for (int i = 1; i <= 13; ++i)
        f.exec(u"insert into seguradoras_patrim values (%1, 'SEGURADORA %2', '1234567800019%3', 'RESP %2', 'RUA %2', "
               "'CIDADE %2', '113333444%3')"_qs.arg(i).arg(i, 2, 10, QLatin1Char('0')).arg(i % 10));
    TF_Cad_Seguradora w(f.env, Opener::Menu);
    showActive(w);
    // Stored as digits, edited through their masks.
    QCOMPARE(child<QLineEdit>(w, u"t_cnpj"_qs)->text(), u"12.345.678/0001-91"_qs);
    QCOMPARE(child<QLineEdit>(w, u"t_fone"_qs)->text(), u"(11) 3333-4441"_qs);
    const QList<QStringList> pages = printPages(w, dialogs);
    QCOMPARE(pages.size(), 2);
    const QStringList &p1 = pages.at(0), &p2 = pages.at(1);
    QCOMPARE(p1.mid(8, 4), (QStringList{
        u"Código  Nome                                       C.N.P.J"_qs,
        u"        Responsável                                Endereço"_qs,
        u"        Cidade                                     Fone"_qs, QString(96, u'=')}));
    // Three printed rows and a blank one per insurer, from row 13.
    QCOMPARE(p1.mid(12, 5), (QStringList{
        atColumns({{1, u"      1"_qs}, {9, u"SEGURADORA 01"_qs}, {52, u"12.345.678/0001-91"_qs}}),
        atColumns({{9, u"RESP 01"_qs}, {52, u"RUA 01"_qs}}),
        atColumns({{9, u"CIDADE 01"_qs}, {52, u"(11) 3333-4441"_qs}}),
        QString(),
        atColumns({{1, u"      2"_qs}, {9, u"SEGURADORA 02"_qs}, {52, u"12.345.678/0001-92"_qs}})}));
    // The 13th insurer starts on row 61: its city turns the page.
    QVERIFY(p1.value(60).startsWith(u"     13 SEGURADORA 13"_qs));
    QVERIFY(p1.value(61).startsWith(u"        RESP 13"_qs));
    QVERIFY(p2.value(12).startsWith(u"        CIDADE 13"_qs));
    QVERIFY(p2.value(64).endsWith(u"Folha - 002"_qs));
}

QTEST_MAIN(TestSimpleRegistries)
#include "tst_simple_registries.moc"
