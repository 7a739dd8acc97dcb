// The main window's life: start-up through login, registration as a connected user, rights on the
// menu and toolbar, the menu's windows, and leaving.
#include "AmbientePrograma.h"
#include "MenuPrincipal.h"
#include "ScriptedDialogService.h"
#include "TF_Principal.h"
#include "access/Acesso.h"
#include "dialogs/DialogService.h"
#include "session/Banco.h"
#include "session/Sessao.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace zedera;
using zedera::testing::AmbientePrograma;
using zedera::testing::ScriptedDialogService;
using Kind = ScriptedDialogService::Kind;

namespace {

const int kAno = QDate::currentDate().year();

// The environment of a workstation: configuration, database with this year's parameters, and
// a clerk (ANA) whose group may use the parameters but not the user administration.
struct Estacao {
    AmbientePrograma amb;
    Estacao()
    {
        Sessao::reiniciar();
        amb.escreverConfigCompleta();
        amb.inserirParametros(kAno, QStringLiteral("PREFEITURA MUNICIPAL"), QStringLiteral("SANTA LUZIA"));
        AccessGroup balcao{QStringLiteral("BALCAO"), {{QStringLiteral("men_param"), 1}}};
        amb.criarUsuarios({{QStringLiteral("ANA"), QStringLiteral("ana123"), QStringLiteral("BALCAO")}}, {balcao});
    }
};

// Scripts the splash and a login with the given credentials.
void scriptInicio(ScriptedDialogService &d, const QString &usuario, const QString &senha)
{
    d.expectExec(QStringLiteral("TF_Abertura"), [](QDialog &) { return int(QDialog::Accepted); });
    d.expectExec(QStringLiteral("TF_Acesso"), [usuario, senha](QDialog &login) {
        login.findChild<QLineEdit *>(QStringLiteral("t_usuario"))->setText(usuario);
        login.findChild<QLineEdit *>(QStringLiteral("t_senha"))->setText(senha);
        login.findChild<QPushButton *>(QStringLiteral("b_ok"))->click();
        return login.result();
    });
}

QAction *item(TF_Principal &w, const QString &nome)
{
    return w.menuBar()->findChild<QAction *>(nome);
}

} // namespace

class TstPrincipal : public QObject {
    Q_OBJECT

private slots:
    // A complete start registers the user and logs the entry; closing asks first, and only Yes
    // removes the user and logs the exit.
    void inicioEFechamento()
    {
        Estacao e;
        ScriptedDialogService d;
        TF_Principal w(e.amb.pastas());
        scriptInicio(d, QStringLiteral("ana"), QStringLiteral("ana123"));
        QVERIFY(w.iniciar());
        QCOMPARE(w.windowTitle(),
                 QStringLiteral("Administração de Zedera - PREFEITURA MUNICIPAL DE SANTA LUZIA - %1").arg(kAno));
        QCOMPARE(w.painelStatus(1)->text(), QStringLiteral("ANA"));
        QCOMPARE(DialogService::defaultCaption(), QStringLiteral("Administração de Zedera"));
        QCOMPARE(e.amb.linhas(QStringLiteral("select usuario from ativos")), QStringList{QStringLiteral("ANA")});
        QCOMPARE(e.amb.linhas(QStringLiteral("select seq, usuario, evento from acessos")),
                 QStringList{QStringLiteral("1|ANA|ENTRADA")});
        QVERIFY(d.messages().size() == 2); // splash and login only

        d.expectQuestion(QStringLiteral("Essa aplicação será encerrada."), false);
        QVERIFY(!w.close());
        QVERIFY(!w.encerrada());
        QCOMPARE(e.amb.linhas(QStringLiteral("select usuario from ativos")), QStringList{QStringLiteral("ANA")});

        d.expectQuestion(QStringLiteral("Essa aplicação será encerrada."), true);
        QVERIFY(w.close());
        QVERIFY(w.encerrada());
        QVERIFY(!w.banco()->conectado());
        QVERIFY(e.amb.linhas(QStringLiteral("select usuario from ativos")).isEmpty());
        QCOMPARE(e.amb.linhas(QStringLiteral("select seq, usuario, evento from acessos order by seq")),
                 (QStringList{QStringLiteral("1|ANA|ENTRADA"), QStringLiteral("2|ANA|SAIDA")}));
    }

