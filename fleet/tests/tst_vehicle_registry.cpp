// The vehicle registry's edit page driven as a user would: saving, its checks in order, the
// odometer question, the fleet number typed on an insert, delete guards and pickers.
#include "VehicleTestKit.h"

#include "ScriptedDialogService.h"
#include "framework/RegistryListModel.h"
#include "lookup/LookupDialog.h"
#include "widgets/NumericEdit.h"

#include <QFocusEvent>
#include <QLabel>
#include <QTableView>
#include <QTest>

using namespace zedera;
using namespace zedera::fleet;
using namespace zedera::fleet::testing;
using namespace zedera::registry;
using namespace zedera::registry::testing;
using zedera::testing::ScriptedDialogService;
using Kind = ScriptedDialogService::Kind;

namespace {

const QString kIncluir = QStringLiteral("Confirma a inclusão do novo registro.");
const QString kAlterar = QStringLiteral("Confirma a alteração do registro atual.");
const QString kKmAlterado = QStringLiteral(
    "ATENÇÃO: A kilometragem atual foi alterada, isto pode causar problemas no controle\r"
    "da kilometragem deste veículo.\r\rÉ realmente necessária está alteração...?");

// F3 and a complete new vehicle, ready to save.
void startValidInsert(TF_Cad_Veic &w)
{
    press(w, Qt::Key_F3);
    set(w, u"t_modelo"_qs, u"GOL"_qs);
    set(w, u"t_tipo_veic"_qs, u"1"_qs);
    set(w, u"t_tipo_combust"_qs, u"1"_qs);
    set(w, u"t_setor"_qs, u"01.02.03"_qs);
    set(w, u"t_motorista_padrao"_qs, u"1"_qs);
    set(w, u"t_capac_tanque"_qs, u"50"_qs);
    set(w, u"t_km_virada"_qs, u"999999"_qs);
}

} // namespace

class TestVehicleRegistry : public QObject {
    Q_OBJECT
private slots:
    void insertWritesEveryColumn();
    void validation_data();
    void validation();
    void currentReadingQuestion_data();
    void currentReadingQuestion();
    void alterationStampsExercise();
    void typedNumberSwitchesToAlteration();
    void typedNumberOutsideListAltersThatVehicle();
    void duplicateFleetNumberRefused();
    void fleetNumberZero();
    void deleteGuardsInOrder_data();
    void deleteGuardsInOrder();
    void pickersAndDescriptions();
};

void TestVehicleRegistry::insertWritesEveryColumn()
{
    RegistryFixture f;
    seed(f);
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    QCOMPARE(w.windowTitle(), u"G.K - Cadastro de Veículos"_qs);

    startValidInsert(w);
    QCOMPARE(focused(), u"t_nro"_qs); // the code is never typed
    set(w, u"t_letra_placa"_qs, u"ABC"_qs);
    set(w, u"t_nro_placa"_qs, u"123"_qs);
    set(w, u"t_mes_licenc"_qs, u"03 - Março"_qs);
    set(w, u"t_cons_min"_qs, u"7.5"_qs);
    set(w, u"t_estado"_qs, u"87.25"_qs);
    set(w, u"t_dt_aquis"_qs, u"15/03/2020"_qs);
    set(w, u"t_sproj"_qs, u"4"_qs);
    set(w, u"t_baixa"_qs, u"03 - Furtado"_qs);
    set(w, u"t_descr_baixa"_qs, u"levado da garagem"_qs);
    dialogs.expectQuestion(kIncluir, true);
    click(w, u"b_gravar_cad"_qs);

    // Empty table: code 1, and the empty fleet number takes its digits.
    QCOMPARE(f.column(u"select ve_cod || '|' || ve_nro || '|' || ve_nro_placa || '|' || ve_mes_licenc || '|' || "
                      "ve_cons_min || '|' || ve_estado || '|' || ve_dt_aquis || '|' || ve_ano_setor || '|' || "
                      "ve_setor || '|' || ve_setor_conv || '|' || ve_proj || '|' || ve_sproj || '|' || "
                      "ve_declaravel || ve_pertence || ve_contr_km || ve_baixa || ve_cad_atual || '|' || "
                      "ve_descr_baixa from vkl_veiculos"_qs),
             QStringList{u"1|1|0123|03|7.50|87.25|2020-03-15|2026|01.02.03||0|4|S01S030|LEVADO DA GARAGEM"_qs});
    QCOMPARE(f.count(u"select count(*) from vkl_veiculos where ve_dt_alienacao is null and ve_km_atual = 0"_qs), 1);
    QCOMPARE(w.modo(), QChar(u'N'));
    QVERIFY(dialogs.unexpected().isEmpty());
}

