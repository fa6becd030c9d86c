// The standard error report: how an error that no handler dealt with is shown to the user.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace zelkova {

// The error's message, with a full stop added when the message is not empty and its last
// character sorts after "." (so "Cannot open clipboard" gains one, "... (5)" does not).
std::string StandardErrorText(std::string_view message);

// Where message boxes go; tests put a recording sink in place of the real MessageBoxA.
class MessageBoxSink {
public:
    virtual ~MessageBoxSink() = default;
    virtual int Show(HWND owner, const std::string& text, const std::string& caption,
                     UINT flags) = 0;
};

// Shows the box with MessageBoxA.
class SystemMessageBox : public MessageBoxSink {
public:
    int Show(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
};

}  // namespace zelkova
