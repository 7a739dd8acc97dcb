#include "access/Acesso.h"
#include "ScriptedDialogService.h"

#include <QAction>
#include <QComboBox>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

using namespace zedera;
using zedera::testing::ScriptedDialogService;
using Kind = ScriptedDialogService::Kind;

namespace {

const QString masterPassword = QStringLiteral("MASTERPW");

// The main menu's shape in miniature: a named menu, an unnamed menu holding a named submenu, and
// an unnamed menu whose only item the clerk may not use.
struct MenuFixture {
    QMenuBar bar;
    QMenu *arquivo = nullptr;
    QMenu *movimento = nullptr;
    QMenu *processos = nullptr;

    MenuFixture()
    {
        arquivo = bar.addMenu(QStringLiteral("&Arquivo"));
        arquivo->setObjectName(QStringLiteral("men_arquivo"));
        add(arquivo, "men_usuario", "Usuários");
        add(arquivo, "men_alterar_senha", "Alterar Senha");
        arquivo->addSeparator();
        add(arquivo, "men_motorista", "Motoristas");
        QMenu *relatorios = bar.addMenu(QStringLiteral("&Relatórios"));
        movimento = relatorios->addMenu(QStringLiteral("Movimento"));
        movimento->setObjectName(QStringLiteral("men_movimento"));
        add(movimento, "men_relat_movto_veic", "Veículos");
        add(movimento, "men_relat_movto_completo", "Completo");
        processos = bar.addMenu(QStringLiteral("&Processos"));
        add(processos, "men_movto_veic", "Movimento de veículos");
    }
    static void add(QMenu *menu, const char *name, const char *text)
    {
        menu->addAction(QString::fromUtf8(text))->setObjectName(QString::fromLatin1(name));
    }
    QAction *action(const QString &name) const
    {
        if (auto *a = bar.findChild<QAction *>(name))
            return a;
        if (auto *m = bar.findChild<QMenu *>(name))
            return m->menuAction();
        return nullptr;
    }
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class TestAccess : public QObject {
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;
    QString m_path;

    // Master, a clerk group and four users: an ordinary clerk, one whose access ended yesterday,
    // one whose access ends today, and an administrator without password change.
    void makeFile()
    {
        UserStore store = UserStore::withMaster(masterPassword);
        store.putGroup({QStringLiteral("OPERADOR"),
                        {{QStringLiteral("men_arquivo"), 1},
                         {QStringLiteral("men_motorista"), 3},
                         {QStringLiteral("men_movimento"), 1},
                         {QStringLiteral("men_relat_movto_veic"), 2}}});
        const QDate today = QDate::currentDate();
        auto user = [&](const char *nome, const char *senha, QDate expira, bool admin, bool alt) {
            store.putUser({QString::fromLatin1(nome), QStringLiteral("OPERADOR"),
                           UserStore::hashPassword(QString::fromLatin1(senha)), expira, admin, alt});
        };
        user("JOAO", "SENHA1", {}, false, true);
        user("ANA", "SENHA2", today.addDays(-1), false, true);
        user("PEDRO", "SENHA3", today, false, true);
        user("CHEFE", "SENHA4", {}, true, false);
        QString erro;
        QVERIFY2(store.save(m_path, &erro), qPrintable(erro));
    }

private slots:
    void initTestCase() { UserStore::setFastHashingForTests(true); }

    void init()
    {
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(Acesso::defaultFileName());
        makeFile();
    }
    void cleanup()
    {
        delete m_dir;
        m_dir = nullptr;
    }

    void login_data()
    {
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        const QString expired = QStringLiteral("O acesso do usuário ANA expirou em %1.")
                                    .arg(QDate::currentDate().addDays(-1).toString(QStringLiteral("dd/MM/yyyy")));
        QTest::newRow("trimmed and upper-cased") << " joao " << "senha1 " << true << "";
        QTest::newRow("unknown user") << "MARIA" << "SENHA1" << false << "Usuário não cadastrado.";
        QTest::newRow("wrong password") << "JOAO" << "SENHA2" << false << "Senha inválida.";
        QTest::newRow("empty password") << "JOAO" << "" << false << "Senha inválida.";
        QTest::newRow("expired yesterday") << "ANA" << "SENHA2" << false << expired;
        QTest::newRow("expiry not told without the password") << "ANA" << "X" << false << "Senha inválida.";
        QTest::newRow("expires today still enters") << "PEDRO" << "SENHA3" << true << "";
        QTest::newRow("master") << "master" << "masterpw" << true << "";
    }
    void login()
    {
        QFETCH(QString, usuario);
        QFETCH(QString, senha);
        QFETCH(bool, accepted);
        QFETCH(QString, message);
        ScriptedDialogService script;
        Acesso acesso;
        acesso.setArqNome(m_path);
        QSignalSpy off(&acesso, &Acesso::buttonOff);

        QCOMPARE(acesso.login(usuario, senha), accepted);
        QCOMPARE(acesso.logado(), accepted);
        QCOMPARE(off.count(), accepted ? 1 : 0);
        if (accepted) {
            QVERIFY(script.messages().isEmpty());
            QCOMPARE(acesso.LogNome(), UserStore::normalize(usuario));
        } else {
            QCOMPARE(script.messages().size(), 1);
            QCOMPARE(script.lastMessage().kind, Kind::Information);
            QCOMPARE(script.lastMessage().text, message);
        }
    }

    void loginValues()
    {
        ScriptedDialogService script;
        Acesso acesso;
        acesso.setArqNome(m_path);
        QVERIFY(acesso.login(QStringLiteral("PEDRO"), QStringLiteral("SENHA3")));
        QCOMPARE(acesso.LogGrupo(), QStringLiteral("OPERADOR"));
        QCOMPARE(acesso.LogExpira(), QDate::currentDate());
        QVERIFY(!acesso.LogAdmin());
        QVERIFY(acesso.LogAltSenha());
        // The password is not kept: LogSenha is the stored hash and checking goes through it.
        QVERIFY(acesso.LogSenha().startsWith(QStringLiteral("$argon2id$")));
        QVERIFY(!acesso.LogSenha().contains(QStringLiteral("SENHA3")));
        QVERIFY(acesso.conferirSenha(QStringLiteral(" senha3")));
        QVERIFY(!acesso.conferirSenha(QStringLiteral("SENHA1")));

        QVERIFY(acesso.login(QStringLiteral("CHEFE"), QStringLiteral("SENHA4")));
        QVERIFY(acesso.LogAdmin());
        QVERIFY(!acesso.LogAltSenha());
        QVERIFY(!acesso.LogExpira().isValid());

        // A refused attempt leaves the user who is logged in as he was.
        QVERIFY(!acesso.login(QStringLiteral("JOAO"), QStringLiteral("ERRADA")));
        QCOMPARE(acesso.LogNome(), QStringLiteral("CHEFE"));
    }

    void rightsAppliedToMenu()
    {
        ScriptedDialogService script;
        MenuFixture menu;
        Acesso acesso;
        acesso.setArqNome(m_path);
        acesso.setMenuPrincipal(&menu.bar);
        // The main window reads the menu's state when buttonOff arrives: it must be applied by then.
        bool motoristaEnabledAtSignal = false;
        connect(&acesso, &Acesso::buttonOff, this,
                [&] { motoristaEnabledAtSignal = menu.action(QStringLiteral("men_motorista"))->isEnabled(); });

        QVERIFY(acesso.login(QStringLiteral("JOAO"), QStringLiteral("SENHA1")));
        QVERIFY(motoristaEnabledAtSignal);

        const struct {
            const char *name;
            int level;
        } expected[] = {{"men_arquivo", 1},          {"men_usuario", 0},
                        {"men_alterar_senha", 0},    {"men_motorista", 3},
                        {"men_movimento", 1},        {"men_relat_movto_veic", 2},
                        {"men_relat_movto_completo", 0}, {"men_movto_veic", 0}};
        for (const auto &e : expected) {
            QAction *a = menu.action(QString::fromLatin1(e.name));
            QVERIFY2(a, e.name);
            QCOMPARE(Acesso::nivelDoItem(a), e.level);
            QCOMPARE(a->isVisible(), e.level > 0);
            QCOMPARE(a->isEnabled(), e.level > 0);
            QCOMPARE(acesso.nivel(QString::fromLatin1(e.name)), e.level);
        }
        // A menu without a name of its own is hidden when nothing in it may be used.
        QVERIFY(!menu.processos->menuAction()->isVisible());

        // The master user, logging in on the same menu, gets everything back at level 5.
        QVERIFY(acesso.login(QStringLiteral("MASTER"), masterPassword));
        for (const auto &e : expected) {
            QAction *a = menu.action(QString::fromLatin1(e.name));
            QCOMPARE(Acesso::nivelDoItem(a), 5);
            QVERIFY(a->isVisible() && a->isEnabled());
        }
        QVERIFY(menu.processos->menuAction()->isVisible());
        QCOMPARE(acesso.nivel(QStringLiteral("any_item_at_all")), 5);
        QVERIFY(acesso.LogAdmin());
        QVERIFY(acesso.LogAltSenha());
    }

    void damagedFileLetsNobodyIn_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<int>("truncateTo");
        // Edits a person could make by hand, keeping the JSON valid, and plain damage.
        QTest::newRow("admin flag raised") << QByteArray("\"admin\": false") << QByteArray("\"admin\": true") << -1;
        QTest::newRow("expiry removed") << QByteArray("\"expira\": \"20") << QByteArray("\"expira\": \"30") << -1;
        QTest::newRow("level raised") << QByteArray("\"men_motorista\": 3") << QByteArray("\"men_motorista\": 5") << -1;
        QTest::newRow("hash swapped") << QByteArray("$argon2id$") << QByteArray("$argon2i$") << -1;
        QTest::newRow("code line removed") << QByteArray("CODIGO ") << QByteArray("XX") << -1;
        QTest::newRow("truncated") << QByteArray() << QByteArray() << 200;
        QTest::newRow("empty") << QByteArray() << QByteArray() << 0;
    }
    void damagedFileLetsNobodyIn()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(int, truncateTo);
        QByteArray bytes = readAll(m_path);
        if (truncateTo >= 0) {
            bytes.truncate(truncateTo);
        } else {
            QVERIFY(bytes.contains(from));
            bytes.replace(bytes.indexOf(from), from.size(), to);
        }
        writeAll(m_path, bytes);

