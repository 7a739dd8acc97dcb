#include "session/MsgAviso.h"

#include "dialogs/DialogService.h"

namespace zedera {

void MsgAviso(const QString &texto, const QString &detalhe)
{
    const QString mensagem = detalhe.isEmpty() ? texto : texto + QStringLiteral("\r\r") + detalhe;
    dialogs().warning(mensagem, QStringLiteral("Atenção"));
}

} // namespace zedera
