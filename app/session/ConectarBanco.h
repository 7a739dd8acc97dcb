#pragma once

#include "session/Banco.h"

#include <functional>
#include <memory>

namespace zedera {

struct Sessao;
class PastasPrograma;

// Reads the selected configuration file into the session, asks for the values through
// `pedirConfiguracao` when the database folder is missing (and then writes them back to that
// file), and opens the database. Returns the open database, or nullptr when there is no folder
// (silently) or the server refused (after an error box with the server's text).
std::unique_ptr<Banco> ConectarBanco(Sessao &sessao, const PastasPrograma &pastas,
                                     const std::function<void(Sessao &)> &pedirConfiguracao);

} // namespace zedera
