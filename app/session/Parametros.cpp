#include "session/Parametros.h"

#include "db/Connection.h"
#include "session/Sessao.h"

namespace zedera {

namespace {

void bindCampos(Query &q, const ParametrosExercicio &p)
{
    q.bind(QStringLiteral(":p_ano"), p.ano);
    q.bind(QStringLiteral(":p_empresa"), p.empresa);
    q.bind(QStringLiteral(":p_sigla"), p.sigla);
    q.bind(QStringLiteral(":p_cnpj"), p.cnpj);
    q.bind(QStringLiteral(":p_end"), p.end);
    q.bind(QStringLiteral(":p_compl"), p.complemento);
    q.bind(QStringLiteral(":p_bairro"), p.bairro);
    q.bind(QStringLiteral(":p_cid"), p.cid);
    q.bind(QStringLiteral(":p_uf"), p.uf);
    q.bind(QStringLiteral(":p_cep"), p.cep);
    q.bind(QStringLiteral(":p_fone"), p.fone);
    q.bind(QStringLiteral(":p_fax"), p.fax);
    q.bind(QStringLiteral(":p_email"), p.email);
    q.bind(QStringLiteral(":p_detran"), p.detran);
    q.bind(QStringLiteral(":p_resp1"), p.resp1);
    q.bind(QStringLiteral(":p_resp2"), p.resp2);
    q.bind(QStringLiteral(":p_resp3"), p.resp3);
    q.bind(QStringLiteral(":p_contr_km"), p.contr_km);
}

} // namespace

std::optional<ParametrosExercicio> lerParametros(Connection &conexao, int ano)
{
    Query q(conexao, QStringLiteral("select * from vkl_parametros where pr_ano = :p_ano"));
    q.bind(QStringLiteral(":p_ano"), ano).exec();
    if (!q.next())
        return std::nullopt;
    ParametrosExercicio p;
    p.ano = int(q.integer(QStringLiteral("pr_ano")));
    // CHAR columns come back padded with blanks.
    const auto texto = [&q](const char *coluna) { return q.text(QString::fromLatin1(coluna)).trimmed(); };
    p.empresa = texto("pr_empresa");
    p.sigla = texto("pr_sigla");
    p.cnpj = texto("pr_cnpj");
    p.end = texto("pr_end");
    p.complemento = texto("pr_compl");
    p.bairro = texto("pr_bairro");
    p.cid = texto("pr_cid");
    p.uf = texto("pr_uf");
    p.cep = texto("pr_cep");
    p.fone = texto("pr_fone");
    p.fax = texto("pr_fax");
    p.email = texto("pr_email");
    p.detran = q.integer(QStringLiteral("pr_detran"));
    p.resp1 = texto("pr_resp1");
    p.resp2 = texto("pr_resp2");
    p.resp3 = texto("pr_resp3");
    p.contr_km = texto("pr_contr_km");
    return p;
}

void incluirParametros(Connection &conexao, const ParametrosExercicio &p)
{
    WriteTransaction tr(conexao);
    Query q(conexao, QStringLiteral("insert into vkl_parametros values(:p_ano, :p_empresa, :p_sigla, :p_cnpj, :p_end, "
                                    ":p_compl, :p_bairro, :p_cid, :p_uf, :p_cep, :p_fone, :p_fax, "
                                    ":p_email, :p_detran, :p_resp1, :p_resp2, :p_resp3, :p_contr_km)"));
    bindCampos(q, p);
    q.exec();
    tr.commit();
}

bool alterarParametros(Connection &conexao, const ParametrosExercicio &p)
{
    WriteTransaction tr(conexao);
    Query q(conexao, QStringLiteral("update vkl_parametros set pr_empresa = :p_empresa, pr_sigla = :p_sigla, "
                                    "pr_cnpj = :p_cnpj, pr_end = :p_end, pr_compl = :p_compl, pr_bairro = "
                                    ":p_bairro, pr_cid = :p_cid, pr_uf = :p_uf, pr_cep = :p_cep, pr_fone "
                                    "= :p_fone, pr_fax = :p_fax, pr_email = :p_email, pr_detran = :p_detran, "
                                    "pr_resp1 = :p_resp1, pr_resp2 = :p_resp2, pr_resp3 = :p_resp3, pr_contr_km = "
                                    ":p_contr_km where pr_ano = :p_ano"));
    bindCampos(q, p);
    q.exec();
    const bool alterou = q.rowsAffected() > 0;
    tr.commit();
    return alterou;
}

void excluirParametros(Connection &conexao, int ano)
{
    WriteTransaction tr(conexao);
    Query q(conexao, QStringLiteral("delete from vkl_parametros where pr_ano = :p_ano"));
    q.bind(QStringLiteral(":p_ano"), ano).exec();
    tr.commit();
}

void copiarParaSessao(const ParametrosExercicio &p, Sessao &sessao)
{
    sessao.empresa = p.empresa;
    sessao.cidade = p.cid;
    sessao.uf = p.uf;
    sessao.endereco = p.end;
    sessao.cnpj = p.cnpj;
    sessao.resp1 = p.resp1;
    sessao.resp2 = p.resp2;
    sessao.resp3 = p.resp3;
    sessao.contr_km = p.contr_km;
}

} // namespace zedera
