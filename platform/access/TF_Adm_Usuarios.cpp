#include "access/TF_Adm_Usuarios.h"

#include "access/AccessDialogs.h"
#include "access/Acesso.h"
#include "dialogs/DialogService.h"
#include "widgets/FieldRules.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zedera {

namespace {

constexpr int NameRole = Qt::UserRole;

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QLineEdit *upperField(const QString &name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    makeUpperCase(field, UserStore::maxNome);
    return field;
}

QString currentName(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item ? item->text() : QString();
}

void selectName(QListWidget *list, const QString &name)
{
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        list->setCurrentItem(found.first());
}

} // namespace

TF_Adm_Usuarios::TF_Adm_Usuarios(Acesso &acesso, QWidget *parent) : QDialog(parent), m_acesso(acesso)
{
    setObjectName(QStringLiteral("TF_Adm_Usuarios"));
    setWindowTitle(QStringLiteral("Usuários e Grupos"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pc_acesso"));
    m_pages->addTab(buildUsersPage(), QStringLiteral("&Usuários"));
    m_pages->addTab(buildGroupsPage(), QStringLiteral("&Grupos"));

    QPushButton *fechar = button(QStringLiteral("b_fechar"), QStringLiteral("&Fechar"), this);
    connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(fechar);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(bottom);
    resize(640, 460);

    enterMovesFocus(*this, {m_nome, m_senha, m_confirma}, m_gravarUsuario);
    reload();
    novoUsuario();
    novoGrupo();
}

QWidget *TF_Adm_Usuarios::buildUsersPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("pg_usuarios"));

    m_users = new QListWidget(page);
    m_users->setObjectName(QStringLiteral("lst_usuarios"));
    connect(m_users, &QListWidget::currentTextChanged, this, &TF_Adm_Usuarios::showUser);

    m_nome = upperField(QStringLiteral("t_nome"), page);
    m_grupo = new QComboBox(page);
    m_grupo->setObjectName(QStringLiteral("cb_grupo"));
    m_senha = passwordField(QStringLiteral("t_senha"), page);
    m_confirma = passwordField(QStringLiteral("t_confirma"), page);
    m_temExpira = new QCheckBox(QStringLiteral("Acesso &expira em"), page);
    m_temExpira->setObjectName(QStringLiteral("ck_expira"));
    m_expira = new QDateEdit(page);
    m_expira->setObjectName(QStringLiteral("dt_expira"));
    m_expira->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_expira->setCalendarPopup(true);
    connect(m_temExpira, &QCheckBox::toggled, m_expira, &QWidget::setEnabled);
    m_admin = new QCheckBox(QStringLiteral("A&dministra usuários e grupos"), page);
    m_admin->setObjectName(QStringLiteral("ck_admin"));
    m_altSenha = new QCheckBox(QStringLiteral("&Pode alterar a própria senha"), page);
    m_altSenha->setObjectName(QStringLiteral("ck_alt_senha"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Nome"), m_nome);
    form->addRow(QStringLiteral("G&rupo"), m_grupo);
    form->addRow(QStringLiteral("&Senha"), m_senha);
    form->addRow(QStringLiteral("&Confirme a senha"), m_confirma);
    form->addRow(m_temExpira, m_expira);
    form->addRow(m_admin);
    form->addRow(m_altSenha);

    QPushButton *novo = button(QStringLiteral("b_novo"), QStringLiteral("N&ovo"), page);
    m_gravarUsuario = button(QStringLiteral("b_gravar"), QStringLiteral("Gra&var"), page);
    m_excluirUsuario = button(QStringLiteral("b_excluir"), QStringLiteral("E&xcluir"), page);
    connect(novo, &QPushButton::clicked, this, &TF_Adm_Usuarios::novoUsuario);
    connect(m_gravarUsuario, &QPushButton::clicked, this, &TF_Adm_Usuarios::gravarUsuario);
    connect(m_excluirUsuario, &QPushButton::clicked, this, &TF_Adm_Usuarios::excluirUsuario);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(novo);
    buttons->addWidget(m_gravarUsuario);
    buttons->addWidget(m_excluirUsuario);
    buttons->addStretch();

    auto *right = new QVBoxLayout;
    right->addLayout(form);
    right->addStretch();
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(m_users, 1);
    layout->addLayout(right, 2);
    return page;
}

QWidget *TF_Adm_Usuarios::buildGroupsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("pg_grupos"));

    m_groups = new QListWidget(page);
    m_groups->setObjectName(QStringLiteral("lst_grupos"));
    connect(m_groups, &QListWidget::currentTextChanged, this, &TF_Adm_Usuarios::showGroup);

    m_grupoNome = upperField(QStringLiteral("t_grupo"), page);
    m_rights = new QTreeWidget(page);
    m_rights->setObjectName(QStringLiteral("tv_direitos"));
    m_rights->setHeaderLabels(
        {QStringLiteral("Item do menu"), QStringLiteral("Nível"), QStringLiteral("Nome")});
    m_rights->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_rights->installEventFilter(this);
    if (QMenuBar *menu = m_acesso.menuPrincipal())
        fillRightsTree(m_rights->invisibleRootItem(), menu->actions());
    m_rights->expandAll();

    m_nivel = new QSpinBox(page);
    m_nivel->setObjectName(QStringLiteral("sb_nivel"));
    m_nivel->setRange(0, UserStore::maxNivel);
    m_nivel->setEnabled(false);
    connect(m_rights, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        const bool named = item && !item->data(0, NameRole).toString().isEmpty();
        const QSignalBlocker block(m_nivel);
        m_nivel->setEnabled(named);
        m_nivel->setValue(named ? m_niveis.value(item->data(0, NameRole).toString(), 0) : 0);
    });
    connect(m_nivel, &QSpinBox::valueChanged, this,
            [this](int level) { setLevel(m_rights->currentItem(), level); });

    auto *hint = new QLabel(QStringLiteral("Nível 0 esconde o item; 1 a 5 liberam. "
                                           "Digite o nível (0 a 5) sobre o item."),
                            page);
    hint->setWordWrap(true);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Nome do grupo"), m_grupoNome);
    form->addRow(QStringLiteral("Níve&l do item"), m_nivel);

    QPushButton *novo = button(QStringLiteral("b_novo_grupo"), QStringLiteral("N&ovo"), page);
    QPushButton *gravar = button(QStringLiteral("b_gravar_grupo"), QStringLiteral("Gra&var"), page);
    QPushButton *excluir = button(QStringLiteral("b_excluir_grupo"), QStringLiteral("E&xcluir"), page);
    connect(novo, &QPushButton::clicked, this, &TF_Adm_Usuarios::novoGrupo);
    connect(gravar, &QPushButton::clicked, this, &TF_Adm_Usuarios::gravarGrupo);
    connect(excluir, &QPushButton::clicked, this, &TF_Adm_Usuarios::excluirGrupo);
    connect(m_grupoNome, &QLineEdit::returnPressed, m_rights, [this] { m_rights->setFocus(); });
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(novo);
    buttons->addWidget(gravar);
    buttons->addWidget(excluir);
    buttons->addStretch();

    auto *right = new QVBoxLayout;
    right->addLayout(form);
    right->addWidget(m_rights, 1);
    right->addWidget(hint);
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(m_groups, 1);
    layout->addLayout(right, 3);
    return page;
}

