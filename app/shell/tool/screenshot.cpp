// Starts the program on a prepared folder, logs in with the given account, opens the first menu
// (or, given a menu item's object name, that item's window) and saves a picture of the screen: the
// documentation's pictures. Run under a virtual display (xvfb-run).
#include "TF_Principal.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <cstdio>

using namespace zedera;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zedera"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 5 && args.size() != 6) {
        std::fprintf(stderr, "uso: zedera-screenshot PASTA USUARIO SENHA SAIDA.png [ITEM_DO_MENU]\n");
        return 2;
    }

    // Answers the start-up windows as a person would.
    QTimer operador;
    operador.setInterval(300);
    QObject::connect(&operador, &QTimer::timeout, [&] {
        auto *janela = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!janela)
            return;
        if (janela->objectName() == QStringLiteral("TF_Acesso")) {
            janela->findChild<QLineEdit *>(QStringLiteral("t_usuario"))->setText(args[2]);
            janela->findChild<QLineEdit *>(QStringLiteral("t_senha"))->setText(args[3]);
            janela->findChild<QPushButton *>(QStringLiteral("b_ok"))->click();
        }
    });
    operador.start();

    TF_Principal principal(PastasPrograma(args[1], args[1]));
    if (!principal.iniciar())
        return 1;
    operador.stop();
    principal.setGeometry(principal.screen()->availableGeometry());
    principal.show();

    const QString item = args.value(5);
    QTimer::singleShot(800, [&] {
        if (!item.isEmpty()) {
            // The item's window is modal: the picture is taken while it is open, then it closes.
            if (auto *action = principal.findChild<QAction *>(item))
                QTimer::singleShot(0, action, &QAction::trigger);
            return;
        }
        QMenu *menu = principal.menuBar()->actions().constFirst()->menu();
        menu->popup(principal.menuBar()->mapToGlobal(principal.menuBar()->actionGeometry(menu->menuAction()).bottomLeft()));
    });
    QTimer::singleShot(2000, [&] {
        const bool ok = principal.screen()->grabWindow(0).save(args[4]);
        if (QWidget *janela = QApplication::activeModalWidget())
            janela->close();
        principal.EncerrarSessao();
        principal.close();
        QCoreApplication::exit(ok ? 0 : 1);
    });
    return app.exec();
}
