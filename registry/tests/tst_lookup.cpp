// The lookup dialogs over the suite's tables, on a real database, driven through their widgets.
#include "lookup/Lookups.h"
#include "lookup/TF_Loc_SE.h"

#include "ScriptedDialogService.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <functional>

using namespace zedera;
using namespace zedera::registry;
using zedera::testing::ScriptedDialogService;
using Kind = ScriptedDialogService::Kind;

namespace {

const QString kInvalid = QStringLiteral("Valor da pesquisa é inválido referente ao campo escolhido");
const QString kNotFound = QStringLiteral("Nenhum registro foi localizado com o valor fornecido.");
const QString kTitulo = QStringLiteral("Administração de Zedera");

std::unique_ptr<Connection> suiteDatabase()
{
    auto c = zedera::testing::TestDatabase::connect(zedera::testing::TestDatabase::fresh());
    const QStringList rows{
        "insert into fornecedores values (1, 'POSTO CENTRAL LTDA', 'ZETA')",
        "insert into fornecedores values (2, 'Auto Pecas Bom Jesus', 'ALFA')",
        "insert into fornecedores values (3, 'AUTO ELETRICA SOL', 'BETA')",
        "insert into fornecedores values (4, 'BORRACHARIA DO ZE', 'GAMA')",
        "insert into material (mt_codigo, mt_descricao) values (12, 'OLEO DIESEL')",
        "insert into material (mt_codigo, mt_descricao) values (120, 'GASOLINA COMUM')",
        "insert into material (mt_codigo, mt_descricao) values (7, 'ALCOOL')",
        "insert into proj_almoxarifado values (1, 1, 'SAUDE', 'SMS', '1', 'ANA', 'S')",
        "insert into proj_almoxarifado values (2, 3, 'EDUCACAO', 'SME', '2', 'JOSE', 'N')",
        "insert into proj_almoxarifado values (2, 1, 'TRANSPORTE ESCOLAR', 'TE', '3', 'RUI', 'S')",
        "insert into proj_almoxarifado values (3, 1, 'ADMINISTRACAO', 'ADM', '0', 'LIA', null)",
        "insert into setores values (2026, '01.02.03', 'GARAGEM', 'GAR', 'PAULO')",
        "insert into setores values (2026, '010101', 'GABINETE', 'GAB', 'PREFEITO')",
        "insert into setores values (2025, '01.02.04', 'ANTIGO', 'ANT', 'NINGUEM')",
        // The document types the program installs, less a few, in no order.
        "delete from vkl_tp_veic_doc where tvd_cod > 2",
        "update vkl_tp_veic_doc set tvd_descr = 'AUTOMOVEL' where tvd_cod = 2",
        "insert into vkl_tp_veic_doc (tvd_cod, tvd_descr) values (1, 'CAMINHAO')",
        "insert into itens_solicitacao_entrada values (2026, 15, 2, 12, 1234.5)",
        "insert into itens_solicitacao_entrada values (2026, 15, 1, 120, 40)",
        "insert into itens_solicitacao_entrada values (2026, 16, 1, 7, 3)",
    };
    for (const QString &r : rows)
        c->execute(r);
    return c;
}

using Factory = std::function<LookupDialog *(Connection &)>;

Factory factory(const QString &name)
{
    if (name == QLatin1String("material"))
        return [](Connection &c) { return new TF_Loc_Mat_Almox(c); };
    if (name == QLatin1String("projeto"))
        return [](Connection &c) { return new TF_Loc_Proj(c); };
    if (name == QLatin1String("setor"))
        return [](Connection &c) { return new TF_Loc_Setor(c, 2026); };
    if (name == QLatin1String("fornecedor"))
        return [](Connection &c) { return new TF_Loc_Fornecedor(c); };
    return [](Connection &c) { return new TF_Loc_Tp_Veic_Doc(c); };
}

void showActive(QWidget &w)
{
    w.show();
    w.activateWindow();
    QApplication::setActiveWindow(&w);
    QApplication::processEvents();
}

// The grid as the user sees it: one text per row, cells joined by '|'.
QStringList gridTexts(const LookupBase &d)
{
    QStringList rows;
    for (int r = 0; r < d.model().rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < d.model().columnCount(); ++c)
            cells << d.model().cellText(r, c);
        rows << cells.join(u'|');
    }
    return rows;
}

