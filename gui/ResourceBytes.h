// A module's resources as the loader maps them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace zelkova {

// The bytes of the resource of that name and type (RT_BITMAP, RT_RCDATA, ...). They stay valid
// while the module is loaded and need no release. Empty when the module has no such resource.
std::span<const std::uint8_t> ResourceBytes(HMODULE module, const char* name, const char* type);

}  // namespace zelkova
