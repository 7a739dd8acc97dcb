#pragma once

#include "framework/RegistryWindow.h"

namespace zedera::registry {

// Drivers (vkl_motoristas). Only active drivers can be picked by another window.
class TF_Cad_Motorista : public RegistryWindow {
    Q_OBJECT
public:
    TF_Cad_Motorista(const RegistryEnvironment &environment, Opener opener, QWidget *parent = nullptr);
    static RegistryDescriptor describe();
};

} // namespace zedera::registry
