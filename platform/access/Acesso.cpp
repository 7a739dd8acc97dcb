#include "access/Acesso.h"

#include "access/AccessDialogs.h"
#include "access/TF_Adm_Usuarios.h"
#include "dialogs/DialogService.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace zedera {

Acesso::Acesso(QObject *parent) : QObject(parent)
{
}

Acesso::~Acesso() = default;

void Acesso::setMenuPrincipal(QMenuBar *menu)
{
    m_menu = menu;
}

void Acesso::setArqNome(const QString &path)
{
    m_path = path;
}

bool Acesso::arquivoExiste() const
{
    return !m_path.isEmpty() && QFileInfo::exists(m_path);
}

bool Acesso::prepararArquivo(QWidget *parent)
{
    if (arquivoExiste())
        return true;
    TF_Senha_Master dialog(parent);
    if (dialogs().exec(dialog) != QDialog::Accepted)
        return false;
    QString erro;
    if (!criarArquivo(dialog.senha(), &erro)) {
        dialogs().error(erro);
        return false;
    }
    return true;
}

bool Acesso::criarArquivo(const QString &senhaMaster, QString *erro)
{
    if (m_path.isEmpty() || arquivoExiste()) {
        if (erro)
            *erro = QStringLiteral("O arquivo de usuários já existe.");
        return false;
    }
    const QString problem = UserStore::passwordProblem(senhaMaster);
    if (!problem.isEmpty()) {
        if (erro)
            *erro = problem;
        return false;
    }
    return UserStore::withMaster(senhaMaster).save(m_path, erro);
}

UserStore::LoadResult Acesso::lerCadastro(UserStore &store, QString *erro) const
{
    const UserStore::LoadResult result = store.load(m_path, erro);
    if (result == UserStore::LoadResult::Missing && erro)
        *erro = QStringLiteral("O arquivo de usuários não foi encontrado: %1").arg(m_path);
    else if (result == UserStore::LoadResult::Damaged && erro && !erro->contains(m_path))
        *erro += QStringLiteral("\nArquivo: %1").arg(m_path);
    return result;
}

bool Acesso::login(const QString &usuario, const QString &senha)
{
    UserStore store;
    QString erro;
    if (lerCadastro(store, &erro) != UserStore::LoadResult::Ok) {
        dialogs().error(erro + QStringLiteral("\n\nNinguém poderá entrar no sistema até que o "
                                              "arquivo seja restaurado pelo administrador."));
        return false;
    }

    const AccessUser *found = store.user(usuario);
    if (!found) {
        dialogs().information(QStringLiteral("Usuário não cadastrado."));
        return false;
    }
    const AccessUser user = *found;
    if (!UserStore::verifyPassword(user.senhaHash, senha)) {
        dialogs().information(QStringLiteral("Senha inválida."));
        return false;
    }
    if (user.expira.isValid() && QDate::currentDate() > user.expira) {
        dialogs().information(QStringLiteral("O acesso do usuário %1 expirou em %2.")
                                  .arg(user.nome, user.expira.toString(QStringLiteral("dd/MM/yyyy"))));
        return false;
    }

    m_store = store;
    m_nome = user.nome;
    m_senhaHash = user.senhaHash;
    m_grupo = user.grupo;
    m_expira = user.expira;
    m_admin = user.nome == MasterUsuario() || user.admin;
    m_altSenha = user.nome == MasterUsuario() || user.altSenha;

    // A hash made under weaker limits (an older file, a file prepared by a tool) is renewed now,
    // while the password is at hand. Failing to write is harmless: the old hash stays valid.
    if (UserStore::needsRehash(user.senhaHash)) {
        const QString renewed = UserStore::hashPassword(senha);
        if (alterarCadastro([&](UserStore &s) {
                const AccessUser *u = s.user(m_nome);
                if (!u || u->senhaHash != user.senhaHash)
                    return false;
                AccessUser changed = *u;
                changed.senhaHash = renewed;
                s.putUser(changed);
                return true;
            }))
            m_senhaHash = renewed;
    }

    aplicarDireitos();
    return true;
}

bool Acesso::conferirSenha(const QString &senha) const
{
    return logado() && UserStore::verifyPassword(m_senhaHash, senha);
}

int Acesso::nivel(const QString &item) const
{
    return logado() ? m_store.level(m_nome, item) : 0;
}

int Acesso::nivelDoItem(const QAction *action)
{
    return action && action->data().isValid() ? action->data().toInt() : 0;
}

QString Acesso::nomeDoItem(const QAction *action)
{
    const QString name = action->objectName();
    return name.isEmpty() && action->menu() ? action->menu()->objectName() : name;
}

void Acesso::aplicarDireitos()
{
    if (m_menu)
        applyTo(m_menu->actions());
    emit buttonOff();
}

void Acesso::applyTo(const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QString name = nomeDoItem(action);
        if (!name.isEmpty()) {
            const int level = nivel(name);
            action->setData(level);
            action->setEnabled(level > 0);
            action->setVisible(level > 0);
        }
        if (QMenu *sub = action->menu()) {
            applyTo(sub->actions());
            // A menu that carries no right of its own is shown while it has something to offer.
            if (name.isEmpty()) {
                const QList<QAction *> children = sub->actions();
                action->setVisible(std::any_of(children.cbegin(), children.cend(), [](QAction *a) {
                    return !a->isSeparator() && a->isVisible();
                }));
            }
        }
    }
}

bool Acesso::alterarCadastro(const std::function<bool(UserStore &)> &change, QString *erro)
{
    UserStore store;
    if (lerCadastro(store, erro) != UserStore::LoadResult::Ok)
        return false;
    if (!change(store))
        return false;
    return store.save(m_path, erro);
}

void Acesso::administrarUsuarios(QWidget *parent)
{
    TF_Adm_Usuarios dialog(*this, parent);
    dialogs().exec(dialog);
}

bool Acesso::alterarSenha(QWidget *parent)
{
    if (!logado())
        return false;
    TF_Alterar_Senha dialog(m_nome, parent);
    dialog.setChecker([this](const QString &atual) { return conferirSenha(atual); });
    dialog.setSaver([this](const QString &nova, QString *erro) {
        const QString hash = UserStore::hashPassword(nova);
        const bool saved = alterarCadastro(
            [&](UserStore &s) {
                const AccessUser *u = s.user(m_nome);
                if (!u) {
                    if (erro)
                        *erro = QStringLiteral("O usuário %1 não está mais cadastrado.").arg(m_nome);
                    return false;
                }
                AccessUser changed = *u;
                changed.senhaHash = hash;
                s.putUser(changed);
                return true;
            },
            erro);
        if (saved)
            m_senhaHash = hash;
        return saved;
    });
    return dialogs().exec(dialog) == QDialog::Accepted;
}

} // namespace zedera
