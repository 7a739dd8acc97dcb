#pragma once

#include "db/Connection.h"

#include <QList>
#include <QPair>

#include <functional>

namespace zedera {

using Bindings = QList<QPair<QString, QVariant>>;

// Allocates the next key as "highest + 1" with the given statement (which returns one column,
// NULL when the group is empty, in which case the key is 1) and hands it to `insert`. When the
// insert fails because another workstation stored that key in the meantime, the next key is
// allocated again and the insert retried, up to `attempts` times, all inside the caller's
// transaction, so the user's typing is never lost. Any other failure propagates unchanged.
// Returns the key that was stored.
qint64 insertWithNextKey(Connection &connection, const QString &maxStatement, const Bindings &bindings,
                         const std::function<void(qint64 key)> &insert, int attempts = 5);

} // namespace zedera
