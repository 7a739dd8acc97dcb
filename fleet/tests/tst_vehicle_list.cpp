// The vehicle list: capture by another window, the search items, filters over the joined
// columns and the letter tabs.
#include "VehicleTestKit.h"

#include "ScriptedDialogService.h"
#include "filter/FilterPage.h"
#include "framework/RegistryListModel.h"

#include <QComboBox>
#include <QListWidget>
#include <QTabBar>
#include <QTest>

using namespace zedera;
using namespace zedera::fleet;
using namespace zedera::fleet::testing;
using namespace zedera::registry;
using namespace zedera::registry::testing;
using zedera::testing::ScriptedDialogService;
using Kind = ScriptedDialogService::Kind;

class TestVehicleList : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFilterPage(); }
    void capture();
    void searches_data();
    void searches();
    void filterOverJoinedColumns_data();
    void filterOverJoinedColumns();
    void letterOnPlateOrder();
};

void TestVehicleList::capture()
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

void TestVehicleList::searches_data()
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

void TestVehicleList::searches()
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

void TestVehicleList::filterOverJoinedColumns_data()
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

void TestVehicleList::filterOverJoinedColumns()
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
void TestVehicleList::letterOnPlateOrder()
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

QTEST_MAIN(TestVehicleList)
#include "tst_vehicle_list.moc"
