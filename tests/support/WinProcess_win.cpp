#include "support/WinProcess_win.h"

#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "platform/PathQuery.h"

namespace zelkova::testing {

ChildProcess ChildProcess::Start(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back('\0');
    ChildProcess child;
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return child;
    CloseHandle(info.hThread);
    child.process_ = info.hProcess;
    child.id_ = info.dwProcessId;
    return child;
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(std::exchange(other.id_, 0)) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
    if (this != &other) {
        Terminate();
        process_ = std::exchange(other.process_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

ChildProcess::~ChildProcess() { Terminate(); }

bool ChildProcess::HasExited() const { return !process_ || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }

void ChildProcess::Terminate() {
    if (!process_) return;
    if (!HasExited()) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(std::exchange(process_, nullptr));
}

std::string ProgramFolder() {
    const std::string path = ExecutableFilePath();
    return path.substr(0, path.find_last_of('\\') + 1);
}

std::string ProgramCommandLine(std::string_view program) {
    std::string line = "\"";
    return line.append(ProgramFolder()).append(program).append("\"");
}

// WM_GETTEXT itself: GetWindowTextA does not ask a control of another process for its text.
std::string WindowText(HWND window) {
    char buffer[4096] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                        &length);
    return buffer;
}

std::string ClassName(HWND window) {
    char buffer[256] = {};
    GetClassNameA(window, buffer, sizeof buffer);
    return buffer;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string UseFreshEditorLog(const std::string& tag) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path =
        std::string(temp) + "zelkova_" + tag + "_" + std::to_string(GetCurrentProcessId()) + ".log";
    DeleteFileA(path.c_str());
    SetEnvironmentVariableA("ZELKOVA_FAKE_EDITOR_LOG", path.c_str());
    return path;
}

HWND FindProcessWindow(DWORD processId, const char* className, const char* title) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, className, title)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) return window;
    }
    return nullptr;
}

}  // namespace zelkova::testing