template <typename T = QWidget>
T *child(const QWidget &w, const char *name)
{
    return w.findChild<T *>(QString::fromLatin1(name));
}

} // namespace

class TestLookup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { DialogService::setDefaultCaption(kTitulo); }
    void opensOrderedWithDisplayRules_data();
    void opensOrderedWithDisplayRules();
    void fieldChoiceReordersAndShapesTheBox();
    void localizar_data();
    void localizar();
    void picksByEnterOrDoubleClick_data();
    void picksByEnterOrDoubleClick();
    void keys();
    void largeListsReadRowsAsNeeded();
    void requestLookup();
    void requestRefusals_data();
    void requestRefusals();
};

void TestLookup::opensOrderedWithDisplayRules_data()
{
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("ordem");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("material") << "material" << "G.K - Pesquisar material do almoxarifado" << "mt_descricao"
                              << "Descrição"
                              << QStringList{"7|ALCOOL", "120|GASOLINA COMUM", "12|OLEO DIESEL"};
    QTest::newRow("projeto") << "projeto" << "G.K - Localizar Projetos" << "pra_descr" << "Descrição"
                             << QStringList{"3|1|ADMINISTRACAO|ADM|.|LIA|NÃO", "2|3|EDUCACAO|SME|Atividade|JOSE|NÃO",
                                            "1|1|SAUDE|SMS|Projeto|ANA|SIM",
                                            "2|1|TRANSPORTE ESCOLAR|TE|Veículo|RUI|SIM"};
    // Only the exercise's departments; codes kept as bare digits are shown punctuated.
    QTest::newRow("setor") << "setor" << "G.K - Localizar Setor" << "st_nome" << "Descrição"
                           << QStringList{"01.01.01|GABINETE|GAB|PREFEITO", "01.02.03|GARAGEM|GAR|PAULO"};
    QTest::newRow("fornecedor") << "fornecedor" << "G.K - Localizar Fornecedores" << "fo_nome" << "Nome"
                                << QStringList{"3|AUTO ELETRICA SOL|BETA", "2|Auto Pecas Bom Jesus|ALFA",
                                               "4|BORRACHARIA DO ZE|GAMA", "1|POSTO CENTRAL LTDA|ZETA",
                                               "0|SEM FORNECEDOR|SEM FORNECEDOR"};
    // In code order although the description is the field offered.
    QTest::newRow("tipo de documento") << "tipo" << "G.K - Localizar tipo de veículos" << "tvd_cod" << "Descrição"
                                       << QStringList{"0|NÃO INFORMADO", "1|CAMINHAO", "2|AUTOMOVEL"};
}

void TestLookup::opensOrderedWithDisplayRules()
{
    QFETCH(QString, lookup);
    ScriptedDialogService dialogs;
    auto db = suiteDatabase();
    std::unique_ptr<LookupDialog> d(factory(lookup)(*db));
    QTEST(d->windowTitle(), "caption");
    QTEST(d->ordem(), "ordem");
    QTEST(child<QComboBox>(*d, "t_campo")->currentText(), "field");
    QTEST(gridTexts(*d), "rows");
    QCOMPARE(child<QLabel>(*d, "lb_valor_pesq")->text(), QStringLiteral("Digite............"));
    QVERIFY(d->codigoCapturado().isEmpty());
    QVERIFY(dialogs.messages().isEmpty());
}

void TestLookup::fieldChoiceReordersAndShapesTheBox()
{
    ScriptedDialogService dialogs;
    auto db = suiteDatabase();
    TF_Loc_Fornecedor f(*db);
    auto *campo = child<QComboBox>(f, "t_campo");
    auto *valor = child<QLineEdit>(f, "t_valor_pesq");
    valor->setText(QStringLiteral("XYZ"));
    campo->setCurrentIndex(campo->findText(QStringLiteral("Código")));
    QCOMPARE(child<QLabel>(f, "lb_valor_pesq")->text(), QStringLiteral("Digite o código do fornecedor"));
    QCOMPARE(valor->text(), QString());
    QCOMPARE(valor->maxLength(), 6);
    QCOMPARE(f.ordem(), QStringLiteral("fo_cod"));
    QCOMPARE(f.model().cellText(1, 0), QStringLiteral("1"));

    // The project code orders by project and sub-project and is typed through its mask.
    TF_Loc_Proj p(*db);
    auto *pc = child<QComboBox>(p, "t_campo");
    pc->setCurrentIndex(0);
    QCOMPARE(p.ordem(), QStringLiteral("pra_proj,pra_sproj"));
    QCOMPARE(child<QLineEdit>(p, "t_valor_pesq")->inputMask(), QStringLiteral("99999.99999"));
    QCOMPARE(gridTexts(p).value(1).section(u'|', 0, 1), QStringLiteral("2|1"));
    QCOMPARE(gridTexts(p).value(2).section(u'|', 0, 1), QStringLiteral("2|3"));

    // A title orders by its column and keeps the chosen field.
    emit f.grid()->horizontalHeader()->sectionClicked(2);
    QCOMPARE(f.ordem(), QStringLiteral("fo_fant"));
    QCOMPARE(campo->currentText(), QStringLiteral("Código"));
    QVERIFY(dialogs.messages().isEmpty());
}

