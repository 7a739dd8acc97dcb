// The filter builder as a state machine, and its filters run against a real database.

#include "filter/FilterBuilder.h"

#include "TestDatabase.h"

#include <QDate>
#include <QSqlRecord>
#include <QTest>
#include <QTime>

using namespace zedera;
using namespace zedera::registry;

namespace {

// The driver columns, plus one column of each remaining value type.
QList<FilterField> fixtureFields()
{
    return {
        {QStringLiteral(" ft_cod "), QStringLiteral(" Código "), 6, u'I', {}, QStringLiteral("Digite o código")},
        {QStringLiteral(" ft_nome "), QStringLiteral(" Nome "), 40, u'C', {}, QStringLiteral("Digite o nome")},
        {QStringLiteral(" ft_situa "), QStringLiteral(" Situação "), 2, u'I', {}, QStringLiteral("Digite 01")},
        {QStringLiteral(" ft_data "), QStringLiteral(" Data "), 10, u'D', {}, QStringLiteral("Digite a data")},
        {QStringLiteral(" ft_hora "), QStringLiteral(" Hora "), 5, u'H', {}, QStringLiteral("Digite a hora")},
        {QStringLiteral(" ft_valor "), QStringLiteral(" Valor "), 12, u'N', {}, QStringLiteral("Digite o valor")},
    };
}

const QString kBase = QStringLiteral("select * from filtro_teste where ft_cod > 0 and ");

// Drives a builder through steps written as "col:1", "cond:8", "val:SILVA", "and", "or", "(", ")".
// Fails the test when a step is refused.
void drive(FilterBuilder &b, const QStringList &steps)
{
    for (const QString &step : steps) {
        bool ok = true;
        if (step.startsWith(QLatin1String("col:")))
            ok = b.chooseColumn(step.mid(4).toInt());
        else if (step.startsWith(QLatin1String("cond:")))
            ok = b.chooseCondition(step.mid(5).toInt());
        else if (step.startsWith(QLatin1String("val:")))
            ok = b.addValue(step.mid(4)).accepted;
        else if (step == QLatin1String("and"))
            ok = b.andOperator();
        else if (step == QLatin1String("or"))
            ok = b.orOperator();
        else if (step == QLatin1String("("))
            b.openParenthesis();
        else if (step == QLatin1String(")"))
            b.closeParenthesis();
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        QVERIFY2(ok, qPrintable(QStringLiteral("step refused: ") + step));
    }
}

QVariantList boundValues(const FilterBuilder &b)
{
    QVariantList values;
    for (const auto &[name, value] : b.values())
        values << value;
    return values;
}

// Runs the registry's statement with the filter's conditions and returns the codes it selects.
QList<int> selectCodes(Connection &c, const FilterBuilder &b)
{
    Query q(c, kBase + b.conditions() + QStringLiteral(" order by ft_cod"));
    for (const auto &[name, value] : b.values())
        q.bind(name, value);
    q.exec();
    QList<int> codes;
    while (q.next())
        codes << q.value(0).toInt();
    return codes;
}

QStringList tableDump(Connection &c)
{
    Query q(c, QStringLiteral("select * from filtro_teste order by ft_cod"));
    q.exec();
    QStringList rows;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < q.raw().record().count(); ++i)
            cells << q.value(i).toString();
        rows << cells.join(u'|');
    }
    return rows;
}

} // namespace

class TestFilter : public QObject {
    Q_OBJECT

private slots:
    void conditionTable();
    void buildsDescriptionAndValues_data();
    void buildsDescriptionAndValues();
    void refusesBadValues_data();
    void refusesBadValues();
    void stepsFollowTheStates();
    void completeFiltersAreEnclosed();

    void filtersRowsOfARealDatabase_data();
    void filtersRowsOfARealDatabase();
    void malformedFiltersAreRefusedByTheServer_data();
    void malformedFiltersAreRefusedByTheServer();

private:
    std::unique_ptr<Connection> fixtureDatabase();
};