void TF_Adm_Usuarios::fillRightsTree(QTreeWidgetItem *parent, const QList<QAction *> &actions)
{
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QString name = Acesso::nomeDoItem(action);
        auto *item = new QTreeWidgetItem(parent);
        item->setText(0, action->text().remove(QLatin1Char('&')));
        item->setText(2, name);
        item->setData(0, NameRole, name);
        if (action->menu())
            fillRightsTree(item, action->menu()->actions());
    }
}

bool TF_Adm_Usuarios::reload()
{
    QString erro;
    UserStore fresh;
    if (m_acesso.lerCadastro(fresh, &erro) != UserStore::LoadResult::Ok) {
        dialogs().error(erro);
        return false;
    }
    m_store = fresh;

    const QString user = currentName(m_users);
    const QString group = currentName(m_groups);
    {
        const QSignalBlocker b1(m_users);
        const QSignalBlocker b2(m_groups);
        m_users->clear();
        for (const AccessUser &u : m_store.users())
            m_users->addItem(u.nome);
        m_groups->clear();
        m_grupo->clear();
        for (const AccessGroup &g : m_store.groups()) {
            m_groups->addItem(g.nome);
            m_grupo->addItem(g.nome);
        }
        selectName(m_users, user);
        selectName(m_groups, group);
    }
    return true;
}

