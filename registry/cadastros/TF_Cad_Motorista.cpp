#include "TF_Cad_Motorista.h"

#include "framework/DisplayRules.h"

namespace zedera::registry {

namespace {
const QStringList kSituacoes{QStringLiteral("01 - Ativo"), QStringLiteral("02 - Saiu"), QStringLiteral("03 - Licença")};
const QString kSemExclusao = QStringLiteral("Tem %1 cadastrad%2 com este motorista.");
} // namespace

RegistryDescriptor TF_Cad_Motorista::describe()
{
    RegistryDescriptor d;
    d.className = QStringLiteral("TF_Cad_Motorista");
    d.caption = QStringLiteral("G.K - Cadastro de Motoristas");
    d.listName = QStringLiteral("Lista_Motorista");
    d.printerName = QStringLiteral("Impr_Motorista");
    d.codeColumn = QStringLiteral("mo_cod");
    d.codeField = QStringLiteral("t_cod_cad");
    d.alterFocus = QStringLiteral("t_nome_cad");
    d.codeTypedFields = {QStringLiteral("t_nome_cad"), QStringLiteral("t_apelido_cad")};

    d.columns = {
        {QStringLiteral("Código"), QStringLiteral("mo_cod"), 0, {}, true},
        {QStringLiteral("Nome"), QStringLiteral("mo_nome"), 288, {}, false},
        {QStringLiteral("Apelido"), QStringLiteral("mo_apelido"), 149, {}, false},
        {QStringLiteral("Situação"), QStringLiteral("mo_situa"), 125, storedItemRule(kSituacoes, 2), false},
    };
    using M = SearchItem::Match;
    d.searchItems = {
        {QStringLiteral("Código"), QStringLiteral("mo_cod"), 6, M::Equal, {}, true, false},
        {QStringLiteral("Nome"), QStringLiteral("mo_nome"), 40, M::StartsWith, {}, false, false},
        {QStringLiteral("Apelido"), QStringLiteral("mo_apelido"), 15, M::StartsWith, {}, false, false},
        {QStringLiteral("Situação"), QStringLiteral("mo_situa"), 2, M::StartsWith, {}, false, false},
    };
    d.defaultSearchItem = 0;
    d.initialOrder = QStringLiteral("mo_nome");
    d.filterFields = {
        {QStringLiteral(" mo_cod "), QStringLiteral(" Código "), 6, u'I', {}, QStringLiteral("Digite o código do motorista")},
        {QStringLiteral(" mo_nome "), QStringLiteral(" Nome "), 40, u'C', {}, QStringLiteral("Digite o nome do motorista")},
        {QStringLiteral(" mo_apelido "), QStringLiteral(" Apelido "), 15, u'C', {}, QStringLiteral("Digite o apelido do motorista")},
        {QStringLiteral(" mo_situa "), QStringLiteral(" Situação "), 2, u'I', {},
         QStringLiteral("Digite 01 - Ativo, 02 - Saiu, 03 - Licença")},
    };

    RegistryStatements &s = d.statements;
    s.list = QStringLiteral("select * from vkl_motoristas where mo_cod > 0 order by ");
    s.letter = QStringLiteral("select * from vkl_motoristas where mo_cod > 0 and ");
    s.filterBase = QStringLiteral("select * from vkl_motoristas where mo_cod > 0 and ");
    s.codeExists = QStringLiteral("select * from vkl_motoristas where mo_cod = :p_cod");
    s.highestCode = QStringLiteral("select max(mo_cod) as ultimo from vkl_motoristas");
    s.nextCode = QStringLiteral("select max(mo_cod) + 1 as proximo from vkl_motoristas");
    s.insert = QStringLiteral("insert into vkl_motoristas values(:p_cod, :p_nome, :p_apelido, :p_situa)");
    s.update = QStringLiteral("update vkl_motoristas set mo_nome = :p_nome, mo_apelido = :p_apelido, \n"
                              "mo_situa = :p_situa where mo_cod = :p_cod");
    s.remove = QStringLiteral("delete from vkl_motoristas where mo_cod = :p_cod");

    using K = EditField::Kind;
    d.editFields = {
        EditField::text(QStringLiteral("t_nome_cad"), QStringLiteral("Nome"), QStringLiteral("mo_nome"),
                        QStringLiteral(":p_nome"), 40),
        EditField::text(QStringLiteral("t_apelido_cad"), QStringLiteral("Apelido"), QStringLiteral("mo_apelido"),
                        QStringLiteral(":p_apelido"), 15),
        EditField::pick(K::Choice, QStringLiteral("t_situa_cad"), QStringLiteral("Situação"),
                        QStringLiteral("mo_situa"), QStringLiteral(":p_situa"), kSituacoes, 2),
    };

    d.uniqueRules = {
        {QStringLiteral("t_nome_cad"), QStringLiteral("Nome do motorista deve ser informado."),
         QStringLiteral("select mo_cod from vkl_motoristas where mo_nome = :p_nome"), QStringLiteral(":p_nome"),
         QStringLiteral("Nome já existe cadastrado com o código --> ")},
        {QStringLiteral("t_apelido_cad"), QStringLiteral("Apelido do motorista deve ser informado."),
         QStringLiteral("select mo_cod from vkl_motoristas where mo_apelido = :p_apelido"),
         QStringLiteral(":p_apelido"), QStringLiteral("Apelido já existe cadastrado com o código --> ")},
    };

    d.guards = {
        {QStringLiteral("select ve_cod from vkl_veiculos where ve_motorista_padrao = :p_cod"),
         kSemExclusao.arg(QStringLiteral("veículo"), QStringLiteral("o")), {}},
        {QStringLiteral("select  mv_motorista from vkl_movto_veic where mv_motorista = :p_cod"),
         kSemExclusao.arg(QStringLiteral("movimento de veículo"), QStringLiteral("o")), {}},
        {QStringLiteral("select ma_motorista from vkl_movto_abast where ma_motorista = :p_cod"),
         kSemExclusao.arg(QStringLiteral("abastecimento de veículo"), QStringLiteral("o")), {}},
        {QStringLiteral("select mtv_motorista from vkl_manut_veic where mtv_motorista = :p_cod"),
         kSemExclusao.arg(QStringLiteral("manutenção de veículo"), QStringLiteral("a")), {}},
        {QStringLiteral("select mu_motorista from vkl_multas where mu_motorista = :p_cod"),
         kSemExclusao.arg(QStringLiteral("multa"), QStringLiteral("a")), {}},
        {QStringLiteral("select os_motorista from vkl_ord_serv where os_motorista = :p_cod"),
         kSemExclusao.arg(QStringLiteral("ordem de serviço"), QStringLiteral("o")), {}},
        {QStringLiteral("select cl_motorista from vkl_cad_lub where cl_motorista = :p_cod"),
         kSemExclusao.arg(QStringLiteral("lubrificação"), QStringLiteral("o")), {}},
    };

    PrintLayout &p = d.print;
    p.title = QStringLiteral("Relatório do cadastro de Motoristas");
    p.companyOnly = true;
    p.heading = {QStringLiteral("Código  Nome                                      Apelido          Situação     ")};
    p.cells = {
        {0, 7, true, true, QStringLiteral("mo_cod"), {}, {}},
        {0, 9, false, false, QStringLiteral("mo_nome"), {}, {}},
        {0, 51, false, false, QStringLiteral("mo_apelido"), {}, {}},
        {0, 68, false, false, QStringLiteral("mo_situa"), numberedItemRule(kSituacoes), {}},
    };

    d.captureRefusal = [](const RegistryRow &row) {
        return row.text(QStringLiteral("mo_situa")) == u"01"
                   ? QString()
                   : QStringLiteral("ATENÇÃO: Motorista não esta ativo, verifique.");
    };
    return d;
}

TF_Cad_Motorista::TF_Cad_Motorista(const RegistryEnvironment &environment, Opener opener, QWidget *parent)
    : RegistryWindow(describe(), environment, opener, nullptr, parent)
{
}

} // namespace zedera::registry