void TestFilter::conditionTable()
{
    const auto &c = filterConditions();
    QCOMPARE(c.size(), 10);
    QCOMPARE(c.at(FilterBuilder::kEntre).operador, QStringLiteral(" between "));
    QCOMPARE(c.at(FilterBuilder::kEntre).descricao, QStringLiteral(" ENTRE "));
    QCOMPARE(c.at(4).descricao, QStringLiteral(" MENOR E IGUAL "));
    for (int i : {FilterBuilder::kIniciadoCom, FilterBuilder::kContendo, FilterBuilder::kFinalizadoCom})
        QCOMPARE(c.at(i).operador, QStringLiteral(" like "));
}

void TestFilter::buildsDescriptionAndValues_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("composed");
    QTest::addColumn<QVariantList>("values");

    QTest::newRow("contains and situation")
        << QStringList{"col:1", "cond:8", "val:SILVA", "and", "col:2", "cond:0", "val:01"}
        << QStringLiteral("Selecione enquanto  Nome   CONTENDO SILVA  E  Situação   IGUAL 01 ")
        << QStringLiteral(" ft_nome   like cast(:p_filtro_1 as varchar(7)) and  ft_situa   = "
                          "cast(:p_filtro_2 as bigint)")
        << QVariantList{QStringLiteral("%SILVA%"), qint64(1)};
    QTest::newRow("starts with") << QStringList{"col:1", "cond:7", "val:JO"}
                                 << QStringLiteral("Selecione enquanto  Nome   INICIADO COM JO ")
                                 << QStringLiteral(" ft_nome   like cast(:p_filtro_1 as varchar(3))")
                                 << QVariantList{QStringLiteral("JO%")};
    QTest::newRow("ends with") << QStringList{"col:1", "cond:9", "val:SA"}
                               << QStringLiteral("Selecione enquanto  Nome   FINALIZADO COM SA ")
                               << QStringLiteral(" ft_nome   like cast(:p_filtro_1 as varchar(3))")
                               << QVariantList{QStringLiteral("%SA")};
    QTest::newRow("quote is data") << QStringList{"col:1", "cond:1", "val:O'BRIEN"}
                                   << QStringLiteral("Selecione enquanto  Nome   DIFERENTE O'BRIEN ")
                                   << QStringLiteral(" ft_nome   <> cast(:p_filtro_1 as varchar(7))")
                                   << QVariantList{QStringLiteral("O'BRIEN")};
    QTest::newRow("between codes")
        << QStringList{"col:0", "cond:6", "val:10", "and", "val:20"}
        << QStringLiteral("Selecione enquanto  Código   ENTRE 10  E 20 ")
        << QStringLiteral(" ft_cod   between cast(:p_filtro_1 as bigint) and cast(:p_filtro_2 as bigint)")
        << QVariantList{qint64(10), qint64(20)};
    // The second bound of ENTRE is compared as by IGUAL: no wildcard.
    QTest::newRow("between names")
        << QStringList{"col:1", "cond:6", "val:A", "and", "val:M"}
        << QStringLiteral("Selecione enquanto  Nome   ENTRE A  E M ")
        << QStringLiteral(" ft_nome   between cast(:p_filtro_1 as varchar(1)) and cast(:p_filtro_2 as "
                          "varchar(1))")
        << QVariantList{QStringLiteral("A"), QStringLiteral("M")};
    QTest::newRow("date typed day first")
        << QStringList{"col:3", "cond:5", "val:31/01/2005"}
        << QStringLiteral("Selecione enquanto  Data   MAIOR E IGUAL 31/01/2005 ")
        << QStringLiteral(" ft_data   >= cast(:p_filtro_1 as date)") << QVariantList{QDate(2005, 1, 31)};
    QTest::newRow("time") << QStringList{"col:4", "cond:2", "val:08:30"}
                          << QStringLiteral("Selecione enquanto  Hora   MENOR QUE 08:30 ")
                          << QStringLiteral(" ft_hora   < cast(:p_filtro_1 as time)")
                          << QVariantList{QTime(8, 30)};
    QTest::newRow("decimal comma becomes point")
        << QStringList{"col:5", "cond:3", "val:1234,5"}
        << QStringLiteral("Selecione enquanto  Valor   MAIOR QUE 1234.5 ")
        << QStringLiteral(" ft_valor   > cast(cast(:p_filtro_1 as varchar(6)) as numeric(18, 1))")
        << QVariantList{QStringLiteral("1234.5")};
    QTest::newRow("parentheses and or")
        << QStringList{"(", "col:0", "cond:0", "val:1", "or", "col:0", "cond:0", "val:2", ")", "and", "col:2",
                       "cond:0", "val:1"}
        << QStringLiteral("Selecione enquanto  (  Código   IGUAL 1  OU  Código   IGUAL 2  )  E  Situação   "
                          "IGUAL 1 ")
        << QStringLiteral(" (  ft_cod   = cast(:p_filtro_1 as bigint) or  ft_cod   = cast(:p_filtro_2 as "
                          "bigint) )  and  ft_situa   = cast(:p_filtro_3 as bigint)")
        << QVariantList{qint64(1), qint64(2), qint64(1)};
}

