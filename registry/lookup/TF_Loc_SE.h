#pragma once

#include "LookupDialog.h"

#include <optional>

class QLineEdit;

namespace zedera::registry {

// An item of a warehouse material request, as TF_Loc_SE hands it to its caller.
struct ItemSolicitacao {
    int ano = 0;
    int numero = 0;
    int item = 0;
    int material = 0;
    Decimal quantidade;
};

// Lists the items of one material request, given its year and number, and returns the item
// picked.
class TF_Loc_SE : public LookupBase {
    Q_OBJECT
public:
    explicit TF_Loc_SE(Connection &connection, QWidget *parent = nullptr);

    // The picked item; nullopt when the window closed without a pick.
    std::optional<ItemSolicitacao> itemCapturado() const;

    // b_localizar: checks year and number and lists the request's items.
    void localizar();

protected:
    void titleClicked(int section) override;

private:
    bool listItems(const QString &order);

    QLineEdit *m_ano = nullptr;
    QLineEdit *m_nro = nullptr;
    // The request listed, for reordering by a title.
    int m_anoListado = 0;
    int m_nroListado = 0;
    bool m_listado = false;
};

} // namespace zedera::registry
