#include "db/KeyAllocation.h"

namespace zedera {

qint64 insertWithNextKey(Connection &connection, const QString &maxStatement, const Bindings &bindings,
                         const std::function<void(qint64 key)> &insert, int attempts)
{
    qint64 lastTried = 0;
    for (int attempt = 1;; ++attempt) {
        Query max(connection, maxStatement);
        for (const auto &[name, value] : bindings)
            max.bind(name, value);
        // Inside a snapshot transaction the highest key may not show another workstation's
        // newer row, so a retry never proposes a key it has already seen fail.
        const qint64 key = std::max(scalarInteger(max).value_or(1), lastTried + 1);
        try {
            insert(key);
            return key;
        } catch (const DbError &error) {
            if (!error.isDuplicateKey() || attempt >= attempts)
                throw;
            lastTried = key;
        }
    }
}

} // namespace zedera