void TestLookup::localizar_data()
{
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("titleColumn"); // -1: keep the field's order
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("row"); // the returned values of the row the list lands on

    QTest::newRow("name, any case") << "fornecedor" << "Nome" << -1 << "AUTO P" << "" << "2";
    QTest::newRow("first in the list's order") << "fornecedor" << "Nome" << -1 << "AUTO" << "" << "3";
    QTest::newRow("first in a title's order") << "fornecedor" << "Nome" << 2 << "AUTO" << "" << "2";
    QTest::newRow("name not there") << "fornecedor" << "Nome" << -1 << "XAVIER" << kNotFound << "3";
    QTest::newRow("code is equal, not a prefix") << "material" << "Código" << -1 << "12" << "" << "12";
    QTest::newRow("code of letters") << "material" << "Código" << -1 << "ABC" << kInvalid << "7";
    QTest::newRow("code not there") << "material" << "Código" << -1 << "1" << kNotFound << "7";
    QTest::newRow("project and sub-project") << "projeto" << "Código" << 2 << "00002.00001" << "" << "2|1";
    QTest::newRow("project alone") << "projeto" << "Código" << 2 << "2." << "" << "2|3";
    QTest::newRow("project code empty") << "projeto" << "Código" << -1 << "" << kInvalid << "1|1";
    QTest::newRow("department through its mask") << "setor" << "Código" << -1 << "0101" << "" << "010101";
    QTest::newRow("department of another year") << "setor" << "Código" << -1 << "010204" << kNotFound
                                                << "01.02.03";
}

void TestLookup::localizar()
{
    QFETCH(QString, lookup);
    QFETCH(QString, field);
    QFETCH(int, titleColumn);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    ScriptedDialogService dialogs;
    auto db = suiteDatabase();
    std::unique_ptr<LookupDialog> d(factory(lookup)(*db));
    showActive(*d);
    auto *campo = child<QComboBox>(*d, "t_campo");
    campo->setCurrentIndex(campo->findText(field));
    if (titleColumn >= 0)
        emit d->grid()->horizontalHeader()->sectionClicked(titleColumn);
    auto *valor = child<QLineEdit>(*d, "t_valor_pesq");
    valor->setFocus();
    QTest::keyClicks(valor, typed);
    child<QPushButton>(*d, "b_localizar")->click();

    const auto returns = d->descriptor().returns;
    QStringList values;
    for (const QString &c : returns)
        values << d->model().value(d->currentRow(), c).toString().trimmed();
    QTEST(values.join(u'|'), "row");
    if (message.isEmpty()) {
        QVERIFY(dialogs.messages().isEmpty());
        QCOMPARE(valor->text().remove(u'.').trimmed(), QString());
        QCOMPARE(QApplication::focusWidget(), d->grid());
    } else {
        QCOMPARE(dialogs.texts(Kind::Information), QStringList{message});
        QCOMPARE(dialogs.lastMessage().caption, QString());
        if (message == kNotFound)
            QCOMPARE(QApplication::focusWidget(), valor);
    }
}

void TestLookup::picksByEnterOrDoubleClick_data()
{
    QTest::addColumn<QString>("lookup");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("enter") << "fornecedor" << 2 << "enter" << QStringList{"4"};
    QTest::newRow("double click") << "material" << 1 << "double" << QStringList{"120"};
    QTest::newRow("project returns both") << "projeto" << 1 << "enter" << QStringList{"2", "3"};
    QTest::newRow("department code as kept") << "setor" << 0 << "enter" << QStringList{"010101"};
    QTest::newRow("sair returns nothing") << "fornecedor" << 2 << "sair" << QStringList{};
    QTest::newRow("escape returns nothing") << "fornecedor" << 2 << "escape" << QStringList{};
}

