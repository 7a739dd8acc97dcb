#include "Lookups.h"

#include "U_Funcoes.h"

#include <QRegularExpression>

namespace zedera::registry {

namespace {

const QString kHelp = QStringLiteral("F2 -> Pesquisar   ---   ENTER -> Captura o registro selecionado na lista");

FilterField field(const char *campo, const char *descricao, int tamanho, char16_t tipo, const char *ajuda,
                  const char *mascara = "")
{
    return {QString::fromUtf8(campo), QString::fromUtf8(descricao), tamanho,      QChar(tipo),
            QString::fromUtf8(mascara), QString::fromUtf8(ajuda)};
}

GridColumn column(const char *title, const char *field, int width = 0, DisplayRule display = {})
{
    return {QString::fromUtf8(title), QString::fromUtf8(field), width, std::move(display), false};
}

QString projectKind(const QVariant &v)
{
    static const QStringList kinds{QStringLiteral("."), QStringLiteral("Projeto"), QStringLiteral("Atividade"),
                                   QStringLiteral("Veículo")};
    bool ok = false;
    const int kind = v.toString().trimmed().toInt(&ok);
    return ok ? kinds.value(kind) : QString();
}

QString projectInUse(const QVariant &v)
{
    return v.toString().trimmed() == QLatin1String("S") ? QStringLiteral("SIM") : QStringLiteral("NÃO");
}

// Department codes are shown as 99.99.99, also when kept as bare digits.
QString departmentCode(const QVariant &v)
{
    const QString code = v.toString().trimmed();
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    return digits.match(code).hasMatch() ? Formatar(QStringLiteral("SETOR"), code) : code;
}

} // namespace

LookupDescriptor TF_Loc_Mat_Almox::describe()
{
    LookupDescriptor d;
    d.className = QStringLiteral("TF_Loc_Mat_Almox");
    d.caption = QStringLiteral("G.K - Pesquisar material do almoxarifado");
    d.title = QStringLiteral("L i s t a  d e  m a t e r i a i s");
    d.help = kHelp;
    d.base = QStringLiteral("select mt_codigo, mt_descricao from material order by ");
    d.fields = {field("mt_codigo", "Código", 6, u'I', "Digite o código do material"),
                field("mt_descricao", "Descrição", 50, u'C', "Digite a descrição do material")};
    d.defaultField = 1;
    d.columns = {column("Código", "mt_codigo", 80), column("Descrição", "mt_descricao")};
    d.returns = {QStringLiteral("mt_codigo")};
    return d;
}

TF_Loc_Mat_Almox::TF_Loc_Mat_Almox(Connection &connection, QWidget *parent)
    : LookupDialog(describe(), connection, parent)
{
}

LookupDescriptor TF_Loc_Proj::describe()
{
    LookupDescriptor d;
    d.className = QStringLiteral("TF_Loc_Proj");
    d.caption = QStringLiteral("G.K - Localizar Projetos");
    d.title = QStringLiteral("L i s t a  d e  P r o j e t o s");
    d.help = QStringLiteral("F2 - Pesquisar   ---   ENTER -> Captura o registro selecionado na lista");
    d.base = QStringLiteral("select * from proj_almoxarifado order by ");
    d.fields = {field("pra_proj;pra_sproj", "Código", 6, u'I', "Digite o código do projeto e sub-projeto",
                      "99999.99999"),
                field("pra_descr", "Descrição", 40, u'C', "Digite a descrição do projeto"),
                field("pra_sigla", "Sigla", 20, u'C', "Digite a sigla do projeto"),
                field("pra_resp", "Responsável", 40, u'C', "Digite o responsável pelo projeto")};
    d.defaultField = 1;
    d.columns = {column("Projeto", "pra_proj", 60),
                 column("Sub-Projeto", "pra_sproj", 75),
                 column("Descrição", "pra_descr", 200),
                 column("Sigla", "pra_sigla", 80),
                 column("Tipo", "pra_tipo", 70, projectKind),
                 column("Responsável", "pra_resp", 160),
                 column("Ativo", "pra_usando", 45, projectInUse)};
    d.returns = {QStringLiteral("pra_proj"), QStringLiteral("pra_sproj")};
    return d;
}

TF_Loc_Proj::TF_Loc_Proj(Connection &connection, QWidget *parent) : LookupDialog(describe(), connection, parent)
{
}

LookupDescriptor TF_Loc_Setor::describe(int exercicio)
{
    LookupDescriptor d;
    d.className = QStringLiteral("TF_Loc_Setor");
    d.caption = QStringLiteral("G.K - Localizar Setor");
    d.title = QStringLiteral("L i s t a  d e  S e t o r e s");
    d.help = kHelp;
    d.base = QStringLiteral("select * from setores where st_exerc = :p_ano order by ");
    d.bindings = {{QStringLiteral(":p_ano"), exercicio}};
    d.fields = {field("st_cod", "Código", 8, u'C', "Digite o código do setor", "99.99.99"),
                field("st_nome", "Descrição", 40, u'C', "Digite a descrição do setor"),
                field("st_sigla", "Sigla", 12, u'C', "Digite a sigla do setor"),
                field("st_resp", "Responsável", 40, u'C', "Digite o responsável pelo setor")};
    d.defaultField = 1;
    d.columns = {column("Código", "st_cod", 70, departmentCode), column("Descrição", "st_nome", 220),
                 column("Sigla", "st_sigla", 90), column("Responsável", "st_resp")};
    d.returns = {QStringLiteral("st_cod")};
    return d;
}

TF_Loc_Setor::TF_Loc_Setor(Connection &connection, int exercicio, QWidget *parent)
    : LookupDialog(describe(exercicio), connection, parent)
{
}

LookupDescriptor TF_Loc_Fornecedor::describe()
{
    LookupDescriptor d;
    d.className = QStringLiteral("TF_Loc_Fornecedor");
    d.caption = QStringLiteral("G.K - Localizar Fornecedores");
    d.title = QStringLiteral("L i s t a");
    d.help = kHelp;
    d.base = QStringLiteral("select fo_cod, fo_nome, fo_fant from fornecedores order by ");
    d.fields = {field("fo_cod", "Código", 6, u'I', "Digite o código do fornecedor"),
                field("fo_nome", "Nome", 40, u'C', "Digite o nome do fornecedor"),
                field("fo_fant", "Fantasia", 40, u'C', "Digite o nome fantasia do fornecedor")};
    d.defaultField = 1;
    d.columns = {column("Código", "fo_cod", 70), column("Nome", "fo_nome", 260), column("Fantasia", "fo_fant")};
    d.returns = {QStringLiteral("fo_cod")};
    return d;
}

TF_Loc_Fornecedor::TF_Loc_Fornecedor(Connection &connection, QWidget *parent)
    : LookupDialog(describe(), connection, parent)
{
}

LookupDescriptor TF_Loc_Tp_Veic_Doc::describe()
{
    LookupDescriptor d;
    d.className = QStringLiteral("TF_Loc_Tp_Veic_Doc");
    d.caption = QStringLiteral("G.K - Localizar tipo de veículos");
    d.title = QStringLiteral("L i s t a");
    d.help = kHelp;
    d.base = QStringLiteral("select * from vkl_tp_veic_doc order by ");
    d.fields = {field("tvd_cod", "Código", 6, u'I', "Digite o código do tipo"),
                field("tvd_descr", "Descrição", 20, u'C', "Digite a descrição do tipo")};
    d.defaultField = 1;
    // The list opens in code order although the description is the field offered first.
    d.initialOrder = QStringLiteral("tvd_cod");
    d.columns = {column("Código", "tvd_cod", 70), column("Descrição", "tvd_descr")};
    d.returns = {QStringLiteral("tvd_cod")};
    return d;
}

TF_Loc_Tp_Veic_Doc::TF_Loc_Tp_Veic_Doc(Connection &connection, QWidget *parent)
    : LookupDialog(describe(), connection, parent)
{
}

} // namespace zedera::registry
