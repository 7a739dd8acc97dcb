// The vehicle registry's tables: list, grid, search items, filter rows, statements and guards.
#include "TF_Cad_Veic.h"

#include "framework/DisplayRules.h"

namespace zedera::fleet {

using namespace zedera::registry;

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

GridColumn column(const char *field, const char *title, DisplayRule display = {}, bool right = false)
{
    return {u8(title), QString::fromLatin1(field).toLower(), 0, std::move(display), right};
}

// S is "SIM"; any other stored letter "NÃO"; nothing stored shows nothing.
DisplayRule simNao()
{
    return [](const QVariant &v) -> QString {
        if (v.isNull())
            return {};
        return v.toString().trimmed() == u"S" ? QStringLiteral("SIM") : QStringLiteral("NÃO");
    };
}

// The item whose index is the stored number ("00" the first); nothing for another value.
DisplayRule indexedItem(const QStringList &items)
{
    return [items](const QVariant &v) -> QString {
        bool ok = false;
        const int i = v.toString().trimmed().toInt(&ok);
        return ok && i >= 0 && i < items.size() ? items.at(i) : QString();
    };
}

SearchItem search(const char *label, const char *column, int length, SearchItem::Match match,
                  const char *mask = "")
{
    SearchItem s;
    s.label = u8(label);
    s.column = u8(column);
    s.maxLength = length;
    s.match = match;
    s.mask = u8(mask);
    return s;
}

FilterField filter(const char *campo, const char *descricao, int tamanho, char16_t tipo, const char *ajuda,
                   const char *mascara = "")
{
    return {u' ' + u8(campo) + u' ', u' ' + u8(descricao) + u' ', tamanho, QChar(tipo), u8(mascara), u8(ajuda)};
}

} // namespace

const QStringList &TF_Cad_Veic::mesesLicenc()
{
    static const QStringList items{
        QStringLiteral("00 - ."),         QStringLiteral("01 - Janeiro"), QStringLiteral("02 - Fevereiro"),
        QStringLiteral("03 - Março"),     QStringLiteral("04 - Abril"),   QStringLiteral("05 - Maio"),
        QStringLiteral("06 - Junho"),     QStringLiteral("07 - Julho"),   QStringLiteral("08 - Agosto"),
        QStringLiteral("09 - Setembro"),  QStringLiteral("10 - Outubro"), QStringLiteral("11 - Novembro"),
        QStringLiteral("12 - Dezembro")};
    return items;
}

const QStringList &TF_Cad_Veic::pertences()
{
    static const QStringList items{QStringLiteral("01 - Empresa"), QStringLiteral("02 - Terceiros"),
                                   QStringLiteral("03 - Equipamentos")};
    return items;
}

const QStringList &TF_Cad_Veic::baixas()
{
    static const QStringList items{QStringLiteral("00 - Ativo"), QStringLiteral("01 - Leiloado"),
                                   QStringLiteral("02 - Inutilizado"), QStringLiteral("03 - Furtado"),
                                   QStringLiteral("04 - Outros")};
    return items;
}

QString TF_Cad_Veic::listaBase()
{
    return QStringLiteral(
        "select vkl_veiculos.*, tc_descr, tv_descr, tv_contr, mo_nome, mo_apelido, st_nome, pra_descr "
        "from vkl_veiculos, vkl_tipo_combust, vkl_tipo_veic, vkl_motoristas, setores, proj_almoxarifado "
        "where ve_tipo_combust = tc_cod and ve_tipo_veic = tv_cod and ve_motorista_padrao = mo_cod "
        "and ve_ano_setor = st_exerc and ve_setor = st_cod and ve_proj = pra_proj and ve_sproj = pra_sproj");
}

