// The vehicle registry driven as a user would: saving, its checks, the odometer question, the
// fleet number typed on an insert, delete guards, capture, pickers and the search items.
#include "veiculos/TF_Cad_Veic.h"
#include "veiculos/VeiculoPanel.h"

#include "RegistryTestKit.h"
#include "ScriptedDialogService.h"
#include "framework/RegistryListModel.h"
#include "filter/FilterPage.h"
#include "lookup/LookupDialog.h"
#include "widgets/NumericEdit.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

using namespace zedera;
using namespace zedera::fleet;
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

// One vehicle type, fuel, driver, sector of the exercise and project, and the "no project" row
// that vehicles without a project are listed through.
void seed(RegistryFixture &f)
{
    f.exec(u"insert into vkl_tipo_veic values(1, 'CAMINHAO', 'K')"_qs);
    f.exec(u"insert into vkl_tipo_combust values(1, 'DIESEL', 0, 0)"_qs);
    f.exec(u"insert into vkl_motoristas values(1, 'JOAO DA SILVA', 'JOAO', '01')"_qs);
    f.exec(u"insert into vkl_motoristas values(2, 'PEDRO', 'PEDRO', '01')"_qs);
    f.exec(u"insert into setores (st_exerc, st_cod, st_nome) values(2026, '01.02.03', 'OBRAS')"_qs);
    f.exec(u"insert into setores (st_exerc, st_cod, st_nome) values(2025, '01.02.03', 'OBRAS 2025')"_qs);
    f.exec(u"insert into proj_almoxarifado (pra_proj, pra_sproj, pra_descr) values(0, 0, 'SEM PROJETO')"_qs);
    f.exec(u"insert into proj_almoxarifado (pra_proj, pra_sproj, pra_descr) values(5, 2, 'ESTRADAS')"_qs);
}

// A vehicle that the list shows, with `changes` over the defaults.
void addVehicle(RegistryFixture &f, int cod, const QString &nro, const QVariantHash &changes = {})
{
    QVariantHash v{{u"ve_cod"_qs, cod},           {u"ve_nro"_qs, nro},
                   {u"ve_modelo"_qs, u"MODELO %1"_qs.arg(cod)},
                   {u"ve_tipo_combust"_qs, 1},    {u"ve_tipo_veic"_qs, 1},
                   {u"ve_capac_tanque"_qs, 50},   {u"ve_motorista_padrao"_qs, 1},
                   {u"ve_ano_setor"_qs, 2026},    {u"ve_setor"_qs, u"01.02.03"_qs},
                   {u"ve_proj"_qs, 0},            {u"ve_sproj"_qs, 0},
                   {u"ve_mes_licenc"_qs, u"00"_qs}, {u"ve_declaravel"_qs, u"S"_qs},
                   {u"ve_baixa"_qs, u"00"_qs},    {u"ve_pertence"_qs, u"01"_qs},
                   {u"ve_contr_km"_qs, u"S"_qs},  {u"ve_km_virada"_qs, 999999},
                   {u"ve_km_atual"_qs, 1000},     {u"ve_cad_atual"_qs, u"0"_qs}};
    for (auto it = changes.begin(); it != changes.end(); ++it)
        v.insert(it.key(), it.value());
    const QStringList columns = v.keys();
    QStringList params;
    for (const QString &c : columns)
        params << u':' + c;
    Query q(*f.cad, u"insert into vkl_veiculos (%1) values (%2)"_qs.arg(columns.join(u", "), params.join(u", ")));
    for (const QString &c : columns)
        q.bind(u':' + c, v.value(c));
    q.exec();
}

// Sets a field of the edit page as the user leaves it.
void set(QWidget &w, const QString &name, const QString &value)
{
    QWidget *field = child<QWidget>(w, name);
    if (auto *c = qobject_cast<QComboBox *>(field))
        c->setCurrentIndex(c->findText(value));
    else if (auto *i = qobject_cast<IntegerEdit *>(field))
        value.isEmpty() ? i->clear() : i->setValue(value.toLongLong());
    else if (auto *d = qobject_cast<DecimalEdit *>(field))
        d->setValue(Decimal::parse(value).value_or(Decimal()));
    else if (auto *t = qobject_cast<QPlainTextEdit *>(field))
        t->setPlainText(value);
    else
        qobject_cast<QLineEdit *>(field)->setText(value);
}

