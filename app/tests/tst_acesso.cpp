// The login dialog: the working year, three attempts, the other-year question and the year's
// parameters.
#include "AmbientePrograma.h"
#include "ScriptedDialogService.h"
#include "TF_Acesso.h"
#include "access/Acesso.h"
#include "session/Banco.h"
#include "session/Sessao.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace zedera;
using zedera::testing::AmbientePrograma;
using zedera::testing::ScriptedDialogService;
using Kind = ScriptedDialogService::Kind;

namespace {

const int kAno = QDate::currentDate().year();

struct Ambiente {
    AmbientePrograma amb;
    Banco banco{Banco::settingsFor(amb.pastaBanco())};
    Acesso acesso;
    Ambiente()
    {
        banco.conectar();
        Sessao::reiniciar();
        Sessao::atual().definirTitulo(Sessao::tituloPrograma());
        amb.criarUsuarios({{QStringLiteral("ANA"), QStringLiteral("ana123"), QString()}}, {});
        acesso.setArqNome(amb.arquivoUsuarios());
    }
};

void entrar(TF_Acesso &d, const QString &ano, const QString &usuario, const QString &senha)
{
    auto *exercicio = d.findChild<QLineEdit *>(QStringLiteral("t_exercicio"));
    exercicio->clear();
    QTest::keyClicks(exercicio, ano);
    d.findChild<QLineEdit *>(QStringLiteral("t_usuario"))->setText(usuario);
    d.findChild<QLineEdit *>(QStringLiteral("t_senha"))->setText(senha);
    d.findChild<QPushButton *>(QStringLiteral("b_ok"))->click();
}

} // namespace

class TstAcesso : public QObject {
    Q_OBJECT

private slots:
    void abreNoAnoAtual()
    {
        Ambiente a;
        Sessao::atual().exercicio = 1999;
        TF_Acesso d(a.acesso, a.banco, Sessao::atual());
        QCOMPARE(d.findChild<QLineEdit *>(QStringLiteral("t_exercicio"))->text(), QString::number(kAno));
        QCOMPARE(Sessao::atual().exercicio, 0);
        // Only digits reach the year.
        auto *exercicio = d.findChild<QLineEdit *>(QStringLiteral("t_exercicio"));
        exercicio->clear();
        QTest::keyClicks(exercicio, QStringLiteral("2a0x26"));
        QCOMPARE(exercicio->text(), QStringLiteral("2026"));
        // The password is kept in upper case and shown as stars.
        auto *senha = d.findChild<QLineEdit *>(QStringLiteral("t_senha"));
        QTest::keyClicks(senha, QStringLiteral("abc"));
        QCOMPARE(senha->text(), QStringLiteral("ABC"));
        QCOMPARE(senha->displayText(), QStringLiteral("***"));
    }

    // Enter walks the fields like Tab; on the button it presses it.
    void enterAvanca()
    {
        Ambiente a;
        a.amb.inserirParametros(kAno);
        ScriptedDialogService dialogos;
        TF_Acesso d(a.acesso, a.banco, Sessao::atual());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        auto *exercicio = d.findChild<QLineEdit *>(QStringLiteral("t_exercicio"));
        exercicio->setFocus();
        QTest::keyClick(exercicio, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d.findChild<QLineEdit *>(QStringLiteral("t_usuario")));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ana"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ana123"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), d.findChild<QPushButton *>(QStringLiteral("b_ok")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(Sessao::atual().usuario, QStringLiteral("ANA"));
    }

    // Two refusals and then the right password go on, and the session gets the year's values.
    void duasRecusasEDepoisEntra()
    {
        Ambiente a;
        a.amb.inserirParametros(kAno, QStringLiteral("PREFEITURA X"), QStringLiteral("CIDADE Y"));
        ScriptedDialogService dialogos;
        TF_Acesso d(a.acesso, a.banco, Sessao::atual());
        entrar(d, QString::number(kAno), QStringLiteral("ana"), QStringLiteral("errada"));
        entrar(d, QString::number(kAno), QStringLiteral("NINGUEM"), QStringLiteral("ana123"));
        QCOMPARE(d.tentativas(), 2);
        QCOMPARE(d.result(), 0);
        QCOMPARE(d.focusWidget(), d.findChild<QLineEdit *>(QStringLiteral("t_usuario")));
        entrar(d, QString::number(kAno), QStringLiteral(" ana "), QStringLiteral("ana123"));
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const Sessao &s = Sessao::atual();
        QCOMPARE(s.exercicio, kAno);
        QCOMPARE(s.usuario, QStringLiteral("ANA"));
        QCOMPARE(s.empresa, QStringLiteral("PREFEITURA X"));
        QCOMPARE(s.cidade, QStringLiteral("CIDADE Y"));
        QCOMPARE(s.contr_km, QStringLiteral("01"));
        QCOMPARE(s.resp3, QStringLiteral("JOSÉ CHEFE"));
        QCOMPARE(dialogos.messages().size(), 2); // the component's two refusals
    }

