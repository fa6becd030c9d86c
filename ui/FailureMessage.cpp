#include "ui/FailureMessage.h"

#include "gui/Application.h"
#include "ui/Product.h"

namespace zelkova {

void ApplicationFailureNotifier::ShowKeyNotFound() {
    if (Application* app = Application::Instance()) {
        app->MessageBox(kKeyNotFoundMessage, kAppTitle, MB_OK | MB_ICONINFORMATION);
    } else {
        MessageBoxA(nullptr, kKeyNotFoundMessage, kAppTitle, MB_OK | MB_ICONINFORMATION);
    }
}

}  // namespace zelkova