namespace {

// The checks in the order they run, each as the field that breaks it and its message.
struct Check {
    const char16_t *field;
    const char16_t *value;
    const char16_t *message;
};
const Check kChecks[] = {
    {u"t_tipo_veic", u"", u"O código do tipo de veículo deve ser informado."},
    {u"t_tipo_veic", u"9", u"O código do tipo de veículo não esta cadastrado."},
    {u"t_tipo_combust", u"", u"O código do tipo de combustível deve ser informado."},
    {u"t_tipo_combust", u"9", u"O código do tipo de combustível não esta cadastrado."},
    {u"t_setor", u"", u"O código do setor deve ser informado."},
    {u"t_setor", u"09.09.09", u"O código do setor não esta cadastrado."},
    {u"t_proj", u"5", u"Código do projeto não esta cadastrado."}, // 5 exists with sub-project 2 only
    {u"t_motorista_padrao", u"", u"O código do motorista deve ser informado."},
    {u"t_motorista_padrao", u"9", u"O código do motorista não esta cadastrado."},
    {u"t_capac_tanque", u"0", u"A capacidade do tanque deve ser informado."},
    {u"t_km_virada", u"0", u"A kilometragem de virada do Hodômetro deve ser digitada."},
};

} // namespace

void TestVehicleRegistry::validation_data()
{
    QTest::addColumn<int>("check");        // the check that must fail; -1: the save goes through
    QTest::addColumn<QStringList>("edits"); // "field=value" for the cases that save

    for (int i = 0; i < int(std::size(kChecks)); ++i)
        QTest::addRow("%s", qPrintable(QString::fromUtf16(kChecks[i].message))) << i << QStringList();
    QTest::newRow("negative capacity") << -1 << QStringList{u"t_capac_tanque=-5"_qs};
    QTest::newRow("rollover 0 without km control") << -1 << QStringList{u"t_km_virada=0"_qs, u"t_contr_km=NÃO"_qs};
    QTest::newRow("empty project") << -1 << QStringList{u"t_proj="_qs, u"t_sproj=3"_qs};
}

void TestVehicleRegistry::validation()
{
    QFETCH(int, check);
    QFETCH(QStringList, edits);
    RegistryFixture f;
    seed(f);
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    startValidInsert(w);
    // The failing check and every later one are broken: the first in order must speak.
    for (int i = int(std::size(kChecks)) - 1; check >= 0 && i >= check; --i)
        set(w, QString::fromUtf16(kChecks[i].field), QString::fromUtf16(kChecks[i].value));
    for (const QString &edit : edits)
        set(w, edit.section(u'=', 0, 0), edit.section(u'=', 1));
    if (check < 0)
        dialogs.expectQuestion(kIncluir, true);
    click(w, u"b_gravar_cad"_qs);

    if (check < 0) {
        QVERIFY(dialogs.texts(Kind::Information).isEmpty());
        QCOMPARE(f.count(u"select count(*) from vkl_veiculos"_qs), 1);
        if (edits.first().startsWith(u"t_proj"))
            QCOMPARE(f.column(u"select ve_proj || '.' || ve_sproj from vkl_veiculos"_qs), QStringList{u"0.3"_qs});
        return;
    }
    QCOMPARE(dialogs.texts(Kind::Information), QStringList{QString::fromUtf16(kChecks[check].message)});
    QCOMPARE(dialogs.lastMessage().caption, u"Administração de Zedera"_qs);
    QCOMPARE(focused(), QString::fromUtf16(kChecks[check].field));
    QCOMPARE(f.count(u"select count(*) from vkl_veiculos"_qs), 0);
    QCOMPARE(w.modo(), QChar(u'I'));
}

