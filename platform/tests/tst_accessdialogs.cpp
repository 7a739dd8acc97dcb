#include "ScriptedDialogService.h"
#include "tst_access_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

using namespace zedera;
using namespace zedera::accesstest;
using zedera::testing::ScriptedDialogService;
using Kind = ScriptedDialogService::Kind;

class TestAccessDialogs : public QObject, public UsersFileFixture {
    Q_OBJECT
private slots:
    void initTestCase() { UserStore::setFastHashingForTests(true); }
    void init() { createUsersFile(); }

    void changePassword()
    {
        ScriptedDialogService script;
        Acesso acesso;
        acesso.setArqNome(m_path);
        QVERIFY(acesso.login(QStringLiteral("JOAO"), QStringLiteral("SENHA1")));
        auto fill = [](QDialog &d, const char *atual, const char *nova, const char *confirma) {
            d.findChild<QLineEdit *>(QStringLiteral("t_senha_atual"))->setText(QString::fromLatin1(atual));
            d.findChild<QLineEdit *>(QStringLiteral("t_nova_senha"))->setText(QString::fromLatin1(nova));
            d.findChild<QLineEdit *>(QStringLiteral("t_confirma_senha"))
                ->setText(QString::fromLatin1(confirma));
            d.findChild<QPushButton *>(QStringLiteral("b_ok"))->click();
        };
        int afterRefusals = -1;
        script.expectExec([&](QDialog &d) {
            fill(d, "ERRADA", "NOVA12", "NOVA12"); // wrong current password
            fill(d, "SENHA1", "AB", "AB");         // too short
            fill(d, "SENHA1", "NOVA12", "NOVA13"); // confirmation differs
            afterRefusals = d.result();
            // Enter walks the fields and, in the last one, confirms.
            d.findChild<QLineEdit *>(QStringLiteral("t_senha_atual"))->setText(QStringLiteral("SENHA1"));
            d.findChild<QLineEdit *>(QStringLiteral("t_nova_senha"))->setText(QStringLiteral("NOVA12"));
            auto *confirma = d.findChild<QLineEdit *>(QStringLiteral("t_confirma_senha"));
            confirma->setText(QStringLiteral("NOVA12"));
            QTest::keyClick(confirma, Qt::Key_Return);
            return d.result();
        });
        QVERIFY(acesso.alterarSenha());
        QCOMPARE(afterRefusals, int(QDialog::Rejected));
        QCOMPARE(script.texts(Kind::Warning),
                 QStringList({QStringLiteral("A senha atual não confere."),
                              QStringLiteral("A senha deve ter pelo menos 4 caracteres."),
                              QStringLiteral("A confirmação não confere com a nova senha.")}));
        QCOMPARE(script.lastMessage().text, QStringLiteral("Senha alterada."));
        QVERIFY(acesso.conferirSenha(QStringLiteral("NOVA12")));

        Acesso other;
        other.setArqNome(m_path);
        QVERIFY(!other.login(QStringLiteral("JOAO"), QStringLiteral("SENHA1")));
        QVERIFY(other.login(QStringLiteral("JOAO"), QStringLiteral("NOVA12")));
    }