    // The exit button asks its own question and no second one.
    void botaoSair()
    {
        Estacao e;
        ScriptedDialogService d;
        TF_Principal w(e.amb.pastas());
        scriptInicio(d, QStringLiteral("ANA"), QStringLiteral("ana123"));
        QVERIFY(w.iniciar());
        d.expectQuestion(QStringLiteral("Deseja sair do sistema."), true);
        w.findChild<QToolButton *>(QStringLiteral("b_sair"))->click();
        QVERIFY(w.encerrada());
        QCOMPARE(e.amb.linhas(QStringLiteral("select evento from acessos order by seq")),
                 (QStringList{QStringLiteral("ENTRADA"), QStringLiteral("SAIDA")}));
    }

    // A user still connected (here or elsewhere) cannot start again; the other line stays.
    void usuarioJaAtivo()
    {
        Estacao e;
        e.amb.banco().execute(QStringLiteral("insert into ativos values ('ANA', '2026-01-02 07:00', 'outra (10.0.0.9)')"));
        ScriptedDialogService d;
        TF_Principal w(e.amb.pastas());
        scriptInicio(d, QStringLiteral("ANA"), QStringLiteral("ana123"));
        QVERIFY(!w.iniciar());
        QCOMPARE(d.lastMessage().text, QStringLiteral("Usuário já está ativo."));
        QCOMPARE(d.lastMessage().kind, Kind::Error);
        QCOMPARE(e.amb.linhas(QStringLiteral("select usuario, local from ativos")),
                 QStringList{QStringLiteral("ANA|outra (10.0.0.9)")});
        QVERIFY(e.amb.linhas(QStringLiteral("select * from acessos")).isEmpty());
    }

    // The master user is never listed as connected, so two workstations may use it at once.
    void mestreEntraDuasVezes()
    {
        Estacao e;
        ScriptedDialogService d;
        TF_Principal primeira(e.amb.pastas());
        scriptInicio(d, Acesso::MasterUsuario(), AmbientePrograma::senhaMestre());
        QVERIFY(primeira.iniciar());
        TF_Principal segunda(e.amb.pastas());
        scriptInicio(d, Acesso::MasterUsuario(), AmbientePrograma::senhaMestre());
        QVERIFY(segunda.iniciar());
        QVERIFY(e.amb.linhas(QStringLiteral("select * from ativos")).isEmpty());
        QCOMPARE(e.amb.linhas(QStringLiteral("select usuario, evento from acessos order by seq")),
                 (QStringList{QStringLiteral("MASTER|ENTRADA"), QStringLiteral("MASTER|ENTRADA")}));
        primeira.EncerrarSessao();
        segunda.EncerrarSessao();
    }

    // Without a database folder (dialog cancelled) the program says so and ends.
    void semConexao()
    {
        Estacao e;
        QFile::remove(e.amb.pasta() + QStringLiteral("/config_vkl.ini"));
        ScriptedDialogService d;
        TF_Principal w(e.amb.pastas());
        d.expectExec(QStringLiteral("TF_Abertura"), [](QDialog &) { return int(QDialog::Accepted); });
        d.expectExec(QStringLiteral("TF_Config"), [](QDialog &) { return int(QDialog::Rejected); });
        QVERIFY(!w.iniciar());
        QCOMPARE(d.lastMessage().text, QStringLiteral("A conexão com o BANCO DE DADOS não foi possível."));
        QCOMPARE(d.lastMessage().caption, QStringLiteral("Atenção"));
        QCOMPARE(d.lastMessage().kind, Kind::Information);
    }

