#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

namespace zedera {

// One operator of the program. The password itself is never kept: only its Argon2id hash.
struct AccessUser {
    QString nome;          // upper case, at most UserStore::maxNome characters
    QString grupo;         // name of the user's group; empty for the master user
    QString senhaHash;     // crypto_pwhash_str text
    QDate expira;          // last day the user may log in; null: never expires
    bool admin = false;    // may administer users and groups
    bool altSenha = false; // may change the own password
};

// The right level of a group on each main-menu item, by the item's objectName. 0 denies and is
// the level of every item the group does not name; 1 to 5 grant.
struct AccessGroup {
    QString nome;
    QMap<QString, int> niveis;
};

// The users, groups and rights kept in the users file. A plain value: the component reads the file
// into one, changes a copy and writes it back whole, so a failed write leaves nothing half-done.
//
// File layout: a first line naming the format, the content as JSON, and a last line holding a
// keyed BLAKE2b code over the lines before it. The code catches a damaged, truncated or hand-edited
// file. Its key ships with the program, so it cannot stop someone who can write the file and knows
// the program: only the file's permissions protect against that.
class UserStore {
public:
    enum class LoadResult { Ok, Missing, Damaged };

    static constexpr int maxNome = 15;
    static constexpr int maxSenha = 10; // the login dialog accepts ten characters
    static constexpr int minSenha = 4;
    static constexpr int maxNivel = 5;

    // The built-in master user: level 5 everywhere, administrator, never expires, cannot be removed.
    static QString masterName();
    // Names and passwords are compared trimmed and in upper case, as the login dialog types them.
    static QString normalize(const QString &text);

    // Argon2id hash of the normalized password (interactive limits unless lowered for tests).
    static QString hashPassword(const QString &plain);
    static bool verifyPassword(const QString &hash, const QString &plain);
    // True when the hash was made with weaker limits than the current ones.
    static bool needsRehash(const QString &hash);
    // Lowers the hashing cost to libsodium's minimum so test suites stay fast. Never in the program.
    static void setFastHashingForTests(bool fast);
    // Empty when the password may be set; otherwise the message to show the user.
    static QString passwordProblem(const QString &plain);
    // Empty when the user name may be used for a new or renamed user; otherwise the message.
    static QString userNameProblem(const QString &name);

    // A new store holding only the master user with the given password (validated by the caller).
    static UserStore withMaster(const QString &masterPassword);

    LoadResult load(const QString &path, QString *error = nullptr);
    // Writes through QSaveFile: the old file stays intact until the new one is complete.
    bool save(const QString &path, QString *error = nullptr) const;
    QByteArray serialize() const;
    bool parse(const QByteArray &bytes, QString *error = nullptr);

    const QList<AccessUser> &users() const { return m_users; }
    const AccessUser *user(const QString &nome) const;
    // Inserts, or replaces the user of the same name.
    void putUser(const AccessUser &user);
    bool removeUser(const QString &nome);

    const QList<AccessGroup> &groups() const { return m_groups; }
    const AccessGroup *group(const QString &nome) const;
    void putGroup(const AccessGroup &group);
    bool removeGroup(const QString &nome);
    bool groupInUse(const QString &nome) const;

    // Level of a user on a menu item: 5 for the master user, the group's level otherwise.
    int level(const QString &userName, const QString &item) const;

private:
    QList<AccessUser> m_users;
    QList<AccessGroup> m_groups;
};

} // namespace zedera