void TestFilter::buildsDescriptionAndValues()
{
    QFETCH(QStringList, steps);
    FilterBuilder b(fixtureFields());
    drive(b, steps);
    QTEST(b.description(), "description");
    QTEST(b.composed(), "composed");
    QTEST(boundValues(b), "values");
}

void TestFilter::refusesBadValues_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("boxText");

    QTest::newRow("letters for integer") << 0 << "1A" << "Valor inteiro incorreto." << "1A";
    QTest::newRow("empty integer") << 0 << "" << "Valor inteiro incorreto." << "";
    QTest::newRow("decimal for integer") << 0 << "1.5" << "Valor inteiro incorreto." << "1.5";
    QTest::newRow("no such day") << 3 << "31/02/2005" << "Data incorreta." << "31/02/2005";
    QTest::newRow("year first") << 3 << "2005-01-31" << "Data incorreta." << "2005-01-31";
    QTest::newRow("hour 25") << 4 << "25:00" << "Hora incorreta." << "25:00";
    QTest::newRow("time without minutes") << 4 << "8" << "Hora incorreta." << "8";
    QTest::newRow("two commas") << 5 << "1,2,3" << "Valor númerico incorreto." << "1.2.3";
    QTest::newRow("word for number") << 5 << "ABC" << "Valor númerico incorreto." << "ABC";
}

void TestFilter::refusesBadValues()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    FilterBuilder b(fixtureFields());
    QVERIFY(b.chooseColumn(column));
    QVERIFY(b.chooseCondition(0));
    const QString composed = b.composed();
    const QString description = b.description();

    const auto check = b.addValue(typed);
    QVERIFY(!check.accepted);
    QTEST(check.message, "message");
    QTEST(check.text, "boxText");
    // Nothing is appended and the value can be typed again.
    QCOMPARE(b.composed(), composed);
    QCOMPARE(b.description(), description);
    QVERIFY(b.values().isEmpty());
    QCOMPARE(b.state(), FilterBuilder::State::TypeValue);
}

