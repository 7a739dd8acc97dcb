// The registry window, driven through the driver registry as a user would.
#include "cadastros/TF_Cad_Motorista.h"
#include "framework/RegistryListModel.h"

#include "RegistryTestKit.h"
#include "TestDatabase.h"
#include "ScriptedDialogService.h"
#include "textprint/TextPrinter.h"

#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QTest>

using namespace zedera;
using namespace zedera::registry;
using namespace zedera::registry::testing;
using zedera::testing::ScriptedDialogService;
using Kind = ScriptedDialogService::Kind;

namespace {

const QString kRefusal = QStringLiteral("ATENÇÃO: Registro não pode ser excluído.\r\r");

void addDriver(RegistryFixture &f, int code, const QString &name, const QString &nick, const QString &situa = u"01"_qs)
{
    Query(*f.cad, u"insert into vkl_motoristas values(:c, :n, :a, :s)"_qs)
        .bind(u":c"_qs, code).bind(u":n"_qs, name).bind(u":a"_qs, nick).bind(u":s"_qs, situa).exec();
}

QStringList listColumn(const RegistryWindow &w, int column)
{
    QStringList out;
    for (int r = 0; r < w.listModel().rowCount(); ++r)
        out << w.listModel().cellText(r, column);
    return out;
}

QString page(const RegistryWindow &w)
{
    return child<QStackedWidget>(w, u"pg_princ"_qs)->currentWidget()->objectName();
}

void chooseSearchItem(RegistryWindow &w, const QString &label)
{
    auto *combo = child<QComboBox>(w, u"t_campo_pesq"_qs);
    combo->setCurrentIndex(combo->findText(label));
}

void chooseLetter(RegistryWindow &w, const QString &letter)
{
    auto *tabs = child<QTabBar>(w, u"tab_ordem"_qs);
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == letter)
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
}

void focusGrid(RegistryWindow &w, int row = 0)
{
    auto *grid = child<QTableView>(w, u"Lista_Motorista"_qs);
    grid->setFocus();
    grid->setCurrentIndex(w.listModel().index(row, 0));
}

} // namespace

class TestDriverRegistry : public QObject {
    Q_OBJECT
private slots:
    void listShowsDriversWithRules();
    void orderingAndLetterTabs_data();
    void orderingAndLetterTabs();
    void localizar_data();
    void localizar();
    void insertAllocatesCodes_data();
    void insertAllocatesCodes();
    void typingExistingCodeAlters();
    void serverRefusalKeepsTheTyping();
    void validation_data();
    void validation();
    void alterSkipsDuplicateTestWhenUnchanged();
    void deleteGuardsInOrder_data();
    void deleteGuardsInOrder();
    void deletePositionsList();
    void captureFromAnotherWindow();
    void keysAndModes();
    void printedList();
};

void TestDriverRegistry::listShowsDriversWithRules()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    addDriver(f, 0, u"OCULTO"_qs, u"ZERO"_qs);
    addDriver(f, 2, u"BRUNO"_qs, u"BRU"_qs, u"02"_qs);
    addDriver(f, 1, u"ANA"_qs, u"ANINHA"_qs, u"03"_qs);
    addDriver(f, 3, u"CARLOS"_qs, u"CACA"_qs, u"9"_qs);
    TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);

    QCOMPARE(w.windowTitle(), u"G.K - Cadastro de Motoristas"_qs);
    QCOMPARE(page(w), u"pg_pesq"_qs);
    // Opens ordered by code (the first search item); code 0 is never listed.
    QCOMPARE(listColumn(w, 0), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs}));
    QCOMPARE(listColumn(w, 3), (QStringList{u"03 - Licença"_qs, u"02 - Saiu"_qs, QString()}));
    // The edit fields follow the current row.
    QCOMPARE(child<QLineEdit>(w, u"t_nome_cad"_qs)->text(), u"ANA"_qs);
    QCOMPARE(child<QComboBox>(w, u"t_situa_cad"_qs)->currentText(), u"03 - Licença"_qs);
    // Even rows (2nd, 4th ...) light blue, odd ones plain.
    const QModelIndex first = w.listModel().index(0, 1), second = w.listModel().index(1, 1);
    QVERIFY(!w.listModel().data(first, Qt::BackgroundRole).isValid());
    QCOMPARE(w.listModel().data(second, Qt::BackgroundRole).value<QColor>(), QColor(223, 239, 255));
}

