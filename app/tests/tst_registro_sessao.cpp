// Connected users (ativos) and the log of entries and exits (acessos).
#include "AmbientePrograma.h"
#include "session/RegistroSessao.h"

#include <QtTest>

using namespace zedera;
using zedera::testing::AmbientePrograma;

namespace {

const QDateTime kEntrada(QDate(2026, 3, 9), QTime(8, 15, 42));

} // namespace

class TstRegistroSessao : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        RegistroSessao::definirRelogio([] { return kEntrada; });
    }
    void cleanup() { RegistroSessao::definirRelogio({}); }

    // The first line of an empty log is number 1; the user is connected with the workstation
    // named when the table has the column for it, and without it when it has not.
    void entradaComESemLocal_data()
    {
        QTest::addColumn<bool>("comLocal");
        QTest::newRow("with LOCAL") << true;
        QTest::newRow("without LOCAL") << false;
    }
    void entradaComESemLocal()
    {
        QFETCH(bool, comLocal);
        AmbientePrograma amb;
        if (!comLocal)
            amb.banco().execute(QStringLiteral("alter table ativos drop local"));
        QCOMPARE(RegistroSessao::ativosTemLocal(amb.banco()), comLocal);

        RegistroSessao r(amb.banco());
        QCOMPARE(r.registrar(QStringLiteral("ANA"), false, QStringLiteral("estacao3 (10.0.0.7)")),
                 RegistroSessao::Resultado::Registrado);
        QCOMPARE(amb.linhas(QStringLiteral("select * from ativos")),
                 QStringList{comLocal ? QStringLiteral("ANA|2026-03-09T08:15:42.000|estacao3 (10.0.0.7)")
                                      : QStringLiteral("ANA|2026-03-09T08:15:42.000")});
        QCOMPARE(amb.linhas(QStringLiteral("select * from acessos")),
                 QStringList{QStringLiteral("1|ANA|2026-03-09|08:15:42.000|ENTRADA")});
    }

    // Leaving removes the user's line and logs the exit after the entry.
    void saidaRemoveEAnota()
    {
        AmbientePrograma amb;
        amb.banco().execute(QStringLiteral("insert into acessos values (41, 'OUTRO', '2026-03-01', '07:00', 'SAIDA')"));
        RegistroSessao r(amb.banco());
        r.registrar(QStringLiteral("ANA"), false, QString());
        RegistroSessao::definirRelogio([] { return kEntrada.addSecs(3600); });
        r.encerrar();
        QVERIFY(amb.linhas(QStringLiteral("select * from ativos")).isEmpty());
        QCOMPARE(amb.linhas(QStringLiteral("select seq, usuario, hora, evento from acessos where seq > 41 order by seq")),
                 (QStringList{QStringLiteral("42|ANA|08:15:42.000|ENTRADA"),
                              QStringLiteral("43|ANA|09:15:42.000|SAIDA")}));
        QVERIFY(!r.registrado());
    }

    // A user connected elsewhere is refused and nothing is written; the master user is never
    // listed as connected, so it may work on several workstations at once.
    void segundaEntradaDoMesmoUsuario()
    {
        AmbientePrograma amb;
        RegistroSessao primeira(amb.banco());
        QCOMPARE(primeira.registrar(QStringLiteral("ANA"), false, QString()), RegistroSessao::Resultado::Registrado);
        RegistroSessao segunda(amb.banco());
        QCOMPARE(segunda.registrar(QStringLiteral("ANA"), false, QString()), RegistroSessao::Resultado::JaAtivo);
        QCOMPARE(amb.linhas(QStringLiteral("select usuario from ativos")), QStringList{QStringLiteral("ANA")});
        QCOMPARE(amb.linhas(QStringLiteral("select count(*) from acessos")), QStringList{QStringLiteral("1")});

        RegistroSessao mestre1(amb.banco()), mestre2(amb.banco());
        QCOMPARE(mestre1.registrar(QStringLiteral("MASTER"), true, QString()), RegistroSessao::Resultado::Registrado);
        QCOMPARE(mestre2.registrar(QStringLiteral("MASTER"), true, QString()), RegistroSessao::Resultado::Registrado);
        QCOMPARE(amb.linhas(QStringLiteral("select usuario from ativos")), QStringList{QStringLiteral("ANA")});
        mestre1.encerrar();
        QCOMPARE(amb.linhas(QStringLiteral("select usuario, evento from acessos order by seq")),
                 (QStringList{QStringLiteral("ANA|ENTRADA"), QStringLiteral("MASTER|ENTRADA"),
                              QStringLiteral("MASTER|ENTRADA"), QStringLiteral("MASTER|SAIDA")}));
    }

    // A program that ends before registering (during login) must not remove the line of the same
    // user working on another workstation, nor log an exit that had no entry.
    void encerrarSemRegistroNaoToca()
    {
        AmbientePrograma amb;
        RegistroSessao outraEstacao(amb.banco());
        outraEstacao.registrar(QStringLiteral("ANA"), false, QString());
        RegistroSessao estaEstacao(amb.banco());
        estaEstacao.encerrar();
        QCOMPARE(amb.linhas(QStringLiteral("select usuario from ativos")), QStringList{QStringLiteral("ANA")});
        QCOMPARE(amb.linhas(QStringLiteral("select count(*) from acessos")), QStringList{QStringLiteral("1")});
    }

    void localDaEstacao()
    {
        const QString local = RegistroSessao::localDaEstacao();
        QVERIFY2(QRegularExpression(QStringLiteral("^.* \\(\\d+\\.\\d+\\.\\d+\\.\\d+\\)$")).match(local).hasMatch(),
                 qPrintable(local));
    }
};

QTEST_MAIN(TstRegistroSessao)
#include "tst_registro_sessao.moc"
