// The yearly parameters window: opening (existing row or seeded from last year), validation,
// insert, alter, delete, and the rule that an exercise cannot stay without parameters.
#include "AmbientePrograma.h"
#include "ScriptedDialogService.h"
#include "TF_Cad_Parametros.h"
#include "session/Banco.h"
#include "session/Sessao.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace zedera;
using zedera::testing::AmbientePrograma;
using zedera::testing::ScriptedDialogService;
using Kind = ScriptedDialogService::Kind;

namespace {

const QString kPerguntaFechar =
    QStringLiteral("ATENÇÃO: Não foi cadastrado os paramêtros para o exercício -> 2026.\rDeve ser cadastrado "
                   "os parametros para o sistema funcionar.\r\rDeseja cadastrar agora.");

struct Ambiente {
    AmbientePrograma amb;
    Banco banco{Banco::settingsFor(amb.pastaBanco())};
    Ambiente()
    {
        banco.conectar();
        Sessao::reiniciar();
        Sessao::atual().exercicio = 2026;
        Sessao::atual().definirTitulo(Sessao::tituloPrograma());
    }
};

QLineEdit *campo(QWidget &w, const char *nome)
{
    auto *e = w.findChild<QLineEdit *>(QString::fromLatin1(nome));
    if (!e)
        qFatal("no field %s", nome);
    return e;
}

QPushButton *botao(QWidget &w, const char *nome)
{
    return w.findChild<QPushButton *>(QString::fromLatin1(nome));
}

// Types a complete, valid set of values as a user would (masks included).
void preencherValido(TF_Cad_Parametros &j)
{
    const QList<QPair<const char *, QString>> valores = {
        {"t_empresa", QStringLiteral("prefeitura de vila nova")},
        {"t_sigla", QStringLiteral("pmvn")},
        {"t_cnpj", QStringLiteral("11222333000181")},
        {"t_end", QStringLiteral("rua um, 10")},
        {"t_compl", QString()},
        {"t_bairro", QStringLiteral("centro")},
        {"t_cid", QStringLiteral("vila nova")},
        {"t_uf", QStringLiteral("sp")},
        {"t_cep", QStringLiteral("13000123")},
        {"t_fone", QStringLiteral("1932345678")},
        {"t_fax", QString()},
        {"t_email", QStringLiteral("Frota@VilaNova.sp.gov.br")},
        {"t_detran", QString()},
        {"t_prefeito", QStringLiteral("ana prefeita")},
        {"t_diretor", QStringLiteral("bruno diretor")},
        {"t_chefe", QStringLiteral("carla chefe")},
    };
    for (const auto &[nome, valor] : valores) {
        QLineEdit *e = campo(j, nome);
        e->selectAll();
        e->del();
        QTest::keyClicks(e, valor);
    }
}

} // namespace

class TstParametros : public QObject {
    Q_OBJECT

private slots:
    // A new year opens for insertion filled with last year's values and this year's number.
    void anoNovoComecaDoAnterior()
    {
        Ambiente a;
        a.amb.inserirParametros(2025, QStringLiteral("PREFEITURA ANTIGA"), QStringLiteral("CIDADE VELHA"));
        ScriptedDialogService dialogos;
        TF_Cad_Parametros j(a.banco, Sessao::atual());
        QCOMPARE(j.modo(), QChar(u'I'));
        QCOMPARE(campo(j, "t_ano")->text(), QStringLiteral("2026"));
        QCOMPARE(campo(j, "t_empresa")->text(), QStringLiteral("PREFEITURA ANTIGA"));
        QCOMPARE(campo(j, "t_cnpj")->text(), QStringLiteral("12.345.678/0001-90"));
        QVERIFY(j.findChild<QRadioButton *>(QStringLiteral("t_km_atual_01"))->isChecked());
        QVERIFY(botao(j, "b_gravar")->isEnabled());
        QVERIFY(!botao(j, "b_alterar")->isEnabled());
        QVERIFY(!botao(j, "b_excluir")->isEnabled());
        QCOMPARE(j.focusWidget(), campo(j, "t_empresa"));
    }