void TestVehicleRegistry::currentReadingQuestion_data()
{
    QTest::addColumn<bool>("alter");
    QTest::addColumn<QString>("pertence");
    QTest::addColumn<QString>("contrKm");
    QTest::addColumn<int>("answer"); // -1: no question asked
    QTest::addColumn<QString>("stored");

    QTest::newRow("alter, controlled, Yes keeps") << true << u"01 - Empresa"_qs << u"SIM"_qs << 1 << u"1500|S"_qs;
    QTest::newRow("alter, controlled, No restores") << true << u"01 - Empresa"_qs << u"SIM"_qs << 0 << u"1000|S"_qs;
    QTest::newRow("alter, not controlled") << true << u"02 - Terceiros"_qs << u"NÃO"_qs << -1 << u"1500|N"_qs;
    // Equipment is saved without km control, whatever the pick list showed: no question.
    QTest::newRow("alter, equipment") << true << u"03 - Equipamentos"_qs << u"SIM"_qs << -1 << u"1500|N"_qs;
    QTest::newRow("insert") << false << u"01 - Empresa"_qs << u"SIM"_qs << -1 << u"1500|S"_qs;
}

void TestVehicleRegistry::currentReadingQuestion()
{
    QFETCH(bool, alter);
    QFETCH(QString, pertence);
    QFETCH(QString, contrKm);
    QFETCH(int, answer);
    QFETCH(QString, stored);
    RegistryFixture f;
    seed(f);
    addVehicle(f, 7, u"70"_qs);
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    if (alter) {
        focusRow(w, 0);
        press(w, Qt::Key_F4);
        QCOMPARE(focused(), u"t_modelo"_qs);
    } else {
        f.exec(u"delete from vkl_veiculos"_qs);
        startValidInsert(w);
    }
    set(w, u"t_pertence"_qs, pertence);
    set(w, u"t_contr_km"_qs, contrKm);
    set(w, u"t_km_atual"_qs, u"1500"_qs);
    if (answer >= 0)
        dialogs.expectQuestion(kKmAlterado, answer == 1);
    if (answer != 0)
        dialogs.expectQuestion(alter ? kAlterar : kIncluir, true);
    click(w, alter ? u"b_alterar_cad"_qs : u"b_gravar_cad"_qs);

    const int cod = alter ? 7 : 1;
    QCOMPARE(f.column(u"select ve_km_atual || '|' || ve_contr_km from vkl_veiculos where ve_cod = %1"_qs.arg(cod)),
             QStringList{stored});
    if (answer >= 0) {
        const auto question = dialogs.messages().first();
        QVERIFY(!question.defaultYes);
    }
    if (answer == 0) {
        // No puts the loaded reading back and stops, still altering.
        QCOMPARE(child<IntegerEdit>(w, u"t_km_atual"_qs)->value(), qint64(1000));
        QCOMPARE(focused(), u"t_km_atual"_qs);
        QCOMPARE(w.modo(), QChar(u'A'));
    }
}

void TestVehicleRegistry::alterationStampsExercise()
{
    RegistryFixture f;
    seed(f);
    addVehicle(f, 3, u"30"_qs, {{u"ve_ano_setor"_qs, 2025}, {u"ve_setor_conv"_qs, u"ANTIGO"_qs},
                                {u"ve_cad_atual"_qs, u"1"_qs}});
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    focusRow(w, 0);
    press(w, Qt::Key_F4);
    set(w, u"t_marca"_qs, u"VW"_qs);
    dialogs.expectQuestion(kAlterar, true);
    click(w, u"b_alterar_cad"_qs);
    // The sector year follows the exercise; the conversion sector and the flag are kept.
    QCOMPARE(f.column(u"select ve_ano_setor || '|' || ve_setor_conv || '|' || ve_cad_atual || '|' || ve_marca "
                      "from vkl_veiculos"_qs),
             QStringList{u"2026|ANTIGO|1|VW"_qs});
}