    void administrationDialog()
    {
        ScriptedDialogService script;
        MenuFixture menu;
        Acesso acesso;
        acesso.setArqNome(m_path);
        acesso.setMenuPrincipal(&menu.bar);
        QVERIFY(acesso.login(QStringLiteral("MASTER"), masterPassword));

        script.expectQuestion(QStringLiteral("Confirma a exclusão do usuário PEDRO?"), true);
        QString parentLevelShown;
        script.expectExec(QStringLiteral("TF_Adm_Usuarios"), [&](QDialog &d) {
            auto edit = [&](const char *name) { return d.findChild<QLineEdit *>(QString::fromLatin1(name)); };
            auto click = [&](const char *name) {
                d.findChild<QPushButton *>(QString::fromLatin1(name))->click();
            };
            auto pick = [&](const char *list, const char *text) {
                auto *l = d.findChild<QListWidget *>(QString::fromLatin1(list));
                l->setCurrentItem(l->findItems(QString::fromLatin1(text), Qt::MatchExactly).value(0));
            };

            // A new group that may use one report; typing the level on the tree item.
            click("b_novo_grupo");
            edit("t_grupo")->setText(QStringLiteral("frota"));
            auto *tree = d.findChild<QTreeWidget *>(QStringLiteral("tv_direitos"));
            const QList<QTreeWidgetItem *> items = tree->findItems(QStringLiteral("men_relat_movto_veic"),
                                                                   Qt::MatchExactly | Qt::MatchRecursive, 2);
            if (items.size() != 1)
                return int(QDialog::Rejected);
            tree->setCurrentItem(items.first());
            QTest::keyClick(tree, Qt::Key_4);
            parentLevelShown = items.first()->parent()->text(1);
            click("b_gravar_grupo");

            // A new user in it: a short password is refused first.
            click("b_novo");
            edit("t_nome")->setText(QStringLiteral("MARIA"));
            d.findChild<QComboBox *>(QStringLiteral("cb_grupo"))->setCurrentText(QStringLiteral("FROTA"));
            edit("t_senha")->setText(QStringLiteral("AB"));
            edit("t_confirma")->setText(QStringLiteral("AB"));
            click("b_gravar");
            edit("t_senha")->setText(QStringLiteral("MARIA123"));
            edit("t_confirma")->setText(QStringLiteral("MARIA123"));
            click("b_gravar");

            // Names already taken or reserved.
            click("b_novo");
            edit("t_nome")->setText(QStringLiteral("JOAO"));
            click("b_gravar");
            edit("t_nome")->setText(QStringLiteral("master"));
            click("b_gravar");

            // JOAO becomes an administrator; his password, left blank, stays.
            pick("lst_usuarios", "JOAO");
            d.findChild<QCheckBox *>(QStringLiteral("ck_admin"))->setChecked(true);
            click("b_gravar");

            pick("lst_grupos", "OPERADOR");
            click("b_excluir_grupo");
            pick("lst_usuarios", "PEDRO");
            click("b_excluir");
            click("b_fechar");
            return d.result();
        });
        acesso.administrarUsuarios();

        QCOMPARE(parentLevelShown, QStringLiteral("1"));
        QCOMPARE(script.texts(Kind::Warning),
                 QStringList({QStringLiteral("A senha deve ter pelo menos 4 caracteres."),
                              QStringLiteral("Usuário já cadastrado."),
                              QStringLiteral("O nome MASTER é reservado ao usuário master.")}));
        QCOMPARE(script.texts(Kind::Information),
                 QStringList{QStringLiteral("O grupo OPERADOR possui usuários e não pode ser excluído.")});
        QVERIFY(script.texts(Kind::Error).isEmpty());

        UserStore s;
        QCOMPARE(s.load(m_path), UserStore::LoadResult::Ok);
        QVERIFY(s.group(QStringLiteral("OPERADOR")));
        QVERIFY(!s.user(QStringLiteral("PEDRO")));
        QVERIFY(s.user(QStringLiteral("JOAO"))->admin);
        QVERIFY(
            UserStore::verifyPassword(s.user(QStringLiteral("JOAO"))->senhaHash, QStringLiteral("SENHA1")));
        const QMap<QString, int> frota{{QStringLiteral("men_movimento"), 1},
                                       {QStringLiteral("men_relat_movto_veic"), 4}};
        QCOMPARE(s.group(QStringLiteral("FROTA"))->niveis, frota);

        // The new user logs in and sees exactly what the group grants.
        QVERIFY(acesso.login(QStringLiteral("maria"), QStringLiteral("maria123")));
        QCOMPARE(acesso.LogGrupo(), QStringLiteral("FROTA"));
        QCOMPARE(Acesso::nivelDoItem(menu.action(QStringLiteral("men_relat_movto_veic"))), 4);
        QVERIFY(menu.action(QStringLiteral("men_movimento"))->isVisible());
        QVERIFY(!menu.action(QStringLiteral("men_motorista"))->isVisible());
        QVERIFY(!menu.action(QStringLiteral("men_arquivo"))->isVisible());
    }