void TestDriverRegistry::orderingAndLetterTabs_data()
{
    QTest::addColumn<QString>("searchItem");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("order by name") << u"Nome"_qs << u"*"_qs << QStringList{u"12"_qs, u"2"_qs, u"1"_qs, u"10"_qs};
    QTest::newRow("letter B on the name") << u"Nome"_qs << u"B"_qs << QStringList{u"2"_qs, u"1"_qs};
    QTest::newRow("letter 1 on the code's text") << u"Código"_qs << u"1"_qs << QStringList{u"1"_qs, u"10"_qs, u"12"_qs};
    QTest::newRow("letter with no row") << u"Apelido"_qs << u"Q"_qs << QStringList{};
}

void TestDriverRegistry::orderingAndLetterTabs()
{
    QFETCH(QString, searchItem);
    QFETCH(QString, letter);
    QFETCH(QStringList, codes);
    RegistryFixture f;
    ScriptedDialogService dialogs;
    addDriver(f, 1, u"BRUNO"_qs, u"B1"_qs);
    addDriver(f, 2, u"BEATRIZ"_qs, u"B2"_qs);
    addDriver(f, 10, u"CARLA"_qs, u"C1"_qs);
    addDriver(f, 12, u"ALICE"_qs, u"A1"_qs);
    TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    chooseSearchItem(w, searchItem);
    chooseLetter(w, letter);
    QCOMPARE(listColumn(w, 0), codes);
    const bool filtered = letter != u"*";
    QCOMPARE(w.modoLista(), filtered ? u'L' : u'N');
    QCOMPARE(child<QLabel>(w, u"lb_situa_filtro"_qs)->text(), filtered ? u"FILTRO ATIVADO"_qs : u"FILTRO DESATIVADO"_qs);
    QCOMPARE(child<QPushButton>(w, u"b_filtrar_pesq"_qs)->text(),
             filtered ? u"&Filtrar - Ativado"_qs : u"&Filtrar - Desativado"_qs);
    if (filtered && !codes.isEmpty()) {
        // The filter button switches the letter off and the whole list comes back.
        click(w, u"b_filtrar_pesq"_qs);
        QCOMPARE(w.modoLista(), u'N');
        QCOMPARE(w.listModel().rowCount(), 4);
        QCOMPARE(child<QTabBar>(w, u"tab_ordem"_qs)->currentIndex(), 0);
    }
    // A click on a title orders by that column and keeps the letter.
    QTest::mouseClick(child<QTableView>(w, u"Lista_Motorista"_qs)->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(child<QTableView>(w, u"Lista_Motorista"_qs)->horizontalHeader()->sectionViewportPosition(2) + 5, 5));
    QCOMPARE(w.campoOrdem(), u"mo_apelido"_qs);
}

void TestDriverRegistry::localizar_data()
{
    QTest::addColumn<QString>("searchItem");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("row"); // -1: not found
    QTest::newRow("code equal") << u"Código"_qs << u"10"_qs << 1;
    QTest::newRow("code is not a prefix") << u"Código"_qs << u"3"_qs << -1;
    QTest::newRow("name starts with") << u"Nome"_qs << u"CAR"_qs << 2;
    QTest::newRow("nickname lower case") << u"Apelido"_qs << u"b1"_qs << 0;
    QTest::newRow("situation") << u"Situação"_qs << u"02"_qs << 1;
    QTest::newRow("name nowhere") << u"Nome"_qs << u"ZE"_qs << -1;
}

void TestDriverRegistry::localizar()
{
    QFETCH(QString, searchItem);
    QFETCH(QString, value);
    QFETCH(int, row);
    RegistryFixture f;
    ScriptedDialogService dialogs;
    addDriver(f, 1, u"BRUNO"_qs, u"B1"_qs);
    addDriver(f, 10, u"BEATRIZ"_qs, u"B2"_qs, u"02"_qs);
    addDriver(f, 30, u"CARLA"_qs, u"C1"_qs);
    TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    chooseSearchItem(w, searchItem);
    chooseSearchItem(w, u"Código"_qs); // the code order keeps the rows as inserted
    chooseSearchItem(w, searchItem);
    if (searchItem != u"Código")
        chooseLetter(w, u"*"_qs);
    // Whatever the order, find by code to compare rows.
    const QStringList order = listColumn(w, 0);
    typeInto(w, u"t_vr_pesq"_qs, value);
    click(w, u"b_localizar_pesq"_qs);
    auto *grid = child<QTableView>(w, u"Lista_Motorista"_qs);
    if (row < 0) {
        QCOMPARE(dialogs.lastMessage().text, u"Nenhum registro encontrado nesta condição."_qs);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, u"t_vr_pesq"_qs));
        return;
    }
    QCOMPARE(dialogs.messages().size(), 0);
    QCOMPARE(QApplication::focusWidget(), grid);
    QCOMPARE(child<QLineEdit>(w, u"t_vr_pesq"_qs)->text(), QString());
    const QStringList codes{u"1"_qs, u"10"_qs, u"30"_qs};
    QCOMPARE(order.at(w.currentRow()), codes.at(row));
}

