#pragma once

#include <QString>

#include <optional>

namespace zedera {

class Connection;
struct Sessao;

// One row of vkl_parametros: the organisation and settings of one exercise.
struct ParametrosExercicio {
    int ano = 0;
    QString empresa;
    QString sigla;
    QString cnpj;
    QString end;
    QString complemento;
    QString bairro;
    QString cid;
    QString uf;
    QString cep;
    QString fone;
    QString fax;
    QString email;
    qint64 detran = 0;
    QString resp1;
    QString resp2;
    QString resp3;
    QString contr_km = QStringLiteral("02");
};

// The exercise's row, or nothing when the year has none.
std::optional<ParametrosExercicio> lerParametros(Connection &conexao, int ano);
// Each write is one committed transaction on the given connection.
void incluirParametros(Connection &conexao, const ParametrosExercicio &p);
// False when the year's row no longer exists (removed meanwhile on another workstation).
bool alterarParametros(Connection &conexao, const ParametrosExercicio &p);
void excluirParametros(Connection &conexao, int ano);

// The values every window reads from the session: organisation, city, state, address, tax
// number, the three officers and the odometer switch.
void copiarParaSessao(const ParametrosExercicio &p, Sessao &sessao);

} // namespace zedera
