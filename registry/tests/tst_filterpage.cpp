// The filter page of a registry window, driven as a user would on the driver registry.
#include "cadastros/TF_Cad_Motorista.h"
#include "filter/FilterPage.h"
#include "framework/RegistryListModel.h"

#include "RegistryTestKit.h"
#include "ScriptedDialogService.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTest>

using namespace zedera;
using namespace zedera::registry;
using namespace zedera::registry::testing;
using zedera::testing::ScriptedDialogService;
using Kind = ScriptedDialogService::Kind;

namespace {

const QString kTitulo = QStringLiteral("Administração de Zedera");
const QString kDrivers = QStringLiteral("select mo_cod || '|' || mo_nome || '|' || mo_apelido || '|' || mo_situa "
                                        "from vkl_motoristas order by mo_cod");

struct Fixture {
    RegistryFixture db;
    std::unique_ptr<TF_Cad_Motorista> window;

    Fixture()
    {
        const QStringList drivers{
            QStringLiteral("1, 'O''BRIEN', 'IRLANDES', '01'"), QStringLiteral("2, 'JOAO DA SILVA', 'JOAO', '01'"),
            QStringLiteral("3, 'MARIA SILVA', 'MARIA', '02'"), QStringLiteral("12, 'PEDRO', 'PEDRINHO', '01'"),
            QStringLiteral("18, 'ANA', 'ANINHA', '03'"),
        };
        for (const QString &d : drivers)
            db.exec(QStringLiteral("insert into vkl_motoristas values (%1)").arg(d));
        window = std::make_unique<TF_Cad_Motorista>(db.env, RegistryWindow::Opener::Menu);
        showActive(*window);
        click(*window, QStringLiteral("b_filtrar_pesq"));
    }

    QWidget &w() const { return *window; }
    QListWidget *campo() const { return child<QListWidget>(w(), QStringLiteral("t_campo_filtro")); }
    QListWidget *condicao() const { return child<QListWidget>(w(), QStringLiteral("t_condicao_filtro")); }
    QString description() const
    {
        return child<QPlainTextEdit>(w(), QStringLiteral("t_descr_filtro"))->toPlainText();
    }
    QString page() const
    {
        return child<QStackedWidget>(w(), QStringLiteral("pg_princ"))->currentWidget()->objectName();
    }
    QStringList listedCodes() const
    {
        QStringList codes;
        for (int r = 0; r < window->listModel().rowCount(); ++r)
            codes << window->listModel().cellText(r, 0);
        return codes;
    }

    // A column and a comparison chosen by F2, as the headings ask.
    void choose(int column, int condition)
    {
        campo()->setCurrentRow(column);
        QTest::keyClick(campo(), Qt::Key_F2);
        condicao()->setCurrentRow(condition);
        QTest::keyClick(condicao(), Qt::Key_F2);
    }
    void add(const QString &value)
    {
        typeInto(w(), QStringLiteral("t_vr_filtro"), value);
        click(w(), QStringLiteral("b_acrescentar_filtro"));
    }
    // Which of the step groups can be used now.
    QString enabledGroups() const
    {
        QStringList on;
        if (campo()->isEnabled())
            on << QStringLiteral("campo");
        if (condicao()->isEnabled())
            on << QStringLiteral("condicao");
        if (child<QWidget>(w(), QStringLiteral("pn_vr_filtro"))->isEnabled())
            on << QStringLiteral("valor");
        if (child<QWidget>(w(), QStringLiteral("b_and_filtro"))->isEnabled())
            on << QStringLiteral("E");
        if (child<QWidget>(w(), QStringLiteral("b_or_filtro"))->isEnabled())
            on << QStringLiteral("OU");
        return on.join(u',');
    }
};

} // namespace

class TestFilterPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFilterPage(); }
    void composeAndApply();
    void betweenTakesBothBoundsWithoutOu();
    void refusedValueKeepsTheBox();
    void malformedOrEmptyFilterStartsAgain_data();
    void malformedOrEmptyFilterStartsAgain();
    void quotesFilterAsPlainText_data();
    void quotesFilterAsPlainText();
};