void TestDriverRegistry::insertAllocatesCodes_data()
{
    QTest::addColumn<QList<int>>("existing");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    QTest::newRow("empty table, nothing typed") << QList<int>{} << QString() << 1;
    QTest::newRow("empty table, typed code discarded") << QList<int>{} << u"7"_qs << 1;
    QTest::newRow("free code below the highest kept") << QList<int>{1, 5} << u"3"_qs << 3;
    QTest::newRow("code above the highest replaced") << QList<int>{1, 5} << u"9"_qs << 6;
}

void TestDriverRegistry::insertAllocatesCodes()
{
    QFETCH(QList<int>, existing);
    QFETCH(QString, typed);
    QFETCH(int, stored);
    RegistryFixture f;
    ScriptedDialogService dialogs;
    for (int c : existing)
        addDriver(f, c, u"MOTORISTA %1"_qs.arg(c), u"M%1"_qs.arg(c));
    TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    press(w, Qt::Key_F3);
    QCOMPARE(page(w), u"pg_cad"_qs);
    QCOMPARE(w.modo(), u'I');
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, u"t_cod_cad"_qs));
    QTest::keyClicks(QApplication::focusWidget(), typed);
    press(w, Qt::Key_Return); // Enter moves on to the name, where the typed code is tested
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, u"t_nome_cad"_qs));
    QTest::keyClicks(QApplication::focusWidget(), u"joao da silva"_qs);
    typeInto(w, u"t_apelido_cad"_qs, u"JOAO"_qs);
    child<QComboBox>(w, u"t_situa_cad"_qs)->setCurrentIndex(2);

    // No writes nothing and keeps the typing.
    dialogs.expectQuestion(u"Confirma a inclusão do novo registro."_qs, false);
    click(w, u"b_gravar_cad"_qs);
    QCOMPARE(f.count(u"select count(*) from vkl_motoristas"_qs), qint64(existing.size()));
    QCOMPARE(w.modo(), u'I');

    dialogs.expectQuestion(u"Confirma a inclusão do novo registro."_qs, true);
    click(w, u"b_gravar_cad"_qs);
    QCOMPARE(f.column(u"select mo_nome || '|' || mo_apelido || '|' || mo_situa from vkl_motoristas where mo_cod = %1"_qs.arg(stored)),
             QStringList{u"JOAO DA SILVA|JOAO|03"_qs});
    QCOMPARE(w.modo(), u'N');
    QCOMPARE(w.currentRecord().integer(u"mo_cod"_qs), qint64(stored));
}

void TestDriverRegistry::typingExistingCodeAlters()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    addDriver(f, 1, u"ANA"_qs, u"AN"_qs);
    addDriver(f, 2, u"BRUNO"_qs, u"BR"_qs);
    TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    chooseLetter(w, u"A"_qs); // driver 2 is outside the letter in force
    press(w, Qt::Key_F3);
    QTest::keyClicks(QApplication::focusWidget(), u"2"_qs);
    press(w, Qt::Key_Return);
    QCOMPARE(w.modo(), u'A');
    QCOMPARE(child<QLineEdit>(w, u"t_nome_cad"_qs)->text(), u"BRUNO"_qs);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, u"t_nome_cad"_qs));
    typeInto(w, u"t_nome_cad"_qs, u"BRUNA"_qs);
    dialogs.expectQuestion(u"Confirma a alteração do registro atual."_qs, true);
    click(w, u"b_alterar_cad"_qs);
    QCOMPARE(f.column(u"select mo_nome from vkl_motoristas order by mo_cod"_qs), (QStringList{u"ANA"_qs, u"BRUNA"_qs}));
}

