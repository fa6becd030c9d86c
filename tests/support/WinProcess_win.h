#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>

namespace zelkova::testing {

// A program the test started; ended (if still running) when this goes out of scope.
class ChildProcess {
public:
    ChildProcess() = default;
    static ChildProcess Start(const std::string& commandLine);
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    explicit operator bool() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_; }
    bool HasExited() const;
    void Terminate();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// The folder of the running test program, with a trailing backslash; helper programs are
// built beside it.
std::string ProgramFolder();
// The command line that starts a program of that folder: its full path, quoted.
std::string ProgramCommandLine(std::string_view program);

// Polls every few milliseconds until `found` returns a window or the time runs out.
template <typename Find>
HWND WaitForWindow(Find found, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (HWND window = found()) return window;
        if (std::chrono::steady_clock::now() > end) return nullptr;
        Sleep(10);
    }
}

// Polls until the condition holds or the time runs out; returns the last answer.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        Sleep(10);
    }
}

std::string WindowText(HWND window);
std::string ClassName(HWND window);
std::string ReadWholeFile(const std::string& path);

// An empty log file in the temporary folder, named by `tag` and this process, that the stand-in
// Registry Editor started from now on writes what it is sent to; returns its path.
std::string UseFreshEditorLog(const std::string& tag);

// The first top-level window of `className` that belongs to process `processId`.
HWND FindProcessWindow(DWORD processId, const char* className, const char* title = nullptr);

}  // namespace zelkova::testing