    // Inserting stores the typed values (upper case, masks with their punctuation, e-mail in lower
    // case, the odometer choice as its code) and refreshes the session.
    void inclusaoGravaERecarregaSessao()
    {
        Ambiente a;
        ScriptedDialogService dialogos;
        TF_Cad_Parametros j(a.banco, Sessao::atual());
        QSignalSpy gravados(&j, &TF_Cad_Parametros::parametrosGravados);
        preencherValido(j);
        QCOMPARE(j.findChild<QRadioButton *>(QStringLiteral("t_km_atual_02"))->isChecked(), true);
        dialogos.expectQuestion(QStringLiteral("Confirma a inclusão do novo exercício"), true);
        botao(j, "b_gravar")->click();

        QCOMPARE(a.amb.linhas(QStringLiteral("select * from vkl_parametros")),
                 QStringList{QStringLiteral("2026|PREFEITURA DE VILA NOVA|PMVN|11.222.333/0001-81|RUA UM, 10||"
                                            "CENTRO|VILA NOVA|SP|13000-123|(19) 3234-5678||"
                                            "frota@vilanova.sp.gov.br|0|ANA PREFEITA|BRUNO DIRETOR|CARLA CHEFE|02")});
        const Sessao &s = Sessao::atual();
        QCOMPARE(s.empresa, QStringLiteral("PREFEITURA DE VILA NOVA"));
        QCOMPARE(s.cidade, QStringLiteral("VILA NOVA"));
        QCOMPARE(s.contr_km, QStringLiteral("02"));
        QCOMPARE(s.tituloJanelaPrincipal(), QStringLiteral("Administração de Zedera - PREFEITURA DE VILA NOVA DE VILA NOVA - 2026"));
        QCOMPARE(gravados.size(), 1);
        QCOMPARE(j.result(), int(QDialog::Accepted));
        QVERIFY(!j.encerrarPrograma());
        QVERIFY(dialogos.texts(Kind::Information).isEmpty());
    }