void TestDriverRegistry::serverRefusalKeepsTheTyping()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    addDriver(f, 1, u"ANA"_qs, u"AN"_qs);
    addDriver(f, 5, u"EVA"_qs, u"EV"_qs);
    TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    press(w, Qt::Key_F3);
    QTest::keyClicks(QApplication::focusWidget(), u"3"_qs);
    press(w, Qt::Key_Return);
    typeInto(w, u"t_nome_cad"_qs, u"CAIO"_qs);
    typeInto(w, u"t_apelido_cad"_qs, u"CA"_qs);
    // Another workstation takes the typed code before this one saves.
    auto other = zedera::testing::TestDatabase::connect(f.cad->settings());
    Query(*other, u"insert into vkl_motoristas values(3, 'OUTRO', 'OU', '01')"_qs).exec();
    dialogs.expectQuestion(u"Confirma a inclusão do novo registro."_qs, true);
    click(w, u"b_gravar_cad"_qs);
    QCOMPARE(dialogs.texts(Kind::Error).size(), 1);
    QCOMPARE(w.modo(), u'I');
    QCOMPARE(child<QLineEdit>(w, u"t_nome_cad"_qs)->text(), u"CAIO"_qs);
    QCOMPARE(f.column(u"select mo_nome from vkl_motoristas where mo_cod = 3"_qs), QStringList{u"OUTRO"_qs});
    QVERIFY(!f.cad->inTransaction());
}

void TestDriverRegistry::validation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("nick");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("empty name") << QString() << u"X"_qs << u"Nome do motorista deve ser informado."_qs << u"t_nome_cad"_qs;
    QTest::newRow("name in use") << u"ANA"_qs << u"X"_qs << u"Nome já existe cadastrado com o código --> 4"_qs << u"t_nome_cad"_qs;
    QTest::newRow("empty nickname") << u"NOVA"_qs << QString() << u"Apelido do motorista deve ser informado."_qs << u"t_apelido_cad"_qs;
    QTest::newRow("nickname in use") << u"NOVA"_qs << u"AN"_qs << u"Apelido já existe cadastrado com o código --> 4"_qs << u"t_apelido_cad"_qs;
    QTest::newRow("quote is plain data") << u"O'BRIEN"_qs << u"OB"_qs << QString() << QString();
}

void TestDriverRegistry::validation()
{
    QFETCH(QString, name);
    QFETCH(QString, nick);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    RegistryFixture f;
    ScriptedDialogService dialogs;
    addDriver(f, 4, u"ANA"_qs, u"AN"_qs);
    TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    press(w, Qt::Key_F3);
    typeInto(w, u"t_nome_cad"_qs, name);
    typeInto(w, u"t_apelido_cad"_qs, nick);
    if (message.isEmpty())
        dialogs.expectQuestion(u"Confirma a inclusão do novo registro."_qs, true);
    click(w, u"b_gravar_cad"_qs);
    if (message.isEmpty()) {
        QCOMPARE(f.column(u"select mo_nome from vkl_motoristas where mo_cod = 5"_qs), QStringList{name});
        return;
    }
    QCOMPARE(dialogs.texts(Kind::Information), QStringList{message});
    QCOMPARE(dialogs.lastMessage().caption, u"Administração de Zedera"_qs);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(f.count(u"select count(*) from vkl_motoristas"_qs), qint64(1));
    QCOMPARE(w.modo(), u'I');
}

void TestDriverRegistry::alterSkipsDuplicateTestWhenUnchanged()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    // Old data may already repeat a name; altering such a row without touching its name works.
    addDriver(f, 1, u"JOSE"_qs, u"ZE"_qs);
    addDriver(f, 2, u"JOSE"_qs, u"ZEZINHO"_qs);
    TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    focusGrid(w, 0);
    press(w, Qt::Key_F4);
    QCOMPARE(w.modo(), u'A');
    child<QComboBox>(w, u"t_situa_cad"_qs)->setCurrentIndex(1);
    dialogs.expectQuestion(u"Confirma a alteração do registro atual."_qs, true);
    click(w, u"b_alterar_cad"_qs);
    QCOMPARE(f.column(u"select mo_situa from vkl_motoristas where mo_cod = 1"_qs), QStringList{u"02"_qs});
    QCOMPARE(w.modo(), u'N');
    // Changing it to another row's nickname is still refused.
    press(w, Qt::Key_F4);
    typeInto(w, u"t_apelido_cad"_qs, u"ZEZINHO"_qs);
    click(w, u"b_alterar_cad"_qs);
    QCOMPARE(dialogs.lastMessage().text, u"Apelido já existe cadastrado com o código --> 2"_qs);
}