void TestVehicleRegistry::typedNumberSwitchesToAlteration()
{
    RegistryFixture f;
    seed(f);
    addVehicle(f, 1, u"10"_qs);
    addVehicle(f, 2, u"20"_qs, {{u"ve_marca"_qs, u"FORD"_qs}});
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    press(w, Qt::Key_F3);
    QTest::keyClicks(QApplication::focusWidget(), u"20"_qs);
    set(w, u"t_marca"_qs, u"TYPED"_qs);
    press(w, Qt::Key_Return); // on to t_modelo

    QCOMPARE(focused(), u"t_modelo"_qs);
    QCOMPARE(w.modo(), QChar(u'A'));
    QCOMPARE(w.currentRecord().integer(u"ve_cod"_qs), 2);
    // The vehicle's fields replace what was typed.
    QCOMPARE(text(w, u"t_marca"_qs), u"FORD"_qs);
    QVERIFY(!child<QLabel>(w, u"lb_fora_lista"_qs)->isVisible());
    QVERIFY(dialogs.messages().isEmpty());

    // An unknown number stays an insert.
    press(w, Qt::Key_F3);
    QTest::keyClicks(QApplication::focusWidget(), u"99"_qs);
    press(w, Qt::Key_Return);
    QCOMPARE(w.modo(), QChar(u'I'));
}

void TestVehicleRegistry::typedNumberOutsideListAltersThatVehicle()
{
    RegistryFixture f;
    seed(f);
    addVehicle(f, 1, u"10"_qs);
    // Its project is not registered: the list never shows it.
    addVehicle(f, 2, u"20"_qs, {{u"ve_proj"_qs, 9}, {u"ve_sproj"_qs, 9}, {u"ve_marca"_qs, u"FORD"_qs}});
    addVehicle(f, 4, u"40"_qs, {{u"ve_motorista_padrao"_qs, 99}}); // no such driver
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    QCOMPARE(w.listModel().rowCount(), 1);

    press(w, Qt::Key_F3);
    QTest::keyClicks(QApplication::focusWidget(), u"20"_qs);
    press(w, Qt::Key_Return);
    QCOMPARE(w.modo(), QChar(u'A'));
    QCOMPARE(w.codigoForaDaLista(), std::optional<qint64>(2));
    QVERIFY(child<QLabel>(w, u"lb_fora_lista"_qs)->isVisible());
    QCOMPARE(text(w, u"t_marca"_qs), u"FORD"_qs);
    QCOMPARE(text(w, u"t_proj"_qs), u"9"_qs);

    // Saving it must fix its project first, and then changes vehicle 2, never the list's row.
    set(w, u"t_marca"_qs, u"FIAT"_qs);
    click(w, u"b_alterar_cad"_qs);
    QCOMPARE(dialogs.texts(Kind::Information), QStringList{u"Código do projeto não esta cadastrado."_qs});
    set(w, u"t_proj"_qs, u"5"_qs);
    set(w, u"t_sproj"_qs, u"2"_qs);
    dialogs.expectQuestion(kAlterar, true);
    click(w, u"b_alterar_cad"_qs);
    QCOMPARE(f.column(u"select ve_cod || coalesce(ve_marca, '') || ve_proj from vkl_veiculos order by ve_cod"_qs),
             (QStringList{u"10"_qs, u"2FIAT5"_qs, u"40"_qs}));
    QCOMPARE(w.modo(), QChar(u'N'));
    QVERIFY(!child<QLabel>(w, u"lb_fora_lista"_qs)->isVisible());

    // Deleting on the edit page also takes the vehicle shown, not the list's row.
    addVehicle(f, 3, u"30"_qs, {{u"ve_ano_setor"_qs, 2024}}); // sector not registered for 2024
    press(w, Qt::Key_F3);
    QTest::keyClicks(QApplication::focusWidget(), u"30"_qs);
    press(w, Qt::Key_Return);
    QCOMPARE(w.codigoForaDaLista(), std::optional<qint64>(3));
    dialogs.expectQuestion(u"Confirma a exclusão do registro selecionado."_qs, true);
    click(w, u"b_excluir_cad"_qs);
    QCOMPARE(f.column(u"select ve_cod from vkl_veiculos order by ve_cod"_qs), (QStringList{u"1"_qs, u"2"_qs, u"4"_qs}));

    // Cancelling shows the list's row again and forgets the other vehicle.
    press(w, Qt::Key_F3);
    QTest::keyClicks(QApplication::focusWidget(), u"40"_qs);
    press(w, Qt::Key_Return);
    QVERIFY(w.codigoForaDaLista());
    click(w, u"b_cancelar_cad"_qs);
    QVERIFY(!w.codigoForaDaLista());
    QCOMPARE(text(w, u"t_nro"_qs), w.currentRecord().text(u"ve_nro"_qs));
}

