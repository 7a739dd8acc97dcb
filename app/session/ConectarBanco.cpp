#include "session/ConectarBanco.h"

#include "dialogs/DialogService.h"
#include "session/Configuracao.h"
#include "session/MsgAviso.h"
#include "session/Sessao.h"

#include <QCoreApplication>
#include <QDir>

namespace zedera {

std::unique_ptr<Banco> ConectarBanco(Sessao &sessao, const PastasPrograma &pastas,
                                     const std::function<void(Sessao &)> &pedirConfiguracao)
{
    sessao.caminho_bd.clear();
    sessao.caminho_bk.clear();
    sessao.caminho_map.clear();
    lerConfiguracao(pastas, sessao);

    if (sessao.caminho_bd.isEmpty()) {
        if (pedirConfiguracao)
            pedirConfiguracao(sessao);
        // Written even after Cancel, so the next start finds the file the user has to complete.
        if (!gravarConfiguracao(pastas, sessao)) {
            MsgAviso(QStringLiteral("Não foi possível gravar o arquivo de configuração."),
                     QDir::toNativeSeparators(pastas.destino(nomeArquivoConfiguracao(sessao.config))));
        }
    }
    if (sessao.caminho_bd.isEmpty())
        return nullptr;

    auto banco = std::make_unique<Banco>(
        Banco::settingsFor(sessao.caminho_bd, sessao.usuario_bd, sessao.senha_bd));
    QCoreApplication::processEvents();
    try {
        banco->conectar();
    } catch (const DbError &e) {
        dialogs().error(QStringLiteral("Não foi possível abrir o Banco de Dados, conforme erro abaixo.\r\r")
                            + e.message(),
                        QStringLiteral("Atenção"));
        return nullptr;
    }
    return banco;
}

} // namespace zedera
