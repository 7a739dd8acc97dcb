#pragma once

#include <QString>

namespace zedera {

// The program's warning box (caption "Atenção"): the text, and below it after a blank line the
// detail when there is one (usually the server's error text).
void MsgAviso(const QString &texto, const QString &detalhe = {});

} // namespace zedera
