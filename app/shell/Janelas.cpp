// The windows of the main menu, one line per menu item. A window appears in the menu as soon as
// it is listed here.
#include "MenuPrincipal.h"

#include "TF_Cad_Parametros.h"

namespace zedera {

QHash<QString, FabricaJanela> janelasDoMenu()
{
    QHash<QString, FabricaJanela> j;
    j.insert(QStringLiteral("men_param"), [](const ContextoJanela &c) {
        return std::make_unique<TF_Cad_Parametros>(c.banco, c.sessao, c.parent);
    });
    return j;
}

} // namespace zedera
