#include "support/WinScratchFolder_win.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zelkova::testing {

WinScratchFolder::WinScratchFolder() {
    char temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof temp, temp);
    if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary folder");
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        folder_ = std::string(temp) + "zelkova-test-" + std::to_string(GetCurrentProcessId()) +
                  "-" + std::to_string(++serial) + "\\";
        if (CreateDirectoryA(folder_.c_str(), nullptr)) return;
    }
    throw std::runtime_error("cannot create a scratch folder");
}

WinScratchFolder::~WinScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(folder_), ignored);
}

std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileText(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace zelkova::testing
