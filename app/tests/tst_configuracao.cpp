// Start-up configuration: the selector argument, the INI files, where they live, and connecting
// the database from them (asking for the values when they are missing).
#include "AmbientePrograma.h"
#include "ScriptedDialogService.h"
#include "TF_Config.h"
#include "session/ConectarBanco.h"
#include "session/Configuracao.h"
#include "session/MsgAviso.h"
#include "session/Sessao.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace zedera;
using zedera::testing::AmbientePrograma;
using zedera::testing::ScriptedDialogService;

namespace {

QString lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

void escreverArquivo(const QString &caminho, const QString &texto)
{
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(texto.toUtf8());
}

// Fills the configuration dialog and presses Ok, as the user would.
ScriptedDialogService::ExecHandler preencherConfig(const QStringList &valores)
{
    return [valores](QDialog &d) {
        const QStringList nomes = {QStringLiteral("t_caminho_bd"), QStringLiteral("t_ip"),
                                   QStringLiteral("t_caminho_bk"), QStringLiteral("t_caminho_map")};
        for (int i = 0; i < nomes.size(); ++i)
            d.findChild<QLineEdit *>(nomes[i])->setText(valores.value(i));
        d.findChild<QPushButton *>(QStringLiteral("b_ok"))->click();
        return d.result();
    };
}

} // namespace

class TstConfiguracao : public QObject {
    Q_OBJECT

private slots:
    void init() { Sessao::reiniciar(); }

    void seletor_data()
    {
        QTest::addColumn<QStringList>("argumentos");
        QTest::addColumn<int>("config");
        QTest::addColumn<bool>("valido");
        QTest::newRow("none") << QStringList() << 0 << true;
        QTest::newRow("one") << QStringList{QStringLiteral("1")} << 1 << true;
        QTest::newRow("two") << QStringList{QStringLiteral("2")} << 2 << true;
        QTest::newRow("outside the files") << QStringList{QStringLiteral("3")} << 3 << true;
        QTest::newRow("two arguments count as none")
            << QStringList{QStringLiteral("1"), QStringLiteral("2")} << 0 << true;
        QTest::newRow("not a number") << QStringList{QStringLiteral("abc")} << 0 << false;
        QTest::newRow("number with text") << QStringList{QStringLiteral("1x")} << 0 << false;
    }
    void seletor()
    {
        QFETCH(QStringList, argumentos);
        QFETCH(int, config);
        QFETCH(bool, valido);
        const SeletorConfiguracao s = lerSeletor(argumentos);
        QCOMPARE(s.valido(), valido);
        QCOMPARE(s.config, config);
        if (!valido)
            QVERIFY(s.erro.contains(argumentos.first()));
    }

    void nomesDosArquivos()
    {
        QCOMPARE(nomeArquivoConfiguracao(0), QStringLiteral("config_vkl.ini"));
        QCOMPARE(nomeArquivoConfiguracao(1), QStringLiteral("config_vkl1.ini"));
        QCOMPARE(nomeArquivoConfiguracao(2), QStringLiteral("config_vkl2.ini"));
        QVERIFY(nomeArquivoConfiguracao(3).isEmpty());
        QVERIFY(nomeArquivoConfiguracao(-1).isEmpty());
    }

    // Windows folders keep their backslashes (a trailing one included), keys match in any case,
    // and writing changes only the keys written.
    void arquivoIniLidoEGravadoComoEsta()
    {
        QTemporaryDir dir;
        const QString caminho = dir.filePath(QStringLiteral("config_vkl.ini"));
        escreverArquivo(caminho, QStringLiteral("; configuração da estação\r\n[OUTRO]\r\nCAMINHO_BD=nao\r\n"
                                                "[vkl]\r\ncaminho_bd = 192.168.0.1:c:\\banco\\\r\n"
                                                "IP=\\\\servidor\\dados\\\r\nEXTRA=mantido\r\n"));
        ArquivoIni ini(caminho);
        QCOMPARE(ini.ler(QStringLiteral("VKL"), QStringLiteral("CAMINHO_BD")),
                 QStringLiteral("192.168.0.1:c:\\banco\\"));
        QCOMPARE(ini.ler(QStringLiteral("VKL"), QStringLiteral("IP")), QStringLiteral("\\\\servidor\\dados\\"));
        QVERIFY(!ini.contem(QStringLiteral("VKL"), QStringLiteral("CAMINHO_BK")));

        QVERIFY(ini.gravar(QStringLiteral("VKL"), {{QStringLiteral("IP"), QStringLiteral("10.0.0.5")},
                                                   {QStringLiteral("CAMINHO_BK"), QStringLiteral("d:\\bk\\")}}));
        QCOMPARE(lerArquivo(caminho), QStringLiteral("; configuração da estação\n[OUTRO]\nCAMINHO_BD=nao\n"
                                                     "[vkl]\ncaminho_bd = 192.168.0.1:c:\\banco\\\n"
                                                     "IP=10.0.0.5\nEXTRA=mantido\nCAMINHO_BK=d:\\bk\\\n"));
    }