void TestDriverRegistry::deleteGuardsInOrder_data()
{
    QTest::addColumn<int>("first"); // the first reference present; every later one is present too
    QTest::addColumn<QString>("message");
    const QStringList texts{u"Tem veículo cadastrado com este motorista."_qs,
                            u"Tem movimento de veículo cadastrado com este motorista."_qs,
                            u"Tem abastecimento de veículo cadastrado com este motorista."_qs,
                            u"Tem manutenção de veículo cadastrada com este motorista."_qs,
                            u"Tem multa cadastrada com este motorista."_qs,
                            u"Tem ordem de serviço cadastrado com este motorista."_qs,
                            u"Tem lubrificação cadastrado com este motorista."_qs};
    for (int i = 0; i < texts.size(); ++i)
        QTest::addRow("reference %d", i + 1) << i << texts.at(i);
}

void TestDriverRegistry::deleteGuardsInOrder()
{
    QFETCH(int, first);
    QFETCH(QString, message);
    RegistryFixture f;
    ScriptedDialogService dialogs;
    addDriver(f, 1, u"ANA"_qs, u"AN"_qs);
    addDriver(f, 7, u"BRUNO"_qs, u"BR"_qs);
    const QStringList references{
        u"insert into vkl_veiculos (ve_cod, ve_nro, ve_tipo_combust, ve_tipo_veic, ve_motorista_padrao, ve_ano_setor, ve_setor) values (1, '1', 1, 1, 7, 2026, '01.01.01')"_qs,
        u"insert into vkl_movto_veic (mv_ano, mv_seq, mv_veic, mv_motorista) values (2026, 1, 1, 7)"_qs,
        u"insert into vkl_movto_abast (ma_ano, ma_seq, ma_veic, ma_combust, ma_motorista) values (2026, 1, 1, 1, 7)"_qs,
        u"insert into vkl_manut_veic (mtv_ano, mtv_seq, mtv_veic, mtv_motorista, mtv_causa, mtv_forn) values (2026, 1, 1, 7, 0, 0)"_qs,
        u"insert into vkl_multas (mu_seq, mu_veic, mu_motorista) values (1, 1, 7)"_qs,
        u"insert into vkl_ord_serv (os_empr, os_ano, os_nro, os_motorista, os_veic, os_causa) values (1, 2026, 1, 7, 1, 0)"_qs,
        u"insert into vkl_cad_lub (cl_ano, cl_nro, cl_compl, cl_veic, cl_motorista) values (2026, 1, 'A', 1, 7)"_qs,
    };
    for (int i = first; i < references.size(); ++i)
        f.exec(references.at(i));
    TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    focusGrid(w, 1);
    click(w, u"b_excluir_pesq"_qs);
    QCOMPARE(dialogs.texts(Kind::Information), QStringList{kRefusal + message});
    QCOMPARE(f.count(u"select count(*) from vkl_motoristas"_qs), qint64(2));
    QCOMPARE(w.currentRow(), 1);
}

void TestDriverRegistry::deletePositionsList()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    addDriver(f, 1, u"ANA"_qs, u"AN"_qs);
    addDriver(f, 2, u"BIA"_qs, u"BI"_qs);
    addDriver(f, 3, u"CAIO"_qs, u"CA"_qs);
    TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    const QString confirm = u"Confirma a exclusão do registro selecionado."_qs;

    focusGrid(w, 2);
    dialogs.expectQuestion(confirm, false);
    click(w, u"b_excluir_pesq"_qs);
    QCOMPARE(f.count(u"select count(*) from vkl_motoristas"_qs), qint64(3));

    // A middle or last row: the list lands on the row before it.
    dialogs.expectQuestion(confirm, true);
    click(w, u"b_excluir_pesq"_qs);
    QCOMPARE(listColumn(w, 0), (QStringList{u"1"_qs, u"2"_qs}));
    QCOMPARE(w.currentRow(), 1);

    // The first row, from the edit page: the new first row, and navigation mode.
    focusGrid(w, 0);
    press(w, Qt::Key_F4);
    dialogs.expectQuestion(confirm, true);
    click(w, u"b_excluir_cad"_qs);
    QCOMPARE(listColumn(w, 0), QStringList{u"2"_qs});
    QCOMPARE(w.currentRow(), 0);
    QCOMPARE(w.modo(), u'N');
    QCOMPARE(child<QLineEdit>(w, u"t_nome_cad"_qs)->text(), u"BIA"_qs);

    // The only row: an empty list and empty fields.
    press(w, Qt::Key_F4);
    dialogs.expectQuestion(confirm, true);
    click(w, u"b_excluir_cad"_qs);
    QCOMPARE(w.listModel().rowCount(), 0);
    QCOMPARE(child<QLineEdit>(w, u"t_nome_cad"_qs)->text(), QString());
    click(w, u"b_voltar_cad"_qs);
    click(w, u"b_excluir_pesq"_qs);
    QCOMPARE(dialogs.lastMessage().text, u"Não existe registro para exclusão."_qs);
}