    // Leaving the login writes nothing.
    void loginCancelado()
    {
        Estacao e;
        ScriptedDialogService d;
        TF_Principal w(e.amb.pastas());
        d.expectExec(QStringLiteral("TF_Abertura"), [](QDialog &) { return int(QDialog::Accepted); });
        d.expectExec(QStringLiteral("TF_Acesso"), [](QDialog &login) {
            login.findChild<QPushButton *>(QStringLiteral("b_cancelar"))->click();
            return login.result();
        });
        QVERIFY(!w.iniciar());
        QVERIFY(e.amb.linhas(QStringLiteral("select * from ativos")).isEmpty());
        QVERIFY(e.amb.linhas(QStringLiteral("select * from acessos")).isEmpty());
    }

    // A failing fuel-price update is reported and the start goes on.
    void precoDosCombustiveisFalha()
    {
        Estacao e;
        e.amb.banco().execute(QStringLiteral("drop procedure atual_vr_tp_combust"));
        ScriptedDialogService d;
        TF_Principal w(e.amb.pastas());
        scriptInicio(d, QStringLiteral("ANA"), QStringLiteral("ana123"));
        QVERIFY(w.iniciar());
        QCOMPARE(d.texts(Kind::Information),
                 QStringList{QStringLiteral("Não foi possível atualizar os valores dos tipos de combustíveis.")});
        QCOMPARE(e.amb.linhas(QStringLiteral("select usuario from ativos")), QStringList{QStringLiteral("ANA")});
        w.EncerrarSessao();
    }

    // Level 0 hides and disables a menu item and disables its toolbar button; the two profile
    // items still check the profile when reached.
    void direitosNoMenuENaBarra()
    {
        Estacao e;
        ScriptedDialogService d;
        TF_Principal w(e.amb.pastas());
        scriptInicio(d, QStringLiteral("ANA"), QStringLiteral("ana123"));
        QVERIFY(w.iniciar());
        QAction *usuarios = item(w, QStringLiteral("men_usuario"));
        QVERIFY(usuarios);
        QVERIFY(!usuarios->isVisible());
        QVERIFY(!usuarios->isEnabled());
        QVERIFY(!w.findChild<QToolButton *>(QStringLiteral("b_usuario"))->isEnabled());
        QVERIFY(w.findChild<QToolButton *>(QStringLiteral("b_sair"))->isEnabled());
        QVERIFY(item(w, QStringLiteral("men_param"))->isVisible());
        QVERIFY(item(w, QStringLiteral("men_param"))->isEnabled());

        w.abrirItem(QStringLiteral("men_usuario"));
        w.abrirItem(QStringLiteral("men_alterar_senha"));
        QCOMPARE(d.texts(Kind::Error), (QStringList{QStringLiteral("Usuário não autorizado."),
                                                    QStringLiteral("Usuário não esta autorizado para alterar senha.")}));
        w.EncerrarSessao();
    }

    // The master user reaches everything, the toolbar follows, and the profile items open the
    // access component's windows.
    void mestreVeTudo()
    {
        Estacao e;
        ScriptedDialogService d;
        TF_Principal w(e.amb.pastas());
        scriptInicio(d, Acesso::MasterUsuario(), AmbientePrograma::senhaMestre());
        QVERIFY(w.iniciar());
        for (QAction *a : w.menuBar()->findChildren<QAction *>()) {
            if (!a->objectName().isEmpty())
                QVERIFY2(a->isVisible() && a->isEnabled(), qPrintable(a->objectName()));
        }
        for (QToolButton *b : w.findChildren<QToolButton *>())
            if (b->objectName().startsWith(QStringLiteral("b_")))
                QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        d.expectExec([](QDialog &) { return int(QDialog::Rejected); });
        d.expectExec([](QDialog &) { return int(QDialog::Rejected); });
        w.findChild<QToolButton *>(QStringLiteral("b_usuario"))->click();
        w.abrirItem(QStringLiteral("men_alterar_senha"));
        QCOMPARE(d.pendingExecs(), 0);
        QVERIFY(d.texts(Kind::Error).isEmpty());
        w.EncerrarSessao();
    }