void TestVehicleRegistry::duplicateFleetNumberRefused()
{
    RegistryFixture f;
    seed(f);
    addVehicle(f, 1, u"10"_qs);
    addVehicle(f, 2, u"20"_qs);
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    // Altering vehicle 20 to the number of vehicle 10 would make every window find either.
    focusRow(w, 1);
    press(w, Qt::Key_F4);
    set(w, u"t_nro"_qs, u"10"_qs);
    click(w, u"b_alterar_cad"_qs);
    QCOMPARE(dialogs.texts(Kind::Information), QStringList{u"Número já existe cadastrado com o código --> 1"_qs});
    QCOMPARE(focused(), u"t_nro"_qs);
    // Its own number is no conflict.
    set(w, u"t_nro"_qs, u"20"_qs);
    dialogs.expectQuestion(kAlterar, true);
    click(w, u"b_alterar_cad"_qs);
    QCOMPARE(dialogs.pendingQuestions(), 0);
}

void TestVehicleRegistry::fleetNumberZero()
{
    RegistryFixture f;
    seed(f);
    addVehicle(f, 1, u"0"_qs);
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    click(w, u"b_excluir_pesq"_qs);
    focusRow(w, 0);
    press(w, Qt::Key_F4);
    click(w, u"b_alterar_cad"_qs);
    click(w, u"b_excluir_cad"_qs);
    QCOMPARE(dialogs.texts(Kind::Information),
             (QStringList{u"Veículo não pode ser excluído."_qs, u"Veículo não pode ser alterado."_qs,
                          u"Veículo não pode ser excluído."_qs}));
    QCOMPARE(f.count(u"select count(*) from vkl_veiculos"_qs), 1);
}

void TestVehicleRegistry::deleteGuardsInOrder_data()
{
    QTest::addColumn<int>("first"); // the first table holding a row of the vehicle
    QTest::addColumn<QString>("message");
    const QStringList what{u"movimento de veículos cadastrado"_qs, u"movimento de abastecimento cadastrado"_qs,
                           u"movimento de manutenção cadastrado"_qs, u"licenciamento de veículos cadastrado"_qs,
                           u"multa cadastrada"_qs, u"seguro de veículos cadastrado"_qs,
                           u"ordem de serviço cadastrado"_qs, u"lançamento de lubrificação cadastrado"_qs};
    for (int i = 0; i < what.size(); ++i)
        QTest::addRow("%d", i) << i
                               << u"ATENÇÃO: Registro não pode ser excluído.\r\rTem %1 com este veículo."_qs.arg(what.at(i));
    QTest::newRow("free") << 8 << QString();
}

void TestVehicleRegistry::deleteGuardsInOrder()
{
    QFETCH(int, first);
    QFETCH(QString, message);
    RegistryFixture f;
    seed(f);
    addVehicle(f, 1, u"10"_qs);
    addVehicle(f, 2, u"20"_qs);
    const QStringList refs{
        u"insert into vkl_movto_veic (mv_ano, mv_seq, mv_veic) values (2026, 1, 2)"_qs,
        u"insert into vkl_movto_abast (ma_ano, ma_seq, ma_veic, ma_combust) values (2026, 1, 2, 1)"_qs,
        u"insert into vkl_manut_veic (mtv_ano, mtv_seq, mtv_veic, mtv_motorista, mtv_causa, mtv_forn) "
        "values (2026, 1, 2, 1, 0, 0)"_qs,
        u"insert into vkl_licenciamento (lc_ano, lc_veic, lc_forn) values (2026, 2, 0)"_qs,
        u"insert into vkl_multas (mu_seq, mu_veic, mu_motorista) values (1, 2, 1)"_qs,
        u"insert into vkl_seguros (sv_seq, sv_veic, sv_segur) values (1, 2, 1)"_qs,
        u"insert into vkl_ord_serv (os_empr, os_ano, os_nro, os_motorista, os_veic, os_causa) "
        "values (1, 2026, 1, 1, 2, 0)"_qs,
        u"insert into vkl_cad_lub (cl_ano, cl_nro, cl_compl, cl_veic, cl_motorista) values (2026, 1, 'A', 2, 1)"_qs,
    };
    // Rows in this table and every later one: the first guard in order speaks.
    for (int i = first; i < refs.size(); ++i)
        f.exec(refs.at(i));
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    focusRow(w, 1);
    if (message.isEmpty())
        dialogs.expectQuestion(u"Confirma a exclusão do registro selecionado."_qs, true);
    click(w, u"b_excluir_pesq"_qs);
    if (message.isEmpty()) {
        QCOMPARE(f.column(u"select ve_nro from vkl_veiculos"_qs), QStringList{u"10"_qs});
        QCOMPARE(w.currentRecord().text(u"ve_nro"_qs), u"10"_qs);
        return;
    }
    QCOMPARE(dialogs.texts(Kind::Information), QStringList{message});
    QCOMPARE(f.count(u"select count(*) from vkl_veiculos"_qs), 2);
}