void TestFilterPage::composeAndApply()
{
    ScriptedDialogService dialogs;
    Fixture f;
    QCOMPARE(f.page(), QStringLiteral("pg_filtro"));
    QCOMPARE(f.description(), QStringLiteral("Selecione enquanto "));
    QCOMPARE(f.enabledGroups(), QStringLiteral("campo"));
    QCOMPARE(QApplication::focusWidget(), f.campo());
    QCOMPARE(f.campo()->count(), 4);
    QCOMPARE(f.condicao()->count(), 10);

    f.campo()->setCurrentRow(1);
    QTest::keyClick(f.campo(), Qt::Key_F2);
    QCOMPARE(f.enabledGroups(), QStringLiteral("condicao"));
    QCOMPARE(QApplication::focusWidget(), f.condicao());
    f.condicao()->setCurrentRow(8);
    QTest::keyClick(f.condicao(), Qt::Key_F2);
    QCOMPARE(f.enabledGroups(), QStringLiteral("valor"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("t_vr_filtro"));
    QCOMPARE(child<QLabel>(f.w(), QStringLiteral("lb_vr_filtro"))->text(), QStringLiteral("Digite o nome do motorista"));
    // The value box takes the column's length and upper case.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("silva"));
    QCOMPARE(child<QLineEdit>(f.w(), QStringLiteral("t_vr_filtro"))->text(), QStringLiteral("SILVA"));
    QCOMPARE(child<QLineEdit>(f.w(), QStringLiteral("t_vr_filtro"))->maxLength(), 40);
    click(f.w(), QStringLiteral("b_acrescentar_filtro"));
    QCOMPARE(f.enabledGroups(), QStringLiteral("E,OU"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("b_and_filtro"));
    QCOMPARE(child<QLabel>(f.w(), QStringLiteral("lb_vr_filtro"))->text(), QStringLiteral("Digite...."));

    click(f.w(), QStringLiteral("b_and_filtro"));
    QCOMPARE(f.enabledGroups(), QStringLiteral("campo"));
    f.choose(3, 0);
    f.add(QStringLiteral("01"));
    QCOMPARE(f.description(), QStringLiteral("Selecione enquanto  Nome   CONTENDO SILVA  E  Situação   IGUAL 01 "));

    click(f.w(), QStringLiteral("b_aplicar_filtro"));
    QVERIFY(dialogs.messages().isEmpty());
    QCOMPARE(f.page(), QStringLiteral("pg_pesq"));
    QCOMPARE(f.window->modoLista(), u'S');
    QCOMPARE(f.listedCodes(), QStringList{QStringLiteral("2")});
    QCOMPARE(child<QLabel>(f.w(), QStringLiteral("lb_situa_filtro"))->text(), QStringLiteral("FILTRO ATIVADO"));
}

void TestFilterPage::betweenTakesBothBoundsWithoutOu()
{
    ScriptedDialogService dialogs;
    Fixture f;
    f.choose(0, 6);
    f.add(QStringLiteral("2"));
    QCOMPARE(f.enabledGroups(), QStringLiteral("E"));
    click(f.w(), QStringLiteral("b_and_filtro"));
    // Straight to the second value of the same column.
    QCOMPARE(f.enabledGroups(), QStringLiteral("valor"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("t_vr_filtro"));
    f.add(QStringLiteral("12"));
    QCOMPARE(f.enabledGroups(), QStringLiteral("E,OU"));
    QCOMPARE(f.description(), QStringLiteral("Selecione enquanto  Código   ENTRE 2  E 12 "));
    click(f.w(), QStringLiteral("b_aplicar_filtro"));
    QCOMPARE(f.listedCodes(), (QStringList{QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("12")}));
}

void TestFilterPage::refusedValueKeepsTheBox()
{
    ScriptedDialogService dialogs;
    Fixture f;
    f.choose(0, 0);
    f.add(QStringLiteral("1A"));
    QCOMPARE(dialogs.texts(Kind::Information), QStringList{QStringLiteral("Valor inteiro incorreto.")});
    QCOMPARE(dialogs.lastMessage().caption, kTitulo);
    QCOMPARE(f.enabledGroups(), QStringLiteral("valor"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("t_vr_filtro"));
    QCOMPARE(f.description(), QStringLiteral("Selecione enquanto  Código   IGUAL "));
}

void TestFilterPage::malformedOrEmptyFilterStartsAgain_data()
{
    QTest::addColumn<QStringList>("steps"); // "col:cond:value" triples, "E", "(" or ")"
    QTest::addColumn<QString>("message");
    QTest::newRow("bare base") << QStringList{} << QStringLiteral("Filtro incorreto faça novamente.");
    QTest::newRow("unclosed parenthesis") << QStringList{"(", "1:0:PEDRO"}
                                          << QStringLiteral("Filtro incorreto faça novamente.");
    QTest::newRow("operator without value") << QStringList{"1:0:PEDRO", "E"}
                                            << QStringLiteral("Filtro incorreto faça novamente.");
    QTest::newRow("nothing selected") << QStringList{"1:0:NINGUEM"}
                                      << QStringLiteral("Nenhum registro encontrado nesta condição.");
}

void TestFilterPage::malformedOrEmptyFilterStartsAgain()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, message);
    ScriptedDialogService dialogs;
    Fixture f;
    const QStringList before = f.db.column(kDrivers);
    for (const QString &step : steps) {
        if (step == QLatin1String("E"))
            click(f.w(), QStringLiteral("b_and_filtro"));
        else if (step == QLatin1String("("))
            click(f.w(), QStringLiteral("b_abrir_aspa_filtro"));
        else {
            const QStringList p = step.split(u':');
            f.choose(p[0].toInt(), p[1].toInt());
            f.add(p[2]);
        }
    }
    click(f.w(), QStringLiteral("b_aplicar_filtro"));
    QCOMPARE(dialogs.texts(Kind::Information), QStringList{message});
    QCOMPARE(dialogs.lastMessage().caption, kTitulo);
    // A new filter, on the filter page; the list is not filtered.
    QCOMPARE(f.page(), QStringLiteral("pg_filtro"));
    QCOMPARE(f.description(), QStringLiteral("Selecione enquanto "));
    QCOMPARE(f.enabledGroups(), QStringLiteral("campo"));
    QCOMPARE(QApplication::focusWidget(), f.campo());
    QCOMPARE(f.window->modoLista(), u'N');
    QCOMPARE(f.db.column(kDrivers), before);
}

void TestFilterPage::quotesFilterAsPlainText_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("codes"); // empty: nothing selected
    QTest::newRow("O'BRIEN") << QStringLiteral("O'BRIEN") << QStringList{QStringLiteral("1")};
    QTest::newRow("always true") << QStringLiteral("X' OR '1'='1") << QStringList{};
    QTest::newRow("statement end") << QStringLiteral("'; DELETE FROM VKL_MOTORISTAS; --") << QStringList{};
}

void TestFilterPage::quotesFilterAsPlainText()
{
    QFETCH(QString, value);
    QFETCH(QStringList, codes);
    ScriptedDialogService dialogs;
    Fixture f;
    const QStringList before = f.db.column(kDrivers);
    f.choose(1, 0);
    f.add(value);
    QCOMPARE(f.description(), QStringLiteral("Selecione enquanto  Nome   IGUAL ") + value + u' ');
    click(f.w(), QStringLiteral("b_aplicar_filtro"));
    if (codes.isEmpty()) {
        QCOMPARE(dialogs.texts(Kind::Information),
                 QStringList{QStringLiteral("Nenhum registro encontrado nesta condição.")});
        QCOMPARE(f.window->modoLista(), u'N');
    } else {
        QVERIFY(dialogs.messages().isEmpty());
        QCOMPARE(f.listedCodes(), codes);
    }
    QCOMPARE(f.db.column(kDrivers), before);
}

QTEST_MAIN(TestFilterPage)
#include "tst_filterpage.moc"
