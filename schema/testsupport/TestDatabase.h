#pragma once

#include "db/Connection.h"

#include <QString>

#include <memory>

namespace zedera::testing {

// Fresh databases for tests. The first call of a test program builds a template database from the
// schema scripts; every later call copies that file, which takes a few milliseconds, so each test
// case can start from a clean database.
class TestDatabase {
public:
    // Path of a new database file with the complete schema and no movements. The file lives in a
    // temporary folder removed when the program ends.
    static QString freshFile();
    // Path of a new, empty database without any table (for installing into a bare or suite
    // database).
    static QString emptyFile();
    // Settings that open a fresh database file with the program's user.
    static ConnectionSettings fresh();
    // An open connection under a unique name on the given settings.
    static std::unique_ptr<Connection> connect(const ConnectionSettings &settings,
                                               const QString &name = {});
    // A folder for a test's own files, removed at exit.
    static QString scratchDir();
};

} // namespace zedera::testing