void TF_Adm_Usuarios::showUser(const QString &nome)
{
    const AccessUser *u = m_store.user(nome);
    if (!u)
        return;
    m_novoUsuario = false;
    // The master user is fixed: level 5 everywhere, an administrator; only its own password
    // changes, through "Alterar Senha".
    const bool master = u->nome == UserStore::masterName();
    m_nome->setText(u->nome);
    m_nome->setReadOnly(true);
    m_grupo->setCurrentIndex(m_grupo->findText(u->grupo));
    m_senha->clear();
    m_confirma->clear();
    m_senha->setPlaceholderText(QStringLiteral("(mantida)"));
    m_temExpira->setChecked(u->expira.isValid());
    m_expira->setDate(u->expira.isValid() ? u->expira : QDate::currentDate());
    m_expira->setEnabled(u->expira.isValid());
    m_admin->setChecked(u->admin || master);
    m_altSenha->setChecked(u->altSenha || master);
    for (QWidget *w : std::initializer_list<QWidget *>{m_grupo, m_senha, m_confirma, m_temExpira, m_admin,
                                                       m_altSenha, m_gravarUsuario, m_excluirUsuario})
        w->setEnabled(!master);
}

void TF_Adm_Usuarios::novoUsuario()
{
    m_novoUsuario = true;
    const QSignalBlocker block(m_users);
    m_users->setCurrentItem(nullptr);
    m_nome->clear();
    m_nome->setReadOnly(false);
    m_grupo->setCurrentIndex(m_grupo->count() > 0 ? 0 : -1);
    m_senha->clear();
    m_confirma->clear();
    m_senha->setPlaceholderText(QString());
    m_temExpira->setChecked(false);
    m_expira->setDate(QDate::currentDate().addYears(1));
    m_expira->setEnabled(false);
    m_admin->setChecked(false);
    m_altSenha->setChecked(true);
    for (QWidget *w : std::initializer_list<QWidget *>{m_grupo, m_senha, m_confirma, m_temExpira, m_admin,
                                                       m_altSenha, m_gravarUsuario})
        w->setEnabled(true);
    m_excluirUsuario->setEnabled(false);
    m_nome->setFocus();
}

void TF_Adm_Usuarios::gravarUsuario()
{
    const QString nome = UserStore::normalize(m_nome->text());
    if (m_novoUsuario) {
        const QString problem = UserStore::userNameProblem(nome);
        if (!problem.isEmpty()) {
            dialogs().warning(problem);
            m_nome->setFocus();
            return;
        }
        if (m_store.user(nome)) {
            dialogs().warning(QStringLiteral("Usuário já cadastrado."));
            m_nome->setFocus();
            return;
        }
    }
    if (m_grupo->currentText().isEmpty()) {
        dialogs().warning(m_grupo->count() == 0 ? QStringLiteral("Cadastre antes um grupo na página Grupos.")
                                                : QStringLiteral("O grupo do usuário deve ser informado."));
        m_grupo->setFocus();
        return;
    }
    const bool novaSenha = m_novoUsuario || !m_senha->text().isEmpty() || !m_confirma->text().isEmpty();
    if (novaSenha && !newPasswordAccepted(m_senha, m_confirma))
        return;

    AccessUser user;
    user.nome = nome;
    user.grupo = m_grupo->currentText();
    user.expira = m_temExpira->isChecked() ? m_expira->date() : QDate();
    user.admin = m_admin->isChecked();
    user.altSenha = m_altSenha->isChecked();
    if (novaSenha)
        user.senhaHash = UserStore::hashPassword(m_senha->text());

    const bool novo = m_novoUsuario;
    QString erro;
    const bool saved = m_acesso.alterarCadastro(
        [&](UserStore &s) {
            const AccessUser *existing = s.user(nome);
            if (novo && existing) {
                erro = QStringLiteral("Usuário já cadastrado.");
                return false;
            }
            if (!novo && !existing) {
                erro = QStringLiteral("O usuário %1 não está mais cadastrado.").arg(nome);
                return false;
            }
            if (!novaSenha)
                user.senhaHash = existing->senhaHash;
            s.putUser(user);
            return true;
        },
        &erro);
    if (!saved) {
        dialogs().error(erro);
        return;
    }
    reload();
    selectName(m_users, nome);
    showUser(nome);
}

void TF_Adm_Usuarios::excluirUsuario()
{
    const QString nome = currentName(m_users);
    if (nome.isEmpty() || nome == UserStore::masterName())
        return;
    if (nome == m_acesso.LogNome()) {
        dialogs().information(QStringLiteral("O usuário conectado não pode ser excluído."));
        return;
    }
    if (!dialogs().question(QStringLiteral("Confirma a exclusão do usuário %1?").arg(nome), false))
        return;
    QString erro;
    if (!m_acesso.alterarCadastro([&](UserStore &s) { return s.removeUser(nome); }, &erro) &&
        !erro.isEmpty()) {
        dialogs().error(erro);
        return;
    }
    reload();
    novoUsuario();
}