        ScriptedDialogService script;
        MenuFixture menu;
        Acesso acesso;
        acesso.setArqNome(m_path);
        acesso.setMenuPrincipal(&menu.bar);
        QVERIFY(!acesso.login(QStringLiteral("MASTER"), masterPassword));
        QVERIFY(!acesso.login(QStringLiteral("JOAO"), QStringLiteral("SENHA1")));
        QVERIFY(!acesso.logado());
        QCOMPARE(script.texts(Kind::Error).size(), 2);
        QVERIFY(script.lastMessage().text.contains(QStringLiteral("danificado")));
        QVERIFY(script.lastMessage().text.contains(QStringLiteral("Ninguém poderá entrar")));
        QVERIFY(script.lastMessage().text.contains(m_path));
        // Nothing was opened on the menu either.
        QCOMPARE(Acesso::nivelDoItem(menu.action(QStringLiteral("men_motorista"))), 0);
        // The damaged file is left for the administrator to inspect or restore.
        QCOMPARE(readAll(m_path), bytes);
    }

    void missingFileRefusesLogin()
    {
        QFile::remove(m_path);
        ScriptedDialogService script;
        Acesso acesso;
        acesso.setArqNome(m_path);
        QVERIFY(!acesso.login(QStringLiteral("MASTER"), masterPassword));
        QCOMPARE(script.lastMessage().kind, Kind::Error);
        QVERIFY(script.lastMessage().text.contains(QStringLiteral("não foi encontrado")));
        QVERIFY(!QFile::exists(m_path));
    }