void TestDriverRegistry::captureFromAnotherWindow()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    addDriver(f, 1, u"ANA"_qs, u"AN"_qs, u"02"_qs);
    addDriver(f, 2, u"BIA"_qs, u"BI"_qs, u"01"_qs);
    {
        TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Window);
        showActive(w);
        focusGrid(w, 0);
        press(w, Qt::Key_Return);
        QCOMPARE(dialogs.lastMessage().text, u"ATENÇÃO: Motorista não esta ativo, verifique."_qs);
        QVERIFY(w.isVisible());
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, u"Lista_Motorista"_qs));
        QCOMPARE(w.codigoCapturado(), QString());
        focusGrid(w, 1);
        press(w, Qt::Key_Return);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(w.codigoCapturado(), u"2"_qs);
    }
    {
        // Closed without a pick: nothing captured.
        TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Window);
        showActive(w);
        click(w, u"b_sair_pesq"_qs);
        QCOMPARE(w.codigoCapturado(), QString());
    }
    {
        // From the menu Enter never captures: it walks the grid's columns, wrapping round.
        TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Menu);
        showActive(w);
        focusGrid(w, 1);
        auto *grid = child<QTableView>(w, u"Lista_Motorista"_qs);
        for (int expected : {1, 2, 3, 0})  {
            press(w, Qt::Key_Return);
            QCOMPARE(grid->currentIndex().column(), expected);
        }
        QVERIFY(w.isVisible());
        QCOMPARE(w.codigoCapturado(), QString());
    }
}

void TestDriverRegistry::keysAndModes()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Window);
    showActive(w);
    // Empty list: each key names what is missing.
    press(w, Qt::Key_F4);
    focusGrid(w);
    press(w, Qt::Key_F4);
    press(w, Qt::Key_Return);
    click(w, u"b_filtrar_pesq"_qs);
    click(w, u"b_localizar_pesq"_qs);
    click(w, u"b_imprimir_pesq"_qs);
    QCOMPARE(dialogs.texts(Kind::Information),
             (QStringList{u"Selecione o registro na lista primeiro."_qs, u"Não existe registros para alteração."_qs,
                          u"Não existe registros para capturar."_qs, u"Não existe registros para filtro."_qs,
                          u"Não existe registros para pesquisa."_qs, u"Não existe registros para impressão."_qs}));
    dialogs.clearMessages();

    // Buttons by mode.
    const QStringList buttons{u"b_gravar_cad"_qs, u"b_alterar_cad"_qs, u"b_excluir_cad"_qs, u"b_cancelar_cad"_qs,
                              u"b_voltar_cad"_qs, u"b_primeiro_cad"_qs, u"pn_dados_cad"_qs, u"t_cod_cad"_qs};
    auto states = [&] {
        QString s;
        for (const QString &b : buttons)
            s += child<QWidget>(w, b)->isEnabledTo(child<QWidget>(w, b)->parentWidget()) ? u'1' : u'0';
        return s;
    };
    press(w, Qt::Key_F3);
    QCOMPARE(states(), u"10010011"_qs);
    QTest::keyClicks(QApplication::focusWidget(), u"12ab"_qs); // digits only
    QCOMPARE(child<QLineEdit>(w, u"t_cod_cad"_qs)->text(), u"12"_qs);
    press(w, Qt::Key_F4);
    QCOMPARE(dialogs.lastMessage().text, u"Não existe registro para alteração."_qs);
    click(w, u"b_cancelar_cad"_qs);
    QCOMPARE(states(), u"00001101"_qs);

    addDriver(f, 1, u"ANA"_qs, u"AN"_qs);
    addDriver(f, 2, u"BIA"_qs, u"BI"_qs);
    click(w, u"b_voltar_cad"_qs);
    chooseLetter(w, u"*"_qs);
    focusGrid(w, 0);
    press(w, Qt::Key_F4);
    QCOMPARE(states(), u"01110010"_qs);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, u"t_nome_cad"_qs));
    press(w, Qt::Key_Return); // next control
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, u"t_apelido_cad"_qs));
    click(w, u"b_cancelar_cad"_qs);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(w, u"b_proximo_cad"_qs));

    // Navigation and its two messages.
    click(w, u"b_anterior_cad"_qs);
    click(w, u"b_ultimo_cad"_qs);
    QCOMPARE(child<QLineEdit>(w, u"t_nome_cad"_qs)->text(), u"BIA"_qs);
    click(w, u"b_proximo_cad"_qs);
    click(w, u"b_primeiro_cad"_qs);
    QCOMPARE(child<QLineEdit>(w, u"t_nome_cad"_qs)->text(), u"ANA"_qs);
    QCOMPARE(dialogs.texts(Kind::Information).mid(1), (QStringList{u"Primeiro registro"_qs, u"Último registro"_qs}));
}

