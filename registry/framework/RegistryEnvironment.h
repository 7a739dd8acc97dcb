#pragma once

#include "RegistryDescriptor.h"

namespace zedera {
class Banco;
struct Sessao;
} // namespace zedera

namespace zedera::registry {

// The environment of a registry window opened in the running program: TRANS_CAD of the
// program's database and the session's caption, organisation and exercise.
RegistryEnvironment registryEnvironment(Banco &banco, const Sessao &sessao);

} // namespace zedera::registry