    // Every item the menu shows opens a window; the table's items without one are not shown, and
    // the shown ones keep the table's captions and order.
    void menuSoComJanelas()
    {
        Estacao e;
        ScriptedDialogService d;
        TF_Principal w(e.amb.pastas());
        scriptInicio(d, Acesso::MasterUsuario(), AmbientePrograma::senhaMestre());
        QVERIFY(w.iniciar());
        const auto janelas = janelasDoMenu();
        QStringList esperado, mostrado;
        const std::function<void(const QList<ItemMenu> &)> daTabela = [&](const QList<ItemMenu> &itens) {
            for (const ItemMenu &i : itens) {
                if (!i.itens.isEmpty())
                    daTabela(i.itens);
                else if (janelas.contains(i.nome) || i.nome == QStringLiteral("men_usuario")
                         || i.nome == QStringLiteral("men_alterar_senha"))
                    esperado << i.nome + u'=' + i.titulo;
            }
        };
        for (const MenuTopo &t : menuPrincipal())
            daTabela(t.itens);
        const std::function<void(QMenu *)> doMenu = [&](QMenu *m) {
            for (QAction *a : m->actions()) {
                if (a->menu())
                    doMenu(a->menu());
                else if (!a->isSeparator())
                    mostrado << a->objectName() + u'=' + a->text();
            }
        };
        for (QAction *topo : w.menuBar()->actions())
            doMenu(topo->menu());
        QCOMPARE(mostrado, esperado);

        for (const QString &nome : janelas.keys()) {
            d.expectExec([](QDialog &) { return int(QDialog::Rejected); });
            w.abrirItem(nome);
            QVERIFY2(d.pendingExecs() == 0, qPrintable(nome));
        }
        w.EncerrarSessao();
    }

    // Deleting the year's parameters and refusing to register them again ends the session.
    void semParametrosEncerra()
    {
        Estacao e;
        ScriptedDialogService d;
        TF_Principal w(e.amb.pastas());
        scriptInicio(d, QStringLiteral("ANA"), QStringLiteral("ana123"));
        QVERIFY(w.iniciar());
        d.expectExec(QStringLiteral("TF_Cad_Parametros"), [&](QDialog &p) {
            d.answerNextQuestion(true);  // delete
            p.findChild<QPushButton *>(QStringLiteral("b_excluir"))->click();
            d.answerNextQuestion(false); // register them now? No
            p.findChild<QPushButton *>(QStringLiteral("b_fechar"))->click();
            return p.result();
        });
        w.abrirItem(QStringLiteral("men_param"));
        QCOMPARE(d.lastMessage().text, QStringLiteral("O sistema será encerrado."));
        QVERIFY(w.encerrada());
        QVERIFY(e.amb.linhas(QStringLiteral("select * from ativos")).isEmpty());
        QCOMPARE(e.amb.linhas(QStringLiteral("select evento from acessos order by seq")),
                 (QStringList{QStringLiteral("ENTRADA"), QStringLiteral("SAIDA")}));
    }

    // Saving the parameters from the menu renames the main window at once.
    void parametrosRenomeiamAJanela()
    {
        Estacao e;
        ScriptedDialogService d;
        TF_Principal w(e.amb.pastas());
        scriptInicio(d, QStringLiteral("ANA"), QStringLiteral("ana123"));
        QVERIFY(w.iniciar());
        d.expectExec(QStringLiteral("TF_Cad_Parametros"), [&](QDialog &p) {
            p.findChild<QLineEdit *>(QStringLiteral("t_empresa"))->setText(QStringLiteral("CONSORCIO"));
            d.expectQuestion(QStringLiteral("Confirma a alteração do exercício atual."), true);
            p.findChild<QPushButton *>(QStringLiteral("b_alterar"))->click();
            return int(QDialog::Rejected);
        });
        w.abrirItem(QStringLiteral("men_param"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Administração de Zedera - CONSORCIO DE SANTA LUZIA - %1").arg(kAno));
        w.EncerrarSessao();
    }
};

QTEST_MAIN(TstPrincipal)
#include "tst_principal.moc"
