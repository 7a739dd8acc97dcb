#include "MenuPrincipal.h"

namespace zedera {

namespace {

ItemMenu item(const char *nome, const char16_t *titulo)
{
    return {QString::fromLatin1(nome), QString::fromUtf16(titulo), {}};
}

ItemMenu separador()
{
    return {};
}

} // namespace

const QList<MenuTopo> &menuPrincipal()
{
    static const QList<MenuTopo> menu = {
        {QStringLiteral("Arquivo"),
         QStringLiteral("Arquivos dos sistema"),
         {
             item("men_usuario", u"Usuários"),
             item("men_alterar_senha", u"Alterar Senha"),
             item("men_param", u"Parametros"),
             separador(),
             item("men_motorista", u"Motoristas"),
             item("men_tipo_veic", u"Tipos de veículos"),
             item("men_tipo_combust", u"Tipos de Combustíveis"),
             item("men_veiculos", u"Veículos"),
             item("men_tabela", u"Tabela de Peças e Serviços"),
             item("men_linhas", u"Linhas"),
             item("men_destinos", u"Destinos"),
             item("men_empr_usu", u"Empresas usuárias"),
             item("men_causa_manut", u"Causas de Manutenção"),
             item("men_seguradoras", u"Seguradoras"),
             item("men_doc_veic", u"Documentação do veículo"),
         }},
        {QStringLiteral("Relatórios"),
         QStringLiteral("Relatórios do sistema"),
         {
             {QStringLiteral("men_movimento"),
              QStringLiteral("Movimento"),
              {
                  item("men_relat_movto_veic", u"Veículos"),
                  item("men_relat_movto_completo", u"Completo"),
                  item("men_relat_resumo_mensal", u"Resumo mensal"),
                  item("men_relat_movto_manut", u"Manutenção"),
                  item("MenuRelatMovtoAbastec", u"Abastecimento"),
                  item("MenuRelatMovtoAbastMediaConsumo", u"Abastecimento - Média de Consumo"),
              }},
             item("men_estado_korva", u"Estado do Korva"),
             item("men_analise_motoristas", u"Análise dos Motoristas"),
             item("men_relat_ord_serv", u"Ordens de Serviço"),
             item("men_contr_lavador", u"Controle do Lavador"),
         }},
        {QStringLiteral("Processos"),
         QString(),
         {
             item("men_movto_veic", u"Movimento de veículos"),
             item("men_movto_abast", u"Movimento de abastecimento"),
             item("men_manut_veic", u"Manutenção de veículos"),
             item("men_licenciamentos", u"Licenciamentos"),
             item("men_multas", u"Multas"),
             item("men_seguros", u"Seguros"),
             item("men_ord_serv", u"Ordem de Serviço"),
             item("men_lubrificacao", u"Lubrificação"),
             item("men_gerar_resumo_mensal", u"Gerar resumo mensal"),
         }},
        {QStringLiteral("Pesquisar"),
         QString(),
         {
             item("men_pesq_resumo_mensal_movto", u"Resumo mensal do movimento"),
         }},
        {QStringLiteral("Utilitários"),
         QStringLiteral("Utilitários do sistema"),
         {
             item("men_copia_segur", u"Efetuar Cópia de Segurança"),
             item("men_restourar_copia", u"Restaurar Cópia de Segurança"),
             separador(),
             item("men_usu_conect", u"Usuários Conectados"),
         }},
    };
    return menu;
}

const QList<BotaoBarra> &botoesBarra()
{
    static const QList<BotaoBarra> botoes = {
        {QStringLiteral("b_usuario"), QStringLiteral("Usuários"), QStringLiteral("Cadastro de Operadores do Sistema"),
         QStringLiteral("men_usuario"), true},
        {QStringLiteral("b_movto_veic"), QStringLiteral("Movto de Veículos"), QString(),
         QStringLiteral("men_movto_veic"), false},
        {QStringLiteral("b_movto_abast"), QStringLiteral("Abastecimento"), QString(),
         QStringLiteral("men_movto_abast"), false},
        {QStringLiteral("b_manut_veic"), QStringLiteral("Manutenção"), QString(), QStringLiteral("men_manut_veic"),
         false},
        {QStringLiteral("b_ordem_serv"), QStringLiteral("Ordem Serviço"), QString(), QStringLiteral("men_ord_serv"),
         true},
        {QStringLiteral("b_sair"), QStringLiteral("Sair"), QStringLiteral("Sair do Sistema"), QString(), false},
    };
    return botoes;
}

} // namespace zedera