void TestVehicleRegistry::pickersAndDescriptions()
{
    RegistryFixture f;
    seed(f);
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    press(w, Qt::Key_F3);

    // F2 on the driver opens the driver registry to pick from; the pick fills the code only.
    dialogs.expectExec(u"TF_Cad_Motorista"_qs, [](QDialog &d) {
        showActive(d);
        auto *grid = child<QTableView>(d, u"Lista_Motorista"_qs);
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(1, 0)); // PEDRO, ordered by code
        press(d, Qt::Key_Return);
        return d.result();
    });
    child<QWidget>(w, u"t_motorista_padrao"_qs)->setFocus();
    press(w, Qt::Key_F2);
    QCOMPARE(text(w, u"t_motorista_padrao"_qs), u"2"_qs);
    QCOMPARE(text(w, u"t_nome_motorista_padrao"_qs), QString());
    // The description comes as the focus moves on.
    showActive(w);
    child<QWidget>(w, u"t_motorista_padrao"_qs)->setFocus();
    press(w, Qt::Key_Return);
    QCOMPARE(focused(), u"t_dt_alienacao"_qs);
    QCOMPARE(text(w, u"t_nome_motorista_padrao"_qs), u"PEDRO"_qs);

    // An unknown code: the message, and back to the code.
    set(w, u"t_tipo_veic"_qs, u"8"_qs);
    child<QWidget>(w, u"t_tipo_combust"_qs)->setFocus();
    QCOMPARE(dialogs.texts(Kind::Information), QStringList{u"Código do tipo de veículo não esta cadastrado."_qs});
    QCOMPARE(focused(), u"t_tipo_veic"_qs);
    // The focus coming back when a box closes over a field is no moving on: no second message.
    QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(child<QWidget>(w, u"t_tipo_combust"_qs), &back);
    QCOMPARE(dialogs.texts(Kind::Information).size(), 1);
    set(w, u"t_setor"_qs, u"01.02.03"_qs);
    child<QWidget>(w, u"t_proj"_qs)->setFocus();
    QCOMPARE(text(w, u"t_descr_setor"_qs), u"OBRAS"_qs);

    // The project lookup fills the project and its sub-project.
    dialogs.expectExec(u"TF_Loc_Proj"_qs, [](QDialog &d) {
        showActive(d);
        auto &lookup = static_cast<LookupBase &>(d);
        const int row = lookup.model().findFirst(
            [](const LookupModel &m, int r) { return m.value(r, u"pra_proj"_qs).toInt() == 5; });
        lookup.grid()->setFocus();
        lookup.grid()->setCurrentIndex(lookup.model().index(row, 0));
        press(d, Qt::Key_Return);
        return d.result();
    });
    press(w, Qt::Key_F2);
    QCOMPARE(text(w, u"t_proj"_qs) + u'.' + text(w, u"t_sproj"_qs), u"5.2"_qs);
    // Closed without a pick, the field keeps its value.
    dialogs.expectExec(u"TF_Loc_Proj"_qs, [](QDialog &) { return int(QDialog::Rejected); });
    showActive(w);
    child<QWidget>(w, u"t_proj"_qs)->setFocus();
    press(w, Qt::Key_F2);
    QCOMPARE(text(w, u"t_proj"_qs), u"5"_qs);
    QVERIFY(dialogs.unexpected().isEmpty());
}

QTEST_MAIN(TestVehicleRegistry)
#include "tst_vehicle_registry.moc"
