// Window messages as the framework passes them around, and the numbers of the notifications
// that the framework itself sends to controls. The notifications travel through the same
// window procedure as every Win32 message, so any code may also send them with SendMessage.
#pragma once

#include <windows.h>

namespace zelkova {

struct Message {
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
};

// Framework notifications, above WM_APP's range used by applications (0x8000 to 0xAFFF).
namespace notify {
inline constexpr UINT kBase = 0xB000;
inline constexpr UINT kCancelMode = 0xB004;    // the control lost a mouse operation it had begun
inline constexpr UINT kDialogKey = 0xB005;     // wParam key, lParam Shift set; result 1 = consumed
inline constexpr UINT kDialogChar = 0xB006;    // wParam character, lParam Shift set; result 1
inline constexpr UINT kFocusChanged = 0xB007;  // lParam: the Control* that received the focus
inline constexpr UINT kFontChanged = 0xB00E;
inline constexpr UINT kTextChanged = 0xB012;
inline constexpr UINT kMouseEnter = 0xB013;
inline constexpr UINT kMouseLeave = 0xB014;
inline constexpr UINT kLast = 0xB0FF;
}  // namespace notify

// Bit 29 of a key message's lParam: Alt was held.
inline constexpr LPARAM kAltKeyData = 0x20000000;

}  // namespace zelkova
