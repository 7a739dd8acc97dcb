#include "TF_Principal.h"
#include "access/SingleInstance.h"
#include "dialogs/DialogService.h"
#include "session/Configuracao.h"
#include "session/Sessao.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zedera"));
    // The program's title on the task bar; it also names the single-instance lock.
    const QString titulo = QStringLiteral("Adminitração de Zedera");

    const zedera::SeletorConfiguracao seletor = zedera::lerSeletor(QCoreApplication::arguments().mid(1));
    if (!seletor.valido()) {
        std::fprintf(stderr, "%s\n", qPrintable(seletor.erro));
        zedera::dialogs().error(seletor.erro, titulo);
        return 2;
    }
    zedera::sessao().config = seletor.config;

    zedera::SingleInstance instancia(titulo);
    if (!instancia.start())
        return 0;

    zedera::TF_Principal principal(zedera::PastasPrograma::padrao());
    instancia.setWindow(&principal);
    if (!principal.iniciar())
        return 1;
    principal.showMaximized();
    return app.exec();
}
