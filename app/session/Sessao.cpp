#include "session/Sessao.h"

#include "dialogs/DialogService.h"

namespace zedera {

Sessao &Sessao::atual()
{
    static Sessao s_sessao;
    return s_sessao;
}

void Sessao::reiniciar()
{
    atual() = Sessao{};
    DialogService::setDefaultCaption(QString());
}

QString Sessao::tituloJanelaPrincipal() const
{
    return tituloPrograma() + QStringLiteral(" - ") + empresa + QStringLiteral(" DE ") + cidade
           + QStringLiteral(" - ") + QString::number(exercicio);
}

void Sessao::definirTitulo(const QString &texto)
{
    titulo = texto;
    DialogService::setDefaultCaption(texto);
}

} // namespace zedera
