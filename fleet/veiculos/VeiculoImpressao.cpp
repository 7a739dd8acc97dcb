#include "VeiculoImpressao.h"

#include "TF_Cad_Veic.h"

#include "U_Funcoes.h"
#include "format/Format.h"
#include "framework/RegistryListModel.h"
#include "textprint/PageFrame.h"
#include "textprint/TextPrinter.h"

namespace zedera::fleet {

using namespace zedera::registry;

namespace {

constexpr int kLargura = 160;
constexpr int kPrimeiraLinhaMax = 141;
constexpr int kJustificada = 142;

QString simNao(const RegistryRow &row, const char *column)
{
    return row.text(QString::fromLatin1(column)) == u"S" ? QStringLiteral("SIM") : QStringLiteral("NÃO");
}

QString data(const RegistryRow &row, const char *column)
{
    return formatDate(row.value(QString::fromLatin1(column)).toDate());
}

// Consumption as the workstation writes a decimal: two places, comma.
QString decimal(const RegistryRow &row, const char *column)
{
    const QVariant v = row.value(QString::fromLatin1(column));
    if (v.isNull())
        return {};
    return Decimal::fromVariant(v).toString(2).replace(u'.', u',');
}

QString item(const QStringList &items, int index)
{
    return index >= 0 && index < items.size() ? items.at(index) : QString();
}

int numero(const RegistryRow &row, const char *column, int otherwise = -1)
{
    bool ok = false;
    const int n = row.text(QString::fromLatin1(column)).toInt(&ok);
    return ok ? n : otherwise;
}

} // namespace

QStringList linhasDescrBaixa(const QString &descricao)
{
    const QStringList palavras = LimparTexto(descricao).split(u' ', Qt::SkipEmptyParts);
    if (palavras.isEmpty())
        return {};
    QString primeira, segunda;
    bool naSegunda = false;
    for (const QString &p : palavras) {
        if (!naSegunda && primeira.size() + p.size() <= kPrimeiraLinhaMax)
            primeira += p + u' ';
        else {
            naSegunda = true;
            segunda += p + u' ';
        }
    }
    if (!naSegunda)
        return {primeira};
    return {Justificar(primeira, kJustificada), segunda};
}

qint64 VeiculoImpressao::kmAcumulado(Connection &connection, qint64 veiculo)
{
    Query q(connection, QStringLiteral(
                            "select max(km) from ("
                            "select max(mv_km_acum) as km from vkl_movto_veic where mv_veic = :p_cod "
                            "union all "
                            "select max(ma_km_acum) from vkl_movto_abast where ma_veic = :p_cod)"));
    q.bind(QStringLiteral(":p_cod"), veiculo);
    return scalarInteger(q).value_or(0);
}

VeiculoImpressao::VeiculoImpressao(TextPrinter &printer, const RegistryEnvironment &environment)
    : m_printer(printer), m_env(environment)
{
}

void VeiculoImpressao::bloco(PageFrame &frame, const RegistryRow &row)
{
    TextPrinter &p = m_printer;
    auto label = [&](int column, const char *text) { p.ImpF(frame.linha(), column, QString::fromUtf8(text), textstyle::Bold); };
    auto value = [&](int column, const QString &text) {
        if (!text.isEmpty())
            p.Imp(frame.linha(), column, text);
    };
    auto t = [&](const char *column) { return row.text(QString::fromLatin1(column)); };
    auto codeAndName = [&](const char *code, const char *name, const char *separator = " - ") {
        return t(code) + QString::fromUtf8(separator) + t(name);
    };

    label(1, "Nro.:"), value(7, t("ve_nro"));
    label(16, "Modelo.:"), value(26, t("ve_modelo"));
    label(68, "Marca.:"), value(76, t("ve_marca"));
    label(108, "Ano fabr.:"), value(119, t("ve_ano_fabr"));
    label(125, "Ano mod.:"), value(135, t("ve_ano_mod"));
    label(141, "Tipo.:"), value(148, codeAndName("ve_tipo_veic", "tv_descr"));
    frame.advance();

    label(1, "Combust.:"), value(11, codeAndName("ve_tipo_combust", "tc_descr"));
    label(45, "Chassi.:"), value(54, t("ve_nro_chassi"));
    label(96, "Placa.:"), value(104, codeAndName("ve_letra_placa", "ve_nro_placa", "-"));
    const int mes = numero(row, "ve_mes_licenc");
    label(115, "Mês licenc.:"), value(128, mes == 0 ? QStringLiteral("Não definido") : NomeDoMes(mes));
    label(141, "Lotação.:"), value(151, t("ve_lotacao"));
    frame.advance();

    label(1, "Veloc. Min.:"), value(14, t("ve_veloc_min"));
    label(27, "Veloc. Max.:"), value(40, t("ve_veloc_max"));
    label(53, "Km min.:"), value(62, t("ve_km_min"));
    label(75, "Km max.:"), value(84, t("ve_km_max"));
    label(97, "Cap. Tanque.:"), value(111, t("ve_capac_tanque"));
    label(124, "Cons. Min.:"), value(136, decimal(row, "ve_cons_min"));
    frame.advance();

    label(1, "Cons. Max.:"), value(13, decimal(row, "ve_cons_max"));
    label(26, "Dt. aquis.:"), value(38, data(row, "ve_dt_aquis"));
    label(51, "Km aquis.:"), value(62, t("ve_km_aquis"));
    label(75, "Km atual.:"), value(86, t("ve_km_atual"));
    label(99, "Est. conserv.:");
    p.ImpVal(frame.linha(), 114, QStringLiteral("%##,##0.00;;0.00"), Decimal::fromVariant(row.value(QStringLiteral("ve_estado"))));
    label(125, "Placa Patrimônio.:"), value(144, t("ve_placa_patrim"));
    frame.advance();

    label(1, "Setor.:"), value(9, codeAndName("ve_setor", "st_nome"));
    label(62, "Setor conversão.:"), value(80, t("ve_setor_conv"));
    frame.advance();

    label(1, "Projeto.:"), value(11, codeAndName("ve_proj", "ve_sproj", ".") + QStringLiteral(" - ") + t("pra_descr"));
    label(68, "Motorista.:"), value(80, codeAndName("ve_motorista_padrao", "mo_nome"));
    label(129, "Dt. Alienação.:"), value(145, data(row, "ve_dt_alienacao"));
    frame.advance();

    label(1, "Declarável.:"), value(14, simNao(row, "ve_declaravel"));
    label(19, "Pertence.:"), value(30, item(TF_Cad_Veic::pertences(), numero(row, "ve_pertence") - 1));
    label(50, "Controlar KM.:"), value(65, simNao(row, "ve_contr_km"));
    label(73, "Km virada.:"), value(82, t("ve_km_virada"));
    label(100, "Km acum.:"), value(110, QString::number(kmAcumulado(*m_env.cad, row.integer(QStringLiteral("ve_cod")))));
    label(130, "Baixa.:"), value(138, item(TF_Cad_Veic::baixas(), numero(row, "ve_baixa")));

    const QStringList descr = linhasDescrBaixa(t("ve_descr_baixa"));
    if (!descr.isEmpty()) {
        frame.advance();
        p.Imp(frame.linha(), 1, QStringLiteral("Descr. Baixa..:"));
        p.Imp(frame.linha(), 18, descr.first());
        if (descr.size() > 1) {
            frame.advance();
            p.Imp(frame.linha(), 18, descr.at(1));
        }
    }

    frame.setLinha(frame.linha() + 1);
    if (frame.linha() < 63) {
        p.Imp(frame.linha(), 1, QString(kLargura, u'-'));
        frame.setLinha(frame.linha() + 1);
    } else {
        p.NovaPagina();
    }
}

void VeiculoImpressao::imprimir(const RegistryListModel &lista)
{
    m_printer.setTamanhoQteLinhas(66);
    m_printer.setTamanhoQteColunas(kLargura);
    m_printer.setFonteTamanhoPadrao(TextPitch::S20cpp);

    PageFooter footer;
    footer.mark = QStringLiteral("ZEDERA - ZUQ - ");
    footer.exercicio = m_env.exercicio;
    footer.rightColumn = kLargura + 1;
    footer.now = m_now;
    const QString organisation = m_env.empresa + QStringLiteral(" DE ") + m_env.cidade;
    PageFrame frame(m_printer, footer, [organisation](TextPrinter &p, int) {
        printTitles(p, 81,
                    {{2, organisation, true},
                     {4, QStringLiteral("ADMINISTRAÇÃO DE ZEDERA"), false},
                     {6, QStringLiteral("Relatório do cadastro de veículos"), false}});
        p.Imp(8, 1, QString(kLargura, u'='));
        return 9;
    });

    m_printer.Abrir();
    if (m_printer.Setup()) {
        for (int i = 0; i < lista.rowCount(); ++i) {
            frame.breakIfPast();
            bloco(frame, lista.row(i));
        }
    }
    m_printer.Fechar();
}

} // namespace zedera::fleet
