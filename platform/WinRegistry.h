#pragma once

#include "jump/RegistryProbe.h"

namespace zelkova {

// Probes the live registry with RegOpenKeyExA / RegQueryValueExA; read-only, never creates.
class WinRegistryAccess : public RegistryAccess {
public:
    std::unique_ptr<RegistryProbe> MakeProbe(PredefinedKey root) override;
};

}  // namespace zelkova
