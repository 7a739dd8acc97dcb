#include "ScriptedDialogService.h"
#include "tst_access_fixture.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace zedera;
using namespace zedera::accesstest;
using zedera::testing::ScriptedDialogService;
using Kind = ScriptedDialogService::Kind;

class TestAccess : public QObject, public UsersFileFixture {
    Q_OBJECT
private slots:
    void initTestCase() { UserStore::setFastHashingForTests(true); }
    void init() { createUsersFile(); }

    void login_data()
    {
        QTest::addColumn<QString>("usuario");
        QTest::addColumn<QString>("senha");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("message");
        const QString expired =
            QStringLiteral("O acesso do usuário ANA expirou em %1.")
                .arg(QDate::currentDate().addDays(-1).toString(QStringLiteral("dd/MM/yyyy")));
        QTest::newRow("trimmed and upper-cased") << " joao "
                                                 << "senha1 " << true << "";
        QTest::newRow("unknown user") << "MARIA"
                                      << "SENHA1" << false << "Usuário não cadastrado.";
        QTest::newRow("wrong password") << "JOAO"
                                        << "SENHA2" << false << "Senha inválida.";
        QTest::newRow("empty password") << "JOAO"
                                        << "" << false << "Senha inválida.";
        QTest::newRow("expired yesterday") << "ANA"
                                           << "SENHA2" << false << expired;
        QTest::newRow("expiry not told without the password") << "ANA"
                                                              << "X" << false << "Senha inválida.";
        QTest::newRow("expires today still enters") << "PEDRO"
                                                    << "SENHA3" << true << "";
        QTest::newRow("master") << "master"
                                << "masterpw" << true << "";
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
        connect(&acesso, &Acesso::buttonOff, this, [&] {
            motoristaEnabledAtSignal = menu.action(QStringLiteral("men_motorista"))->isEnabled();
        });

        QVERIFY(acesso.login(QStringLiteral("JOAO"), QStringLiteral("SENHA1")));
        QVERIFY(motoristaEnabledAtSignal);

        const struct {
            const char *name;
            int level;
        } expected[] = {{"men_arquivo", 1},
                        {"men_usuario", 0},
                        {"men_alterar_senha", 0},
                        {"men_motorista", 3},
                        {"men_movimento", 1},
                        {"men_relat_movto_veic", 2},
                        {"men_relat_movto_completo", 0},
                        {"men_movto_veic", 0}};
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
        QTest::newRow("admin flag raised")
            << QByteArray("\"admin\": false") << QByteArray("\"admin\": true") << -1;
        QTest::newRow("expiry removed")
            << QByteArray("\"expira\": \"20") << QByteArray("\"expira\": \"30") << -1;
        QTest::newRow("level raised")
            << QByteArray("\"men_motorista\": 3") << QByteArray("\"men_motorista\": 5") << -1;
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
                d.findChild<QLineEdit *>(QStringLiteral("t_confirma_senha"))
                    ->setText(QStringLiteral("trocada9"));
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
