#include "access/UserStore.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <sodium.h>

#include <algorithm>
#include <atomic>

namespace zedera {

namespace {

const QByteArray formatLine = QByteArrayLiteral("ZEDERA-USUARIOS 1");
const QByteArray codePrefix = QByteArrayLiteral("CODIGO ");

// Key of the integrity code. It is public (it ships in every copy of the program), so the code
// tells a damaged or hand-edited file from a sound one, nothing more.
const unsigned char integrityKey[crypto_generichash_KEYBYTES] = {
    0x5a, 0x65, 0x64, 0x65, 0x72, 0x61, 0x2d, 0x75, 0x73, 0x75, 0x61, 0x72, 0x69, 0x6f, 0x73, 0x2d,
    0x9c, 0x31, 0x07, 0xe2, 0x4d, 0xb8, 0x60, 0x1f, 0xa3, 0x55, 0x2e, 0xc9, 0x74, 0x0b, 0xd6, 0x88};

std::atomic<bool> fastHashing{false};

unsigned long long opsLimit()
{
    return fastHashing ? crypto_pwhash_OPSLIMIT_MIN : crypto_pwhash_OPSLIMIT_INTERACTIVE;
}

size_t memLimit()
{
    return fastHashing ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE;
}

void ensureSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        qFatal("libsodium could not be initialised");
}

QByteArray integrityCode(const QByteArray &content)
{
    ensureSodium();
    unsigned char out[crypto_generichash_BYTES];
    crypto_generichash(out, sizeof out, reinterpret_cast<const unsigned char *>(content.constData()),
                       static_cast<unsigned long long>(content.size()), integrityKey, sizeof integrityKey);
    return QByteArray(reinterpret_cast<const char *>(out), sizeof out).toHex();
}

bool sameName(const QString &a, const QString &b)
{
    return UserStore::normalize(a) == UserStore::normalize(b);
}

QString damaged()
{
    return QStringLiteral("O arquivo de usuários está danificado ou foi alterado fora do sistema.");
}

} // namespace

QString UserStore::masterName()
{
    return QStringLiteral("MASTER");
}

QString UserStore::normalize(const QString &text)
{
    return text.trimmed().toUpper();
}

QString UserStore::hashPassword(const QString &plain)
{
    ensureSodium();
    const QByteArray bytes = normalize(plain).toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()), opsLimit(),
                          memLimit()) != 0)
        qFatal("Out of memory while hashing a password");
    return QString::fromLatin1(out);
}

bool UserStore::verifyPassword(const QString &hash, const QString &plain)
{
    ensureSodium();
    const QByteArray h = hash.toLatin1();
    if (h.isEmpty() || h.size() >= crypto_pwhash_STRBYTES)
        return false;
    const QByteArray bytes = normalize(plain).toUtf8();
    return crypto_pwhash_str_verify(h.constData(), bytes.constData(),
                                    static_cast<unsigned long long>(bytes.size())) == 0;
}

bool UserStore::needsRehash(const QString &hash)
{
    ensureSodium();
    const QByteArray h = hash.toLatin1();
    return crypto_pwhash_str_needs_rehash(h.constData(), opsLimit(), memLimit()) != 0;
}

void UserStore::setFastHashingForTests(bool fast)
{
    fastHashing = fast;
}

QString UserStore::passwordProblem(const QString &plain)
{
    const QString p = normalize(plain);
    if (p.size() < minSenha)
        return QStringLiteral("A senha deve ter pelo menos %1 caracteres.").arg(minSenha);
    if (p.size() > maxSenha)
        return QStringLiteral("A senha deve ter no máximo %1 caracteres.").arg(maxSenha);
    return {};
}