QString text(const QWidget &w, const QString &name)
{
    QWidget *field = child<QWidget>(w, name);
    if (auto *c = qobject_cast<QComboBox *>(field))
        return c->currentText();
    return qobject_cast<QLineEdit *>(field)->text();
}

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

QString focused()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

void focusRow(TF_Cad_Veic &w, int row)
{
    auto *grid = child<QTableView>(w, u"Lista_Veic"_qs);
    grid->setFocus();
    grid->setCurrentIndex(w.listModel().index(row, 0));
}

} // namespace

class TestVehicleRegistry : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFilterPage(); }
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
    void capture();
    void pickersAndDescriptions();
    void searches_data();
    void searches();
    void filterOverJoinedColumns_data();
    void filterOverJoinedColumns();
    void letterOnPlateOrder();
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

void TestVehicleRegistry::capture()
{
    RegistryFixture f;
    seed(f);
    addVehicle(f, 1, u"10"_qs);
    addVehicle(f, 2, u"20"_qs);
    ScriptedDialogService dialogs;
    {
        TF_Cad_Veic w(f.env, RegistryWindow::Opener::Window);
        showActive(w);
        focusRow(w, 1);
        press(w, Qt::Key_Return);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(w.codigoCapturado(), u"2"_qs);
        QCOMPARE(w.numeroCapturado(), u"20"_qs);
    }
    {
        // Leaving with Sair picks nothing.
        TF_Cad_Veic w(f.env, RegistryWindow::Opener::Window);
        showActive(w);
        click(w, u"b_sair_pesq"_qs);
        QVERIFY(w.codigoCapturado().isEmpty() && w.numeroCapturado().isEmpty());
    }
    {
        // From the menu Enter picks nothing and the window stays.
        TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
        showActive(w);
        focusRow(w, 1);
        press(w, Qt::Key_Return);
        QVERIFY(w.isVisible());
        QVERIFY(w.codigoCapturado().isEmpty() && w.numeroCapturado().isEmpty());
    }
    QVERIFY(dialogs.messages().isEmpty());
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

void TestVehicleRegistry::searches_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found"); // fleet number of the row found; empty: none

    QTest::newRow("number prefix beyond 6") << u"Número"_qs << u"123456"_qs << u"1234567"_qs;
    QTest::newRow("plate") << u"Placa veículo"_qs << u"abc0123"_qs << u"20"_qs;
    QTest::newRow("plate, letters of another") << u"Placa veículo"_qs << u"ABC0124"_qs << u"10"_qs;
    QTest::newRow("plate, other digits") << u"Placa veículo"_qs << u"ABC0125"_qs << QString();
    QTest::newRow("project") << u"Projeto"_qs << u"000005000002"_qs << u"20"_qs;
    QTest::newRow("date") << u"Data aquisição"_qs << u"15032020"_qs << u"20"_qs;
    QTest::newRow("driver name") << u"Nome do motorista"_qs << u"ped"_qs << u"1234567"_qs;
    QTest::newRow("consumption") << u"Consumo mínimo"_qs << u"7,5"_qs << u"20"_qs;
}

void TestVehicleRegistry::searches()
{
    QFETCH(QString, item);
    QFETCH(QString, typed);
    QFETCH(QString, found);
    RegistryFixture f;
    seed(f);
    addVehicle(f, 1, u"10"_qs, {{u"ve_letra_placa"_qs, u"ABC"_qs}, {u"ve_nro_placa"_qs, u"0124"_qs}});
    addVehicle(f, 2, u"20"_qs,
               {{u"ve_letra_placa"_qs, u"ABC"_qs}, {u"ve_nro_placa"_qs, u"0123"_qs}, {u"ve_proj"_qs, 5},
                {u"ve_sproj"_qs, 2}, {u"ve_dt_aquis"_qs, QDate(2020, 3, 15)}, {u"ve_cons_min"_qs, u"7.50"_qs}});
    addVehicle(f, 3, u"1234567"_qs, {{u"ve_motorista_padrao"_qs, 2}});
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    auto *combo = child<QComboBox>(w, u"t_campo_pesq"_qs);
    QCOMPARE(combo->count(), 38);
    QCOMPARE(combo->currentText(), u"Número"_qs);
    combo->setCurrentIndex(combo->findText(item));
    QCOMPARE(w.listModel().rowCount(), 3); // reopened, ordered by the item's column(s)
    auto *value = child<QLineEdit>(w, u"t_vr_pesq"_qs);
    value->setFocus();
    value->home(false);
    QTest::keyClicks(value, typed);
    click(w, u"b_localizar_pesq"_qs);
    if (found.isEmpty()) {
        QCOMPARE(dialogs.texts(Kind::Information), QStringList{u"Nenhum registro encontrado nesta condição."_qs});
        return;
    }
    QCOMPARE(dialogs.texts(Kind::Information), QStringList());
    QCOMPARE(w.currentRecord().text(u"ve_nro"_qs), found);
}

