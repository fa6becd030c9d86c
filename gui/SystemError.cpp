#include "gui/SystemError.h"

#include "base/ErrorText.h"

namespace zelkova {

std::string SystemMessage(DWORD code) {
    char buffer[512];
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, buffer, sizeof buffer, nullptr);
    return std::string(buffer, length);
}

std::string WithSystemError(std::string_view text, DWORD code) {
    return WithErrorCode(text, code, code != 0 ? SystemMessage(code) : std::string());
}

}  // namespace zelkova