    // Each rule in its order, with the focus on the field it names; nothing is written.
    void validacao_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("valor");
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("company") << "t_empresa" << "" << "Nome da Empresa deve ser informado.";
        QTest::newRow("tax number") << "t_cnpj" << "" << "C.N.P.J da empresa deve ser informado.";
        QTest::newRow("tax number in part") << "t_cnpj" << "1122" << "C.N.P.J da empresa deve ser informado.";
        QTest::newRow("address") << "t_end" << "" << "Endereço da empresa deve ser informado.";
        QTest::newRow("district") << "t_bairro" << "" << "Bairro do endereço deve ser informado.";
        QTest::newRow("city") << "t_cid" << "" << "Cidade da empresa deve ser informada.";
        QTest::newRow("state") << "t_uf" << "" << "Sigla do Estado deve ser informada.";
        QTest::newRow("state of one letter") << "t_uf" << "s" << "Sigla do Estado deve ter dois digitos.";
        QTest::newRow("postal code") << "t_cep" << "" << "CEP deve ser informado.";
        QTest::newRow("mayor") << "t_prefeito" << "" << "Nome do Prefeito deve ser informado.";
        QTest::newRow("director") << "t_diretor" << "" << "Nome do diretor deve ser informado.";
        QTest::newRow("head") << "t_chefe" << "" << "Nome do chefe deve ser informado.";
        QTest::newRow("traffic code beyond an integer") << "t_detran" << "2147483648"
                                                        << "Cód. Detran deve ter no máximo 2147483647.";
    }
    void validacao()
    {
        QFETCH(QString, nome);
        QFETCH(QString, valor);
        QFETCH(QString, mensagem);
        Ambiente a;
        ScriptedDialogService dialogos;
        TF_Cad_Parametros j(a.banco, Sessao::atual());
        preencherValido(j);
        QLineEdit *e = campo(j, qPrintable(nome));
        e->selectAll();
        e->del();
        QTest::keyClicks(e, valor);
        botao(j, "b_gravar")->click();
        QCOMPARE(dialogos.texts(Kind::Information), QStringList{mensagem});
        QCOMPARE(j.focusWidget(), e);
        QCOMPARE(a.amb.linhas(QStringLiteral("select count(*) from vkl_parametros")), QStringList{QStringLiteral("0")});
    }

    // Altering keeps the window open in alteration mode and refreshes the session at once.
    void alteracao()
    {
        Ambiente a;
        a.amb.inserirParametros(2026);
        ScriptedDialogService dialogos;
        TF_Cad_Parametros j(a.banco, Sessao::atual());
        QCOMPARE(j.modo(), QChar(u'A'));
        QSignalSpy gravados(&j, &TF_Cad_Parametros::parametrosGravados);
        campo(j, "t_cid")->setText(QStringLiteral("NOVA CIDADE"));
        j.findChild<QRadioButton *>(QStringLiteral("t_km_atual_02"))->setChecked(true);
        dialogos.expectQuestion(QStringLiteral("Confirma a alteração do exercício atual."), false);
        botao(j, "b_alterar")->click();
        QCOMPARE(a.amb.linhas(QStringLiteral("select pr_cid, pr_contr_km from vkl_parametros")),
                 QStringList{QStringLiteral("SANTA LUZIA|01")});

        dialogos.expectQuestion(QStringLiteral("Confirma a alteração do exercício atual."), true);
        botao(j, "b_alterar")->click();
        QCOMPARE(a.amb.linhas(QStringLiteral("select pr_cid, pr_contr_km from vkl_parametros")),
                 QStringList{QStringLiteral("NOVA CIDADE|02")});
        QCOMPARE(Sessao::atual().cidade, QStringLiteral("NOVA CIDADE"));
        QCOMPARE(gravados.size(), 1);
        QCOMPARE(j.result(), 0); // still open
    }

    // Deleting clears the form for a new row; closing then asks, and Yes keeps the window open.
    void exclusaoEFechamento()
    {
        Ambiente a;
        a.amb.inserirParametros(2026);
        Sessao::atual().empresa = QStringLiteral("PREFEITURA MUNICIPAL");
        ScriptedDialogService dialogos;
        TF_Cad_Parametros j(a.banco, Sessao::atual());
        dialogos.expectQuestion(
            QStringLiteral("ATENÇÃO: Se for excluído o exercício atual, será necessário cadastrar novamente."), true);
        botao(j, "b_excluir")->click();
        QCOMPARE(a.amb.linhas(QStringLiteral("select count(*) from vkl_parametros")), QStringList{QStringLiteral("0")});
        QCOMPARE(j.modo(), QChar(u'I'));
        QVERIFY(campo(j, "t_empresa")->text().isEmpty());
        QCOMPARE(campo(j, "t_ano")->text(), QStringLiteral("2026"));
        QVERIFY(j.findChild<QRadioButton *>(QStringLiteral("t_km_atual_02"))->isChecked());
        QCOMPARE(Sessao::atual().empresa, QStringLiteral("PREFEITURA MUNICIPAL"));

        dialogos.expectQuestion(kPerguntaFechar, true);
        botao(j, "b_fechar")->click();
        QCOMPARE(j.result(), 0);
        QVERIFY(!j.encerrarPrograma());
        QCOMPARE(j.focusWidget(), campo(j, "t_empresa"));
    }

    // Answering No to the insert closes the window; with no row the closing question follows,
    // and No there ends the program.
    void recusarInclusaoEncerra()
    {
        Ambiente a;
        ScriptedDialogService dialogos;
        TF_Cad_Parametros j(a.banco, Sessao::atual());
        preencherValido(j);
        dialogos.expectQuestion(QStringLiteral("Confirma a inclusão do novo exercício"), false);
        dialogos.expectQuestion(kPerguntaFechar, false);
        botao(j, "b_gravar")->click();
        QCOMPARE(dialogos.texts(Kind::Information), QStringList{QStringLiteral("O sistema será encerrado.")});
        QVERIFY(j.encerrarPrograma());
        QCOMPARE(a.amb.linhas(QStringLiteral("select count(*) from vkl_parametros")), QStringList{QStringLiteral("0")});
    }

    // With the year's row present, closing asks nothing.
    void fecharComRegistroNaoPergunta()
    {
        Ambiente a;
        a.amb.inserirParametros(2026);
        ScriptedDialogService dialogos;
        TF_Cad_Parametros j(a.banco, Sessao::atual());
        botao(j, "b_fechar")->click();
        QCOMPARE(j.result(), int(QDialog::Rejected));
        QVERIFY(dialogos.messages().isEmpty());
    }
};

QTEST_MAIN(TstParametros)
#include "tst_parametros.moc"