QString UserStore::userNameProblem(const QString &name)
{
    const QString n = normalize(name);
    if (n.isEmpty())
        return QStringLiteral("O nome do usuário deve ser informado.");
    if (n.size() > maxNome)
        return QStringLiteral("O nome do usuário deve ter no máximo %1 caracteres.").arg(maxNome);
    if (n == masterName())
        return QStringLiteral("O nome %1 é reservado ao usuário master.").arg(masterName());
    return {};
}

UserStore UserStore::withMaster(const QString &masterPassword)
{
    UserStore store;
    AccessUser master;
    master.nome = masterName();
    master.senhaHash = hashPassword(masterPassword);
    master.admin = true;
    master.altSenha = true;
    store.m_users.append(master);
    return store;
}

UserStore::LoadResult UserStore::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.exists())
        return LoadResult::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Não foi possível ler o arquivo de usuários %1: %2")
                         .arg(QFileInfo(path).absoluteFilePath(), file.errorString());
        return LoadResult::Damaged;
    }
    UserStore fresh;
    if (!fresh.parse(file.readAll(), error))
        return LoadResult::Damaged;
    *this = fresh;
    return LoadResult::Ok;
}

bool UserStore::save(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(serialize()) < 0 || !file.commit()) {
        if (error)
            *error = QStringLiteral("Não foi possível gravar o arquivo de usuários %1: %2")
                         .arg(QFileInfo(path).absoluteFilePath(), file.errorString());
        return false;
    }
    return true;
}

QByteArray UserStore::serialize() const
{
    QJsonArray users;
    for (const AccessUser &u : m_users) {
        users.append(QJsonObject{
            {QStringLiteral("nome"), u.nome},
            {QStringLiteral("grupo"), u.grupo},
            {QStringLiteral("senha"), u.senhaHash},
            {QStringLiteral("expira"), u.expira.isValid() ? u.expira.toString(Qt::ISODate) : QString()},
            {QStringLiteral("admin"), u.admin},
            {QStringLiteral("altSenha"), u.altSenha},
        });
    }
    QJsonArray groups;
    for (const AccessGroup &g : m_groups) {
        QJsonObject levels;
        for (auto it = g.niveis.cbegin(); it != g.niveis.cend(); ++it)
            levels.insert(it.key(), it.value());
        groups.append(QJsonObject{{QStringLiteral("nome"), g.nome}, {QStringLiteral("niveis"), levels}});
    }
    const QJsonObject root{{QStringLiteral("usuarios"), users}, {QStringLiteral("grupos"), groups}};

    QByteArray content = formatLine + '\n' + QJsonDocument(root).toJson(QJsonDocument::Indented);
    if (!content.endsWith('\n'))
        content += '\n';
    return content + codePrefix + integrityCode(content) + '\n';
}