void TestVehicleRegistry::filterOverJoinedColumns_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("condition");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("driver's name containing") << 28 << 8 << u"ED"_qs << QStringList{u"20"_qs};
    QTest::newRow("condition above, decimal comma") << 25 << 3 << u"50,25"_qs << QStringList{u"20"_qs};
    QTest::newRow("acquired on") << 16 << 0 << u"15/03/2020"_qs << QStringList{u"20"_qs};
    QTest::newRow("sector code") << 30 << 0 << u"01.02.03"_qs << QStringList{u"10"_qs, u"20"_qs};
    QTest::newRow("quote is data") << 2 << 7 << u"O'B"_qs << QStringList{u"30"_qs};
}

void TestVehicleRegistry::filterOverJoinedColumns()
{
    QFETCH(int, column);
    QFETCH(int, condition);
    QFETCH(QString, value);
    QFETCH(QStringList, listed);
    RegistryFixture f;
    seed(f);
    addVehicle(f, 1, u"10"_qs, {{u"ve_estado"_qs, u"50.25"_qs}});
    addVehicle(f, 2, u"20"_qs, {{u"ve_motorista_padrao"_qs, 2}, {u"ve_estado"_qs, u"50.50"_qs},
                                {u"ve_dt_aquis"_qs, QDate(2020, 3, 15)}});
    addVehicle(f, 3, u"30"_qs, {{u"ve_modelo"_qs, u"O'BRIEN"_qs}, {u"ve_setor"_qs, u"01.02.04"_qs}});
    f.exec(u"insert into setores (st_exerc, st_cod, st_nome) values(2026, '01.02.04', 'SAUDE')"_qs);
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    click(w, u"b_filtrar_pesq"_qs);
    auto *campo = child<QListWidget>(w, u"t_campo_filtro"_qs);
    QCOMPARE(campo->count(), 40);
    campo->setCurrentRow(column);
    QTest::keyClick(campo, Qt::Key_F2);
    auto *condicao = child<QListWidget>(w, u"t_condicao_filtro"_qs);
    condicao->setCurrentRow(condition);
    QTest::keyClick(condicao, Qt::Key_F2);
    typeInto(w, u"t_vr_filtro"_qs, value);
    click(w, u"b_acrescentar_filtro"_qs);
    click(w, u"b_aplicar_filtro"_qs);

    QCOMPARE(dialogs.texts(Kind::Information), QStringList());
    QCOMPARE(w.modoLista(), QChar(u'S'));
    QStringList numbers;
    for (int r = 0; r < w.listModel().rowCount(); ++r)
        numbers << w.listModel().row(r).text(u"ve_nro"_qs);
    QCOMPARE(numbers, listed);
}

// Ordered by the plate (two columns), a letter tab tests the plate's letters.
void TestVehicleRegistry::letterOnPlateOrder()
{
    RegistryFixture f;
    seed(f);
    addVehicle(f, 1, u"10"_qs, {{u"ve_letra_placa"_qs, u"XYZ"_qs}});
    addVehicle(f, 2, u"20"_qs, {{u"ve_letra_placa"_qs, u"BCD"_qs}});
    ScriptedDialogService dialogs;
    TF_Cad_Veic w(f.env, RegistryWindow::Opener::Menu);
    showActive(w);
    auto *combo = child<QComboBox>(w, u"t_campo_pesq"_qs);
    combo->setCurrentIndex(combo->findText(u"Placa veículo"_qs));
    auto *tabs = child<QTabBar>(w, u"tab_ordem"_qs);
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == u"B")
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
    QVERIFY(dialogs.messages().isEmpty());
    QCOMPARE(w.listModel().rowCount(), 1);
    QCOMPARE(w.currentRecord().text(u"ve_nro"_qs), u"20"_qs);
}

QTEST_MAIN(TestVehicleRegistry)
#include "tst_vehicle_registry.moc"
