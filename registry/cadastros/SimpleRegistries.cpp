#include "SimpleRegistries.h"

#include "framework/DisplayRules.h"

#include "U_Funcoes.h"

namespace zedera::registry {

namespace {

using M = SearchItem::Match;
using K = EditField::Kind;

QString q(const char *text)
{
    return QString::fromUtf8(text);
}

// What every small registry shares: code and description, their statements on one table, the
// description's required and unique test, and the list printed as code and description.
struct Shape {
    const char *className;
    const char *caption;
    const char *table;
    const char *code;        // key column
    const char *descr;       // description column
    bool codeAboveZero;      // the list hides code 0
    bool selectAllOnCodeTest; // the code-typed test reads the whole row
    const char *codeField;   // t_cod_cad / t_cod
    const char *descrField;  // t_descr_cad / t_descr / t_nome
    const char *descrLabel;
    int descrLength;
    const char *descrParam;  // :p_descr / :p_nome
    const char *listName;
    const char *printerName;
    const char *printTitle;
};

RegistryDescriptor shaped(const Shape &s)
{
    RegistryDescriptor d;
    const QString table = q(s.table), code = q(s.code), descr = q(s.descr);
    d.className = q(s.className);
    d.caption = q(s.caption);
    d.listName = q(s.listName);
    d.printerName = q(s.printerName);
    d.codeColumn = code;
    d.codeField = q(s.codeField);
    d.alterFocus = q(s.descrField);
    d.codeTypedFields = {d.alterFocus};

    RegistryStatements &st = d.statements;
    const QString all = QStringLiteral("select * from ") + table;
    if (s.codeAboveZero) {
        st.list = all + QStringLiteral(" where ") + code + QStringLiteral(" > 0 order by ");
        st.letter = all + QStringLiteral(" where ") + code + QStringLiteral(" > 0 and ");
    } else {
        st.list = all + QStringLiteral(" order by ");
        st.letter = all + QStringLiteral(" where ");
    }
    st.filterBase = st.letter;
    st.codeExists = (s.selectAllOnCodeTest ? all : QStringLiteral("select ") + code + QStringLiteral(" from ") + table) +
                    QStringLiteral(" where ") + code + QStringLiteral(" = :p_cod");
    st.highestCode = QStringLiteral("select max(%1) as ultimo from %2").arg(code, table);
    st.nextCode = QStringLiteral("select max(%1) + 1 as proximo from %2").arg(code, table);
    st.insert = QStringLiteral("insert into %1 values(:p_cod, %2)").arg(table, q(s.descrParam));
    st.update = QStringLiteral("update %1 set %2 = %3 where %4 = :p_cod").arg(table, descr, q(s.descrParam), code);
    st.remove = QStringLiteral("delete from %1 where %2 = :p_cod").arg(table, code);

    d.editFields = {EditField::text(d.alterFocus, q(s.descrLabel), descr, q(s.descrParam), s.descrLength)};
    const bool insurer = QByteArray(s.descrParam) == ":p_nome";
    d.uniqueRules = {{d.alterFocus,
                      insurer ? QStringLiteral("O nome deve ser informado.") : QStringLiteral("A descrição deve ser informada."),
                      QStringLiteral("select %1 from %2 where %3 = %4").arg(code, table, descr, q(s.descrParam)),
                      q(s.descrParam),
                      insurer ? QStringLiteral("Nome já existe cadastrado com o código --> ")
                              : QStringLiteral("Descrição já existe cadastrada com o código --> ")}};

    d.print.title = q(s.printTitle);
    d.print.heading = {QStringLiteral("Código  Descrição").leftJustified(80)};
    d.print.cells = {{0, 7, true, true, code, {}, {}}, {0, 9, false, false, descr, {}, {}}};
    return d;
}

GridColumn column(const char *title, const char *field, DisplayRule rule = {})
{
    return {q(title), q(field), 0, rule, false};
}

SearchItem codeItem(const char *column)
{
    return {QStringLiteral("Código"), q(column), 6, M::Equal, {}, true, false};
}

SearchItem textItem(const char *label, const char *column, int length, M match = M::StartsWith)
{
    return {q(label), q(column), length, match, {}, false, false};
}

FilterField filterField(const char *campo, const char *descricao, int tamanho, char16_t tipo, const char *ajuda,
                        const char *mascara = "")
{
    return {q(campo), q(descricao), tamanho, QChar(tipo), q(mascara), q(ajuda)};
}

DeleteGuard guard(const char *sql, const char *message, const char *searchPageMessage = "")
{
    return {q(sql), q(message), q(searchPageMessage)};
}

int defaultItem(const RegistryDescriptor &d, const char *label)
{
    for (int i = 0; i < d.searchItems.size(); ++i)
        if (d.searchItems.at(i).label == q(label))
            return i;
    return 0;
}

void setDefault(RegistryDescriptor &d, const char *label)
{
    d.defaultSearchItem = defaultItem(d, label);
    d.initialOrder = d.searchItems.at(d.defaultSearchItem).column;
}

const QStringList kContrVeic{QStringLiteral("Kilometragem"), QStringLiteral("Horas"), QStringLiteral("Nenhum controle")};
const QStringList kTiposTabela{QStringLiteral("01 - Peça"), QStringLiteral("02 - Serviço"), QStringLiteral("03 - Defeito"),
                               QStringLiteral("04 - Causa"), QStringLiteral("05 - Combustivel"),
                               QStringLiteral("06 - Lubrificante")};
const QStringList kSimNao{QStringLiteral("SIM"), QStringLiteral("NÃO")};

} // namespace

RegistryDescriptor TF_Cad_Tipo_Veic::describe()
{
    RegistryDescriptor d = shaped({"TF_Cad_Tipo_Veic", "G.K - Cadastro de Tipos de Veículos", "vkl_tipo_veic", "tv_cod",
                                   "tv_descr", false, true, "t_cod_cad", "t_descr_cad", "Descrição", 20, ":p_descr",
                                   "Lista_Tipo_Veic", "Impr_Tipo_Veic", "Relatório do cadastro de tipos de veículos"});
    EditField contr = EditField::pick(K::Radio, q("t_contr"), q(" Controlado por "), q("tv_contr"), q(":p_contr"),
                                      kContrVeic, 1);
    contr.radioColumns = 3;
    d.editFields << contr;
    d.statements.insert = q("insert into vkl_tipo_veic values(:p_cod, :p_descr, :p_contr)");
    d.statements.update = q("update vkl_tipo_veic set tv_descr = :p_descr, tv_contr = :p_contr where tv_cod = :p_cod");
    d.columns = {column("Código", "tv_cod"), column("Descrição", "tv_descr"),
                 column("Controlado", "tv_contr",
                        storedItemRule({q("Kilometragem"), q("Horas"), q("Não controla")}, 1))};
    d.searchItems = {codeItem("tv_cod"), textItem("Descrição", "tv_descr", 20)};
    setDefault(d, "Descrição");
    d.filterFields = {filterField(" tv_cod ", " Código ", 6, u'I', "Digite o código do tipo de veículo."),
                      filterField(" tv_descr ", " Descrição ", 20, u'C', "Digite a descrição do tipo de veículo."),
                      filterField(" tv_contr ", " Controlado ", 1, u'C',
                                  "Digite K - Kilometragem, H - Horas, N - Nenhum controle")};
    d.guards = {guard("select ve_cod from vkl_veiculos where ve_tipo_veic = :p_cod", "Tem veículo cadastrado com este tipo."),
                guard("select dv_veic from vkl_doc_veic where dv_tipo = :p_cod",
                      "Tem documento de veículo cadastrado com este tipo.")};
    d.print.heading = {q("Código  Descrição                       Controlado                              ")};
    d.print.cells << PrintCell{0, 41, false, false, q("tv_contr"), storedItemRule(kContrVeic, 1), {}};
    return d;
}

RegistryDescriptor TF_Cad_Combust::describe()
{
    RegistryDescriptor d = shaped({"TF_Cad_Combust", "G.K - Cadastro de Combustiveis", "vkl_tipo_combust", "tc_cod",
                                   "tc_descr", false, true, "t_cod_cad", "t_descr_cad", "Descrição", 25, ":p_descr",
                                   "Lista_Combust", "Impr_Combust", "Relatório do cadastro de combustiveis"});
    EditField material = EditField::of(K::Digits, q("t_cod_mat_cad"), q("Código do material para atualização do valor"),
                                       q("tc_material"), q(":p_material"));
    material.maxLength = 6;
    material.emptyAsZero = true;
    EditField descrMat = EditField::of(K::Text, q("t_descr_mat_cad"), QString(), QString(), QString());
    descrMat.readOnly = true;
    d.editFields << material << descrMat
                 << EditField::of(K::Money, q("t_vr_compra_cad"), q("Valor da ultima compra  ( Litro )"), q("tc_valor"),
                                  q(":p_valor"));
    d.statements.insert = q("insert into vkl_tipo_combust values(:p_cod, :p_descr, :p_material, :p_valor)");
    d.statements.update = q("update vkl_tipo_combust set tc_descr = :p_descr, tc_material = :p_material, "
                            "tc_valor = :p_valor where tc_cod = :p_cod");
    d.columns = {column("Código", "tc_cod"), column("Descrição", "tc_descr"), column("Material", "tc_material"),
                 column("Valor", "tc_valor", numberMaskRule(q(",#0.00")))};
    d.columns.last().alignRight = true;
    d.searchItems = {codeItem("tc_cod"), textItem("Descrição", "tc_descr", 25), codeItem("tc_material"),
                     textItem("Valor do litro", "tc_valor", 15, M::Equal)};
    d.searchItems[2].label = q("Cód. Material");
    setDefault(d, "Cód. Material");
    d.filterFields = {filterField(" tc_cod ", " Código ", 6, u'I', "Digite o código do combustível"),
                      filterField(" tc_descr ", " Descrição ", 25, u'C', "Digite a descrição do combustivel"),
                      filterField(" tc_material ", " Cód. Material ", 6, u'I', "Digite o código do material"),
                      filterField(" tc_valor ", " Valor do litro ", 17, u'N', "Digite o valor do litro")};
    d.guards = {guard("select ve_cod from vkl_veiculos where ve_tipo_combust = :p_cod",
                      "Tem veículo cadastrado com este combustivel."),
                guard("select dv_veic from vkl_doc_veic where dv_combust = :p_cod",
                      "Tem veículo cadastrado com este combustivel.")};
    d.print.heading = {q("Código  Descrição                  Material      Valor do litro                 ")};
    // Four decimals, grouped by thousands: the price per litre as the warehouse keeps it.
    d.print.cells << PrintCell{0, 36, false, false, q("tc_material"), {}, {}}
                  << PrintCell{0, 52, false, false, q("tc_valor"), {}, q("###,##0.0000;;0.0000")};
    return d;
}

RegistryDescriptor TF_Cad_Tabela::describe()
{
    RegistryDescriptor d = shaped({"TF_Cad_Tabela", "G.K - Cadastro de Peças e Serviços", "vkl_tabela", "tb_cod",
                                   "tb_descr", false, false, "t_cod", "t_descr", "Descrição", 40, ":p_descr",
                                   "Lista_Tabela", "Impr_Tabela", "Relatório do cadastro de Peças e Serviços"});
    EditField contr = EditField::pick(K::Radio, q("t_contr"), q(" Controlar "), q("tb_contr"), q(":p_contr"), kSimNao, 1);
    contr.radioColumns = 2;
    EditField km = EditField::of(K::Digits, q("t_km"), q("Kilometragem"), q("tb_km"), q(":p_km"));
    km.maxLength = 15;
    km.emptyAsZero = true;
    d.editFields << EditField::pick(K::Choice, q("t_tipo"), q("Tipo"), q("tb_tipo"), q(":p_tipo"), kTiposTabela, 2)
                 << contr << km << EditField::of(K::Money, q("t_valor"), q("Valor"), q("tb_valor"), q(":p_valor"));
    d.codeTypedFields << q("t_km");
    d.statements.insert = q("insert into vkl_tabela values(:p_cod, :p_descr, :p_tipo, :p_contr, :p_km, :p_valor)");
    d.statements.update = q("update vkl_tabela set tb_descr = :p_descr, tb_tipo = :p_tipo, tb_contr = :p_contr, "
                            "tb_km = :p_km, tb_valor = :p_valor where tb_cod = :p_cod");
    d.columns = {column("Código", "tb_cod"),
                 column("Descrição", "tb_descr"),
                 column("Tipo", "tb_tipo", storedItemRule(kTiposTabela, 2)),
                 column("Controlar", "tb_contr", storedItemRule(kSimNao, 1, q("NÃO"))),
                 column("Kilometragem", "tb_km"),
                 column("Valor", "tb_valor", numberMaskRule(q(",#0.00")))};
    d.searchItems = {codeItem("tb_cod"), textItem("Descrição", "tb_descr", 40), textItem("Tipo", "tb_tipo", 2, M::Equal),
                     textItem("Controle", "tb_contr", 1, M::Equal), textItem("Kilometragem", "tb_km", 10, M::Equal),
                     textItem("Valor", "tb_valor", 15)};
    setDefault(d, "Código");
    d.filterFields = {
        filterField(" tb_cod ", " Código ", 6, u'I', "Digite o código"),
        filterField(" tb_descr ", " Descrição ", 40, u'C', "Digite a descrição"),
        filterField(" tb_tipo ", " Tipo ", 2, u'C',
                    "Digite 01-Peça, 02-Serviço, 03-Defeito, 04-Causa, 05-Combustivel, 06-Lubrificante"),
        filterField(" tb_contr ", " Controle ", 1, u'C', "Digite S - Sim ou N - Não"),
        filterField(" tb_valor ", " Valor ", 15, u'N', "Digite o valor")};
    d.guards = {guard("select icl_nro from vkl_itens_cad_lub where icl_tabela = :p_cod",
                      "Tem itens da lubrificação cadastrado com este código.")};
    PrintLayout &p = d.print;
    p.width = 90;
    p.pitch = 12;
    p.centre = 46;
    p.heading = {q("Código  Descrição                                 Tipo               Contr.  Valor        ")};
    p.cells << PrintCell{0, 51, false, false, q("tb_tipo"),
                         numberedItemRule({q("01 - Peça"), q("02-Serviço"), q("03-Defeito"), q("04-Causa"),
                                           q("05-Combustivel"), q("06-Lubrificante")}),
                         {}}
            << PrintCell{0, 70, false, false, q("tb_contr"), storedItemRule(kSimNao, 1, q("NÃO")), {}}
            << PrintCell{0, 78, false, false, q("tb_valor"), {}, q("##,##0.00;;0.00")};
    return d;
}

namespace {

RegistryDescriptor lineOrDestination(const Shape &shape, const char *code, const char *descr)
{
    RegistryDescriptor d = shaped(shape);
    d.editFields.first().label = q("Nome");
    d.columns = {column("Código", code), column("Descrição", descr)};
    d.searchItems = {codeItem(code), textItem("Descrição", descr, 60)};
    setDefault(d, "Descrição");
    d.filterFields = {filterField((" " + QByteArray(code) + " ").constData(), " Código ", 6, u'I', "Digite o código"),
                      filterField((" " + QByteArray(descr) + " ").constData(), " Descrição ", 60, u'C',
                                  "Digite a descrição")};
    return d;
}

} // namespace

RegistryDescriptor TF_Cad_Linhas::describe()
{
    RegistryDescriptor d = lineOrDestination({"TF_Cad_Linhas", "G.K - Cadastro de Linhas", "vkl_linhas", "li_cod", "li_descr",
                                              true, false, "t_cod", "t_descr", "Nome", 60, ":p_descr", "Lista_Linhas",
                                              "Impr_Linhas", "Relatório do cadastro linhas"},
                                             "li_cod", "li_descr");
    d.guards = {guard("select mv_seq from vkl_movto_veic where mv_linha = :p_cod",
                      "Tem movimento de veículo cadastrado com esta linha.")};
    return d;
}

RegistryDescriptor TF_Cad_Destino::describe()
{
    RegistryDescriptor d = lineOrDestination({"TF_Cad_Destino", "G.K - Cadastro de Destinos", "vkl_destinos", "de_cod",
                                              "de_descr", true, false, "t_cod", "t_descr", "Nome", 60, ":p_descr",
                                              "Lista_Destino", "Impr_Destino", "Relatório do cadastro de destinos"},
                                             "de_cod", "de_descr");
    d.guards = {guard("select mv_seq from vkl_movto_veic where mv_destino = :p_cod",
                      "Tem movimento de veículos cadastrado com este destino.")};
    return d;
}

RegistryDescriptor TF_Cad_Empr_Usu::describe()
{
    RegistryDescriptor d = shaped({"TF_Cad_Empr_Usu", "G.K - Cadastro de Empresas Usuárias", "vkl_empr_usu", "eu_cod",
                                   "eu_nome", true, false, "t_cod", "t_descr", "Nome", 40, ":p_descr", "Lista_Empr_Usu",
                                   "Impr_Empr_Usu", "Relatório do cadastro de Empresas usuárias"});
    d.columns = {column("Código", "eu_cod"), column("Nome", "eu_nome")};
    d.searchItems = {codeItem("eu_cod"), textItem("Descrição", "eu_nome", 40)};
    setDefault(d, "Código");
    d.filterFields = {filterField(" eu_cod ", " Código ", 6, u'I', "Digite o código da empresa usuária"),
                      filterField(" eu_nome ", " Descrição ", 40, u'C', "Digite o nome da empresa")};
    d.guards = {guard("select ma_seq from vkl_movto_abast where ma_usuario = :p_cod",
                      "Tem movimento de abastecimento cadastrado com este código.",
                      "Tem movto de abastecimento cadastrado com este código.")};
    return d;
}

RegistryDescriptor TF_Cad_Causa_Manut::describe()
{
    RegistryDescriptor d = shaped({"TF_Cad_Causa_Manut", "G.K - Cadastro de Causas de Manutenção", "vkl_causa_manut",
                                   "cm_cod", "cm_descr", false, false, "t_cod", "t_descr", "Nome", 40, ":p_descr",
                                   "Lista_Causa_Manut", "Impr_Causa_Manut", "Relatório do cadastro de causas de manutenção"});
    d.columns = {column("Código", "cm_cod"), column("Descrição", "cm_descr")};
    d.searchItems = {codeItem("cm_cod"), textItem("Descrição", "cm_descr", 40)};
    setDefault(d, "Código");
    d.filterFields = {filterField(" cm_cod ", " Código ", 6, u'I', "Digite o código"),
                      filterField(" cm_descr ", " Descrição ", 40, u'C', "Digite a descrição")};
    d.guards = {guard("select mtv_seq from vkl_manut_veic where mtv_causa = :p_cod",
                      "Tem movimento de manutenção cadastrado com esta causa."),
                guard("select os_nro from vkl_ord_serv where os_causa = :p_cod",
                      "Tem ordem de serviço cadastrado com esta causa.")};
    return d;
}

RegistryDescriptor TF_Cad_Seguradora::describe()
{
    RegistryDescriptor d = shaped({"TF_Cad_Seguradora", "G.K - Cadastro de Seguradoras", "seguradoras_patrim", "sg_cod",
                                   "sg_nome", true, false, "t_cod", "t_nome", "Nome", 40, ":p_nome", "Lista_Seguradora",
                                   "Impr_Seguradora", "Relatório do cadastro de seguradoras"});
    d.statements.filterBase = q("select * from seguradoras_patrim  where sg_cod > 0 and ");
    const QString cnpjMask = q("99.999.999/9999-99;_"), foneMask = q("(99) 9999-9999;_");
    EditField cnpj = EditField::text(q("t_cnpj"), q("C.N.P.J"), q("sg_cnpj"), q(":p_cnpj"), 18);
    cnpj.mask = cnpjMask;
    EditField fone = EditField::text(q("t_fone"), q("Fone"), q("sg_fone"), q(":p_fone"), 14);
    fone.mask = foneMask;
    d.editFields << cnpj << EditField::text(q("t_resp"), q("Responsável"), q("sg_resp"), q(":p_resp"), 40)
                 << EditField::text(q("t_end"), q("Endereço"), q("sg_end"), q(":p_end"), 50)
                 << EditField::text(q("t_cid"), q("Cidade"), q("sg_cid"), q(":p_cid"), 40) << fone;
    d.statements.insert = q("insert into seguradoras_patrim values(:p_cod, :p_nome, :p_cnpj, :p_resp, \n"
                            ":p_end, :p_cid, :p_fone)");
    d.statements.update = q("update seguradoras_patrim set sg_nome = :p_nome, sg_cnpj = :p_cnpj, \n"
                            "sg_resp = :p_resp, sg_end = :p_end, sg_cid = :p_cid, sg_fone = :p_fone \n"
                            "where sg_cod = :p_cod");
    const DisplayRule cnpjShown = digitsMaskRule(q("99.999.999/9999-99"));
    const DisplayRule foneShown = digitsMaskRule(q("(99) 9999-9999"));
    d.columns = {column("Código", "sg_cod"), column("Nome", "sg_nome"), column("CNPJ", "sg_cnpj", cnpjShown),
                 column("Responsável", "sg_resp"), column("Endereço", "sg_end"), column("Cidade", "sg_cid"),
                 column("Fone", "sg_fone", foneShown)};
    SearchItem cnpjItem{q("C.N.P.J"), q("sg_cnpj"), 18, M::Equal, cnpjMask, false, true};
    SearchItem foneItem{q("Fone"), q("sg_fone"), 14, M::Equal, foneMask, false, true};
    d.searchItems = {codeItem("sg_cod"), textItem("Nome", "sg_nome", 40), cnpjItem, textItem("Responsável", "sg_resp", 40),
                     textItem("Endereço", "sg_end", 50), textItem("Cidade", "sg_cid", 40), foneItem};
    setDefault(d, "Nome");
    d.filterFields = {filterField(" sg_cod ", " Código ", 6, u'I', "Digite o código."),
                      filterField(" sg_nome ", " Nome ", 40, u'C', "Digite o nome da seguradora."),
                      filterField(" sg_cnpj ", " C.N.P.J ", 18, u'C', "Digite o C.N.P.J da seguradora", "99.999.999/9999-99"),
                      filterField(" sg_resp ", " Responsável ", 40, u'C', "Digite o nome do responsável pelo seguro."),
                      filterField(" sg_end ", " Endereço ", 50, u'C', "Digite o endereço da seguradora."),
                      filterField(" sg_cid ", " Cidade ", 40, u'C', "Digite a cidade"),
                      filterField(" sg_fone ", " Fone ", 14, u'C', "Digite o fone da seguradora.", "(99) 9999-9999")};
    d.guards = {guard("select sv_segur from vkl_seguros where sv_segur = :p_cod", "Tem seguros cadastrado com este código.")};
    PrintLayout &p = d.print;
    p.width = 96;
    p.pitch = 12;
    p.centre = 46;
    p.heading = {q("Código  Nome                                       C.N.P.J                                      "),
                 q("        Responsável                                Endereço                                     "),
                 q("        Cidade                                     Fone                                         ")};
    p.recordRows = 3;
    p.advanceAfterRecord = 2;
    p.cells = {{0, 7, true, true, q("sg_cod"), {}, {}},
               {0, 9, false, false, q("sg_nome"), {}, {}},
               {0, 52, false, false, q("sg_cnpj"), [](const QVariant &v) { return Formatar(q("CGC"), v.toString().trimmed()); }, {}},
               {1, 9, false, false, q("sg_resp"), {}, {}},
               {1, 52, false, false, q("sg_end"), {}, {}},
               {2, 9, false, false, q("sg_cid"), {}, {}},
               {2, 52, false, false, q("sg_fone"), [](const QVariant &v) { return Formatar(q("FONE"), v.toString().trimmed()); }, {}}};
    return d;
}

#define ZEDERA_SIMPLE_REGISTRY(Class)                                                                                  \
    Class::Class(const RegistryEnvironment &environment, Opener opener, QWidget *parent)                               \
        : RegistryWindow(describe(), environment, opener, nullptr, parent)                                             \
    {                                                                                                                  \
    }
ZEDERA_SIMPLE_REGISTRY(TF_Cad_Tipo_Veic)
ZEDERA_SIMPLE_REGISTRY(TF_Cad_Linhas)
ZEDERA_SIMPLE_REGISTRY(TF_Cad_Destino)
ZEDERA_SIMPLE_REGISTRY(TF_Cad_Empr_Usu)
ZEDERA_SIMPLE_REGISTRY(TF_Cad_Causa_Manut)
ZEDERA_SIMPLE_REGISTRY(TF_Cad_Seguradora)
#undef ZEDERA_SIMPLE_REGISTRY

} // namespace zedera::registry
