#include "platform/WinFailureNotifier.h"

#include "ui/Product.h"

#include <windows.h>

namespace zelkova {

void WinFailureNotifier::ShowKeyNotFound() {
    MessageBoxA(owner_ ? owner_() : nullptr, kKeyNotFoundMessage, kAppTitle, MB_OK | MB_ICONINFORMATION);
}

}  // namespace zelkova
