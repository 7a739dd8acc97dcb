// The windows of the main menu, one line per menu item. A window appears in the menu as soon as
// it is listed here.
#include "MenuPrincipal.h"

#include "TF_Cad_Parametros.h"
#include "cadastros/SimpleRegistries.h"
#include "cadastros/TF_Cad_Motorista.h"
#include "framework/RegistryEnvironment.h"
#include "session/Banco.h"
#include "veiculos/TF_Cad_Veic.h"

namespace zedera {

namespace {

// A registry opened from the menu: it never captures.
template <typename Cadastro>
FabricaJanela cadastro()
{
    return [](const ContextoJanela &c) -> std::unique_ptr<QDialog> {
        return std::make_unique<Cadastro>(registry::registryEnvironment(c.banco, c.sessao),
                                          registry::RegistryWindow::Opener::Menu, c.parent);
    };
}

} // namespace

QHash<QString, FabricaJanela> janelasDoMenu()
{
    QHash<QString, FabricaJanela> j;
    j.insert(QStringLiteral("men_param"), [](const ContextoJanela &c) {
        return std::make_unique<TF_Cad_Parametros>(c.banco, c.sessao, c.parent);
    });
    j.insert(QStringLiteral("men_motorista"), cadastro<registry::TF_Cad_Motorista>());
    j.insert(QStringLiteral("men_tipo_veic"), cadastro<registry::TF_Cad_Tipo_Veic>());
    j.insert(QStringLiteral("men_tipo_combust"), cadastro<registry::TF_Cad_Combust>());
    j.insert(QStringLiteral("men_tabela"), cadastro<registry::TF_Cad_Tabela>());
    j.insert(QStringLiteral("men_linhas"), cadastro<registry::TF_Cad_Linhas>());
    j.insert(QStringLiteral("men_destinos"), cadastro<registry::TF_Cad_Destino>());
    j.insert(QStringLiteral("men_empr_usu"), cadastro<registry::TF_Cad_Empr_Usu>());
    j.insert(QStringLiteral("men_causa_manut"), cadastro<registry::TF_Cad_Causa_Manut>());
    j.insert(QStringLiteral("men_seguradoras"), cadastro<registry::TF_Cad_Seguradora>());
    // The vehicles work on TRANS_01, apart from the other registries.
    j.insert(QStringLiteral("men_veiculos"), [](const ContextoJanela &c) -> std::unique_ptr<QDialog> {
        registry::RegistryEnvironment env = registry::registryEnvironment(c.banco, c.sessao);
        env.cad = &c.banco.trans01();
        return std::make_unique<fleet::TF_Cad_Veic>(env, registry::RegistryWindow::Opener::Menu, c.parent);
    });
    return j;
}

} // namespace zedera
