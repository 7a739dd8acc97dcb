#pragma once

#include "framework/RegistryWindow.h"

class QLabel;

namespace zedera::fleet {

class VeiculoPanel;

// The vehicles (vkl_veiculos). Every fleet window picks a vehicle here: opened by another window,
// Enter on a row hands back the vehicle's code and fleet number. Users know vehicles by their
// fleet number, so the code is never typed: a fleet number typed on an insert that already
// exists turns the insert into the alteration of that vehicle.
class TF_Cad_Veic : public registry::RegistryWindow {
    Q_OBJECT
public:
    TF_Cad_Veic(const registry::RegistryEnvironment &environment, Opener opener, QWidget *parent = nullptr);
    ~TF_Cad_Veic() override;

    static registry::RegistryDescriptor describe();
    // The list statement up to its order: the vehicle with its fuel, type, driver, sector and
    // project (a vehicle lacking one of them is not listed).
    static QString listaBase();
    static const QStringList &mesesLicenc();
    static const QStringList &pertences();
    static const QStringList &baixas();

    // The code (as text) and fleet number picked by another window; both empty when the window
    // closed without a pick.
    QString numeroCapturado() const { return m_numeroCapturado; }

    // The vehicle an alteration started on a typed fleet number applies to when the open list
    // does not hold it.
    std::optional<qint64> codigoForaDaLista() const { return m_foraDaLista; }

protected:
    bool validarDadosExtra() override;
    std::optional<qint64> codigoEmEdicao() const override;
    bool exclusaoPermitida(bool fromSearchPage) override;
    void completarInclusao(qint64 codigo, Bindings &valores) override;
    void imprimir() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private:
    // The check made when the focus enters t_modelo during an insert.
    void numeroDigitado();
    // Alters `code`, a vehicle the open list does not show.
    void alterarForaDaLista(qint64 code);
    void setForaDaLista(std::optional<qint64> code);
    VeiculoPanel &veiculoPanel() const;

    QString m_numeroCapturado;
    std::optional<qint64> m_foraDaLista;
    QLabel *m_foraDaListaLabel = nullptr;
};

} // namespace zedera::fleet
