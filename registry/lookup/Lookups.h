#pragma once

#include "LookupDialog.h"

namespace zedera::registry {

// The lookups over the suite's tables and the document types. Each opens on its list, ordered
// by its default column; the caller shows it through the dialog service and reads
// codigoCapturado() (and, for projects, the sub-project) after it closes.

// Warehouse materials; returns mt_codigo.
class TF_Loc_Mat_Almox : public LookupDialog {
    Q_OBJECT
public:
    explicit TF_Loc_Mat_Almox(Connection &connection, QWidget *parent = nullptr);
    static LookupDescriptor describe();
};

// Warehouse projects; returns pra_proj and pra_sproj.
class TF_Loc_Proj : public LookupDialog {
    Q_OBJECT
public:
    explicit TF_Loc_Proj(Connection &connection, QWidget *parent = nullptr);
    static LookupDescriptor describe();
    QString subprojetoCapturado() const { return valoresCapturados().value(1); }
};

// Departments of one exercise; returns st_cod.
class TF_Loc_Setor : public LookupDialog {
    Q_OBJECT
public:
    TF_Loc_Setor(Connection &connection, int exercicio, QWidget *parent = nullptr);
    static LookupDescriptor describe(int exercicio);
};

// Suppliers; returns fo_cod.
class TF_Loc_Fornecedor : public LookupDialog {
    Q_OBJECT
public:
    explicit TF_Loc_Fornecedor(Connection &connection, QWidget *parent = nullptr);
    static LookupDescriptor describe();
};

// Types of vehicle documents; returns tvd_cod.
class TF_Loc_Tp_Veic_Doc : public LookupDialog {
    Q_OBJECT
public:
    explicit TF_Loc_Tp_Veic_Doc(Connection &connection, QWidget *parent = nullptr);
    static LookupDescriptor describe();
};

} // namespace zedera::registry
