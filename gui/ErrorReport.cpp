#include "gui/ErrorReport.h"

namespace zelkova {

std::string StandardErrorText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return text;
}

int SystemMessageBox::Show(HWND owner, const std::string& text, const std::string& caption,
                           UINT flags) {
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

}  // namespace zelkova