    void fileHoldsNoClearPassword()
    {
        // Change one password through the dialog too, so both ways of writing are covered.
        {
            ScriptedDialogService script;
            Acesso acesso;
            acesso.setArqNome(m_path);
            QVERIFY(acesso.login(QStringLiteral("JOAO"), QStringLiteral("SENHA1")));
            script.expectExec(QStringLiteral("TF_Alterar_Senha"), [](QDialog &d) {
                d.findChild<QLineEdit *>(QStringLiteral("t_senha_atual"))->setText(QStringLiteral("senha1"));
                d.findChild<QLineEdit *>(QStringLiteral("t_nova_senha"))->setText(QStringLiteral("TROCADA9"));
                d.findChild<QLineEdit *>(QStringLiteral("t_confirma_senha"))->setText(QStringLiteral("trocada9"));
                d.findChild<QPushButton *>(QStringLiteral("b_ok"))->click();
                return d.result();
            });
            QVERIFY(acesso.alterarSenha());
        }
        const QByteArray bytes = readAll(m_path);
        for (const char *clear : {"MASTERPW", "SENHA1", "SENHA2", "SENHA3", "SENHA4", "TROCADA9"}) {
            QVERIFY2(!bytes.contains(clear), clear);
            QVERIFY2(!bytes.toLower().contains(QByteArray(clear).toLower()), clear);
            QVERIFY2(!bytes.contains(QByteArray(clear).toBase64()), clear);
        }
        QCOMPARE(bytes.count("$argon2id$"), 5);
    }

