#pragma once

#include "access/UserStore.h"

#include <QDate>
#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAction;
class QWidget;

namespace zedera {

// The access-control component of the main window: who may log in, and which main-menu items each
// user's group may use. The program shows its own login dialog and calls login(); on success the
// Log* values describe the user and the rights are already applied to the main menu.
class Acesso : public QObject {
    Q_OBJECT
public:
    explicit Acesso(QObject *parent = nullptr);
    ~Acesso() override;

    // Name of the users file; the caller decides its folder (next to the executable, or the user's
    // configuration folder when that one is not writable).
    static QString defaultFileName() { return QStringLiteral("RDusers.RDA"); }
    static QString MasterUsuario() { return UserStore::masterName(); }

    // The menu whose items carry the rights (ControleAcesso.MenuPrincipal).
    void setMenuPrincipal(QMenuBar *menu);
    QMenuBar *menuPrincipal() const { return m_menu; }
    // Full path of the users file (ControleAcesso.ArqNome).
    void setArqNome(const QString &path);
    QString arqNome() const { return m_path; }

    bool arquivoExiste() const;
    // First start: when the file does not exist, asks for the master user's password twice
    // (TF_Senha_Master, shown through DialogService::exec) and creates the file. True when the file
    // exists afterwards; false when the user cancelled or the file could not be written (the
    // message has been shown).
    bool prepararArquivo(QWidget *parent = nullptr);
    // Creates the file holding only the master user. Refuses when the file exists or the password
    // is not acceptable; *erro then says why. Shows no message.
    bool criarArquivo(const QString &senhaMaster, QString *erro = nullptr);

    // Login check. User and password are trimmed and upper-cased. A refusal (unknown user, wrong
    // password, expired access, missing or damaged file) is shown here, through DialogService, and
    // returns false with the previous login left untouched. On success sets the Log* values, applies
    // the rights to the menu, emits buttonOff() and returns true. The password is not kept.
    bool login(const QString &usuario, const QString &senha);
    bool logado() const { return !m_nome.isEmpty(); }

    // Values of the logged-in user.
    QString LogNome() const { return m_nome; }
    // The stored Argon2id hash of the user's password, never the password; use conferirSenha().
    QString LogSenha() const { return m_senhaHash; }
    QString LogGrupo() const { return m_grupo; }
    QDate LogExpira() const { return m_expira; }
    bool LogAdmin() const { return m_admin; }
    bool LogAltSenha() const { return m_altSenha; }
    // True when the text is the logged-in user's password (trimmed, upper-cased).
    bool conferirSenha(const QString &senha) const;

    // The logged-in user's level (0 to 5) on a menu item; 0 when nobody is logged in.
    int nivel(const QString &item) const;
    // Sets every named item of the main menu (submenus included): data = level, visible and
    // enabled when the level is above 0; then emits buttonOff(). Called by login().
    void aplicarDireitos();
    // The level an item carries after aplicarDireitos() (its data), 0 when it carries none.
    static int nivelDoItem(const QAction *action);
    // The name a menu item's right is kept under: its objectName, or its submenu's when it has none.
    static QString nomeDoItem(const QAction *action);

    // User and group administration (menu "Usuários"); the caller checks LogAdmin().
    void administrarUsuarios(QWidget *parent = nullptr);
    // Password change of the logged-in user (menu "Alterar Senha"); the caller checks
    // LogAltSenha(). True when the password was changed.
    bool alterarSenha(QWidget *parent = nullptr);

    // Reads the file afresh (so two workstations' changes do not overwrite each other), lets
    // `change` edit it and writes it back atomically. `change` returns false to write nothing.
    // False with *erro set when the file is missing or damaged or cannot be written.
    bool alterarCadastro(const std::function<bool(UserStore &)> &change, QString *erro = nullptr);
    // The file's content; LoadResult says whether it could be read.
    UserStore::LoadResult lerCadastro(UserStore &store, QString *erro = nullptr) const;

signals:
    // Raised after the rights were applied (OnButtonOff): the main window then enables each
    // toolbar button whose menu item is enabled.
    void buttonOff();

private:
    void applyTo(const QList<QAction *> &actions);

    QPointer<QMenuBar> m_menu;
    QString m_path;
    UserStore m_store; // as read at the last login; rights come from here
    QString m_nome;
    QString m_senhaHash;
    QString m_grupo;
    QDate m_expira;
    bool m_admin = false;
    bool m_altSenha = false;
};

} // namespace zedera
