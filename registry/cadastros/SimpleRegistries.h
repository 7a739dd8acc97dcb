#pragma once

#include "framework/RegistryEditPanel.h"
#include "framework/RegistryWindow.h"

namespace zedera::registry {

// The small registries: a code, a description and a few fields each, on the registry window.

class TF_Cad_Tipo_Veic : public RegistryWindow {
    Q_OBJECT
public:
    TF_Cad_Tipo_Veic(const RegistryEnvironment &environment, Opener opener, QWidget *parent = nullptr);
    static RegistryDescriptor describe();
};

class TF_Cad_Combust : public RegistryWindow {
    Q_OBJECT
public:
    TF_Cad_Combust(const RegistryEnvironment &environment, Opener opener, QWidget *parent = nullptr);
    static RegistryDescriptor describe();
};

class TF_Cad_Tabela : public RegistryWindow {
    Q_OBJECT
public:
    TF_Cad_Tabela(const RegistryEnvironment &environment, Opener opener, QWidget *parent = nullptr);
    static RegistryDescriptor describe();
};

class TF_Cad_Linhas : public RegistryWindow {
    Q_OBJECT
public:
    TF_Cad_Linhas(const RegistryEnvironment &environment, Opener opener, QWidget *parent = nullptr);
    static RegistryDescriptor describe();
};

class TF_Cad_Destino : public RegistryWindow {
    Q_OBJECT
public:
    TF_Cad_Destino(const RegistryEnvironment &environment, Opener opener, QWidget *parent = nullptr);
    static RegistryDescriptor describe();
};

class TF_Cad_Empr_Usu : public RegistryWindow {
    Q_OBJECT
public:
    TF_Cad_Empr_Usu(const RegistryEnvironment &environment, Opener opener, QWidget *parent = nullptr);
    static RegistryDescriptor describe();
};

class TF_Cad_Causa_Manut : public RegistryWindow {
    Q_OBJECT
public:
    TF_Cad_Causa_Manut(const RegistryEnvironment &environment, Opener opener, QWidget *parent = nullptr);
    static RegistryDescriptor describe();
};

class TF_Cad_Seguradora : public RegistryWindow {
    Q_OBJECT
public:
    TF_Cad_Seguradora(const RegistryEnvironment &environment, Opener opener, QWidget *parent = nullptr);
    static RegistryDescriptor describe();
};

// Fuel types: the material's last warehouse entry proposes the price per litre.
class CombustPanel : public RegistryEditPanel {
    Q_OBJECT
public:
    CombustPanel(const RegistryDescriptor &descriptor, const RegistryEnvironment &environment);
    void fieldEntered(QWidget *field) override;
    void show(const RegistryRow &row) override;

private:
    void pickMaterial();
    void showMaterial(const QString &code, bool proposePrice);
};

// Parts and services: the kilometre interval only applies to items under control.
class TabelaPanel : public RegistryEditPanel {
    Q_OBJECT
public:
    TabelaPanel(const RegistryDescriptor &descriptor, const RegistryEnvironment &environment);
    void show(const RegistryRow &row) override;
    void clear() override;

private:
    void controlChanged();
};

} // namespace zedera::registry