void TestLookup::picksByEnterOrDoubleClick()
{
    QFETCH(QString, lookup);
    QFETCH(int, row);
    QFETCH(QString, how);
    ScriptedDialogService dialogs;
    auto db = suiteDatabase();
    std::unique_ptr<LookupDialog> d(factory(lookup)(*db));
    showActive(*d);
    d->grid()->setFocus();
    d->grid()->setCurrentIndex(d->model().index(row, 1));
    if (how == QLatin1String("enter")) {
        QTest::keyClick(d->grid(), Qt::Key_Return);
    } else if (how == QLatin1String("double")) {
        const QRect cell = d->grid()->visualRect(d->model().index(row, 1));
        // A double click is the second press on the same cell.
        QTest::mouseClick(d->grid()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(d->grid()->viewport(), Qt::LeftButton, {}, cell.center());
    } else if (how == QLatin1String("sair")) {
        child<QPushButton>(*d, "b_sair")->click();
    } else {
        QTest::keyClick(d->grid(), Qt::Key_Escape);
    }
    QFETCH(QStringList, values);
    QVERIFY(!d->isVisible());
    QCOMPARE(d->result(), values.isEmpty() ? int(QDialog::Rejected) : int(QDialog::Accepted));
    QCOMPARE(d->valoresCapturados(), values);
    QCOMPARE(d->codigoCapturado(), values.value(0));
    if (lookup == QLatin1String("projeto"))
        QCOMPARE(static_cast<TF_Loc_Proj *>(d.get())->subprojetoCapturado(), values.value(1));
}

void TestLookup::keys()
{
    ScriptedDialogService dialogs;
    auto db = suiteDatabase();
    TF_Loc_Fornecedor f(*db);
    showActive(f);
    auto *campo = child<QComboBox>(f, "t_campo");
    QCOMPARE(QApplication::focusWidget(), campo);
    // Enter outside the list moves on and picks nothing.
    QTest::keyClick(campo, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("t_valor_pesq"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("b_localizar"));
    QVERIFY(f.isVisible());
    QVERIFY(dialogs.messages().isEmpty());
    // F2 goes back to the field list from anywhere.
    f.grid()->setFocus();
    QTest::keyClick(f.grid(), Qt::Key_F2);
    QCOMPARE(QApplication::focusWidget(), campo);
    QVERIFY(f.valoresCapturados().isEmpty());
}

void TestLookup::largeListsReadRowsAsNeeded()
{
    ScriptedDialogService dialogs;
    auto db = suiteDatabase();
    db->execute(QStringLiteral("execute block as declare i integer = 1000; begin "
                               "while (i < 4000) do begin "
                               "insert into material (mt_codigo, mt_descricao) values (:i, 'PECA ' || :i); "
                               "i = i + 1; end end"));
    const int total = 3000 + 3;
    TF_Loc_Mat_Almox m(*db);
    showActive(m);
    QCOMPARE(m.model().rowCount(), LookupModel::kBatch);
    QVERIFY(m.model().canFetchMore());

    // Scrolling to the end of the list reads the next rows.
    m.grid()->verticalScrollBar()->setValue(m.grid()->verticalScrollBar()->maximum());
    QApplication::processEvents();
    QVERIFY(m.model().rowCount() > LookupModel::kBatch);
    QVERIFY(m.model().rowCount() < total);

    // Localizar finds a row far down the list.
    auto *campo = child<QComboBox>(m, "t_campo");
    campo->setCurrentIndex(0); // Código, ordered by code
    auto *valor = child<QLineEdit>(m, "t_valor_pesq");
    valor->setText(QStringLiteral("3999"));
    child<QPushButton>(m, "b_localizar")->click();
    QVERIFY(dialogs.messages().isEmpty());
    QCOMPARE(m.currentRow(), total - 1);
    QCOMPARE(m.model().value(m.currentRow(), QStringLiteral("mt_codigo")).toInt(), 3999);
    QVERIFY(!m.model().canFetchMore());

    // A value found nowhere reads the list to its end and says so.
    campo->setCurrentIndex(1);
    valor->setText(QStringLiteral("PECA 9"));
    child<QPushButton>(m, "b_localizar")->click();
    QCOMPARE(dialogs.texts(Kind::Information), QStringList{kNotFound});
    QCOMPARE(m.model().rowCount(), total);
}

void TestLookup::requestLookup()
{
    ScriptedDialogService dialogs;
    auto db = suiteDatabase();
    TF_Loc_SE se(*db);
    showActive(se);
    QCOMPARE(se.windowTitle(), QStringLiteral("G.K - Localizar Solicitação de materiais"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("t_ano"));
    auto *ano = child<QLineEdit>(se, "t_ano");
    auto *nro = child<QLineEdit>(se, "t_nro");
    QTest::keyClicks(ano, QStringLiteral("2026x"));
    QCOMPARE(ano->text(), QStringLiteral("2026"));

    // Nothing under this number.
    nro->setText(QStringLiteral("99"));
    child<QPushButton>(se, "b_localizar")->click();
    QCOMPARE(dialogs.texts(Kind::Information),
             QStringList{QStringLiteral("Nenhuma solicitação encontrada com estas informações.")});
    QCOMPARE(dialogs.lastMessage().caption, kTitulo);
    QCOMPARE(QApplication::focusWidget(), nro);
    dialogs.clearMessages();

    nro->setText(QStringLiteral("15"));
    child<QPushButton>(se, "b_localizar")->click();
    QVERIFY(dialogs.messages().isEmpty());
    QCOMPARE(QApplication::focusWidget(), se.grid());
    QCOMPARE(gridTexts(se), (QStringList{"1|120|GASOLINA COMUM|40,00", "2|12|OLEO DIESEL|1.234,50"}));
    // A title orders the same request by its column.
    emit se.grid()->horizontalHeader()->sectionClicked(3);
    QCOMPARE(gridTexts(se).first(), QStringLiteral("1|120|GASOLINA COMUM|40,00"));
    emit se.grid()->horizontalHeader()->sectionClicked(2);
    QCOMPARE(gridTexts(se).first(), QStringLiteral("1|120|GASOLINA COMUM|40,00"));
    emit se.grid()->horizontalHeader()->sectionClicked(1);
    QCOMPARE(gridTexts(se).first(), QStringLiteral("2|12|OLEO DIESEL|1.234,50"));

    se.grid()->setFocus();
    se.grid()->setCurrentIndex(se.model().index(0, 0));
    QTest::keyClick(se.grid(), Qt::Key_Return);
    QCOMPARE(se.result(), int(QDialog::Accepted));
    const auto item = se.itemCapturado();
    QVERIFY(item.has_value());
    QCOMPARE(item->ano, 2026);
    QCOMPARE(item->numero, 15);
    QCOMPARE(item->item, 2);
    QCOMPARE(item->material, 12);
    QCOMPARE(item->quantidade, Decimal::parse(u"1234.50").value());
}

void TestLookup::requestRefusals_data()
{
    QTest::addColumn<QString>("ano");
    QTest::addColumn<QString>("nro");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no year") << "" << "15" << "Ano deve ser informado." << "t_ano";
    QTest::newRow("three digits") << "202" << "15" << "Ano deve ser quatro digitos." << "t_ano";
    QTest::newRow("no number") << "2026" << "" << "Número deve ser informado." << "t_nro";
}

void TestLookup::requestRefusals()
{
    QFETCH(QString, ano);
    QFETCH(QString, nro);
    ScriptedDialogService dialogs;
    auto db = suiteDatabase();
    TF_Loc_SE se(*db);
    showActive(se);
    child<QLineEdit>(se, "t_ano")->setText(ano);
    child<QLineEdit>(se, "t_nro")->setText(nro);
    child<QPushButton>(se, "b_localizar")->click();
    QFETCH(QString, message);
    QCOMPARE(dialogs.texts(Kind::Information), QStringList{message});
    QCOMPARE(dialogs.lastMessage().caption, kTitulo);
    QTEST(QApplication::focusWidget()->objectName(), "focus");
    QCOMPARE(se.model().rowCount(), 0);
    // Closing without a pick hands nothing back.
    child<QPushButton>(se, "b_sair")->click();
    QVERIFY(!se.itemCapturado().has_value());
}

QTEST_MAIN(TestLookup)
#include "tst_lookup.moc"
