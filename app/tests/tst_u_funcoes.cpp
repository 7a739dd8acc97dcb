#include "U_Funcoes.h"

#include <QtTest>

using namespace zedera;

class TestUFuncoes : public QObject {
    Q_OBJECT
private slots:
    void justificar_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("largura");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one gap") << "A B" << 6 << "A    B";
        QTest::newRow("gaps widened left to right") << "A B C" << 7 << "A  B  C";
        QTest::newRow("odd blank goes left") << "A B C" << 6 << "A  B C";
        // The search resumes right after the widened blank, so a gap wider than one takes more.
        QTest::newRow("existing double gap") << "A  B C" << 8 << "A    B C";
        QTest::newRow("cut when longer") << "ABCDEF GH" << 4 << "ABCD";
        QTest::newRow("negative width") << "AB CD" << -1 << "";
        QTest::newRow("exact width unchanged") << "AB CD" << 5 << "AB CD";
        QTest::newRow("trimmed first") << "  A B  " << 4 << "A  B";
        QTest::newRow("no blank stays short") << "ABC" << 10 << "ABC";
        QTest::newRow("blank text") << "   " << 10 << "";
        // A first word longer than a hundred characters once made the widening loop forever.
        QTest::newRow("long first word")
            << QString(120, u'x') + QStringLiteral(" y") << 125
            << QString(120, u'x') + QStringLiteral("    y");
    }
    void justificar()
    {
        QFETCH(QString, texto);
        QFETCH(int, largura);
        QFETCH(QString, expected);
        QCOMPARE(Justificar(texto, largura), expected);
    }

    void formatar_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("expected");
        QTest::newRow("CEP") << "CEP" << "88010400" << "88010-400";
        QTest::newRow("CGC") << "CGC" << "12345678000199" << "12.345.678/0001-99";
        QTest::newRow("CPF") << "CPF" << "12345678901" << "123.456.789-01";
        QTest::newRow("SETOR") << "SETOR" << "010203" << "01.02.03";
        QTest::newRow("short CGC keeps its punctuation") << "CGC" << "1234567" << "12.345.67/-";
        QTest::newRow("empty CEP") << "CEP" << "" << "-";
        QTest::newRow("FONE 6") << "FONE" << "223344" << "(  ) 22-3344";
        QTest::newRow("FONE 8") << "FONE" << "32223344" << "(  ) 3222-3344";
        QTest::newRow("FONE 9") << "FONE" << "991223344" << "(  ) 99122-3344";
        QTest::newRow("FONE 10") << "FONE" << "4832223344" << "(48) 3222-3344";
        QTest::newRow("FONE other length untouched") << "FONE" << "123" << "123";
        QTest::newRow("unknown kind") << "RG" << "123" << "";
    }
    void formatar()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, valor);
        QFETCH(QString, expected);
        QCOMPARE(Formatar(tipo, valor), expected);
    }

    void nomeDoMes()
    {
        QCOMPARE(NomeDoMes(1), QStringLiteral("Janeiro"));
        QCOMPARE(NomeDoMes(3), QStringLiteral("Março"));
        QCOMPARE(NomeDoMes(12), QStringLiteral("Dezembro"));
        QCOMPARE(NomeDoMes(0), QString());
        QCOMPARE(NomeDoMes(13), QString());
    }

    void trocarCaractere_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("de");
        QTest::addColumn<QString>("para");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one for one") << "pra_proj;pra_sproj" << ";" << "," << "pra_proj,pra_sproj";
        QTest::newRow("every occurrence") << "a;b;c;" << ";" << "," << "a,b,c,";
        // Longer or empty replacements reach every occurrence too, adjacent ones included.
        QTest::newRow("longer replacement") << "..." << "." << "ab" << "ababab";
        QTest::newRow("removal") << "a..b" << "." << "" << "ab";
        QTest::newRow("replacement holding the character") << "a.b" << "." << ".." << "a..b";
        QTest::newRow("de of two characters changes nothing") << "a;b" << ";b" << "," << "a;b";
    }
    void trocarCaractere()
    {
        QFETCH(QString, texto);
        QFETCH(QString, de);
        QFETCH(QString, para);
        QFETCH(QString, expected);
        QCOMPARE(TrocarCaractere(texto, de, para), expected);
    }

    void limparTexto_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("expected");
        QTest::newRow("blanks and controls at both ends")
            << QStringLiteral("\r\n\t  troca de óleo \r\n") << QStringLiteral("troca de óleo");
        QTest::newRow("inner controls stay") << QStringLiteral("a\r\nb") << QStringLiteral("a\r\nb");
        QTest::newRow("accented ends are kept") << QStringLiteral(" Óleo do JOSÉ ") << QStringLiteral("Óleo do JOSÉ");
        QTest::newRow("DEL and C1 controls go") << QStringLiteral("\x7f" "abc" "\u0085") << QStringLiteral("abc");
        QTest::newRow("nothing printable") << QStringLiteral(" \t\r\n") << QString();
    }
    void limparTexto()
    {
        QFETCH(QString, texto);
        QFETCH(QString, expected);
        QCOMPARE(LimparTexto(texto), expected);
    }

    void calcularDiasHoras_data()
    {
        QTest::addColumn<QDate>("data1");
        QTest::addColumn<QTime>("hora1");
        QTest::addColumn<QDate>("data2");
        QTest::addColumn<QTime>("hora2");
        QTest::addColumn<QString>("dias");
        QTest::addColumn<QString>("horas");
        QTest::newRow("two days and a half") << QDate(2024, 3, 1) << QTime(8, 0) << QDate(2024, 3, 3)
                                             << QTime(10, 30) << "2" << "02:30";
        QTest::newRow("same day") << QDate(2024, 3, 1) << QTime(8, 15) << QDate(2024, 3, 1)
                                  << QTime(17, 40) << "0" << "09:25";
        QTest::newRow("overnight below a day") << QDate(2024, 3, 1) << QTime(22, 0) << QDate(2024, 3, 2)
                                               << QTime(6, 0) << "0" << "08:00";
        QTest::newRow("across a year") << QDate(2023, 12, 31) << QTime(23, 0) << QDate(2024, 1, 2)
                                       << QTime(1, 0) << "1" << "02:00";
        QTest::newRow("reversed is absolute") << QDate(2024, 3, 3) << QTime(10, 30) << QDate(2024, 3, 1)
                                              << QTime(8, 0) << "2" << "02:30";
        QTest::newRow("missing time is midnight") << QDate(2024, 3, 1) << QTime() << QDate(2024, 3, 2)
                                                  << QTime(6, 0) << "1" << "06:00";
        // The night the clocks went back in this time zone still counts 24 hours.
        QTest::newRow("daylight saving night") << QDate(2018, 2, 17) << QTime(12, 0) << QDate(2018, 2, 18)
                                               << QTime(12, 0) << "1" << "00:00";
        QTest::newRow("missing date") << QDate() << QTime(8, 0) << QDate(2024, 3, 1) << QTime(8, 0)
                                      << "" << "";
    }
    void calcularDiasHoras()
    {
        QFETCH(QDate, data1);
        QFETCH(QTime, hora1);
        QFETCH(QDate, data2);
        QFETCH(QTime, hora2);
        QFETCH(QString, dias);
        QFETCH(QString, horas);
        const DiasHoras r = CalcularDiasHoras(data1, hora1, data2, hora2);
        QCOMPARE(r.textoDias(), dias);
        QCOMPARE(r.textoHoras(), horas);
        QCOMPARE(r.valido, !dias.isEmpty());
    }
};

QTEST_MAIN(TestUFuncoes)
#include "tst_u_funcoes.moc"