    void administratorCannotTouchMasterOrSelf()
    {
        ScriptedDialogService script;
        Acesso acesso;
        acesso.setArqNome(m_path);
        QVERIFY(acesso.login(QStringLiteral("CHEFE"), QStringLiteral("SENHA4")));
        bool masterLocked = false;
        script.expectExec([&](QDialog &d) {
            auto *list = d.findChild<QListWidget *>(QStringLiteral("lst_usuarios"));
            auto *gravar = d.findChild<QPushButton *>(QStringLiteral("b_gravar"));
            auto *excluir = d.findChild<QPushButton *>(QStringLiteral("b_excluir"));
            list->setCurrentItem(list->findItems(QStringLiteral("MASTER"), Qt::MatchExactly).value(0));
            masterLocked = !gravar->isEnabled() && !excluir->isEnabled() &&
                           !d.findChild<QLineEdit *>(QStringLiteral("t_senha"))->isEnabled();
            list->setCurrentItem(list->findItems(QStringLiteral("CHEFE"), Qt::MatchExactly).value(0));
            excluir->click();
            return int(QDialog::Accepted);
        });
        const QByteArray before = readAll(m_path);
        acesso.administrarUsuarios();
        QVERIFY(masterLocked);
        QCOMPARE(script.texts(Kind::Information),
                 QStringList{QStringLiteral("O usuário conectado não pode ser excluído.")});
        QCOMPARE(readAll(m_path), before);
    }

    void firstStartAsksMasterPasswordTwice()
    {
        QFile::remove(m_path);
        ScriptedDialogService script;
        Acesso acesso;
        acesso.setArqNome(m_path);
        QVERIFY(!acesso.arquivoExiste());

        script.expectExec(QDialog::Rejected);
        QVERIFY(!acesso.prepararArquivo());
        QVERIFY(!QFile::exists(m_path));

        script.expectExec(QStringLiteral("TF_Senha_Master"), [](QDialog &d) {
            auto *senha = d.findChild<QLineEdit *>(QStringLiteral("t_senha"));
            auto *confirma = d.findChild<QLineEdit *>(QStringLiteral("t_confirma"));
            auto *ok = d.findChild<QPushButton *>(QStringLiteral("b_ok"));
            senha->setText(QStringLiteral("segredo1"));
            confirma->setText(QStringLiteral("segredo2"));
            ok->click();
            if (d.result() == QDialog::Accepted)
                return int(QDialog::Accepted);
            confirma->setText(QStringLiteral("SEGREDO1"));
            ok->click();
            return d.result();
        });
        QVERIFY(acesso.prepararArquivo());
        QCOMPARE(script.texts(Kind::Warning),
                 QStringList{QStringLiteral("A confirmação não confere com a nova senha.")});
        QVERIFY(acesso.arquivoExiste());
        QVERIFY(acesso.login(Acesso::MasterUsuario(), QStringLiteral("segredo1")));
        QVERIFY(acesso.LogAdmin());

        // Creating again never replaces an existing file: that would hand out a new master.
        QString erro;
        const QByteArray before = readAll(m_path);
        QVERIFY(!acesso.criarArquivo(QStringLiteral("OUTRA123"), &erro));
        QVERIFY(!erro.isEmpty());
        QCOMPARE(readAll(m_path), before);
        QVERIFY(acesso.prepararArquivo()); // exists: asks nothing
    }
};

QTEST_MAIN(TestAccessDialogs)
#include "tst_accessdialogs.moc"