    void tresRecusasEncerram()
    {
        Ambiente a;
        ScriptedDialogService dialogos;
        TF_Acesso d(a.acesso, a.banco, Sessao::atual());
        for (int i = 0; i < 3; ++i)
            entrar(d, QString::number(kAno), QStringLiteral("ANA"), QStringLiteral("errada"));
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(dialogos.lastMessage().text, QStringLiteral("Tentativas esgotadas."));
        QCOMPARE(dialogos.lastMessage().kind, Kind::Information);
        QCOMPARE(dialogos.lastMessage().caption, Sessao::tituloPrograma());
        QCOMPARE(Sessao::atual().exercicio, 0);
    }

    void anoComTamanhoErrado()
    {
        Ambiente a;
        ScriptedDialogService dialogos;
        TF_Acesso d(a.acesso, a.banco, Sessao::atual());
        entrar(d, QStringLiteral("226"), QStringLiteral("ANA"), QStringLiteral("ana123"));
        QCOMPARE(dialogos.texts(Kind::Error), QStringList{QStringLiteral("Exercício deve ter quatro digitos.")});
        QCOMPARE(d.focusWidget(), d.findChild<QLineEdit *>(QStringLiteral("t_exercicio")));
        QCOMPARE(d.tentativas(), 0);
        QCOMPARE(d.result(), 0);
    }

    // A cleared year is the current one.
    void anoVazioEhOAtual()
    {
        Ambiente a;
        a.amb.inserirParametros(kAno);
        ScriptedDialogService dialogos;
        TF_Acesso d(a.acesso, a.banco, Sessao::atual());
        entrar(d, QString(), QStringLiteral("ANA"), QStringLiteral("ana123"));
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(Sessao::atual().exercicio, kAno);
    }

    // Another year asks first; No stays in the dialog, Yes works in that year like the current one.
    void outroAno()
    {
        Ambiente a;
        a.amb.inserirParametros(2019, QStringLiteral("PREFEITURA 2019"));
        ScriptedDialogService dialogos;
        TF_Acesso d(a.acesso, a.banco, Sessao::atual());
        const QString pergunta = QStringLiteral("Exercício esta diferente do atual.\r\rDeseja continuar.");
        dialogos.expectQuestion(pergunta, false);
        entrar(d, QStringLiteral("2019"), QStringLiteral("ANA"), QStringLiteral("ana123"));
        QCOMPARE(d.result(), 0);
        QCOMPARE(d.focusWidget(), d.findChild<QLineEdit *>(QStringLiteral("t_exercicio")));
        QVERIFY(!a.acesso.logado());

        dialogos.expectQuestion(pergunta, true);
        entrar(d, QStringLiteral("2019"), QStringLiteral("ANA"), QStringLiteral("ana123"));
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(Sessao::atual().exercicio, 2019);
        QCOMPARE(Sessao::atual().empresa, QStringLiteral("PREFEITURA 2019"));
    }

    // A year without parameters opens the parameters window; once they are saved the login ends
    // with them in the session. Leaving that window without them ends the program.
    void anoSemParametros_data()
    {
        QTest::addColumn<bool>("grava");
        QTest::newRow("saved") << true;
        QTest::newRow("left") << false;
    }
    void anoSemParametros()
    {
        QFETCH(bool, grava);
        Ambiente a;
        ScriptedDialogService dialogos;
        TF_Acesso d(a.acesso, a.banco, Sessao::atual());
        dialogos.expectExec(QStringLiteral("TF_Cad_Parametros"), [&](QDialog &janela) {
            if (grava) {
                incluirParametros(a.amb.banco(), AmbientePrograma::parametrosExemplo(kAno));
            } else {
                dialogos.answerNextQuestion(false);
            }
            janela.findChild<QPushButton *>(QStringLiteral("b_fechar"))->click();
            return janela.result();
        });
        entrar(d, QString::number(kAno), QStringLiteral("ANA"), QStringLiteral("ana123"));
        QCOMPARE(dialogos.pendingExecs(), 0);
        if (grava) {
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(Sessao::atual().empresa, QStringLiteral("PREFEITURA MUNICIPAL"));
        } else {
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(dialogos.lastMessage().text, QStringLiteral("O sistema será encerrado."));
        }
    }
};

QTEST_MAIN(TstAcesso)
#include "tst_acesso.moc"