RegistryDescriptor TF_Cad_Veic::describe()
{
    RegistryDescriptor d;
    d.className = QStringLiteral("TF_Cad_Veic");
    d.caption = QStringLiteral("G.K - Cadastro de Veículos");
    d.listName = QStringLiteral("Lista_Veic");
    d.printerName = QStringLiteral("Impr_Veic");
    d.codeColumn = QStringLiteral("ve_cod");
    d.codeField = QStringLiteral("t_cod");
    d.alterFocus = QStringLiteral("t_modelo");
    // The code is never typed; the fleet number is checked instead (TF_Cad_Veic).

    const DisplayRule decimal = numberMaskRule(QStringLiteral(",#0.00"));
    const DisplayRule contr = [](const QVariant &v) -> QString {
        const QString c = v.toString().trimmed();
        return c == u"K" ? QStringLiteral("Kilometragem")
             : c == u"H" ? QStringLiteral("Horas")
             : c == u"N" ? QStringLiteral("Não controla")
                         : QString();
    };
    d.columns = {
        column("VE_COD", "Código", {}, true),
        column("VE_NRO", "Número"),
        column("VE_MODELO", "Modelo"),
        column("VE_MARCA", "Marca"),
        column("VE_ANO_FABR", "Ano fabr.", {}, true),
        column("VE_ANO_MOD", "Ano mod.", {}, true),
        column("VE_LOTACAO", "Lotação", {}, true),
        column("VE_NRO_CHASSI", "Número chassis"),
        column("VE_TIPO_COMBUST", "Tipo comb.", {}, true),
        column("TC_DESCR", "Descrição do combustível"),
        column("VE_TIPO_VEIC", "Tipo veíc.", {}, true),
        column("TV_DESCR", "Descrição do tipo de veículo"),
        column("VE_CAPAC_TANQUE", "Capac. tanque", {}, true),
        column("VE_LETRA_PLACA", "Placa"),
        column("VE_NRO_PLACA", "Nº Placa"),
        column("VE_MES_LICENC", "Mês licenc."),
        column("VE_DT_AQUIS", "Dt. aquisição"),
        column("VE_KM_AQUIS", "Km aquisição", {}, true),
        column("VE_VELOC_MIN", "Veloc. miníma", {}, true),
        column("VE_VELOC_MAX", "Veloc. máxima", {}, true),
        column("VE_CONS_MIN", "Consumo min.", decimal, true),
        column("VE_CONS_MAX", "Consumo max.", decimal, true),
        column("VE_KM_MIN", "Km minima", {}, true),
        column("VE_KM_MAX", "Km máxima", {}, true),
        column("VE_KM_ATUAL", "Km atual", {}, true),
        column("VE_ESTADO", "Estado conserv.", decimal, true),
        column("VE_PLACA_PATRIM", "Placa patrimônio"),
        column("VE_MOTORISTA_PADRAO", "Motorista padrão", {}, true),
        column("MO_NOME", "Nome motorista"),
        column("MO_APELIDO", "Apelido"),
        column("VE_SETOR", "Setor"),
        column("ST_NOME", "Descrição do setor"),
        column("VE_SETOR_CONV", "Complemento setor"),
        column("VE_PROJ", "Projeto", {}, true),
        column("VE_SPROJ", "Sub-Projeto", {}, true),
        column("PRA_DESCR", "Descrição do projeto"),
        column("VE_DT_ALIENACAO", "Dt. Alienação"),
        column("VE_DECLARAVEL", "Declarável", simNao()),
        column("VE_BAIXA", "Baixa", indexedItem(baixas())),
        column("VE_DESCR_BAIXA", "Descrição da baixa"),
        column("VE_PERTENCE", "Pertencente", numberedItemRule(pertences())),
        column("VE_CONTR_KM", "Controle de KM", simNao()),
        column("VE_KM_VIRADA", "Km de virada", {}, true),
        column("TV_CONTR", "Controlado", contr),
    };

    using M = SearchItem::Match;
    d.searchItems = {
        search("Código", "ve_cod", 6, M::Equal),
        search("Número", "ve_nro", 6, M::StartsWith),
        search("Modelo", "ve_modelo", 40, M::StartsWith),
        search("Marca", "ve_marca", 30, M::StartsWith),
        search("Ano fabricação", "ve_ano_fabr", 10, M::Equal),
        search("Ano modelo", "ve_ano_mod", 10, M::Equal),
        search("Lotação", "ve_lotacao", 10, M::Equal),
        search("Nº Chassi", "ve_nro_chassi", 40, M::StartsWith),
        search("Cód. combustivel", "ve_tipo_combust", 6, M::Equal),
        search("Descr. combustivel", "tc_descr", 25, M::StartsWith),
        search("Cód. tipo veículo", "ve_tipo_veic", 6, M::Equal),
        search("Descr. tipo veículo", "tv_descr", 20, M::StartsWith),
        search("Capacidade tanque", "ve_capac_tanque", 10, M::Equal),
        // Three letters (upper case) and four digits.
        search("Placa veículo", "ve_letra_placa, ve_nro_placa", 8, M::Equal, ">AAA-9999"),
        search("Mês de licenciamento", "ve_mes_licenc", 2, M::Equal),
        search("Data aquisição", "ve_dt_aquis", 10, M::Equal, "99/99/9999"),
        search("Km aquisição", "ve_km_aquis", 10, M::Equal),
        search("Veloc. mínima", "ve_veloc_min", 10, M::Equal),
        search("Veloc. máxima", "ve_veloc_max", 10, M::Equal),
        search("Consumo mínimo", "ve_cons_min", 12, M::Equal),
        search("Consumo máximo", "ve_cons_max", 12, M::Equal),
        search("Km mínima", "ve_km_min", 10, M::Equal),
        search("Km máxima", "ve_km_max", 10, M::Equal),
        search("Km atual", "ve_km_atual", 10, M::Equal),
        search("Estado conserv.", "ve_estado", 6, M::Equal),
        search("Patrimônio - placa", "ve_placa_patrim", 12, M::Equal),
        search("Cód. motorista", "ve_motorista_padrao", 6, M::Equal),
        search("Nome do motorista", "mo_nome", 40, M::StartsWith),
        search("Apelido motorista", "mo_apelido", 15, M::StartsWith),
        search("Setor", "ve_setor", 8, M::Equal, "99.99.99"),
        search("Descr. setor", "st_nome", 40, M::StartsWith),
        search("Projeto", "ve_proj, ve_sproj", 13, M::Equal, "999999.999999"),
        search("Descr. projeto", "pra_descr", 40, M::StartsWith),
        search("Data alienação", "ve_dt_alienacao", 10, M::Equal, "99/99/9999"),
        search("Decláravel", "ve_declaravel", 2, M::Equal),
        search("Baixa", "ve_baixa", 2, M::Equal),
        search("Pertence", "ve_pertence", 2, M::Equal),
        search("Controla KM", "ve_contr_km", 1, M::Equal),
    };
    d.searchItems[0].digitsOnly = true;
    d.defaultSearchItem = 1;
    d.initialOrder = QStringLiteral("ve_nro");

    d.filterFields = {
        filter("ve_cod", "Código", 6, u'I', "Digite o código do veículo"),
        filter("ve_nro", "Número", 6, u'C', "Digite o número do veículo"),
        filter("ve_modelo", "Modelo", 40, u'C', "Digite o modelo do veículo"),
        filter("ve_marca", "Marca", 30, u'C', "Digite a marca do veículo"),
        filter("ve_ano_fabr", "Ano de fabricação", 4, u'I', "Digite o ano de fabricação do veículo"),
        filter("ve_ano_mod", "Ano do modelo", 4, u'I', "Digite o ano do modelo do veículo"),
        filter("ve_lotacao", "Lotação", 10, u'I', "Digite a lotação do veículo"),
        filter("ve_nro_chassi", "Nº Chassi", 40, u'C', "Digite o número do chassi do veículo"),
        filter("ve_tipo_combust", "Cód. tipo combustivel", 6, u'I', "Digite o código do tipo de combustível"),
        filter("tc_descr", "Descr. tipo de combustível", 25, u'C', "Digite a descrição do tipo de combustível"),
        filter("ve_tipo_veic", "Cód. tipo veículo", 6, u'I', "Digite o código do tipo de veículo"),
        filter("tv_descr", "Descr. tipo veículo", 20, u'C', "Digite a descrição do tipo de veículo"),
        filter("ve_capac_tanque", "Capacidade do tanque", 10, u'I', "Digite a capacidade do tanque em litros"),
        filter("ve_letra_placa", "Letra placa", 4, u'C', "Digite a letra da placa do veículo"),
        filter("ve_nro_placa", "Nº da placa", 4, u'I', "Digite o número da placa do veículo"),
        filter("ve_mes_licenc", "Mês licenciamento", 2, u'I', "Digite o mês de licenciamento do veículo"),
        filter("ve_dt_aquis", "Data de aquisição", 10, u'D', "Digite a data de aquisição"),
        filter("ve_km_aquis", "Km de aquisição", 10, u'I', "Digite a kilometragem de aquisição"),
        filter("ve_veloc_min", "Velocidade mínima", 10, u'I', "Digite a velocidade mínima"),
        filter("ve_veloc_max", "Velocidade máxima", 10, u'I', "Digite a velocidade máxima"),
        filter("ve_cons_min", "Consumo mínimo", 10, u'I', "Digite o consumo mínimo"),
        filter("ve_cons_max", "Consumo máximo", 10, u'I', "Digite o consumo máximo"),
        filter("ve_km_min", "Km mínima", 10, u'I', "Digite a kilometragem mínima"),
        filter("ve_km_max", "Km máxima", 10, u'I', "Digite a kilometragem máxima"),
        filter("ve_km_atual", "Km atual", 10, u'I', "Digite a kilometragem atual"),
        filter("ve_estado", "Estado conservação", 12, u'N', "Digite o percentual de conservação"),
        filter("ve_placa_patrim", "Placa do patrimônio", 12, u'C', "Digite a placa do patrimônio"),
        filter("ve_motorista_padrao", "Cód. motorista", 6, u'I', "Digite o código do motorista padrão"),
        filter("mo_nome", "Nome do motorista", 40, u'C', "Digite o nome do motorista"),
        filter("mo_apelido", "Apelido do motorista", 15, u'C', "Digite o apelido do motorista"),
        filter("ve_setor", "Setor", 8, u'C', "Digite o código do setor"),
        filter("st_nome", "Nome do setor", 40, u'C', "Digite o nome do setor"),
        filter("ve_proj", "Projeto", 6, u'I', "Digite o código do projeto"),
        filter("ve_sproj", "Sub-Projeto", 6, u'I', "Digite o código do sub-projeto"),
        filter("pra_descr", "Descr. do projeto", 40, u'C', "Digite a descrição do projeto"),
        filter("ve_dt_alienacao", "Data da alienação", 10, u'D', "Digite a data da alienação do veículo",
               "99/99/9999"),
        filter("ve_declaravel", "Declarável", 1, u'C', "Digite S ou N"),
        filter("ve_baixa", "Baixa", 2, u'C',
               "Digite 00 - Ativo, 01 - Leiloado, 02 - Inutilizado, 03 - Furtado, 04 - Outros"),
        filter("ve_pertence", "Pertence", 2, u'C', "Digite 01 - Empresa, 02 - Terceiros, 03 - Equipamentos"),
        filter("ve_contr_km", "Controlar KM", 1, u'C', "S - SIM ou N - NÃO"),
    };

    RegistryStatements &s = d.statements;
    s.list = listaBase() + QStringLiteral(" order by ");
    s.letter = listaBase() + QStringLiteral(" and ");
    s.filterBase = listaBase() + QStringLiteral(" and ");
    s.codeExists = QStringLiteral("select ve_cod, ve_nro from vkl_veiculos where ve_cod = :p_cod");
    s.highestCode = QStringLiteral("select max(ve_cod) as ultimo from vkl_veiculos");
    s.nextCode = QStringLiteral("select max(ve_cod) + 1 as proximo from vkl_veiculos");
    s.insert = QStringLiteral(
        "insert into vkl_veiculos values(:p_cod, :p_nro, :p_modelo, :p_marca, :p_ano_fabr, :p_ano_mod, "
        ":p_lotacao, :p_nro_chassi, :p_tipo_combust, :p_tipo_veic, :p_capac_tanque, :p_letra_placa, "
        ":p_nro_placa, :p_mes_licenc, :p_dt_aquis, :p_km_aquis, :p_veloc_min, :p_veloc_max, :p_cons_min, "
        ":p_cons_max, :p_km_min, :p_km_max, :p_km_atual, :p_estado, :p_placa_patrim, :p_motorista_padrao, "
        ":p_ano_setor, :p_setor, :p_setor_conv, :p_proj, :p_sproj, :p_dt_alienacao, :p_declaravel, :p_baixa, "
        ":p_descr_baixa, :p_pertence, :p_contr_km, :p_km_virada, :p_cad_atual)");
    s.update = QStringLiteral(
        "update vkl_veiculos set ve_nro = :p_nro, ve_modelo = :p_modelo, ve_marca = :p_marca, "
        "ve_ano_fabr = :p_ano_fabr, ve_ano_mod = :p_ano_mod, ve_lotacao = :p_lotacao, "
        "ve_nro_chassi = :p_nro_chassi, ve_tipo_combust = :p_tipo_combust, ve_tipo_veic = :p_tipo_veic, "
        "ve_capac_tanque = :p_capac_tanque, ve_letra_placa = :p_letra_placa, ve_nro_placa = :p_nro_placa, "
        "ve_mes_licenc = :p_mes_licenc, ve_dt_aquis = :p_dt_aquis, ve_km_aquis = :p_km_aquis, "
        "ve_veloc_min = :p_veloc_min, ve_veloc_max = :p_veloc_max, ve_cons_min = :p_cons_min, "
        "ve_cons_max = :p_cons_max, ve_km_min = :p_km_min, ve_km_max = :p_km_max, ve_km_atual = :p_km_atual, "
        "ve_estado = :p_estado, ve_placa_patrim = :p_placa_patrim, ve_motorista_padrao = :p_motorista_padrao, "
        "ve_ano_setor = :p_ano_setor, ve_setor = :p_setor, ve_proj = :p_proj, ve_sproj = :p_sproj, "
        "ve_dt_alienacao = :p_dt_alienacao, ve_declaravel = :p_declaravel, ve_baixa = :p_baixa, "
        "ve_descr_baixa = :p_descr_baixa, ve_pertence = :p_pertence, ve_contr_km = :p_contr_km, "
        "ve_km_virada = :p_km_virada where ve_cod = :p_cod");
    s.remove = QStringLiteral("delete from vkl_veiculos where ve_cod = :p_cod");

    d.guards = {
        {QStringLiteral("select mv_seq from vkl_movto_veic where mv_veic = :p_cod"),
         QStringLiteral("Tem movimento de veículos cadastrado com este veículo."), {}},
        {QStringLiteral("select ma_seq from vkl_movto_abast where ma_veic = :p_cod"),
         QStringLiteral("Tem movimento de abastecimento cadastrado com este veículo."), {}},
        {QStringLiteral("select mtv_seq from vkl_manut_veic where mtv_veic = :p_cod"),
         QStringLiteral("Tem movimento de manutenção cadastrado com este veículo."), {}},
        {QStringLiteral("select lc_ano from vkl_licenciamento where lc_veic = :p_cod"),
         QStringLiteral("Tem licenciamento de veículos cadastrado com este veículo."), {}},
        {QStringLiteral("select mu_seq from vkl_multas where mu_veic = :p_cod"),
         QStringLiteral("Tem multa cadastrada com este veículo."), {}},
        {QStringLiteral("select sv_seq from vkl_seguros where sv_veic = :p_cod"),
         QStringLiteral("Tem seguro de veículos cadastrado com este veículo."), {}},
        {QStringLiteral("select os_nro from vkl_ord_serv where os_veic = :p_cod"),
         QStringLiteral("Tem ordem de serviço cadastrado com este veículo."), {}},
        {QStringLiteral("select cl_nro from vkl_cad_lub where cl_veic = :p_cod"),
         QStringLiteral("Tem lançamento de lubrificação cadastrado com este veículo."), {}},
    };
    return d;
}

} // namespace zedera::fleet