    // An installed program cannot write its own folder: the file goes to the user's folder.
    void pastaDoProgramaSemEscrita()
    {
        QTemporaryDir dir;
        const QString usuario = dir.filePath(QStringLiteral("usuario"));
        const PastasPrograma pastas(dir.filePath(QStringLiteral("nao-existe")), usuario);
        QCOMPARE(pastas.destino(QStringLiteral("config_vkl.ini")), usuario + QStringLiteral("/config_vkl.ini"));
        QVERIFY(QDir(usuario).exists());
        const PastasPrograma gravavel(dir.path(), usuario);
        QCOMPARE(gravavel.destino(QStringLiteral("RDusers.RDA")), dir.filePath(QStringLiteral("RDusers.RDA")));
    }

    // A file already present is used where it is, the program's folder first.
    void arquivoNaPastaDoProgramaTemPrecedencia()
    {
        QTemporaryDir dir;
        const QString programa = dir.filePath(QStringLiteral("programa"));
        const QString usuario = dir.filePath(QStringLiteral("usuario"));
        QDir().mkpath(programa);
        QDir().mkpath(usuario);
        escreverArquivo(usuario + QStringLiteral("/config_vkl.ini"), QStringLiteral("[VKL]\nCAMINHO_BD=/u/\n"));
        const PastasPrograma pastas(programa, usuario);
        QCOMPARE(pastas.localizar(QStringLiteral("config_vkl.ini")), usuario + QStringLiteral("/config_vkl.ini"));
        escreverArquivo(programa + QStringLiteral("/config_vkl.ini"), QStringLiteral("[VKL]\nCAMINHO_BD=/p/\n"));
        QCOMPARE(pastas.localizar(QStringLiteral("config_vkl.ini")), programa + QStringLiteral("/config_vkl.ini"));
        QVERIFY(pastas.localizar(QStringLiteral("config_vkl2.ini")).isEmpty());
    }

    // Selector 1 with its file complete: that file is read and the dialog never opens.
    void arquivoSelecionadoConecta()
    {
        AmbientePrograma amb;
        amb.escreverConfig(0, {QStringLiteral("CAMINHO_BD=/nao/existe/")});
        amb.escreverConfigCompleta(1);
        ScriptedDialogService dialogos;
        Sessao &s = Sessao::atual();
        s.config = 1;
        auto banco = ConectarBanco(s, amb.pastas(), &TF_Config::pedir);
        QVERIFY(banco);
        QVERIFY(banco->conectado());
        QCOMPARE(s.caminho_bd, amb.pastaBanco());
        QCOMPARE(s.ip, QStringLiteral("127.0.0.1"));
        QVERIFY(dialogos.messages().isEmpty());
    }

    // A file with only the database folder connects; the backup values stay empty.
    void somenteCaminhoDoBanco()
    {
        AmbientePrograma amb;
        amb.escreverConfig(0, {QStringLiteral("CAMINHO_BD=") + amb.pastaBanco()});
        ScriptedDialogService dialogos;
        Sessao &s = Sessao::atual();
        auto banco = ConectarBanco(s, amb.pastas(), &TF_Config::pedir);
        QVERIFY(banco);
        QVERIFY(s.ip.isEmpty());
        QVERIFY(s.caminho_bk.isEmpty());
        QVERIFY(s.caminho_map.isEmpty());
    }

    // No file: the dialog asks, its values are used and written to the selected file.
    void semArquivoPerguntaEGrava()
    {
        AmbientePrograma amb;
        ScriptedDialogService dialogos;
        dialogos.expectExec(QStringLiteral("TF_Config"),
                            preencherConfig({amb.pastaBanco(), QStringLiteral("srv"), QStringLiteral("/bk/"),
                                             QStringLiteral("/map/")}));
        Sessao &s = Sessao::atual();
        auto banco = ConectarBanco(s, amb.pastas(), &TF_Config::pedir);
        QVERIFY(banco);
        const ArquivoIni ini(QDir(amb.pasta()).filePath(QStringLiteral("config_vkl.ini")));
        QCOMPARE(ini.ler(QStringLiteral("VKL"), QStringLiteral("CAMINHO_BD")), amb.pastaBanco());
        QCOMPARE(ini.ler(QStringLiteral("VKL"), QStringLiteral("IP")), QStringLiteral("srv"));
        QCOMPARE(ini.ler(QStringLiteral("VKL"), QStringLiteral("CAMINHO_BK")), QStringLiteral("/bk/"));
        QCOMPARE(ini.ler(QStringLiteral("VKL"), QStringLiteral("CAMINHO_MAP")), QStringLiteral("/map/"));
    }

