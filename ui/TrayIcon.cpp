#include "ui/TrayIcon.h"

#include <algorithm>
#include <cstring>

namespace zelkova {

NOTIFYICONDATAA MakeTrayIconRecord(HWND window, HICON icon) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    record.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(window));
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = WM_TRAYICON;
    record.hIcon = icon;
    // The first-version record holds 64 bytes of tip, whatever the header's record holds.
    constexpr std::size_t kTipCapacity = 64;
    const std::size_t length = std::min(std::strlen(kTrayTip), kTipCapacity - 1);
    std::memcpy(record.szTip, kTrayTip, length);
    record.szTip[length] = '\0';
    return record;
}

void SetTrayIcon(HWND window, HICON icon, bool add) {
    NOTIFYICONDATAA record = MakeTrayIconRecord(window, icon);
    Shell_NotifyIconA(add ? NIM_ADD : NIM_DELETE, &record);
}

}  // namespace zelkova
