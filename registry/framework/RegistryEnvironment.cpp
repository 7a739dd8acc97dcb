#include "RegistryEnvironment.h"

#include "session/Banco.h"
#include "session/Sessao.h"

namespace zedera::registry {

RegistryEnvironment registryEnvironment(Banco &banco, const Sessao &sessao)
{
    RegistryEnvironment env;
    env.cad = &banco.transCad();
    env.titulo = sessao.titulo;
    env.empresa = sessao.empresa;
    env.cidade = sessao.cidade;
    env.exercicio = sessao.exercicio;
    return env;
}

} // namespace zedera::registry