void TF_Adm_Usuarios::showGroup(const QString &nome)
{
    const AccessGroup *g = m_store.group(nome);
    if (!g)
        return;
    m_novoGrupo = false;
    m_grupoNome->setText(g->nome);
    m_grupoNome->setReadOnly(true);
    m_niveis = g->niveis;
    showLevels();
}

void TF_Adm_Usuarios::novoGrupo()
{
    m_novoGrupo = true;
    const QSignalBlocker block(m_groups);
    m_groups->setCurrentItem(nullptr);
    m_grupoNome->clear();
    m_grupoNome->setReadOnly(false);
    m_niveis.clear();
    showLevels();
}

void TF_Adm_Usuarios::gravarGrupo()
{
    const QString nome = UserStore::normalize(m_grupoNome->text());
    if (nome.isEmpty()) {
        dialogs().warning(QStringLiteral("O nome do grupo deve ser informado."));
        m_pages->setCurrentIndex(1);
        m_grupoNome->setFocus();
        return;
    }
    if (m_novoGrupo && m_store.group(nome)) {
        dialogs().warning(QStringLiteral("Grupo já cadastrado."));
        m_grupoNome->setFocus();
        return;
    }
    const AccessGroup group{nome, m_niveis};
    const bool novo = m_novoGrupo;
    QString erro;
    const bool saved = m_acesso.alterarCadastro(
        [&](UserStore &s) {
            if (novo && s.group(nome)) {
                erro = QStringLiteral("Grupo já cadastrado.");
                return false;
            }
            s.putGroup(group);
            return true;
        },
        &erro);
    if (!saved) {
        dialogs().error(erro);
        return;
    }
    reload();
    selectName(m_groups, nome);
    showGroup(nome);
}

void TF_Adm_Usuarios::excluirGrupo()
{
    const QString nome = currentName(m_groups);
    if (nome.isEmpty())
        return;
    if (m_store.groupInUse(nome)) {
        dialogs().information(
            QStringLiteral("O grupo %1 possui usuários e não pode ser excluído.").arg(nome));
        return;
    }
    if (!dialogs().question(QStringLiteral("Confirma a exclusão do grupo %1?").arg(nome), false))
        return;
    QString erro;
    const bool saved = m_acesso.alterarCadastro(
        [&](UserStore &s) {
            if (s.groupInUse(nome)) {
                erro = QStringLiteral("O grupo %1 possui usuários e não pode ser excluído.").arg(nome);
                return false;
            }
            return s.removeGroup(nome);
        },
        &erro);
    if (!saved && !erro.isEmpty()) {
        dialogs().error(erro);
        return;
    }
    reload();
    novoGrupo();
}

void TF_Adm_Usuarios::setLevel(QTreeWidgetItem *item, int level)
{
    if (!item)
        return;
    const QString name = item->data(0, NameRole).toString();
    if (name.isEmpty())
        return;
    if (level > 0)
        m_niveis.insert(name, level);
    else
        m_niveis.remove(name);
    // An item inside a hidden menu cannot be reached, so granting it opens the menus above it.
    if (level > 0) {
        for (QTreeWidgetItem *up = item->parent(); up; up = up->parent()) {
            const QString upName = up->data(0, NameRole).toString();
            if (!upName.isEmpty() && m_niveis.value(upName, 0) == 0)
                m_niveis.insert(upName, 1);
        }
    }
    showLevels();
}

void TF_Adm_Usuarios::showLevels()
{
    for (QTreeWidgetItemIterator it(m_rights); *it; ++it) {
        const QString name = (*it)->data(0, NameRole).toString();
        (*it)->setText(1, name.isEmpty() ? QString() : QString::number(m_niveis.value(name, 0)));
    }
    if (QTreeWidgetItem *current = m_rights->currentItem()) {
        const QSignalBlocker block(m_nivel);
        m_nivel->setValue(m_niveis.value(current->data(0, NameRole).toString(), 0));
    }
}

bool TF_Adm_Usuarios::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_rights && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_0 + UserStore::maxNivel) {
            setLevel(m_rights->currentItem(), key->key() - Qt::Key_0);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace zedera
