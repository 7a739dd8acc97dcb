#pragma once

#include <QString>

namespace zedera {

// The logged-in user's working context, one record per process. Every window reads it: the year it
// works in, the organisation printed in page headings, and where the database lives.
struct Sessao {
    // Working year (exercise), four digits; 0 until a login succeeds.
    int exercicio = 0;
    // Login name, upper case.
    QString usuario;
    // Caption of the program's message boxes.
    QString titulo;

    // Parameters of the exercise (vkl_parametros), loaded at login and again after they are saved.
    QString empresa;
    QString cidade;
    QString uf;
    QString endereco;
    QString cnpj;
    QString resp1;
    QString resp2;
    QString resp3;
    // "01": trips keep the vehicles' current odometer; "02": fuellings do.
    QString contr_km;

    // Configuration read at start-up.
    QString caminho_bd;
    QString ip;
    QString caminho_bk;
    QString caminho_map;
    int config = 0;
    // Database account; empty means the program's own default.
    QString usuario_bd;
    QString senha_bd;

    // The process-wide record.
    static Sessao &atual();
    // Back to the state of a fresh start (tests start each case from here).
    static void reiniciar();

    static QString tituloPrograma() { return QStringLiteral("Administração de Zedera"); }
    // Caption of the main window once the exercise's parameters are known:
    // "Administração de Zedera - <empresa> DE <cidade> - <exercicio>".
    QString tituloJanelaPrincipal() const;
    // Sets titulo and makes it the caption of every message box that names none.
    void definirTitulo(const QString &texto);
};

inline Sessao &sessao() { return Sessao::atual(); }

} // namespace zedera
