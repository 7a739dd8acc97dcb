// The windows the vehicle's coded fields pick from, opened through the dialog service.
#include "VeiculoPanel.h"

#include "cadastros/SimpleRegistries.h"
#include "cadastros/TF_Cad_Motorista.h"
#include "dialogs/DialogService.h"
#include "lookup/Lookups.h"

namespace zedera::fleet {

using namespace zedera::registry;

namespace {

// A registry window opened to pick one of its rows.
template <typename Window>
QStringList pickFromRegistry(QWidget *parent, const RegistryEnvironment &env)
{
    Window w(env, RegistryWindow::Opener::Window, parent);
    dialogs().exec(w);
    return {w.codigoCapturado()};
}

} // namespace

VeiculoPanel::Picker VeiculoPanel::seletorPadrao(const QString &field)
{
    if (field == u"t_tipo_veic")
        return &pickFromRegistry<TF_Cad_Tipo_Veic>;
    if (field == u"t_tipo_combust")
        return &pickFromRegistry<TF_Cad_Combust>;
    if (field == u"t_motorista_padrao")
        return &pickFromRegistry<TF_Cad_Motorista>;
    if (field == u"t_setor")
        return [](QWidget *parent, const RegistryEnvironment &env) {
            TF_Loc_Setor w(*env.cad, env.exercicio, parent);
            dialogs().exec(w);
            return QStringList{w.codigoCapturado()};
        };
    if (field == u"t_proj")
        return [](QWidget *parent, const RegistryEnvironment &env) {
            TF_Loc_Proj w(*env.cad, parent);
            dialogs().exec(w);
            return QStringList{w.codigoCapturado(), w.subprojetoCapturado()};
        };
    return {};
}

} // namespace zedera::fleet
