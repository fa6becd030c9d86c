#include "platform/WineDetection.h"

#include <windows.h>

namespace zelkova {

bool RunsUnderWine() {
    static const bool underWine = [] {
        const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
        return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return underWine;
}

}  // namespace zelkova
