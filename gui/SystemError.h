#pragma once
// Failure texts of the Win32 side with the error code and the system's words for it.
#include <windows.h>

#include <string>
#include <string_view>

namespace zelkova {

// The system's message for a Win32 error code (or an HRESULT); empty when it has none.
std::string SystemMessage(DWORD code);

// The text with the code and its message: "Cannot create menu (error 8: Not enough memory...)".
// Read GetLastError() right after the failing call, before building the text.
std::string WithSystemError(std::string_view text, DWORD code);

}  // namespace zelkova