    // Selector 3 names no file: the dialog always opens and nothing is written anywhere.
    void seletorForaDosArquivosNaoGrava()
    {
        AmbientePrograma amb;
        ScriptedDialogService dialogos;
        dialogos.expectExec(QStringLiteral("TF_Config"),
                            preencherConfig({amb.pastaBanco(), QStringLiteral("srv"), QStringLiteral("/bk/"),
                                             QStringLiteral("/map/")}));
        Sessao &s = Sessao::atual();
        s.config = 3;
        QVERIFY(ConectarBanco(s, amb.pastas(), &TF_Config::pedir));
        QVERIFY(QDir(amb.pasta()).entryList(QDir::Files).isEmpty());
        QVERIFY(!QDir(amb.pastaUsuario()).exists() || QDir(amb.pastaUsuario()).entryList(QDir::Files).isEmpty());
    }

    // Cancelled: the file is written as it stands and there is no connection, silently (the
    // caller says the connection failed).
    void dialogoCanceladoNaoConecta()
    {
        AmbientePrograma amb;
        ScriptedDialogService dialogos;
        dialogos.expectExec(QStringLiteral("TF_Config"), [](QDialog &) { return int(QDialog::Rejected); });
        Sessao &s = Sessao::atual();
        QVERIFY(!ConectarBanco(s, amb.pastas(), &TF_Config::pedir));
        QCOMPARE(dialogos.messages().size(), 1); // the window only
        QVERIFY(QFile::exists(QDir(amb.pasta()).filePath(QStringLiteral("config_vkl.ini"))));
    }

    // A folder without the database: the server's own text below the program's sentence.
    void bancoInexistenteMostraOErro()
    {
        AmbientePrograma amb;
        const QString outra = amb.pastaBanco() + QStringLiteral("vazia/");
        QDir().mkpath(outra);
        amb.escreverConfig(0, {QStringLiteral("CAMINHO_BD=") + outra});
        ScriptedDialogService dialogos;
        Sessao &s = Sessao::atual();
        QVERIFY(!ConectarBanco(s, amb.pastas(), &TF_Config::pedir));
        const auto m = dialogos.lastMessage();
        QCOMPARE(m.kind, ScriptedDialogService::Kind::Error);
        QCOMPARE(m.caption, QStringLiteral("Atenção"));
        const QString prefixo = QStringLiteral("Não foi possível abrir o Banco de Dados, conforme erro abaixo.\r\r");
        QVERIFY2(m.text.startsWith(prefixo) && m.text.size() > prefixo.size(), qPrintable(m.text));
    }

    // The warning box: the detail, when there is one, below a blank line.
    void msgAviso()
    {
        ScriptedDialogService dialogos;
        MsgAviso(QStringLiteral("Erro ao abrir a tabela de parâmetros!"), QStringLiteral("texto do servidor"));
        MsgAviso(QStringLiteral("Só o texto."));
        QCOMPARE(dialogos.texts(ScriptedDialogService::Kind::Warning),
                 (QStringList{QStringLiteral("Erro ao abrir a tabela de parâmetros!\r\rtexto do servidor"),
                              QStringLiteral("Só o texto.")}));
        QCOMPARE(dialogos.lastMessage().caption, QStringLiteral("Atenção"));
    }

    // The four fields are required in order; the first empty one is named and takes the focus.
    void configExigeOsQuatroCampos_data()
    {
        QTest::addColumn<int>("vazio");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("database") << 0 << QStringLiteral("O caminho do Banco de Dados deve ser informado.");
        QTest::newRow("server") << 1 << QStringLiteral("O IP ou Nome do Servidor do Banco de Dados deve ser informado.");
        QTest::newRow("backup") << 2 << QStringLiteral("O caminho do Banco de Dados para backup deve ser informado.");
        QTest::newRow("mapped") << 3
                                << QStringLiteral("O caminho mapeado do Banco de Dados para backup deve ser informado.");
    }
    void configExigeOsQuatroCampos()
    {
        QFETCH(int, vazio);
        QFETCH(QString, mensagem);
        ScriptedDialogService dialogos;
        Sessao s;
        TF_Config janela(s);
        const QStringList nomes = {QStringLiteral("t_caminho_bd"), QStringLiteral("t_ip"),
                                   QStringLiteral("t_caminho_bk"), QStringLiteral("t_caminho_map")};
        for (int i = 0; i < nomes.size(); ++i)
            janela.findChild<QLineEdit *>(nomes[i])->setText(i == vazio ? QStringLiteral("  ") : QStringLiteral("x"));
        janela.findChild<QPushButton *>(QStringLiteral("b_ok"))->click();
        QCOMPARE(dialogos.texts(ScriptedDialogService::Kind::Warning), QStringList{mensagem});
        QCOMPARE(dialogos.lastMessage().caption, QStringLiteral("Atenção"));
        QCOMPARE(janela.focusWidget(), janela.findChild<QLineEdit *>(nomes[vazio]));
        QCOMPARE(janela.result(), int(QDialog::Rejected));
        QVERIFY(s.caminho_bd.isEmpty());
    }
};

QTEST_MAIN(TstConfiguracao)
#include "tst_configuracao.moc"