void TestDriverRegistry::printedList()
{
    RegistryFixture f;
    ScriptedDialogService dialogs;
    for (int i = 1; i <= 53; ++i)
        addDriver(f, i, u"MOTORISTA %1"_qs.arg(i, 2, 10, QLatin1Char('0')), u"M%1"_qs.arg(i), i == 2 ? u"02"_qs : u"01"_qs);
    TF_Cad_Motorista w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    QStringList page1, page2;
    int pages = 0;
    dialogs.expectExec(QDialog::Accepted); // print set-up
    dialogs.expectExec([&](QDialog &) {
        const TextDocument &doc = child<TextPrinter>(w, u"Impr_Motorista"_qs)->document();
        pages = doc.pageCount();
        page1 = doc.textLines(1);
        page2 = doc.textLines(2);
        return int(QDialog::Accepted);
    });
    click(w, u"b_imprimir_pesq"_qs);
    QCOMPARE(pages, 2);
    // 52 rows fill rows 11 to 62 of page 1; the 53rd starts page 2.
    QCOMPARE(page1.value(1).trimmed(), u"PREFEITURA MUNICIPAL"_qs);
    QCOMPARE(page1.value(3).trimmed(), u"ADMINISTRAÇÃO DE ZEDERA"_qs);
    QCOMPARE(page1.value(5).trimmed(), u"Relatório do cadastro de Motoristas"_qs);
    QCOMPARE(page1.value(7), QString(80, u'='));
    QCOMPARE(page1.value(8), u"Código  Nome                                      Apelido          Situação"_qs);
    QCOMPARE(page1.value(9), QString(80, u'='));
    QCOMPARE(page1.value(10), u"      1 MOTORISTA 01                              M1               01 - Ativo"_qs);
    QCOMPARE(page1.value(11), u"      2 MOTORISTA 02                              M2               02 - Saiu"_qs);
    QCOMPARE(page1.value(61).left(20), u"     52 MOTORISTA 52"_qs);
    QCOMPARE(page1.value(62), QString());
    QCOMPARE(page1.value(63), QString(80, u'-'));
    QVERIFY(page1.value(64).startsWith(u"ZEDERA - ZUQ - 2026"_qs));
    QVERIFY(page1.value(64).endsWith(u"  Folha - 001"_qs));
    QCOMPARE(page2.value(10).left(20), u"     53 MOTORISTA 53"_qs);
    QVERIFY(page2.value(64).endsWith(u"  Folha - 002"_qs));
    QCOMPARE(w.currentRow(), 52);

    // A letter in force prints only its rows.
    chooseSearchItem(w, u"Nome"_qs);
    typeInto(w, u"t_vr_pesq"_qs, QString());
    chooseLetter(w, u"*"_qs);
    dialogs.expectExec(QDialog::Rejected); // set-up cancelled: nothing printed
    click(w, u"b_imprimir_pesq"_qs);
    QCOMPARE(dialogs.pendingExecs(), 0);
}

QTEST_MAIN(TestDriverRegistry)
#include "tst_driver_registry.moc"