    void changePassword()
    {
        ScriptedDialogService script;
        Acesso acesso;
        acesso.setArqNome(m_path);
        QVERIFY(acesso.login(QStringLiteral("JOAO"), QStringLiteral("SENHA1")));
        auto fill = [](QDialog &d, const char *atual, const char *nova, const char *confirma) {
            d.findChild<QLineEdit *>(QStringLiteral("t_senha_atual"))->setText(QString::fromLatin1(atual));
            d.findChild<QLineEdit *>(QStringLiteral("t_nova_senha"))->setText(QString::fromLatin1(nova));
            d.findChild<QLineEdit *>(QStringLiteral("t_confirma_senha"))->setText(QString::fromLatin1(confirma));
            d.findChild<QPushButton *>(QStringLiteral("b_ok"))->click();
        };
        int afterRefusals = -1;
        script.expectExec([&](QDialog &d) {
            fill(d, "ERRADA", "NOVA12", "NOVA12");   // wrong current password
            fill(d, "SENHA1", "AB", "AB");           // too short
            fill(d, "SENHA1", "NOVA12", "NOVA13");   // confirmation differs
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
            auto click = [&](const char *name) { d.findChild<QPushButton *>(QString::fromLatin1(name))->click(); };
            auto pick = [&](const char *list, const char *text) {
                auto *l = d.findChild<QListWidget *>(QString::fromLatin1(list));
                l->setCurrentItem(l->findItems(QString::fromLatin1(text), Qt::MatchExactly).value(0));
            };

            // A new group that may use one report; typing the level on the tree item.
            click("b_novo_grupo");
            edit("t_grupo")->setText(QStringLiteral("frota"));
            auto *tree = d.findChild<QTreeWidget *>(QStringLiteral("tv_direitos"));
            const QList<QTreeWidgetItem *> items =
                tree->findItems(QStringLiteral("men_relat_movto_veic"), Qt::MatchExactly | Qt::MatchRecursive, 2);
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
        QVERIFY(UserStore::verifyPassword(s.user(QStringLiteral("JOAO"))->senhaHash, QStringLiteral("SENHA1")));
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
        QVERIFY(acesso.prepararArquivo());  // exists: asks nothing
    }

    void writeReplacesTheFileWhole()
    {
        // A reader that opened the file before a save still reads the complete old content: the
        // new content went to a new file that replaced the old one, never over it in place.
        QFile old(m_path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        const QByteArray before = readAll(m_path);

        Acesso acesso;
        acesso.setArqNome(m_path);
        QVERIFY(acesso.alterarCadastro([](UserStore &s) {
            s.putGroup({QStringLiteral("NOVO"), {{QStringLiteral("men_param"), 2}}});
            return true;
        }));
        QCOMPARE(old.readAll(), before);
        UserStore reread;
        QCOMPARE(reread.load(m_path), UserStore::LoadResult::Ok);
        QVERIFY(reread.group(QStringLiteral("NOVO")));

        // A change that declines writes nothing; a save into a folder that is not there fails
        // with a message and leaves nothing behind.
        const QByteArray after = readAll(m_path);
        QVERIFY(!acesso.alterarCadastro([](UserStore &s) {
            s.removeGroup(QStringLiteral("NOVO"));
            return false;
        }));
        QCOMPARE(readAll(m_path), after);
        QString erro;
        const QString nowhere = m_dir->filePath(QStringLiteral("missing/RDusers.RDA"));
        QVERIFY(!reread.save(nowhere, &erro));
        QVERIFY(erro.contains(QStringLiteral("Não foi possível gravar")));
        QVERIFY(!QFile::exists(nowhere));
    }

    void twoWorkstationsDoNotOverwriteEachOther()
    {
        Acesso first;
        first.setArqNome(m_path);
        Acesso second;
        second.setArqNome(m_path);
        QVERIFY(first.alterarCadastro([](UserStore &s) {
            s.putGroup({QStringLiteral("OFICINA"), {}});
            return true;
        }));
        QVERIFY(second.alterarCadastro([](UserStore &s) {
            s.putGroup({QStringLiteral("FROTA"), {}});
            return true;
        }));
        UserStore s;
        QCOMPARE(s.load(m_path), UserStore::LoadResult::Ok);
        QVERIFY(s.group(QStringLiteral("OFICINA")));
        QVERIFY(s.group(QStringLiteral("FROTA")));
    }

    void weakHashRenewedAtLogin()
    {
        ScriptedDialogService script;
        Acesso acesso;
        acesso.setArqNome(m_path);
        UserStore::setFastHashingForTests(false);
        const bool ok = acesso.login(QStringLiteral("JOAO"), QStringLiteral("SENHA1"));
        UserStore::setFastHashingForTests(true);
        QVERIFY(ok);
        UserStore s;
        QCOMPARE(s.load(m_path), UserStore::LoadResult::Ok);
        const QString hash = s.user(QStringLiteral("JOAO"))->senhaHash;
        QCOMPARE(hash, acesso.LogSenha());
        QVERIFY2(hash.contains(QStringLiteral("m=65536,t=2")), qPrintable(hash));
        QVERIFY(UserStore::verifyPassword(hash, QStringLiteral("SENHA1")));
    }
};

QTEST_MAIN(TestAccess)
#include "tst_access.moc"
