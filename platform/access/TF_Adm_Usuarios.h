#pragma once

#include "access/UserStore.h"

#include <QDialog>
#include <QMap>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace zedera {

class Acesso;

// Administration of users and groups: on one page the users (group, password, expiry, profile),
// on the other the groups and the level of each group on each item of the main menu. Every save
// re-reads the users file, changes it and writes it back whole.
class TF_Adm_Usuarios : public QDialog {
    Q_OBJECT
public:
    explicit TF_Adm_Usuarios(Acesso &acesso, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildUsersPage();
    QWidget *buildGroupsPage();
    void fillRightsTree(QTreeWidgetItem *parent, const QList<QAction *> &actions);
    bool reload();

    void showUser(const QString &nome);
    void novoUsuario();
    void gravarUsuario();
    void excluirUsuario();

    void showGroup(const QString &nome);
    void novoGrupo();
    void gravarGrupo();
    void excluirGrupo();
    void setLevel(QTreeWidgetItem *item, int level);
    void showLevels();

    Acesso &m_acesso;
    UserStore m_store;
    QTabWidget *m_pages = nullptr;

    QListWidget *m_users = nullptr;
    QLineEdit *m_nome = nullptr;
    QComboBox *m_grupo = nullptr;
    QLineEdit *m_senha = nullptr;
    QLineEdit *m_confirma = nullptr;
    QCheckBox *m_temExpira = nullptr;
    QDateEdit *m_expira = nullptr;
    QCheckBox *m_admin = nullptr;
    QCheckBox *m_altSenha = nullptr;
    QPushButton *m_gravarUsuario = nullptr;
    QPushButton *m_excluirUsuario = nullptr;
    bool m_novoUsuario = true;

    QListWidget *m_groups = nullptr;
    QLineEdit *m_grupoNome = nullptr;
    QTreeWidget *m_rights = nullptr;
    QSpinBox *m_nivel = nullptr;
    QMap<QString, int> m_niveis; // levels of the group being edited, by item name
    bool m_novoGrupo = true;
};

} // namespace zedera
