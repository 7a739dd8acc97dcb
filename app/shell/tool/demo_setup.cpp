// Prepares the users file of the demonstration: a master user, an administrator and a clerk with
// passwords that the README states. Only for the demo database; the program itself ships none.
#include "MenuPrincipal.h"
#include "access/Acesso.h"
#include "access/UserStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

using namespace zedera;

namespace {

// Every item of the main menu, submenus included.
void todosOsItens(const QList<ItemMenu> &itens, QStringList &nomes)
{
    for (const ItemMenu &i : itens) {
        if (i.separador())
            continue;
        nomes << i.nome;
        todosOsItens(i.itens, nomes);
    }
}

int falha(const QString &texto)
{
    std::fprintf(stderr, "%s\n", qPrintable(texto));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2)
        return falha(QStringLiteral("uso: zedera-demo-setup PASTA (a pasta onde fica %1)").arg(Acesso::defaultFileName()));
    const QString arquivo = QDir(args[1]).filePath(Acesso::defaultFileName());
    if (QFileInfo::exists(arquivo))
        return falha(QStringLiteral("%1 já existe; nada foi alterado.").arg(arquivo));

    QStringList todos;
    for (const MenuTopo &t : menuPrincipal())
        todosOsItens(t.itens, todos);

    // The clerk records and prints; user administration, the yearly parameters and the utilities
    // stay with the administrator.
    const QStringList reservados = {QStringLiteral("men_usuario"), QStringLiteral("men_param"),
                                    QStringLiteral("men_copia_segur"), QStringLiteral("men_restourar_copia"),
                                    QStringLiteral("men_usu_conect")};
    AccessGroup administracao{QStringLiteral("ADMINISTRACAO"), {}};
    AccessGroup atendimento{QStringLiteral("ATENDIMENTO"), {}};
    for (const QString &item : todos) {
        administracao.niveis.insert(item, UserStore::maxNivel);
        if (!reservados.contains(item))
            atendimento.niveis.insert(item, 3);
    }

    UserStore store = UserStore::withMaster(QStringLiteral("MASTER1"));
    store.putGroup(administracao);
    store.putGroup(atendimento);
    AccessUser gestor{QStringLiteral("GESTOR"), administracao.nome, UserStore::hashPassword(QStringLiteral("GESTOR1")),
                      QDate(), true, true};
    AccessUser atendente{QStringLiteral("ATENDENTE"), atendimento.nome,
                         UserStore::hashPassword(QStringLiteral("ATENDE1")), QDate(), false, true};
    store.putUser(gestor);
    store.putUser(atendente);
    QString erro;
    if (!store.save(arquivo, &erro))
        return falha(erro);
    std::printf("%s\n", qPrintable(QStringLiteral("Usuários de demonstração gravados em %1").arg(arquivo)));
    return 0;
}