void TestFilter::stepsFollowTheStates()
{
    using State = FilterBuilder::State;
    FilterBuilder b(fixtureFields());
    QCOMPARE(b.state(), State::ChooseColumn);
    // Steps out of turn are refused and change nothing.
    QVERIFY(!b.chooseCondition(0));
    QVERIFY(!b.addValue(QStringLiteral("1")).accepted);
    QVERIFY(!b.andOperator());
    QVERIFY(!b.orOperator());
    QVERIFY(!b.chooseColumn(99));
    QCOMPARE(b.description(), QStringLiteral("Selecione enquanto "));
    QVERIFY(b.composed().isEmpty());

    QVERIFY(b.chooseColumn(0));
    QCOMPARE(b.state(), State::ChooseCondition);
    QVERIFY(!b.chooseColumn(1));
    QVERIFY(b.chooseCondition(FilterBuilder::kEntre));
    QCOMPARE(b.state(), State::TypeValue);
    QVERIFY(b.addValue(QStringLiteral("10")).accepted);
    QCOMPARE(b.state(), State::ChooseOperator);
    // After the first bound of ENTRE only E goes on, straight to the second value.
    QVERIFY(!b.orAllowed());
    QVERIFY(!b.orOperator());
    QVERIFY(b.andOperator());
    QCOMPARE(b.state(), State::TypeValue);
    QCOMPARE(b.currentCondition(), 0);
    QVERIFY(b.addValue(QStringLiteral("20")).accepted);
    QVERIFY(b.orAllowed());
    QVERIFY(b.andOperator());
    QCOMPARE(b.state(), State::ChooseColumn);

    // Parentheses are taken in any state.
    b.openParenthesis();
    QCOMPARE(b.state(), State::ChooseColumn);
    QVERIFY(b.description().endsWith(QStringLiteral(" E  ( ")));

    b.reiniciar();
    QCOMPARE(b.state(), State::ChooseColumn);
    QCOMPARE(b.description(), QStringLiteral("Selecione enquanto "));
    QVERIFY(b.composed().isEmpty());
    QVERIFY(b.values().isEmpty());
    // Numbering of the parameters starts again.
    drive(b, {"col:0", "cond:0", "val:5"});
    QCOMPARE(b.values().at(0).first, QStringLiteral(":p_filtro_1"));
}

void TestFilter::completeFiltersAreEnclosed()
{
    FilterBuilder b(fixtureFields());
    QCOMPARE(b.conditions(), QString());

    drive(b, {"col:0", "cond:0", "val:1", "or", "col:0", "cond:0", "val:2"});
    QCOMPARE(b.conditions(), u'(' + b.composed() + u')');

    // Unbalanced parentheses are passed on as they are, for the server to refuse.
    b.closeParenthesis();
    QCOMPARE(b.conditions(), b.composed());
    b.reiniciar();
    drive(b, {")", "(", "col:0", "cond:0", "val:1"});
    QCOMPARE(b.conditions(), b.composed());
    b.reiniciar();
    drive(b, {"(", "col:0", "cond:0", "val:1"});
    QCOMPARE(b.conditions(), b.composed());
}

std::unique_ptr<Connection> TestFilter::fixtureDatabase()
{
    auto c = testing::TestDatabase::connect(testing::TestDatabase::fresh());
    c->execute(QStringLiteral("create table filtro_teste (ft_cod integer not null primary key, "
                              "ft_nome varchar(40), ft_situa char(2), ft_data date, ft_hora time, "
                              "ft_valor numeric(18,2))"));
    const QStringList rows{
        QStringLiteral("0, 'OCULTO', '01', '2005-01-31', '08:00', 0"),
        QStringLiteral("1, 'O''BRIEN', '01', '2005-01-30', '07:59', 10.50"),
        QStringLiteral("2, 'SILVA', '02', '2005-01-31', '08:30', 1234.50"),
        QStringLiteral("10, 'JOSE DA SILVA', '01', '2005-02-01', '12:00', 1234.49"),
        QStringLiteral("15, 'MARIA', '03', null, null, null"),
        QStringLiteral("20, 'JOAO', '01', '2004-12-31', '23:59', -5"),
        QStringLiteral("21, 'X'' OR ''1''=''1', '01', '2005-01-01', '00:00', 1"),
    };
    for (const QString &r : rows)
        c->execute(QStringLiteral("insert into filtro_teste values (%1)").arg(r));
    return c;
}