bool UserStore::parse(const QByteArray &bytes, QString *error)
{
    auto fail = [error](const QString &detail = {}) {
        if (error)
            *error = detail.isEmpty() ? damaged() : damaged() + QLatin1Char(' ') + detail;
        return false;
    };

    if (!bytes.startsWith(formatLine + '\n') || !bytes.endsWith('\n'))
        return fail();
    const qsizetype lastLine = bytes.lastIndexOf('\n', bytes.size() - 2) + 1;
    if (lastLine <= 0)
        return fail();
    const QByteArray content = bytes.left(lastLine);
    const QByteArray codeLine = bytes.mid(lastLine).chopped(1);
    if (!codeLine.startsWith(codePrefix))
        return fail();
    const QByteArray expected = integrityCode(content);
    const QByteArray given = codeLine.mid(codePrefix.size());
    if (given.size() != expected.size() ||
        sodium_memcmp(given.constData(), expected.constData(), static_cast<size_t>(given.size())) != 0)
        return fail();

    QJsonParseError jsonError{};
    const QJsonDocument doc = QJsonDocument::fromJson(content.mid(formatLine.size() + 1), &jsonError);
    if (jsonError.error != QJsonParseError::NoError || !doc.isObject())
        return fail();
    const QJsonObject root = doc.object();

    QList<AccessUser> users;
    for (const QJsonValue &v : root.value(QStringLiteral("usuarios")).toArray()) {
        const QJsonObject o = v.toObject();
        AccessUser u;
        u.nome = o.value(QStringLiteral("nome")).toString();
        u.grupo = o.value(QStringLiteral("grupo")).toString();
        u.senhaHash = o.value(QStringLiteral("senha")).toString();
        const QString expira = o.value(QStringLiteral("expira")).toString();
        u.expira = expira.isEmpty() ? QDate() : QDate::fromString(expira, Qt::ISODate);
        u.admin = o.value(QStringLiteral("admin")).toBool();
        u.altSenha = o.value(QStringLiteral("altSenha")).toBool();
        if (u.nome.isEmpty() || u.senhaHash.isEmpty() || (!expira.isEmpty() && !u.expira.isValid()))
            return fail();
        users.append(u);
    }
    QList<AccessGroup> groups;
    for (const QJsonValue &v : root.value(QStringLiteral("grupos")).toArray()) {
        const QJsonObject o = v.toObject();
        AccessGroup g;
        g.nome = o.value(QStringLiteral("nome")).toString();
        if (g.nome.isEmpty())
            return fail();
        const QJsonObject levels = o.value(QStringLiteral("niveis")).toObject();
        for (auto it = levels.begin(); it != levels.end(); ++it) {
            const int level = it.value().toInt(-1);
            if (level < 0 || level > maxNivel)
                return fail();
            g.niveis.insert(it.key(), level);
        }
        groups.append(g);
    }
    const bool hasMaster =
        std::any_of(users.cbegin(), users.cend(), [](const AccessUser &u) { return u.nome == masterName(); });
    if (!hasMaster)
        return fail();

    m_users = users;
    m_groups = groups;
    return true;
}

const AccessUser *UserStore::user(const QString &nome) const
{
    for (const AccessUser &u : m_users)
        if (sameName(u.nome, nome))
            return &u;
    return nullptr;
}

void UserStore::putUser(const AccessUser &user)
{
    AccessUser u = user;
    u.nome = normalize(u.nome);
    for (AccessUser &existing : m_users) {
        if (existing.nome == u.nome) {
            existing = u;
            return;
        }
    }
    m_users.append(u);
}

bool UserStore::removeUser(const QString &nome)
{
    if (sameName(nome, masterName()))
        return false;
    return m_users.removeIf([&](const AccessUser &u) { return sameName(u.nome, nome); }) > 0;
}

const AccessGroup *UserStore::group(const QString &nome) const
{
    for (const AccessGroup &g : m_groups)
        if (sameName(g.nome, nome))
            return &g;
    return nullptr;
}

void UserStore::putGroup(const AccessGroup &group)
{
    AccessGroup g = group;
    g.nome = normalize(g.nome);
    for (auto it = g.niveis.begin(); it != g.niveis.end(); ++it)
        it.value() = std::clamp(it.value(), 0, int(maxNivel));
    for (AccessGroup &existing : m_groups) {
        if (existing.nome == g.nome) {
            existing = g;
            return;
        }
    }
    m_groups.append(g);
}

bool UserStore::removeGroup(const QString &nome)
{
    if (groupInUse(nome))
        return false;
    return m_groups.removeIf([&](const AccessGroup &g) { return sameName(g.nome, nome); }) > 0;
}

bool UserStore::groupInUse(const QString &nome) const
{
    return std::any_of(m_users.cbegin(), m_users.cend(),
                       [&](const AccessUser &u) { return sameName(u.grupo, nome); });
}

int UserStore::level(const QString &userName, const QString &item) const
{
    const AccessUser *u = user(userName);
    if (!u)
        return 0;
    if (u->nome == masterName())
        return maxNivel;
    const AccessGroup *g = group(u->grupo);
    return g ? g->niveis.value(item, 0) : 0;
}

} // namespace zedera
