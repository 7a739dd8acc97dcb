#pragma once

// Shared by the access-control tests: a users file with known users and a miniature main menu.

#include "access/Acesso.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace zedera::accesstest {

inline const QString masterPassword = QStringLiteral("MASTERPW");

// The main menu's shape in miniature: a named menu, an unnamed menu holding a named submenu, and
// an unnamed menu whose only item the clerk may not use.
struct MenuFixture {
    QMenuBar bar;
    QMenu *arquivo = nullptr;
    QMenu *movimento = nullptr;
    QMenu *processos = nullptr;

    MenuFixture()
    {
        arquivo = bar.addMenu(QStringLiteral("&Arquivo"));
        arquivo->setObjectName(QStringLiteral("men_arquivo"));
        add(arquivo, "men_usuario", "Usuários");
        add(arquivo, "men_alterar_senha", "Alterar Senha");
        arquivo->addSeparator();
        add(arquivo, "men_motorista", "Motoristas");
        QMenu *relatorios = bar.addMenu(QStringLiteral("&Relatórios"));
        movimento = relatorios->addMenu(QStringLiteral("Movimento"));
        movimento->setObjectName(QStringLiteral("men_movimento"));
        add(movimento, "men_relat_movto_veic", "Veículos");
        add(movimento, "men_relat_movto_completo", "Completo");
        processos = bar.addMenu(QStringLiteral("&Processos"));
        add(processos, "men_movto_veic", "Movimento de veículos");
    }
    static void add(QMenu *menu, const char *name, const char *text)
    {
        menu->addAction(QString::fromUtf8(text))->setObjectName(QString::fromLatin1(name));
    }
    QAction *action(const QString &name) const
    {
        if (auto *a = bar.findChild<QAction *>(name))
            return a;
        if (auto *m = bar.findChild<QMenu *>(name))
            return m->menuAction();
        return nullptr;
    }
};

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A fresh folder per test holding the users file.
class UsersFileFixture {
protected:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;

    void createUsersFile()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_path = m_dir->filePath(Acesso::defaultFileName());
        makeFile();
    }

    // Master, a clerk group and four users: an ordinary clerk, one whose access ended yesterday,
    // one whose access ends today, and an administrator without password change.
    void makeFile()
    {
        UserStore store = UserStore::withMaster(masterPassword);
        store.putGroup({QStringLiteral("OPERADOR"),
                        {{QStringLiteral("men_arquivo"), 1},
                         {QStringLiteral("men_motorista"), 3},
                         {QStringLiteral("men_movimento"), 1},
                         {QStringLiteral("men_relat_movto_veic"), 2}}});
        const QDate today = QDate::currentDate();
        auto user = [&](const char *nome, const char *senha, QDate expira, bool admin, bool alt) {
            store.putUser({QString::fromLatin1(nome), QStringLiteral("OPERADOR"),
                           UserStore::hashPassword(QString::fromLatin1(senha)), expira, admin, alt});
        };
        user("JOAO", "SENHA1", {}, false, true);
        user("ANA", "SENHA2", today.addDays(-1), false, true);
        user("PEDRO", "SENHA3", today, false, true);
        user("CHEFE", "SENHA4", {}, true, false);
        QString erro;
        QVERIFY2(store.save(m_path, &erro), qPrintable(erro));
    }
};

} // namespace zedera::accesstest