void TestFilter::filtersRowsOfARealDatabase_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("codes");

    QTest::newRow("quote in a name") << QStringList{"col:1", "cond:0", "val:O'BRIEN"} << QList<int>{1};
    QTest::newRow("injection attempt is a plain name")
        << QStringList{"col:1", "cond:0", "val:x' or '1'='1"} << QList<int>{};
    QTest::newRow("injection text stored as a name is found")
        << QStringList{"col:1", "cond:0", "val:X' OR '1'='1"} << QList<int>{21};
    QTest::newRow("quote inside contains") << QStringList{"col:1", "cond:8", "val:'"} << QList<int>{1, 21};
    QTest::newRow("statement end in a value")
        << QStringList{"col:1", "cond:0", "val:'; delete from filtro_teste; --"} << QList<int>{};
    QTest::newRow("contains") << QStringList{"col:1", "cond:8", "val:SILVA"} << QList<int>{2, 10};
    QTest::newRow("starts with") << QStringList{"col:1", "cond:7", "val:JO"} << QList<int>{10, 20};
    QTest::newRow("ends with") << QStringList{"col:1", "cond:9", "val:IA"} << QList<int>{15};
    // A code typed for a CHAR column compares as a number: 01 and 1 both mean "01".
    QTest::newRow("situation 01") << QStringList{"col:2", "cond:0", "val:01"} << QList<int>{1, 10, 20, 21};
    QTest::newRow("situation 3") << QStringList{"col:2", "cond:0", "val:3"} << QList<int>{15};
    QTest::newRow("between codes") << QStringList{"col:0", "cond:6", "val:10", "and", "val:20"}
                                   << QList<int>{10, 15, 20};
    QTest::newRow("between names") << QStringList{"col:1", "cond:6", "val:A", "and", "val:M"}
                                   << QList<int>{10, 20};
    QTest::newRow("date") << QStringList{"col:3", "cond:0", "val:31/01/2005"} << QList<int>{2};
    QTest::newRow("date from") << QStringList{"col:3", "cond:5", "val:31/01/2005"} << QList<int>{2, 10};
    QTest::newRow("time before") << QStringList{"col:4", "cond:2", "val:08:00"} << QList<int>{1, 21};
    QTest::newRow("decimal with comma") << QStringList{"col:5", "cond:3", "val:1234,49"} << QList<int>{2};
    QTest::newRow("decimal places beyond the column")
        << QStringList{"col:5", "cond:5", "val:1234.495"} << QList<int>{2};
    QTest::newRow("negative") << QStringList{"col:5", "cond:2", "val:-1"} << QList<int>{20};
    // OU stays inside the registry's own condition: the hidden code 0 never shows.
    QTest::newRow("or keeps code 0 hidden")
        << QStringList{"col:1", "cond:0", "val:SILVA", "or", "col:1", "cond:0", "val:OCULTO"} << QList<int>{2};
    QTest::newRow("parentheses")
        << QStringList{"(", "col:2", "cond:0", "val:2", "or", "col:2", "cond:0", "val:3", ")", "and", "col:0",
                       "cond:3", "val:5"}
        << QList<int>{15};
}

void TestFilter::filtersRowsOfARealDatabase()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, codes);
    auto c = fixtureDatabase();
    const QStringList before = tableDump(*c);
    FilterBuilder b(fixtureFields());
    drive(b, steps);
    QList<int> got = selectCodes(*c, b);
    std::sort(got.begin(), got.end());
    std::sort(codes.begin(), codes.end());
    QCOMPARE(got, codes);
    QCOMPARE(tableDump(*c), before);
}

void TestFilter::malformedFiltersAreRefusedByTheServer_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("bare base") << QStringList{};
    QTest::newRow("operator without value") << QStringList{"col:0", "cond:0"};
    QTest::newRow("dangling and") << QStringList{"col:0", "cond:0", "val:1", "and"};
    QTest::newRow("unclosed parenthesis") << QStringList{"(", "col:0", "cond:0", "val:1"};
    QTest::newRow("closing first") << QStringList{"col:0", "cond:0", "val:1", ")", "or", "(", "col:0",
                                                  "cond:0", "val:2"};
}

void TestFilter::malformedFiltersAreRefusedByTheServer()
{
    QFETCH(QStringList, steps);
    auto c = fixtureDatabase();
    FilterBuilder b(fixtureFields());
    drive(b, steps);
    bool refused = false;
    try {
        selectCodes(*c, b);
    } catch (const DbError &) {
        refused = true;
    }
    QVERIFY2(refused, qPrintable(b.conditions()));
}

QTEST_MAIN(TestFilter)
#include "tst_filter.moc"
